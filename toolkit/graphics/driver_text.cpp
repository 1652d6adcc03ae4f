// Text of the screen driver: the hardware font, or the strokes of a loaded character set.
#include <algorithm>
#include <cmath>

#include "graphics/driver_draw.h"
#include "graphics/graphics_state.h"

namespace tess {

namespace {

UINT horizontal_alignment(int justify) {
    switch (justify) {
    case 1:
        return TA_LEFT;
    case 2:
        return TA_RIGHT;
    default:
        return TA_CENTER;
    }
}

// Restores what hardware text changes in the drawing context.
class TextAttributes {
public:
    explicit TextAttributes(HDC hdc, HFONT font, COLORREF colour, UINT align)
        : hdc_(hdc), font_(font ? SelectObject(hdc, font) : nullptr),
          colour_(SetTextColor(hdc, colour)), mode_(SetBkMode(hdc, TRANSPARENT)),
          align_(SetTextAlign(hdc, align)) {}
    ~TextAttributes() {
        SetTextAlign(hdc_, align_);
        SetBkMode(hdc_, mode_);
        SetTextColor(hdc_, colour_);
        if (font_) SelectObject(hdc_, font_);
    }
    TextAttributes(const TextAttributes&) = delete;
    TextAttributes& operator=(const TextAttributes&) = delete;

private:
    HDC hdc_;
    HGDIOBJ font_;
    COLORREF colour_;
    int mode_;
    UINT align_;
};

void hardware_text(DevicePoint at, std::string_view text) {
    const Graphics& g = graphics();
    const HDC hdc = g.driver.hdc;
    TextAttributes attributes(hdc, g.driver.gFont, g.driver.penColour,
                              TA_TOP | horizontal_alignment(g.state.justify));
    // The cell is centred on the point: half the requested height plus half of what the font
    // came out taller.
    double half = 0;
    if (g.driver.fontRequest[2] > 0) {
        half = g.driver.fontRequest[2] / 2.0 + g.driver.textOffset;
    } else {
        TEXTMETRICA tm{};
        GetTextMetricsA(hdc, &tm);
        half = tm.tmHeight / 2.0;
    }
    const POINT p = xxpixel_(at);
    TextOutA(hdc, p.x, static_cast<int>(std::lround(at.y - half)), text.data(),
             static_cast<int>(text.size()));
}

} // namespace

void xxmwintext_(float x, float y, std::string_view text) {
    if (!xxcandraw_() || text.empty()) return;
    hardware_text(xxu2p_(x, y), text);
}

} // namespace tess
