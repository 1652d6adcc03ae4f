// Region objects, clip regions of device contexts, and scrolling the pixels of a context.
#include "gdi/dc.h"
#include "gdi/objects.h"
#include "gdi/region.h"
#include "gdi/rop3.h"

using namespace plat;

namespace {

int complexity(const RectList& r) {
    return r.empty() ? NULLREGION : r.size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

RECT bounds_of(const DeviceContext& dc) {
    if (dc.memory) return dc.surface ? RECT{0, 0, dc.surface->width, dc.surface->height} : RECT{};
    RECT box = region_box(dc.visible);
    OffsetRect(&box, -dc.origin.x, -dc.origin.y);
    return box;
}

} // namespace

HRGN CreateRectRgn(int left, int top, int right, int bottom) {
    RegionObject r;
    const RECT rect{std::min(left, right), std::min(top, bottom), std::max(left, right),
                    std::max(top, bottom)};
    if (!IsRectEmpty(&rect)) r.rects.push_back(rect);
    return static_cast<HRGN>(add_object(std::move(r)));
}

int CombineRgn(HRGN dst, HRGN a, HRGN b, int mode) {
    RegionObject* d = find<RegionObject>(dst);
    const RegionObject* x = find<RegionObject>(a);
    const RegionObject* y = find<RegionObject>(b);
    if (!d || !x || (mode != RGN_COPY && !y)) return ERROR;
    switch (mode) {
    case RGN_AND:
        d->rects = region_and(x->rects, y->rects);
        break;
    case RGN_OR:
        d->rects = region_or(x->rects, y->rects);
        break;
    case RGN_XOR:
        d->rects = region_xor(x->rects, y->rects);
        break;
    case RGN_DIFF:
        d->rects = region_diff(x->rects, y->rects);
        break;
    case RGN_COPY:
        d->rects = x->rects;
        break;
    default:
        return ERROR;
    }
    return complexity(d->rects);
}

int GetRgnBox(HRGN region, RECT* box) {
    const RegionObject* r = find<RegionObject>(region);
    if (!r || !box) return ERROR;
    *box = region_box(r->rects);
    return complexity(r->rects);
}

BOOL PtInRegion(HRGN region, int x, int y) {
    const RegionObject* r = find<RegionObject>(region);
    if (!r) return FALSE;
    for (const RECT& rect : r->rects)
        if (PtInRect(&rect, {x, y})) return TRUE;
    return FALSE;
}

int SelectClipRgn(HDC hdc, HRGN region) {
    DeviceContext* dc = dc_of(hdc);
    if (!dc) return ERROR;
    if (!region) {
        dc->userClip.reset();
        apply_user_clip(*dc);
        return dc->clip.empty() && !dc->memory ? NULLREGION : SIMPLEREGION;
    }
    const RegionObject* r = find<RegionObject>(region);
    if (!r) return ERROR;
    // Kept in logical coordinates, so that the clip follows the window when it moves.
    dc->userClip = r->rects;
    apply_user_clip(*dc);
    return complexity(dc->clip);
}

BOOL ScrollDC(HDC hdc, int dx, int dy, const RECT* scroll, const RECT* clip, HRGN update,
              RECT* updateRect) {
    DeviceContext* dc = dc_of(hdc);
    if (!dc || !dc->surface) return FALSE;
    const RECT area = scroll ? *scroll : bounds_of(*dc);
    RECT limit = area;
    if (clip) IntersectRect(&limit, &limit, clip);
    RECT moved = area;
    OffsetRect(&moved, dx, dy);
    RECT covered;
    IntersectRect(&covered, &moved, &limit);

    RECT surfaceArea = area, surfaceLimit = limit;
    OffsetRect(&surfaceArea, dc->origin.x, dc->origin.y);
    OffsetRect(&surfaceLimit, dc->origin.x, dc->origin.y);
    const RECT written = scroll_rect(*dc->surface, surfaceArea, dx, dy, &surfaceLimit);
    if (dc->hwnd && dc->damage) dc->damage->add(written);

    // What the scroll uncovered: inside the limit but not reached by the moved pixels.
    RectList uncovered{limit};
    if (IsRectEmpty(&limit)) uncovered.clear();
    subtract_rect(uncovered, covered);
    if (updateRect) *updateRect = region_box(uncovered);
    if (RegionObject* r = find<RegionObject>(update)) r->rects = uncovered;
    return TRUE;
}

BOOL FillRgn(HDC hdc, HRGN region, HBRUSH brush) {
    const RegionObject* r = find<RegionObject>(region);
    if (!r || !dc_of(hdc) || !brush) return FALSE;
    for (const RECT& part : r->rects)
        FillRect(hdc, &part, brush);
    return TRUE;
}
