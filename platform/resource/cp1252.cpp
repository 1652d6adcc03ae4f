#include "resource/cp1252.h"

#include <array>

namespace plat {

namespace {

// 0x80-0x9F; the five unassigned bytes map to the C1 control of the same value, as Windows
// converts them.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char to_cp1252(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (std::size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] == c) return static_cast<char>(0x80 + i);
    return '?';
}

} // namespace

char16_t cp1252_to_utf16(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x80 && byte < 0xA0) return kHigh[byte - 0x80];
    return byte;
}

std::u16string cp1252_to_utf16(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (char c : text)
        out.push_back(cp1252_to_utf16(c));
    return out;
}

std::string utf16_to_cp1252(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        const bool pair = c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() &&
                          text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000;
        if (pair) ++i;
        out.push_back(to_cp1252(c));
    }
    return out;
}

} // namespace plat
