// Painter state, clipping and area fills.
#include "gdi/painter.h"

#include <algorithm>

namespace plat {

namespace {

int wrap(int v, int n) {
    const int m = v % n;
    return m < 0 ? m + n : m;
}

// Appends the parts of a outside b.
void subtract(const RECT& a, const RECT& b, std::vector<RECT>& out) {
    const RECT i = rect_intersect(a, b);
    if (rect_empty(i)) {
        out.push_back(a);
        return;
    }
    if (a.top < i.top) out.push_back(RECT{a.left, a.top, a.right, i.top});
    if (i.bottom < a.bottom) out.push_back(RECT{a.left, i.bottom, a.right, a.bottom});
    if (a.left < i.left) out.push_back(RECT{a.left, i.top, i.left, i.bottom});
    if (i.right < a.right) out.push_back(RECT{i.right, i.top, a.right, i.bottom});
}

} // namespace

Pixel Brush::at(int x, int y, POINT painter_org) const {
    if (kind != Kind::pattern || !pattern || pattern->width == 0 || pattern->height == 0)
        return color;
    return pattern->at(wrap(x - painter_org.x - origin.x, pattern->width),
                       wrap(y - painter_org.y - origin.y, pattern->height));
}

RECT rect_intersect(const RECT& a, const RECT& b) {
    RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
           std::min(a.bottom, b.bottom)};
    if (rect_empty(r)) return RECT{0, 0, 0, 0};
    return r;
}

void Painter::translate(int dx, int dy) {
    state_().origin.x += dx;
    state_().origin.y += dy;
}

std::span<const RECT> Painter::clip_rects() const {
    if (!state().clip.empty()) return state().clip;
    whole_ = RECT{0, 0, target_.width, target_.height};
    return {&whole_, 1};
}

void Painter::set_clip(const std::vector<RECT>& rects) {
    const RECT bounds{0, 0, target_.width, target_.height};
    // Overlapping rectangles are cut apart so that no pixel is painted twice, which matters
    // for raster operations such as R2_XORPEN.
    std::vector<RECT> disjoint;
    for (const RECT& r : rects) {
        std::vector<RECT> pieces{rect_intersect(r, bounds)};
        for (const RECT& have : disjoint) {
            std::vector<RECT> next;
            for (const RECT& p : pieces)
                if (!rect_empty(p)) subtract(p, have, next);
            pieces = std::move(next);
        }
        for (const RECT& p : pieces)
            if (!rect_empty(p)) disjoint.push_back(p);
    }
    if (disjoint.empty()) disjoint.push_back(RECT{0, 0, 0, 0});
    state_().clip = std::move(disjoint);
}

void Painter::intersect_clip(const RECT& r) {
    const RECT s = to_surface(r);
    std::vector<RECT> out;
    for (const RECT& c : clip_rects()) {
        const RECT i = rect_intersect(c, s);
        if (!rect_empty(i)) out.push_back(i);
    }
    if (out.empty()) out.push_back(RECT{0, 0, 0, 0});
    state_().clip = std::move(out);
}

RECT Painter::to_surface(const RECT& r) const {
    const POINT o = state().origin;
    return RECT{r.left + o.x, r.top + o.y, r.right + o.x, r.bottom + o.y};
}

void Painter::fill_clipped(const RECT& r, const Brush& brush, int rop2) {
    report(r);
    const POINT org = state().origin;
    for (int y = r.top; y < r.bottom; ++y) {
        Pixel* row = target_.row(y);
        if (brush.kind == Brush::Kind::solid && rop2 == R2_COPYPEN) {
            std::fill(row + r.left, row + r.right, brush.color & kRgbMask);
        } else if (rop2 == R2_COPYPEN) {
            for (int x = r.left; x < r.right; ++x)
                row[x] = brush.at(x, y, org) & kRgbMask;
        } else {
            for (int x = r.left; x < r.right; ++x)
                row[x] = apply_rop2(rop2, brush.at(x, y, org) & kRgbMask, row[x]);
        }
    }
}

void Painter::fill_rect(const RECT& r, Pixel color, FillMode mode) {
    fill_rect(r, Brush::solid(color), mode);
}

void Painter::fill_rect(const RECT& r, const Brush& brush, FillMode mode) {
    if (brush.kind == Brush::Kind::null) return;
    const RECT s = to_surface(r);
    if (rect_empty(s)) return;
    const int rop2 = mode == FillMode::pen ? state().rop2 : R2_COPYPEN;
    if (rop2 == R2_NOP) return;
    for (const RECT& c : clip_rects()) {
        const RECT i = rect_intersect(s, c);
        if (!rect_empty(i)) fill_clipped(i, brush, rop2);
    }
}

void Painter::frame_rect(const RECT& r, const Brush& brush) {
    if (rect_empty(r)) return;
    fill_rect(RECT{r.left, r.top, r.right, r.top + 1}, brush);
    if (r.bottom - r.top > 1) fill_rect(RECT{r.left, r.bottom - 1, r.right, r.bottom}, brush);
    fill_rect(RECT{r.left, r.top + 1, r.left + 1, r.bottom - 1}, brush);
    if (r.right - r.left > 1) fill_rect(RECT{r.right - 1, r.top + 1, r.right, r.bottom - 1}, brush);
}

void Painter::set_pixel(int x, int y, Pixel color) {
    const int sx = x + state().origin.x, sy = y + state().origin.y;
    for (const RECT& c : clip_rects()) {
        if (rect_contains(c, sx, sy)) {
            target_.row(sy)[sx] = color & kRgbMask;
            report(RECT{sx, sy, sx + 1, sy + 1});
            return;
        }
    }
}

std::optional<Pixel> Painter::get_pixel(int x, int y) const {
    const int sx = x + state().origin.x, sy = y + state().origin.y;
    for (const RECT& c : clip_rects())
        if (rect_contains(c, sx, sy)) return target_.at(sx, sy);
    return std::nullopt;
}

} // namespace plat
