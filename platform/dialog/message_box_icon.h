// The four message box icons, drawn from code into an owner-drawn static's rectangle.
#pragma once

#include <windows.h>

namespace plat {

constexpr int MessageBoxIconSize = 32;

// Paints the icon of an MB_ICON* kind (the type's icon bits) at the top left of the rectangle,
// over the rectangle filled with the background colour. Unknown kinds paint only the background.
void draw_message_box_icon(HDC hdc, const RECT& rect, UINT iconKind, COLORREF background);

} // namespace plat
