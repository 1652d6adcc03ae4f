#include "graphics/charset.h"

#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

#include "charfile_writer.h"
#include "graphics/charset_strokes.h"

using tess::CharacterSet;
using tess::CharFileLayout;

namespace {

// Exactly the file's bytes on the heap, so that a read past the end is caught under ASan.
CharFileLayout parse(const std::string& file, CharacterSet& set) {
    const std::vector<std::uint8_t> bytes(file.begin(), file.end());
    return tess::charset_read(bytes, set);
}

charfile::Spec small_spec(bool eightBit, bool cellPair = true) {
    charfile::Spec spec;
    spec.cells = {6, 8};
    spec.extensionCells = {10, 12};
    spec.cellPair = cellPair;
    spec.eightBit = eightBit;
    spec.glyphs['A'] = {{{{0, 0}, {2, 6}, {4, 0}}}, 6};
    spec.glyphs[' '] = {{}, 4};
    if (eightBit) spec.glyphs[196] = {{{{0, 0}, {4, 8}}}, 8};
    return spec;
}

// A file of fields 1 to 5 whose primary data is primary bytes of "u".
std::string raw_set(std::int32_t primary, std::int32_t width = 6) {
    std::string bytes(charfile::PrimaryDataAt + static_cast<std::size_t>(std::max(primary, 0)),
                      'u');
    charfile::put_le32(bytes, 0, primary);
    charfile::put_le32(bytes, 4, width);
    charfile::put_le32(bytes, 8, 8);
    for (int i = 0; i < 95; ++i)
        charfile::put_le32(bytes, charfile::PrimaryOffsetsAt + 4 * i, 0);
    return bytes;
}

// An extension part (fields 6 to 10) of extension bytes, for appending to raw_set.
std::string raw_extension(std::int32_t extension, char fill = 'v') {
    std::string bytes(12 + 384 + static_cast<std::size_t>(std::max(extension, 0)), fill);
    charfile::put_le32(bytes, 0, 7);
    charfile::put_le32(bytes, 4, 9);
    charfile::put_le32(bytes, 8, extension);
    for (int i = 0; i < 96; ++i)
        charfile::put_le32(bytes, 12 + 4 * i, 0);
    return bytes;
}

TEST(CharacterFile, LayoutsRangesAndCellValues) {
    struct Case {
        const char* what;
        std::string file;
        CharFileLayout layout;
        std::array<std::int32_t, 4> cells;
    };
    const Case cases[] = {
        {"fields 1 to 5 only",
         charfile::build(small_spec(false, false)),
         CharFileLayout::SevenBit,
         {6, 8, 6, 8}},
        {"with the second cell pair",
         charfile::build(small_spec(false)),
         CharFileLayout::SevenBit,
         {6, 8, 10, 12}},
        {"eight-bit", charfile::build(small_spec(true)), CharFileLayout::EightBit, {6, 8, 10, 12}},
        {"one byte of the second pair",
         charfile::build(small_spec(false, false)) + "x",
         CharFileLayout::SevenBit,
         {6, 8, 6, 8}},
        {"P 17000", raw_set(17000), CharFileLayout::SevenBit, {6, 8, 6, 8}},
        {"P 17001", raw_set(17001), CharFileLayout::Invalid, {}},
        {"P negative", raw_set(-1), CharFileLayout::Invalid, {}},
        {"P + E 17000",
         raw_set(16000) + raw_extension(1000),
         CharFileLayout::EightBit,
         {6, 8, 7, 9}},
        {"P + E 17001",
         raw_set(16000) + raw_extension(1001),
         CharFileLayout::SevenBit,
         {6, 8, 7, 9}},
        {"E negative", raw_set(10) + raw_extension(-3), CharFileLayout::SevenBit, {6, 8, 7, 9}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CharacterSet set;
        ASSERT_EQ(parse(c.file, set), c.layout);
        if (c.layout == CharFileLayout::Invalid) continue;
        EXPECT_EQ(set.cells, c.cells);
        EXPECT_EQ(set.range, c.layout == CharFileLayout::EightBit ? 8 : 7);
        if (c.layout == CharFileLayout::SevenBit) {
            EXPECT_EQ(set.extension[0], -1);
            EXPECT_EQ(set.extension[95], -1);
            EXPECT_EQ(static_cast<std::int32_t>(set.strokes.size()), set.primaryBytes);
        }
    }
}

TEST(CharacterFile, ExtensionDataFollowsThePrimaryData) {
    CharacterSet set;
    ASSERT_EQ(parse(raw_set(5) + raw_extension(3, 'x'), set), CharFileLayout::EightBit);
    EXPECT_EQ(set.primaryBytes, 5);
    EXPECT_EQ(std::string(set.strokes.begin(), set.strokes.end()), "uuuuuxxx");
}

TEST(CharacterFile, KindFromTheFirstPenLetter) {
    struct Case {
        std::string primary, extension;
        int kind;
    };
    const Case cases[] = {
        {"xuv", "", 1}, {"xvu", "", 2},  {"xyz", "", 2},
        {"", "", 2},    {"ab", "uv", 1}, {"ab", "vu", 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.primary + "|" + c.extension);
        std::string file = raw_set(static_cast<std::int32_t>(c.primary.size()));
        file.replace(charfile::PrimaryDataAt, c.primary.size(), c.primary);
        if (!c.extension.empty()) {
            std::string ext = raw_extension(static_cast<std::int32_t>(c.extension.size()));
            ext.replace(ext.size() - c.extension.size(), c.extension.size(), c.extension);
            file += ext;
        }
        CharacterSet set;
        ASSERT_NE(parse(file, set), CharFileLayout::Invalid);
        EXPECT_EQ(set.kind, c.kind);
    }
}

// Every prefix of an eight-bit file: invalid up to the end of the primary data, seven-bit up to
// the end of the extension data, eight-bit after; an invalid prefix leaves the set untouched.
TEST(CharacterFile, TruncatedAtEveryLength) {
    const std::string file = charfile::build(charfile::standard_font(true));
    CharacterSet whole;
    ASSERT_EQ(parse(file, whole), CharFileLayout::EightBit);
    const std::size_t primaryEnd = charfile::PrimaryDataAt + whole.primaryBytes;
    for (std::size_t n = 0; n <= file.size(); ++n) {
        CharacterSet set;
        set.cells = {-7, -7, -7, -7};
        const CharFileLayout layout = parse(file.substr(0, n), set);
        const CharFileLayout expected = n < primaryEnd    ? CharFileLayout::Invalid
                                        : n < file.size() ? CharFileLayout::SevenBit
                                                          : CharFileLayout::EightBit;
        ASSERT_EQ(layout, expected) << "length " << n;
        if (layout == CharFileLayout::Invalid) {
            ASSERT_EQ(set.cells[0], -7) << "length " << n;
        }
    }
}

bool finite(const tess::StrokeText& text) {
    for (const auto& s : text.segments)
        if (!std::isfinite(s.x1 + s.y1 + s.x2 + s.y2)) return false;
    return std::isfinite(text.width);
}

// Offsets and counts that point outside the file or the data, and random bytes: no read past a
// buffer (ASan), and the strokes stay finite.
TEST(CharacterFile, OffsetsAndCountsBeyondTheFileAndGarbage) {
    std::vector<std::string> files;
    const std::string good = charfile::build(charfile::standard_font(true));
    for (const std::int32_t offset : {-1, -1000, 1 << 30, 0x7fffffff, 17000, 1}) {
        std::string f = good;
        for (int i = 0; i < 95; ++i)
            charfile::put_le32(f, charfile::PrimaryOffsetsAt + 4 * i, offset);
        files.push_back(f);
    }
    for (const std::int32_t primary : {17000, 16999, 0x7fffffff, -0x7fffffff - 1}) {
        std::string f = good;
        charfile::put_le32(f, charfile::PrimaryLengthAt, primary);
        files.push_back(f);
    }
    for (const std::int32_t cell : {0, -1, 1}) {
        std::string f = good;
        charfile::put_le32(f, 4, cell);
        files.push_back(f);
    }
    std::mt19937 random(20261209);
    for (int i = 0; i < 300; ++i) {
        std::string f(random() % 2000, '\0');
        for (auto& b : f)
            b = static_cast<char>(random());
        if (i % 2 == 0 && f.size() >= 4)
            charfile::put_le32(f, 0, static_cast<std::int32_t>(random() % 1800));
        files.push_back(f);
        std::string g = good;
        for (int k = 0; k < 20; ++k)
            g[random() % g.size()] = static_cast<char>(random());
        files.push_back(g);
    }
    std::string all(256, ' ');
    for (int c = 0; c < 256; ++c)
        all[c] = static_cast<char>(c);
    for (const auto& f : files) {
        const std::vector<std::uint8_t> bytes(f.begin(), f.end());
        const int range = tess::charset_parse(bytes.data(), bytes.size());
        ASSERT_TRUE(range == 0 || range == 7 || range == 8);
        CharacterSet set;
        if (tess::charset_read(bytes, set) == CharFileLayout::Invalid) continue;
        ASSERT_LE(set.strokes.size(), static_cast<std::size_t>(tess::CharStrokeBytes));
        ASSERT_TRUE(finite(tess::charset_text_strokes(set, all, true)));
    }
}

} // namespace
