// Character sets of graphics text: the hardware characters or stroke sets from character files.
#pragma once

#include "util/text_arg.h"

namespace tess {

// Loads a character file or takes it from the cache.
void xxrset_(TextRef name);
// The code 0 to 255 of one character.
int xxichar_(char c);
// Recomputes the characters across and down the area (the driver's metrics when screen
// graphics are on).
void xxcharcells_();

} // namespace tess
