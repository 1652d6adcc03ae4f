// The one pre-translation chain of the toolkit's loops (event retrieval, waits, modal display):
// accelerators of the current frame, then the keyboard interface of each shown modeless
// dialog, then TranslateMessage.
#pragma once

#include <windows.h>

namespace tess {

// The chain's first two steps: true when an accelerator or a dialog took the message, which is
// then neither translated nor dispatched. The platform's modal loop runs them as its filter and
// translates itself.
bool pretranslate_takes(MSG& msg);
// The whole chain; true when the message was taken, false when it was translated and is to be
// dispatched.
bool pretranslate(MSG& msg);

} // namespace tess

// The dialog sources' step of the chain: IsDialogMessageA for each shown modeless dialog; true
// when one of them took the message.
bool yydialogmessage(MSG& msg);
