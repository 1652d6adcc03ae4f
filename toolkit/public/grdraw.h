/// \file
/// Graphics drawing: lines, points, filled areas and text in user units, in the current colour.
#pragma once

#include <span>

#include "util/text_arg.h"

using tess::TextRef;

/// The longest text IGrCharOut draws.
constexpr int GrCharOutMax = 256;

namespace tess {

/// The plot modes of IGrPlotMode: how the ink combines with what the window shows.
enum GrPlotMode : int {
    PlotCopy = 0,       ///< the ink replaces the pixel
    PlotMerge = 1,      ///< ink or pixel
    PlotMask = 2,       ///< ink and pixel
    PlotExclusiveOr = 3 ///< ink exclusive-or pixel
};

/// The line types of IGrLineType; 5 and 6 draw as dash-dot and dashed.
enum GrLineType : int {
    LineSolid = 0,
    LineDotted = 1,
    LineDashed = 2,
    LineDashDot = 3,
    LineDashDotDot = 4
};

} // namespace tess

/// Plot mode of lines, points and fills: 0 copy, 1 merge (or), 2 mask (and), 3 exclusive or;
/// other values are ignored.
void IGrPlotMode(const int& mode);
/// Line type: 0 solid, 1 dotted, 2 and 6 dashed, 3 and 5 dash-dot, 4 dash-dot-dot; other values
/// are ignored.
void IGrLineType(const int& type);
/// The current position.
void IGrMoveTo(const float& x, const float& y);
/// A line from the current position to (x, y), which becomes the current position.
void IGrLineTo(const float& x, const float& y);
/// One pixel at (x, y), which becomes the current position.
void IGrPoint(const float& x, const float& y);
/// The rectangle between two corners, filled in the current colour.
void IGrFillRectangle(const float& x1, const float& y1, const float& x2, const float& y2);
/// The polygon through the first n points of x and y, filled in the current colour.
void IGrFillPolygon(const int& n, std::span<const float> x, std::span<const float> y);
/// Text at (x, y) in the current character set, justified on x, centred vertically on y.
void IGrCharOut(const float& x, const float& y, TextRef text);
