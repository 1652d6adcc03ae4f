#include <gtest/gtest.h>

#include "gdi/rop3.h"
#include "pixel_check.h"

using namespace plat;
using gditest::inside;
using gditest::pixels_match;

namespace {

TEST(ScrollRect, OverlappingMovesInEveryDirection) {
    const RECT area{2, 3, 13, 12};
    for (const POINT d :
         {POINT{0, 2}, POINT{0, -2}, POINT{3, 0}, POINT{-3, 0}, POINT{2, -1}, POINT{-1, 4}}) {
        SCOPED_TRACE(std::to_string(d.x) + "," + std::to_string(d.y));
        Surface s = gditest::numbered(16, 16);
        const Surface before = s;
        const RECT written = scroll_rect(s, area, d.x, d.y, &area);
        const RECT moved{area.left + d.x, area.top + d.y, area.right + d.x, area.bottom + d.y};
        const RECT expect = rect_intersect(moved, area);
        EXPECT_EQ(written.left, expect.left);
        EXPECT_EQ(written.bottom, expect.bottom);
        // Inside the overlap the old pixels arrive shifted; the uncovered band keeps its
        // pixels for the caller to repaint; nothing outside the clip changes.
        EXPECT_TRUE(pixels_match(s, [&](int x, int y) {
            return inside(expect, x, y) ? before.at(x - d.x, y - d.y) : before.at(x, y);
        }));
    }
}

TEST(ScrollRect, WithoutClipPixelsMayLeaveTheAreaButNotTheSurface) {
    Surface s = gditest::numbered(16, 16);
    const Surface before = s;
    const RECT written = scroll_rect(s, RECT{10, 0, 16, 4}, 4, 2, nullptr);
    EXPECT_EQ(written.right, 16);
    EXPECT_EQ(written.left, 14);
    EXPECT_TRUE(pixels_match(s, [&](int x, int y) {
        return inside(RECT{14, 2, 16, 6}, x, y) ? before.at(x - 4, y - 2) : before.at(x, y);
    }));
    EXPECT_TRUE(rect_empty(scroll_rect(s, RECT{0, 0, 4, 4}, 20, 0, nullptr)));
}

} // namespace
