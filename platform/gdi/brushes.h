// Brush objects: solid colours, the stock brushes and the system-colour brushes.
#pragma once

#include <optional>

#include <windows.h>

namespace plat {

// The colour a brush paints with; nothing for the null brush or an unknown handle. A class
// background of COLOR_xxx + 1 counts as the system colour brush, as on the original platform.
std::optional<COLORREF> brush_color(HBRUSH brush);
HBRUSH create_solid_brush(COLORREF color);
bool delete_solid_brush(HBRUSH brush);

} // namespace plat
