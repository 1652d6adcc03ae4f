/// \file
/// The public dialog routines: load, display, hide and unload a dialog, and the public layer's
/// dialog state (tessar04).
#pragma once

#include "util/shared_records.h"
#include "util/text_arg.h"

/// Loads dialog \p id from the program's resources (or selects it when loaded); it becomes the
/// current dialog. Error 1007 when it cannot be loaded.
void WDialogLoad(const int& id);
/// Displays the current dialog at (x, y) window units of the root window (-1 = centred) with
/// the input focus on field \p focus (0: the dialog's first). \p mode 1 modal (returns when the
/// dialog ends; tessar04 names the exit field), 2 modeless, 3 semi-modeless (the windows are
/// disabled while it shows); a pop-up asked for any other mode is not displayed. Errors: 1005 no
/// current dialog; 1014 the mode was changed (a child-style dialog is shown modeless); 1016 a
/// child-style dialog while the root is hidden.
void WDialogShow(const int& x, const int& y, const int& focus = 0, const int& mode = 2);
/// Hides the current dialog; it stays loaded. Error 1005 without a current dialog.
void WDialogHide();
/// Unloads the current dialog: its window and fields are gone. Error 1005 without a current
/// dialog.
void WDialogUnload();
/// Makes a loaded dialog current. Error 1007 when \p id is not loaded (the current dialog
/// stays).
void WDialogSelect(const int& id);
/// Focuses a field of the current dialog. Errors: 1005 no current dialog, 1006 no such field.
void WDialogFieldFocus(const int& f);
/// Sets the current dialog's caption (or the label of the tab page showing it), without its
/// trailing blanks. Error 1005 without a current dialog.
void WDialogTitle(tess::TextRef title);

namespace tess {
/// The public layer's dialog state: the exit field and dialog of the last modal display, the
/// current dialog, the result of the last message box or file selection.
const Tessar04& tessar04();
} // namespace tess
