// The headless screen: a virtual display in memory, for tests and for running without X.
#pragma once

#include <functional>
#include <map>
#include <string>

#include "backend/backend.h"

namespace plat {

class HeadlessBackend : public Backend {
public:
    explicit HeadlessBackend(SIZE screen = {1024, 768}, int bitsPerPixel = 24)
        : screen_(screen), bits_(bitsPerPixel) {}

    SIZE screen_size() const override { return screen_; }
    int bits_per_pixel() const override { return bits_; }
    void surface_created(HWND hwnd, Surface& surface) override;
    void surface_destroyed(HWND hwnd) override;
    void present(HWND top, std::span<const RECT> damage) override;
    bool wait_for_input(int timeoutMs) override;
    void bell() override { ++bells_; }

    // Runs at every wait, before any time passes (start-up hangs snapshot requests here).
    void on_wait(std::function<void()> f) { onWait_ = std::move(f); }

    int bells() const { return bells_; }
    int presents() const { return presents_; }
    // What the user sees of a top-level window: its surface as of the last flush (GdiFlush or
    // a wait). Null for a window that is not top-level or was never presented.
    const Surface* presented(HWND top) const;
    // One pixel of it, in surface coordinates; 0 where nothing was presented.
    Pixel presented_pixel(HWND top, int x, int y) const;
    // The whole screen composed from the visible top-level windows' presented images, bottom
    // to top.
    Surface compose_screen() const;
    // Snapshots as PNG files, for tests and for looking at; false (with the reason) on failure.
    bool save_window_png(HWND hwnd, const std::string& path, std::string* error = nullptr) const;
    bool save_screen_png(const std::string& path, std::string* error = nullptr) const;

private:
    SIZE screen_;
    int bits_;
    int bells_ = 0;
    int presents_ = 0;
    std::map<HWND, Surface> presented_;
    std::function<void()> onWait_;
};

// Installs a fresh headless backend and returns it (tests keep the pointer to inspect it).
HeadlessBackend& use_headless_backend(SIZE screen = {1024, 768}, int bitsPerPixel = 24);

} // namespace plat
