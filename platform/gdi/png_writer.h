// Saving a surface as a PNG file.
#pragma once

#include <string>

#include "gdi/surface.h"

namespace plat {

// Writes the surface as an 8-bit RGB PNG. The file is written under a temporary name in the
// same folder and renamed over path when complete, so readers never see half a file. On
// failure returns false, removes the temporary file and describes the cause in *error.
bool save_png(const Surface& surface, const std::string& path, std::string* error = nullptr);

} // namespace plat
