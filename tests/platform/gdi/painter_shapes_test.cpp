// Rectangle and LineTo rasterisation.
#include <gtest/gtest.h>

#include "gdi/painter.h"
#include "pixel_check.h"

using namespace plat;
using gditest::inside;
using gditest::pixels_match;

namespace {

constexpr Pixel kBg = 0x101010, kPen = 0xFF0000, kFill = 0x00FF00;

TEST(Rectangle, PenOnTheEdgesAndBrushInside) {
    Surface s(16, 16, kBg);
    Painter p(s);
    p.rectangle(RECT{2, 3, 10, 9}, Pen{PS_SOLID, 1, kPen}, Brush::solid(kFill));
    EXPECT_TRUE(pixels_match(s, [](int x, int y) {
        if (inside(RECT{3, 4, 9, 8}, x, y)) return kFill;
        return inside(RECT{2, 3, 10, 9}, x, y) ? kPen : kBg;
    }));
}

TEST(Rectangle, NullPenFillLosesTheLastRowAndColumn) {
    Surface s(16, 16, kBg);
    Painter p(s);
    p.rectangle(RECT{2, 3, 10, 9}, Pen{PS_NULL, 1, kPen}, Brush::solid(kFill));
    EXPECT_TRUE(pixels_match(s, [](int x, int y) {
        return inside(RECT{2, 3, 9, 8}, x, y) ? kFill : kBg;
    }));
}

TEST(Rectangle, NullBrushLeavesTheInside) {
    Surface s(16, 16, kBg);
    Painter p(s);
    p.rectangle(RECT{10, 9, 2, 3}, Pen{PS_SOLID, 1, kPen}, Brush::none());
    EXPECT_TRUE(pixels_match(s, [](int x, int y) {
        return inside(RECT{2, 3, 10, 9}, x, y) && !inside(RECT{3, 4, 9, 8}, x, y) ? kPen : kBg;
    }));
}

TEST(Rectangle, WidePenIsCentredOnTheEdgeAndCombinedOnce) {
    Surface s(16, 16, kBg);
    Painter p(s);
    p.set_rop2(R2_XORPEN);
    p.rectangle(RECT{4, 4, 12, 10}, Pen{PS_SOLID, 3, kPen}, Brush::solid(kFill));
    // The edge lines x = 4 and x = 11, y = 4 and y = 9, each widened by one pixel both ways.
    EXPECT_TRUE(pixels_match(s, [](int x, int y) {
        if (inside(RECT{6, 6, 10, 8}, x, y)) return kBg ^ kFill;
        return inside(RECT{3, 3, 13, 11}, x, y) ? kBg ^ kPen : kBg;
    }));
}

TEST(Rectangle, InsideFramePenStaysInsideTheRectangle) {
    Surface s(16, 16, kBg);
    Painter p(s);
    // Three pixels from each side leave no inside at six pixels high.
    p.rectangle(RECT{4, 4, 12, 10}, Pen{PS_INSIDEFRAME, 3, kPen}, Brush::solid(kFill));
    EXPECT_TRUE(pixels_match(s, [](int x, int y) {
        return inside(RECT{4, 4, 12, 10}, x, y) ? kPen : kBg;
    }));
    p.rectangle(RECT{0, 0, 16, 16}, Pen{PS_INSIDEFRAME, 2, kPen}, Brush::solid(kFill));
    EXPECT_TRUE(pixels_match(s, [](int x, int y) {
        return inside(RECT{2, 2, 14, 14}, x, y) ? kFill : kPen;
    }));
}

TEST(Rectangle, DottedOutlineRunsRoundTheEdge) {
    Surface s(16, 16, kBg);
    Painter p(s);
    p.rectangle(RECT{1, 1, 9, 5}, Pen{PS_DOT, 1, kPen}, Brush::none());
    // Perimeter order: top left to right, right side down, bottom right to left, left up.
    int perimeter[16][16];
    for (auto& row : perimeter)
        for (int& v : row)
            v = -1;
    int k = 0;
    for (int x = 1; x < 8; ++x)
        perimeter[1][x] = k++;
    for (int y = 1; y < 4; ++y)
        perimeter[y][8] = k++;
    for (int x = 8; x > 1; --x)
        perimeter[4][x] = k++;
    for (int y = 4; y > 1; --y)
        perimeter[y][1] = k++;
    EXPECT_TRUE(pixels_match(s, [&](int x, int y) {
        const int i = perimeter[y][x];
        return i >= 0 && i % 6 < 3 ? kPen : kBg;
    }));
}

TEST(Line, LeavesOutTheEndPointInEveryDirection) {
    struct Case {
        POINT a, b;
    };
    for (const Case c : {Case{{2, 5}, {9, 5}}, Case{{9, 5}, {2, 5}}, Case{{4, 1}, {4, 12}},
                         Case{{1, 1}, {8, 8}}, Case{{8, 1}, {1, 8}}}) {
        SCOPED_TRACE(std::to_string(c.a.x) + "," + std::to_string(c.a.y));
        Surface s(16, 16, kBg);
        Painter p(s);
        p.line(c.a, c.b, Pen{PS_SOLID, 1, kPen});
        const int n = std::max(std::abs(c.b.x - c.a.x), std::abs(c.b.y - c.a.y));
        const int sx = (c.b.x > c.a.x) - (c.b.x < c.a.x), sy = (c.b.y > c.a.y) - (c.b.y < c.a.y);
        EXPECT_TRUE(pixels_match(s, [&](int x, int y) {
            for (int i = 0; i < n; ++i)
                if (x == c.a.x + i * sx && y == c.a.y + i * sy) return kPen;
            return kBg;
        }));
    }
}

TEST(Line, ShallowSlopeStepsOncePerColumn) {
    Surface s(16, 16, kBg);
    Painter p(s);
    p.line(POINT{0, 0}, POINT{10, 2}, Pen{PS_SOLID, 1, kPen});
    int painted = 0;
    for (int x = 0; x < 16; ++x) {
        int in_column = 0;
        for (int y = 0; y < 16; ++y)
            in_column += s.at(x, y) == kPen;
        EXPECT_EQ(in_column, x < 10 ? 1 : 0) << "column " << x;
        painted += in_column;
    }
    EXPECT_EQ(painted, 10);
    EXPECT_EQ(s.at(0, 0), kPen);
}

TEST(Line, DashPatternAndPhaseCarryAcrossSegments) {
    Surface s(48, 4, kBg);
    Painter p(s);
    const Pen dash{PS_DASH, 1, kPen};
    // 18 on, 6 off; the second segment continues the pattern at phase 20.
    const int phase = p.line(POINT{0, 1}, POINT{20, 1}, dash);
    EXPECT_EQ(phase, 20);
    p.line(POINT{20, 1}, POINT{40, 1}, dash, phase);
    const Pen dashdotdot{PS_DASHDOTDOT, 1, kPen};
    p.line(POINT{0, 3}, POINT{48, 3}, dashdotdot);
    EXPECT_TRUE(pixels_match(s, [](int x, int y) {
        if (y == 1) return x < 40 && x % 24 < 18 ? kPen : kBg;
        if (y == 3) {
            const int k = x % 24; // 9 on, 3 off, 3 on, 3 off, 3 on, 3 off
            return k < 9 || (k >= 12 && k < 15) || (k >= 18 && k < 21) ? kPen : kBg;
        }
        return kBg;
    }));
}

TEST(Line, OpaqueBackgroundFillsTheGaps) {
    Surface s(12, 1, kBg);
    Painter p(s);
    p.line(POINT{0, 0}, POINT{11, 0}, Pen{PS_DOT, 1, kPen, kFill});
    EXPECT_TRUE(pixels_match(s, [](int x, int) {
        if (x == 11) return kBg;
        return x % 6 < 3 ? kPen : kFill;
    }));
}

TEST(Line, ClippedAndTranslated) {
    Surface s(16, 16, kBg);
    Painter p(s);
    p.set_origin(POINT{1, 2});
    p.set_clip({RECT{0, 0, 6, 16}, RECT{10, 0, 16, 16}});
    p.line(POINT{-5, 3}, POINT{30, 3}, Pen{PS_SOLID, 1, kPen});
    EXPECT_TRUE(
        pixels_match(s, [](int x, int y) { return y == 5 && (x < 6 || x >= 10) ? kPen : kBg; }));
}

TEST(Line, WidePenCombinesEachPixelOnce) {
    Surface s(16, 16, kBg);
    Painter p(s);
    p.set_rop2(R2_XORPEN);
    p.line(POINT{2, 4}, POINT{12, 4}, Pen{PS_DASH, 3, kPen}); // wide pens draw solid
    EXPECT_TRUE(pixels_match(s, [](int x, int y) {
        // Squares centred on x = 2..11: the end point is left out here too.
        return inside(RECT{1, 3, 13, 6}, x, y) ? kBg ^ kPen : kBg;
    }));
}

} // namespace
