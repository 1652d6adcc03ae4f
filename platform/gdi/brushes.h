// Brushes by handle: the brush objects, the stock brushes and the system-colour brushes.
#pragma once

#include <optional>

#include <windows.h>

#include "gdi/painter.h"

namespace plat {

// What a brush handle paints with; nothing for an unknown handle. A class background of
// COLOR_xxx + 1 counts as the system colour brush, as on the original platform.
std::optional<Brush> brush_of(HBRUSH brush);

} // namespace plat
