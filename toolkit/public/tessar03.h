// Public-layer text state: one for the whole toolkit, not per window.
#pragma once

namespace tess {

struct Tessar03 {
    int cursorX = 0; // window units: where the last string ended
    int cursorY = 0;
    int foreground = 0; // colour index 0..16
    int background = 0; // colour index 0..16; 16 = the system window colour
    int underline = 0;  // 0 or 1
    int bold = 0;
    int italic = 0;
    // Pixels: the text font's average character width and cell height after each creation;
    // after WindowFont with a typeface outside 0..6, the size asked for.
    int charWidthPixels = 0;
    int charHeightPixels = 0;
    int typeface = 0; // 0..6
    // Window units: the size last asked for, from which the font is re-created for each window.
    int charWidth = 0;
    int charHeight = 0;
};

inline Tessar03 tessar03{};

} // namespace tess
