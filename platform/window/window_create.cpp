// Creating and destroying windows, with the messages the platform sends on the way.
#include <algorithm>

#include "backend/backend.h"
#include "window/message_queue.h"
#include "window/nonclient.h"
#include "window/window_internal.h"
#include "window/window_table.h"

namespace plat {
namespace {

constexpr int DefaultWidth = 640, DefaultHeight = 480;
// More extra bytes than any class here needs; a larger request is cut to this.
constexpr int MaxWndExtra = 1024;

bool is_top_level(DWORD style) {
    return !(style & WS_CHILD);
}

RECT initial_rect(DWORD style, HWND parent, int x, int y, int cx, int cy) {
    if (is_top_level(style)) {
        const SIZE screen = backend().screen_size();
        if (x == CW_USEDEFAULT) x = y = screen.cx / 10;
        if (cx == CW_USEDEFAULT) {
            cx = std::min<int>(DefaultWidth, screen.cx);
            cy = std::min<int>(DefaultHeight, screen.cy);
        }
    } else {
        if (x == CW_USEDEFAULT) x = y = 0;
        if (cx == CW_USEDEFAULT) cx = cy = 0;
    }
    (void)parent;
    return RECT{x, y, x + std::max(cx, 0), y + std::max(cy, 0)};
}

void notify_parent(HWND hwnd, const Window& w, WORD event) {
    if (!(w.style & WS_CHILD) || (w.exStyle & WS_EX_NOPARENTNOTIFY) || !w.parent) return;
    SendMessageA(w.parent, WM_PARENTNOTIFY, MAKEWPARAM(event, static_cast<WORD>(w.id)),
                 reinterpret_cast<LPARAM>(hwnd));
}

void unlink(HWND hwnd, Window& w) {
    if (Window* p = lookup(w.parent))
        std::erase(p->children, hwnd);
    else
        std::erase(top_level_order(), hwnd);
    geometry_changed();
}

// WM_DESTROY runs from the window down to its children; WM_NCDESTROY from the leaves up.
void send_destroy(HWND hwnd) {
    Window* w = lookup(hwnd);
    if (!w) return;
    SendMessageA(hwnd, WM_DESTROY, 0, 0);
    w = lookup(hwnd);
    if (!w) return;
    const std::vector<HWND> children = w->children;
    for (HWND child : children) {
        if (Window* c = lookup(child)) c->destroying = true;
        send_destroy(child);
    }
}

void send_ncdestroy(HWND hwnd) {
    Window* w = lookup(hwnd);
    if (!w) return;
    const std::vector<HWND> children = w->children;
    for (HWND child : children)
        send_ncdestroy(child);
    forget_window_timers(hwnd);
    window_released(hwnd);
    SendMessageA(hwnd, WM_NCDESTROY, 0, 0);
    // A frame's menu goes with the frame, as on the platform.
    if ((w = lookup(hwnd)) && !(w->style & WS_CHILD) && w->menu && IsMenu(w->menu))
        DestroyMenu(w->menu);
    if (!(w = lookup(hwnd))) return;
    if (is_top_level(w->style)) backend().surface_destroyed(hwnd);
    release_window(hwnd);
}

} // namespace
} // namespace plat

using namespace plat;

HWND CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y,
                     int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                     LPVOID param) {
    const WindowClass* cls = find_class(className, instance);
    if (!cls) return nullptr;
    if ((style & WS_CHILD) && !lookup(parent)) return nullptr;
    if (parent && !lookup(parent)) return nullptr;

    HWND hwnd = allocate_window();
    if (!hwnd) return nullptr;
    Window* w = lookup(hwnd);
    w->atom = cls->atom;
    w->proc = cls->info.lpfnWndProc;
    w->style = style & ~WS_VISIBLE;
    // Frames with a caption or a sizing border get the raised outer edge.
    if ((style & (WS_DLGFRAME | WS_THICKFRAME)) || (exStyle & WS_EX_DLGMODALFRAME))
        exStyle |= WS_EX_WINDOWEDGE;
    w->exStyle = exStyle;
    w->instance = instance;
    if (style & WS_CHILD) {
        w->parent = parent;
        w->id = reinterpret_cast<LONG_PTR>(menu);
    } else {
        // A top-level window's "parent" is its owner; owners are always top level.
        HWND owner = parent;
        while (owner && (lookup(owner)->style & WS_CHILD))
            owner = lookup(owner)->parent;
        w->owner = owner;
        // Without a menu of its own a frame gets its class's menu.
        if (!menu && cls->info.lpszMenuName)
            menu = LoadMenuA(instance ? instance : cls->info.hInstance, cls->info.lpszMenuName);
        w->menu = menu;
    }
    w->text = windowName ? windowName : "";
    w->extra.assign(static_cast<std::size_t>(std::clamp(cls->info.cbWndExtra, 0, MaxWndExtra)),
                    std::byte{0});
    w->rect = initial_rect(style, parent, x, y, width, height);
    w->client = w->rect;

    CREATESTRUCTA cs{
        param,      instance,  menu,   parent, height, width, y, x, static_cast<LONG>(style),
        windowName, className, exStyle};
    if (is_top_level(style) && (style & (WS_THICKFRAME | WS_CAPTION))) {
        // The first size keeps within the window's limits.
        const MINMAXINFO info = min_max_info(hwnd);
        if (!(w = lookup(hwnd))) return nullptr;
        w->rect.right =
            w->rect.left + std::clamp<LONG>(w->rect.right - w->rect.left, info.ptMinTrackSize.x,
                                            std::max(info.ptMinTrackSize.x, info.ptMaxTrackSize.x));
        w->rect.bottom =
            w->rect.top + std::clamp<LONG>(w->rect.bottom - w->rect.top, info.ptMinTrackSize.y,
                                           std::max(info.ptMinTrackSize.y, info.ptMaxTrackSize.y));
        w->client = w->rect;
        cs.cx = w->rect.right - w->rect.left;
        cs.cy = w->rect.bottom - w->rect.top;
    }
    if (!lookup(hwnd) || !SendMessageA(hwnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs))) {
        if (lookup(hwnd)) DestroyWindow(hwnd);
        return nullptr;
    }
    // The window joins its parent's children (at the top) once WM_NCCREATE has accepted it.
    w = lookup(hwnd);
    if (!w) return nullptr;
    if (Window* p = lookup(w->parent))
        p->children.insert(p->children.begin(), hwnd);
    else
        top_level_order().insert(top_level_order().begin(), hwnd);
    if (is_top_level(style)) {
        describe_surface(hwnd);
        backend().surface_created(hwnd, surface_of(hwnd));
    }

    RECT rc = w->rect;
    SendMessageA(hwnd, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&rc));
    if (!(w = lookup(hwnd))) return nullptr;
    w->client = rc;
    geometry_changed();
    if (SendMessageA(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        DestroyWindow(hwnd);
        return nullptr;
    }
    if (!(w = lookup(hwnd))) return nullptr;
    if (style & WS_CHILD) {
        send_size_and_move(hwnd);
        if (!(w = lookup(hwnd))) return nullptr;
        notify_parent(hwnd, *w, WM_CREATE);
    }
    if (style & WS_MAXIMIZE)
        ShowWindow(hwnd, SW_SHOWMAXIMIZED);
    else if (style & WS_MINIMIZE)
        ShowWindow(hwnd, SW_SHOWMINIMIZED);
    else if (style & WS_VISIBLE)
        ShowWindow(hwnd, SW_SHOW);
    return lookup(hwnd) ? hwnd : nullptr;
}

BOOL DestroyWindow(HWND hwnd) {
    Window* w = lookup(hwnd);
    if (!w || w->destroying) return FALSE;
    w->destroying = true;
    notify_parent(hwnd, *w, WM_DESTROY);
    // Owned top-level windows go first, as they cannot outlive their owner.
    std::vector<HWND> owned;
    for_each_window([&](HWND h, const Window& o) {
        if (o.owner == hwnd && !o.destroying) owned.push_back(h);
    });
    for (HWND h : owned)
        DestroyWindow(h);
    if (!(w = lookup(hwnd))) return TRUE;
    // A child is hidden as ShowWindow hides it, telling it so; a frame quietly.
    if ((w->style & WS_VISIBLE) && (w->style & WS_CHILD))
        ShowWindow(hwnd, SW_HIDE);
    else if (w->style & WS_VISIBLE)
        SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (!(w = lookup(hwnd))) return TRUE;
    window_losing_activation(hwnd);
    if (!(w = lookup(hwnd))) return TRUE;
    send_destroy(hwnd);
    if ((w = lookup(hwnd))) unlink(hwnd, *w);
    send_ncdestroy(hwnd);
    return TRUE;
}
