// The core's text state: the text font, the colour table and the text colours.
#pragma once

#include <array>

#include <windows.h>

namespace tess {

constexpr int ColourEntries = 18;
constexpr int SystemTextColour = 16;   // the system's window-text colour
constexpr int SystemWindowColour = 17; // the system's window background colour
constexpr int TypefaceCount = 7;       // codes 0..6

struct CoreText {
    std::array<COLORREF, ColourEntries> wColour{};
    int wForeCol = 0; // colour-table indices of the text and of its cells
    int wBackCol = 0;
    int wUnderline = 0;        // non-zero: a line is drawn under each string
    HFONT hTextFont = nullptr; // null until the root window opens
};

} // namespace tess
