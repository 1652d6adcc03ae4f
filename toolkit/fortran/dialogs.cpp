// Fortran entry points of the dialog, menu, message-box and file-selection routines.
#include "fortran/fortran_args.h"
#include "public/wdgfield.h"
#include "public/wdgshw.h"
#include "public/wmenust.h"
#include "public/wmgbox.h"
#include "public/wsfile.h"

using tess::fortran::Length;
using tess::fortran::present_or;
using tess::fortran::text;

#pragma GCC visibility push(default)
extern "C" {

void wdialogload_(const int* id) {
    WDialogLoad(*id);
}
// focus and mode are optional; absent, they take the C++ defaults.
void wdialogshow_(const int* x, const int* y, const int* focus, const int* mode) {
    WDialogShow(*x, *y, present_or(focus, 0), present_or(mode, 2));
}
void wdialoghide_() {
    WDialogHide();
}
void wdialogunload_() {
    WDialogUnload();
}
void wdialogselect_(const int* id) {
    WDialogSelect(*id);
}
void wdialogfieldfocus_(const int* field) {
    WDialogFieldFocus(*field);
}
void wdialogtitle_(char* title, Length n) {
    WDialogTitle(text(title, n));
}
void wdialoggetstring_(const int* field, char* value, Length n) {
    WDialogGetString(*field, text(value, n));
}
void wdialoggetradiobutton_(const int* field, int* position) {
    WDialogGetRadioButton(*field, *position);
}

void wmenusetstate_(const int* identifier, const int* item, const int* state) {
    WMenuSetState(*identifier, *item, *state);
}

void wmessagebox_(const int* buttons, const int* icon, const int* defaultButton, char* message,
                  char* title, Length nMessage, Length nTitle) {
    WMessageBox(*buttons, *icon, *defaultButton, text(message, nMessage), text(title, nTitle));
}

// filterIndex is optional: absent, the first filter is shown and the one used is not reported.
void wselectfile_(char* filter, const int* flags, char* fileName, char* title, int* filterIndex,
                  Length nFilter, Length nFileName, Length nTitle) {
    if (filterIndex)
        WSelectFile(text(filter, nFilter), *flags, text(fileName, nFileName), text(title, nTitle),
                    *filterIndex);
    else
        WSelectFile(text(filter, nFilter), *flags, text(fileName, nFileName), text(title, nTitle));
}

} // extern "C"
#pragma GCC visibility pop
