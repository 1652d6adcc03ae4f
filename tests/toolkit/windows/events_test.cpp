// Input becomes events: key codes, pending redraws and resizes, enable flags, timers and frame
// clicks.
#include "core/context.h"
#include "window_fixture.h"

using namespace testtk;

namespace {

struct Key {
    int vk;
    char c;
};

void press(std::initializer_list<Key> held, Key key) {
    for (const Key& h : held)
        plat::inject_key(h.vk, h.c, true);
    plat::inject_key(key.vk, key.c, true);
    plat::inject_key(key.vk, key.c, false);
    for (const Key& h : held)
        plat::inject_key(h.vk, 0, false);
}

class Events : public ToolkitWindows {
protected:
    void SetUp() override {
        ToolkitWindows::SetUp();
        open_root(1000, 800);
    }
    std::vector<int> key_values() {
        std::vector<int> values;
        for (const auto& [type, m] : drain())
            if (type == tess::EventKey) values.push_back(m.Value1);
        return values;
    }
};

constexpr Key Shift{VK_SHIFT, 0}, Ctrl{VK_CONTROL, 0};

TEST_F(Events, KeysBecomeCharactersOrKeyCodes) {
    press({Shift}, {VK_TAB, '\t'});
    press({}, {VK_TAB, '\t'});
    press({}, {VK_NUMPAD7, '7'}); // Num Lock on: the keypad still gives its key code
    press({Ctrl}, {VK_RIGHT, 0});
    press({Ctrl}, {VK_DELETE, 0});
    press({Shift}, {VK_F2, 0});
    press({}, {VK_SHIFT, 0}); // Shift alone: nothing
    press({Ctrl}, {'C', '\x03'});
    press({Shift}, {VK_UP, 0});
    press({}, {'A', 'a'});
    EXPECT_EQ(key_values(), (std::vector<int>{274, 9, 287, 268, 273, 322, 3, 262, 'a'}));
}

TEST_F(Events, KeyEventsCarryThePointerInWindowUnits) {
    POINT p{500, 400};
    ClientToScreen(client(0), &p);
    plat::inject_mouse_move(p);
    press({}, {'X', 'x'});
    const auto all = drain();
    ASSERT_EQ(all.size(), 1u);
    EXPECT_EQ(all[0].second.Win, 0);
    EXPECT_EQ(all[0].second.Value3, 0);
    EXPECT_EQ(all[0].second.X, 5004); // 500 × 9999 / 999, truncated
    EXPECT_EQ(all[0].second.Y, 5005); // 400 × 9999 / 799
}

TEST_F(Events, InterpretKeyTable) {
    EXPECT_EQ(yyinterpretkey(VK_F1, 0), 301);
    EXPECT_EQ(yyinterpretkey(VK_F1 + 19, 40), 360);
    EXPECT_EQ(yyinterpretkey(VK_F1 + 20, 0), VK_F1 + 20); // F21 has no code of its own
    EXPECT_EQ(yyinterpretkey(VK_LEFT, 40), 269);
    EXPECT_EQ(yyinterpretkey(VK_HOME, 20), 270);
    EXPECT_EQ(yyinterpretkey(VK_CLEAR, 0), 285);
    EXPECT_EQ(yyinterpretkey(VK_NUMPAD0, 0), 280);
    EXPECT_EQ(yyinterpretkey(VK_NUMPAD9, 0), 289);
    EXPECT_EQ(yyinterpretkey(VK_SEPARATOR, 0), 292);
    EXPECT_EQ(yyinterpretkey(VK_SNAPSHOT, 0), 300);
}

TEST_F(Events, ARedrawParkedInsideAToolkitCallArrivesFirstAsTheWholeArea) {
    const int child = open_child(1, 0, 0, 200, 100);
    WindowSelect(0);
    RECT small{10, 10, 20, 20};
    InvalidateRect(client(child), &small, TRUE);
    UpdateWindow(client(child)); // painted outside any retrieval: the event waits
    press({}, {'Q', 'q'});
    tess::EventRecord m;
    ASSERT_EQ(next_event(m), tess::EventRedraw);
    EXPECT_EQ(m.Win, child);
    EXPECT_EQ(m.X, 0);
    EXPECT_EQ(m.Y, 0);
    EXPECT_EQ(m.Value1, 9999);
    EXPECT_EQ(m.Value2, 9999);
    EXPECT_EQ(next_event(m), tess::EventKey);
    EXPECT_EQ(next_event(m), -1);
}

// A window of the test's own, to make things happen while the retrieval loop dispatches.
struct Helper {
    static inline std::function<void()> action;
    static LRESULT CALLBACK proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_APP && action) {
            action();
            return 0;
        }
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    Helper() {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = proc;
        wc.lpszClassName = "EventHelper";
        RegisterClassExA(&wc);
        hwnd = CreateWindowExA(0, "EventHelper", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                               nullptr, nullptr);
    }
    ~Helper() {
        DestroyWindow(hwnd);
        action = nullptr;
    }
    HWND hwnd;
};

TEST_F(Events, AParkedAndALiveRedrawOfOneWindowArriveOnce) {
    Helper helper;
    const HWND c = client(0);
    Helper::action = [c] {
        RECT small{10, 10, 20, 20};
        InvalidateRect(c, &small, TRUE);
        UpdateWindow(c);
    };
    PostMessageA(helper.hwnd, WM_APP, 0, 0);
    tess::EventRecord m;
    ASSERT_EQ(next_event(m), tess::EventRedraw);
    EXPECT_EQ(m.Value1, 9999); // widened to the whole client area
    EXPECT_EQ(tess::window(0).pending.type, 0);
    EXPECT_EQ(next_event(m), -1);
}

TEST_F(Events, AResizeOfAHiddenWindowIsRecordedButNotDelivered) {
    Helper helper;
    const int child = open_child(1, 0, 0, 200, 100);
    const HWND f = frame(child);
    ShowWindow(f, SW_HIDE);
    drain(); // what hiding it uncovered
    Helper::action = [f] { SetWindowPos(f, nullptr, 0, 0, 300, 250, SWP_NOMOVE | SWP_NOZORDER); };
    PostMessageA(helper.hwnd, WM_APP, 0, 0);
    press({}, {'K', 'k'});
    int type = 0;
    tess::EventRecord m;
    WMessage(type, m); // the resize is not handed over; the key that follows is
    EXPECT_EQ(type, tess::EventKey);
    RECT r;
    GetClientRect(client(child), &r);
    EXPECT_EQ(tess::tk().tessar01.windowWidth, r.right);
    EXPECT_NE(r.right, 200);
}

TEST_F(Events, EnableFlagsSwitchEventKindsOff) {
    int flag = -1;
    EXPECT_EQ(yyinfomessage_(15, flag), 0);
    EXPECT_EQ(flag, 0);
    EXPECT_EQ(yyinfomessage_(6, flag), 0);
    EXPECT_EQ(yyinfomessage_(1, flag), 1);
    yyenablemessage_(1, 0);
    yyenablemessage_(99, 1); // ignored
    press({}, {'A', 'a'});
    EXPECT_TRUE(drain().empty());
    POINT p{100, 100};
    ClientToScreen(client(0), &p);
    plat::inject_mouse_move(p);
    EXPECT_TRUE(drain().empty()); // moves are off by default
    yyenablemessage_(6, 1);
    plat::inject_mouse_move({p.x + 1, p.y});
    tess::EventRecord m;
    ASSERT_EQ(next_event(m), tess::EventMouseMove);
    EXPECT_EQ(m.Value1, -1);
    EXPECT_EQ(m.Value2, m.Time / 10);
}

TEST_F(Events, AOneShotTimerGivesOneEvent) {
    yysettimer_(500, 7);
    tess::EventRecord m;
    EXPECT_EQ(next_event(m), -1);
    plat::advance_clock(600);
    ASSERT_EQ(next_event(m), tess::EventTimer);
    EXPECT_EQ(m.Win, 0);
    EXPECT_EQ(m.Value1, 7);
    plat::advance_clock(600);
    EXPECT_EQ(next_event(m), -1);
}

TEST_F(Events, MinimisingGivesNoResize) {
    const int child = open_child(1 | 2, 0, 0, 200, 100);
    drain();
    ShowWindow(frame(child), SW_MINIMIZE);
    for (const auto& [type, m] : drain())
        EXPECT_NE(type, tess::EventResize);
}

TEST_F(Events, FrameClicksWhenEnabledButNotOnTheMinimiseBox) {
    const int child = open_child(1 | 2 | 4, 100, 100, 300, 200);
    drain();
    RECT w;
    GetWindowRect(frame(child), &w);
    const POINT caption{w.left + 40, w.top + 10};
    plat::inject_mouse(caption, 0, true);
    plat::inject_mouse(caption, 0, false);
    EXPECT_TRUE(drain().empty()); // off by default
    yyenablemessage_(12, 1);
    plat::inject_mouse(caption, 2 - 1, true); // right button
    plat::inject_mouse(caption, 2 - 1, false);
    auto all = drain();
    ASSERT_EQ(all.size(), 1u);
    EXPECT_EQ(all[0].first, tess::EventFrameClick);
    EXPECT_EQ(all[0].second.Win, child);
    EXPECT_EQ(all[0].second.Value1, 3);
    // The minimise box is third from the right of the caption.
    const POINT minimise{w.right - 4 - 18 * 2 - 9, w.top + 4 + 9};
    ASSERT_EQ(SendMessageA(frame(child), WM_NCHITTEST, 0, MAKELPARAM(minimise.x, minimise.y)),
              HTMINBUTTON);
    plat::inject_mouse(minimise, 0, true);
    for (const auto& [type, m] : drain())
        EXPECT_NE(type, tess::EventFrameClick);
}

TEST_F(Events, ButtonsDownCaptureAndDraggingOutGivesNegativePositions) {
    yyenablemessage_(5, 1);
    yyenablemessage_(6, 1);
    POINT p{100, 100};
    ClientToScreen(client(0), &p);
    plat::inject_mouse(p, 0, true);
    auto all = drain(); // the press takes the capture
    POINT out{p.x - 100 - 5, p.y};
    plat::inject_mouse_move(out);
    plat::inject_mouse(out, 0, false);
    for (auto& e : drain())
        all.push_back(e);
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[0].first, tess::EventButtonDown);
    EXPECT_EQ(all[0].second.Value1, 1);
    EXPECT_EQ(all[1].first, tess::EventMouseMove);
    EXPECT_LT(all[1].second.X, 0);
    EXPECT_EQ(all[2].first, tess::EventButtonUp);
    EXPECT_LT(all[2].second.X, 0);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(Events, CloseBoxGivesACloseRequestAndKeepsTheWindow) {
    SendMessageA(frame(0), WM_SYSCOMMAND, SC_CLOSE, 0);
    tess::EventRecord m;
    // Sent outside a retrieval the event is not kept; through the queue it is.
    PostMessageA(frame(0), WM_CLOSE, 0, 0);
    ASSERT_EQ(next_event(m), tess::EventCloseRequest);
    EXPECT_EQ(m.Win, 0);
    EXPECT_TRUE(IsWindow(frame(0)));
}

} // namespace

namespace {

TEST_F(Events, WaitKeepsServingTheWindowsUntilItsTimerFires) {
    // The keys typed meanwhile are dispatched and produce events, which are then lost, as
    // everything produced outside a retrieval but redraws and resizes.
    press({}, {'A', 'a'});
    xxwait_(0); // the shortest timer: due after one tick

    EXPECT_EQ(tess::tk().waitTimer, 0);
    tess::EventRecord m;
    EXPECT_EQ(next_event(m), -1);
    // Without a window there is nothing to wait on.
    WindowClose();
    xxwait_(100);
    EXPECT_EQ(tess::tk().waitTimer, 0);
}

} // namespace
