// The window classes the system provides: every control class registers itself here.
#pragma once

#include "controls/control.h"

namespace plat {

// Registers each control class once; the class registry calls it before its first lookup.
void register_system_classes();

// The common controls of dialogs: trackbar, progress bar, tab control and up-down control.
extern const ControlClass trackbar_class;
extern const ControlClass progress_class;
extern const ControlClass tab_class;
extern const ControlClass updown_class;

// One row per control class file, defined at its end.
extern const ControlClass statusbar_class;
extern const ControlClass toolbar_class;
extern const ControlClass tooltip_class;
extern const ControlClass button_class;
extern const ControlClass static_class;
extern const ControlClass edit_class;
extern const ControlClass listbox_class;
extern const ControlClass combobox_class;
extern const ControlClass scrollbar_class;
// "ComboLBox", the list a combo box drops down.
extern const ControlClass combolbox_class;
// "#32770", the dialogs, with the dialog manager.
extern const ControlClass dialog_class;

} // namespace plat
