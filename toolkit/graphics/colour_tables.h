// What the device palette borrows from the colour tables.
#pragma once

#include "graphics/graphics_state.h"

namespace tess {

// Entry k of the scheme sampled down to nc colours (1 <= nc <= 256, 0 <= k < nc).
Rgb scheme_sample(const ColourTables& tables, int k, int nc);

} // namespace tess
