// Palettes on 8-bit and true-colour headless screens.
#include <gtest/gtest.h>

#include <vector>

#include <windows.h>

#include "backend/headless/headless_backend.h"
#include "window/message_queue.h"
#include "window/window_table.h"

namespace {

std::vector<UINT>* seen = nullptr;

LRESULT CALLBACK palette_proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (seen && (message == WM_PALETTECHANGED || message == WM_QUERYNEWPALETTE))
        seen->push_back(message);
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

HPALETTE make_palette(std::initializer_list<COLORREF> colors) {
    std::vector<BYTE> storage(sizeof(LOGPALETTE) + colors.size() * sizeof(PALETTEENTRY));
    auto* lp = reinterpret_cast<LOGPALETTE*>(storage.data());
    lp->palVersion = 0x300;
    lp->palNumEntries = static_cast<WORD>(colors.size());
    PALETTEENTRY* e = lp->palPalEntry;
    for (COLORREF c : colors)
        *e++ = {GetRValue(c), GetGValue(c), GetBValue(c), 0};
    return CreatePalette(lp);
}

class PaletteTest : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override {
        plat::use_headless_backend({640, 480}, GetParam());
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = palette_proc;
        wc.lpszClassName = "PaletteWindow";
        RegisterClassExA(&wc);
        seen = &log;
        top = CreateWindowExA(0, "PaletteWindow", "", WS_POPUP | WS_VISIBLE, 0, 0, 20, 20, nullptr,
                              nullptr, nullptr, nullptr);
    }
    void TearDown() override {
        seen = nullptr;
        DestroyWindow(top);
        plat::reset_queue();
        UnregisterClassA("PaletteWindow", nullptr);
    }
    std::vector<UINT> log;
    HWND top = nullptr;
};

TEST_P(PaletteTest, IndicesResolveThroughTheSelectedPalette) {
    HDC dc = GetDC(top);
    const HPALETTE pal = make_palette({RGB(250, 10, 10), RGB(10, 10, 250)});
    SelectPalette(dc, pal, FALSE);
    RealizePalette(dc);
    EXPECT_EQ(GetNearestColor(dc, PALETTEINDEX(1)), RGB(10, 10, 250));
    const HBRUSH brush = CreateSolidBrush(PALETTEINDEX(0));
    RECT r{0, 0, 5, 5};
    FillRect(dc, &r, brush);
    EXPECT_EQ(GetPixel(dc, 2, 2), RGB(250, 10, 10));
    EXPECT_EQ(GetDeviceCaps(dc, BITSPIXEL), GetParam());
    EXPECT_EQ(GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE, GetParam() == 8 ? RC_PALETTE : 0);
    ReleaseDC(top, dc);
    DeleteObject(brush);
    DeleteObject(pal);
}

TEST_P(PaletteTest, EightBitScreensShowOnlyTheSystemPalette) {
    HDC dc = GetDC(top);
    const COLORREF odd = RGB(250, 3, 3);
    if (GetParam() == 8) {
        EXPECT_EQ(GetNearestColor(dc, odd), RGB(255, 0, 0)); // the nearest static colour
        const HPALETTE pal = make_palette({odd});
        SelectPalette(dc, pal, FALSE);
        EXPECT_EQ(RealizePalette(dc), 1u);
        EXPECT_EQ(GetNearestColor(dc, odd), odd); // realised: now on the screen
        EXPECT_EQ(log, (std::vector<UINT>{WM_QUERYNEWPALETTE, WM_PALETTECHANGED}));
        EXPECT_EQ(RealizePalette(dc), 0u); // nothing new the second time
        DeleteObject(pal);
    } else {
        EXPECT_EQ(GetNearestColor(dc, odd), odd);
        EXPECT_TRUE(log.empty());
    }
    ReleaseDC(top, dc);
}

TEST_P(PaletteTest, ImagesCopiedToTheScreenTakeItsColours) {
    HDC memory = CreateCompatibleDC(nullptr);
    const HBITMAP image = CreateBitmap(4, 1, 1, 32, nullptr);
    SelectObject(memory, image);
    const COLORREF colours[4] = {RGB(250, 3, 3), RGB(1, 1, 1), RGB(120, 130, 125), RGB(0, 0, 255)};
    for (int x = 0; x < 4; ++x)
        SetPixel(memory, x, 0, colours[x]);
    HDC dc = GetDC(top);
    BitBlt(dc, 2, 2, 4, 1, memory, 0, 0, SRCCOPY);
    const COLORREF onEight[4] = {RGB(255, 0, 0), RGB(0, 0, 0), RGB(128, 128, 128), RGB(0, 0, 255)};
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(GetPixel(dc, 2 + x, 2), GetParam() == 8 ? onEight[x] : colours[x]) << x;
    // A memory bitmap keeps every colour; only what reaches the screen is limited.
    EXPECT_EQ(GetPixel(memory, 0, 0), colours[0]);
    ReleaseDC(top, dc);
    DeleteDC(memory);
    DeleteObject(image);
}

INSTANTIATE_TEST_SUITE_P(Depths, PaletteTest, ::testing::Values(8, 24));

} // namespace
