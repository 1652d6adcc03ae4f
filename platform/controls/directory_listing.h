// The names LB_DIR (and the combo box's CB_DIR) list: files of a directory matching a pattern.
#pragma once

#include <string>
#include <vector>

#include <windows.h>

namespace plat {

// The entries of the pattern's directory (the current one when the pattern names none) whose
// names match its last part (* and ?, case-insensitive; "*.*" matches every name): files unless
// DDL_EXCLUSIVE, directories as "[name]" with DDL_DIRECTORY, hidden (dot) names with DDL_HIDDEN.
// Files first, then directories, each sorted. False when the directory cannot be read.
bool list_directory(const char* pattern, UINT attributes, std::vector<std::string>& out);

} // namespace plat
