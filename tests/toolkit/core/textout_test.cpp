// The core's text output: pixels drawn through current_window().dc, the colour table and the text
// font.
#include "core/context.h"
#include "core/textout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gdi/surface.h"
#include "support/text_window.h"

using namespace tess;
using plat::Pixel;
using plat::pixel_from_colorref;

namespace {

class TextCoreTest : public testsupport::TextWindowTest {
protected:
    void SetUp() override {
        TextWindowTest::SetUp();
        yyinittextcolours_();
        int width = 8, height = 16;
        yycreatefont_(4, 0, 0, width, height);
    }
    Pixel colour(int index) const {
        return pixel_from_colorref(tk().text.wColour[static_cast<std::size_t>(index)]);
    }
};

TEST_F(TextCoreTest, ColourTableStartsWithItsFixedColoursAndTheSystemPair) {
    tk().text.wForeCol = 3;
    tk().text.wBackCol = 4;
    tk().text.wUnderline = 1;
    tk().text.wColour.fill(RGB(1, 1, 1));
    yyinittextcolours_();
    const std::array<COLORREF, ColourEntries> expected{RGB(0, 0, 0),
                                                       RGB(180, 0, 0),
                                                       RGB(180, 200, 0),
                                                       RGB(0, 180, 0),
                                                       RGB(0, 191, 191),
                                                       RGB(0, 0, 191),
                                                       RGB(191, 0, 191),
                                                       RGB(191, 191, 191),
                                                       RGB(64, 64, 64),
                                                       RGB(255, 0, 0),
                                                       RGB(255, 255, 0),
                                                       RGB(0, 255, 0),
                                                       RGB(0, 255, 255),
                                                       RGB(0, 0, 255),
                                                       RGB(255, 0, 255),
                                                       RGB(255, 255, 255),
                                                       GetSysColor(COLOR_WINDOWTEXT),
                                                       GetSysColor(COLOR_WINDOW)};
    EXPECT_EQ(tk().text.wColour, expected);
    EXPECT_EQ(tk().text.wForeCol, 0);
    EXPECT_EQ(tk().text.wBackCol, 15);
    EXPECT_EQ(tk().text.wUnderline, 0);
}

TEST_F(TextCoreTest, ColourIndicesOutsideTheTableAreRefused) {
    yysetfontcolour_(3, 16); // background 16 is the system window colour, entry 17
    EXPECT_EQ(tk().text.wForeCol, 3);
    EXPECT_EQ(tk().text.wBackCol, 17);
    yysetfontcolour_(-1, 18);
    EXPECT_EQ(tk().text.wForeCol, 3);
    EXPECT_EQ(tk().text.wBackCol, 17);
    yysetfontcolour_(17, 0);
    EXPECT_EQ(tk().text.wForeCol, 17);
    EXPECT_EQ(tk().text.wBackCol, 0);

    yysetfontcolourrgb_(17, 10, 20, 30);
    EXPECT_EQ(tk().text.wColour[17], RGB(10, 20, 30));
    yysetfontcolourrgb_(0, 256 + 1, 2, 3); // only the low byte counts
    EXPECT_EQ(tk().text.wColour[0], RGB(1, 2, 3));
    const auto before = tk().text.wColour;
    yysetfontcolourrgb_(18, 1, 2, 3);
    yysetfontcolourrgb_(-1, 1, 2, 3);
    EXPECT_EQ(tk().text.wColour, before);
}

TEST_F(TextCoreTest, ClearedAreaIncludesBothCorners) {
    yysetfontcolour_(0, 13);
    yycleararea_(10, 20, 30, 40);
    const RECT filled{10, 20, 31, 41};
    EXPECT_EQ(count(filled, colour(13)), area(filled));
    EXPECT_EQ(count({0, 0, 60, 60}, colour(13)), area(filled));
}

TEST_F(TextCoreTest, EmptyTextLeavesPositionAndPixels) {
    int x = 20, y = 60;
    yystringout_(x, y, "", 1);
    EXPECT_EQ(x, 20);
    EXPECT_EQ(y, 60);
    yystringout_(x, y, "abc", 0);
    EXPECT_EQ(x, 20);
    EXPECT_EQ(count({0, 0, 100, 100}, Unpainted), 100 * 100);
}

TEST_F(TextCoreTest, DrawingLeavesTheContextAsItFoundIt) {
    const HDC dc = current_window().dc;
    const HGDIOBJ font = GetStockObject(ANSI_VAR_FONT);
    SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextAlign(dc, TA_TOP);
    SetTextColor(dc, RGB(1, 2, 3));
    SetBkColor(dc, RGB(4, 5, 6));
    const HGDIOBJ pen = GetStockObject(WHITE_PEN);
    const HGDIOBJ brush = GetStockObject(BLACK_BRUSH);
    SelectObject(dc, pen);
    SelectObject(dc, brush);
    SetROP2(dc, R2_XORPEN);

    yysetfontunderline_(1);
    int x = 10, y = 30;
    yystringout_(x, y, "ab", 3);
    int width = 0;
    yystringlen_(width, "ab", 3);
    yycleararea_(0, 0, 5, 5);
    int w = 0, h = 0;
    yycreatefont_(3, 1, 0, w, h);

    EXPECT_EQ(SelectObject(dc, font), font);
    EXPECT_EQ(SetBkMode(dc, TRANSPARENT), TRANSPARENT);
    EXPECT_EQ(SetTextAlign(dc, TA_TOP), TA_TOP);
    EXPECT_EQ(SetTextColor(dc, 0), RGB(1, 2, 3));
    EXPECT_EQ(SetBkColor(dc, 0), RGB(4, 5, 6));
    EXPECT_EQ(SelectObject(dc, pen), pen);
    EXPECT_EQ(SelectObject(dc, brush), brush);
    EXPECT_EQ(SetROP2(dc, R2_COPYPEN), R2_XORPEN);
}

TEST_F(TextCoreTest, MeasuredWidthIsTheDrawnAdvance) {
    int w = 0, h = 0;
    yycreatefont_(3, 0, 0, w, h); // Arial: widths vary by character
    const char text[] = "Mill  i";
    int width = 0;
    yystringlen_(width, text, sizeof text);
    int x = 5, y = 50;
    yystringout_(x, y, text, sizeof text);
    EXPECT_EQ(width, x - 5);
    int first = 0;
    yystringlen_(first, text, 2);
    EXPECT_GT(first, 0);
    EXPECT_LT(first, width);
}

TEST_F(TextCoreTest, CreatedFontReportsItsActualSize) {
    int w = 0, h = 0;
    yycreatefont_(4, 0, 0, w, h);
    const TEXTMETRICA defaults = text_metrics();
    EXPECT_EQ(w, defaults.tmAveCharWidth);
    EXPECT_EQ(h, defaults.tmHeight);
    EXPECT_GT(h, 0);

    w = 10, h = 24;
    yycreatefont_(4, 1, 1, w, h);
    const TEXTMETRICA tm = text_metrics();
    EXPECT_EQ(w, 10);
    EXPECT_EQ(h, tm.tmHeight);
    EXPECT_EQ(tm.tmWeight, FW_BOLD);
    EXPECT_NE(tm.tmItalic, 0);
    EXPECT_EQ(tm.tmUnderlined, 0);                        // drawn by yystringout_ instead
    EXPECT_EQ(tm.tmPitchAndFamily & TMPF_FIXED_PITCH, 0); // "Courier New" resolves to a fixed face
}

TEST_F(TextCoreTest, StockTypefacesIgnoreSizeAndStyle) {
    struct Case {
        int typeface;
        int stock;
    };
    for (const Case c : {Case{0, SYSTEM_FONT}, Case{1, SYSTEM_FIXED_FONT}, Case{7, SYSTEM_FONT},
                         Case{-1, SYSTEM_FONT}}) {
        SCOPED_TRACE(c.typeface);
        int w = 30, h = 60;
        yycreatefont_(c.typeface, 1, 1, w, h);
        EXPECT_EQ(tk().text.hTextFont, GetStockObject(c.stock));
        const HGDIOBJ old = SelectObject(current_window().dc, GetStockObject(c.stock));
        TEXTMETRICA stock{};
        GetTextMetricsA(current_window().dc, &stock);
        SelectObject(current_window().dc, old);
        EXPECT_EQ(w, stock.tmAveCharWidth);
        EXPECT_EQ(h, stock.tmHeight);
    }
}

TEST_F(TextCoreTest, NamedTypefacesAreNewFontsReplacedOnEachCreation) {
    for (int typeface = 2; typeface <= 6; ++typeface) {
        SCOPED_TRACE(typeface);
        int w = 0, h = 20;
        yycreatefont_(typeface, 0, 0, w, h);
        EXPECT_NE(tk().text.hTextFont, GetStockObject(SYSTEM_FONT));
        EXPECT_EQ(h, 20);
        EXPECT_GT(w, 0);
    }
    const HFONT previous = tk().text.hTextFont;
    int w = 0, h = 20;
    yycreatefont_(0, 0, 0, w, h);
    // The replaced font is gone: selecting it fails.
    EXPECT_EQ(SelectObject(current_window().dc, previous), nullptr);
}

// A stand-in for the status bar that keeps the texts it is sent.
std::vector<std::pair<WPARAM, std::string>> statusTexts;

LRESULT CALLBACK status_proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_USER + 1) {
        statusTexts.emplace_back(wParam, reinterpret_cast<const char*>(lParam));
        return TRUE;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

TEST_F(TextCoreTest, StatusTextGoesToThePartOfTheCurrentWindowsBar) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = status_proc;
    wc.lpszClassName = "TextTestStatus";
    RegisterClassExA(&wc);
    const HWND bar = CreateWindowExA(0, "TextTestStatus", "", WS_CHILD | WS_VISIBLE, 0, 780, Width,
                                     20, frame, nullptr, nullptr, nullptr);
    statusTexts.clear();
    yysetstatustext_(1, "without a bar");
    EXPECT_TRUE(statusTexts.empty());

    window(0).statusBar = bar;
    yysetstatustext_(1, "first");
    yysetstatustext_(3, "third");
    yysetstatustext_(0, "no part 0");
    yysetstatustext_(256, "too far");
    tk().core.wIndex = 21;
    yysetstatustext_(1, "no such window");
    const std::vector<std::pair<WPARAM, std::string>> expected{{0, "first"}, {2, "third"}};
    EXPECT_EQ(statusTexts, expected);
    DestroyWindow(bar);
    UnregisterClassA("TextTestStatus", nullptr);
}

TEST_F(TextCoreTest, WithoutAContextNothingIsDrawn) {
    ReleaseDC(client, current_window().dc);
    current_window().dc = nullptr;
    int x = 3, y = 20;
    yystringout_(x, y, "abc", 4);
    EXPECT_EQ(x, 3);
    yycleararea_(0, 0, 10, 10);
    int w = 7, h = 9;
    yycreatefont_(4, 0, 0, w, h);
    EXPECT_NE(tk().text.hTextFont, nullptr);
    EXPECT_EQ(count({0, 0, 50, 50}, Unpainted), 50 * 50);
    current_window().dc = GetDC(client);
}

} // namespace
