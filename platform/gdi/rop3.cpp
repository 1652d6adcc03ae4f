// Blits: ternary raster operations between surfaces, with colour and monochrome conversion.
#include "gdi/rop3.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace plat {

namespace {

constexpr std::uint8_t kSrcCopy = 0xCC, kPatCopy = 0xF0, kBlackness = 0x00, kWhiteness = 0xFF;

// A brush colour in a monochrome destination: white when bright enough.
Pixel mono_from_brightness(Pixel c) {
    const unsigned r = (c >> 16) & 0xFF, g = (c >> 8) & 0xFF, b = c & 0xFF;
    return (r * 30 + g * 59 + b * 11) >= 128 * 100 ? kRgbMask : 0;
}

// The source pixel in the destination's format.
Pixel convert_source(Pixel s, const BlitFormat& f) {
    if (f.src_mono == f.dst_mono) return s & kRgbMask;
    if (f.dst_mono) return mono_from_color(s, f.src_background);
    return color_from_mono(s, f.dst_text, f.dst_background);
}

Pixel pattern_at(const Brush& brush, int x, int y, POINT org, const BlitFormat& f) {
    const Pixel p = brush.at(x, y, org) & kRgbMask;
    return f.dst_mono ? mono_from_brightness(p) : p;
}

// A constant result for the whole area, if the operation has one.
bool constant_result(std::uint8_t op, const Brush& brush, const BlitFormat& f, Pixel& out) {
    if (op == kBlackness)
        out = 0;
    else if (op == kWhiteness)
        out = kRgbMask;
    else if (op == kPatCopy && brush.kind == Brush::Kind::solid)
        out = f.dst_mono ? mono_from_brightness(brush.color) : brush.color & kRgbMask;
    else
        return false;
    return true;
}

// The common source-and-destination operations as tight loops; false for the others.
bool source_row_fast(std::uint8_t op, const Pixel* s, Pixel* d, int w) {
    switch (op) {
    case 0x88: // SRCAND
        for (int x = 0; x < w; ++x)
            d[x] &= s[x];
        return true;
    case 0xEE: // SRCPAINT
        for (int x = 0; x < w; ++x)
            d[x] = (d[x] | s[x]) & kRgbMask;
        return true;
    case 0x66: // SRCINVERT
        for (int x = 0; x < w; ++x)
            d[x] = (d[x] ^ s[x]) & kRgbMask;
        return true;
    case 0x33: // NOTSRCCOPY
        for (int x = 0; x < w; ++x)
            d[x] = ~s[x] & kRgbMask;
        return true;
    case 0x44: // SRCERASE
        for (int x = 0; x < w; ++x)
            d[x] = s[x] & ~d[x] & kRgbMask;
        return true;
    default:
        return false;
    }
}

// Callers must do clipping: d lies inside the target and the clip, and the source rectangle
// at (sx0, sy0) inside src, which is not the target.
void blit_rows(Painter& painter, const RECT& d, const Surface& src, int sx0, int sy0,
               std::uint8_t op, const BlitFormat& format, const Brush& brush) {
    Surface& target = painter.target();
    painter.report(d);
    const POINT org = painter.state().origin;
    const int w = d.right - d.left;
    const bool converts = format.src_mono != format.dst_mono;
    const bool uses_pattern = rop3_uses_pattern(op);
    for (int y = d.top; y < d.bottom; ++y) {
        const Pixel* srow = src.row(sy0 + (y - d.top)) + sx0;
        Pixel* drow = target.row(y) + d.left;
        if (op == kSrcCopy && !converts) {
            std::memcpy(drow, srow, static_cast<std::size_t>(w) * sizeof(Pixel));
            continue;
        }
        if (!converts && !uses_pattern && source_row_fast(op, srow, drow, w)) continue;
        for (int x = 0; x < w; ++x) {
            const Pixel s = convert_source(srow[x], format);
            const Pixel p = uses_pattern ? pattern_at(brush, d.left + x, y, org, format) : 0;
            drow[x] = apply_rop3(op, p, s, drow[x]);
        }
    }
}

RECT normalised(const RECT& r) {
    return RECT{std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
                std::max(r.top, r.bottom)};
}

} // namespace

void pat_blt(Painter& dst, const RECT& r, const Brush& brush, DWORD rop, const BlitFormat& format) {
    const std::uint8_t op = rop3_index(rop);
    if (rop3_uses_pattern(op) && brush.kind == Brush::Kind::null) return;
    const RECT s = dst.to_surface(normalised(r));
    if (rect_empty(s)) return;
    Surface& target = dst.target();
    const POINT org = dst.state().origin;
    Pixel constant = 0;
    const bool is_constant = constant_result(op, brush, format, constant);
    for (const RECT& c : dst.clip_rects()) {
        const RECT i = rect_intersect(s, c);
        dst.report(i);
        for (int y = i.top; y < i.bottom; ++y) {
            Pixel* row = target.row(y);
            if (is_constant) {
                std::fill(row + i.left, row + i.right, constant);
                continue;
            }
            for (int x = i.left; x < i.right; ++x)
                row[x] = apply_rop3(op, pattern_at(brush, x, y, org, format), 0, row[x]);
        }
    }
}

void blit(Painter& dst, const RECT& dst_rect, const Surface* src, POINT src_pt, const Brush& brush,
          DWORD rop, const BlitFormat& format) {
    const std::uint8_t op = rop3_index(rop);
    if (!rop3_uses_source(op)) {
        pat_blt(dst, dst_rect, brush, rop, format);
        return;
    }
    if (!src) return;
    if (rop3_uses_pattern(op) && brush.kind == Brush::Kind::null) return;
    const RECT s = dst.to_surface(dst_rect);
    if (rect_empty(s)) return;
    // The part of the destination whose source pixels exist.
    int offx = src_pt.x - s.left, offy = src_pt.y - s.top;
    const RECT d = rect_intersect(s, RECT{-offx, -offy, src->width - offx, src->height - offy});
    if (rect_empty(d)) return;
    const Surface* from = src;
    Surface copy;
    if (src == &dst.target()) {
        // Reading and writing one surface: take the source area aside first, since the
        // destination and the source may overlap and clip rectangles are written in turn.
        copy = Surface(d.right - d.left, d.bottom - d.top);
        for (int y = 0; y < copy.height; ++y)
            std::memcpy(copy.row(y), src->row(d.top + offy + y) + d.left + offx,
                        static_cast<std::size_t>(copy.width) * sizeof(Pixel));
        from = &copy;
        offx = -d.left;
        offy = -d.top;
    }
    for (const RECT& c : dst.clip_rects()) {
        const RECT i = rect_intersect(d, c);
        if (!rect_empty(i))
            blit_rows(dst, i, *from, i.left + offx, i.top + offy, op, format, brush);
    }
}

void stretch_blit(Painter& dst, const RECT& dst_rect, const Surface* src, const RECT& src_rect,
                  const Brush& brush, DWORD rop, const BlitFormat& format) {
    const std::uint8_t op = rop3_index(rop);
    const int dw = dst_rect.right - dst_rect.left, dh = dst_rect.bottom - dst_rect.top;
    const int sw = src_rect.right - src_rect.left, sh = src_rect.bottom - src_rect.top;
    if (!rop3_uses_source(op)) {
        pat_blt(dst, dst_rect, brush, rop, format);
        return;
    }
    if (!src || dw == 0 || dh == 0 || sw == 0 || sh == 0) return;
    if (dw == sw && dh == sh && dw > 0 && dh > 0) {
        blit(dst, dst_rect, src, POINT{src_rect.left, src_rect.top}, brush, rop, format);
        return;
    }
    if (rop3_uses_pattern(op) && brush.kind == Brush::Kind::null) return;
    const bool flip_x = (dw < 0) != (sw < 0), flip_y = (dh < 0) != (sh < 0);
    const RECT nd = dst.to_surface(normalised(dst_rect));
    const RECT ns = normalised(src_rect);
    const long long adw = std::abs(dw), adh = std::abs(dh), asw = std::abs(sw), ash = std::abs(sh);
    const Surface copy = src == &dst.target() ? *src : Surface{};
    const Surface& from = src == &dst.target() ? copy : *src;
    Surface& target = dst.target();
    const POINT org = dst.state().origin;
    for (const RECT& c : dst.clip_rects()) {
        const RECT i = rect_intersect(nd, c);
        dst.report(i);
        for (int y = i.top; y < i.bottom; ++y) {
            // Sample at the centre of each destination pixel.
            long long ry = ((y - nd.top) * 2LL + 1) * ash / (2 * adh);
            if (flip_y) ry = ash - 1 - ry;
            const long long sy = ns.top + ry;
            if (sy < 0 || sy >= from.height) continue;
            Pixel* drow = target.row(y);
            const Pixel* srow = from.row(static_cast<int>(sy));
            for (int x = i.left; x < i.right; ++x) {
                long long rx = ((x - nd.left) * 2LL + 1) * asw / (2 * adw);
                if (flip_x) rx = asw - 1 - rx;
                const long long sx = ns.left + rx;
                if (sx < 0 || sx >= from.width) continue;
                const Pixel s = convert_source(srow[sx], format);
                drow[x] = apply_rop3(op, pattern_at(brush, x, y, org, format), s, drow[x]);
            }
        }
    }
}

RECT scroll_rect(Surface& surface, const RECT& scroll, int dx, int dy, const RECT* clip) {
    const RECT bounds{0, 0, surface.width, surface.height};
    const RECT from = rect_intersect(normalised(scroll), bounds);
    RECT to = rect_intersect(RECT{from.left + dx, from.top + dy, from.right + dx, from.bottom + dy},
                             bounds);
    if (clip) to = rect_intersect(to, normalised(*clip));
    if (rect_empty(from) || rect_empty(to)) return RECT{0, 0, 0, 0};
    const std::size_t bytes = static_cast<std::size_t>(to.right - to.left) * sizeof(Pixel);
    // Moving down reads rows that later writes would overwrite, so go bottom-up then; within a
    // row memmove handles the overlap.
    const int rows = to.bottom - to.top;
    for (int k = 0; k < rows; ++k) {
        const int y = dy > 0 ? to.bottom - 1 - k : to.top + k;
        std::memmove(surface.row(y) + to.left, surface.row(y - dy) + (to.left - dx), bytes);
    }
    return to;
}

} // namespace plat
