#include "core/context.h"
#include "public/bfopen.h"
#include "public/infoerr.h"

#include <array>
#include <cerrno>
#include <cstdint>
#include <gtest/gtest.h>
#include <string>

#include "support/temp_dir.h"
#include "util/error_record.h"

using tess::FixedString;
using testsupport::TempDir;

namespace {

class RawFileTest : public ::testing::Test {
protected:
    void SetUp() override { tess::tk().errors = {}; }
    TempDir dir;
};

TEST_F(RawFileTest, ReadsExactBytesThenShortCountThenZero) {
    const std::string path = dir.write("forty.bin", std::string(40, '\x7F'));
    int handle = -1;
    IFileOpen(path, 0, handle);
    ASSERT_GE(handle, 0);
    std::array<char, 100> buffer{};
    int got = -2;
    IFileRead(handle, buffer, 100, got);
    EXPECT_EQ(got, 40);
    EXPECT_EQ(buffer[39], '\x7F');
    IFileRead(handle, buffer, 100, got);
    EXPECT_EQ(got, 0);
    EXPECT_EQ(InfoError(1), 0); // the end of the file is not an error
    IFileClose(handle);
}

TEST_F(RawFileTest, NameIsTrimmedOfBlanksAndNulsOnBothSides) {
    const std::string path = dir.write("named.bin", "xyz");
    std::string padded = "   " + path + std::string("\0  \0", 4);
    int handle = -1;
    IFileOpen(padded, 0, handle);
    ASSERT_GE(handle, 0);
    FixedString<3> text;
    int got = 0;
    IFileReadChar(handle, text, 3, got);
    EXPECT_EQ(got, 3);
    EXPECT_EQ(text.view(), "xyz");
    IFileClose(handle);
}

TEST_F(RawFileTest, OpenFailuresRecordErrorOneAndTheSystemStatus) {
    int handle = 99;
    IFileOpen("    ", 0, handle);
    EXPECT_EQ(handle, -1);
    EXPECT_EQ(InfoError(1), 1);
    EXPECT_EQ(InfoError(2), 0); // found before the system was asked

    const std::string path = dir.write("exists.bin", "a");
    for (int mode : {-1, 3, 7}) {
        handle = 99;
        IFileOpen(path, mode, handle);
        EXPECT_EQ(handle, -1) << mode;
        EXPECT_EQ(InfoError(1), 1);
        EXPECT_EQ(InfoError(2), 0);
    }

    IFileOpen(dir.file("missing.bin"), 0, handle);
    EXPECT_EQ(handle, -1);
    EXPECT_EQ(InfoError(1), 1);
    EXPECT_EQ(InfoError(2), ENOENT);
}

TEST_F(RawFileTest, ModeOneEmptiesAnExistingFileAndModeTwoReadsAndWrites) {
    const std::string path = dir.write("full.bin", "previous contents");
    int handle = -1;
    IFileOpen(path, 1, handle);
    ASSERT_GE(handle, 0);
    IFileClose(handle);
    EXPECT_EQ(testsupport::read_all(path), "");

    IFileOpen(dir.file("new.bin"), 1, handle);
    ASSERT_GE(handle, 0);
    IFileClose(handle);

    testsupport::TempDir other;
    const std::string rw = other.write("rw.bin", "abc");
    IFileOpen(rw, 2, handle);
    ASSERT_GE(handle, 0);
    char c = 0;
    int got = 0;
    IFileRead(handle, c, 1, got);
    EXPECT_EQ(got, 1);
    EXPECT_EQ(c, 'a');
    IFileClose(handle);
}

TEST_F(RawFileTest, ReadErrorsGiveMinusOneAndErrorTwo) {
    std::int32_t word = 0;
    int got = 0;
    IFileRead(-1, word, 4, got);
    EXPECT_EQ(got, -1);
    EXPECT_EQ(InfoError(1), 2);
    EXPECT_EQ(InfoError(2), EBADF);

    int handle = -1;
    IFileOpen(dir.path().string(), 0, handle); // a directory opens but cannot be read
    ASSERT_GE(handle, 0);
    FixedString<4> text;
    IFileReadChar2(handle, text, 4, got);
    EXPECT_EQ(got, -1);
    EXPECT_EQ(InfoError(1), 2);
    EXPECT_EQ(InfoError(2), EISDIR);
    IFileClose(handle);
}

TEST_F(RawFileTest, NeverReadsPastTheBuffer) {
    const std::string path = dir.write("long.bin", std::string(64, 'q'));
    int handle = -1;
    IFileOpen(path, 0, handle);
    ASSERT_GE(handle, 0);
    struct {
        std::array<char, 4> head;
        std::array<char, 4> guard;
    } record{{}, {'g', 'g', 'g', 'g'}};
    int got = 0;
    IFileRead5(handle, record.head, 1000, got);
    EXPECT_EQ(got, 4);
    EXPECT_EQ(record.guard[0], 'g');
    std::vector<std::int16_t> shorts(3);
    IFileRead8(handle, shorts, 1000, got);
    EXPECT_EQ(got, 6);
    IFileRead(handle, shorts, -5, got);
    EXPECT_EQ(got, 0);
    IFileClose(handle);
}

TEST_F(RawFileTest, OverlongNamesFailWithoutHarm) {
    int handle = 0;
    IFileOpen(std::string(300, 'n'), 0, handle);
    EXPECT_EQ(handle, -1);
    EXPECT_EQ(InfoError(1), 1);
    EXPECT_NE(InfoError(2), 0);
}

} // namespace
