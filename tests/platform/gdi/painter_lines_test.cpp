#include <gtest/gtest.h>

#include "gdi/painter.h"
#include "painter_test_util.h"

namespace plat {
namespace {

using test::pixels_are;

constexpr Pixel kBg = 0x000000, kPen = 0x00FF00;

TEST(PainterLines, EndPointExcludedInEveryDirection) {
    for (const POINT end : {POINT{8, 2}, POINT{1, 2}, POINT{5, 7}, POINT{5, 0}}) {
        Surface s(10, 10, kBg);
        Painter p(s);
        p.line(POINT{5, 2}, end, Pen{PS_SOLID, 1, kPen});
        const int dx = end.x - 5, dy = end.y - 2;
        EXPECT_TRUE(pixels_are(s,
                               [&](int x, int y) {
                                   for (int i = 0; i < std::max(std::abs(dx), std::abs(dy)); ++i)
                                       if (x == 5 + (dx > 0   ? i
                                                     : dx < 0 ? -i
                                                              : 0) &&
                                           y == 2 + (dy > 0   ? i
                                                     : dy < 0 ? -i
                                                              : 0))
                                           return kPen;
                                   return kBg;
                               }))
            << end.x << "," << end.y;
    }
}

TEST(PainterLines, DiagonalAndClip) {
    Surface s(8, 8, kBg);
    Painter p(s);
    p.set_clip({RECT{0, 0, 8, 4}});
    p.line(POINT{0, 0}, POINT{7, 7}, Pen{PS_SOLID, 1, kPen});
    EXPECT_TRUE(pixels_are(s, [](int x, int y) { return x == y && y < 4 ? kPen : kBg; }));
}

TEST(PainterLines, DashStylesRunLengths) {
    struct Case {
        int style;
        std::vector<int> runs;
    };
    for (const Case& c :
         {Case{PS_DASH, {18, 6}}, Case{PS_DOT, {3, 3}}, Case{PS_DASHDOT, {9, 6, 3, 6}},
          Case{PS_DASHDOTDOT, {9, 3, 3, 3, 3, 3}}}) {
        Surface s(60, 1, kBg);
        Painter p(s);
        p.line(POINT{0, 0}, POINT{60, 0}, Pen{c.style, 1, kPen});
        int period = 0;
        for (int r : c.runs)
            period += r;
        for (int x = 0; x < 60; ++x) {
            int ph = x % period;
            bool on = true;
            for (std::size_t i = 0; i < c.runs.size(); ++i) {
                if (ph < c.runs[i]) {
                    on = i % 2 == 0;
                    break;
                }
                ph -= c.runs[i];
            }
            EXPECT_EQ(s.at(x, 0), on ? kPen : kBg) << "style " << c.style << " x " << x;
        }
    }
}

TEST(PainterLines, WidePenAndRop2) {
    Surface s(9, 9, kBg);
    Painter p(s);
    p.line(POINT{2, 4}, POINT{7, 4}, Pen{PS_DASH, 3, kPen}); // wide pens draw solid
    EXPECT_TRUE(pixels_are(
        s, [](int x, int y) { return x >= 1 && x < 8 && y >= 3 && y < 6 ? kPen : kBg; }));

    struct Case {
        int rop2;
        Pixel expected;
    };
    const Pixel pen = 0x00F0F0, dst = 0x0F00FF;
    for (const Case& c :
         {Case{R2_COPYPEN, pen}, Case{R2_MERGEPEN, pen | dst}, Case{R2_MASKPEN, pen & dst},
          Case{R2_XORPEN, pen ^ dst}, Case{R2_NOT, ~dst & 0xFFFFFF}, Case{R2_BLACK, 0},
          Case{R2_WHITE, 0xFFFFFF}, Case{R2_NOP, dst}, Case{R2_NOTCOPYPEN, ~pen & 0xFFFFFF},
          Case{R2_MASKPENNOT, pen & ~dst & 0xFFFFFF},
          Case{R2_NOTXORPEN, ~(pen ^ dst) & 0xFFFFFF}}) {
        Surface t(3, 1, dst);
        Painter q(t);
        q.set_rop2(c.rop2);
        q.line(POINT{0, 0}, POINT{2, 0}, Pen{PS_SOLID, 1, pen});
        EXPECT_EQ(t.at(0, 0), c.expected) << "rop2 " << c.rop2;
        EXPECT_EQ(t.at(1, 0), c.expected) << "rop2 " << c.rop2;
        EXPECT_EQ(t.at(2, 0), dst) << "rop2 " << c.rop2;
    }
}

} // namespace
} // namespace plat
