// How a damaged rectangle travels to the server: bands of rows that are all one colour as
// fills the server does itself, the rest as images. A window's background costs a request of
// a few bytes instead of its pixels, and the server never reads (or faults in) the shared
// memory behind it.
#pragma once

#include <vector>

#include <windows.h>

#include "gdi/surface.h"

namespace plat::x11 {

// A run of one-colour rows shorter than this stays in its image band: text lines are
// separated by a few blank rows, and a request for each would cost more than the pixels.
constexpr int MinFillRows = 4;

struct Transfer {
    RECT rect{};
    bool fill = false; // the server fills rect with colour; otherwise the pixels are sent
    Pixel colour = 0;
};

// Bands covering the part of r inside the surface, top to bottom, each the full width of r.
std::vector<Transfer> plan_transfers(const Surface& surface, const RECT& r);

} // namespace plat::x11
