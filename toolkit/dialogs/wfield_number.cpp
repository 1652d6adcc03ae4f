#include "dialogs/wfield_number.h"

namespace {

// Beyond this many decimal places every double has become 0 or infinite, so larger exponents
// are held here: a typed exponent of any length neither overflows nor loops for long.
constexpr int ExponentLimit = 400;

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

int saturate(long long exponent) {
    if (exponent > ExponentLimit) return ExponentLimit;
    if (exponent < -ExponentLimit) return -ExponentLimit;
    return static_cast<int>(exponent);
}

} // namespace

double yyAsciiToDouble(const char* text, int& valid) {
    valid = 0;
    if (!text) return 0.0;
    const char* p = text;
    while (*p == ' ' || *p == '\t')
        ++p;
    bool negative = false;
    if (*p == '+' || *p == '-') negative = *p++ == '-';

    double value = 0.0;
    long long exponent = 0;
    bool point = false;
    for (;; ++p) {
        if (is_digit(*p)) {
            value = value * 10.0 + (*p - '0');
            if (point) exponent = saturate(exponent - 1);
        } else if (*p == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }

    if (*p == 'e' || *p == 'E' || *p == 'd' || *p == 'D') {
        ++p;
        bool negativeExponent = false;
        if (*p == '+' || *p == '-') negativeExponent = *p++ == '-';
        long long typed = 0;
        for (; is_digit(*p); ++p)
            typed = saturate(typed * 10 + (*p - '0'));
        exponent = saturate(exponent + (negativeExponent ? -typed : typed));
    }

    for (; exponent < 0; ++exponent)
        value *= 0.1;
    for (; exponent > 0; --exponent)
        value *= 10.0;

    valid = *p == '\0' ? 1 : 0;
    return negative ? -value : value;
}
