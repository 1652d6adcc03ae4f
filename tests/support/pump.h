// Runs the queue dry the way a program's message loop does, characters made from keys included.
#pragma once

#include <windows.h>

namespace testsupport {

// Returns whether WM_QUIT came by.
inline bool pump_messages() {
    MSG msg;
    bool quit = false;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        quit |= msg.message == WM_QUIT;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return quit;
}

} // namespace testsupport
