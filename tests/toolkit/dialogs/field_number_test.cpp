// Numbers typed into fields: the accepted forms, the validity flag, and round trips.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>

#include "dialogs/wfield_number.h"

namespace {

struct NumberCase {
    const char* text;
    double value;
    int valid;
};

TEST(AsciiToDouble, Forms) {
    const NumberCase cases[] = {
        {"1.25E3", 1250.0, 1},
        {"1.25d3", 1250.0, 1},
        {"1.25D+3", 1250.0, 1},
        {" -.5", -0.5, 1},
        {"\t+7", 7.0, 1},
        {"1.5 ", 1.5, 0}, // trailing blanks are not part of a number
        {"", 0.0, 1},
        {"-", 0.0, 1},
        {"abc", 0.0, 0},
        {"12x", 12.0, 0},
        {"1.2.3", 1.2, 0}, // one decimal point only
        {"250e-2", 2.5, 1},
        {"3.", 3.0, 1},
        {"1e", 1.0, 1},
        {"-0", 0.0, 1},
        {"1e400", std::numeric_limits<double>::infinity(), 1},
        {"1e-400", 0.0, 1},
        {"1e99999999999999999999", std::numeric_limits<double>::infinity(), 1},
        {"-2e-99999999999999999999", 0.0, 1},
    };
    for (const auto& c : cases) {
        int valid = -1;
        const double v = yyAsciiToDouble(c.text, valid);
        EXPECT_DOUBLE_EQ(v, c.value) << '"' << c.text << '"';
        EXPECT_EQ(valid, c.valid) << '"' << c.text << '"';
    }
}

TEST(AsciiToDouble, NullTextIsInvalidZero) {
    int valid = -1;
    EXPECT_EQ(yyAsciiToDouble(nullptr, valid), 0.0);
    EXPECT_EQ(valid, 0);
}

// Every integer comes back exactly; every printed double comes back to within the rounding of
// the repeated scaling, in each of the exponent letters.
TEST(AsciiToDouble, RoundTrips) {
    std::mt19937_64 random(20261209);
    std::uniform_int_distribution<long long> integers(-999999999999LL, 999999999999LL);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponents(-200, 200);
    char text[64];
    for (int i = 0; i < 2000; ++i) {
        const long long n = integers(random);
        std::snprintf(text, sizeof text, "%lld", n);
        int valid = 0;
        ASSERT_EQ(yyAsciiToDouble(text, valid), static_cast<double>(n)) << text;
        ASSERT_EQ(valid, 1);

        const double x = mantissa(random) * std::pow(10.0, exponents(random));
        std::snprintf(text, sizeof text, "%.15E", x);
        text[std::strcspn(text, "E")] = "eEdD"[i % 4];
        const double back = yyAsciiToDouble(text, valid);
        ASSERT_EQ(valid, 1) << text;
        ASSERT_NEAR(back, x, std::fabs(x) * 1e-12) << text;
    }
}

} // namespace
