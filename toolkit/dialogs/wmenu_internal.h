// Helpers shared by the menu sources.
#pragma once

#include <optional>
#include <vector>

#include <windows.h>

#include "core/menu_state.h"

namespace tess::menu {

constexpr UINT NotFound = 0xFFFFFFFF; // what the platform's menu queries answer for no item
constexpr int MaxDepth = 16;          // pop-up nesting walked; deeper menus are cut off

HWND root_frame();

// The RCDATA resource id as 16-bit little-endian words (a trailing odd byte is dropped).
std::optional<std::vector<WORD>> load_words(int id);

// The position of the pop-up that table names id, in holder, walking from start; -1 (holder
// null) when the table has no such entry or its path leads nowhere. The first entry wins.
int table_position(const std::vector<WORD>& table, HMENU start, int id, HMENU& holder);

// An item of the root menu addressed by identifier: a command item anywhere (by command) or a
// pop-up named by the root identifier table (by position in menu).
struct Address {
    HMENU menu = nullptr;
    UINT item = 0;
    UINT by = MF_BYCOMMAND;
};
std::optional<Address> address_of(int identifier);

} // namespace tess::menu
