// Blits: ternary raster operations between surfaces, with colour and monochrome conversion.
#include <algorithm>
#include <cstring>

#include "gdi/painter.h"

namespace plat {

namespace {

constexpr Pixel kWhite = 0xFFFFFF;

// Monochrome surfaces hold only black and white; a colour turns white when bright enough.
Pixel to_mono(Pixel c) {
    const unsigned r = (c >> 16) & 0xFF, g = (c >> 8) & 0xFF, b = c & 0xFF;
    return (r * 30 + g * 59 + b * 11) >= 128 * 100 ? kWhite : 0;
}

// The source pixel in the destination's format.
Pixel convert_source(Pixel s, const BlitFormat& f) {
    if (f.src_mono == f.dst_mono) return s;
    if (f.dst_mono) return (s & kRgbMask) == (f.src_background & kRgbMask) ? kWhite : 0;
    return (s & kRgbMask) ? f.dst_background : f.dst_text;
}

Pixel convert_pattern(Pixel p, const BlitFormat& f) {
    return f.dst_mono ? to_mono(p) : p;
}

} // namespace

void Painter::pat_blt(const RECT& r, const Brush& brush, DWORD rop) {
    const std::uint8_t op = rop3_index(rop);
    const RECT s = to_surface(r);
    if (rect_empty(s)) return;
    const bool pattern = rop3_uses_pattern(op);
    if (pattern && brush.kind == Brush::Kind::null) return;
    for (const RECT& c : state().clip) {
        const RECT i = rect_intersect(s, c);
        if (rect_empty(i)) continue;
        for (int y = i.top; y < i.bottom; ++y) {
            Pixel* row = target_.row(y);
            if (op == 0xF0 && brush.kind == Brush::Kind::solid) {
                std::fill(row + i.left, row + i.right, brush.color & kRgbMask);
                continue;
            }
            for (int x = i.left; x < i.right; ++x)
                row[x] = apply_rop3(op, brush.at(x, y) & kRgbMask, 0, row[x]);
        }
    }
}

void Painter::blit_rows(const RECT& clipped, const Surface& src, int sx0, int sy0, std::uint8_t op,
                        const BlitFormat& format, const Brush& brush) {
    const int w = clipped.right - clipped.left;
    const bool plain_copy = op == 0xCC && format.src_mono == format.dst_mono;
    for (int dy = clipped.top; dy < clipped.bottom; ++dy) {
        const int sy = sy0 + (dy - clipped.top);
        const Pixel* srow = src.row(sy) + sx0;
        Pixel* drow = target_.row(dy) + clipped.left;
        if (plain_copy) {
            std::memcpy(drow, srow, static_cast<std::size_t>(w) * sizeof(Pixel));
            continue;
        }
        for (int x = 0; x < w; ++x) {
            const Pixel s = convert_source(srow[x], format);
            const Pixel p = convert_pattern(brush.at(clipped.left + x, dy), format);
            drow[x] = apply_rop3(op, p & kRgbMask, s & kRgbMask, drow[x]);
        }
    }
}

void Painter::bit_blt(const RECT& dst, const Surface& src, POINT src_pt, DWORD rop,
                      const BlitFormat& format, const Brush& brush) {
    const std::uint8_t op = rop3_index(rop);
    if (!rop3_uses_source(op)) {
        pat_blt(dst, brush, rop);
        return;
    }
    if (rop3_uses_pattern(op) && brush.kind == Brush::Kind::null) return;
    const RECT s = to_surface(dst);
    if (rect_empty(s)) return;
    // The part of the destination whose source pixels exist.
    const int offx = src_pt.x - s.left, offy = src_pt.y - s.top;
    const RECT from_src{-offx, -offy, src.width - offx, src.height - offy};
    const RECT d = rect_intersect(s, from_src);
    if (rect_empty(d)) return;
    if (&src == &target_) {
        // Overlapping copies inside one surface: copy the source once, then blit from it.
        const Surface copy = src;
        for (const RECT& c : state().clip) {
            const RECT i = rect_intersect(d, c);
            if (!rect_empty(i)) blit_rows(i, copy, i.left + offx, i.top + offy, op, format, brush);
        }
        return;
    }
    for (const RECT& c : state().clip) {
        const RECT i = rect_intersect(d, c);
        if (!rect_empty(i)) blit_rows(i, src, i.left + offx, i.top + offy, op, format, brush);
    }
}

void Painter::stretch_blt(const RECT& dst, const Surface& src, const RECT& src_rect, DWORD rop,
                          const BlitFormat& format, const Brush& brush) {
    const std::uint8_t op = rop3_index(rop);
    const int dw = dst.right - dst.left, dh = dst.bottom - dst.top;
    const int sw = src_rect.right - src_rect.left, sh = src_rect.bottom - src_rect.top;
    if (dw == 0 || dh == 0 || sw == 0 || sh == 0) return;
    if (dw == sw && dh == sh && dw > 0 && dh > 0) {
        bit_blt(dst, src, POINT{src_rect.left, src_rect.top}, rop, format, brush);
        return;
    }
    if (rop3_uses_pattern(op) && brush.kind == Brush::Kind::null) return;
    // A negative extent on one side and not the other mirrors the image.
    const bool flip_x = (dw < 0) != (sw < 0), flip_y = (dh < 0) != (sh < 0);
    const RECT nd = to_surface(RECT{std::min(dst.left, dst.right), std::min(dst.top, dst.bottom),
                                    std::max(dst.left, dst.right), std::max(dst.top, dst.bottom)});
    const RECT ns{std::min(src_rect.left, src_rect.right), std::min(src_rect.top, src_rect.bottom),
                  std::max(src_rect.left, src_rect.right), std::max(src_rect.top, src_rect.bottom)};
    const long long adw = std::abs(dw), adh = std::abs(dh), asw = std::abs(sw), ash = std::abs(sh);
    const Surface copy = &src == &target_ ? src : Surface{};
    const Surface& from = &src == &target_ ? copy : src;
    for (const RECT& c : state().clip) {
        const RECT i = rect_intersect(nd, c);
        if (rect_empty(i)) continue;
        for (int y = i.top; y < i.bottom; ++y) {
            long long ry = ((y - nd.top) * 2LL + 1) * ash / (2 * adh);
            if (flip_y) ry = ash - 1 - ry;
            const int sy = ns.top + static_cast<int>(ry);
            if (sy < 0 || sy >= from.height) continue;
            Pixel* drow = target_.row(y);
            for (int x = i.left; x < i.right; ++x) {
                long long rx = ((x - nd.left) * 2LL + 1) * asw / (2 * adw);
                if (flip_x) rx = asw - 1 - rx;
                const int sx = ns.left + static_cast<int>(rx);
                if (sx < 0 || sx >= from.width) continue;
                const Pixel s = convert_source(from.at(sx, sy), format);
                const Pixel p = convert_pattern(brush.at(x, y), format);
                drow[x] = apply_rop3(op, p & kRgbMask, s & kRgbMask, drow[x]);
            }
        }
    }
}

void Painter::scroll(const RECT& area, int dx, int dy) {
    Saver saver(*this);
    intersect_clip(area);
    const RECT s = to_surface(area);
    bit_blt(RECT{area.left + dx, area.top + dy, area.right + dx, area.bottom + dy}, target_,
            POINT{s.left, s.top}, SRCCOPY);
}

} // namespace plat
