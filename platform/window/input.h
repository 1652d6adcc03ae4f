// Input as it arrives from a backend (or a test), routed as the platform routes it.
#pragma once

#include <windows.h>

namespace plat {

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
void reset_input();

// The queue took an input message: the key state the program sees (GetKeyState) follows the
// messages it has read, while GetAsyncKeyState follows the devices.
void input_message_taken(const MSG& msg);

} // namespace plat
