// The narrow interface between the window system and what shows its surfaces: headless for
// tests, X11 for users. The layer above is identical for every backend.
#pragma once

#include <memory>
#include <span>

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
    // The damaged rectangles of a top-level surface (surface coordinates, inside the surface,
    // possibly overlapping) hold their final pixels: show them. Called only by the flush at
    // every wait and at GdiFlush.
    virtual void present(HWND top, std::span<const RECT> damage) = 0;
    // Waits up to timeoutMs (negative: until something happens) for native input and turns it
    // into queued messages. Returns whether anything arrived.
    virtual bool wait_for_input(int timeoutMs) = 0;
    virtual void bell() = 0;

    // Hooks with nothing to do on a screen of its own. A backend with native windows reads the
    // window's current state when it next waits, so a burst of changes costs one update.
    //
    // A top-level window's place, size, visibility, minimised state or title changed.
    virtual void window_changed(HWND) {}
    // SetCursor chose a pointer shape (nullptr hides the pointer).
    virtual void cursor_changed(HCURSOR) {}
    // SetCapture or ReleaseCapture; nullptr when nothing holds the pointer any more.
    virtual void capture_changed(HWND) {}
    // SetCursorPos moved the pointer to a screen position.
    virtual void cursor_moved(POINT) {}
};

Backend& backend();
// Replaces the backend; the previous one is destroyed.
void set_backend(std::unique_ptr<Backend> next);

} // namespace plat
