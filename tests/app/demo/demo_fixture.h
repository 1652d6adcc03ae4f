// A headless screen that plays a script into Formaldrix's main program: each step runs when
// the program waits for input.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <string>

#include "backend/headless/headless_backend.h"
#include "core/context.h"
#include "core/winmain.h"
#include "core/wwindow.h"
#include "general.h"
#include "support/temp_dir.h"
#include "window/input.h"
#include "window/message_queue.h"
#include "window/window_table.h"

namespace demotest {

// A headless screen that runs the next step of a script each time the program is idle.
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
        // A script that runs out closes the program rather than leave the test hanging.
        if (idle > 1000) ADD_FAILURE() << "the program did not end";
        if (HWND root = tess::window(0).frame) PostMessageA(root, WM_CLOSE, 0, 0);
        return HeadlessBackend::wait_for_input(timeoutMs);
    }
};

inline void key(int vk, char c = 0) {
    plat::inject_key(vk, c, true);
    plat::inject_key(vk, c, false);
}

class Demo : public ::testing::Test {
protected:
    void SetUp() override {
        auto s = std::make_unique<ScriptedScreen>(SIZE{1024, 768});
        screen = s.get();
        plat::set_backend(std::move(s));
    }
    void TearDown() override {
        plat::reset_queue();
        plat::reset_input();
        formaldrix::general = formaldrix::General{};
    }
    // Runs the program to its end; the state seen at the first idle moment is kept.
    void run() { MainProgram(); }
    void at_start(std::function<void()> look) { screen->steps.push_back(std::move(look)); }
    // The next step, run at the following idle moment.
    void then(std::function<void()> step) { screen->steps.push_back(std::move(step)); }

    testsupport::TempDir dir{true};
    ScriptedScreen* screen = nullptr;
};

// The visible window with this caption, or null.
inline HWND shown_titled(const std::string& title) {
    HWND found = nullptr;
    plat::for_each_window([&](HWND w, const plat::Window&) {
        char text[80];
        GetWindowTextA(w, text, sizeof text);
        if (title == text && IsWindowVisible(w)) found = w;
    });
    return found;
}

} // namespace demotest
