// The character-set routines behind IGrCharSet that need the raw file routines and the
// configuration: the loader and the probing of the standard files.
#pragma once

#include "util/text_arg.h"

namespace tess {

// Loads a character file or takes it from the cache.
void xxrset_(TextRef name);
// The probing of the first IGrInit in the process: tries the six standard character files,
// records which load, then selects the hardware set. The error record is as it was before.
void xxcharprobe_();

} // namespace tess
