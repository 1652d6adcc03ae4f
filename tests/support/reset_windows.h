// Ends a test's windows: every top-level window is destroyed (its children with it) and the
// queue and input state start afresh for the next test.
#pragma once

#include <vector>

#include <windows.h>

#include "window/input.h"
#include "window/message_queue.h"
#include "window/window_table.h"

namespace testsupport {

inline void destroy_every_window() {
    std::vector<HWND> all;
    plat::for_each_window([&](HWND h, const plat::Window& w) {
        if (!(w.style & WS_CHILD)) all.push_back(h);
    });
    for (HWND h : all)
        DestroyWindow(h);
    plat::reset_queue();
    plat::reset_input();
}

} // namespace testsupport
