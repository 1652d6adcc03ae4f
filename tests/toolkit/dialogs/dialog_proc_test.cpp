// The dialog procedure and the control subclasses: what the user does in a modeless dialog
// becomes events, with the dialog's identifier as the window.
#include "core/wmessage.h"
#include "dialog_fixture.h"

namespace dlgtest {
namespace {

class ProcTest : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        yyenablemessage_(tess::EventFieldFocus, 1);
    }
    void TearDown() override {
        yyenablemessage_(tess::EventFieldFocus, 0);
        DialogTest::TearDown();
    }
    HWND show(int id, int focus = 0) {
        const HWND d = load(id);
        WDialogShow(100, 100, focus, 2);
        drain();
        return d;
    }
};

TEST_F(ProcTest, F1PostsField9EvenWithoutSuchAField) {
    show(DLG_ALL, ID_EDIT);
    press(VK_F1);
    const auto commands = events_of(tess::EventDialogCommand);
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].Win, DLG_ALL);
    EXPECT_EQ(commands[0].Value1, 9);
    EXPECT_EQ(commands[0].Value2, record(1).PreviousField);
}

TEST_F(ProcTest, PushButtonsPostDialogCommands) {
    struct Row {
        const char* name;
        int key;
        int button;
    };
    for (const Row& r : {Row{"Enter", VK_RETURN, IDOK}, Row{"Escape", VK_ESCAPE, IDCANCEL}}) {
        SCOPED_TRACE(r.name);
        show(DLG_ALL, ID_EDIT);
        press(r.key);
        const auto commands = events_of(tess::EventDialogCommand);
        ASSERT_EQ(commands.size(), 1u);
        EXPECT_EQ(commands[0].Win, DLG_ALL);
        EXPECT_EQ(commands[0].Value1, r.button);
        EXPECT_EQ(commands[0].Value2, ID_EDIT);
        WDialogUnload();
    }
}

// A button of a dialog that is not the current one: the event names that dialog, the
// previous-field update goes to the current dialog's record.
TEST_F(ProcTest, ButtonOfANonCurrentDialog) {
    const HWND all = show(DLG_ALL);
    show(DLG_PLAIN);
    record(2).CurrentField = 55;
    PostMessageA(all, WM_COMMAND, MAKEWPARAM(ID_MORE, BN_CLICKED),
                 reinterpret_cast<LPARAM>(item(all, ID_MORE)));
    const auto commands = events_of(tess::EventDialogCommand);
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].Win, DLG_ALL);
    EXPECT_EQ(commands[0].Value1, ID_MORE);
    EXPECT_EQ(record(2).PreviousField, 55);
}

TEST_F(ProcTest, TrackbarMovesPostFieldFocusWithEqualFields) {
    const HWND d = show(DLG_TRACK, ID_TRACK);
    ASSERT_EQ(GetFocus(), item(d, ID_TRACK));
    drain();
    for (int move = 0; move < 2; ++move) {
        press(VK_RIGHT);
        const auto focus = events_of(tess::EventFieldFocus);
        ASSERT_EQ(focus.size(), 1u) << move;
        EXPECT_EQ(focus[0].Win, DLG_TRACK);
        EXPECT_EQ(focus[0].Value1, ID_TRACK);
        EXPECT_EQ(focus[0].Value2, ID_TRACK);
    }
    EXPECT_EQ(SendMessageA(item(d, ID_TRACK), TBM_GETPOS, 0, 0), 2);
}

TEST_F(ProcTest, ShiftWithArrowsSelectsATrackbarRange) {
    const HWND d = show(DLG_TRACK, ID_TRACK);
    const HWND track = item(d, ID_TRACK);
    SendMessageA(track, TBM_SETPOS, TRUE, 3);
    plat::inject_key(VK_SHIFT, 0, true);
    press(VK_RIGHT);
    press(VK_RIGHT);
    plat::inject_key(VK_SHIFT, 0, false);
    drain();
    EXPECT_EQ(SendMessageA(track, TBM_GETSELSTART, 0, 0), 3);
    EXPECT_EQ(SendMessageA(track, TBM_GETSELEND, 0, 0), 5);
    press(VK_DELETE);
    drain();
    EXPECT_EQ(SendMessageA(track, TBM_GETSELSTART, 0, 0), SendMessageA(track, TBM_GETSELEND, 0, 0));
}

TEST_F(ProcTest, TabbingPostsOneFieldFocusPerMoveAndTypingNone) {
    const HWND d = show(DLG_CHILD, ID_EDIT);
    ASSERT_EQ(GetFocus(), item(d, ID_EDIT));
    type("12");
    EXPECT_TRUE(events_of(tess::EventFieldFocus).empty());
    press(VK_TAB);
    auto focus = events_of(tess::EventFieldFocus);
    ASSERT_EQ(focus.size(), 1u);
    EXPECT_EQ(focus[0].Win, DLG_CHILD);
    EXPECT_EQ(focus[0].Value1, ID_EDIT);
    EXPECT_EQ(focus[0].Value2, ID_EDIT2);
    // X is the control of the previous field event, Y this one's.
    const int second = focus[0].Y;
    press(VK_TAB);
    focus = events_of(tess::EventFieldFocus);
    ASSERT_EQ(focus.size(), 1u);
    EXPECT_EQ(focus[0].Value1, ID_EDIT2);
    EXPECT_EQ(focus[0].Value2, IDOK);
    EXPECT_EQ(focus[0].X, second);
}

// A double click in a list box presses the default push button, unless it is disabled.
TEST_F(ProcTest, DoubleClickInAListPressesTheDefaultButton) {
    for (bool enabled : {true, false}) {
        SCOPED_TRACE(enabled);
        const HWND d = show(DLG_PLAIN);
        EnableWindow(item(d, IDOK), enabled);
        const HWND list = item(d, ID_LIST);
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Eintrag"));
        RECT r{};
        SendMessageA(list, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&r));
        POINT p{r.left + 5, r.top + 3};
        ClientToScreen(list, &p);
        plat::inject_mouse_move(p);
        for (int click = 0; click < 2; ++click) {
            plat::inject_mouse(p, 0, true);
            plat::inject_mouse(p, 0, false);
        }
        const auto commands = events_of(tess::EventDialogCommand);
        ASSERT_EQ(commands.size(), enabled ? 1u : 0u);
        if (enabled) {
            EXPECT_EQ(commands[0].Win, DLG_PLAIN);
            EXPECT_EQ(commands[0].Value1, IDOK);
        }
        WDialogUnload();
    }
}

// The dialog's own client area chosen as graphics area: a click is a button event of the
// dialog with origin 1 and field 0.
TEST_F(ProcTest, GraphicsAreaClicksBecomeFieldEvents) {
    const HWND d = show(DLG_PLAIN);
    int f = 0, w = 0, h = 0;
    yygetdialogdc_(f, 1, w, h);
    ASSERT_EQ(f, 0);
    RECT r{};
    GetClientRect(d, &r);
    EXPECT_EQ(w, r.right);
    EXPECT_EQ(h, r.bottom);
    POINT p{r.right - 4, r.bottom - 4};
    ClientToScreen(d, &p);
    plat::inject_mouse_move(p);
    plat::inject_mouse(p, 0, true);
    const auto downs = events_of(tess::EventButtonDown);
    ASSERT_EQ(downs.size(), 1u);
    EXPECT_EQ(downs[0].Win, DLG_PLAIN);
    EXPECT_EQ(downs[0].Value1, 1);
    EXPECT_EQ(downs[0].Value3, 1);
    EXPECT_EQ(downs[0].Value4, 0);
    plat::inject_mouse(p, 0, false);
    drain();
    yygetdialogdc_(f, 2, w, h);
    EXPECT_EQ(table().hGraphicsField, nullptr);
}

// Ctrl+A in an edit field selects its whole text instead of typing the character.
TEST_F(ProcTest, CtrlASelectsAll) {
    const HWND d = show(DLG_CHILD, ID_EDIT);
    type("abc");
    drain();
    SendMessageA(item(d, ID_EDIT), EM_SETSEL, 1, 1);
    SendMessageA(item(d, ID_EDIT), WM_CHAR, 1, 0);
    DWORD start = 0, end = 0;
    SendMessageA(item(d, ID_EDIT), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 3u);
    EXPECT_EQ(text(item(d, ID_EDIT)), "abc");
}

// Field colours as the user sees them: a background colour fills the field; without colours
// the field keeps the system's.
TEST_F(ProcTest, FieldColoursPaint) {
    const HWND d = show(DLG_ALL);
    const COLORREF Blue = RGB(0, 0, 255);
    struct Row {
        int field;
        int foreground, background;
        COLORREF seen;
    };
    for (const Row& r :
         {Row{ID_EDIT, -1, static_cast<int>(Blue), Blue},
          Row{ID_LIST, static_cast<int>(RGB(255, 0, 0)), static_cast<int>(Blue), Blue},
          Row{ID_CHECK, -1, static_cast<int>(Blue), Blue},
          Row{ID_MEMO, -1, -1, GetSysColor(COLOR_WINDOW)}}) {
        SCOPED_TRACE(r.field);
        const HWND control = item(d, r.field);
        tess::FieldRecord* f = tess::field_record(control);
        f->Foreground = r.foreground;
        f->Background = r.background;
        InvalidateRect(control, nullptr, TRUE);
        drain();
        RECT c{};
        GetWindowRect(control, &c);
        RECT w{};
        GetWindowRect(d, &w);
        const int x = c.right - 4 - w.left, y = c.bottom - 4 - w.top;
        EXPECT_EQ(testsupport::presented_pixel(d, x, y), plat::pixel_from_colorref(r.seen));
    }
}

} // namespace
} // namespace dlgtest
