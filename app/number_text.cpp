#include "number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace formaldrix {

namespace {

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

bool ends_number(char c) {
    return c == ' ' || c == ',';
}

std::size_t skip_blanks(std::string_view text, std::size_t i) {
    while (i < text.size() && text[i] == ' ')
        ++i;
    return i;
}

// The number's characters: from the first non-blank up to a blank, a comma or the end.
std::string_view number_part(std::string_view text, std::size_t& end) {
    const std::size_t start = skip_blanks(text, 0);
    end = start;
    while (end < text.size() && !ends_number(text[end]))
        ++end;
    return text.substr(start, end - start);
}

std::size_t skip_digits(std::string_view s, std::size_t i) {
    while (i < s.size() && is_digit(s[i]))
        ++i;
    return i;
}

std::size_t skip_sign(std::string_view s, std::size_t i) {
    return (i < s.size() && (s[i] == '+' || s[i] == '-')) ? i + 1 : i;
}

// True when s is a whole real in the accepted syntax; the D exponent becomes E in c_form so
// the standard conversion can take it.
bool well_formed_real(std::string_view s, std::string& c_form) {
    std::size_t i = skip_sign(s, 0);
    const std::size_t int_start = i;
    i = skip_digits(s, i);
    std::size_t digits = i - int_start;
    if (i < s.size() && s[i] == '.') {
        const std::size_t frac_start = ++i;
        i = skip_digits(s, i);
        digits += i - frac_start;
    }
    if (digits == 0) return false;
    const std::size_t mantissa_end = i;
    if (i < s.size()) {
        const char e = s[i];
        if (e != 'E' && e != 'e' && e != 'D' && e != 'd') return false;
        i = skip_sign(s, i + 1);
        const std::size_t exp_start = i;
        i = skip_digits(s, i);
        if (i == exp_start || i != s.size()) return false;
    }
    c_form.assign(s);
    if (mantissa_end < c_form.size()) c_form[mantissa_end] = 'E';
    // from_chars takes no leading plus.
    if (!c_form.empty() && c_form[0] == '+') c_form.erase(0, 1);
    return true;
}

// Whether the real in c_form (sign, digits with an optional point, an optional E exponent) is
// at most 1.797693134862316E+308 in magnitude. Compared digit by digit: long double is no wider
// than double on some platforms (and under valgrind), where it cannot tell 1e400 from it.
bool within_largest_written(std::string_view c_form) {
    constexpr std::string_view LargestDigits = "1797693134862316"; // 0.1797693134862316E+309
    constexpr long LargestExponent = 309;
    constexpr long ExponentCap = 100000; // far beyond any double, and no overflow below it
    std::size_t i = skip_sign(c_form, 0);
    // The value is 0.<digits> times ten to the power exponent.
    std::string digits;
    long exponent = 0;
    bool point = false;
    for (; i < c_form.size() && c_form[i] != 'E'; ++i) {
        const char c = c_form[i];
        if (c == '.') {
            point = true;
        } else if (digits.empty() && c == '0') {
            if (point) --exponent;
        } else {
            digits += c;
            if (!point) ++exponent;
        }
    }
    if (i < c_form.size()) {
        const bool negative = i + 1 < c_form.size() && c_form[i + 1] == '-';
        long written = 0;
        for (i = skip_sign(c_form, i + 1); i < c_form.size(); ++i)
            written = std::min(ExponentCap, written * 10 + (c_form[i] - '0'));
        exponent += negative ? -written : written;
    }
    while (!digits.empty() && digits.back() == '0')
        digits.pop_back();
    if (digits.empty()) return true;
    if (exponent != LargestExponent) return exponent < LargestExponent;
    // Without trailing zeros, digit strings of the same exponent order as their values.
    return digits <= LargestDigits;
}

} // namespace

std::optional<ScannedReal> scan_real(std::string_view text) {
    std::size_t end = 0;
    const std::string_view s = number_part(text, end);
    std::string c_form;
    if (!well_formed_real(s, c_form)) return std::nullopt;
    double value = 0;
    const auto [ptr, ec] = std::from_chars(c_form.data(), c_form.data() + c_form.size(), value);
    // Out of range: from_chars reports overflow; underflow to zero is a value like any other.
    if (ec == std::errc::result_out_of_range) {
        value = std::strtod(c_form.c_str(), nullptr);
        if (std::isinf(value)) {
            // The largest double written with 16 digits rounds up past it; reading that back
            // as the largest double lets every value the result file holds be read again.
            if (!within_largest_written(c_form)) return std::nullopt;
            value = std::copysign(std::numeric_limits<double>::max(), value);
        }
    } else if (ec != std::errc{} || ptr != c_form.data() + c_form.size()) {
        return std::nullopt;
    }
    return ScannedReal{value, end};
}

std::optional<double> text_to_real(std::string_view text) {
    const auto scanned = scan_real(text);
    if (!scanned) return std::nullopt;
    return scanned->value;
}

std::optional<int> text_to_integer(std::string_view text) {
    std::size_t end = 0;
    const std::string_view s = number_part(text, end);
    const std::size_t digits = skip_sign(s, 0);
    if (digits == s.size() || skip_digits(s, digits) != s.size()) return std::nullopt;
    // from_chars takes a minus but no plus.
    const std::size_t from = s[0] == '+' ? 1 : 0;
    int value = 0;
    const auto [ptr, ec] = std::from_chars(s.data() + from, s.data() + s.size(), value);
    if (ec != std::errc{} || ptr != s.data() + s.size()) return std::nullopt;
    return value;
}

} // namespace formaldrix
