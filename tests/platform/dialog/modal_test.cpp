// Modal dialogs: DialogBoxParamA on its own loop, the owner disabled while it runs and enabled
// again when EndDialog ends it, WM_ENTERIDLE, and every other window still served.
#include <gtest/gtest.h>

#include "dialog_fixture.h"

namespace dlgtest {
namespace {

using testmsg::Message;
using testmsg::optional;
using testmsg::parent; // here: the dialog
using testmsg::posted;
using testmsg::sent;
using testmsg::wparam;

struct OwnerLog {
    int idles = 0;
    WPARAM idleKind = 99;
    LPARAM idleDialog = 0;
    bool enabledWhileIdle = true;
    std::function<void()> onIdle;
};
OwnerLog& owner_log() {
    static OwnerLog log;
    return log;
}

LRESULT CALLBACK owner_proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ENTERIDLE) {
        OwnerLog& log = owner_log();
        ++log.idles;
        log.idleKind = wParam;
        log.idleDialog = lParam;
        log.enabledWhileIdle = IsWindowEnabled(hwnd);
        if (log.onIdle) log.onIdle();
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

// A window beside the dialog that counts its timer ticks and paints itself red after the first.
struct Bystander {
    int ticks = 0;
    int paints = 0;
    HWND dialog = nullptr;
    int ticksToEnd = 3;
};
Bystander& bystander() {
    static Bystander b;
    return b;
}

LRESULT CALLBACK bystander_proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Bystander& b = bystander();
    switch (message) {
    case WM_TIMER:
        if (++b.ticks == 1) InvalidateRect(hwnd, nullptr, TRUE);
        if (b.ticks == b.ticksToEnd) EndDialog(b.dialog, 77);
        return 0;
    case WM_PAINT: {
        ++b.paints;
        PAINTSTRUCT ps;
        const HDC dc = BeginPaint(hwnd, &ps);
        // Red once the timer has ticked, so that only a repaint during the dialog shows red.
        const HBRUSH red = CreateSolidBrush(b.ticks ? RGB(255, 0, 0) : RGB(255, 255, 255));
        RECT r;
        GetClientRect(hwnd, &r);
        FillRect(dc, &r, red);
        EndPaint(hwnd, &ps);
        DeleteObject(red);
        return 0;
    }
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

class Modal : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        owner_log() = OwnerLog{};
        bystander() = Bystander{};
        const std::pair<const char*, WNDPROC> classes[] = {{"TestOwner", owner_proc},
                                                           {"TestBystander", bystander_proc}};
        for (const auto& [name, proc] : classes) {
            WNDCLASSEXA wc{};
            wc.cbSize = sizeof wc;
            wc.lpfnWndProc = proc;
            wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
            wc.lpszClassName = name;
            RegisterClassExA(&wc);
        }
        owner = CreateWindowExA(0, "TestOwner", "Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50,
                                400, 300, nullptr, nullptr, nullptr, nullptr);
        SetActiveWindow(owner);
        pump();
        for (UINT m : {WM_NCPAINT, WM_ERASEBKGND, WM_PAINT, WM_GETTEXT, WM_GETTEXTLENGTH,
                       WM_CTLCOLORDLG, WM_SETCURSOR, WM_NCACTIVATE, WM_NCCALCSIZE, WM_GETMINMAXINFO,
                       WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_MOVE, WM_SIZE, WM_ACTIVATEAPP,
                       WM_GETDLGCODE, WM_KEYUP, WM_TIMER})
            recorder.ignore(m);
        // The dialog ends on any command, with the command's identifier.
        dialog_log().hook = [this](HWND d, UINT message, WPARAM wParam, LPARAM) -> INT_PTR {
            if (message == WM_INITDIALOG) dialog = d;
            if (message == WM_COMMAND) EndDialog(d, LOWORD(wParam));
            return 0;
        };
    }
    void TearDown() override {
        DialogTest::TearDown();
        UnregisterClassA("TestOwner", nullptr);
        UnregisterClassA("TestBystander", nullptr);
    }

    INT_PTR run(HWND parentWindow) {
        return DialogBoxParamA(nullptr, MAKEINTRESOURCEA(IDD_FORM), parentWindow, test_dialog_proc,
                               0x55);
    }

    HWND owner = nullptr;
    HWND dialog = nullptr;
};

// DialogBoxParamA ended by Enter: the dialog is made and initialised while its owner is still
// enabled; then the owner is disabled (WM_CANCELMODE, losing the focus, WM_ENABLE FALSE), the
// dialog shown and activated; the owner hears WM_ENTERIDLE with MSGF_DIALOGBOX when the queue is
// empty; Enter gives IDOK, EndDialog enables the owner before the dialog is hidden, activation
// returns to the owner, and the dialog is destroyed.
const std::vector<Message> dialogBoxEndedByEnterSeq = {
    {WM_NCCREATE, parent},
    {WM_CREATE, parent},
    {WM_SETFONT, parent},
    {WM_INITDIALOG, parent},
    {WM_CANCELMODE},
    {WM_KILLFOCUS},
    {WM_ENABLE, sent | wparam, FALSE},
    {WM_SHOWWINDOW, parent | wparam, TRUE},
    {WM_ACTIVATE, sent | wparam, WA_INACTIVE},
    {WM_ACTIVATE, parent | wparam, WA_ACTIVE},
    {DM_GETDEFID, parent},
    {WM_ENTERIDLE, sent | wparam, MSGF_DIALOGBOX},
    {DM_GETDEFID, parent},
    {WM_COMMAND, parent | wparam, MAKEWPARAM(IDOK, BN_CLICKED)},
    {WM_ENABLE, sent | wparam, TRUE},
    {WM_SHOWWINDOW, parent | wparam, FALSE},
    {WM_ACTIVATE, parent | wparam, WA_INACTIVE},
    {WM_ACTIVATE, sent | wparam, WA_ACTIVE},
    {WM_SETFOCUS},
    {WM_DESTROY, parent},
    {WM_NCDESTROY, parent},
};

TEST_F(Modal, DialogBoxEndedByEnterAndTheOwnersEnableState) {
    bool enabledBefore = IsWindowEnabled(owner);
    owner_log().onIdle = [] {
        if (owner_log().idles > 1) return;
        plat::inject_key(VK_RETURN, '\r', true);
        plat::inject_key(VK_RETURN, '\r', false);
    };
    recorder.clear();
    const INT_PTR result = run(owner);
    recorder.watch(owner, dialog);
    CHECK_SEQUENCE(recorder, dialogBoxEndedByEnterSeq);
    EXPECT_EQ(result, IDOK);
    EXPECT_TRUE(enabledBefore);
    EXPECT_TRUE(dialog_log().ownerEnabledAtInit);
    EXPECT_FALSE(owner_log().enabledWhileIdle);
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_EQ(owner_log().idleKind, MSGF_DIALOGBOX);
    EXPECT_EQ(reinterpret_cast<HWND>(owner_log().idleDialog), dialog);
    EXPECT_EQ(dialog_log().initParam, 0x55);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_EQ(GetActiveWindow(), owner);
}

// EndDialog inside WM_INITDIALOG: the dialog is never shown and the owner never disabled.
const std::vector<Message> endedInInitDialogSeq = {
    {WM_NCCREATE, parent},   {WM_CREATE, parent},  {WM_SETFONT, parent},
    {WM_INITDIALOG, parent}, {WM_DESTROY, parent}, {WM_NCDESTROY, parent},
};

TEST_F(Modal, EndDialogInsideInitDialog) {
    dialog_log().hook = [this](HWND d, UINT message, WPARAM, LPARAM) -> INT_PTR {
        if (message == WM_INITDIALOG) {
            dialog = d;
            EndDialog(d, 4321);
        }
        return 0;
    };
    recorder.clear();
    EXPECT_EQ(run(owner), 4321);
    recorder.watch(owner, dialog);
    CHECK_SEQUENCE(recorder, endedInInitDialogSeq);
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_EQ(owner_log().idles, 0);
}

// While the dialog runs, another window keeps its timers and is repainted: its pixels on the
// screen turn red. Its third tick ends the dialog. The owner given as a child window means its
// top-level window, which is the one disabled.
TEST_F(Modal, OtherWindowsAreServedAndRepainted) {
    const HWND other = CreateWindowExA(0, "TestBystander", "", WS_POPUP | WS_VISIBLE, 600, 500, 100,
                                       80, nullptr, nullptr, nullptr, nullptr);
    pump();
    EXPECT_NE(plat::colorref_from_pixel(screen->compose_screen().at(650, 540)), RGB(255, 0, 0));
    const int paintsBefore = bystander().paints;
    SetTimer(other, 1, 10, nullptr);
    const HWND ownerChild = child(owner);
    bool ownerDisabledDuring = false;
    dialog_log().hook = [&](HWND d, UINT message, WPARAM, LPARAM) -> INT_PTR {
        if (message == WM_INITDIALOG) bystander().dialog = dialog = d;
        ownerDisabledDuring = ownerDisabledDuring || (dialog && !IsWindowEnabled(owner));
        return 0;
    };
    EXPECT_EQ(DialogBoxParamA(nullptr, MAKEINTRESOURCEA(IDD_FORM), ownerChild, test_dialog_proc, 0),
              77);
    EXPECT_EQ(bystander().ticks, 3);
    EXPECT_GT(bystander().paints, paintsBefore);
    EXPECT_EQ(plat::colorref_from_pixel(screen->compose_screen().at(650, 540)), RGB(255, 0, 0));
    EXPECT_TRUE(ownerDisabledDuring);
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_GE(owner_log().idles, 1);
    KillTimer(other, 1);
}

// An owner disabled before stays disabled after; WM_QUIT ends the dialog and is posted again.
TEST_F(Modal, DisabledOwnerStaysDisabledAndQuitEndsTheLoop) {
    EnableWindow(owner, FALSE);
    owner_log().onIdle = [] { PostQuitMessage(3); };
    run(owner);
    EXPECT_FALSE(IsWindowEnabled(owner));
    EXPECT_FALSE(IsWindow(dialog));
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 3u);
}

// Esc and the close box both end a modal dialog with IDCANCEL; a template that cannot be found
// gives -1.
TEST_F(Modal, CancelAndFailure) {
    owner_log().onIdle = [] {
        if (owner_log().idles == 1) {
            plat::inject_key(VK_ESCAPE, 27, true);
            plat::inject_key(VK_ESCAPE, 27, false);
        }
    };
    EXPECT_EQ(run(owner), IDCANCEL);
    owner_log() = OwnerLog{};
    owner_log().onIdle = [this] {
        if (owner_log().idles == 1) SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    };
    EXPECT_EQ(run(owner), IDCANCEL);
    EXPECT_EQ(DialogBoxParamA(nullptr, MAKEINTRESOURCEA(999), owner, test_dialog_proc, 0), -1);
    EXPECT_TRUE(IsWindowEnabled(owner));
}

} // namespace
} // namespace dlgtest
