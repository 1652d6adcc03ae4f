// "SysTabControl32": items and their data, bad indices, the notifications of clicks, arrows and
// Ctrl+Tab, a change refused in TCN_SELCHANGING, and the tabs the user sees.
#include <array>
#include <cstring>
#include <string>

#include "dialog_parent.h"

namespace ctltest {
namespace {

using testmsg::Message;
using testmsg::parent;
using testmsg::posted;
using testmsg::sent;

constexpr RECT Place{10, 10, 310, 210};

class TabTest : public DialogControlsTest {
protected:
    // Three tabs, "Eins", "Zwei", "Drei", with item data 100, 200, 300.
    HWND tabs(DWORD style = 0) {
        const HWND t = make(WC_TABCONTROLA, style, Place);
        for (int i = 0; i < 3; ++i) {
            static const char* names[] = {"Eins", "Zwei", "Drei"};
            TCITEMA item{};
            item.mask = TCIF_TEXT | TCIF_PARAM;
            item.pszText = const_cast<LPSTR>(names[i]);
            item.lParam = 100 * (i + 1);
            EXPECT_EQ(SendMessageA(t, TCM_INSERTITEMA, static_cast<WPARAM>(i),
                                   reinterpret_cast<LPARAM>(&item)),
                      i);
        }
        pump();
        parent_log().heard.clear();
        return t;
    }
    RECT rect_of(HWND t, int i) {
        RECT r{};
        SendMessageA(t, TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r));
        return r;
    }
    void click_tab(HWND t, int i) {
        const RECT r = rect_of(t, i);
        click(t, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }
    LRESULT cur(HWND t) { return SendMessageA(t, TCM_GETCURSEL, 0, 0); }
    std::vector<Heard> changed() {
        return {notify(TCN_SELCHANGING, Id), notify(TCN_SELCHANGE, Id)};
    }
};

TEST_F(TabTest, ItemsKeepTextAndData) {
    const HWND t = tabs();
    EXPECT_EQ(SendMessageA(t, TCM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_EQ(cur(t), 0); // the first tab inserted is selected
    char text[16];
    TCITEMA item{};
    item.mask = TCIF_TEXT | TCIF_PARAM;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    ASSERT_TRUE(SendMessageA(t, TCM_GETITEMA, 1, reinterpret_cast<LPARAM>(&item)));
    EXPECT_STREQ(text, "Zwei");
    EXPECT_EQ(item.lParam, 200);
    // SETITEM changes only what the mask names.
    TCITEMA change{};
    change.mask = TCIF_PARAM;
    change.lParam = 222;
    EXPECT_TRUE(SendMessageA(t, TCM_SETITEMA, 1, reinterpret_cast<LPARAM>(&change)));
    ASSERT_TRUE(SendMessageA(t, TCM_GETITEMA, 1, reinterpret_cast<LPARAM>(&item)));
    EXPECT_STREQ(text, "Zwei");
    EXPECT_EQ(item.lParam, 222);
    // A short buffer takes what fits, terminated.
    item.cchTextMax = 3;
    ASSERT_TRUE(SendMessageA(t, TCM_GETITEMA, 2, reinterpret_cast<LPARAM>(&item)));
    EXPECT_STREQ(text, "Dr");
    // Inserting before the selection keeps the same tab selected.
    SendMessageA(t, TCM_SETCURSEL, 1, 0);
    TCITEMA first{};
    first.mask = TCIF_TEXT;
    first.pszText = const_cast<LPSTR>("Null");
    EXPECT_EQ(SendMessageA(t, TCM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&first)), 0);
    EXPECT_EQ(cur(t), 2);
    EXPECT_TRUE(SendMessageA(t, TCM_DELETEITEM, 0, 0));
    EXPECT_EQ(cur(t), 1);
    EXPECT_TRUE(parent_log().heard.empty()); // messages never notify
}

// Out-of-range indices and NULL structures: the platform's failure answers, nothing changed.
TEST_F(TabTest, BadIndicesAndNullStructures) {
    const HWND t = tabs();
    TCITEMA item{};
    item.mask = TCIF_PARAM;
    struct Row {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        LRESULT answer;
    };
    const LPARAM p = reinterpret_cast<LPARAM>(&item);
    RECT r{};
    const std::array<Row, 11> rows{{
        {TCM_GETITEMA, 3, p, FALSE},
        {TCM_GETITEMA, static_cast<WPARAM>(-1), p, FALSE},
        {TCM_GETITEMA, 0, 0, FALSE},
        {TCM_SETITEMA, 7, p, FALSE},
        {TCM_SETITEMA, 0, 0, FALSE},
        {TCM_DELETEITEM, 3, 0, FALSE},
        {TCM_SETCURSEL, 3, 0, -1},
        {TCM_SETCURSEL, static_cast<WPARAM>(-2), 0, -1},
        {TCM_GETITEMRECT, 9, reinterpret_cast<LPARAM>(&r), FALSE},
        {TCM_INSERTITEMA, 0, 0, -1},
        {TCM_INSERTITEMA, static_cast<WPARAM>(-1), p, -1},
    }};
    for (const Row& row : rows)
        EXPECT_EQ(SendMessageA(t, row.message, row.wParam, row.lParam), row.answer)
            << std::hex << row.message << " " << row.wParam;
    EXPECT_EQ(SendMessageA(t, TCM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_EQ(cur(t), 0);
    // An index past the end appends.
    EXPECT_EQ(SendMessageA(t, TCM_INSERTITEMA, 99, p), 3);
    SendMessageA(t, TCM_ADJUSTRECT, FALSE, 0); // NULL rectangle
    // A text of 100,000 characters: kept whole, handed out as far as the buffer reaches.
    std::string longText(100000, 'x');
    TCITEMA big{};
    big.mask = TCIF_TEXT;
    big.pszText = longText.data();
    EXPECT_EQ(SendMessageA(t, TCM_SETITEMA, 3, reinterpret_cast<LPARAM>(&big)), TRUE);
    pump();
    std::string back(200001, '?');
    big.pszText = back.data();
    big.cchTextMax = static_cast<int>(back.size());
    EXPECT_TRUE(SendMessageA(t, TCM_GETITEMA, 3, reinterpret_cast<LPARAM>(&big)));
    EXPECT_EQ(std::strlen(back.c_str()), 100000u);
    big.cchTextMax = 0; // no room at all: nothing written
    back[0] = '?';
    EXPECT_TRUE(SendMessageA(t, TCM_GETITEMA, 3, reinterpret_cast<LPARAM>(&big)));
    EXPECT_EQ(back[0], '?');
    EXPECT_EQ(SendMessageA(t, TCM_DELETEALLITEMS, 0, 0), TRUE);
    EXPECT_EQ(cur(t), -1);
    key(VK_RIGHT);
    click(t, 20, 10);
    EXPECT_EQ(cur(t), -1);
}

// A click on another tab: TCN_SELCHANGING, the change, TCN_SELCHANGE, both through WM_NOTIFY.
const std::vector<Message> ClickTabSeq{
    {WM_LBUTTONDOWN, posted},
    {WM_NOTIFY, sent | parent}, // TCN_SELCHANGING
    {WM_NOTIFY, sent | parent}, // TCN_SELCHANGE
    {WM_LBUTTONUP, posted},
};

TEST_F(TabTest, ClickChangesTheSelectionWithBothNotifications) {
    const HWND t = tabs();
    testmsg::Recorder r;
    r.watch(t, parent());
    ignore_noise(r);
    r.ignore(TCM_GETITEMRECT);
    click_tab(t, 2);
    CHECK_SEQUENCE(r, ClickTabSeq);
    EXPECT_EQ(cur(t), 2);
    EXPECT_EQ(parent_log().heard, changed());
    EXPECT_EQ(parent_log().heard[0].from, t);
    // A click on the selected tab or beside the tabs changes nothing.
    parent_log().heard.clear();
    click_tab(t, 2);
    click(t, 290, 5);
    EXPECT_TRUE(parent_log().heard.empty());
}

TEST_F(TabTest, ChangeRefusedInSelChanging) {
    const HWND t = tabs();
    parent_log().refuse = TCN_SELCHANGING;
    click_tab(t, 1);
    EXPECT_EQ(cur(t), 0);
    EXPECT_EQ(parent_log().heard, (std::vector<Heard>{notify(TCN_SELCHANGING, Id)}));
    SetFocus(t);
    parent_log().heard.clear();
    key(VK_RIGHT);
    EXPECT_EQ(cur(t), 0);
    EXPECT_EQ(parent_log().heard,
              (std::vector<Heard>{notify(TCN_KEYDOWN, Id), notify(TCN_SELCHANGING, Id)}));
    // Allowed again: the click goes through.
    parent_log().refuse = 0;
    click_tab(t, 1);
    EXPECT_EQ(cur(t), 1);
}

// Keys while focused: arrows move without wrapping, Ctrl+Tab and Ctrl+Shift+Tab cycle. Each key
// is announced with TCN_KEYDOWN first.
TEST_F(TabTest, ArrowsAndCtrlTab) {
    const HWND t = tabs();
    SetFocus(t);
    pump();
    parent_log().heard.clear();
    const auto with = [&](int modifier, int vk) {
        plat::inject_key(modifier, 0, true);
        key(vk);
        plat::inject_key(modifier, 0, false);
        pump();
    };
    struct Row {
        int modifier; // 0: none
        int vk;
        LRESULT after;
        bool changes;
    };
    constexpr std::array<Row, 5> rows{{
        {0, VK_RIGHT, 1, true},
        {0, VK_RIGHT, 2, true},
        {0, VK_RIGHT, 2, false}, // the last tab: no wrap
        {VK_CONTROL, VK_TAB, 0, true},
        {0, VK_LEFT, 0, false},
    }};
    for (const Row& row : rows) {
        parent_log().heard.clear();
        if (row.modifier)
            with(row.modifier, row.vk);
        else
            key(row.vk);
        EXPECT_EQ(cur(t), row.after) << row.vk;
        // The modifier is a key pressed while focused too.
        std::vector<Heard> expected(row.modifier ? 2 : 1, notify(TCN_KEYDOWN, Id));
        if (row.changes)
            for (const Heard& h : changed())
                expected.push_back(h);
        EXPECT_EQ(parent_log().heard, expected) << row.vk;
    }
    // Ctrl+Shift+Tab from the first goes round to the last.
    plat::inject_key(VK_CONTROL, 0, true);
    with(VK_SHIFT, VK_TAB);
    plat::inject_key(VK_CONTROL, 0, false);
    pump();
    EXPECT_EQ(cur(t), 2);
    // The dialog manager leaves Ctrl+Tab to the control, plain Tab not.
    MSG msg{t, WM_KEYDOWN, VK_TAB, 0, 0, {}};
    EXPECT_EQ(SendMessageA(t, WM_GETDLGCODE, VK_TAB, reinterpret_cast<LPARAM>(&msg)),
              DLGC_WANTARROWS | DLGC_WANTCHARS);
    plat::inject_key(VK_CONTROL, 0, true);
    pump();
    EXPECT_EQ(SendMessageA(t, WM_GETDLGCODE, VK_TAB, reinterpret_cast<LPARAM>(&msg)),
              DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTMESSAGE);
    plat::inject_key(VK_CONTROL, 0, false);
    pump();
}

// The display area lies below the tabs, and ADJUSTRECT's two ways undo each other.
TEST_F(TabTest, AdjustRectAndItemRects) {
    const HWND t = tabs();
    RECT r{0, 0, 300, 200};
    SendMessageA(t, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
    const RECT first = rect_of(t, 0), second = rect_of(t, 1);
    EXPECT_GE(r.top, first.bottom);
    EXPECT_GT(r.left, 0);
    EXPECT_LT(r.right, 300);
    EXPECT_EQ(second.left, first.right);
    SendMessageA(t, TCM_ADJUSTRECT, TRUE, reinterpret_cast<LPARAM>(&r));
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.right, 300);
    EXPECT_EQ(r.bottom, 200);
    TCHITTESTINFO hit{{(second.left + second.right) / 2, (second.top + second.bottom) / 2}, 0};
    EXPECT_EQ(SendMessageA(t, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)), 1);
    EXPECT_EQ(hit.flags & TCHT_ONITEM, TCHT_ONITEMLABEL);
}

// The selected tab stands two pixels higher than the others and opens into the display area;
// the focus frame shows inside it.
TEST_F(TabTest, SelectedTabAndFocusPixels) {
    const HWND t = tabs();
    const RECT sel = rect_of(t, 0), other = rect_of(t, 1);
    const int sx = (sel.left + sel.right) / 2, ox = (other.left + other.right) / 2;
    EXPECT_EQ(pixel(t, sx, sel.top - 2), colour(COLOR_3DLIGHT));   // raised above the row
    EXPECT_EQ(pixel(t, ox, other.top - 2), colour(COLOR_BTNFACE)); // not raised
    EXPECT_EQ(pixel(t, ox, other.top), colour(COLOR_3DLIGHT));
    EXPECT_EQ(pixel(t, sx, sel.bottom), colour(COLOR_BTNFACE)); // no line under the selected
    EXPECT_EQ(pixel(t, ox, other.bottom), colour(COLOR_3DLIGHT));
    EXPECT_EQ(pixel(t, sel.left + 1, sel.bottom - 3), colour(COLOR_BTNFACE)); // no focus
    SetFocus(t);
    pump();
    int dots = 0;
    for (int y = sel.top + 1; y < sel.bottom - 2; ++y)
        dots += pixel(t, sel.left + 1, y) != colour(COLOR_BTNFACE);
    EXPECT_GT(dots, 2); // the dotted focus frame's left side
    SendMessageA(t, TCM_SETCURSEL, 1, 0);
    pump();
    EXPECT_EQ(pixel(t, sx, sel.top - 2), colour(COLOR_BTNFACE));
    EXPECT_EQ(pixel(t, ox, other.top - 2), colour(COLOR_3DLIGHT));
}

} // namespace
} // namespace ctltest
