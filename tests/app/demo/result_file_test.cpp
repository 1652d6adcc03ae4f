// The result file: the 16-digit format, the list-directed reading, and saving that never
// leaves a half-written file.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "formula.h"
#include "result_file.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using formaldrix::FileError;
using formaldrix::Points;
using formaldrix::real16;

TEST(ResultFile, SixteenSignificantDigits) {
    const struct {
        double v;
        const char* written;
    } cases[] = {
        {1.0, "1.000000000000000"},
        {-12.0, "-12.00000000000000"},
        {0.5, "0.5000000000000000"},
        {0.1, "0.1000000000000000"},
        {-0.8626814706838392, "-0.8626814706838392"},
        {11.999999999999996, "12.00000000000000"},
        {1000.0, "1000.000000000000"},
        {-100.0, "-100.0000000000000"},
        {9999999999999998.0, "9999999999999998."},
        {1e16, "1.000000000000000E+16"},
        {0.0, "0.000000000000000E+00"},
        {0.05, "5.000000000000000E-02"},
        {0.09999999999999999, "9.999999999999999E-02"},
        {-1.5e-7, "-1.500000000000000E-07"},
        {1e-300, "1.000000000000000E-300"},
        {1.7976931348623157e308, "1.797693134862316E+308"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(real16(c.v), c.written) << c.v;
}

class ResultFileDefaults : public ::testing::Test {
protected:
    void SetUp() override { formaldrix::evaluate({1.0, 2.0, 1.0, 2, 4, -12.0, 12.0}, xs, ys); }
    Points xs{}, ys{};
};

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

TEST_F(ResultFileDefaults, FirstAndLastLinesOfTheDefaults) {
    const auto lines = lines_of(formaldrix::result_file_text(xs, ys));
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines.front(), " -12.00000000000000 -0.8626814706838392");
    EXPECT_EQ(lines.back(), " 12.00000000000000 0.6714111660537121");
    EXPECT_EQ(lines[5], " 1.333333333333331 8.675036340189203");
}

TEST(ResultFile, ZeroYAndLargeXAreWrittenInFull) {
    Points xs{}, ys{};
    formaldrix::evaluate({1.0, 2.0, 1.0, 2, 0, 1000.0, 1000.0}, xs, ys);
    xs[10] = -100.0;
    const auto lines = lines_of(formaldrix::result_file_text(xs, ys));
    EXPECT_EQ(lines.front(), " 1000.000000000000 0.000000000000000E+00");
    EXPECT_EQ(lines.back(), " -100.0000000000000 0.000000000000000E+00");
}

// Reading: each text either loads the values 1..10 (x) and -0.25·i (y), or fails with the
// given error and leaves the arrays as they were.
struct ReadCase {
    const char* name;
    std::string text;
    FileError error;
};

std::string points_as(const char* separator_between, const char* line_end) {
    std::string text;
    for (int i = 1; i <= 10; ++i) {
        text += "  " + std::to_string(i) + ".0" + separator_between + real16(-0.25 * i) + line_end;
    }
    return text;
}

TEST(ResultFile, ListDirectedReadingAcceptsItsSeparators) {
    std::string nineteen = points_as(" ", "\n");
    nineteen.erase(nineteen.rfind(' ')); // the last y gone
    const ReadCase cases[] = {
        {"blanks", points_as(" ", "\n"), FileError::None},
        {"commas", points_as(",", "\n"), FileError::None},
        {"commas and blanks", points_as("  ,  ", " ,\n"), FileError::None},
        {"pairs spread over lines", points_as("\n     ", "\n"), FileError::None},
        {"pairs after blank lines", points_as("\n\n", "\n\n\n"), FileError::None},
        {"values after the second ignored", points_as(" ", " 99 abc\n"), FileError::None},
        {"CRLF line ends", points_as(" ", "\r\n"), FileError::None},
        {"lines after the tenth ignored", points_as(" ", "\n") + "junk\n", FileError::None},
        {"no line end at the end", points_as(" ", "\n").substr(0, points_as(" ", "\n").size() - 1),
         FileError::None},
        {"nineteen numbers", nineteen, FileError::TooFewNumbers},
        {"empty", "", FileError::TooFewNumbers},
        {"abc", "abc\n" + points_as(" ", "\n"), FileError::NotANumber},
        {"abc as the last y", nineteen + " abc\n", FileError::NotANumber},
        {"a number run into a word", "1.0 2.0abc\n" + points_as(" ", "\n"), FileError::NotANumber},
        {"an empty value between commas", "1.0,,2.0\n" + points_as(" ", "\n"),
         FileError::NotANumber},
        {"a tab is no separator", "1.0\t2.0\n" + points_as(" ", "\n"), FileError::NotANumber},
    };
    for (const auto& c : cases) {
        Points xs{}, ys{};
        xs.fill(7.0);
        ys.fill(8.0);
        std::istringstream in(c.text);
        EXPECT_EQ(formaldrix::read_results(in, xs, ys), c.error) << c.name;
        for (int i = 1; i <= 10; ++i) {
            EXPECT_EQ(xs[i], c.error == FileError::None ? i : 7.0) << c.name << " " << i;
            EXPECT_EQ(ys[i], c.error == FileError::None ? -0.25 * i : 8.0) << c.name << " " << i;
        }
        EXPECT_EQ(xs[0], 7.0) << c.name;
    }
}

// Random values over the whole range of magnitudes, saved and loaded again through real
// files: each comes back as the same 16 significant digits.
TEST(ResultFile, SaveThenLoadReproducesSixteenDigits) {
    testsupport::TempDir dir;
    const std::string file = dir.file("round.dat");
    std::mt19937_64 random(20261209);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> exponent(-320, 305), sign(0, 1), kind(0, 9);
    const auto value = [&]() -> double {
        switch (kind(random)) {
        case 0:
            return 0.0;
        case 1: // a double from its bits, anything finite
            for (;;) {
                const double d = std::bit_cast<double>(random());
                if (std::isfinite(d)) return d;
            }
        case 2: // near 0.1 and 1e16, where the form changes
            return std::nextafter(sign(random) ? 0.1 : 1e16, 0.0);
        case 3: // the largest, whose 16 digits round up past it
            return (sign(random) ? -1 : 1) * std::numeric_limits<double>::max();
        default:
            return (sign(random) ? -1 : 1) * mantissa(random) * std::pow(10.0, exponent(random));
        }
    };
    for (int round = 0; round < 200; ++round) {
        Points xs{}, ys{};
        for (int i = 1; i <= 10; ++i)
            xs[i] = value(), ys[i] = value();
        ASSERT_EQ(formaldrix::save_results(file, xs, ys), FileError::None);
        Points lx{}, ly{};
        ASSERT_EQ(formaldrix::load_results(file, lx, ly), FileError::None);
        for (int i = 1; i <= 10; ++i) {
            EXPECT_EQ(real16(lx[i]), real16(xs[i])) << xs[i];
            EXPECT_EQ(real16(ly[i]), real16(ys[i])) << ys[i];
            EXPECT_LE(std::abs(lx[i] - xs[i]), std::abs(xs[i]) * 5e-16) << xs[i];
        }
    }
}

std::vector<std::string> entries(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST_F(ResultFileDefaults, SavingReplacesTheFileKeepingItsPermissions) {
    testsupport::TempDir dir;
    const std::string file = dir.write("ergebnis.dat", "old contents\n");
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_EQ(formaldrix::save_results(file, xs, ys), FileError::None);
    EXPECT_EQ(testsupport::read_all(file), formaldrix::result_file_text(xs, ys));
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(entries(dir.path()), std::vector<std::string>{"ergebnis.dat"});
}

TEST_F(ResultFileDefaults, ATemporaryNameInUseIsLeftAlone) {
    testsupport::TempDir dir;
    dir.write(".ergebnis.dat.tmp0", "someone else's");
    ASSERT_EQ(formaldrix::save_results(dir.file("ergebnis.dat"), xs, ys), FileError::None);
    EXPECT_EQ(testsupport::read_all(dir.file(".ergebnis.dat.tmp0")), "someone else's");
    EXPECT_EQ(entries(dir.path()),
              (std::vector<std::string>{".ergebnis.dat.tmp0", "ergebnis.dat"}));
}

// Every failure reports itself and changes nothing: neither the arrays nor the files there.
TEST_F(ResultFileDefaults, FailuresChangeNothing) {
    testsupport::TempDir dir;
    const std::string good = dir.write("good.dat", formaldrix::result_file_text(xs, ys));
    const std::string nineteen = dir.write("nineteen.dat", "1 2\n3 4\n5 6\n7 8\n9 10\n11 12\n"
                                                           "13 14\n15 16\n17 18\n19\n");
    const std::string text = dir.write("text.dat", "1 2\nabc 4\n");
    fs::create_directory(dir.path() / "folder");
    dir.write("folder/inside", "kept");
    const auto before = entries(dir.path());

    const struct {
        const char* name;
        std::string file;
        bool save;
        FileError error;
    } cases[] = {
        {"load a missing file", dir.file("missing.dat"), false, FileError::CannotOpen},
        {"load a directory", dir.file("folder"), false, FileError::CannotOpen},
        {"load nineteen numbers", nineteen, false, FileError::TooFewNumbers},
        {"load abc", text, false, FileError::NotANumber},
        {"save into a missing directory", dir.file("nowhere/x.dat"), true, FileError::CannotWrite},
        {"save over a directory", dir.file("folder"), true, FileError::CannotWrite},
        {"save where nothing can be written", "/proc/formaldrix.dat", true, FileError::CannotWrite},
    };
    for (const auto& c : cases) {
        Points lx = xs, ly = ys;
        lx[3] = 42.0;
        const Points keep_x = lx, keep_y = ly;
        const FileError got = c.save ? formaldrix::save_results(c.file, lx, ly)
                                     : formaldrix::load_results(c.file, lx, ly);
        EXPECT_EQ(got, c.error) << c.name;
        EXPECT_FALSE(formaldrix::file_error_text(got).empty()) << c.name;
        EXPECT_EQ(lx, keep_x) << c.name;
        EXPECT_EQ(ly, keep_y) << c.name;
        EXPECT_EQ(entries(dir.path()), before) << c.name;
        EXPECT_EQ(testsupport::read_all(good), formaldrix::result_file_text(xs, ys)) << c.name;
        EXPECT_EQ(testsupport::read_all(dir.file("folder/inside")), "kept") << c.name;
    }
    EXPECT_FALSE(fs::exists("/proc/formaldrix.dat"));
}

// Root writes into a read-only directory regardless: the case then has nothing to show.
TEST_F(ResultFileDefaults, SavingIntoAReadOnlyDirectoryFailsAndKeepsTheOldFile) {
    testsupport::TempDir dir;
    const std::string file = dir.write("ergebnis.dat", "old\n");
    fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
    if (std::FILE* probe = std::fopen(dir.file("probe").c_str(), "w")) {
        std::fclose(probe);
        fs::permissions(dir.path(), fs::perms::owner_all);
        GTEST_SKIP() << "permissions do not bind this user";
    }
    EXPECT_EQ(formaldrix::save_results(file, xs, ys), FileError::CannotWrite);
    fs::permissions(dir.path(), fs::perms::owner_all);
    EXPECT_EQ(testsupport::read_all(file), "old\n");
    EXPECT_EQ(entries(dir.path()), std::vector<std::string>{"ergebnis.dat"});
}

} // namespace
