// Displaying and hiding dialogs: modes and their adjustments, positions, the modal instance
// and the snapshots that stand in for the program's redraws meanwhile.
#include "dialog_fixture.h"

namespace dlgtest {
namespace {

using ShowTest = DialogTest;

POINT top_left_in(HWND parent, HWND w) {
    RECT r{};
    GetWindowRect(w, &r);
    POINT p{r.left, r.top};
    if (parent) ScreenToClient(parent, &p);
    return p;
}

SIZE outer_size(HWND w) {
    RECT r{};
    GetWindowRect(w, &r);
    return {r.right - r.left, r.bottom - r.top};
}

// A child-style dialog is always modeless.
TEST_F(ShowTest, ChildStyleAskedForModalOrSemiModelessShowsModeless) {
    for (int mode : {1, 3}) {
        SCOPED_TRACE(mode);
        const HWND child = load(DLG_CHILD);
        WDialogShow(100, 100, 0, mode);
        EXPECT_EQ(last_error(), 1014);
        EXPECT_EQ(record(1).Shown, 1);
        EXPECT_EQ(record(1).Mode, 2);
        EXPECT_TRUE(IsWindowVisible(child));
        EXPECT_EQ(table().nSemi, 0);
        EXPECT_EQ(table().wBlitOn, 0);
        EXPECT_TRUE(IsWindowEnabled(frame(0)));
        WDialogUnload();
    }
}

TEST_F(ShowTest, ModelessWhileSemiModelessBecomesSemiModeless) {
    const HWND plain = load(DLG_PLAIN);
    WDialogShow(10, 10, 0, 3);
    EXPECT_EQ(last_error(), 0);
    EXPECT_FALSE(IsWindowEnabled(frame(0)));
    const HWND all = load(DLG_ALL);
    WDialogShow(20, 20, 0, 2);
    EXPECT_EQ(last_error(), 1014);
    EXPECT_EQ(record(2).Mode, 3);
    EXPECT_EQ(table().nSemi, 2);
    EXPECT_EQ(table().hLastSemi, all);
    EXPECT_FALSE(IsWindowEnabled(plain));
    EXPECT_TRUE(IsWindowEnabled(all));
    // Hiding the later one gives the earlier one back; hiding the last enables everything.
    WDialogHide();
    EXPECT_EQ(table().nSemi, 1);
    EXPECT_TRUE(IsWindowEnabled(plain));
    EXPECT_FALSE(IsWindowEnabled(frame(0)));
    WDialogLoad(DLG_PLAIN);
    WDialogHide();
    EXPECT_EQ(table().nSemi, 0);
    EXPECT_EQ(table().hLastSemi, nullptr);
    EXPECT_TRUE(IsWindowEnabled(frame(0)));
}

// A modal display over a semi-modeless one gives the keyboard back to the semi-modeless dialog
// alone.
TEST_F(ShowTest, ModalOverSemiModelessReturnsToIt) {
    const HWND semi = load(DLG_PLAIN);
    WDialogShow(10, 10, 0, 3);
    const HWND modal = load(DLG_COUNT);
    press(VK_RETURN);
    WDialogShow(30, 30, 0, 1);
    EXPECT_EQ(tess::tessar04().exitField, IDOK);
    EXPECT_EQ(tess::tessar04().exitDialog, DLG_COUNT);
    EXPECT_TRUE(IsWindowEnabled(semi));
    EXPECT_FALSE(IsWindowEnabled(frame(0)));
    EXPECT_FALSE(IsWindowVisible(modal));
    EXPECT_EQ(table().nSemi, 1);
    WDialogLoad(DLG_PLAIN);
    WDialogHide();
    EXPECT_TRUE(IsWindowEnabled(frame(0)));
}

TEST_F(ShowTest, ChildFramesOpenedDuringASemiModelessDisplayStartDisabled) {
    load(DLG_PLAIN);
    WDialogShow(10, 10, 0, 3);
    const int n = open_child(1 + 2, 10, 10, 100, 80);
    ASSERT_GT(n, 0);
    EXPECT_FALSE(IsWindowEnabled(frame(n)));
    WDialogHide();
    EXPECT_TRUE(IsWindowEnabled(frame(n)));
}

// Positions in window units of the root window; -1 centres, a pop-up on the screen and a
// child-style dialog in the root's client area; other values are used as they are.
TEST_F(ShowTest, Positions) {
    int rootW = 0, rootH = 0;
    tess::client_size(0, rootW, rootH);
    struct Row {
        int id, x, y;
        bool child;
    };
    for (const Row& r : {Row{DLG_CHILD, 100, 100, true}, Row{DLG_CHILD, -1, -1, true},
                         Row{DLG_PLAIN, 1500, 3000, false}, Row{DLG_PLAIN, -1, -1, false},
                         Row{DLG_PLAIN, 20000, -500, false}}) {
        SCOPED_TRACE(testing::Message() << r.id << " " << r.x << "," << r.y);
        const HWND d = load(r.id);
        WDialogShow(r.x, r.y);
        const SIZE size = outer_size(d);
        const POINT at = top_left_in(r.child ? client(0) : nullptr, d);
        const int areaW = r.child ? rootW : 1024, areaH = r.child ? rootH : 768;
        int px = 0, py = 0;
        WindowUnitsToPixels(r.x, r.y, px, py);
        EXPECT_EQ(at.x, r.x == -1 ? (areaW - size.cx) / 2 : px);
        EXPECT_EQ(at.y, r.y == -1 ? (areaH - size.cy) / 2 : py);
        EXPECT_TRUE(IsWindowVisible(d));
        WDialogUnload();
    }
}

TEST_F(ShowTest, SecondShowOnlyRaisesAndHideKeepsFields) {
    const HWND all = load(DLG_ALL);
    WDialogShow(100, 100, ID_EDIT);
    EXPECT_EQ(GetFocus(), item(all, ID_EDIT));
    const POINT first = top_left_in(nullptr, all);
    WDialogShow(2000, 2000);
    EXPECT_EQ(top_left_in(nullptr, all).x, first.x);
    type("ab");
    drain();
    WDialogHide();
    EXPECT_FALSE(IsWindowVisible(all));
    EXPECT_EQ(record(1).Shown, 0);
    EXPECT_EQ(text(item(all, ID_EDIT)), "ab");
}

// Positions are window units of the root window even while a child window is current, which
// stays current.
TEST_F(ShowTest, PositionsAreRootUnitsWhateverWindowIsCurrent) {
    const int n = open_child(1 + 2, 10, 10, 100, 80);
    WindowSelect(n);
    const HWND child = load(DLG_CHILD);
    WDialogShow(5000, 5000);
    EXPECT_EQ(tess::tk().tessar01.currentWindow, n);
    WindowSelect(0);
    int px = 0, py = 0;
    WindowUnitsToPixels(5000, 5000, px, py);
    const POINT at = top_left_in(client(0), child);
    EXPECT_EQ(at.x, px);
    EXPECT_EQ(at.y, py);
}

TEST_F(ShowTest, ChildStyleWithHiddenRootRecords1016) {
    WindowClose();
    open_root(600, 400, 7 | tess::WinFlagHidden);
    const HWND child = load(DLG_CHILD);
    WDialogShow(10, 10);
    EXPECT_EQ(last_error(), 1016);
    EXPECT_FALSE(IsWindowVisible(child));
    EXPECT_EQ(record(1).Shown, 0);
}

// The modal instance copies its fields back for every push button; the button and the dialog
// are left in ExitField and ExitDialog.
TEST_F(ShowTest, ModalCopiesBackForEveryPushButton) {
    struct Row {
        const char* name;
        int button;
    };
    for (const Row& r : {Row{"Enter", IDOK}, Row{"Escape", IDCANCEL}, Row{"click", ID_MORE}}) {
        SCOPED_TRACE(r.name);
        const HWND all = load(DLG_ALL);
        type("abcdefg"); // the length limit of five travels to the instance
        if (r.button == IDOK) press(VK_RETURN);
        if (r.button == IDCANCEL) press(VK_ESCAPE);
        if (r.button == ID_MORE) {
            // The instance stands where the loaded dialog would: the same template at the
            // same place.
            int px = 0, py = 0;
            WindowUnitsToPixels(1000, 1000, px, py);
            RECT b{};
            GetWindowRect(item(all, ID_MORE), &b);
            RECT d{};
            GetWindowRect(all, &d);
            const POINT p{px + (b.left - d.left) + 5, py + (b.top - d.top) + 5};
            plat::inject_mouse_move(p);
            plat::inject_mouse(p, 0, true);
            plat::inject_mouse(p, 0, false);
        }
        WDialogShow(1000, 1000, ID_EDIT, 1);
        EXPECT_EQ(last_error(), 0);
        EXPECT_EQ(tess::tessar04().exitField, r.button);
        EXPECT_EQ(tess::tessar04().exitDialog, DLG_ALL);
        EXPECT_EQ(tess::tessar04().exitPreviousField, ID_EDIT);
        EXPECT_EQ(text(item(all, ID_EDIT)), "abcde");
        EXPECT_EQ(record(0).Handle, nullptr);
        EXPECT_EQ(record(1).Shown, 0);
        EXPECT_FALSE(IsWindowVisible(all));
        EXPECT_EQ(table().wBlitOn, 0);
        EXPECT_TRUE(IsWindowEnabled(frame(0)));
        // The combo box's items and selection came back too.
        EXPECT_EQ(count(item(all, ID_COMBO), true), 3);
        EXPECT_EQ(selection(item(all, ID_COMBO), true), 1);
        WDialogUnload();
        drain();
    }
}

// The window system loses the root's client pixels while a modal dialog runs (a timer stands
// in for what uncovering does without backing store): the snapshot repaints them, and no
// redraw event reaches the program, which could not have answered it.
std::vector<HWND> damaged;
bool closeAfterDamage = false;

void damage(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    for (HWND w : damaged) {
        HDC dc = GetDC(w);
        RECT r{};
        GetClientRect(w, &r);
        FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        ReleaseDC(w, dc);
        InvalidateRect(w, nullptr, FALSE);
    }
    if (closeAfterDamage) {
        plat::inject_key(VK_RETURN, 0, true);
        plat::inject_key(VK_RETURN, 0, false);
    }
}

void paint_red(HWND client) {
    HDC dc = GetDC(client);
    RECT r{};
    GetClientRect(client, &r);
    HBRUSH red = CreateSolidBrush(RGB(200, 0, 0));
    FillRect(dc, &r, red);
    DeleteObject(red);
    ReleaseDC(client, dc);
}

TEST_F(ShowTest, SnapshotsRepaintDuringAModalDialogWithoutRedrawEvents) {
    struct Row {
        const char* name;
        bool modal;
    };
    for (const Row& r : {Row{"modal", true}, Row{"no modal display", false}}) {
        SCOPED_TRACE(r.name);
        paint_red(client(0));
        drain();
        damaged = {client(0)};
        closeAfterDamage = r.modal;
        load(DLG_PLAIN);
        SetTimer(nullptr, 0, 0, damage);
        if (r.modal) {
            WDialogShow(500, 500, 0, 1);
            ASSERT_EQ(tess::tessar04().exitField, IDOK);
        } else {
            plat::advance_clock(10);
        }
        int redraws = 0;
        for (const auto& [type, m] : drain())
            redraws += type == tess::EventRedraw && m.Win == 0;
        EXPECT_EQ(redraws, r.modal ? 0 : 1);
        const plat::Pixel red = plat::pixel_from_colorref(RGB(200, 0, 0));
        EXPECT_EQ(client_pixel(0, 5, 5) == red, r.modal);
        WDialogUnload();
    }
}

// A displayed dialog drawn into as a graphics area is repainted from its snapshot too, instead
// of asking the program for a redraw it could not answer.
TEST_F(ShowTest, DisplayedDialogsRepaintFromSnapshots) {
    struct Row {
        const char* name;
        bool modal;
    };
    for (const Row& r : {Row{"modal", true}, Row{"no modal display", false}}) {
        SCOPED_TRACE(r.name);
        const HWND area = load(DLG_TRACK);
        WDialogShow(6000, 100, 0, 2);
        int f = 0, w = 0, h = 0;
        yygetdialogdc_(f, 1, w, h);
        yygetdialogdc_(f, 2, w, h);
        paint_red(area);
        drain();
        damaged = {area};
        closeAfterDamage = r.modal;
        load(DLG_PLAIN);
        SetTimer(nullptr, 0, 0, damage);
        if (r.modal)
            WDialogShow(100, 100, 0, 1);
        else
            plat::advance_clock(10);
        int fieldRedraws = 0;
        for (const auto& [type, m] : drain())
            fieldRedraws += type == tess::EventRedraw && m.Win == DLG_TRACK && m.Value3 == 1;
        EXPECT_EQ(fieldRedraws, r.modal ? 0 : 1);
        RECT c{};
        GetClientRect(area, &c);
        POINT corner{c.right - 2, c.bottom - 2};
        ClientToScreen(area, &corner);
        RECT outer{};
        GetWindowRect(area, &outer);
        const bool red =
            testsupport::presented_pixel(area, corner.x - outer.left, corner.y - outer.top) ==
            plat::pixel_from_colorref(RGB(200, 0, 0));
        EXPECT_EQ(red, r.modal);
        WDialogUnload();
        WDialogLoad(DLG_TRACK);
        WDialogUnload();
    }
}

} // namespace
} // namespace dlgtest
