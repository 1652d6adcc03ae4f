// The screen driver's drawing operations: lines, points, filled shapes and text in user units,
// drawn into the current drawing window with the driver's pen, mix mode and clip region.
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include <windows.h>

namespace tess {

// A position of the drawing window in platform pixels (y downwards), before truncation.
struct DevicePoint {
    double x = 0, y = 0;
};

// User units to platform pixels through the area's viewport and the pixels per unit.
DevicePoint xxu2p_(float x, float y);
// No surface comes near this many pixels: far-out positions are held at it, so that they stay
// far out once they are the platform's integers.
constexpr double PixelLimit = 1e9;
double xxsaturate_(double pixels);
// The pixel a device position falls in (saturated).
POINT xxpixel_(DevicePoint p);

// Whether drawing reaches a window: screen graphics on and a drawing context held.
bool xxcandraw_();

void xxmwinmoveto_(float x, float y);
// A line from the current position to (x, y), its end pixel excluded so that joined lines
// meet without drawing a pixel twice; the current position moves to (x, y).
void xxmwinlineto_(float x, float y);
void xxmwinpoint_(float x, float y);
// The rectangle between two corners: the pixels whose centres lie inside it.
void xxmwinfillrect_(float x1, float y1, float x2, float y2);
// The polygon through the points: the pixels whose centres lie inside it.
void xxmwinfillpoly_(std::span<const float> x, std::span<const float> y);

// Text at (x, y): with the hardware font centred vertically on the point, or in the strokes
// of the current character set; justified left, right or centred on x.
void xxmwintext_(float x, float y, std::string_view text);

// The parts of a line and of a polygon that lie within a rectangle around the window: what is
// outside never shows, and what is left fits the platform's integer coordinates.
bool xxclipline_(DevicePoint& a, DevicePoint& b, double left, double top, double right,
                 double bottom);
std::vector<DevicePoint> xxclippoly_(std::span<const DevicePoint> points, double left, double top,
                                     double right, double bottom);

} // namespace tess
