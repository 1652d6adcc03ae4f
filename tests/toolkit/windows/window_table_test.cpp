// Root and child windows: geometry, the window table, selection and closing.
#include "core/context.h"
#include "window/nonclient.h"
#include "window_fixture.h"

using namespace testtk;

namespace {

RECT screen_rect_of(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return r;
}

TEST_F(ToolkitWindows, RootOpensWithTheClientSizeAskedFor) {
    open_root(1000, 800);
    EXPECT_EQ(tess::tk().tessar01.rootOpen, 1);
    EXPECT_EQ(tess::tk().tessar01.windowWidth, 1000);
    EXPECT_EQ(tess::tk().tessar01.windowHeight, 800);
    RECT c;
    GetClientRect(client(0), &c);
    EXPECT_EQ(c.right, 1000);
    EXPECT_EQ(c.bottom, 800);
    char title[32];
    GetWindowTextA(frame(0), title, sizeof title);
    EXPECT_STREQ(title, "Wurzel");
    // The first appearance leaves nothing to redraw.
    EXPECT_TRUE(drain().empty());
}

TEST_F(ToolkitWindows, UnitConversionsOfAThousandByEightHundredClient) {
    tess::tk().tessar01.windowWidth = 1000;
    tess::tk().tessar01.windowHeight = 800;
    int x = 0, y = 0;
    WindowUnitsToPixels(300, 600, x, y);
    EXPECT_EQ(x, 30);
    EXPECT_EQ(y, 48);
    WindowUnitsToPixels(9999, 9999, x, y);
    EXPECT_EQ(x, 1000);
    EXPECT_EQ(y, 800);
    WindowUnitsFromPixels(999, 799, x, y);
    EXPECT_EQ(x, 9999);
    EXPECT_EQ(y, 9999);
    WindowUnitsFromPixels(650, 0, x, y);
    EXPECT_EQ(x, 6505);
    WindowUnitsToPixels(6500, -100, x, y);
    EXPECT_EQ(x, 650);
    EXPECT_LT(y, 0);
    tess::tk().tessar01.windowWidth = 1;
    WindowUnitsFromPixels(5, 5, x, y);
    EXPECT_EQ(x, 0);
}

TEST_F(ToolkitWindows, TheTwentyFirstChildIsRefusedAndTheLowestFreeSlotIsReused) {
    open_root(600, 400);
    for (int i = 1; i <= 20; ++i)
        ASSERT_EQ(open_child(1, 10 * i, 10 * i, 100, 80), i);
    const int before = tess::tk().tessar01.currentWindow;
    EXPECT_EQ(open_child(1, 0, 0, 100, 80), -1);
    EXPECT_EQ(tess::tk().tessar01.currentWindow, before);
    WindowCloseChild(7);
    WindowCloseChild(3);
    EXPECT_EQ(open_child(1, 0, 0, 100, 80), 3);
    EXPECT_EQ(open_child(1, 0, 0, 100, 80), 7);
}

// Left and top place the frame's corner, inside the root's client area or on the screen, and
// the width and height are the client's: the whole caption is in view.
TEST_F(ToolkitWindows, ChildFramesStandAtTheirLeftAndTopWithTheCaptionInView) {
    struct Case {
        const char* name;
        int flags, left, top, width, height;
        POINT corner; // the frame's, in the root's client area or on the screen
        SIZE client;
    };
    const Case cases[] = {
        {"inside the root, in root units", 1 | 16, 6500, 1000, 3000, 2000, {650, 80}, {300, 160}},
        {"inside the root, at its corner", 1 | 16, 0, 0, 3000, 2000, {0, 0}, {300, 160}},
        {"inside the root, the result window's",
         1 | 16,
         6500,
         100,
         3000,
         5000,
         {650, 8},
         {300, 400}},
        {"free-standing, screen pixels", 1, 100, 50, 200, 120, {100, 50}, {200, 120}},
        {"free-standing, default size centred",
         1,
         -1,
         -1,
         0,
         0,
         {512 - 409, 384 - 307},
         {819, 614}},
    };
    const plat::Pixel caption = plat::pixel_from_colorref(GetSysColor(COLOR_ACTIVECAPTION));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        open_root(1000, 800);
        const int n = open_child(c.flags, c.left, c.top, c.width, c.height);
        ASSERT_EQ(n, 1);
        const bool inside = (c.flags & 16) != 0;
        EXPECT_EQ(GetParent(frame(n)), inside ? client(0) : nullptr);
        RECT r = screen_rect_of(frame(n));
        if (inside) MapWindowPoints(nullptr, client(0), reinterpret_cast<POINT*>(&r), 2);
        EXPECT_EQ(r.left, c.corner.x);
        EXPECT_EQ(r.top, c.corner.y);
        RECT cl;
        GetClientRect(client(n), &cl);
        EXPECT_EQ(cl.right, c.client.cx);
        EXPECT_EQ(cl.bottom, c.client.cy);
        // The client area lies below the caption, and the caption's first rows are shown.
        const RECT w = screen_rect_of(inside ? frame(0) : frame(n)), f = screen_rect_of(frame(n));
        const int border = plat::ThickFrame;
        EXPECT_EQ(screen_rect_of(client(n)).top - f.top, border + plat::CaptionHeight);
        const HWND top = inside ? frame(0) : frame(n);
        EXPECT_EQ(testsupport::presented_pixel(top, f.left - w.left + border + 2,
                                               f.top - w.top + border + 1),
                  caption);
        WindowClose();
    }
}

TEST_F(ToolkitWindows, ClosingTheCurrentChildSelectsTheRootButClosingAnotherDoesNot) {
    open_root(600, 400);
    const int a = open_child(1, 0, 0, 100, 80);
    const int b = open_child(1, 0, 0, 120, 90);
    EXPECT_EQ(tess::tk().tessar01.currentWindow, b);
    const HDC dc = tess::current_window().dc;
    WindowCloseChild(a);
    EXPECT_EQ(tess::tk().tessar01.currentWindow, b);
    EXPECT_EQ(tess::current_window().dc, dc);
    WindowCloseChild(b);
    EXPECT_EQ(tess::tk().tessar01.currentWindow, 0);
    EXPECT_EQ(tess::tk().tessar01.windowWidth, 600);
    EXPECT_EQ(tess::tk().tessar01.windowFlags[static_cast<std::size_t>(b)], -1);
    EXPECT_EQ(frame(b), nullptr);
}

// The owner of the next dialog or message box never names a closed child: whether the focus
// was still in the child's client when it closed or had moved on to a control of the root.
TEST_F(ToolkitWindows, ClosingAChildLeavesTheDialogOwnerOnALiveWindow) {
    for (const bool focusMovedOn : {false, true}) {
        SCOPED_TRACE(focusMovedOn ? "focus moved on to a control" : "focus in the child");
        open_root(600, 400);
        const int n = open_child(1 | 16, 1000, 1000, 3000, 3000);
        ASSERT_EQ(tess::tk().core.hWinCur, client(n));
        if (focusMovedOn) {
            const HWND edit = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 5, 300, 80, 20,
                                              client(0), nullptr, nullptr, nullptr);
            SetFocus(edit);
            ASSERT_EQ(GetFocus(), edit);
        }
        WindowCloseChild(n);
        EXPECT_TRUE(IsWindow(tess::tk().core.hWinCur));
        EXPECT_TRUE(GetFocus() == nullptr || IsWindow(GetFocus()));
        WindowClose();
    }
}

TEST_F(ToolkitWindows, BadWindowNumbersRecordTheErrorAndChangeNothing) {
    open_root(600, 400);
    InfoError(1);
    for (int bad : {-1, 21, 5, 1000}) {
        WindowSelect(bad);
        EXPECT_EQ(InfoError(1), 1003) << bad;
        EXPECT_EQ(tess::tk().tessar01.currentWindow, 0);
    }
    for (int bad : {0, -3, 21, 4}) {
        WindowCloseChild(bad);
        EXPECT_EQ(InfoError(1), 1003) << bad;
    }
    EXPECT_NE(frame(0), nullptr);
}

TEST_F(ToolkitWindows, HiddenRootRefusesInsideRootChildrenButNotFreeStandingOnes) {
    open_root(600, 400, 7 | 128);
    EXPECT_FALSE(IsWindowVisible(frame(0)));
    InfoError(1);
    EXPECT_EQ(open_child(1 | 16, 0, 0, 1000, 1000), -1);
    EXPECT_EQ(InfoError(1), 1016);
    EXPECT_EQ(open_child(1, 0, 0, 100, 100), 1);
    EXPECT_EQ(InfoError(1), 0);
}

TEST_F(ToolkitWindows, CloseReleasesEveryWindow) {
    open_root(600, 400);
    open_child(1, 0, 0, 100, 80);
    open_child(17, 0, 0, 2000, 2000);
    const HWND root = frame(0);
    WindowClose();
    EXPECT_FALSE(IsWindow(root));
    EXPECT_EQ(tess::tk().tessar01.rootOpen, 0);
    EXPECT_EQ(tess::tk().tessar01.windowFlags[0], -1);
    int live = 0;
    plat::for_each_window([&](HWND, const plat::Window&) { ++live; });
    EXPECT_EQ(live, 0);
    EXPECT_EQ(tess::current_window().dc, nullptr);
    // A second root may be opened afterwards.
    open_root(300, 200);
    EXPECT_EQ(tess::tk().tessar01.rootOpen, 1);
}

TEST_F(ToolkitWindows, MaximisingAndRestoringAnInsideRootChildKeepsItsRectangle) {
    open_root(1000, 800);
    const int n = open_child(1 | 4 | 16, 1000, 1000, 3000, 3000);
    const RECT before = screen_rect_of(frame(n));
    ShowWindow(frame(n), SW_MAXIMIZE);
    const RECT big = screen_rect_of(frame(n));
    EXPECT_GT(big.right - big.left, before.right - before.left);
    ShowWindow(frame(n), SW_RESTORE);
    const RECT after = screen_rect_of(frame(n));
    EXPECT_TRUE(EqualRect(&before, &after));
}

} // namespace

namespace {

TEST_F(ToolkitWindows, SelectingAWindowResetsTheTextCursorEvenWhenItIsCurrent) {
    open_root(1000, 800);
    WindowOutString(100, 100, "Hallo");
    EXPECT_GT(tess::tk().tessar03.cursorX, 100);
    WindowSelect(0);
    EXPECT_EQ(tess::tk().tessar03.cursorX, 0);
    EXPECT_EQ(tess::tk().tessar03.cursorY, 0);
}

TEST_F(ToolkitWindows, ScrollingFillsTheBandAndOnlyAOneSidedBandCountsAsDrawn) {
    open_root(200, 100);
    drain();
    yyscrollarea_(0, -10); // up by ten pixels
    EXPECT_TRUE(drain().empty());
    const plat::Pixel band = client_pixel(0, 50, 95);
    EXPECT_EQ(band, 0xFFFFFFu); // background colour 15, white
    yyscrollarea_(5, 5);
    const auto after = drain();
    ASSERT_FALSE(after.empty());
    EXPECT_EQ(after[0].first, tess::EventRedraw);
}

} // namespace

namespace {

TEST_F(ToolkitWindows, AStatusBarAddsToTheFrameAndKeepsTheClientSize) {
    open_root(400, 300, 7 | 32);
    const HWND bar = tess::window(0).statusBar;
    ASSERT_NE(bar, nullptr);
    RECT c, b, f;
    GetClientRect(client(0), &c);
    EXPECT_EQ(c.right, 400);
    EXPECT_EQ(c.bottom, 300);
    GetWindowRect(bar, &b);
    GetWindowRect(client(0), &f);
    EXPECT_EQ(b.top, f.bottom); // right below the client window
    EXPECT_GT(b.bottom - b.top, 10);
    // A child with a status bar of its own under a root without one.
    WindowClose();
    open_root(400, 300);
    const int n = open_child(1 | 32, 10, 10, 200, 100);
    ASSERT_NE(tess::window(n).statusBar, nullptr);
    GetWindowRect(tess::window(n).statusBar, &b);
    GetWindowRect(client(n), &f);
    EXPECT_EQ(b.top, f.bottom);
    EXPECT_EQ(b.right - b.left, 200);
    // Parts at the edges asked for.
    yysetstatuspart_(1, 50);
    yysetstatuspart_(2, -1);
    yysetstatusbar_(2);
    int edges[2] = {};
    EXPECT_EQ(
        SendMessageA(tess::window(n).statusBar, SB_GETPARTS, 2, reinterpret_cast<LPARAM>(edges)),
        2);
    EXPECT_EQ(edges[0], 50);
}

} // namespace
