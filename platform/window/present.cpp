// Damage reaches the screen: at every wait and at GdiFlush, each top-level surface's changed
// rectangles go to the backend with their final pixels.
#include "backend/backend.h"
#include "window/window_internal.h"
#include "window/window_table.h"

namespace plat {

void flush_damage() {
    for (HWND top : top_level_order()) {
        Window* w = lookup(top);
        if (!w || w->damage.empty()) continue;
        // The rectangles were clipped to the surface when written, but the surface may have
        // shrunk since.
        std::vector<RECT> rects = w->damage.take();
        const RECT bounds{0, 0, w->surface.width, w->surface.height};
        std::erase_if(rects, [&](RECT& r) { return !IntersectRect(&r, &r, &bounds); });
        if (!rects.empty()) backend().present(top, rects);
    }
}

bool wait_for_backend(int timeoutMs) {
    flush_damage();
    return backend().wait_for_input(timeoutMs);
}

} // namespace plat

BOOL GdiFlush() {
    plat::flush_damage();
    return TRUE;
}
