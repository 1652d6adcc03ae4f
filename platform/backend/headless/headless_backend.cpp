#include "backend/headless/headless_backend.h"

#include <algorithm>
#include <ctime>

#include "gdi/png_writer.h"
#include "window/window_internal.h"
#include "window/window_table.h"

namespace plat {

HeadlessBackend& use_headless_backend(SIZE screen, int bitsPerPixel) {
    auto b = std::make_unique<HeadlessBackend>(screen, bitsPerPixel);
    HeadlessBackend& ref = *b;
    set_backend(std::move(b));
    return ref;
}

void HeadlessBackend::surface_created(HWND hwnd, Surface& surface) {
    const RECT r = screen_rect(hwnd);
    const int w = std::max<int>(r.right - r.left, 0), h = std::max<int>(r.bottom - r.top, 0);
    if (surface.width != w || surface.height != h) surface.resize(w, h, 0);
}

void HeadlessBackend::surface_destroyed(HWND) {}

void HeadlessBackend::present(HWND, std::span<const RECT>) {
    ++presents_;
}

bool HeadlessBackend::wait_for_input(int timeoutMs) {
    // Nothing arrives on its own here: tests inject input directly. Waiting only lets time
    // pass for timers, in small steps so that a long wait still returns.
    if (onWait_) onWait_();
    if (timeoutMs == 0) return false;
    const long ms = timeoutMs < 0 ? 10 : std::min(timeoutMs, 10);
    const timespec pause{0, ms * 1'000'000L};
    ::nanosleep(&pause, nullptr);
    return false;
}

Surface HeadlessBackend::compose_screen() const {
    Surface screen(screen_.cx, screen_.cy, 0);
    const auto& order = top_level_order();
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        if (!IsWindowVisible(*it)) continue;
        const Window* w = lookup(*it);
        const RECT r = screen_rect(*it);
        for (int y = 0; y < w->surface.height; ++y)
            for (int x = 0; x < w->surface.width; ++x)
                if (screen.contains(r.left + x, r.top + y))
                    screen.row(r.top + y)[r.left + x] = w->surface.at(x, y);
    }
    return screen;
}

bool HeadlessBackend::save_window_png(HWND hwnd, const std::string& path,
                                      std::string* error) const {
    const Window* w = lookup(hwnd);
    if (!w || (w->style & WS_CHILD)) {
        if (error) *error = "not a top-level window";
        return false;
    }
    return save_png(w->surface, path, error);
}

bool HeadlessBackend::save_screen_png(const std::string& path, std::string* error) const {
    return save_png(compose_screen(), path, error);
}

} // namespace plat
