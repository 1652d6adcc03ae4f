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

// A copy of the whole presented image of a top-level window; black where nothing was shown.
inline plat::Surface presented_surface(HWND top) {
    GdiFlush();
    const auto* headless = dynamic_cast<const plat::HeadlessBackend*>(&plat::backend());
    if (const plat::Surface* shown = headless ? headless->presented(top) : nullptr) return *shown;
    RECT r{};
    GetWindowRect(top, &r);
    return plat::Surface(r.right - r.left, r.bottom - r.top, 0);
}

} // namespace testsupport
