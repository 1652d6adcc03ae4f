// Finding what changed since the last presentation, so only those pixels travel to the server.
#pragma once

#include <vector>

#include <windows.h>

#include "gdi/surface.h"

namespace plat::x11 {

constexpr int DamageTile = 32;

// Compares the part `dirty` of `current` with `shown` (the same size, what the server was last
// sent), copies the tiles that differ into `shown` and returns them as rectangles: runs of
// changed tiles along each tile row, with equal runs of consecutive rows joined.
std::vector<RECT> take_damage(const Surface& current, Surface& shown, const RECT& dirty);

} // namespace plat::x11
