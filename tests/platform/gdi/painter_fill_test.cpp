#include <gtest/gtest.h>

#include "gdi/painter.h"
#include "pixel_check.h"

using namespace plat;
using gditest::inside;
using gditest::pixels_match;

namespace {

constexpr Pixel kBg = 0x123456, kInk = 0xA0B0C0;

TEST(PainterFill, CoversExactlyItsPixelsAfterTranslation) {
    Surface s(16, 16, kBg);
    Painter p(s);
    p.translate(2, 1);
    p.fill_rect(RECT{3, 4, 9, 7}, kInk);
    EXPECT_TRUE(pixels_match(s, [](int x, int y) {
        return inside(RECT{5, 5, 11, 8}, x, y) ? kInk : kBg;
    }));
}

TEST(PainterFill, EmptyAndInvertedRectanglesPaintNothing) {
    Surface s(16, 16, kBg);
    Painter p(s);
    p.fill_rect(RECT{5, 5, 5, 9}, kInk);
    p.fill_rect(RECT{9, 5, 4, 9}, kInk);
    p.fill_rect(RECT{-20, -20, -1, 30}, kInk);
    EXPECT_TRUE(pixels_match(s, [](int, int) { return kBg; }));
}

TEST(PainterFill, ClipsToSeveralRectangles) {
    Surface s(16, 16, kBg);
    Painter p(s);
    const RECT a{0, 0, 6, 6}, b{10, 2, 20, 5}, c{4, 12, 8, 16};
    p.set_clip({a, b, c});
    p.fill_rect(RECT{2, 1, 14, 14}, kInk);
    EXPECT_TRUE(pixels_match(s, [&](int x, int y) {
        const bool in_clip = inside(a, x, y) || inside(b, x, y) || inside(c, x, y);
        return in_clip && inside(RECT{2, 1, 14, 14}, x, y) ? kInk : kBg;
    }));
}

TEST(PainterFill, OverlappingClipRectanglesCombineEachPixelOnce) {
    Surface s(16, 16, kBg);
    Painter p(s);
    const RECT a{1, 1, 9, 9}, b{5, 5, 13, 13};
    p.set_clip({a, b, a});
    p.set_rop2(R2_XORPEN);
    p.fill_rect(RECT{0, 0, 16, 16}, kInk, Painter::FillMode::pen);
    EXPECT_TRUE(pixels_match(
        s, [&](int x, int y) { return inside(a, x, y) || inside(b, x, y) ? kBg ^ kInk : kBg; }));
}

TEST(PainterFill, IntersectClipCanExcludeEverything) {
    Surface s(16, 16, kBg);
    Painter p(s);
    p.intersect_clip(RECT{0, 0, 4, 4});
    p.intersect_clip(RECT{8, 8, 12, 12});
    p.fill_rect(RECT{0, 0, 16, 16}, kInk);
    p.set_pixel(9, 9, kInk);
    EXPECT_FALSE(p.get_pixel(9, 9).has_value());
    EXPECT_TRUE(pixels_match(s, [](int, int) { return kBg; }));
    p.reset_clip();
    p.fill_rect(RECT{0, 0, 16, 16}, kInk);
    EXPECT_TRUE(pixels_match(s, [](int, int) { return kInk; }));
}

TEST(PainterFill, BrushFillsCopyWhilePenFillsFollowTheRasterOperation) {
    Surface s(16, 16, kBg);
    Painter p(s);
    p.set_rop2(R2_MASKPEN);
    p.fill_rect(RECT{0, 0, 8, 16}, kInk);
    p.fill_rect(RECT{8, 0, 16, 16}, kInk, Painter::FillMode::pen);
    EXPECT_TRUE(pixels_match(s, [](int x, int) { return x < 8 ? kInk : (kInk & kBg); }));
}

TEST(PainterFill, PatternBrushIsAlignedToTheOrigin) {
    Surface pattern(8, 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            pattern.row(y)[x] = static_cast<Pixel>(y * 16 + x);
    Surface s(16, 16, kBg);
    Painter p(s);
    p.set_origin(POINT{3, 2});
    p.fill_rect(RECT{-3, -2, 13, 14}, Brush::tiled(pattern));
    EXPECT_TRUE(pixels_match(
        s, [](int x, int y) { return static_cast<Pixel>(((y - 2) & 7) * 16 + ((x - 3) & 7)); }));
    // The brush origin shifts the pattern further.
    p.fill_rect(RECT{-3, -2, 13, 14}, Brush::tiled(pattern, POINT{1, 5}));
    EXPECT_TRUE(pixels_match(
        s, [](int x, int y) { return static_cast<Pixel>(((y - 7) & 7) * 16 + ((x - 4) & 7)); }));
}

TEST(PainterFill, FrameRectPaintsOnlyTheBorderInsideTheRectangle) {
    Surface s(16, 16, kBg);
    Painter p(s);
    p.set_rop2(R2_XORPEN); // ignored by brushes
    const RECT r{2, 3, 10, 9};
    p.frame_rect(r, Brush::solid(kInk));
    EXPECT_TRUE(pixels_match(s, [&](int x, int y) {
        return inside(r, x, y) && !inside(RECT{3, 4, 9, 8}, x, y) ? kInk : kBg;
    }));
}

TEST(PainterState, SaverRestoresOriginClipAndRasterOperation) {
    Surface s(16, 16, kBg);
    Painter p(s);
    p.set_origin(POINT{1, 1});
    {
        PainterStateSaver saver(p);
        p.translate(4, 4);
        p.intersect_clip(RECT{0, 0, 2, 2});
        p.set_rop2(R2_NOT);
        EXPECT_EQ(p.state().origin.x, 5);
    }
    EXPECT_EQ(p.state().origin.x, 1);
    EXPECT_EQ(p.state().rop2, R2_COPYPEN);
    EXPECT_TRUE(p.state().clip.empty());
    p.fill_rect(RECT{0, 0, 2, 2}, kInk, Painter::FillMode::pen);
    EXPECT_TRUE(pixels_match(s, [](int x, int y) {
        return inside(RECT{1, 1, 3, 3}, x, y) ? kInk : kBg;
    }));
}

TEST(PainterPixels, SetPixelIgnoresTheRasterOperationAndHonoursTheClip) {
    Surface s(16, 16, kBg);
    Painter p(s);
    p.set_rop2(R2_XORPEN);
    p.set_origin(POINT{2, 2});
    p.set_clip({RECT{0, 0, 8, 8}});
    p.set_pixel(1, 1, kInk);
    p.set_pixel(7, 7, kInk); // surface (9, 9): clipped away
    p.set_pixel(-5, 0, kInk);
    EXPECT_EQ(p.get_pixel(1, 1), kInk);
    EXPECT_EQ(p.get_pixel(-2, -2), kBg);
    EXPECT_FALSE(p.get_pixel(7, 7).has_value());
    EXPECT_FALSE(p.get_pixel(-3, 0).has_value());
    EXPECT_TRUE(pixels_match(s, [](int x, int y) { return x == 3 && y == 3 ? kInk : kBg; }));
}

} // namespace
