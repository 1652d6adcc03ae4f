// Placement of windows: normal, minimised and maximised positions, arranging icons, mapping
// points between windows.
#include <algorithm>

#include "window/window_internal.h"
#include "window/window_table.h"

namespace plat {
RECT& normal_rect(HWND hwnd);
} // namespace plat

using namespace plat;

BOOL IsIconic(HWND hwnd) {
    const Window* w = lookup(hwnd);
    return w && (w->style & WS_MINIMIZE);
}

BOOL IsZoomed(HWND hwnd) {
    const Window* w = lookup(hwnd);
    return w && (w->style & WS_MAXIMIZE);
}

BOOL GetWindowPlacement(HWND hwnd, WINDOWPLACEMENT* p) {
    const Window* w = lookup(hwnd);
    if (!w || !p) return FALSE;
    p->length = sizeof *p;
    p->flags = 0;
    p->showCmd = !(w->style & WS_VISIBLE)   ? SW_HIDE
                 : (w->style & WS_MINIMIZE) ? SW_SHOWMINIMIZED
                 : (w->style & WS_MAXIMIZE) ? SW_SHOWMAXIMIZED
                                            : SW_SHOWNORMAL;
    const bool normal = !(w->style & (WS_MINIMIZE | WS_MAXIMIZE));
    p->rcNormalPosition = normal ? w->rect : normal_rect(hwnd);
    p->ptMinPosition = (w->style & WS_MINIMIZE) ? POINT{w->rect.left, w->rect.top} : POINT{-1, -1};
    p->ptMaxPosition = (w->style & WS_MAXIMIZE) ? POINT{w->rect.left, w->rect.top} : POINT{-1, -1};
    return TRUE;
}

BOOL SetWindowPlacement(HWND hwnd, const WINDOWPLACEMENT* p) {
    Window* w = lookup(hwnd);
    if (!w || !p) return FALSE;
    const RECT& r = p->rcNormalPosition;
    if (w->style & (WS_MINIMIZE | WS_MAXIMIZE))
        normal_rect(hwnd) = r;
    else
        SetWindowPos(hwnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    if (lookup(hwnd)) ShowWindow(hwnd, static_cast<int>(p->showCmd));
    return TRUE;
}

BOOL BringWindowToTop(HWND hwnd) {
    if (!lookup(hwnd)) return FALSE;
    return SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

UINT ArrangeIconicWindows(HWND parent) {
    const Window* p = lookup(parent);
    if (!p) return 0;
    RECT client;
    GetClientRect(parent, &client);
    UINT arranged = 0;
    int left = 0;
    const std::vector<HWND> children = p->children;
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        const Window* c = lookup(*it);
        if (!c || !(c->style & WS_MINIMIZE)) continue;
        const int width = c->rect.right - c->rect.left, height = c->rect.bottom - c->rect.top;
        SetWindowPos(*it, nullptr, left, client.bottom - height, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        left += width;
        ++arranged;
    }
    return arranged ? static_cast<UINT>(client.bottom - client.top) : 0;
}

int MapWindowPoints(HWND from, HWND to, POINT* points, UINT count) {
    if ((from && !lookup(from)) || (to && !lookup(to)) || (!points && count)) return 0;
    const RECT a = from ? screen_client_rect(from) : RECT{};
    const RECT b = to ? screen_client_rect(to) : RECT{};
    const int dx = a.left - b.left, dy = a.top - b.top;
    for (UINT i = 0; i < count; ++i) {
        points[i].x += dx;
        points[i].y += dy;
    }
    return MAKELONG(static_cast<WORD>(dx), static_cast<WORD>(dy));
}

HWND ChildWindowFromPoint(HWND parent, POINT point) {
    const Window* p = lookup(parent);
    if (!p) return nullptr;
    RECT client;
    GetClientRect(parent, &client);
    if (!PtInRect(&client, point)) return nullptr;
    // Hidden and disabled children count too, as on the original platform.
    const RECT origin = screen_client_rect(parent);
    for (HWND child : p->children) {
        RECT r = screen_rect(child);
        OffsetRect(&r, -origin.left, -origin.top);
        if (PtInRect(&r, point)) return child;
    }
    return parent;
}
