#include "public/wwtext.h"

#include <string>

#include "core/context.h"
#include "core/textout.h"
#include "public/wunits.h"

using namespace tess;

namespace {

constexpr int LastColour = 16; // the public layer offers 0..16; 16 draws with entry 17

constexpr bool public_colour(int index) {
    return index >= 0 && index <= LastColour;
}

// Creates the font for the current window from the size stored in window units; the pixel
// size recorded is the font's actual one.
void create_text_font() {
    int width = 0, height = 0;
    WindowUnitsToPixels(tk().tessar03.charWidth, tk().tessar03.charHeight, width, height);
    yycreatefont_(tk().tessar03.typeface, tk().tessar03.bold, tk().tessar03.italic, width, height);
    tk().tessar03.charWidthPixels = width;
    tk().tessar03.charHeightPixels = height;
}

} // namespace

void WindowOutString(const int& x, const int& y, TextRef text) {
    if (tk().tessar02.textMode[1] != ' ') return;
    int px = 0, py = 0;
    WindowUnitsToPixels(x, y, px, py);
    // Trailing blanks are drawn too: they paint their cells in the background colour.
    const std::string copy(text.view());
    const int length = static_cast<int>(copy.size()) + 1;
    yystringout_(px, py, copy.c_str(), length);
    WindowUnitsFromPixels(px, py, tk().tessar03.cursorX, tk().tessar03.cursorY);
}

void WindowClear() {
    yycleararea_(0, 0, tk().tessar01.windowWidth - 1, tk().tessar01.windowHeight - 1);
}

void WindowFont(const FontDescription& font) {
    const FontDescription f = font;
    tk().tessar03.bold = f.Bold != 0 ? 1 : 0;
    tk().tessar03.italic = f.Italic != 0 ? 1 : 0;
    tk().tessar03.charWidth = f.CharWidth;
    tk().tessar03.charHeight = f.CharHeight;
    // Kept when the typeface is refused, as the size asked for.
    WindowUnitsToPixels(tk().tessar03.charWidth, tk().tessar03.charHeight,
                        tk().tessar03.charWidthPixels, tk().tessar03.charHeightPixels);
    yyfntcol_(f.Foreground, f.Background);
    yyfntund_(f.Underline);
    yyfntsty_(f.Typeface);
}

int WInfoFont(const int& item) {
    int widthUnits = 0, heightUnits = 0;
    switch (item) {
    case 1:
        return tk().tessar03.cursorX;
    case 2:
        return tk().tessar03.cursorY;
    case 3:
        return tk().tessar03.bold;
    case 4:
        return tk().tessar03.italic;
    case 5:
        return tk().tessar03.underline;
    case 6:
        return tk().tessar03.foreground;
    case 7:
        return tk().tessar03.background;
    case 8:
        return tk().tessar03.typeface;
    case 9:
    case 10:
        WindowUnitsFromPixels(tk().tessar03.charWidthPixels, tk().tessar03.charHeightPixels,
                              widthUnits, heightUnits);
        return item == 9 ? widthUnits : heightUnits;
    default:
        return 0;
    }
}

void yytextwindowopen_() {
    tk().tessar02.textMode = {'R', ' '};
    tk().tessar03.cursorX = 0;
    tk().tessar03.cursorY = 0;
    tk().tessar03.foreground = 0;
    tk().tessar03.background = 15;
    tk().tessar03.underline = 0;
    tk().tessar03.typeface = 0;
    tk().tessar03.bold = 0;
    tk().tessar03.italic = 0;
    yyinittextcolours_();
    int width = 0, height = 0;
    yycreatefont_(tk().tessar03.typeface, tk().tessar03.bold, tk().tessar03.italic, width, height);
    tk().tessar03.charWidthPixels = width;
    tk().tessar03.charHeightPixels = height;
    WindowUnitsFromPixels(width, height, tk().tessar03.charWidth, tk().tessar03.charHeight);
}

void yyfntcol_(const int& foreground, const int& background) {
    if (public_colour(foreground)) tk().tessar03.foreground = foreground;
    if (public_colour(background)) tk().tessar03.background = background;
    yysetfontcolour_(tk().tessar03.foreground, tk().tessar03.background);
}

void yyfntsiz_(const int& width, const int& height) {
    const int w = width, h = height;
    tk().tessar03.charWidth = w;
    tk().tessar03.charHeight = h;
    create_text_font();
}

void yyfntsty_(const int& typeface) {
    if (typeface < 0 || typeface >= tess::TypefaceCount) return;
    tk().tessar03.typeface = typeface;
    create_text_font();
}

void yyfntund_(const int& underline) {
    tk().tessar03.underline = underline != 0 ? 1 : 0;
    yysetfontunderline_(underline);
}
