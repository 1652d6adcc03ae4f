// The platform's common-dialog error as the toolkit's common dialogs read and reset it.
#pragma once

#include <windows.h>

namespace tess {

// The code the last common dialog left; 0 = none.
DWORD common_dialog_error();
// Forgets it, so that the next reading reflects the next dialog alone.
void clear_common_dialog_error();

} // namespace tess
