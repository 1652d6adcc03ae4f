// Formatted text and window snapshots on a headless window.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include <windows.h>

#include "support/headless_window.h"

namespace {

class DrawTextTest : public testsupport::HeadlessWindowTest {
protected:
    DrawTextTest() : HeadlessWindowTest({200, 60}) {}
    void SetUp() override {
        HeadlessWindowTest::SetUp();
        dc = GetDC(top);
        font = CreateFontA(-16, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
        SelectObject(dc, font);
        SetBkMode(dc, TRANSPARENT);
    }
    void TearDown() override {
        ReleaseDC(top, dc);
        DeleteObject(font);
        HeadlessWindowTest::TearDown();
    }
    // Columns [left, right) of pixels that are not white, over the whole height.
    std::pair<int, int> ink_columns() {
        const plat::Surface s = testsupport::presented_surface(top);
        int left = s.width, right = -1;
        for (int y = 0; y < s.height; ++y)
            for (int x = 0; x < s.width; ++x)
                if (s.at(x, y) != 0xFFFFFF)
                    left = std::min(left, x), right = std::max(right, x + 1);
        return {left, right};
    }
    HDC dc = nullptr;
    HFONT font = nullptr;
};

TEST_F(DrawTextTest, CalcRectMeasuresAndCentringCentres) {
    RECT measure{10, 5, 10, 5};
    const int height = DrawTextA(dc, "Formel", -1, &measure, DT_SINGLELINE | DT_CALCRECT);
    SIZE extent;
    GetTextExtentPoint32A(dc, "Formel", 6, &extent);
    EXPECT_EQ(measure.right - measure.left, extent.cx);
    EXPECT_EQ(height, extent.cy);
    EXPECT_EQ(ink_columns().second, -1); // measuring draws nothing

    RECT box{0, 0, 200, 60};
    DrawTextA(dc, "Formel", -1, &box, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    const auto [left, right] = ink_columns();
    ASSERT_GT(right, left);
    // The ink sits within the centred extent, give or take the glyphs' side bearings.
    EXPECT_NEAR((left + right) / 2.0, 100.0, 3.0);
}

TEST_F(DrawTextTest, MnemonicIsUnderlinedAndTheAmpersandVanishes) {
    TEXTMETRICA tm;
    GetTextMetricsA(dc, &tm);
    RECT box{0, 0, 200, 60};
    DrawTextA(dc, "&Datei", -1, &box, DT_SINGLELINE);
    SIZE d;
    GetTextExtentPoint32A(dc, "D", 1, &d);
    const plat::Surface s = testsupport::presented_surface(top);
    const int underline = tm.tmAscent + 1;
    for (int x = 0; x < d.cx; ++x)
        EXPECT_EQ(s.at(x, underline), 0u) << x;
    EXPECT_EQ(s.at(d.cx + 2, underline), 0xFFFFFFu); // only the mnemonic is underlined

    // With DT_NOPREFIX the ampersand is drawn and nothing is underlined.
    RECT calc{0, 0, 0, 0}, calcPlain{0, 0, 0, 0};
    DrawTextA(dc, "&Datei", -1, &calc, DT_SINGLELINE | DT_CALCRECT | DT_NOPREFIX);
    DrawTextA(dc, "Datei", -1, &calcPlain, DT_SINGLELINE | DT_CALCRECT);
    EXPECT_GT(calc.right, calcPlain.right);
    RECT doubled{0, 0, 0, 0}, single{0, 0, 0, 0};
    DrawTextA(dc, "A&&B", -1, &doubled, DT_SINGLELINE | DT_CALCRECT);
    DrawTextA(dc, "A&B", -1, &single, DT_SINGLELINE | DT_CALCRECT | DT_NOPREFIX);
    EXPECT_EQ(doubled.right, single.right);
}

TEST_F(DrawTextTest, LinesStackAndClippedTextStaysInItsRectangle) {
    RECT calc{0, 0, 0, 0};
    TEXTMETRICA tm;
    GetTextMetricsA(dc, &tm);
    EXPECT_EQ(DrawTextA(dc, "a\r\nbb\nccc", -1, &calc, DT_CALCRECT), 3 * tm.tmHeight);
    RECT clip{20, 0, 40, 60};
    ExtTextOutA(dc, 0, 0, ETO_CLIPPED, &clip, "WWWWWWWWWW", 10, nullptr);
    const auto [left, right] = ink_columns();
    EXPECT_GE(left, 20);
    EXPECT_LE(right, 40);
    SetBkColor(dc, RGB(0, 0, 255));
    RECT band{100, 40, 150, 50};
    ExtTextOutA(dc, 100, 40, ETO_OPAQUE, &band, "", 0, nullptr);
    EXPECT_EQ(at(149, 49), 0x0000FFu);
}

TEST_F(DrawTextTest, WindowSnapshotIsAPngOrAReportedFailure) {
    const std::string path = ::testing::TempDir() + "tess-snapshot.png";
    std::string error;
    ASSERT_TRUE(screen->save_window_png(top, path, &error)) << error;
    std::ifstream in(path, std::ios::binary);
    char signature[8] = {};
    in.read(signature, 8);
    EXPECT_EQ(std::string(signature + 1, 3), "PNG");
    std::remove(path.c_str());
    EXPECT_FALSE(screen->save_screen_png("/nonexistent-dir/x.png", &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(screen->save_window_png(reinterpret_cast<HWND>(0x4444), path));
}

} // namespace

namespace {

// Black pixels in one row of [left, right).
int black_in_row(const plat::Surface& s, int y, int left, int right) {
    int n = 0;
    for (int x = left; x < right; ++x)
        n += s.at(x, y) == 0;
    return n;
}

TEST_F(DrawTextTest, UnderlineAndStrikeOutRunTheLengthOfTheText) {
    const char text[] = "H  H";
    for (int style = 0; style < 3; ++style) {
        const RECT all{0, 0, 200, 60};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        HFONT lined = CreateFontA(-16, 0, 0, 0, FW_NORMAL, 0, style == 1, style == 2, ANSI_CHARSET,
                                  0, 0, 0, 0, "Arial");
        SelectObject(dc, lined);
        SetTextColor(dc, RGB(0, 0, 0));
        TextOutA(dc, 10, 5, text, 4);
        TEXTMETRICA tm;
        GetTextMetricsA(dc, &tm);
        SIZE extent;
        GetTextExtentPoint32A(dc, text, 4, &extent);
        const plat::Surface s = testsupport::presented_surface(top);
        const int baseline = 5 + tm.tmAscent;
        const int under = black_in_row(s, baseline + 1, 10, 10 + extent.cx);
        const int strike = black_in_row(s, baseline - tm.tmAscent / 3, 10, 10 + extent.cx);
        if (style == 1)
            EXPECT_EQ(under, extent.cx);
        else
            EXPECT_EQ(under, 0) << style;
        if (style == 2)
            EXPECT_EQ(strike, extent.cx);
        else
            EXPECT_LT(strike, extent.cx / 2) << style;      // only the strokes of the two H
        EXPECT_EQ(black_in_row(s, baseline + 3, 0, 10), 0); // nothing before the text
        SelectObject(dc, font);
        DeleteObject(lined);
    }
}

} // namespace
