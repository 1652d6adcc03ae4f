// The built-in stroke font on a 4 x 6 grid in a 6 x 8 cell. A glyph is written as polylines
// separated by '|', each point two digits "xy".
#include <algorithm>
#include <cmath>
#include <utility>

#include "charfile_writer.h"

namespace charfile {

namespace {

constexpr std::pair<char, const char*> Capitals[] = {
    {'A', "00 26 40|13 33"},
    {'B', "00 06 36 45 44 33 03|33 42 41 30 00"},
    {'C', "41 30 10 01 05 16 36 45"},
    {'D', "00 06 36 45 41 30 00"},
    {'E', "40 00 06 46|03 33"},
    {'F', "00 06 46|03 33"},
    {'G', "45 36 16 05 01 10 30 41 43 23"},
    {'H', "00 06|40 46|03 43"},
    {'I', "10 30|20 26|16 36"},
    {'J', "01 10 30 41 46"},
    {'K', "00 06|46 02|13 40"},
    {'L', "06 00 40"},
    {'M', "00 06 23 46 40"},
    {'N', "00 06 40 46"},
    {'O', "10 01 05 16 36 45 41 30 10"},
    {'P', "00 06 36 45 44 33 03"},
    {'Q', "10 01 05 16 36 45 41 30 10|22 40"},
    {'R', "00 06 36 45 44 33 03|23 40"},
    {'S', "01 10 30 41 42 33 13 04 05 16 36 45"},
    {'T', "06 46|20 26"},
    {'U', "06 01 10 30 41 46"},
    {'V', "06 20 46"},
    {'W', "06 10 23 30 46"},
    {'X', "00 46|06 40"},
    {'Y', "06 23 46|23 20"},
    {'Z', "06 46 00 40"},
};

constexpr std::pair<char, const char*> Others[] = {
    {'0', "10 01 05 16 36 45 41 30 10|01 45"},
    {'1', "14 26 20|10 30"},
    {'2', "05 16 36 45 44 00 40"},
    {'3', "05 16 36 45 44 33 13|33 42 41 30 10 01"},
    {'4', "30 36 02 42"},
    {'5', "46 06 04 34 43 41 30 10 01"},
    {'6', "45 36 16 05 01 10 30 41 42 33 03"},
    {'7', "06 46 20"},
    {'8', "13 04 05 16 36 45 44 33 13 02 01 10 30 41 42 33"},
    {'9', "01 10 30 41 45 36 16 05 04 13 43"},
    {' ', ""},
    {'.', "20 21"},
    {',', "21 10"},
    {':', "21 22|24 25"},
    {';', "10 21 22|24 25"},
    {'-', "13 33"},
    {'+', "13 33|22 24"},
    {'=', "12 32|14 34"},
    {'/', "00 46"},
    {'(', "30 21 25 36"},
    {')', "10 21 25 16"},
    {'!', "20 21|23 26"},
    {'?', "05 16 36 45 44 23 22|20 21"},
    {'\'', "25 26"},
    {'*', "13 33|22 24|12 34|14 32"},
    {'_', "00 40"},
    {'<', "43 12 41"},
    {'>', "03 32 01"},
};

// Extension glyphs: a base letter and what is drawn above it.
constexpr int Degree = 176;
constexpr struct {
    int code;
    char base;
} Umlauts[] = {{196, 'A'}, {214, 'O'}, {220, 'U'}, {228, 'a'}, {246, 'o'}, {252, 'u'}};
constexpr int SharpS = 223;

Glyph parse(const char* text) {
    Glyph g;
    g.lines.emplace_back();
    int right = 0;
    for (const char* p = text; *p; ++p) {
        if (*p == '|') {
            g.lines.emplace_back();
        } else if (*p >= '0' && *p <= '9' && p[1] >= '0' && p[1] <= '9') {
            g.lines.back().push_back({*p - '0', p[1] - '0'});
            right = std::max(right, *p - '0');
            ++p;
        }
    }
    if (g.lines.back().empty()) g.lines.pop_back();
    g.advance = g.lines.empty() ? 4 : right + 2;
    return g;
}

// Small letters are the capitals at two thirds of their height.
Glyph small(Glyph g) {
    for (auto& line : g.lines)
        for (auto& p : line)
            p.y = static_cast<int>(std::lround(p.y * 2.0 / 3.0));
    return g;
}

} // namespace

Spec standard_font(bool eightBit) {
    Spec spec;
    spec.eightBit = eightBit;
    for (const auto& [c, strokes] : Capitals) {
        spec.glyphs[c] = parse(strokes);
        spec.glyphs[c - 'A' + 'a'] = small(parse(strokes));
    }
    for (const auto& [c, strokes] : Others)
        spec.glyphs[c] = parse(strokes);
    if (!eightBit) return spec;
    for (const auto& u : Umlauts) {
        Glyph g = spec.glyphs[u.base];
        const int top = u.base >= 'a' ? 5 : 7;
        g.lines.push_back({{1, top}, {1, top + 1}});
        g.lines.push_back({{3, top}, {3, top + 1}});
        spec.glyphs[u.code] = g;
    }
    spec.glyphs[SharpS] = parse("00 05 16 36 45 44 33|33 42 41 30 10");
    spec.glyphs[Degree] = parse("25 16 27 36 25");
    return spec;
}

} // namespace charfile
