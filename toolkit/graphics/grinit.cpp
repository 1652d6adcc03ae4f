// Graphics initialisation: the resets of IGrInit, the screen set-up and the gate to the
// screen driver.
#include <cctype>

#include "graphics/graphics_state.h"
#include "graphics/grstate.h"
#include "graphics/screen_driver.h"

namespace tess {

bool xxopt_(TextRef options, char letter) {
    const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
    for (char c : options.view())
        if (c == letter || c == lower) return true;
    return false;
}

void xxgdrv_(int op) {
    if (graphics().state.screenGraphics > 0) xxgmswin_(op);
}

void xxhdrv_(int) {}

void xxgscr_() {
    Graphics& g = graphics();
    g.state.deviceColours = g.driver.ngColours;
    g.state.screenGraphics = 1;
    xxgdrv_(18);
    xxresn_(g.driver.WinWidth, g.driver.WinHeight);
    // Both numbers reach the driver; afterwards they are what they were.
    const int previous = g.state.previousColour, current = g.state.colour;
    xxcolourn_(previous);
    xxcolourn_(current);
    xxgdrv_(27);
    xxgdrv_(29);
    xxgdrv_(21);
}

void xxginit_(TextRef device) {
    Graphics& g = graphics();
    GraphicsAttributes& s = g.state;
    // Area, units and colour go back to their start; the device size and screen flag stay.
    const GraphicsAttributes start;
    s.area = start.area;
    s.areaSize = start.areaSize;
    s.unitRange = start.unitRange;
    s.charFactor = start.charFactor;
    s.charsPerArea = start.charsPerArea;
    s.fontNumber = start.fontNumber;
    s.textAngle = start.textAngle;
    s.textCharacter = start.textCharacter;
    s.colour = start.colour;
    s.previousColour = start.previousColour;
    s.plotMode = start.plotMode;
    s.lineType = start.lineType;
    if (xxopt_(device, 'H')) {
        s.screenGraphics = 0;
        xxresn_(g.driver.WinWidth, g.driver.WinHeight);
    } else {
        xxgscr_();
    }
    s.justify = start.justify;
    s.spacing = start.spacing;
    g.charsets.nameStore.fill(' ');
    g.charsets.current = CharacterSet{};
}

void xxginitend_() {
    xxunits_(0.0f, 0.0f, 1.0f, 1.0f);
    graphics().state.position = {0, 0};
}

} // namespace tess
