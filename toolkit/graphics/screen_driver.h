// The screen graphics driver: turns graphics-state changes into the drawing window's pen, mix
// mode, line style, clip region and font.
#pragma once

#include <windows.h>

namespace tess {

// Dispatches one driver operation (18 start, 3 colour, 24 clip, 21/25/33 character metrics,
// 27 plot mode, 29 line type; 1, 20, 30 do nothing).
void xxgmswin_(int op);
// The viewport of the graphics area from its corners in pixels, y up from the bottom edge.
void xxwing_(float x1, float y1, float x2, float y2);
void xxmwincolour_(int index, int red, int green, int blue);
void xxmwinplotmode_(int mode);
void xxmwinlinetype_(int type);
// Clip to the rectangle in platform pixels; bottom -1 removes the clip region.
void xxmwinclip_(int left, int top, int right, int bottom);
// Releases every object of the driver; afterwards it must not be used.
void xxmwinremoveg();

// The driver draws into window's context dc from now on: a new stipple bitmap, the plot mode,
// a transparent background, the current pen and, on a palette screen, the device palette.
void xxmwinselectdc(HWND window, HDC dc);

} // namespace tess
