// The list of the system's control classes, registered before the first class lookup.
#include "controls/system_classes.h"

#include <array>

#include "menu/menu_tracker.h"

namespace plat {
namespace {

using RegisterFunction = void (*)();

// One row per control class file; each function calls RegisterClassExA with CS_GLOBALCLASS.
constexpr std::array<RegisterFunction, 1> registrations{
    register_menu_popup_class, // "#32768", the pop-up menus
};

} // namespace

void register_system_classes() {
    for (RegisterFunction r : registrations)
        r();
}

} // namespace plat
