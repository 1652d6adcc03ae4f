// Lines with cosmetic pen styles, through the binary raster operation.
#include <array>
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

} // namespace

int Painter::line(POINT a, POINT b, const Pen& pen, int phase) {
    if (pen.style == PS_NULL) return phase;
    // Styles apply to one-pixel pens only; wider pens draw solid.
    const int width = std::max(pen.width, 1);
    const std::span<const int> pattern =
        width == 1 ? dash_pattern(pen.style) : std::span<const int>{};
    const POINT o = state().origin;
    int x = a.x + o.x, y = a.y + o.y;
    const int x1 = b.x + o.x, y1 = b.y + o.y;
    const int dx = std::abs(x1 - x), dy = -std::abs(y1 - y);
    const int sx = x < x1 ? 1 : -1, sy = y < y1 ? 1 : -1;
    int err = dx + dy;
    const int half = (width - 1) / 2;
    const int rop2 = state().rop2;
    const auto& clip = state().clip;
    // The bounds of the whole line, for a quick rejection per clip rectangle.
    const RECT box{std::min(x, x1) - half, std::min(y, y1) - half, std::max(x, x1) - half + width,
                   std::max(y, y1) - half + width};
    bool any = false;
    for (const RECT& c : clip)
        if (!rect_empty(rect_intersect(c, box))) any = true;
    const int steps = std::max(dx, -dy);
    if (!any) return phase + steps;
    for (int i = 0; i < steps; ++i) {
        if (pattern.empty() || pattern_on(pattern, phase)) {
            for (int py = y - half; py < y - half + width; ++py) {
                for (int px = x - half; px < x - half + width; ++px) {
                    for (const RECT& c : clip) {
                        if (px >= c.left && px < c.right && py >= c.top && py < c.bottom) {
                            plot(px, py, pen.color, rop2);
                            break;
                        }
                    }
                }
            }
        }
        ++phase;
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
    return phase;
}

} // namespace plat
