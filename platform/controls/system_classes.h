// The window classes the system provides: every control class registers itself here.
#pragma once

#include <windows.h>

namespace plat {

// Registers each control class once; the class registry calls it before its first lookup.
void register_system_classes();

// A class of the system's: global, the arrow pointer, extra bytes for the state pointer when
// asked for, and a system colour (COLOR_...) as background, or none with -1.
void register_system_class(const char* name, WNDPROC proc, UINT style, bool statePointer,
                           int background);

// One per control class file, defined at its end.
void register_statusbar_class();
void register_toolbar_class();
void register_tooltip_class();
// The dialog class, with the dialog manager.
void register_dialog_class();

} // namespace plat
