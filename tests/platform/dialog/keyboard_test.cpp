// The keyboard interface of dialogs through IsDialogMessageA, as a modeless dialog in the
// program's own loop: what each key does depends on the control's WM_GETDLGCODE answer.
#include <gtest/gtest.h>

#include "dialog_fixture.h"

namespace dlgtest {
namespace {

using testmsg::Message;
using testmsg::parent; // the control the key moves to
using testmsg::posted;
using testmsg::sent;
using testmsg::wparam;

class Keyboard : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        for (UINT m :
             {WM_NCPAINT, WM_ERASEBKGND, WM_PAINT, WM_GETTEXT, WM_GETTEXTLENGTH, WM_CTLCOLORDLG,
              WM_CTLCOLORSTATIC, WM_CTLCOLORBTN, WM_CTLCOLOREDIT, WM_SETCURSOR, WM_NCACTIVATE})
            recorder.ignore(m);
        dialog = form();
        ASSERT_TRUE(dialog);
        pump_dialog(dialog);
        ASSERT_EQ(GetFocus(), item(dialog, IDC_NAME));
        dialog_log().commands.clear();
    }

    // Focus on a control first, by the program (not part of any sequence).
    void focus(int id) {
        SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(item(dialog, id)), TRUE);
        pump_dialog(dialog);
        recorder.clear();
    }
    void watch(int from, int to) { recorder.watch(item(dialog, from), item(dialog, to)); }

    HWND dialog = nullptr;
};

// Tab from the edit field: the edit field is asked what it wants (it does not want Tab), never
// sees the key, and the next tab stop, the first radio button, takes the focus; the release goes
// to it.
const std::vector<Message> tabFromEditSeq = {
    {WM_GETDLGCODE},       {WM_GETDLGCODE, parent},     {WM_KILLFOCUS},
    {WM_SETFOCUS, parent}, {WM_KEYUP, parent | posted},
};

TEST_F(Keyboard, TabMovesToTheNextTabStop) {
    focus(IDC_NAME);
    watch(IDC_NAME, IDC_ONE);
    type(dialog, VK_TAB);
    CHECK_SEQUENCE(recorder, tabFromEditSeq);
    EXPECT_EQ(GetFocus(), item(dialog, IDC_ONE));
    EXPECT_EQ(SendMessageA(item(dialog, IDC_ONE), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

// Shift+Tab into the edit field selects its text (DLGC_HASSETSEL) before it takes the focus.
const std::vector<Message> shiftTabIntoEditSeq = {
    {WM_GETDLGCODE}, {WM_GETDLGCODE, parent}, {EM_SETSEL, parent},
    {WM_KILLFOCUS},  {WM_SETFOCUS, parent},   {WM_KEYUP, parent | posted},
};

TEST_F(Keyboard, ShiftTabIntoAnEditSelectsAll) {
    focus(IDC_ONE);
    watch(IDC_ONE, IDC_NAME);
    plat::inject_key(VK_SHIFT, 0, true);
    pump_dialog(dialog);
    recorder.clear();
    type(dialog, VK_TAB);
    CHECK_SEQUENCE(recorder, shiftTabIntoEditSeq);
    plat::inject_key(VK_SHIFT, 0, false);
    EXPECT_EQ(GetFocus(), item(dialog, IDC_NAME));
}

TEST_F(Keyboard, TabOrderWrapsOverTabStopsOnly) {
    // Edit, the radio group's first, the check box, OK, Cancel, Help, and round again; hidden
    // and disabled controls are passed over.
    const int forward[] = {IDC_ONE, IDC_REMEMBER, IDOK, IDCANCEL, IDC_HELPBUTTON, IDC_NAME};
    for (int id : forward) {
        type(dialog, VK_TAB);
        EXPECT_EQ(GetFocus(), item(dialog, id)) << id;
    }
    EnableWindow(item(dialog, IDC_ONE), FALSE);
    ShowWindow(item(dialog, IDC_REMEMBER), SW_HIDE);
    type(dialog, VK_TAB);
    EXPECT_EQ(GetFocus(), item(dialog, IDOK));
    type(dialog, VK_TAB, 0, VK_SHIFT);
    EXPECT_EQ(GetFocus(), item(dialog, IDC_NAME));
}

// A control that wants Tab (DLGC_WANTTAB) gets the key itself; one that wants every key
// (DLGC_WANTALLKEYS) gets Enter and Esc too.
TEST_F(Keyboard, ControlsThatWantTheKeysGetThem) {
    const HWND wantsTab =
        CreateWindowExA(0, "TestWantTab", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 10, 10,
                        dialog, reinterpret_cast<HMENU>(50), nullptr, nullptr);
    const HWND wantsAll =
        CreateWindowExA(0, "TestWantAll", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 10, 10,
                        dialog, reinterpret_cast<HMENU>(51), nullptr, nullptr);
    focus(50);
    recorder.watch(wantsTab);
    type(dialog, VK_TAB, '\t');
    const std::vector<Message> tabKeptSeq = {
        {WM_GETDLGCODE},    {WM_KEYDOWN, posted | wparam, VK_TAB},
        {WM_GETDLGCODE},    {WM_CHAR, posted | wparam, '\t'},
        {WM_KEYUP, posted},
    };
    CHECK_SEQUENCE(recorder, tabKeptSeq);
    EXPECT_EQ(GetFocus(), wantsTab);

    focus(51);
    recorder.watch(wantsAll);
    for (int vk : {VK_RETURN, VK_ESCAPE, VK_TAB, VK_DOWN})
        type(dialog, vk);
    EXPECT_EQ(GetFocus(), wantsAll);
    EXPECT_TRUE(dialog_log().commands.empty());
    int keyDowns = 0;
    for (const auto& r : recorder.log())
        keyDowns += r.hwnd == wantsAll && r.message == WM_KEYDOWN;
    EXPECT_EQ(keyDowns, 4);
}

// Arrows move within the WS_GROUP group, wrapping, and an automatic radio button is checked by
// moving onto it (the others of the group are cleared by its click).
TEST_F(Keyboard, ArrowsMoveWithinTheGroupAndRadioButtonsFollow) {
    focus(IDC_ONE);
    watch(IDC_ONE, IDC_TWO);
    recorder.ignore(BM_GETCHECK); // the check marks are looked at below
    recorder.ignore(BM_SETCHECK);
    type(dialog, VK_DOWN);
    const std::vector<Message> downToTwoSeq = {
        {WM_GETDLGCODE},
        {WM_GETDLGCODE, parent},
        {WM_KILLFOCUS},
        {WM_SETFOCUS, parent},
        {WM_GETDLGCODE, parent},
        {BM_CLICK, parent},
        {WM_KEYUP, parent | posted},
    };
    CHECK_SEQUENCE(recorder, downToTwoSeq);
    EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_TWO), BST_CHECKED);
    const int path[][2] = {{VK_DOWN, IDC_THREE},
                           {VK_DOWN, IDC_ONE},
                           {VK_UP, IDC_THREE},
                           {VK_LEFT, IDC_TWO},
                           {VK_RIGHT, IDC_THREE}};
    for (const auto& [vk, id] : path) {
        type(dialog, vk);
        EXPECT_EQ(GetFocus(), item(dialog, id));
        for (int other : {IDC_ONE, IDC_TWO, IDC_THREE})
            EXPECT_EQ(IsDlgButtonChecked(dialog, other), other == id ? BST_CHECKED : BST_UNCHECKED);
    }
    // The check box is a group of its own: arrows leave it where it is.
    focus(IDC_REMEMBER);
    type(dialog, VK_DOWN);
    EXPECT_EQ(GetFocus(), item(dialog, IDC_REMEMBER));
    // The edit field wants the arrows (DLGC_WANTARROWS).
    focus(IDC_NAME);
    type(dialog, VK_DOWN);
    EXPECT_EQ(GetFocus(), item(dialog, IDC_NAME));
}

// Enter: the default button's WM_COMMAND (BN_CLICKED from OK) when the focus is not on a push
// button; on a push button that button; with no default button IDOK. Esc: IDCANCEL.
TEST_F(Keyboard, EnterAndEscape) {
    struct Case {
        int focusId;
        int vk;
        WORD defId; // 0xFFFF keeps the template's
        int expectedId;
    };
    const Case cases[] = {
        {IDC_NAME, VK_RETURN, 0xFFFF, IDOK},
        {IDC_REMEMBER, VK_RETURN, IDC_HELPBUTTON, IDC_HELPBUTTON},
        {IDCANCEL, VK_RETURN, 0xFFFF, IDCANCEL},
        {IDC_NAME, VK_RETURN, 0, IDOK},
        {IDC_NAME, VK_ESCAPE, 0xFFFF, IDCANCEL},
        {IDOK, VK_ESCAPE, 0xFFFF, IDCANCEL},
    };
    for (const Case& c : cases) {
        SendMessageA(dialog, DM_SETDEFID, c.defId == 0xFFFF ? IDOK : c.defId, 0);
        focus(c.focusId);
        dialog_log().commands.clear();
        dialog_log().senders.clear();
        type(dialog, c.vk);
        ASSERT_EQ(dialog_log().commands.size(), 1u) << c.focusId << " " << c.vk;
        EXPECT_EQ(dialog_log().commands[0], MAKEWPARAM(c.expectedId, BN_CLICKED));
        EXPECT_EQ(reinterpret_cast<HWND>(dialog_log().senders[0]), item(dialog, c.expectedId));
    }
}

// Enter with OK as the default and the focus on the edit field: asked, then DM_GETDEFID, then
// the command, sent at once; the edit field never sees the key going down.
const std::vector<Message> enterOnEditSeq = {
    {WM_GETDLGCODE},
    {DM_GETDEFID, parent},
    {WM_COMMAND, parent | wparam, MAKEWPARAM(IDOK, BN_CLICKED)},
    {WM_KEYUP, posted},
};

TEST_F(Keyboard, EnterSequence) {
    focus(IDC_NAME);
    recorder.watch(item(dialog, IDC_NAME), dialog);
    type(dialog, VK_RETURN);
    CHECK_SEQUENCE(recorder, enterOnEditSeq);
}

// A push button with the focus looks like the default (BM_SETSTYLE), and the default button gets
// its look back when the focus leaves the push buttons.
TEST_F(Keyboard, DefaultLookFollowsFocusedPushButton) {
    const auto type_of = [&](int id) {
        return GetWindowLongPtrA(item(dialog, id), GWL_STYLE) & BS_TYPEMASK;
    };
    focus(IDCANCEL);
    EXPECT_EQ(type_of(IDCANCEL), BS_DEFPUSHBUTTON);
    EXPECT_EQ(type_of(IDOK), BS_PUSHBUTTON);
    type(dialog, VK_TAB);
    EXPECT_EQ(type_of(IDCANCEL), BS_PUSHBUTTON);
    EXPECT_EQ(type_of(IDC_HELPBUTTON), BS_DEFPUSHBUTTON);
    type(dialog, VK_TAB); // to the edit field
    EXPECT_EQ(type_of(IDC_HELPBUTTON), BS_PUSHBUTTON);
    EXPECT_EQ(type_of(IDOK), BS_DEFPUSHBUTTON);
    EXPECT_EQ(SendMessageA(dialog, DM_GETDEFID, 0, 0), MAKELONG(IDOK, DC_HASDEFID));
}

// Mnemonics, plain (the focus is on a control that takes no characters) and with Alt: a label
// hands the focus to the control after it, a check box or radio button takes the focus and is
// clicked, a push button is pressed.
TEST_F(Keyboard, Mnemonics) {
    struct Case {
        int from;
        char key;
        int modifier;
        int focused;    // where the focus ends, 0 where the control decides (a pressed button)
        WPARAM command; // the dialog's WM_COMMAND, 0 for none
    };
    const Case cases[] = {
        {IDC_REMEMBER, 'n', 0, IDC_NAME, 0},
        {IDC_REMEMBER, 'z', 0, IDC_TWO, MAKEWPARAM(IDC_TWO, BN_CLICKED)},
        {IDC_ONE, 'M', 0, IDC_REMEMBER, MAKEWPARAM(IDC_REMEMBER, BN_CLICKED)},
        {IDC_ONE, 'h', 0, 0, MAKEWPARAM(IDC_HELPBUTTON, BN_CLICKED)},
        {IDC_NAME, 'd', VK_MENU, IDC_THREE, MAKEWPARAM(IDC_THREE, BN_CLICKED)},
        {IDC_NAME, 'n', VK_MENU, IDC_NAME, 0},
    };
    for (const Case& c : cases) {
        focus(c.from);
        dialog_log().commands.clear();
        type(dialog, std::toupper(c.key), c.key, c.modifier);
        if (c.focused) {
            EXPECT_EQ(GetFocus(), item(dialog, c.focused)) << c.key;
        }
        if (c.command) {
            ASSERT_EQ(dialog_log().commands.size(), 1u) << c.key;
            EXPECT_EQ(dialog_log().commands[0], c.command);
        } else {
            EXPECT_TRUE(dialog_log().commands.empty()) << c.key;
        }
    }
    EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_REMEMBER), BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_THREE), BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_TWO), BST_UNCHECKED);
}

// In the edit field (DLGC_WANTCHARS) a letter is text, not a mnemonic.
const std::vector<Message> letterInEditSeq = {
    {WM_GETDLGCODE},    {WM_KEYDOWN, posted | wparam, 'Z'},
    {WM_GETDLGCODE},    {WM_CHAR, posted | wparam, 'z'},
    {WM_KEYUP, posted},
};

TEST_F(Keyboard, CharactersGoToControlsThatWantThem) {
    focus(IDC_NAME);
    recorder.watch(item(dialog, IDC_NAME));
    type(dialog, 'Z', 'z');
    CHECK_SEQUENCE(recorder, letterInEditSeq);
    EXPECT_TRUE(dialog_log().commands.empty());
}

// F1 asks for help: WM_HELP to the focused control, which passes it to the dialog, with the
// control's identifier and handle.
TEST_F(Keyboard, F1ProducesHelp) {
    focus(IDC_REMEMBER);
    recorder.watch(item(dialog, IDC_REMEMBER), dialog);
    type(dialog, VK_F1);
    const std::vector<Message> helpSeq = {
        {WM_GETDLGCODE},
        {WM_HELP},
        {WM_HELP, parent},
        {WM_KEYUP, posted},
    };
    CHECK_SEQUENCE(recorder, helpSeq);
    ASSERT_EQ(dialog_log().helps.size(), 1u);
    const HELPINFO& h = dialog_log().helps[0];
    EXPECT_EQ(h.cbSize, sizeof(HELPINFO));
    EXPECT_EQ(h.iContextType, HELPINFO_WINDOW);
    EXPECT_EQ(h.iCtrlId, IDC_REMEMBER);
    EXPECT_EQ(h.hItemHandle, item(dialog, IDC_REMEMBER));
}

// WM_NEXTDLGCTL: to the next or previous tab stop, or to a given control.
TEST_F(Keyboard, NextDialogControlMessage) {
    focus(IDC_NAME);
    SendMessageA(dialog, WM_NEXTDLGCTL, 0, FALSE);
    EXPECT_EQ(GetFocus(), item(dialog, IDC_ONE));
    SendMessageA(dialog, WM_NEXTDLGCTL, 1, FALSE);
    EXPECT_EQ(GetFocus(), item(dialog, IDC_NAME));
    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(item(dialog, IDCANCEL)), TRUE);
    EXPECT_EQ(GetFocus(), item(dialog, IDCANCEL));
}

// Messages for other windows are not the dialog's: IsDialogMessageA leaves them alone.
TEST_F(Keyboard, OtherWindowsMessagesAreLeftAlone) {
    const HWND other = frame();
    MSG msg{other, WM_KEYDOWN, VK_TAB, 0, 0, {}};
    EXPECT_FALSE(IsDialogMessageA(dialog, &msg));
    EXPECT_FALSE(IsDialogMessageA(nullptr, &msg));
}

// Leaving the dialog saves the focused control; coming back restores it.
TEST_F(Keyboard, FocusSavedOnDeactivationAndRestored) {
    focus(IDC_REMEMBER);
    const HWND other = frame(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    SetActiveWindow(other);
    EXPECT_NE(GetFocus(), item(dialog, IDC_REMEMBER));
    SetActiveWindow(dialog);
    EXPECT_EQ(GetFocus(), item(dialog, IDC_REMEMBER));
}

} // namespace
} // namespace dlgtest
