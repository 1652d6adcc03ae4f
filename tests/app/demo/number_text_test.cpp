// The conversion of typed texts into the formula's numbers.
#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>

#include "number_text.h"

namespace {

using formaldrix::text_to_integer;
using formaldrix::text_to_real;

struct RealCase {
    std::string text;
    std::optional<double> value;
};

TEST(NumberText, RealsInTheAcceptedSyntax) {
    const RealCase cases[] = {
        {"1.0", 1.0},
        {"-12.0", -12.0},
        {"  12.0   ", 12.0},
        {"2.5E3", 2500.0},
        {"2.5e-3", 0.0025},
        {"1D2", 100.0},
        {"1d+2", 100.0},
        {".5", 0.5},
        {"5.", 5.0},
        {"+4", 4.0},
        {"7", 7.0},
        {"2.0 abc", 2.0}, // trailing words are ignored
        {"2,5", 2.0},     // the comma ends the number
        {"3.0,abc", 3.0},
        {"1e-400", 0.0}, // underflow is a value
        {"", std::nullopt},
        {"     ", std::nullopt},
        {"abc", std::nullopt},
        {"2.0abc", std::nullopt},
        {"1.2.3", std::nullopt},
        {".", std::nullopt},
        {"-", std::nullopt},
        {"E5", std::nullopt},
        {"1E", std::nullopt},
        {"1E+", std::nullopt},
        {"1E5.0", std::nullopt},
        {"--1", std::nullopt},
        {"+-1", std::nullopt},
        {"0x10", std::nullopt},
        {"inf", std::nullopt},
        {"nan", std::nullopt},
        {"1e400", std::nullopt}, // too large for a double
        // The largest double as the result file writes it, rounded up past it by 16 digits.
        {"1.797693134862316E+308", std::numeric_limits<double>::max()},
        {"-1.797693134862316D+308", -std::numeric_limits<double>::max()},
        {"1.7976931348623161E+308", std::nullopt},
        // The same bound written otherwise, and just past it, decided without long double.
        {"0.1797693134862316E+309", std::numeric_limits<double>::max()},
        {"17976931348623160000E+289", std::numeric_limits<double>::max()},
        {"0.00001797693134862316E+313", std::numeric_limits<double>::max()},
        {"1.7976931348623159E+308", std::numeric_limits<double>::max()},
        {"1.797693134862317E+308", std::nullopt},
        {"1.7976931348623160000001E+308", std::nullopt},
        {"-1E400", std::nullopt},
        {"1E99999999999999999999", std::nullopt},
        {",5", std::nullopt},
    };
    for (const auto& c : cases) {
        const auto got = text_to_real(c.text);
        ASSERT_EQ(got.has_value(), c.value.has_value()) << '"' << c.text << '"';
        if (got) {
            EXPECT_EQ(*got, *c.value) << '"' << c.text << '"';
        }
    }
}

TEST(NumberText, IntegersAreDigitsOnly) {
    const struct {
        std::string text;
        std::optional<int> value;
    } cases[] = {
        {"4", 4},
        {"  2", 2},
        {"-3", -3},
        {"+6", 6},
        {"2,5", 2},
        {"2 und mehr", 2},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", std::nullopt},
        {"4.0", std::nullopt},
        {"4.5", std::nullopt},
        {"4E1", std::nullopt},
        {"abc", std::nullopt},
        {"", std::nullopt},
        {"+", std::nullopt},
        {"-", std::nullopt},
        {"+-4", std::nullopt},
        {"4a", std::nullopt},
    };
    for (const auto& c : cases) {
        const auto got = text_to_integer(c.text);
        ASSERT_EQ(got.has_value(), c.value.has_value()) << '"' << c.text << '"';
        if (got) {
            EXPECT_EQ(*got, *c.value) << '"' << c.text << '"';
        }
    }
}

} // namespace
