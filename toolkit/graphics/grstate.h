// The graphics state's internal routines: colour mapping, the driver gate and the device size.
#pragma once

#include "util/text_arg.h"

namespace tess {

// True when the letter occurs in the option text, as given or in lower case.
bool xxopt_(TextRef options, char letter);
// Device colour index of a colour number on the current device.
int xxcnum_(int colour);
// Device colour from the 8-entry colour tables: index 0 to 15, table 0 or 1; -1 outside.
int xxcoln_(int index, int table);
// Screen set-up: the driver start, the window size, both colours and the attributes.
void xxgscr_();
// The gate to the screen driver: passes op on only while screen graphics are on.
void xxgdrv_(int op);
// The hard-copy driver entry; it has nothing to do on this system.
void xxhdrv_(int op);
// Takes the current window size (pixels) into the graphics state and re-applies the area; the
// screen set-up takes the size from the driver's window (WinWidth, WinHeight).
void xxresn_(int width, int height);
// Device position (pixels, y up from the bottom) to user units.
void xxi2e_(float deviceX, float deviceY, float& userX, float& userY);

// What IGrInit, IGrArea, IGrUnits and IGrColourN do; the graphics layer calls these because it
// may not reach the public routines.
// IGrInit's resets before the character files are probed (the device set-up included).
void xxginit_(TextRef device);
// IGrInit's resets after the probing.
void xxginitend_();
void xxarea_(float x1, float y1, float x2, float y2);
void xxunits_(float x1, float y1, float x2, float y2);
void xxcolourn_(int colour);

} // namespace tess
