#include "backend/x11/x11_cursor.h"

#include <X11/cursorfont.h>

#include <array>
#include <utility>

namespace plat::x11 {
namespace {

// By IDC_ value. The font has no arrow with an hourglass, so the start-up cursor is the watch.
constexpr std::array<std::pair<std::uintptr_t, int>, 12> shapes = {{
    {32512, XC_left_ptr},            // IDC_ARROW
    {32513, XC_xterm},               // IDC_IBEAM
    {32514, XC_watch},               // IDC_WAIT
    {32515, XC_crosshair},           // IDC_CROSS
    {32516, XC_sb_up_arrow},         // IDC_UPARROW
    {32642, XC_bottom_right_corner}, // IDC_SIZENWSE
    {32643, XC_bottom_left_corner},  // IDC_SIZENESW
    {32644, XC_sb_h_double_arrow},   // IDC_SIZEWE
    {32645, XC_sb_v_double_arrow},   // IDC_SIZENS
    {32646, XC_fleur},               // IDC_SIZEALL
    {32648, XC_X_cursor},            // IDC_NO
    {32650, XC_watch},               // IDC_APPSTARTING
}};

} // namespace

int cursor_font_shape(std::uintptr_t id) {
    for (const auto& [key, shape] : shapes)
        if (key == id) return shape;
    return -1;
}

} // namespace plat::x11
