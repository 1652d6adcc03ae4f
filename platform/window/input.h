// Input as it arrives from a backend (or a test): raw records in the hardware queue, addressed
// to a window only when the program reads them.
#pragma once

#include <cstdint>

#include <windows.h>

namespace plat {

// One event from a device, as it was when it happened.
struct InputRecord {
    enum class Kind : std::uint8_t { Key, Pointer, Wheel };
    Kind kind = Kind::Key;
    DWORD time = 0;
    POINT pt{}; // the pointer's screen position then
    // Keys: the virtual key, the character this press types (0 for none), and the lParam the
    // key message carries (repeat count, scan code, extended, context, previous and transition).
    int vk = 0;
    char character = 0;
    bool altDown = false;
    LPARAM keyBits = 0;
    // Pointer: the button (0 left, 1 right, 2 middle, -1 a move) and the MK_ flags after it.
    int button = -1;
    bool pressed = false;
    WPARAM keyFlags = 0;
    int wheelDelta = 0;
};

// A key press or release by virtual-key code, with the character it types (0 for none).
// lParamBits go into the key messages' lParam as they are: the scan code and extended-key bit.
void inject_key(int vk, char character, bool pressed, LPARAM lParamBits = 0);
// The toggle state of a lock key as the native keyboard has it (it may change in other programs).
void set_key_toggled(int vk, bool on);
// Pointer moves and buttons (0 left, 1 right, 2 middle) at screen positions.
void inject_mouse_move(POINT screen);
void inject_mouse(POINT screen, int button, bool pressed);
// A wheel turn of delta (WHEEL_DELTA per notch, positive away from the user) at a position; it
// goes to the window with the focus.
void inject_wheel(POINT screen, int delta);
// The deepest visible window under a screen point.
HWND window_at(POINT screen);
// The window under a screen point beneath `covering`: its later siblings first (their children
// included), then its parent; null for a top-level window with nothing beneath it.
HWND window_beneath(HWND covering, POINT screen);
void reset_input();

// What a record is when read now: the capture, the focus or the window under the point decides
// the target (the hit test is asked). False when no window would take it.
struct AddressedInput {
    MSG msg{};
    LRESULT hit = HTNOWHERE;
    bool grabbed = false; // held by the window the button went down in, outside every window
    bool refused = false; // its window, an ancestor or the owner is disabled
};
bool address_input(const InputRecord& record, AddressedInput& out);
// The program takes the record: the cursor is set, activation and double clicks are decided,
// key state follows. False when it goes no further (refused, or a click activation ate).
bool deliver_input(const InputRecord& record, AddressedInput& in);

} // namespace plat
