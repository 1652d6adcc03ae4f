// The dialog step of the pre-translation chain.
#include "core/pretranslate.h"

bool yydialogmessage(MSG&) {
    // The toolkit shows no modeless dialog before its dialog table exists: nothing to ask.
    return false;
}
