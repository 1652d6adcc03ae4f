// What a frame and its client child receive on create, show, resize, min/max/restore and
// destroy, compared with the platform's sequences.
#include "message_recorder.h"

using namespace testmsg;

namespace {

// CreateWindowEx of an overlapped frame that is not yet visible.
const std::vector<Message> WmCreateOverlappedSeq = {
    {WM_GETMINMAXINFO}, {WM_NCCREATE}, {WM_NCCALCSIZE, sent | wparam, 0}, {WM_CREATE}};

// ShowWindow(SW_SHOW) of a hidden overlapped frame: shown, painted and activated inside
// SetWindowPos (bringing it to the top adds no second WM_WINDOWPOSCHANGING), then sized by
// ShowWindow itself.
const std::vector<Message> WmShowOverlappedSeq = {{WM_SHOWWINDOW, sent | wparam, 1},
                                                  {WM_WINDOWPOSCHANGING},
                                                  {WM_NCPAINT, sent | optional},
                                                  {WM_ACTIVATEAPP, sent | wparam, 1},
                                                  {WM_NCACTIVATE, sent | wparam, 1},
                                                  {WM_ACTIVATE, sent | wparam, WA_ACTIVE},
                                                  {WM_SETFOCUS},
                                                  {WM_WINDOWPOSCHANGED},
                                                  {WM_SIZE, sent | wparam, SIZE_RESTORED},
                                                  {WM_MOVE}};

// CreateWindowEx of a child that is not yet visible; the parent hears of it last.
const std::vector<Message> WmCreateChildSeq = {
    {WM_NCCREATE}, {WM_NCCALCSIZE, sent | wparam, 0},
    {WM_CREATE},   {WM_SIZE, sent | wparam, SIZE_RESTORED},
    {WM_MOVE},     {WM_PARENTNOTIFY, sent | parent | wparam, MAKEWPARAM(WM_CREATE, 8)}};

// ShowWindow(SW_SHOW) of a hidden child: no activation.
const std::vector<Message> WmShowChildSeq = {{WM_SHOWWINDOW, sent | wparam, 1},
                                             {WM_WINDOWPOSCHANGING},
                                             {WM_NCPAINT, sent | optional},
                                             {WM_WINDOWPOSCHANGED}};

// MoveWindow of a child to a new size: the client is recalculated, and DefWindowProc reports
// the move, then the size.
const std::vector<Message> WmResizeChildSeq = {{WM_WINDOWPOSCHANGING},
                                               {WM_NCCALCSIZE, sent | wparam, 1},
                                               {WM_NCPAINT, sent | optional},
                                               {WM_WINDOWPOSCHANGED},
                                               {WM_MOVE},
                                               {WM_SIZE, sent | wparam, SIZE_RESTORED}};

// ShowWindow(SW_SHOWMAXIMIZED) of a visible, active frame: the limits are asked for the
// maximised rectangle, and again by DefWindowProc for the size change.
const std::vector<Message> WmMaximizeSeq = {{WM_GETMINMAXINFO},
                                            {WM_WINDOWPOSCHANGING},
                                            {WM_GETMINMAXINFO},
                                            {WM_NCCALCSIZE, sent | wparam, 1},
                                            {WM_NCPAINT, sent | optional},
                                            {WM_WINDOWPOSCHANGED},
                                            {WM_MOVE},
                                            {WM_SIZE, sent | wparam, SIZE_MAXIMIZED}};

// ShowWindow(SW_RESTORE) of a maximised frame.
const std::vector<Message> WmRestoreSeq = {{WM_WINDOWPOSCHANGING},
                                           {WM_GETMINMAXINFO},
                                           {WM_NCCALCSIZE, sent | wparam, 1},
                                           {WM_NCPAINT, sent | optional},
                                           {WM_WINDOWPOSCHANGED},
                                           {WM_MOVE},
                                           {WM_SIZE, sent | wparam, SIZE_RESTORED}};

// ShowWindow(SW_MINIMIZE) of the only, active frame: the focus goes first; with no other window
// to activate the icon stays active.
const std::vector<Message> WmMinimizeSeq = {{WM_KILLFOCUS},
                                            {WM_WINDOWPOSCHANGING},
                                            {WM_GETMINMAXINFO},
                                            {WM_NCCALCSIZE, sent | wparam, 1},
                                            {WM_NCPAINT, sent | optional},
                                            {WM_WINDOWPOSCHANGED},
                                            {WM_MOVE},
                                            {WM_SIZE, sent | wparam, SIZE_MINIMIZED}};

// DestroyWindow of a visible, active frame holding a client child: hidden, deactivated, then
// WM_DESTROY from the top down and WM_NCDESTROY from the bottom up.
const std::vector<Message> WmDestroyFrameWithChildSeq = {{WM_WINDOWPOSCHANGING},
                                                         {WM_WINDOWPOSCHANGED},
                                                         {WM_NCACTIVATE, sent | wparam, 0},
                                                         {WM_ACTIVATE, sent | wparam, WA_INACTIVE},
                                                         {WM_ACTIVATEAPP, sent | wparam, 0},
                                                         {WM_KILLFOCUS},
                                                         {WM_DESTROY},
                                                         {WM_DESTROY, sent | parent},
                                                         {WM_NCDESTROY, sent | parent},
                                                         {WM_NCDESTROY}};

class LifecycleTest : public WindowTest {};

TEST_F(LifecycleTest, FrameWithClientChildThroughItsWholeLife) {
    recorder.ignore(WM_ERASEBKGND);
    recorder.ignore(WM_PAINT);
    const HWND f = CreateWindowExA(0, "TestFrame", "Frame", WS_OVERLAPPEDWINDOW, 100, 100, 300, 200,
                                   nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(f);
    recorder.watch(f);
    // The recorder was attached after creation began, so replay creation on a second frame.
    recorder.clear();
    const HWND g = frame();
    recorder.watch(g);
    CHECK_SEQUENCE(recorder, WmCreateOverlappedSeq);
    DestroyWindow(g);
    recorder.watch(f);
    recorder.clear();

    ShowWindow(f, SW_SHOW);
    CHECK_SEQUENCE(recorder, WmShowOverlappedSeq);
    EXPECT_EQ(GetActiveWindow(), f);
    EXPECT_EQ(GetFocus(), f);

    const HWND c = CreateWindowExA(0, "TestChild", "", WS_CHILD, 0, 0, 50, 50, f,
                                   reinterpret_cast<HMENU>(7), nullptr, nullptr);
    recorder.watch(c, f);
    recorder.clear();
    const HWND c2 = CreateWindowExA(0, "TestChild", "", WS_CHILD, 0, 0, 50, 50, f,
                                    reinterpret_cast<HMENU>(8), nullptr, nullptr);
    recorder.watch(c2, f);
    CHECK_SEQUENCE(recorder, WmCreateChildSeq);
    DestroyWindow(c2);
    recorder.watch(c, f);
    recorder.clear();

    ShowWindow(c, SW_SHOW);
    CHECK_SEQUENCE(recorder, WmShowChildSeq);
    MoveWindow(c, 5, 5, 120, 80, TRUE);
    CHECK_SEQUENCE(recorder, WmResizeChildSeq);
    RECT rc;
    GetClientRect(c, &rc);
    EXPECT_EQ(rc.right, 120);
    EXPECT_EQ(rc.bottom, 80);

    recorder.watch(f);
    recorder.clear();
    ShowWindow(f, SW_SHOWMAXIMIZED);
    CHECK_SEQUENCE(recorder, WmMaximizeSeq);
    GetWindowRect(f, &rc);
    // The sizing border lies outside the 1024-pixel screen.
    EXPECT_EQ(rc.left, -4);
    EXPECT_EQ(rc.right - rc.left, 1024 + 2 * 4);
    EXPECT_TRUE(GetWindowLongPtrA(f, GWL_STYLE) & WS_MAXIMIZE);

    ShowWindow(f, SW_RESTORE);
    CHECK_SEQUENCE(recorder, WmRestoreSeq);
    GetWindowRect(f, &rc);
    EXPECT_EQ(rc.left, 100);
    EXPECT_EQ(rc.right - rc.left, 300);

    ShowWindow(f, SW_MINIMIZE);
    CHECK_SEQUENCE(recorder, WmMinimizeSeq);
    EXPECT_EQ(GetActiveWindow(), f);
    EXPECT_EQ(GetFocus(), nullptr);
    ShowWindow(f, SW_RESTORE);
    EXPECT_EQ(GetActiveWindow(), f);
    GetWindowRect(f, &rc);
    EXPECT_EQ(rc.left, 100);

    recorder.watch(f, c);
    recorder.clear();
    DestroyWindow(f);
    CHECK_SEQUENCE(recorder, WmDestroyFrameWithChildSeq);
    EXPECT_FALSE(IsWindow(f));
    EXPECT_FALSE(IsWindow(c));
}

TEST_F(LifecycleTest, AdjustWindowRectMatchesTheClientAreaLaidOut) {
    for (DWORD style : {WS_OVERLAPPEDWINDOW, WS_POPUP | WS_CAPTION | WS_SYSMENU,
                        WS_POPUP | WS_BORDER, WS_POPUP}) {
        RECT want{0, 0, 200, 100};
        AdjustWindowRectEx(&want, style, FALSE, 0);
        const HWND h = CreateWindowExA(0, "TestFrame", "", style, 50, 60, want.right - want.left,
                                       want.bottom - want.top, nullptr, nullptr, nullptr, nullptr);
        RECT client;
        GetClientRect(h, &client);
        EXPECT_EQ(client.right, 200) << std::hex << style;
        EXPECT_EQ(client.bottom, 100) << std::hex << style;
        POINT origin{0, 0};
        ClientToScreen(h, &origin);
        EXPECT_EQ(origin.x, 50 - want.left);
        EXPECT_EQ(origin.y, 60 - want.top);
        DestroyWindow(h);
    }
}

TEST_F(LifecycleTest, StaleHandlesAreRefused) {
    const HWND f = frame();
    DestroyWindow(f);
    const HWND g = frame(); // reuses the slot with a new generation
    EXPECT_NE(f, g);
    EXPECT_FALSE(IsWindow(f));
    EXPECT_EQ(SendMessageA(f, WM_USER, 0, 0), 0);
    EXPECT_FALSE(PostMessageA(f, WM_USER, 0, 0));
    EXPECT_FALSE(DestroyWindow(f));
    EXPECT_EQ(GetWindowLongPtrA(reinterpret_cast<HWND>(0x12345678), GWL_STYLE), 0);
    EXPECT_FALSE(SetWindowTextA(reinterpret_cast<HWND>(-1), "x"));
}

} // namespace
