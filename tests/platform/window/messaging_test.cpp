// Sending, posting, painting and timers.
#include <string>
#include <vector>

#include "message_recorder.h"
#include "window/modal_loop.h"

using namespace testmsg;

namespace {

class MessagingTest : public WindowTest {};

std::vector<std::string>* journal = nullptr;

LRESULT CALLBACK reentrant_proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_USER) {
        journal->push_back("enter " + std::to_string(wParam));
        // A message sent from inside a window procedure runs at once, to completion.
        if (wParam < 3) SendMessageA(hwnd, WM_USER, wParam + 1, 0);
        journal->push_back("leave " + std::to_string(wParam));
        return static_cast<LRESULT>(wParam * 10);
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

TEST_F(MessagingTest, SendMessageIsSynchronousAndReentrant) {
    std::vector<std::string> log;
    journal = &log;
    const HWND f = frame();
    SetWindowLongPtrA(f, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(reentrant_proc));
    EXPECT_EQ(SendMessageA(f, WM_USER, 1, 0), 10);
    EXPECT_EQ(log, (std::vector<std::string>{"enter 1", "enter 2", "enter 3", "leave 3", "leave 2",
                                             "leave 1"}));
    MSG msg;
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_USER, WM_USER, PM_NOREMOVE)); // nothing queued
}

TEST_F(MessagingTest, PostedMessagesArriveInOrderAndFiltersSelect) {
    const HWND a = frame();
    const HWND b = frame();
    PostMessageA(a, WM_USER + 1, 1, 0);
    PostMessageA(b, WM_USER + 2, 2, 0);
    PostMessageA(a, WM_USER + 3, 3, 0);
    PostMessageA(nullptr, WM_USER + 4, 4, 0);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, b, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, WM_USER + 2u);
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_USER + 3, WM_USER + 4, PM_NOREMOVE));
    EXPECT_EQ(msg.message, WM_USER + 3u); // a peek without removing leaves it in place
    std::vector<UINT> order;
    while (PeekMessageA(&msg, nullptr, WM_USER, WM_USER + 10, PM_REMOVE))
        order.push_back(msg.message);
    EXPECT_EQ(order, (std::vector<UINT>{WM_USER + 1, WM_USER + 3, WM_USER + 4}));
    PostQuitMessage(7);
    EXPECT_FALSE(GetMessageA(&msg, nullptr, 0, 0));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(msg.wParam, 7u);
}

TEST_F(MessagingTest, PaintComesOnlyWhenTheQueueIsEmptyOncePerWindow) {
    const HWND a = frame(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    const HWND b = frame(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    pump();
    recorder.clear();
    InvalidateRect(a, nullptr, FALSE);
    RECT part{0, 0, 10, 10};
    InvalidateRect(a, &part, FALSE); // a second invalidation adds no second paint
    InvalidateRect(b, nullptr, TRUE);
    PostMessageA(a, WM_USER, 0, 0);
    pump();
    // The posted message comes first; each invalid window then gets one WM_PAINT, and only a
    // window invalidated with erasing gets WM_ERASEBKGND inside its BeginPaint.
    const std::vector<Message> PostedThenPaintSeq = {{WM_USER, posted}, {WM_PAINT, posted}};
    const std::vector<Message> PaintWithEraseSeq = {{WM_PAINT, posted}, {WM_ERASEBKGND}};
    recorder.watch(a);
    CHECK_SEQUENCE_KEEP(recorder, PostedThenPaintSeq);
    recorder.watch(b);
    CHECK_SEQUENCE_KEEP(recorder, PaintWithEraseSeq);
    const auto& log = recorder.log();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.front().message, static_cast<UINT>(WM_USER));
    MSG msg;
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_PAINT, WM_PAINT, PM_NOREMOVE)); // validated
}

LRESULT CALLBACK paint_proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT ps;
        BeginPaint(hwnd, &ps);
        RECT update;
        // BeginPaint has validated: nothing is left to paint.
        EXPECT_FALSE(GetUpdateRect(hwnd, &update, FALSE));
        EXPECT_EQ(ps.rcPaint.left, 5);
        EXPECT_EQ(ps.rcPaint.bottom, 40);
        EndPaint(hwnd, &ps);
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

TEST_F(MessagingTest, BeginPaintReportsAndValidatesTheUpdateRect) {
    const HWND f = frame(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    pump();
    SetWindowLongPtrA(f, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(paint_proc));
    RECT a{5, 5, 20, 20}, b{10, 10, 30, 40};
    InvalidateRect(f, &a, FALSE);
    InvalidateRect(f, &b, FALSE);
    RECT update;
    ASSERT_TRUE(GetUpdateRect(f, &update, FALSE));
    EXPECT_EQ(update.right, 30);
    EXPECT_EQ(pump(), 1);
    EXPECT_EQ(pump(), 0);
}

TEST_F(MessagingTest, HiddenWindowsGetNoPaint) {
    const HWND f = frame();
    InvalidateRect(f, nullptr, TRUE);
    MSG msg;
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE));
    ShowWindow(f, SW_SHOW);
    EXPECT_TRUE(PeekMessageA(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE));
}

int ticks = 0;

LRESULT CALLBACK one_shot_proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER && wParam == 42) {
        ++ticks;
        KillTimer(hwnd, 42); // one shot: the handler stops its own timer
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

TEST_F(MessagingTest, OneShotTimerFiresOnceAndRestartReplaces) {
    ticks = 0;
    const HWND f = frame();
    SetWindowLongPtrA(f, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(one_shot_proc));
    EXPECT_EQ(SetTimer(f, 42, 5000, nullptr), 42u);
    EXPECT_EQ(SetTimer(f, 42, 10, nullptr), 42u); // the running timer restarts with the new time
    const DWORD start = GetTickCount();
    MSG msg;
    while (ticks == 0 && GetTickCount() - start < 2000) {
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
        else
            WaitMessage();
    }
    EXPECT_EQ(ticks, 1);
    EXPECT_LT(GetTickCount() - start, 1000u);
    const DWORD after = GetTickCount();
    while (GetTickCount() - after < 60)
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    EXPECT_EQ(ticks, 1);
    EXPECT_FALSE(KillTimer(f, 42));
}

TEST_F(MessagingTest, TimersOfADestroyedWindowStop) {
    const HWND f = frame();
    SetTimer(f, 1, 10, nullptr);
    DestroyWindow(f);
    const DWORD start = GetTickCount();
    MSG msg;
    while (GetTickCount() - start < 40)
        EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE));
}

TEST_F(MessagingTest, ModalLoopKeepsServingOtherWindows) {
    const HWND other = frame();
    std::vector<std::string> log;
    journal = &log;
    SetWindowLongPtrA(other, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(reentrant_proc));
    PostMessageA(other, WM_USER, 3, 0);
    PostMessageA(other, WM_USER, 3, 0);
    int rounds = 0;
    plat::ModalLoop loop;
    loop.done = [&] { return log.size() >= 4 || ++rounds > 1000; };
    EXPECT_EQ(plat::run_modal_loop(loop), plat::ModalEnd::Done);
    EXPECT_EQ(log.size(), 4u);
    // WM_QUIT ends the modal loop and stays for the outer one.
    PostQuitMessage(3);
    loop.done = [] { return false; };
    EXPECT_EQ(plat::run_modal_loop(loop), plat::ModalEnd::Quit);
    MSG msg;
    EXPECT_FALSE(GetMessageA(&msg, nullptr, 0, 0));
    EXPECT_EQ(msg.wParam, 3u);
}

TEST_F(MessagingTest, ExtraBytesHoldLongsApartFromUserData) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = default_proc;
    wc.cbWndExtra = 2 * sizeof(LONG_PTR);
    wc.lpszClassName = "WithExtra";
    ASSERT_TRUE(RegisterClassExA(&wc));
    const HWND w = CreateWindowExA(0, "WithExtra", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                   nullptr, nullptr);
    ASSERT_TRUE(w);
    EXPECT_EQ(GetWindowLongPtrA(w, 0), 0); // zeroed at creation
    EXPECT_EQ(SetWindowLongPtrA(w, 0, 111), 0);
    EXPECT_EQ(SetWindowLongPtrA(w, sizeof(LONG_PTR), -5), 0);
    SetWindowLongPtrA(w, GWLP_USERDATA, 7);
    EXPECT_EQ(SetWindowLongPtrA(w, 0, 112), 111);
    EXPECT_EQ(GetWindowLongPtrA(w, sizeof(LONG_PTR)), -5);
    EXPECT_EQ(GetWindowLongPtrA(w, GWLP_USERDATA), 7);
    // A long that would reach past the extra bytes is refused.
    EXPECT_EQ(SetWindowLongPtrA(w, sizeof(LONG_PTR) + 1, 9), 0);
    EXPECT_EQ(GetWindowLongPtrA(w, sizeof(LONG_PTR) + 1), 0);
    EXPECT_EQ(GetWindowLongPtrA(w, sizeof(LONG_PTR)), -5);
    DestroyWindow(w);
    UnregisterClassA("WithExtra", nullptr);
}

} // namespace
