// Blits through ternary raster operations, colour/monochrome conversion and scrolling.
//
// A raster-operation code carries its truth table in bits 16..23: result bit = bit
// (4*P + 2*S + D) of the table for the pattern, source and destination bits, taken one bit
// position of the pixel at a time (apply_rop3 in rop.h). Monochrome surfaces hold only
// 0x000000 (bit 0) and 0xFFFFFF (bit 1).
#pragma once

#include "gdi/painter.h"

namespace plat {

// Colour to monochrome, as a blit into a monochrome bitmap does it: the source's background
// colour becomes white (1), every other colour black (0).
constexpr Pixel mono_from_color(Pixel c, Pixel src_background) {
    return (c & kRgbMask) == (src_background & kRgbMask) ? kRgbMask : 0;
}
// Monochrome to colour: 0 bits take the destination's text colour, 1 bits its background.
constexpr Pixel color_from_mono(Pixel m, Pixel dst_text, Pixel dst_background) {
    return ((m & kRgbMask) ? dst_background : dst_text) & kRgbMask;
}

// The formats of the two sides of a blit and the device-context colours that convert between
// them.
struct BlitFormat {
    bool src_mono = false;
    bool dst_mono = false;
    Pixel src_background = 0xFFFFFF;
    Pixel dst_text = 0x000000;
    Pixel dst_background = 0xFFFFFF;
};

// PatBlt: operations on pattern and destination over r (logical).
void pat_blt(Painter& dst, const RECT& r, const Brush& brush, DWORD rop,
             const BlitFormat& format = {});

// BitBlt: the rectangle dst_rect (logical) combined with src from src_pt (source surface
// coordinates) and the brush. src may be null for operations that do not read it; it may be
// the painter's own surface. Destination pixels whose source lies outside src are left alone.
void blit(Painter& dst, const RECT& dst_rect, const Surface* src, POINT src_pt, const Brush& brush,
          DWORD rop, const BlitFormat& format = {});

// StretchBlt with nearest-pixel sampling; a negative width or height on one side mirrors.
// dst_rect is logical, src_rect in source surface coordinates.
void stretch_blit(Painter& dst, const RECT& dst_rect, const Surface* src, const RECT& src_rect,
                  const Brush& brush, DWORD rop, const BlitFormat& format = {});

// ScrollDC over a surface: the pixels of scroll move by (dx, dy); only pixels inside clip
// (null: the whole surface) change. Overlap-safe. Returns the rectangle written.
RECT scroll_rect(Surface& surface, const RECT& scroll, int dx, int dy, const RECT* clip);

} // namespace plat
