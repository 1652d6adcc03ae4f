#include "public/wunits.h"

#include "core/context.h"

#include <cstdint>
#include <limits>

using namespace tess;

namespace {

// The single-precision value nearest 1/9999; the product is formed in extended precision so
// that 9999 units land on the full size for every window width.
constexpr float UnitFactor = static_cast<float>(1.0 / 9999.0);

// Truncates towards zero; far-out coordinates saturate instead of overflowing.
template <class Real> int truncate(Real value) {
    constexpr Real lo = std::numeric_limits<int>::min(), hi = std::numeric_limits<int>::max();
    if (value <= lo) return std::numeric_limits<int>::min();
    if (value >= hi) return std::numeric_limits<int>::max();
    return static_cast<int>(value);
}

int to_pixels(int size, int units) {
    const long double exact = static_cast<long double>(std::int64_t{size} * units);
    return truncate(exact * static_cast<long double>(UnitFactor));
}

int from_pixels(int size, int pixels) {
    if (size <= 1) return 0;
    const double perPixel = 9999.0 / (size - 1);
    return truncate(perPixel * pixels);
}

} // namespace

void WindowUnitsToPixels(const int& x, const int& y, int& xPixels, int& yPixels) {
    const int px = to_pixels(tk().tessar01.windowWidth, x);
    const int py = to_pixels(tk().tessar01.windowHeight, y);
    xPixels = px;
    yPixels = py;
}

void WindowUnitsFromPixels(const int& x, const int& y, int& xUnits, int& yUnits) {
    const int ux = from_pixels(tk().tessar01.windowWidth, x);
    const int uy = from_pixels(tk().tessar01.windowHeight, y);
    xUnits = ux;
    yUnits = uy;
}
