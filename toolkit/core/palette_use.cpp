#include "core/palette_use.h"

#include "core/context.h"

namespace tess {

UINT realise_toolkit_palette(HWND hwnd) {
    const HPALETTE palette = graphics().colours.gPal256;
    if (!palette || !IsWindow(hwnd)) return 0;
    const HDC dc = GetDC(hwnd);
    if (!dc) return 0;
    // Whether the colours take the foreground is the window manager's choice: the window
    // with the focus gets them, the others what is left.
    const HPALETTE old = SelectPalette(dc, palette, FALSE);
    const UINT remapped = RealizePalette(dc);
    SelectPalette(dc, old, FALSE);
    ReleaseDC(hwnd, dc);
    return remapped == GDI_ERROR ? 0 : remapped;
}

} // namespace tess
