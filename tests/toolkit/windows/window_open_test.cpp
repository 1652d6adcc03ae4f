// Opening windows: a child's first appearance, the frame's media notification and the fatal
// start-up failures.
#include <string>

#include "core/context.h"
#include "core/media.h"
#include "window_fixture.h"

using namespace testtk;

namespace {

TEST_F(ToolkitWindows, ChildrenAppearWithNothingLeftToRedraw) {
    using namespace tess;
    struct Case {
        const char* what;
        int flags;
    };
    const Case cases[] = {
        {"inside the root", WinFlagSystemMenu | WinFlagInsideRoot},
        {"inside the root, with a status bar", WinFlagInsideRoot | WinFlagStatusBar},
        {"inside the root, maximised", WinFlagInsideRoot | WinFlagMaximiseBox | WinFlagMaximised},
        {"free-standing", WinFlagSystemMenu},
        {"free-standing, owned, with a status bar", WinFlagOwnedByRoot | WinFlagStatusBar},
    };
    open_root(1000, 800);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        drain();
        const int n = open_child(c.flags, 1000, 1000, 4000, 3000);
        ASSERT_GT(n, 0);
        RECT dirty{};
        EXPECT_FALSE(GetUpdateRect(client(n), &dirty, FALSE));
        for (const auto& [type, m] : drain())
            EXPECT_FALSE(type == EventRedraw && m.Win == n) << "a redraw of the new child";
        WindowCloseChild(n);
    }
}

std::vector<int>& closed_devices() {
    static std::vector<int> closed;
    return closed;
}

TEST_F(ToolkitWindows, MediaNotificationForgetsTheFirstWindowHoldingTheDeviceAndClosesIt) {
    open_root(600, 400);
    const int a = open_child(1, 0, 0, 100, 80);
    const int b = open_child(1, 0, 0, 100, 80);
    closed_devices().clear();
    tess::tk().closeMedia = [](int device) { closed_devices().push_back(device); };
    tess::window(a).device = 42;
    tess::window(b).device = 42; // the same device twice: only the first entry goes
    tess::window(0).device = 7;

    SendMessageA(frame(b), tess::MediaNotifyMessage, 1, 42);
    EXPECT_EQ(tess::window(0).device, 7);
    EXPECT_EQ(tess::window(a).device, 0);
    EXPECT_EQ(tess::window(b).device, 42);
    EXPECT_EQ(closed_devices(), std::vector<int>{42});

    SendMessageA(frame(0), tess::MediaNotifyMessage, 1, 99); // nobody's: nothing happens
    EXPECT_EQ(closed_devices(), std::vector<int>{42});

    // Closing the windows closes what they still hold.
    WindowClose();
    EXPECT_EQ(closed_devices(), (std::vector<int>{42, 7, 42}));
    tess::tk().closeMedia = nullptr;
}

// A client class whose windows refuse to be created, standing in for a window system that
// cannot make the root's client window.
LRESULT CALLBACK refuse_creation(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) return FALSE;
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

using ToolkitWindowsDeathTest = ToolkitWindows;

TEST_F(ToolkitWindowsDeathTest, ARootThatCannotBeCreatedEndsTheProcessWithAFailureCode) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const auto open_without_client = [this] {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = refuse_creation;
        wc.lpszClassName = "TESSCLIENT";
        RegisterClassExA(&wc);
        open_root(300, 200);
    };
    EXPECT_EXIT(open_without_client(), ::testing::ExitedWithCode(1),
                "Failed to create window - aborting.");
}

} // namespace
