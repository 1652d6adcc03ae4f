// Window geometry: rectangles, coordinates, SetWindowPos, ShowWindow and the min/max states.
#include <algorithm>

#include "backend/backend.h"
#include "window/nonclient.h"
#include "window/window_internal.h"
#include "window/window_table.h"

namespace plat {
namespace {

constexpr UINT SwpNoClientSize = 0x0800; // flags the platform adds to WM_WINDOWPOSCHANGED
constexpr UINT SwpNoClientMove = 0x1000;
constexpr int MinimizedWidth = 160;
constexpr int MinimizedHeight = CaptionHeight + 2 * ThickFrame;
constexpr int OffScreen = -32000; // where minimised top-level windows are parked

bool same_size(const RECT& a, const RECT& b) {
    return a.right - a.left == b.right - b.left && a.bottom - a.top == b.bottom - b.top;
}
bool same_origin(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top;
}

POINT client_origin(HWND hwnd) {
    const RECT r = screen_client_rect(hwnd);
    return {r.left, r.top};
}

// Returns whether the window changed its place among its siblings.
bool restack(HWND hwnd, Window& w, HWND after) {
    Window* p = lookup(w.parent);
    std::vector<HWND>& list = p ? p->children : top_level_order();
    const auto old = std::find(list.begin(), list.end(), hwnd);
    const std::ptrdiff_t oldIndex = old - list.begin();
    std::erase(list, hwnd);
    auto pos = list.begin();
    if (after == HWND_BOTTOM)
        pos = list.end();
    else if (after != HWND_TOP && after != HWND_TOPMOST && after != HWND_NOTOPMOST) {
        const auto it = std::find(list.begin(), list.end(), after);
        pos = it == list.end() ? list.begin() : it + 1;
    }
    if (after == HWND_TOPMOST) w.exStyle |= WS_EX_TOPMOST;
    if (after == HWND_NOTOPMOST) w.exStyle &= ~WS_EX_TOPMOST;
    // Topmost windows stay above the others whatever the request.
    if (!p && !(w.exStyle & WS_EX_TOPMOST))
        while (pos != list.end() && lookup(*pos) && (lookup(*pos)->exStyle & WS_EX_TOPMOST))
            ++pos;
    const std::ptrdiff_t newIndex = pos - list.begin();
    list.insert(pos, hwnd);
    return newIndex != oldIndex;
}

// Minimised children line up along the bottom of their parent's client area.
RECT minimized_slot(HWND hwnd, const Window& w) {
    if (!(w.style & WS_CHILD))
        return {OffScreen, OffScreen, OffScreen + MinimizedWidth, OffScreen + MinimizedHeight};
    RECT parent{};
    GetClientRect(w.parent, &parent);
    int index = 0;
    if (const Window* p = lookup(w.parent))
        for (auto it = p->children.rbegin(); it != p->children.rend(); ++it) {
            if (*it == hwnd) break;
            if (const Window* c = lookup(*it); c && (c->style & WS_MINIMIZE)) ++index;
        }
    const int left = index * MinimizedWidth;
    return {left, parent.bottom - MinimizedHeight, left + MinimizedWidth, parent.bottom};
}

RECT maximized_rect(const Window& w) {
    if (w.style & WS_CHILD) {
        RECT parent{};
        GetClientRect(w.parent, &parent);
        RECT r = parent;
        AdjustWindowRectEx(&r, w.style, FALSE, w.exStyle);
        return r;
    }
    const SIZE s = backend().screen_size();
    return {0, 0, s.cx, s.cy};
}

} // namespace

std::vector<HWND>& top_level_order() {
    static std::vector<HWND> order;
    return order;
}

Surface& surface_of(HWND hwnd) {
    static Surface none;
    Window* w = lookup(hwnd);
    while (w && (w->style & WS_CHILD))
        w = lookup(w->parent);
    return w ? w->surface : none;
}

RECT screen_rect(HWND hwnd) {
    const Window* w = lookup(hwnd);
    if (!w) return {};
    RECT r = w->rect;
    if (w->style & WS_CHILD) {
        const RECT p = screen_client_rect(w->parent);
        OffsetRect(&r, p.left, p.top);
    }
    return r;
}

RECT screen_client_rect(HWND hwnd) {
    const Window* w = lookup(hwnd);
    if (!w) return {};
    RECT r = w->client;
    if (w->style & WS_CHILD) {
        const RECT p = screen_client_rect(w->parent);
        OffsetRect(&r, p.left, p.top);
    }
    return r;
}

void send_size_and_move(HWND hwnd) {
    Window* w = lookup(hwnd);
    if (!w) return;
    w->needSize = false;
    const WPARAM kind = (w->style & WS_MINIMIZE)   ? SIZE_MINIMIZED
                        : (w->style & WS_MAXIMIZE) ? SIZE_MAXIMIZED
                                                   : SIZE_RESTORED;
    const RECT c = w->client;
    // A minimised window reports an empty client area, as on the original platform.
    const LPARAM size = kind == SIZE_MINIMIZED ? 0
                                               : MAKELPARAM(static_cast<WORD>(c.right - c.left),
                                                            static_cast<WORD>(c.bottom - c.top));
    SendMessageA(hwnd, WM_SIZE, kind, size);
    SendMessageA(hwnd, WM_MOVE, 0, MAKELPARAM(static_cast<WORD>(c.left), static_cast<WORD>(c.top)));
}

// The placement a restore returns to, kept while minimised or maximised.
RECT& normal_rect(HWND hwnd) {
    static RECT none;
    Window* w = lookup(hwnd);
    return w ? w->normalRect : none;
}

} // namespace plat

using namespace plat;

BOOL GetWindowRect(HWND hwnd, RECT* rect) {
    if (!rect || !lookup(hwnd)) return FALSE;
    *rect = screen_rect(hwnd);
    return TRUE;
}

BOOL GetClientRect(HWND hwnd, RECT* rect) {
    const Window* w = lookup(hwnd);
    if (!rect || !w) return FALSE;
    *rect = {0, 0, w->client.right - w->client.left, w->client.bottom - w->client.top};
    return TRUE;
}

BOOL ClientToScreen(HWND hwnd, POINT* point) {
    if (!point || !lookup(hwnd)) return FALSE;
    const POINT o = client_origin(hwnd);
    point->x += o.x;
    point->y += o.y;
    return TRUE;
}

BOOL ScreenToClient(HWND hwnd, POINT* point) {
    if (!point || !lookup(hwnd)) return FALSE;
    const POINT o = client_origin(hwnd);
    point->x -= o.x;
    point->y -= o.y;
    return TRUE;
}

BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
    Window* w = lookup(hwnd);
    if (!w) return FALSE;
    if (w->style & WS_VISIBLE)
        flags &= ~SWP_SHOWWINDOW;
    else
        flags &= ~SWP_HIDEWINDOW;
    WINDOWPOS pos{hwnd, insertAfter, x, y, cx, cy, flags & ~(SwpNoClientSize | SwpNoClientMove)};
    if (flags & SWP_NOMOVE) pos.x = w->rect.left, pos.y = w->rect.top;
    if (flags & SWP_NOSIZE)
        pos.cx = w->rect.right - w->rect.left, pos.cy = w->rect.bottom - w->rect.top;
    SendMessageA(hwnd, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
    if (!(w = lookup(hwnd))) return FALSE;

    const RECT oldClient = w->client;
    const RECT oldRect = w->rect;
    const RECT newRect{pos.x, pos.y, pos.x + std::max(pos.cx, 0), pos.y + std::max(pos.cy, 0)};
    const bool resized = !same_size(newRect, w->rect);
    w->rect = newRect;
    if (resized || !same_origin(newRect, oldClient) || (pos.flags & SWP_FRAMECHANGED)) {
        NCCALCSIZE_PARAMS params{{newRect, w->rect, oldClient}, &pos};
        if (resized || (pos.flags & SWP_FRAMECHANGED))
            SendMessageA(hwnd, WM_NCCALCSIZE, TRUE, reinterpret_cast<LPARAM>(&params));
        else
            params.rgrc[0] = client_from_window(newRect, w->style, w->exStyle, w->menu != nullptr);
        if (!(w = lookup(hwnd))) return FALSE;
        w->client = params.rgrc[0];
    }
    const bool restacked = !(pos.flags & SWP_NOZORDER) && restack(hwnd, *w, pos.hwndInsertAfter);
    if (pos.flags & SWP_SHOWWINDOW) w->style |= WS_VISIBLE;
    if (pos.flags & SWP_HIDEWINDOW) w->style &= ~WS_VISIBLE;
    geometry_changed();
    if (!(w->style & WS_CHILD) && resized) backend().surface_created(hwnd, w->surface);
    if (!(w->style & WS_CHILD)) backend().window_changed(hwnd);

    if (!(pos.flags & SWP_NOREDRAW) && (w->style & WS_VISIBLE) &&
        (resized || (pos.flags & (SWP_SHOWWINDOW | SWP_FRAMECHANGED))))
        RedrawWindow(hwnd, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
    if ((pos.flags & SWP_HIDEWINDOW) && w->parent) InvalidateRect(w->parent, nullptr, TRUE);

    if ((pos.flags & SWP_SHOWWINDOW) && !(pos.flags & SWP_NOACTIVATE) && !(w->style & WS_CHILD)) {
        activate_window(hwnd, WA_ACTIVE);
        if (!(w = lookup(hwnd))) return FALSE;
    }

    // A request that changed nothing is not reported, as on the original platform.
    const bool changed = resized || restacked || !same_origin(newRect, oldRect) ||
                         (pos.flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW | SWP_FRAMECHANGED));
    if (!changed) return TRUE;
    if (same_size(w->client, oldClient)) pos.flags |= SwpNoClientSize;
    if (same_origin(w->client, oldClient)) pos.flags |= SwpNoClientMove;
    SendMessageA(hwnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
    return TRUE;
}

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint) {
    return SetWindowPos(hwnd, nullptr, x, y, width, height,
                        SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

BOOL ShowWindow(HWND hwnd, int command) {
    Window* w = lookup(hwnd);
    if (!w) return FALSE;
    const BOOL wasVisible = (w->style & WS_VISIBLE) != 0;
    const bool child = (w->style & WS_CHILD) != 0;

    if (command == SW_HIDE) {
        if (!wasVisible) return FALSE;
        SendMessageA(hwnd, WM_SHOWWINDOW, FALSE, 0);
        const bool wasActive = GetActiveWindow() == hwnd;
        SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        if (wasActive && lookup(hwnd)) window_losing_activation(hwnd);
        return wasVisible;
    }

    DWORD state = 0;
    if (command == SW_SHOWMAXIMIZED)
        state = WS_MAXIMIZE;
    else if (command == SW_MINIMIZE || command == SW_SHOWMINIMIZED || command == SW_SHOWMINNOACTIVE)
        state = WS_MINIMIZE;
    const bool restore = command == SW_RESTORE || command == SW_SHOWNORMAL;
    const DWORD current = w->style & (WS_MAXIMIZE | WS_MINIMIZE);
    const bool changeState = state ? current != state : (restore && current != 0);
    const bool activate = !child && command != SW_SHOWNA && command != SW_SHOWNOACTIVATE &&
                          command != SW_SHOWMINNOACTIVE && command != SW_MINIMIZE;

    if (!wasVisible) {
        SendMessageA(hwnd, WM_SHOWWINDOW, TRUE, 0);
        if (!(w = lookup(hwnd))) return FALSE;
    }
    UINT flags = SWP_SHOWWINDOW | (activate ? 0 : SWP_NOACTIVATE) | (child ? SWP_NOZORDER : 0);
    RECT target = w->rect;
    if (changeState) {
        if (!current) normal_rect(hwnd) = w->rect;
        w->style = (w->style & ~(WS_MAXIMIZE | WS_MINIMIZE)) | state;
        target = state == WS_MAXIMIZE   ? maximized_rect(*w)
                 : state == WS_MINIMIZE ? minimized_slot(hwnd, *w)
                                        : normal_rect(hwnd);
        flags |= SWP_FRAMECHANGED;
        // A window that changes its state always hears about its new size.
        w->needSize = true;
    } else {
        flags |= SWP_NOSIZE | SWP_NOMOVE;
    }
    SetWindowPos(hwnd, HWND_TOP, target.left, target.top, target.right - target.left,
                 target.bottom - target.top, flags);
    if (!lookup(hwnd)) return wasVisible;
    if (changeState && state == WS_MINIMIZE && !child && GetActiveWindow() == hwnd)
        window_losing_activation(hwnd);
    else if (activate && state != WS_MINIMIZE)
        activate_window(hwnd, WA_ACTIVE); // also for a window that was visible already
    return wasVisible;
}
