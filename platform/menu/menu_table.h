// Menus as data: items with their identifiers, texts, states and pop-ups.
#pragma once

#include <string>
#include <vector>

#include <windows.h>

namespace plat {

struct MenuItem {
    UINT flags = 0; // MF_ state and type bits, MF_POPUP for a pop-up
    UINT id = 0;    // command identifier; pop-ups hold their menu instead
    HMENU popup = nullptr;
    std::string text;
};

struct Menu {
    bool live = false;
    bool isPopup = false;
    std::vector<MenuItem> items;
};

Menu* menu_of(HMENU menu);
HMENU new_menu(bool popup);

// The item a command identifier or position names, searching pop-ups for commands; the menu
// that holds it is reported too.
MenuItem* find_item(HMENU menu, UINT item, UINT flags, HMENU* owner = nullptr);

} // namespace plat
