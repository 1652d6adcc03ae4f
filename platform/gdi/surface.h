// A 32-bit true-colour framebuffer: one per top-level surface and per memory bitmap.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <utility>
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

// Where a surface's pixels live: memory of its own, or memory a backend lends it (a segment
// the display server reads the pixels from, so they are never copied on their way out). A copy
// always owns its pixels.
class PixelStore {
public:
    PixelStore() = default;
    PixelStore(std::size_t count, Pixel fill) : owned_(count, fill), size_(count) {}
    // `memory` holds `count` pixels and stays valid while `keep` lives; it is not cleared.
    PixelStore(Pixel* memory, std::size_t count, std::shared_ptr<void> keep)
        : lent_(memory), keep_(std::move(keep)), size_(count) {}

    PixelStore(const PixelStore& other) : owned_(other.begin(), other.end()), size_(other.size_) {}
    PixelStore(PixelStore&& other) noexcept
        : owned_(std::move(other.owned_)), lent_(std::exchange(other.lent_, nullptr)),
          keep_(std::move(other.keep_)), size_(std::exchange(other.size_, 0)) {}
    PixelStore& operator=(const PixelStore& other) {
        if (this != &other) *this = PixelStore(other);
        return *this;
    }
    PixelStore& operator=(PixelStore&& other) noexcept {
        owned_ = std::move(other.owned_);
        other.owned_.clear();
        lent_ = std::exchange(other.lent_, nullptr);
        keep_ = std::move(other.keep_);
        size_ = std::exchange(other.size_, 0);
        return *this;
    }

    Pixel* data() { return lent_ ? lent_ : owned_.data(); }
    const Pixel* data() const { return lent_ ? lent_ : owned_.data(); }
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    bool lent() const { return lent_ != nullptr; }
    Pixel* begin() { return data(); }
    Pixel* end() { return data() + size_; }
    const Pixel* begin() const { return data(); }
    const Pixel* end() const { return data() + size_; }
    Pixel& operator[](std::size_t i) { return data()[i]; }
    Pixel operator[](std::size_t i) const { return data()[i]; }
    friend bool operator==(const PixelStore& a, const PixelStore& b) {
        return std::equal(a.begin(), a.end(), b.begin(), b.end());
    }

private:
    std::vector<Pixel> owned_;
    Pixel* lent_ = nullptr;
    std::shared_ptr<void> keep_;
    std::size_t size_ = 0;
};

struct Surface {
    int width = 0;
    int height = 0;
    PixelStore pixels;

    Surface() = default;
    Surface(int w, int h, Pixel fill = 0)
        : width(std::max(w, 0)), height(std::max(h, 0)),
          pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill) {}
    // A surface on lent memory of at least w * h pixels, rows packed.
    Surface(int w, int h, Pixel* memory, std::shared_ptr<void> keep)
        : width(std::max(w, 0)), height(std::max(h, 0)),
          pixels(memory, static_cast<std::size_t>(width) * static_cast<std::size_t>(height),
                 std::move(keep)) {}

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
