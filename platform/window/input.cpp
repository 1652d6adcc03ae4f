// Keyboard and mouse input: key state, translation to characters, capture, the pointer, and
// routing of native input to the window that receives it.
#include "window/input.h"

#include <array>

#include "backend/backend.h"
#include "window/message_queue.h"
#include "window/window_internal.h"
#include "window/window_table.h"

namespace plat {
namespace {

struct InputState {
    std::array<BYTE, 256> keys{};   // bit 7 down, bit 0 toggled
    std::array<BYTE, 256> synced{}; // the same, as of the last input message taken
    std::array<char, 256> typed{};  // the character the last key-down of each key types
    POINT cursor{};
    HWND capture = nullptr;
    DWORD lastClickTime = 0;
    POINT lastClickPos{};
    UINT lastClickMessage = 0;
    HWND lastClickWindow = nullptr;
    HWND pressTarget = nullptr; // where the held button went down: it keeps the pointer
};

InputState& input() {
    static InputState s;
    return s;
}

constexpr DWORD DoubleClickTime = 500;
constexpr int DoubleClickDistance = 4;

bool down(int vk) {
    return (input().keys[static_cast<BYTE>(vk)] & 0x80) != 0;
}

WPARAM mouse_key_flags() {
    WPARAM f = 0;
    if (down(VK_LBUTTON)) f |= MK_LBUTTON;
    if (down(VK_RBUTTON)) f |= MK_RBUTTON;
    if (down(VK_MBUTTON)) f |= MK_MBUTTON;
    if (down(VK_SHIFT)) f |= MK_SHIFT;
    if (down(VK_CONTROL)) f |= MK_CONTROL;
    return f;
}

// Input goes nowhere while the window, an ancestor or the owner of its top-level window is
// disabled.
bool accepts_input(HWND hwnd) {
    for (const Window* w = lookup(hwnd); w;) {
        if (w->style & WS_DISABLED) return false;
        if (w->style & WS_CHILD)
            w = lookup(w->parent);
        else
            return true;
    }
    return false;
}

HWND child_at(HWND parent, POINT screen) {
    const Window* w = lookup(parent);
    if (!w) return nullptr;
    for (HWND c : w->children) {
        if (!IsWindowVisible(c)) continue;
        const RECT r = screen_rect(c);
        if (PtInRect(&r, screen)) return child_at(c, screen);
    }
    return parent;
}

void post(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    MSG m{hwnd, message, wParam, lParam, GetTickCount(), input().cursor};
    post_input(m);
}

UINT button_message(int button, bool pressed, bool doubleClick) {
    const UINT base = button == 0 ? WM_LBUTTONDOWN : button == 1 ? WM_RBUTTONDOWN : WM_MBUTTONDOWN;
    return pressed ? (doubleClick ? base + 2 : base) : base + 1;
}

} // namespace

HWND window_at(POINT screen) {
    for (HWND top : top_level_order()) {
        if (!IsWindowVisible(top)) continue;
        const RECT r = screen_rect(top);
        if (PtInRect(&r, screen)) return child_at(top, screen);
    }
    return nullptr;
}

void inject_key(int vk, char character, bool pressed, LPARAM lParamBits) {
    InputState& s = input();
    const BYTE key = static_cast<BYTE>(vk);
    const bool wasDown = down(vk);
    if (pressed) {
        if (!wasDown) s.keys[key] ^= 1;
        s.keys[key] |= 0x80;
        s.typed[key] = character;
    } else {
        s.keys[key] &= static_cast<BYTE>(~0x80);
    }
    HWND target = GetFocus();
    const bool alt = down(VK_MENU);
    // F10 and the Alt key itself are system keys too: they belong to the menu bar.
    const bool system = alt || vk == VK_MENU || vk == VK_F10 || !target;
    if (!target) target = GetActiveWindow();
    if (!target || !accepts_input(target)) {
        s.synced[key] = s.keys[key];
        return;
    }
    // Repeat count 1, the context bit for Alt, the previous state and the transition bit.
    LPARAM lParam = 1 | lParamBits;
    if (alt) lParam |= 1 << 29;
    if (wasDown) lParam |= 1 << 30;
    if (!pressed) lParam |= static_cast<LPARAM>(1u << 31);
    const UINT message =
        pressed ? (system ? WM_SYSKEYDOWN : WM_KEYDOWN) : (system ? WM_SYSKEYUP : WM_KEYUP);
    post(target, message, static_cast<WPARAM>(vk), lParam);
}

void set_key_toggled(int vk, bool on) {
    // Both views at once: a lock changed elsewhere is no message this program reads.
    for (BYTE* k : {&input().keys[static_cast<BYTE>(vk)], &input().synced[static_cast<BYTE>(vk)]})
        *k = static_cast<BYTE>(on ? (*k | 1) : (*k & ~1));
}

void inject_mouse_move(POINT screen) {
    inject_mouse(screen, -1, false);
}

void inject_mouse(POINT screen, int button, bool pressed) {
    InputState& s = input();
    s.cursor = screen;
    if (button >= 0) {
        const int vk = button == 0 ? VK_LBUTTON : button == 1 ? VK_RBUTTON : VK_MBUTTON;
        if (pressed)
            s.keys[static_cast<BYTE>(vk)] |= 0x80;
        else
            s.keys[static_cast<BYTE>(vk)] &= static_cast<BYTE>(~0x80);
    }
    const bool held = down(VK_LBUTTON) || down(VK_RBUTTON) || down(VK_MBUTTON);
    HWND hwnd = s.capture ? s.capture : window_at(screen);
    // Like a native pointer grab: while a button is held, the pointer stays with the window
    // it was pressed in, even outside every window.
    const bool grabbed = !hwnd && !s.capture && lookup(s.pressTarget) && (held || !pressed);
    if (grabbed) hwnd = s.pressTarget;
    if (!hwnd) return;
    if (button >= 0 && pressed) s.pressTarget = hwnd;
    const LRESULT hit =
        s.capture ? HTCLIENT
        : grabbed
            ? HTNOWHERE
            : SendMessageA(hwnd, WM_NCHITTEST, 0,
                           MAKELPARAM(static_cast<WORD>(screen.x), static_cast<WORD>(screen.y)));
    if (!lookup(hwnd)) return;
    const bool enabled = accepts_input(hwnd);
    const UINT mouseMessage = button < 0 ? WM_MOUSEMOVE : button_message(button, pressed, false);
    if (!s.capture)
        SendMessageA(hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(hwnd),
                     MAKELPARAM(static_cast<WORD>(enabled ? hit : HTERROR),
                                static_cast<WORD>(mouseMessage)));
    if (!enabled || !lookup(hwnd)) return;

    if (button >= 0 && pressed && !s.capture) {
        HWND top = hwnd;
        while (lookup(top) && (lookup(top)->style & WS_CHILD))
            top = lookup(top)->parent;
        if (GetActiveWindow() != top) {
            const LRESULT how =
                SendMessageA(hwnd, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(top),
                             MAKELPARAM(static_cast<WORD>(hit), static_cast<WORD>(mouseMessage)));
            if (how == MA_ACTIVATE || how == MA_ACTIVATEANDEAT)
                activate_window(top, WA_CLICKACTIVE);
            if (how == MA_ACTIVATEANDEAT || how == MA_NOACTIVATEANDEAT || !lookup(hwnd)) return;
        }
    }

    bool doubleClick = false;
    if (button >= 0 && pressed) {
        const DWORD now = GetTickCount();
        const UINT base = button_message(button, true, false);
        doubleClick = s.lastClickWindow == hwnd && s.lastClickMessage == base &&
                      now - s.lastClickTime < DoubleClickTime &&
                      std::abs(screen.x - s.lastClickPos.x) <= DoubleClickDistance &&
                      std::abs(screen.y - s.lastClickPos.y) <= DoubleClickDistance &&
                      (GetClassLongPtrA(hwnd, GCL_STYLE) & CS_DBLCLKS);
        s.lastClickTime = doubleClick ? 0 : now;
        s.lastClickPos = screen;
        s.lastClickMessage = base;
        s.lastClickWindow = hwnd;
    }
    if (hit == HTCLIENT) {
        POINT c = screen;
        ScreenToClient(hwnd, &c);
        const UINT message =
            button < 0 ? WM_MOUSEMOVE : button_message(button, pressed, doubleClick);
        post(hwnd, message, mouse_key_flags(),
             MAKELPARAM(static_cast<WORD>(c.x), static_cast<WORD>(c.y)));
    } else {
        const UINT message = button < 0 ? WM_NCMOUSEMOVE
                                        : WM_NCLBUTTONDOWN +
                                              (button == 0   ? 0
                                               : button == 1 ? 3
                                                             : 6) +
                                              (pressed ? 0 : 1);
        post(hwnd, message, static_cast<WPARAM>(hit),
             MAKELPARAM(static_cast<WORD>(screen.x), static_cast<WORD>(screen.y)));
    }
}

void inject_wheel(POINT screen, int delta) {
    input().cursor = screen;
    const HWND target = GetFocus();
    if (!target || !accepts_input(target)) return;
    post(target, WM_MOUSEWHEEL,
         MAKEWPARAM(static_cast<WORD>(mouse_key_flags()),
                    static_cast<WORD>(static_cast<SHORT>(delta))),
         MAKELPARAM(static_cast<WORD>(screen.x), static_cast<WORD>(screen.y)));
}

void input_message_taken(const MSG& msg) {
    auto set = [](int vk, bool pressed) {
        BYTE& k = input().synced[static_cast<BYTE>(vk)];
        if (pressed && !(k & 0x80)) k ^= 1;
        k = pressed ? static_cast<BYTE>(k | 0x80) : static_cast<BYTE>(k & ~0x80);
    };
    switch (msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP: {
        const bool pressed = msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN;
        set(static_cast<int>(msg.wParam), pressed);
        break;
    }
    default:
        break;
    }
    // Mouse buttons: every mouse message carries the state of the buttons with it.
    if (msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST &&
        msg.message != WM_MOUSEWHEEL) {
        set(VK_LBUTTON, msg.wParam & MK_LBUTTON);
        set(VK_RBUTTON, msg.wParam & MK_RBUTTON);
        set(VK_MBUTTON, msg.wParam & MK_MBUTTON);
    }
}

void reset_input() {
    input() = InputState{};
}

} // namespace plat

using namespace plat;

SHORT GetKeyState(int key) {
    const BYTE s = input().synced[static_cast<BYTE>(key)];
    return static_cast<SHORT>(((s & 0x80) ? 0x8000 : 0) | (s & 1));
}

SHORT GetAsyncKeyState(int key) {
    return static_cast<SHORT>(down(key) ? 0x8000 : 0);
}

BOOL TranslateMessage(const MSG* msg) {
    if (!msg || (msg->message != WM_KEYDOWN && msg->message != WM_SYSKEYDOWN)) return FALSE;
    const char c = input().typed[static_cast<BYTE>(msg->wParam)];
    if (!c) return FALSE;
    MSG m = *msg;
    m.message = msg->message == WM_KEYDOWN ? WM_CHAR : WM_SYSCHAR;
    m.wParam = static_cast<BYTE>(c);
    post_front(m);
    return TRUE;
}

HWND SetCapture(HWND hwnd) {
    InputState& s = input();
    const HWND previous = s.capture;
    if (!lookup(hwnd)) return previous;
    s.capture = hwnd;
    backend().capture_changed(hwnd);
    if (previous && previous != hwnd)
        SendMessageA(previous, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd));
    return previous;
}

BOOL ReleaseCapture() {
    InputState& s = input();
    const HWND previous = s.capture;
    s.capture = nullptr;
    if (previous) backend().capture_changed(nullptr);
    if (previous) SendMessageA(previous, WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}

HWND GetCapture() {
    return input().capture;
}

BOOL GetCursorPos(POINT* point) {
    if (!point) return FALSE;
    *point = input().cursor;
    return TRUE;
}

BOOL SetCursorPos(int x, int y) {
    const SIZE s = backend().screen_size();
    input().cursor = {std::clamp<LONG>(x, 0, s.cx - 1), std::clamp<LONG>(y, 0, s.cy - 1)};
    backend().cursor_moved(input().cursor);
    return TRUE;
}

HWND WindowFromPoint(POINT point) {
    return window_at(point);
}

BOOL MessageBeep(UINT) {
    backend().bell();
    return TRUE;
}
