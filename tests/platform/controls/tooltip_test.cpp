// Tooltips: the toolbar's tips asked for on hover, shown in a pop-up, hidden on leave and click;
// and the tooltip messages on their own.
#include <cstring>

#include "controls_fixture.h"
#include "platform/window/message_recorder.h"

using namespace ctltest;

namespace {

class TooltipTest : public ControlsTest {
protected:
    void SetUp() override {
        ControlsTest::SetUp();
        f = frame();
        tb = toolbar(f);
        tip = reinterpret_cast<HWND>(SendMessageA(tb, TB_GETTOOLTIPS, 0, 0));
        ASSERT_TRUE(IsWindow(tip));
    }
    // Tip requests the frame has had.
    std::vector<Notification> requests() const {
        std::vector<Notification> r;
        for (const Notification& n : frame_log().notifies)
            if (n.code == TTN_NEEDTEXTA) r.push_back(n);
        return r;
    }
    void hover(int index) {
        plat::inject_mouse_move(centre(tb, index));
        pump();
    }
    std::string tip_text() {
        char text[100] = "";
        GetWindowTextA(tip, text, sizeof text);
        return text;
    }
    // The pixels of the pop-up near the text colour: its border and its text.
    int dark_pixels() {
        RECT r;
        GetClientRect(tip, &r);
        int n = 0;
        for (int y = 2; y < r.bottom - 2; ++y)
            for (int x = 2; x < r.right - 2; ++x)
                n += brightness(pixel(tip, x, y)) < 3 * 96;
        return n;
    }

    HWND f = nullptr, tb = nullptr, tip = nullptr;
};

TEST_F(TooltipTest, HoveringAsksOnceForTheTextAndShowsIt) {
    frame_log().tipText = "Open";
    hover(0);
    wait(300);
    EXPECT_TRUE(requests().empty()); // not before the initial delay
    EXPECT_FALSE(IsWindowVisible(tip));
    wait(250);
    ASSERT_EQ(requests().size(), 1u);
    const Notification n = requests()[0];
    EXPECT_EQ(n.id, 201u);
    EXPECT_EQ(n.wParam, 201u);
    EXPECT_EQ(n.from, tip);

    ASSERT_TRUE(IsWindowVisible(tip));
    EXPECT_EQ(tip_text(), "Open");
    const auto style = static_cast<DWORD>(GetWindowLongPtrA(tip, GWL_STYLE));
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_NE(style & WS_CAPTION, WS_CAPTION);
    EXPECT_EQ(GetActiveWindow(), f); // showing a tip takes nothing from the frame

    // Below the pointer; yellow inside a thin dark border, with text.
    RECT r, client;
    GetWindowRect(tip, &r);
    GetClientRect(tip, &client);
    EXPECT_GT(r.top, centre(tb, 0).y);
    EXPECT_EQ(pixel(tip, 0, 0), colour(COLOR_WINDOWFRAME));
    EXPECT_EQ(pixel(tip, client.right - 1, client.bottom - 1), colour(COLOR_WINDOWFRAME));
    EXPECT_EQ(pixel(tip, 1, 1), colour(COLOR_INFOBK));
    EXPECT_GT(dark_pixels(), 10);

    // Resting longer, or moving on the same button, asks nothing more.
    wait(400);
    plat::inject_mouse_move({centre(tb, 0).x + 3, centre(tb, 0).y + 2});
    pump();
    wait(600);
    EXPECT_EQ(requests().size(), 1u);
    EXPECT_TRUE(IsWindowVisible(tip));
}

// A pointer coming to rest on a button: the bar hears the move, then passes the tip's one
// request on to the frame; showing the tip neither activates it nor disturbs the frame.
const std::vector<testmsg::Message> HoverRestSeq = {
    {WM_NCHITTEST},
    {WM_SETCURSOR},
    {WM_SETCURSOR, testmsg::parent},
    {WM_MOUSEMOVE, testmsg::posted},
    {WM_NOTIFY, testmsg::sent | testmsg::wparam, 201},
    {WM_NOTIFY, testmsg::parent | testmsg::wparam, 201},
};

TEST_F(TooltipTest, ARestingPointerMakesOneRequestThroughTheBar) {
    frame_log().tipText = "Open";
    testmsg::Recorder recorder;
    recorder.watch(tb, f);
    recorder.ignore(TB_GETITEMRECT); // finding the button to point at
    hover(0);
    wait(600);
    wait(600);
    CHECK_SEQUENCE(recorder, HoverRestSeq);
    EXPECT_TRUE(IsWindowVisible(tip));
}

TEST_F(TooltipTest, TheTipShowsWhatTheParentAnswers) {
    // A text of the parent's own...
    static char text[] = "Berechnen";
    frame_log().tipPointer = text;
    hover(2);
    wait(600);
    ASSERT_EQ(requests().size(), 1u);
    EXPECT_EQ(requests()[0].id, 202u);
    EXPECT_EQ(tip_text(), "Berechnen");
    // ... or a string resource. Moving to another button asks for that one's text.
    frame_log().tipPointer = MAKEINTRESOURCEA(IDS_TIP_OPEN);
    frame_log().tipInstance = plat::default_module();
    hover(3);
    wait(600);
    ASSERT_EQ(requests().size(), 2u);
    EXPECT_EQ(requests()[1].id, 203u);
    EXPECT_EQ(tip_text(), "Open a file");
    EXPECT_TRUE(IsWindowVisible(tip));
}

TEST_F(TooltipTest, NoTextNoTip) {
    hover(0);
    wait(600);
    EXPECT_EQ(requests().size(), 1u);
    EXPECT_FALSE(IsWindowVisible(tip));
}

TEST_F(TooltipTest, LeavingTheToolbarHidesTheTip) {
    frame_log().tipText = "Open";
    hover(0);
    wait(600);
    ASSERT_TRUE(IsWindowVisible(tip));
    // Into the frame's client area: the toolbar hears nothing, the tip notices by itself.
    RECT bar;
    GetWindowRect(tb, &bar);
    plat::inject_mouse_move({bar.left + 100, bar.bottom + 60});
    pump();
    wait(200);
    EXPECT_FALSE(IsWindowVisible(tip));
    // Coming back is a new hover with a new request.
    hover(0);
    wait(600);
    EXPECT_EQ(requests().size(), 2u);
    EXPECT_TRUE(IsWindowVisible(tip));
}

TEST_F(TooltipTest, MovingOntoASeparatorHidesTheTipAtOnce) {
    frame_log().tipText = "Open";
    hover(0);
    wait(600);
    ASSERT_TRUE(IsWindowVisible(tip));
    hover(1);
    EXPECT_FALSE(IsWindowVisible(tip));
    wait(600);
    EXPECT_EQ(requests().size(), 1u);
}

TEST_F(TooltipTest, AClickHidesTheTipUntilThePointerLeaves) {
    frame_log().tipText = "Open";
    hover(2);
    wait(600);
    ASSERT_TRUE(IsWindowVisible(tip));
    const POINT p = centre(tb, 2);
    plat::inject_mouse(p, 0, true);
    pump();
    EXPECT_FALSE(IsWindowVisible(tip));
    plat::inject_mouse(p, 0, false);
    pump();
    EXPECT_EQ(frame_log().commands.size(), 1u);
    wait(600);
    EXPECT_FALSE(IsWindowVisible(tip));
    EXPECT_EQ(requests().size(), 1u);
}

TEST_F(TooltipTest, AnInactiveTooltipShowsNothing) {
    frame_log().tipText = "Open";
    SendMessageA(tip, TTM_ACTIVATE, FALSE, 0);
    hover(0);
    wait(600);
    EXPECT_TRUE(requests().empty());
    SendMessageA(tip, TTM_ACTIVATE, TRUE, 0);
    hover(2);
    wait(600);
    EXPECT_EQ(requests().size(), 1u);
    SendMessageA(tip, TTM_POP, 0, 0);
    EXPECT_FALSE(IsWindowVisible(tip));
}

TEST_F(TooltipTest, ToolsOfTheirOwnKeepTheirTexts) {
    const HWND own = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP, 0, 0, 0, 0, f, nullptr,
                                     nullptr, nullptr);
    ASSERT_TRUE(own);
    char text[] = "Hilfe";
    TOOLINFOA ti{};
    ti.cbSize = sizeof ti;
    ti.hwnd = f;
    ti.uId = 7;
    ti.rect = {0, 50, 40, 90};
    ti.lpszText = text;
    EXPECT_TRUE(SendMessageA(own, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti)));
    text[0] = 'X'; // the tip holds a copy
    ti.uId = 8;
    ti.lpszText = MAKEINTRESOURCEA(IDS_TIP_OPEN);
    ti.hinst = plat::default_module();
    EXPECT_TRUE(SendMessageA(own, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti)));
    EXPECT_EQ(SendMessageA(own, TTM_GETTOOLCOUNT, 0, 0), 2);

    char out[8] = "";
    TOOLINFOA q{};
    q.cbSize = sizeof q;
    q.hwnd = f;
    q.uId = 7;
    q.lpszText = out;
    SendMessageA(own, TTM_GETTEXTA, sizeof out, reinterpret_cast<LPARAM>(&q));
    EXPECT_STREQ(out, "Hilfe");
    q.uId = 8;
    SendMessageA(own, TTM_GETTEXTA, sizeof out, reinterpret_cast<LPARAM>(&q));
    EXPECT_STREQ(out, "Open a "); // cut to the buffer

    // A relayed rest on tool 7 shows its text without asking anyone.
    const POINT at = screen_point(f, 20, 70);
    plat::inject_mouse_move(at);
    MSG msg{f, WM_MOUSEMOVE, 0, MAKELPARAM(20, 70), 0, at};
    SendMessageA(own, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
    wait(600);
    EXPECT_TRUE(IsWindowVisible(own));
    char shown[16] = "";
    GetWindowTextA(own, shown, sizeof shown);
    EXPECT_STREQ(shown, "Hilfe");
    EXPECT_TRUE(requests().empty());

    // Deleting the tool under the pointer takes its tip away; unknown and malformed tools are
    // refused.
    q.uId = 7;
    SendMessageA(own, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&q));
    EXPECT_FALSE(IsWindowVisible(own));
    EXPECT_EQ(SendMessageA(own, TTM_GETTOOLCOUNT, 0, 0), 1);
    q.cbSize = 4;
    EXPECT_FALSE(SendMessageA(own, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&q)));
    EXPECT_FALSE(SendMessageA(own, TTM_ADDTOOLA, 0, 0));
    SendMessageA(own, TTM_RELAYEVENT, 0, 0);
    EXPECT_EQ(SendMessageA(own, TTM_GETTOOLCOUNT, 0, 0), 1);
}

TEST_F(TooltipTest, TheParentMayDestroyTheToolbarWhileAskingForTheText) {
    // The toolbar is the frame's only child.
    const WNDPROC destroyer = [](HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NOTIFY) {
            DestroyWindow(GetWindow(hwnd, GW_CHILD));
            return LRESULT{0};
        }
        return DefWindowProcA(hwnd, message, wParam, lParam);
    };
    SetWindowLongPtrA(f, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(destroyer));
    hover(0);
    wait(600);
    EXPECT_FALSE(IsWindow(tb));
    EXPECT_FALSE(IsWindow(tip));
    wait(600);
}

} // namespace
