// The graphics state a bad-input snapshot needs beyond StateSnapshot's: the current character
// set with its name store, and the screen driver by what its objects hold (pen, font, clip box)
// rather than by their handles, which a repeated start makes afresh.
#pragma once

#include <string>
#include <vector>

#include <windows.h>

#include "core/context.h"
#include "graphics/graphics_state.h"
#include "support/state_snapshot.h"

namespace grtest {

// StateSnapshot's part holding the driver's handles; graphics_parts compares its contents.
inline const std::string DriverHandles[] = {"screen driver"};

inline void add_graphics_parts(testsupport::StateSnapshot& s) {
    const tess::CharacterSets& sets = tess::graphics().charsets;
    const tess::CharacterSet& c = sets.current;
    s.add_values("character set kind and range", {c.kind, c.range, c.primaryBytes, sets.storeKind});
    s.add_record("character cells", c.cells);
    s.add_record("character offsets", c.primary);
    s.add_record("character extension offsets", c.extension);
    s.add_values("character strokes", std::vector<int>(c.strokes.begin(), c.strokes.end()));
    s.add_record("character set name store", sets.nameStore);
    RECT clip{};
    if (const HDC dc = tess::graphics().driver.hdc) {
        const HRGN r = CreateRectRgn(0, 0, 0, 0);
        if (GetClipRgn(dc, r) == 1) GetRgnBox(r, &clip);
        DeleteObject(r);
    }
    s.add_record("graphics clip box", clip);
    const tess::ScreenDriver& d = tess::graphics().driver;
    s.add_values("driver settings",
                 {d.gLinetype, d.gPlotmode, d.gStippleExists, d.InvertBW,
                  static_cast<int>(d.penColour), static_cast<int>(d.previousPenColour),
                  d.colourIndex, d.colourPair[0], d.colourPair[1], d.WinWidth, d.WinHeight,
                  d.ngColours});
    s.add_record("driver font request", d.fontRequest);
    s.add_record("driver viewport", d.viewportPixels);
    LOGPEN pen{};
    if (d.gPen) GetObjectA(d.gPen, sizeof pen, &pen);
    s.add_record("driver pen", pen);
    LOGFONTA font{};
    if (d.gFont) GetObjectA(d.gFont, sizeof font, &font);
    s.add_record("driver font", font);
}

} // namespace grtest
