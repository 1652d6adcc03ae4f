#include "result_table.h"

#include <cmath>
#include <cstdio>

namespace formaldrix {

namespace {

std::string right_aligned(const std::string& text, int width) {
    const auto w = static_cast<std::size_t>(width);
    if (text.size() > w) return std::string(w, '*');
    return std::string(w - text.size(), ' ') + text;
}

} // namespace

std::string fixed_field(double v, int width, int decimals) {
    if (std::isnan(v)) return right_aligned("NaN", width);
    if (std::isinf(v)) {
        const std::string sign = v < 0 ? "-" : "";
        const std::string full = sign + "Infinity";
        return right_aligned(full.size() <= static_cast<std::size_t>(width) ? full : sign + "Inf",
                             width);
    }
    char buffer[400]; // wide enough for any double in fixed notation
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, v);
    return right_aligned(buffer, width);
}

std::array<std::string, TableLineCount> result_table(const Points& xs, const Points& ys) {
    std::array<std::string, TableLineCount> lines;
    lines[0] = "   x" + std::string(14, ' ') + "y";
    lines[1] = std::string(25, '-');
    for (int i = 1; i <= PointCount; ++i)
        lines[static_cast<std::size_t>(i + 1)] =
            fixed_field(xs[i], 7, 3) + " " + fixed_field(ys[i], 17, 6);
    return lines;
}

} // namespace formaldrix
