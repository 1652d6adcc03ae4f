#include "public/strint.h"

#include "util/error_record.h"

namespace {

constexpr int ErrorOverflow = 4;
constexpr int ErrorBlank = 10;
constexpr int ErrorNotDigit = 12;

bool is_blank_or_nul(char c) {
    return c == ' ' || c == '\0';
}

void shift_case(TextRef text, char from_first, char from_last, int delta) {
    char* p = text.mutable_data();
    if (!p) return;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (p[i] >= from_first && p[i] <= from_last) p[i] = static_cast<char>(p[i] + delta);
}

bool code_has(TextRef code, char upper) {
    for (char c : code.view())
        if (c == upper || c == upper + ('a' - 'A')) return true;
    return false;
}

} // namespace

int IActualLength(TextRef text) {
    for (std::size_t i = text.size(); i > 0; --i)
        if (!is_blank_or_nul(text[i - 1])) return static_cast<int>(i);
    return 0;
}

int ILocateChar(TextRef text) {
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!is_blank_or_nul(text[i])) return static_cast<int>(i + 1);
    return 0;
}

void ILocateString(TextRef text, int& first, int& last) {
    first = 0;
    last = 0;
    const std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n && text[i] == ' ')
        ++i;
    if (i == n) return;
    first = static_cast<int>(i + 1);
    while (i < n && text[i] != ' ')
        ++i;
    last = static_cast<int>(i);
}

void ILowerCase(TextRef text) {
    shift_case(text, 'A', 'Z', 'a' - 'A');
}
void IUpperCase(TextRef text) {
    shift_case(text, 'a', 'z', 'A' - 'a');
}

void IJustifyString(TextRef text, TextRef code) {
    char* p = text.mutable_data();
    const int n = static_cast<int>(text.size());
    const int last = IActualLength(text);
    if (!p || last == 0) return;
    const int first = ILocateChar(text);
    const int length = last - first + 1;
    if (length == n) return;

    int target;
    bool forwards;
    if (code_has(code, 'L')) {
        if (first == 1) return;
        target = 1;
        forwards = true;
    } else if (code_has(code, 'R')) {
        if (last == n) return;
        target = n - length + 1;
        forwards = false;
    } else {
        target = (n - length) / 2 + 1;
        forwards = first - 1 >= n - last;
    }

    // Each source is blanked before its character lands, and the direction of the walk keeps
    // every character from being overwritten before it has moved.
    for (int k = 0; k < length; ++k) {
        const int offset = forwards ? k : length - 1 - k;
        const char c = p[first - 1 + offset];
        p[first - 1 + offset] = ' ';
        p[target - 1 + offset] = c;
    }
}

void IStringToInteger(TextRef text, int& value) {
    value = 0;
    int first, last;
    ILocateString(text, first, last);
    if (first == 0) {
        xxerror_(ErrorBlank);
        return;
    }
    int start = first;
    const char sign = text[first - 1];
    if (sign == '-' || sign == '+') ++start;
    for (int i = start; i <= last; ++i) {
        if (text[i - 1] < '0' || text[i - 1] > '9') {
            xxerror_(ErrorNotDigit);
            return;
        }
    }
    const int digits = last - start + 1;
    if (digits <= 0) return;
    int power = digits - 1;
    if (power > 9 || (power == 9 && text[start - 1] > '2')) {
        xxerror_(ErrorOverflow);
        return;
    }
    constexpr int powers[] = {1,      10,      100,      1000,      10000,
                              100000, 1000000, 10000000, 100000000, 1000000000};
    int sum = 0;
    for (int i = start; i <= last; ++i, --power) {
        const long long term = static_cast<long long>(text[i - 1] - '0') * powers[power];
        if (term > 2147483647LL - sum) {
            xxerror_(ErrorOverflow);
            return;
        }
        sum += static_cast<int>(term);
    }
    value = sign == '-' ? -sum : sum;
}
