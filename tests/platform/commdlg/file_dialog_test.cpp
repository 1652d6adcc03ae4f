// GetOpenFileNameA and GetSaveFileNameA worked by keys and clicks on the headless screen, in a
// scratch directory tree.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/commdlg/file_dialog_fixture.h"

namespace {

using namespace fdtest;
using A = Act;

// The scratch tree's top as the list shows it under each filter.
const std::string TopDirs = "..|[Another]|[link-to-sub]|[sub]";
const std::string TopText = TopDirs + "|Zeta.txt|a.txt|b.TXT";
const std::string TopData = TopDirs + "|Zeta.txt|a.txt|b.TXT|c.dat";
// Every file, the broken link and the link loop included (as files that cannot be opened).
const std::string TopAll = TopDirs + "|Notes|Zeta.txt|a.txt|b.TXT|broken|c.dat|loop";

struct Row {
    const char* name;
    bool save;
    DWORD flags;
    DWORD filterIndex;
    std::vector<Act> script;
    BOOL answer;
    DWORD error;
    std::string result;                  // lpstrFile's text, NULs as '|'
    std::vector<std::string> lists = {}; // what each ListIs saw
    std::vector<std::string> boxes = {}; // the beginning of each message box's text
    const char* defExt = nullptr;
    DWORD filterOut = 0; // nFilterIndex afterwards, when not 0
};

const std::vector<Row> rows = {
    // Filtering, with several patterns per filter, chosen by nFilterIndex and by the box.
    {"TypedNameUnderTheFirstFilter",
     false,
     OFN_FILEMUSTEXIST,
     1,
     {{A::ListIs}, {A::Type, "a.txt"}, {A::Enter}},
     TRUE,
     0,
     "$T/a.txt",
     {TopText}},
    {"SecondFilterHasTwoPatterns",
     false,
     OFN_FILEMUSTEXIST,
     2,
     {{A::ListIs}, {A::Type, "c.dat"}, {A::Enter}},
     TRUE,
     0,
     "$T/c.dat",
     {TopData},
     {},
     nullptr,
     2},
    {"FilterChangedInTheBox",
     false,
     0,
     1,
     {{A::Filter, "2"}, {A::ListIs}, {A::Type, "Notes"}, {A::Enter}},
     TRUE,
     0,
     "$T/Notes",
     {TopAll},
     {},
     nullptr,
     3},
    {"FilterIndexOutOfRangeIsTheFirst",
     false,
     0,
     9,
     {{A::ListIs}, {A::Escape}},
     FALSE,
     0,
     "",
     {TopText}},
    {"TypedPatternFilters",
     false,
     0,
     1,
     {{A::Type, "*.dat;N*"}, {A::Enter}, {A::ListIs}, {A::EditIs}, {A::Type, "c.dat"}, {A::Enter}},
     TRUE,
     0,
     "$T/c.dat",
     {TopDirs + "|Notes|c.dat"}},
    {"TypedPatternInASubdirectory",
     false,
     0,
     1,
     {{A::Type, "sub/deeper/*.dat"}, {A::Enter}, {A::ListIs}, {A::Type, "e.dat"}, {A::Enter}},
     TRUE,
     0,
     "$T/sub/deeper/e.dat",
     {"..|e.dat"}},
    // Sub-directories and "..", by mouse and by keys.
    {"DoubleClicksIntoASubdirectoryAndOnAFile",
     false,
     OFN_FILEMUSTEXIST,
     1,
     {{A::DoubleClick, "[sub]"}, {A::ListIs}, {A::LookInEnds}, {A::DoubleClick, "d.txt"}},
     TRUE,
     0,
     "$T/sub/d.txt",
     {"..|[deeper]|d.txt"}},
    {"EnterOnADirectoryAndDoubleClickOnDotDot",
     false,
     0,
     1,
     {{A::Click, "[sub]"},
      {A::Enter},
      {A::ListIs},
      {A::DoubleClick, ".."},
      {A::ListIs},
      {A::Click, "a.txt"},
      {A::EditIs},
      {A::Enter}},
     TRUE,
     0,
     "$T/a.txt",
     {"..|[deeper]|d.txt", TopText}},
    {"LinkToADirectoryIsEntered",
     false,
     0,
     1,
     {{A::DoubleClick, "[link-to-sub]"}, {A::ListIs}, {A::DoubleClick, "d.txt"}},
     TRUE,
     0,
     "$T/link-to-sub/d.txt",
     {"..|[deeper]|d.txt"}},
    // Typed names: relative, absolute, directories and "..".
    {"TypedRelativePath",
     false,
     OFN_FILEMUSTEXIST,
     2,
     {{A::Type, "sub/deeper/e.dat"}, {A::Enter}},
     TRUE,
     0,
     "$T/sub/deeper/e.dat"},
    {"TypedDirectoryIsEntered",
     false,
     0,
     1,
     {{A::Type, "sub"}, {A::Enter}, {A::ListIs}, {A::EditIs}, {A::Type, "d.txt"}, {A::Enter}},
     TRUE,
     0,
     "$T/sub/d.txt",
     {"..|[deeper]|d.txt"}},
    {"TypedDotDotGoesUp",
     false,
     0,
     1,
     {{A::Type, "sub/deeper"},
      {A::Enter},
      {A::Type, "../.."},
      {A::Enter},
      {A::ListIs},
      {A::Type, "b.TXT"},
      {A::Enter}},
     TRUE,
     0,
     "$T/b.TXT",
     {TopText}},
    {"TypedAbsolutePath",
     false,
     OFN_FILEMUSTEXIST,
     1,
     {{A::DoubleClick, "[Another]"}, {A::Type, "$T/sub/d.txt"}, {A::Enter}},
     TRUE,
     0,
     "$T/sub/d.txt"},
    // Overwrite and create prompts, answered both ways.
    {"OverwriteAnsweredYes",
     true,
     OFN_OVERWRITEPROMPT,
     1,
     {{A::Type, "a.txt"}, {A::Enter}, {A::Yes}},
     TRUE,
     0,
     "$T/a.txt",
     {},
     {"a.txt already exists."}},
    {"OverwriteAnsweredNoThenANewName",
     true,
     OFN_OVERWRITEPROMPT,
     1,
     {{A::Type, "a.txt"}, {A::Enter}, {A::No}, {A::EditIs}, {A::Type, "new.txt"}, {A::Enter}},
     TRUE,
     0,
     "$T/new.txt",
     {},
     {"a.txt already exists."}},
    {"NoOverwritePromptWithoutTheFlag",
     true,
     0,
     1,
     {{A::Type, "a.txt"}, {A::Enter}},
     TRUE,
     0,
     "$T/a.txt"},
    {"CreateAnsweredYes",
     false,
     OFN_CREATEPROMPT,
     1,
     {{A::Type, "fresh.txt"}, {A::Enter}, {A::Yes}},
     TRUE,
     0,
     "$T/fresh.txt",
     {},
     {"fresh.txt\nThis file does not exist."}},
    {"CreateAnsweredNoThenCancel",
     false,
     OFN_CREATEPROMPT,
     1,
     {{A::Type, "fresh.txt"}, {A::Enter}, {A::No}, {A::Escape}},
     FALSE,
     0,
     "",
     {},
     {"fresh.txt\nThis file does not exist."}},
    {"NoCreatePromptForAnExistingFile",
     false,
     OFN_CREATEPROMPT,
     1,
     {{A::Type, "a.txt"}, {A::Enter}},
     TRUE,
     0,
     "$T/a.txt"},
    // Refusals that keep the dialog open.
    {"FileMustExistRefusesThenAccepts",
     false,
     OFN_FILEMUSTEXIST,
     1,
     {{A::Type, "missing.txt"}, {A::Enter}, {A::Ok}, {A::Type, "a.txt"}, {A::Enter}},
     TRUE,
     0,
     "$T/a.txt",
     {},
     {"missing.txt\nFile not found."}},
    {"FileMustExistRefusesABrokenLink",
     false,
     OFN_FILEMUSTEXIST,
     3,
     {{A::DoubleClick, "broken"}, {A::Ok}, {A::DoubleClick, "loop"}, {A::Ok}, {A::Escape}},
     FALSE,
     0,
     "",
     {},
     {"broken\nFile not found.", "loop\nFile not found."}},
    {"PathMustExistRefuses",
     true,
     OFN_PATHMUSTEXIST,
     1,
     {{A::Type, "nodir/x.txt"}, {A::Enter}, {A::Ok}, {A::Type, "x.txt"}, {A::Enter}},
     TRUE,
     0,
     "$T/x.txt",
     {},
     {"nodir/x.txt\nPath does not exist."}},
    {"FileMustExistImpliesPathMustExist",
     false,
     OFN_FILEMUSTEXIST,
     1,
     {{A::Type, "nodir/x.txt"}, {A::Enter}, {A::Ok}, {A::Escape}},
     FALSE,
     0,
     "",
     {},
     {"nodir/x.txt\nPath does not exist."}},
    {"MissingPathAllowedWithoutTheFlags",
     true,
     0,
     1,
     {{A::Type, "nodir/x.txt"}, {A::Enter}},
     TRUE,
     0,
     "$T/nodir/x.txt"},
    {"OverlongNameRefused",
     true,
     0,
     1,
     {{A::Type, std::string(300, 'n')}, {A::Enter}, {A::Ok}, {A::Escape}},
     FALSE,
     0,
     "",
     {},
     {std::string(300, 'n') + "\nThe file name is not valid."}},
    {"UnreadableDirectoryStaysWhereItWas",
     false,
     0,
     1,
     {{A::Remove, "Another"}, {A::DoubleClick, "[Another]"}, {A::Ok}, {A::ListIs}, {A::Escape}},
     FALSE,
     0,
     "",
     {TopText},
     {"$T/Another\nThe folder cannot be read."}},
    // Default extensions.
    {"DefaultExtensionAppended",
     true,
     0,
     1,
     {{A::Type, "report"}, {A::Enter}},
     TRUE,
     0,
     "$T/report.txt",
     {},
     {},
     "txt"},
    {"EmptyDefaultTakesTheFiltersExtension",
     true,
     0,
     2,
     {{A::Type, "report"}, {A::Enter}},
     TRUE,
     0,
     "$T/report.dat",
     {},
     {},
     ""},
    {"NoDefaultExtensionAppendsNothing",
     true,
     0,
     1,
     {{A::Type, "report"}, {A::Enter}},
     TRUE,
     0,
     "$T/report"},
    {"TypedExtensionKept",
     true,
     0,
     1,
     {{A::Type, "report.csv"}, {A::Enter}},
     TRUE,
     0,
     "$T/report.csv",
     {},
     {},
     "txt"},
    {"ExistingNameWithoutExtensionOpensAsItIs",
     false,
     OFN_FILEMUSTEXIST,
     1,
     {{A::Type, "Notes"}, {A::Enter}},
     TRUE,
     0,
     "$T/Notes",
     {},
     {},
     "txt"},
    {"DefaultExtensionMakesTheExistingFile",
     false,
     OFN_FILEMUSTEXIST,
     1,
     {{A::Type, "sub/d"}, {A::Enter}},
     TRUE,
     0,
     "$T/sub/d.txt",
     {},
     {},
     "txt"},
    // Multiple selection.
    {"MultipleSelectionByCtrlClicks",
     false,
     OFN_ALLOWMULTISELECT | OFN_EXPLORER,
     3,
     {{A::Click, "a.txt"},
      {A::CtrlClick, "c.dat"},
      {A::CtrlClick, "Notes"},
      {A::EditIs},
      {A::Enter}},
     TRUE,
     0,
     "$T|Notes|a.txt|c.dat"},
    {"MultipleSelectionTypedInQuotes",
     false,
     OFN_ALLOWMULTISELECT | OFN_EXPLORER | OFN_FILEMUSTEXIST,
     1,
     {{A::Type, "\"Zeta.txt\" \"b.TXT\""}, {A::Enter}},
     TRUE,
     0,
     "$T|Zeta.txt|b.TXT"},
    {"MultipleSelectionRefusesAMissingName",
     false,
     OFN_ALLOWMULTISELECT | OFN_EXPLORER | OFN_FILEMUSTEXIST,
     1,
     {{A::Type, "\"a.txt\" \"gone.txt\""}, {A::Enter}, {A::Ok}, {A::Escape}},
     FALSE,
     0,
     "",
     {},
     {"gone.txt\nFile not found."}},
    {"OneFileOfAMultipleSelectionIsAPlainPath",
     false,
     OFN_ALLOWMULTISELECT | OFN_EXPLORER,
     1,
     {{A::Click, "b.TXT"}, {A::Enter}},
     TRUE,
     0,
     "$T/b.TXT"},
    {"OldStyleMultipleSelectionUsesBlanks",
     false,
     OFN_ALLOWMULTISELECT,
     1,
     {{A::Click, "a.txt"}, {A::CtrlClick, "b.TXT"}, {A::Enter}},
     TRUE,
     0,
     "$T a.txt b.TXT"},
    // Ending without a file.
    {"EscapeCancels", false, 0, 1, {{A::Escape}}, FALSE, 0, ""},
    {"CloseBoxCancels", true, 0, 1, {{A::Close}}, FALSE, 0, ""},
};

TEST_F(FileDialogTest, ScriptedUser) {
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<char> buffer(512, '\0');
        OPENFILENAMEA ofn = make(TreeFilter, row.flags, buffer);
        ofn.nFilterIndex = row.filterIndex;
        ofn.lpstrDefExt = row.defExt;
        const std::filesystem::path before = std::filesystem::current_path();
        const BOOL answer = run(ofn, row.save, row.script);
        std::filesystem::current_path(before);
        EXPECT_FALSE(seen.ranOut) << "the script ended with a dialog still open";
        EXPECT_EQ(answer, row.answer);
        EXPECT_EQ(CommDlgExtendedError(), row.error);
        if (row.answer) {
            EXPECT_EQ(result_text(buffer), expand(row.result));
            if (row.filterOut) {
                EXPECT_EQ(ofn.nFilterIndex, row.filterOut);
            }
        } else {
            EXPECT_EQ(buffer[0], '\0') << "a cancelled dialog leaves the buffer";
        }
        ASSERT_EQ(seen.lists.size(), row.lists.size());
        for (std::size_t i = 0; i < row.lists.size(); ++i)
            EXPECT_EQ(seen.lists[i], row.lists[i]) << "list " << i;
        ASSERT_EQ(seen.boxes.size(), row.boxes.size());
        // The box wraps long lines where it likes: compared without line ends.
        auto flat = [](std::string s) {
            std::erase(s, '\n');
            return s;
        };
        for (std::size_t i = 0; i < row.boxes.size(); ++i)
            EXPECT_EQ(flat(seen.boxes[i]).rfind(flat(expand(row.boxes[i])), 0), 0u)
                << "box " << i << ": " << seen.boxes[i];
        EXPECT_FALSE(seen.ownerEnabled) << "the owner is disabled while the dialog shows";
        EXPECT_TRUE(IsWindowEnabled(owner));
    }
}

// The name field follows the list and the keys, as the user sees it while choosing.
TEST_F(FileDialogTest, NameFieldAndLookIn) {
    std::vector<char> buffer(512, '\0');
    OPENFILENAMEA ofn = make(TreeFilter, OFN_ALLOWMULTISELECT | OFN_EXPLORER, buffer);
    ofn.nFilterIndex = 3;
    const std::vector<Act> script = {
        {A::EditIs}, {A::LookInEnds},     {A::Click, "a.txt"}, {A::EditIs}, {A::CtrlClick, "c.dat"},
        {A::EditIs}, {A::Click, "[sub]"}, {A::EditIs},         {A::Enter},  {A::LookInEnds},
        {A::EditIs}, {A::Type, "sub"},    {A::Escape}};
    EXPECT_FALSE(run(ofn, false, script));
    EXPECT_EQ(seen.edits, (std::vector<std::string>{"", "a.txt", "\"a.txt\" \"c.dat\"",
                                                    "\"a.txt\" \"c.dat\"", "\"a.txt\" \"c.dat\""}));
    ASSERT_EQ(seen.lookIns.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        const std::string wanted = i == 0 ? tree.path().filename().string() : "sub";
        const std::string& shown = seen.lookIns[i];
        EXPECT_TRUE(shown.size() >= wanted.size() &&
                    shown.compare(shown.size() - wanted.size(), wanted.size(), wanted) == 0)
            << shown;
    }
}

// The offsets into lpstrFile, the title buffer and the filter index the caller reads back.
TEST_F(FileDialogTest, OffsetsTitleAndFilterIndex) {
    const struct {
        std::vector<Act> script;
        DWORD flags;
        std::size_t fileOffset; // from the end of "$T/"
        int extensionOffset;    // from the end of "$T/", -1 for zero
        const char* title;
    } rows[] = {
        {{{A::Type, "sub/d.txt"}, {A::Enter}}, 0, 4, 6, "d.txt"},
        {{{A::Type, "Notes"}, {A::Enter}}, 0, 0, 5, "Notes"},
        {{{A::Type, "odd."}, {A::Enter}}, 0, 0, -1, "odd."},
        {{{A::Click, "a.txt"}, {A::CtrlClick, "c.dat"}, {A::Enter}},
         OFN_ALLOWMULTISELECT | OFN_EXPLORER,
         0,
         -1,
         "a.txt"},
    };
    for (const auto& row : rows) {
        std::vector<char> buffer(512, '\0');
        char title[16] = {};
        OPENFILENAMEA ofn = make(TreeFilter, row.flags, buffer);
        ofn.nFilterIndex = 3;
        ofn.lpstrFileTitle = title;
        ofn.nMaxFileTitle = sizeof title;
        ASSERT_TRUE(run(ofn, false, row.script)) << row.title;
        const std::size_t base = root.size() + 1;
        EXPECT_EQ(ofn.nFileOffset, base + row.fileOffset) << row.title;
        EXPECT_EQ(ofn.nFileExtension, row.extensionOffset < 0
                                          ? 0u
                                          : base + static_cast<std::size_t>(row.extensionOffset))
            << row.title;
        EXPECT_STREQ(title, row.title);
        EXPECT_EQ(ofn.nFilterIndex, 3u);
    }
}

// A buffer too small ends the dialog with FALSE and the size it needs in its first two bytes.
TEST_F(FileDialogTest, BufferTooSmall) {
    const struct {
        DWORD size;
        DWORD flags;
        std::vector<Act> script;
        std::size_t needed; // beyond the length of $T
    } rows[] = {
        {8, 0, {{A::Type, "a.txt"}, {A::Enter}}, 7}, // "/a.txt" and its NUL
        {static_cast<DWORD>(root.size() + 7), 0, {{A::Type, "a.txt"}, {A::Enter}}, 7},
        {16,
         OFN_ALLOWMULTISELECT | OFN_EXPLORER,
         {{A::Click, "a.txt"}, {A::CtrlClick, "b.TXT"}, {A::Enter}},
         14}, // NUL a.txt NUL b.TXT NUL NUL
    };
    for (const auto& row : rows) {
        std::vector<char> buffer(row.size, '\0');
        OPENFILENAMEA ofn = make(TreeFilter, row.flags, buffer);
        const BOOL ok = run(ofn, false, row.script);
        const bool fits = row.size >= root.size() + row.needed;
        EXPECT_EQ(ok, fits) << row.size;
        EXPECT_EQ(CommDlgExtendedError(), fits ? 0u : FNERR_BUFFERTOOSMALL) << row.size;
        if (!fits) {
            const unsigned needed = static_cast<unsigned char>(buffer[0]) |
                                    (static_cast<unsigned char>(buffer[1]) << 8);
            EXPECT_EQ(needed, root.size() + row.needed) << row.size;
        }
    }
}

// Failures found before any dialog shows, and the error reset at each call.
TEST_F(FileDialogTest, RefusedBeforeShowing) {
    std::vector<char> buffer(512, '\0');
    const std::string overlong = std::string(300, 'x');
    const struct {
        const char* name;
        DWORD structSize; // 0: the full size
        std::string initial;
        DWORD maxFile; // 0: the buffer's
        bool badOwner;
        DWORD error;
    } rows[] = {
        {"structure too small", 40, "", 0, false, CDERR_STRUCTSIZE},
        {"structure too large", sizeof(OPENFILENAMEA) + 4, "", 0, false, CDERR_STRUCTSIZE},
        {"initial name too long", 0, overlong, 0, false, FNERR_INVALIDFILENAME},
        {"initial path too long", 0, "/tmp/" + overlong + "/a", 0, false, FNERR_INVALIDFILENAME},
        {"initial name unterminated", 0, "abcdefgh", 4, false, FNERR_INVALIDFILENAME},
        {"owner no window", 0, "", 0, true, CDERR_DIALOGFAILURE},
    };
    for (const auto& row : rows) {
        std::fill(buffer.begin(), buffer.end(), '\0');
        row.initial.copy(buffer.data(), row.initial.size());
        OPENFILENAMEA ofn = make(TreeFilter, 0, buffer);
        if (row.structSize) ofn.lStructSize = row.structSize;
        if (row.maxFile) ofn.nMaxFile = row.maxFile;
        if (row.badOwner) ofn.hwndOwner = reinterpret_cast<HWND>(0x7654321);
        EXPECT_FALSE(run(ofn, false, {})) << row.name;
        EXPECT_EQ(CommDlgExtendedError(), row.error) << row.name;
        EXPECT_FALSE(seen.ranOut) << row.name << ": no dialog may show";
        // The next call starts clean: a plain cancel reports 0.
        OPENFILENAMEA fine = make(TreeFilter, 0, buffer);
        buffer[0] = '\0';
        EXPECT_FALSE(run(fine, false, {{A::Escape}})) << row.name;
        EXPECT_EQ(CommDlgExtendedError(), 0u) << row.name;
    }
    // The size the structure had before its reserved members is accepted.
    OPENFILENAMEA old = make(TreeFilter, 0, buffer);
    old.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    EXPECT_TRUE(run(old, false, {{A::Type, "a.txt"}, {A::Enter}}));
}

// Where the dialog starts: a path in lpstrFile, else lpstrInitialDir, else the current
// directory; the name shown is lpstrFile's last part.
TEST_F(FileDialogTest, StartingDirectoryAndName) {
    const struct {
        const char* initial;
        const char* initialDir; // "" for none
        bool enterTree;         // the tree is the current directory
        const char* list;
        const char* edit;
    } rows[] = {
        {"$T/sub/d.txt", "$T/Another", false, "..|[deeper]|d.txt", "d.txt"},
        {"$T/sub/", "", false, "..|[deeper]|d.txt", ""},
        {"$T/sub", "", false, "..|[deeper]|d.txt", ""},
        {"name.txt", "$T/sub", false, "..|[deeper]|d.txt", "name.txt"},
        {"", "", true, "..|[Another]|[link-to-sub]|[sub]|Zeta.txt|a.txt|b.TXT", ""},
        {"sub/d.txt", "$T/Another", true, "..|[deeper]|d.txt", "d.txt"},
        {"*.dat", "$T", false, "..|[Another]|[link-to-sub]|[sub]|c.dat", "*.dat"},
        {"", "$T/vanished", true, "..|[Another]|[link-to-sub]|[sub]|Zeta.txt|a.txt|b.TXT", ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.initial);
        std::vector<char> buffer(512, '\0');
        const std::string initial = expand(row.initial);
        initial.copy(buffer.data(), initial.size());
        OPENFILENAMEA ofn = make(TreeFilter, 0, buffer);
        const std::string dir = expand(row.initialDir);
        ofn.lpstrInitialDir = *row.initialDir ? dir.c_str() : nullptr;
        const std::filesystem::path before = std::filesystem::current_path();
        if (row.enterTree) std::filesystem::current_path(root);
        EXPECT_FALSE(run(ofn, false, {{A::ListIs}, {A::EditIs}, {A::Escape}}));
        std::filesystem::current_path(before);
        EXPECT_EQ(seen.lists, std::vector<std::string>{row.list});
        EXPECT_EQ(seen.edits, std::vector<std::string>{row.edit});
    }
}

// Without OFN_NOCHANGEDIR the chosen file's directory becomes current; with it, and after a
// cancel, the current directory stays.
TEST_F(FileDialogTest, CurrentDirectoryAfterwards) {
    const struct {
        DWORD flags;
        std::vector<Act> script;
        const char* current; // relative to $T
    } rows[] = {
        {0, {{A::DoubleClick, "[sub]"}, {A::DoubleClick, "d.txt"}}, "sub"},
        {OFN_NOCHANGEDIR, {{A::DoubleClick, "[sub]"}, {A::DoubleClick, "d.txt"}}, "Another"},
        {0, {{A::DoubleClick, "[sub]"}, {A::Escape}}, "Another"},
        {0, {{A::Type, "sub/deeper/e.dat"}, {A::Enter}}, "sub/deeper"},
    };
    for (const auto& row : rows) {
        std::vector<char> buffer(512, '\0');
        OPENFILENAMEA ofn = make(TreeFilter, row.flags, buffer);
        ofn.nFilterIndex = 3;
        const std::filesystem::path before = std::filesystem::current_path();
        std::filesystem::current_path(root + "/Another");
        run(ofn, false, row.script);
        const std::filesystem::path after = std::filesystem::current_path();
        std::filesystem::current_path(before);
        EXPECT_EQ(after, std::filesystem::path(root) / row.current) << row.flags;
    }
}

// Titles and button texts: the caller's title, else the platform's English defaults.
TEST_F(FileDialogTest, TitlesAndButtons) {
    const struct {
        bool save;
        const char* title;
        const char* caption;
        const char* ok;
        const char* typeLabel;
    } rows[] = {
        {false, nullptr, "Open", "&Open", "Files of &type:"},
        {true, nullptr, "Save As", "&Save", "Save as &type:"},
        {false, "Lade Ergebnisse aus Datei", "Lade Ergebnisse aus Datei", "&Open",
         "Files of &type:"},
        {true, "", "Save As", "&Save", "Save as &type:"},
    };
    for (const auto& row : rows) {
        std::vector<char> buffer(512, '\0');
        OPENFILENAMEA ofn = make(TreeFilter, 0, buffer);
        ofn.lpstrTitle = row.title;
        std::string caption, ok, label;
        auto text = [](HWND hwnd) {
            char s[128] = {};
            GetWindowTextA(hwnd, s, sizeof s);
            return std::string(s);
        };
        const std::vector<Act> script = {{A::Look, "",
                                          [&](HWND dialog) {
                                              caption = text(dialog);
                                              ok = text(GetDlgItem(dialog, IDOK));
                                              label = text(GetDlgItem(dialog, stc2));
                                          }},
                                         {A::Escape}};
        EXPECT_FALSE(run(ofn, row.save, script));
        EXPECT_EQ(caption, row.caption);
        EXPECT_EQ(ok, row.ok);
        EXPECT_EQ(label, row.typeLabel);
    }
}

} // namespace
