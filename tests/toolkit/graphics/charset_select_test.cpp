#include <array>
#include <cstdint>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

#include "charfile_writer.h"
#include "core/context.h"
#include "graphics/charset.h"
#include "graphics/charset_load.h"
#include "public/grinit.h"
#include "public/infoerr.h"
#include "support/temp_dir.h"
#include "util/error_record.h"

using tess::graphics;
using tess::graphics_process;
using testsupport::TempDir;

namespace {

// A valid seven-bit set of primary data bytes whose first cell value is marker.
std::string sized_set(std::int32_t primary, std::int32_t marker = 6) {
    std::string bytes(charfile::PrimaryDataAt + static_cast<std::size_t>(primary), 'u');
    charfile::put_le32(bytes, 0, primary);
    charfile::put_le32(bytes, 4, marker);
    charfile::put_le32(bytes, 8, 8);
    for (int i = 0; i < 95; ++i)
        charfile::put_le32(bytes, charfile::PrimaryOffsetsAt + 4 * i, 0);
    return bytes;
}

std::string numbered(const char* prefix, int i) {
    std::string name(prefix);
    name.append(std::to_string(i));
    return name;
}

class CharacterSetSelection : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = tess::tk().settings;
        tess::tk().reset();
        graphics_process() = {};
        tess::tk().errors = {};
        tess::tk().settings.charSet = "standard.chr";
        tess::tk().settings.charDir = "";
    }
    void TearDown() override {
        tess::tk().settings = saved_;
        graphics_process() = {};
        tess::tk().reset();
    }

    static const tess::CharacterSet& current() { return graphics().charsets.current; }
    static std::string store() { return std::string(tess::charset_store_name()); }
    static int first_cell() { return current().cells[0]; }

    TempDir dir{true};

private:
    tess::ToolkitSettings saved_;
};

TEST_F(CharacterSetSelection, SevenAndEightBitFilesLoadByName) {
    dir.write("seven.chr", charfile::build(charfile::standard_font(false)));
    dir.write("eight.chr", charfile::build(charfile::standard_font(true)));
    IGrCharSet("seven.chr  ");
    EXPECT_EQ(InfoError(1), 0);
    EXPECT_EQ(current().kind, 1);
    EXPECT_EQ(current().range, 7);
    EXPECT_EQ(store(), "seven.chr");
    IGrCharSet("  eight.chr and more words");
    EXPECT_EQ(InfoError(1), 0);
    EXPECT_EQ(current().range, 8);
    EXPECT_EQ(store(), "eight.chr");
    EXPECT_EQ(current().extension[0xC4 - 160] >= 0, true);
}

TEST_F(CharacterSetSelection, HardwareLetterAloneWinsOverAFileOfThatName) {
    const std::string set = charfile::build(charfile::standard_font(false));
    dir.write("h", set);
    dir.write("H", set);
    dir.write("loaded.chr", set);
    IGrCharSet("loaded.chr");
    for (const char* name : {"h", "H", "h   "}) {
        SCOPED_TRACE(name);
        IGrCharSet(std::string_view(name));
        EXPECT_EQ(current().kind, 0);
        EXPECT_EQ(store(), "loaded.chr");
        EXPECT_EQ(InfoError(1), 0);
    }
    IGrCharSet("hh"); // not the letter alone: no such file
    EXPECT_EQ(InfoError(1), 1);
}

TEST_F(CharacterSetSelection, TheLoadedSetIsNotReadAgain) {
    dir.write("a.chr", sized_set(10, 11));
    IGrCharSet("a.chr");
    ASSERT_EQ(first_cell(), 11);
    IGrCharSet("H");
    std::filesystem::remove(dir.file("a.chr"));
    IGrCharSet("a.chr");
    EXPECT_EQ(InfoError(1), 0);
    EXPECT_EQ(current().kind, 1);
    EXPECT_EQ(first_cell(), 11);
}

TEST_F(CharacterSetSelection, PrimaryLengthLimitAndShortFiles) {
    struct Case {
        const char* what;
        std::string file;
        int error;
    };
    const std::string good = sized_set(5, 21);
    const Case cases[] = {
        {"17000 accepted", sized_set(17000, 31), 0},
        {"17001 refused", sized_set(17001, 41), 2},
        {"primary data one short", good.substr(0, good.size() - 1), 2},
        {"empty file", "", 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        dir.write("before.chr", good);
        IGrCharSet("before.chr");
        ASSERT_EQ(first_cell(), 21);
        xxsetfilestatus_(77);
        dir.write("test.chr", c.file);
        IGrCharSet("test.chr");
        EXPECT_EQ(InfoError(1), c.error);
        if (c.error == 0) {
            EXPECT_EQ(current().kind, 1);
            EXPECT_EQ(store(), "test.chr");
            EXPECT_EQ(current().strokes.size(), 17000u);
        } else {
            EXPECT_EQ(current().kind, 0);
            EXPECT_EQ(store(), "");
            EXPECT_EQ(InfoError(2), 0);
            EXPECT_EQ(first_cell(), 21); // the tables of the set before stay
        }
        graphics_process() = {};
    }
}

TEST_F(CharacterSetSelection, MissingFileIsErrorOneAndChangesNothing) {
    dir.write("a.chr", sized_set(10, 11));
    IGrCharSet("a.chr");
    IGrCharSet("missing.chr");
    EXPECT_EQ(InfoError(1), 1);
    EXPECT_EQ(store(), "a.chr");
    EXPECT_EQ(current().kind, 1);
    EXPECT_EQ(first_cell(), 11);
}

TEST_F(CharacterSetSelection, DirectoryRetryAndDefaultName) {
    std::filesystem::create_directory(dir.file("sets"));
    dir.write("sets/only.chr", sized_set(4, 12));
    dir.write("sets/standard.chr", sized_set(4, 13));
    dir.write("only.chr.not", sized_set(4, 14));
    IGrCharSet("only.chr");
    EXPECT_EQ(InfoError(1), 1);
    tess::tk().settings.charDir = "sets/";
    IGrCharSet("only.chr");
    EXPECT_EQ(InfoError(1), 0);
    EXPECT_EQ(first_cell(), 12);
    EXPECT_EQ(store(), "sets/only.chr");
    IGrCharSet("   ");
    EXPECT_EQ(InfoError(1), 0);
    EXPECT_EQ(first_cell(), 13);
    EXPECT_EQ(store(), "sets/standard.chr");
}

// Twenty sets are cached; the twenty-first is read from its file at each selection.
TEST_F(CharacterSetSelection, CacheHoldsTwentySets) {
    for (int i = 1; i <= 21; ++i) {
        dir.write(numbered("s", i), sized_set(3, i));
        IGrCharSet(numbered("s", i));
        ASSERT_EQ(first_cell(), i);
    }
    EXPECT_EQ(graphics_process().charCache.size(), 20u);
    for (int i = 1; i <= 21; ++i)
        dir.write(numbered("s", i), sized_set(3, 100 + i));
    for (int i = 1; i <= 21; ++i) {
        SCOPED_TRACE(i);
        IGrCharSet(numbered("s", i));
        EXPECT_EQ(first_cell(), i <= 20 ? i : 121);
    }
}

// 70000 stroke bytes are cached: a set that would end past them is loaded but not cached.
TEST_F(CharacterSetSelection, CacheHoldsSeventyThousandBytes) {
    const int sizes[] = {17000, 17000, 17000, 17000, 2001, 2000, 1};
    const bool cached[] = {true, true, true, true, false, true, false};
    for (int i = 0; i < 7; ++i) {
        dir.write(numbered("b", i), sized_set(sizes[i], i + 1));
        IGrCharSet(numbered("b", i));
        ASSERT_EQ(first_cell(), i + 1);
    }
    EXPECT_EQ(graphics_process().charCacheBytes, 70000u);
    // A cached set comes from the cache although its file changed.
    for (int i = 0; i < 7; ++i)
        dir.write(numbered("b", i), sized_set(sizes[i], 100 + i));
    for (int i = 0; i < 7; ++i) {
        SCOPED_TRACE(i);
        IGrCharSet(numbered("b", i));
        EXPECT_EQ(first_cell(), cached[i] ? i + 1 : 100 + i);
    }
}

TEST_F(CharacterSetSelection, ProbingRecordsTheStandardFilesAndLeavesNoError) {
    dir.write("swiss.chr", sized_set(3));
    dir.write("roman.chr", "short");
    std::filesystem::create_directory(dir.file("romanbld.chr"));
    dir.write("fixedbld.chr", charfile::build(charfile::standard_font(true)));
    xxerror_(1003);
    xxsetfilestatus_(9);
    tess::xxcharprobe_();
    EXPECT_EQ(graphics_process().charFileAvailable, (std::array<int, 6>{1, 0, 0, 0, 0, 1}));
    EXPECT_EQ(current().kind, 0);
    EXPECT_EQ(InfoError(1), 1003);
    EXPECT_EQ(InfoError(2), 9);

    // Once per process: a second probe changes nothing.
    dir.write("fixed.chr", sized_set(3));
    tess::xxcharprobe_();
    EXPECT_EQ(graphics_process().charFileAvailable[4], 0);
}

TEST_F(CharacterSetSelection, JustificationAndSpacingLetters) {
    struct Case {
        const char* letter;
        int justify, spacing;
    };
    const Case cases[] = {
        {"c", 0, 0}, {"f", 0, 0}, {"L", 1, 0}, {"left", 1, 0}, {"r", 2, 0}, {"R", 2, 0},
        {"P", 0, 1}, {"p", 0, 1}, {"h", 0, 2}, {"H", 0, 2},    {"", 0, 0},  {" l", 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.letter);
        IGrCharJustify(std::string_view(c.letter));
        IGrCharSpacing(std::string_view(c.letter));
        EXPECT_EQ(graphics().state.justify, c.justify);
        EXPECT_EQ(graphics().state.spacing, c.spacing);
    }
}

TEST_F(CharacterSetSelection, SizeFactorsAndCharacterCells) {
    struct Case {
        float width, height;
        std::array<float, 2> area; // share of the window
        std::array<float, 2> factor, cells;
    };
    const Case cases[] = {
        {1, 1, {1, 1}, {1, 1}, {75, 25}},
        {2, 0.5f, {1, 1}, {2, 0.5f}, {37.5f, 50}},
        {0, -3, {1, 1}, {1, 1}, {75, 25}},
        {1, 1, {0.5f, 0.25f}, {1, 1}, {150, 100}},
    };
    for (const auto& c : cases) {
        graphics().state.areaSize = c.area;
        IGrCharSize(c.width, c.height);
        EXPECT_EQ(graphics().state.charFactor, c.factor);
        EXPECT_FLOAT_EQ(graphics().state.charCells[0], c.cells[0]);
        EXPECT_FLOAT_EQ(graphics().state.charCells[1], c.cells[1]);
    }
    // Once the area has been measured, its pixels count.
    graphics().state.deviceExtent = {639.99f, 479.99f};
    graphics().state.charBasisPixels = {320, 240};
    IGrCharSize(1, 1);
    EXPECT_NEAR(graphics().state.charCells[0], 150, 0.01);
    EXPECT_NEAR(graphics().state.charCells[1], 50, 0.01);
}

} // namespace
