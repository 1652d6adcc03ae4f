// WSelectFile driven by keys on the platform's open and save dialogs: the initial directory and
// name from the argument, the title, cancel, the current directory afterwards, and several files.
#include <filesystem>
#include <string>

#include "public/wmgbox.h"
#include "public/wsfile.h"
#include "toolkit/dialogs/common_fixture.h"

namespace {

namespace fs = std::filesystem;
using commontest::key;

void enter() {
    key(VK_RETURN, '\r');
}

class SelectFile : public commontest::CommonDialogs {
protected:
    void SetUp() override {
        CommonDialogs::SetUp();
        start = fs::current_path();
        data = fs::canonical(files.path());
        files.write("eins.dat", "1");
        files.write("zwei.dat", "2");
        fs::create_directory(data / "unter");
    }
    void TearDown() override {
        fs::current_path(start);
        CommonDialogs::TearDown();
    }
    testsupport::TempDir files;
    fs::path start; // the program's directory before each selection
    fs::path data;  // where the files are
};

struct FileCase {
    const char* what;
    int flags;
    std::string name;  // the argument; "@" stands for the data directory
    std::string typed; // then Enter; empty: Esc
    int result;
    std::string after; // the argument afterwards ("@" as above)
    bool inData;       // the current directory afterwards is the data directory
};

std::string expand(std::string s, const fs::path& data) {
    const auto at = s.find('@');
    if (at != std::string::npos) s.replace(at, 1, data.string());
    return s;
}

TEST_F(SelectFile, NamesResultsAndDirectories) {
    const FileCase cases[] = {
        {"directory and name given", 0, "@/eins.dat", "", 1, "@/eins.dat", false},
        {"name typed", 0, "@/", "zwei.dat", 1, "@/zwei.dat", false},
        {"cancel leaves the name", 0, "@/eins.dat", "\x1b", 0, "@/eins.dat", false},
        {"flag 8 keeps the directory", 8, "@/eins.dat", "", 1, "@/eins.dat", true},
        {"save", 1, "@/neu.dat", "", 1, "@/neu.dat", false},
    };
    for (const auto& c : cases) {
        fs::current_path(start);
        std::string name(256, ' ');
        tess::TextRef(name).assign(expand(c.name, data));
        if (c.typed == "\x1b") {
            key(VK_ESCAPE, '\x1b');
        } else {
            commontest::type(c.typed);
            enter();
        }
        WSelectFile("Daten|*.dat|Alle|*.*|", c.flags, name, " ");
        EXPECT_EQ(tess::tk().tessar04.commonResult, c.result) << c.what;
        EXPECT_EQ(tess::TextRef(name).str(), expand(c.after, data)) << c.what;
        EXPECT_EQ(fs::current_path(), c.inData ? data : start) << c.what;
        EXPECT_EQ(InfoError(1), 0) << c.what;
    }
    EXPECT_EQ(guarded(), 0);
}

TEST_F(SelectFile, BlankTitleReadsSelectFile) {
    std::string name(40, ' ');
    WSelectFile("", 0, name, "     "); // nothing typed: the guard ends it
    EXPECT_EQ(guarded_caption(), "Select File");
    WSelectFile("", 0, name, "Laden  ");
    EXPECT_EQ(guarded_caption(), "Laden");
}

// Several files come back as the directory and the names, separated by NULs.
TEST_F(SelectFile, SeveralFilesNulSeparated) {
    std::string name(100, ' ');
    tess::TextRef(name).assign((data / "").string()); // the directory alone
    commontest::type("\"eins.dat\" \"zwei.dat\"");
    enter();
    WSelectFile("Daten|*.dat|", 16, name, "");
    EXPECT_EQ(tess::tk().tessar04.commonResult, 1);
    std::string expected = data.string();
    for (const char* file : {"eins.dat", "zwei.dat"}) {
        expected.push_back('\0');
        expected += file;
    }
    EXPECT_EQ(tess::TextRef(name).str(), expected);
}

// A selection that does not fit records 1004 with the platform's code, leaves the name alone,
// and is not taken for the failure of the message box after it.
TEST_F(SelectFile, FailureIsRecordedAndThenForgotten) {
    std::string name(20, ' ');
    tess::TextRef(name).assign("eins.dat");
    fs::current_path(data);
    commontest::type("\"eins.dat\" \"zwei.dat\"");
    enter();
    WSelectFile("", 16, name, "");
    EXPECT_EQ(tess::tk().tessar04.commonResult, 0);
    EXPECT_EQ(tess::TextRef(name).str(), "eins.dat");
    EXPECT_EQ(InfoError(1), 1004);
    EXPECT_EQ(InfoError(3), static_cast<int>(FNERR_BUFFERTOOSMALL));

    key(VK_RETURN, '\r');
    WMessageBox(3, 2, 1, "Weiter?", "Frage");
    EXPECT_EQ(tess::tk().tessar04.commonResult, 1);
    EXPECT_EQ(InfoError(1), 0);
    EXPECT_EQ(guarded(), 0);
}

} // namespace
