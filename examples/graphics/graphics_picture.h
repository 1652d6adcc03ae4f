// The graphics example's picture: lines in every line type and plot mode, filled areas in every
// colour number and text, drawn with the toolkit's graphics routines into the current window.
#pragma once

#include <string_view>

namespace graphics_example {

// The picture's layout in its user units (0 to 100 both ways, y upwards).
constexpr float LineTypeLeft = 4, LineTypeRight = 46;
constexpr float LineTypeTop = 95, LineTypeStep = 5; // line type t at y = top - t * step
constexpr int LineTypes = 7;
constexpr float ModeLeft = 54, ModeRight = 96;
constexpr float ModeTop = 95, ModeStep = 8; // plot mode m's band at y = top - m * step
constexpr float ModeBandHeight = 6;
constexpr int PlotModes = 4;
constexpr int ModeBackground = 63; // bright yellow under the left half of each band
constexpr int ModeInk = 144;       // blue lines in each mode
constexpr float SwatchLeft = 4, SwatchBottom = 4, SwatchSize = 2.5f; // 16 x 16 colour swatches
constexpr float PolygonCentreX = 75, PolygonCentreY = 30;
constexpr float TextX = 50, HardwareTextY = 56, StrokeTextY = 48;

// The character file the example writes its stroke text in, when it can be found.
constexpr std::string_view StrokeSet = "swiss.chr";

// Draws the whole picture into the current window.
void draw_picture();
// Exclusive-or of the whole window with white: every colour becomes its opposite.
void invert_picture();
// Opens the example's root window.
void open_root_window();
// Opens the child window of the picture inside the root and draws it; its window number.
int open_picture_window();

} // namespace graphics_example
