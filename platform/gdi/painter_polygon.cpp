// Filled polygons: scan conversion at pixel centres, then the outline.
#include <algorithm>
#include <cmath>
#include <vector>

#include "gdi/painter.h"

namespace plat {

namespace {

struct Crossing {
    double x;
    int direction; // +1 for an edge going down, -1 going up
};

// The runs [start, end) of row y (sampled at its centre) that lie inside the polygon.
void row_runs(std::span<const POINT> pts, int y, int fill_mode, std::vector<Crossing>& crossings,
              std::vector<std::pair<int, int>>& runs) {
    crossings.clear();
    runs.clear();
    const double yc = y + 0.5;
    for (std::size_t i = 0; i < pts.size(); ++i) {
        const POINT a = pts[i], b = pts[(i + 1) % pts.size()];
        if (a.y == b.y) continue;
        const int top = std::min(a.y, b.y), bottom = std::max(a.y, b.y);
        if (y < top || y >= bottom) continue;
        const double x = a.x + (yc - a.y) * static_cast<double>(b.x - a.x) / (b.y - a.y);
        crossings.push_back({x, b.y > a.y ? 1 : -1});
    }
    std::sort(crossings.begin(), crossings.end(),
              [](const Crossing& l, const Crossing& r) { return l.x < r.x; });
    int winding = 0;
    for (std::size_t i = 0; i + 1 < crossings.size(); ++i) {
        winding += crossings[i].direction;
        const bool inside = fill_mode == WINDING ? winding != 0 : i % 2 == 0;
        if (!inside) continue;
        // Pixel x is inside when its centre x + 0.5 lies in [left crossing, right crossing).
        const int start = static_cast<int>(std::ceil(crossings[i].x - 0.5));
        const int end = static_cast<int>(std::ceil(crossings[i + 1].x - 0.5));
        if (start >= end) continue;
        if (!runs.empty() && runs.back().second >= start)
            runs.back().second = std::max(runs.back().second, end);
        else
            runs.push_back({start, end});
    }
}

} // namespace

void Painter::polygon(std::span<const POINT> points, const Pen& pen, const Brush& brush,
                      int fill_mode) {
    if (points.size() < 2) return;
    constexpr LONG kLimit = 1 << 27;
    for (const POINT& p : points)
        if (p.x < -kLimit || p.x > kLimit || p.y < -kLimit || p.y > kLimit) return;
    if (brush.kind != Brush::Kind::null && points.size() > 2) {
        LONG top = points[0].y, bottom = points[0].y;
        for (const POINT& p : points) {
            top = std::min(top, p.y);
            bottom = std::max(bottom, p.y);
        }
        // Rows outside every clip rectangle need no crossings.
        const POINT o = state().origin;
        LONG clipTop = target_.height, clipBottom = 0;
        for (const RECT& c : clip_rects()) {
            if (rect_empty(c)) continue;
            clipTop = std::min(clipTop, c.top - o.y);
            clipBottom = std::max(clipBottom, c.bottom - o.y);
        }
        std::vector<Crossing> crossings;
        std::vector<std::pair<int, int>> runs;
        for (int y = std::max(top, clipTop); y < std::min(bottom, clipBottom); ++y) {
            row_runs(points, y, fill_mode, crossings, runs);
            for (const auto& [start, end] : runs)
                fill_rect(RECT{start, y, end, y + 1}, brush, FillMode::pen);
        }
    }
    if (pen.style == PS_NULL) return;
    int phase = 0;
    for (std::size_t i = 0; i < points.size(); ++i)
        phase = line(points[i], points[(i + 1) % points.size()], pen, phase);
}

} // namespace plat
