// Configuration-file names and environment queries that name nothing: the defaults stand and
// no error is recorded. Already covered in wwinit_test.cpp: a second WInitialise, a
// 4000-character file name, overlong and blank variables, values too long for their field.
#include "public/wwinit.h"

#include <climits>
#include <string>

#include "core/settings.h"
#include "support/state_snapshot.h"
#include "support/temp_dir.h"

using testsupport::BadCall;
using testsupport::EnvGuard;

namespace {

TEST(BadStartupInput, FileNamesThatNameNoFileLeaveTheDefaults) {
    testsupport::TempDir cwd{true};
    EnvGuard init{"TESSINIT", nullptr};
    cwd.write("tessar.ini", "PRINTER=3\n");
    cwd.write("mine.ini", "PRINTER=8\n");
    const struct {
        const char* what;
        tess::TextRef name;
        int printer; // 3: tessar.ini was read instead
    } rows[] = {
        {"no characters", tess::TextRef(), 3},
        {"NULs and blanks", tess::TextRef("\0 \0  ", 5), 3},
        {"a directory", ".", 3},
        {"a name with the separator only", "/", 3},
        {"leading blanks are part of the name", "  mine.ini", 3},
        {"a file that exists", "mine.ini", 8},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        tess::tk().settings = tess::ToolkitSettings{};
        tess::tk().errors = {};
        WInitialise(r.name);
        EXPECT_EQ(tess::tk().settings.printer, r.printer);
        EXPECT_EQ(tess::tk().settings.lfnGen, 40);
        EXPECT_EQ(InfoError(1), 0);
        EXPECT_EQ(InfoError(2), 0);
    }
}

TEST(BadStartupInput, EnvironmentQueriesForNothingGiveBlanks) {
    EnvGuard set{"TESS_BAD_INPUT", "wert"};
    const auto query = [](std::string name, std::size_t size, std::string expected) {
        return [=] {
            std::string value(size, 'z');
            IOsVariable(name, value);
            EXPECT_EQ(value, expected);
        };
    };
    const BadCall rows[] = {
        {"blank name", query("    ", 4, "    "), 0},
        {"empty name", query("", 4, "    "), 0},
        {"name of 10000 characters", query(std::string(10000, 'N'), 4, "    "), 0},
        {"a value field of no characters", query("TESS_BAD_INPUT", 0, ""), 0},
        {"a value field one too short", query("TESS_BAD_INPUT", 3, "   "), 0},
        {"name followed by blanks and more words", query("TESS_BAD_INPUT  x y", 6, "wert  "), 0},
        {"an '=' inside the name", query("TESS_BAD_INPUT=wert", 4, "    "), 0},
        {"an input-only value is not written",
         [] {
             const char value[] = "zzzz";
             IOsVariable("TESS_BAD_INPUT", tess::TextRef(value, 4));
             EXPECT_EQ(std::string(value), "zzzz");
         },
         0},
    };
    testsupport::expect_only_errors(rows);
}

} // namespace
