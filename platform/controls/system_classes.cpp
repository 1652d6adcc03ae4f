// The list of the system's control classes, registered before the first class lookup.
#include "controls/system_classes.h"

#include <array>

#include <windows.h>

#include <commctrl.h>

#include "menu/menu_tracker.h"

namespace plat {
namespace {

using RegisterFunction = void (*)();

// One row per control class file; each function calls RegisterClassExA with CS_GLOBALCLASS.
constexpr std::array<RegisterFunction, 5> registrations{
    register_menu_popup_class, // "#32768", the pop-up menus
    register_dialog_class,     // "#32770", the dialogs
    register_statusbar_class,  // msctls_statusbar32
    register_toolbar_class,    // ToolbarWindow32
    register_tooltip_class,    // tooltips_class32
};

} // namespace

void register_system_class(const char* name, WNDPROC proc, UINT style, bool statePointer,
                           int background) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_GLOBALCLASS | style;
    wc.lpfnWndProc = proc;
    wc.cbWndExtra = statePointer ? static_cast<int>(sizeof(void*)) : 0;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    if (background >= 0)
        wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(background + 1));
    wc.lpszClassName = name;
    RegisterClassExA(&wc);
}

void register_system_classes() {
    for (RegisterFunction r : registrations)
        r();
}

} // namespace plat

// The control classes exist from the first class lookup on; there is nothing to load.
void InitCommonControls() {}

BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* init) {
    return init && init->dwSize == sizeof(INITCOMMONCONTROLSEX);
}
