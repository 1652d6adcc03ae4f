// Clip regions and scrolling on a headless window.
#include <gtest/gtest.h>

#include <windows.h>

#include "support/headless_window.h"

namespace {

using RegionScrollTest = testsupport::HeadlessWindowTest;

TEST_F(RegionScrollTest, CombinedRegionsClipExactly) {
    const HRGN a = CreateRectRgn(0, 0, 20, 20);
    const HRGN b = CreateRectRgn(10, 10, 30, 30);
    const HRGN r = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(CombineRgn(r, a, b, RGN_DIFF), COMPLEXREGION);
    EXPECT_TRUE(PtInRegion(r, 5, 15));
    EXPECT_FALSE(PtInRegion(r, 15, 15));
    RECT box;
    EXPECT_EQ(GetRgnBox(r, &box), COMPLEXREGION);
    EXPECT_EQ(box.right, 20);
    HDC dc = GetDC(top);
    SelectClipRgn(dc, r);
    RECT all{0, 0, 40, 30};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) {
            const bool inside = x < 20 && y < 20 && !(x >= 10 && y >= 10);
            ASSERT_EQ(at(x, y), inside ? 0u : 0xFFFFFFu) << x << "," << y;
        }
    SelectClipRgn(dc, nullptr);
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    EXPECT_EQ(at(39, 29), 0u);
    ReleaseDC(top, dc);
    EXPECT_EQ(CombineRgn(r, a, reinterpret_cast<HRGN>(0x55), RGN_AND), ERROR);
    DeleteObject(a);
    DeleteObject(b);
    DeleteObject(r);
}

TEST_F(RegionScrollTest, ScrollMovesPixelsAndInvalidatesOnlyTheUncoveredBand) {
    // Each row gets its own colour.
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            surface().row(y)[x] = static_cast<plat::Pixel>(y * 0x010101);
    RECT update;
    EXPECT_FALSE(GetUpdateRect(top, &update, FALSE));
    RECT band{};
    const HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(ScrollWindowEx(top, 0, -10, nullptr, nullptr, region, &band, SW_INVALIDATE),
              SIMPLEREGION);
    EXPECT_EQ(band.top, 20);
    EXPECT_EQ(band.bottom, 30);
    EXPECT_EQ(band.left, 0);
    EXPECT_EQ(band.right, 40);
    ASSERT_TRUE(GetUpdateRect(top, &update, FALSE));
    EXPECT_TRUE(EqualRect(&update, &band));
    for (int y = 0; y < 20; ++y)
        EXPECT_EQ(surface().at(7, y), static_cast<plat::Pixel>((y + 10) * 0x010101));
    EXPECT_TRUE(PtInRegion(region, 0, 25));
    EXPECT_FALSE(PtInRegion(region, 0, 19));
    DeleteObject(region);
}

TEST_F(RegionScrollTest, ScrollInsideAClipLeavesTheRestAlone) {
    for (int x = 0; x < 40; ++x)
        for (int y = 0; y < 30; ++y)
            surface().row(y)[x] = static_cast<plat::Pixel>(x);
    RECT clip{10, 0, 30, 30};
    RECT band{};
    HDC dc = GetDC(top);
    // Scrolling the whole client within the clip uncovers nothing: the pixels that come in
    // lie inside the scrolled area. Scrolling just the clipped part uncovers its left band.
    ScrollDC(dc, 5, 0, nullptr, &clip, nullptr, &band);
    EXPECT_TRUE(IsRectEmpty(&band));
    EXPECT_EQ(surface().at(12, 3), 7u);
    ScrollDC(dc, 5, 0, &clip, &clip, nullptr, &band);
    ReleaseDC(top, dc);
    EXPECT_EQ(surface().at(9, 3), 9u);   // outside the clip: untouched
    EXPECT_EQ(surface().at(20, 3), 10u); // moved five to the right, twice
    EXPECT_EQ(surface().at(31, 3), 31u);
    EXPECT_EQ(band.left, 10);
    EXPECT_EQ(band.right, 15);
}

} // namespace

namespace {

TEST_F(RegionScrollTest, AnInvalidPartMovesWithTheScrolledPixels) {
    const RECT waiting{5, 12, 15, 16};
    InvalidateRect(top, &waiting, FALSE);
    ScrollWindowEx(top, 0, -10, nullptr, nullptr, nullptr, nullptr, SW_INVALIDATE);
    // The band that came in (rows 20-29) and the moved rectangle (rows 2-5) are both invalid;
    // the rectangle's old place is covered by its bounding box only.
    RECT update;
    ASSERT_TRUE(GetUpdateRect(top, &update, FALSE));
    EXPECT_LE(update.top, 2);
    EXPECT_EQ(update.bottom, 30);
    EXPECT_LE(update.left, 0);
    // Scrolling a clean window invalidates only the band.
    ValidateRect(top, nullptr);
    ScrollWindowEx(top, 0, -10, nullptr, nullptr, nullptr, nullptr, SW_INVALIDATE);
    ASSERT_TRUE(GetUpdateRect(top, &update, FALSE));
    EXPECT_EQ(update.top, 20);
}

} // namespace
