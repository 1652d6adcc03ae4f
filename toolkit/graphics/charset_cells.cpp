// The hardware set and the character cells of the graphics area.
#include "graphics/charset.h"

namespace tess {

int xxichar_(char c) {
    return static_cast<unsigned char>(c);
}

void charset_use_hardware() {
    graphics().charsets.current.kind = 0;
    xxcharcells_();
}

void xxcharcells_() {
    auto& s = graphics().state;
    for (int i = 0; i < 2; ++i) {
        // Before the driver has measured the area its share of the window stands in.
        const float ratio = s.areaPixels[i] > 0 && s.deviceExtent[i] > 0
                                ? s.deviceExtent[i] / s.areaPixels[i]
                                : 1.0f / (s.areaSize[i] > 0 ? s.areaSize[i] : 1.0f);
        s.charCells[i] = s.charsPerArea[i] * ratio / s.charFactor[i];
    }
}

} // namespace tess
