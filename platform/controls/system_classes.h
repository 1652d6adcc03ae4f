// The window classes the system provides: every control class registers itself here.
#pragma once

namespace plat {

// Registers each control class once; the class registry calls it before its first lookup.
void register_system_classes();

// One per control class file, defined at its end.
void register_statusbar_class();
void register_toolbar_class();
void register_tooltip_class();

} // namespace plat
