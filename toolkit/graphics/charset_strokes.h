// Stroke interpretation: a text in a loaded set becomes line segments in cell coordinates.
//
// The encoding of a character file's strokes:
// - the first two cell values are the width and height of the grid of the primary characters'
//   cell (codes 32 to 126), the third and fourth the same for the extension (160 to 255);
// - an offset-table entry is where the character's commands start in its part's data (the
//   extension's offsets count from the start of the extension data); a negative entry, or one
//   past its part, marks the character absent: it advances one blank cell;
// - a command is an opcode byte and its signed byte operands, y counted up from the baseline:
//   'u' x y  moves the pen up to (x, y)       'v' x y  draws a line to (x, y)
//   'e' w    ends the character; w is its advance in grid steps for proportional spacing
//   Any other byte, or the end of the part, ends the character with an advance of one cell.
#pragma once

#include <string_view>
#include <vector>

#include "graphics/graphics_state.h"

namespace tess {

// A line in cell coordinates: x in cell widths from the start of the text, y in cell heights
// up from the baseline.
struct StrokeSegment {
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    friend bool operator==(const StrokeSegment&, const StrokeSegment&) = default;
};

struct StrokeText {
    std::vector<StrokeSegment> segments;
    float width = 0; // the text's advance in cell widths
};

// The strokes of text in set; fixed spacing advances one cell per character, proportional the
// character's own advance. The hardware set (kind 0) gives no segments.
StrokeText charset_text_strokes(const CharacterSet& set, std::string_view text, bool proportional);

} // namespace tess
