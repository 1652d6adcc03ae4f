// Creating dialogs: the order of WM_SETFONT, WM_INITDIALOG and the focus rule; the dialog font
// and the pixel rectangles of the controls; the default button; the dialog's own messages.
#include <gtest/gtest.h>

#include "dialog/dialog_create.h"
#include "dialog_fixture.h"
#include "platform/resource/dialog_builder.h"
#include "resource/dialog_template.h"
#include "window/window_table.h"

namespace dlgtest {
namespace {

using testmsg::Message;
using testmsg::optional;
using testmsg::parent; // here: the edit field, the control the focus rule picks
using testmsg::posted;
using testmsg::sent;
using testmsg::wparam;

class Creation : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        // Drawing, placement and the text questions of painting are other tests' business.
        for (UINT m :
             {WM_NCCALCSIZE, WM_GETMINMAXINFO, WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_MOVE,
              WM_SIZE, WM_NCPAINT, WM_ERASEBKGND, WM_PAINT, WM_GETTEXT, WM_GETTEXTLENGTH,
              WM_CTLCOLORDLG, WM_CTLCOLORSTATIC, WM_CTLCOLORBTN, WM_CTLCOLOREDIT, WM_SETCURSOR})
            recorder.ignore(m);
    }

    // Records from the creation of the edit field on, which only exists once CreateDialog runs.
    HWND watch_form(LPARAM param = 0) {
        recorder.clear();
        const HWND dialog = form(param);
        recorder.watch(dialog, item(dialog, IDC_NAME));
        return dialog;
    }
};

// CreateDialogParamA on a visible template with DS_SETFONT whose procedure answers TRUE: the
// dialog hears WM_SETFONT, every control gets WM_SETFONT as it is made, WM_INITDIALOG offers the
// first visible enabled tab stop (the edit field), the dialog is shown, and the edit field takes
// the focus with its text selected.
const std::vector<Message> createVisibleFormSeq = {
    {WM_NCCREATE},         {WM_CREATE},
    {WM_SETFONT},          {WM_NCCREATE, parent},
    {WM_CREATE, parent},   {WM_SHOWWINDOW, parent},
    {WM_SETFONT, parent},  {WM_GETDLGCODE, parent | optional},
    {WM_INITDIALOG},       {WM_SHOWWINDOW, sent | wparam, TRUE},
    {WM_ACTIVATEAPP},      {WM_NCACTIVATE},
    {WM_ACTIVATE},         {WM_GETDLGCODE, parent},
    {EM_SETSEL, parent},   {DM_GETDEFID},
    {WM_SETFOCUS, parent},
};

TEST_F(Creation, VisibleFormWithFontAndDefaultFocus) {
    const HWND dialog = watch_form(0x1234);
    ASSERT_TRUE(dialog);
    // The recorder was told the windows after the fact; the log holds everything since clear().
    CHECK_SEQUENCE(recorder, createVisibleFormSeq);
    EXPECT_EQ(dialog_log().initParam, 0x1234);
    EXPECT_EQ(reinterpret_cast<HWND>(dialog_log().initFocus), item(dialog, IDC_NAME));
    EXPECT_EQ(GetFocus(), item(dialog, IDC_NAME));
    EXPECT_EQ(GetActiveWindow(), dialog);
    EXPECT_TRUE(IsWindowVisible(dialog));
}

// WM_INITDIALOG answering FALSE: the procedure set the focus itself, and nothing moves it.
TEST_F(Creation, DeclinedDefaultFocusKeepsTheProcedureChoice) {
    dialog_log().hook = [](HWND dialog, UINT message, WPARAM, LPARAM) -> INT_PTR {
        if (message == WM_INITDIALOG) SetFocus(GetDlgItem(dialog, IDC_REMEMBER));
        return 0;
    };
    dialog_log().initAnswer = FALSE;
    const HWND dialog = watch_form();
    ASSERT_TRUE(dialog);
    EXPECT_EQ(GetFocus(), item(dialog, IDC_REMEMBER));
    for (const auto& r : recorder.log())
        EXPECT_FALSE(r.message == EM_SETSEL) << "the edit field's text was selected";
}

// A hidden template without DS_SETFONT: no WM_SETFONT anywhere, WM_INITDIALOG, and nothing shown
// or focused until the program shows it.
const std::vector<Message> createHiddenPlainSeq = {
    {WM_NCCREATE},           {WM_CREATE},
    {WM_NCCREATE, parent},   {WM_CREATE, parent},
    {WM_SHOWWINDOW, parent}, {WM_GETDLGCODE, parent | optional},
    {WM_INITDIALOG},
};

TEST_F(Creation, HiddenPlainTemplateWithoutFont) {
    recorder.clear();
    const HWND dialog =
        CreateDialogParamA(nullptr, MAKEINTRESOURCEA(IDD_PLAIN), nullptr, test_dialog_proc, 0);
    ASSERT_TRUE(dialog);
    recorder.watch(dialog, item(dialog, IDC_NAME));
    CHECK_SEQUENCE(recorder, createHiddenPlainSeq);
    EXPECT_FALSE(IsWindowVisible(dialog));
    EXPECT_EQ(SendMessageA(dialog, WM_GETFONT, 0, 0), 0);
    // Shown later, activation hands the saved default focus to the edit field.
    ShowWindow(dialog, SW_SHOW);
    EXPECT_EQ(GetFocus(), item(dialog, IDC_NAME));
}

RECT window_rect_in(HWND dialog, HWND control) {
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void expect_rect(const RECT& r, LONG left, LONG top, LONG right, LONG bottom) {
    EXPECT_EQ(r.left, left);
    EXPECT_EQ(r.top, top);
    EXPECT_EQ(r.right, right);
    EXPECT_EQ(r.bottom, bottom);
}

// The dialog units of "MS Shell Dlg" 8 (Liberation Sans of 11 pixels): the font's average letter
// width rounded, 6, and its cell height, 12, as GetTextMetricsA reports it. Controls sit at the
// template's units times 6/4 across and 12/8 down; the client area is the template's size.
TEST_F(Creation, ControlsAtTheirPixelRectanglesForTheDialogFont) {
    const HWND dialog = form();
    ASSERT_TRUE(dialog);
    const auto font = reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0));
    ASSERT_TRUE(font);
    const HDC dc = GetDC(dialog);
    SelectObject(dc, font);
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    ReleaseDC(dialog, dc);
    EXPECT_EQ(tm.tmHeight, 12);

    RECT units{0, 0, 4, 8};
    ASSERT_TRUE(MapDialogRect(dialog, &units));
    expect_rect(units, 0, 0, 6, 12);
    RECT odd{1, 1, 3, 5}; // MulDiv rounding: 1.5 -> 2, 4.5 -> 5, 1.5 -> 2, 7.5 -> 8
    MapDialogRect(dialog, &odd);
    expect_rect(odd, 2, 2, 5, 8);

    expect_rect(window_rect_in(dialog, item(dialog, IDC_NAME)), 75, 6, 225, 24); // 50,4,100,12
    expect_rect(window_rect_in(dialog, item(dialog, IDOK)), 45, 150, 120, 171);  // 30,100,50,14
    RECT client;
    GetClientRect(dialog, &client);
    expect_rect(client, 0, 0, 300, 180); // 200 x 120
}

// Without DS_SETFONT the system font's units apply, which GetDialogBaseUnits reports: 9 x 16.
TEST_F(Creation, SystemFontUnitsWithoutSetFont) {
    const LONG base = GetDialogBaseUnits();
    EXPECT_EQ(LOWORD(base), 9);
    EXPECT_EQ(HIWORD(base), 16);
    const HWND dialog =
        CreateDialogParamA(nullptr, MAKEINTRESOURCEA(IDD_PLAIN), nullptr, test_dialog_proc, 0);
    ASSERT_TRUE(dialog);
    expect_rect(window_rect_in(dialog, item(dialog, IDC_NAME)), 81, 8, 261, 32); // 36,4,80,12
    char cls[16];
    GetClassNameA(item(dialog, IDC_NAME), cls, sizeof cls);
    EXPECT_STREQ(cls, "EDIT"); // ordinal 0x81
    GetClassNameA(dialog, cls, sizeof cls);
    EXPECT_STREQ(cls, "#32770");
}

TEST_F(Creation, IndirectTemplatesOfBothFormatsAndRefusals) {
    for (bool extended : {false, true}) {
        Dialog d;
        d.extended = extended;
        d.style = 0x80C00000; // WS_POPUP | WS_CAPTION, hidden
        d.hasFont = true;
        d.font.face = "MS Sans Serif";
        Item a;
        a.id = 7;
        a.windowClass = "testbutton"; // registered as TestButton: class names in any case
        a.title = "&Los";
        a.x = 8;
        a.y = 16;
        Item b;
        b.id = 8;
        b.windowClass = NameOrOrdinal::number(0x82);
        b.title = "Etikett";
        d.items = {a, b};
        const auto bytes = build(d);
        const HWND dialog = CreateDialogIndirectParamA(
            nullptr, reinterpret_cast<LPCDLGTEMPLATEA>(bytes.data()), nullptr, test_dialog_proc, 5);
        ASSERT_TRUE(dialog) << extended;
        char text[16];
        GetDlgItemTextA(dialog, 7, text, sizeof text);
        EXPECT_STREQ(text, "&Los");
        expect_rect(window_rect_in(dialog, item(dialog, 7)), 12, 24, 27, 39);
        EXPECT_EQ(dialog_log().initParam, 5);
        DestroyWindow(dialog);

        // A class nobody registered fails the creation, and no window is left behind.
        d.items[1].windowClass = "NoSuchClass";
        const auto bad = build(d);
        int before = 0, after = 0;
        plat::for_each_window([&](HWND, const plat::Window&) { ++before; });
        EXPECT_FALSE(CreateDialogIndirectParamA(
            nullptr, reinterpret_cast<LPCDLGTEMPLATEA>(bad.data()), nullptr, test_dialog_proc, 0));
        plat::for_each_window([&](HWND, const plat::Window&) { ++after; });
        EXPECT_EQ(after, before);
        // With DS_NOFAILCREATE the dialog is made without that control.
        d.style |= DS_NOFAILCREATE;
        const auto tolerant = build(d);
        const HWND partial =
            CreateDialogIndirectParamA(nullptr, reinterpret_cast<LPCDLGTEMPLATEA>(tolerant.data()),
                                       nullptr, test_dialog_proc, 0);
        ASSERT_TRUE(partial);
        EXPECT_TRUE(GetDlgItem(partial, 7));
        EXPECT_FALSE(GetDlgItem(partial, 8));
        DestroyWindow(partial);
    }
}

// A truncated template inside a resource fails, whatever is next to it in memory.
TEST_F(Creation, TruncatedResourceTemplateFails) {
    const auto about = plat::resource_bytes(nullptr, MAKEINTRESOURCEA(IDD_PLAIN), RT_DIALOG);
    ASSERT_TRUE(about);
    for (std::size_t n = 0; n < about->size(); ++n) {
        const std::vector<std::byte> cut(about->begin(), about->begin() + n);
        const auto copy = std::make_unique<std::byte[]>(n + 1);
        std::copy(cut.begin(), cut.end(), copy.get());
        EXPECT_FALSE(
            plat::create_dialog(nullptr, {copy.get(), n}, nullptr, test_dialog_proc, 0, false))
            << n;
    }
}

// DM_GETDEFID: the template's BS_DEFPUSHBUTTON with DC_HASDEFID in the high word; DM_SETDEFID
// moves it and the buttons' looks follow (BM_SETSTYLE).
TEST_F(Creation, DefaultButtonQuestionsAndChanges) {
    const HWND dialog = form();
    ASSERT_TRUE(dialog);
    EXPECT_EQ(SendMessageA(dialog, DM_GETDEFID, 0, 0), MAKELONG(IDOK, DC_HASDEFID));
    EXPECT_TRUE(SendMessageA(dialog, DM_SETDEFID, IDC_HELPBUTTON, 0));
    EXPECT_EQ(SendMessageA(dialog, DM_GETDEFID, 0, 0), MAKELONG(IDC_HELPBUTTON, DC_HASDEFID));
    EXPECT_EQ(GetWindowLongPtrA(item(dialog, IDOK), GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);
    EXPECT_EQ(GetWindowLongPtrA(item(dialog, IDC_HELPBUTTON), GWL_STYLE) & BS_TYPEMASK,
              BS_DEFPUSHBUTTON);
    SendMessageA(dialog, DM_SETDEFID, 0, 0);
    EXPECT_EQ(SendMessageA(dialog, DM_GETDEFID, 0, 0), 0);
}

// WM_CLOSE posts IDCANCEL as the Cancel button's click; a disabled Cancel button refuses it.
const std::vector<Message> closeSeq = {
    {WM_CLOSE},
    {WM_COMMAND, posted | wparam, MAKEWPARAM(IDCANCEL, BN_CLICKED)},
};

TEST_F(Creation, CloseBecomesCancel) {
    const HWND dialog = form();
    recorder.watch(dialog);
    recorder.clear();
    SendMessageA(dialog, WM_CLOSE, 0, 0);
    pump_dialog(dialog);
    CHECK_SEQUENCE(recorder, closeSeq);
    ASSERT_EQ(dialog_log().commands.size(), 1u);
    EXPECT_EQ(reinterpret_cast<HWND>(dialog_log().senders[0]), item(dialog, IDCANCEL));
    EnableWindow(item(dialog, IDCANCEL), FALSE);
    SendMessageA(dialog, WM_CLOSE, 0, 0);
    pump_dialog(dialog);
    EXPECT_EQ(dialog_log().commands.size(), 1u);
    EXPECT_TRUE(IsWindow(dialog));
}

// DefDlgProcA answers WM_CTLCOLORDLG with the button-face brush; a procedure's own brush wins.
TEST_F(Creation, DialogBackgroundColour) {
    const HWND dialog = form();
    const HDC dc = GetDC(dialog);
    EXPECT_EQ(SendMessageA(dialog, WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc),
                           reinterpret_cast<LPARAM>(dialog)),
              reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE)));
    const HBRUSH own = GetSysColorBrush(COLOR_INFOBK);
    dialog_log().hook = [own](HWND, UINT message, WPARAM, LPARAM) -> INT_PTR {
        return message == WM_CTLCOLORDLG ? reinterpret_cast<INT_PTR>(own) : 0;
    };
    EXPECT_EQ(SendMessageA(dialog, WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc),
                           reinterpret_cast<LPARAM>(dialog)),
              reinterpret_cast<LRESULT>(own));
    ReleaseDC(dialog, dc);
}

// DWLP_MSGRESULT carries the answer of a message the procedure handled.
TEST_F(Creation, MessageResultThroughTheWindowBytes) {
    const HWND dialog = form();
    dialog_log().hook = [](HWND d, UINT message, WPARAM, LPARAM) -> INT_PTR {
        if (message != WM_USER + 7) return 0;
        SetWindowLongPtrA(d, DWLP_MSGRESULT, 99);
        return TRUE;
    };
    EXPECT_EQ(SendMessageA(dialog, WM_USER + 7, 0, 0), 99);
    SetWindowLongPtrA(dialog, DWLP_USER, 1234);
    EXPECT_EQ(GetWindowLongPtrA(dialog, DWLP_USER), 1234);
}

} // namespace
} // namespace dlgtest
