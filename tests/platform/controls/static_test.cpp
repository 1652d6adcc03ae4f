// "STATIC": where each text kind puts its text, grey when disabled, the parent's colours, the
// hit test with and without SS_NOTIFY, images, frames and rectangles.
#include <array>
#include <vector>

#include "controls_fixture.h"

namespace ctltest {
namespace {

constexpr int Id = 30;

class StaticTest : public ControlsTest {
protected:
    HWND make(DWORD style, const char* text, RECT r = RECT{10, 10, 90, 60}) {
        if (!parentFrame) parentFrame = frame();
        return control(parentFrame, "STATIC", text, style, r, Id);
    }
    // Columns and rows where the static shows something else than its background.
    struct Ink {
        int left = 1 << 20, right = -1, top = 1 << 20, bottom = -1, count = 0;
    };
    Ink ink(HWND s, plat::Pixel background, int width, int height) {
        Ink k;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                if (pixel(s, x, y) != background) {
                    k.left = std::min(k.left, x);
                    k.right = std::max(k.right, x);
                    k.top = std::min(k.top, y);
                    k.bottom = std::max(k.bottom, y);
                    ++k.count;
                }
        return k;
    }
    int line_height(HWND s) {
        HDC hdc = GetDC(s);
        SelectObject(hdc, GetStockObject(SYSTEM_FONT));
        TEXTMETRICA tm{};
        GetTextMetricsA(hdc, &tm);
        ReleaseDC(s, hdc);
        return tm.tmHeight;
    }
    HWND parentFrame = nullptr;
};

// "MMMM MMMM" in a control too narrow for both words: the wrapping kinds (SS_RIGHT among them,
// as the platform documents) put the second word on a second line; the others, and any kind
// with SS_ENDELLIPSIS, keep one line.
TEST_F(StaticTest, TextKindsPlaceAndWrapTheirText) {
    struct Row {
        DWORD kind;
        bool wraps;
        int side; // -1 ink starts at the left edge, 0 centred, 1 ends at the right edge
    };
    constexpr std::array<Row, 8> rows{{{SS_LEFT, true, -1},
                                       {SS_CENTER, true, 0},
                                       {SS_RIGHT, true, 1},
                                       {SS_SIMPLE, false, -1},
                                       {SS_LEFTNOWORDWRAP, false, -1},
                                       {SS_LEFT | SS_EDITCONTROL, true, -1},
                                       {SS_LEFT | SS_ENDELLIPSIS, false, -1},
                                       {SS_RIGHT | SS_ENDELLIPSIS, false, 1}}};
    for (const Row& row : rows) {
        const HWND s = make(row.kind, "MMMM MMMM", RECT{10, 10, 70, 60});
        const int h = line_height(s);
        const Ink k = ink(s, colour(COLOR_BTNFACE), 60, 50);
        ASSERT_GT(k.count, 0) << row.kind;
        EXPECT_EQ(k.bottom >= h, row.wraps) << row.kind;
        if (row.side < 0) {
            EXPECT_LE(k.left, 2) << row.kind;
        } else if (row.side > 0) {
            EXPECT_GE(k.right, 57) << row.kind;
        } else {
            EXPECT_NEAR(k.left, 59 - k.right, 3) << row.kind;
        }
        DestroyWindow(s);
    }
}

TEST_F(StaticTest, DisabledTextIsGreyAndParentColoursAreHonoured) {
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    frame_log().ctlBrush = red;
    frame_log().ctlText = RGB(0, 0, 255);
    const HWND s = make(SS_LEFT, "MMM");
    EXPECT_EQ(frame_log().ctlAsked.back(), WM_CTLCOLORSTATIC);
    EXPECT_EQ(pixel(s, 79, 49), plat::pixel_from_colorref(RGB(255, 0, 0)));
    // Text is smoothed: its pixels blend the parent's text colour into the parent's
    // background colour (yellow, behind the opaque text), keeping red equal to green, and the
    // full text colour shows where the strokes cover whole pixels.
    const Ink k = ink(s, plat::pixel_from_colorref(RGB(255, 0, 0)), 80, 50);
    EXPECT_GT(k.count, 10);
    int fullBlue = 0;
    for (int y = k.top; y <= k.bottom; ++y)
        for (int x = k.left; x <= k.right; ++x) {
            const plat::Pixel p = pixel(s, x, y);
            EXPECT_EQ((p >> 16) & 0xFFu, (p >> 8) & 0xFFu);
            fullBlue += p == 0x0000FFu;
        }
    EXPECT_GT(fullBlue, 5);
    frame_log().ctlBrush = nullptr;
    EnableWindow(s, FALSE);
    pump();
    // Disabled: the darkest pixel is the grey text colour, never the window text colour.
    unsigned darkest = 3 * 255;
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 80; ++x)
            darkest = std::min(darkest, brightness(pixel(s, x, y)));
    EXPECT_EQ(darkest, brightness(colour(COLOR_GRAYTEXT)));
    DestroyWindow(s);
    DeleteObject(red);
}

// "&M": the marker is not drawn but underlines; with SS_NOPREFIX the ampersand shows.
TEST_F(StaticTest, PrefixUnderlinesUnlessNoPrefix) {
    const HWND with = make(SS_LEFT, "&M");
    const Ink a = ink(with, colour(COLOR_BTNFACE), 80, 50);
    DestroyWindow(with);
    const HWND without = make(SS_LEFT | SS_NOPREFIX, "&M");
    const Ink b = ink(without, colour(COLOR_BTNFACE), 80, 50);
    EXPECT_GT(b.right - b.left, a.right - a.left); // the ampersand's own width
    EXPECT_GT(a.bottom, 0);
}

TEST_F(StaticTest, HitTestAndNotificationsFollowSsNotify) {
    const HWND quiet = make(SS_LEFT, "x");
    const POINT inQuiet = screen_point(quiet, 5, 5);
    EXPECT_EQ(SendMessageA(quiet, WM_NCHITTEST, 0, MAKELPARAM(inQuiet.x, inQuiet.y)),
              HTTRANSPARENT);
    EXPECT_EQ(SendMessageA(quiet, WM_GETDLGCODE, 0, 0), DLGC_STATIC);
    plat::inject_mouse(inQuiet, 0, true);
    plat::inject_mouse(inQuiet, 0, false);
    pump();
    EXPECT_TRUE(frame_log().commands.empty());
    DestroyWindow(quiet);

    const HWND s = make(SS_LEFT | SS_NOTIFY, "x");
    const POINT in = screen_point(s, 5, 5);
    EXPECT_EQ(SendMessageA(s, WM_NCHITTEST, 0, MAKELPARAM(in.x, in.y)), HTCLIENT);
    for (int i = 0; i < 2; ++i) {
        plat::inject_mouse(in, 0, true);
        plat::inject_mouse(in, 0, false);
    }
    pump();
    EnableWindow(s, FALSE);
    EnableWindow(s, TRUE);
    std::vector<WPARAM> expected{MAKEWPARAM(Id, STN_CLICKED), MAKEWPARAM(Id, STN_DBLCLK),
                                 MAKEWPARAM(Id, STN_DISABLE), MAKEWPARAM(Id, STN_ENABLE)};
    EXPECT_EQ(frame_log().commands, expected);
}

TEST_F(StaticTest, BitmapSizesTheControlUnlessCentred) {
    std::vector<std::uint32_t> red(6 * 4, 0xFF0000);
    HBITMAP bm = CreateBitmap(6, 4, 1, 32, red.data());
    const HWND s = make(SS_BITMAP, "");
    EXPECT_EQ(SendMessageA(s, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bm)), 0);
    pump();
    RECT r;
    GetClientRect(s, &r);
    EXPECT_EQ(r.right, 6);
    EXPECT_EQ(r.bottom, 4);
    EXPECT_EQ(pixel(s, 5, 3), 0xFF0000u);
    EXPECT_EQ(SendMessageA(s, STM_GETIMAGE, IMAGE_BITMAP, 0), reinterpret_cast<LRESULT>(bm));
    EXPECT_EQ(SendMessageA(s, STM_GETIMAGE, IMAGE_ICON, 0), 0);
    EXPECT_EQ(SendMessageA(s, STM_SETIMAGE, 7, 1), 0); // no such image type
    DestroyWindow(s);

    const HWND c = make(SS_BITMAP | SS_CENTERIMAGE, "", RECT{10, 10, 40, 30});
    SendMessageA(c, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bm));
    pump();
    GetClientRect(c, &r);
    EXPECT_EQ(r.right, 30);
    EXPECT_EQ(pixel(c, 15, 10), 0xFF0000u);
    EXPECT_EQ(pixel(c, 0, 0), colour(COLOR_BTNFACE));
    DestroyWindow(c);
    DeleteObject(bm);
}

TEST_F(StaticTest, FramesAndRectangles) {
    struct Row {
        DWORD kind;
        int edge;   // COLOR_... at the corner
        int centre; // COLOR_... in the middle
    };
    constexpr std::array<Row, 7> rows{{
        {SS_BLACKRECT, COLOR_3DDKSHADOW, COLOR_3DDKSHADOW},
        {SS_GRAYRECT, COLOR_BTNSHADOW, COLOR_BTNSHADOW},
        {SS_WHITERECT, COLOR_BTNHIGHLIGHT, COLOR_BTNHIGHLIGHT},
        {SS_BLACKFRAME, COLOR_3DDKSHADOW, COLOR_WINDOW},
        {SS_GRAYFRAME, COLOR_BTNSHADOW, COLOR_WINDOW},
        {SS_WHITEFRAME, COLOR_BTNHIGHLIGHT, COLOR_WINDOW},
        {SS_ETCHEDFRAME, COLOR_BTNSHADOW, COLOR_WINDOW},
    }};
    for (const Row& row : rows) {
        const HWND s = make(row.kind, "");
        EXPECT_EQ(pixel(s, 0, 0), colour(row.edge)) << row.kind;
        EXPECT_EQ(pixel(s, 40, 25), colour(row.centre)) << row.kind;
        DestroyWindow(s);
        pump();
    }
}

// Out-of-range and odd inputs: a text of 100,000 characters, an icon name that names nothing.
TEST_F(StaticTest, LongTextAndMissingIcon) {
    const std::string longText(100000, 'W');
    const HWND s = make(SS_LEFT, longText.c_str());
    EXPECT_EQ(GetWindowTextLengthA(s), 100000);
    const HWND icon = make(SS_ICON, "NoSuchIcon");
    EXPECT_EQ(SendMessageA(icon, STM_GETICON, 0, 0), 0);
    const HWND numbered = make(SS_ICON, "#65000");
    EXPECT_EQ(SendMessageA(numbered, STM_GETIMAGE, IMAGE_ICON, 0), 0);
}

} // namespace
} // namespace ctltest
