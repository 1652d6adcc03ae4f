// Pattern brushes, stretching, edges, focus rectangles and saved context states.
#include <gtest/gtest.h>

#include <cstdint>

#include <windows.h>

namespace {

class MemoryDcTest : public ::testing::Test {
protected:
    void SetUp() override {
        dc = CreateCompatibleDC(nullptr);
        bitmap = CreateBitmap(16, 16, 1, 32, nullptr);
        SelectObject(dc, bitmap);
        RECT all{0, 0, 16, 16};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    void TearDown() override {
        DeleteDC(dc);
        DeleteObject(bitmap);
    }
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
};

TEST_F(MemoryDcTest, PatternBrushTilesAndOutlivesItsBitmap) {
    const HBITMAP tile = CreateBitmap(2, 2, 1, 32, nullptr);
    HDC t = CreateCompatibleDC(nullptr);
    SelectObject(t, tile);
    SetPixel(t, 0, 0, RGB(255, 0, 0));
    SetPixel(t, 1, 1, RGB(255, 0, 0));
    const HBRUSH brush = CreatePatternBrush(tile);
    DeleteDC(t);
    DeleteObject(tile);
    RECT r{0, 0, 4, 4};
    FillRect(dc, &r, brush);
    EXPECT_EQ(GetPixel(dc, 2, 2), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dc, 3, 2), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(dc, 5, 5), RGB(255, 255, 255));
    DeleteObject(brush);
}

TEST_F(MemoryDcTest, StretchDoublesEachPixel) {
    SetPixel(dc, 0, 0, RGB(0, 0, 255));
    EXPECT_TRUE(StretchBlt(dc, 8, 8, 4, 4, dc, 0, 0, 2, 2, SRCCOPY));
    EXPECT_EQ(GetPixel(dc, 8, 8), RGB(0, 0, 255));
    EXPECT_EQ(GetPixel(dc, 9, 9), RGB(0, 0, 255));
    EXPECT_EQ(GetPixel(dc, 10, 10), RGB(255, 255, 255));
}

TEST_F(MemoryDcTest, SunkenEdgeAndFocusRectangle) {
    RECT r{0, 0, 10, 10};
    DrawEdge(dc, &r, EDGE_SUNKEN, BF_RECT);
    // Grey and white outside, black and light grey inside.
    EXPECT_EQ(GetPixel(dc, 5, 0), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(GetPixel(dc, 5, 9), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(GetPixel(dc, 5, 1), GetSysColor(COLOR_3DDKSHADOW));
    EXPECT_EQ(GetPixel(dc, 5, 8), GetSysColor(COLOR_3DLIGHT));
    RECT raised{0, 0, 10, 10};
    DrawEdge(dc, &raised, EDGE_RAISED, BF_RECT);
    EXPECT_EQ(GetPixel(dc, 0, 5), GetSysColor(COLOR_3DLIGHT));
    EXPECT_EQ(GetPixel(dc, 9, 5), GetSysColor(COLOR_3DDKSHADOW));
    EXPECT_EQ(GetPixel(dc, 1, 5), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(GetPixel(dc, 8, 5), GetSysColor(COLOR_BTNSHADOW));
    RECT f{2, 2, 8, 8};
    DrawFocusRect(dc, &f);
    EXPECT_EQ(GetPixel(dc, 2, 2), RGB(0, 0, 0)); // white XOR white
    DrawFocusRect(dc, &f);
    EXPECT_EQ(GetPixel(dc, 2, 2), RGB(255, 255, 255)); // drawn twice: gone
}

TEST_F(MemoryDcTest, SavedStatesComeBackInOrder) {
    SetTextColor(dc, RGB(1, 2, 3));
    const int first = SaveDC(dc);
    SetTextColor(dc, RGB(4, 5, 6));
    SaveDC(dc);
    SetTextColor(dc, RGB(7, 8, 9));
    EXPECT_TRUE(RestoreDC(dc, -1));
    EXPECT_EQ(SetTextColor(dc, 0), RGB(4, 5, 6));
    EXPECT_TRUE(RestoreDC(dc, first));
    EXPECT_EQ(SetTextColor(dc, 0), RGB(1, 2, 3));
    EXPECT_FALSE(RestoreDC(dc, 1)); // nothing saved any more
    BITMAP info{};
    EXPECT_EQ(GetObjectA(bitmap, sizeof info, &info), static_cast<int>(sizeof info));
    EXPECT_EQ(info.bmWidth, 16);
    EXPECT_EQ(info.bmBitsPixel, 32);
}

} // namespace

namespace {

TEST(DibSection, ProgramAndDeviceContextShareThePixels) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = 4;
    info.bmiHeader.biHeight = -3;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const HBITMAP dib = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(dib, nullptr);
    ASSERT_NE(bits, nullptr);
    auto* pixels = static_cast<std::uint32_t*>(bits);
    pixels[1 * 4 + 2] = 0x00336699; // row 1, column 2, as 0x00RRGGBB
    HDC dc = CreateCompatibleDC(nullptr);
    SelectObject(dc, dib);
    EXPECT_EQ(GetPixel(dc, 2, 1), RGB(0x33, 0x66, 0x99));
    const RECT cell{0, 2, 1, 3};
    FillRect(dc, &cell, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    EXPECT_EQ(pixels[2 * 4 + 0], 0x00FFFFFFu);
    EXPECT_EQ(pixels[2 * 4 + 1], 0u);
    DeleteDC(dc);
    DeleteObject(dib);

    // Formats whose memory cannot be shared are refused, and the pointer says so.
    info.bmiHeader.biHeight = 3;
    bits = &info;
    EXPECT_EQ(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0), nullptr);
    EXPECT_EQ(bits, nullptr);
    info.bmiHeader.biHeight = -3;
    info.bmiHeader.biBitCount = 8;
    EXPECT_EQ(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0), nullptr);
}

} // namespace
