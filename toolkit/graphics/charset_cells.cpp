// The hardware set and the character cells of the graphics area.
#include "graphics/charset.h"
#include "graphics/grstate.h"

namespace tess {

int xxichar_(char c) {
    return static_cast<unsigned char>(c);
}

void charset_use_hardware() {
    graphics().charsets.current.kind = 0;
    xxcharcells_();
}

std::array<float, 2> charset_cell_counts() {
    const auto& s = graphics().state;
    std::array<float, 2> counts{};
    for (int i = 0; i < 2; ++i) {
        const float factor = s.charFactor[i] > 0 ? s.charFactor[i] : 1.0f;
        // Before the area has been measured in pixels its share of the window stands in.
        const float ratio = s.charBasisPixels[i] > 0 && s.deviceExtent[i] > 0
                                ? s.deviceExtent[i] / s.charBasisPixels[i]
                                : 1.0f / (s.areaSize[i] > 0 ? s.areaSize[i] : 1.0f);
        counts[static_cast<std::size_t>(i)] = s.charsPerArea[i] * ratio / factor;
    }
    return counts;
}

void xxcharcells_() {
    auto& s = graphics().state;
    if (s.screenGraphics > 0) {
        // The driver measures and, for the hardware characters, remakes its font.
        xxgdrv_(graphics().charsets.current.kind == 0 ? 25 : 21);
        return;
    }
    s.charCells = charset_cell_counts();
}

} // namespace tess
