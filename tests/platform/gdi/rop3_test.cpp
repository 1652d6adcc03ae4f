// Ternary raster operations on colour pixels with known source, destination and pattern.
#include <gtest/gtest.h>

#include <array>

#include "gdi/rop3.h"
#include "pixel_check.h"

using namespace plat;
using gditest::inside;
using gditest::pixels_match;

namespace {

constexpr Pixel kMask = 0xFFFFFF;

struct Rop3Case {
    DWORD rop;
    const char* name;
    Pixel (*expected)(Pixel p, Pixel s, Pixel d);
};

// The operations written out as the raster-operation documentation states them.
constexpr std::array<Rop3Case, 16> kRop3{{
    {SRCCOPY, "SRCCOPY", [](Pixel, Pixel s, Pixel) -> Pixel { return s; }},
    {SRCPAINT, "SRCPAINT", [](Pixel, Pixel s, Pixel d) -> Pixel { return s | d; }},
    {SRCAND, "SRCAND", [](Pixel, Pixel s, Pixel d) -> Pixel { return s & d; }},
    {SRCINVERT, "SRCINVERT", [](Pixel, Pixel s, Pixel d) -> Pixel { return s ^ d; }},
    {SRCERASE, "SRCERASE", [](Pixel, Pixel s, Pixel d) -> Pixel { return s & ~d & kMask; }},
    {NOTSRCCOPY, "NOTSRCCOPY", [](Pixel, Pixel s, Pixel) -> Pixel { return ~s & kMask; }},
    {NOTSRCERASE, "NOTSRCERASE", [](Pixel, Pixel s, Pixel d) -> Pixel { return ~(s | d) & kMask; }},
    {MERGECOPY, "MERGECOPY", [](Pixel p, Pixel s, Pixel) -> Pixel { return p & s; }},
    {MERGEPAINT, "MERGEPAINT", [](Pixel, Pixel s, Pixel d) -> Pixel { return (~s | d) & kMask; }},
    {PATCOPY, "PATCOPY", [](Pixel p, Pixel, Pixel) -> Pixel { return p; }},
    {PATPAINT, "PATPAINT", [](Pixel p, Pixel s, Pixel d) -> Pixel { return (p | ~s | d) & kMask; }},
    {PATINVERT, "PATINVERT", [](Pixel p, Pixel, Pixel d) -> Pixel { return p ^ d; }},
    {DSTINVERT, "DSTINVERT", [](Pixel, Pixel, Pixel d) -> Pixel { return ~d & kMask; }},
    {BLACKNESS, "BLACKNESS", [](Pixel, Pixel, Pixel) -> Pixel { return 0; }},
    {WHITENESS, "WHITENESS", [](Pixel, Pixel, Pixel) -> Pixel { return kMask; }},
    // Not a named code: "S ? P : D", which only the general truth-table rule can produce.
    {0x00E20746, "DSPDxax", [](Pixel p, Pixel s, Pixel d) -> Pixel { return (s & p) | (~s & d); }},
}};

TEST(Rop3, EachOperationOnColourPixels) {
    const Surface src = gditest::numbered(8, 8, 0xC3A50F);
    Surface pattern(8, 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            pattern.row(y)[x] = (x + y) % 2 ? 0xF0F0F0 : 0x0F33CC;
    for (const Rop3Case& c : kRop3) {
        for (const bool patterned : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (patterned ? " pattern brush" : " solid brush"));
            Surface s = gditest::numbered(16, 16, 0x3C5A96);
            const Surface before = s;
            Painter p(s);
            p.set_origin(POINT{1, 1});
            const Brush brush = patterned ? Brush::tiled(pattern) : Brush::solid(0x96E14B);
            // Logical (2, 3)..(8, 8) is surface (3, 4)..(9, 9), fed from source (1, 2).
            blit(p, RECT{2, 3, 8, 8}, &src, POINT{1, 2}, brush, c.rop);
            const RECT r{3, 4, 9, 9};
            EXPECT_TRUE(pixels_match(s, [&](int x, int y) {
                const Pixel d = before.at(x, y);
                if (!inside(r, x, y)) return d;
                const Pixel pat = patterned ? pattern.at((x - 1) & 7, (y - 1) & 7) : 0x96E14B;
                return c.expected(pat, src.at(x - 2, y - 2), d);
            }));
        }
    }
}

TEST(Rop3, OperationsWithoutSourceAcceptNoSurface) {
    Surface s = gditest::numbered(16, 16);
    const Surface before = s;
    Painter p(s);
    blit(p, RECT{0, 0, 4, 4}, nullptr, POINT{0, 0}, Brush::solid(0x00FF00), PATINVERT);
    blit(p, RECT{8, 8, 16, 16}, nullptr, POINT{0, 0}, Brush::none(), SRCCOPY);
    EXPECT_TRUE(pixels_match(s, [&](int x, int y) {
        return inside(RECT{0, 0, 4, 4}, x, y) ? before.at(x, y) ^ 0x00FF00 : before.at(x, y);
    }));
}

TEST(Rop3, SourceOutsideItsSurfaceLeavesTheDestination) {
    const Surface src = gditest::numbered(4, 4, 0x808080);
    Surface s(16, 16, 0x111111);
    Painter p(s);
    blit(p, RECT{0, 0, 8, 8}, &src, POINT{-2, 1}, Brush::none(), SRCCOPY);
    EXPECT_TRUE(pixels_match(s, [&](int x, int y) {
        return inside(RECT{2, 0, 6, 3}, x, y) ? src.at(x - 2, y + 1) : 0x111111;
    }));
}

TEST(Rop3, ClipsToEveryClipRectangle) {
    const Surface src = gditest::numbered(16, 16, 0x404040);
    Surface s(16, 16, 0);
    Painter p(s);
    const RECT a{0, 0, 5, 16}, b{9, 9, 16, 12};
    p.set_clip({a, b});
    blit(p, RECT{2, 2, 14, 14}, &src, POINT{0, 0}, Brush::none(), SRCINVERT);
    EXPECT_TRUE(pixels_match(s, [&](int x, int y) {
        const bool hit = inside(RECT{2, 2, 14, 14}, x, y) && (inside(a, x, y) || inside(b, x, y));
        return hit ? src.at(x - 2, y - 2) : 0;
    }));
}

TEST(Rop3, OverlappingCopyWithinOneSurface) {
    for (const POINT shift : {POINT{1, 1}, POINT{-2, 0}, POINT{0, -3}, POINT{3, -1}}) {
        SCOPED_TRACE(std::to_string(shift.x) + "," + std::to_string(shift.y));
        Surface s = gditest::numbered(16, 16);
        const Surface before = s;
        Painter p(s);
        p.set_clip({RECT{0, 0, 16, 8}, RECT{0, 8, 16, 16}});
        const RECT r{4 + shift.x, 4 + shift.y, 12 + shift.x, 12 + shift.y};
        blit(p, r, &s, POINT{4, 4}, Brush::none(), SRCCOPY);
        EXPECT_TRUE(pixels_match(s, [&](int x, int y) {
            return inside(r, x, y) ? before.at(x - shift.x, y - shift.y) : before.at(x, y);
        }));
    }
}

TEST(StretchBlit, ScalesMirrorsAndSamplesPixelCentres) {
    Surface src(2, 2);
    src.row(0)[0] = 0x100000;
    src.row(0)[1] = 0x200000;
    src.row(1)[0] = 0x300000;
    src.row(1)[1] = 0x400000;
    Surface s(16, 16, 0x777777);
    Painter p(s);
    stretch_blit(p, RECT{0, 0, 4, 6}, &src, RECT{0, 0, 2, 2}, Brush::none(), SRCCOPY);
    // A negative destination width mirrors horizontally.
    stretch_blit(p, RECT{12, 0, 8, 4}, &src, RECT{0, 0, 2, 2}, Brush::none(), SRCCOPY);
    // Shrinking 16 pixels to 4 samples the centre of each group of 4: source 2, 6, 10, 14.
    const Surface wide = gditest::numbered(16, 1);
    stretch_blit(p, RECT{0, 10, 4, 11}, &wide, RECT{0, 0, 16, 1}, Brush::none(), SRCCOPY);
    EXPECT_TRUE(pixels_match(s, [&](int x, int y) -> Pixel {
        if (inside(RECT{0, 0, 4, 6}, x, y)) return src.at(x / 2, y / 3);
        if (inside(RECT{8, 0, 12, 4}, x, y)) return src.at(1 - (x - 8) / 2, y / 2);
        if (inside(RECT{0, 10, 4, 11}, x, y)) return wide.at(x * 4 + 2, 0);
        return 0x777777;
    }));
}

} // namespace
