// Operations the window-manager files share among themselves.
#pragma once

#include <vector>

#include <windows.h>

#include "gdi/surface.h"

namespace plat {

// Flags the platform adds to WINDOWPOS: the client area kept its size or place; the window
// changed between normal, minimised and maximised.
constexpr UINT SwpNoClientSize = 0x0800, SwpNoClientMove = 0x1000, SwpStateChanged = 0x8000;

// Top-level windows, topmost first.
std::vector<HWND>& top_level_order();
// The surface of the window's top-level ancestor.
Surface& surface_of(HWND hwnd);
// Hands every top-level surface's damage to the backend; runs whenever the program waits.
void flush_damage();
// Flushes, then lets the backend wait up to timeoutMs for input (see Backend::wait_for_input).
bool wait_for_backend(int timeoutMs);

// The window's rectangle and client rectangle in screen coordinates.
RECT screen_rect(HWND hwnd);
RECT screen_client_rect(HWND hwnd);

// WM_SIZE and WM_MOVE describing the window's current client area.
void send_size(HWND hwnd);
void send_move(HWND hwnd);
void send_size_and_move(HWND hwnd);
// The window's limits, defaults filled in and WM_GETMINMAXINFO asked.
MINMAXINFO min_max_info(HWND hwnd);
// Whether a top-level window already stands first in the z-order.
bool is_top_of_z_order(HWND hwnd);
// Hands activation to the next candidate; false when there is none.
bool activate_next_window(HWND leaving);
// Whether the window or one of its ancestors is minimised.
bool iconic_or_under_iconic(HWND hwnd);

// Focus, activation and capture let go of a window that is about to disappear.
void window_losing_activation(HWND hwnd);
void window_released(HWND hwnd);
void forget_window_timers(HWND hwnd);

// Tells the backend what a top-level window's surface is (at creation, and when its title,
// style or owner changed).
struct SurfaceDescription;
SurfaceDescription surface_description(HWND hwnd);
void describe_surface(HWND hwnd);

// Activates a top-level window with the given WA_ code.
void activate_window(HWND hwnd, WORD how);
// Another program took the keyboard: the active window is deactivated and none takes over.
void deactivate_application();

} // namespace plat
