// The narrow interface between the window system and what shows its surfaces: headless for
// tests, X11 for users. The layer above is identical for every backend.
#pragma once

#include <memory>

#include <windows.h>

#include "gdi/surface.h"

namespace plat {

class Backend {
public:
    virtual ~Backend() = default;
    virtual SIZE screen_size() const = 0;
    virtual int bits_per_pixel() const = 0;
    // A top-level window got, changed or lost its native surface.
    virtual void surface_created(HWND hwnd, Surface& surface) = 0;
    virtual void surface_destroyed(HWND hwnd) = 0;
    virtual void present(HWND hwnd, const RECT& dirty) = 0;
    // Waits up to timeoutMs (negative: until something happens) for native input and turns it
    // into queued messages. Returns whether anything arrived.
    virtual bool wait_for_input(int timeoutMs) = 0;
    virtual void bell() = 0;
};

Backend& backend();
// Replaces the backend; the previous one is destroyed.
void set_backend(std::unique_ptr<Backend> next);

} // namespace plat
