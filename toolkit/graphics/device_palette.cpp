// The logical palette of a 256-colour screen: the scheme, 16 standard colours and two system
// colours, held in one palette object for the life of the root window.
#include <cstddef>
#include <vector>

#include "graphics/colour_tables.h"
#include "graphics/palette.h"

namespace tess {

namespace {

constexpr Rgb standardColours[16] = {{0, 0, 0},     {191, 0, 0}, {191, 191, 0}, {0, 191, 0},
                                     {0, 191, 191}, {0, 0, 191}, {191, 0, 191}, {191, 191, 191},
                                     {64, 64, 64},  {255, 0, 0}, {255, 255, 0}, {0, 255, 0},
                                     {0, 255, 255}, {0, 0, 255}, {255, 0, 255}, {255, 255, 255}};

constexpr int MaxDeviceColours = 256;

PALETTEENTRY entry(Rgb c) {
    return {c.r, c.g, c.b, 0};
}

PALETTEENTRY system_entry(int index) {
    const COLORREF c = GetSysColor(index);
    return {GetRValue(c), GetGValue(c), GetBValue(c), 0};
}

Rgb scheme_entry(const ColourTables& t, int k, int nc) {
    if (nc == ToolkitColours) return t.full[static_cast<std::size_t>(k)];
    if (nc == StandardPaletteColours) return t.sixteen[static_cast<std::size_t>(k)];
    return scheme_sample(t, k, nc);
}

std::vector<PALETTEENTRY> build_entries(const ColourTables& t, int nc) {
    std::vector<PALETTEENTRY> v;
    v.reserve(static_cast<std::size_t>(nc) + 18);
    for (int k = 0; k < nc; ++k)
        v.push_back(entry(scheme_entry(t, k, nc)));
    for (const Rgb& c : standardColours)
        v.push_back(entry(c));
    v.push_back(system_entry(COLOR_WINDOWTEXT));
    v.push_back(system_entry(COLOR_WINDOW));
    return v;
}

void select_and_realise(HPALETTE palette) {
    const HDC hdc = graphics().driver.hdc;
    if (!palette || !hdc) return;
    SelectPalette(hdc, palette, FALSE);
    RealizePalette(hdc);
}

} // namespace

void xxmwindefinepalette(int build) {
    ColourTables& t = graphics().colours;
    const int nc = graphics().state.deviceColours;
    if (build && nc > 0 && nc <= MaxDeviceColours) {
        // Defined before WindowOpen filled the tables: the scheme is fixed, so fill them now
        // rather than hand the screen a palette of black.
        if (!t.filled) xxpali_();
        t.device = build_entries(t, nc);
        // A palette object made for another colour count takes the new size.
        const auto size = static_cast<UINT>(t.device.size());
        if (t.gPal256 && GetPaletteEntries(t.gPal256, 0, 0, nullptr) != size)
            ResizePalette(t.gPal256, size);
        if (t.gPal256) SetPaletteEntries(t.gPal256, 0, size, t.device.data());
    }
    if (!t.device.empty() && !t.gPal256) {
        std::vector<unsigned char> bytes(sizeof(LOGPALETTE) +
                                         t.device.size() * sizeof(PALETTEENTRY));
        auto* lp = reinterpret_cast<LOGPALETTE*>(bytes.data());
        lp->palVersion = 0x300;
        lp->palNumEntries = static_cast<WORD>(t.device.size());
        PALETTEENTRY* out = lp->palPalEntry;
        for (std::size_t i = 0; i < t.device.size(); ++i)
            out[i] = t.device[i];
        t.gPal256 = CreatePalette(lp);
    }
    select_and_realise(t.gPal256);
}

void xxmwinpalette256(int index, int red, int green, int blue, int mode) {
    ColourTables& t = graphics().colours;
    if (index < 0 || static_cast<std::size_t>(index) >= t.device.size()) return;
    if (mode < 2 && t.gPal256) UnrealizeObject(t.gPal256);
    PALETTEENTRY& e = t.device[static_cast<std::size_t>(index)];
    e = {static_cast<BYTE>(red), static_cast<BYTE>(green), static_cast<BYTE>(blue), 0};
    if (t.gPal256) SetPaletteEntries(t.gPal256, static_cast<UINT>(index), 1, &e);
    if (mode == 0 || mode == 3) select_and_realise(t.gPal256);
}

} // namespace tess
