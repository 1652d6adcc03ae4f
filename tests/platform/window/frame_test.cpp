// The frame: dragging and sizing with the pointer, placement, and the pixels of the frame.
#include "message_recorder.h"
#include "support/presented.h"
#include "window/window_table.h"

using namespace testmsg;

namespace {

class FrameTest : public WindowTest {};

TEST_F(FrameTest, DraggingTheCaptionMovesTheFrame) {
    const HWND f = frame(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    pump();
    RECT before;
    GetWindowRect(f, &before);
    const POINT grab{before.left + 60, before.top + 12};
    plat::inject_mouse(grab, 0, true);
    plat::inject_mouse_move({grab.x + 30, grab.y + 15});
    plat::inject_mouse_move({grab.x + 50, grab.y + 25});
    plat::inject_mouse({grab.x + 50, grab.y + 25}, 0, false);
    recorder.watch(f);
    recorder.clear();
    pump();
    RECT after;
    GetWindowRect(f, &after);
    EXPECT_EQ(after.left, before.left + 50);
    EXPECT_EQ(after.top, before.top + 25);
    EXPECT_EQ(after.right - after.left, before.right - before.left);
    bool entered = false, exited = false;
    for (const Received& r : recorder.log()) {
        entered |= r.message == WM_ENTERSIZEMOVE;
        exited |= r.message == WM_EXITSIZEMOVE && entered;
    }
    EXPECT_TRUE(entered && exited);
}

TEST_F(FrameTest, DraggingTheBottomRightCornerSizesTheFrame) {
    const HWND f = frame(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    pump();
    RECT before;
    GetWindowRect(f, &before);
    const POINT grab{before.right - 1, before.bottom - 1};
    plat::inject_mouse(grab, 0, true);
    plat::inject_mouse_move({grab.x + 40, grab.y + 20});
    plat::inject_mouse({grab.x + 40, grab.y + 20}, 0, false);
    pump();
    RECT after;
    GetWindowRect(f, &after);
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.right, before.right + 40);
    EXPECT_EQ(after.bottom, before.bottom + 20);
}

TEST_F(FrameTest, EscapeDuringADragPutsTheFrameBack) {
    const HWND f = frame(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    pump();
    RECT before;
    GetWindowRect(f, &before);
    const POINT grab{before.left + 60, before.top + 12};
    plat::inject_mouse(grab, 0, true);
    plat::inject_mouse_move({grab.x + 30, grab.y + 30});
    plat::inject_key(VK_ESCAPE, 0x1B, true);
    pump();
    RECT after;
    GetWindowRect(f, &after);
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.top, before.top);
}

TEST_F(FrameTest, PlacementRemembersTheNormalRectangle) {
    const HWND f = frame(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    ShowWindow(f, SW_SHOWMAXIMIZED);
    WINDOWPLACEMENT p{};
    ASSERT_TRUE(GetWindowPlacement(f, &p));
    EXPECT_EQ(p.showCmd, static_cast<UINT>(SW_SHOWMAXIMIZED));
    EXPECT_EQ(p.rcNormalPosition.left, 100);
    EXPECT_EQ(p.rcNormalPosition.right, 400);
    p.rcNormalPosition = {20, 30, 220, 130};
    p.showCmd = SW_SHOWNORMAL;
    SetWindowPlacement(f, &p);
    RECT r;
    GetWindowRect(f, &r);
    EXPECT_EQ(r.left, 20);
    EXPECT_EQ(r.bottom, 130);
    EXPECT_FALSE(IsZoomed(f));
}

TEST_F(FrameTest, MinimisedChildrenLineUpAlongTheParentsBottom) {
    const HWND f = frame(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW;
    const HWND a = child(f, 1, style);
    const HWND b = child(f, 2, style);
    ShowWindow(a, SW_MINIMIZE);
    ShowWindow(b, SW_MINIMIZE);
    RECT client, ra, rb;
    GetClientRect(f, &client);
    POINT pa{0, 0}, pb{0, 0};
    GetWindowRect(a, &ra);
    GetWindowRect(b, &rb);
    MapWindowPoints(nullptr, f, &pa, 1);
    OffsetRect(&ra, pa.x, pa.y);
    OffsetRect(&rb, pa.x, pa.y);
    (void)pb;
    EXPECT_EQ(ra.bottom, client.bottom);
    EXPECT_EQ(rb.bottom, client.bottom);
    EXPECT_EQ(ra.left, 0);
    EXPECT_EQ(rb.left, ra.right);
    EXPECT_TRUE(IsIconic(a));
    EXPECT_NE(ArrangeIconicWindows(f), 0u);
    EXPECT_EQ(ChildWindowFromPoint(f, {ra.left + 1, ra.top + 1}), a);
    EXPECT_EQ(ChildWindowFromPoint(f, {client.right - 1, 1}), f);
}

TEST_F(FrameTest, CaptionIsDrawnActiveOrInactiveAndTheClientErased) {
    const HWND a = frame(WS_OVERLAPPEDWINDOW | WS_VISIBLE, "A");
    pump();
    const plat::Surface s = testsupport::presented_surface(a);
    const plat::Pixel active = plat::pixel_from_colorref(GetSysColor(COLOR_ACTIVECAPTION));
    const plat::Pixel inactive = plat::pixel_from_colorref(GetSysColor(COLOR_INACTIVECAPTION));
    EXPECT_EQ(s.at(60, 10), active);
    EXPECT_EQ(s.at(150, 100), plat::pixel_from_colorref(GetSysColor(COLOR_WINDOW))); // client
    EXPECT_EQ(s.at(0, 100), plat::pixel_from_colorref(GetSysColor(COLOR_WINDOWFRAME)));
    EXPECT_EQ(s.at(2, 100), plat::pixel_from_colorref(GetSysColor(COLOR_ACTIVEBORDER)));
    const HWND b = CreateWindowExA(0, "TestFrame", "B", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 500, 100,
                                   300, 200, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(b);
    EXPECT_EQ(testsupport::presented_pixel(a, 60, 10), inactive);
    EXPECT_EQ(testsupport::presented_pixel(b, 60, 10), active);
}

TEST_F(FrameTest, SizeMessagesDescribeTheNewState) {
    const HWND f = frame(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    pump();
    recorder.watch(f);
    auto last_size = [&] {
        LPARAM found = -1;
        WPARAM kind = 99;
        for (const Received& r : recorder.log())
            if (r.hwnd == f && r.message == WM_SIZE) found = r.lParam, kind = r.wParam;
        recorder.clear();
        return std::pair{kind, found};
    };
    recorder.clear();
    ShowWindow(f, SW_MINIMIZE);
    EXPECT_EQ(last_size(), (std::pair<WPARAM, LPARAM>{SIZE_MINIMIZED, 0}));
    ShowWindow(f, SW_RESTORE);
    RECT c;
    GetClientRect(f, &c);
    EXPECT_EQ(last_size(),
              (std::pair<WPARAM, LPARAM>{SIZE_RESTORED, MAKELPARAM(c.right, c.bottom)}));
    ShowWindow(f, SW_SHOWMAXIMIZED);
    GetClientRect(f, &c);
    EXPECT_EQ(last_size(),
              (std::pair<WPARAM, LPARAM>{SIZE_MAXIMIZED, MAKELPARAM(c.right, c.bottom)}));
}

TEST_F(FrameTest, AMenuBarTakesItsRowFromTheClientArea) {
    const HWND f = frame(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    RECT before, after;
    GetClientRect(f, &before);
    const HMENU bar = CreateMenu();
    AppendMenuA(bar, MF_STRING, 1, "&Datei");
    ASSERT_TRUE(SetMenu(f, bar));
    EXPECT_EQ(GetMenu(f), bar);
    GetClientRect(f, &after);
    RECT adjusted{0, 0, after.right, after.bottom};
    AdjustWindowRectEx(&adjusted, WS_OVERLAPPEDWINDOW, TRUE, 0);
    RECT window;
    GetWindowRect(f, &window);
    EXPECT_EQ(adjusted.bottom - adjusted.top, window.bottom - window.top);
    EXPECT_LT(after.bottom, before.bottom);
    EXPECT_TRUE(DrawMenuBar(f));
    SetMenu(f, nullptr);
    DestroyMenu(bar);
    GetClientRect(f, &after);
    EXPECT_EQ(after.bottom, before.bottom);
}

TEST_F(FrameTest, WheelGoesToTheFocusWithItsDelta) {
    const HWND f = frame(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    const HWND c = child(f, 1);
    SetFocus(c);
    pump();
    recorder.watch(c);
    recorder.clear();
    plat::inject_wheel({5, 5}, -2 * WHEEL_DELTA);
    pump();
    ASSERT_EQ(recorder.log().size(), 1u);
    EXPECT_EQ(recorder.log()[0].message, static_cast<UINT>(WM_MOUSEWHEEL));
    EXPECT_EQ(static_cast<SHORT>(HIWORD(recorder.log()[0].wParam)), -240);
}

} // namespace

namespace {

TEST_F(FrameTest, CaptionShowsTheTitleInTheCaptionTextColour) {
    const HWND f = frame(WS_OVERLAPPEDWINDOW | WS_VISIBLE, "Formaldrix");
    pump();
    const plat::Surface s = testsupport::presented_surface(f);
    const plat::Pixel text = plat::pixel_from_colorref(GetSysColor(COLOR_CAPTIONTEXT));
    int ink = 0;
    for (int y = 4; y < 4 + 18; ++y)
        for (int x = 8; x < 150; ++x)
            ink += s.at(x, y) != plat::pixel_from_colorref(GetSysColor(COLOR_ACTIVECAPTION));
    EXPECT_GT(ink, 30); // the title's glyphs
    bool textColour = false;
    for (int y = 4; y < 22 && !textColour; ++y)
        for (int x = 8; x < 150 && !textColour; ++x)
            textColour = s.at(x, y) == text;
    EXPECT_TRUE(textColour);
}

} // namespace

namespace {

TEST_F(FrameTest, MenuBarShowsItsItemsGreyedOnesInGrey) {
    const HWND f = frame(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    const HMENU bar = CreateMenu();
    AppendMenuA(bar, MF_STRING, 1, "&Datei");
    AppendMenuA(bar, MF_STRING | MF_GRAYED, 2, "&Berechnung");
    SetMenu(f, bar);
    pump();
    const plat::Surface s = testsupport::presented_surface(f);
    const int top = 4 + 18, bottom = top + 19; // below the caption, the bar's row
    bool normal = false, grey = false;
    for (int y = top; y < bottom; ++y)
        for (int x = 4; x < 200; ++x) {
            normal |= s.at(x, y) == plat::pixel_from_colorref(GetSysColor(COLOR_MENUTEXT));
            grey |= s.at(x, y) == plat::pixel_from_colorref(GetSysColor(COLOR_GRAYTEXT));
        }
    EXPECT_TRUE(normal);
    EXPECT_TRUE(grey);
    SetMenu(f, nullptr);
    DestroyMenu(bar);
}

} // namespace
