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
// Takes the current window size (pixels) into the graphics state and re-applies the area.
void xxresn_(int width, int height);
// Device position (pixels, y up from the bottom) to user units.
void xxi2e_(float deviceX, float deviceY, float& userX, float& userY);

} // namespace tess
