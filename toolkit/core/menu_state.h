// The menu state of the toolkit: the root menu with its accelerators and identifier table, the
// most recent floating menu's table, and the toolbar with its tips.
#pragma once

#include <array>
#include <vector>

#include <windows.h>

namespace tess {

constexpr int TooltipChars = 80; // per tip, terminator included

// Resource identifiers are 16-bit ordinals; 0 names nothing.
constexpr bool valid_resource_id(int id) {
    return id > 0 && id <= 0xFFFF;
}

struct TooltipEntry {
    int id = 0; // command identifier; 0 = free
    std::array<char, TooltipChars> text{};
};

struct CoreMenus {
    HMENU rootMenu = nullptr;        // the root frame's menu; goes with its frame
    HACCEL accel = nullptr;          // the root menu's accelerators
    std::vector<WORD> rootTable;     // the root identifier table; empty = none
    std::vector<WORD> floatingTable; // the table of the most recent floating menu
    HMENU lookupMenu = nullptr;      // holds the pop-up of the last identifier-table lookup
    HWND hWndToolbar = nullptr;
    std::vector<TooltipEntry> pTooltip; // one entry per toolbar entry, separators included
    int nTooltip = 0;
};

} // namespace tess

// The menu routines the core calls; the menu sources define them.

// WindowOpen, once the root frame exists with its class menu: rootMenu := the frame's menu,
// accel := the accelerator table menuId, the root identifier table := RCDATA menuId (none when
// absent). A menuId of 0 loads neither accelerators nor a table.
void yymnloadresources_(const int& menuId);
// Shutdown, once the root frame is destroyed: frees the accelerators, forgets the menu, the
// tables and the toolbar.
void yymnshutdown_();
// The frame procedure's WM_NOTIFY: answers a tooltip text request (TTN_NEEDTEXTA) from the tip
// table or else the string resource with the button's identifier. Returns whether it was one.
bool yytooltipnotify(LPARAM lParam);
