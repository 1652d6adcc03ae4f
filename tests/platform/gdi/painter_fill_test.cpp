#include <gtest/gtest.h>

#include "gdi/painter.h"
#include "painter_test_util.h"

namespace plat {
namespace {

using test::inside;
using test::pixels_are;

constexpr Pixel kBg = 0x101010, kRed = 0xFF0000, kBlue = 0x0000FF;

TEST(PainterFill, CoversExactlyItsPixelsWithOriginAndClipList) {
    Surface s(12, 10, kBg);
    Painter p(s);
    p.fill_rect(RECT{2, 3, 5, 7}, kRed);
    EXPECT_TRUE(pixels_are(s, [](int x, int y) { return inside(x, y, 2, 3, 5, 7) ? kRed : kBg; }));

    // Origin moves, the clip is two disjoint bands; the rectangle also leaves the surface.
    s = Surface(12, 10, kBg);
    p.set_origin(POINT{1, 1});
    p.set_clip({RECT{0, 0, 12, 3}, RECT{0, 6, 12, 8}, RECT{-5, -5, 0, 0}});
    p.fill_rect(RECT{-3, -3, 20, 20}, kBlue);
    EXPECT_TRUE(
        pixels_are(s, [](int, int y) { return (y < 3 || (y >= 6 && y < 8)) ? kBlue : kBg; }));

    s = Surface(12, 10, kBg);
    p.fill_rect(RECT{5, 5, 5, 9}, kBlue); // empty
    p.fill_rect(RECT{5, 5, 3, 9}, kBlue); // inverted
    EXPECT_TRUE(pixels_are(s, [](int, int) { return kBg; }));
}

TEST(PainterFill, SaveRestoreAndIntersectClip) {
    Surface s(10, 10, kBg);
    Painter p(s);
    {
        Painter::Saver saver(p);
        p.translate(2, 2);
        p.intersect_clip(RECT{0, 0, 3, 3}); // surface 2..5
        p.fill_rect(RECT{-10, -10, 10, 10}, kRed);
    }
    EXPECT_EQ(p.state().origin.x, 0);
    p.fill_rect(RECT{8, 8, 9, 9}, kBlue); // clip restored
    EXPECT_TRUE(pixels_are(s, [](int x, int y) {
        if (x == 8 && y == 8) return kBlue;
        return inside(x, y, 2, 2, 5, 5) ? kRed : kBg;
    }));
    p.restore(); // restoring the base state keeps it
    p.fill_rect(RECT{0, 0, 1, 1}, kRed);
    EXPECT_EQ(s.at(0, 0), kRed);
}

TEST(PainterFill, FrameRectAndPixels) {
    Surface s(8, 8, kBg);
    Painter p(s);
    p.frame_rect(RECT{1, 1, 6, 5}, Brush::solid(kRed));
    EXPECT_TRUE(pixels_are(s, [](int x, int y) {
        const bool in = inside(x, y, 1, 1, 6, 5), core = inside(x, y, 2, 2, 5, 4);
        return in && !core ? kRed : kBg;
    }));
    p.set_clip({RECT{0, 0, 4, 4}});
    p.set_pixel(3, 3, kBlue);
    p.set_pixel(4, 3, kBlue); // clipped
    EXPECT_EQ(s.at(3, 3), kBlue);
    EXPECT_EQ(s.at(4, 3), kBg);
    EXPECT_EQ(p.get_pixel(3, 3), kBlue);
    EXPECT_FALSE(p.get_pixel(4, 3).has_value());
}

TEST(PainterFill, RectangleInteriorStopsAtRightAndBottomMinusOne) {
    Surface s(10, 10, kBg);
    Painter p(s);
    p.rectangle(RECT{1, 2, 7, 8}, Pen{PS_SOLID, 1, kRed}, Brush::solid(kBlue));
    EXPECT_TRUE(pixels_are(s, [](int x, int y) {
        if (!inside(x, y, 1, 2, 7, 8)) return kBg;
        return inside(x, y, 2, 3, 6, 7) ? kBlue : kRed;
    }));
    s = Surface(10, 10, kBg);
    p.rectangle(RECT{1, 2, 7, 8}, Pen{PS_NULL, 1, kRed}, Brush::solid(kBlue));
    EXPECT_TRUE(pixels_are(s, [](int x, int y) { return inside(x, y, 1, 2, 6, 7) ? kBlue : kBg; }));
    s = Surface(10, 10, kBg);
    p.rectangle(RECT{1, 2, 7, 8}, Pen{PS_SOLID, 1, kRed}, Brush::none());
    EXPECT_TRUE(pixels_are(s, [](int x, int y) {
        return inside(x, y, 1, 2, 7, 8) && !inside(x, y, 2, 3, 6, 7) ? kRed : kBg;
    }));
}

TEST(PainterFill, PatternBrushTilesFromItsOrigin) {
    Surface pat(2, 2);
    pat.pixels = {kRed, kBlue, kBlue, kRed};
    Surface s(6, 5, kBg);
    Painter p(s);
    p.fill_rect(RECT{1, 1, 5, 4}, Brush::tiled(pat, POINT{1, 0}));
    EXPECT_TRUE(pixels_are(s, [](int x, int y) {
        if (!inside(x, y, 1, 1, 5, 4)) return kBg;
        return ((x - 1) + y) % 2 == 0 ? kRed : kBlue;
    }));
}

} // namespace
} // namespace plat
