// What the user sees on the headless screen: the damage drawn so far is flushed, as at a wait,
// and the pixel is read from the backend's presented image, not from the layer's surface.
#pragma once

#include <windows.h>

#include "backend/backend.h"
#include "backend/headless/headless_backend.h"

namespace testsupport {

inline plat::Pixel presented_pixel(HWND top, int x, int y) {
    GdiFlush();
    const auto* headless = dynamic_cast<const plat::HeadlessBackend*>(&plat::backend());
    return headless ? headless->presented_pixel(top, x, y) : 0;
}

} // namespace testsupport
