// Builds character files from glyph strokes, in the stroke encoding of
// toolkit/graphics/charset_strokes.h. The tests build their own sets with it, and the
// charfile_gen tool writes the standard set the examples draw with.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace charfile {

struct Point {
    int x = 0, y = 0; // grid steps, y up from the baseline; each fits a signed byte
};

struct Glyph {
    std::vector<std::vector<Point>> lines; // polylines, each drawn from its first point on
    int advance = 0;                       // grid steps for proportional spacing
};

struct Spec {
    std::array<int, 2> cells{6, 8};          // grid of the primary cell: width, height
    std::array<int, 2> extensionCells{6, 8}; // grid of the extension's cell
    bool cellPair = true;                    // write fields 6 and 7
    bool eightBit = false;                   // write fields 8 to 10
    std::map<int, Glyph> glyphs;             // codes 32 to 126 and 160 to 255; others absent
};

// The commands of one glyph: 'u' x y, 'v' x y for each point, 'e' advance.
std::string encode_glyph(const Glyph& glyph);
// The complete file; codes without a glyph get the offset -1.
std::string build(const Spec& spec);
// Overwrites a 32-bit little-endian integer at pos (for files with broken fields).
void put_le32(std::string& bytes, std::size_t pos, std::int32_t value);

// Where the fields start in a built file, for tests that break them.
constexpr std::size_t PrimaryLengthAt = 0;
constexpr std::size_t PrimaryOffsetsAt = 12;
constexpr std::size_t PrimaryDataAt = PrimaryOffsetsAt + 4 * 95;

// The built-in set: capitals, digits, punctuation, small letters as short capitals and, in the
// eight-bit variant, the German letters and the degree sign.
Spec standard_font(bool eightBit);

} // namespace charfile
