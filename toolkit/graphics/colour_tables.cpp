// The colour scheme behind the 256 colour numbers and the smaller tables derived from it.
#include <cstdint>

#include "graphics/colour_tables.h"
#include "graphics/grstate.h"
#include "graphics/palette.h"

namespace tess {

namespace {

// Hue bands in the order of the colour numbers: each band is 16 bright then 16 dark numbers.
struct Hue {
    bool r, g, b;
};
constexpr Hue bandHues[6] = {{true, false, false}, {true, true, false},  {false, true, false},
                             {false, true, true},  {false, false, true}, {true, false, true}};

Rgb grey(int v) {
    const auto c = static_cast<std::uint8_t>(v);
    return {c, c, c};
}

Rgb scheme_colour(int n) {
    const int j = n % 16;
    if (n < 16) return grey(255 - 4 * j);
    if (n >= 208) {
        static constexpr int top[3] = {60, 124, 191};
        return grey(top[(n - 208) / 16] - 4 * j);
    }
    const int run = n / 16 - 1; // 0 .. 11: bright and dark halves of the six hues
    const Hue& hue = bandHues[run / 2];
    const auto v = static_cast<std::uint8_t>((run % 2 == 0 ? 195 : 131) + 4 * j);
    return {hue.r ? v : std::uint8_t{0}, hue.g ? v : std::uint8_t{0}, hue.b ? v : std::uint8_t{0}};
}

constexpr Rgb sixteenColours[16] = {{255, 255, 255}, {0, 0, 191},   {0, 191, 0},   {0, 191, 191},
                                    {191, 0, 0},     {191, 0, 191}, {191, 191, 0}, {64, 64, 64},
                                    {191, 191, 191}, {0, 0, 255},   {0, 255, 0},   {0, 255, 255},
                                    {255, 0, 0},     {255, 0, 255}, {255, 255, 0}, {0, 0, 0}};

bool reduced_count(int nc) {
    return nc >= 32 && nc <= ReducedColoursMax;
}

void read_entry(const Rgb& c, int& red, int& green, int& blue) {
    red = c.r;
    green = c.g;
    blue = c.b;
}

} // namespace

Rgb scheme_sample(const ColourTables& tables, int k, int nc) {
    // The brightest of each run of s numbers inside the hue bands, the first in the outer greys.
    const int s = 256 / nc;
    const int i = k * s;
    return tables.full[static_cast<std::size_t>(i < 16 || i > 239 ? i : i + s - 1)];
}

void xxpali_() {
    ColourTables& t = graphics().colours;
    for (int n = 0; n < ToolkitColours; ++n)
        t.full[static_cast<std::size_t>(n)] = scheme_colour(n);
    for (int i = 0; i < 16; ++i)
        t.sixteen[static_cast<std::size_t>(i)] = sixteenColours[i];
    const int nc = graphics().state.deviceColours;
    if (reduced_count(nc))
        for (int k = 0; k < nc; ++k)
            t.reduced[static_cast<std::size_t>(k)] = scheme_sample(t, k, nc);
    t.filled = true;
    // A device palette defined before the tables were filled must not keep the empty colours.
    if (!t.device.empty()) xxmwindefinepalette(1);
}

// Out-of-range indices are refused: the outputs keep what the caller put there.
void xxpalg_(int colour, int& red, int& green, int& blue) {
    if (colour < 0 || colour >= ToolkitColours) return;
    read_entry(graphics().colours.full[static_cast<std::size_t>(colour)], red, green, blue);
}

void xxpalg16_(int index, int& red, int& green, int& blue) {
    if (index < 0 || index >= StandardPaletteColours) return;
    read_entry(graphics().colours.sixteen[static_cast<std::size_t>(index)], red, green, blue);
}

void xxpalg32_(int index, int& red, int& green, int& blue) {
    if (index < 0 || index >= ReducedColoursMax) return;
    read_entry(graphics().colours.reduced[static_cast<std::size_t>(index)], red, green, blue);
}

void xxpals_(int colour, int red, int green, int blue) {
    if (colour < 0 || colour >= ToolkitColours) return;
    ColourTables& t = graphics().colours;
    const Rgb c{static_cast<std::uint8_t>(red), static_cast<std::uint8_t>(green),
                static_cast<std::uint8_t>(blue)};
    t.full[static_cast<std::size_t>(colour)] = c;
    // The same device index the 16-colour mapping gives this number.
    const int band = ((colour + 16) / 32) % 8;
    const int d = xxcoln_(band + ((colour / 16) % 2 == 1 ? 8 : 0), 0);
    if (d >= 0 && d < StandardPaletteColours) t.sixteen[static_cast<std::size_t>(d)] = c;
    const int nc = graphics().state.deviceColours;
    if (reduced_count(nc)) t.reduced[static_cast<std::size_t>(colour * nc / 256)] = c;
}

} // namespace tess
