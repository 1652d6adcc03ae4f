// Saving a surface as a PNG file.
#pragma once

#include <string>

#include "gdi/surface.h"

namespace plat {

// Writes the surface as an 8-bit RGB PNG. The file is written under a temporary name beside
// path and renamed over it when complete. Returns an empty string on success, otherwise a
// description of the failure (the temporary file is removed).
std::string write_png(const Surface& surface, const std::string& path);

} // namespace plat
