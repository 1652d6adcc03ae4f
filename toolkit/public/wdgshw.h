// The public dialog routines: load, display, hide and unload a dialog, and the public layer's
// dialog state (tessar04).
#pragma once

#include "util/shared_records.h"
#include "util/text_arg.h"

// Loads dialog id (or selects it when loaded); it becomes the current dialog.
void WDialogLoad(const int& id);
// Displays the current dialog at (x, y) window units of the root window (-1 = centred); mode 1
// modal, 2 modeless, 3 semi-modeless.
void WDialogShow(const int& x, const int& y, const int& focus = 0, const int& mode = 2);
void WDialogHide();
// Unloads the current dialog: its window and fields are gone.
void WDialogUnload();
// Makes a loaded dialog current.
void WDialogSelect(const int& id);
// Focuses a field of the current dialog.
void WDialogFieldFocus(const int& f);
// Sets the current dialog's caption (or the label of the tab page showing it).
void WDialogTitle(tess::TextRef title);

namespace tess {
// The public layer's dialog state: the exit field and dialog of the last modal display, the
// current dialog, the result of the last message box or file selection.
const Tessar04& tessar04();
} // namespace tess
