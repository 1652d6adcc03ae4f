/// \file
/// Graphics: the graphics area, user units, colour numbers and the character set of graphics text.
#pragma once

#include "util/text_arg.h"

using tess::TextRef;

/// Resets the graphics state and sets up the device; a device text containing H (either case)
/// keeps graphics away from the screen. The three integers are not used by the screen.
void IGrInit(TextRef device, const int& a, const int& b, const int& c);
/// The graphics area as fractions 0 to 1 of the current window; a bad range is repaired, error 44.
void IGrArea(const float& x1, const float& y1, const float& x2, const float& y2);
/// The user coordinates at the area's corners; an x range that is empty, reversed or not finite
/// becomes 0 to 1 with error 16, such a y range silently.
void IGrUnits(const float& x1, const float& y1, const float& x2, const float& y2);
/// The current colour number 0 to 255; others give error 42 and change nothing.
void IGrColourN(const int& colour);
/// The hardware characters ("H") or a character file by name, looked for under the name itself
/// and then in the character directory; error 1 when there is none.
void IGrCharSet(TextRef name);
/// Justification of graphics text: L, R, or anything else for centred.
void IGrCharJustify(TextRef letter);
/// Spacing: H hardware, P proportional, anything else fixed.
void IGrCharSpacing(TextRef letter);
/// Character size factors; 0 or less, or not finite, becomes 1.0.
void IGrCharSize(const float& width, const float& height);
