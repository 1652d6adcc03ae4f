// "SCROLLBAR": the codes the parent hears for keys, arrow and page presses and a thumb drag, the
// SBM_ messages and the SB_CTL functions, bad values, and what the user sees.
#include <array>

#include "dialog_parent.h"
#include "window/scrollbar_parts.h"

namespace ctltest {
namespace {

using testmsg::Message;
using testmsg::parent;
using testmsg::posted;
using testmsg::sent;
using testmsg::wparam;

constexpr RECT Upright{10, 10, 30, 210}; // 20 x 200
constexpr RECT Level{40, 10, 240, 30};

class ScrollBarControlTest : public DialogControlsTest {
protected:
    HWND bar(DWORD style = SBS_VERT, RECT r = Upright, int id = Id) {
        const HWND b = make("ScrollBar", WS_VISIBLE | WS_TABSTOP | style, r, id);
        SetScrollRange(b, SB_CTL, 0, 100, TRUE);
        SetFocus(b);
        pump();
        parent_log().heard.clear();
        return b;
    }
    // Where the layer puts the parts of the control's bar, in its client coordinates.
    plat::ScrollBarParts parts(HWND b) {
        RECT client;
        GetClientRect(b, &client);
        SCROLLINFO si{sizeof si, SIF_ALL, 0, 0, 0, 0, 0};
        GetScrollInfo(b, SB_CTL, &si);
        plat::ScrollBarData d;
        d.min = si.nMin;
        d.max = si.nMax;
        d.page = si.nPage;
        d.pos = si.nPos;
        return plat::layout_scroll_bar(client, (GetWindowLongPtrA(b, GWL_STYLE) & SBS_VERT) != 0,
                                       d);
    }
    static POINT centre(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }
    void TearDown() override {
        screen->on_wait(nullptr);
        DialogControlsTest::TearDown();
    }
    // A press and its release, queued whole: a press on a bar runs until the release comes.
    void drag(HWND b, POINT from, std::vector<POINT> through) {
        const POINT start = screen_point(b, from.x, from.y);
        plat::inject_mouse_move(start);
        plat::inject_mouse(start, 0, true);
        POINT last = start;
        for (const POINT& p : through) {
            last = screen_point(b, p.x, p.y);
            plat::inject_mouse_move(last);
        }
        plat::inject_mouse(last, 0, false);
        pump();
        plat::advance_clock(1000); // no double clicks
    }
    void click_at(HWND b, POINT p) { drag(b, p, {}); }
    // A press held while the clock runs, released once the parent heard `codes` codes.
    void hold(HWND b, POINT at, std::size_t codes) {
        const POINT p = screen_point(b, at.x, at.y);
        screen->on_wait([p, codes, released = false]() mutable {
            plat::advance_clock(60);
            if (!released && parent_log().heard.size() >= codes) {
                plat::inject_mouse(p, 0, false);
                released = true;
            }
        });
        plat::inject_mouse_move(p);
        plat::inject_mouse(p, 0, true);
        pump();
        screen->on_wait(nullptr);
        plat::advance_clock(1000);
    }
};

// The keys of a focused bar: each its code at the press and SB_ENDSCROLL at the release, with
// the control in lParam; the bar itself stays where it is, the parent moves it.
TEST_F(ScrollBarControlTest, KeysSendTheirCodesAndLeaveThePositionToTheParent) {
    struct Row {
        int vk;
        WORD code;
    };
    constexpr std::array<Row, 8> rows{{
        {VK_UP, SB_LINEUP},
        {VK_LEFT, SB_LINEUP},
        {VK_DOWN, SB_LINEDOWN},
        {VK_RIGHT, SB_LINEDOWN},
        {VK_PRIOR, SB_PAGEUP},
        {VK_NEXT, SB_PAGEDOWN},
        {VK_HOME, SB_TOP},
        {VK_END, SB_BOTTOM},
    }};
    for (DWORD style : {SBS_VERT, SBS_HORZ}) {
        const UINT msg = style == SBS_VERT ? WM_VSCROLL : WM_HSCROLL;
        const HWND b = bar(style, style == SBS_VERT ? Upright : Level);
        SetScrollPos(b, SB_CTL, 40, TRUE);
        EXPECT_EQ(SendMessageA(b, WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS);
        for (const Row& row : rows) {
            parent_log().heard.clear();
            key(row.vk);
            EXPECT_EQ(parent_log().heard,
                      (std::vector<Heard>{scroll(msg, row.code), scroll(msg, SB_ENDSCROLL)}))
                << "key " << row.vk << " style " << style;
            for (const Heard& h : parent_log().heard)
                EXPECT_EQ(h.from, b);
            EXPECT_EQ(GetScrollPos(b, SB_CTL), 40) << row.vk;
        }
        // A key the bar has no use for says nothing.
        parent_log().heard.clear();
        key('A', 'a');
        EXPECT_TRUE(parent_log().heard.empty());
        DestroyWindow(b);
    }
    // With a parent that follows, the same keys move it.
    parent_log().followScrollBar = true;
    const HWND b = bar();
    struct Move {
        int vk;
        int after;
    };
    for (const Move& m : {Move{VK_DOWN, 1}, Move{VK_NEXT, 11}, Move{VK_END, 100}, Move{VK_UP, 99},
                          Move{VK_HOME, 0}, Move{VK_UP, 0}}) {
        key(m.vk);
        EXPECT_EQ(GetScrollPos(b, SB_CTL), m.after) << m.vk;
    }
}

// The values through the SBM_ messages and the SB_CTL functions, one truth for both, and the
// answers to bad ones.
TEST_F(ScrollBarControlTest, MessagesAndFunctionsShareTheValues) {
    const HWND b = make("ScrollBar", SBS_HORZ, Level);
    int min = -1, max = -1;
    // A control starts with an empty range.
    EXPECT_TRUE(GetScrollRange(b, SB_CTL, &min, &max));
    EXPECT_EQ(min, 0);
    EXPECT_EQ(max, 0);
    EXPECT_TRUE(SetScrollRange(b, SB_CTL, 10, 60, TRUE));
    struct Row {
        const char* what;
        int set;
        LRESULT previous, now;
    };
    constexpr std::array<Row, 4> rows{{
        {"inside", 30, 10, 30},
        {"beyond the maximum", 999, 30, 60},
        {"below the minimum", -5, 60, 10},
        {"at the maximum", 60, 10, 60},
    }};
    for (const Row& row : rows) {
        EXPECT_EQ(SendMessageA(b, SBM_SETPOS, static_cast<WPARAM>(row.set), TRUE), row.previous)
            << row.what;
        EXPECT_EQ(SendMessageA(b, SBM_GETPOS, 0, 0), row.now) << row.what;
        EXPECT_EQ(GetScrollPos(b, SB_CTL), row.now) << row.what;
    }
    // A page keeps the last position a page short of the maximum.
    SCROLLINFO si{sizeof si, SIF_PAGE | SIF_POS, 0, 0, 11, 60, 0};
    EXPECT_EQ(SetScrollInfo(b, SB_CTL, &si, TRUE), 50);
    SCROLLINFO got{sizeof got, SIF_ALL, 0, 0, 0, 0, 0};
    ASSERT_TRUE(GetScrollInfo(b, SB_CTL, &got));
    EXPECT_EQ(got.nMin, 10);
    EXPECT_EQ(got.nMax, 60);
    EXPECT_EQ(got.nPage, 11u);
    EXPECT_EQ(got.nPos, 50);
    EXPECT_EQ(got.nTrackPos, 50);
    // SBM_SETRANGE answers the old position only when the new range moved it.
    EXPECT_EQ(SendMessageA(b, SBM_SETRANGE, 0, 200), 0);
    EXPECT_EQ(SendMessageA(b, SBM_SETRANGEREDRAW, 0, 20), 50);
    SendMessageA(b, SBM_GETRANGE, reinterpret_cast<WPARAM>(&min), reinterpret_cast<LPARAM>(&max));
    EXPECT_EQ(min, 0);
    EXPECT_EQ(max, 20);
    // Arrows: TRUE only for a change.
    struct Arrows {
        UINT set;
        BOOL answer;
    };
    for (const Arrows& a :
         {Arrows{ESB_DISABLE_LTUP, TRUE}, Arrows{ESB_DISABLE_LTUP, FALSE},
          Arrows{ESB_DISABLE_BOTH, TRUE}, Arrows{7, FALSE}, Arrows{ESB_ENABLE_BOTH, TRUE}})
        EXPECT_EQ(EnableScrollBar(b, SB_CTL, a.set), a.answer) << a.set;
    // Bad input: NULL structures and pointers, a reversed range, a window of another class.
    EXPECT_EQ(SendMessageA(b, SBM_SETSCROLLINFO, TRUE, 0), 0);
    EXPECT_FALSE(GetScrollInfo(b, SB_CTL, nullptr));
    SCROLLINFO none{sizeof none, 0, 0, 0, 0, 0, 0};
    EXPECT_FALSE(GetScrollInfo(b, SB_CTL, &none));
    SendMessageA(b, SBM_GETRANGE, 0, 0);
    EXPECT_FALSE(SetScrollRange(b, SB_CTL, 50, 10, TRUE));
    SendMessageA(b, SBM_SETRANGE, 50, 10);
    EXPECT_TRUE(GetScrollRange(b, SB_CTL, &min, &max));
    EXPECT_EQ(max, 20);
    const HWND button = make("BUTTON", BS_PUSHBUTTON, RECT{10, 50, 80, 70}, 31);
    EXPECT_FALSE(GetScrollInfo(button, SB_CTL, &got));
    EXPECT_FALSE(GetScrollRange(nullptr, SB_CTL, &min, &max));
    // A range past what a WORD holds, and the position at its end.
    SetScrollRange(b, SB_CTL, -2000000000, 2000000000, TRUE);
    SetScrollPos(b, SB_CTL, 2000000000, TRUE);
    EXPECT_EQ(GetScrollPos(b, SB_CTL), 2000000000 - 10); // the page of 11 still holds
    pump();
}

// An arrow held down: SB_LINEDOWN at the press and again while held, the capture released at
// the button's release, then SB_ENDSCROLL. WM_LBUTTONUP is the press loop's, not the control's.
const std::vector<Message> ArrowPressSeq{
    {WM_LBUTTONDOWN, posted},
    {WM_VSCROLL, sent | parent | wparam, MAKEWPARAM(SB_LINEDOWN, 0)},
    {WM_VSCROLL, sent | parent | wparam, MAKEWPARAM(SB_LINEDOWN, 0)}, // repeated while held
    {WM_CAPTURECHANGED, sent},
    {WM_VSCROLL, sent | parent | wparam, MAKEWPARAM(SB_ENDSCROLL, 0)},
};

TEST_F(ScrollBarControlTest, ArrowAndPagePressesRepeatWhileHeld) {
    const HWND b = bar();
    const plat::ScrollBarParts p = parts(b);
    testmsg::Recorder r;
    r.watch(b, parent());
    ignore_noise(r);
    r.ignore(WM_CTLCOLORSCROLLBAR);
    r.ignore(WM_SETFOCUS);
    r.ignore(WM_KILLFOCUS);
    const POINT down = centre(p.highArrow);
    hold(b, down, 2);
    CHECK_SEQUENCE(r, ArrowPressSeq);
    EXPECT_EQ(GetCapture(), nullptr);

    // Clicks on each part: its code, then the end.
    SetScrollPos(b, SB_CTL, 50, TRUE);
    struct Row {
        const char* part;
        POINT at;
        WORD code;
    };
    const plat::ScrollBarParts mid = parts(b);
    const std::array<Row, 4> rows{{
        {"upper arrow", centre(mid.lowArrow), SB_LINEUP},
        {"lower arrow", centre(mid.highArrow), SB_LINEDOWN},
        {"track above the thumb", {10, mid.thumb.top - 3}, SB_PAGEUP},
        {"track below the thumb", {10, mid.thumb.bottom + 3}, SB_PAGEDOWN},
    }};
    for (const Row& row : rows) {
        parent_log().heard.clear();
        click_at(b, row.at);
        EXPECT_EQ(parent_log().heard, (std::vector<Heard>{scroll(WM_VSCROLL, row.code),
                                                          scroll(WM_VSCROLL, SB_ENDSCROLL)}))
            << row.part;
    }
    // A disabled arrow, and a disabled control, answer nothing.
    EnableScrollBar(b, SB_CTL, ESB_DISABLE_DOWN);
    parent_log().heard.clear();
    click_at(b, down);
    EXPECT_TRUE(parent_log().heard.empty());
    EnableScrollBar(b, SB_CTL, ESB_ENABLE_BOTH);
    EnableWindow(b, FALSE);
    click_at(b, down);
    EXPECT_TRUE(parent_log().heard.empty());
}

// A thumb dragged down and past the end: SB_THUMBTRACK with the position at each move that
// changes it, SB_THUMBPOSITION where it is let go, SB_ENDSCROLL. A parent that sets nothing
// sees the thumb go back; one that follows keeps it where it was let go.
TEST_F(ScrollBarControlTest, ThumbDragTracksAndGoesBackUnlessTheParentFollows) {
    for (bool follow : {false, true}) {
        parent_log().followScrollBar = follow;
        const HWND b = bar(SBS_VERT, Upright, follow ? 41 : 40);
        const plat::ScrollBarParts p = parts(b);
        const POINT grip = centre(p.thumb);
        drag(b, grip, {{grip.x, 100}, {grip.x, 400}}); // half way, then beyond the control
        ASSERT_EQ(parent_log().heard.size(), 4u);
        const int middle = HIWORD(parent_log().heard[0].wParam);
        EXPECT_GT(middle, 30);
        EXPECT_LT(middle, 70);
        EXPECT_EQ(parent_log().heard,
                  (std::vector<Heard>{scroll(WM_VSCROLL, SB_THUMBTRACK, WORD(middle)),
                                      scroll(WM_VSCROLL, SB_THUMBTRACK, 100),
                                      scroll(WM_VSCROLL, SB_THUMBPOSITION, 100),
                                      scroll(WM_VSCROLL, SB_ENDSCROLL)}))
            << "follow " << follow;
        EXPECT_EQ(GetScrollPos(b, SB_CTL), follow ? 100 : 0);
        // What the user sees: the thumb's face at the top or at the bottom of the track.
        pump();
        const plat::Pixel face = colour(COLOR_BTNFACE);
        const int top = p.thumb.top + 8, bottom = 200 - 16 - 8;
        EXPECT_EQ(pixel(b, 10, top) == face, !follow) << "follow " << follow;
        EXPECT_EQ(pixel(b, 10, bottom) == face, follow) << "follow " << follow;
        DestroyWindow(b);
        parent_log().heard.clear();
    }
}

// A notification that destroys the bar ends the press without touching it again.
TEST_F(ScrollBarControlTest, ParentDestroyingTheBarDuringAPress) {
    const HWND b = bar();
    const plat::ScrollBarParts p = parts(b);
    struct Destroyer {
        static LRESULT CALLBACK proc(HWND hwnd, UINT m, WPARAM w, LPARAM l) {
            if ((m == WM_VSCROLL) && l) DestroyWindow(reinterpret_cast<HWND>(l));
            return DefWindowProcA(hwnd, m, w, l);
        }
    };
    SetWindowLongPtrA(parent(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Destroyer::proc));
    for (const RECT& part : {p.highArrow, p.thumb}) {
        const HWND each = part.top == p.highArrow.top ? b : bar(SBS_VERT, Upright, 42);
        const POINT at = centre(part);
        drag(each, at, {{at.x, at.y + 40}});
        EXPECT_FALSE(IsWindow(each));
        EXPECT_EQ(GetCapture(), nullptr);
    }
}

// What the user sees: arrows in the face colour with dark triangles, the thumb at its place; a
// disabled bar has grey triangles and no thumb; a size grip is the face colour.
TEST_F(ScrollBarControlTest, PresentedLooks) {
    const HWND b = bar(SBS_HORZ, Level);
    SetScrollPos(b, SB_CTL, 100, TRUE);
    pump();
    const plat::ScrollBarParts p = parts(b);
    const POINT tip = centre(p.lowArrow);
    int dark = 0;
    for (int x = p.lowArrow.left + 3; x < p.lowArrow.right - 3; ++x)
        dark += pixel(b, x, tip.y) == colour(COLOR_BTNTEXT);
    EXPECT_GT(dark, 0);
    EXPECT_EQ(pixel(b, centre(p.thumb).x, 4), colour(COLOR_BTNFACE));
    EXPECT_NE(pixel(b, p.lowArrow.right + 20, 6), colour(COLOR_BTNFACE)); // the track
    EnableWindow(b, FALSE);
    pump();
    int grey = 0;
    dark = 0;
    for (int x = p.lowArrow.left + 3; x < p.lowArrow.right - 3; ++x) {
        grey += pixel(b, x, tip.y) == colour(COLOR_GRAYTEXT);
        dark += pixel(b, x, tip.y) == colour(COLOR_BTNTEXT);
    }
    EXPECT_GT(grey, 0);
    EXPECT_EQ(dark, 0);
    EXPECT_NE(pixel(b, centre(p.thumb).x, 4), colour(COLOR_BTNFACE)); // no thumb: track

    const HWND grip = make("ScrollBar", WS_VISIBLE | SBS_SIZEGRIP, RECT{300, 200, 316, 216}, 50);
    pump();
    EXPECT_EQ(pixel(grip, 2, 2), colour(COLOR_BTNFACE));
}

// A press on a size box sizes the top-level window from its bottom-right corner.
TEST_F(ScrollBarControlTest, SizeBoxSizesTheFrame) {
    const HWND grip = make("ScrollBar", WS_VISIBLE | SBS_SIZEBOX, RECT{300, 200, 316, 216}, 50);
    pump();
    RECT before;
    GetWindowRect(parent(), &before);
    drag(grip, {8, 8}, {{38, 28}});
    RECT after;
    GetWindowRect(parent(), &after);
    EXPECT_EQ(after.right - before.right, 30);
    EXPECT_EQ(after.bottom - before.bottom, 20);
    EXPECT_EQ(after.left, before.left);
}

} // namespace
} // namespace ctltest
