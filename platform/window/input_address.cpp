// Turning a device's record into a message when the program reads it: the window it goes to,
// the hit test, the cursor, activation by a click, double clicks and the key state.
#include <cstdlib>

#include "window/input.h"
#include "window/input_state.h"
#include "window/window_internal.h"
#include "window/window_table.h"

namespace plat {
namespace {

constexpr DWORD DoubleClickTime = 500;
constexpr int DoubleClickDistance = 4;

UINT button_message(int button, bool pressed, bool doubleClick) {
    const UINT base = button == 0 ? WM_LBUTTONDOWN : button == 1 ? WM_RBUTTONDOWN : WM_MBUTTONDOWN;
    return pressed ? (doubleClick ? base + 2 : base) : base + 1;
}

UINT nonclient_message(int button, bool pressed) {
    if (button < 0) return WM_NCMOUSEMOVE;
    return WM_NCLBUTTONDOWN + (button == 0 ? 0 : button == 1 ? 3 : 6) + (pressed ? 0 : 1);
}

LPARAM point_lparam(POINT p) {
    return MAKELPARAM(static_cast<WORD>(p.x), static_cast<WORD>(p.y));
}

// GetKeyState follows the messages read, GetAsyncKeyState the devices.
void sync_key(int vk, bool pressed) {
    BYTE& k = input_state().synced[static_cast<BYTE>(vk)];
    if (pressed && !(k & 0x80)) k ^= 1;
    k = pressed ? static_cast<BYTE>(k | 0x80) : static_cast<BYTE>(k & ~0x80);
}

void sync_buttons(WPARAM flags) {
    sync_key(VK_LBUTTON, flags & MK_LBUTTON);
    sync_key(VK_RBUTTON, flags & MK_RBUTTON);
    sync_key(VK_MBUTTON, flags & MK_MBUTTON);
}

bool address_key(const InputRecord& r, AddressedInput& out) {
    HWND target = GetFocus();
    // F10 and the Alt key itself are system keys too: they belong to the menu bar.
    const bool system = r.altDown || r.vk == VK_MENU || r.vk == VK_F10 || !target;
    if (!target) target = GetActiveWindow();
    out.refused = !target || !accepts_input(target);
    out.msg.hwnd = target;
    out.msg.message =
        r.pressed ? (system ? WM_SYSKEYDOWN : WM_KEYDOWN) : (system ? WM_SYSKEYUP : WM_KEYUP);
    out.msg.wParam = static_cast<WPARAM>(r.vk);
    out.msg.lParam = r.keyBits;
    return true;
}

bool address_wheel(const InputRecord& r, AddressedInput& out) {
    const HWND target = GetFocus();
    out.refused = !target || !accepts_input(target);
    out.msg.hwnd = target;
    out.msg.message = WM_MOUSEWHEEL;
    out.msg.wParam = MAKEWPARAM(static_cast<WORD>(r.keyFlags),
                                static_cast<WORD>(static_cast<SHORT>(r.wheelDelta)));
    out.msg.lParam = point_lparam(r.pt);
    return true;
}

bool address_pointer(const InputRecord& r, AddressedInput& out) {
    const InputState& s = input_state();
    const bool held = r.keyFlags & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON);
    HWND hwnd = s.capture ? s.capture : window_at(r.pt);
    // Like a native pointer grab: while a button is held, the pointer stays with the window
    // it was pressed in, even outside every window.
    out.grabbed = !hwnd && !s.capture && lookup(s.pressTarget) && (held || !r.pressed);
    if (out.grabbed) hwnd = s.pressTarget;
    if (!hwnd) return false;
    out.hit = s.capture     ? HTCLIENT
              : out.grabbed ? HTNOWHERE
                            : SendMessageA(hwnd, WM_NCHITTEST, 0, point_lparam(r.pt));
    // A window answering HTTRANSPARENT (a group box, a plain label) lets the point through to
    // the windows beneath it.
    while (out.hit == HTTRANSPARENT && !s.capture && !out.grabbed) {
        const HWND beneath = window_beneath(hwnd, r.pt);
        if (!beneath) break;
        hwnd = beneath;
        out.hit = SendMessageA(hwnd, WM_NCHITTEST, 0, point_lparam(r.pt));
    }
    if (!lookup(hwnd)) return false;
    out.refused = !accepts_input(hwnd);
    out.msg.hwnd = hwnd;
    if (out.hit == HTCLIENT) {
        POINT c = r.pt;
        ScreenToClient(hwnd, &c);
        out.msg.message = r.button < 0 ? WM_MOUSEMOVE : button_message(r.button, r.pressed, false);
        out.msg.wParam = r.keyFlags;
        out.msg.lParam = point_lparam(c);
    } else {
        out.msg.message = nonclient_message(r.button, r.pressed);
        out.msg.wParam = static_cast<WPARAM>(out.hit);
        out.msg.lParam = point_lparam(r.pt);
    }
    return true;
}

// A press on an inactive top-level window asks whether to activate it and whether the click
// goes on; false when it was eaten.
bool click_activation(HWND hwnd, LRESULT hit, UINT mouseMessage) {
    HWND top = hwnd;
    while (lookup(top) && (lookup(top)->style & WS_CHILD))
        top = lookup(top)->parent;
    if (GetActiveWindow() == top) return true;
    const LRESULT how =
        SendMessageA(hwnd, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(top),
                     MAKELPARAM(static_cast<WORD>(hit), static_cast<WORD>(mouseMessage)));
    if (how == MA_ACTIVATE || how == MA_ACTIVATEANDEAT) activate_window(top, WA_CLICKACTIVE);
    return how != MA_ACTIVATEANDEAT && how != MA_NOACTIVATEANDEAT && lookup(hwnd);
}

bool is_double_click(const InputRecord& r, HWND hwnd) {
    InputState& s = input_state();
    const UINT base = button_message(r.button, true, false);
    const bool twice = s.lastClickWindow == hwnd && s.lastClickMessage == base &&
                       r.time - s.lastClickTime < DoubleClickTime &&
                       std::abs(r.pt.x - s.lastClickPos.x) <= DoubleClickDistance &&
                       std::abs(r.pt.y - s.lastClickPos.y) <= DoubleClickDistance &&
                       (GetClassLongPtrA(hwnd, GCL_STYLE) & CS_DBLCLKS);
    s.lastClickTime = twice ? 0 : r.time;
    s.lastClickPos = r.pt;
    s.lastClickMessage = base;
    s.lastClickWindow = hwnd;
    return twice;
}

bool deliver_pointer(const InputRecord& r, AddressedInput& in) {
    InputState& s = input_state();
    const HWND hwnd = in.msg.hwnd;
    const bool press = r.button >= 0 && r.pressed;
    if (press) s.pressTarget = hwnd;
    const UINT mouseMessage =
        r.button < 0 ? WM_MOUSEMOVE : button_message(r.button, r.pressed, false);
    if (!s.capture)
        SendMessageA(hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(hwnd),
                     MAKELPARAM(static_cast<WORD>(in.refused ? HTERROR : in.hit),
                                static_cast<WORD>(mouseMessage)));
    // The buttons' state follows even a refused or eaten click: its release must not look held.
    sync_buttons(r.keyFlags);
    if (in.refused || !lookup(hwnd)) return false;
    if (press && !s.capture && !click_activation(hwnd, in.hit, mouseMessage)) return false;
    if (press && is_double_click(r, hwnd) && in.hit == HTCLIENT)
        in.msg.message = button_message(r.button, true, true);
    return true;
}

} // namespace

bool address_input(const InputRecord& r, AddressedInput& out) {
    out = AddressedInput{};
    out.msg.time = r.time;
    out.msg.pt = r.pt;
    switch (r.kind) {
    case InputRecord::Kind::Key:
        return address_key(r, out);
    case InputRecord::Kind::Wheel:
        return address_wheel(r, out);
    case InputRecord::Kind::Pointer:
        return address_pointer(r, out);
    }
    return false;
}

bool deliver_input(const InputRecord& r, AddressedInput& in) {
    InputState& s = input_state();
    switch (r.kind) {
    case InputRecord::Kind::Key:
        // A refused key still moves the key state: its release is no message either.
        sync_key(r.vk, r.pressed);
        if (in.refused) return false;
        if (r.pressed) {
            s.typed[static_cast<BYTE>(r.vk)] = r.character;
            if (s.takenCount == s.taken.size()) {
                std::move(s.taken.begin() + 1, s.taken.end(), s.taken.begin());
                --s.takenCount;
            }
            s.taken[s.takenCount++] = {in.msg, r.character};
        }
        return true;
    case InputRecord::Kind::Wheel:
        return !in.refused;
    case InputRecord::Kind::Pointer:
        return deliver_pointer(r, in);
    }
    return false;
}

} // namespace plat
