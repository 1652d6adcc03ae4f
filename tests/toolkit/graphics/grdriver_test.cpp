// The screen driver's attributes as the platform got them: pen, mix mode, line style, clip
// region and font, with their caches, and what the user sees drawn through them.
#include <array>
#include <vector>

#include "graphics/grstate.h"
#include "graphics/palette.h"
#include "graphics/screen_driver.h"
#include "grstate_fixture.h"

namespace {

using grtest::GraphicsWindow;
using Quad = std::array<float, 4>;

class ScreenDriver : public GraphicsWindow {};

constexpr plat::Pixel White = 0xFFFFFF, Black = 0x000000;

TEST_F(ScreenDriver, ARepeatedColourPairMakesNoPlatformCall) {
    open(200, 100);
    // Each step: the colour number and whether the (previous, current) pair is new.
    struct Step {
        int colour;
        bool newPen;
    };
    const std::vector<Step> steps{{5, true},  {5, true},  {5, false},  {5, false},
                                  {90, true}, {90, true}, {90, false}, {5, true}};
    HGDIOBJ last = pen();
    for (std::size_t i = 0; i < steps.size(); ++i) {
        IGrColourN(steps[i].colour);
        const HGDIOBJ now = pen();
        EXPECT_EQ(now != last, steps[i].newPen) << "step " << i;
        EXPECT_EQ(now, driver().gPen) << "step " << i;
        // A replaced pen is gone.
        if (now != last) {
            EXPECT_EQ(GetObjectA(last, 0, nullptr), 0) << "step " << i;
        }
        last = now;
    }
    int r = 0, g = 0, b = 0;
    tess::xxpalg_(5, r, g, b);
    EXPECT_EQ(pen_info().lopnColor, GetNearestColor(dc(), RGB(r, g, b)));
}

TEST_F(ScreenDriver, TwoColourScreensDrawNonZeroColoursBlackOnWhite) {
    open(120, 80, 1);
    for (const auto& [colour, expected] :
         std::vector<std::pair<int, COLORREF>>{{0, RGB(255, 255, 255)},
                                               {37, RGB(0, 0, 0)},
                                               {223, RGB(0, 0, 0)},
                                               {0, RGB(255, 255, 255)}}) {
        IGrColourN(colour);
        EXPECT_EQ(pen_info().lopnColor, expected) << colour;
    }
}

TEST_F(ScreenDriver, PaletteScreensDrawWithPaletteIndices) {
    open(160, 120, 8, 64);
    const HPALETTE palette = tess::graphics().colours.gPal256;
    ASSERT_NE(palette, nullptr);
    EXPECT_EQ(GetCurrentObject(dc(), OBJ_PAL), palette);
    for (const auto& [colour, index] :
         std::vector<std::pair<int, WORD>>{{100, 25}, {255, 63}, {0, 0}, {4, 1}}) {
        IGrColourN(colour);
        IGrColourN(colour);
        EXPECT_EQ(pen_info().lopnColor, PALETTEINDEX(index)) << colour;
    }
    // A newly current window gets the palette too.
    tess::WindowDescription d;
    d.Flags = 7;
    d.Left = d.Top = 40;
    d.Width = 100;
    d.Height = 80;
    d.Title = "Kind";
    int n = -1;
    WindowOpenChild(d, n);
    ASSERT_GT(n, 0);
    EXPECT_EQ(GetCurrentObject(tess::window(n).dc, OBJ_PAL), palette);
}

TEST_F(ScreenDriver, PlotModesAndLineTypesReachTheContext) {
    open(200, 100);
    const std::vector<std::pair<int, int>> modes{{0, R2_COPYPEN}, {1, R2_MERGEPEN}, {2, R2_MASKPEN},
                                                 {3, R2_XORPEN},  {7, R2_XORPEN},   {-1, R2_XORPEN},
                                                 {0, R2_COPYPEN}, {4, R2_COPYPEN}};
    for (const auto& [mode, rop] : modes) {
        tess::xxmwinplotmode_(mode);
        EXPECT_EQ(GetROP2(dc()), rop) << mode;
    }
    IGrColourN(16);
    const COLORREF colour = pen_info().lopnColor;
    const std::vector<std::pair<int, int>> types{
        {0, PS_SOLID},   {1, PS_DOT},  {2, PS_DASH}, {3, PS_DASHDOT}, {4, PS_DASHDOTDOT},
        {5, PS_DASHDOT}, {6, PS_DASH}, {9, PS_DASH}, {-2, PS_DASH},   {0, PS_SOLID}};
    for (const auto& [type, style] : types) {
        tess::xxmwinlinetype_(type);
        EXPECT_EQ(static_cast<int>(pen_info().lopnStyle), style) << type;
        EXPECT_EQ(pen_info().lopnColor, colour) << "the colour stays with line type " << type;
    }
}

TEST_F(ScreenDriver, LinesShowInTheLineTypeAndPlotMode) {
    open(200, 100);
    PatBlt(dc(), 0, 0, 200, 100, WHITENESS);
    IGrColourN(223); // black
    auto inked_after_line = [&](int y) {
        MoveToEx(dc(), 10, y, nullptr);
        LineTo(dc(), 110, y);
        int inked = 0;
        for (int x = 10; x < 110; ++x)
            inked += shown(x, y) != White;
        return inked;
    };
    EXPECT_EQ(inked_after_line(20), 100) << "solid";
    EXPECT_EQ(shown(110, 20), White) << "the end point is not drawn";
    tess::xxmwinlinetype_(1);
    const int dotted = inked_after_line(30);
    EXPECT_GT(dotted, 20);
    EXPECT_LT(dotted, 80);
    tess::xxmwinlinetype_(0);
    IGrColourN(16);
    tess::xxmwinplotmode_(3);
    EXPECT_EQ(inked_after_line(40), 100);
    EXPECT_EQ(inked_after_line(40), 0) << "a line drawn twice in exclusive-or mode is gone";
}

struct ClipCase {
    Quad area;
    RECT clip; // empty: no clip region
};

TEST_F(ScreenDriver, TheClipRegionIsTheAreaWithYFlipped) {
    open(200, 100);
    const std::vector<ClipCase> cases{
        {{0, 0, 0.5f, 0.5f}, {0, 50, 100, 100}},     // lower left
        {{0.25f, 0.5f, 0.75f, 1}, {49, 0, 150, 51}}, // upper middle
        {{0, 0, 1, 1}, {0, 0, 0, 0}},                // the whole window
        {{0.5f, 0, 1, 1}, {99, 0, 200, 100}},        // right half
        {{0, 0.999f, 1, 1}, {0, 0, 200, 1}},         // one row along the top edge
    };
    for (const ClipCase& c : cases) {
        IGrArea(c.area[0], c.area[1], c.area[2], c.area[3]);
        const RECT box = clip_box();
        EXPECT_EQ(box.left, c.clip.left) << c.area[0] << ' ' << c.area[1];
        EXPECT_EQ(box.top, c.clip.top) << c.area[0] << ' ' << c.area[1];
        EXPECT_EQ(box.right, c.clip.right) << c.area[0] << ' ' << c.area[1];
        EXPECT_EQ(box.bottom, c.clip.bottom) << c.area[0] << ' ' << c.area[1];
        EXPECT_EQ(driver().gRegion == nullptr, c.clip.right == 0);
    }
}

TEST_F(ScreenDriver, DrawingStaysInsideTheArea) {
    open(200, 100);
    PatBlt(dc(), 0, 0, 200, 100, WHITENESS);
    IGrArea(0, 0, 0.5f, 0.5f);
    PatBlt(dc(), 0, 0, 200, 100, BLACKNESS);
    const std::vector<std::array<int, 3>> probes{
        {0, 99, 1}, {99, 50, 1},  {99, 99, 1},  {100, 99, 0}, {99, 49, 0},
        {0, 0, 0},  {199, 99, 0}, {150, 20, 0}, {50, 75, 1},
    };
    for (const auto& [x, y, black] : probes)
        EXPECT_EQ(shown(x, y), black ? Black : White) << x << ',' << y;
}

TEST_F(ScreenDriver, TheFontIsCreatedOnlyForANewRequest) {
    open(600, 400);
    auto& s = tess::graphics().state;
    struct Step {
        int spacing, fontNumber;
        float angle;
        bool newFont;
        std::array<int, 5> request;
    };
    const std::vector<Step> steps{
        {0, 1, 0, false, {1, 8, 16, 0, 0}}, // as the screen set-up made it
        {0, 1, 0, false, {1, 8, 16, 0, 0}},
        {1, 1, 0, true, {1, 4, 13, 0, 1}}, // proportional: swiss, narrower and shorter
        {1, 1, 0, false, {1, 4, 13, 0, 1}},
        {1, 6, 0, true, {6, 4, 13, 0, 2}}, // roman for 5 to 8
        {1, 6, 30.7f, true, {6, 4, 13, 30, 2}},
        {2, 6, 30.7f, false, {6, 4, 13, 30, 2}}, // hardware spacing asks for the same font
        {0, 6, 30.7f, true, {6, 8, 16, 30, 0}},
    };
    HFONT last = driver().gFont;
    ASSERT_NE(last, nullptr);
    for (std::size_t i = 0; i < steps.size(); ++i) {
        s.spacing = steps[i].spacing;
        s.fontNumber = steps[i].fontNumber;
        s.textAngle = steps[i].angle;
        tess::xxgdrv_(21);
        EXPECT_EQ(driver().gFont != last, steps[i].newFont) << "step " << i;
        EXPECT_EQ(driver().fontRequest, steps[i].request) << "step " << i;
        last = driver().gFont;
    }
    EXPECT_FLOAT_EQ(s.charCells[0], 75.0f);
    EXPECT_FLOAT_EQ(s.charCells[1], 25.0f);
    // The offset is half what the font's cell exceeds the requested height by.
    HDC probe = CreateCompatibleDC(dc());
    const HGDIOBJ old = SelectObject(probe, driver().gFont);
    TEXTMETRICA tm{};
    ASSERT_TRUE(GetTextMetricsA(probe, &tm));
    SelectObject(probe, old);
    DeleteDC(probe);
    EXPECT_FLOAT_EQ(driver().textOffset, static_cast<float>(tm.tmHeight - 16) / 2.0f);
}

TEST_F(ScreenDriver, HalfTheAreaHoldsTwiceTheCharacters) {
    open(600, 400);
    IGrArea(0, 0, 0.5f, 0.5f);
    tess::xxgdrv_(21);
    const auto& s = tess::graphics().state;
    EXPECT_FLOAT_EQ(s.charCells[0], 150.0f);
    EXPECT_FLOAT_EQ(s.charCells[1], 50.0f);
    EXPECT_EQ(driver().fontRequest[1], 4);
    EXPECT_EQ(driver().fontRequest[2], 8);
}

TEST_F(ScreenDriver, TheCurrentWindowsContextGetsThePenAndModes) {
    open(300, 200);
    tess::xxmwinplotmode_(3);
    IGrColourN(40);
    tess::WindowDescription d;
    d.Flags = 7;
    d.Left = d.Top = 50;
    d.Width = 160;
    d.Height = 120;
    d.Title = "Kind";
    int n = -1;
    WindowOpenChild(d, n);
    ASSERT_GT(n, 0);
    for (int w : {n, 0, n}) {
        WindowSelect(w);
        SCOPED_TRACE(w);
        EXPECT_EQ(dc(), tess::window(w).dc);
        EXPECT_EQ(driver().Window, tess::window(w).client);
        EXPECT_EQ(GetCurrentObject(dc(), OBJ_PEN), driver().gPen);
        EXPECT_EQ(GetROP2(dc()), R2_XORPEN);
        EXPECT_EQ(GetBkMode(dc()), TRANSPARENT);
        EXPECT_EQ(driver().WinWidth, w ? 160 : 300);
        EXPECT_EQ(tess::graphics().state.deviceSize[0], w ? 160 : 300);
    }
    // A new colour in the child replaces the pen there.
    const HGDIOBJ before = pen();
    IGrColourN(41);
    EXPECT_NE(pen(), before);
    EXPECT_EQ(pen(), driver().gPen);
}

TEST_F(ScreenDriver, ClosingTheWindowReleasesTheDriversObjects) {
    open(200, 100);
    IGrArea(0.1f, 0.1f, 0.5f, 0.5f);
    IGrColourN(12);
    const HGDIOBJ objects[] = {driver().gPen, driver().gRegion, driver().gFont, driver().gBitmap};
    for (HGDIOBJ o : objects)
        ASSERT_NE(o, nullptr);
    WindowClose();
    for (HGDIOBJ o : objects)
        EXPECT_FALSE(DeleteObject(o)) << "already deleted";
    EXPECT_EQ(driver().gPen, nullptr);
}

} // namespace
