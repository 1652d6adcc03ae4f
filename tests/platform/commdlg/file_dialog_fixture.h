// The file dialogs on the headless screen, worked by a scripted user: the dialogs are modal, so
// each time one of them waits for input (WM_ENTERIDLE to its owner: the test's frame for the
// file dialog, the file dialog for its message boxes) the next acts of the script run.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <windows.h>

#include "support/temp_dir.h"

namespace fdtest {

// A script is a list of acts separated by ", "; each is a word and, after a blank, its text,
// which may name the scratch tree as "$T":
//   type TEXT   Alt+N to the name field, then TEXT typed over what it holds
//   enter, esc  the key, wherever the focus is
//   click TEXT, ctrl TEXT, dbl TEXT   the list item TEXT clicked, Ctrl+clicked, double-clicked
//   filter N    Alt+T to the filter box, then Down N times
//   yes, no, ok a message box answered (its mnemonics; Enter)
//   close       the dialog's close box
// and looks, which type nothing: list, edit, lookin (what the list, the name field and the
// "look in" display show), remove NAME (the scratch tree's entry goes), look (the test's
// function sees the dialog).
struct Act {
    enum Kind {
        Type,
        Enter,
        Escape,
        Click,
        CtrlClick,
        DoubleClick,
        Filter,
        Yes,
        No,
        Ok,
        Close,
        List,
        Edit,
        LookIn,
        Remove,
        Look
    };
    Kind kind;
    std::string text;
};
std::vector<Act> parse_script(const std::string& script);

// What the scripted user saw.
struct Seen {
    std::vector<std::string> boxes; // the text of each message box, in order
    std::vector<std::string> looks; // what list, edit and lookin found, in order
    bool ranOut = false;            // a dialog still waited when the script had ended
    BOOL ownerEnabled = TRUE;       // the owner while the file dialog showed
};

class FileDialogTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs GetOpenFileNameA or GetSaveFileNameA with the script; what it saw goes to seen.
    BOOL run(OPENFILENAMEA& ofn, bool save, const std::string& script,
             std::function<void(HWND)> look = {});
    // An OPENFILENAMEA over buffer with the owner, the given filter and flags, starting in the
    // scratch tree.
    OPENFILENAMEA make(const std::string& filter, DWORD flags, std::vector<char>& buffer);

    std::string expand(const std::string& text) const;

    // The scratch tree: files a.txt, b.TXT, c.dat, Notes, Zeta.txt, .hidden; directories
    // Another, sub (d.txt, deeper/e.dat); a link to sub, a broken link and a link loop.
    testsupport::TempDir tree;
    std::string root;
    HWND owner = nullptr;
    Seen seen;

private:
    std::filesystem::path startDirectory;
};

// The scratch tree's filter: text, data and text, every file.
extern const std::string TreeFilter;

// lpstrFile as far as the result goes (to the first pair of NULs), NULs shown as '|'.
std::string result_text(const std::vector<char>& buffer);

} // namespace fdtest
