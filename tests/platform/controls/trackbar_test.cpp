// "msctls_trackbar32": the scroll codes of keys, page clicks and a thumb drag, the selection
// range, the answers to bad values, and what the user sees.
#include <array>

#include "dialog_parent.h"

namespace ctltest {
namespace {

using testmsg::Message;
using testmsg::parent;
using testmsg::posted;
using testmsg::sent;
using testmsg::wparam;

constexpr RECT Place{10, 10, 210, 40};

class TrackbarTest : public DialogControlsTest {
protected:
    HWND bar(DWORD style = 0, RECT r = Place) {
        const HWND t = make(TRACKBAR_CLASSA, style, r);
        SetFocus(t);
        pump();
        parent_log().heard.clear();
        return t;
    }
    RECT thumb(HWND t) {
        RECT r{};
        SendMessageA(t, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&r));
        return r;
    }
    LRESULT pos(HWND t) { return SendMessageA(t, TBM_GETPOS, 0, 0); }
};

// Each key moves the thumb by its amount, the parent hears the key's code once the position
// changed and TB_ENDTRACK when the key is released. Range 0..100, line 1, page a fifth.
TEST_F(TrackbarTest, KeysMoveAndNotifyWithTheirCodes) {
    struct Row {
        int vk;
        LRESULT after;
        WORD code;
    };
    constexpr std::array<Row, 9> rows{{
        {VK_RIGHT, 51, TB_LINEDOWN},
        {VK_LEFT, 50, TB_LINEUP},
        {VK_UP, 49, TB_LINEUP},
        {VK_DOWN, 50, TB_LINEDOWN},
        {VK_NEXT, 70, TB_PAGEDOWN},
        {VK_PRIOR, 50, TB_PAGEUP},
        {VK_END, 100, TB_BOTTOM},
        {VK_RIGHT, 100, TB_LINEDOWN}, // at the end: no move, still heard
        {VK_HOME, 0, TB_TOP},
    }};
    for (DWORD style : {TBS_HORZ, TBS_VERT}) {
        const UINT msg = style == TBS_VERT ? WM_VSCROLL : WM_HSCROLL;
        const HWND t = bar(style, style == TBS_VERT ? RECT{10, 10, 40, 210} : Place);
        SendMessageA(t, TBM_SETPOS, TRUE, 50);
        for (const Row& row : rows) {
            parent_log().heard.clear();
            key(row.vk);
            EXPECT_EQ(pos(t), row.after) << row.vk;
            EXPECT_EQ(parent_log().heard,
                      (std::vector<Heard>{scroll(msg, row.code), scroll(msg, TB_ENDTRACK)}))
                << "key " << row.vk << " style " << style;
            if (!parent_log().heard.empty()) {
                EXPECT_EQ(parent_log().heard[0].from, t);
            }
        }
        DestroyWindow(t);
    }
}

// A thumb dragged to the middle and on past the end: TB_THUMBTRACK with the position at each
// move that changes it; at the release the capture goes, then TB_THUMBPOSITION with the final
// position and TB_ENDTRACK.
const std::vector<Message> ThumbDragSeq{
    {WM_LBUTTONDOWN, posted},
    {WM_HSCROLL, sent | parent},                                          // to the middle
    {WM_HSCROLL, sent | parent | wparam, MAKEWPARAM(TB_THUMBTRACK, 100)}, // past the end
    {WM_LBUTTONUP, posted},
    {WM_CAPTURECHANGED, sent},
    {WM_HSCROLL, sent | parent | wparam, MAKEWPARAM(TB_THUMBPOSITION, 100)},
    {WM_HSCROLL, sent | parent | wparam, MAKEWPARAM(TB_ENDTRACK, 0)},
};

TEST_F(TrackbarTest, ThumbDragSendsTrackPositionAndEnd) {
    const HWND t = bar(TBS_AUTOTICKS);
    const RECT th = thumb(t);
    const int y = (th.top + th.bottom) / 2;
    testmsg::Recorder r;
    r.watch(t, parent());
    ignore_noise(r);
    r.ignore(TBM_GETPOS);
    press(t, (th.left + th.right) / 2, y);
    EXPECT_EQ(GetCapture(), t);
    move(t, 100, y);
    const LRESULT middle = pos(t);
    EXPECT_GE(middle, 45);
    EXPECT_LE(middle, 55);
    move(t, 300, y); // beyond the control: the maximum
    release(t, 300, y);
    CHECK_SEQUENCE(r, ThumbDragSeq);
    EXPECT_EQ(pos(t), 100);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(parent_log().heard.front().wParam, MAKEWPARAM(TB_THUMBTRACK, middle));

    // Upright: the same codes through WM_VSCROLL, the thumb dragged down past the end.
    DestroyWindow(t);
    const HWND v = bar(TBS_VERT, RECT{10, 10, 40, 210});
    const RECT vt = thumb(v);
    const int x = (vt.left + vt.right) / 2;
    press(v, x, (vt.top + vt.bottom) / 2);
    move(v, x, 300);
    release(v, x, 300);
    EXPECT_EQ(pos(v), 100);
    EXPECT_EQ(parent_log().heard, (std::vector<Heard>{scroll(WM_VSCROLL, TB_THUMBTRACK, 100),
                                                      scroll(WM_VSCROLL, TB_THUMBPOSITION, 100),
                                                      scroll(WM_VSCROLL, TB_ENDTRACK)}));
}

// A press beside the thumb pages towards the pointer, again while held, and TB_ENDTRACK
// follows the release.
TEST_F(TrackbarTest, PageClicksRepeatWhileHeld) {
    const HWND t = bar();
    SendMessageA(t, TBM_SETPOS, TRUE, 50);
    const RECT th = thumb(t);
    const int y = (th.top + th.bottom) / 2;
    press(t, 2, y);
    EXPECT_EQ(pos(t), 30);
    wait(400);
    EXPECT_EQ(pos(t), 10);
    release(t, 2, y);
    EXPECT_EQ(parent_log().heard,
              (std::vector<Heard>{scroll(WM_HSCROLL, TB_PAGEUP), scroll(WM_HSCROLL, TB_PAGEUP),
                                  scroll(WM_HSCROLL, TB_ENDTRACK)}));
    parent_log().heard.clear();
    click(t, 198, y);
    EXPECT_EQ(pos(t), 30);
    EXPECT_EQ(parent_log().heard, (std::vector<Heard>{scroll(WM_HSCROLL, TB_PAGEDOWN),
                                                      scroll(WM_HSCROLL, TB_ENDTRACK)}));
    EXPECT_EQ(SendMessageA(t, WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS);
}

TEST_F(TrackbarTest, RangeSizesAndPositionsAnswer) {
    const HWND t = bar();
    EXPECT_EQ(SendMessageA(t, TBM_GETRANGEMIN, 0, 0), 0);
    EXPECT_EQ(SendMessageA(t, TBM_GETRANGEMAX, 0, 0), 100);
    SendMessageA(t, TBM_SETRANGE, TRUE, MAKELPARAM(10, 60));
    EXPECT_EQ(pos(t), 10); // pulled into the new range
    SendMessageA(t, TBM_SETRANGEMAX, TRUE, 500);
    SendMessageA(t, TBM_SETRANGEMIN, TRUE, -20);
    EXPECT_EQ(SendMessageA(t, TBM_GETRANGEMIN, 0, 0), -20);
    EXPECT_EQ(SendMessageA(t, TBM_GETRANGEMAX, 0, 0), 500);
    EXPECT_EQ(SendMessageA(t, TBM_SETLINESIZE, 0, 7), 1);
    EXPECT_EQ(SendMessageA(t, TBM_SETPAGESIZE, 0, 40), 104); // a fifth of 520
    key(VK_RIGHT);
    EXPECT_EQ(pos(t), 17);
    key(VK_NEXT);
    EXPECT_EQ(pos(t), 57);
    // Out-of-range positions go to the nearest end.
    struct Row {
        LPARAM set;
        LRESULT got;
    };
    for (const Row& row : {Row{9999, 500}, Row{-9999, -20}, Row{123, 123}}) {
        SendMessageA(t, TBM_SETPOS, TRUE, row.set);
        EXPECT_EQ(pos(t), row.got) << row.set;
    }
    // Ticks: both ends, and one per frequency step with TBS_AUTOTICKS only.
    EXPECT_EQ(SendMessageA(t, TBM_GETNUMTICS, 0, 0), 2);
    const HWND autoTicks = make(TRACKBAR_CLASSA, TBS_AUTOTICKS, RECT{10, 50, 210, 80}, 31);
    SendMessageA(autoTicks, TBM_SETTICFREQ, 10, 0);
    EXPECT_EQ(SendMessageA(autoTicks, TBM_GETNUMTICS, 0, 0), 11);
    const HWND none = make(TRACKBAR_CLASSA, TBS_NOTICKS, RECT{10, 90, 210, 120}, 32);
    EXPECT_EQ(SendMessageA(none, TBM_GETNUMTICS, 0, 0), 0);
    // A reversed range and NULL rectangles: no crash, keys stay harmless.
    SendMessageA(t, TBM_SETRANGE, TRUE, MAKELPARAM(80, 20));
    SendMessageA(t, TBM_GETTHUMBRECT, 0, 0);
    SendMessageA(t, TBM_GETCHANNELRECT, 0, 0);
    key(VK_END);
    key(VK_HOME);
    pump();
}

// The selection range exists only with TBS_ENABLESELRANGE; it shows in the highlight colour
// inside the channel and goes with TBM_CLEARSEL.
TEST_F(TrackbarTest, SelectionRange) {
    const HWND plain = bar();
    SendMessageA(plain, TBM_SETSEL, TRUE, MAKELPARAM(10, 40));
    EXPECT_EQ(SendMessageA(plain, TBM_GETSELSTART, 0, 0), 0);
    EXPECT_EQ(SendMessageA(plain, TBM_GETSELEND, 0, 0), 0);

    const HWND t = make(TRACKBAR_CLASSA, TBS_ENABLESELRANGE, RECT{10, 50, 210, 80}, 31);
    struct Row {
        UINT message;
        LPARAM value;
        LRESULT start, end;
    };
    constexpr std::array<Row, 3> rows{{
        {TBM_SETSEL, MAKELPARAM(60, 80), 60, 80},
        {TBM_SETSELSTART, 20, 20, 80},
        {TBM_SETSELEND, 70, 20, 70},
    }};
    for (const Row& row : rows) {
        SendMessageA(t, row.message, TRUE, row.value);
        EXPECT_EQ(SendMessageA(t, TBM_GETSELSTART, 0, 0), row.start);
        EXPECT_EQ(SendMessageA(t, TBM_GETSELEND, 0, 0), row.end);
    }
    pump();
    RECT chan{};
    SendMessageA(t, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&chan));
    const int y = (chan.top + chan.bottom) / 2;
    const auto x_of = [&](int value) { return 8 + value * (200 - 16 - 1) / 100; };
    EXPECT_EQ(pixel(t, x_of(45), y), colour(COLOR_HIGHLIGHT));
    EXPECT_EQ(pixel(t, x_of(90), y), colour(COLOR_WINDOW));
    EXPECT_EQ(pixel(t, x_of(10), y), colour(COLOR_WINDOW));
    SendMessageA(t, TBM_CLEARSEL, TRUE, 0);
    pump();
    EXPECT_EQ(pixel(t, x_of(45), y), colour(COLOR_WINDOW));
}

// The thumb where the position is, lit while dragged; the focus frame; a disabled channel.
TEST_F(TrackbarTest, ThumbFocusPressedAndDisabledPixels) {
    const HWND t = make(TRACKBAR_CLASSA, 0, Place);
    const RECT at0 = thumb(t);
    const int y = (at0.top + at0.bottom) / 2;
    EXPECT_EQ(pixel(t, (at0.left + at0.right) / 2, y), colour(COLOR_BTNFACE));
    EXPECT_EQ(pixel(t, at0.left, at0.top), colour(COLOR_3DLIGHT));
    EXPECT_EQ(pixel(t, at0.right - 1, at0.bottom - 1), colour(COLOR_3DDKSHADOW));
    EXPECT_EQ(pixel(t, 0, 0), colour(COLOR_BTNFACE)); // no focus frame
    SendMessageA(t, TBM_SETPOS, TRUE, 100);
    SetFocus(t);
    pump();
    const RECT at100 = thumb(t);
    EXPECT_GT(at100.left, at0.right);
    EXPECT_EQ(pixel(t, (at0.left + at0.right) / 2, y), colour(COLOR_WINDOW)); // bare channel
    EXPECT_EQ(pixel(t, (at100.left + at100.right) / 2, y), colour(COLOR_BTNFACE));
    EXPECT_NE(pixel(t, 0, 0), colour(COLOR_BTNFACE)); // the dotted focus frame
    press(t, (at100.left + at100.right) / 2, y);
    EXPECT_EQ(pixel(t, (at100.left + at100.right) / 2, y), colour(COLOR_3DLIGHT));
    release(t, (at100.left + at100.right) / 2, y);
    EXPECT_EQ(pixel(t, (at100.left + at100.right) / 2, y), colour(COLOR_BTNFACE));
    EnableWindow(t, FALSE);
    pump();
    EXPECT_EQ(pixel(t, (at0.left + at0.right) / 2, y), colour(COLOR_BTNFACE));
}

// Where the ticks go: below by default, above with TBS_TOP, both sides with TBS_BOTH, none with
// TBS_NOTICKS; with TBS_AUTOTICKS one at each frequency step between the ends.
TEST_F(TrackbarTest, TickPlacement) {
    struct Row {
        DWORD style;
        bool above, below, middle;
    };
    constexpr std::array<Row, 5> rows{{
        {TBS_BOTTOM, false, true, false},
        {TBS_TOP, true, false, false},
        {TBS_BOTH, true, true, false},
        {TBS_NOTICKS, false, false, false},
        {TBS_AUTOTICKS, false, true, true},
    }};
    for (const Row& row : rows) {
        const HWND t = make(TRACKBAR_CLASSA, row.style, RECT{10, 10, 210, 50});
        SendMessageA(t, TBM_SETTICFREQ, 50, 0);
        SendMessageA(t, TBM_SETPOS, TRUE, 25); // the thumb away from the ticks it would hide
        pump();
        const RECT th = thumb(t);
        const int first = 8, middle = 8 + 50 * (200 - 16 - 1) / 100;
        const plat::Pixel tick = colour(COLOR_BTNTEXT);
        EXPECT_EQ(pixel(t, first, th.top - 3) == tick, row.above) << row.style;
        EXPECT_EQ(pixel(t, first, th.bottom + 2) == tick, row.below) << row.style;
        EXPECT_EQ(pixel(t, middle, th.bottom + 2) == tick, row.middle) << row.style;
        DestroyWindow(t);
    }
}

// The background is the brush the parent answers to WM_CTLCOLORSTATIC.
TEST_F(TrackbarTest, BackgroundFromTheParent) {
    HBRUSH green = CreateSolidBrush(RGB(0, 255, 0));
    parent_log().ctlBrush = green;
    const HWND t = make(TRACKBAR_CLASSA, TBS_NOTICKS, Place);
    EXPECT_EQ(pixel(t, 1, 28), plat::pixel_from_colorref(RGB(0, 255, 0)));
    parent_log().ctlBrush = nullptr;
    InvalidateRect(t, nullptr, TRUE);
    pump();
    EXPECT_EQ(pixel(t, 1, 28), colour(COLOR_BTNFACE));
    DestroyWindow(t);
    DeleteObject(green);
}

// A parent that destroys the bar in its scroll handler ends the drag without a crash.
TEST_F(TrackbarTest, ParentDestroysTheBarInTheNotification) {
    const HWND t = bar();
    struct Destroyer {
        static LRESULT CALLBACK proc(HWND h, UINT m, WPARAM w, LPARAM l) {
            if (m == WM_HSCROLL) DestroyWindow(reinterpret_cast<HWND>(l));
            return DefWindowProcA(h, m, w, l);
        }
    };
    SetWindowLongPtrA(parent(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Destroyer::proc));
    const RECT th = thumb(t);
    press(t, 190, (th.top + th.bottom) / 2);
    EXPECT_FALSE(IsWindow(t));
    release(t, 190, (th.top + th.bottom) / 2);
    EXPECT_EQ(GetCapture(), nullptr);
}

} // namespace
} // namespace ctltest
