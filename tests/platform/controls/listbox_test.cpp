// "LISTBOX": selection by mouse and keys in single, multiple and extended lists, what the
// parent hears, searching, and the platform's error answers.
#include <array>
#include <vector>

#include "controls_fixture.h"

namespace ctltest {
namespace {

constexpr int Id = 70;

class ListBoxTest : public ControlsTest {
protected:
    HWND list(DWORD style, std::initializer_list<const char*> items) {
        if (!parentFrame) parentFrame = frame();
        const HWND lb = control(parentFrame, "LISTBOX", "", style, RECT{10, 10, 160, 130}, Id);
        for (const char* s : items)
            SendMessageA(lb, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
        pump();
        return lb;
    }
    void click(HWND lb, int index, int modifier = 0) {
        RECT r{};
        SendMessageA(lb, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
        const POINT p = screen_point(lb, 20, (r.top + r.bottom) / 2);
        if (modifier) plat::inject_key(modifier, 0, true);
        plat::inject_mouse_move(p);
        plat::inject_mouse(p, 0, true);
        plat::inject_mouse(p, 0, false);
        if (modifier) plat::inject_key(modifier, 0, false);
        pump();
        plat::advance_clock(1000); // no double clicks
    }
    void key(int vk, char ch = 0) {
        plat::inject_key(vk, ch, true);
        plat::inject_key(vk, ch, false);
        pump();
    }
    std::vector<int> selected(HWND lb) {
        std::vector<int> out(16);
        const LRESULT n =
            SendMessageA(lb, LB_GETSELITEMS, out.size(), reinterpret_cast<LPARAM>(out.data()));
        out.resize(n < 0 ? 0 : static_cast<std::size_t>(n));
        return out;
    }
    std::vector<WORD> codes() const {
        std::vector<WORD> out;
        for (WPARAM w : frame_log().commands)
            if (LOWORD(w) == Id) out.push_back(HIWORD(w));
        return out;
    }
    HWND parentFrame = nullptr;
};

// The user's choices notify LBN_SELCHANGE; the program's LB_SETCURSEL does not.
TEST_F(ListBoxTest, SingleSelectionByMouseKeysAndTyping) {
    const HWND lb = list(LBS_NOTIFY | LBS_SORT, {"pear", "apple", "cherry", "banana"});
    char text[16];
    SendMessageA(lb, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, "apple");
    click(lb, 1);
    EXPECT_EQ(SendMessageA(lb, LB_GETCURSEL, 0, 0), 1);
    key(VK_DOWN);
    EXPECT_EQ(SendMessageA(lb, LB_GETCURSEL, 0, 0), 2);
    key('P', 'p');
    EXPECT_EQ(SendMessageA(lb, LB_GETCURSEL, 0, 0), 3);
    key(VK_HOME);
    EXPECT_EQ(SendMessageA(lb, LB_GETCURSEL, 0, 0), 0);
    SendMessageA(lb, LB_SETCURSEL, 2, 0);
    EXPECT_EQ(codes(), (std::vector<WORD>{LBN_SETFOCUS, LBN_SELCHANGE, LBN_SELCHANGE, LBN_SELCHANGE,
                                          LBN_SELCHANGE}));
    EXPECT_EQ(SendMessageA(lb, LB_SETCURSEL, static_cast<WPARAM>(-1), 0), LB_ERR);
    EXPECT_EQ(SendMessageA(lb, LB_GETCURSEL, 0, 0), LB_ERR);
    EXPECT_EQ(SendMessageA(lb, WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS | DLGC_WANTCHARS);
}

TEST_F(ListBoxTest, MultipleSelectionToggles) {
    const HWND lb = list(LBS_MULTIPLESEL | LBS_NOTIFY, {"a", "b", "c", "d"});
    click(lb, 1);
    click(lb, 3);
    EXPECT_EQ(selected(lb), (std::vector<int>{1, 3}));
    click(lb, 1);
    EXPECT_EQ(selected(lb), (std::vector<int>{3}));
    key(VK_DOWN); // the focus moves from the last click's item; Space selects
    key(VK_SPACE, ' ');
    EXPECT_EQ(selected(lb), (std::vector<int>{2, 3}));
    EXPECT_EQ(SendMessageA(lb, LB_GETSELCOUNT, 0, 0), 2);
    SendMessageA(lb, LB_SELITEMRANGEEX, 3, 0); // backwards: deselects
    EXPECT_TRUE(selected(lb).empty());
    SendMessageA(lb, LB_SELITEMRANGE, TRUE, MAKELPARAM(0, 1));
    EXPECT_EQ(selected(lb), (std::vector<int>{0, 1}));
    SendMessageA(lb, LB_SETSEL, FALSE, -1);
    EXPECT_TRUE(selected(lb).empty());
}

TEST_F(ListBoxTest, ExtendedSelectionRangesFromTheAnchor) {
    const HWND lb = list(LBS_EXTENDEDSEL, {"a", "b", "c", "d", "e"});
    click(lb, 1);
    click(lb, 3, VK_SHIFT);
    EXPECT_EQ(selected(lb), (std::vector<int>{1, 2, 3}));
    click(lb, 2, VK_CONTROL);
    EXPECT_EQ(selected(lb), (std::vector<int>{1, 3}));
    click(lb, 0);
    EXPECT_EQ(selected(lb), (std::vector<int>{0}));
    plat::inject_key(VK_SHIFT, 0, true);
    key(VK_DOWN);
    key(VK_DOWN);
    plat::inject_key(VK_SHIFT, 0, false);
    pump();
    EXPECT_EQ(selected(lb), (std::vector<int>{0, 1, 2}));
}

TEST_F(ListBoxTest, FindingStrings) {
    const HWND lb = list(0, {"Alpha", "alphabet", "Beta", "alp"});
    const auto find = [&](UINT m, int start, const char* s) {
        return SendMessageA(lb, m, static_cast<WPARAM>(start), reinterpret_cast<LPARAM>(s));
    };
    EXPECT_EQ(find(LB_FINDSTRING, -1, "ALPHA"), 0);
    EXPECT_EQ(find(LB_FINDSTRING, 0, "alpha"), 1);
    EXPECT_EQ(find(LB_FINDSTRING, 1, "alpha"), 0); // wraps round
    EXPECT_EQ(find(LB_FINDSTRINGEXACT, -1, "ALP"), 3);
    EXPECT_EQ(find(LB_FINDSTRINGEXACT, -1, "alph"), LB_ERR);
    EXPECT_EQ(find(LB_SELECTSTRING, -1, "be"), 2);
    EXPECT_EQ(SendMessageA(lb, LB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(find(LB_FINDSTRING, -1, nullptr), LB_ERR);
}

// Out-of-range indices and NULL buffers answer LB_ERR; selection messages of multiple lists
// refuse a single list.
TEST_F(ListBoxTest, BadInputAnswersLbErr) {
    const HWND lb = list(0, {"x", "y"});
    char buffer[8];
    struct Row {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    const std::array<Row, 12> rows{{
        {LB_GETTEXT, 2, reinterpret_cast<LPARAM>(buffer)},
        {LB_GETTEXT, 0, 0},
        {LB_GETTEXTLEN, 99, 0},
        {LB_DELETESTRING, 2, 0},
        {LB_INSERTSTRING, 5, reinterpret_cast<LPARAM>("z")},
        {LB_GETITEMDATA, static_cast<WPARAM>(-1), 0},
        {LB_SETITEMDATA, 7, 1},
        {LB_GETSEL, 3, 0},
        {LB_SETSEL, TRUE, 0},
        {LB_GETSELCOUNT, 0, 0},
        {LB_GETSELITEMS, 4, reinterpret_cast<LPARAM>(buffer)},
        {LB_GETITEMRECT, 0, 0},
    }};
    for (const Row& r : rows)
        EXPECT_EQ(SendMessageA(lb, r.message, r.wParam, r.lParam), LB_ERR) << r.message;
    EXPECT_EQ(
        SendMessageA(lb, LB_INSERTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("end")),
        2);
    EXPECT_EQ(SendMessageA(lb, LB_DELETESTRING, 0, 0), 2);
    SendMessageA(lb, LB_SETITEMDATA, 1, 1234);
    EXPECT_EQ(SendMessageA(lb, LB_GETITEMDATA, 1, 0), 1234);
    const std::string longText(100000, 'q');
    EXPECT_EQ(SendMessageA(lb, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(longText.c_str())), 2);
    EXPECT_EQ(SendMessageA(lb, LB_GETTEXTLEN, 2, 0), 100000);
    SendMessageA(lb, LB_RESETCONTENT, 0, 0);
    EXPECT_EQ(SendMessageA(lb, LB_GETCOUNT, 0, 0), 0);
    EXPECT_EQ(HIWORD(SendMessageA(lb, LB_ITEMFROMPOINT, 0, MAKELPARAM(5, 5))), 1);
}

// The selected item in the highlight colour, the others on the parent's list colour.
TEST_F(ListBoxTest, SelectedItemShowsHighlighted) {
    const HWND lb = list(0, {"one", "two"});
    EXPECT_EQ(frame_log().ctlAsked.back(), WM_CTLCOLORLISTBOX);
    SendMessageA(lb, LB_SETCURSEL, 1, 0);
    pump();
    RECT r{};
    SendMessageA(lb, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&r));
    EXPECT_EQ(pixel(lb, 140, (r.top + r.bottom) / 2), colour(COLOR_HIGHLIGHT));
    SendMessageA(lb, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&r));
    EXPECT_EQ(pixel(lb, 140, (r.top + r.bottom) / 2), colour(COLOR_WINDOW));
}

} // namespace
} // namespace ctltest
