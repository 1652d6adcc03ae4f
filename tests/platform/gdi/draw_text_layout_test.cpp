// DrawTextA's layout: word breaks, the rectangle DT_CALCRECT answers, tabs, vertical placement,
// the end ellipsis and mnemonics on wrapped lines. A fixed-pitch font makes every width a
// whole number of characters, so the expected lines can be written down.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include <windows.h>

#include "support/headless_window.h"

namespace {

class DrawTextLayoutTest : public testsupport::HeadlessWindowTest {
protected:
    DrawTextLayoutTest() : HeadlessWindowTest({240, 120}) {}
    void SetUp() override {
        HeadlessWindowTest::SetUp();
        dc = GetDC(top);
        font =
            CreateFontA(-16, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Courier New");
        SelectObject(dc, font);
        SetBkMode(dc, TRANSPARENT);
        GetTextMetricsA(dc, &tm);
        SIZE size{};
        GetTextExtentPoint32A(dc, "M", 1, &size);
        a = size.cx;
    }
    void TearDown() override {
        ReleaseDC(top, dc);
        DeleteObject(font);
        HeadlessWindowTest::TearDown();
    }
    void clear() {
        const RECT all{0, 0, 240, 120};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    int differing(const plat::Surface& x, const plat::Surface& y) {
        int n = 0;
        for (int j = 0; j < x.height; ++j)
            for (int i = 0; i < x.width; ++i)
                n += x.at(i, j) != y.at(i, j);
        return n;
    }
    HDC dc = nullptr;
    HFONT font = nullptr;
    TEXTMETRICA tm{};
    int a = 0; // the advance of every character
};

// Wrapped text measured at several widths: the number of lines, and the width DT_CALCRECT
// narrows the rectangle to (or widens it to, for a word wider than the line).
TEST_F(DrawTextLayoutTest, CalcRectOfWrappedText) {
    struct Row {
        const char* text;
        int widthChars;
        UINT extra;
        int lines;
        int resultChars;
    };
    const Row rows[] = {
        {"aaa bb cccc d", 13, 0, 1, 13},
        {"aaa bb cccc d", 12, 0, 2, 11},            // aaa bb cccc / d
        {"aaa bb cccc d", 6, 0, 2, 6},              // aaa bb / cccc d
        {"aaa bb cccc d", 5, 0, 4, 4},              // aaa / bb / cccc / d
        {"aaa bb cccc d", 3, 0, 4, 4},              // cccc stands alone, wider than the line
        {"aaa bb cccc d", 3, DT_EDITCONTROL, 4, 3}, // aaa / bb / ccc / c d
        {"aaaaaaaaaa", 4, DT_EDITCONTROL, 3, 4},    // aaaa / aaaa / aa
        {"aaa   bb", 4, 0, 2, 3},                   // the blanks at the break go
        {"aaa\n\nbb", 10, 0, 3, 3},                 // an empty line stays
        {"aa\r\nbbbb bb", 5, 0, 3, 4},              // aa / bbbb / bb
        {"&aaa b&&b", 5, 0, 2, 3},                  // aaa / b&b: prefixes take no room
        {"aaa bb", 2, DT_SINGLELINE, 1, 6},         // a single line never breaks
    };
    for (const Row& row : rows) {
        RECT r{5, 7, 5 + row.widthChars * a, 7};
        const int h = DrawTextA(dc, row.text, -1, &r, DT_CALCRECT | DT_WORDBREAK | row.extra);
        EXPECT_EQ(h, row.lines * tm.tmHeight) << row.text << " at " << row.widthChars;
        EXPECT_EQ(r.bottom - r.top, row.lines * tm.tmHeight) << row.text;
        EXPECT_EQ(r.right - r.left, row.resultChars * a) << row.text << " at " << row.widthChars;
        EXPECT_EQ(r.left, 5);
        EXPECT_EQ(r.top, 7);
    }
}

// Expanded tabs: each piece is drawn where TextOutA would put it at its stop, and DT_CALCRECT
// (not allowed with DT_TABSTOP, whose tab size shares its bits) measures to the last piece.
TEST_F(DrawTextLayoutTest, TabsExpandToTheirStops) {
    struct Row {
        const char* text;
        UINT format;
        std::vector<int> stopsInAverages; // where the second, third, ... piece starts
    };
    const int ave = tm.tmAveCharWidth;
    const Row rows[] = {
        {"a\tb", DT_EXPANDTABS, {8}},
        {"a\tb\tc", DT_EXPANDTABS, {8, 16}},
        {"a\tb", DT_EXPANDTABS | DT_TABSTOP | (4 << 8), {4}},
        {"aaaaa\tb\tc", DT_EXPANDTABS | DT_TABSTOP | (4 << 8), {8, 12}},
        {"a\tb", DT_EXPANDTABS | DT_TABSTOP, {8}}, // a tab size of 0 is the default
    };
    for (const Row& row : rows) {
        clear();
        RECT r{10, 4, 230, 100};
        DrawTextA(dc, row.text, -1, &r, row.format);
        const plat::Surface drawn = testsupport::presented_surface(top);
        clear();
        const std::string text = row.text;
        std::size_t start = 0;
        int x = 10;
        for (std::size_t i = 0; i <= row.stopsInAverages.size(); ++i) {
            const std::size_t end = std::min(text.find('\t', start), text.size());
            TextOutA(dc, x, 4, text.data() + start, static_cast<int>(end - start));
            if (i < row.stopsInAverages.size()) x = 10 + row.stopsInAverages[i] * ave;
            start = end + 1;
        }
        EXPECT_EQ(differing(drawn, testsupport::presented_surface(top)), 0) << text;
        if (!(row.format & DT_TABSTOP)) {
            RECT calc{0, 0, 200, 0};
            DrawTextA(dc, row.text, -1, &calc, DT_CALCRECT | DT_SINGLELINE | row.format);
            EXPECT_EQ(calc.right, row.stopsInAverages.back() * ave + a) << text;
        }
    }
    // Without DT_EXPANDTABS a tab is one more character of the font.
    RECT plain{0, 0, 200, 0};
    DrawTextA(dc, "a\tb", -1, &plain, DT_CALCRECT | DT_SINGLELINE);
    SIZE extent{};
    GetTextExtentPoint32A(dc, "a\tb", 3, &extent);
    EXPECT_EQ(plain.right, extent.cx);
}

// What DrawTextA draws is, pixel for pixel, what TextOutA draws at the places the format
// implies.
TEST_F(DrawTextLayoutTest, DrawnLinesLandWhereTheFormatPutsThem) {
    struct Placed {
        const char* text;
        int x, y;
    };
    struct Row {
        const char* name;
        const char* text;
        RECT rect;
        UINT format;
        std::vector<Placed> expected;
        int answer; // the height of the text, or where it ends below the rectangle's top
    };
    const int h = tm.tmHeight;
    const Row rows[] = {
        {"wrapped left",
         "aaa bb cccc",
         {10, 4, 10 + 5 * a, 100},
         DT_WORDBREAK,
         {{"aaa", 10, 4}, {"bb", 10, 4 + h}, {"cccc", 10, 4 + 2 * h}},
         3 * h},
        {"wrapped right",
         "aaa bb",
         {10, 4, 10 + 4 * a, 100},
         DT_WORDBREAK | DT_RIGHT,
         {{"aaa", 10 + a, 4}, {"bb", 10 + 2 * a, 4 + h}},
         2 * h},
        {"wrapped centre",
         "aaa bb",
         {10, 4, 10 + 5 * a, 100},
         DT_WORDBREAK | DT_CENTER,
         {{"aaa", 10 + a, 4}, {"bb", 10 + 3 * a / 2, 4 + h}},
         2 * h},
        {"single bottom",
         "xy",
         {10, 4, 200, 100},
         DT_SINGLELINE | DT_BOTTOM,
         {{"xy", 10, 100 - h}},
         96},
        {"single centre",
         "xy",
         {10, 4, 200, 100},
         DT_SINGLELINE | DT_VCENTER,
         {{"xy", 10, 4 + (96 - h) / 2}},
         (96 - h) / 2 + h},
        {"ellipsis",
         "abcdefghij",
         {10, 4, 10 + 6 * a, 100},
         DT_SINGLELINE | DT_END_ELLIPSIS,
         {{"abc...", 10, 4}},
         h},
        {"ellipsis not needed",
         "abcdef",
         {10, 4, 10 + 6 * a, 100},
         DT_SINGLELINE | DT_END_ELLIPSIS,
         {{"abcdef", 10, 4}},
         h},
    };
    for (const Row& row : rows) {
        clear();
        RECT r = row.rect;
        EXPECT_EQ(DrawTextA(dc, row.text, -1, &r, row.format), row.answer) << row.name;
        const plat::Surface drawn = testsupport::presented_surface(top);
        clear();
        for (const Placed& p : row.expected)
            TextOutA(dc, p.x, p.y, p.text, static_cast<int>(std::string(p.text).size()));
        EXPECT_EQ(differing(drawn, testsupport::presented_surface(top)), 0) << row.name;
    }
}

// The mnemonic of a wrapped text is underlined on the line it ended up on.
TEST_F(DrawTextLayoutTest, MnemonicFollowsItsCharacterOntoTheNextLine) {
    clear();
    RECT r{0, 0, 4 * a, 100};
    DrawTextA(dc, "aaa b&cd", -1, &r, DT_WORDBREAK);
    const plat::Surface s = testsupport::presented_surface(top);
    const int underline = tm.tmHeight + tm.tmAscent + 1;
    for (int x = 0; x < 3 * a; ++x)
        EXPECT_EQ(s.at(x, underline) == 0, x >= a && x < 2 * a) << x;
    for (int x = 0; x < 4 * a; ++x)
        EXPECT_NE(s.at(x, tm.tmAscent + 1), 0u) << "nothing underlined on the first line " << x;
}

// An edit-control layout shows no partly visible last line; a long unbroken word costs no
// more than its lines.
TEST_F(DrawTextLayoutTest, EditControlDropsThePartialLineAndLongWordsStayCheap) {
    clear();
    RECT r{0, 0, 3 * a, tm.tmHeight + tm.tmHeight / 2};
    DrawTextA(dc, "aaa bbb", -1, &r, DT_WORDBREAK | DT_EDITCONTROL);
    const plat::Surface s = testsupport::presented_surface(top);
    for (int y = tm.tmHeight; y < r.bottom; ++y)
        for (int x = 0; x < r.right; ++x)
            ASSERT_EQ(s.at(x, y), 0xFFFFFFu) << x << "," << y;

    const std::string huge(100000, 'x');
    RECT wide{0, 0, 40 * a, 0};
    const int h =
        DrawTextA(dc, huge.c_str(), -1, &wide, DT_CALCRECT | DT_WORDBREAK | DT_EDITCONTROL);
    EXPECT_EQ(h, 2500 * tm.tmHeight);
    EXPECT_EQ(wide.right, 40 * a);
    EXPECT_EQ(DrawTextA(dc, nullptr, 3, &wide, 0), 0);
    EXPECT_EQ(DrawTextA(dc, "abc", 3, nullptr, 0), 0);
}

} // namespace
