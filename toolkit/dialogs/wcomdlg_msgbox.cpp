// The message box on the platform's MessageBoxA, inside the common-dialog
// frame.
#include <array>

#include "dialogs/wcomdlg.h"
#include "dialogs/wcomdlg_error.h"

namespace {

// Platform types by the toolkit's button set 0..5; any other set is OK alone.
constexpr std::array<UINT, 6> ButtonTypes = {
    MB_OK,               // 0: OK
    MB_OKCANCEL,         // 1: OK, Cancel
    MB_RETRYCANCEL,      // 2: Retry, Cancel
    MB_YESNO,            // 3: Yes, No
    MB_YESNOCANCEL,      // 4: Yes, No, Cancel
    MB_ABORTRETRYIGNORE, // 5: Abort, Retry, Ignore
};

// Platform icons by the toolkit's icon 1..4; any other icon is none.
constexpr std::array<UINT, 5> IconTypes = {
    0,                  // none
    MB_ICONHAND,        // 1: stop sign
    MB_ICONQUESTION,    // 2: question mark
    MB_ICONEXCLAMATION, // 3: exclamation mark
    MB_ICONASTERISK,    // 4: information sign
};

UINT box_type(int buttons, int icon, int defaultButton) {
    UINT type = buttons >= 0 && buttons < static_cast<int>(ButtonTypes.size())
                    ? ButtonTypes[static_cast<std::size_t>(buttons)]
                    : MB_OK;
    if (icon > 0 && icon < static_cast<int>(IconTypes.size()))
        type |= IconTypes[static_cast<std::size_t>(icon)];
    if (defaultButton == 2) type |= MB_DEFBUTTON2;
    if (defaultButton == 3) type |= MB_DEFBUTTON3;
    return type;
}

int toolkit_answer(int answer) {
    switch (answer) {
    case IDOK:
    case IDYES:
    case IDRETRY:
        return 1;
    case IDNO:
    case IDABORT:
        return 2;
    default: // Cancel, Ignore, and a box that could not be shown
        return 0;
    }
}

} // namespace

void yymessagebox_(const int& buttons, const int& icon, const int& defaultButton, int& result,
                   int& errorCode, const char* message, const char* title) {
    // The error read after the box must be this box's, not a file selection's
    // before it.
    tess::clear_common_dialog_error();
    const HWND owner = tess::common_dialog_owner();
    tess::common_dialog_begin(owner);
    const int answer = MessageBoxA(owner, message ? message : "", title ? title : "",
                                   box_type(buttons, icon, defaultButton));
    tess::common_dialog_end(owner);

    errorCode = static_cast<int>(tess::common_dialog_error());
    result = errorCode != 0 ? -1 : toolkit_answer(answer);
}
