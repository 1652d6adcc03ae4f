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

// One thing the user does or the test looks at. Texts may name the scratch tree as "$T".
struct Act {
    enum Kind {
        Type,        // Alt+N to the name field, then the text typed over what it holds
        Enter,       // Enter wherever the focus is
        Escape,      // Esc
        Click,       // the list item with this text clicked
        CtrlClick,   // the same with Ctrl held
        DoubleClick, // the list item with this text double-clicked
        Filter,      // Alt+T to the filter box, then Down this many times (the text's digits)
        Yes,         // a message box answered by its mnemonics
        No,
        Ok,    // a message box answered by Enter
        Close, // the dialog's close box (WM_SYSCOMMAND SC_CLOSE)
        // Looks, which type nothing and go on to the next act at once:
        ListIs,     // the list's items, joined by '|'
        EditIs,     // the name field's text
        LookInEnds, // the "look in" display ends with this text
        Remove,     // the scratch tree's entry of this name is removed
        Look        // the function is called with the file dialog
    };
    Kind kind;
    std::string text = {};
    std::function<void(HWND)> look = {};
};

// What the scripted user saw.
struct Seen {
    std::vector<std::string> boxes; // the text of each message box, in order
    std::vector<std::string> lists; // what each ListIs found (compared in the test)
    std::vector<std::string> edits; // what each EditIs found
    std::vector<std::string> lookIns;
    bool ranOut = false;      // a dialog still waited when the script had ended
    BOOL ownerEnabled = TRUE; // the owner while the file dialog showed
};

class FileDialogTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs GetOpenFileNameA or GetSaveFileNameA with the script; what it saw goes to seen.
    BOOL run(OPENFILENAMEA& ofn, bool save, const std::vector<Act>& script);
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
