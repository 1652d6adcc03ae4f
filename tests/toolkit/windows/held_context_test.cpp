// The toolkit draws between events through the window context it holds for the current
// window: that drawing follows the window and reaches the screen at the next wait.
#include "window_fixture.h"

namespace {

using HeldContext = testtk::ToolkitWindows;

constexpr plat::Pixel Red = 0xFF0000;

void paint_client_red(HWND client) {
    HDC dc = GetDC(client);
    RECT all;
    GetClientRect(client, &all);
    const HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    FillRect(dc, &all, red);
    DeleteObject(red);
    ReleaseDC(client, dc);
}

TEST_F(HeldContext, WindowClearAfterMaximisingClearsTheWholeClientArea) {
    open_root(300, 200);
    drain();
    ShowWindow(frame(0), SW_MAXIMIZE);
    drain();
    RECT area;
    GetClientRect(client(0), &area);
    ASSERT_GT(area.right, 600);
    paint_client_red(client(0));
    drain();
    ASSERT_EQ(client_pixel(0, area.right - 1, area.bottom - 1), Red);
    WindowClear();
    drain();
    for (const POINT p : {POINT{0, 0}, POINT{area.right / 2, area.bottom / 2},
                          POINT{area.right - 1, area.bottom - 1}})
        EXPECT_NE(client_pixel(0, p.x, p.y), Red) << p.x << "," << p.y;
}

TEST_F(HeldContext, TextWrittenBetweenEventsIsShownAtTheNextWait) {
    open_root(300, 200);
    drain();
    const HWND top = frame(0);
    POINT origin{0, 0};
    ClientToScreen(client(0), &origin);
    RECT w;
    GetWindowRect(top, &w);
    auto dark_shown = [&] {
        const plat::Surface* shown = screen->presented(top);
        int n = 0;
        for (int y = 0; shown && y < 200; ++y)
            for (int x = 0; x < 300; ++x) {
                const plat::Pixel p = shown->at(origin.x - w.left + x, origin.y - w.top + y);
                n += ((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF) < 200;
            }
        return n;
    };
    const int before = dark_shown();
    WindowOutString(300, 600, "Ergebnis 12345");
    EXPECT_EQ(dark_shown(), before); // drawn, not yet shown
    drain();
    EXPECT_GT(dark_shown(), before + 20);
}

} // namespace
