// A headless screen that plays a script into a toolkit program: each step runs when the
// program waits for input. A script that runs out closes the root window rather than leave the
// test hanging.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>

#include "backend/headless/headless_backend.h"
#include "core/wwindow.h"
#include "window/input.h"
#include "window/message_queue.h"

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

// A test whose program runs on a scripted screen of the given size; the queue and the input
// state are cleared after it.
class ScriptedTest : public ::testing::Test {
protected:
    explicit ScriptedTest(SIZE size = {1024, 768}) : size_(size) {}
    void SetUp() override {
        auto s = std::make_unique<ScriptedScreen>(size_);
        screen = s.get();
        plat::set_backend(std::move(s));
    }
    void TearDown() override {
        plat::reset_queue();
        plat::reset_input();
    }
    ScriptedScreen* screen = nullptr;

private:
    SIZE size_;
};

// A key pressed and released.
inline void key(int vk, char c = 0) {
    plat::inject_key(vk, c, true);
    plat::inject_key(vk, c, false);
}

} // namespace testsupport
