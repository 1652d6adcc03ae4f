// Device-context state: memory contexts, selected objects, colours, modes, device caps.
#include "backend/backend.h"
#include "gdi/dc.h"
#include "gdi/objects.h"

using namespace plat;

HDC CreateCompatibleDC(HDC) {
    return create_memory_dc();
}

BOOL DeleteDC(HDC hdc) {
    DeviceContext* dc = dc_of(hdc);
    if (!dc || !dc->memory) return FALSE;
    // The default bitmap belongs to the context; selected ones belong to the caller.
    const HGDIOBJ own = dc->ownBitmap;
    release_dc(hdc);
    remove_object(own);
    return TRUE;
}

HBITMAP CreateCompatibleBitmap(HDC hdc, int width, int height) {
    DeviceContext* dc = dc_of(hdc);
    // A memory context holding a monochrome bitmap makes monochrome bitmaps, as on the platform.
    const bool mono = dc && dc->memory && find<BitmapObject>(dc->bitmap) &&
                      find<BitmapObject>(dc->bitmap)->monochrome;
    return CreateBitmap(width, height, 1, mono ? 1 : 32, nullptr);
}

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ object) {
    DeviceContext* dc = dc_of(hdc);
    GdiObject* o = find_object(object);
    if (!dc || !o) return nullptr;
    HGDIOBJ previous = nullptr;
    if (std::holds_alternative<PenObject>(*o)) {
        previous = dc->pen ? dc->pen : GetStockObject(BLACK_PEN);
        set_selected(*dc, &DeviceContext::pen, object);
    } else if (std::holds_alternative<BrushObject>(*o)) {
        previous = dc->brush ? dc->brush : GetStockObject(WHITE_BRUSH);
        set_selected(*dc, &DeviceContext::brush, object);
    } else if (std::holds_alternative<FontObject>(*o)) {
        previous = dc->font ? dc->font : GetStockObject(SYSTEM_FONT);
        set_selected(*dc, &DeviceContext::font, object);
    } else if (auto* b = std::get_if<BitmapObject>(o)) {
        if (!dc->memory) return nullptr; // only memory contexts take bitmaps
        previous = dc->bitmap;
        set_selected(*dc, &DeviceContext::bitmap, object);
        dc->surface = &b->pixels;
    }
    return previous;
}

namespace {

// The context setters: a valid value replaces the field and the old one comes back; a bad
// context or value changes nothing and gives the failure value.
template <class T>
T exchange(HDC hdc, T DeviceContext::*field, T value, T failure, bool valid = true) {
    DeviceContext* dc = dc_of(hdc);
    if (!dc || !valid) return failure;
    const T old = dc->*field;
    dc->*field = value;
    return old;
}

} // namespace

COLORREF SetTextColor(HDC hdc, COLORREF color) {
    return exchange(hdc, &DeviceContext::textColor, color, CLR_INVALID);
}

COLORREF SetBkColor(HDC hdc, COLORREF color) {
    return exchange(hdc, &DeviceContext::bkColor, color, CLR_INVALID);
}

int SetBkMode(HDC hdc, int mode) {
    return exchange(hdc, &DeviceContext::bkMode, mode, 0, mode == TRANSPARENT || mode == OPAQUE);
}

UINT SetTextAlign(HDC hdc, UINT align) {
    return exchange(hdc, &DeviceContext::textAlign, align, 0xFFFFFFFFu);
}

int SetROP2(HDC hdc, int mode) {
    return exchange(hdc, &DeviceContext::rop2, mode, 0, mode >= R2_BLACK && mode <= R2_WHITE);
}

int SetPolyFillMode(HDC hdc, int mode) {
    return exchange(hdc, &DeviceContext::polyFillMode, mode, 0,
                    mode == ALTERNATE || mode == WINDING);
}

int GetPolyFillMode(HDC hdc) {
    const DeviceContext* dc = dc_of(hdc);
    return dc ? dc->polyFillMode : 0;
}

int GetDeviceCaps(HDC hdc, int index) {
    DeviceContext* dc = dc_of(hdc);
    const SIZE screen = backend().screen_size();
    const int bits = backend().bits_per_pixel();
    switch (index) {
    case HORZRES:
        return screen.cx;
    case VERTRES:
        return screen.cy;
    case BITSPIXEL:
        if (dc && dc->memory && find<BitmapObject>(dc->bitmap) &&
            find<BitmapObject>(dc->bitmap)->monochrome)
            return 1;
        return bits;
    case PLANES:
        return 1;
    case NUMCOLORS:
        return bits <= 8 ? 1 << bits : -1;
    case SIZEPALETTE:
        return bits == 8 ? 256 : 0;
    case RASTERCAPS:
        return bits == 8 ? RC_PALETTE : 0;
    default:
        return 0;
    }
}
