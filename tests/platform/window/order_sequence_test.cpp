// Message order where the platform's documented sequences are particular: accelerators and the
// menu, the window's limits, thread timers, WM_WINDOWPOSCHANGED's reports, minimising, the
// application's activation, and painting from inside SetWindowPos.
#include <cstring>
#include <functional>

#include "message_recorder.h"
#include "window/window_internal.h"
#include "window/window_table.h"

using namespace testmsg;

namespace {

constexpr UINT SwpNoClientSize = 0x0800, SwpNoClientMove = 0x1000;

// What the test's own procedure does with the messages it sees first.
std::function<LRESULT(HWND, UINT, WPARAM, LPARAM, bool*)> hook;

LRESULT CALLBACK hooked_proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    bool handled = false;
    if (hook) {
        const LRESULT r = hook(hwnd, message, wParam, lParam, &handled);
        if (handled) return r;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

// Installs the test's procedure for as long as the locals it refers to live.
struct Hooked {
    template <class F> explicit Hooked(F f) { hook = std::move(f); }
    ~Hooked() { hook = nullptr; }
    Hooked(const Hooked&) = delete;
    Hooked& operator=(const Hooked&) = delete;
};

class OrderTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = hooked_proc;
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        wc.lpszClassName = "OrderFrame";
        RegisterClassExA(&wc);
        for (UINT m :
             {WM_GETTEXT, WM_GETTEXTLENGTH, WM_SETCURSOR, WM_NCHITTEST, WM_QUERYNEWPALETTE})
            recorder.ignore(m);
    }
    void TearDown() override {
        WindowTest::TearDown();
        hook = nullptr;
        UnregisterClassA("OrderFrame", nullptr);
    }
    HWND hooked(DWORD style = WS_OVERLAPPEDWINDOW, HWND parent = nullptr) {
        return CreateWindowExA(0, "OrderFrame", "Order", style, 100, 100, 300, 200, parent, nullptr,
                               nullptr, nullptr);
    }
};

// ---- TranslateAcceleratorA ----------------------------------------------------------------

enum : UINT { CmdOpen = 101, CmdSave = 102, CmdHelp = 103, CmdElsewhere = 104 };

// A key whose command sits in a pop-up of the bar: the bar, then that pop-up, are initialised
// as for a click, then the command follows.
const std::vector<Message> WmAcceleratorSeq = {
    {WM_INITMENU}, {WM_INITMENUPOPUP}, {WM_COMMAND, sent | wparam, MAKEWPARAM(CmdOpen, 1)}};
// The same for a greyed item: initialised, and then nothing.
const std::vector<Message> WmAcceleratorGreyedSeq = {{WM_INITMENU}, {WM_INITMENUPOPUP}};
// A command on the bar itself has no pop-up to initialise.
const std::vector<Message> WmAcceleratorBarSeq = {
    {WM_INITMENU}, {WM_COMMAND, sent | wparam, MAKEWPARAM(CmdHelp, 1)}};
// A command in no menu goes straight to the window.
const std::vector<Message> WmAcceleratorNoMenuSeq = {
    {WM_COMMAND, sent | wparam, MAKEWPARAM(CmdElsewhere, 1)}};

TEST_F(OrderTest, AcceleratorInitialisesTheMenuAndSwallowsGreyedCommands) {
    const HMENU bar = CreateMenu();
    const HMENU file = CreatePopupMenu();
    AppendMenuA(file, MF_STRING, CmdOpen, "&Open");
    AppendMenuA(file, MF_STRING | MF_GRAYED, CmdSave, "&Save");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
    AppendMenuA(bar, MF_STRING, CmdHelp, "&Help");
    const HWND f = frame(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    SetMenu(f, bar);
    pump();
    ACCEL keys[] = {{FVIRTKEY, 'O', CmdOpen},
                    {FVIRTKEY, 'S', CmdSave},
                    {FVIRTKEY, 'H', CmdHelp},
                    {FVIRTKEY, 'E', CmdElsewhere}};
    const HACCEL table = CreateAcceleratorTableA(keys, 4);
    recorder.watch(f);

    const struct {
        WPARAM key;
        const std::vector<Message>* expected;
        const char* name;
    } cases[] = {{'O', &WmAcceleratorSeq, "enabled"},
                 {'S', &WmAcceleratorGreyedSeq, "greyed"},
                 {'H', &WmAcceleratorBarSeq, "on the bar"},
                 {'E', &WmAcceleratorNoMenuSeq, "in no menu"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        recorder.clear();
        const MSG msg{f, WM_KEYDOWN, c.key, 0, 0, {}};
        EXPECT_EQ(TranslateAcceleratorA(f, table, &msg), 1); // a greyed command's key is eaten
        recorder.check(*c.expected, c.name, __FILE__, __LINE__, true);
        for (const Received& r : recorder.log()) {
            if (r.message == WM_INITMENU) {
                EXPECT_EQ(r.wParam, reinterpret_cast<WPARAM>(bar));
            }
            if (r.message == WM_INITMENUPOPUP) {
                EXPECT_EQ(r.wParam, reinterpret_cast<WPARAM>(file));
                EXPECT_EQ(r.lParam, MAKELPARAM(0, FALSE)); // first item of the bar, no window menu
            }
        }
    }
    // The item is looked at after the pop-up was initialised: enabling it there lets it through.
    const Hooked installed([&](HWND, UINT message, WPARAM, LPARAM, bool*) -> LRESULT {
        if (message == WM_INITMENUPOPUP) EnableMenuItem(file, CmdSave, MF_ENABLED);
        return 0;
    });
    SetWindowLongPtrA(f, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(hooked_proc));
    recorder.clear();
    const MSG save{f, WM_KEYDOWN, 'S', 0, 0, {}};
    TranslateAcceleratorA(f, table, &save);
    bool saved = false;
    for (const Received& r : recorder.log())
        saved |= r.message == WM_COMMAND && r.wParam == MAKEWPARAM(CmdSave, 1);
    EXPECT_TRUE(saved);
    DestroyAcceleratorTable(table);
}

TEST_F(OrderTest, CopyAcceleratorTableReportsAndCopiesTheEntries) {
    const ACCEL keys[] = {{FVIRTKEY | FCONTROL, 'O', CmdOpen}, {FVIRTKEY, 'S', CmdSave}};
    const HACCEL table = CreateAcceleratorTableA(keys, 2);
    EXPECT_EQ(CopyAcceleratorTableA(table, nullptr, 0), 2);
    ACCEL copy[3]{};
    EXPECT_EQ(CopyAcceleratorTableA(table, copy, 1), 1); // no more than asked for
    EXPECT_EQ(copy[0].cmd, CmdOpen);
    EXPECT_EQ(copy[1].cmd, 0);
    EXPECT_EQ(CopyAcceleratorTableA(table, copy, 3), 2); // no more than there are
    EXPECT_EQ(copy[1].fVirt, FVIRTKEY);
    EXPECT_EQ(copy[1].key, 'S');
    EXPECT_EQ(copy[1].cmd, CmdSave);
    DestroyAcceleratorTable(table);
    EXPECT_EQ(CopyAcceleratorTableA(table, nullptr, 0), 0);
}

// ---- WM_GETMINMAXINFO -----------------------------------------------------------------------

// A size change asks for the limits from DefWindowProc(WM_WINDOWPOSCHANGING).
const std::vector<Message> WmSizeWithLimitsSeq = {
    {WM_WINDOWPOSCHANGING}, {WM_GETMINMAXINFO},         {WM_NCCALCSIZE, sent | wparam, 1},
    {WM_WINDOWPOSCHANGED},  {WM_MOVE, sent | optional}, {WM_SIZE}};
// Maximising asks once for the rectangle, once more for the size change.
const std::vector<Message> WmMaximizeWithLimitsSeq = {{WM_GETMINMAXINFO},
                                                      {WM_WINDOWPOSCHANGING},
                                                      {WM_GETMINMAXINFO},
                                                      {WM_NCCALCSIZE, sent | wparam, 1},
                                                      {WM_WINDOWPOSCHANGED},
                                                      {WM_MOVE},
                                                      {WM_SIZE, sent | wparam, SIZE_MAXIMIZED}};
// A move alone does not ask.
const std::vector<Message> WmMoveOnlySeq = {
    {WM_WINDOWPOSCHANGING}, {WM_WINDOWPOSCHANGED}, {WM_MOVE}};

TEST_F(OrderTest, LimitsAreAskedOnEverySizeChangeAndHonoured) {
    const Hooked installed([](HWND, UINT message, WPARAM, LPARAM lParam, bool* handled) -> LRESULT {
        if (message != WM_GETMINMAXINFO) return 0;
        auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
        info->ptMinTrackSize = {200, 150};
        info->ptMaxTrackSize = {600, 500};
        info->ptMaxPosition = {10, 20};
        info->ptMaxSize = {500, 400};
        *handled = true;
        return 0;
    });
    const HWND f = hooked(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    pump();
    recorder.watch(f);
    for (UINT m : {WM_NCPAINT, WM_ERASEBKGND, WM_PAINT})
        recorder.ignore(m);

    const struct {
        std::function<void()> act;
        const std::vector<Message>* expected;
        RECT rect;
        const char* name;
    } cases[] = {
        {[&] { SetWindowPos(f, nullptr, 0, 0, 50, 40, SWP_NOMOVE | SWP_NOZORDER); },
         &WmSizeWithLimitsSeq,
         {100, 100, 300, 250},
         "too small: the minimum tracking size"},
        {[&] { MoveWindow(f, 120, 130, 900, 900, TRUE); },
         &WmSizeWithLimitsSeq,
         {120, 130, 720, 630},
         "too large: the maximum tracking size"},
        {[&] { MoveWindow(f, 140, 150, 250, 210, TRUE); },
         &WmSizeWithLimitsSeq,
         {140, 150, 390, 360},
         "within the limits"},
        {[&] { SetWindowPos(f, nullptr, 160, 170, 0, 0, SWP_NOSIZE | SWP_NOZORDER); },
         &WmMoveOnlySeq,
         {160, 170, 410, 380},
         "moved only"},
        {[&] { ShowWindow(f, SW_SHOWMAXIMIZED); },
         &WmMaximizeWithLimitsSeq,
         {10, 20, 510, 420},
         "maximised where the window says"},
        {[&] { ShowWindow(f, SW_RESTORE); },
         &WmSizeWithLimitsSeq,
         {160, 170, 410, 380},
         "restored"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        recorder.clear();
        c.act();
        recorder.check(*c.expected, c.name, __FILE__, __LINE__);
        RECT r;
        GetWindowRect(f, &r);
        EXPECT_EQ(r.left, c.rect.left);
        EXPECT_EQ(r.top, c.rect.top);
        EXPECT_EQ(r.right, c.rect.right);
        EXPECT_EQ(r.bottom, c.rect.bottom);
    }

    // Sizing with the pointer stops at the minimum too, and asks as it goes.
    recorder.clear();
    RECT before;
    GetWindowRect(f, &before);
    const POINT grab{before.right - 1, before.bottom - 1};
    plat::inject_mouse(grab, 0, true);
    plat::inject_mouse_move({grab.x - 200, grab.y - 200});
    plat::inject_mouse({grab.x - 200, grab.y - 200}, 0, false);
    pump();
    RECT after;
    GetWindowRect(f, &after);
    EXPECT_EQ(after.right - after.left, 200);
    EXPECT_EQ(after.bottom - after.top, 150);
    int asked = 0;
    for (const Received& r : recorder.log())
        asked += r.hwnd == f && r.message == WM_GETMINMAXINFO;
    EXPECT_GE(asked, 2); // at the start of the loop and for the size change
}

// ---- Thread timers --------------------------------------------------------------------------

int threadTicks = 0;
HWND tickWindow = reinterpret_cast<HWND>(1);
UINT_PTR tickId = 0;

void CALLBACK thread_tick(HWND hwnd, UINT, UINT_PTR id, DWORD) {
    ++threadTicks;
    tickWindow = hwnd;
    tickId = id;
}

TEST_F(OrderTest, AThreadTimersProcedureRunsFromDispatch) {
    threadTicks = 0;
    const UINT_PTR id = SetTimer(nullptr, 0, 10, thread_tick);
    ASSERT_NE(id, 0u);
    plat::advance_clock(20);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE));
    EXPECT_EQ(msg.hwnd, nullptr);
    DispatchMessageA(&msg);
    EXPECT_EQ(threadTicks, 1);
    EXPECT_EQ(tickWindow, nullptr);
    EXPECT_EQ(tickId, id);
    KillTimer(nullptr, id);
}

// ---- WM_WINDOWPOSCHANGED and DefWindowProc --------------------------------------------------

const std::vector<Message> WmMovedSeq = {{WM_WINDOWPOSCHANGING}, {WM_WINDOWPOSCHANGED}, {WM_MOVE}};
const std::vector<Message> WmSizedSeq = {
    {WM_WINDOWPOSCHANGING}, {WM_NCCALCSIZE, sent | wparam, 1}, {WM_WINDOWPOSCHANGED}, {WM_SIZE}};
const std::vector<Message> WmMovedAndSizedSeq = {{WM_WINDOWPOSCHANGING},
                                                 {WM_NCCALCSIZE, sent | wparam, 1},
                                                 {WM_WINDOWPOSCHANGED},
                                                 {WM_MOVE},
                                                 {WM_SIZE}};
const std::vector<Message> WmRestackedSeq = {{WM_WINDOWPOSCHANGING}, {WM_WINDOWPOSCHANGED}};

TEST_F(OrderTest, WindowPosChangedReportsTheMoveThenTheSizeEachOnlyWhenChanged) {
    const HWND f = frame(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    const HWND c = child(f, 1);
    const HWND other = child(f, 2);
    pump();
    recorder.watch(c);
    for (UINT m : {WM_NCPAINT, WM_ERASEBKGND, WM_PAINT})
        recorder.ignore(m);
    const struct {
        std::function<void()> act;
        const std::vector<Message>* expected;
        const char* name;
    } cases[] = {
        {[&] { SetWindowPos(c, nullptr, 30, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER); }, &WmMovedSeq,
         "moved"},
        {[&] { SetWindowPos(c, nullptr, 0, 0, 150, 60, SWP_NOMOVE | SWP_NOZORDER); }, &WmSizedSeq,
         "sized"},
        {[&] { MoveWindow(c, 5, 6, 90, 30, TRUE); }, &WmMovedAndSizedSeq, "moved and sized"},
        {[&] { SetWindowPos(c, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE); }, &WmRestackedSeq,
         "z-order only"},
    };
    for (const auto& cs : cases) {
        recorder.clear();
        cs.act();
        recorder.check(*cs.expected, cs.name, __FILE__, __LINE__);
    }
    EXPECT_TRUE(IsWindow(other));
}

// ---- Minimising and restoring ---------------------------------------------------------------

// The only frame, its child holding the focus, minimised: the focus goes first, then the
// frame becomes an icon and stays the active window.
const std::vector<Message> WmMinimizeOnlyFrameSeq = {{WM_KILLFOCUS, sent | parent},
                                                     {WM_WINDOWPOSCHANGING},
                                                     {WM_GETMINMAXINFO},
                                                     {WM_NCCALCSIZE, sent | wparam, 1},
                                                     {WM_NCPAINT, sent | optional},
                                                     {WM_WINDOWPOSCHANGED},
                                                     {WM_MOVE},
                                                     {WM_SIZE, sent | wparam, SIZE_MINIMIZED}};
// An icon refusing to open: asked, and nothing more.
const std::vector<Message> WmQueryOpenRefusedSeq = {{WM_QUERYOPEN}};
// Opened: asked first, then placed, painted and sized.
const std::vector<Message> WmRestoreFromIconSeq = {{WM_QUERYOPEN},
                                                   {WM_WINDOWPOSCHANGING},
                                                   {WM_GETMINMAXINFO},
                                                   {WM_NCCALCSIZE, sent | wparam, 1},
                                                   {WM_NCPAINT, sent | optional},
                                                   {WM_ERASEBKGND},
                                                   {WM_WINDOWPOSCHANGED},
                                                   {WM_MOVE},
                                                   {WM_SIZE, sent | wparam, SIZE_RESTORED},
                                                   {WM_SETFOCUS, sent | optional}};
const std::vector<Message> WmNothingSeq = {};

TEST_F(OrderTest, MinimisingTheOnlyFrameTakesTheFocusAndStopsItsPainting) {
    bool mayOpen = false;
    const Hooked installed([&](HWND, UINT message, WPARAM, LPARAM, bool* handled) -> LRESULT {
        if (message != WM_QUERYOPEN) return 0;
        *handled = true;
        return mayOpen;
    });
    const HWND f = hooked(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    const HWND c = child(f);
    SetFocus(c);
    pump();
    recorder.watch(f, c);
    recorder.clear();

    ShowWindow(f, SW_MINIMIZE);
    CHECK_SEQUENCE(recorder, WmMinimizeOnlyFrameSeq);
    EXPECT_EQ(GetActiveWindow(), f);
    EXPECT_EQ(GetFocus(), nullptr);
    // Neither the client nor the child is painted while the frame is an icon.
    InvalidateRect(c, nullptr, TRUE);
    InvalidateRect(f, nullptr, TRUE);
    pump();
    CHECK_SEQUENCE(recorder, WmNothingSeq);

    ShowWindow(f, SW_RESTORE);
    CHECK_SEQUENCE(recorder, WmQueryOpenRefusedSeq);
    EXPECT_TRUE(IsIconic(f));
    mayOpen = true;
    recorder.ignore(WM_PAINT);
    ShowWindow(f, SW_RESTORE);
    CHECK_SEQUENCE(recorder, WmRestoreFromIconSeq);
    EXPECT_FALSE(IsIconic(f));
    EXPECT_EQ(GetActiveWindow(), f);
}

// ---- The application's activation -----------------------------------------------------------

// The first frame shown activates the program: every top-level window hears of it, the hidden
// one as well, and the shown one is brought forward without a second WM_WINDOWPOSCHANGING.
const std::vector<Message> WmShowActivatesTheApplicationSeq = {
    {WM_SHOWWINDOW, sent | wparam, 1},
    {WM_WINDOWPOSCHANGING},
    {WM_NCPAINT, sent | optional},
    {WM_ERASEBKGND, sent | optional},
    {WM_ACTIVATEAPP, sent | wparam, 1},
    {WM_ACTIVATEAPP, sent | wparam | parent, 1},
    {WM_NCACTIVATE, sent | wparam, 1},
    {WM_ACTIVATE, sent | wparam, WA_ACTIVE},
    {WM_SETFOCUS},
    {WM_WINDOWPOSCHANGED},
    {WM_SIZE},
    {WM_MOVE}};
// Another program takes the keyboard: every window hears that the program lost it.
const std::vector<Message> WmApplicationDeactivatedSeq = {
    {WM_NCACTIVATE, sent | wparam, 0},
    {WM_ACTIVATE, sent | wparam, WA_INACTIVE},
    {WM_ACTIVATEAPP, sent | wparam, 0},
    {WM_ACTIVATEAPP, sent | wparam | parent, 0},
    {WM_KILLFOCUS}};

TEST_F(OrderTest, ActivateAppReachesEveryTopLevelWindow) {
    const HWND hidden = frame();
    const HWND shown = frame();
    recorder.watch(shown, hidden);
    recorder.clear();
    ShowWindow(shown, SW_SHOW);
    CHECK_SEQUENCE(recorder, WmShowActivatesTheApplicationSeq);
    plat::deactivate_application();
    CHECK_SEQUENCE(recorder, WmApplicationDeactivatedSeq);
}

// ---- Painting from inside SetWindowPos ------------------------------------------------------

// Shown: frame and background painted before WM_WINDOWPOSCHANGED; the child's frame waits.
const std::vector<Message> WmShowPaintsAtOnceSeq = {{WM_SHOWWINDOW, sent | wparam, 1},
                                                    {WM_WINDOWPOSCHANGING},
                                                    {WM_NCPAINT},
                                                    {WM_ERASEBKGND},
                                                    {WM_ACTIVATEAPP},
                                                    {WM_NCACTIVATE},
                                                    {WM_ACTIVATE},
                                                    {WM_SETFOCUS},
                                                    {WM_WINDOWPOSCHANGED},
                                                    {WM_SIZE},
                                                    {WM_MOVE}};
// Left in the queue: only WM_PAINT; the child's frame and background come with its own.
const std::vector<Message> WmQueuedPaintSeq = {{WM_PAINT, posted}};
const std::vector<Message> WmChildQueuedPaintSeq = {
    {WM_PAINT, posted}, {WM_NCPAINT, sent | optional}, {WM_ERASEBKGND}};
// Sized: the same inside SetWindowPos.
const std::vector<Message> WmSizePaintsAtOnceSeq = {{WM_WINDOWPOSCHANGING},
                                                    {WM_GETMINMAXINFO},
                                                    {WM_NCCALCSIZE, sent | wparam, 1},
                                                    {WM_NCPAINT},
                                                    {WM_ERASEBKGND},
                                                    {WM_WINDOWPOSCHANGED},
                                                    {WM_SIZE}};

void check_queued_paint(Recorder& recorder, HWND f, HWND c) {
    recorder.watch(f);
    CHECK_SEQUENCE_KEEP(recorder, WmQueuedPaintSeq);
    recorder.watch(c);
    CHECK_SEQUENCE(recorder, WmChildQueuedPaintSeq);
}

TEST_F(OrderTest, ShowingAndSizingPaintInsideSetWindowPosLeavingOnlyWmPaintQueued) {
    const HWND f = frame();
    const HWND c = child(f, 1, WS_CHILD | WS_VISIBLE | WS_BORDER);
    recorder.watch(f, c);
    recorder.clear();
    ShowWindow(f, SW_SHOW);
    CHECK_SEQUENCE(recorder, WmShowPaintsAtOnceSeq);
    pump();
    check_queued_paint(recorder, f, c);
    recorder.watch(f, c);
    SetWindowPos(f, nullptr, 0, 0, 320, 220, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    CHECK_SEQUENCE(recorder, WmSizePaintsAtOnceSeq);
    pump();
    check_queued_paint(recorder, f, c);
}

// ---- Smaller details ------------------------------------------------------------------------

TEST_F(OrderTest, WindowPosCarriesTheCallersValuesAndThePlatformsFlags) {
    std::vector<WINDOWPOS> changing, changed;
    const Hooked installed([&](HWND, UINT message, WPARAM, LPARAM lParam, bool*) -> LRESULT {
        if (message == WM_WINDOWPOSCHANGING)
            changing.push_back(*reinterpret_cast<WINDOWPOS*>(lParam));
        if (message == WM_WINDOWPOSCHANGED)
            changed.push_back(*reinterpret_cast<WINDOWPOS*>(lParam));
        return 0;
    });
    const HWND f = hooked(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    pump();
    changing.clear();
    changed.clear();
    SetWindowPos(f, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    ASSERT_EQ(changing.size(), 1u);
    EXPECT_EQ(changing[0].x, 0);
    EXPECT_EQ(changing[0].y, 0);
    EXPECT_EQ(changing[0].cx, 0);
    EXPECT_EQ(changing[0].cy, 0);
    ASSERT_EQ(changed.size(), 1u);
    EXPECT_EQ(changed[0].flags & (SwpNoClientSize | SwpNoClientMove),
              SwpNoClientSize | SwpNoClientMove);

    // A request for the place and size the window has is marked as no move and no size.
    changing.clear();
    changed.clear();
    RECT r;
    GetWindowRect(f, &r);
    MoveWindow(f, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
    ASSERT_EQ(changing.size(), 1u);
    EXPECT_EQ(changing[0].flags & (SWP_NOMOVE | SWP_NOSIZE), SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(changing[0].x, r.left);
    EXPECT_TRUE(changed.empty());
}

// DrawMenuBar lays the frame out again.
const std::vector<Message> WmDrawMenuBarSeq = {{WM_WINDOWPOSCHANGING},
                                               {WM_NCCALCSIZE, sent | wparam, 1},
                                               {WM_NCPAINT, sent | optional},
                                               {WM_WINDOWPOSCHANGED}};
// DestroyWindow of a visible child: hidden as ShowWindow hides it, then destroyed.
const std::vector<Message> WmDestroyVisibleChildSeq = {{WM_SHOWWINDOW, sent | wparam, 0},
                                                       {WM_WINDOWPOSCHANGING},
                                                       {WM_WINDOWPOSCHANGED},
                                                       {WM_DESTROY},
                                                       {WM_NCDESTROY}};
// What the destroyed child covered is painted again in its sibling.
const std::vector<Message> WmSiblingRepaintedSeq = {{WM_PAINT, posted}};

TEST_F(OrderTest, MenuBarRedrawAndChildDestructionFollowThePlatform) {
    const HMENU bar = CreateMenu();
    AppendMenuA(bar, MF_STRING, 1, "&One");
    const HWND f = frame(WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE);
    SetMenu(f, bar);
    const HWND a = child(f, 1);
    const HWND b = CreateWindowExA(0, "TestChild", "", WS_CHILD | WS_VISIBLE, 50, 20, 100, 50, f,
                                   reinterpret_cast<HMENU>(2), nullptr, nullptr);
    pump();
    recorder.ignore(WM_ERASEBKGND);
    recorder.ignore(WM_PARENTNOTIFY);
    recorder.watch(f);
    recorder.clear();
    EXPECT_TRUE(DrawMenuBar(f));
    CHECK_SEQUENCE(recorder, WmDrawMenuBarSeq);
    pump();

    recorder.watch(a);
    recorder.clear();
    DestroyWindow(a);
    CHECK_SEQUENCE(recorder, WmDestroyVisibleChildSeq);
    recorder.watch(b);
    recorder.clear();
    pump();
    CHECK_SEQUENCE(recorder, WmSiblingRepaintedSeq);
}

TEST_F(OrderTest, SmallerStatesAndValuesFollowThePlatform) {
    // WS_EX_WINDOWEDGE comes with a caption or a sizing border.
    const struct {
        DWORD style;
        bool edge;
    } styles[] = {{WS_OVERLAPPEDWINDOW, true},
                  {WS_POPUP | WS_CAPTION, true},
                  {WS_POPUP | WS_THICKFRAME, true},
                  {WS_POPUP | WS_BORDER, false},
                  {WS_POPUP, false}};
    for (const auto& s : styles) {
        const HWND h = frame(s.style);
        EXPECT_EQ((GetWindowLongPtrA(h, GWL_EXSTYLE) & WS_EX_WINDOWEDGE) != 0, s.edge)
            << std::hex << s.style;
        DestroyWindow(h);
    }

    // SetFocus answers with the window that had the focus.
    const HWND f = frame(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    const HWND c1 = child(f, 1);
    const HWND c2 = child(f, 2);
    SetFocus(c1);
    EXPECT_EQ(SetFocus(c2), c1);
    EXPECT_EQ(SetFocus(c2), c2);
    EXPECT_EQ(SetFocus(nullptr), c2);
    // Focusing into an inactive frame activates it first, and that focuses the frame: the
    // answer is the frame, the focus just before the change.
    SetFocus(c1);
    const HWND g = frame(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    const HWND d = child(g, 3);
    SetActiveWindow(f);
    ASSERT_EQ(GetFocus(), f);
    SetFocus(c1);
    EXPECT_EQ(SetFocus(d), g);
    EXPECT_EQ(GetFocus(), d);

    // A separator's state is MF_SEPARATOR alone: it cannot be greyed or disabled.
    const HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, 5, "Five");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_SEPARATOR | MF_GRAYED, 0, nullptr);
    EnableMenuItem(menu, 1, MF_BYPOSITION | MF_DISABLED);
    EXPECT_EQ(GetMenuState(menu, 1, MF_BYPOSITION), static_cast<UINT>(MF_SEPARATOR));
    EXPECT_EQ(GetMenuState(menu, 2, MF_BYPOSITION), static_cast<UINT>(MF_SEPARATOR));
    DestroyMenu(menu);

    // GetWindowTextA of no window leaves an empty string.
    char text[8] = "stale";
    EXPECT_EQ(GetWindowTextA(reinterpret_cast<HWND>(0x7777), text, sizeof text), 0);
    EXPECT_STREQ(text, "");
}

TEST_F(OrderTest, NcActivateNamesTheOtherWindow) {
    const HWND a = frame(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    const HWND b = frame(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    pump();
    ASSERT_EQ(GetActiveWindow(), b);
    recorder.watch(a, b);
    recorder.clear();
    SetActiveWindow(a);
    int seen = 0;
    for (const Received& r : recorder.log()) {
        if (r.message != WM_NCACTIVATE) continue;
        ++seen;
        // Deactivated: the window about to be active; activated: the one that was.
        EXPECT_EQ(reinterpret_cast<HWND>(r.lParam), r.hwnd == a ? b : a);
    }
    EXPECT_EQ(seen, 2);
}

// A visible child made inside a hidden parent: created and sized, but not placed on screen.
const std::vector<Message> WmCreateVisibleChildOfHiddenSeq = {
    {WM_NCCREATE}, {WM_NCCALCSIZE, sent | wparam, 0}, {WM_CREATE}, {WM_SIZE},
    {WM_MOVE},     {WM_SHOWWINDOW, sent | optional}};

TEST_F(OrderTest, AChildIsCreatedInItsParentsClientCoordinates) {
    RECT calc{};
    const Hooked installed([&](HWND, UINT message, WPARAM wParam, LPARAM lParam, bool*) -> LRESULT {
        if (message == WM_NCCALCSIZE && !wParam) calc = *reinterpret_cast<RECT*>(lParam);
        return 0;
    });
    const HWND f = frame(); // hidden
    recorder.clear();
    const HWND c = CreateWindowExA(0, "OrderFrame", "", WS_CHILD | WS_VISIBLE, 10, 20, 100, 50, f,
                                   reinterpret_cast<HMENU>(1), nullptr, nullptr);
    EXPECT_EQ(calc.left, 10);
    EXPECT_EQ(calc.top, 20);
    EXPECT_EQ(calc.right, 110);
    EXPECT_EQ(calc.bottom, 70);
    recorder.watch(c);
    CHECK_SEQUENCE(recorder, WmCreateVisibleChildOfHiddenSeq);
    EXPECT_TRUE(GetWindowLongPtrA(c, GWL_STYLE) & WS_VISIBLE);
    EXPECT_FALSE(IsWindowVisible(c));
    ShowWindow(f, SW_SHOW);
    EXPECT_TRUE(IsWindowVisible(c));
}

} // namespace
