// The toolkit's own resources (its dialog templates), kept out of the program's module.
#pragma once

#include <windows.h>

namespace tess {

// The dialog template resource id of the toolkit's resources; null when there is none.
LPCDLGTEMPLATEA toolkit_dialog_template(int id);

} // namespace tess
