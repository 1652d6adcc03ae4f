// Where the toolkit's windows bring the 256-colour palette onto the screen.
#pragma once

#include <windows.h>

namespace tess {

// Realises the toolkit's palette for a window; answers how many entries were mapped afresh
// (0 when there is no palette or nothing changed).
UINT realise_toolkit_palette(HWND hwnd);

} // namespace tess
