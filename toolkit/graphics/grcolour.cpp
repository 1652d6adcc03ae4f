// Colour numbers: the current colour and the mapping of the 256 colour numbers onto the
// device's colours.
#include <array>

#include "graphics/graphics_state.h"
#include "graphics/grstate.h"
#include "util/error_record.h"

namespace tess {

namespace {

// The 8-entry colour tables; table 0 orders the hues as the full 256-colour table does.
constexpr std::array<std::array<int, 8>, 2> ColourTable{{
    {0, 4, 6, 2, 3, 1, 5, 7},
    {0, 5, 3, 4, 1, 6, 2, 7},
}};

} // namespace

int xxcoln_(int index, int table) {
    if (index < 0 || index > 15 || table < 0 || table > 1) return -1;
    const int base =
        ColourTable[static_cast<std::size_t>(table)][static_cast<std::size_t>(index % 8)];
    return index >= 8 ? base + 8 : base;
}

int xxcnum_(int colour) {
    const int nc = graphics().state.deviceColours;
    if (nc == 256) return colour % 256;
    if (colour == 0) return 0;
    if (nc <= 2) return 1;
    // Bands of 32 colour numbers centred on multiples of 32 share one hue.
    const int hue = ColourTable[0][static_cast<std::size_t>(((colour + 16) / 32) % 8 + 8) % 8];
    if (nc <= 8) return hue;
    if (nc == 16) return (colour + 16) % 32 < 16 ? hue + 8 : hue;
    return static_cast<int>(static_cast<long long>(colour) * nc / 256);
}

void xxcolourn_(int colour) {
    if (colour < 0 || colour > 255) {
        xxerror_(42);
        return;
    }
    GraphicsAttributes& s = graphics().state;
    s.previousColour = s.colour;
    s.previousDeviceColour = s.deviceColour;
    s.colour = colour;
    s.deviceColour = xxcnum_(colour);
    xxgdrv_(3);
    xxhdrv_(3);
}

} // namespace tess
