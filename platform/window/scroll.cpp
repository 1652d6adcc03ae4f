// Scrolling a window's client area: pixels move, the uncovered band is reported and repainted.
#include "gdi/objects.h"
#include "gdi/region.h"
#include "window/window_table.h"

using namespace plat;

int ScrollWindowEx(HWND hwnd, int dx, int dy, const RECT* scroll, const RECT* clip, HRGN update,
                   RECT* updateRect, UINT flags) {
    Window* w = lookup(hwnd);
    if (!w) return ERROR;
    // Invalid parts of the scrolled area move with the pixels: what was waiting to be painted
    // is still waiting, at its new place.
    if (w->updatePending) {
        RECT area;
        if (scroll)
            area = *scroll;
        else
            GetClientRect(hwnd, &area);
        RECT moving;
        if (IntersectRect(&moving, &w->update, &area)) {
            OffsetRect(&moving, dx, dy);
            if (clip) IntersectRect(&moving, &moving, clip);
            InvalidateRect(hwnd, &moving, FALSE);
        }
    }
    HDC hdc = GetDC(hwnd);
    HRGN uncovered = CreateRectRgn(0, 0, 0, 0);
    RECT box{};
    ScrollDC(hdc, dx, dy, scroll, clip, uncovered, &box);
    ReleaseDC(hwnd, hdc);
    const RegionObject* band = find<RegionObject>(uncovered);
    const RectList rects = band ? band->rects : RectList{};
    if (flags & SW_INVALIDATE)
        for (const RECT& r : rects)
            InvalidateRect(hwnd, &r, (flags & SW_ERASE) != 0);
    if (flags & SW_SCROLLCHILDREN)
        if ((w = lookup(hwnd))) {
            const std::vector<HWND> children = w->children;
            for (HWND c : children) {
                RECT r;
                GetWindowRect(c, &r);
                MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&r), 2);
                SetWindowPos(c, nullptr, r.left + dx, r.top + dy, 0, 0,
                             SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
            }
        }
    if (updateRect) *updateRect = box;
    if (RegionObject* out = find<RegionObject>(update)) out->rects = rects;
    DeleteObject(uncovered);
    return rects.empty() ? NULLREGION : rects.size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}
