// The result window's table: fixed fields, rounding, and asterisks when a number does not fit.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "formula.h"
#include "result_table.h"

namespace {

using formaldrix::fixed_field;

TEST(ResultTable, DefaultParametersGiveTheKnownTwelveLines) {
    formaldrix::Points xs{}, ys{};
    formaldrix::evaluate({1.0, 2.0, 1.0, 2, 4, -12.0, 12.0}, xs, ys);
    const std::array<std::string, 12> expected{
        "   x              y",       "-------------------------", "-12.000         -0.862681",
        " -9.333         -0.286417", " -6.667         -3.763408", " -4.000         -3.180993",
        " -1.333          4.740257", "  1.333          8.675036", "  4.000          2.927419",
        "  6.667         -2.181668", "  9.333         -0.558362", " 12.000          0.671411",
    };
    const auto lines = formaldrix::result_table(xs, ys);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(lines[i], expected[i]) << "line " << i + 1;
        EXPECT_LE(lines[i].size(), static_cast<std::size_t>(formaldrix::TableLineLength));
    }
    EXPECT_EQ(lines[0].find('x'), 3u);  // column 4
    EXPECT_EQ(lines[0].find('y'), 18u); // column 19
}

TEST(ResultTable, FieldsRoundAlignAndOverflowToAsterisks) {
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double v;
        int width, decimals;
        std::string shown;
    } cases[] = {
        {0.0, 17, 6, "         0.000000"},
        {0.0, 7, 3, "  0.000"},
        {999.999, 7, 3, "999.999"},
        {999.9994, 7, 3, "999.999"},
        {999.9996, 7, 3, "*******"}, // rounds to 1000.000
        {1000.0, 7, 3, "*******"},
        {123456.0, 7, 3, "*******"},
        {-99.999, 7, 3, "-99.999"},
        {-99.9996, 7, 3, "*******"}, // rounds to -100.000
        {-100.0, 7, 3, "*******"},
        {0.0005, 7, 3, "  0.001"},
        {-0.25, 7, 3, " -0.250"},
        {1.0e10, 17, 6, "*****************"},
        {9999999999.0, 17, 6, "9999999999.000000"},
        {-999999999.0, 17, 6, "-999999999.000000"},
        {-9999999999.0, 17, 6, "*****************"},
        {inf, 17, 6, "         Infinity"},
        {-inf, 7, 3, "   -Inf"},
        {std::nan(""), 7, 3, "    NaN"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fixed_field(c.v, c.width, c.decimals), c.shown)
            << c.v << " in " << c.width << "." << c.decimals;
    }
}

TEST(ResultTable, LargeXIsStarredAndZeroYShown) {
    formaldrix::Points xs{}, ys{};
    xs[1] = 1000.0;
    xs[2] = -100.0;
    xs[3] = 999.0;
    const auto lines = formaldrix::result_table(xs, ys);
    EXPECT_EQ(lines[2], "*******          0.000000");
    EXPECT_EQ(lines[3], "*******          0.000000");
    EXPECT_EQ(lines[4], "999.000          0.000000");
}

} // namespace
