// The sixteen binary raster operations, through pen fills and lines.
#include <gtest/gtest.h>

#include <array>

#include "gdi/painter.h"
#include "pixel_check.h"

using namespace plat;
using gditest::inside;
using gditest::pixels_match;

namespace {

constexpr Pixel kMask = 0xFFFFFF;

struct Rop2Case {
    int rop2;
    const char* name;
    Pixel (*expected)(Pixel pen, Pixel dst);
};

// The operations as the R2_* documentation defines them.
constexpr std::array<Rop2Case, 16> kRop2{{
    {R2_BLACK, "BLACK", [](Pixel, Pixel) -> Pixel { return 0; }},
    {R2_NOTMERGEPEN, "NOTMERGEPEN", [](Pixel p, Pixel d) -> Pixel { return ~(p | d) & kMask; }},
    {R2_MASKNOTPEN, "MASKNOTPEN", [](Pixel p, Pixel d) -> Pixel { return ~p & d & kMask; }},
    {R2_NOTCOPYPEN, "NOTCOPYPEN", [](Pixel p, Pixel) -> Pixel { return ~p & kMask; }},
    {R2_MASKPENNOT, "MASKPENNOT", [](Pixel p, Pixel d) -> Pixel { return p & ~d & kMask; }},
    {R2_NOT, "NOT", [](Pixel, Pixel d) -> Pixel { return ~d & kMask; }},
    {R2_XORPEN, "XORPEN", [](Pixel p, Pixel d) -> Pixel { return p ^ d; }},
    {R2_NOTMASKPEN, "NOTMASKPEN", [](Pixel p, Pixel d) -> Pixel { return ~(p & d) & kMask; }},
    {R2_MASKPEN, "MASKPEN", [](Pixel p, Pixel d) -> Pixel { return p & d; }},
    {R2_NOTXORPEN, "NOTXORPEN", [](Pixel p, Pixel d) -> Pixel { return ~(p ^ d) & kMask; }},
    {R2_NOP, "NOP", [](Pixel, Pixel d) -> Pixel { return d; }},
    {R2_MERGENOTPEN, "MERGENOTPEN", [](Pixel p, Pixel d) -> Pixel { return (~p | d) & kMask; }},
    {R2_COPYPEN, "COPYPEN", [](Pixel p, Pixel) -> Pixel { return p; }},
    {R2_MERGEPENNOT, "MERGEPENNOT", [](Pixel p, Pixel d) -> Pixel { return (p | ~d) & kMask; }},
    {R2_MERGEPEN, "MERGEPEN", [](Pixel p, Pixel d) -> Pixel { return p | d; }},
    {R2_WHITE, "WHITE", [](Pixel, Pixel) -> Pixel { return kMask; }},
}};

TEST(Rop2, EveryModeOnKnownPixelsInsideOnly) {
    const Pixel pen = 0xCC33A5;
    for (const Rop2Case& c : kRop2) {
        SCOPED_TRACE(c.name);
        Surface s = gditest::numbered(16, 16, 0x5A0F3C);
        const Surface before = s;
        Painter p(s);
        p.set_rop2(c.rop2);
        const RECT r{3, 2, 11, 9};
        p.fill_rect(r, pen, Painter::FillMode::pen);
        EXPECT_TRUE(pixels_match(s, [&](int x, int y) {
            const Pixel d = before.at(x, y);
            return inside(r, x, y) ? c.expected(pen, d) : d;
        }));
    }
}

TEST(Rop2, LinesUseTheModeAndXorTwiceRestores) {
    Surface s = gditest::numbered(16, 16);
    const Surface before = s;
    Painter p(s);
    p.set_rop2(R2_XORPEN);
    const Pen pen{PS_SOLID, 1, 0x00FF00};
    p.line(POINT{1, 3}, POINT{14, 3}, pen);
    EXPECT_TRUE(pixels_match(s, [&](int x, int y) {
        const Pixel d = before.at(x, y);
        return y == 3 && x >= 1 && x < 14 ? d ^ 0x00FF00 : d;
    }));
    p.line(POINT{1, 3}, POINT{14, 3}, pen);
    EXPECT_TRUE(pixels_match(s, [&](int x, int y) { return before.at(x, y); }));
}

} // namespace
