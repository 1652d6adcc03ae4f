// The default handling of messages.
#include "gdi/brushes.h"
#include "window/nonclient.h"
#include "window/window_internal.h"
#include "window/window_table.h"

namespace plat {
LRESULT default_text_message(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT nonclient_hit_test(HWND hwnd, POINT screen);
void track_move_size(HWND hwnd, WPARAM command, LPARAM where);
void paint_frame(HWND hwnd);
} // namespace plat

using namespace plat;

namespace {

LRESULT on_erase_background(HWND hwnd, HDC hdc) {
    const auto brush = reinterpret_cast<HBRUSH>(GetClassLongPtrA(hwnd, GCLP_HBRBACKGROUND));
    if (!brush) return 0;
    RECT r;
    GetClientRect(hwnd, &r);
    FillRect(hdc, &r, brush);
    return 1;
}

LRESULT on_paint(HWND hwnd) {
    PAINTSTRUCT ps;
    BeginPaint(hwnd, &ps);
    EndPaint(hwnd, &ps);
    return 0;
}

LRESULT on_system_command(HWND hwnd, WPARAM command, LPARAM where) {
    switch (command & 0xFFF0) {
    case SC_CLOSE:
        SendMessageA(hwnd, WM_CLOSE, 0, 0);
        break;
    case SC_MINIMIZE:
        ShowWindow(hwnd, SW_MINIMIZE);
        break;
    case SC_MAXIMIZE:
        ShowWindow(hwnd, SW_SHOWMAXIMIZED);
        break;
    case SC_RESTORE:
        ShowWindow(hwnd, SW_RESTORE);
        break;
    case SC_MOVE:
    case SC_SIZE:
        if (!(GetWindowLongPtrA(hwnd, GWL_STYLE) & (WS_MAXIMIZE | WS_MINIMIZE)))
            track_move_size(hwnd, command, where);
        break;
    default:
        break;
    }
    return 0;
}

LRESULT on_nc_button_down(HWND hwnd, WPARAM hit, LPARAM where) {
    switch (hit) {
    case HTCLOSE:
        return SendMessageA(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    case HTMINBUTTON:
        return SendMessageA(hwnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    case HTMAXBUTTON: {
        const bool maximized = GetWindowLongPtrA(hwnd, GWL_STYLE) & WS_MAXIMIZE;
        return SendMessageA(hwnd, WM_SYSCOMMAND, maximized ? SC_RESTORE : SC_MAXIMIZE, 0);
    }
    case HTCAPTION:
        return SendMessageA(hwnd, WM_SYSCOMMAND, SC_MOVE + HTCAPTION, where);
    default:
        // The sizing borders, HTLEFT to HTBOTTOMRIGHT, give SC_SIZE with the edge in its low bits.
        if (hit >= static_cast<WPARAM>(HTLEFT) && hit <= static_cast<WPARAM>(HTBOTTOMRIGHT))
            return SendMessageA(hwnd, WM_SYSCOMMAND, SC_SIZE + (hit - HTLEFT + 1), where);
        return 0;
    }
}

LRESULT on_window_pos_changed(HWND hwnd, const WINDOWPOS* pos) {
    constexpr UINT NoClientSize = 0x0800, NoClientMove = 0x1000;
    Window* w = lookup(hwnd);
    if (!w || !pos) return 0;
    const bool sizeChanged = !(pos->flags & NoClientSize);
    const bool moved = !(pos->flags & NoClientMove);
    if (w->needSize || sizeChanged || moved) send_size_and_move(hwnd);
    return 0;
}

} // namespace

LRESULT DefWindowProcA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* w = lookup(hwnd);
    if (!w) return 0;
    switch (message) {
    case WM_NCCREATE: {
        const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        if (cs && cs->lpszName) w->text = cs->lpszName;
        return TRUE;
    }
    case WM_NCCALCSIZE: {
        RECT* r = reinterpret_cast<RECT*>(lParam);
        if (r) *r = client_from_window(*r, w->style, w->exStyle, w->menu != nullptr);
        return 0;
    }
    case WM_SETTEXT:
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
        return default_text_message(hwnd, message, wParam, lParam);
    case WM_PAINT:
        return on_paint(hwnd);
    case WM_ERASEBKGND:
        return on_erase_background(hwnd, reinterpret_cast<HDC>(wParam));
    case WM_CLOSE:
        DestroyWindow(hwnd);
        return 0;
    case WM_NCACTIVATE:
        w->captionActive = wParam != FALSE;
        paint_frame(hwnd);
        return TRUE;
    case WM_NCPAINT:
        paint_frame(hwnd);
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE && !(w->style & WS_MINIMIZE)) SetFocus(hwnd);
        return 0;
    case WM_MOUSEACTIVATE:
        if ((w->style & WS_CHILD) && w->parent) {
            const LRESULT r = SendMessageA(w->parent, WM_MOUSEACTIVATE, wParam, lParam);
            if (r) return r;
        }
        return MA_ACTIVATE;
    case WM_SETCURSOR:
        if ((w->style & WS_CHILD) && w->parent &&
            SendMessageA(w->parent, WM_SETCURSOR, wParam, lParam))
            return TRUE;
        if (static_cast<SHORT>(LOWORD(lParam)) == HTCLIENT) {
            if (const auto cursor =
                    reinterpret_cast<HCURSOR>(GetClassLongPtrA(hwnd, GCLP_HCURSOR))) {
                SetCursor(cursor);
                return TRUE;
            }
        }
        // A press on a window that refuses input beeps, once, wherever in the tree it lands.
        if (static_cast<SHORT>(LOWORD(lParam)) == HTERROR &&
            (HIWORD(lParam) == WM_LBUTTONDOWN || HIWORD(lParam) == WM_RBUTTONDOWN ||
             HIWORD(lParam) == WM_MBUTTONDOWN)) {
            MessageBeep(0);
            return TRUE;
        }
        return FALSE;
    case WM_NCHITTEST:
        return nonclient_hit_test(hwnd, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    case WM_NCLBUTTONDOWN:
        return on_nc_button_down(hwnd, wParam, lParam);
    case WM_SYSCOMMAND:
        return on_system_command(hwnd, wParam, lParam);
    case WM_SYSKEYDOWN:
        if (wParam == VK_F4 && (HIWORD(lParam) & 0x2000))
            SendMessageA(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
        return 0;
    case WM_WINDOWPOSCHANGED:
        return on_window_pos_changed(hwnd, reinterpret_cast<const WINDOWPOS*>(lParam));
    default:
        return 0;
    }
}

LRESULT CallWindowProcA(WNDPROC proc, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return proc ? proc(hwnd, message, wParam, lParam) : 0;
}
