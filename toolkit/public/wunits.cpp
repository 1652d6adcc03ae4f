#include "public/wunits.h"

#include "public/tessar01.h"

namespace {

// The single-precision value nearest 1/9999; the product is exact and scaled in extended
// precision, so 9999 units reach one pixel past the last column.
int to_pixels(int size, int units) {
    constexpr float k = 1.0f / 9999.0f;
    const long double product = static_cast<long double>(static_cast<long long>(size) * units);
    return static_cast<int>(product * static_cast<long double>(k));
}

int from_pixels(int size, int pixels) {
    if (size <= 1) return 0;
    const double scale = 9999.0 / static_cast<double>(size - 1);
    return static_cast<int>(scale * static_cast<double>(pixels));
}

} // namespace

void WindowUnitsToPixels(const int& x, const int& y, int& px, int& py) {
    px = to_pixels(tess::tessar01.windowWidth, x);
    py = to_pixels(tess::tessar01.windowHeight, y);
}

void WindowUnitsFromPixels(const int& px, const int& py, int& x, int& y) {
    x = from_pixels(tess::tessar01.windowWidth, px);
    y = from_pixels(tess::tessar01.windowHeight, py);
}
