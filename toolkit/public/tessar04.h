// Public-layer dialog state.
#pragma once

namespace tess {

struct Tessar04 {
    int exitField = 0;         // after a modal display: the field that ended it
    int currentDialog = 0;     // identifier of the current dialog; 0 = none
    int exitDialog = 0;        // after a modal display: the dialog that was active
    int exitPreviousField = 0; // after a modal display: the field before the last one
    int commonResult = 0;      // result of the last message box or file selection
};

inline Tessar04 tessar04{};

} // namespace tess
