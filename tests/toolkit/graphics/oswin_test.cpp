#include "graphics/oswin.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <sys/stat.h>
#include <utime.h>

#include "support/temp_dir.h"

using testsupport::read_all;
using testsupport::TempDir;

namespace {

TEST(OsFiles, ModeOneTruncatesAndOpensForWriting) {
    TempDir dir;
    const std::string path = dir.write("f.txt", "old old old");
    int handle = -1, status = -1;
    xxopen_(path.c_str(), 1, handle, status);
    ASSERT_GE(handle, 0);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(read_all(path), "");
    int written = 0;
    xxwrit_(handle, "new", 3, written, status);
    EXPECT_EQ(written, 3);
    xxclos_(handle);
    EXPECT_EQ(read_all(path), "new");
}

TEST(OsFiles, ReadAtEndGivesZeroWithoutError) {
    TempDir dir;
    const std::string path = dir.write("f.txt", "ab");
    int handle = -1, status = 0, got = 0;
    xxopen_(path.c_str(), 0, handle, status);
    char buffer[8];
    xxread_(handle, buffer, 8, got, status);
    EXPECT_EQ(got, 2);
    xxread_(handle, buffer, 8, got, status);
    EXPECT_EQ(got, 0);
    EXPECT_EQ(status, 0);
    int offset = 1;
    xxseek_(handle, offset, 0, status);
    xxread_(handle, buffer, 8, got, status);
    EXPECT_EQ(got, 1);
    EXPECT_EQ(buffer[0], 'b');
    offset = 0;
    xxseek_(handle, offset, 2, status);
    EXPECT_EQ(offset, 2);
    xxclos_(handle);
}

TEST(OsFiles, FailuresReportErrnoAndMinusOne) {
    int handle = 5, status = 0;
    xxopen_("/nonexistent/dir/file", 0, handle, status);
    EXPECT_EQ(handle, -1);
    EXPECT_EQ(status, ENOENT);
    int got = 7;
    char c;
    xxread_(-1, &c, 1, got, status);
    EXPECT_EQ(got, 0);
    EXPECT_EQ(status, EBADF);
    xxdelf_("/nonexistent/file", status);
    EXPECT_EQ(status, ENOENT);
}

TEST(OsFiles, CopyReplacesTheTargetWholeAndRenameMoves) {
    TempDir dir;
    const std::string source = dir.write("a.txt", std::string(200000, 'z'));
    const std::string target = dir.write("b.txt", "short");
    int status = -1;
    xxcopyf_(source.c_str(), target.c_str(), status);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(read_all(target), read_all(source));
    xxcopyf_(dir.file("missing").c_str(), target.c_str(), status);
    EXPECT_EQ(status, ENOENT);
    EXPECT_EQ(read_all(target).size(), 200000u);
    // A target that cannot be written leaves no temporary behind.
    xxcopyf_(source.c_str(), dir.file("no/such/dir/x").c_str(), status);
    EXPECT_EQ(status, ENOENT);

    const std::string moved = dir.file("c.txt");
    xxrenf_(target.c_str(), moved.c_str(), status);
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(std::filesystem::exists(moved));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);
}

TEST(OsDirectories, MakeChangeRemove) {
    TempDir dir;
    const std::string sub = dir.file("sub");
    int status = -1;
    xxdirm_(sub.c_str(), status);
    EXPECT_EQ(status, 0);
    xxdirm_(sub.c_str(), status);
    EXPECT_EQ(status, EEXIST);
    const auto previous = std::filesystem::current_path();
    xxdirc_(sub.c_str(), status);
    EXPECT_EQ(status, 0);
    char cwd[4096];
    xxdirn_(cwd, status, sizeof cwd);
    EXPECT_EQ(std::filesystem::path(cwd), std::filesystem::canonical(sub));
    char tiny[2] = {'x', 'x'};
    xxdirn_(tiny, status, 2);
    EXPECT_EQ(status, ERANGE);
    EXPECT_EQ(tiny[0], '\0');
    std::filesystem::current_path(previous);
    xxdird_(sub.c_str(), status);
    EXPECT_EQ(status, 0);
    char sys[64];
    xxsysdir_(sys, status, sizeof sys);
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(std::filesystem::is_directory(sys));
}

TEST(OsEnvironment, ReportsTheLengthOrTheSizeNeeded) {
    testsupport::EnvGuard guard("TESS_OS_TEST", "abcdef");
    char buffer[16];
    int length = -1;
    xxgenv_(length, "TESS_OS_TEST", buffer, 0, 16);
    EXPECT_EQ(length, 6);
    EXPECT_STREQ(buffer, "abcdef");
    xxgenv_(length, "TESS_OS_TEST", buffer, 0, 6); // no room for the terminator
    EXPECT_EQ(length, 7);
    testsupport::EnvGuard unset("TESS_OS_UNSET", nullptr);
    xxgenv_(length, "TESS_OS_UNSET", buffer, 0, 16);
    EXPECT_EQ(length, 0);
}

TEST(OsFind, MatchesPatternsAndReportsPackedDateTime) {
    TempDir dir;
    dir.write("one.dat", "1");
    dir.write("two.dat", "22");
    dir.write("three.txt", "333");
    dir.write(".hidden.dat", "h");
    // 2024-02-29 13:45:58 local time
    struct tm when {};
    when.tm_year = 124;
    when.tm_mon = 1;
    when.tm_mday = 29;
    when.tm_hour = 13;
    when.tm_min = 45;
    when.tm_sec = 58;
    when.tm_isdst = -1;
    const utimbuf times{mktime(&when), mktime(&when)};
    ASSERT_EQ(::utime(dir.file("two.dat").c_str(), &times), 0);

    char name[256];
    std::strcpy(name, (dir.path() / "*.dat").c_str());
    int attributes = 0, dateTime = 0, size = 0, status = -1;
    std::set<std::string> found;
    xxfind_(0, name, sizeof name, attributes, dateTime, size, status);
    while (status == 0) {
        found.insert(name);
        EXPECT_EQ(attributes & FileAttributeDirectory, 0);
        if (std::string(name) == "two.dat") {
            EXPECT_EQ(size, 2);
            EXPECT_EQ(static_cast<unsigned>(dateTime) >> 16, (44u << 9) | (2u << 5) | 29u);
            EXPECT_EQ(dateTime & 0xFFFF, (13 << 11) | (45 << 5) | 29);
        }
        xxfind_(1, name, sizeof name, attributes, dateTime, size, status);
    }
    EXPECT_EQ(status, 1); // after the last match
    EXPECT_EQ(found, (std::set<std::string>{"one.dat", "two.dat"}));
    xxfind_(1, name, sizeof name, attributes, dateTime, size, status);
    EXPECT_EQ(status, 1);
    xxfindclose_();

    std::strcpy(name, (dir.path() / "*.none").c_str());
    xxfind_(0, name, sizeof name, attributes, dateTime, size, status);
    EXPECT_EQ(status, ENOENT);
    std::strcpy(name, "/nonexistent-dir/*");
    xxfind_(0, name, sizeof name, attributes, dateTime, size, status);
    EXPECT_EQ(status, ENOENT);
}

TEST(OsFind, PackedDateTimeFields) {
    EXPECT_EQ(xxpackdatetime(1980, 1, 1, 0, 0, 0), (1 << 5 | 1) << 16);
    EXPECT_EQ(xxpackdatetime(2107, 12, 31, 23, 59, 59),
              static_cast<int>((127u << 9 | 12u << 5 | 31u) << 16 | (23u << 11 | 59u << 5 | 29u)));
    EXPECT_EQ(xxpackdatetime(1970, 6, 6, 6, 6, 6), xxpackdatetime(1980, 1, 1, 0, 0, 0));
}

TEST(OsSystem, VersionVariantSpaceAndClock) {
    int major = -1, minor = -1;
    xxmwinver_(major, minor);
    EXPECT_GE(major, 2);
    EXPECT_GE(minor, 0);
    int variant = 0;
    xxmwinvariant_(variant);
    EXPECT_EQ(variant, 4);
    int space = -1;
    xxdspace_(space);
    EXPECT_GE(space, 0); // saturated, never wrapped to a negative number
    int year, month, day;
    xxdate_(year, month, day);
    EXPECT_GE(year, 2024);
    EXPECT_TRUE(month >= 1 && month <= 12 && day >= 1 && day <= 31);
    int t0 = 0, t1 = 0;
    xxmwincurrtime_(t0);
    const timespec pause{0, 50'000'000};
    nanosleep(&pause, nullptr);
    xxmwincurrtime_(t1);
    EXPECT_GE(t1 - t0, 4);
    char exe[4096];
    xxgetexe_(exe, sizeof exe);
    EXPECT_EQ(std::filesystem::path(exe), std::filesystem::canonical("/proc/self/exe"));
    char cl[8];
    xxgetcl_(cl, sizeof cl);
    EXPECT_LT(std::strlen(cl), sizeof cl);
}

TEST(OsProcess, WaitsForTheCommandAndHonoursTheTimeOut) {
    TempDir dir;
    const std::string marker = dir.file("done");
    int status = -1;
    xxcmnd_(("echo hi > '" + marker + "'").c_str(), 1, 1, 10, status);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(read_all(marker), "hi\n");

    const auto start = std::chrono::steady_clock::now();
    xxcmnd_("sleep 2", 0, 1, 0, status);
    EXPECT_EQ(status, -1);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(1500));
}

TEST(OsProcess, StartWithoutWaitingSucceeds) {
    TempDir dir;
    const std::string marker = dir.file("started");
    int result = 0;
    xxexec_(("touch '" + marker + "'").c_str(), result);
    EXPECT_GE(result, 32);
    int status = -1;
    xxcmnd_("true", 0, 0, 0, status);
    EXPECT_EQ(status, 0);
    for (int i = 0; i < 200 && !std::filesystem::exists(marker); ++i) {
        const timespec pause{0, 10'000'000};
        nanosleep(&pause, nullptr);
    }
    EXPECT_TRUE(std::filesystem::exists(marker));
}

TEST(OsDebugTrace, FirstTraceEmptiesTheFileAndLinesEndInCrLf) {
    TempDir dir(true);
    dir.write("debug", "left over from an earlier run\r\n");
    xxdebugc("first");
    xxdebugi("count", 42);
    xxdebug_("third   ");
    xxdebugc(std::string(2000, 'x').c_str());
    const std::string trace = read_all("debug");
    EXPECT_EQ(trace.substr(0, 30), "first\r\ncount = 42\r\nthird\r\nxxxx");
    EXPECT_EQ(trace.size(), 26u + 509u + 2u); // a long text is cut to the line buffer
}

} // namespace
