// Configuration lines and files that cannot be used change no setting and leave the caller's
// error record alone. Already covered in config_file_test.cpp: unknown and short keywords,
// numbers that do not convert, the equals sign's position, values cut to their fields, huge
// lines and random bytes.
#include "public/internal/config_file.h"

#include <climits>
#include <string>

#include "core/settings.h"
#include "graphics/oswin.h"
#include "support/state_snapshot.h"
#include "support/temp_dir.h"

using testsupport::BadCall;

namespace {

TEST(BadConfigInput, UnusableLinesAndHandlesChangeNothing) {
    tess::tk().settings = tess::ToolkitSettings{};
    tess::tk().errors = {};
    testsupport::TempDir dir;
    int directory = -1, status = 0;
    xxopen_(dir.path().c_str(), 0, directory, status);
    ASSERT_GE(directory, 0);

    const auto line = [](std::string text) {
        return [text] { tess::apply_config_line(text, tess::tk().settings); };
    };
    const auto file = [](int handle) {
        return [handle] { tess::read_config_file(handle, tess::tk().settings); };
    };
    const std::string equalsAtTheEnd = "PRINTER" + std::string(162, ' ') + "=5";
    // A pending error of the application, set before each row, must survive it.
    const auto keeping = [](std::function<void()> call) {
        return [call] {
            xxerror_(1003);
            call();
        };
    };
    const BadCall rows[] = {
        {"empty line", keeping(line("")), 1003},
        {"equals sign alone", keeping(line("=")), 1003},
        {"equals sign in column 170", keeping(line(equalsAtTheEnd)), 1003},
        {"NULs around the keyword", keeping(line(std::string("\0PRINTER\0=5", 11))), 1003},
        {"number too large", keeping(line("PRINTER=99999999999")), 1003},
        {"number with a letter", keeping(line("DEBUG=3x")), 1003},
        {"blank number", keeping(line("PLOTTER=   \t ")), 1003},
        {"debug level out of range", keeping(line("DEBUG=-2147483647")), 1003},
        {"unit number clashing", keeping(line("LFNGEN=41")), 1003},
        {"read from handle -1", keeping(file(-1)), 1003},
        {"read from handle INT_MAX", keeping(file(INT_MAX)), 1003},
        {"read from a directory", keeping(file(directory)), 1003},
    };
    testsupport::expect_only_errors(rows);
    xxclos_(directory);
    tess::tk().errors = {};
}

// A line that does convert sets its setting and still leaves the error record alone.
TEST(BadConfigInput, AGoodNumberKeepsAPendingError) {
    tess::tk().errors = {};
    xxerror_(1016);
    tess::ToolkitSettings s;
    tess::apply_config_line("PRINTER=5", s);
    EXPECT_EQ(s.printer, 5);
    EXPECT_EQ(InfoError(1), 1016);
}

} // namespace
