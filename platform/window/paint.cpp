// Update regions, WM_PAINT and the window device contexts.
#include <algorithm>

#include "backend/backend.h"
#include "gdi/brushes.h"
#include "gdi/dc.h"
#include "gdi/painter.h"
#include "window/window_internal.h"
#include "window/window_table.h"

namespace plat {
namespace {

RECT client_area(const Window& w) {
    return {0, 0, w.client.right - w.client.left, w.client.bottom - w.client.top};
}

void invalidate(HWND hwnd, const RECT* rect, bool erase) {
    Window* w = lookup(hwnd);
    // Nothing of an icon's client area or children is on screen to paint.
    if (!w || iconic_or_under_iconic(hwnd)) return;
    const RECT area = client_area(*w);
    RECT r = area;
    if (rect) IntersectRect(&r, rect, &area);
    if (IsRectEmpty(&r)) return;
    if (w->updatePending)
        UnionRect(&w->update, &w->update, &r);
    else
        w->update = r;
    w->updatePending = true;
    w->erasePending |= erase;
}

void validate(HWND hwnd, const RECT* rect) {
    Window* w = lookup(hwnd);
    if (!w || !w->updatePending) return;
    // With rectangular update regions, only a rectangle covering the whole region clears it.
    if (rect) {
        RECT u;
        UnionRect(&u, rect, &w->update);
        if (!EqualRect(&u, rect)) return;
    }
    w->updatePending = false;
    w->erasePending = false;
    w->update = {};
}

template <class F> void for_tree(HWND hwnd, F&& f) {
    f(hwnd);
    if (const Window* w = lookup(hwnd)) {
        const std::vector<HWND> children = w->children;
        for (HWND c : children)
            for_tree(c, f);
    }
}

} // namespace
} // namespace plat

using namespace plat;

BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase) {
    if (!hwnd) {
        for (HWND h : top_level_order())
            RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        return TRUE;
    }
    if (!lookup(hwnd)) return FALSE;
    invalidate(hwnd, rect, erase != FALSE);
    // Children without their own clipping are covered by what their parent repaints.
    if (!(lookup(hwnd)->style & WS_CLIPCHILDREN)) {
        const RECT base = screen_client_rect(hwnd);
        for (HWND child : lookup(hwnd)->children) {
            if (!IsWindowVisible(child)) continue;
            RECT area = rect ? *rect : RECT{0, 0, base.right - base.left, base.bottom - base.top};
            const RECT cr = screen_client_rect(child);
            OffsetRect(&area, base.left - cr.left, base.top - cr.top);
            InvalidateRect(child, &area, erase);
        }
    }
    return TRUE;
}

BOOL ValidateRect(HWND hwnd, const RECT* rect) {
    if (!lookup(hwnd)) return FALSE;
    validate(hwnd, rect);
    return TRUE;
}

BOOL GetUpdateRect(HWND hwnd, RECT* rect, BOOL erase) {
    Window* w = lookup(hwnd);
    if (!w) return FALSE;
    if (!w->updatePending) {
        if (rect) SetRectEmpty(rect);
        return FALSE;
    }
    if (rect) *rect = w->update;
    if (erase && w->erasePending) {
        w->erasePending = false;
        HDC hdc = create_window_dc(hwnd, false, &w->update);
        SendMessageA(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(hdc), 0);
        release_dc(hdc);
    }
    return TRUE;
}

BOOL UpdateWindow(HWND hwnd) {
    const Window* w = lookup(hwnd);
    if (!w) return FALSE;
    if (w->updatePending && IsWindowVisible(hwnd)) SendMessageA(hwnd, WM_PAINT, 0, 0);
    if ((w = lookup(hwnd))) {
        const std::vector<HWND> children = w->children;
        for (HWND c : children)
            UpdateWindow(c);
    }
    return TRUE;
}

BOOL RedrawWindow(HWND hwnd, const RECT* rect, HRGN, UINT flags) {
    if (!lookup(hwnd)) return FALSE;
    auto apply = [&](HWND h) {
        const RECT* r = h == hwnd ? rect : nullptr;
        if (flags & RDW_INVALIDATE) invalidate(h, r, (flags & RDW_ERASE) != 0);
        if (flags & RDW_VALIDATE) validate(h, r);
        if ((flags & RDW_FRAME) && (flags & RDW_INVALIDATE) && IsWindowVisible(h))
            SendMessageA(h, WM_NCPAINT, 1, 0);
    };
    if (flags & RDW_ALLCHILDREN)
        for_tree(hwnd, apply);
    else
        apply(hwnd);
    if (flags & RDW_UPDATENOW) UpdateWindow(hwnd);
    return TRUE;
}

HDC BeginPaint(HWND hwnd, PAINTSTRUCT* paint) {
    Window* w = lookup(hwnd);
    if (!w || !paint) return nullptr;
    *paint = PAINTSTRUCT{};
    // A frame left for later (a child's, when its parent was shown or sized) comes first.
    if (w->framePending) {
        w->framePending = false;
        SendMessageA(hwnd, WM_NCPAINT, 1, 0);
        if (!(w = lookup(hwnd))) return nullptr;
    }
    const RECT update = w->updatePending ? w->update : RECT{};
    const bool erase = w->erasePending;
    validate(hwnd, nullptr);
    HDC hdc = create_window_dc(hwnd, false, &update);
    if (DeviceContext* dc = dc_of(hdc)) dc->paintDC = true;
    paint->hdc = hdc;
    paint->rcPaint = update;
    // fErase tells the caller the background still needs erasing.
    if (erase)
        paint->fErase = SendMessageA(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(hdc), 0) == 0;
    return hdc;
}

// The pixels reach the screen at the next wait, with everything else drawn by then.
BOOL EndPaint(HWND, const PAINTSTRUCT* paint) {
    if (!paint) return FALSE;
    release_dc(paint->hdc);
    return TRUE;
}

HDC GetDC(HWND hwnd) {
    return hwnd ? create_window_dc(hwnd, false, nullptr) : create_screen_dc();
}
HDC GetWindowDC(HWND hwnd) {
    return create_window_dc(hwnd, true, nullptr);
}

int ReleaseDC(HWND, HDC hdc) {
    if (!dc_of(hdc)) return 0;
    release_dc(hdc);
    return 1;
}
