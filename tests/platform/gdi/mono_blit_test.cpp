// Colour/monochrome conversion in blits and the transparent-bitmap mask sequences built on it.
#include <gtest/gtest.h>

#include "gdi/rop3.h"
#include "pixel_check.h"

using namespace plat;
using gditest::pixels_match;

namespace {

constexpr Pixel kWhite = 0xFFFFFF, kMagenta = 0xFF00FF;

// A 6x6 image whose border and centre are the transparent colour.
Surface sprite() {
    Surface s = gditest::numbered(6, 6, 0x204060);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x)
            if (x == 0 || y == 0 || x == 5 || y == 5 || (x == 2 && y == 3)) s.row(y)[x] = kMagenta;
    return s;
}

bool transparent(const Surface& img, int x, int y) {
    return img.at(x, y) == kMagenta;
}

Surface make_mask(const Surface& image) {
    Surface mask(image.width, image.height, 0x123456);
    Painter mp(mask);
    BlitFormat to_mono;
    to_mono.dst_mono = true;
    to_mono.src_background = kMagenta;
    blit(mp, RECT{0, 0, image.width, image.height}, &image, POINT{0, 0}, Brush::none(), SRCCOPY,
         to_mono);
    return mask;
}

TEST(MonoBlit, ColourToMonoTurnsTheSourceBackgroundWhite) {
    const Surface image = sprite();
    const Surface mask = make_mask(image);
    EXPECT_TRUE(pixels_match(
        mask, [&](int x, int y) { return transparent(image, x, y) ? kWhite : Pixel{0}; }));
}

TEST(MonoBlit, MonoToColourUsesTextForZeroAndBackgroundForOne) {
    Surface mono(4, 1);
    mono.row(0)[1] = kWhite;
    mono.row(0)[3] = kWhite;
    Surface s(4, 2, 0x333333);
    Painter p(s);
    BlitFormat from_mono;
    from_mono.src_mono = true;
    from_mono.dst_text = 0x0000FF;
    from_mono.dst_background = 0x00FF00;
    blit(p, RECT{0, 0, 4, 1}, &mono, POINT{0, 0}, Brush::none(), SRCCOPY, from_mono);
    EXPECT_TRUE(pixels_match(s, [](int x, int y) -> Pixel {
        if (y == 1) return 0x333333;
        return x % 2 ? 0x00FF00 : 0x0000FF;
    }));
}

class TransparentBitmap : public ::testing::Test {
protected:
    static constexpr int kX = 5, kY = 4;
    Surface image = sprite();
    Surface mask = make_mask(image);
    Surface screen = gditest::numbered(16, 16, 0x0A0B0C);
    const Surface before = screen;
    Painter painter{screen};
    BlitFormat mono_to_screen = [] {
        BlitFormat f;
        f.src_mono = true;
        f.dst_text = 0x000000;
        f.dst_background = kWhite;
        return f;
    }();
    const RECT target{kX, kY, kX + 6, kY + 6};

    ::testing::AssertionResult image_over_background() const {
        return pixels_match(screen, [&](int x, int y) {
            if (!gditest::inside(target, x, y)) return before.at(x, y);
            return transparent(image, x - kX, y - kY) ? before.at(x, y) : image.at(x - kX, y - kY);
        });
    }
};

TEST_F(TransparentBitmap, InvertMaskInvertSequence) {
    blit(painter, target, &image, POINT{0, 0}, Brush::none(), SRCINVERT);
    blit(painter, target, &mask, POINT{0, 0}, Brush::none(), SRCAND, mono_to_screen);
    blit(painter, target, &image, POINT{0, 0}, Brush::none(), SRCINVERT);
    EXPECT_TRUE(image_over_background());
}

TEST_F(TransparentBitmap, BlackenedImagePaintedThroughTheMask) {
    // Blacken the transparent pixels of the image: the mask's 1 bits must become black there.
    Painter ip(image);
    BlitFormat inverted = mono_to_screen;
    inverted.dst_text = kWhite;
    inverted.dst_background = 0x000000;
    const Surface original = image;
    blit(ip, RECT{0, 0, 6, 6}, &mask, POINT{0, 0}, Brush::none(), SRCAND, inverted);
    blit(painter, target, &mask, POINT{0, 0}, Brush::none(), SRCAND, mono_to_screen);
    blit(painter, target, &image, POINT{0, 0}, Brush::none(), SRCPAINT);
    image = original;
    EXPECT_TRUE(image_over_background());
}

TEST(MonoBlit, ConversionHelpers) {
    EXPECT_EQ(mono_from_color(0x010203, 0x010203), kWhite);
    EXPECT_EQ(mono_from_color(0x010204, 0x010203), 0u);
    EXPECT_EQ(color_from_mono(0, 0xAA0000, 0x00BB00), 0xAA0000u);
    EXPECT_EQ(color_from_mono(kWhite, 0xAA0000, 0x00BB00), 0x00BB00u);
}

} // namespace
