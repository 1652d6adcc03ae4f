// Queries of a device context's selected objects, modes and clip region.
#include "gdi/dc.h"
#include "gdi/objects.h"

using namespace plat;

HGDIOBJ GetCurrentObject(HDC hdc, UINT type) {
    const DeviceContext* dc = dc_of(hdc);
    if (!dc) return nullptr;
    switch (type) {
    case OBJ_PEN:
        return dc->pen ? dc->pen : GetStockObject(BLACK_PEN);
    case OBJ_BRUSH:
        return dc->brush ? dc->brush : GetStockObject(WHITE_BRUSH);
    case OBJ_FONT:
        return dc->font ? dc->font : GetStockObject(SYSTEM_FONT);
    case OBJ_PAL:
        return dc->palette ? dc->palette : GetStockObject(DEFAULT_PALETTE);
    case OBJ_BITMAP:
        return dc->bitmap;
    default:
        return nullptr;
    }
}

int GetROP2(HDC hdc) {
    const DeviceContext* dc = dc_of(hdc);
    return dc ? dc->rop2 : 0;
}

int GetBkMode(HDC hdc) {
    const DeviceContext* dc = dc_of(hdc);
    return dc ? dc->bkMode : 0;
}

int GetClipRgn(HDC hdc, HRGN region) {
    const DeviceContext* dc = dc_of(hdc);
    RegionObject* target = find<RegionObject>(region);
    if (!dc || !target) return -1;
    if (!dc->userClip) return 0;
    target->rects = *dc->userClip;
    return 1;
}
