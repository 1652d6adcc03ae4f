// The GDI calls through device contexts, on headless windows and memory bitmaps.
#include <gtest/gtest.h>

#include <windows.h>

#include "support/headless_window.h"

namespace {

// Clipping children needs WS_CLIPCHILDREN on the pop-up.
class DcTest : public testsupport::HeadlessWindowTest {
protected:
    DcTest() : HeadlessWindowTest({40, 30}, WS_CLIPCHILDREN) {}
};

constexpr plat::Pixel White = 0xFFFFFF, Black = 0, Red = 0xFF0000, Blue = 0x0000FF;

TEST_F(DcTest, FillRectStaysInsideTheClipAndOutOfClippedChildren) {
    const HWND child = CreateWindowExA(0, "HeadlessTestWindow", "", WS_CHILD | WS_VISIBLE, 10, 10,
                                       5, 5, top, nullptr, nullptr, nullptr);
    HDC dc = GetDC(top);
    const HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    RECT all{-5, -5, 100, 100};
    // The child was erased white when shown; the parent's fill must not touch it.
    FillRect(dc, &all, red);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) {
            const bool inChild = x >= 10 && x < 15 && y >= 10 && y < 15;
            ASSERT_EQ(at(x, y), inChild ? White : Red) << x << "," << y;
        }
    ReleaseDC(top, dc);
    DeleteObject(red);
    DestroyWindow(child);
}

TEST_F(DcTest, RectangleAndXorLines) {
    HDC dc = GetDC(top);
    const HPEN pen = CreatePen(PS_SOLID, 1, RGB(0, 0, 255));
    const HBRUSH brush = CreateSolidBrush(RGB(255, 0, 0));
    SelectObject(dc, pen);
    SelectObject(dc, brush);
    Rectangle(dc, 2, 2, 8, 6);
    EXPECT_EQ(at(2, 2), Blue);
    EXPECT_EQ(at(7, 5), Blue);  // the outline's last pixel lies inside right-1, bottom-1
    EXPECT_EQ(at(8, 6), White); // right and bottom are exclusive
    EXPECT_EQ(at(4, 3), Red);
    SetROP2(dc, R2_XORPEN);
    MoveToEx(dc, 0, 20, nullptr);
    LineTo(dc, 30, 20);
    EXPECT_EQ(at(0, 20), White ^ Blue);
    EXPECT_EQ(at(30, 20), White); // the end point is not drawn
    MoveToEx(dc, 0, 20, nullptr);
    LineTo(dc, 30, 20);
    EXPECT_EQ(at(0, 20), White); // a second XOR line restores
    POINT cp;
    GetCurrentPositionEx(dc, &cp);
    EXPECT_EQ(cp.x, 30);
    ReleaseDC(top, dc);
    DeleteObject(pen);
    DeleteObject(brush);
}

TEST_F(DcTest, TransparentBitmapThroughAMonochromeMask) {
    HDC screen = GetDC(top);
    HDC image = CreateCompatibleDC(screen);
    const HBITMAP colour = CreateCompatibleBitmap(screen, 4, 1);
    SelectObject(image, colour);
    // Image: red, magenta (the transparent colour), blue, magenta.
    SetPixel(image, 0, 0, RGB(255, 0, 0));
    SetPixel(image, 1, 0, RGB(255, 0, 255));
    SetPixel(image, 2, 0, RGB(0, 0, 255));
    SetPixel(image, 3, 0, RGB(255, 0, 255));
    HDC maskDc = CreateCompatibleDC(screen);
    const HBITMAP mask = CreateBitmap(4, 1, 1, 1, nullptr);
    SelectObject(maskDc, mask);
    SetBkColor(image, RGB(255, 0, 255));
    BitBlt(maskDc, 0, 0, 4, 1, image, 0, 0, SRCCOPY); // transparent pixels become white
    EXPECT_EQ(GetPixel(maskDc, 1, 0), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(maskDc, 0, 0), RGB(0, 0, 0));
    // The background shows through where the mask is white.
    RECT bg{0, 0, 4, 1};
    const HBRUSH green = CreateSolidBrush(RGB(0, 255, 0));
    FillRect(screen, &bg, green);
    SetBkColor(screen, RGB(255, 255, 255));
    SetTextColor(screen, RGB(0, 0, 0));
    BitBlt(screen, 0, 0, 4, 1, image, 0, 0, SRCINVERT);
    BitBlt(screen, 0, 0, 4, 1, maskDc, 0, 0, SRCAND);
    BitBlt(screen, 0, 0, 4, 1, image, 0, 0, SRCINVERT);
    EXPECT_EQ(at(0, 0), Red);
    EXPECT_EQ(at(1, 0), 0x00FF00u);
    EXPECT_EQ(at(2, 0), Blue);
    EXPECT_EQ(at(3, 0), 0x00FF00u);
    DeleteDC(maskDc);
    DeleteDC(image);
    DeleteObject(mask);
    DeleteObject(colour);
    DeleteObject(green);
    ReleaseDC(top, screen);
}

TEST_F(DcTest, TextAdvancesTheCurrentPositionAndOpaqueFillsTrailingBlanks) {
    HDC dc = GetDC(top);
    const HFONT font = CreateFontA(-16, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0,
                                   FIXED_PITCH, "Courier New");
    SelectObject(dc, font);
    SetTextAlign(dc, TA_BASELINE | TA_UPDATECP);
    MoveToEx(dc, 1, 20, nullptr);
    SIZE ab;
    GetTextExtentPoint32A(dc, "ab", 2, &ab);
    TextOutA(dc, 0, 0, "ab", 2);
    POINT cp;
    GetCurrentPositionEx(dc, &cp);
    EXPECT_EQ(cp.x, 1 + ab.cx);
    EXPECT_EQ(cp.y, 20);

    SetTextAlign(dc, TA_TOP);
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, RGB(0, 0, 255));
    TextOutA(dc, 0, 0, "x  ", 3);
    SIZE x;
    GetTextExtentPoint32A(dc, "x", 1, &x);
    TEXTMETRICA tm;
    GetTextMetricsA(dc, &tm);
    // The blanks' cells carry the background colour, down to the bottom of the cell.
    EXPECT_EQ(at(x.cx + 2, 1), Blue);
    EXPECT_EQ(at(ab.cx + 1, tm.tmHeight - 1), Blue);
    EXPECT_EQ(at(x.cx * 3 + 1, 1), White);
    ReleaseDC(top, dc);
    DeleteObject(font);
}

TEST_F(DcTest, BadHandlesAreRefused) {
    HDC dc = GetDC(top);
    EXPECT_EQ(SelectObject(dc, reinterpret_cast<HGDIOBJ>(0x1234)), nullptr);
    EXPECT_FALSE(DeleteObject(GetStockObject(BLACK_PEN)));
    const HBRUSH b = CreateSolidBrush(0);
    EXPECT_TRUE(DeleteObject(b));
    EXPECT_FALSE(DeleteObject(b)); // already gone
    EXPECT_EQ(FillRect(reinterpret_cast<HDC>(0x99), nullptr, b), 0);
    EXPECT_FALSE(TextOutA(dc, 0, 0, nullptr, 5));
    EXPECT_FALSE(BitBlt(dc, 0, 0, 5, 5, reinterpret_cast<HDC>(0x77), 0, 0, SRCCOPY));
    EXPECT_EQ(GetDeviceCaps(dc, BITSPIXEL), 24);
    EXPECT_EQ(GetDeviceCaps(dc, HORZRES), 1024);
    ReleaseDC(top, dc);
}

} // namespace
