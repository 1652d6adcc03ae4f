// Window scroll bars: where they sit and what the hit test says, the values SetScrollInfo keeps,
// the WM_VSCROLL codes of arrow, page and thumb work by mouse, and what the user sees.
#include <array>
#include <vector>

#include "../../support/presented.h"
#include "message_recorder.h"
#include "window/message_queue.h"

using namespace testmsg;

namespace {

// The frame's WM_VSCROLL/WM_HSCROLL as heard, and the position the bar reported during a drag.
struct Heard {
    UINT message;
    WORD code;
    WORD pos;
    int trackPos;
    bool operator==(const Heard&) const = default;
};
std::vector<Heard>* heard = nullptr;
WNDPROC framePrevious = nullptr;
int releaseAfter = 0; // a release is injected once this many codes were heard (0: never)
POINT releaseAt{};

// Scrolls as a program does: each code moves the position, the thumb position is taken.
LRESULT CALLBACK scrolling_proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if ((message == WM_VSCROLL || message == WM_HSCROLL) && heard) {
        const int bar = message == WM_VSCROLL ? SB_VERT : SB_HORZ;
        SCROLLINFO si{sizeof si, SIF_ALL, 0, 0, 0, 0, 0};
        GetScrollInfo(hwnd, bar, &si);
        heard->push_back({message, LOWORD(wParam), HIWORD(wParam), si.nTrackPos});
        int pos = si.nPos;
        switch (LOWORD(wParam)) {
        case SB_LINEUP:
            pos -= 1;
            break;
        case SB_LINEDOWN:
            pos += 1;
            break;
        case SB_PAGEUP:
            pos -= static_cast<int>(si.nPage);
            break;
        case SB_PAGEDOWN:
            pos += static_cast<int>(si.nPage);
            break;
        case SB_THUMBPOSITION:
            pos = HIWORD(wParam);
            break;
        default:
            break;
        }
        SetScrollPos(hwnd, bar, pos, TRUE);
        if (releaseAfter && static_cast<int>(heard->size()) == releaseAfter)
            plat::inject_mouse(releaseAt, 0, false);
        return 0;
    }
    return CallWindowProcA(framePrevious, hwnd, message, wParam, lParam);
}

class ScrollBarTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        heard = &log;
        releaseAfter = 0;
    }
    void TearDown() override {
        heard = nullptr;
        screen->on_wait(nullptr);
        WindowTest::TearDown();
    }
    HWND scrolled(DWORD bars = WS_VSCROLL) {
        const HWND f = frame(WS_OVERLAPPEDWINDOW | WS_VISIBLE | bars);
        SetWindowPos(f, nullptr, 20, 20, 300, 240, SWP_NOZORDER);
        framePrevious = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(f, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(scrolling_proc)));
        SCROLLINFO si{sizeof si, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 100, 10, 0, 0};
        SetScrollInfo(f, SB_VERT, &si, TRUE);
        if (bars & WS_HSCROLL) SetScrollInfo(f, SB_HORZ, &si, TRUE);
        pump();
        return f;
    }
    // A point of the window on the screen, from window coordinates.
    static POINT at(HWND hwnd, int x, int y) {
        RECT r;
        GetWindowRect(hwnd, &r);
        return {r.left + x, r.top + y};
    }
    void click(POINT p) {
        plat::inject_mouse_move(p);
        plat::inject_mouse(p, 0, true);
        plat::inject_mouse(p, 0, false);
        pump();
        plat::advance_clock(1000);
    }
    std::vector<WORD> codes() const {
        std::vector<WORD> out;
        for (const Heard& h : log)
            out.push_back(h.code);
        return out;
    }
    std::vector<Heard> log;
};

// A 300 x 240 frame: thick frame 4, caption 18; the upright bar along the right inside the
// frame, the level one along the bottom, the corner between them belongs to neither.
TEST_F(ScrollBarTest, BarsTakeTheirBandAndAnswerTheHitTest) {
    const HWND f = scrolled(WS_VSCROLL | WS_HSCROLL);
    RECT c;
    GetClientRect(f, &c);
    EXPECT_EQ(c.right, 300 - 8 - 16);
    EXPECT_EQ(c.bottom, 240 - 8 - 18 - 16);
    struct Row {
        int x, y;
        LRESULT hit;
    };
    constexpr std::array<Row, 8> rows{{
        {300 - 4 - 8, 22 + 1, HTVSCROLL},       // top arrow
        {300 - 4 - 16, 120, HTVSCROLL},         // first column of the bar
        {300 - 4 - 17, 120, HTCLIENT},          // last column of the client area
        {300 - 4 - 8, 240 - 4 - 17, HTVSCROLL}, // bottom arrow, above the corner
        {150, 240 - 4 - 8, HTHSCROLL},
        {4, 240 - 4 - 16, HTHSCROLL},
        {300 - 4 - 8, 240 - 4 - 8, HTBORDER}, // the corner
        {300 - 2, 120, HTRIGHT},
    }};
    for (const Row& row : rows) {
        const POINT p = at(f, row.x, row.y);
        EXPECT_EQ(SendMessageA(f, WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y)), row.hit)
            << row.x << "," << row.y;
    }
    // Hiding one bar gives its band back to the client area.
    ShowScrollBar(f, SB_HORZ, FALSE);
    GetClientRect(f, &c);
    EXPECT_EQ(c.bottom, 240 - 8 - 18);
    EXPECT_FALSE(GetWindowLongPtrA(f, GWL_STYLE) & WS_HSCROLL);
}

// The page is held to the range's size and the position to max - (page - 1); a range that fits
// in a page hides the bar, or disables it with SIF_DISABLENOSCROLL.
TEST_F(ScrollBarTest, SetScrollInfoClampsAndGetScrollInfoReadsBack) {
    const HWND f = scrolled();
    struct Row {
        int min, max;
        UINT page;
        int pos;
        UINT extra;
        UINT wantPage;
        int wantPos;
        bool shown;
    };
    constexpr std::array<Row, 9> rows{{
        {0, 100, 10, 50, 0, 10, 50, true},
        {0, 100, 10, 95, 0, 10, 91, true},
        {0, 100, 0, 150, 0, 0, 100, true},
        {0, 100, 0, -5, 0, 0, 0, true},
        {10, 20, 1, 30, 0, 1, 20, true},
        {-50, 50, 25, -80, 0, 25, -50, true},
        {0, 9, 20, 5, 0, 10, 0, false},
        {0, 100, 101, 3, 0, 101, 0, false},
        {0, 9, 20, 5, SIF_DISABLENOSCROLL, 10, 0, true},
    }};
    for (const Row& row : rows) {
        SCROLLINFO si{sizeof si, SIF_ALL | row.extra, row.min, row.max, row.page, row.pos, 0};
        EXPECT_EQ(SetScrollInfo(f, SB_VERT, &si, TRUE), row.wantPos) << row.pos;
        SCROLLINFO out{sizeof out, SIF_ALL, 0, 0, 0, 0, 0};
        ASSERT_TRUE(GetScrollInfo(f, SB_VERT, &out));
        EXPECT_EQ(out.nMin, row.min);
        EXPECT_EQ(out.nMax, row.max);
        EXPECT_EQ(out.nPage, row.wantPage) << row.page;
        EXPECT_EQ(out.nPos, row.wantPos) << row.pos;
        EXPECT_EQ(out.nTrackPos, row.wantPos); // no drag: the position itself
        EXPECT_EQ((GetWindowLongPtrA(f, GWL_STYLE) & WS_VSCROLL) != 0, row.shown) << row.max;
    }
    // The older calls share the values; bad bars and empty requests fail.
    SetScrollRange(f, SB_VERT, 0, 40, TRUE);
    EXPECT_EQ(SetScrollPos(f, SB_VERT, 30, TRUE), 0);
    EXPECT_EQ(GetScrollPos(f, SB_VERT), 30);
    int lo = -1, hi = -1;
    EXPECT_TRUE(GetScrollRange(f, SB_VERT, &lo, &hi));
    EXPECT_EQ(lo, 0);
    EXPECT_EQ(hi, 40);
    EXPECT_FALSE(SetScrollRange(f, SB_VERT, 5, 1, TRUE));
    EXPECT_FALSE(GetScrollRange(f, SB_VERT, nullptr, &hi));
    SCROLLINFO none{sizeof none, 0, 0, 0, 0, 0, 0};
    EXPECT_FALSE(GetScrollInfo(f, SB_VERT, &none));
    EXPECT_FALSE(GetScrollInfo(f, SB_CTL, &none));
    EXPECT_FALSE(GetScrollInfo(f, SB_VERT, nullptr));
    EXPECT_EQ(SetScrollInfo(f, 7, &none, TRUE), 0);
    EXPECT_EQ(SetScrollInfo(nullptr, SB_VERT, &none, TRUE), 0);
    EXPECT_TRUE(EnableScrollBar(f, SB_VERT, ESB_DISABLE_BOTH));
    EXPECT_FALSE(EnableScrollBar(f, SB_VERT, ESB_DISABLE_BOTH)); // already so
    EXPECT_FALSE(EnableScrollBar(f, SB_VERT, 9));
}

// A click on an arrow or beside the thumb: the line or page code, then SB_ENDSCROLL at the
// release. Range 0..100, page 10, position 40; the bar's band from y 22 to 236.
TEST_F(ScrollBarTest, ArrowAndPageClicksSendTheirCodesThenEndScroll) {
    const HWND f = scrolled();
    struct Row {
        int y;
        WORD code;
        int after;
    };
    const int x = 300 - 4 - 8;
    constexpr std::array<Row, 4> rows{{
        {22 + 8, SB_LINEUP, 39},
        {240 - 4 - 8, SB_LINEDOWN, 41},
        {22 + 20, SB_PAGEUP, 30},        // just below the top arrow, above the thumb
        {240 - 4 - 20, SB_PAGEDOWN, 50}, // just above the bottom arrow
    }};
    for (const Row& row : rows) {
        SetScrollPos(f, SB_VERT, 40, TRUE);
        log.clear();
        click(at(f, x, row.y));
        EXPECT_EQ(codes(), (std::vector<WORD>{row.code, SB_ENDSCROLL})) << row.y;
        EXPECT_EQ(GetScrollPos(f, SB_VERT), row.after) << row.y;
        EXPECT_EQ(GetCapture(), nullptr);
    }
    // A disabled bar does nothing.
    EnableScrollBar(f, SB_VERT, ESB_DISABLE_BOTH);
    log.clear();
    click(at(f, x, 22 + 8));
    EXPECT_TRUE(log.empty());
}

// An arrow held down repeats its code until the release.
TEST_F(ScrollBarTest, HeldArrowRepeats) {
    const HWND f = scrolled();
    const POINT p = at(f, 300 - 4 - 8, 240 - 4 - 8);
    releaseAfter = 4;
    releaseAt = p;
    screen->on_wait([] { plat::advance_clock(60); });
    plat::inject_mouse_move(p);
    plat::inject_mouse(p, 0, true);
    pump();
    EXPECT_EQ(codes(), (std::vector<WORD>{SB_LINEDOWN, SB_LINEDOWN, SB_LINEDOWN, SB_LINEDOWN,
                                          SB_ENDSCROLL}));
    EXPECT_EQ(GetScrollPos(f, SB_VERT), 4);
}

// Dragging the thumb: SB_THUMBTRACK with each new position (GetScrollInfo's nTrackPos agrees,
// nPos stays), then SB_THUMBPOSITION with the last one and SB_ENDSCROLL.
TEST_F(ScrollBarTest, ThumbDragTracksThenSetsPosition) {
    const HWND f = scrolled();
    const int x = 300 - 4 - 8;
    // Track 38 .. 220 = 182 px; the thumb 182 * 10 / 101 = 18 px at the top, 164 px to go.
    const POINT grip = at(f, x, 38 + 8);
    plat::inject_mouse_move(grip);
    plat::inject_mouse(grip, 0, true);
    plat::inject_mouse_move(at(f, x, 38 + 8 + 82)); // half way
    plat::inject_mouse_move(at(f, x, 400));         // far past the end
    plat::inject_mouse(at(f, x, 400), 0, false);
    pump();
    ASSERT_EQ(log.size(), 4u);
    EXPECT_EQ(log[0].code, SB_THUMBTRACK);
    EXPECT_NEAR(log[0].pos, 45, 1);
    EXPECT_EQ(log[0].trackPos, log[0].pos);
    EXPECT_EQ((std::vector<Heard>{log.begin() + 1, log.end()}),
              (std::vector<Heard>{{WM_VSCROLL, SB_THUMBTRACK, 91, 91},
                                  {WM_VSCROLL, SB_THUMBPOSITION, 91, 91},
                                  {WM_VSCROLL, SB_ENDSCROLL, 0, 91}}));
    EXPECT_EQ(GetScrollPos(f, SB_VERT), 91);
    EXPECT_EQ(GetCapture(), nullptr);
}

// The presented image: arrows in the face colour with a dark glyph, the track, the thumb where
// the position says.
TEST_F(ScrollBarTest, BarAndThumbAreDrawnWhereThePositionSays) {
    const HWND f = scrolled();
    const int x = 300 - 4 - 8;
    const auto px = [&](int y) { return testsupport::presented_pixel(f, x, y); };
    const auto sys = [](int c) { return plat::pixel_from_colorref(GetSysColor(c)); };
    // The track is a checker of the scroll bar colour and the highlight.
    const auto track = [&](int y) {
        const auto a = px(y), b = testsupport::presented_pixel(f, x + 1, y);
        return (a == sys(COLOR_SCROLLBAR) && b == sys(COLOR_BTNHIGHLIGHT)) ||
               (b == sys(COLOR_SCROLLBAR) && a == sys(COLOR_BTNHIGHLIGHT));
    };
    EXPECT_EQ(px(22 + 8), sys(COLOR_BTNTEXT)) << "up arrow glyph";
    EXPECT_EQ(px(22 + 3), sys(COLOR_BTNFACE)) << "up arrow face";
    EXPECT_EQ(px(38 + 8), sys(COLOR_BTNFACE)) << "thumb at the top";
    EXPECT_TRUE(track(120));
    EXPECT_FALSE(track(38 + 8));
    SetScrollPos(f, SB_VERT, 91, TRUE);
    pump();
    EXPECT_TRUE(track(38 + 8)) << "thumb gone from the top";
    EXPECT_EQ(px(211), sys(COLOR_BTNFACE)) << "thumb at the bottom";
    // Disabled: no thumb, the glyphs grey.
    EnableScrollBar(f, SB_VERT, ESB_DISABLE_BOTH);
    pump();
    EXPECT_TRUE(track(211));
    EXPECT_EQ(px(22 + 8), sys(COLOR_GRAYTEXT));
}

} // namespace
