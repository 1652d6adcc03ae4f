// The core's text output: the one text font of the toolkit, the 18-entry colour table and the
// colours and underline that text is drawn with. Everything is drawn through the
// current window's held context; positions and sizes here are pixels.
#pragma once

#include <windows.h>

#include "core/textout_state.h"

// Root-window creation: colours 0 on 15, no underline, the colour table at its start values
// with 16 and 17 read from the system colours.
void yyinittextcolours_();

// Draws length - 1 characters of text with the left edge at x and the baseline at y, cells
// painted in the background colour; x, y come back as the position after the text.
void yystringout_(int& x, int& y, const char* text, const int& length);
// Width in pixels of the first length - 1 characters in the text font.
void yystringlen_(int& width, const char* text, const int& length);
// Fills the pixels x1..x2, y1..y2 (both corners included) with the background colour.
void yycleararea_(const int& x1, const int& y1, const int& x2, const int& y2);

// Background 16 means the system window colour, entry 17. An index outside the table leaves
// that colour as it was.
void yysetfontcolour_(const int& foreground, const int& background);
// Replaces colour-table entry 0..17 with the low bytes of red, green, blue; other indices are
// ignored.
void yysetfontcolourrgb_(const int& index, const int& red, const int& green, const int& blue);
void yysetfontunderline_(const int& flag);

// Replaces the text font: typeface 0..6 (any other code is the stock system font), weight 700
// when bold. width and height come back as the font's average character width and cell height.
void yycreatefont_(const int& typeface, const int& bold, const int& italic, int& width,
                   int& height);
// Deletes the text font; shutdown calls it so that no font outlives the windows.
void yyreleasefont_();

// Writes text into part 1..255 of the current window's status bar, if it has one.
void yysetstatustext_(const int& part, const char* text);

// WindowOpen's text state, colour table included, once the root's client context is the core's
// held one and tessar01 holds its client size.
void yytextwindowopen_();

// The parts of WindowFont that the window routines also call: yyfntsiz_ re-creates the font from
// a size in window units of the current window (WindowSelect and resizing pass tessar03's
// charWidth, charHeight).
void yyfntcol_(const int& foreground, const int& background); // the text colours
void yyfntsiz_(const int& width, const int& height);          // the character size
void yyfntsty_(const int& typeface);                          // the typeface
void yyfntund_(const int& underline);                         // underlining on (1) or off
