// The screen driver's dispatch: each graphics-state change arrives as one operation code.
#include "graphics/screen_driver.h"

#include "graphics/graphics_state.h"
#include "graphics/palette.h"
#include "graphics/screen_driver_internal.h"

namespace tess {

namespace {

void start() {
    ScreenDriver& d = graphics().driver;
    d.colourPair = {-1, -1};
    d.fontRequest = {-1, -1, -1, -1, -1};
}

// Only a new (previous, current) pair reaches the platform.
void colour() {
    const GraphicsAttributes& s = graphics().state;
    ScreenDriver& d = graphics().driver;
    if (d.colourPair[0] == s.previousColour && d.colourPair[1] == s.colour) return;
    int red = 0, green = 0, blue = 0;
    xxpalg_(s.colour, red, green, blue);
    xxmwincolour_(s.deviceColour, red, green, blue);
    d.colourPair = {s.previousColour, s.colour};
}

} // namespace

void xxgmswin_(int op) {
    switch (op) {
    case 18:
        start();
        break;
    case 3:
        colour();
        break;
    case 24:
        apply_area_clip();
        break;
    case 21:
    case 25:
    case 33:
        character_metrics();
        break;
    case 27:
        xxmwinplotmode_(graphics().state.plotMode);
        break;
    case 29:
        xxmwinlinetype_(graphics().state.lineType);
        break;
    default:
        // 1, 20 and 30 have nothing to do on the screen; the drawing operations are dispatched
        // here as they are built.
        break;
    }
}

} // namespace tess
