// Graphics drawing routines: the checks of the application's arguments, then the driver.
#include "public/grdraw.h"

#include <cmath>

#include "graphics/driver_draw.h"
#include "graphics/graphics_state.h"
#include "graphics/grstate.h"
#include "util/error_record.h"

namespace {

// The error numbers of the drawing routines (those of the error table that fit).
constexpr int ErrorBadCoordinate = 16; // invalid graphics units: not a number, infinite
constexpr int ErrorBlankText = 10;
constexpr int ErrorTextTooLong = 4;

bool finite(std::initializer_list<float> values) {
    for (const float v : values)
        if (!std::isfinite(v)) return false;
    return true;
}

bool check_coordinates(std::initializer_list<float> values) {
    if (finite(values)) return true;
    xxerror_(ErrorBadCoordinate);
    return false;
}

} // namespace

void IGrPlotMode(const int& mode) {
    if (mode < 0 || mode > 3) return;
    tess::graphics().state.plotMode = mode;
    tess::xxgdrv_(27);
}

void IGrLineType(const int& type) {
    if (type < 0 || type > 6) return;
    tess::graphics().state.lineType = type;
    tess::xxgdrv_(29);
}

void IGrMoveTo(const float& x, const float& y) {
    if (check_coordinates({x, y})) tess::xxmwinmoveto_(x, y);
}

void IGrLineTo(const float& x, const float& y) {
    if (check_coordinates({x, y})) tess::xxmwinlineto_(x, y);
}

void IGrPoint(const float& x, const float& y) {
    if (check_coordinates({x, y})) tess::xxmwinpoint_(x, y);
}

void IGrFillRectangle(const float& x1, const float& y1, const float& x2, const float& y2) {
    if (check_coordinates({x1, y1, x2, y2})) tess::xxmwinfillrect_(x1, y1, x2, y2);
}

void IGrFillPolygon(const int& n, std::span<const float> x, std::span<const float> y) {
    if (n < 0 || static_cast<std::size_t>(n) > x.size() || static_cast<std::size_t>(n) > y.size()) {
        xxerror_(ErrorBadCoordinate);
        return;
    }
    const std::size_t count = static_cast<std::size_t>(n);
    for (std::size_t i = 0; i < count; ++i)
        if (!check_coordinates({x[i], y[i]})) return;
    tess::xxmwinfillpoly_(x.first(count), y.first(count));
}

void IGrCharOut(const float& x, const float& y, TextRef text) {
    if (!check_coordinates({x, y})) return;
    const std::string_view s = text.trimmed();
    if (s.find_first_not_of(' ') == std::string_view::npos) {
        xxerror_(ErrorBlankText);
        return;
    }
    if (s.size() > static_cast<std::size_t>(GrCharOutMax)) {
        xxerror_(ErrorTextTooLong);
        return;
    }
    tess::xxmwintext_(x, y, s);
}
