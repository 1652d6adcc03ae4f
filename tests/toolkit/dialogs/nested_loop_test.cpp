// Events produced while the root menu is open: menu tracking runs its own loop inside one
// dispatch of the retrieval loop, and what the window procedures produce meanwhile is kept,
// parked or dropped by kind.
#include <gtest/gtest.h>

#include <chrono>
#include <deque>
#include <functional>
#include <thread>
#include <vector>

#include <windows.h>

#include "backend/headless/headless_backend.h"
#include "core/context.h"
#include "core/wmessage.h"
#include "graphics/oswin.h"
#include "menu_ids.h"
#include "public/tessaramond.h"
#include "support/temp_dir.h"
#include "window/input.h"
#include "window/message_queue.h"

namespace {

// A headless screen that runs the next step each time the program waits for input.
class ScriptedScreen : public plat::HeadlessBackend {
public:
    using HeadlessBackend::HeadlessBackend;
    std::deque<std::function<void()>> steps;

    bool wait_for_input(int timeoutMs) override {
        if (steps.empty()) return HeadlessBackend::wait_for_input(timeoutMs);
        auto step = std::move(steps.front());
        steps.pop_front();
        step();
        return true;
    }
};

void click(const RECT& r) {
    const POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    plat::inject_mouse_move(p);
    plat::inject_mouse(p, 0, true);
    plat::inject_mouse(p, 0, false);
}

void key(int vk) {
    plat::inject_key(vk, 0, true);
    plat::inject_key(vk, 0, false);
}

class NestedLoop : public ::testing::Test {
protected:
    void SetUp() override {
        auto s = std::make_unique<ScriptedScreen>(SIZE{1024, 768});
        screen = s.get();
        plat::set_backend(std::move(s));
        WInitialise(" ");
        tess::WindowDescription d;
        d.Flags = tess::WinFlagSystemMenu;
        d.Left = d.Top = 10;
        d.Width = 600;
        d.Height = 400;
        d.MenuId = IDM_DEMO;
        d.Title = "Wurzel";
        WindowOpen(d);
        frame = tess::window(0).frame;
        client = tess::window(0).client;
    }
    void TearDown() override {
        WindowClose();
        plat::reset_queue();
        plat::reset_input();
    }
    // The next event without waiting; type -1 when there is none.
    int peek(tess::EventRecord& m) {
        int type = 0, keep = 1;
        yydispatchpeekmessage_(type, m.Value1, m.Value2, m.Value3, m.Value4, m.X, m.Y, m.Win,
                               m.Time, keep);
        return type;
    }
    // Opens "&Datei" with the mouse, runs the steps while it is open, then closes it.
    void while_menu_open(std::initializer_list<std::function<void()>> during) {
        screen->steps.push_back([this] {
            RECT title;
            GetMenuItemRect(frame, GetMenu(frame), 0, &title);
            click(title);
        });
        for (const auto& step : during)
            screen->steps.push_back(step);
        screen->steps.push_back([] {
            key(VK_ESCAPE);
            key(VK_ESCAPE);
        });
    }

    testsupport::TempDir dir{true};
    ScriptedScreen* screen = nullptr;
    HWND frame = nullptr, client = nullptr;
};

TEST_F(NestedLoop, ATimerAndACloseRequestAreKeptInOrderAndKeysAreDropped) {
    bool menuWasOpen = false;
    while_menu_open({
        [&] {
            menuWasOpen = tess::tk().events.nested > 0;
            PostMessageA(frame, WM_CLOSE, 0, 0);
            PostMessageA(client, WM_CHAR, 'x', 0); // typed into the menu's loop: not the program's
            yysettimer_(1, 7);
        },
        [] { std::this_thread::sleep_for(std::chrono::milliseconds(20)); },
    });
    int type = 0;
    tess::EventRecord m;
    WMessage(type, m);
    EXPECT_TRUE(menuWasOpen);
    EXPECT_EQ(type, tess::EventCloseRequest);
    EXPECT_EQ(m.Win, 0);
    WMessage(type, m);
    EXPECT_EQ(type, tess::EventTimer);
    EXPECT_EQ(m.Value1, 7);
    EXPECT_EQ(m.Win, 0);
    EXPECT_EQ(tess::tk().events.nested, 0);
    EXPECT_EQ(peek(m), -1); // the key was dropped
}

TEST_F(NestedLoop, ACloseRequestKeptWhileTheMenuIsOpenComesBeforeTheItemChosenAfterIt) {
    screen->steps.push_back([this] {
        RECT title;
        GetMenuItemRect(frame, GetMenu(frame), 0, &title);
        click(title);
    });
    screen->steps.push_back([this] {
        PostMessageA(frame, WM_CLOSE, 0, 0);
        RECT item;
        const HMENU file = GetSubMenu(GetMenu(frame), 0);
        ASSERT_TRUE(GetMenuItemRect(frame, file, 0, &item));
        click(item);
    });
    int type = 0;
    tess::EventRecord m;
    WMessage(type, m);
    EXPECT_EQ(type, tess::EventCloseRequest);
    WMessage(type, m);
    EXPECT_EQ(type, tess::EventMenu);
    EXPECT_EQ(m.Value1, CMD_LOAD);
    EXPECT_EQ(peek(m), -1);
}

// Commands that reach the root frame, recorded on their way to its procedure.
std::vector<WPARAM>& frame_commands() {
    static std::vector<WPARAM> commands;
    return commands;
}
WNDPROC frameProc = nullptr;
LRESULT CALLBACK recording_frame(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) frame_commands().push_back(wParam);
    return CallWindowProcA(frameProc, hwnd, message, wParam, lParam);
}

// Every toolkit loop runs the same chain before dispatching: an accelerator typed while the
// program retrieves events or waits becomes the menu command on the root frame.
TEST_F(NestedLoop, AcceleratorsWorkInTheRetrievalLoopAndInTheWait) {
    frameProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(frame, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(recording_frame)));
    const auto ctrl_o = [] {
        plat::inject_key(VK_CONTROL, 0, true);
        plat::inject_key('O', 0, true);
        plat::inject_key('O', 0, false);
        plat::inject_key(VK_CONTROL, 0, false);
    };
    const std::function<void()> loops[] = {
        [this] {
            int type = 0;
            tess::EventRecord m;
            WMessage(type, m);
            EXPECT_EQ(type, tess::EventMenu);
            EXPECT_EQ(m.Value1, CMD_LOAD);
        },
        [] { xxwait_(2); },
    };
    for (const auto& loop : loops) {
        frame_commands().clear();
        ctrl_o();
        loop();
        EXPECT_EQ(frame_commands(), std::vector<WPARAM>{MAKEWPARAM(CMD_LOAD, 1)});
    }
    SetWindowLongPtrA(frame, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(frameProc));
}

TEST_F(NestedLoop, AWaitEndsAtTheProgramsQuitAndLeavesItForTheProgramsLoop) {
    PostQuitMessage(3);
    xxwait_(10000);
    EXPECT_EQ(tess::tk().waitTimer, 0);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 3u);
}

} // namespace
