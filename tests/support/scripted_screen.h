// A headless screen that plays a script into a toolkit program: each step runs when the
// program waits for input. A script that runs out closes the root window rather than leave the
// test hanging.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <functional>

#include "backend/headless/headless_backend.h"
#include "core/wwindow.h"
#include "window/input.h"

namespace testsupport {

class ScriptedScreen : public plat::HeadlessBackend {
public:
    using HeadlessBackend::HeadlessBackend;
    std::deque<std::function<void()>> steps;
    int idle = 0;

    bool wait_for_input(int timeoutMs) override {
        ++idle;
        if (!steps.empty()) {
            auto step = std::move(steps.front());
            steps.pop_front();
            step();
            return true;
        }
        if (idle > 1000) ADD_FAILURE() << "the program did not end";
        if (HWND root = tess::window(0).frame) PostMessageA(root, WM_CLOSE, 0, 0);
        return HeadlessBackend::wait_for_input(timeoutMs);
    }
};

// A key pressed and released.
inline void key(int vk, char c = 0) {
    plat::inject_key(vk, c, true);
    plat::inject_key(vk, c, false);
}

} // namespace testsupport
