// "COMBOBOX": typing and searching in a drop-down combo, opening and closing the list by mouse
// and keys, what the parent hears when the user chooses or cancels, what the user sees, and the
// platform's error answers.
#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "controls_fixture.h"

namespace ctltest {
namespace {

constexpr int Id = 80;

class ComboBoxTest : public ControlsTest {
protected:
    HWND combo(DWORD style, std::initializer_list<const char*> items) {
        if (!parentFrame) parentFrame = frame();
        const HWND cb =
            control(parentFrame, "COMBOBOX", "", style | WS_TABSTOP, RECT{10, 10, 170, 130}, Id);
        for (const char* s : items)
            SendMessageA(cb, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
        pump();
        frame_log().commands.clear();
        return cb;
    }
    void key(int vk, char ch = 0) {
        plat::inject_key(vk, ch, true);
        plat::inject_key(vk, ch, false);
        pump();
    }
    void alt_key(int vk) {
        plat::inject_key(VK_MENU, 0, true);
        key(vk);
        plat::inject_key(VK_MENU, 0, false);
        pump();
    }
    void type(const char* text) {
        for (const char* p = text; *p; ++p)
            key(std::toupper(static_cast<unsigned char>(*p)), *p);
    }
    void click_at(POINT p) {
        plat::inject_mouse_move(p);
        plat::inject_mouse(p, 0, true);
        plat::inject_mouse(p, 0, false);
        pump();
        plat::advance_clock(1000); // no double clicks
    }
    POINT button_point(HWND cb) {
        RECT r;
        GetClientRect(cb, &r);
        return screen_point(cb, r.right - 6, r.bottom / 2);
    }
    // The dropped list: the pop-up under the field.
    HWND dropped_list(HWND cb) {
        RECT r;
        GetWindowRect(cb, &r);
        const HWND h = WindowFromPoint(POINT{r.left + 20, r.bottom + 5});
        const auto style = static_cast<DWORD>(GetWindowLongPtrA(h, GWL_STYLE));
        return h != parentFrame && (style & WS_POPUP) ? h : nullptr;
    }
    POINT list_item_point(HWND list, int index) {
        RECT r{};
        SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&r));
        return screen_point(list, 20, (r.top + r.bottom) / 2);
    }
    std::vector<WORD> codes() const {
        std::vector<WORD> out;
        for (WPARAM w : frame_log().commands)
            if (LOWORD(w) == Id) out.push_back(HIWORD(w));
        return out;
    }
    static std::string text_of(HWND cb) {
        char buf[64] = {};
        GetWindowTextA(cb, buf, sizeof buf);
        return buf;
    }
    bool dropped(HWND cb) { return SendMessageA(cb, CB_GETDROPPEDSTATE, 0, 0) != 0; }
    HWND parentFrame = nullptr;
};

// Typed text is the edit's; CB_FINDSTRINGEXACT finds the item it names whatever the case,
// CB_FINDSTRING the first starting with it; each keystroke reports EDITUPDATE then EDITCHANGE.
TEST_F(ComboBoxTest, TypedTextInDropDownComboIsFound) {
    const HWND cb = combo(CBS_DROPDOWN | CBS_SORT, {"Pear", "apple", "Cherry", "apricot"});
    SetFocus(cb);
    pump();
    frame_log().commands.clear();
    type("APPLE");
    EXPECT_EQ(text_of(cb), "APPLE");
    const std::vector<WORD> perKey = {CBN_EDITUPDATE, CBN_EDITCHANGE};
    const std::vector<WORD> all = codes();
    ASSERT_EQ(all.size(), 10u);
    for (std::size_t i = 0; i < all.size(); ++i)
        EXPECT_EQ(all[i], perKey[i % 2]) << i;

    char text[64];
    GetWindowTextA(cb, text, sizeof text);
    struct Case {
        UINT message;
        WPARAM start;
        const char* find;
        LRESULT want;
    };
    const Case cases[] = {
        {CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), text, 0}, // sorted: apple, apricot, ...
        {CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), "ap", CB_ERR},
        {CB_FINDSTRING, static_cast<WPARAM>(-1), "ap", 0},
        {CB_FINDSTRING, 0, "ap", 1},        // the search starts after start
        {CB_FINDSTRING, 1, "ap", 0},        // and wraps round
        {CB_FINDSTRINGEXACT, 5, "pear", 3}, // a start beyond the end searches everything
        {CB_FINDSTRINGEXACT, 0, "zebra", CB_ERR},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SendMessageA(cb, c.message, c.start, reinterpret_cast<LPARAM>(c.find)), c.want)
            << c.find << " from " << static_cast<long>(c.start);

    EXPECT_EQ(
        SendMessageA(cb, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("ch")),
        2);
    EXPECT_EQ(text_of(cb), "Cherry");
    EXPECT_EQ(SendMessageA(cb, CB_GETEDITSEL, 0, 0), MAKELONG(0, 6)); // all of it selected
    SendMessageA(cb, CB_SETEDITSEL, 0, MAKELPARAM(1, 3));
    DWORD s = 0, e = 0;
    SendMessageA(cb, CB_GETEDITSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
    EXPECT_EQ(s, 1u);
    EXPECT_EQ(e, 3u);

    // With the list down, what is typed marks the first item it begins; Enter takes it.
    SendMessageA(cb, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    key(VK_F4);
    type("pe");
    EXPECT_EQ(SendMessageA(cb, CB_GETCURSEL, 0, 0), 3);
    EXPECT_EQ(text_of(cb), "pe");
    type("x");
    EXPECT_EQ(SendMessageA(cb, CB_GETCURSEL, 0, 0), CB_ERR);
    key(VK_BACK, '\b');
    key(VK_RETURN);
    EXPECT_FALSE(dropped(cb));
    EXPECT_EQ(SendMessageA(cb, CB_GETCURSEL, 0, 0), 3);
}

// CB_LIMITTEXT stops typing at the limit; the drop-down list has no edit to limit.
TEST_F(ComboBoxTest, LimitTextAndEditSelectionNeedAnEdit) {
    const HWND cb = combo(CBS_DROPDOWN, {});
    EXPECT_EQ(SendMessageA(cb, CB_LIMITTEXT, 3, 0), TRUE);
    SetFocus(cb);
    pump();
    type("abcdef");
    EXPECT_EQ(text_of(cb), "abc");
    const HWND list = combo(CBS_DROPDOWNLIST, {"one"});
    for (UINT m : {CB_LIMITTEXT, CB_SETEDITSEL, CB_GETEDITSEL})
        EXPECT_EQ(SendMessageA(list, m, 0, 0), CB_ERR) << std::hex << m;
}

// Each way of opening reports CBN_DROPDOWN and shows the list below the field; a click outside
// both closes it with SELENDCANCEL then CLOSEUP.
TEST_F(ComboBoxTest, OpenedByButtonF4AndAltDownClosedByClickOutside) {
    struct Case {
        const char* name;
        DWORD style;
        int how; // 0 a click on the button, 1 F4, 2 Alt+Down
    };
    const Case cases[] = {
        {"dropdown, mouse", CBS_DROPDOWN, 0},    {"dropdown, F4", CBS_DROPDOWN, 1},
        {"dropdown, Alt+Down", CBS_DROPDOWN, 2}, {"list, mouse", CBS_DROPDOWNLIST, 0},
        {"list, F4", CBS_DROPDOWNLIST, 1},       {"list, Alt+Down", CBS_DROPDOWNLIST, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const HWND cb = combo(c.style, {"one", "two", "three"});
        if (c.how == 0) {
            click_at(button_point(cb));
        } else {
            SetFocus(cb);
            pump();
            frame_log().commands.clear();
            if (c.how == 1)
                key(VK_F4);
            else
                alt_key(VK_DOWN);
        }
        EXPECT_TRUE(dropped(cb));
        const HWND list = dropped_list(cb);
        ASSERT_NE(list, nullptr);
        EXPECT_TRUE(IsWindowVisible(list));
        EXPECT_EQ(plat::surface_kind_of_class("ComboLBox"), plat::SurfaceKind::DropDownList);
        std::vector<WORD> opened = codes();
        if (c.how == 0 && !opened.empty() && opened.front() == CBN_SETFOCUS)
            opened.erase(opened.begin());
        EXPECT_EQ(opened, std::vector<WORD>{CBN_DROPDOWN});

        frame_log().commands.clear();
        click_at(screen_point(parentFrame, 300, 200));
        EXPECT_FALSE(dropped(cb));
        EXPECT_FALSE(IsWindowVisible(list));
        EXPECT_EQ(codes(), (std::vector<WORD>{CBN_SELENDCANCEL, CBN_CLOSEUP}));
        DestroyWindow(cb);
        pump();
    }
}

// Choosing: the selection changes (SELCHANGE) and is taken (SELENDOK) before the list closes
// (CLOSEUP); cancelling with Esc reports SELENDCANCEL and keeps the old selection.
TEST_F(ComboBoxTest, NotificationsForChoosingAndCancelling) {
    const HWND cb = combo(CBS_DROPDOWNLIST, {"one", "two", "three"});
    SendMessageA(cb, CB_SETCURSEL, 0, 0);
    EXPECT_TRUE(codes().empty()); // the program's choices are not announced

    // By mouse: open, then a click on the third item.
    click_at(button_point(cb));
    const HWND list = dropped_list(cb);
    ASSERT_NE(list, nullptr);
    frame_log().commands.clear();
    click_at(list_item_point(list, 2));
    EXPECT_EQ(codes(), (std::vector<WORD>{CBN_SELCHANGE, CBN_SELENDOK, CBN_CLOSEUP}));
    EXPECT_EQ(SendMessageA(cb, CB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(text_of(cb), "three");

    // By keys: F4, Up, Enter.
    frame_log().commands.clear();
    key(VK_F4);
    key(VK_UP);
    key(VK_RETURN);
    EXPECT_EQ(codes(), (std::vector<WORD>{CBN_DROPDOWN, CBN_SELCHANGE, CBN_SELENDOK, CBN_CLOSEUP}));
    EXPECT_EQ(SendMessageA(cb, CB_GETCURSEL, 0, 0), 1);

    // Cancelled: Alt+Down, Down, Esc.
    frame_log().commands.clear();
    alt_key(VK_DOWN);
    key(VK_DOWN);
    key(VK_ESCAPE);
    EXPECT_EQ(codes(),
              (std::vector<WORD>{CBN_DROPDOWN, CBN_SELCHANGE, CBN_SELENDCANCEL, CBN_CLOSEUP}));
    EXPECT_EQ(SendMessageA(cb, CB_GETCURSEL, 0, 0), 1);
    EXPECT_FALSE(dropped(cb));

    // Closed, the arrows step through the items, each step a SELCHANGE; none past the ends.
    frame_log().commands.clear();
    key(VK_DOWN);
    key(VK_DOWN);
    key(VK_UP);
    EXPECT_EQ(codes(), (std::vector<WORD>{CBN_SELCHANGE, CBN_SELCHANGE})); // 2, (stays 2), 1
    EXPECT_EQ(SendMessageA(cb, CB_GETCURSEL, 0, 0), 1);
    EXPECT_FALSE(dropped(cb));
    // A typed letter finds the next item starting with it.
    key('T', 't');
    EXPECT_EQ(SendMessageA(cb, CB_GETCURSEL, 0, 0), 2);
}

// Focus arrives and leaves as SETFOCUS and KILLFOCUS; the edit of a drop-down combo reports
// them for the combo; a simple combo's list choice is SELENDOK then SELCHANGE, a double click
// DBLCLK.
TEST_F(ComboBoxTest, FocusAndSimpleListNotifications) {
    for (DWORD style : {CBS_DROPDOWN, CBS_DROPDOWNLIST}) {
        const HWND cb = combo(style, {"one"});
        const HWND other = control(parentFrame, "BUTTON", "x", 0, RECT{200, 10, 260, 40}, 99);
        frame_log().commands.clear();
        SetFocus(cb);
        pump();
        SetFocus(other);
        pump();
        EXPECT_EQ(codes(), (std::vector<WORD>{CBN_SETFOCUS, CBN_KILLFOCUS})) << style;
        DestroyWindow(cb);
        DestroyWindow(other);
    }
    const HWND cb = combo(CBS_SIMPLE, {"one", "two"});
    const HWND list = GetDlgItem(cb, 1000);
    ASSERT_NE(list, nullptr);
    const POINT p = list_item_point(list, 1);
    frame_log().commands.clear();
    click_at(p);
    std::vector<WORD> got = codes();
    if (!got.empty() && got.front() == CBN_SETFOCUS) got.erase(got.begin());
    EXPECT_EQ(got, (std::vector<WORD>{CBN_SELENDOK, CBN_SELCHANGE}));
    EXPECT_EQ(text_of(cb), "two");
    frame_log().commands.clear();
    plat::inject_mouse(p, 0, true);
    plat::inject_mouse(p, 0, false);
    plat::inject_mouse(p, 0, true);
    plat::inject_mouse(p, 0, false);
    pump();
    const std::vector<WORD> dbl = codes();
    EXPECT_NE(std::find(dbl.begin(), dbl.end(), CBN_DBLCLK), dbl.end());
}

// The dialog manager leaves arrows and characters to the combo box, and while the list is down
// every key (Enter and Esc close it rather than the dialog); the edit part keeps its own answer.
TEST_F(ComboBoxTest, DialogCodesClosedAndDropped) {
    const HWND list = combo(CBS_DROPDOWNLIST, {"one"});
    EXPECT_EQ(SendMessageA(list, WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS | DLGC_WANTCHARS);
    SendMessageA(list, CB_SHOWDROPDOWN, TRUE, 0);
    EXPECT_EQ(SendMessageA(list, WM_GETDLGCODE, 0, 0),
              DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTALLKEYS);
    SendMessageA(list, CB_SHOWDROPDOWN, FALSE, 0);

    const HWND cb = combo(CBS_DROPDOWN, {"one"});
    SetFocus(cb);
    pump();
    const HWND edit = GetFocus();
    ASSERT_NE(edit, cb);
    EXPECT_EQ(GetParent(edit), cb);
    const LRESULT closed = SendMessageA(edit, WM_GETDLGCODE, 0, 0);
    EXPECT_TRUE(closed & DLGC_HASSETSEL);
    EXPECT_FALSE(closed & DLGC_WANTALLKEYS);
    key(VK_F4);
    EXPECT_TRUE(SendMessageA(edit, WM_GETDLGCODE, 0, 0) & DLGC_WANTALLKEYS);
}

// What the user sees: the sunken field with its button; focused, the chosen item highlighted;
// dropped down, a list below the field with the selection highlighted.
TEST_F(ComboBoxTest, PresentedClosedFocusedAndDroppedDown) {
    const HWND cb = combo(CBS_DROPDOWNLIST, {"one", "two", "three"});
    SendMessageA(cb, CB_SETCURSEL, 1, 0);
    pump();
    RECT r;
    GetClientRect(cb, &r);
    const int mid = r.bottom / 2;
    EXPECT_TRUE(is_shadow(pixel(cb, 0, 0)));                       // sunken edge
    EXPECT_EQ(pixel(cb, r.right - 5, mid), colour(COLOR_BTNFACE)); // the button's face
    EXPECT_EQ(pixel(cb, 30, mid - 5), colour(COLOR_WINDOW));       // unfocused field is paper
    EXPECT_EQ(pixel(cb, 4, 4), colour(COLOR_WINDOW));

    SetFocus(cb);
    pump();
    EXPECT_EQ(pixel(cb, 30, 4), colour(COLOR_HIGHLIGHT)); // focused: the selection highlighted

    key(VK_F4);
    const HWND list = dropped_list(cb);
    ASSERT_NE(list, nullptr);
    pump();
    RECT item{};
    SendMessageA(list, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(pixel(list, item.right - 3, item.top + 1), colour(COLOR_HIGHLIGHT));
    SendMessageA(list, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(pixel(list, item.right - 3, item.top + 1), colour(COLOR_WINDOW));
    EXPECT_EQ(pixel(cb, 30, 4), colour(COLOR_WINDOW)); // the field loses its highlight
}

// WS_VSCROLL and WS_HSCROLL of a combo box are its list's: the field keeps its whole width and
// shows no bar, for each kind that has a field.
TEST_F(ComboBoxTest, ScrollBarStylesLeaveTheFieldWithoutBars) {
    for (const DWORD kind : {CBS_DROPDOWN, CBS_DROPDOWNLIST}) {
        SCOPED_TRACE(kind);
        const HWND cb = combo(kind | WS_VSCROLL | WS_HSCROLL, {"one", "two"});
        RECT window, client;
        GetWindowRect(cb, &window);
        GetClientRect(cb, &client);
        EXPECT_EQ(client.right, window.right - window.left);
        EXPECT_EQ(client.bottom, window.bottom - window.top);
        EXPECT_EQ(GetWindowLongPtrA(cb, GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL), 0);
        EXPECT_EQ(pixel(cb, client.right - 5, client.bottom / 2), colour(COLOR_BTNFACE));
        DestroyWindow(cb);
    }
}

// The parent's colours: asked with WM_CTLCOLOREDIT (the edit and an enabled field),
// WM_CTLCOLORLISTBOX (the list), WM_CTLCOLORSTATIC (a disabled field), and used.
TEST_F(ComboBoxTest, ParentColoursAskedAndUsed) {
    const HBRUSH brush = CreateSolidBrush(RGB(0, 128, 0));
    frame_log().ctlBrush = brush;
    const HWND cb = combo(CBS_DROPDOWNLIST, {"one"});
    const auto asked = [](UINT m) {
        const auto& v = frame_log().ctlAsked;
        return std::find(v.begin(), v.end(), m) != v.end();
    };
    EXPECT_TRUE(asked(WM_CTLCOLOREDIT));
    EXPECT_EQ(pixel(cb, 5, 5), plat::pixel_from_colorref(RGB(0, 128, 0)));
    key(VK_F4);
    SendMessageA(cb, CB_SHOWDROPDOWN, TRUE, 0);
    pump();
    EXPECT_TRUE(asked(WM_CTLCOLORLISTBOX));
    SendMessageA(cb, CB_SHOWDROPDOWN, FALSE, 0);
    EnableWindow(cb, FALSE);
    pump();
    EXPECT_TRUE(asked(WM_CTLCOLORSTATIC));
    frame_log().ctlBrush = nullptr;
    DestroyWindow(cb);
    DeleteObject(brush);
}

// Bad input gets the platform's error answers and nothing breaks.
TEST_F(ComboBoxTest, BadInputGetsErrorAnswers) {
    const HWND cb = combo(CBS_DROPDOWN, {"one", "two"});
    char buf[8];
    const auto b = reinterpret_cast<LPARAM>(buf);
    struct Case {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        LRESULT want;
    };
    const Case cases[] = {
        {CB_GETLBTEXT, 2, b, CB_ERR},
        {CB_GETLBTEXT, static_cast<WPARAM>(-1), b, CB_ERR},
        {CB_GETLBTEXT, 0, 0, CB_ERR},
        {CB_GETLBTEXTLEN, 7, 0, CB_ERR},
        {CB_DELETESTRING, 2, 0, CB_ERR},
        {CB_SETCURSEL, 5, 0, CB_ERR},
        {CB_SETCURSEL, static_cast<WPARAM>(-1), 0, CB_ERR}, // clears, and says so
        {CB_GETITEMDATA, 9, 0, CB_ERR},
        {CB_SETITEMDATA, 9, 1, CB_ERR},
        {CB_INSERTSTRING, 9, reinterpret_cast<LPARAM>("x"), CB_ERR},
        {CB_ADDSTRING, 0, 0, CB_ERR},
        {CB_FINDSTRING, static_cast<WPARAM>(-1), 0, CB_ERR},
        {CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("zz"), CB_ERR},
        {CB_GETDROPPEDCONTROLRECT, 0, 0, CB_ERR},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SendMessageA(cb, c.message, c.wParam, c.lParam), c.want)
            << std::hex << c.message << " " << std::dec << static_cast<long>(c.wParam);
    EXPECT_EQ(SendMessageA(cb, CB_GETCURSEL, 0, 0), CB_ERR);
    EXPECT_EQ(SendMessageA(cb, WM_GETTEXT, 0, 0), 0); // no buffer, nothing copied
    EXPECT_EQ(SendMessageA(cb, CB_SETITEMDATA, 1, 42), CB_OKAY);
    EXPECT_EQ(SendMessageA(cb, CB_GETITEMDATA, 1, 0), 42);

    // A 100,000-character item: kept whole, shown in the edit, copied truncated by WM_GETTEXT.
    const std::string huge(100000, 'w');
    EXPECT_EQ(SendMessageA(cb, CB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(huge.c_str())), 0);
    EXPECT_EQ(SendMessageA(cb, CB_GETLBTEXTLEN, 0, 0), 100000);
    std::string back(100001, '\0');
    EXPECT_EQ(SendMessageA(cb, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(back.data())), 100000);
    EXPECT_EQ(back.c_str(), huge);
    EXPECT_EQ(SendMessageA(cb, CB_SETCURSEL, 0, 0), 0);
    pump();
    EXPECT_EQ(GetWindowTextLengthA(cb), 100000);
    EXPECT_EQ(SendMessageA(cb, WM_GETTEXT, sizeof buf, b), 7);
    EXPECT_STREQ(buf, "wwwwwww");
    SendMessageA(cb, CB_SHOWDROPDOWN, TRUE, 0);
    pump();
    EXPECT_EQ(SendMessageA(cb, CB_RESETCONTENT, 0, 0), CB_OKAY);
    EXPECT_EQ(SendMessageA(cb, CB_GETCOUNT, 0, 0), 0);
    // Destroyed while dropped: the list and the capture go with it.
    DestroyWindow(cb);
    pump();
    EXPECT_EQ(GetCapture(), nullptr);
}

} // namespace
} // namespace ctltest
