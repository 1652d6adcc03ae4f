// Damage found by comparing the framebuffer with what was last shown.
#include <gtest/gtest.h>

#include "backend/x11/x11_damage.h"

using plat::Surface;
using plat::x11::DamageTile;
using plat::x11::take_damage;

namespace {

constexpr int T = DamageTile;

bool same(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST(X11Damage, NothingChangedSendsNothing) {
    Surface now(4 * T, 3 * T, 7), shown(4 * T, 3 * T, 7);
    EXPECT_TRUE(take_damage(now, shown, {0, 0, 4 * T, 3 * T}).empty());
}

TEST(X11Damage, OneChangedPixelSendsItsTileAndUpdatesTheCopy) {
    Surface now(4 * T, 3 * T, 0), shown(4 * T, 3 * T, 0);
    now.row(T + 5)[2 * T + 1] = 0xFF0000;
    const auto rects = take_damage(now, shown, {0, 0, 4 * T, 3 * T});
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_TRUE(same(rects[0], {2 * T, T, 3 * T, 2 * T}));
    EXPECT_EQ(shown.at(2 * T + 1, T + 5), 0xFF0000u);
    // Shown now, so it is not sent twice.
    EXPECT_TRUE(take_damage(now, shown, {0, 0, 4 * T, 3 * T}).empty());
}

TEST(X11Damage, ChangesOutsideTheDirtyRectangleWait) {
    Surface now(4 * T, 2 * T, 0), shown(4 * T, 2 * T, 0);
    now.row(0)[0] = 1;
    now.row(0)[3 * T] = 2;
    const auto rects = take_damage(now, shown, {3 * T, 0, 4 * T, T});
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_TRUE(same(rects[0], {3 * T, 0, 4 * T, T}));
    EXPECT_EQ(shown.at(0, 0), 0u);
}

TEST(X11Damage, NeighbouringTilesJoinAlongRowsAndDown) {
    Surface now(5 * T, 4 * T, 0), shown(5 * T, 4 * T, 0);
    // A block covering tiles 1..2 of rows 0..1, and tile 4 of row 3 alone.
    now.fill({T + 3, 3, 3 * T - 1, 2 * T - 2}, 9);
    now.row(3 * T + 1)[4 * T + 1] = 9;
    const auto rects = take_damage(now, shown, {0, 0, 5 * T, 4 * T});
    ASSERT_EQ(rects.size(), 2u);
    EXPECT_TRUE(same(rects[0], {T, 0, 3 * T, 2 * T}));
    EXPECT_TRUE(same(rects[1], {4 * T, 3 * T, 5 * T, 4 * T}));
}

TEST(X11Damage, RowsWithDifferentRunsStayApart) {
    Surface now(3 * T, 2 * T, 0), shown(3 * T, 2 * T, 0);
    now.row(0)[0] = 1;     // row 0: tile 0
    now.row(T)[2 * T] = 1; // row 1: tile 2
    const auto rects = take_damage(now, shown, {0, 0, 3 * T, 2 * T});
    ASSERT_EQ(rects.size(), 2u);
    EXPECT_TRUE(same(rects[0], {0, 0, T, T}));
    EXPECT_TRUE(same(rects[1], {2 * T, T, 3 * T, 2 * T}));
}

TEST(X11Damage, PartialTilesAtTheEdgesAreClipped) {
    Surface now(T + 5, T + 3, 0), shown(T + 5, T + 3, 0);
    now.row(T + 2)[T + 4] = 1;
    const auto rects = take_damage(now, shown, {-10, -10, 1000, 1000});
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_TRUE(same(rects[0], {T, T, T + 5, T + 3}));
}

TEST(X11Damage, SurfacesOfDifferentSizesAreNotCompared) {
    Surface now(T, T, 1), shown(T, 2 * T, 0);
    EXPECT_TRUE(take_damage(now, shown, {0, 0, T, T}).empty());
}

} // namespace
