// Moving a window by its caption and sizing it by its border: a modal loop that follows the
// pointer until the button is released.
#include <algorithm>

#include "window/modal_loop.h"
#include "window/window_internal.h"
#include "window/window_table.h"

namespace plat {
namespace {

// Which edges follow the pointer, from the low bits of SC_SIZE (1 left … 8 bottom right).
struct Edges {
    bool left = false, top = false, right = false, bottom = false;
};

Edges edges_for(WPARAM command) {
    Edges e;
    switch (command & 0xF) {
    case 1:
        e.left = true;
        break;
    case 2:
        e.right = true;
        break;
    case 3:
        e.top = true;
        break;
    case 4:
        e.top = e.left = true;
        break;
    case 5:
        e.top = e.right = true;
        break;
    case 6:
        e.bottom = true;
        break;
    case 7:
        e.bottom = e.left = true;
        break;
    case 8:
        e.bottom = e.right = true;
        break;
    default:
        break;
    }
    return e;
}

bool is_mouse_move(UINT m) {
    return m == WM_MOUSEMOVE || m == WM_NCMOUSEMOVE;
}
bool is_button_up(UINT m) {
    return m == WM_LBUTTONUP || m == WM_NCLBUTTONUP;
}

RECT in_parent_coordinates(HWND hwnd, RECT r) {
    const Window* w = lookup(hwnd);
    if (w && (w->style & WS_CHILD)) {
        const RECT p = screen_client_rect(w->parent);
        OffsetRect(&r, -p.left, -p.top);
    }
    return r;
}

} // namespace

// where: the screen position the drag starts from (a mouse command carries it), else 0.
void track_move_size(HWND hwnd, WPARAM command, LPARAM where) {
    const bool moving = (command & 0xFFF0) == SC_MOVE;
    const Edges edges = moving ? Edges{} : edges_for(command);
    RECT start;
    GetWindowRect(hwnd, &start);
    // The borders stop where the window's limits say.
    const MINMAXINFO limits = min_max_info(hwnd);
    if (!lookup(hwnd)) return;
    const LONG minWidth = limits.ptMinTrackSize.x, minHeight = limits.ptMinTrackSize.y;
    const LONG maxWidth = std::max(minWidth, limits.ptMaxTrackSize.x);
    const LONG maxHeight = std::max(minHeight, limits.ptMaxTrackSize.y);
    POINT anchor{GET_X_LPARAM(where), GET_Y_LPARAM(where)};
    if (!where) GetCursorPos(&anchor);
    SendMessageA(hwnd, WM_ENTERSIZEMOVE, 0, 0);
    bool finished = false;
    ModalLoop loop;
    loop.window = hwnd;
    loop.done = [&] { return finished; };
    // A release that happened where no window of ours saw it ends the drag as well.
    loop.idle = [&] { finished |= !(GetAsyncKeyState(VK_LBUTTON) & 0x8000); };
    loop.filter = [&](MSG& msg) {
        if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
            const RECT r = in_parent_coordinates(hwnd, start);
            SetWindowPos(hwnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            finished = true;
            return true;
        }
        if (!is_mouse_move(msg.message) && !is_button_up(msg.message)) return false;
        const int dx = msg.pt.x - anchor.x, dy = msg.pt.y - anchor.y;
        RECT r = start;
        if (moving) OffsetRect(&r, dx, dy);
        if (edges.left)
            r.left = std::clamp<LONG>(r.left + dx, r.right - maxWidth, r.right - minWidth);
        if (edges.right)
            r.right = std::clamp<LONG>(r.right + dx, r.left + minWidth, r.left + maxWidth);
        if (edges.top)
            r.top = std::clamp<LONG>(r.top + dy, r.bottom - maxHeight, r.bottom - minHeight);
        if (edges.bottom)
            r.bottom = std::clamp<LONG>(r.bottom + dy, r.top + minHeight, r.top + maxHeight);
        r = in_parent_coordinates(hwnd, r);
        SetWindowPos(hwnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        finished |= is_button_up(msg.message);
        return true;
    };
    run_modal_loop(loop);
    if (lookup(hwnd)) SendMessageA(hwnd, WM_EXITSIZEMOVE, 0, 0);
}

} // namespace plat
