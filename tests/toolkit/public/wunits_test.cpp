// Window units against pixels of the current window's client area.
#include "core/context.h"
#include "public/wunits.h"

#include <climits>
#include <gtest/gtest.h>

namespace {

class WindowUnitsTest : public ::testing::Test {
protected:
    void SetUp() override { size(1000, 800); }
    void TearDown() override { tess::tk().tessar01 = {}; }
    static void size(int w, int h) {
        tess::tk().tessar01.windowWidth = w;
        tess::tk().tessar01.windowHeight = h;
    }
    static std::pair<int, int> to_pixels(int x, int y) {
        int px = -7, py = -7;
        WindowUnitsToPixels(x, y, px, py);
        return {px, py};
    }
    static std::pair<int, int> from_pixels(int x, int y) {
        int ux = -7, uy = -7;
        WindowUnitsFromPixels(x, y, ux, uy);
        return {ux, uy};
    }
};

using P = std::pair<int, int>;

TEST_F(WindowUnitsTest, UnitsToPixelsUseWidthForXAndHeightForY) {
    EXPECT_EQ(to_pixels(300, 600), P(30, 48));
    EXPECT_EQ(to_pixels(9999, 9999), P(1000, 800)); // one past the last pixel
    EXPECT_EQ(to_pixels(0, 0), P(0, 0));
    EXPECT_EQ(to_pixels(6500, 3000), P(650, 240));
    EXPECT_EQ(to_pixels(-300, -600), P(-30, -48)); // truncated towards zero
    EXPECT_EQ(to_pixels(10, 13), P(1, 1));         // 1.0001 and 1.0401
    EXPECT_EQ(to_pixels(9, 12), P(0, 0));
}

TEST_F(WindowUnitsTest, FullRangeMapsOntoTheFullSizeForEveryWidth) {
    // 1/9999 in single precision is slightly too large; formed exactly, the product never
    // falls short of the size.
    for (int w = 1; w <= 4000; ++w) {
        size(w, w);
        ASSERT_EQ(to_pixels(9999, 9999), P(w, w)) << w;
    }
}

TEST_F(WindowUnitsTest, PixelsToUnitsTruncateTheScaledPixel) {
    EXPECT_EQ(from_pixels(999, 799), P(9999, 9999));
    EXPECT_EQ(from_pixels(30, 48), P(300, 600));
    EXPECT_EQ(from_pixels(270, 0), P(2702, 0));
    EXPECT_EQ(from_pixels(650, 400), P(6505, 5005)); // not the inverse of 6500 units
    EXPECT_EQ(from_pixels(-30, -1), P(-300, -12));
}

TEST_F(WindowUnitsTest, WindowsOfNoOrOnePixelGiveZeroUnits) {
    size(1, 0);
    EXPECT_EQ(from_pixels(5, 5), P(0, 0));
    size(0, -3);
    EXPECT_EQ(from_pixels(5, 5), P(0, 0));
    EXPECT_EQ(to_pixels(9999, 0), P(0, 0));
    size(2, 2);
    EXPECT_EQ(from_pixels(1, 1), P(9999, 9999));
}

TEST_F(WindowUnitsTest, FarOutCoordinatesSaturate) {
    size(2, 2);
    EXPECT_EQ(from_pixels(INT_MAX, INT_MIN), P(INT_MAX, INT_MIN));
    size(60000, 60000);
    EXPECT_EQ(to_pixels(INT_MAX, INT_MIN), P(INT_MAX, INT_MIN));
}

TEST_F(WindowUnitsTest, ResultsMayOverwriteTheirOwnArguments) {
    int x = 300, y = 600;
    WindowUnitsToPixels(x, y, x, y);
    EXPECT_EQ(P(x, y), P(30, 48));
    WindowUnitsFromPixels(x, y, y, x);
    EXPECT_EQ(P(x, y), P(600, 300));
}

} // namespace
