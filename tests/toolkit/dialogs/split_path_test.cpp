// Splitting a file name argument into directory and name on this platform's '/' paths.
#include <gtest/gtest.h>

#include "core/context.h"
#include "dialogs/wcomdlg.h"

namespace {

struct SplitCase {
    const char* path;
    const char* directory;
    const char* name;
};

TEST(SplitPath, LinuxPaths) {
    tess::tk().tessar05.directorySeparator = '/';
    const SplitCase cases[] = {
        {"/tmp/x.dat", "/tmp", "x.dat"},
        {"/x.dat", "/", "x.dat"},
        {"/", "/", ""},
        {"/tmp/", "/tmp", ""},
        {"/usr/local/", "/usr/local", ""},
        {"dir/..", "dir/..", ""},
        {"/a/b/..", "/a/b/..", ""},
        {"..", "..", ""},
        {"x.dat", "", "x.dat"},
        {"   /tmp/x.dat  ", "/tmp", "x.dat"}, // leading blanks are moved out first
        {"", "", ""},
        {"        ", "", ""},
        {"a/b/c.txt", "a/b", "c.txt"},
        {"c:\\x.dat", "", "c:\\x.dat"}, // no drives here: ':' and '\' are name characters
        {"rel/x y.dat", "rel", "x y.dat"},
    };
    for (const auto& c : cases) {
        tess::FixedString<40> path(c.path);
        tess::FixedString<20> name("stale");
        yysplitp_(path, name);
        EXPECT_EQ(path.str(), c.directory) << '"' << c.path << '"';
        EXPECT_EQ(name.str(), c.name) << '"' << c.path << '"';
    }
}

// A name longer than its variable is cut, never written past it.
TEST(SplitPath, NameCutToItsVariable) {
    tess::tk().tessar05.directorySeparator = '/';
    tess::FixedString<40> path("/tmp/averyveryverylongname.dat");
    tess::FixedString<8> name;
    yysplitp_(path, name);
    EXPECT_EQ(path.str(), "/tmp");
    EXPECT_EQ(std::string(name.view()), "averyver");
}

} // namespace
