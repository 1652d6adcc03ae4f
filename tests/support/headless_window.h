// A fixture with a headless screen and one visible borderless pop-up, whose client pixels are
// its surface's pixels; its background is erased before the test begins. at() reads what the
// user sees: the presented image after a flush.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include "backend/headless/headless_backend.h"
#include "support/presented.h"
#include "window/message_queue.h"
#include "window/window_table.h"

namespace testsupport {

class HeadlessWindowTest : public ::testing::Test {
protected:
    explicit HeadlessWindowTest(SIZE size = {40, 30}, DWORD extraStyle = 0)
        : size_(size), extraStyle_(extraStyle) {}

    void SetUp() override {
        screen = &plat::use_headless_backend();
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = DefWindowProcA;
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        wc.lpszClassName = "HeadlessTestWindow";
        RegisterClassExA(&wc);
        top = CreateWindowExA(0, "HeadlessTestWindow", "", WS_POPUP | WS_VISIBLE | extraStyle_, 0,
                              0, size_.cx, size_.cy, nullptr, nullptr, nullptr, nullptr);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
    }
    void TearDown() override {
        DestroyWindow(top);
        plat::reset_queue();
        UnregisterClassA("HeadlessTestWindow", nullptr);
    }
    plat::Surface& surface() { return plat::lookup(top)->surface; }
    plat::Pixel at(int x, int y) { return presented_pixel(top, x, y); }

    plat::HeadlessBackend* screen = nullptr;
    HWND top = nullptr;

private:
    SIZE size_;
    DWORD extraStyle_;
};

} // namespace testsupport
