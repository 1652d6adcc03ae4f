// The list of the system's control classes, registered before the first class lookup.
#include "controls/system_classes.h"

#include <windows.h>

#include <commctrl.h>

#include "menu/menu_tracker.h"

namespace plat {

void register_system_classes() {
    register_menu_popup_class(); // "#32768", the pop-up menus
    // One row per class file.
    static const ControlClass* const rows[] = {
        &dialog_class,   &statusbar_class, &toolbar_class,   &tooltip_class,
        &button_class,   &static_class,    &edit_class,      &listbox_class,
        &combobox_class, &combolbox_class, &scrollbar_class,
    };
    for (const ControlClass* row : rows)
        register_control_class(*row);
    static const ControlClass* const dialogRows[] = {
        &trackbar_class,
        &progress_class,
        &tab_class,
        &updown_class,
    };
    for (const ControlClass* row : dialogRows)
        register_control_class(*row);
}

} // namespace plat

// The control classes exist from the first class lookup on; there is nothing to load.
void InitCommonControls() {}

BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* init) {
    return init && init->dwSize == sizeof(INITCOMMONCONTROLSEX);
}
