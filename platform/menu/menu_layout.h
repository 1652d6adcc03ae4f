// Where menu items lie: the items of a menu bar and of a pop-up, and mnemonics.
#pragma once

#include <string>
#include <vector>

#include <windows.h>

namespace plat {

// Metrics of pop-ups: the raised border, the check-mark column before the text and the arrow
// column after it, the heights of text items and separators.
constexpr int PopupBorder = 3;
constexpr int PopupCheckColumn = 16;
constexpr int PopupArrowColumn = 16;
constexpr int PopupAcceleratorGap = 16;
constexpr int PopupItemHeight = 18;
constexpr int PopupSeparatorHeight = 8;
// Text of a bar item keeps this much space on each side.
constexpr int MenuBarItemPadding = 6;

// The bar items' rectangles in the coordinates of bar (a rectangle in window coordinates).
std::vector<RECT> layout_menu_bar(HMENU menu, const RECT& bar);

struct PopupLayout {
    SIZE size{};                // the whole pop-up window, border included
    std::vector<RECT> items;    // each item, in pop-up window coordinates
    std::vector<int> accelLeft; // per item: where its accelerator text starts
};
PopupLayout layout_popup(HMENU menu);

// An item's text split at the tab into the label (with its & mnemonic) and accelerator text.
struct ItemText {
    std::string label;
    std::string accelerator;
};
ItemText split_item_text(const std::string& text);

// The item whose mnemonic is c, searching after position `after` and wrapping; -1 if none.
// unique tells whether it is the only item with that mnemonic.
int find_mnemonic(HMENU menu, char c, int after, bool* unique = nullptr);

// Items a selection can rest on: everything but separators.
bool selectable(HMENU menu, int position);
bool item_enabled(HMENU menu, int position);

} // namespace plat
