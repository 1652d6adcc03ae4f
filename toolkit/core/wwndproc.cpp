// The frame procedure yyWndProc and the client procedure yyWndProcClient.
#include "core/wwndproc.h"

#include <commctrl.h>

#include "core/context.h"
#include "core/media.h"
#include "core/palette_use.h"
#include "core/wmessage_state.h"
#include "core/wmiscel.h"
#include "core/wwindow.h"
#include "graphics/oswin.h"

using namespace tess;

namespace {

constexpr UINT RaiseFlags = SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW;

bool inside_root(HWND frame) {
    return window(0).client && GetParent(frame) == window(0).client;
}

// A click on a frame brings it forward; inside-root children and the root also show which of
// them is active in their captions.
void raise_frame(HWND frame) {
    SetWindowPos(frame, HWND_TOP, 0, 0, 0, 0, RaiseFlags);
    if (inside_root(frame) || frame == window(0).frame) yytitlecolour(frame);
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

} // namespace

void tess::paint_from_bitmap(HWND window, HBITMAP image) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    if (image && dc) {
        RECT r{};
        GetClientRect(window, &r);
        HDC memory = CreateCompatibleDC(dc);
        const HGDIOBJ old = SelectObject(memory, image);
        BitBlt(dc, 0, 0, r.right, r.bottom, memory, 0, 0, SRCCOPY);
        SelectObject(memory, old);
        DeleteDC(memory);
    }
    EndPaint(window, &ps);
}

namespace {

// While a modal display runs the program cannot answer redraw events: a client window is
// repainted from the snapshot taken before it began, and the area counts as drawn.
void paint_from_snapshot(HWND client) {
    const int n = yygetwindowindex(client);
    const HBITMAP image =
        valid_window_number(n) ? tk().dialogs.wImage[static_cast<std::size_t>(n)] : nullptr;
    paint_from_bitmap(client, image);
}

// ------------------------------------------------------------------ frame procedure

void leave_nested() {
    int& depth = tk().events.nested;
    if (depth > 0) --depth;
}

void on_frame_size(HWND frame, WPARAM kind) {
    const int n = yygetwindowindex(frame);
    const bool childStyle = (GetWindowLongPtrA(frame, GWL_STYLE) & WS_CHILD) != 0;
    if (childStyle && n > 0) {
        RECT& saved = window(n).savedRect;
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
        if (window(0).frame) SendMessageA(window(0).frame, WM_NCACTIVATE, TRUE, 0);
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
        if (n >= 0 && window(n).client) SetFocus(window(n).client);
        return 0;
    }
    case WM_CLOSE:
        interpret(CodeCloseRequest, 0, wParam, lParam, hwnd);
        return 0;
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
        if (wParam != HTMINBUTTON)
            interpret(CodeFrameClick, button_of(message), wParam, lParam, hwnd);
        raise_frame(hwnd);
        return DefWindowProcA(hwnd, message, wParam, lParam);
    case WM_NOTIFY:
        if (yytooltipnotify(lParam)) return 0;
        return DefWindowProcA(hwnd, message, wParam, lParam);
    case WM_COMMAND:
        if (HIWORD(wParam) == 0 || HIWORD(wParam) == 1) {
            interpret(CodeMenu, 0, wParam, lParam, hwnd);
            // A toolbar button shows its released state before the program acts on it.
            const HWND toolbar = tk().menus.hWndToolbar;
            if (toolbar && reinterpret_cast<HWND>(lParam) == toolbar) UpdateWindow(toolbar);
            return 0;
        }
        return DefWindowProcA(hwnd, message, wParam, lParam);
    case WM_TIMER:
        KillTimer(hwnd, wParam);
        interpret(CodeTimer, 0, wParam, lParam, hwnd);
        return DefWindowProcA(hwnd, message, wParam, lParam);
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        raise_frame(hwnd);
        return 0;
    case WM_ENTERMENULOOP:
    case WM_ENTERSIZEMOVE:
        ++tk().events.nested;
        return 0;
    case WM_EXITMENULOOP:
        leave_nested();
        return 0;
    case WM_EXITSIZEMOVE:
        leave_nested();
        if ((GetWindowLongPtrA(hwnd, GWL_STYLE) & WS_CHILD) && IsIconic(hwnd) && window(0).client)
            ArrangeIconicWindows(window(0).client);
        return 0;
    case MediaNotifyMessage:
        yymedianotify(static_cast<int>(lParam));
        return 0;
    case WM_PALETTECHANGED: {
        const int n = yygetwindowindex(hwnd);
        return n >= 0 ? SendMessageA(window(n).client, message, wParam, lParam) : 0;
    }
    case WM_QUERYNEWPALETTE: {
        // The frame about to take the focus claims the palette's colours for its client.
        const int n = yygetwindowindex(hwnd);
        if (n < 0 || !graphics().colours.gPal256) return FALSE;
        if (realise_toolkit_palette(window(n).client) > 0)
            InvalidateRect(window(n).client, nullptr, FALSE);
        return TRUE;
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
            interpret(CodeKey, 1, static_cast<WPARAM>(k), lParam, hwnd);
        else if (shift && c == 9)
            interpret(CodeKey, 1, 9 + 4096, lParam, hwnd);
        else
            interpret(CodeKey, 0, c, lParam, hwnd);
        return;
    }
    if (is_modifier_or_lock(k)) return;
    const int code = ctrl ? k + 8192 : shift ? k + 4096 : k;
    interpret(CodeKey, 1, static_cast<WPARAM>(code), lParam, hwnd);
}

void refit_maximised_children() {
    for (int i = 1; i <= MaxWindow; ++i) {
        const HWND frame = window(i).frame;
        if (!frame) continue;
        const auto style = static_cast<DWORD>(GetWindowLongPtrA(frame, GWL_STYLE));
        if (!(style & WS_CHILD) || !(style & WS_MAXIMIZE)) continue;
        SetWindowLongPtrA(frame, GWL_STYLE, static_cast<LONG_PTR>(style & ~WS_MAXIMIZE));
        ShowWindow(frame, SW_SHOWMAXIMIZED);
    }
}

// Redraw and resize events that arise while no retrieval loop dispatches (inside platform calls
// the program makes between retrievals) wait in the window's pending slot.
void park_if_outside_retrieval(bool produced) {
    const CoreEvents& e = tk().events;
    if (produced && e.wValidMessage == 0 && !e.bExpectPaintResize) park_event(current_event());
}

LRESULT client_message(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND frame = GetParent(hwnd);
    switch (message) {
    case WM_SIZE: {
        if (window(0).client) ArrangeIconicWindows(window(0).client);
        UpdateWindow(hwnd);
        const bool produced = interpret(CodeResize, 0, wParam, lParam, hwnd);
        if (hwnd == window(0).client) refit_maximised_children();
        park_if_outside_retrieval(produced);
        return 0;
    }
    case WM_ACTIVATE:
        if (LOWORD(wParam)) yytitlecolour(frame);
        return DefWindowProcA(hwnd, message, wParam, lParam);
    case WM_SETFOCUS:
        tk().core.hWinCur = hwnd;
        tk().dialogs.hDlgCur = nullptr; // the keyboard is the window's, no dialog's
        if (!(hwnd == window(0).client && tk().core.wHideRoot))
            SetWindowPos(frame, HWND_TOP, 0, 0, 0, 0, RaiseFlags);
        return 0;
    case WM_PAINT: {
        realise_toolkit_palette(hwnd);
        if (tk().dialogs.wBlitOn) {
            paint_from_snapshot(hwnd);
            return 0;
        }
        const bool produced = interpret(CodeRedraw, 0, wParam, lParam, hwnd);
        DefWindowProcA(hwnd, message, wParam, lParam);
        park_if_outside_retrieval(produced);
        return 0;
    }
    case WM_SETCURSOR:
        if (tk().core.wCursor && LOWORD(lParam) == HTCLIENT) {
            SetCursor(tk().core.wCursor);
            return TRUE;
        }
        return DefWindowProcA(hwnd, message, wParam, lParam);
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
        interpret(CodeFrameClick, button_of(message), wParam, lParam, hwnd);
        raise_frame(frame);
        return DefWindowProcA(hwnd, message, wParam, lParam);
    case WM_KEYDOWN:
        on_key_down(hwnd, wParam, lParam);
        return 0;
    case WM_CHAR:
        interpret(CodeKey, 0, wParam & 0xFF, lParam, hwnd);
        return 0;
    case WM_TIMER:
        if (wParam == WaitTimerId) tk().waitTimer = 0;
        KillTimer(hwnd, wParam);
        return DefWindowProcA(hwnd, message, wParam, lParam);
    case WM_MOUSEMOVE:
        interpret(CodeMouseMove, 0, wParam, lParam, hwnd);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        SetCapture(hwnd);
        interpret(CodeButtonDown, button_of(message), wParam, lParam, hwnd);
        raise_frame(frame);
        return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        ReleaseCapture();
        interpret(CodeButtonUp, button_of(message), wParam, lParam, hwnd);
        return 0;
    case WM_PALETTECHANGED:
        // The window that changed the system palette has its colours already.
        if (reinterpret_cast<HWND>(wParam) != hwnd) realise_toolkit_palette(hwnd);
        return 0;
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

} // namespace

void tess::layout_frame(HWND frame) {
    const int n = yygetwindowindex(frame);
    if (n < 0) return;
    const HWND bar = window(n).statusBar;
    const HWND toolbar = n == 0 ? tk().menus.hWndToolbar : nullptr;
    if (toolbar) SendMessageA(toolbar, TB_AUTOSIZE, 0, 0);
    if (bar) SendMessageA(bar, WM_SIZE, 0, 0);
    RECT r;
    GetClientRect(frame, &r);
    r.top += height_of(toolbar);
    r.bottom -= height_of(bar);
    const HWND client = window(n).client;
    if (!client) return;
    SetWindowPos(client, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOCOPYBITS | SWP_NOACTIVATE);
    UpdateWindow(client);
}

LRESULT CALLBACK yyWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!tk().core.wWindowOpen) return DefWindowProcA(hwnd, message, wParam, lParam);
    return frame_message(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK yyWndProcClient(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!tk().core.wWindowOpen) return DefWindowProcA(hwnd, message, wParam, lParam);
    return client_message(hwnd, message, wParam, lParam);
}
