// Logical palettes emulated over true colour: PALETTEINDEX colours resolve through the selected
// palette, and an 8-bit screen holds a system palette of 20 static colours plus those realised.
#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <vector>

#include "backend/backend.h"
#include "gdi/dc.h"
#include "gdi/objects.h"
#include "window/window_internal.h"

using namespace plat;

namespace {

constexpr int SystemPaletteSize = 256;
constexpr int StaticHalf = 10; // static colours at each end of the system palette

// The twenty colours an 8-bit screen always shows, in the order of the default palette: the
// first ten take the lowest slots of the system palette, the last ten the highest.
constexpr std::array<COLORREF, 20> staticColors = {
    RGB(0, 0, 0),       RGB(128, 0, 0),     RGB(0, 128, 0),     RGB(128, 128, 0),
    RGB(0, 0, 128),     RGB(128, 0, 128),   RGB(0, 128, 128),   RGB(192, 192, 192),
    RGB(192, 220, 192), RGB(166, 202, 240), RGB(255, 251, 240), RGB(160, 160, 164),
    RGB(128, 128, 128), RGB(255, 0, 0),     RGB(0, 255, 0),     RGB(255, 255, 0),
    RGB(0, 0, 255),     RGB(255, 0, 255),   RGB(0, 255, 255),   RGB(255, 255, 255)};

// The hardware palette of an 8-bit screen. A slot between the static ends belongs to the
// palette that realised a colour into it; it is free again once that palette is unrealised
// or deleted, and keeps showing its colour until someone overwrites it.
struct SystemPalette {
    std::array<COLORREF, SystemPaletteSize> colour{};
    std::array<HGDIOBJ, SystemPaletteSize> owner{};
    SystemPalette() {
        for (int i = 0; i < StaticHalf; ++i) {
            colour[static_cast<std::size_t>(i)] = staticColors[static_cast<std::size_t>(i)];
            colour[static_cast<std::size_t>(SystemPaletteSize - StaticHalf + i)] =
                staticColors[static_cast<std::size_t>(StaticHalf + i)];
        }
    }
    static bool is_static(int i) { return i < StaticHalf || i >= SystemPaletteSize - StaticHalf; }
    HGDIOBJ owner_of(int i) const {
        const HGDIOBJ o = owner[static_cast<std::size_t>(i)];
        return o && find<PaletteObject>(o) ? o : nullptr;
    }
    bool used(int i) const { return is_static(i) || owner_of(i); }
    COLORREF at(int i) const { return colour[static_cast<std::size_t>(i)]; }
};

// A new screen starts with nothing but its static colours.
SystemPalette& system_palette() {
    static SystemPalette palette;
    static std::uint64_t screen = screen_serial();
    if (screen != screen_serial()) {
        palette = SystemPalette{};
        screen = screen_serial();
    }
    return palette;
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

long distance(COLORREF a, COLORREF b) {
    const long dr = GetRValue(a) - GetRValue(b), dg = GetGValue(a) - GetGValue(b),
               db = GetBValue(a) - GetBValue(b);
    return dr * dr + dg * dg + db * db;
}

COLORREF entry_color(COLORREF c) {
    return c;
}

// Over COLORREFs or palette entries. (No range adaptor here: clang 14 cannot compile
// libstdc++ 12's views, and the fuzz build uses clang.)
template <class Colors> COLORREF nearest(const Colors& colors, COLORREF c) {
    COLORREF best = c;
    long bestDistance = LONG_MAX;
    for (const auto& entry : colors) {
        const COLORREF s = entry_color(entry);
        const long d = distance(s, c);
        if (d < bestDistance) bestDistance = d, best = s;
    }
    return best;
}

// The slot showing the colour nearest to c among those in use.
int nearest_slot(const SystemPalette& sys, COLORREF c) {
    int best = 0;
    long bestDistance = LONG_MAX;
    for (int i = 0; i < SystemPaletteSize; ++i) {
        if (!sys.used(i)) continue;
        const long d = distance(sys.at(i), c);
        if (d < bestDistance) bestDistance = d, best = i;
    }
    return best;
}

std::vector<COLORREF> screen_colors() {
    const SystemPalette& sys = system_palette();
    std::vector<COLORREF> v;
    for (int i = 0; i < SystemPaletteSize; ++i)
        if (sys.used(i)) v.push_back(sys.at(i));
    return v;
}

int find_slot(const SystemPalette& sys, COLORREF c, auto&& accept) {
    for (int i = 0; i < SystemPaletteSize; ++i)
        if (accept(i) && sys.at(i) == c) return i;
    return -1;
}

int free_slot(const SystemPalette& sys) {
    for (int i = StaticHalf; i < SystemPaletteSize - StaticHalf; ++i)
        if (!sys.owner_of(i)) return i;
    return -1;
}

void release_slots(SystemPalette& sys, HGDIOBJ palette) {
    for (HGDIOBJ& o : sys.owner)
        if (o == palette) o = nullptr;
}

// Maps a palette's entries onto the system palette. A foreground palette may take every slot
// between the static colours; a background one only exact matches and the slots still free.
struct Realisation {
    bool systemChanged = false; // a slot took a new colour
    UINT remapped = 0;          // entries now mapped to a different slot
};

Realisation map_palette(HGDIOBJ handle, PaletteObject& p, bool foreground) {
    SystemPalette& sys = system_palette();
    if (foreground)
        for (HGDIOBJ& o : sys.owner)
            if (o != handle) o = nullptr;
    const std::size_t n = p.entries.size();
    std::vector<int> mapping(n, -1);
    auto mine = [&](int i) { return sys.owner_of(i) == handle; };
    auto shown = [&](int i) { return SystemPalette::is_static(i) || mine(i); };
    auto usable = [&](int i) { return sys.used(i); };
    auto leftover = [&](int i) { return !SystemPalette::is_static(i) && !sys.owner_of(i); };
    for (std::size_t k = 0; k < n; ++k) {
        const COLORREF c = entry_color(p.entries[k]);
        int slot = find_slot(sys, c, shown);
        if (slot < 0 && !foreground) slot = find_slot(sys, c, usable);
        mapping[k] = slot;
    }
    // Slots of this palette no entry wants any more are free for the rest.
    for (int i = 0; i < SystemPaletteSize; ++i)
        if (mine(i) && std::ranges::find(mapping, i) == mapping.end())
            sys.owner[static_cast<std::size_t>(i)] = nullptr;
    bool changed = false;
    std::vector<bool> rewritten(n, false);
    for (std::size_t k = 0; k < n; ++k) {
        if (mapping[k] >= 0) continue;
        const COLORREF c = entry_color(p.entries[k]);
        int slot = find_slot(sys, c, leftover);
        if (slot < 0 && (slot = free_slot(sys)) >= 0) {
            sys.colour[static_cast<std::size_t>(slot)] = c;
            changed = rewritten[k] = true;
        }
        if (slot >= 0)
            sys.owner[static_cast<std::size_t>(slot)] = handle;
        else
            slot = nearest_slot(sys, c);
        mapping[k] = slot;
    }
    UINT remapped = 0;
    for (std::size_t k = 0; k < n; ++k)
        remapped += p.mapping.size() != n || p.mapping[k] != mapping[k] || rewritten[k];
    p.mapping = std::move(mapping);
    return {changed, remapped};
}

} // namespace

Pixel plat::resolve_color(const DeviceContext& dc, COLORREF color) {
    COLORREF rgb = color & 0xFFFFFF;
    const bool screen = palette_device() && dc.hwnd;
    if ((color >> 24) == 0x01) {
        const auto& entries = entries_of(dc.palette);
        std::size_t i = color & 0xFFFF;
        if (i >= entries.size()) i = 0;
        // On the screen an index shows what its slot of the system palette holds.
        const PaletteObject* p = find<PaletteObject>(dc.palette);
        if (screen && p && i < p->mapping.size())
            return pixel_from_colorref(system_palette().at(p->mapping[i]));
        rgb = entry_color(entries[i]);
    } else if ((color >> 24) == 0x02 && !palette_device()) {
        rgb = nearest(entries_of(dc.palette), rgb);
    }
    // Bitmaps keep every colour; the screen shows only those of the system palette.
    if (screen) rgb = nearest(screen_colors(), rgb);
    return pixel_from_colorref(rgb);
}

void plat::limit_to_screen_colors(const DeviceContext& dc, Painter& painter, const RECT& logical) {
    if (!palette_device() || !dc.hwnd) return;
    const RECT area = painter.to_surface(logical);
    const std::vector<COLORREF> colors = screen_colors();
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

HPALETTE SelectPalette(HDC hdc, HPALETTE palette, BOOL forceBackground) {
    DeviceContext* dc = dc_of(hdc);
    if (!dc || (palette && !find<PaletteObject>(palette))) return nullptr;
    const HGDIOBJ previous = dc->palette ? dc->palette : GetStockObject(DEFAULT_PALETTE);
    set_selected(*dc, &DeviceContext::palette,
                 palette == GetStockObject(DEFAULT_PALETTE) ? nullptr : palette);
    dc->paletteBackground = forceBackground != FALSE;
    return static_cast<HPALETTE>(previous);
}

UINT RealizePalette(HDC hdc) {
    DeviceContext* dc = dc_of(hdc);
    if (!dc) return GDI_ERROR;
    PaletteObject* p = find<PaletteObject>(dc->palette);
    // On a true-colour screen and in memory contexts realising changes nothing visible.
    if (!palette_device() || !dc->hwnd || !p || p->entries.empty()) return 0;
    // Only the window with the input focus may claim the system palette for its colours.
    HWND top = dc->hwnd;
    while (GetWindowLongPtrA(top, GWL_STYLE) & WS_CHILD)
        top = GetParent(top);
    const bool foreground = !dc->paletteBackground && top && top == GetActiveWindow();
    const HWND source = dc->hwnd;
    const Realisation r = map_palette(dc->palette, *p, foreground);
    if (r.systemChanged && foreground) {
        const std::vector<HWND> windows = top_level_order();
        for (HWND h : windows)
            if (IsWindow(h))
                SendMessageA(h, WM_PALETTECHANGED, reinterpret_cast<WPARAM>(source), 0);
    }
    return r.remapped;
}

BOOL UnrealizeObject(HGDIOBJ object) {
    if (!find_object(object)) return FALSE;
    // A palette is mapped afresh at its next realisation, as if it had never been realised.
    if (PaletteObject* p = find<PaletteObject>(object)) {
        p->mapping.clear();
        release_slots(system_palette(), object);
    }
    return TRUE;
}

UINT SetPaletteEntries(HPALETTE palette, UINT start, UINT count, const PALETTEENTRY* entries) {
    PaletteObject* p = find<PaletteObject>(palette);
    if (!p || !entries || start >= p->entries.size()) return 0;
    const UINT n = std::min<UINT>(count, static_cast<UINT>(p->entries.size()) - start);
    std::copy_n(entries, n, p->entries.begin() + start);
    return n;
}

BOOL ResizePalette(HPALETTE palette, UINT entries) {
    PaletteObject* p = find<PaletteObject>(palette);
    if (!p || entries == 0 || palette == GetStockObject(DEFAULT_PALETTE)) return FALSE;
    // Added entries are black; the palette is mapped afresh at its next realisation.
    p->entries.resize(entries, PALETTEENTRY{0, 0, 0, 0});
    p->mapping.clear();
    return TRUE;
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
