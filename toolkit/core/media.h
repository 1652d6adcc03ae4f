// Media devices playing for windows: one device identifier per window number (0 = none). The
// platform offers no media service yet, so no routine opens a device; closing goes through the
// context's media closer, which a media service installs.
#pragma once

#include <windows.h>

namespace tess {
constexpr UINT MediaNotifyMessage = 0x03B9; // a device reports that it has finished
using MediaCloser = void (*)(int device);
} // namespace tess

// Stops and closes window number's device, if it has one.
void yyclosemcidevice(int number);
// A device reported that it has finished: the first window holding it forgets it, and it is
// closed.
void yymedianotify(int device);
