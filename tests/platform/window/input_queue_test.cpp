// Input typed or clicked ahead is addressed when the program reads it, not when it arrives.
#include "message_recorder.h"
#include "window/modal_loop.h"

using namespace testmsg;

namespace {

class InputQueueTest : public WindowTest {};

struct KeySeen {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    bool operator==(const KeySeen&) const = default;
};
std::vector<KeySeen>* keys = nullptr;
HWND tabTarget = nullptr;

bool is_keyboard(UINT m) {
    return m >= WM_KEYFIRST && m <= WM_KEYLAST;
}

// A field that hands the focus on at Tab, as a dialog's field does.
LRESULT CALLBACK field_proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (keys && is_keyboard(message)) keys->push_back({hwnd, message, wParam});
    if (message == WM_KEYDOWN && wParam == VK_TAB && tabTarget) SetFocus(tabTarget);
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

void type(int vk, char c) {
    plat::inject_key(vk, c, true);
    plat::inject_key(vk, c, false);
}

TEST_F(InputQueueTest, KeysTypedAfterTabReachTheFieldTheTabMovedTheFocusTo) {
    const HWND f = frame(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    const HWND a = child(f, 1), b = child(f, 2);
    for (HWND h : {a, b})
        SetWindowLongPtrA(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(field_proc));
    SetFocus(a);
    pump();
    std::vector<KeySeen> seen;
    keys = &seen;
    tabTarget = b;
    type(VK_TAB, '\t');
    type('X', 'x');
    pump();
    keys = nullptr;
    tabTarget = nullptr;
    // The Tab's character was queued for the window of its key-down, before the focus moved.
    const std::vector<KeySeen> expected = {{a, WM_KEYDOWN, VK_TAB}, {a, WM_CHAR, '\t'},
                                           {b, WM_KEYUP, VK_TAB},   {b, WM_KEYDOWN, 'X'},
                                           {b, WM_CHAR, 'x'},       {b, WM_KEYUP, 'X'}};
    EXPECT_EQ(seen, expected);
}

TEST_F(InputQueueTest, EachPressKeepsTheCharacterItTyped) {
    const HWND f = frame(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    SetWindowLongPtrA(f, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(field_proc));
    SetFocus(f);
    pump();
    std::vector<KeySeen> seen;
    keys = &seen;
    type('A', 'a');
    plat::inject_key(VK_SHIFT, 0, true);
    type('A', 'A');
    plat::inject_key(VK_SHIFT, 0, false);
    type('B', 'b');
    pump();
    keys = nullptr;
    std::string typed;
    for (const KeySeen& k : seen)
        if (k.message == WM_CHAR) typed.push_back(static_cast<char>(k.wParam));
    EXPECT_EQ(typed, "aAb");
}

// Keys typed before a modal loop starts are read in it, where the owner is disabled: they reach
// the modal window, which has the focus, or, in a wait without one, nobody.
TEST_F(InputQueueTest, KeysTypedBeforeAModalLoopNeverReachTheDisabledOwner) {
    for (const bool withModalWindow : {true, false}) {
        const HWND owner = frame(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
        SetWindowLongPtrA(owner, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(field_proc));
        SetFocus(owner);
        pump();
        std::vector<KeySeen> seen;
        keys = &seen;
        // The program reads a request to go modal; the keys wait behind it.
        PostMessageA(owner, WM_USER, 0, 0);
        type('K', 'k');
        MSG msg;
        ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
        ASSERT_EQ(msg.message, static_cast<UINT>(WM_USER));
        HWND modal = nullptr;
        if (withModalWindow) {
            modal = CreateWindowExA(0, "TestFrame", "Modal", WS_POPUP | WS_VISIBLE, 0, 0, 80, 60,
                                    owner, nullptr, nullptr, nullptr);
            SetWindowLongPtrA(modal, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(field_proc));
            SetFocus(modal);
        }
        bool drained = false;
        plat::ModalLoop loop;
        loop.owner = owner;
        loop.window = modal;
        loop.disableOwner = true;
        loop.idle = [&] { drained = true; };
        loop.done = [&] { return drained; };
        EXPECT_EQ(plat::run_modal_loop(loop), plat::ModalEnd::Done);
        keys = nullptr;
        std::vector<KeySeen> expected;
        if (withModalWindow)
            expected = {{modal, WM_KEYDOWN, 'K'}, {modal, WM_CHAR, 'k'}, {modal, WM_KEYUP, 'K'}};
        EXPECT_EQ(seen, expected) << "with a modal window: " << withModalWindow;
        DestroyWindow(owner);
    }
}

std::vector<HWND>* activeWhenRead = nullptr;

LRESULT CALLBACK note_active_proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if ((message == WM_USER || message == WM_LBUTTONDOWN) && activeWhenRead)
        activeWhenRead->push_back(GetActiveWindow());
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

TEST_F(InputQueueTest, AClickQueuedBehindOtherMessagesActivatesOnlyWhenRead) {
    const HWND a = frame(WS_OVERLAPPEDWINDOW | WS_VISIBLE, "A");
    const HWND b = CreateWindowExA(0, "TestFrame", "B", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 500, 100,
                                   300, 200, nullptr, nullptr, nullptr, nullptr);
    for (HWND h : {a, b})
        SetWindowLongPtrA(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(note_active_proc));
    SetActiveWindow(a);
    pump();
    std::vector<HWND> seen;
    activeWhenRead = &seen;
    PostMessageA(a, WM_USER, 0, 0);
    PostMessageA(a, WM_USER, 1, 0);
    RECT r;
    GetClientRect(b, &r);
    POINT p{r.right / 2, r.bottom / 2};
    ClientToScreen(b, &p);
    plat::inject_mouse(p, 0, true);
    plat::inject_mouse(p, 0, false);
    EXPECT_EQ(GetActiveWindow(), a); // nothing read yet
    pump();
    activeWhenRead = nullptr;
    EXPECT_EQ(seen, (std::vector<HWND>{a, a, b}));
    EXPECT_EQ(GetActiveWindow(), b);
}

std::vector<UINT>* buttons = nullptr;

LRESULT CALLBACK button_proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (buttons && (message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK))
        buttons->push_back(message);
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

// Two presses read together make a double click by the time and place each happened.
TEST_F(InputQueueTest, DoubleClicksAreJudgedByWhenAndWhereEachPressHappened) {
    struct Row {
        DWORD pauseMs; // between the two clicks, on the devices' clock
        int dx;        // the second press's distance from the first
        UINT second;
    };
    const Row rows[] = {{0, 0, WM_LBUTTONDBLCLK},
                        {0, 2, WM_LBUTTONDBLCLK},
                        {0, 20, WM_LBUTTONDOWN},
                        {800, 0, WM_LBUTTONDOWN}};
    const HWND f = frame(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    SetWindowLongPtrA(f, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(button_proc));
    SetActiveWindow(f);
    RECT r;
    GetClientRect(f, &r);
    POINT p{r.right / 2, r.bottom / 2};
    ClientToScreen(f, &p);
    for (const Row& row : rows) {
        pump();
        plat::advance_clock(1000); // nothing before this row counts
        std::vector<UINT> seen;
        buttons = &seen;
        plat::inject_mouse(p, 0, true);
        plat::inject_mouse(p, 0, false);
        plat::advance_clock(row.pauseMs);
        plat::inject_mouse({p.x + row.dx, p.y}, 0, true);
        plat::inject_mouse({p.x + row.dx, p.y}, 0, false);
        pump();
        buttons = nullptr;
        EXPECT_EQ(seen, (std::vector<UINT>{WM_LBUTTONDOWN, row.second}))
            << "pause " << row.pauseMs << " distance " << row.dx;
    }
}

} // namespace
