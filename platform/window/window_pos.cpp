// Window geometry: rectangles, coordinates, SetWindowPos, ShowWindow and the min/max states.
#include <algorithm>

#include "backend/backend.h"
#include "window/nonclient.h"
#include "window/window_internal.h"
#include "window/window_table.h"

namespace plat {
namespace {

constexpr int MinTrackWidth = 112, MinTrackHeight = 27, MaxTrackSize = 32767;
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

// Returns whether the window changes its place among its siblings; only with apply is the
// order changed.
bool restack(HWND hwnd, Window& w, HWND after, bool apply) {
    Window* p = lookup(w.parent);
    std::vector<HWND>& order = p ? p->children : top_level_order();
    std::vector<HWND> list = order;
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
    DWORD exStyle = w.exStyle;
    if (after == HWND_TOPMOST) exStyle |= WS_EX_TOPMOST;
    if (after == HWND_NOTOPMOST) exStyle &= ~WS_EX_TOPMOST;
    // Topmost windows stay above the others whatever the request.
    if (!p && !(exStyle & WS_EX_TOPMOST))
        while (pos != list.end() && lookup(*pos) && (lookup(*pos)->exStyle & WS_EX_TOPMOST))
            ++pos;
    const std::ptrdiff_t newIndex = pos - list.begin();
    const bool changed = newIndex != oldIndex || exStyle != w.exStyle;
    if (apply) {
        list.insert(pos, hwnd);
        order = std::move(list);
        w.exStyle = exStyle;
    }
    return changed;
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

// The frame's border width, the part of it a maximised window puts outside its area.
int border_width(const Window& w) {
    return frame_insets(w.style, 0, false).left;
}

// Paints what a show or size uncovered: the window's frame and background at once, as the
// platform does inside SetWindowPos, its children later with their WM_PAINT.
void repaint_changed(HWND hwnd) {
    SendMessageA(hwnd, WM_NCPAINT, 1, 0);
    if (!lookup(hwnd) || iconic_or_under_iconic(hwnd)) return;
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    std::vector<HWND> stack = lookup(hwnd)->children;
    while (!stack.empty()) {
        const HWND h = stack.back();
        stack.pop_back();
        Window* c = lookup(h);
        if (!c || !(c->style & WS_VISIBLE)) continue;
        // A child with no client area gets no WM_PAINT to carry its frame.
        if (c->updatePending)
            c->framePending = true;
        else
            SendMessageA(h, WM_NCPAINT, 1, 0);
        if ((c = lookup(h))) stack.insert(stack.end(), c->children.begin(), c->children.end());
    }
    RECT update;
    GetUpdateRect(hwnd, &update, TRUE);
}

// What a hidden or destroyed child leaves behind: its parent and the siblings it covered.
void repaint_uncovered(HWND parent, const RECT& area) {
    Window* p = lookup(parent);
    if (!p) return;
    InvalidateRect(parent, &area, TRUE);
    if (!(p = lookup(parent)) || !(p->style & WS_CLIPCHILDREN)) return; // children done with it
    const std::vector<HWND> siblings = p->children;
    for (HWND s : siblings) {
        const Window* w = lookup(s);
        RECT overlap;
        if (!w || !(w->style & WS_VISIBLE) || !IntersectRect(&overlap, &area, &w->client)) continue;
        OffsetRect(&overlap, -w->client.left, -w->client.top);
        InvalidateRect(s, &overlap, TRUE);
    }
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

void send_size(HWND hwnd) {
    const Window* w = lookup(hwnd);
    if (!w) return;
    const WPARAM kind = (w->style & WS_MINIMIZE)   ? SIZE_MINIMIZED
                        : (w->style & WS_MAXIMIZE) ? SIZE_MAXIMIZED
                                                   : SIZE_RESTORED;
    const RECT c = w->client;
    // A minimised window reports an empty client area, as on the original platform.
    const LPARAM size = kind == SIZE_MINIMIZED ? 0
                                               : MAKELPARAM(static_cast<WORD>(c.right - c.left),
                                                            static_cast<WORD>(c.bottom - c.top));
    SendMessageA(hwnd, WM_SIZE, kind, size);
}

void send_move(HWND hwnd) {
    const Window* w = lookup(hwnd);
    if (!w) return;
    const RECT c = w->client;
    SendMessageA(hwnd, WM_MOVE, 0, MAKELPARAM(static_cast<WORD>(c.left), static_cast<WORD>(c.top)));
}

void send_size_and_move(HWND hwnd) {
    Window* w = lookup(hwnd);
    if (!w) return;
    w->needSize = false;
    send_size(hwnd);
    send_move(hwnd);
}

MINMAXINFO min_max_info(HWND hwnd) {
    MINMAXINFO info{};
    const Window* w = lookup(hwnd);
    if (!w) return info;
    SIZE area = backend().screen_size();
    if (w->style & WS_CHILD) {
        RECT parent{};
        GetClientRect(w->parent, &parent);
        area = {parent.right, parent.bottom};
    }
    // Maximised, the border lies outside the area and the caption inside it.
    const int border = border_width(*w);
    info.ptMaxSize = {area.cx + 2 * border, area.cy + 2 * border};
    info.ptMaxPosition = {-border, -border};
    info.ptMinTrackSize = {MinTrackWidth, MinTrackHeight};
    // Only the program limits how large a window it sizes itself may grow.
    info.ptMaxTrackSize = {MaxTrackSize, MaxTrackSize};
    SendMessageA(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    return info;
}

bool is_top_of_z_order(HWND hwnd) {
    Window* w = lookup(hwnd);
    return w && !restack(hwnd, *w, HWND_TOP, false);
}

bool iconic_or_under_iconic(HWND hwnd) {
    for (const Window* w = lookup(hwnd); w; w = (w->style & WS_CHILD) ? lookup(w->parent) : nullptr)
        if (w->style & WS_MINIMIZE) return true;
    return false;
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
    flags &= ~(SwpNoClientSize | SwpNoClientMove);
    if (w->style & WS_VISIBLE)
        flags &= ~SWP_SHOWWINDOW;
    else
        flags &= ~SWP_HIDEWINDOW;
    cx = std::max(cx, 0);
    cy = std::max(cy, 0);
    // What the request leaves as it is is marked so, as the platform does; the structure keeps
    // the caller's values.
    if (!(flags & SWP_NOSIZE) && cx == w->rect.right - w->rect.left &&
        cy == w->rect.bottom - w->rect.top)
        flags |= SWP_NOSIZE;
    if (!(flags & SWP_NOMOVE) && x == w->rect.left && y == w->rect.top) flags |= SWP_NOMOVE;
    if (!(flags & SWP_NOZORDER) && !restack(hwnd, *w, insertAfter, false)) flags |= SWP_NOZORDER;
    WINDOWPOS pos{hwnd, insertAfter, x, y, cx, cy, flags};
    SendMessageA(hwnd, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
    if (!(w = lookup(hwnd))) return FALSE;

    const RECT oldClient = w->client;
    const RECT oldRect = w->rect;
    RECT newRect = oldRect;
    if (!(pos.flags & SWP_NOMOVE)) OffsetRect(&newRect, pos.x - oldRect.left, pos.y - oldRect.top);
    if (!(pos.flags & SWP_NOSIZE)) {
        newRect.right = newRect.left + std::max(pos.cx, 0);
        newRect.bottom = newRect.top + std::max(pos.cy, 0);
    }
    const bool resized = !same_size(newRect, oldRect);
    const bool moved = !same_origin(newRect, oldRect);
    w->rect = newRect;
    if (resized || moved || (pos.flags & SWP_FRAMECHANGED)) {
        NCCALCSIZE_PARAMS params{{newRect, oldRect, oldClient}, &pos};
        if (resized || (pos.flags & SWP_FRAMECHANGED))
            SendMessageA(hwnd, WM_NCCALCSIZE, TRUE, reinterpret_cast<LPARAM>(&params));
        else
            params.rgrc[0] = client_from_window(newRect, w->style, w->exStyle, w->menu != nullptr);
        if (!(w = lookup(hwnd))) return FALSE;
        w->client = params.rgrc[0];
    }
    const bool restacked =
        !(pos.flags & SWP_NOZORDER) && restack(hwnd, *w, pos.hwndInsertAfter, true);
    if (pos.flags & SWP_SHOWWINDOW) w->style |= WS_VISIBLE;
    if (pos.flags & SWP_HIDEWINDOW) w->style &= ~WS_VISIBLE;
    geometry_changed();
    if (!(w->style & WS_CHILD) && resized) backend().surface_created(hwnd, w->surface);
    if (!(w->style & WS_CHILD)) backend().window_changed(hwnd);

    const bool childMoved = moved && (w->style & WS_CHILD);
    if (!(pos.flags & SWP_NOREDRAW) && IsWindowVisible(hwnd) &&
        (resized || childMoved || (pos.flags & (SWP_SHOWWINDOW | SWP_FRAMECHANGED)))) {
        repaint_changed(hwnd);
        if (!(w = lookup(hwnd))) return FALSE;
    }
    if (((pos.flags & SWP_HIDEWINDOW) || childMoved) && (w->style & WS_CHILD)) {
        repaint_uncovered(w->parent, oldRect);
    } else if (resized && (w->style & WS_CHILD) && IsWindowVisible(hwnd)) {
        // A child that shrank in place leaves strips of its parent to be painted again.
        const HWND parent = w->parent;
        if (newRect.right < oldRect.right)
            repaint_uncovered(parent, {newRect.right, oldRect.top, oldRect.right, oldRect.bottom});
        if (newRect.bottom < oldRect.bottom)
            repaint_uncovered(parent,
                              {oldRect.left, newRect.bottom, oldRect.right, oldRect.bottom});
    }
    if (!(w = lookup(hwnd))) return FALSE;

    if ((pos.flags & SWP_SHOWWINDOW) && !(pos.flags & SWP_NOACTIVATE) && !(w->style & WS_CHILD)) {
        activate_window(hwnd, WA_ACTIVE);
        if (!(w = lookup(hwnd))) return FALSE;
    }

    // A request that changed nothing is not reported, as on the original platform.
    const bool changed = resized || restacked || moved ||
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
    // Nothing of a child of a hidden window is on screen: only its style changes.
    const bool parentHidden = child && !IsWindowVisible(w->parent);

    if (command == SW_HIDE) {
        if (!wasVisible) return FALSE;
        SendMessageA(hwnd, WM_SHOWWINDOW, FALSE, 0);
        if (!(w = lookup(hwnd))) return wasVisible;
        if (parentHidden) {
            w->style &= ~WS_VISIBLE;
            return wasVisible;
        }
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

    // An iconic window may refuse to open.
    if (changeState && (current & WS_MINIMIZE) && !SendMessageA(hwnd, WM_QUERYOPEN, 0, 0))
        return wasVisible;
    if (!(w = lookup(hwnd))) return FALSE;
    if (!wasVisible) {
        SendMessageA(hwnd, WM_SHOWWINDOW, TRUE, 0);
        if (!(w = lookup(hwnd))) return FALSE;
    }
    if (parentHidden && !changeState) {
        w->style |= WS_VISIBLE;
        return wasVisible;
    }
    // The keyboard focus leaves a window before it becomes an icon.
    if (changeState && state == WS_MINIMIZE) {
        const HWND focus = GetFocus();
        if (focus && (focus == hwnd || IsChild(hwnd, focus))) SetFocus(child ? w->parent : nullptr);
        if (!(w = lookup(hwnd))) return wasVisible;
    }
    UINT flags = SWP_SHOWWINDOW | (activate ? 0 : SWP_NOACTIVATE) | (child ? SWP_NOZORDER : 0);
    RECT target = w->rect;
    if (changeState) {
        if (!current) normal_rect(hwnd) = w->rect;
        if (state == WS_MAXIMIZE) {
            const MINMAXINFO info = min_max_info(hwnd);
            if (!(w = lookup(hwnd))) return wasVisible;
            target = {info.ptMaxPosition.x, info.ptMaxPosition.y,
                      info.ptMaxPosition.x + info.ptMaxSize.x,
                      info.ptMaxPosition.y + info.ptMaxSize.y};
        }
        w->style = (w->style & ~(WS_MAXIMIZE | WS_MINIMIZE)) | state;
        if (state == WS_MINIMIZE)
            target = minimized_slot(hwnd, *w);
        else if (!state)
            target = normal_rect(hwnd);
        flags |= SWP_FRAMECHANGED | SwpStateChanged;
    } else {
        flags |= SWP_NOSIZE | SWP_NOMOVE;
    }
    SetWindowPos(hwnd, HWND_TOP, target.left, target.top, target.right - target.left,
                 target.bottom - target.top, flags);
    if (!(w = lookup(hwnd))) return wasVisible;
    // The first show tells the window its size and place.
    if (w->needSize) {
        send_size_and_move(hwnd);
        if (!lookup(hwnd)) return wasVisible;
    }
    if (changeState && state == WS_MINIMIZE) {
        // With no other window to take over, the icon stays active.
        if (!child && GetActiveWindow() == hwnd) activate_next_window(hwnd);
    } else if (activate) {
        activate_window(hwnd, WA_ACTIVE); // also for a window that was visible already
        // A window opened from an icon while active takes the focus back.
        if (lookup(hwnd) && GetActiveWindow() == hwnd && !GetFocus()) SetFocus(hwnd);
    }
    return wasVisible;
}
