// The one pre-translation chain of the toolkit's loops (event retrieval, waits, modal display).
#pragma once

#include <windows.h>

namespace tess {

// Accelerators of the current frame, then the keyboard interface of each shown modeless dialog,
// then TranslateMessage. True when an accelerator or a dialog took the message: the caller
// does not dispatch it.
bool pretranslate(MSG& msg);

} // namespace tess

// The dialog sources' step of the chain: IsDialogMessageA for each shown modeless dialog; true
// when one of them took the message.
bool yydialogmessage(MSG& msg);
