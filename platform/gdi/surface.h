// A 32-bit true-colour framebuffer: one per top-level surface and per memory bitmap.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "win/types.h"

namespace plat {

// Pixels are 0x00RRGGBB, the layout X11 ZPixmaps and PNG writers want; COLORREF is 0x00BBGGRR.
using Pixel = std::uint32_t;

constexpr Pixel pixel_from_colorref(COLORREF c) {
    return (static_cast<Pixel>(GetRValue(c)) << 16) | (static_cast<Pixel>(GetGValue(c)) << 8) |
           static_cast<Pixel>(GetBValue(c));
}
constexpr COLORREF colorref_from_pixel(Pixel p) {
    return RGB(static_cast<BYTE>(p >> 16), static_cast<BYTE>(p >> 8), static_cast<BYTE>(p));
}

struct Surface {
    int width = 0;
    int height = 0;
    std::vector<Pixel> pixels;

    Surface() = default;
    Surface(int w, int h, Pixel fill = 0)
        : width(std::max(w, 0)), height(std::max(h, 0)),
          pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill) {}

    Pixel* row(int y) { return pixels.data() + static_cast<std::size_t>(y) * width; }
    const Pixel* row(int y) const { return pixels.data() + static_cast<std::size_t>(y) * width; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    Pixel at(int x, int y) const { return row(y)[x]; }

    void resize(int w, int h, Pixel fill = 0) { *this = Surface(w, h, fill); }

    // Fills the part of r (surface coordinates, right and bottom exclusive) inside the surface.
    void fill(const RECT& r, Pixel p) {
        const int l = std::max<int>(r.left, 0), t = std::max<int>(r.top, 0);
        const int rr = std::min<int>(r.right, width), b = std::min<int>(r.bottom, height);
        if (l >= rr || t >= b) return;
        for (int y = t; y < b; ++y)
            std::fill(row(y) + l, row(y) + rr, p);
    }
};

} // namespace plat
