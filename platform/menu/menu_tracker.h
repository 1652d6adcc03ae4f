// The modal menu loop: menu bars and pop-ups tracked with the mouse and the keyboard.
#pragma once

#include <windows.h>

#include "menu/menu_layout.h"

namespace plat {

// How a menu bar is entered: by a press on it, by Alt or F10 alone, or by Alt+mnemonic.
struct BarEntry {
    bool byMouse = false;
    POINT point{}; // screen point of the press
    char mnemonic = 0;
};
void track_menu_bar(HWND frame, const BarEntry& entry);

// Runs a pop-up at a screen point; returns the chosen command or 0.
UINT track_popup(HMENU menu, UINT flags, POINT at, HWND owner);

// The bar item shown highlighted in a frame while its menu is tracked, or -1.
int menu_bar_highlight(HWND frame);

// The pop-up window's menu, layout and selection, for its painting.
struct PopupView {
    HMENU menu = nullptr;
    const PopupLayout* layout = nullptr;
    int selected = -1;
};
bool popup_view(HWND popup, PopupView& view);

// The pop-up window class and its windows.
void register_menu_popup_class();
HWND create_popup_window(POINT at, SIZE size, HWND owner);

} // namespace plat
