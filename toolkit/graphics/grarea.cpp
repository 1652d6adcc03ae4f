// The graphics area in the current window, the user units on it and the window size behind
// both.
#include <cmath>
#include <limits>

#include "graphics/charset.h"
#include "graphics/graphics_state.h"
#include "graphics/grstate.h"
#include "graphics/screen_driver.h"
#include "util/error_record.h"

namespace tess {

namespace {

constexpr int BadArea = 44;
constexpr int BadUnits = 16;

// A fraction range of the window: 0 <= lo < hi <= 1.
bool valid_fractions(float lo, float hi) {
    return lo >= 0 && lo < 1 && hi > 0 && hi <= 1 && lo < hi;
}

// A unit range: hi above lo and a finite width between them. NaN, an infinite end or a width
// that overflows would make every position NaN or one pixel, so they count as reversed.
bool valid_units(float lo, float hi) {
    return hi > lo && std::isfinite(hi - lo);
}

// A range too small for single precision scales by the largest float rather than infinity:
// infinity times the distance 0 is no position at all.
float per_unit(float pixels, float range) {
    if (range <= 0) return pixels;
    const float scale = pixels / range;
    return std::isfinite(scale) ? scale : std::copysign(std::numeric_limits<float>::max(), scale);
}

void update_pixels_per_unit(GraphicsAttributes& s) {
    s.pixelsPerUnit = {per_unit(s.areaPixels[0], s.unitRange[0]),
                       per_unit(s.areaPixels[1], s.unitRange[1])};
}

} // namespace

void xxarea_(float x1, float y1, float x2, float y2) {
    if (!valid_fractions(x1, x2)) {
        x1 = 0, x2 = 1;
        xxerror_(BadArea);
    }
    if (!valid_fractions(y1, y2)) {
        y1 = 0, y2 = 1;
        xxerror_(BadArea);
    }
    GraphicsAttributes& s = graphics().state;
    s.area = {x1, y1, x2, y2};
    const auto& e = s.deviceExtent;
    xxwing_(e[0] * x1, e[1] * y1, e[0] * x2, e[1] * y2);
    update_pixels_per_unit(s);
    if (s.areaLock == 0) {
        s.charBasisPixels = s.areaPixels;
        s.areaSize = {x2 - x1, y2 - y1};
        xxcharcells_();
    }
}

void xxunits_(float x1, float y1, float x2, float y2) {
    GraphicsAttributes& s = graphics().state;
    if (!valid_units(x1, x2)) {
        x1 = 0, x2 = 1;
        xxerror_(BadUnits);
    }
    // A reversed or empty y range is repaired without complaint.
    if (!valid_units(y1, y2)) y1 = 0, y2 = 1;
    s.units = {x1, y1, x2, y2};
    s.unitRange = {x2 - x1, y2 - y1};
    if (s.areaLock == 0) s.charBasisUnits = s.unitRange;
    update_pixels_per_unit(s);
}

void xxresn_(int width, int height) {
    GraphicsAttributes& s = graphics().state;
    s.deviceSize = {width, height};
    s.lastPixel = {width - 1, height - 1};
    s.deviceExtent = {static_cast<float>(width) - 0.01f, static_cast<float>(height) - 0.01f};
    s.aspect = height == 0 ? 1.0f : static_cast<float>(width) / static_cast<float>(height);
    s.areaLock = 0;
    xxarea_(s.area[0], s.area[1], s.area[2], s.area[3]);
}

void xxi2e_(float deviceX, float deviceY, float& userX, float& userY) {
    const GraphicsAttributes& s = graphics().state;
    const auto& v = graphics().driver.viewport;
    const float px = s.pixelsPerUnit[0] > 0 ? s.pixelsPerUnit[0] : 1;
    const float py = s.pixelsPerUnit[1] > 0 ? s.pixelsPerUnit[1] : 1;
    userX = s.units[0] + (deviceX - v[0]) / px;
    userY = s.units[1] + (deviceY - v[1]) / py;
}

} // namespace tess
