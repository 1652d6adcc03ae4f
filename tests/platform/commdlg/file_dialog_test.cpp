// GetOpenFileNameA and GetSaveFileNameA worked by keys and clicks on the headless screen, in a
// scratch directory tree.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "backend/headless/headless_backend.h"
#include "gdi/surface.h"
#include "platform/commdlg/file_dialog_fixture.h"
#include "support/presented.h"

namespace {

using namespace fdtest;

// The scratch tree's top as the list shows it under each filter; every file includes the broken
// link and the link loop (files that cannot be opened).
const std::string Dirs = "..|[Another]|[link-to-sub]|[sub]";
const std::string Text = Dirs + "|Zeta.txt|a.txt|b.TXT";
const std::string Data = Text + "|c.dat";
const std::string All = Dirs + "|Notes|Zeta.txt|a.txt|b.TXT|broken|c.dat|loop";
const std::string Sub = "..|[deeper]|d.txt";

struct Row {
    const char* name;
    bool save;
    DWORD flags;
    DWORD filterIndex;
    std::string script;
    std::string result;                  // lpstrFile's text with NULs as '|'; "" for a cancel
    std::vector<std::string> looks = {}; // what list, edit and lookin saw
    std::vector<std::string> boxes = {}; // the beginning of each message box's text
    const char* defExt = nullptr;
    DWORD filterOut = 0; // nFilterIndex afterwards, when not 0
};

constexpr DWORD MustExist = OFN_FILEMUSTEXIST, Multi = OFN_ALLOWMULTISELECT | OFN_EXPLORER;
const std::string NotFound = "\nFile not found.", NoPath = "\nPath does not exist.";

// clang-format off
const std::vector<Row> rows = {
    // Filtering, several patterns per filter, chosen by nFilterIndex, the box or typing.
    {"FirstFilter", false, MustExist, 1, "list, type a.txt, enter", "$T/a.txt", {Text}},
    {"SecondFilterTwoPatterns", false, MustExist, 2, "list, type c.dat, enter", "$T/c.dat", {Data}, {}, nullptr, 2},
    {"FilterChangedInTheBox", false, 0, 1, "filter 2, list, type Notes, enter", "$T/Notes", {All}, {}, nullptr, 3},
    {"FilterIndexOutOfRange", false, 0, 9, "list, esc", "", {Text}},
    {"TypedPattern", false, 0, 1, "type *.dat;N*, enter, list, edit, type c.dat, enter", "$T/c.dat", {Dirs + "|Notes|c.dat", "*.dat;N*"}},
    {"TypedPatternElsewhere", false, 0, 1, "type sub/deeper/*.dat, enter, list, type e.dat, enter", "$T/sub/deeper/e.dat", {"..|e.dat"}},
    // Sub-directories and "..", by mouse and keys.
    {"DoubleClicks", false, MustExist, 1, "dbl [sub], list, lookin, dbl d.txt", "$T/sub/d.txt", {Sub, "$T/sub"}},
    {"EnterAndDotDot", false, 0, 1, "click [sub], enter, list, dbl .., list, click a.txt, edit, enter", "$T/a.txt", {Sub, Text, "a.txt"}},
    {"LinkToADirectory", false, 0, 1, "dbl [link-to-sub], list, dbl d.txt", "$T/link-to-sub/d.txt", {Sub}},
    // Typed names: relative, absolute, directories and "..".
    {"RelativePath", false, MustExist, 2, "type sub/deeper/e.dat, enter", "$T/sub/deeper/e.dat"},
    {"TypedDirectory", false, 0, 1, "type sub, enter, list, edit, type d.txt, enter", "$T/sub/d.txt", {Sub, ""}},
    {"TypedDotDot", false, 0, 1, "type sub/deeper, enter, type ../.., enter, list, type b.TXT, enter", "$T/b.TXT", {Text}},
    {"AbsolutePath", false, MustExist, 1, "dbl [Another], type $T/sub/d.txt, enter", "$T/sub/d.txt"},
    // Overwrite and create prompts, answered both ways.
    {"OverwriteYes", true, OFN_OVERWRITEPROMPT, 1, "type a.txt, enter, yes", "$T/a.txt", {}, {"a.txt already exists."}},
    {"OverwriteNo", true, OFN_OVERWRITEPROMPT, 1, "type a.txt, enter, no, edit, type new.txt, enter", "$T/new.txt", {"a.txt"}, {"a.txt already exists."}},
    {"NoOverwritePrompt", true, 0, 1, "type a.txt, enter", "$T/a.txt"},
    {"CreateYes", false, OFN_CREATEPROMPT, 1, "type new.txt, enter, yes", "$T/new.txt", {}, {"new.txt\nThis file does not exist."}},
    {"CreateNo", false, OFN_CREATEPROMPT, 1, "type new.txt, enter, no, esc", "", {}, {"new.txt\nThis file does not exist."}},
    {"CreateNotAskedForAFile", false, OFN_CREATEPROMPT, 1, "type a.txt, enter", "$T/a.txt"},
    // Refusals that keep the dialog open.
    {"FileMustExist", false, MustExist, 1, "type gone.txt, enter, ok, type a.txt, enter", "$T/a.txt", {}, {"gone.txt" + NotFound}},
    {"BrokenLinks", false, MustExist, 3, "dbl broken, ok, dbl loop, ok, esc", "", {}, {"broken" + NotFound, "loop" + NotFound}},
    {"PathMustExist", true, OFN_PATHMUSTEXIST, 1, "type no/x.txt, enter, ok, type x.txt, enter", "$T/x.txt", {}, {"no/x.txt" + NoPath}},
    {"FileImpliesPath", false, MustExist, 1, "type no/x.txt, enter, ok, esc", "", {}, {"no/x.txt" + NoPath}},
    {"MissingPathAllowed", true, 0, 1, "type no/x.txt, enter", "$T/no/x.txt"},
    {"OverlongName", true, 0, 1, "type " + std::string(300, 'n') + ", enter, ok, esc", "", {}, {std::string(300, 'n') + "\nThe file name is not valid."}},
    {"UnreadableDirectory", false, 0, 1, "remove Another, dbl [Another], ok, list, esc", "", {Text}, {"$T/Another\nThe folder cannot be read."}},
    // Default extensions.
    {"DefaultExtension", true, 0, 1, "type report, enter", "$T/report.txt", {}, {}, "txt"},
    {"FiltersExtension", true, 0, 2, "type report, enter", "$T/report.dat", {}, {}, ""},
    {"NoDefaultExtension", true, 0, 1, "type report, enter", "$T/report"},
    {"TypedExtensionKept", true, 0, 1, "type report.csv, enter", "$T/report.csv", {}, {}, "txt"},
    {"ExistingNameAsItIs", false, MustExist, 1, "type Notes, enter", "$T/Notes", {}, {}, "txt"},
    {"ExtensionFindsTheFile", false, MustExist, 1, "type sub/d, enter", "$T/sub/d.txt", {}, {}, "txt"},
    // Multiple selection.
    {"CtrlClicks", false, Multi, 3, "click a.txt, ctrl c.dat, ctrl Notes, edit, enter", "$T|Notes|a.txt|c.dat", {"\"Notes\" \"a.txt\" \"c.dat\""}},
    {"TypedInQuotes", false, Multi | MustExist, 1, "type \"Zeta.txt\" \"b.TXT\", enter", "$T|Zeta.txt|b.TXT"},
    {"QuotedMissingName", false, Multi | MustExist, 1, "type \"a.txt\" \"gone.txt\", enter, ok, esc", "", {}, {"gone.txt" + NotFound}},
    {"OneOfMultipleIsAPath", false, Multi, 1, "click b.TXT, enter", "$T/b.TXT"},
    {"OldStyleUsesBlanks", false, OFN_ALLOWMULTISELECT, 1, "click a.txt, ctrl b.TXT, enter", "$T a.txt b.TXT"},
    // Ending without a file.
    {"Escape", false, 0, 1, "esc", ""},
    {"CloseBox", true, 0, 1, "close", ""},
};
// clang-format on

TEST_F(FileDialogTest, ScriptedUser) {
    // The box wraps long lines where it likes: compared without line ends.
    auto flat = [](std::string s) {
        std::erase(s, '\n');
        return s;
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<char> buffer(512, '\0');
        OPENFILENAMEA ofn = make(TreeFilter, row.flags, buffer);
        ofn.nFilterIndex = row.filterIndex;
        ofn.lpstrDefExt = row.defExt;
        const BOOL answer = run(ofn, row.save, row.script);
        EXPECT_FALSE(seen.ranOut) << "the script ended with a dialog still open";
        EXPECT_EQ(answer, !row.result.empty());
        EXPECT_EQ(CommDlgExtendedError(), 0u);
        EXPECT_EQ(result_text(buffer), expand(row.result));
        EXPECT_EQ(ofn.nFilterIndex, row.filterOut ? row.filterOut : row.filterIndex);
        std::vector<std::string> looks;
        for (const std::string& l : row.looks)
            looks.push_back(expand(l));
        EXPECT_EQ(seen.looks, looks);
        ASSERT_EQ(seen.boxes.size(), row.boxes.size());
        for (std::size_t i = 0; i < row.boxes.size(); ++i)
            EXPECT_EQ(flat(seen.boxes[i]).rfind(flat(expand(row.boxes[i])), 0), 0u)
                << "box " << i << ": " << seen.boxes[i];
        EXPECT_FALSE(seen.ownerEnabled) << "the owner is disabled while the dialog shows";
        EXPECT_TRUE(IsWindowEnabled(owner));
    }
}

// The name field follows the list's selection; directories never go into it.
TEST_F(FileDialogTest, NameFieldFollowsTheList) {
    std::vector<char> buffer(512, '\0');
    OPENFILENAMEA ofn = make(TreeFilter, Multi, buffer);
    ofn.nFilterIndex = 3;
    EXPECT_FALSE(
        run(ofn, false, "edit, click a.txt, edit, ctrl c.dat, edit, click [sub], edit, esc"));
    EXPECT_EQ(seen.looks, (std::vector<std::string>{"", "a.txt", "\"a.txt\" \"c.dat\"",
                                                    "\"a.txt\" \"c.dat\""}));
}

// The offsets into lpstrFile, the title buffer and the filter index the caller reads back.
TEST_F(FileDialogTest, OffsetsTitleAndFilterIndex) {
    const struct {
        const char* script;
        DWORD flags;
        std::size_t fileOffset; // past "$T/"
        int extensionOffset;    // past "$T/", -1 for zero
        const char* title;
    } rows[] = {
        {"type sub/d.txt, enter", 0, 4, 6, "d.txt"},
        {"type Notes, enter", 0, 0, 5, "Notes"},
        {"type odd., enter", 0, 0, -1, "odd."},
        {"click a.txt, ctrl c.dat, enter", Multi, 0, -1, "a.txt"},
    };
    for (const auto& row : rows) {
        std::vector<char> buffer(512, '\0');
        char title[16] = {};
        OPENFILENAMEA ofn = make(TreeFilter, row.flags, buffer);
        ofn.nFilterIndex = 3;
        ofn.lpstrFileTitle = title;
        ofn.nMaxFileTitle = sizeof title;
        ASSERT_TRUE(run(ofn, false, row.script)) << row.script;
        const std::size_t base = root.size() + 1;
        EXPECT_EQ(ofn.nFileOffset, base + row.fileOffset) << row.script;
        EXPECT_EQ(ofn.nFileExtension, row.extensionOffset < 0 ? 0 : base + row.extensionOffset)
            << row.script;
        EXPECT_STREQ(title, row.title);
        EXPECT_EQ(ofn.nFilterIndex, 3u);
    }
}

// A buffer too small ends the dialog with FALSE and the size it needs in its first two bytes.
TEST_F(FileDialogTest, BufferTooSmall) {
    const struct {
        DWORD size;
        DWORD flags;
        const char* script;
        std::size_t needed; // beyond the length of $T
    } rows[] = {
        {8, 0, "type a.txt, enter", 7}, // "/a.txt" and its NUL
        {static_cast<DWORD>(root.size() + 7), 0, "type a.txt, enter", 7},
        {16, Multi, "click a.txt, ctrl b.TXT, enter", 14}, // NUL a.txt NUL b.TXT NUL NUL
    };
    for (const auto& row : rows) {
        std::vector<char> buffer(row.size, '\0');
        OPENFILENAMEA ofn = make(TreeFilter, row.flags, buffer);
        const bool fits = row.size >= root.size() + row.needed;
        EXPECT_EQ(run(ofn, false, row.script), fits) << row.size;
        EXPECT_EQ(CommDlgExtendedError(), fits ? 0u : FNERR_BUFFERTOOSMALL) << row.size;
        const unsigned needed =
            static_cast<unsigned char>(buffer[0]) | (static_cast<unsigned char>(buffer[1]) << 8);
        if (!fits) {
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
        EXPECT_FALSE(run(ofn, false, "")) << row.name;
        EXPECT_EQ(CommDlgExtendedError(), row.error) << row.name;
        EXPECT_FALSE(seen.ranOut) << row.name << ": no dialog may show";
        // The next call starts clean: a plain cancel reports 0.
        OPENFILENAMEA fine = make(TreeFilter, 0, buffer);
        buffer[0] = '\0';
        EXPECT_FALSE(run(fine, false, "esc")) << row.name;
        EXPECT_EQ(CommDlgExtendedError(), 0u) << row.name;
    }
    // The size the structure had before its reserved members is accepted.
    OPENFILENAMEA old = make(TreeFilter, 0, buffer);
    old.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    EXPECT_TRUE(run(old, false, "type a.txt, enter"));
}

// Where the dialog starts: a path in lpstrFile, else lpstrInitialDir, else the current
// directory; the name shown is lpstrFile's last part.
TEST_F(FileDialogTest, StartingDirectoryAndName) {
    const struct {
        const char* initial;
        const char* initialDir; // "" for none
        bool enterTree;         // the tree is the current directory
        std::string list;
        const char* edit;
    } rows[] = {
        {"$T/sub/d.txt", "$T/Another", false, Sub, "d.txt"},
        {"$T/sub/", "", false, Sub, ""},
        {"$T/sub", "", false, Sub, ""},
        {"name.txt", "$T/sub", false, Sub, "name.txt"},
        {"", "", true, Text, ""},
        {"sub/d.txt", "$T/Another", true, Sub, "d.txt"},
        {"*.dat", "$T", false, Dirs + "|c.dat", "*.dat"},
        {"", "$T/vanished", true, Text, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.initial);
        std::vector<char> buffer(512, '\0');
        const std::string initial = expand(row.initial), dir = expand(row.initialDir);
        initial.copy(buffer.data(), initial.size());
        OPENFILENAMEA ofn = make(TreeFilter, 0, buffer);
        ofn.lpstrInitialDir = *row.initialDir ? dir.c_str() : nullptr;
        if (row.enterTree) std::filesystem::current_path(root);
        EXPECT_FALSE(run(ofn, false, "list, edit, esc"));
        EXPECT_EQ(seen.looks, (std::vector<std::string>{row.list, row.edit}));
    }
}

// Without OFN_NOCHANGEDIR the chosen file's directory becomes current; with it, and after a
// cancel, the current directory stays.
TEST_F(FileDialogTest, CurrentDirectoryAfterwards) {
    const struct {
        DWORD flags;
        const char* script;
        const char* current; // within $T
    } rows[] = {
        {0, "dbl [sub], dbl d.txt", "sub"},
        {OFN_NOCHANGEDIR, "dbl [sub], dbl d.txt", "Another"},
        {0, "dbl [sub], esc", "Another"},
        {0, "type sub/deeper/e.dat, enter", "sub/deeper"},
    };
    for (const auto& row : rows) {
        std::vector<char> buffer(512, '\0');
        OPENFILENAMEA ofn = make(TreeFilter, row.flags, buffer);
        ofn.nFilterIndex = 3;
        std::filesystem::current_path(root + "/Another");
        run(ofn, false, row.script);
        EXPECT_EQ(std::filesystem::current_path(), std::filesystem::path(root) / row.current)
            << row.script << " " << row.flags;
    }
}

// Titles and button texts: the caller's title, else the platform's English defaults.
TEST_F(FileDialogTest, TitlesAndButtons) {
    const struct {
        bool save;
        const char* title;
        const char* shown; // caption, OK button, type label
    } rows[] = {
        {false, nullptr, "Open|&Open|Files of &type:"},
        {true, nullptr, "Save As|&Save|Save as &type:"},
        {false, "Lade Ergebnisse", "Lade Ergebnisse|&Open|Files of &type:"},
        {true, "", "Save As|&Save|Save as &type:"},
    };
    for (const auto& row : rows) {
        std::vector<char> buffer(512, '\0');
        OPENFILENAMEA ofn = make(TreeFilter, 0, buffer);
        ofn.lpstrTitle = row.title;
        std::string shown;
        EXPECT_FALSE(run(ofn, row.save, "look, esc", [&](HWND dialog) {
            for (HWND hwnd : {dialog, GetDlgItem(dialog, IDOK), GetDlgItem(dialog, stc2)}) {
                char s[128] = {};
                GetWindowTextA(hwnd, s, sizeof s);
                shown.append(shown.empty() ? "" : "|").append(s);
            }
        }));
        EXPECT_EQ(shown, row.shown);
    }
}

// What the user sees of the open dialog, from the presented image; the picture is kept at
// /tmp/file-dialog.png for looking at.
TEST_F(FileDialogTest, PresentedImage) {
    std::vector<char> buffer(512, '\0');
    OPENFILENAMEA ofn = make(TreeFilter, OFN_HIDEREADONLY, buffer);
    ofn.lpstrTitle = "Lade Ergebnisse aus Datei";
    plat::Surface shown(0, 0, 0);
    RECT item{}, list{}, lookIn{};
    // A control's rectangle (a list item's, with an index) in the dialog surface's coordinates.
    auto place = [](HWND control, RECT& r, LRESULT index = -1) {
        if (index >= 0)
            SendMessageA(control, LB_GETITEMRECT, static_cast<WPARAM>(index),
                         reinterpret_cast<LPARAM>(&r));
        else
            GetClientRect(control, &r);
        const HWND dialog = GetParent(control);
        MapWindowPoints(control, dialog, reinterpret_cast<POINT*>(&r), 2);
        RECT window{};
        GetWindowRect(dialog, &window);
        POINT origin{0, 0};
        ClientToScreen(dialog, &origin);
        OffsetRect(&r, origin.x - window.left, origin.y - window.top);
    };
    EXPECT_FALSE(run(ofn, false, "click a.txt, look, esc", [&](HWND d) {
        const HWND lb = GetDlgItem(d, lst1);
        place(lb, item, SendMessageA(lb, LB_GETCURSEL, 0, 0));
        place(lb, list);
        place(GetDlgItem(d, stc1), lookIn);
        shown = testsupport::presented_surface(d);
        const auto* headless = dynamic_cast<const plat::HeadlessBackend*>(&plat::backend());
        ASSERT_NE(headless, nullptr);
        EXPECT_TRUE(headless->save_window_png(d, "/tmp/file-dialog.png"));
    }));
    ASSERT_GT(shown.width, 0);
    const plat::Pixel highlight = plat::pixel_from_colorref(GetSysColor(COLOR_HIGHLIGHT));
    // The chosen row is highlighted from edge to edge, text aside; the list below it is blank.
    int highlighted = 0;
    for (int x = item.left; x < item.right; ++x)
        highlighted += shown.at(x, item.top + 1) == highlight;
    EXPECT_GT(highlighted, (item.right - item.left) * 9 / 10);
    EXPECT_EQ(shown.at(list.left + 5, list.bottom - 3),
              plat::pixel_from_colorref(GetSysColor(COLOR_WINDOW)));
    // The directory is written in the "look in" display.
    int dark = 0;
    for (int y = lookIn.top; y < lookIn.bottom; ++y)
        for (int x = lookIn.left; x < lookIn.right; ++x)
            dark += (shown.at(x, y) & 0xFF) < 0x60;
    EXPECT_GT(dark, 40);
}

} // namespace
