// "msctls_updown32": UDN_DELTAPOS and the scroll messages of clicks and arrow keys, refusals,
// the buddy's text, alignment beside the buddy, ranges either way, bad values, pixels.
#include <array>
#include <string>

#include "dialog_parent.h"

namespace ctltest {
namespace {

using testmsg::Message;
using testmsg::parent;
using testmsg::posted;
using testmsg::sent;
using testmsg::wparam;

constexpr RECT BuddyPlace{10, 10, 110, 34};
constexpr RECT Place{120, 10, 136, 50}; // 16 x 40: up arrow above y 20, down arrow below

class UpdownTest : public DialogControlsTest {
protected:
    HWND buddy(const char* text = "0") { return make("STATIC", SS_LEFT, BuddyPlace, 40, text); }
    HWND updown(DWORD style, HWND b = nullptr, RECT r = Place) {
        const HWND u = make(UPDOWN_CLASSA, style, r);
        if (b) SendMessageA(u, UDM_SETBUDDY, reinterpret_cast<WPARAM>(b), 0);
        pump();
        parent_log().heard.clear();
        return u;
    }
    LRESULT pos32(HWND u) { return SendMessageA(u, UDM_GETPOS32, 0, 0); }
    std::string text(HWND h) {
        char buf[64] = "";
        GetWindowTextA(h, buf, sizeof buf);
        return buf;
    }
    static Heard delta(int pos, int d) { return Heard{WM_NOTIFY, Id, UDN_DELTAPOS, pos, d}; }
};

// A click on each arrow: UDN_DELTAPOS with the current position and the proposed change
// (positive for up), the move, WM_VSCROLL with SB_THUMBPOSITION and the new position, and
// SB_ENDSCROLL at the release. The range runs either way; the up arrow goes towards the upper
// limit.
TEST_F(UpdownTest, ClicksNotifyAndStepTowardsTheUpperLimit) {
    struct Row {
        int lower, upper;
        int y; // 5: the up arrow, 35: the down arrow
        int before, after, delta;
    };
    constexpr std::array<Row, 4> rows{{
        {0, 10, 5, 5, 6, 1},
        {0, 10, 35, 5, 4, -1},
        {100, 0, 5, 50, 49, 1}, // the default way round: up lowers the number
        {100, 0, 35, 50, 51, -1},
    }};
    for (const Row& row : rows) {
        const HWND b = buddy();
        const HWND u = updown(UDS_SETBUDDYINT, b);
        SendMessageA(u, UDM_SETRANGE32, static_cast<WPARAM>(row.lower), row.upper);
        SendMessageA(u, UDM_SETPOS32, 0, row.before);
        parent_log().heard.clear();
        click(u, 8, row.y);
        EXPECT_EQ(pos32(u), row.after);
        EXPECT_EQ(text(b), std::to_string(row.after));
        EXPECT_EQ(
            parent_log().heard,
            (std::vector<Heard>{delta(row.before, row.delta),
                                scroll(WM_VSCROLL, SB_THUMBPOSITION, static_cast<WORD>(row.after)),
                                scroll(WM_VSCROLL, SB_ENDSCROLL, static_cast<WORD>(row.after))}))
            << row.lower << ".." << row.upper << " y " << row.y;
        DestroyWindow(u);
        DestroyWindow(b);
    }
}

// The click as the window system delivers it: the notification and the scroll message go out
// while the button is down, the end of the scroll after the capture went.
const std::vector<Message> ClickUpSeq{
    {WM_LBUTTONDOWN, posted},
    {WM_NOTIFY, sent | parent}, // UDN_DELTAPOS
    {WM_VSCROLL, sent | parent | wparam, MAKEWPARAM(SB_THUMBPOSITION, 1)},
    {WM_LBUTTONUP, posted},
    {WM_CAPTURECHANGED, sent},
    {WM_VSCROLL, sent | parent | wparam, MAKEWPARAM(SB_ENDSCROLL, 1)},
};

TEST_F(UpdownTest, ClickSequence) {
    const HWND u = updown(0);
    SendMessageA(u, UDM_SETRANGE, 0, MAKELPARAM(10, 0)); // upper 10, lower 0
    testmsg::Recorder r;
    r.watch(u, parent());
    ignore_noise(r);
    click(u, 8, 5);
    CHECK_SEQUENCE(r, ClickUpSeq);
    // UDS_HORZ: WM_HSCROLL, the right half is "up".
    const HWND h = updown(UDS_HORZ, nullptr, RECT{150, 10, 190, 26});
    SendMessageA(h, UDM_SETRANGE32, 0, 10);
    click(h, 30, 8);
    click(h, 30, 8);
    click(h, 5, 8);
    EXPECT_EQ(pos32(h), 1);
    EXPECT_EQ(parent_log().heard.back(), scroll(WM_HSCROLL, SB_ENDSCROLL, 1));
}

// A nonzero answer to UDN_DELTAPOS keeps the position; a changed iDelta is the one used.
TEST_F(UpdownTest, DeltaPosRefusedOrChanged) {
    const HWND b = buddy();
    const HWND u = updown(UDS_SETBUDDYINT, b);
    SendMessageA(u, UDM_SETRANGE32, 0, 100);
    parent_log().refuse = UDN_DELTAPOS;
    click(u, 8, 5);
    EXPECT_EQ(pos32(u), 0);
    EXPECT_EQ(text(b), "0");
    EXPECT_EQ(parent_log().heard,
              (std::vector<Heard>{delta(0, 1), scroll(WM_VSCROLL, SB_ENDSCROLL, 0)}));
    parent_log() = ParentLog{};
    parent_log().newDelta = 7;
    click(u, 8, 5);
    EXPECT_EQ(pos32(u), 7);
    EXPECT_EQ(text(b), "7");
}

// UDS_ARROWKEYS: Up and Down step it from the buddy as from the control itself; each release
// ends the scroll. Without the style the keys do nothing.
TEST_F(UpdownTest, ArrowKeysInTheBuddy) {
    const HWND b = buddy();
    const HWND u = updown(UDS_ARROWKEYS | UDS_SETBUDDYINT, b);
    SendMessageA(u, UDM_SETRANGE32, 0, 100);
    SetFocus(b);
    pump();
    parent_log().heard.clear();
    key(VK_UP);
    key(VK_UP);
    key(VK_DOWN);
    EXPECT_EQ(pos32(u), 1);
    EXPECT_EQ(text(b), "1");
    EXPECT_EQ(parent_log().heard,
              (std::vector<Heard>{delta(0, 1), scroll(WM_VSCROLL, SB_THUMBPOSITION, 1),
                                  scroll(WM_VSCROLL, SB_ENDSCROLL, 1), delta(1, 1),
                                  scroll(WM_VSCROLL, SB_THUMBPOSITION, 2),
                                  scroll(WM_VSCROLL, SB_ENDSCROLL, 2), delta(2, -1),
                                  scroll(WM_VSCROLL, SB_THUMBPOSITION, 1),
                                  scroll(WM_VSCROLL, SB_ENDSCROLL, 1)}));
    // The buddy's text typed in is where the next step starts.
    SetWindowTextA(b, "40");
    key(VK_UP);
    EXPECT_EQ(pos32(u), 41);
    // Another buddy: the old one is let go.
    const HWND other = make("STATIC", SS_LEFT, RECT{10, 60, 110, 80}, 41, "0");
    EXPECT_EQ(SendMessageA(u, UDM_SETBUDDY, reinterpret_cast<WPARAM>(other), 0),
              reinterpret_cast<LRESULT>(b));
    EXPECT_EQ(SendMessageA(u, UDM_GETBUDDY, 0, 0), reinterpret_cast<LRESULT>(other));
    parent_log().heard.clear();
    SetFocus(b);
    key(VK_UP);
    EXPECT_TRUE(parent_log().heard.empty());
    // The control destroyed before its buddy: the buddy's keys are its own again.
    DestroyWindow(u);
    SetFocus(other);
    key(VK_UP);
    EXPECT_TRUE(parent_log().heard.empty());
}

// Held down, the arrow repeats, by the accelerators' increments as time passes.
TEST_F(UpdownTest, HeldArrowRepeatsWithAcceleration) {
    const HWND u = updown(0);
    SendMessageA(u, UDM_SETRANGE32, 0, 1000);
    const std::array<UDACCEL, 2> accel{{{0, 1}, {1, 10}}};
    EXPECT_TRUE(SendMessageA(u, UDM_SETACCEL, 2, reinterpret_cast<LPARAM>(accel.data())));
    std::array<UDACCEL, 4> back{};
    EXPECT_EQ(SendMessageA(u, UDM_GETACCEL, 4, reinterpret_cast<LPARAM>(back.data())), 2);
    EXPECT_EQ(back[1].nInc, 10u);
    press(u, 8, 5);
    EXPECT_EQ(pos32(u), 1);
    wait(500);
    EXPECT_EQ(pos32(u), 2);
    wait(600);
    EXPECT_EQ(pos32(u), 12);
    release(u, 8, 5);
    wait(1000);
    EXPECT_EQ(pos32(u), 12);
}

// UDS_ALIGNRIGHT: the control moves to the buddy's right edge, as tall as it, and the buddy
// narrows by the control's width. UDS_AUTOBUDDY takes the sibling made before it.
TEST_F(UpdownTest, AlignsBesideTheBuddyAndAutoBuddy) {
    const HWND b = buddy();
    const HWND u = updown(UDS_ALIGNRIGHT | UDS_AUTOBUDDY);
    EXPECT_EQ(SendMessageA(u, UDM_GETBUDDY, 0, 0), reinterpret_cast<LRESULT>(b));
    RECT br, ur;
    GetWindowRect(b, &br);
    GetWindowRect(u, &ur);
    EXPECT_EQ(br.right - br.left, 100 - 16);
    EXPECT_EQ(ur.left, br.right);
    EXPECT_EQ(ur.right - ur.left, 16);
    EXPECT_EQ(ur.top, br.top);
    EXPECT_EQ(ur.bottom, br.bottom);
}

// The buddy's text: thousands separated unless UDS_NOTHOUSANDS, hexadecimal in base 16; read
// back by GETPOS with an error flag when it names no position in the range.
TEST_F(UpdownTest, BuddyTextBothWays) {
    const HWND b = buddy();
    const HWND u = updown(UDS_SETBUDDYINT, b);
    SendMessageA(u, UDM_SETRANGE32, static_cast<WPARAM>(-100000), 100000);
    struct Row {
        DWORD extra;
        int base;
        int pos;
        const char* shown;
    };
    constexpr std::array<Row, 4> shown{{
        {0, 10, 12345, "12,345"},
        {0, 10, -1234, "-1,234"},
        {UDS_NOTHOUSANDS, 10, 12345, "12345"},
        {0, 16, 255, "0xFF"},
    }};
    for (const Row& row : shown) {
        SetWindowLongPtrA(u, GWL_STYLE, WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | row.extra);
        SendMessageA(u, UDM_SETBASE, static_cast<WPARAM>(row.base), 0);
        SendMessageA(u, UDM_SETPOS32, 0, row.pos);
        EXPECT_EQ(text(b), row.shown);
    }
    SendMessageA(u, UDM_SETBASE, 10, 0);
    struct Read {
        const char* text;
        LRESULT pos;
        bool error;
    };
    constexpr std::array<Read, 4> read{{
        {"1,234", 1234, false},
        {"-7", -7, false},
        {"abc", -7, true},    // not a number: the last position, and the error
        {"999999", -7, true}, // beyond the range
    }};
    for (const Read& row : read) {
        SetWindowTextA(b, row.text);
        BOOL error = FALSE;
        EXPECT_EQ(SendMessageA(u, UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&error)), row.pos)
            << row.text;
        EXPECT_EQ(error != FALSE, row.error) << row.text;
        EXPECT_EQ(HIWORD(SendMessageA(u, UDM_GETPOS, 0, 0)) != 0, row.error) << row.text;
    }
}

// Ranges and positions: the default range, out-of-range positions pulled to the nearest end,
// NULL pointers where the messages allow them, accelerators and bases refused.
TEST_F(UpdownTest, RangesPositionsAndBadValues) {
    const HWND u = updown(0);
    EXPECT_EQ(SendMessageA(u, UDM_GETRANGE, 0, 0), MAKELONG(0, 100)); // upper 0, lower 100
    SendMessageA(u, UDM_SETRANGE, 0, MAKELPARAM(50, static_cast<WORD>(-50)));
    int low = 0, high = 0;
    SendMessageA(u, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low),
                 reinterpret_cast<LPARAM>(&high));
    EXPECT_EQ(low, -50);
    EXPECT_EQ(high, 50);
    SendMessageA(u, UDM_GETRANGE32, 0, 0);
    struct Row {
        UINT message;
        LPARAM value;
        LRESULT previous, after;
    };
    const std::array<Row, 4> rows{{
        {UDM_SETPOS32, 20, 0, 20},
        {UDM_SETPOS32, 999, 20, 50},
        {UDM_SETPOS, MAKELPARAM(static_cast<WORD>(-999), 0), 50, -50},
        {UDM_SETPOS, 7, -50, 7},
    }};
    for (const Row& row : rows) {
        EXPECT_EQ(SendMessageA(u, row.message, 0, row.value), row.previous);
        EXPECT_EQ(pos32(u), row.after);
    }
    EXPECT_EQ(SendMessageA(u, UDM_GETPOS, 0, 0), 7); // no buddy: no error
    EXPECT_FALSE(SendMessageA(u, UDM_SETACCEL, 0, 0));
    EXPECT_FALSE(SendMessageA(u, UDM_SETACCEL, 3, 0));
    EXPECT_EQ(SendMessageA(u, UDM_GETACCEL, 0, 0), 3); // the three default accelerators
    EXPECT_EQ(SendMessageA(u, UDM_SETBASE, 7, 0), 0);
    EXPECT_EQ(SendMessageA(u, UDM_GETBASE, 0, 0), 10);
    EXPECT_EQ(SendMessageA(u, UDM_SETBUDDY, 0, 0), 0);
    EXPECT_EQ(SendMessageA(u, UDM_SETBUDDY, 0x12345, 0), 0); // not a window
    EXPECT_EQ(SendMessageA(u, UDM_GETBUDDY, 0, 0), 0);
    EXPECT_EQ(SendMessageA(u, WM_GETDLGCODE, 0, 0), 0);
    // At the end of the range without UDS_WRAP: asked, but no move and no new position.
    SendMessageA(u, UDM_SETPOS32, 0, 50);
    parent_log().heard.clear();
    click(u, 8, 5);
    EXPECT_EQ(pos32(u), 50);
    EXPECT_EQ(parent_log().heard,
              (std::vector<Heard>{delta(50, 1), scroll(WM_VSCROLL, SB_ENDSCROLL, 50)}));
    // With UDS_WRAP it goes round.
    SetWindowLongPtrA(u, GWL_STYLE, WS_CHILD | WS_VISIBLE | UDS_WRAP);
    click(u, 8, 5);
    EXPECT_EQ(pos32(u), -50);
}

// The pressed arrow sinks; a disabled control greys its arrows.
TEST_F(UpdownTest, PressedAndDisabledPixels) {
    const HWND u = updown(0);
    SendMessageA(u, UDM_SETRANGE32, 0, 10);
    EXPECT_EQ(pixel(u, 0, 0), colour(COLOR_3DLIGHT));
    EXPECT_EQ(pixel(u, 0, 20), colour(COLOR_3DLIGHT));
    EXPECT_EQ(pixel(u, 8, 9), colour(COLOR_BTNTEXT)); // the up arrow's point
    press(u, 8, 5);
    EXPECT_EQ(pixel(u, 0, 0), colour(COLOR_BTNSHADOW));
    EXPECT_EQ(pixel(u, 0, 20), colour(COLOR_3DLIGHT));
    release(u, 8, 5);
    EXPECT_EQ(pixel(u, 0, 0), colour(COLOR_3DLIGHT));
    EnableWindow(u, FALSE);
    pump();
    EXPECT_EQ(pixel(u, 8, 9), colour(COLOR_GRAYTEXT));
    int dark = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 2; x < 14; ++x)
            dark += pixel(u, x, y) == colour(COLOR_BTNTEXT);
    EXPECT_EQ(dark, 0);
}

// A parent that destroys the control in UDN_DELTAPOS: no step, no crash, no capture left.
TEST_F(UpdownTest, DestroyedInTheNotification) {
    const HWND b = buddy();
    const HWND u = updown(UDS_SETBUDDYINT | UDS_ARROWKEYS, b);
    parent_log().destroySender = true;
    press(u, 8, 5);
    EXPECT_FALSE(IsWindow(u));
    release(u, 8, 5);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(text(b), "0");
    SetFocus(b);
    key(VK_UP);
}

} // namespace
} // namespace ctltest
