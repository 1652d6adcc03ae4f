// The default handling of messages.
#include <algorithm>

#include "controls/control.h"
#include "gdi/brushes.h"
#include "menu/menu_tracker.h"
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

// Alt pressed and released with no key between opens the menu bar, as F10 does.
bool& alt_alone() {
    static bool alone = false;
    return alone;
}

HWND top_level_of(HWND hwnd) {
    for (const Window* w = lookup(hwnd); w && (w->style & WS_CHILD) && lookup(w->parent);
         w = lookup(w->parent))
        hwnd = w->parent;
    return hwnd;
}

LRESULT on_system_key(HWND hwnd, UINT message, WPARAM vk, LPARAM lParam) {
    const bool repeat = lParam & (1 << 30);
    if (message == WM_SYSKEYDOWN) {
        if (vk == VK_F4 && (HIWORD(lParam) & 0x2000))
            SendMessageA(top_level_of(hwnd), WM_SYSCOMMAND, SC_CLOSE, 0);
        if (!repeat) alt_alone() = vk == VK_MENU;
        return 0;
    }
    const bool plain = !(GetKeyState(VK_SHIFT) & 0x8000) && !(GetKeyState(VK_CONTROL) & 0x8000);
    const bool opens = (vk == VK_MENU && alt_alone()) || (vk == VK_F10 && plain);
    alt_alone() = false;
    if (opens) SendMessageA(top_level_of(hwnd), WM_SYSCOMMAND, SC_KEYMENU, 0);
    return 0;
}

LRESULT on_system_command(HWND hwnd, WPARAM command, LPARAM where) {
    switch (command & 0xFFF0) {
    case SC_MOUSEMENU: {
        BarEntry entry;
        entry.byMouse = true;
        entry.point = {GET_X_LPARAM(where), GET_Y_LPARAM(where)};
        track_menu_bar(hwnd, entry);
        break;
    }
    case SC_KEYMENU: {
        // Alt+Space would open the window menu, which frames here do not have.
        if (where == ' ') break;
        BarEntry entry;
        entry.mnemonic = static_cast<char>(where);
        if (GetMenu(hwnd))
            track_menu_bar(hwnd, entry);
        else if (entry.mnemonic)
            MessageBeep(0);
        break;
    }
    case SC_VSCROLL:
    case SC_HSCROLL:
        track_scroll_bar(hwnd, (command & 0xFFF0) == SC_VSCROLL ? SB_VERT : SB_HORZ,
                         {GET_X_LPARAM(where), GET_Y_LPARAM(where)});
        break;
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
    case HTMENU:
        return SendMessageA(hwnd, WM_SYSCOMMAND, SC_MOUSEMENU, where);
    case HTVSCROLL:
        return SendMessageA(hwnd, WM_SYSCOMMAND, SC_VSCROLL, where);
    case HTHSCROLL:
        return SendMessageA(hwnd, WM_SYSCOMMAND, SC_HSCROLL, where);
    default:
        // The sizing borders, HTLEFT to HTBOTTOMRIGHT, give SC_SIZE with the edge in its low bits.
        if (hit >= static_cast<WPARAM>(HTLEFT) && hit <= static_cast<WPARAM>(HTBOTTOMRIGHT))
            return SendMessageA(hwnd, WM_SYSCOMMAND, SC_SIZE + (hit - HTLEFT + 1), where);
        return 0;
    }
}

// A size request is held within the window's tracking limits.
LRESULT on_window_pos_changing(HWND hwnd, WINDOWPOS* pos) {
    const Window* w = lookup(hwnd);
    if (!w || !pos || (pos->flags & SWP_NOSIZE)) return 0;
    if (!(w->style & WS_THICKFRAME) && (w->style & (WS_POPUP | WS_CHILD))) return 0;
    const MINMAXINFO info = min_max_info(hwnd);
    if (!(w = lookup(hwnd)) || (w->style & (WS_MINIMIZE | WS_MAXIMIZE))) return 0;
    pos->cx = std::clamp<int>(pos->cx, info.ptMinTrackSize.x,
                              std::max(info.ptMinTrackSize.x, info.ptMaxTrackSize.x));
    pos->cy = std::clamp<int>(pos->cy, info.ptMinTrackSize.y,
                              std::max(info.ptMinTrackSize.y, info.ptMaxTrackSize.y));
    return 0;
}

// WM_MOVE, then WM_SIZE, each only for what changed.
LRESULT on_window_pos_changed(HWND hwnd, const WINDOWPOS* pos) {
    if (!lookup(hwnd) || !pos) return 0;
    if (!(pos->flags & SwpNoClientMove)) send_move(hwnd);
    if (lookup(hwnd) && (!(pos->flags & SwpNoClientSize) || (pos->flags & SwpStateChanged)))
        send_size(hwnd);
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
    case WM_NCLBUTTONDBLCLK:
        // Quick presses on a scroll bar are presses each.
        if (wParam == static_cast<WPARAM>(HTVSCROLL) || wParam == static_cast<WPARAM>(HTHSCROLL))
            return on_nc_button_down(hwnd, wParam, lParam);
        return 0;
    case WM_SYSCOMMAND:
        return on_system_command(hwnd, wParam, lParam);
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
        return on_system_key(hwnd, message, wParam, lParam);
    case WM_SYSCHAR:
        // Alt+letter: the menu bar item with that mnemonic, on the frame that has the bar.
        if (wParam != VK_RETURN && wParam != VK_ESCAPE && (HIWORD(lParam) & 0x2000))
            SendMessageA(top_level_of(hwnd), WM_SYSCOMMAND, SC_KEYMENU,
                         static_cast<LPARAM>(static_cast<BYTE>(wParam)));
        return 0;
    case WM_WINDOWPOSCHANGING:
        return on_window_pos_changing(hwnd, reinterpret_cast<WINDOWPOS*>(lParam));
    case WM_QUERYOPEN:
        return TRUE;
    case WM_WINDOWPOSCHANGED:
        return on_window_pos_changed(hwnd, reinterpret_cast<const WINDOWPOS*>(lParam));
    case WM_HELP:
        // Help asked for in a child is the parent's to give, in a top-level window its owner's.
        if (const HWND up = GetParent(hwnd)) return SendMessageA(up, WM_HELP, wParam, lParam);
        return TRUE;
    default:
        if (is_control_colour_message(message))
            return default_control_colours(reinterpret_cast<HDC>(wParam), message);
        return 0;
    }
}

LRESULT CallWindowProcA(WNDPROC proc, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return proc ? proc(hwnd, message, wParam, lParam) : 0;
}
