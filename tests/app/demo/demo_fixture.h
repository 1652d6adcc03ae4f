// The fixture that plays a script into Formaldrix's main program on a headless screen: each
// step runs when the program waits for input.
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
#include "support/scripted_screen.h"
#include "support/temp_dir.h"
#include "window/input.h"
#include "window/message_queue.h"
#include "window/window_table.h"

namespace demotest {

using testsupport::key;
using testsupport::ScriptedScreen;

class Demo : public testsupport::ScriptedTest {
protected:
    void TearDown() override {
        ScriptedTest::TearDown();
        formaldrix::general = formaldrix::General{};
    }
    // Runs the program to its end; the state seen at the first idle moment is kept.
    void run() { MainProgram(); }
    void at_start(std::function<void()> look) { screen->steps.push_back(std::move(look)); }
    // The next step, run at the following idle moment.
    void then(std::function<void()> step) { screen->steps.push_back(std::move(step)); }

    testsupport::TempDir dir{true};
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
