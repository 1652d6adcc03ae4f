// Palettes on 8-bit and true-colour headless screens.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include <windows.h>

#include "backend/headless/headless_backend.h"
#include "support/presented.h"
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
        ReleaseDC(top, dc);
        EXPECT_TRUE(DeleteObject(pal));
        return;
    }
    EXPECT_EQ(GetNearestColor(dc, odd), odd);
    EXPECT_TRUE(log.empty());
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

// The system palette of an 8-bit screen shared between a palette that fills every free slot and
// one that wants a single colour the screen does not show yet.
class SystemPaletteTest : public ::testing::Test {
protected:
    static constexpr COLORREF wanted = RGB(3, 250, 3);
    static constexpr COLORREF nearestStatic = RGB(0, 255, 0);

    void SetUp() override {
        plat::use_headless_backend({640, 480}, 8);
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = DefWindowProcA;
        wc.lpszClassName = "SystemPaletteWindow";
        RegisterClassExA(&wc);
        top = make_window(0);
        std::vector<BYTE> storage(sizeof(LOGPALETTE) + 236 * sizeof(PALETTEENTRY));
        auto* lp = reinterpret_cast<LOGPALETTE*>(storage.data());
        lp->palVersion = 0x300;
        lp->palNumEntries = 236;
        PALETTEENTRY* e = lp->palPalEntry;
        for (int i = 0; i < 236; ++i)
            e[i] = {static_cast<BYTE>(i), 100, 200, 0};
        filler = CreatePalette(lp);
        target = make_palette({wanted, RGB(0, 0, 0), RGB(40, 50, 60)});
        dc = GetDC(top);
    }
    void TearDown() override {
        SelectPalette(dc, static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE)), FALSE);
        ReleaseDC(top, dc);
        if (filler) DeleteObject(filler);
        DeleteObject(target);
        DestroyWindow(top);
        if (other) DestroyWindow(other);
        plat::reset_queue();
        UnregisterClassA("SystemPaletteWindow", nullptr);
    }
    HWND make_window(int x) {
        return CreateWindowExA(0, "SystemPaletteWindow", "", WS_POPUP | WS_VISIBLE, x, 0, 20, 20,
                               nullptr, nullptr, nullptr, nullptr);
    }
    UINT realise(HPALETTE palette, BOOL background) {
        SelectPalette(dc, palette, background);
        return RealizePalette(dc);
    }
    // What the user sees of a square filled with the target palette's first entry.
    COLORREF shown_first_entry() {
        const HBRUSH brush = CreateSolidBrush(PALETTEINDEX(0));
        RECT r{0, 0, 6, 6};
        FillRect(dc, &r, brush);
        DeleteObject(brush);
        return plat::colorref_from_pixel(testsupport::presented_pixel(top, 3, 3));
    }
    HWND top = nullptr, other = nullptr;
    HDC dc = nullptr;
    HPALETTE filler = nullptr, target = nullptr;
};

TEST_F(SystemPaletteTest, ForegroundTakesSlotsBackgroundMakesDoWithWhatIsShown) {
    enum Before { Nothing, Filled, FilledThenDeleted, FilledThenUnrealised, Inactive };
    struct Case {
        const char* name;
        Before before;
        BOOL background;
        COLORREF shown;
    };
    const Case cases[] = {
        {"background, free slots", Nothing, TRUE, wanted},
        {"background, screen full", Filled, TRUE, nearestStatic},
        {"foreground, screen full", Filled, FALSE, wanted},
        {"foreground of an inactive window", Inactive, FALSE, nearestStatic},
        {"background after the filler was deleted", FilledThenDeleted, TRUE, wanted},
        {"background after the filler was unrealised", FilledThenUnrealised, TRUE, wanted},
    };
    for (const Case& c : cases) {
        TearDown();
        SetUp();
        if (c.before != Nothing) {
            ASSERT_EQ(realise(filler, FALSE), 236u) << c.name;
        }
        if (c.before == FilledThenDeleted) {
            SelectPalette(dc, static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE)), FALSE);
            ASSERT_TRUE(DeleteObject(filler));
            filler = nullptr;
        }
        if (c.before == FilledThenUnrealised) {
            ASSERT_TRUE(UnrealizeObject(filler));
        }
        if (c.before == Inactive) {
            other = make_window(100);
            ASSERT_EQ(GetActiveWindow(), other);
        }
        realise(target, c.background);
        EXPECT_EQ(shown_first_entry(), c.shown) << c.name;
    }
}

TEST_F(SystemPaletteTest, RealisingCountsTheEntriesMappedAfresh) {
    const PALETTEENTRY changed{9, 8, 7, 0};
    struct Step {
        const char* name;
        std::function<void()> before;
        BOOL background;
        UINT remapped;
    };
    const Step steps[] = {
        {"first realisation", [] {}, FALSE, 3},
        {"again", [] {}, FALSE, 0},
        {"again in the background", [] {}, TRUE, 0},
        {"one entry changed", [&] { SetPaletteEntries(target, 2, 1, &changed); }, FALSE, 1},
        {"unrealised", [&] { UnrealizeObject(target); }, FALSE, 3},
        {"the filler took every slot; black stays", [&] { realise(filler, FALSE); }, TRUE, 2},
    };
    for (const Step& s : steps) {
        s.before();
        EXPECT_EQ(realise(target, s.background), s.remapped) << s.name;
    }
    // A memory context and a true-colour screen have no system palette to change.
    HDC memory = CreateCompatibleDC(dc);
    SelectPalette(memory, target, FALSE);
    EXPECT_EQ(RealizePalette(memory), 0u);
    SelectPalette(memory, static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE)), FALSE);
    DeleteDC(memory);
}

} // namespace
