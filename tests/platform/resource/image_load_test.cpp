// Bitmaps and icons loaded from the test resources and drawn through device contexts.
#include <gtest/gtest.h>

#include <windows.h>

#include "gdi/bitmap_dib.h"
#include "test_ids.h"

namespace {

TEST(LoadBitmap, GivesTheImageTopDown) {
    const HBITMAP bmp = LoadBitmapA(nullptr, MAKEINTRESOURCEA(IDB_LOGO));
    ASSERT_TRUE(bmp);
    HDC dc = CreateCompatibleDC(nullptr);
    SelectObject(dc, bmp);
    // The file stores rows bottom-up; the first row on screen is the file's last.
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(dc, 1, 0), RGB(128, 128, 128));
    EXPECT_EQ(GetPixel(dc, 3, 0), RGB(255, 0, 255));
    EXPECT_EQ(GetPixel(dc, 0, 1), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dc, 3, 1), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(dc, 4, 0), CLR_INVALID);
    DeleteDC(dc);
    DeleteObject(bmp);
    EXPECT_EQ(LoadBitmapA(nullptr, MAKEINTRESOURCEA(4242)), nullptr);
    EXPECT_TRUE(LoadBitmapA(nullptr, "banner"));
}

TEST(LoadImage, MapsThe3DGreysAndTheTransparentColour) {
    const auto bmp =
        static_cast<HBITMAP>(LoadImageA(nullptr, MAKEINTRESOURCEA(IDB_LOGO), IMAGE_BITMAP, 0, 0,
                                        LR_LOADMAP3DCOLORS | LR_LOADTRANSPARENT));
    ASSERT_TRUE(bmp);
    HDC dc = CreateCompatibleDC(nullptr);
    SelectObject(dc, bmp);
    EXPECT_EQ(GetPixel(dc, 1, 0), GetSysColor(COLOR_BTNSHADOW));
    // The first pixel's colour (black, top left) becomes the window colour everywhere.
    EXPECT_EQ(GetPixel(dc, 0, 0), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(GetPixel(dc, 0, 1), RGB(255, 0, 0));
    DeleteDC(dc);
    DeleteObject(bmp);
}

TEST(LoadIcon, DrawsOnlyTheOpaquePixels) {
    const HICON icon = LoadIconA(nullptr, MAKEINTRESOURCEA(IDI_APP));
    ASSERT_TRUE(icon);
    HDC dc = CreateCompatibleDC(nullptr);
    const HBITMAP canvas = CreateBitmap(4, 4, 1, 32, nullptr);
    SelectObject(dc, canvas);
    RECT all{0, 0, 4, 4};
    const HBRUSH green = CreateSolidBrush(RGB(0, 255, 0));
    FillRect(dc, &all, green);
    ASSERT_TRUE(DrawIcon(dc, 1, 1, icon));
    // Compare with the icon image as decoded from the resource.
    const auto group = plat::decode_icon_group(
        *plat::resource_bytes(nullptr, MAKEINTRESOURCEA(IDI_APP), RT_GROUP_ICON));
    ASSERT_TRUE(group);
    const auto image = plat::decode_icon_image(
        *plat::resource_bytes(nullptr, MAKEINTRESOURCEA(group->entries.at(0).id), RT_ICON));
    ASSERT_TRUE(image);
    for (int y = 0; y < image->image.height; ++y)
        for (int x = 0; x < image->image.width; ++x) {
            const bool transparent = image->mask.at(x, y) == 0xFFFFFF;
            const COLORREF want =
                transparent ? RGB(0, 255, 0) : plat::colorref_from_pixel(image->image.at(x, y));
            EXPECT_EQ(GetPixel(dc, 1 + x, 1 + y), want) << x << "," << y;
        }
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(0, 255, 0));
    EXPECT_TRUE(DestroyIcon(icon));
    EXPECT_FALSE(DrawIcon(dc, 0, 0, icon));
    DeleteDC(dc);
    DeleteObject(canvas);
    DeleteObject(green);
}

} // namespace
