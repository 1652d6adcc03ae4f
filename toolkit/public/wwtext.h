/// \file
/// Text output in the current window: strings at positions in window units, clearing, the text
/// font and colours, and the query of the text state.
#pragma once

#include "util/text_arg.h"

using tess::TextRef;

namespace tess {

/// Colour indices of the text colours; ColourSystem is the system's window-text colour, or as a
/// background the system's window colour.
enum TextColour : int {
    ColourBlack = 0,
    ColourDarkRed = 1,
    ColourDarkYellow = 2,
    ColourDarkGreen = 3,
    ColourDarkCyan = 4,
    ColourDarkBlue = 5,
    ColourDarkMagenta = 6,
    ColourLightGrey = 7,
    ColourDarkGrey = 8,
    ColourRed = 9,
    ColourYellow = 10,
    ColourGreen = 11,
    ColourCyan = 12,
    ColourBlue = 13,
    ColourMagenta = 14,
    ColourWhite = 15,
    ColourSystem = 16
};

/// The argument of WindowFont.
struct FontDescription {
    int Typeface = 0;   ///< 0..6
    int CharWidth = 0;  ///< window units; 0 = the font's own choice
    int CharHeight = 0; ///< window units; 0 = the font's default height
    int Bold = 0;       ///< 1 bold
    int Italic = 0;     ///< 1 italic
    int Underline = 0;  ///< 1 underlined
    int Foreground = 0; ///< colour index 0..16
    int Background = 0; ///< colour index 0..16; 16 = the system window colour
};

} // namespace tess

using tess::FontDescription;

/// Writes the whole text, trailing blanks included, with its left edge at x and its baseline at
/// y; the text cursor moves to its end. Nothing is written before WindowOpen.
void WindowOutString(const int& x, const int& y, TextRef text);
/// Fills the current window with the background colour; the text cursor stays.
void WindowClear();
/// Out-of-range colours and typefaces leave the previous setting; with a typeface outside
/// 0..6 the other settings take effect at the next font creation.
void WindowFont(const FontDescription& font);
/// Item 1..10 of the text state (cursor, styles, colours, typeface, character size); 0 for any
/// other item.
int WInfoFont(const int& item);

