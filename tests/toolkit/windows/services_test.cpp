// Window services: display information, the bell, pointer shapes and window lookup.
#include "core/context.h"
#include "core/wmiscel.h"
#include "support/pump.h"
#include "window_fixture.h"

using namespace testtk;

namespace {

TEST_F(ToolkitWindows, DisplayInformationFollowsTheScreenDepth) {
    struct Case {
        int bits, colours, graphics;
    };
    for (const Case c : {Case{32, 16777216, 256}, Case{24, 16777216, 256}, Case{8, 256, 16},
                         Case{4, 16, 8}, Case{1, 2, 2}}) {
        plat::use_headless_backend({800, 600}, c.bits);
        int w = 0, h = 0, graphics = 0, colours = 0;
        yygetdisplayinfo_(w, h, graphics, colours);
        EXPECT_EQ(w, 800);
        EXPECT_EQ(h, 600);
        EXPECT_EQ(colours, c.colours) << c.bits;
        EXPECT_EQ(graphics, c.graphics) << c.bits;
    }
    EXPECT_EQ(tess::tk().display.WinNT, 1);
    EXPECT_EQ(tess::tk().display.Win9x, 0);
}

TEST_F(ToolkitWindows, WindowBellLooksAtThreeCharactersOnly) {
    const int before = screen->bells();
    WindowBell("on");
    EXPECT_EQ(tess::tk().bell, 1);
    WindowBell(" ");
    EXPECT_EQ(screen->bells(), before + 1);
    WindowBell("OFFICE");
    EXPECT_EQ(tess::tk().bell, 0);
    WindowBell(" ");
    WindowBell("");
    EXPECT_EQ(screen->bells(), before + 1); // silent while off
    WindowBell("On");
    WindowBell("ONE"); // not "ON ": rings
    EXPECT_EQ(tess::tk().bell, 1);
    EXPECT_EQ(screen->bells(), before + 2);
}

TEST_F(ToolkitWindows, AsciiToIntReadsLeadingDigitsOnly) {
    EXPECT_EQ(yyAsciiToInt("1021 1"), 1021);
    EXPECT_EQ(yyAsciiToInt(" 12"), 0);
    EXPECT_EQ(yyAsciiToInt("-5"), 0);
    EXPECT_EQ(yyAsciiToInt(""), 0);
    EXPECT_EQ(yyAsciiToInt(nullptr), 0);
}

TEST_F(ToolkitWindows, WindowIndexOfFrameAndClientAgree) {
    open_root(400, 300);
    const int n = open_child(1, 0, 0, 100, 100);
    EXPECT_EQ(tess::yygetwindowindex(frame(n)), n);
    EXPECT_EQ(tess::yygetwindowindex(client(n)), n);
    EXPECT_EQ(tess::yygetwindowindex(client(0)), 0);
    EXPECT_EQ(tess::yygetwindowindex(nullptr), -1);
    EXPECT_EQ(tess::yygetwindowindex(reinterpret_cast<HWND>(0x12345)), -1);
}

TEST_F(ToolkitWindows, PointerShapesShowOverClientWindows) {
    open_root(400, 300);
    yychangecursor_(3);
    EXPECT_EQ(tess::tk().core.wCursor, LoadCursorA(nullptr, IDC_CROSS));
    POINT p{50, 50};
    ClientToScreen(client(0), &p);
    // The shape is chosen when the program reads the move.
    plat::inject_mouse_move(p);
    testsupport::pump_messages();
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_CROSS));
    // A code without a cursor resource forgets the shape; the class arrow returns.
    yychangecursor_(4711);
    EXPECT_EQ(tess::tk().core.wCursor, nullptr);
    plat::inject_mouse_move({p.x + 1, p.y});
    testsupport::pump_messages();
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_ARROW));
    yysetcursorpos_(10, 20);
    POINT now;
    GetCursorPos(&now);
    POINT expected{10, 20};
    ClientToScreen(client(0), &expected);
    EXPECT_EQ(now.x, expected.x);
    EXPECT_EQ(now.y, expected.y);
}

} // namespace
