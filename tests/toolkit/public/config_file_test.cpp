// Lines of the configuration file, and reading them from a file.
#include "core/context.h"
#include "public/internal/config_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <unistd.h>

#include "core/settings.h"
#include "public/infoerr.h"
#include "support/temp_dir.h"
#include "util/error_record.h"

using namespace tess;

namespace {

class ConfigLineTest : public ::testing::Test {
protected:
    void SetUp() override { tk().errors = {}; }
    ToolkitSettings s;
    void apply(std::string_view line) { apply_config_line(line, s); }
};

TEST_F(ConfigLineTest, WordValuesTakeTheFirstWordOnly) {
    apply("CHARSET = \t swiss.chr \t other.chr");
    EXPECT_TRUE(s.charSet == "swiss.chr");
    apply("plname=plot.def");
    EXPECT_TRUE(s.plotterFile == "plot.def");
    apply("ChArDiR=/opt/chars");
    EXPECT_TRUE(s.charDir == "/opt/chars");
}

TEST_F(ConfigLineTest, KeywordsNeedThreeCharactersAndMatchOnEight) {
    apply("PR=5");
    EXPECT_EQ(s.printer, 0);
    apply("PRINTERS=5"); // eight characters that are not PRINTER and a blank
    EXPECT_EQ(s.printer, 0);
    apply("LFNPLOTOXYZ=50"); // only the first eight count
    EXPECT_EQ(s.lfnPlotOut, 50);
    apply("printer=6");
    EXPECT_EQ(s.printer, 6);
    apply("UNKNOWN=1");
    apply("PRINTER X=8"); // the keyword is the first word before the equals sign
    EXPECT_EQ(s.printer, 8);
}

TEST_F(ConfigLineTest, NumbersThatDoNotConvertAreSkipped) {
    apply("PRINTER=12a");
    EXPECT_EQ(s.printer, 0);
    apply("PLOTTER=99999999999");
    EXPECT_EQ(s.plotter, 0);
    apply("PLOTTER = -3 trailing");
    EXPECT_EQ(s.plotter, -3);
    apply("PRINTER=   ");
    EXPECT_EQ(s.printer, 0);
    EXPECT_EQ(InfoError(1), 0); // skipped lines leave no error behind
}

TEST_F(ConfigLineTest, DebugLevelThroughItsSetter) {
    apply("DEBUG=3");
    EXPECT_EQ(tk().errors.debug_level, 3);
    apply("DEBUG=7");
    apply("DEBUG=abc");
    EXPECT_EQ(tk().errors.debug_level, 3);
}

TEST_F(ConfigLineTest, UnitNumbersMustNotClash) {
    apply("LFNGEN=41");
    EXPECT_EQ(s.lfnGen, 40);
    apply("LFNGEN=50");
    EXPECT_EQ(s.lfnGen, 50);
    apply("LFNPLOTI=50");
    EXPECT_EQ(s.lfnPlotIn, 42);
    apply("LFNPLOTI=40"); // free again now that the general unit moved
    EXPECT_EQ(s.lfnPlotIn, 40);
    apply("LFNPLOTO=40");
    EXPECT_EQ(s.lfnPlotOut, 41);
}

TEST_F(ConfigLineTest, EqualsSignPositionRules) {
    apply("=PRINTER=1"); // column 1
    EXPECT_EQ(s.printer, 0);
    apply("PRINTER 5"); // no equals sign: a comment
    EXPECT_EQ(s.printer, 0);
    std::string at169 = "PRINTER" + std::string(161, ' ') + "=";
    ASSERT_EQ(at169.size(), 169u);
    apply(at169 + "4");
    EXPECT_EQ(s.printer, 4);
    std::string at170 = "PRINTER" + std::string(162, ' ') + "=5";
    apply(at170);
    EXPECT_EQ(s.printer, 4);
    // The record is cut after 170 characters: a value beyond it is gone.
    apply("CHARSET=" + std::string(200, ' ') + "late.chr");
    EXPECT_TRUE(s.charSet == "standard.chr");
}

TEST_F(ConfigLineTest, LongValuesAreCutToTheirFields) {
    apply("CHARDIR=" + std::string(160, 'd'));
    EXPECT_EQ(s.charDir.view(), std::string(140, 'd'));
}

class ConfigFileTest : public ::testing::Test {
protected:
    void SetUp() override { tk().errors = {}; }
    ToolkitSettings s;
    testsupport::TempDir dir;
    void read(const std::string& bytes) {
        const std::string path = dir.write("cfg.ini", bytes);
        const int fd = ::open(path.c_str(), O_RDONLY);
        ASSERT_GE(fd, 0);
        read_config_file(fd, s);
        ::close(fd);
    }
};

TEST_F(ConfigFileTest, CrLfLastLineWithoutNewlineAndLastValidLineWins) {
    read("PRINTER=1\r\nCHARSET=a.chr\r\n; comment line\r\nPRINTER=2\r\nPRINTER=x\r\nPLOTTER=9");
    EXPECT_EQ(s.printer, 2);
    EXPECT_TRUE(s.charSet == "a.chr"); // no carriage return kept in the value
    EXPECT_EQ(s.plotter, 9);
}

TEST_F(ConfigFileTest, CarriageReturnAfterAFullRecordBelongsToTheLineEnd) {
    std::string line = "CHARSET=" + std::string(162, 'c');
    ASSERT_EQ(line.size(), 170u);
    read(line + "\r\nPRINTER=3\r\n");
    EXPECT_EQ(s.charSet.view(), std::string(160, 'c'));
    EXPECT_EQ(s.printer, 3);
}

TEST_F(ConfigFileTest, HugeLinesAndBinaryGarbageChangeNothingElse) {
    std::mt19937 rng(1);
    std::string garbage(50000, '\0');
    for (char& c : garbage)
        c = static_cast<char>(rng());
    std::erase(garbage, '\n');
    read(std::string(10000, 'x') + "=1\nPRINTER=4\n" + garbage + "\nPLOTTER=5\n" +
         "CHARSET=" + std::string(10000, 'q') + "\n");
    EXPECT_EQ(s.printer, 4);
    EXPECT_EQ(s.plotter, 5);
    EXPECT_EQ(s.charSet.view(), std::string(160, 'q'));
    EXPECT_EQ(s.lfnGen, 40);
    EXPECT_TRUE(s.charDir == "");
}

TEST_F(ConfigFileTest, RandomBytesNeverBreakTheReader) {
    std::mt19937 rng(2);
    const std::string pieces[] = {"PRINTER", "=",       " ",      "\t",    "\r", "\n",   "12",
                                  "-",       "CHARDIR", "LFNGEN", "DEBUG", "\0", "\xFF", "x"};
    for (int round = 0; round < 200; ++round) {
        std::string bytes;
        for (int i = 0; i < 200; ++i)
            bytes += pieces[rng() % std::size(pieces)];
        s = ToolkitSettings{};
        read(bytes);
        EXPECT_NE(s.lfnGen, s.lfnPlotOut);
        EXPECT_NE(s.lfnGen, s.lfnPlotIn);
        EXPECT_NE(s.lfnPlotIn, s.lfnPlotOut);
        EXPECT_GE(tk().errors.debug_level, 0);
        EXPECT_LE(tk().errors.debug_level, 4);
    }
}

} // namespace
