// The frame procedure yyWndProc and the client procedure yyWndProcClient.
#include "core/wwndproc.h"

#include <commctrl.h>

#include "core/wmessage_state.h"
#include "core/wmiscel.h"
#include "core/wwindow.h"
#include "dialogs/wmenu.h"
#include "graphics/oswin.h"

using namespace tess;

namespace {

constexpr UINT RaiseFlags = SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW;

std::size_t slot(int n) {
    return static_cast<std::size_t>(n);
}

int height_of(HWND hwnd) {
    RECT r{};
    if (hwnd) GetWindowRect(hwnd, &r);
    return r.bottom - r.top;
}

bool inside_root(HWND frame) {
    return core.hClient[0] && GetParent(frame) == core.hClient[0];
}

// A click on a frame brings it forward; inside-root children and the root also show which of
// them is active in their captions.
void raise_frame(HWND frame) {
    SetWindowPos(frame, HWND_TOP, 0, 0, 0, 0, RaiseFlags);
    if (inside_root(frame) || frame == core.wWindow[0]) yytitlecolour(frame);
}

int button_of(UINT message) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_NCLBUTTONDOWN:
        return 1;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_NCMBUTTONDOWN:
        return 2;
    default:
        return 3;
    }
}

// ------------------------------------------------------------------ frame procedure

void on_frame_size(HWND frame, WPARAM kind) {
    const int n = yygetwindowindex(frame);
    const bool childStyle = (GetWindowLongPtrA(frame, GWL_STYLE) & WS_CHILD) != 0;
    if (childStyle && n > 0) {
        RECT& saved = core.wChildRect[slot(n)];
        WINDOWPLACEMENT wp{};
        wp.length = sizeof wp;
        if (kind == SIZE_MAXIMIZED && saved.left == NoChildRect) {
            if (GetWindowPlacement(frame, &wp)) saved = wp.rcNormalPosition;
        } else if (kind == SIZE_RESTORED && saved.left != NoChildRect) {
            if (GetWindowPlacement(frame, &wp)) {
                wp.rcNormalPosition = saved;
                wp.showCmd = SW_SHOWNORMAL;
                saved.left = NoChildRect;
                SetWindowPlacement(frame, &wp);
            }
        }
    }
    if (kind != SIZE_MINIMIZED) {
        layout_frame(frame);
    } else if (childStyle) {
        SendMessageA(frame, WM_NCACTIVATE, FALSE, 0);
        if (core.wWindow[0]) SendMessageA(core.wWindow[0], WM_NCACTIVATE, TRUE, 0);
    }
}

LRESULT frame_message(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
        on_frame_size(hwnd, wParam);
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam)) yytitlecolour(hwnd);
        return DefWindowProcA(hwnd, message, wParam, lParam);
    case WM_SETFOCUS: {
        const int n = yygetwindowindex(hwnd);
        if (n >= 0 && core.hClient[slot(n)]) SetFocus(core.hClient[slot(n)]);
        return 0;
    }
    case WM_CLOSE:
        interpret(EventCloseRequest, 0, wParam, lParam, hwnd);
        return 0;
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
        if (wParam != HTMINBUTTON)
            interpret(EventFrameClick, button_of(message), wParam, lParam, hwnd);
        raise_frame(hwnd);
        return DefWindowProcA(hwnd, message, wParam, lParam);
    case WM_NOTIFY:
        if (yytooltipnotify(lParam)) return 0;
        return DefWindowProcA(hwnd, message, wParam, lParam);
    case WM_COMMAND:
        if (HIWORD(wParam) == 0 || HIWORD(wParam) == 1) {
            interpret(EventMenu, 0, wParam, lParam, hwnd);
            // A toolbar button shows its released state before the program acts on it.
            const HWND toolbar = coreMenus.hWndToolbar;
            if (toolbar && reinterpret_cast<HWND>(lParam) == toolbar) UpdateWindow(toolbar);
            return 0;
        }
        return DefWindowProcA(hwnd, message, wParam, lParam);
    case WM_TIMER:
        KillTimer(hwnd, wParam);
        interpret(EventTimer, 0, wParam, lParam, hwnd);
        return DefWindowProcA(hwnd, message, wParam, lParam);
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        raise_frame(hwnd);
        return 0;
    case WM_EXITSIZEMOVE:
        if ((GetWindowLongPtrA(hwnd, GWL_STYLE) & WS_CHILD) && IsIconic(hwnd) && core.hClient[0])
            ArrangeIconicWindows(core.hClient[0]);
        return 0;
    case WM_PALETTECHANGED: {
        const int n = yygetwindowindex(hwnd);
        return n >= 0 ? SendMessageA(core.hClient[slot(n)], message, wParam, lParam) : 0;
    }
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

// ------------------------------------------------------------------ client procedure

bool is_modifier_or_lock(int k) {
    return (k >= VK_SHIFT && k <= VK_CAPITAL) || k == VK_NUMLOCK || k == VK_SCROLL;
}

// A key-down takes the character it typed from the queue with it, so that one key press is one
// event: keypad keys give their key codes, Shift+Tab its own code, the rest the character.
void on_key_down(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    const int k = static_cast<int>(wParam);
    const bool shift = GetKeyState(VK_SHIFT) & 0x8000, ctrl = GetKeyState(VK_CONTROL) & 0x8000;
    MSG next;
    if (PeekMessageA(&next, hwnd, 0, 0, PM_NOREMOVE) && next.message == WM_CHAR) {
        PeekMessageA(&next, hwnd, WM_CHAR, WM_CHAR, PM_REMOVE);
        const WPARAM c = next.wParam & 0xFF;
        if (k >= VK_NUMPAD0 && k <= VK_DIVIDE)
            interpret(EventKey, 1, static_cast<WPARAM>(k), lParam, hwnd);
        else if (shift && c == 9)
            interpret(EventKey, 1, 9 + 4096, lParam, hwnd);
        else
            interpret(EventKey, 0, c, lParam, hwnd);
        return;
    }
    if (is_modifier_or_lock(k)) return;
    const int code = ctrl ? k + 8192 : shift ? k + 4096 : k;
    interpret(EventKey, 1, static_cast<WPARAM>(code), lParam, hwnd);
}

void refit_maximised_children() {
    for (int i = 1; i <= MaxWindow; ++i) {
        const HWND frame = core.wWindow[slot(i)];
        if (!frame) continue;
        const auto style = static_cast<DWORD>(GetWindowLongPtrA(frame, GWL_STYLE));
        if (!(style & WS_CHILD) || !(style & WS_MAXIMIZE)) continue;
        SetWindowLongPtrA(frame, GWL_STYLE, static_cast<LONG_PTR>(style & ~WS_MAXIMIZE));
        ShowWindow(frame, SW_SHOWMAXIMIZED);
    }
}

// Redraw and resize events that arise while no retrieval loop dispatches them wait in the
// window's pending slot; a waiting resize is not displaced by a redraw.
void park_if_nested(bool produced) {
    const CoreEvents& e = events;
    if (!produced || e.wValidMessage != 0 || e.bExpectPaintResize ||
        !valid_window_number(e.wMessageWin))
        return;
    PendingEvent& p = events.pending[slot(e.wMessageWin)];
    if (p.type == EventResize && e.wMessageType == EventRedraw) return;
    p = {e.wMessageType,   e.wMessageValue1, e.wMessageValue2, e.wMessageValue3,
         e.wMessageValue4, e.wMessageX,      e.wMessageY,      e.wMessageTime};
}

LRESULT client_message(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND frame = GetParent(hwnd);
    switch (message) {
    case WM_SIZE: {
        if (core.hClient[0]) ArrangeIconicWindows(core.hClient[0]);
        UpdateWindow(hwnd);
        const bool produced = interpret(EventResize, 0, wParam, lParam, hwnd);
        if (hwnd == core.hClient[0]) refit_maximised_children();
        park_if_nested(produced);
        return 0;
    }
    case WM_ACTIVATE:
        if (LOWORD(wParam)) yytitlecolour(frame);
        return DefWindowProcA(hwnd, message, wParam, lParam);
    case WM_SETFOCUS:
        core.hWinCur = hwnd;
        if (!(hwnd == core.hClient[0] && core.wHideRoot))
            SetWindowPos(frame, HWND_TOP, 0, 0, 0, 0, RaiseFlags);
        return 0;
    case WM_PAINT: {
        const bool produced = interpret(EventRedraw, 0, wParam, lParam, hwnd);
        DefWindowProcA(hwnd, message, wParam, lParam);
        park_if_nested(produced);
        return 0;
    }
    case WM_SETCURSOR:
        if (core.wCursor && LOWORD(lParam) == HTCLIENT) {
            SetCursor(core.wCursor);
            return TRUE;
        }
        return DefWindowProcA(hwnd, message, wParam, lParam);
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
        interpret(EventFrameClick, button_of(message), wParam, lParam, hwnd);
        raise_frame(frame);
        return DefWindowProcA(hwnd, message, wParam, lParam);
    case WM_KEYDOWN:
        on_key_down(hwnd, wParam, lParam);
        return 0;
    case WM_CHAR:
        interpret(EventKey, 0, wParam & 0xFF, lParam, hwnd);
        return 0;
    case WM_TIMER:
        if (wParam == WaitTimerId) TimerEnabled = 0;
        KillTimer(hwnd, wParam);
        return DefWindowProcA(hwnd, message, wParam, lParam);
    case WM_MOUSEMOVE:
        interpret(EventMouseMove, 0, wParam, lParam, hwnd);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        SetCapture(hwnd);
        interpret(EventButtonDown, button_of(message), wParam, lParam, hwnd);
        raise_frame(frame);
        return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        ReleaseCapture();
        interpret(EventButtonUp, button_of(message), wParam, lParam, hwnd);
        return 0;
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

} // namespace

void tess::layout_frame(HWND frame) {
    const int n = yygetwindowindex(frame);
    if (n < 0) return;
    const HWND bar = core.wMessLine[slot(n)];
    const HWND toolbar = n == 0 ? coreMenus.hWndToolbar : nullptr;
    if (toolbar) SendMessageA(toolbar, TB_AUTOSIZE, 0, 0);
    if (bar) SendMessageA(bar, WM_SIZE, 0, 0);
    RECT r;
    GetClientRect(frame, &r);
    r.top += height_of(toolbar);
    r.bottom -= height_of(bar);
    const HWND client = core.hClient[slot(n)];
    if (!client) return;
    SetWindowPos(client, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOCOPYBITS | SWP_NOACTIVATE);
    UpdateWindow(client);
}

LRESULT CALLBACK yyWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!core.wWindowOpen) return DefWindowProcA(hwnd, message, wParam, lParam);
    return frame_message(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK yyWndProcClient(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!core.wWindowOpen) return DefWindowProcA(hwnd, message, wParam, lParam);
    return client_message(hwnd, message, wParam, lParam);
}
