// Real windows through Xlib. Only the factory sees this header; the X headers stay inside the
// backend's own sources.
#pragma once

#include <memory>
#include <string>

#include "backend/backend.h"

namespace plat {

// Connects to $DISPLAY; on failure returns nullptr and a one-line reason.
std::unique_ptr<Backend> open_x11_backend(std::string& reason);

} // namespace plat
