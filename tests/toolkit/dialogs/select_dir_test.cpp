// The directory selection driven by keys: OK in the edit field, entering a subdirectory from the
// list, missing directories with each flag, Cancel.
#include <cstring>
#include <filesystem>
#include <string>

#include "dialogs/wcomdlg.h"
#include "toolkit/dialogs/common_fixture.h"

namespace {

namespace fs = std::filesystem;
using commontest::key;

// '\n' Enter, '\x1b' Esc, '\t' Tab, '\x02' Down; anything else is typed.
void play(const std::string& script) {
    for (char c : script) {
        switch (c) {
        case '\n':
            key(VK_RETURN, '\r');
            break;
        case '\x1b':
            key(VK_ESCAPE, '\x1b');
            break;
        case '\t':
            key(VK_TAB, '\t');
            break;
        case '\x02':
            key(VK_DOWN);
            break;
        default:
            commontest::type(std::string(1, c));
        }
    }
}

struct SelectCase {
    const char* what;
    int flags;
    const char* script;
    int result;
    const char* chosen;    // relative to the start; "=" the buffer keeps its text
    const char* directory; // the current directory afterwards, relative to the start
};

class SelectDir : public commontest::CommonDialogs {};

TEST_F(SelectDir, KeysAndFlags) {
    const SelectCase cases[] = {
        {"OK at once", 0, "\n", 1, "", ""},
        {"Cancel", 0, "\x1b", 2, "=", ""},
        {"typed subdirectory", 0, "beta\n", 1, "beta", "beta"},
        {"entered from the list", 0, "\t\x02\x02\n\t\t\n", 1, "beta", "beta"},
        {"missing, accepted", 4, "missing\n", 1, "missing", ""},
        {"missing, refused", 0, "missing\n\n\x1b", 2, "=", ""},
        {"missing, created", 64, "made\n\n", 1, "made", "made"},
    };
    for (const auto& c : cases) {
        testsupport::TempDir root;
        const fs::path start = fs::canonical(root.path());
        fs::create_directory(start / "alpha");
        fs::create_directory(start / "beta");
        char buffer[300] = {};
        std::strcpy(buffer, start.c_str());
        play(c.script);
        int result = 0;
        yyselectdir_(0, result, c.flags, buffer, "", static_cast<int>(sizeof buffer));
        EXPECT_EQ(result, c.result) << c.what;
        const std::string chosen = c.chosen;
        const std::string expected = chosen == "="         ? start.string()
                                     : chosen.empty()      ? start.string()
                                     : chosen == "missing" ? chosen
                                                           : (start / chosen).string();
        EXPECT_EQ(std::string(buffer), expected) << c.what;
        const std::string after = c.directory;
        EXPECT_EQ(fs::current_path(), after.empty() ? start : start / after) << c.what;
        fs::current_path(dir.path()); // before the case's directory goes
    }
    EXPECT_EQ(guarded(), 0);
}

} // namespace
