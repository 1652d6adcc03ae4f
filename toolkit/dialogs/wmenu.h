// Menus of the window-system core: the root menu with its identifier table, item states by
// identifier, floating menus, inserting and deleting items, and the toolbar with its tips.
//
// Pop-up menus carry no command identifier; the identifier table (RCDATA with the menu's
// identifier, 16-bit words "identifier, path ..., 0" until a 0 identifier) names them. An item
// addressed by identifier is looked for first as a command item anywhere in the root menu, then
// as a pop-up through the root identifier table.
#pragma once

#include <windows.h>

#include "core/menu_state.h"
#include "public/wmenust.h"

namespace tess {
constexpr int MaxMenuText = 100; // texts copied from the root menu, terminator included
} // namespace tess

// ---- loading menus

// A menu resource with its disabled items turned greyed; null when there is none.
HMENU yymnload(int menuId);
// Turns every item that is disabled but not greyed into greyed, pop-ups included.
void yymnconv(HMENU menu);
// The 0-based position of the pop-up that the root identifier table names identifier, with
// the menu state's lookupMenu set to the menu holding it; -1 when there is no table or no such
// entry.
int yymnhpos(int identifier);
// Replaces the root menu with resource identifier (0 removes it); identifier := -1 when the
// resource is absent.
void yymnroot_(int& identifier);

// ---- item states

// Greys (state 0) or enables the item and the toolbar button with the identifier; state := -1
// when neither exists, 1 when a button does.
void yymngrey_(const int& identifier, int& state);
// Checks (state non-zero) or unchecks the same way, without redrawing the bar.
void yymnchck_(const int& identifier, int& state);
// value := 1 or 0 for what 1 (enabled) or 2 (checked); -1 when there is no such item or button.
void yymngflg_(const int& identifier, const int& what, int& value);
// Redraws the menu bar when the identifier names an item directly on it.
void yyredrawmenu(int identifier);

// ---- item texts, inserting and deleting

// New text for a command item or identified pop-up; identifier := -1 when there is none.
void yymntext_(int& identifier, const char* text);
// Deletes command item identifier; identifier := -1 when there is none.
void yymndel_(int& identifier);
// Inserts a text item (newId non-zero) or a separator next to command item reference: offset 1
// before it, 2 after it; appended to its menu when that position holds no item. reference :=
// its 0-based position, or -1 when it is not in the root menu.
void yymnins_(int& reference, const int& offset, const int& newId, const char* text);
// The 0-based position of command item identifier in menu or its pop-ups, with *holder set to
// the menu holding it; -1 when absent.
int yymngetpos(HMENU menu, int identifier, HMENU* holder);

// ---- floating menus

// Shows menu resource identifier at (x, y) in the current window's client coordinates, owned
// by its frame, mirroring the root menu's texts and states; returns when it closes. A chosen
// item arrives as WM_COMMAND on the frame. identifier := -1 when it cannot be loaded.
void yymnflot_(int& identifier, const int& x, const int& y);
// Copies texts and states of the root menu into the items of menu that it also has.
void yymnmtch(HMENU menu, HMENU top);

// ---- toolbar and tips

// Creates, replaces or (0) removes the toolbar of resource identifier. When its height changes
// the root frame is laid out again and width, height := the root client size; otherwise -1.
// identifier := -1 when the resource is absent or the toolbar cannot be made.
void yymntbar_(int& identifier, int& width, int& height);
// Sets the tip of button identifier: text with length counting its terminator (1: frees the
// tip). identifier := -1 without such a button, -2 without a free tip entry.
void yytooltip_(int& identifier, const char* text, const int& length);
