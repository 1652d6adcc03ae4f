// The colour tables behind the 256 colour numbers, and the device palette of 256-colour screens.
#pragma once

namespace tess {

// Fills the full, the 16-colour and (for 32 to 128 device colours) the reduced table.
void xxpali_();
void xxpalg_(int colour, int& red, int& green, int& blue);
void xxpalg16_(int index, int& red, int& green, int& blue);
void xxpalg32_(int index, int& red, int& green, int& blue);
// Changes a colour number's entry in every table that holds it.
void xxpals_(int colour, int red, int green, int blue);
// Builds (flag non-zero) the device palette, creates gPal256 once, selects and realises it.
void xxmwindefinepalette(int build);
// Changes one device palette entry; modes 0 and 3 realise at once, 1 and 2 defer.
void xxmwinpalette256(int index, int red, int green, int blue, int mode);

} // namespace tess
