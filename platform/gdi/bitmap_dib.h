// Device-independent bitmaps: decoding packed DIBs (RT_BITMAP data, .bmp files, icon images).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "gdi/surface.h"

namespace plat {

struct DibImage {
    Surface image;              // top-down, 0x00RRGGBB
    int bits_per_pixel = 0;     // 1, 4, 8, 16, 24 or 32
    std::vector<Pixel> palette; // the colour table of 1-, 4- and 8-bit images
    // For 1-bit images, the pixels as a monochrome bitmap holds them: rows top-down, each
    // padded to a 16-bit boundary, leftmost pixel in the high bit; a bit is 1 where the
    // pixel's palette colour is light (white), as when a monochrome bitmap is loaded.
    std::vector<std::uint8_t> mono_bits;
    int mono_stride = 0;
};

// A packed DIB: BITMAPINFOHEADER (or a later, larger version), colour table or BI_BITFIELDS
// masks, then the pixel rows. Uncompressed only. Every size is checked against the data;
// anything malformed or unsupported gives nothing.
std::optional<DibImage> decode_dib(std::span<const std::byte> packed);
// A .bmp file: BITMAPFILEHEADER followed by a packed DIB.
std::optional<DibImage> decode_bmp_file(std::span<const std::byte> file);

// An icon image (RT_ICON data): a packed DIB whose height counts the colour rows and the
// 1-bit AND mask below them. mask is white where the icon is transparent, black elsewhere.
struct IconImage {
    Surface image;
    Surface mask;
    POINT hotspot{}; // cursors only
};
std::optional<IconImage> decode_icon_image(std::span<const std::byte> data);
// The image behind an icon or cursor handle from LoadIconA, LoadImageA or a cursor resource;
// nullptr for any other handle (the standard cursors included).
const IconImage* icon_image(HICON icon);

} // namespace plat
