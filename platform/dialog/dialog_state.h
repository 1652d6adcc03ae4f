// What the dialog manager keeps for each dialog window besides its DLGWINDOWEXTRA bytes.
#pragma once

#include <windows.h>

namespace plat {

struct DialogState {
    HFONT font = nullptr;       // the dialog font, from WM_SETFONT
    bool ownsFont = false;      // made from the template, deleted with the dialog
    SIZE baseUnits{};           // average character width and height of the font
    WORD defId = 0;             // the default push button, 0 for none
    HWND defaultLook = nullptr; // the push button drawn as the default one
    HWND savedFocus = nullptr;  // the control that had the focus when the dialog was left
    bool modal = false;
    HWND disabledOwner = nullptr; // the owner a modal display disabled, until it is enabled again
    bool ended = false;           // EndDialog was called
    INT_PTR result = 0;
};

// The state of a dialog window, made on first use; null for anything that is not a window.
DialogState* dialog_state(HWND dialog);
// The same without making one: null for a window that never was a dialog.
DialogState* existing_dialog_state(HWND dialog);
void forget_dialog_state(HWND dialog);

// Base units of a font as the dialog manager measures them: the average width of the 52
// letters, rounded, and the cell height.
SIZE font_base_units(HFONT font);

// Dialog units to pixels for those base units, rounded as MulDiv rounds.
RECT map_dialog_units(SIZE base, RECT r);

// Moves the focus to a control as the dialog manager does: an edit control (DLGC_HASSETSEL) gets
// all of its text selected, and the default push button follows a focused push button.
void dialog_set_focus(HWND dialog, HWND control);

// Pushes a push button as Enter or a mnemonic does: WM_COMMAND BN_CLICKED to the dialog.
void press_button(HWND dialog, HWND button, int id);

} // namespace plat
