// Painter state, clipping and area fills.
#include "gdi/painter.h"

#include <algorithm>

namespace plat {

namespace {

int wrap(int v, int n) {
    const int m = v % n;
    return m < 0 ? m + n : m;
}

} // namespace

Pixel Brush::at(int x, int y) const {
    if (kind != Kind::pattern) return color;
    if (!pattern || pattern->width == 0 || pattern->height == 0) return color;
    return pattern->at(wrap(x - origin.x, pattern->width), wrap(y - origin.y, pattern->height));
}

RECT rect_intersect(const RECT& a, const RECT& b) {
    RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
           std::min(a.bottom, b.bottom)};
    if (rect_empty(r)) return RECT{0, 0, 0, 0};
    return r;
}

Painter::Painter(Surface& target) : target_(target) {
    stack_.emplace_back();
    reset_clip();
}

void Painter::translate(int dx, int dy) {
    state_().origin.x += dx;
    state_().origin.y += dy;
}

void Painter::reset_clip() {
    state_().clip.assign(1, RECT{0, 0, target_.width, target_.height});
    if (rect_empty(state_().clip.front())) state_().clip.clear();
}

void Painter::set_clip(const std::vector<RECT>& rects) {
    const RECT bounds{0, 0, target_.width, target_.height};
    auto& clip = state_().clip;
    clip.clear();
    for (const RECT& r : rects) {
        const RECT c = rect_intersect(r, bounds);
        if (!rect_empty(c)) clip.push_back(c);
    }
}

void Painter::intersect_clip(const RECT& r) {
    const RECT s = to_surface(r);
    auto& clip = state_().clip;
    std::vector<RECT> out;
    for (const RECT& c : clip) {
        const RECT i = rect_intersect(c, s);
        if (!rect_empty(i)) out.push_back(i);
    }
    clip = std::move(out);
}

RECT Painter::to_surface(const RECT& r) const {
    const POINT o = state().origin;
    return RECT{r.left + o.x, r.top + o.y, r.right + o.x, r.bottom + o.y};
}

void Painter::fill_rect(const RECT& r, Pixel color) {
    const RECT s = to_surface(r);
    if (rect_empty(s)) return;
    for (const RECT& c : state().clip) {
        const RECT i = rect_intersect(s, c);
        if (rect_empty(i)) continue;
        for (int y = i.top; y < i.bottom; ++y) {
            Pixel* row = target_.row(y);
            std::fill(row + i.left, row + i.right, color);
        }
    }
}

void Painter::fill_rect(const RECT& r, const Brush& brush) {
    switch (brush.kind) {
    case Brush::Kind::null:
        return;
    case Brush::Kind::solid:
        fill_rect(r, brush.color);
        return;
    case Brush::Kind::pattern:
        pat_blt(r, brush, PATCOPY);
        return;
    }
}

void Painter::frame_rect(const RECT& r, const Brush& brush) {
    if (rect_empty(r)) return;
    fill_rect(RECT{r.left, r.top, r.right, r.top + 1}, brush);
    fill_rect(RECT{r.left, r.bottom - 1, r.right, r.bottom}, brush);
    fill_rect(RECT{r.left, r.top + 1, r.left + 1, r.bottom - 1}, brush);
    fill_rect(RECT{r.right - 1, r.top + 1, r.right, r.bottom - 1}, brush);
}

void Painter::plot(int x, int y, Pixel color, int rop2) {
    Pixel& d = target_.row(y)[x];
    d = apply_rop2(rop2, color, d);
}

void Painter::set_pixel(int x, int y, Pixel color) {
    const int sx = x + state().origin.x, sy = y + state().origin.y;
    for (const RECT& c : state().clip) {
        if (sx >= c.left && sx < c.right && sy >= c.top && sy < c.bottom) {
            target_.row(sy)[sx] = color & kRgbMask;
            return;
        }
    }
}

std::optional<Pixel> Painter::get_pixel(int x, int y) const {
    const int sx = x + state().origin.x, sy = y + state().origin.y;
    for (const RECT& c : state().clip)
        if (sx >= c.left && sx < c.right && sy >= c.top && sy < c.bottom) return target_.at(sx, sy);
    return std::nullopt;
}

void Painter::rectangle(const RECT& r, const Pen& pen, const Brush& brush) {
    RECT n{std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
           std::max(r.top, r.bottom)};
    const bool outline = pen.style != PS_NULL;
    // Without a pen the filled area loses its right and bottom edge, as with a pen the
    // interior stops short of the outline there.
    fill_rect(outline ? RECT{n.left + 1, n.top + 1, n.right - 1, n.bottom - 1}
                      : RECT{n.left, n.top, n.right - 1, n.bottom - 1},
              brush);
    if (!outline || n.right - n.left < 1 || n.bottom - n.top < 1) return;
    const LONG r1 = n.right - 1, b1 = n.bottom - 1;
    int phase = line(POINT{n.left, n.top}, POINT{r1, n.top}, pen);
    phase = line(POINT{r1, n.top}, POINT{r1, b1}, pen, phase);
    phase = line(POINT{r1, b1}, POINT{n.left, b1}, pen, phase);
    line(POINT{n.left, b1}, POINT{n.left, n.top}, pen, phase);
    if (n.right - n.left == 1 || n.bottom - n.top == 1) {
        // A degenerate outline collapses to one pixel or one line: paint its last pixel.
        line(POINT{r1, b1}, POINT{r1 + 1, b1}, Pen{PS_SOLID, pen.width, pen.color});
    }
}

} // namespace plat
