// Focus, activation, mouse capture, subclassing and disabled windows, driven by injected input.
#include "message_recorder.h"

using namespace testmsg;

namespace {

class InputTest : public WindowTest {};

POINT center_of_client(HWND hwnd) {
    RECT r;
    GetClientRect(hwnd, &r);
    POINT p{r.right / 2, r.bottom / 2};
    ClientToScreen(hwnd, &p);
    return p;
}

// Activating a second frame: the first is deactivated and loses the focus before the second
// is told it is active.
const std::vector<Message> WmSwitchActiveFrameSeq = {
    {WM_WINDOWPOSCHANGING, sent | parent},
    {WM_WINDOWPOSCHANGED, sent | parent | optional},
    {WM_NCACTIVATE, sent | wparam, 0},
    {WM_ACTIVATE, sent | wparam, WA_INACTIVE},
    {WM_NCACTIVATE, sent | parent | wparam, 1},
    {WM_ACTIVATE, sent | parent | wparam, WA_ACTIVE},
    {WM_KILLFOCUS},
    {WM_SETFOCUS, sent | parent}};

TEST_F(InputTest, ActivationMovesBetweenFrames) {
    const HWND a = frame(WS_OVERLAPPEDWINDOW | WS_VISIBLE, "A");
    const HWND b = frame(WS_OVERLAPPEDWINDOW | WS_VISIBLE, "B");
    SetActiveWindow(a);
    ASSERT_EQ(GetFocus(), a);
    recorder.watch(a, b);
    recorder.clear();
    SetActiveWindow(b);
    CHECK_SEQUENCE(recorder, WmSwitchActiveFrameSeq);
    EXPECT_EQ(GetActiveWindow(), b);
    EXPECT_EQ(GetWindow(b, GW_HWNDFIRST), b); // brought to the top
}

// SetFocus from one child to its sibling.
const std::vector<Message> WmSetFocusChildSeq = {{WM_KILLFOCUS}, {WM_SETFOCUS, sent | parent}};

TEST_F(InputTest, FocusMovesBetweenChildrenWithoutReactivating) {
    const HWND f = frame(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    const HWND c1 = child(f, 1);
    const HWND c2 = child(f, 2);
    SetFocus(c1);
    recorder.watch(c1, c2);
    recorder.clear();
    EXPECT_EQ(SetFocus(c2), c1);
    CHECK_SEQUENCE(recorder, WmSetFocusChildSeq);
    EXPECT_EQ(GetActiveWindow(), f);

    // Destroying the focused child hands the focus back to its parent.
    DestroyWindow(c2);
    EXPECT_EQ(GetFocus(), f);
}

// A frame that passes the focus on to its one child, as a toolkit's frame hands it to its
// client window.
HWND focus_child = nullptr;
LRESULT CALLBACK passing_frame(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETFOCUS && focus_child) SetFocus(focus_child);
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

// Destroying the focused child, alone or with its frame: the focus never goes back to a window
// on its way out, and ends on the nearest one that stays.
TEST_F(InputTest, FocusIsNotHandedBackToAWindowBeingDestroyed) {
    struct Case {
        const char* name;
        bool frameToo; // the frame, a child of the outer frame, goes after its child
    };
    for (const Case c : {Case{"the child alone", false}, Case{"the child, then its frame", true}}) {
        SCOPED_TRACE(c.name);
        const HWND outer = frame(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
        const HWND inner = child(outer, 1, WS_CHILD | WS_VISIBLE | WS_CAPTION);
        const HWND client = child(inner, 2);
        SetWindowLongPtrA(inner, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(passing_frame));
        focus_child = client;
        SetFocus(client);
        ASSERT_EQ(GetFocus(), client);
        recorder.clear();
        DestroyWindow(client);
        focus_child = nullptr;
        for (const Received& r : recorder.log())
            EXPECT_FALSE(r.hwnd == client && r.message == WM_SETFOCUS);
        EXPECT_EQ(GetFocus(), inner);
        if (c.frameToo) {
            DestroyWindow(inner);
            EXPECT_EQ(GetFocus(), outer);
        }
        DestroyWindow(outer);
    }
}

TEST_F(InputTest, ClickActivatesTheFrameAndReachesTheChild) {
    const HWND a = frame(WS_OVERLAPPEDWINDOW | WS_VISIBLE, "A");
    const HWND b = CreateWindowExA(0, "TestFrame", "B", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 600, 100,
                                   300, 200, nullptr, nullptr, nullptr, nullptr);
    const HWND c = child(a, 1);
    SetActiveWindow(b);
    pump();
    recorder.watch(c, a);
    recorder.clear();
    plat::inject_mouse(center_of_client(c), 0, true);
    pump();
    // The hit test and the activation question precede the click itself.
    const std::vector<Message> WmClickChildOfInactiveSeq = {
        {WM_NCHITTEST},
        {WM_SETCURSOR},
        {WM_SETCURSOR, sent | parent},
        {WM_MOUSEACTIVATE},
        {WM_MOUSEACTIVATE, sent | parent},
        {WM_WINDOWPOSCHANGING, sent | parent},
        {WM_WINDOWPOSCHANGED, sent | parent},
        {WM_NCACTIVATE, sent | parent | wparam, 1},
        {WM_ACTIVATE, sent | parent | wparam, WA_CLICKACTIVE},
        {WM_SETFOCUS, sent | parent},
        {WM_LBUTTONDOWN, posted | wparam, MK_LBUTTON}};
    CHECK_SEQUENCE(recorder, WmClickChildOfInactiveSeq);
    EXPECT_EQ(GetActiveWindow(), a);
}

int captured_x = 0, captured_y = 0;

LRESULT CALLBACK capture_proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_MOUSEMOVE) {
        captured_x = GET_X_LPARAM(lParam);
        captured_y = GET_Y_LPARAM(lParam);
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

TEST_F(InputTest, CaptureGivesNegativeClientCoordinatesOutsideTheWindow) {
    const HWND f = frame(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    const HWND c = child(f, 1);
    SetWindowLongPtrA(c, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(capture_proc));
    SetCapture(c);
    POINT origin{0, 0};
    ClientToScreen(c, &origin);
    plat::inject_mouse_move({origin.x - 30, origin.y - 7});
    pump();
    EXPECT_EQ(captured_x, -30);
    EXPECT_EQ(captured_y, -7);
    ReleaseCapture();
    EXPECT_EQ(GetCapture(), nullptr);
    captured_x = 0;
    plat::inject_mouse_move({origin.x - 30, origin.y - 7});
    pump();
    EXPECT_EQ(captured_x, 0); // without capture the move goes to the frame
}

TEST_F(InputTest, DestroyingTheCapturingWindowOrItsParentReleasesTheCapture) {
    const HWND f = frame(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    for (const bool parentGoes : {false, true}) {
        const HWND c = child(f, 1);
        const HWND inner = child(c, 2);
        SetCapture(inner);
        DestroyWindow(parentGoes ? c : inner);
        EXPECT_EQ(GetCapture(), nullptr) << (parentGoes ? "parent destroyed" : "window destroyed");
        if (!parentGoes) DestroyWindow(c);
    }
}

std::vector<int>* chain = nullptr;

WNDPROC middle_previous = nullptr;

LRESULT CALLBACK middle_subclass(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_USER) chain->push_back(2);
    return CallWindowProcA(middle_previous, hwnd, message, wParam, lParam);
}

WNDPROC outer_previous = nullptr;

LRESULT CALLBACK outer_subclass(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_USER) {
        chain->push_back(1);
        if (wParam == 99) return 5; // swallowed before the older procedures see it
    }
    return CallWindowProcA(outer_previous, hwnd, message, wParam, lParam);
}

LRESULT CALLBACK base_proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_USER) {
        chain->push_back(3);
        return 42;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

TEST_F(InputTest, SubclassChainRunsNewestFirst) {
    std::vector<int> calls;
    chain = &calls;
    const HWND f = frame();
    SetWindowLongPtrA(f, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(base_proc));
    middle_previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(f, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(middle_subclass)));
    outer_previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(f, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(outer_subclass)));
    EXPECT_EQ(middle_previous, base_proc);
    EXPECT_EQ(SendMessageA(f, WM_USER, 0, 0), 42);
    EXPECT_EQ(calls, (std::vector<int>{1, 2, 3}));
    calls.clear();
    EXPECT_EQ(SendMessageA(f, WM_USER, 99, 0), 5);
    EXPECT_EQ(calls, (std::vector<int>{1}));
    // Removing the outer subclass restores the chain below it.
    SetWindowLongPtrA(f, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(middle_subclass));
    calls.clear();
    SendMessageA(f, WM_USER, 99, 0);
    EXPECT_EQ(calls, (std::vector<int>{2, 3}));
}

TEST_F(InputTest, DisabledFrameGetsNoInputButTheBellRings) {
    const HWND f = frame(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    const HWND c = child(f, 1);
    SetFocus(c);
    EnableWindow(f, FALSE);
    EXPECT_FALSE(IsWindowEnabled(f));
    recorder.watch(f, c);
    recorder.clear();
    const int bells = screen->bells();
    plat::inject_mouse(center_of_client(c), 0, true);
    plat::inject_mouse(center_of_client(c), 0, false);
    plat::inject_key('A', 'a', true);
    pump();
    for (const Received& r : recorder.log()) {
        EXPECT_NE(r.message, static_cast<UINT>(WM_LBUTTONDOWN));
        EXPECT_NE(r.message, static_cast<UINT>(WM_KEYDOWN));
        EXPECT_NE(r.message, static_cast<UINT>(WM_CHAR));
    }
    EXPECT_EQ(screen->bells(), bells + 1); // the refused click, not its release
    EnableWindow(f, TRUE);
    SetFocus(c);
    recorder.clear();
    plat::inject_key('A', 'a', true);
    pump();
    recorder.watch(c);
    const std::vector<Message> WmTypedKeySeq = {{WM_KEYDOWN, posted | wparam, 'A'},
                                                {WM_CHAR, posted | wparam, 'a'}};
    CHECK_SEQUENCE(recorder, WmTypedKeySeq);
}

int closes = 0;

LRESULT CALLBACK keep_open_proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) {
        ++closes; // the application decides; not passing it on keeps the window
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

TEST_F(InputTest, CloseBoxClickBecomesCloseRequestWithoutDestroying) {
    const HWND f = frame(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    SetWindowLongPtrA(f, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(keep_open_proc));
    RECT r;
    GetWindowRect(f, &r);
    const POINT closeBox{r.right - 4 - 9, r.top + 4 + 9};
    EXPECT_EQ(SendMessageA(f, WM_NCHITTEST, 0, MAKELPARAM(closeBox.x, closeBox.y)), HTCLOSE);
    EXPECT_EQ(SendMessageA(f, WM_NCHITTEST, 0, MAKELPARAM(r.left + 60, r.top + 12)), HTCAPTION);
    EXPECT_EQ(SendMessageA(f, WM_NCHITTEST, 0, MAKELPARAM(r.left + 1, r.top + 100)), HTLEFT);
    EXPECT_EQ(SendMessageA(f, WM_NCHITTEST, 0, MAKELPARAM(r.right - 1, r.bottom - 1)),
              HTBOTTOMRIGHT);
    pump();
    recorder.watch(f);
    recorder.clear();
    plat::inject_mouse(closeBox, 0, true);
    pump();
    const std::vector<Message> WmCloseBoxSeq = {{WM_NCHITTEST},
                                                {WM_SETCURSOR},
                                                {WM_NCLBUTTONDOWN, posted | wparam, HTCLOSE},
                                                {WM_SYSCOMMAND, sent | wparam, SC_CLOSE},
                                                {WM_CLOSE}};
    CHECK_SEQUENCE(recorder, WmCloseBoxSeq);
    EXPECT_EQ(closes, 1);
    EXPECT_TRUE(IsWindow(f));

    // Alt+F4 asks the same way.
    plat::inject_key(VK_MENU, 0, true);
    plat::inject_key(VK_F4, 0, true);
    pump();
    EXPECT_EQ(closes, 2);
    EXPECT_TRUE(IsWindow(f));
}

} // namespace

namespace {

struct KeySeen {
    WPARAM vk;
    bool shiftSynced;
    bool shiftAsync;
};
std::vector<KeySeen>* keysSeen = nullptr;

LRESULT CALLBACK key_state_proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN && keysSeen)
        keysSeen->push_back({wParam, (GetKeyState(VK_SHIFT) & 0x8000) != 0,
                             (GetAsyncKeyState(VK_SHIFT) & 0x8000) != 0});
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

// Keys typed ahead are read later: the state a window sees is that of the message it handles.
TEST_F(InputTest, GetKeyStateFollowsTheMessagesReadNotTheKeyboard) {
    const HWND f = frame(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    SetWindowLongPtrA(f, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(key_state_proc));
    SetFocus(f);
    std::vector<KeySeen> seen;
    keysSeen = &seen;
    plat::inject_key(VK_SHIFT, 0, true);
    plat::inject_key('A', 'A', true);
    plat::inject_key('A', 'A', false);
    plat::inject_key(VK_SHIFT, 0, false);
    plat::inject_key('B', 'b', true);
    plat::inject_key('B', 'b', false);
    EXPECT_FALSE(GetKeyState(VK_SHIFT) & 0x8000); // nothing read yet
    pump();
    keysSeen = nullptr;
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_TRUE(seen[1].shiftSynced); // 'A' was typed with Shift held
    EXPECT_FALSE(seen[1].shiftAsync); // although the key is up by now
    EXPECT_FALSE(seen[2].shiftSynced);
}

} // namespace
