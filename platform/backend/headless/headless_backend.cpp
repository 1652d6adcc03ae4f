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

void HeadlessBackend::surface_destroyed(HWND hwnd) {
    presented_.erase(hwnd);
}

void HeadlessBackend::present(HWND top, std::span<const RECT> damage) {
    const Window* w = lookup(top);
    if (!w) return;
    ++presents_;
    const Surface& from = w->surface;
    Surface& shown = presented_[top];
    if (shown.width != from.width || shown.height != from.height) {
        // A resized window keeps what was shown where the old and new sizes overlap, as a
        // server keeps a window's contents; the rest stays black until damage covers it.
        Surface grown(from.width, from.height, 0);
        const int cw = std::min(shown.width, grown.width),
                  ch = std::min(shown.height, grown.height);
        for (int y = 0; y < ch; ++y)
            std::copy_n(shown.row(y), cw, grown.row(y));
        shown = std::move(grown);
    }
    const RECT bounds{0, 0, from.width, from.height};
    for (RECT r : damage) {
        if (!IntersectRect(&r, &r, &bounds)) continue;
        for (int y = r.top; y < r.bottom; ++y)
            std::copy(from.row(y) + r.left, from.row(y) + r.right, shown.row(y) + r.left);
    }
}

const Surface* HeadlessBackend::presented(HWND top) const {
    const auto it = presented_.find(top);
    return it == presented_.end() || !lookup(top) ? nullptr : &it->second;
}

Pixel HeadlessBackend::presented_pixel(HWND top, int x, int y) const {
    const Surface* s = presented(top);
    return s && s->contains(x, y) ? s->at(x, y) : 0;
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
        const Surface* shown = presented(*it);
        if (!IsWindowVisible(*it) || !shown) continue;
        const RECT r = screen_rect(*it);
        for (int y = 0; y < shown->height; ++y)
            for (int x = 0; x < shown->width; ++x)
                if (screen.contains(r.left + x, r.top + y))
                    screen.row(r.top + y)[r.left + x] = shown->at(x, y);
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
    const Surface* shown = presented(hwnd);
    return save_png(shown ? *shown : Surface(w->surface.width, w->surface.height, 0), path, error);
}

bool HeadlessBackend::save_screen_png(const std::string& path, std::string* error) const {
    return save_png(compose_screen(), path, error);
}

} // namespace plat
