#include "graphics/charset_strokes.h"

#include <cstdint>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <vector>

#include "charfile_writer.h"
#include "graphics/charset.h"

using tess::CharacterSet;
using tess::StrokeSegment;

namespace {

// Primary grid 4 x 8, extension grid 8 x 16: the same glyph shape in both measures the same.
CharacterSet test_set() {
    charfile::Spec spec;
    spec.cells = {4, 8};
    spec.extensionCells = {8, 16};
    spec.eightBit = true;
    spec.glyphs['L'] = {{{{0, 8}, {0, 0}, {2, 0}}}, 3};
    spec.glyphs['-'] = {{{{1, 4}, {3, 4}}}, 4};
    spec.glyphs['_'] = {{{{0, -2}, {4, -2}}}, 4}; // below the baseline
    spec.glyphs[' '] = {{}, 2};
    spec.glyphs[0xC4] = {{{{0, 0}, {4, 16}}}, 8};
    const std::string file = charfile::build(spec);
    CharacterSet set;
    const std::vector<std::uint8_t> bytes(file.begin(), file.end());
    EXPECT_EQ(tess::charset_read(bytes, set), tess::CharFileLayout::EightBit);
    return set;
}

TEST(StrokeText, SegmentsInCellCoordinates) {
    struct Case {
        const char* what;
        std::string text;
        bool proportional;
        std::vector<StrokeSegment> segments;
        float width;
    };
    const Case cases[] = {
        {"one letter, pen moves up between lines", "L", false, {{0, 1, 0, 0}, {0, 0, 0.5f, 0}}, 1},
        {"fixed spacing: one cell each",
         "L-",
         false,
         {{0, 1, 0, 0}, {0, 0, 0.5f, 0}, {1.25f, 0.5f, 1.75f, 0.5f}},
         2},
        {"proportional: the glyph's own advance",
         "L-",
         true,
         {{0, 1, 0, 0}, {0, 0, 0.5f, 0}, {1, 0.5f, 1.5f, 0.5f}},
         1.75f},
        {"below the baseline", "_", false, {{0, -0.25f, 1, -0.25f}}, 1},
        {"blank glyph", " -", true, {{0.75f, 0.5f, 1.25f, 0.5f}}, 1.5f},
        {"absent code advances one cell", "Q-", true, {{1.25f, 0.5f, 1.75f, 0.5f}}, 2},
        {"control code advances one cell", "\t-", false, {{1.25f, 0.5f, 1.75f, 0.5f}}, 2},
        {"extension glyph on its own grid", "\xC4", false, {{0, 0, 0.5f, 1}}, 1},
        {"extension advance on its own grid",
         "\xC4-",
         true,
         {{0, 0, 0.5f, 1}, {1.25f, 0.5f, 1.75f, 0.5f}},
         2},
    };
    const CharacterSet set = test_set();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const tess::StrokeText strokes = tess::charset_text_strokes(set, c.text, c.proportional);
        EXPECT_EQ(strokes.segments, c.segments);
        EXPECT_FLOAT_EQ(strokes.width, c.width);
    }
}

TEST(StrokeText, SevenBitAndHardwareSetsDrawNoExtensionAndNothing) {
    CharacterSet set = test_set();
    set.range = 7;
    const auto seven = tess::charset_text_strokes(set, "\xC4", false);
    EXPECT_TRUE(seven.segments.empty());
    EXPECT_FLOAT_EQ(seven.width, 1);
    set.kind = 0;
    EXPECT_TRUE(tess::charset_text_strokes(set, "L-", false).segments.empty());
}

TEST(StrokeText, CommandsCutShortEndTheCharacter) {
    CharacterSet set = test_set();
    // The commands of 'L' are u 0 8, v 0 0, v 2 0, e 3: cutting them after the first line
    // leaves a dangling opcode.
    const auto end = static_cast<std::size_t>(set.primary['L' - 32]) + 7;
    set.strokes.resize(end);
    set.primaryBytes = static_cast<std::int32_t>(end);
    set.range = 7;
    const auto strokes = tess::charset_text_strokes(set, "L", true);
    EXPECT_EQ(strokes.segments, (std::vector<StrokeSegment>{{0, 1, 0, 0}}));
    EXPECT_FLOAT_EQ(strokes.width, 1);
}

} // namespace

namespace {

// The set the build writes with charfile_gen: eight-bit, every letter and digit present, and
// every stroke inside its cell.
TEST(StrokeText, BuiltStandardSetStaysInsideItsCells) {
    std::ifstream in(TESS_BUILT_CHARFILE, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
    CharacterSet set;
    ASSERT_EQ(tess::charset_read(bytes, set), tess::CharFileLayout::EightBit);
    const std::string text =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789.,:;-+=/()!?'*_<>"
        "\xC4\xD6\xDC\xE4\xF6\xFC\xDF\xB0";
    for (const char c : text) {
        SCOPED_TRACE(static_cast<int>(static_cast<unsigned char>(c)));
        const auto strokes = tess::charset_text_strokes(set, std::string(1, c), true);
        EXPECT_FALSE(strokes.segments.empty());
        EXPECT_GT(strokes.width, 0);
        EXPECT_LE(strokes.width, 1);
        for (const auto& s : strokes.segments) {
            for (const float x : {s.x1, s.x2})
                EXPECT_TRUE(x >= 0 && x <= strokes.width) << x;
            for (const float y : {s.y1, s.y2})
                EXPECT_TRUE(y >= 0 && y <= 1) << y;
        }
    }
}

} // namespace
