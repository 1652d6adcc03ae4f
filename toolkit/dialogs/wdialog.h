// The dialog manager's core routines: load, display, hide and unload dialogs, the current
// dialog, focus, titles, copying a dialog's state, and the control-class atoms.
#pragma once

#include <windows.h>

#include "core/dialog_state.h"

// Loads the dialog with that identifier, or selects it when loaded; -1 (table full or no window)
// or -2 (no template) is written back on failure.
void yydialogload_(int& id);
void yydialogload2(int& id);
// Makes a loaded dialog current; -1 when it is not loaded.
void yydialogselect_(int& id);
// Displays the current dialog. x, y as the caller gave them; px, py in pixels (-1 = centred);
// mode in: 1 modal, 2 modeless, 3 semi-modeless; out: status 0, -1 (mode changed) or -2 (not
// displayed: child-style dialog of a hidden root).
void yydialogshow_(const int& x, const int& y, const int& px, const int& py, int& mode,
                   const int& focus);
void yydialoghide_();
// Unloads the current dialog; the identifier is not used.
void yydialogunload_(const int& id);
void yydialogunload2(HWND dialog);
// Focuses field f of the current dialog; -1 when it does not exist.
void yydialogfocus_(int& f);
void yydialogtitle_(const char* text);
// 1: CurrentField, 2: PreviousField of the current dialog, 3: iDlgAct; others 0.
void yywinfodialog_(const int& selector, int& result);
// Pixels of 4 horizontal and 8 vertical dialog units of the current dialog.
void yygetdlgfactor_(int& x, int& y);
// 1 when hwnd is the modal instance or a child window of it.
int yyismodaldialog(HWND hwnd);
void yyDisableDialogs(HWND except, int frames);
void yyEnableDialogs(HWND keep, int frames);
// Selects the text of an edit control or combo box as focusing a field does.
void yyDialogSelectAll(HWND control);
void yydialogcentre(HWND dialog);
// Copies every field's state from source to destination (two windows of one template).
void yydialogcopy(HWND destination, HWND source);
// Applies the extra-information resource of dialog id to its freshly created window.
void yydialogkvo(HWND dialog, int id);
// Snapshots: mode 1 takes them, any other mode gives them back; window number excluded is left
// alone.
void yygetwindowbitmap_(const int& mode, const int& excluded);
// Chooses (mode 1) or releases (other) field f (0 = the dialog) of the current dialog as the
// graphics drawing area.
void yygetdialogdc_(int& f, const int& mode, int& width, int& height);

INT_PTR CALLBACK yydialogproc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
