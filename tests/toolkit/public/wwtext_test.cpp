// Text output in the current window through the public routines: positions in window units,
// the text cursor, opaque cells, the font and colour settings and their query.
#include "core/context.h"
#include "core/textout.h"
#include "public/wwtext.h"

#include <gtest/gtest.h>

#include <string>

#include "gdi/surface.h"
#include "public/wunits.h"
#include "support/text_window.h"
#include "util/text_arg.h"

using namespace tess;
using plat::Pixel;
using plat::pixel_from_colorref;

namespace {

class WindowTextTest : public testsupport::TextWindowTest {
protected:
    void SetUp() override {
        TextWindowTest::SetUp();
        yytextwindowopen_();
    }
    static Pixel colour(int index) {
        return pixel_from_colorref(tk().text.wColour[static_cast<std::size_t>(index)]);
    }
    // Courier New, 8 × 16 pixels in the 1000 × 800 window.
    static FontDescription courier(int foreground = 0, int background = 15) {
        FontDescription f;
        f.Typeface = 4;
        f.CharWidth = 80;
        f.CharHeight = 200;
        f.Foreground = foreground;
        f.Background = background;
        return f;
    }
    // The character cells of a string written with its baseline at y from x to xEnd.
    RECT cells(int x, int y, int xEnd) {
        const TEXTMETRICA tm = text_metrics();
        return {x, y - tm.tmAscent, xEnd, y - tm.tmAscent + tm.tmHeight};
    }
};

TEST_F(WindowTextTest, OpeningSetsTheStartStateWithTheStockFont) {
    EXPECT_EQ(tk().tessar02.textMode[0], 'R');
    EXPECT_EQ(tk().tessar02.textMode[1], ' ');
    EXPECT_EQ(tk().text.hTextFont, GetStockObject(SYSTEM_FONT));
    const TEXTMETRICA tm = text_metrics();
    EXPECT_EQ(tk().tessar03.charWidthPixels, tm.tmAveCharWidth);
    EXPECT_EQ(tk().tessar03.charHeightPixels, tm.tmHeight);
    int wu = 0, hu = 0;
    WindowUnitsFromPixels(tm.tmAveCharWidth, tm.tmHeight, wu, hu);
    EXPECT_EQ(tk().tessar03.charWidth, wu);
    EXPECT_EQ(tk().tessar03.charHeight, hu);
    const int expected[] = {0, 0, 0, 0, 0, 0, 15, 0, wu, hu};
    for (int item = 1; item <= 10; ++item)
        EXPECT_EQ(WInfoFont(item), expected[item - 1]) << "item " << item;
    EXPECT_EQ(tk().text.wColour[16], GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(tk().text.wColour[17], GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(tk().text.wForeCol, 0);
    EXPECT_EQ(tk().text.wBackCol, 15);
}

TEST_F(WindowTextTest, StringSitsOnItsBaselineAndMovesTheCursorToItsEnd) {
    FontDescription f = courier(9, 13);
    f.Underline = 1;
    WindowFont(f);
    ASSERT_EQ(tk().tessar03.charWidthPixels, 8);
    // 300, 600 units are 30, 48 pixels; 30 cells of 8 pixels end at 270, which is 2702 units.
    const FixedString<30> text{"Tessaramond"};
    WindowOutString(300, 600, text);
    EXPECT_EQ(WInfoFont(1), 2702);
    EXPECT_EQ(WInfoFont(2), 600);

    const RECT all = cells(30, 48, 270);
    const RECT blanks{30 + 11 * 8, all.top, 270, all.bottom};
    // The underline runs 2 pixels below the baseline; elsewhere the trailing blanks are plain
    // background.
    EXPECT_EQ(count({30, 50, 270, 51}, colour(9)), 240);
    EXPECT_EQ(count(blanks, colour(13)), area(blanks) - (270 - blanks.left));
    const RECT letters{30, all.top, blanks.left, 48};
    EXPECT_GT(area(letters) - count(letters, colour(13)), 100);
    // Nothing outside the cells: the left edge is at 30.
    EXPECT_EQ(count({0, 0, Width, Height}, Unpainted), Width * Height - area(all));
    EXPECT_EQ(at(29, 40), Unpainted);
    EXPECT_NE(at(30, 40), Unpainted);
}

TEST_F(WindowTextTest, StringWrittenAtTheCursorContinuesTheLine) {
    WindowFont(courier(0, 7));
    WindowOutString(500, 1000, "Sin+");
    WindowOutString(WInfoFont(1), WInfoFont(2), "Cos");
    WindowOutString(500, 3000, "Sin+Cos");
    EXPECT_EQ(WInfoFont(2), 3003); // 240 pixels
    const RECT first = cells(50, 80, 50 + 7 * 8);
    const RECT second = cells(50, 240, 50 + 7 * 8);
    int differences = 0;
    for (LONG y = first.top - 2; y < first.bottom + 2; ++y)
        for (LONG x = first.left - 2; x < first.right + 10; ++x)
            differences += at(x, y) != at(x, y + (second.top - first.top));
    EXPECT_EQ(differences, 0);
    EXPECT_EQ(count({0, first.bottom, Width, second.top}, Unpainted),
              Width * (second.top - first.bottom));
}

TEST_F(WindowTextTest, NothingIsWrittenBeforeWindowOpen) {
    tk().tessar02 = {};
    WindowOutString(300, 600, "early");
    EXPECT_EQ(WInfoFont(1), 0);
    EXPECT_EQ(count({0, 0, Width, Height}, Unpainted), Width * Height);
    tk().tessar02.textMode = {'R', 'X'};
    WindowOutString(300, 600, "early");
    EXPECT_EQ(count({0, 0, Width, Height}, Unpainted), Width * Height);
}

TEST_F(WindowTextTest, BackgroundSixteenDrawsTheSystemWindowColour) {
    yysetfontcolourrgb_(16, 10, 20, 30); // entry 16 must not be used for backgrounds
    WindowFont(courier(1, 16));
    EXPECT_EQ(WInfoFont(7), 16);
    EXPECT_EQ(tk().text.wBackCol, 17);
    WindowOutString(0, 5000, "    ");
    const RECT blanks = cells(0, 400, 32);
    EXPECT_EQ(count(blanks, pixel_from_colorref(GetSysColor(COLOR_WINDOW))), area(blanks));
}

TEST_F(WindowTextTest, ColoursOutsideZeroToSixteenLeaveThePreviousOnes) {
    WindowFont(courier(9, 12));
    WindowFont(courier(17, -1));
    EXPECT_EQ(WInfoFont(6), 9);
    EXPECT_EQ(WInfoFont(7), 12);
    EXPECT_EQ(tk().text.wForeCol, 9);
    EXPECT_EQ(tk().text.wBackCol, 12);
    WindowFont(courier(-1, 17));
    EXPECT_EQ(WInfoFont(6), 9);
    EXPECT_EQ(WInfoFont(7), 12);
    WindowOutString(0, 5000, "    ");
    const RECT blanks = cells(0, 400, 32);
    EXPECT_EQ(count(blanks, colour(12)), area(blanks));
}

TEST_F(WindowTextTest, TypefaceOutOfRangeKeepsTheFontButRecordsTheRest) {
    WindowFont(courier(0, 15));
    const HFONT courierFont = tk().text.hTextFont;
    FontDescription f;
    f.Typeface = 7;
    f.CharWidth = 120;  // 12 pixels
    f.CharHeight = 300; // 24 pixels
    f.Bold = 5;
    f.Underline = 1;
    f.Foreground = 3;
    f.Background = 11;
    WindowFont(f);
    EXPECT_EQ(tk().text.hTextFont, courierFont);
    EXPECT_EQ(WInfoFont(8), 4);
    EXPECT_EQ(WInfoFont(3), 1);
    EXPECT_EQ(WInfoFont(5), 1);
    EXPECT_EQ(WInfoFont(6), 3);
    EXPECT_EQ(WInfoFont(7), 11);
    // The size asked for is reported in place of the font's.
    EXPECT_EQ(tk().tessar03.charWidthPixels, 12);
    EXPECT_EQ(tk().tessar03.charHeightPixels, 24);
    EXPECT_EQ(WInfoFont(9), 120);  // 12 × 9999 / 999, truncated
    EXPECT_EQ(WInfoFont(10), 300); // 24 × 9999 / 799
    // Text still comes in the old font, in the new colours.
    WindowOutString(0, 5000, "ten chars!");
    EXPECT_EQ(WInfoFont(1), 800); // 80 pixels
    EXPECT_EQ(count({0, 402, 80, 403}, colour(3)), 80);

    // The recorded settings take effect when the font is next made, e.g. by WindowSelect.
    yyfntsiz_(tk().tessar03.charWidth, tk().tessar03.charHeight);
    EXPECT_NE(tk().text.hTextFont, courierFont);
    EXPECT_EQ(text_metrics().tmWeight, FW_BOLD);
    EXPECT_EQ(tk().tessar03.charWidthPixels, 12);
    EXPECT_EQ(tk().tessar03.charHeightPixels, text_metrics().tmHeight);
}

TEST_F(WindowTextTest, StockTypefaceReportsItsOwnSizeNotTheRequestedOne) {
    FontDescription f;
    f.Typeface = 1;
    f.CharWidth = 500;
    f.CharHeight = 900;
    WindowFont(f);
    const TEXTMETRICA tm = text_metrics();
    EXPECT_EQ(tk().text.hTextFont, GetStockObject(SYSTEM_FIXED_FONT));
    int wu = 0, hu = 0;
    WindowUnitsFromPixels(tm.tmAveCharWidth, tm.tmHeight, wu, hu);
    EXPECT_EQ(WInfoFont(9), wu);
    EXPECT_EQ(WInfoFont(10), hu);
    EXPECT_NE(WInfoFont(9), 500);
    // The window-unit size asked for is kept for the next creation.
    EXPECT_EQ(tk().tessar03.charWidth, 500);
    EXPECT_EQ(tk().tessar03.charHeight, 900);
}

TEST_F(WindowTextTest, InfoItemsFollowWindowFont) {
    FontDescription f;
    f.Typeface = 3;
    f.CharWidth = 100;
    f.CharHeight = 250;
    f.Bold = -2;
    f.Italic = 1;
    f.Underline = 5;
    f.Foreground = 14;
    f.Background = 16;
    WindowFont(f);
    WindowOutString(1234, 4321, "x");
    const TEXTMETRICA tm = text_metrics();
    int wu = 0, hu = 0;
    WindowUnitsFromPixels(tm.tmAveCharWidth, tm.tmHeight, wu, hu);
    const int x = WInfoFont(1);
    EXPECT_GT(x, 1234);
    const int expected[] = {x, 4317, 1, 1, 1, 14, 16, 3, wu, hu}; // y: 345 pixels
    for (int item = 1; item <= 10; ++item)
        EXPECT_EQ(WInfoFont(item), expected[item - 1]) << "item " << item;
    EXPECT_EQ(tk().text.wUnderline, 5);
    EXPECT_NE(tm.tmItalic, 0);
    EXPECT_EQ(tm.tmWeight, FW_BOLD);
    for (int item : {0, 11, -1, 1000})
        EXPECT_EQ(WInfoFont(item), 0) << "item " << item;
}

TEST_F(WindowTextTest, ClearFillsTheWholeWindowAndLeavesTheCursor) {
    WindowFont(courier(0, 12));
    WindowOutString(300, 600, "abc");
    const int x = WInfoFont(1), y = WInfoFont(2);
    WindowClear();
    EXPECT_EQ(count({0, 0, Width, Height}, colour(12)), Width * Height);
    EXPECT_EQ(WInfoFont(1), x);
    EXPECT_EQ(WInfoFont(2), y);

    // The recorded size of the current window is what is cleared.
    tk().tessar01.windowWidth = 100;
    tk().tessar01.windowHeight = 50;
    WindowFont(courier(0, 10));
    WindowClear();
    EXPECT_EQ(count({0, 0, Width, Height}, colour(10)), 100 * 50);
    EXPECT_EQ(count({0, 0, 100, 50}, colour(10)), 100 * 50);
}

TEST_F(WindowTextTest, FontSizeFollowsTheCurrentWindowSize) {
    WindowFont(courier());
    EXPECT_EQ(tk().tessar03.charWidthPixels, 8);
    tk().tessar01.windowWidth = 500;
    tk().tessar01.windowHeight = 400;
    yyfntsiz_(tk().tessar03.charWidth, tk().tessar03.charHeight);
    EXPECT_EQ(tk().tessar03.charWidth, 80);
    EXPECT_EQ(tk().tessar03.charHeight, 200);
    EXPECT_EQ(tk().tessar03.charWidthPixels, 4);
    EXPECT_EQ(text_metrics().tmAveCharWidth, 4);
    EXPECT_EQ(tk().tessar03.charHeightPixels, text_metrics().tmHeight);
}

} // namespace
