// The formula: y(x) = sum for j = 1..n of a·sin(jx/(mπ)) + s·b·cos(jx/(mπ)) at ten equally
// spaced points, and the conversion of the dialog's texts into its parameters.
#pragma once

#include <array>
#include <string_view>

namespace formaldrix {

struct General;

constexpr int PointCount = 10;
using Points = std::array<double, PointCount + 1>; // indices 1 to 10

struct Parameters {
    double a = 0, b = 0, s = 1;
    int m = 1, n = 0;
    double xmin = 0, xmax = 0;
};

// x runs from xmin by repeated addition of (xmax - xmin) / 9, so xs[10] may miss xmax in the
// last bits; with n < 1 every y is 0.
void evaluate(const Parameters& p, Points& xs, Points& ys);

// The dialog's texts as read from fields 1013, 1014, 1015, 1020, 1017, 1018, and the
// 1-based index of the checked sign button (1 "+", 2 "-", anything else counts as "+").
struct FormulaTexts {
    std::string_view a, b, m, n, xmin, xmax;
    int signButton = 1;
};

// Sets s, then converts a, b, m, n, xmin, xmax in that order, storing each value as soon as it
// converts; stops at the first text that does not convert (m = 0 counts as one, since it would
// divide by zero) and returns false. The results are left alone.
bool convert_parameters(const FormulaTexts& texts, General& state);

// Evaluates the formula from the application's parameters into its xs and ys.
void formelsc();

} // namespace formaldrix
