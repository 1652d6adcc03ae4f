// The edit control's line breaking on its own: where lines end at a width, and that updating
// the lines after a change gives what laying out the changed text anew gives.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "controls/edit_layout.h"

namespace {

using plat::EditLayout;
using plat::EditLine;
using plat::EditMeasure;

// Every character 10 pixels wide, tabs every 40: a width of 10 * n holds n characters.
EditMeasure fixed() {
    EditMeasure m;
    m.widths.fill(10);
    m.tabEvery = 40;
    return m;
}

struct Expected {
    std::size_t start, length;
    bool wrapped;
};

std::vector<Expected> lines_of(const EditLayout& l) {
    std::vector<Expected> out;
    for (const EditLine& line : l.lines())
        out.push_back({line.start, line.length, line.wrapped});
    return out;
}

bool operator==(const Expected& a, const Expected& b) {
    return a.start == b.start && a.length == b.length && a.wrapped == b.wrapped;
}

void PrintTo(const Expected& e, std::ostream* os) {
    *os << "{" << e.start << "," << e.length << (e.wrapped ? ",wrapped}" : "}");
}

TEST(EditLayout, BreaksAfterBlanksAndInsideLongWords) {
    struct Row {
        const char* text;
        int width; // pixels; NoWrap for none
        std::vector<Expected> lines;
    };
    const std::vector<Row> rows{
        // Fits: one line.
        {"one two", 70, {{0, 7, false}}},
        // The word that does not fit starts the next line; the blank stays behind.
        {"one two", 60, {{0, 4, true}, {4, 3, false}}},
        {"one two three", 90, {{0, 8, true}, {8, 5, false}}},
        // Several blanks stay at the end of the line even beyond the width.
        {"ab     cd", 40, {{0, 7, true}, {7, 2, false}}},
        // A word longer than the line breaks inside it, as many characters as fit.
        {"abcdefghij", 40, {{0, 4, true}, {4, 4, true}, {8, 2, false}}},
        {"x abcdefgh", 40, {{0, 2, true}, {2, 4, true}, {6, 4, false}}},
        // Hard breaks end lines whatever the width; "\r" belongs to the break.
        {"ab\r\ncd\r\n", 100, {{0, 2, false}, {4, 2, false}, {8, 0, false}}},
        {"aaa bbb\nccc", 50, {{0, 4, true}, {4, 3, false}, {8, 3, false}}},
        // A tab advances to the next stop: "a\tb" is 50 pixels.
        {"a\tb c", 50, {{0, 4, true}, {4, 1, false}}},
        // Narrower than a character: still one character a line.
        {"abc", 5, {{0, 1, true}, {1, 1, true}, {2, 1, false}}},
        {"", 30, {{0, 0, false}}},
        // No wrapping: only the hard breaks.
        {"one two three four", EditLayout::NoWrap, {{0, 18, false}}},
    };
    for (const Row& row : rows) {
        EditLayout l;
        l.reset(row.text, fixed(), row.width, true);
        EXPECT_EQ(lines_of(l), row.lines) << '"' << row.text << "\" at " << row.width;
    }
}

TEST(EditLayout, LineOfPositionsAndWidths) {
    EditLayout l;
    l.reset("one two\r\nthree", fixed(), 50, true);
    ASSERT_EQ(l.count(), 3u);
    // Where a wrapped line ends the next line begins: that position belongs to it.
    const std::vector<std::pair<std::size_t, std::size_t>> at{{0, 0}, {3, 0}, {4, 1},  {7, 1},
                                                              {8, 1}, {9, 2}, {14, 2}, {99, 2}};
    for (const auto& [pos, line] : at)
        EXPECT_EQ(l.line_of(pos), line) << pos;
    EXPECT_EQ(l.lines()[0].width, 40); // "one " with its blank
    EXPECT_EQ(l.widest(), 50);
    // A single-line layout keeps everything on one line.
    l.reset("a\r\nb c d", fixed(), 20, false);
    EXPECT_EQ(lines_of(l), (std::vector<Expected>{{0, 8, false}}));
}

// A small deterministic generator, so that a failure repeats.
struct Random {
    std::uint32_t state;
    std::uint32_t next(std::uint32_t n) {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) % n;
    }
};

// Each change updates the lines as laying out the whole new text would, at widths that wrap
// words, break long ones and do not wrap at all.
TEST(EditLayout, ChangesGiveWhatAFreshLayoutGives) {
    const char alphabet[] = "ab  c\t\r\nxyz";
    for (const int width : {35, 60, 120, EditLayout::NoWrap}) {
        Random random{static_cast<std::uint32_t>(width + 7)};
        std::string text = "The quick brown fox\r\njumps over the lazy dog. A longwordthatbreaks";
        EditLayout updated;
        updated.reset(text, fixed(), width, true);
        for (int step = 0; step < 600; ++step) {
            const std::size_t at = random.next(static_cast<std::uint32_t>(text.size() + 1));
            const std::size_t removed = std::min<std::size_t>(random.next(4), text.size() - at);
            std::string inserted;
            for (std::uint32_t n = random.next(5); n > 0; --n)
                inserted += alphabet[random.next(sizeof alphabet - 1)];
            text.replace(at, removed, inserted);
            updated.replace(text, fixed(), at, removed, inserted.size());
            EditLayout fresh;
            fresh.reset(text, fixed(), width, true);
            ASSERT_EQ(lines_of(updated), lines_of(fresh))
                << "width " << width << " step " << step << " at " << at;
            ASSERT_EQ(updated.widest(), fresh.widest());
        }
    }
}

// A change described with positions that do not fit the text lays it out anew.
TEST(EditLayout, InconsistentChangeStillGivesTheRightLines) {
    EditLayout l;
    l.reset("abc def", fixed(), 40, true);
    l.replace("abc def ghi", fixed(), 50, 3, 1);
    EditLayout fresh;
    fresh.reset("abc def ghi", fixed(), 40, true);
    EXPECT_EQ(lines_of(l), lines_of(fresh));
    EXPECT_EQ(l.text_size(), 11u);
}

TEST(EditMeasure, TabsGoToTheStopsThenEveryIntervalFromTheStart) {
    EditMeasure m = fixed();
    m.tabStops = {25, 60};
    m.tabEvery = 30;
    const std::vector<std::pair<int, int>> rows{{0, 25},  {24, 25}, {25, 60},  {59, 60},
                                                {60, 90}, {89, 90}, {90, 120}, {121, 150}};
    for (const auto& [x, after] : rows)
        EXPECT_EQ(m.after(x, '\t'), after) << x;
    EXPECT_EQ(m.after(7, 'a'), 17);
    m.password = '*';
    m.widths['*'] = 6;
    EXPECT_EQ(m.after(7, '\t'), 13); // a password field shows every character as its own
    m.password = 0;
    m.tabEvery = 0;
    EXPECT_EQ(m.after(7, '\t'), 17); // a single-line field's tab is a character
}

} // namespace
