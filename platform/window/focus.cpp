// Keyboard focus and activation of top-level windows.
#include "backend/backend.h"
#include "window/window_internal.h"
#include "window/window_table.h"

namespace plat {
namespace {

struct FocusState {
    HWND focus = nullptr;
    HWND active = nullptr;
};

FocusState& state() {
    static FocusState s;
    return s;
}

HWND top_level_of(HWND hwnd) {
    const Window* w = lookup(hwnd);
    while (w && (w->style & WS_CHILD)) {
        hwnd = w->parent;
        w = lookup(hwnd);
    }
    return w ? hwnd : nullptr;
}

// The whole program hears when it gains or loses activation: every top-level window.
void tell_application(BOOL active) {
    const std::vector<HWND> windows = top_level_order();
    for (HWND h : windows)
        if (lookup(h)) SendMessageA(h, WM_ACTIVATEAPP, active, 0);
}

void deactivate(HWND previous, HWND next) {
    if (!lookup(previous)) return;
    SendMessageA(previous, WM_NCACTIVATE, FALSE, reinterpret_cast<LPARAM>(next));
    SendMessageA(previous, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 0), reinterpret_cast<LPARAM>(next));
    if (!next) tell_application(FALSE);
}

// The next window to take over activation: the topmost visible, enabled top-level window.
HWND next_candidate(HWND leaving) {
    for (HWND h : top_level_order())
        if (h != leaving && IsWindowVisible(h) && IsWindowEnabled(h)) return h;
    return nullptr;
}

} // namespace

void activate_window(HWND hwnd, WORD how) {
    FocusState& s = state();
    hwnd = top_level_of(hwnd);
    if (!hwnd || s.active == hwnd) return;
    const HWND previous = s.active;
    // A window already in front is not asked to move.
    if (!is_top_of_z_order(hwnd))
        SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    if (!lookup(hwnd)) return;
    s.active = hwnd;
    deactivate(previous, hwnd);
    if (!lookup(hwnd) || s.active != hwnd) return;
    // On a palette screen the window being activated may realise its palette first.
    if (backend().bits_per_pixel() == 8) SendMessageA(hwnd, WM_QUERYNEWPALETTE, 0, 0);
    if (!lookup(hwnd)) return;
    if (!previous || !lookup(previous)) tell_application(TRUE);
    if (!lookup(hwnd) || s.active != hwnd) return;
    SendMessageA(hwnd, WM_NCACTIVATE, TRUE, reinterpret_cast<LPARAM>(previous));
    SendMessageA(hwnd, WM_ACTIVATE, MAKEWPARAM(how, 0), reinterpret_cast<LPARAM>(previous));
}

void window_losing_activation(HWND hwnd) {
    FocusState& s = state();
    if (s.active != hwnd) {
        // A child that holds the focus hands it to its parent.
        if (IsChild(hwnd, s.focus) || s.focus == hwnd) {
            const HWND parent = GetParent(hwnd);
            SetFocus(lookup(parent) && (lookup(hwnd)->style & WS_CHILD) ? parent : nullptr);
        }
        return;
    }
    if (activate_next_window(hwnd)) return;
    s.active = nullptr;
    deactivate(hwnd, nullptr);
    if (s.focus) SetFocus(nullptr);
}

bool activate_next_window(HWND leaving) {
    const HWND next = next_candidate(leaving);
    if (!next) return false;
    activate_window(next, WA_ACTIVE);
    return true;
}

void deactivate_application() {
    FocusState& s = state();
    const HWND previous = s.active;
    if (!previous) return;
    s.active = nullptr;
    deactivate(previous, nullptr);
    if (s.focus) SetFocus(nullptr);
}

void window_released(HWND hwnd) {
    FocusState& s = state();
    if (s.focus == hwnd) s.focus = nullptr;
    if (s.active == hwnd) s.active = nullptr;
}

} // namespace plat

using namespace plat;

HWND SetFocus(HWND hwnd) {
    FocusState& s = state();
    if (hwnd && !lookup(hwnd)) return nullptr;
    if (hwnd == s.focus) return hwnd;
    if (hwnd) {
        // Focus goes only to enabled windows that are not on their way out (a frame that is
        // handed the focus of its dying client must not pass it back), and activates their
        // top-level window first.
        for (HWND h = hwnd; h; h = (lookup(h)->style & WS_CHILD) ? lookup(h)->parent : nullptr)
            if (!IsWindowEnabled(h) || lookup(h)->destroying) return nullptr;
        const HWND top = top_level_of(hwnd);
        if (s.active != top) {
            activate_window(top, WA_ACTIVE);
            // The activation may have refused, or handed the focus on.
            if (!lookup(hwnd) || s.active != top) return nullptr;
        }
    }
    // The answer is the focus just before this change: after an activation, the window that
    // activation focused.
    const HWND previous = s.focus;
    if (hwnd == previous) return previous;
    s.focus = hwnd;
    if (lookup(previous)) SendMessageA(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
    if (s.focus == hwnd && lookup(hwnd))
        SendMessageA(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
    return previous;
}

HWND GetFocus() {
    return state().focus;
}

HWND SetActiveWindow(HWND hwnd) {
    const HWND previous = state().active;
    if (!lookup(hwnd) || !IsWindowEnabled(hwnd)) return nullptr;
    activate_window(hwnd, WA_ACTIVE);
    return previous;
}

HWND GetActiveWindow() {
    return state().active;
}

BOOL SetForegroundWindow(HWND hwnd) {
    return SetActiveWindow(hwnd) != nullptr || GetActiveWindow() == hwnd;
}
