// The Fortran example's numbers: the conversion of the fields' texts and the 16 significant
// digits of the result file.
#include <gtest/gtest.h>

#include <limits>
#include <string>

extern "C" {
void fx_sixteen_digits(double v, char* text, int* n);
int fx_text_to_real(const char* text, int n, double* value);
int fx_text_to_integer(const char* text, int n, int* value);
}

namespace {

std::string sixteen_digits(double v) {
    char text[40];
    int n = 0;
    fx_sixteen_digits(v, text, &n);
    return std::string(text, static_cast<std::size_t>(n));
}

TEST(FortranNumbers, SixteenSignificantDigitsFixedOrScientific) {
    const struct {
        double v;
        const char* text;
    } cases[] = {
        {1.0, "1.000000000000000"},
        {-12.0, "-12.00000000000000"},
        {0.5, "0.5000000000000000"},
        {-0.5, "-0.5000000000000000"},
        {0.0, "0.000000000000000E+00"},
        {0.05, "5.000000000000000E-02"},
        {0.1, "0.1000000000000000"},
        {-0.8626814706838392, "-0.8626814706838392"},
        {11.999999999999996, "12.00000000000000"},    // rounded to 16 digits
        {0.099999999999999999, "0.1000000000000000"}, // the nearest double to 0.1
        {9999999999999998.0, "9999999999999998."},
        {1e16, "1.000000000000000E+16"},
        {-2.5e-7, "-2.500000000000000E-07"},
        {1e-100, "1.000000000000000E-100"},
        {1.7976931348623157e308, "1.797693134862316E+308"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(sixteen_digits(c.v), c.text) << c.v;
}

TEST(FortranNumbers, FieldTextsConvertByTheirFirstWord) {
    const struct {
        const char* text;
        bool real;
        double realValue;
        bool integer;
        int integerValue;
    } cases[] = {
        {"1", true, 1.0, true, 1},
        {"  -12.0   ", true, -12.0, false, 0},
        {"2.5E3", true, 2500.0, false, 0},
        {"1.0D0", true, 1.0, false, 0},
        {".5", true, 0.5, false, 0},
        {"+7", true, 7.0, true, 7},
        {"2.0 abc", true, 2.0, false, 0},
        {"2,5", true, 2.0, true, 2},
        {"4 5", true, 4.0, true, 4},
        {"", false, 0, false, 0},
        {"   ", false, 0, false, 0},
        {"abc", false, 0, false, 0},
        {"4.0", true, 4.0, false, 0},
        {"1*5", false, 0, false, 0}, // a repeat count of list-directed input
        {"/", false, 0, false, 0},   // ends list-directed input
        {"Inf", false, 0, false, 0},
        {"-", false, 0, false, 0},
        {"1e", false, 0, false, 0},
        {"1.5e+", false, 0, false, 0},
        {"99999999999", true, 99999999999.0, false, 0}, // beyond a 32-bit integer
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("\"") + c.text + "\"");
        const int n = static_cast<int>(std::char_traits<char>::length(c.text));
        double real = -99.0;
        EXPECT_EQ(fx_text_to_real(c.text, n, &real), c.real ? 1 : 0);
        EXPECT_EQ(real, c.real ? c.realValue : -99.0);
        int integer = -99;
        EXPECT_EQ(fx_text_to_integer(c.text, n, &integer), c.integer ? 1 : 0);
        EXPECT_EQ(integer, c.integer ? c.integerValue : -99);
    }
}

} // namespace
