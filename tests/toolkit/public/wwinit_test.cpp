// Start-up settings: defaults, environment variables and the configuration file.
#include "core/context.h"
#include "public/wwinit.h"

#include <gtest/gtest.h>
#include <string>

#include "core/settings.h"
#include "core/wmiscel.h"
#include "public/internal/config_file.h"
#include "support/temp_dir.h"
#include "util/error_record.h"

using namespace tess;
using testsupport::EnvGuard;
using testsupport::TempDir;

namespace {

// Every test starts as a fresh process would: nothing initialised, no variables, an empty
// current directory.
class StartupTest : public ::testing::Test {
protected:
    void SetUp() override {
        tk().reset();
        tk().settings = ToolkitSettings{};
        tk().settings.charSet = "";
        tk().settings.plotterFile = "";
        tk().errors = {};
        tk().tessar01 = {};
        tk().tessar05 = {};
        tk().bell = 0;
    }
    TempDir cwd{true};
    EnvGuard init{"TESSINIT", nullptr};
    EnvGuard dir{"TSRCHDIR", nullptr};
    EnvGuard debug{"TESSDEBUG", nullptr};
};

TEST_F(StartupTest, DefaultsWithoutFileOrEnvironment) {
    tk().tessar04.currentDialog = 101;
    tk().tessar01.rootOpen = 1;
    xxerror_(12);
    WInitialise(" ");
    EXPECT_EQ(tk().settings.initialised, -9999);
    EXPECT_EQ(tk().settings.lfnGen, 40);
    EXPECT_EQ(tk().settings.lfnPlotOut, 41);
    EXPECT_EQ(tk().settings.lfnPlotIn, 42);
    EXPECT_EQ(tk().settings.printer, 0);
    EXPECT_EQ(tk().settings.plotter, 0);
    EXPECT_TRUE(tk().settings.plotterFile == "tessadef.plt");
    EXPECT_TRUE(tk().settings.charSet == "standard.chr");
    EXPECT_TRUE(tk().settings.charDir == "");
    EXPECT_EQ(tk().errors.debug_level, 0);
    EXPECT_EQ(tk().errors.error, 0);
    EXPECT_EQ(tk().tessar01.rootOpen, 0);
    EXPECT_EQ(tk().tessar04.currentDialog, 0);
    EXPECT_EQ(tk().tessar05.directorySeparator, '/');
    EXPECT_EQ(tk().bell, 1);
}

TEST_F(StartupTest, SecondCallChangesNothing) {
    cwd.write("other.ini", "PRINTER=7\n");
    WInitialise(" ");
    WInitialise("other.ini");
    EXPECT_EQ(tk().settings.printer, 0);
}

TEST_F(StartupTest, IniFileArgumentComesFirst) {
    cwd.write("tessar.ini", "PRINTER=1\n");
    cwd.write("mine.ini", "PLOTTER=2\n");
    WInitialise("mine.ini     ");
    EXPECT_EQ(tk().settings.plotter, 2);
    EXPECT_EQ(tk().settings.printer, 0); // tessar.ini was not consulted
}

TEST_F(StartupTest, TessinitNamesTheFileAndDefaultIsOnlyForABlankOne) {
    cwd.write("tessar.ini", "PRINTER=1\n");
    cwd.write("env.ini", "PRINTER=3\n");
    {
        EnvGuard g("TESSINIT", "env.ini");
        WInitialise("absent.ini");
        EXPECT_EQ(tk().settings.printer, 3);
    }
    SetUp();
    {
        EnvGuard g("TESSINIT", "absent-too.ini");
        WInitialise("absent.ini");
        EXPECT_EQ(tk().settings.printer, 0); // tessar.ini exists but is not the default any more
    }
    SetUp();
    {
        EnvGuard g("TESSINIT", "   ");
        WInitialise(" ");
        EXPECT_EQ(tk().settings.printer, 1);
    }
}

TEST_F(StartupTest, EnvironmentSeedsCharDirAndDebugLevel) {
    EnvGuard d("TSRCHDIR", "/usr/share/tess");
    EnvGuard l("TESSDEBUG", "2");
    WInitialise(" ");
    EXPECT_TRUE(tk().settings.charDir == "/usr/share/tess/");
    EXPECT_EQ(tk().errors.debug_level, 2);
}

TEST_F(StartupTest, TessdebugMustBeOneDigitOfZeroToFour) {
    for (const char* value : {"22", "7", "x", ""}) {
        SetUp();
        EnvGuard l("TESSDEBUG", value);
        WInitialise(" ");
        EXPECT_EQ(tk().errors.debug_level, 0) << value;
    }
}

TEST_F(StartupTest, FileOverridesEnvironment) {
    EnvGuard d("TSRCHDIR", "/from/env/");
    EnvGuard l("TESSDEBUG", "1");
    cwd.write("tessar.ini", "CHARDIR = /from/file\nDEBUG=4\n");
    WInitialise(" ");
    EXPECT_TRUE(tk().settings.charDir == "/from/file/");
    EXPECT_EQ(tk().errors.debug_level, 4);
}

TEST_F(StartupTest, OverlongEnvironmentValueCountsAsUnset) {
    EnvGuard d("TSRCHDIR", std::string(141, 'd').c_str());
    EnvGuard i("TESSINIT", std::string(161, 'i').c_str());
    cwd.write("tessar.ini", "PRINTER=9\n");
    WInitialise(" ");
    EXPECT_TRUE(tk().settings.charDir == "");
    EXPECT_EQ(tk().settings.printer, 9); // an unset TESSINIT falls back to tessar.ini
}

TEST_F(StartupTest, CharDirFillingTheWholeFieldGetsNoSeparator) {
    const std::string full(140, 'c');
    EnvGuard d("TSRCHDIR", full.c_str());
    WInitialise(" ");
    EXPECT_EQ(tk().settings.charDir.view(), full);
}

TEST_F(StartupTest, OverlongIniFileNameIsHarmless) {
    cwd.write("tessar.ini", "PRINTER=5\n");
    WInitialise(std::string(4000, 'n'));
    EXPECT_EQ(tk().settings.printer, 5);
}

TEST(OsVariable, BlankPaddedValueOrBlank) {
    EnvGuard v("TESS_VAR", "abc");
    FixedString<5> value("zzzzz");
    IOsVariable("TESS_VAR  trailing words", value);
    EXPECT_EQ(value.view(), "abc  ");
    FixedString<2> small("zz");
    IOsVariable("TESS_VAR", small);
    EXPECT_EQ(small.view(), "  ");
    FixedString<3> exact;
    IOsVariable("TESS_VAR", exact);
    EXPECT_EQ(exact.view(), "abc");
    EnvGuard e("TESS_EMPTY", "");
    FixedString<3> empty("qqq");
    IOsVariable("TESS_EMPTY", empty);
    EXPECT_EQ(empty.view(), "   ");
    FixedString<3> none("qqq");
    IOsVariable("   ", none);
    EXPECT_EQ(none.view(), "   ");
}

} // namespace
