// The dialog step of the pre-translation chain: the keyboard interface of the shown modeless
// dialogs (Tab and arrow navigation, default button, mnemonics, F1).
#include "core/pretranslate.h"
#include "dialogs/dialog_table.h"

using namespace tess;

bool yydialogmessage(MSG& msg) {
    CoreDialogs& d = dialogs();
    if (d.hDlgCur && IsWindow(d.hDlgCur) && IsDialogMessageA(d.hDlgCur, &msg)) return true;
    // A shown dialog that the message is for, even when it is not the active one.
    for (int i = 1; i <= d.nDialogs; ++i) {
        const DialogRecord& r = dialog_record(i);
        if (!r.Shown || !r.Handle || r.Handle == d.hDlgCur) continue;
        if (msg.hwnd != r.Handle && !IsChild(r.Handle, msg.hwnd)) continue;
        if (IsDialogMessageA(r.Handle, &msg)) return true;
    }
    return false;
}
