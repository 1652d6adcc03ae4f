// TabbedTextOutA and GetTabbedTextExtentA: where the pieces between tabs land, measured against
// GetTextExtentPoint32A of the pieces, and what the user sees of them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <windows.h>

#include "support/headless_window.h"

namespace {

constexpr int Default = -1000; // the next stop of the default spacing after the previous piece

// A piece of the text and the stop it starts at (or, negative, ends at).
struct Piece {
    const char* text;
    int stop;
};

struct Row {
    const char* name;
    std::vector<INT> tabs;
    std::vector<Piece> pieces; // joined with tabs; the first starts at 0
};

const Row rows[] = {
    {"default spacing", {}, {{"ab", 0}, {"c", Default}, {"d", Default}}},
    {"empty pieces", {}, {{"", 0}, {"", Default}, {"x", Default}}},
    {"one value repeats", {50}, {{"ab", 0}, {"c", 50}, {"d", 100}, {"", 150}}},
    {"listed stops", {30, 90}, {{"ab", 0}, {"c", 30}, {"d", 90}}},
    {"past the last stop", {30, 90}, {{"ab", 0}, {"c", 30}, {"d", 90}, {"e", Default}}},
    {"wide piece skips stops", {10, 30, 200}, {{"abcdefghijkl", 0}, {"x", 200}}},
    {"right-aligned stop", {-80, 150}, {{"x", 0}, {"12345", -80}, {"y", 150}}},
    {"repeated right-aligned", {-60}, {{"a", 0}, {"1", -60}, {"22", -120}}},
};

class TabbedTextTest : public testsupport::HeadlessWindowTest {
protected:
    TabbedTextTest() : HeadlessWindowTest({320, 40}) {}
    void SetUp() override {
        HeadlessWindowTest::SetUp();
        dc = GetDC(top);
        font = CreateFontA(-16, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
        SelectObject(dc, font);
        SetBkMode(dc, TRANSPARENT);
        GetTextMetricsA(dc, &tm);
    }
    void TearDown() override {
        ReleaseDC(top, dc);
        DeleteObject(font);
        HeadlessWindowTest::TearDown();
    }
    int width(const char* s) {
        SIZE size{};
        GetTextExtentPoint32A(dc, s, static_cast<int>(std::string(s).size()), &size);
        return size.cx;
    }
    // Where each piece starts, worked out from the row by the documented rules; the end of the last.
    std::vector<int> starts(const Row& row, int* end) {
        std::vector<int> xs;
        int x = 0;
        const int spacing = 8 * tm.tmAveCharWidth;
        for (const Piece& p : row.pieces) {
            int start = p.stop;
            if (p.stop == Default)
                start = (x / spacing + 1) * spacing;
            else if (p.stop < 0)
                start = -p.stop - width(p.text);
            xs.push_back(start);
            x = start + width(p.text);
        }
        *end = x;
        return xs;
    }
    static std::string joined(const Row& row) {
        std::string s;
        for (std::size_t i = 0; i < row.pieces.size(); ++i) {
            if (i) s += '\t';
            s += row.pieces[i].text;
        }
        return s;
    }
    void clear() {
        const RECT all{0, 0, 320, 40};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    HDC dc = nullptr;
    HFONT font = nullptr;
    TEXTMETRICA tm{};
};

TEST_F(TabbedTextTest, ExtentIsTheSumOfPiecesAtTheirStops) {
    for (const Row& row : rows) {
        int end = 0;
        starts(row, &end);
        const std::string s = joined(row);
        const DWORD extent =
            GetTabbedTextExtentA(dc, s.data(), static_cast<int>(s.size()),
                                 static_cast<int>(row.tabs.size()), row.tabs.data());
        EXPECT_EQ(LOWORD(extent), end) << row.name;
        EXPECT_EQ(HIWORD(extent), tm.tmHeight) << row.name;
    }
}

TEST_F(TabbedTextTest, PiecesAreDrawnWhereTextOutWouldDrawThem) {
    for (const Row& row : rows) {
        int end = 0;
        const std::vector<int> xs = starts(row, &end);
        const std::string s = joined(row);
        clear();
        const LONG drawn = TabbedTextOutA(dc, 10, 5, s.data(), static_cast<int>(s.size()),
                                          static_cast<int>(row.tabs.size()), row.tabs.data(), 10);
        EXPECT_EQ(LOWORD(drawn), end) << row.name;
        const plat::Surface tabbed = testsupport::presented_surface(top);
        clear();
        for (std::size_t i = 0; i < row.pieces.size(); ++i)
            TextOutA(dc, 10 + xs[i], 5, row.pieces[i].text,
                     static_cast<int>(std::string(row.pieces[i].text).size()));
        const plat::Surface pieces = testsupport::presented_surface(top);
        int differing = 0;
        for (int y = 0; y < tabbed.height; ++y)
            for (int x = 0; x < tabbed.width; ++x)
                differing += tabbed.at(x, y) != pieces.at(x, y);
        EXPECT_EQ(differing, 0) << row.name;
    }
}

TEST_F(TabbedTextTest, OriginShiftsTheStopsNotTheText) {
    // Starting 20 units past the origin, a stop at 50 is 30 units into the text.
    const INT stops[] = {50};
    const LONG extent = TabbedTextOutA(dc, 20, 5, "ab\tc", 4, 1, stops, 0);
    EXPECT_EQ(LOWORD(extent), 30 + width("c"));
    const LONG fromOrigin = TabbedTextOutA(dc, 20, 5, "ab\tc", 4, 1, stops, 20);
    EXPECT_EQ(LOWORD(fromOrigin), 50 + width("c"));
}

TEST_F(TabbedTextTest, PlainTextAndBadArguments) {
    SIZE plain{};
    GetTextExtentPoint32A(dc, "Formel", 6, &plain);
    EXPECT_EQ(GetTabbedTextExtentA(dc, "Formel", 6, 0, nullptr),
              static_cast<DWORD>(MAKELONG(plain.cx, plain.cy)));
    EXPECT_EQ(GetTabbedTextExtentA(dc, "", 0, 0, nullptr),
              static_cast<DWORD>(MAKELONG(0, tm.tmHeight)));
    EXPECT_EQ(GetTabbedTextExtentA(dc, nullptr, 3, 0, nullptr), 0u);
    EXPECT_EQ(GetTabbedTextExtentA(dc, "abc", -1, 0, nullptr), 0u);
    EXPECT_EQ(GetTabbedTextExtentA(reinterpret_cast<HDC>(0x7777), "abc", 3, 0, nullptr), 0u);
    EXPECT_EQ(TabbedTextOutA(nullptr, 0, 0, "abc", 3, 0, nullptr, 0), 0);
    // A count without an array means the default stops.
    EXPECT_EQ(GetTabbedTextExtentA(dc, "\t", 1, 3, nullptr),
              static_cast<DWORD>(MAKELONG(8 * tm.tmAveCharWidth, tm.tmHeight)));
}

TEST_F(TabbedTextTest, OpaqueBackgroundFillsTheTabGapsAndCurrentPositionMoves) {
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, RGB(0, 0, 255));
    const INT stops[] = {100};
    clear();
    TabbedTextOutA(dc, 0, 5, "a\tb", 3, 1, stops, 0);
    EXPECT_EQ(at(60, 5 + tm.tmHeight / 2), 0x0000FFu); // in the gap
    EXPECT_EQ(at(60, 5 + tm.tmHeight + 1), 0xFFFFFFu); // below the band
    EXPECT_EQ(at(100 + width("b") + 1, 6), 0xFFFFFFu); // after the text

    SetTextAlign(dc, TA_UPDATECP);
    MoveToEx(dc, 10, 5, nullptr);
    TabbedTextOutA(dc, 999, 999, "a\tb", 3, 1, stops, 10);
    POINT now{};
    MoveToEx(dc, 0, 0, &now);
    EXPECT_EQ(now.x, 110 + width("b"));
    EXPECT_EQ(now.y, 5);
    SetTextAlign(dc, TA_TOP | TA_LEFT);
}

} // namespace
