// How a top-level window of the layer maps onto an X window.
//
// A frame (anything but a captionless pop-up) is decorated by the window manager, so the X
// window shows only the part of the surface inside the layer's own caption and borders: the
// menu bar and the client area. The layer's screen coordinates stay the X root's coordinates
// for that part (the X window uses static gravity), so the client area is where the layer
// believes it is and pointer positions, pop-up menus and ClientToScreen agree with the X server.
// The layer's caption and borders lie where the window manager draws its own; no one sees them.
// Captionless pop-ups (menus, drop-down lists, tooltips) are override-redirect windows that
// show the whole surface.
#pragma once

#include <windows.h>

namespace plat::x11 {

bool is_managed(DWORD style);

// The part of the window shown natively, in the window's own coordinates (0,0 its top left).
RECT native_part(const RECT& window, DWORD style, DWORD exStyle, bool hasMenu);

// The layer's window rectangle that puts the native part at `native` (root coordinates).
RECT window_rect_for(const RECT& native, const RECT& window, DWORD style, DWORD exStyle,
                     bool hasMenu);

} // namespace plat::x11
