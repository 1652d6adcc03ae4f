// Bitmaps and icons from the program's resources, and drawing icons.
#include <deque>

#include "gdi/bitmap_dib.h"
#include "gdi/dc.h"
#include "gdi/objects.h"

using namespace plat;

namespace {

constexpr int DefaultIconSize = 32;

struct IconSlot {
    bool live = false;
    IconImage image;
};

std::deque<IconSlot>& icons() {
    static std::deque<IconSlot> list;
    return list;
}

IconSlot* icon_of(HICON h) {
    const auto v = reinterpret_cast<std::uintptr_t>(h);
    if (v == 0 || v > icons().size()) return nullptr;
    IconSlot& s = icons()[v - 1];
    return s.live ? &s : nullptr;
}

// LR_LOADMAP3DCOLORS: the classic greys of a bitmap take the current 3D colours.
void map_3d_colors(Surface& s) {
    const struct {
        Pixel from;
        int to;
    } map[] = {{0x808080, COLOR_BTNSHADOW}, {0xC0C0C0, COLOR_BTNFACE}, {0xDFDFDF, COLOR_3DLIGHT}};
    for (Pixel& p : s.pixels)
        for (const auto& m : map)
            if (p == m.from) {
                p = pixel_from_colorref(GetSysColor(m.to));
                break;
            }
}

// LR_LOADTRANSPARENT: the colour of the first pixel becomes the window colour.
void make_transparent(Surface& s) {
    if (s.pixels.empty()) return;
    const Pixel key = s.pixels[0];
    const Pixel window = pixel_from_colorref(GetSysColor(COLOR_WINDOW));
    for (Pixel& p : s.pixels)
        if (p == key) p = window;
}

HBITMAP load_bitmap(HINSTANCE instance, LPCSTR name, UINT flags) {
    const auto bytes = resource_bytes(instance, name, RT_BITMAP);
    if (!bytes) return nullptr;
    auto dib = decode_dib(*bytes);
    if (!dib) return nullptr;
    if (flags & LR_LOADMAP3DCOLORS) map_3d_colors(dib->image);
    if (flags & LR_LOADTRANSPARENT) make_transparent(dib->image);
    const bool mono =
        dib->bits_per_pixel == 1 && !(flags & (LR_LOADMAP3DCOLORS | LR_LOADTRANSPARENT));
    return static_cast<HBITMAP>(add_object(BitmapObject{std::move(dib->image), mono}));
}

HICON load_icon(HINSTANCE instance, LPCSTR name, int cx, int cy) {
    const auto groupBytes = resource_bytes(instance, name, RT_GROUP_ICON);
    if (!groupBytes) return nullptr;
    const auto group = decode_icon_group(*groupBytes);
    if (!group) return nullptr;
    const auto entry = best_icon(*group, cx, cy, false);
    if (!entry) return nullptr;
    const auto bytes = resource_bytes(instance, MAKEINTRESOURCEA(entry->id), RT_ICON);
    if (!bytes) return nullptr;
    auto image = decode_icon_image(*bytes);
    if (!image) return nullptr;
    icons().push_back({true, std::move(*image)});
    return reinterpret_cast<HICON>(static_cast<std::uintptr_t>(icons().size()));
}

// RT_CURSOR data is the hotspot (two WORDs) followed by an icon image.
HCURSOR load_cursor(HINSTANCE instance, LPCSTR name, int cx, int cy) {
    const auto groupBytes = resource_bytes(instance, name, RT_GROUP_CURSOR);
    if (!groupBytes) return nullptr;
    const auto group = decode_icon_group(*groupBytes);
    if (!group) return nullptr;
    const auto entry = best_icon(*group, cx, cy, false);
    if (!entry) return nullptr;
    const auto bytes = resource_bytes(instance, MAKEINTRESOURCEA(entry->id), RT_CURSOR);
    if (!bytes || bytes->size() < 4) return nullptr;
    auto image = decode_icon_image(bytes->subspan(4));
    if (!image) return nullptr;
    const auto b = [&](std::size_t i) { return std::to_integer<LONG>((*bytes)[i]); };
    image->hotspot = {b(0) | b(1) << 8, b(2) | b(3) << 8};
    icons().push_back({true, std::move(*image)});
    return reinterpret_cast<HCURSOR>(static_cast<std::uintptr_t>(icons().size()));
}

} // namespace

const IconImage* plat::icon_image(HICON icon) {
    const IconSlot* s = icon_of(icon);
    return s ? &s->image : nullptr;
}

HBITMAP LoadBitmapA(HINSTANCE instance, LPCSTR name) {
    return load_bitmap(instance, name, 0);
}

HANDLE LoadImageA(HINSTANCE instance, LPCSTR name, UINT type, int cx, int cy, UINT flags) {
    switch (type) {
    case IMAGE_BITMAP:
        return load_bitmap(instance, name, flags);
    case IMAGE_ICON:
        if (cx == 0 || (flags & LR_DEFAULTSIZE)) cx = DefaultIconSize;
        if (cy == 0 || (flags & LR_DEFAULTSIZE)) cy = DefaultIconSize;
        return load_icon(instance, name, cx, cy);
    case IMAGE_CURSOR:
        if (cx == 0 || (flags & LR_DEFAULTSIZE)) cx = DefaultIconSize;
        if (cy == 0 || (flags & LR_DEFAULTSIZE)) cy = DefaultIconSize;
        return load_cursor(instance, name, cx, cy);
    default:
        return nullptr;
    }
}

HICON LoadIconA(HINSTANCE instance, LPCSTR name) {
    return load_icon(instance, name, DefaultIconSize, DefaultIconSize);
}

BOOL DrawIcon(HDC hdc, int x, int y, HICON icon) {
    DeviceContext* dc = dc_of(hdc);
    const IconSlot* s = icon_of(icon);
    if (!dc || !s) return FALSE;
    auto p = painter_for(*dc);
    if (!p) return TRUE;
    // Where the mask is white the background stays; elsewhere the icon's colour shows.
    const Surface& image = s->image.image;
    const Surface& mask = s->image.mask;
    for (int iy = 0; iy < image.height; ++iy)
        for (int ix = 0; ix < image.width; ++ix)
            if (!mask.contains(ix, iy) || mask.at(ix, iy) != 0xFFFFFF)
                p->set_pixel(x + ix, y + iy, image.at(ix, iy));
    return TRUE;
}

BOOL DestroyIcon(HICON icon) {
    IconSlot* s = icon_of(icon);
    if (!s) return FALSE;
    *s = IconSlot{};
    return TRUE;
}
