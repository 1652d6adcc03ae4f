// "LISTBOX" completed: with WS_VSCROLL the bar follows the items, the keys and
// LB_SETTOPINDEX, and its arrows, track and thumb scroll the list; owner-drawn rows; LB_DIR.
#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "../../support/temp_dir.h"
#include "controls_fixture.h"

namespace ctltest {
namespace {

constexpr int Id = 71;

class ListBoxScrollTest : public ControlsTest {
protected:
    HWND list(DWORD style, int count) {
        if (!parentFrame) parentFrame = frame();
        const HWND lb =
            control(parentFrame, "LISTBOX", "", style | WS_VSCROLL, RECT{10, 10, 160, 130}, Id);
        for (int i = 0; i < count; ++i) {
            const std::string s = "item " + std::to_string(100 + i);
            SendMessageA(lb, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s.c_str()));
        }
        pump();
        return lb;
    }
    int page(HWND lb) { return 120 / static_cast<int>(SendMessageA(lb, LB_GETITEMHEIGHT, 0, 0)); }
    static SCROLLINFO info(HWND lb) {
        SCROLLINFO si{sizeof si, SIF_ALL, 0, 0, 0, 0, 0};
        GetScrollInfo(lb, SB_VERT, &si);
        return si;
    }
    static bool shown(HWND lb) { return GetWindowLongPtrA(lb, GWL_STYLE) & WS_VSCROLL; }
    static LRESULT top(HWND lb) { return SendMessageA(lb, LB_GETTOPINDEX, 0, 0); }
    void key(int vk) {
        plat::inject_key(vk, 0, true);
        plat::inject_key(vk, 0, false);
        pump();
    }
    // A press and release at a point of the list's window (not client) area.
    void click_window(HWND lb, int x, int y, int releaseY = -1) {
        RECT r;
        GetWindowRect(lb, &r);
        const POINT p{r.left + x, r.top + y};
        const POINT q{r.left + x, r.top + (releaseY < 0 ? y : releaseY)};
        plat::inject_mouse_move(p);
        plat::inject_mouse(p, 0, true);
        plat::inject_mouse_move(q);
        plat::inject_mouse(q, 0, false);
        pump();
        plat::advance_clock(1000);
    }
    HWND parentFrame = nullptr;
};

// Range 0..count-1, a page of the rows that fit; hidden when all fit unless
// LBS_DISABLENOSCROLL keeps it (disabled). Keys move the top row and the bar with it.
TEST_F(ListBoxScrollTest, BarFollowsItemsAndKeys) {
    struct Row {
        int count;
        DWORD style;
        bool shown;
    };
    constexpr std::array<Row, 5> rows{{
        {0, 0, false},
        {3, 0, false},
        {40, 0, true},
        {3, LBS_DISABLENOSCROLL, true},
        {40, LBS_DISABLENOSCROLL, true},
    }};
    for (const Row& row : rows) {
        const HWND lb = list(row.style, row.count);
        const int rowsShown = page(lb);
        ASSERT_LT(3, rowsShown);
        EXPECT_EQ(shown(lb), row.shown) << row.count << " " << row.style;
        SCROLLINFO si = info(lb);
        EXPECT_EQ(si.nMax, std::max(0, row.count - 1));
        EXPECT_EQ(si.nPage, static_cast<UINT>(std::min(rowsShown, std::max(row.count, 1))));
        RECT c;
        GetClientRect(lb, &c);
        EXPECT_EQ(c.right, row.shown ? 150 - 16 : 150);
        if (row.count == 40) {
            SetFocus(lb);
            key(VK_END);
            EXPECT_EQ(top(lb), 40 - rowsShown);
            EXPECT_EQ(info(lb).nPos, 40 - rowsShown);
            key(VK_HOME);
            EXPECT_EQ(info(lb).nPos, 0);
            EXPECT_EQ(SendMessageA(lb, LB_SETTOPINDEX, 7, 0), LB_OKAY);
            EXPECT_EQ(info(lb).nPos, 7);
            EXPECT_EQ(SendMessageA(lb, LB_SETTOPINDEX, 40, 0), LB_ERR);
            EXPECT_EQ(top(lb), 7);
            // Emptied: the bar goes (or stays disabled).
            SendMessageA(lb, LB_RESETCONTENT, 0, 0);
            EXPECT_EQ(shown(lb), (row.style & LBS_DISABLENOSCROLL) != 0);
            EXPECT_EQ(info(lb).nPos, 0);
        }
        DestroyWindow(lb);
    }
}

// The bar works the list: an arrow a row, the track a page less one row, the thumb dragged to
// the end shows the last page; the selection stays where it was.
TEST_F(ListBoxScrollTest, BarScrollsTheList) {
    const HWND lb = list(LBS_NOTIFY, 40);
    SendMessageA(lb, LB_SETCURSEL, 2, 0);
    const int rowsShown = page(lb);
    const int x = 150 - 8;
    RECT window;
    GetWindowRect(lb, &window); // cut to whole rows
    const int height = window.bottom - window.top;
    click_window(lb, x, height - 8); // bottom arrow
    EXPECT_EQ(top(lb), 1);
    click_window(lb, x, 8); // top arrow
    EXPECT_EQ(top(lb), 0);
    click_window(lb, x, height - 20); // track below the thumb
    EXPECT_EQ(top(lb), rowsShown - 1);
    EXPECT_EQ(GetScrollPos(lb, SB_VERT), rowsShown - 1);
    click_window(lb, x, 8); // top arrow again: one row back
    EXPECT_EQ(top(lb), rowsShown - 2);
    SendMessageA(lb, LB_SETTOPINDEX, 0, 0);
    click_window(lb, x, 16 + 3, 400); // the thumb at the top, dragged far down
    EXPECT_EQ(top(lb), 40 - rowsShown);
    EXPECT_EQ(GetScrollPos(lb, SB_VERT), 40 - rowsShown);
    EXPECT_EQ(SendMessageA(lb, LB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(GetCapture(), nullptr);
    // A program's SB_TOP and SB_BOTTOM; SB_ENDSCROLL moves nothing.
    SendMessageA(lb, WM_VSCROLL, MAKEWPARAM(SB_ENDSCROLL, 0), 0);
    EXPECT_EQ(top(lb), 40 - rowsShown);
    SendMessageA(lb, WM_VSCROLL, MAKEWPARAM(SB_TOP, 0), 0);
    EXPECT_EQ(top(lb), 0);
    SendMessageA(lb, WM_VSCROLL, MAKEWPARAM(SB_BOTTOM, 0), 0);
    EXPECT_EQ(top(lb), 40 - rowsShown);
}

} // namespace
} // namespace ctltest

namespace ctltest {
namespace {

struct DrawHeard {
    UINT itemID;
    UINT state;
    RECT rc;
};
std::vector<MEASUREITEMSTRUCT> measured;
std::vector<DrawHeard> drawn;
WNDPROC ownerPrevious = nullptr;

// A parent that measures rows 20 high and paints each row red when selected, else green.
LRESULT CALLBACK owner_proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_MEASUREITEM) {
        auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        measured.push_back(*mis);
        mis->itemHeight = 20;
        return TRUE;
    }
    if (message == WM_DRAWITEM) {
        const auto* dis = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        drawn.push_back({dis->itemID, dis->itemState, dis->rcItem});
        HBRUSH b =
            CreateSolidBrush((dis->itemState & ODS_SELECTED) ? RGB(255, 0, 0) : RGB(0, 255, 0));
        FillRect(dis->hDC, &dis->rcItem, b);
        DeleteObject(b);
        return TRUE;
    }
    return CallWindowProcA(ownerPrevious, hwnd, message, wParam, lParam);
}

class ListBoxOwnerDrawTest : public ControlsTest {};

// WM_MEASUREITEM once at creation sets the row height; each row shown is the parent's
// WM_DRAWITEM, with the selection in itemState, and what the parent draws is what shows.
TEST_F(ListBoxOwnerDrawTest, ParentMeasuresOnceAndDrawsEachRow) {
    measured.clear();
    drawn.clear();
    const HWND f = frame();
    ownerPrevious = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(f, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(owner_proc)));
    const HWND lb =
        control(f, "LISTBOX", "", LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, RECT{10, 10, 160, 130}, Id);
    ASSERT_EQ(measured.size(), 1u);
    EXPECT_EQ(measured[0].CtlType, ODT_LISTBOX);
    EXPECT_EQ(measured[0].CtlID, static_cast<UINT>(Id));
    EXPECT_GT(measured[0].itemHeight, 0u);
    EXPECT_EQ(SendMessageA(lb, LB_GETITEMHEIGHT, 0, 0), 20);
    for (const char* s : {"a", "b", "c", "d", "e", "f", "g", "h"})
        SendMessageA(lb, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
    SendMessageA(lb, LB_SETCURSEL, 2, 0);
    char text[4];
    SendMessageA(lb, LB_GETTEXT, 2, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, "c"); // the strings are kept
    drawn.clear();
    pump();
    ASSERT_GE(drawn.size(), 6u);
    for (UINT i = 0; i < 6; ++i) {
        EXPECT_EQ(drawn[i].itemID, i);
        EXPECT_EQ(drawn[i].rc.top, static_cast<LONG>(20 * i));
        EXPECT_EQ(drawn[i].rc.bottom, static_cast<LONG>(20 * i + 20));
        EXPECT_EQ((drawn[i].state & ODS_SELECTED) != 0, i == 2) << i;
    }
    EXPECT_EQ(measured.size(), 1u);
    EXPECT_EQ(pixel(lb, 50, 50), plat::pixel_from_colorref(RGB(255, 0, 0))); // row 2
    EXPECT_EQ(pixel(lb, 50, 10), plat::pixel_from_colorref(RGB(0, 255, 0)));
    RECT r{};
    SendMessageA(lb, LB_GETITEMRECT, 3, reinterpret_cast<LPARAM>(&r));
    EXPECT_EQ(r.top, 60);
    SetWindowLongPtrA(f, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ownerPrevious));
}

} // namespace
} // namespace ctltest

namespace ctltest {
namespace {

class ListBoxDirTest : public ControlsTest {};

// LB_DIR lists a directory's matching files, directories bracketed with DDL_DIRECTORY and
// alone with DDL_EXCLUSIVE, answering the index of the last name added; LB_ERR when nothing
// can be listed.
TEST_F(ListBoxDirTest, ListsMatchingFilesAndDirectories) {
    testsupport::TempDir dir(true);
    dir.write("b.txt", "x");
    dir.write("a.TXT", "x");
    dir.write("c.doc", "x");
    dir.write(".hidden.txt", "x");
    std::filesystem::create_directory(dir.path() / "sub");
    struct Row {
        const char* pattern;
        UINT attributes;
        std::vector<std::string> names;
    };
    const std::string full = dir.file("*.doc");
    const std::vector<Row> rows{
        {"*.txt", DDL_READWRITE, {"a.TXT", "b.txt"}},
        {"*.*", DDL_READWRITE, {"a.TXT", "b.txt", "c.doc"}},
        {"?.doc", DDL_DIRECTORY, {"c.doc"}},
        {"*", DDL_DIRECTORY, {"a.TXT", "b.txt", "c.doc", "[sub]"}},
        {"*", DDL_DIRECTORY | DDL_EXCLUSIVE, {"[sub]"}},
        {full.c_str(), DDL_READWRITE, {"c.doc"}},
    };
    const HWND f = frame();
    for (const Row& row : rows) {
        const HWND lb = control(f, "LISTBOX", "", 0, RECT{10, 10, 160, 130}, Id);
        EXPECT_EQ(SendMessageA(lb, LB_DIR, row.attributes, reinterpret_cast<LPARAM>(row.pattern)),
                  static_cast<LRESULT>(row.names.size()) - 1)
            << row.pattern;
        std::vector<std::string> got;
        for (LRESULT i = 0; i < SendMessageA(lb, LB_GETCOUNT, 0, 0); ++i) {
            char text[64] = {};
            SendMessageA(lb, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
            got.emplace_back(text);
        }
        EXPECT_EQ(got, row.names) << row.pattern;
        DestroyWindow(lb);
    }
    const HWND lb = control(f, "LISTBOX", "", 0, RECT{10, 10, 160, 130}, Id);
    EXPECT_EQ(SendMessageA(lb, LB_DIR, 0, 0), LB_ERR);
    EXPECT_EQ(SendMessageA(lb, LB_DIR, 0, reinterpret_cast<LPARAM>("*.none")), LB_ERR);
    EXPECT_EQ(SendMessageA(lb, LB_DIR, 0, reinterpret_cast<LPARAM>("/no/such/dir/*.*")), LB_ERR);
    EXPECT_EQ(SendMessageA(lb, LB_GETCOUNT, 0, 0), 0);
}

} // namespace
} // namespace ctltest
