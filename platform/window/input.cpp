// Keyboard and mouse input: the devices' state, records for the hardware queue, translation to
// characters, capture and the pointer.
#include "window/input.h"

#include <algorithm>

#include "backend/backend.h"
#include "window/input_state.h"
#include "window/message_queue.h"
#include "window/window_internal.h"
#include "window/window_table.h"

namespace plat {
namespace {

bool down(int vk) {
    return (input_state().keys[static_cast<BYTE>(vk)] & 0x80) != 0;
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

InputRecord record_now(InputRecord::Kind kind) {
    InputRecord r;
    r.kind = kind;
    r.time = GetTickCount();
    r.pt = input_state().cursor;
    return r;
}

} // namespace

InputState& input_state() {
    static InputState s;
    return s;
}

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

HWND window_at(POINT screen) {
    for (HWND top : top_level_order()) {
        if (!IsWindowVisible(top)) continue;
        const RECT r = screen_rect(top);
        if (PtInRect(&r, screen)) return child_at(top, screen);
    }
    return nullptr;
}

HWND window_beneath(HWND covering, POINT screen) {
    const Window* w = lookup(covering);
    if (!w) return nullptr;
    const bool child = (w->style & WS_CHILD) != 0;
    const Window* parent = child ? lookup(w->parent) : nullptr;
    if (child && !parent) return nullptr;
    const std::vector<HWND>& siblings = child ? parent->children : top_level_order();
    auto it = std::find(siblings.begin(), siblings.end(), covering);
    if (it == siblings.end()) return nullptr;
    for (++it; it != siblings.end(); ++it) {
        if (!IsWindowVisible(*it)) continue;
        const RECT r = screen_rect(*it);
        if (PtInRect(&r, screen)) return child_at(*it, screen);
    }
    return child ? w->parent : nullptr;
}

// The devices' state changes now; which window hears of it is decided when it is read.
void inject_key(int vk, char character, bool pressed, LPARAM lParamBits) {
    InputState& s = input_state();
    const BYTE key = static_cast<BYTE>(vk);
    const bool wasDown = down(vk);
    if (pressed) {
        if (!wasDown) s.keys[key] ^= 1;
        s.keys[key] |= 0x80;
    } else {
        s.keys[key] &= static_cast<BYTE>(~0x80);
    }
    InputRecord r = record_now(InputRecord::Kind::Key);
    r.vk = vk;
    r.character = pressed ? character : 0;
    r.pressed = pressed;
    r.altDown = down(VK_MENU);
    // Repeat count 1, the context bit for Alt, the previous state and the transition bit.
    r.keyBits = 1 | lParamBits;
    if (r.altDown) r.keyBits |= 1 << 29;
    if (wasDown) r.keyBits |= 1 << 30;
    if (!pressed) r.keyBits |= static_cast<LPARAM>(1u << 31);
    queue_input(r);
}

void set_key_toggled(int vk, bool on) {
    // Both views at once: a lock changed elsewhere is no message this program reads.
    for (BYTE* k :
         {&input_state().keys[static_cast<BYTE>(vk)], &input_state().synced[static_cast<BYTE>(vk)]})
        *k = static_cast<BYTE>(on ? (*k | 1) : (*k & ~1));
}

void inject_mouse_move(POINT screen) {
    inject_mouse(screen, -1, false);
}

void inject_mouse(POINT screen, int button, bool pressed) {
    InputState& s = input_state();
    s.cursor = screen;
    if (button >= 0) {
        const int vk = button == 0 ? VK_LBUTTON : button == 1 ? VK_RBUTTON : VK_MBUTTON;
        if (pressed)
            s.keys[static_cast<BYTE>(vk)] |= 0x80;
        else
            s.keys[static_cast<BYTE>(vk)] &= static_cast<BYTE>(~0x80);
    }
    InputRecord r = record_now(InputRecord::Kind::Pointer);
    r.button = button;
    r.pressed = pressed;
    r.keyFlags = mouse_key_flags();
    queue_input(r);
}

void inject_wheel(POINT screen, int delta) {
    input_state().cursor = screen;
    InputRecord r = record_now(InputRecord::Kind::Wheel);
    r.wheelDelta = delta;
    r.keyFlags = mouse_key_flags();
    queue_input(r);
}

void reset_input() {
    input_state() = InputState{};
}

} // namespace plat

using namespace plat;

SHORT GetKeyState(int key) {
    const BYTE s = input_state().synced[static_cast<BYTE>(key)];
    return static_cast<SHORT>(((s & 0x80) ? 0x8000 : 0) | (s & 1));
}

SHORT GetAsyncKeyState(int key) {
    return static_cast<SHORT>(down(key) ? 0x8000 : 0);
}

BOOL TranslateMessage(const MSG* msg) {
    if (!msg || (msg->message != WM_KEYDOWN && msg->message != WM_SYSKEYDOWN)) return FALSE;
    // The press this message came from, newest first; a key message made by the program itself
    // types what the last press of that key typed.
    const InputState& s = input_state();
    char c = s.typed[static_cast<BYTE>(msg->wParam)];
    for (std::size_t i = s.takenCount; i-- > 0;) {
        const MSG& t = s.taken[i].msg;
        if (t.wParam == msg->wParam && t.lParam == msg->lParam && t.time == msg->time) {
            c = s.taken[i].character;
            break;
        }
    }
    if (!c) return FALSE;
    MSG m = *msg;
    m.message = msg->message == WM_KEYDOWN ? WM_CHAR : WM_SYSCHAR;
    m.wParam = static_cast<BYTE>(c);
    post_front(m);
    return TRUE;
}

HWND SetCapture(HWND hwnd) {
    InputState& s = input_state();
    const HWND previous = s.capture;
    if (!lookup(hwnd)) return previous;
    s.capture = hwnd;
    backend().capture_changed(hwnd);
    if (previous && previous != hwnd)
        SendMessageA(previous, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd));
    return previous;
}

BOOL ReleaseCapture() {
    InputState& s = input_state();
    const HWND previous = s.capture;
    s.capture = nullptr;
    if (previous) backend().capture_changed(nullptr);
    if (previous) SendMessageA(previous, WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}

HWND GetCapture() {
    return input_state().capture;
}

BOOL GetCursorPos(POINT* point) {
    if (!point) return FALSE;
    *point = input_state().cursor;
    return TRUE;
}

BOOL SetCursorPos(int x, int y) {
    const SIZE s = backend().screen_size();
    input_state().cursor = {std::clamp<LONG>(x, 0, s.cx - 1), std::clamp<LONG>(y, 0, s.cy - 1)};
    backend().cursor_moved(input_state().cursor);
    return TRUE;
}

HWND WindowFromPoint(POINT point) {
    return window_at(point);
}

BOOL MessageBeep(UINT) {
    backend().bell();
    return TRUE;
}
