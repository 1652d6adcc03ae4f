// Pointer shapes: the standard cursor identifiers as X cursor-font shapes (Xlib takes them
// from the user's cursor theme when one is installed).
#pragma once

#include <cstdint>

namespace plat::x11 {

// The cursor-font shape for an IDC_ identifier; -1 for one that is not standard.
int cursor_font_shape(std::uintptr_t id);

} // namespace plat::x11
