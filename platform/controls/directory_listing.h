// Reading directories for the controls and dialogs that list them: LB_DIR (and the combo box's
// CB_DIR) and the file dialogs.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include <windows.h>

namespace plat {

// Whether a name matches a pattern of * and ? (case-insensitive); "*.*" matches every name, with
// a dot or not, as the system's patterns always have.
bool name_matches(std::string_view pattern, std::string_view name);

struct DirectoryEntry {
    std::string name;
    bool directory = false; // a directory, or a link to one
};

// The entries of a directory, in no particular order; hidden (dot) names only when asked for.
// An entry whose kind cannot be told (a broken link, a link loop) counts as a file. False when
// the directory cannot be read.
bool read_directory(const std::string& dir, bool hidden, std::vector<DirectoryEntry>& out);

// The entries of the pattern's directory (the current one when the pattern names none) whose
// names match its last part: files unless DDL_EXCLUSIVE, directories as "[name]" with
// DDL_DIRECTORY, hidden (dot) names with DDL_HIDDEN. Files first, then directories, each sorted.
// False when the directory cannot be read.
bool list_directory(const char* pattern, UINT attributes, std::vector<std::string>& out);

} // namespace plat
