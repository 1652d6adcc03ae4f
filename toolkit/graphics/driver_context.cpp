// The screen driver's context: taking over a window's context and releasing every object at
// the end.
#include "graphics/graphics_state.h"
#include "graphics/palette.h"
#include "graphics/screen_driver.h"

namespace tess {

namespace {

constexpr int StippleSize = 8;

} // namespace

void xxmwinselectdc(HWND window, HDC dc) {
    ScreenDriver& d = graphics().driver;
    // The pen may be replaced (and deleted) while this context draws, and the palette is deleted
    // at the end: the old context lets both go.
    if (d.hdc && d.hdc != dc) {
        if (d.gPen && d.penOLD) SelectObject(d.hdc, d.penOLD);
        if (graphics().colours.gPal256)
            SelectPalette(d.hdc, static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE)), FALSE);
    }
    d.Window = window;
    d.hdc = dc;
    if (!dc) return;
    if (d.gBitmap) DeleteObject(d.gBitmap);
    d.gBitmap = CreateCompatibleBitmap(dc, StippleSize, StippleSize);
    d.gStippleExists = d.gStippleChanged = true;
    SetROP2(dc, d.gPlotmode);
    SetBkMode(dc, TRANSPARENT);
    if (d.gPen) d.penOLD = static_cast<HPEN>(SelectObject(dc, d.gPen));
    if (graphics().colours.gPal256) xxmwindefinepalette(0);
}

void xxmwinremoveg() {
    Graphics& g = graphics();
    ScreenDriver& d = g.driver;
    if (d.gStippleExists && d.gBitmap) DeleteObject(d.gBitmap);
    d.gBitmap = nullptr;
    d.gStippleExists = false;
    if (d.hdc) SelectClipRgn(d.hdc, nullptr);
    if (d.gRegion) DeleteObject(d.gRegion);
    d.gRegion = nullptr;
    if (d.gFont) DeleteObject(d.gFont);
    d.gFont = nullptr;
    if (g.colours.gPal256) {
        if (d.hdc)
            SelectPalette(d.hdc, static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE)), FALSE);
        DeleteObject(g.colours.gPal256);
        g.colours.gPal256 = nullptr;
    }
    g.colours.device.clear();
    g.colours.device.shrink_to_fit();
    if (d.gPen) {
        if (d.hdc && d.penOLD) SelectObject(d.hdc, d.penOLD);
        DeleteObject(d.gPen);
    }
    d.gPen = d.penOLD = nullptr;
}

} // namespace tess
