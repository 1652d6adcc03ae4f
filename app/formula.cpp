#include "formula.h"

#include <cmath>

#include "general.h"
#include "number_text.h"

namespace formaldrix {

namespace {

constexpr double Pi = 3.141592653589793;

template <typename T, typename Convert>
bool convert_into(std::string_view text, T& target, Convert convert) {
    const auto value = convert(text);
    if (!value) return false;
    target = *value;
    return true;
}

} // namespace

void evaluate(const Parameters& p, Points& xs, Points& ys) {
    const double dx = (p.xmax - p.xmin) / 9.0;
    double x = p.xmin;
    for (int i = 1; i <= PointCount; ++i) {
        xs[i] = x;
        ys[i] = 0.0;
        for (int j = 1; j <= p.n; ++j) {
            // Numerator and denominator rounded each on its own, as the results are defined.
            const double numerator = j * x;
            const double denominator = p.m * Pi;
            const double t = numerator / denominator;
            ys[i] = ys[i] + (p.a * std::sin(t) + (p.b * p.s) * std::cos(t));
        }
        x = x + dx;
    }
}

bool convert_parameters(const FormulaTexts& texts, General& state) {
    state.s = texts.signButton == 2 ? -1.0 : 1.0;
    const auto nonzero_integer = [](std::string_view text) {
        const auto value = text_to_integer(text);
        return value && *value != 0 ? value : std::nullopt;
    };
    return convert_into(texts.a, state.a, text_to_real) &&
           convert_into(texts.b, state.b, text_to_real) &&
           convert_into(texts.m, state.m, nonzero_integer) &&
           convert_into(texts.n, state.n, text_to_integer) &&
           convert_into(texts.xmin, state.xmin, text_to_real) &&
           convert_into(texts.xmax, state.xmax, text_to_real);
}

void formelsc() {
    const General& g = general;
    evaluate({g.a, g.b, g.s, g.m, g.n, g.xmin, g.xmax}, general.xs, general.ys);
}

} // namespace formaldrix
