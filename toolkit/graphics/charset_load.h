// The character-set routines behind IGrCharSet that need the raw file routines and the
// configuration: the loader and the probing of the standard files.
#pragma once

#include "util/text_arg.h"

namespace tess {

// loads a character file or takes it from the cache; error 2 when the file is
// shorter than its primary part or that part is too large.
void xxrset_(TextRef name);
// the probing of the first IGrInit in the process: tries the six standard character
// files, records which load, then selects the hardware set. The error record is as it was before.
void xxcharprobe_();

} // namespace tess
