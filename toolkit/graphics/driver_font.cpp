// The font of graphics text: character cells from the area and the size factors, and a font
// created only when the request differs from the last one.
#include <array>
#include <cmath>

#include "graphics/graphics_state.h"
#include "graphics/screen_driver_internal.h"

namespace tess {

namespace {

// Proportional faces are narrower and shorter than the fixed one for the same cell.
constexpr float ProportionalWidth = 0.589f;
constexpr float ProportionalHeight = 0.821f;

int truncated(float v) {
    if (!std::isfinite(v) || std::fabs(v) > 1e9f) return 0;
    return static_cast<int>(v);
}

// Characters across (or down) the window: the ratio of window to area first, so that an area
// of the whole window holds exactly the characters per area.
float cells(float extent, float perArea, float basisPixels, float factor) {
    if (basisPixels <= 0 || factor <= 0) return perArea;
    return extent / basisPixels * perArea / factor;
}

// Creates the font of a request (typeface, width, height, angle, family); height comes back as
// the font's cell height.
HFONT create_font(int typeface, int width, int& height, int angle, int family) {
    const char* face = family == 1 ? "Arial" : family == 2 ? "Times New Roman" : "Courier New";
    const BYTE kind = family == 1 ? FF_SWISS : family == 2 ? FF_ROMAN : FF_MODERN;
    const int variant = (typeface - 1) % 4; // 0 regular, 1 italic, 2 bold, 3 bold italic
    const bool italic = variant == 1 || variant == 3;
    const int weight = variant >= 2 ? FW_BOLD : FW_NORMAL;
    HFONT font = CreateFontA(-height, width, angle * 10, angle * 10, weight, italic, 0, 0,
                             ANSI_CHARSET, OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             VARIABLE_PITCH | kind, face);
    HDC dc = graphics().driver.hdc;
    const bool screen = dc == nullptr;
    if (screen) dc = GetDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICA tm{};
    if (GetTextMetricsA(dc, &tm)) height = tm.tmHeight;
    if (old) SelectObject(dc, old);
    if (screen) ReleaseDC(nullptr, dc);
    return font;
}

} // namespace

void character_metrics() {
    GraphicsAttributes& s = graphics().state;
    ScreenDriver& d = graphics().driver;
    const float across =
        cells(s.deviceExtent[0], s.charsPerArea[0], s.charBasisPixels[0], s.charFactor[0]);
    const float down =
        cells(s.deviceExtent[1], s.charsPerArea[1], s.charBasisPixels[1], s.charFactor[1]);
    s.charCells = {across, down};
    int width = across > 0 ? truncated(static_cast<float>(s.deviceSize[0]) / across) : 0;
    int height = down > 0 ? truncated(static_cast<float>(s.deviceSize[1]) / down) : 0;
    const int angle = truncated(s.textAngle);
    int family = 0;
    if (s.spacing != 0) {
        family = ((s.fontNumber - 1) % 8 + 4) / 4;
        width = truncated(static_cast<float>(width) * ProportionalWidth);
        height = truncated(static_cast<float>(height) * ProportionalHeight);
    }
    const std::array<int, 5> request{s.fontNumber, width, height, angle, family};
    if (request == d.fontRequest) return;
    d.fontRequest = request;
    if (d.gFont) DeleteObject(d.gFont);
    int actual = height;
    d.gFont = create_font(s.fontNumber, width, actual, angle, family);
    d.textOffset = static_cast<float>(actual - height) / 2.0f;
}

} // namespace tess
