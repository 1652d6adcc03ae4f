// The result window's text: two heading lines and one line per point, x in a field of 7
// characters with 3 decimals and y in a field of 17 with 6, each right-aligned.
#pragma once

#include <array>
#include <string>

#include "formula.h"

namespace formaldrix {

constexpr int TableLineCount = PointCount + 2;
constexpr int TableLineLength = 30; // the line buffer each line is drawn from

// v rounded to decimals places, right-aligned in width characters; width asterisks when the
// rounded form does not fit.
std::string fixed_field(double v, int width, int decimals);

std::array<std::string, TableLineCount> result_table(const Points& xs, const Points& ys);

} // namespace formaldrix
