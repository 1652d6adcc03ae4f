// The screen driver's pen and mix mode: colour, line style and plot mode reach the context.
#include <array>

#include "graphics/graphics_state.h"
#include "graphics/screen_driver.h"
#include "graphics/screen_driver_internal.h"

namespace tess {

namespace {

constexpr std::array<int, 4> PlotModes{R2_COPYPEN, R2_MERGEPEN, R2_MASKPEN, R2_XORPEN};
constexpr std::array<int, 7> LineStyles{PS_SOLID,      PS_DOT,     PS_DASH, PS_DASHDOT,
                                        PS_DASHDOTDOT, PS_DASHDOT, PS_DASH};

} // namespace

void replace_pen() {
    ScreenDriver& d = graphics().driver;
    HPEN pen = CreatePen(d.gLinetype, 1, d.penColour);
    if (d.hdc) {
        const HGDIOBJ old = SelectObject(d.hdc, pen);
        if (!d.gPen) d.penOLD = static_cast<HPEN>(old);
    }
    if (d.gPen) DeleteObject(d.gPen);
    d.gPen = pen;
}

void xxmwincolour_(int index, int red, int green, int blue) {
    ScreenDriver& d = graphics().driver;
    d.colourIndex = index;
    d.previousPenColour = d.penColour;
    if (graphics().colours.gPal256) {
        d.penColour = PALETTEINDEX(static_cast<WORD>(index & 0xFFFF));
    } else if (graphics().state.deviceColours == 2) {
        const COLORREF ink = d.InvertBW == 1 ? RGB(0, 0, 0) : RGB(255, 255, 255);
        const COLORREF paper = d.InvertBW == 1 ? RGB(255, 255, 255) : RGB(0, 0, 0);
        d.penColour = index != 0 ? ink : paper;
    } else {
        const auto byte = [](int v) { return static_cast<BYTE>(v < 0 ? 0 : v > 255 ? 255 : v); };
        const COLORREF wanted = RGB(byte(red), byte(green), byte(blue));
        d.penColour = d.hdc ? GetNearestColor(d.hdc, wanted) : wanted;
    }
    d.gStippleChanged = true;
    replace_pen();
}

void xxmwinplotmode_(int mode) {
    ScreenDriver& d = graphics().driver;
    if (mode >= 0 && mode < static_cast<int>(PlotModes.size()))
        d.gPlotmode = PlotModes[static_cast<std::size_t>(mode)];
    if (d.hdc) SetROP2(d.hdc, d.gPlotmode);
}

void xxmwinlinetype_(int type) {
    ScreenDriver& d = graphics().driver;
    if (type >= 0 && type < static_cast<int>(LineStyles.size()))
        d.gLinetype = LineStyles[static_cast<std::size_t>(type)];
    replace_pen();
}

} // namespace tess
