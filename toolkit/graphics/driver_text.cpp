// Text of the screen driver: the hardware font, or the strokes of a loaded character set.
#include <algorithm>
#include <cmath>

#include "graphics/charset_strokes.h"
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
    TextOutA(hdc, p.x, static_cast<int>(std::lround(xxsaturate_(at.y - half))), text.data(),
             static_cast<int>(text.size()));
}

// The strokes scaled to the character cell of the current size, drawn with the pen in the
// current line type and plot mode.
void stroke_text(DevicePoint at, std::string_view text) {
    const Graphics& g = graphics();
    const GraphicsAttributes& s = g.state;
    const StrokeText strokes = charset_text_strokes(g.charsets.current, text, s.spacing == 1);
    if (s.charCells[0] <= 0 || s.charCells[1] <= 0) return;
    const double cellWidth = s.deviceSize[0] / s.charCells[0];
    const double cellHeight = s.deviceSize[1] / s.charCells[1];
    double left = at.x;
    if (s.justify == 2)
        left -= strokes.width * cellWidth;
    else if (s.justify != 1)
        left -= strokes.width * cellWidth / 2;
    // The cell's middle on the point: the baseline half a cell below it.
    const double baseline = at.y + cellHeight / 2;
    auto device = [&](float cx, float cy) {
        return DevicePoint{left + cx * cellWidth, baseline - cy * cellHeight};
    };
    const HDC hdc = g.driver.hdc;
    const double w = s.deviceSize[0], h = s.deviceSize[1];
    for (std::size_t i = 0; i < strokes.segments.size(); ++i) {
        const StrokeSegment& seg = strokes.segments[i];
        DevicePoint a = device(seg.x1, seg.y1), b = device(seg.x2, seg.y2);
        if (!xxclipline_(a, b, -1, -1, w + 1, h + 1)) continue;
        const POINT from = xxpixel_(a), to = xxpixel_(b);
        MoveToEx(hdc, from.x, from.y, nullptr);
        LineTo(hdc, to.x, to.y);
        // A stroke that does not go on from here ends with its own last pixel.
        const bool continues = i + 1 < strokes.segments.size() &&
                               strokes.segments[i + 1].x1 == seg.x2 &&
                               strokes.segments[i + 1].y1 == seg.y2;
        if (!continues) LineTo(hdc, to.x + 1, to.y);
    }
}

} // namespace

void xxmwintext_(float x, float y, std::string_view text) {
    if (!xxcandraw_() || text.empty()) return;
    if (graphics().charsets.current.kind == 0)
        hardware_text(xxu2p_(x, y), text);
    else
        stroke_text(xxu2p_(x, y), text);
}

} // namespace tess
