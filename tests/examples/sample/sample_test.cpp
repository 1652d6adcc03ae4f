// The sample program on the headless screen: its snapshot shows the menu bar and the text at
// their places, typing reaches the last line, the menu and the accelerator work.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include <windows.h>

#include "backend/headless/headless_backend.h"
#include "gdi/surface.h"
#include "sample/sample_window.h"
#include "support/presented.h"
#include "support/pump.h"
#include "support/temp_dir.h"
#include "window/input.h"
#include "window/message_queue.h"
#include "window/window_table.h"

namespace {

class Sample : public ::testing::Test {
protected:
    void SetUp() override {
        screen = &plat::use_headless_backend({800, 600});
        frame = sample::create_sample_window(nullptr, SW_SHOWNORMAL);
        ASSERT_NE(frame, nullptr);
        pump();
    }
    void TearDown() override {
        if (IsWindow(frame)) DestroyWindow(frame);
        plat::reset_queue();
        plat::reset_input();
    }
    void pump() { testsupport::pump_messages(); }
    // A client point's pixel as the user sees it: the frame's presented image.
    plat::Pixel client_pixel(int x, int y) {
        POINT p{x, y};
        ClientToScreen(frame, &p);
        RECT w;
        GetWindowRect(frame, &w);
        return testsupport::presented_pixel(frame, p.x - w.left, p.y - w.top);
    }
    // Dark pixels in a band of client rows: where text was drawn.
    int dark_pixels(int top, int bottom, int left = 0, int right = 300) {
        int n = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                n += (client_pixel(x, y) & 0xFF) < 0x80;
        return n;
    }
    void type(const std::string& text) {
        for (char c : text) {
            const int vk = c >= 'a' && c <= 'z' ? c - 32 : c;
            plat::inject_key(vk, c, true);
            plat::inject_key(vk, c, false);
        }
    }

    plat::HeadlessBackend* screen = nullptr;
    HWND frame = nullptr;
};

TEST_F(Sample, SnapshotShowsTitleMenuBarTextAndColourBar) {
    testsupport::TempDir dir(false);
    const char* keep = std::getenv("TESS_KEEP_SNAPSHOT");
    const std::string png = keep ? std::string(keep) : dir.file("sample.png");
    ASSERT_TRUE(screen->save_screen_png(png));
    EXPECT_GT(testsupport::read_all(png).size(), 1000u);
    std::printf("sample snapshot: %s\n", png.c_str());

    char title[64];
    GetWindowTextA(frame, title, sizeof title);
    EXPECT_STREQ(title, sample::WindowTitle);
    const plat::Surface shot = screen->compose_screen();
    RECT w;
    GetWindowRect(frame, &w);
    // The active caption just inside the frame, the menu bar below it.
    EXPECT_EQ(shot.at(w.left + 200, w.top + 10),
              plat::pixel_from_colorref(GetSysColor(COLOR_ACTIVECAPTION)));
    RECT item;
    ASSERT_TRUE(GetMenuItemRect(frame, GetMenu(frame), 1, &item));
    EXPECT_EQ(shot.at(item.right + 20, item.top + 2),
              plat::pixel_from_colorref(GetSysColor(COLOR_MENU)));
    // Text in the first three lines, none between the colour bar and the bottom.
    for (int line = 0; line < 2; ++line)
        EXPECT_GT(dark_pixels(10 + line * sample::LineHeight, 10 + (line + 1) * sample::LineHeight),
                  50)
            << "line " << line;
    EXPECT_EQ(dark_pixels(130, 180), 0);
    EXPECT_EQ(client_pixel(60, 115), plat::pixel_from_colorref(RGB(200, 0, 0)));
    EXPECT_EQ(client_pixel(60, 125), plat::pixel_from_colorref(GetSysColor(COLOR_WINDOW)));
}

TEST_F(Sample, TypedTextArrivesAsCharactersAndIsDrawn) {
    const int before =
        dark_pixels(10 + 2 * sample::LineHeight, 10 + 3 * sample::LineHeight, 100, 400);
    type("hallo welt");
    plat::inject_key(VK_BACK, '\b', true);
    plat::inject_key(VK_BACK, '\b', false);
    pump();
    EXPECT_STREQ(sample::typed_text(frame), "hallo wel");
    EXPECT_GT(dark_pixels(10 + 2 * sample::LineHeight, 10 + 3 * sample::LineHeight, 100, 400),
              before + 50);
}

TEST_F(Sample, AcceleratorClearsAndEndFromTheMenuClosesTheFrame) {
    type("abc");
    pump();
    // Ctrl+L through the frame's accelerator table, as the program's loop does it.
    HACCEL table = LoadAcceleratorsA(nullptr, MAKEINTRESOURCEA(100));
    ASSERT_NE(table, nullptr);
    plat::inject_key(VK_CONTROL, 0, true);
    plat::inject_key('L', '\x0c', true);
    plat::inject_key('L', '\x0c', false);
    plat::inject_key(VK_CONTROL, 0, false);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (TranslateAcceleratorA(frame, table, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    DestroyAcceleratorTable(table);
    EXPECT_STREQ(sample::typed_text(frame), "");

    // Alt+D, then E for "&Ende": the frame goes and the loop is told to quit.
    plat::inject_key(VK_MENU, 0, true);
    plat::inject_key('D', 'd', true);
    plat::inject_key('D', 'd', false);
    plat::inject_key(VK_MENU, 0, false);
    plat::inject_key('E', 'e', true);
    plat::inject_key('E', 'e', false);
    const bool quit = testsupport::pump_messages();
    EXPECT_FALSE(IsWindow(frame));
    EXPECT_TRUE(quit);
}

} // namespace
