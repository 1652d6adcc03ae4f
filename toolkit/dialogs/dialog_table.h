// The dialog table and the field records, with the accessors every dialog and field routine
// goes through: the current dialog, a field of it, a control's record and its class.
#pragma once

#include <vector>

#include <windows.h>

#include "core/context.h"
#include "core/dialog_state.h"

namespace tess {

// Everything the toolkit keeps about one control of a dialog window: made when the window is
// created, kept as the control's user data, freed when the window is destroyed.
struct FieldRecord {
    double LowerBound = 1000.0; // a lower bound above the upper one: no range
    double UpperBound = -1000.0;
    HWND SpinControl = nullptr;
    WNDPROC PreviousProc = nullptr; // where the generic subclass passes every message
    int IsGraphicsArea = 0;
    int Foreground = -1; // 0x00BBGGRR; -1 = the system's
    int Background = -1;
    int MaxLength = 0; // typing limit from the extra information; 0 = none recorded
    int TabCount = 0;
    std::vector<int> TabStops;
};

// The control classes dialogs are built from, as their class atoms tell them apart.
enum class FieldClass { Other, Button, Static, Track, Edit, List, Combo, Tab, Progress, UpDown };

CoreDialogs& dialogs();

// The class of a control, by its class atom; Other before the atoms are known.
FieldClass field_class(HWND control);

// The field record of a control of a toolkit dialog; null for any other window.
FieldRecord* field_record(HWND control);

// The current dialog's window; null when there is none (after an unload, before a load).
HWND current_dialog();
// The current dialog's record; null when there is none.
DialogRecord* current_dialog_record();
// Control f of the current dialog; null when there is no current dialog or no such control.
HWND field_window(int f);
// Its field record; null likewise.
FieldRecord* field_of(int f);

// The public layer's check before every dialog and field routine: true when a dialog is
// current both for the public record and for the core. Otherwise records error 1005 and the
// caller acts on nothing.
bool dialog_current_or_error();

// The table index whose window is hwnd, searched from index first; -1 when none.
int dialog_index(HWND hwnd, int first = 1);
// The table index holding identifier id (1 to nDialogs); -1 when none.
int yydialogfind(int id);

// A dialog counts as top-level when its parent is the root frame, the root's client window,
// or none.
bool top_level_dialog(HWND dialog);
// Child-style: its own style says WS_CHILD.
bool child_style(HWND hwnd);

} // namespace tess
