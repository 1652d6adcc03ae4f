// "BUTTON": what the parent hears on clicks and Space, the check states of each kind, the dialog
// codes, and the pixels of the states a user sees.
#include <array>

#include "controls_fixture.h"
#include "platform/window/message_recorder.h"

namespace ctltest {
namespace {

using testmsg::Message;
using testmsg::optional;
using testmsg::parent;
using testmsg::posted;
using testmsg::sent;
using testmsg::wparam;

constexpr int Id = 10;
constexpr RECT Place{10, 10, 110, 34};

class ButtonTest : public ControlsTest {
protected:
    HWND button(DWORD style, const char* text = "&Knopf", RECT r = Place, int id = Id) {
        if (!parentFrame) parentFrame = frame();
        return control(parentFrame, "BUTTON", text, style, r, id);
    }
    void click(HWND b, int x = 5, int y = 5) {
        const POINT p = screen_point(b, x, y);
        plat::inject_mouse_move(p);
        plat::inject_mouse(p, 0, true);
        plat::inject_mouse(p, 0, false);
        pump();
    }
    void key(int vk, char ch) {
        plat::inject_key(vk, ch, true);
        plat::inject_key(vk, ch, false);
        pump();
    }
    // What the frame heard: the notification codes from the button with Id.
    std::vector<WORD> codes() const {
        std::vector<WORD> out;
        for (WPARAM w : frame_log().commands)
            if (LOWORD(w) == Id) out.push_back(HIWORD(w));
        return out;
    }
    void watch(testmsg::Recorder& r, HWND b) {
        r.watch(b, parentFrame);
        for (UINT m : {WM_NCHITTEST, WM_SETCURSOR, WM_MOUSEACTIVATE, WM_MOUSEMOVE, WM_PAINT,
                       WM_ERASEBKGND, WM_NCPAINT, WM_CTLCOLORBTN, WM_CTLCOLORSTATIC, WM_GETTEXT,
                       WM_GETTEXTLENGTH, WM_GETDLGCODE, WM_PARENTNOTIFY})
            r.ignore(m);
        r.clear();
    }
    HWND parentFrame = nullptr;
};

// A click on an auto check box with BS_NOTIFY while the frame has the focus: the focus moves
// first (BN_SETFOCUS), the press shows, and the release checks the box before the capture goes
// and the parent hears BN_CLICKED.
const std::vector<Message> ClickAutoCheckSeq{
    {WM_LBUTTONDOWN, posted},
    {WM_KILLFOCUS, sent | parent},
    {WM_SETFOCUS, sent},
    {WM_COMMAND, sent | parent | wparam, MAKEWPARAM(Id, BN_SETFOCUS)},
    {BM_SETSTATE, sent | wparam, TRUE},
    {WM_LBUTTONUP, posted},
    {BM_SETSTATE, sent | wparam, FALSE},
    {BM_SETCHECK, sent | wparam, BST_CHECKED},
    {WM_CAPTURECHANGED, sent},
    {WM_COMMAND, sent | parent | wparam, MAKEWPARAM(Id, BN_CLICKED)},
};

// Space on a focused push button: pressed on the key's press, clicked on its release; the
// character it types does nothing.
const std::vector<Message> SpaceOnPushSeq{
    {WM_KEYDOWN, posted | wparam, VK_SPACE},
    {BM_SETSTATE, sent | wparam, TRUE},
    {WM_CHAR, posted | wparam, ' '},
    {WM_KEYUP, posted | wparam, VK_SPACE},
    {BM_SETSTATE, sent | wparam, FALSE},
    {WM_CAPTURECHANGED, sent},
    {WM_COMMAND, sent | parent | wparam, MAKEWPARAM(Id, BN_CLICKED)},
};

// Focus leaving a BS_NOTIFY button.
const std::vector<Message> KillFocusSeq{
    {WM_KILLFOCUS, sent},
    {WM_COMMAND, sent | parent | wparam, MAKEWPARAM(Id, BN_KILLFOCUS)},
    {WM_SETFOCUS, sent | parent},
};

TEST_F(ButtonTest, ClickOnAutoCheckBoxNotifiesInThePlatformsOrder) {
    const HWND b = button(BS_AUTOCHECKBOX | BS_NOTIFY);
    testmsg::Recorder r;
    watch(r, b);
    click(b);
    CHECK_SEQUENCE(r, ClickAutoCheckSeq);
    EXPECT_EQ(SendMessageA(b, BM_GETCHECK, 0, 0), BST_CHECKED);
    r.clear();
    SetFocus(parentFrame);
    CHECK_SEQUENCE(r, KillFocusSeq);
}

TEST_F(ButtonTest, SpacePressesAndReleaseClicks) {
    const HWND b = button(BS_PUSHBUTTON);
    SetFocus(b);
    pump();
    testmsg::Recorder r;
    watch(r, b);
    r.ignore(BM_GETSTATE);
    plat::inject_key(VK_SPACE, ' ', true);
    pump();
    EXPECT_EQ(SendMessageA(b, BM_GETSTATE, 0, 0), BST_PUSHED | BST_FOCUS);
    plat::inject_key(VK_SPACE, ' ', false);
    pump();
    CHECK_SEQUENCE(r, SpaceOnPushSeq);
    EXPECT_EQ(SendMessageA(b, BM_GETSTATE, 0, 0), BST_FOCUS);
}

// Without BS_NOTIFY the focus changes are silent; BN_CLICKED comes regardless.
TEST_F(ButtonTest, FocusNotificationsOnlyWithNotifyStyle) {
    const HWND plain = button(BS_PUSHBUTTON);
    click(plain);
    SetFocus(parentFrame);
    EXPECT_EQ(codes(), (std::vector<WORD>{BN_CLICKED}));
}

// Each kind clicked three times by mouse: the check state after each click, and a BN_CLICKED
// for each.
TEST_F(ButtonTest, ClicksStepTheCheckStateOfEachKind) {
    struct Row {
        DWORD type;
        std::array<LRESULT, 3> after;
    };
    constexpr std::array<Row, 7> rows{{
        {BS_PUSHBUTTON, {0, 0, 0}},
        {BS_CHECKBOX, {0, 0, 0}},
        {BS_AUTOCHECKBOX, {1, 0, 1}},
        {BS_3STATE, {0, 0, 0}},
        {BS_AUTO3STATE, {1, 2, 0}},
        {BS_RADIOBUTTON, {0, 0, 0}},
        {BS_AUTORADIOBUTTON, {1, 1, 1}},
    }};
    for (const Row& row : rows) {
        const HWND b = button(row.type);
        frame_log().commands.clear();
        for (std::size_t i = 0; i < row.after.size(); ++i) {
            click(b);
            plat::advance_clock(1000); // no double clicks
            EXPECT_EQ(SendMessageA(b, BM_GETCHECK, 0, 0), row.after[i])
                << "type " << row.type << " click " << i;
        }
        EXPECT_EQ(codes(), (std::vector<WORD>{BN_CLICKED, BN_CLICKED, BN_CLICKED}))
            << "type " << row.type;
        DestroyWindow(b);
    }
}

TEST_F(ButtonTest, DialogCodesPerKind) {
    struct Row {
        DWORD type;
        LRESULT code;
    };
    constexpr std::array<Row, 9> rows{{
        {BS_PUSHBUTTON, DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON},
        {BS_DEFPUSHBUTTON, DLGC_BUTTON | DLGC_DEFPUSHBUTTON},
        {BS_CHECKBOX, DLGC_BUTTON},
        {BS_AUTOCHECKBOX, DLGC_BUTTON},
        {BS_AUTO3STATE, DLGC_BUTTON},
        {BS_RADIOBUTTON, DLGC_BUTTON | DLGC_RADIOBUTTON},
        {BS_AUTORADIOBUTTON, DLGC_BUTTON | DLGC_RADIOBUTTON},
        {BS_GROUPBOX, DLGC_STATIC},
        {BS_OWNERDRAW, DLGC_BUTTON},
    }};
    for (const Row& row : rows) {
        const HWND b = button(row.type);
        EXPECT_EQ(SendMessageA(b, WM_GETDLGCODE, 0, 0), row.code) << row.type;
        DestroyWindow(b);
    }
    // BM_SETSTYLE turns a push button into the default one.
    const HWND b = button(BS_PUSHBUTTON);
    SendMessageA(b, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    EXPECT_EQ(SendMessageA(b, WM_GETDLGCODE, 0, 0), DLGC_BUTTON | DLGC_DEFPUSHBUTTON);
}

// Checking an automatic radio button unchecks the others of its group, and only those; the
// checked one becomes the group's tab stop.
TEST_F(ButtonTest, AutoRadioUnchecksItsGroupOnly) {
    std::array<HWND, 5> r{};
    for (int i = 0; i < 5; ++i)
        r[static_cast<std::size_t>(i)] =
            button(BS_AUTORADIOBUTTON | (i == 0 || i == 3 ? WS_GROUP : 0), "R",
                   RECT{10, 10 + 20 * i, 110, 28 + 20 * i}, 20 + i);
    // The group runs in tab order: put the siblings in creation order whatever the layer's
    // order of creation is.
    for (HWND h : r)
        SetWindowPos(h, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SendMessageA(r[0], BM_SETCHECK, BST_CHECKED, 0);
    SendMessageA(r[3], BM_SETCHECK, BST_CHECKED, 0);
    click(r[2]);
    const std::array<LRESULT, 5> expected{0, 0, 1, 1, 0};
    for (std::size_t i = 0; i < r.size(); ++i) {
        EXPECT_EQ(SendMessageA(r[i], BM_GETCHECK, 0, 0), expected[i]) << i;
        EXPECT_EQ((GetWindowLongPtrA(r[i], GWL_STYLE) & WS_TABSTOP) != 0, expected[i] == 1) << i;
    }
}

TEST_F(ButtonTest, DoubleClickOnRadioSendsDblclk) {
    const HWND b = button(BS_RADIOBUTTON);
    const POINT p = screen_point(b, 5, 5);
    for (int i = 0; i < 2; ++i) {
        plat::inject_mouse(p, 0, true);
        plat::inject_mouse(p, 0, false);
    }
    pump();
    EXPECT_EQ(codes(), (std::vector<WORD>{BN_CLICKED, BN_DBLCLK}));
}

TEST_F(ButtonTest, ReleaseOutsideDoesNotClick) {
    const HWND b = button(BS_AUTOCHECKBOX);
    plat::inject_mouse(screen_point(b, 5, 5), 0, true);
    pump();
    EXPECT_EQ(SendMessageA(b, BM_GETSTATE, 0, 0) & BST_PUSHED, BST_PUSHED);
    const POINT away = screen_point(b, 300, 5);
    plat::inject_mouse_move(away);
    pump();
    EXPECT_EQ(SendMessageA(b, BM_GETSTATE, 0, 0) & BST_PUSHED, 0);
    plat::inject_mouse(away, 0, false);
    pump();
    EXPECT_EQ(SendMessageA(b, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_TRUE(codes().empty());
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ButtonTest, BmClickClicksEnabledButtonsOnly) {
    const HWND b = button(BS_AUTOCHECKBOX);
    SendMessageA(b, BM_CLICK, 0, 0);
    EXPECT_EQ(SendMessageA(b, BM_GETCHECK, 0, 0), BST_CHECKED);
    EnableWindow(b, FALSE);
    SendMessageA(b, BM_CLICK, 0, 0);
    EXPECT_EQ(SendMessageA(b, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(codes(), (std::vector<WORD>{BN_CLICKED}));
}

// Bad values: BM_SETCHECK with values beyond the states, images of unknown types, a parent
// that destroys the button in BN_CLICKED.
TEST_F(ButtonTest, OddValuesAndDestructionInTheNotification) {
    const HWND b = button(BS_AUTOCHECKBOX);
    SendMessageA(b, BM_SETCHECK, 77, 0);
    EXPECT_EQ(SendMessageA(b, BM_GETCHECK, 0, 0), BST_CHECKED);
    SendMessageA(b, BM_SETCHECK, BST_INDETERMINATE, 0); // two-state: checked
    EXPECT_EQ(SendMessageA(b, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageA(b, BM_SETIMAGE, 9, 1234), 0);
    EXPECT_EQ(SendMessageA(b, BM_GETIMAGE, 9, 0), 0);
    const HWND push = button(BS_PUSHBUTTON, "P", RECT{10, 50, 110, 74});
    SendMessageA(push, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(SendMessageA(push, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    frame_log().destroyOnCommand = true;
    click(b);
    EXPECT_FALSE(IsWindow(b));
    SetFocus(push);
    EXPECT_EQ(GetFocus(), push);
    key(VK_SPACE, ' ');
    EXPECT_FALSE(IsWindow(push));
}

TEST_F(ButtonTest, ImagesAreKeptPerType) {
    const HWND b = button(BS_PUSHBUTTON | BS_BITMAP);
    HBITMAP bm = CreateBitmap(8, 8, 1, 32, nullptr);
    EXPECT_EQ(SendMessageA(b, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bm)), 0);
    EXPECT_EQ(SendMessageA(b, BM_GETIMAGE, IMAGE_BITMAP, 0), reinterpret_cast<LRESULT>(bm));
    EXPECT_EQ(SendMessageA(b, BM_GETIMAGE, IMAGE_ICON, 0), 0);
    EXPECT_EQ(SendMessageA(b, BM_SETIMAGE, IMAGE_BITMAP, 0), reinterpret_cast<LRESULT>(bm));
    DestroyWindow(b);
    DeleteObject(bm);
}

// ---- pixels

TEST_F(ButtonTest, PushButtonRaisedPressedDefaultAndFocused) {
    const HWND b = button(BS_PUSHBUTTON, "");
    const int w = 100, h = 24;
    EXPECT_EQ(pixel(b, 0, 0), colour(COLOR_3DLIGHT));
    EXPECT_EQ(pixel(b, 1, 1), colour(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(pixel(b, w - 1, h - 1), colour(COLOR_3DDKSHADOW));
    EXPECT_EQ(pixel(b, w / 2, h / 2), colour(COLOR_BTNFACE));
    EXPECT_EQ(pixel(b, 3, 3), colour(COLOR_BTNFACE)); // no focus frame yet

    SendMessageA(b, BM_SETSTATE, TRUE, 0);
    pump();
    EXPECT_EQ(pixel(b, 0, 0), colour(COLOR_BTNSHADOW));
    EXPECT_EQ(pixel(b, w - 1, h - 1), colour(COLOR_BTNSHADOW));
    EXPECT_EQ(pixel(b, 1, 1), colour(COLOR_BTNFACE));

    SendMessageA(b, BM_SETSTATE, FALSE, 0);
    SetFocus(b);
    pump();
    EXPECT_NE(pixel(b, 3, 3), colour(COLOR_BTNFACE));  // the dotted focus frame
    EXPECT_EQ(pixel(b, 3, h / 2 + 1), pixel(b, 3, 3)); // dots every other pixel
    EXPECT_EQ(pixel(b, 4, 4), colour(COLOR_BTNFACE));

    SendMessageA(b, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    pump();
    EXPECT_EQ(pixel(b, 0, 0), colour(COLOR_WINDOWFRAME));
    EXPECT_EQ(pixel(b, w - 1, 0), colour(COLOR_WINDOWFRAME));
    EXPECT_EQ(pixel(b, 1, 1), colour(COLOR_3DLIGHT));
}

// The box's paper, the check mark, the indeterminate grey, on every depth the screen reports.
TEST_F(ButtonTest, CheckBoxStatesOnEveryDepth) {
    for (int bits : {1, 4, 8, 24}) {
        screen = &plat::use_headless_backend({1024, 768}, bits);
        parentFrame = nullptr;
        const HWND b = button(BS_3STATE, "");
        const int top = (24 - 13) / 2;
        const POINT mark{5, top + 8}; // inside the check mark's stroke
        EXPECT_EQ(pixel(b, mark.x, mark.y), colour(COLOR_WINDOW)) << bits;
        EXPECT_EQ(pixel(b, 0, top), colour(COLOR_BTNSHADOW)) << bits;
        SendMessageA(b, BM_SETCHECK, BST_CHECKED, 0);
        pump();
        EXPECT_EQ(pixel(b, mark.x, mark.y), colour(COLOR_WINDOWTEXT)) << bits;
        SendMessageA(b, BM_SETCHECK, BST_INDETERMINATE, 0);
        pump();
        EXPECT_EQ(pixel(b, mark.x, mark.y), colour(COLOR_BTNSHADOW)) << bits;
        EXPECT_EQ(pixel(b, 10, top + 2), colour(COLOR_BTNFACE)) << bits;
        DestroyWindow(parentFrame);
    }
}

TEST_F(ButtonTest, RadioDotWhenChecked) {
    const HWND b = button(BS_RADIOBUTTON, "");
    const int cy = (24 - 13) / 2 + 6;
    EXPECT_EQ(pixel(b, 6, cy), colour(COLOR_WINDOW));
    SendMessageA(b, BM_SETCHECK, BST_CHECKED, 0);
    pump();
    EXPECT_EQ(pixel(b, 6, cy), colour(COLOR_WINDOWTEXT));
    EXPECT_EQ(pixel(b, 6, cy - 6), colour(COLOR_BTNSHADOW));
}

// Text pixels: the parent's colour when it answers WM_CTLCOLORSTATIC, grey when disabled.
TEST_F(ButtonTest, ParentColoursAndDisabledText) {
    const auto count = [&](HWND b, plat::Pixel p) {
        int n = 0;
        for (int y = 0; y < 24; ++y)
            for (int x = 17; x < 100; ++x)
                n += pixel(b, x, y) == p;
        return n;
    };
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    frame_log().ctlBrush = red;
    frame_log().ctlText = RGB(0, 0, 255);
    const HWND b = button(BS_AUTOCHECKBOX, "MMMM");
    EXPECT_FALSE(frame_log().ctlAsked.empty());
    EXPECT_EQ(frame_log().ctlAsked.back(), WM_CTLCOLORSTATIC);
    EXPECT_EQ(pixel(b, 99, 0), plat::pixel_from_colorref(RGB(255, 0, 0)));
    EXPECT_GT(count(b, plat::pixel_from_colorref(RGB(0, 0, 255))), 10);
    frame_log().ctlBrush = nullptr;
    EnableWindow(b, FALSE);
    pump();
    EXPECT_EQ(pixel(b, 99, 0), colour(COLOR_BTNFACE));
    EXPECT_GT(count(b, colour(COLOR_GRAYTEXT)), 10);
    EXPECT_EQ(count(b, colour(COLOR_WINDOWTEXT)), 0);
    DestroyWindow(b);
    DeleteObject(red);
}

TEST_F(ButtonTest, OwnerDrawnAsksTheParent) {
    const HWND b = button(BS_OWNERDRAW);
    EXPECT_EQ(frame_log().ctlAsked.back(), WM_CTLCOLORBTN);
    testmsg::Recorder r;
    r.watch(parentFrame);
    SendMessageA(b, BM_SETSTATE, TRUE, 0);
    InvalidateRect(b, nullptr, TRUE);
    pump();
    std::vector<UINT> drawn;
    for (const testmsg::Received& m : r.log())
        if (m.hwnd == parentFrame && m.message == WM_DRAWITEM) drawn.push_back(m.wParam);
    EXPECT_EQ(drawn, (std::vector<UINT>{Id, Id})); // the state change and the repaint
}

} // namespace
} // namespace ctltest
