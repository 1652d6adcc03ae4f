// Pointer shapes: the standard cursor identifiers as X cursor-font shapes (Xlib takes them
// from the user's cursor theme when one is installed), and cursor resources as two-colour
// X cursors.
#pragma once

#include <cstdint>
#include <vector>

#include "gdi/bitmap_dib.h"

namespace plat::x11 {

// The cursor-font shape for an IDC_ identifier; -1 for one that is not standard.
int cursor_font_shape(std::uintptr_t id);

// The two bitmaps of XCreatePixmapCursor in XBM layout (rows padded to bytes, the leftmost
// pixel in the lowest bit): mask marks the opaque pixels, source those drawn in the foreground
// colour (white; the background colour is black). The mask is the icon's AND mask inverted;
// colour cursors are reduced to light and dark.
struct CursorBitmaps {
    int width = 0, height = 0;
    std::vector<unsigned char> source, mask;
};
CursorBitmaps cursor_bitmaps(const IconImage& image);

} // namespace plat::x11
