// Polygon scan conversion: pixel centres inside, by the fill mode, then the outline.
#include <gtest/gtest.h>

#include <vector>

#include "gdi/painter.h"
#include "pixel_check.h"

using namespace plat;
using gditest::inside;
using gditest::pixels_match;

namespace {

constexpr Pixel kBg = 0x101010, kPen = 0xFF0000, kFill = 0x00FF00;

struct Case {
    const char* what;
    std::vector<POINT> points;
    int mode;
    std::function<bool(int, int)> filled; // the interior the brush must cover, exactly
};

TEST(Polygon, InteriorByPixelCentres) {
    const std::vector<Case> cases{
        // A rectangle keeps its top and left edge, loses its right and bottom one.
        {"rectangle",
         {{2, 3}, {10, 3}, {10, 9}, {2, 9}},
         ALTERNATE,
         [](int x, int y) {
             return inside(RECT{2, 3, 10, 9}, x, y);
         }},
        {"rectangle backwards",
         {{2, 9}, {10, 9}, {10, 3}, {2, 3}},
         WINDING,
         [](int x, int y) {
             return inside(RECT{2, 3, 10, 9}, x, y);
         }},
        // A right triangle: row y covers x with x + 0.5 < 2 + (y + 0.5 - 2).
        {"triangle",
         {{2, 2}, {2, 12}, {12, 12}},
         ALTERNATE,
         [](int x, int y) { return y >= 2 && y < 12 && x >= 2 && x < y; }},
        // Two overlapping squares drawn as one path: the overlap is outside by parity and
        // inside by winding.
        {"overlap alternate",
         {{2, 2}, {8, 2}, {8, 8}, {2, 8}, {2, 2}, {5, 5}, {11, 5}, {11, 11}, {5, 11}, {5, 5}},
         ALTERNATE,
         [](int x, int y) {
             return inside(RECT{2, 2, 8, 8}, x, y) != inside(RECT{5, 5, 11, 11}, x, y);
         }},
        {"overlap winding",
         {{2, 2}, {8, 2}, {8, 8}, {2, 8}, {2, 2}, {5, 5}, {11, 5}, {11, 11}, {5, 11}, {5, 5}},
         WINDING,
         [](int x, int y) {
             return inside(RECT{2, 2, 8, 8}, x, y) || inside(RECT{5, 5, 11, 11}, x, y);
         }},
        {"flat", {{2, 5}, {12, 5}, {7, 5}}, ALTERNATE, [](int, int) { return false; }},
        // Far outside the surface on three sides: only the visible part is visited.
        {"huge",
         {{-100000, -100000}, {100000, -100000}, {100000, 100000}, {-100000, 100000}},
         ALTERNATE,
         [](int, int) { return true; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Surface s(16, 16, kBg);
        Painter p(s);
        p.polygon(c.points, Pen{PS_NULL, 1, kPen}, Brush::solid(kFill), c.mode);
        EXPECT_TRUE(pixels_match(s, [&](int x, int y) { return c.filled(x, y) ? kFill : kBg; }));
    }
}

TEST(Polygon, OutlineAfterTheFillThroughTheRasterOperation) {
    Surface s(16, 16, kBg);
    Painter p(s);
    p.set_rop2(R2_XORPEN);
    p.set_clip({RECT{0, 0, 8, 16}});
    p.polygon(std::vector<POINT>{{2, 3}, {10, 3}, {10, 9}, {2, 9}}, Pen{PS_SOLID, 1, kPen},
              Brush::solid(kFill), ALTERNATE);
    EXPECT_TRUE(pixels_match(s, [](int x, int y) {
        if (x >= 8) return kBg; // clipped
        const bool fill = inside(RECT{2, 3, 10, 9}, x, y);
        const bool edge = inside(RECT{2, 3, 11, 10}, x, y) && !inside(RECT{3, 4, 10, 9}, x, y);
        Pixel v = kBg;
        if (fill) v ^= kFill;
        if (edge) v ^= kPen;
        return v;
    }));
}

} // namespace
