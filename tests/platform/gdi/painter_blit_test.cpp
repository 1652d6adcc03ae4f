#include <gtest/gtest.h>

#include "gdi/painter.h"
#include "painter_test_util.h"

namespace plat {
namespace {

using test::inside;
using test::pixels_are;

constexpr Pixel kS = 0x00CC33F0, kD = 0x005A0FC3, kP = 0x0033AA55;

TEST(PainterBlit, EachRasterOperationOnColour) {
    struct Case {
        DWORD rop;
        Pixel expected;
    };
    const Pixel m = 0xFFFFFF;
    for (const Case& c :
         {Case{SRCCOPY, kS}, Case{SRCAND, kS & kD}, Case{SRCPAINT, kS | kD},
          Case{SRCINVERT, kS ^ kD}, Case{NOTSRCCOPY, ~kS & m}, Case{SRCERASE, kS & ~kD & m},
          Case{MERGECOPY, kP & kS}, Case{PATCOPY, kP}, Case{BLACKNESS, 0}, Case{WHITENESS, m},
          Case{NOTSRCERASE, ~(kS | kD) & m}, Case{MERGEPAINT, (~kS & m) | kD},
          Case{PATPAINT, kP | (~kS & m) | kD}, Case{PATINVERT, kP ^ kD}, Case{DSTINVERT, ~kD & m},
          // DPSoax, an operation without a fast path
          Case{0x00E20746, ((kP ^ kD) & kS) ^ kD}}) {
        Surface src(4, 4, kS), dst(6, 6, kD);
        Painter p(dst);
        p.bit_blt(RECT{1, 2, 4, 5}, src, POINT{0, 0}, c.rop, {}, Brush::solid(kP));
        EXPECT_TRUE(pixels_are(
            dst, [&](int x, int y) { return inside(x, y, 1, 2, 4, 5) ? c.expected : kD; }))
            << std::hex << c.rop;
    }
}

TEST(PainterBlit, SourceEdgesAndClipLimitTheCopy) {
    Surface src(3, 3);
    for (int i = 0; i < 9; ++i)
        src.pixels[i] = static_cast<Pixel>(i + 1);
    Surface dst(6, 6, 0xEEEEEE);
    Painter p(dst);
    p.set_origin(POINT{1, 0});
    p.set_clip({RECT{0, 0, 6, 2}, RECT{0, 3, 6, 6}});
    // Source starts at (1, -1): row -1 and column 3 do not exist.
    p.bit_blt(RECT{0, 0, 4, 5}, src, POINT{1, -1}, SRCCOPY);
    EXPECT_TRUE(pixels_are(dst, [&](int x, int y) -> Pixel {
        const int sx = x - 1 + 1, sy = y - 1;
        if (y == 2 || x < 1 || x >= 5 || sx >= 3 || sy < 0 || sy >= 3) return 0xEEEEEE;
        return src.at(sx, sy);
    }));
}

TEST(PainterBlit, ColourToMonoAndMonoToColour) {
    Surface colour(3, 1);
    colour.pixels = {0x112233, 0xABCDEF, 0x112233};
    Surface mono(3, 1, 0x777777);
    Painter pm(mono);
    pm.bit_blt(RECT{0, 0, 3, 1}, colour, POINT{0, 0}, SRCCOPY,
               BlitFormat{false, true, 0x112233, 0, 0xFFFFFF});
    EXPECT_EQ(mono.pixels, (std::vector<Pixel>{0xFFFFFF, 0, 0xFFFFFF}));

    Surface out(3, 1, 0);
    Painter pc(out);
    pc.bit_blt(RECT{0, 0, 3, 1}, mono, POINT{0, 0}, SRCCOPY,
               BlitFormat{true, false, 0, /*text*/ 0x00FF00, /*background*/ 0x0000FF});
    EXPECT_EQ(out.pixels, (std::vector<Pixel>{0x0000FF, 0x00FF00, 0x0000FF}));
}

TEST(PainterBlit, TransparentBitmapMaskSequence) {
    const Pixel key = 0xFF00FF, bg = 0x204060;
    Surface image(4, 2);
    image.pixels = {key, 0x112233, key, 0xFFFFFF, 0x000000, key, 0x445566, key};
    const Surface original = image;
    Surface mask(4, 2);
    Painter(mask).bit_blt(RECT{0, 0, 4, 2}, image, POINT{0, 0}, SRCCOPY,
                          BlitFormat{false, true, key, 0, 0xFFFFFF});
    // Transparent pixels of the image become black (mask 1 → background black).
    Painter(image).bit_blt(RECT{0, 0, 4, 2}, mask, POINT{0, 0}, SRCAND,
                           BlitFormat{true, false, 0, 0xFFFFFF, 0x000000});
    Surface screen(6, 4, bg);
    Painter ps(screen);
    ps.bit_blt(RECT{1, 1, 5, 3}, mask, POINT{0, 0}, SRCAND,
               BlitFormat{true, false, 0, 0x000000, 0xFFFFFF});
    ps.bit_blt(RECT{1, 1, 5, 3}, image, POINT{0, 0}, SRCPAINT);
    EXPECT_TRUE(pixels_are(screen, [&](int x, int y) {
        if (!inside(x, y, 1, 1, 5, 3)) return bg;
        const Pixel o = original.at(x - 1, y - 1);
        return o == key ? bg : o;
    }));
}

TEST(PainterBlit, StretchDoublesAndMirrors) {
    Surface src(2, 2);
    src.pixels = {1, 2, 3, 4};
    Surface dst(6, 5, 0);
    Painter p(dst);
    p.stretch_blt(RECT{1, 1, 5, 5}, src, RECT{0, 0, 2, 2}, SRCCOPY);
    EXPECT_TRUE(pixels_are(dst, [&](int x, int y) -> Pixel {
        if (!inside(x, y, 1, 1, 5, 5)) return 0;
        return src.at((x - 1) / 2, (y - 1) / 2);
    }));
    Surface m(2, 1, 0);
    Painter(m).stretch_blt(RECT{2, 0, 0, 1}, src, RECT{0, 0, 2, 1}, SRCCOPY);
    EXPECT_EQ(m.pixels, (std::vector<Pixel>{2, 1}));
    Surface h(1, 1, 0);
    Painter(h).stretch_blt(RECT{0, 0, 1, 1}, src, RECT{0, 0, 2, 2}, SRCCOPY);
    EXPECT_EQ(h.at(0, 0), 4u); // the centre of the cell samples the lower right source pixel
}

TEST(PainterBlit, ScrollMovesInsideTheAreaOnly) {
    Surface s(6, 6);
    for (int i = 0; i < 36; ++i)
        s.pixels[i] = static_cast<Pixel>(i);
    const Surface before = s;
    Painter p(s);
    p.scroll(RECT{1, 1, 5, 5}, 0, -2); // up by two rows
    EXPECT_TRUE(pixels_are(s, [&](int x, int y) {
        if (inside(x, y, 1, 1, 5, 3)) return before.at(x, y + 2);
        return before.at(x, y); // uncovered band keeps old pixels for the caller to repaint
    }));
    s = before;
    p.scroll(RECT{1, 1, 5, 5}, 1, 1);
    EXPECT_TRUE(pixels_are(s, [&](int x, int y) {
        if (inside(x, y, 2, 2, 5, 5)) return before.at(x - 1, y - 1);
        return before.at(x, y);
    }));
}

TEST(PainterBlit, PatBltWithPatternOnMonoDestination) {
    Surface d(2, 1, 0xFFFFFF);
    Painter p(d);
    p.bit_blt(RECT{0, 0, 2, 1}, d, POINT{0, 0}, MERGECOPY, BlitFormat{true, true, 0, 0, 0xFFFFFF},
              Brush::solid(0x202020));
    EXPECT_EQ(d.pixels, (std::vector<Pixel>{0, 0})); // dark brush is black on mono
}

} // namespace
} // namespace plat
