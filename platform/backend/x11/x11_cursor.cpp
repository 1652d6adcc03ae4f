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

CursorBitmaps cursor_bitmaps(const IconImage& image) {
    const Surface& s = image.image;
    CursorBitmaps out{s.width, s.height, {}, {}};
    const std::size_t stride = (static_cast<std::size_t>(s.width) + 7) / 8;
    out.source.assign(stride * static_cast<std::size_t>(s.height), 0);
    out.mask.assign(out.source.size(), 0);
    for (int y = 0; y < s.height; ++y)
        for (int x = 0; x < s.width; ++x) {
            const std::size_t at = static_cast<std::size_t>(y) * stride + x / 8;
            const auto bit = static_cast<unsigned char>(1u << (x % 8));
            const bool clear = image.mask.contains(x, y) && image.mask.at(x, y) == 0xFFFFFF;
            if (clear) continue;
            out.mask[at] |= bit;
            const Pixel p = s.at(x, y);
            const unsigned light =
                ((p >> 16) & 0xFF) * 30 + ((p >> 8) & 0xFF) * 59 + (p & 0xFF) * 11;
            if (light >= 128 * 100) out.source[at] |= bit;
        }
    return out;
}

} // namespace plat::x11
