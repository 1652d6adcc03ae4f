#include "graphics/charset_strokes.h"

#include <cstdint>
#include <span>

namespace tess {

namespace {

struct Glyph {
    std::span<const std::uint8_t> commands; // from the character's offset to its part's end
    float cellWidth = 1, cellHeight = 1;
};

// The character's commands and grid, or an empty command span when it is absent.
Glyph glyph_of(const CharacterSet& set, int code) {
    const std::span<const std::uint8_t> all(set.strokes);
    const std::size_t primaryEnd = std::min<std::size_t>(set.primaryBytes, all.size());
    std::int32_t offset = -1;
    std::span<const std::uint8_t> part;
    std::int32_t width = 0, height = 0;
    if (code >= 32 && code < 32 + CharPrimaryCodes) {
        offset = set.primary[code - 32];
        part = all.first(primaryEnd);
        width = set.cells[0];
        height = set.cells[1];
    } else if (set.range == 8 && code >= 160 && code < 160 + CharExtensionCodes) {
        offset = set.extension[code - 160];
        part = all.subspan(primaryEnd);
        width = set.cells[2];
        height = set.cells[3];
    }
    if (offset < 0 || static_cast<std::size_t>(offset) >= part.size() || width <= 0 ||
        height <= 0) {
        return {};
    }
    return {part.subspan(static_cast<std::size_t>(offset)), static_cast<float>(width),
            static_cast<float>(height)};
}

float signed_byte(std::uint8_t b) {
    return static_cast<float>(static_cast<std::int8_t>(b));
}

// Appends the character's segments at origin x; returns its proportional advance in cells.
float interpret(const Glyph& g, float x, std::vector<StrokeSegment>& out) {
    const auto& c = g.commands;
    float penX = 0, penY = 0;
    std::size_t i = 0;
    while (i < c.size()) {
        const std::uint8_t op = c[i];
        if (op == 'e' && i + 1 < c.size()) return signed_byte(c[i + 1]) / g.cellWidth;
        if ((op != 'u' && op != 'v') || i + 2 >= c.size()) break;
        const float nx = signed_byte(c[i + 1]), ny = signed_byte(c[i + 2]);
        if (op == 'v') {
            out.push_back({x + penX / g.cellWidth, penY / g.cellHeight, x + nx / g.cellWidth,
                           ny / g.cellHeight});
        }
        penX = nx;
        penY = ny;
        i += 3;
    }
    return 1.0f;
}

} // namespace

StrokeText charset_text_strokes(const CharacterSet& set, std::string_view text, bool proportional) {
    StrokeText result;
    if (set.kind == 0) return result;
    for (const char ch : text) {
        const Glyph g = glyph_of(set, static_cast<unsigned char>(ch));
        const float advance =
            g.commands.empty() ? 1.0f : interpret(g, result.width, result.segments);
        result.width += proportional ? advance : 1.0f;
    }
    return result;
}

} // namespace tess
