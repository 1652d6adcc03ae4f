// Bad names, modes, handles and buffers for the raw file routines: error 1 for an open, 2 for
// a read, and the file status the Parts give; nothing else changes. Already covered in
// bfopen_test.cpp: a blank name, modes -1, 3 and 7, a missing file, handle -1, a directory, a
// 300-character name, counts beyond the buffer and negative counts.
#include "public/bfopen.h"

#include <array>
#include <cerrno>
#include <climits>
#include <string>
#include <vector>

#include "support/state_snapshot.h"
#include "support/temp_dir.h"

using testsupport::BadCall;

namespace {

class BadFileInput : public ::testing::Test {
protected:
    void SetUp() override { tess::tk().errors = {}; }
    void TearDown() override { tess::tk().errors = {}; }
    testsupport::TempDir dir;
};

TEST_F(BadFileInput, OpenReadAndCloseRefuseWhatTheyCannotUse) {
    const std::string path = dir.write("data.bin", "abcdefgh");
    int handle = -1;
    IFileOpen(path, 0, handle);
    ASSERT_GE(handle, 0);
    int closed = -1;
    IFileOpen(path, 0, closed);
    IFileClose(closed);

    const auto open = [](std::string name, int mode, int status) {
        return [name, mode, status] {
            int h = 99;
            IFileOpen(name, mode, h);
            EXPECT_EQ(h, -1);
            EXPECT_EQ(InfoError(2), status);
        };
    };
    const auto read = [](int h, int count, int status) {
        return [h, count, status] {
            std::array<char, 4> buffer{'g', 'g', 'g', 'g'};
            int got = 5;
            IFileRead(h, buffer, count, got);
            EXPECT_EQ(got, -1);
            EXPECT_EQ(buffer[0], 'g');
            EXPECT_EQ(InfoError(2), status);
        };
    };
    const BadCall rows[] = {
        {"open with no characters", open("", 0, 0), 1},
        {"open mode INT_MIN", open(path, INT_MIN, 0), 1},
        {"open mode INT_MAX", open(path, INT_MAX, 0), 1},
        {"open a name with a NUL inside", open(path + std::string("\0x", 2), 0, ENOENT), 1},
        {"open NULs only", open(std::string(5, '\0'), 0, 0), 1},
        {"read handle INT_MIN", read(INT_MIN, 4, EBADF), 2},
        {"read handle INT_MAX", read(INT_MAX, 4, EBADF), 2},
        {"read a closed handle", read(closed, 4, EBADF), 2},
        {"read into an input-only text",
         [handle] {
             int got = 5;
             IFileReadChar(handle, "abcd", 4, got);
             EXPECT_EQ(got, -1);
             EXPECT_EQ(InfoError(2), EFAULT);
         },
         2},
        {"read into no bytes",
         [handle] {
             int got = 5;
             IFileRead(handle, std::span<std::byte>(), INT_MAX, got);
             EXPECT_EQ(got, 0);
         },
         0},
        {"read into an empty vector",
         [handle] {
             std::vector<int> none;
             int got = 5;
             IFileRead3(handle, none, 100, got);
             EXPECT_EQ(got, 0);
         },
         0},
        {"read text through the numbered entry from a closed handle",
         [closed] {
             tess::FixedString<4> text("gggg");
             int got = 5;
             IFileReadChar1(closed, text, 4, got);
             EXPECT_EQ(got, -1);
             EXPECT_EQ(text.view(), "gggg");
             EXPECT_EQ(InfoError(2), EBADF);
         },
         2},
        {"close handle -1", [] { IFileClose(-1); }, 0},
        {"close handle INT_MIN", [] { IFileClose(INT_MIN); }, 0},
        {"close a closed handle", [closed] { IFileClose(closed); }, 0},
    };
    testsupport::expect_only_errors(rows);
    // The open file was not disturbed: it reads from its start.
    std::array<char, 8> all{};
    int got = 0;
    IFileRead(handle, all, 8, got);
    EXPECT_EQ(got, 8);
    EXPECT_EQ(std::string(all.data(), 8), "abcdefgh");
    IFileClose(handle);
}

} // namespace
