// Accelerators from the test resources, translated from keys as the message loop sees them.
#include <gtest/gtest.h>

#include <windows.h>

#include "test_ids.h"
#include "window/input.h"
#include "window/message_queue.h"

namespace {

WPARAM lastCommand = 0;

LRESULT CALLBACK command_proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) lastCommand = wParam;
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

class AcceleratorTest : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = command_proc;
        wc.lpszClassName = "AccelWindow";
        RegisterClassExA(&wc);
        hwnd = CreateWindowExA(0, "AccelWindow", "", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr,
                               nullptr, nullptr, nullptr);
        table = LoadAcceleratorsA(nullptr, MAKEINTRESOURCEA(IDA_MAIN));
        lastCommand = 0;
    }
    void TearDown() override {
        DestroyAcceleratorTable(table);
        DestroyWindow(hwnd);
        plat::reset_queue();
        plat::reset_input();
        UnregisterClassA("AccelWindow", nullptr);
    }
    // Runs the queue as a program's loop does: accelerators first, then the usual.
    void loop() {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (TranslateAcceleratorA(hwnd, table, &msg)) continue;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    void press(int vk, char c) {
        plat::inject_key(vk, c, true);
        plat::inject_key(vk, c, false);
    }
    HWND hwnd = nullptr;
    HACCEL table = nullptr;
};

TEST_F(AcceleratorTest, VirtualKeysNeedExactlyTheirModifiers) {
    ASSERT_TRUE(table);
    plat::inject_key(VK_CONTROL, 0, true);
    press('S', 0x13);
    loop();
    EXPECT_EQ(lastCommand, MAKEWPARAM(CMD_SAVE, 1));
    lastCommand = 0;
    plat::inject_key(VK_SHIFT, 0, true);
    press('S', 0x13); // Ctrl+Shift+S is another key
    loop();
    EXPECT_EQ(lastCommand, 0u);
    plat::inject_key(VK_SHIFT, 0, false);
    plat::inject_key(VK_CONTROL, 0, false);
    press(VK_F1, 0);
    loop();
    EXPECT_EQ(lastCommand, MAKEWPARAM(CMD_HELP, 1));
}

TEST_F(AcceleratorTest, ControlCharacterFormMatchesTheTypedCharacter) {
    plat::inject_key(VK_CONTROL, 0, true);
    press('O', 0x0F); // Ctrl+O types the control character
    loop();
    EXPECT_EQ(lastCommand, MAKEWPARAM(CMD_OPEN, 1));
}

TEST_F(AcceleratorTest, AltShiftAndUnknownTables) {
    plat::inject_key(VK_MENU, 0, true);
    plat::inject_key(VK_SHIFT, 0, true);
    press('X', 'X');
    loop();
    EXPECT_EQ(lastCommand, MAKEWPARAM(CMD_QUIT, 1));
    MSG msg{hwnd, WM_KEYDOWN, 'S', 0, 0, {}};
    EXPECT_EQ(TranslateAcceleratorA(hwnd, reinterpret_cast<HACCEL>(999), &msg), 0);
    EXPECT_EQ(LoadAcceleratorsA(nullptr, MAKEINTRESOURCEA(12345)), nullptr);
    EXPECT_TRUE(LoadAcceleratorsA(nullptr, "shortcuts")); // named, any case
}

} // namespace
