// Filled shapes: Rectangle.
#include <algorithm>

#include "gdi/painter.h"

namespace plat {

void Painter::rectangle(const RECT& r, const Pen& pen, const Brush& brush) {
    const RECT n{std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
                 std::max(r.top, r.bottom)};
    if (pen.style == PS_NULL) {
        // Without a pen the filled area loses its right and bottom edge, which a pen's
        // outline would otherwise have covered.
        fill_rect(RECT{n.left, n.top, n.right - 1, n.bottom - 1}, brush, FillMode::pen);
        return;
    }
    if (rect_empty(n)) return;
    const int w = std::max(pen.width, 1);
    if (w == 1 && pen.style != PS_SOLID && pen.style != PS_INSIDEFRAME) {
        fill_rect(RECT{n.left + 1, n.top + 1, n.right - 1, n.bottom - 1}, brush, FillMode::pen);
        const LONG r1 = n.right - 1, b1 = n.bottom - 1;
        if (r1 == n.left || b1 == n.top) {
            // A one-pixel-wide rectangle: its outline is a single line, end point included.
            line(POINT{n.left, n.top}, POINT{r1 + (b1 == n.top), b1 + (b1 != n.top)}, pen);
            return;
        }
        int phase = line(POINT{n.left, n.top}, POINT{r1, n.top}, pen);
        phase = line(POINT{r1, n.top}, POINT{r1, b1}, pen, phase);
        phase = line(POINT{r1, b1}, POINT{n.left, b1}, pen, phase);
        line(POINT{n.left, b1}, POINT{n.left, n.top}, pen, phase);
        return;
    }
    // A solid pen is centred on the edge lines l..r-1 and t..b-1; the band around the
    // interior is painted as four disjoint rectangles.
    const int half = (w - 1) / 2;
    // PS_INSIDEFRAME keeps a wide outline inside r.
    const RECT outer =
        pen.style == PS_INSIDEFRAME
            ? n
            : RECT{n.left - half, n.top - half, n.right - 1 - half + w, n.bottom - 1 - half + w};
    const RECT inner{outer.left + w, outer.top + w, outer.right - w, outer.bottom - w};
    const Brush ink = Brush::solid(pen.color);
    if (rect_empty(inner)) {
        fill_rect(outer, ink, FillMode::pen);
        return;
    }
    fill_rect(inner, brush, FillMode::pen);
    fill_rect(RECT{outer.left, outer.top, outer.right, inner.top}, ink, FillMode::pen);
    fill_rect(RECT{outer.left, inner.bottom, outer.right, outer.bottom}, ink, FillMode::pen);
    fill_rect(RECT{outer.left, inner.top, inner.left, inner.bottom}, ink, FillMode::pen);
    fill_rect(RECT{inner.right, inner.top, outer.right, inner.bottom}, ink, FillMode::pen);
}

} // namespace plat
