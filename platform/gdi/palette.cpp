// Logical palettes emulated over true colour: PALETTEINDEX colours resolve through the selected
// palette, and an 8-bit screen holds a system palette of 20 static colours plus those realised.
#include <algorithm>
#include <array>
#include <climits>
#include <ranges>
#include <vector>

#include "backend/backend.h"
#include "gdi/dc.h"
#include "gdi/objects.h"
#include "window/window_internal.h"

using namespace plat;

namespace {

constexpr std::size_t SystemPaletteSize = 256;

// The twenty colours an 8-bit screen always shows, in the order of the default palette.
constexpr std::array<COLORREF, 20> staticColors = {
    RGB(0, 0, 0),       RGB(128, 0, 0),     RGB(0, 128, 0),     RGB(128, 128, 0),
    RGB(0, 0, 128),     RGB(128, 0, 128),   RGB(0, 128, 128),   RGB(192, 192, 192),
    RGB(192, 220, 192), RGB(166, 202, 240), RGB(255, 251, 240), RGB(160, 160, 164),
    RGB(128, 128, 128), RGB(255, 0, 0),     RGB(0, 255, 0),     RGB(255, 255, 0),
    RGB(0, 0, 255),     RGB(255, 0, 255),   RGB(0, 255, 255),   RGB(255, 255, 255)};

std::vector<COLORREF>& system_palette() {
    static std::vector<COLORREF> colors(staticColors.begin(), staticColors.end());
    return colors;
}

bool palette_device() {
    return backend().bits_per_pixel() == 8;
}

COLORREF entry_color(const PALETTEENTRY& e) {
    return RGB(e.peRed, e.peGreen, e.peBlue);
}

const std::vector<PALETTEENTRY>& entries_of(HGDIOBJ palette) {
    static const std::vector<PALETTEENTRY> defaults = [] {
        std::vector<PALETTEENTRY> v;
        for (COLORREF c : staticColors)
            v.push_back({GetRValue(c), GetGValue(c), GetBValue(c), 0});
        return v;
    }();
    const PaletteObject* p = find<PaletteObject>(palette);
    return p && !p->entries.empty() ? p->entries : defaults;
}

template <class Colors> COLORREF nearest(const Colors& colors, COLORREF c) {
    COLORREF best = c;
    long bestDistance = LONG_MAX;
    for (COLORREF s : colors) {
        const long dr = GetRValue(s) - GetRValue(c), dg = GetGValue(s) - GetGValue(c),
                   db = GetBValue(s) - GetBValue(c);
        const long d = dr * dr + dg * dg + db * db;
        if (d < bestDistance) bestDistance = d, best = s;
    }
    return best;
}

} // namespace

Pixel plat::resolve_color(const DeviceContext& dc, COLORREF color) {
    COLORREF rgb = color & 0xFFFFFF;
    if ((color >> 24) == 0x01) {
        const auto& entries = entries_of(dc.palette);
        const std::size_t i = color & 0xFFFF;
        rgb = i < entries.size() ? entry_color(entries[i]) : entry_color(entries[0]);
    } else if ((color >> 24) == 0x02 && !palette_device()) {
        rgb = nearest(entries_of(dc.palette) | std::views::transform(entry_color), rgb);
    }
    // Bitmaps keep every colour; the screen shows only those of the system palette.
    if (palette_device() && dc.hwnd) rgb = nearest(system_palette(), rgb);
    return pixel_from_colorref(rgb);
}

void plat::limit_to_screen_colors(const DeviceContext& dc, Painter& painter, const RECT& logical) {
    if (!palette_device() || !dc.hwnd) return;
    const RECT area = painter.to_surface(logical);
    const auto& colors = system_palette();
    // Copied images repeat their colours run after run: remember the last answer.
    Pixel lastIn = 0, lastOut = pixel_from_colorref(nearest(colors, 0));
    Surface& target = painter.target();
    for (const RECT& c : painter.clip_rects()) {
        const RECT r = rect_intersect(c, area);
        painter.report(r);
        for (int y = r.top; y < r.bottom; ++y) {
            Pixel* row = target.row(y);
            for (int x = r.left; x < r.right; ++x) {
                if (row[x] != lastIn) {
                    lastIn = row[x];
                    lastOut = pixel_from_colorref(nearest(colors, colorref_from_pixel(lastIn)));
                }
                row[x] = lastOut;
            }
        }
    }
}

HPALETTE CreatePalette(const LOGPALETTE* palette) {
    if (!palette || palette->palNumEntries == 0) return nullptr;
    PaletteObject p;
    p.entries.assign(palette->palPalEntry, palette->palPalEntry + palette->palNumEntries);
    return static_cast<HPALETTE>(add_object(std::move(p)));
}

HPALETTE SelectPalette(HDC hdc, HPALETTE palette, BOOL) {
    DeviceContext* dc = dc_of(hdc);
    if (!dc || (palette && !find<PaletteObject>(palette))) return nullptr;
    const HGDIOBJ previous = dc->palette ? dc->palette : GetStockObject(DEFAULT_PALETTE);
    set_selected(*dc, &DeviceContext::palette,
                 palette == GetStockObject(DEFAULT_PALETTE) ? nullptr : palette);
    return static_cast<HPALETTE>(previous);
}

UINT RealizePalette(HDC hdc) {
    DeviceContext* dc = dc_of(hdc);
    if (!dc) return GDI_ERROR;
    // On a true-colour screen realising changes nothing visible.
    if (!palette_device() || !dc->palette) return 0;
    auto& system = system_palette();
    UINT added = 0;
    for (const PALETTEENTRY& e : entries_of(dc->palette)) {
        const COLORREF c = entry_color(e);
        if (std::find(system.begin(), system.end(), c) != system.end()) continue;
        if (system.size() >= SystemPaletteSize) break;
        system.push_back(c);
        ++added;
    }
    if (added && dc->hwnd) {
        const std::vector<HWND> windows = top_level_order();
        for (HWND h : windows)
            SendMessageA(h, WM_PALETTECHANGED, reinterpret_cast<WPARAM>(dc->hwnd), 0);
    }
    return added;
}

BOOL UnrealizeObject(HGDIOBJ object) {
    return find_object(object) ? TRUE : FALSE;
}

UINT SetPaletteEntries(HPALETTE palette, UINT start, UINT count, const PALETTEENTRY* entries) {
    PaletteObject* p = find<PaletteObject>(palette);
    if (!p || !entries || start >= p->entries.size()) return 0;
    const UINT n = std::min<UINT>(count, static_cast<UINT>(p->entries.size()) - start);
    std::copy_n(entries, n, p->entries.begin() + start);
    return n;
}

UINT GetPaletteEntries(HPALETTE palette, UINT start, UINT count, PALETTEENTRY* entries) {
    const PaletteObject* p = find<PaletteObject>(palette);
    if (!p) return 0;
    if (!entries) return static_cast<UINT>(p->entries.size());
    if (start >= p->entries.size()) return 0;
    const UINT n = std::min<UINT>(count, static_cast<UINT>(p->entries.size()) - start);
    std::copy_n(p->entries.begin() + start, n, entries);
    return n;
}

COLORREF GetNearestColor(HDC hdc, COLORREF color) {
    const DeviceContext* dc = dc_of(hdc);
    return dc ? colorref_from_pixel(resolve_color(*dc, color)) : CLR_INVALID;
}
