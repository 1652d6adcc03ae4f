// Lines with cosmetic pen styles, through the binary raster operation.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "gdi/painter.h"

namespace plat {

namespace {

// On and off run lengths of the styled cosmetic pens, in pixels.
constexpr std::array<int, 2> kDash{18, 6};
constexpr std::array<int, 2> kDot{3, 3};
constexpr std::array<int, 4> kDashDot{9, 6, 3, 6};
constexpr std::array<int, 6> kDashDotDot{9, 3, 3, 3, 3, 3};

std::span<const int> dash_pattern(int style) {
    switch (style) {
    case PS_DASH:
        return kDash;
    case PS_DOT:
        return kDot;
    case PS_DASHDOT:
        return kDashDot;
    case PS_DASHDOTDOT:
        return kDashDotDot;
    default:
        return {};
    }
}

// Whether position phase of the pattern is "on".
bool pattern_on(std::span<const int> pattern, int phase) {
    int total = 0;
    for (int v : pattern)
        total += v;
    int p = phase % total;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (p < pattern[i]) return i % 2 == 0;
        p -= pattern[i];
    }
    return true;
}

// Bresenham steps from (x, y) towards (x1, y1), calling f for every pixel but the last.
template <typename F> void walk(int x, int y, int x1, int y1, F&& f) {
    const int dx = std::abs(x1 - x), dy = -std::abs(y1 - y);
    const int sx = x < x1 ? 1 : -1, sy = y < y1 ? 1 : -1;
    int err = dx + dy;
    const int steps = std::max(dx, -dy);
    for (int i = 0; i < steps; ++i) {
        f(x, y);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

} // namespace

int Painter::line(POINT a, POINT b, const Pen& pen, int phase) {
    // Beyond the coordinate range GDI guarantees the step counts below could overflow.
    constexpr LONG kLimit = 1 << 27;
    for (const LONG v : {a.x, a.y, b.x, b.y})
        if (v < -kLimit || v > kLimit) return phase;
    const int steps = std::max(std::abs(b.x - a.x), std::abs(b.y - a.y));
    if (pen.style == PS_NULL || state().rop2 == R2_NOP) return phase + steps;
    const POINT o = state().origin;
    const int x0 = a.x + o.x, y0 = a.y + o.y, x1 = b.x + o.x, y1 = b.y + o.y;
    if (pen.width > 1) {
        // Styles apply to one-pixel pens only; wider pens draw solid.
        wide_line(x0, y0, x1, y1, pen);
        return phase + steps;
    }
    const std::span<const int> pattern = dash_pattern(pen.style);
    const RECT box{std::min(x0, x1), std::min(y0, y1), std::max(x0, x1) + 1, std::max(y0, y1) + 1};
    bool any = false;
    for (const RECT& c : clip_rects())
        any = any || !rect_empty(rect_intersect(c, box));
    if (!any) return phase + steps;
    const int rop2 = state().rop2;
    const auto clip = clip_rects();
    for (const RECT& c : clip)
        report(rect_intersect(c, box));
    walk(x0, y0, x1, y1, [&](int x, int y) {
        const bool on = pattern.empty() || pattern_on(pattern, phase);
        ++phase;
        if (!on && !pen.gap_color) return;
        const Pixel ink = (on ? pen.color : *pen.gap_color) & kRgbMask;
        for (const RECT& c : clip) {
            if (rect_contains(c, x, y)) {
                Pixel& d = target_.row(y)[x];
                d = apply_rop2(rop2, ink, d);
                return;
            }
        }
    });
    return phase;
}

// A square pen of the given width is dragged along the line. The covered pixels are gathered
// first so that each is combined with the destination once even where the squares overlap.
void Painter::wide_line(int x0, int y0, int x1, int y1, const Pen& pen) {
    const int half = (pen.width - 1) / 2;
    const RECT box{std::min(x0, x1) - half, std::min(y0, y1) - half,
                   std::max(x0, x1) - half + pen.width, std::max(y0, y1) - half + pen.width};
    const RECT area = rect_intersect(box, RECT{0, 0, target_.width, target_.height});
    if (rect_empty(area)) return;
    const int w = area.right - area.left, h = area.bottom - area.top;
    std::vector<std::uint8_t> mask(static_cast<std::size_t>(w) * h, 0);
    walk(x0, y0, x1, y1, [&](int x, int y) {
        const RECT sq = rect_intersect(
            RECT{x - half, y - half, x - half + pen.width, y - half + pen.width}, area);
        for (int py = sq.top; py < sq.bottom; ++py)
            std::fill_n(mask.begin() + (py - area.top) * w + (sq.left - area.left),
                        sq.right - sq.left, std::uint8_t{1});
    });
    const int rop2 = state().rop2;
    for (const RECT& c : clip_rects()) {
        const RECT i = rect_intersect(c, area);
        report(i);
        for (int y = i.top; y < i.bottom; ++y) {
            Pixel* row = target_.row(y);
            const std::uint8_t* m = mask.data() + (y - area.top) * w - area.left;
            for (int x = i.left; x < i.right; ++x)
                if (m[x]) row[x] = apply_rop2(rop2, pen.color & kRgbMask, row[x]);
        }
    }
}

} // namespace plat
