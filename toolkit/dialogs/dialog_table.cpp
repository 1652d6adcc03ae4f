// The accessors of the dialog table and the field records.
#include "dialogs/dialog_table.h"

#include "util/error_record.h"

namespace tess {

namespace {

constexpr int NoCurrentDialog = 1005;

} // namespace

DialogRecord& dialog_record(int i) {
    if (valid_dialog_index(i)) return tk().dialogs.DialogInfo[static_cast<std::size_t>(i)];
    static DialogRecord none;
    none = DialogRecord{};
    return none;
}

CoreDialogs& dialogs() {
    return tk().dialogs;
}

FieldClass field_class(HWND control) {
    const auto atom = static_cast<ATOM>(GetClassLongPtrA(control, GCW_ATOM));
    const ControlClasses& c = dialogs().classes;
    if (!control || atom == 0) return FieldClass::Other;
    if (atom == c.atomButton) return FieldClass::Button;
    if (atom == c.atomStatic) return FieldClass::Static;
    if (atom == c.atomTrack) return FieldClass::Track;
    if (atom == c.atomEdit) return FieldClass::Edit;
    if (atom == c.atomList) return FieldClass::List;
    if (atom == c.atomCombo) return FieldClass::Combo;
    if (atom == c.atomTab) return FieldClass::Tab;
    if (atom == c.atomProgress) return FieldClass::Progress;
    if (atom == c.atomUpDown) return FieldClass::UpDown;
    return FieldClass::Other;
}

FieldRecord* field_record(HWND control) {
    if (!control || !IsWindow(control)) return nullptr;
    const HWND parent = GetParent(control);
    if (dialog_index(parent, 0) < 0) return nullptr;
    return reinterpret_cast<FieldRecord*>(GetWindowLongPtrA(control, GWLP_USERDATA));
}

DialogRecord* current_dialog_record() {
    const CoreDialogs& d = dialogs();
    if (d.iDlgCur < 1 || d.iDlgCur > d.nDialogs) return nullptr;
    return &dialog_record(d.iDlgCur);
}

HWND current_dialog() {
    const DialogRecord* r = current_dialog_record();
    return r ? r->Handle : nullptr;
}

HWND field_window(int f) {
    const HWND dialog = current_dialog();
    if (!dialog) return nullptr;
    return GetDlgItem(dialog, f);
}

FieldRecord* field_of(int f) {
    return field_record(field_window(f));
}

bool dialog_current_or_error() {
    if (tk().tessar04.currentDialog != 0 && current_dialog()) return true;
    xxerror_(NoCurrentDialog);
    return false;
}

int dialog_index(HWND hwnd, int first) {
    if (!hwnd) return -1;
    const CoreDialogs& d = dialogs();
    for (int i = first < 0 ? 0 : first; i <= d.nDialogs; ++i)
        if (dialog_record(i).Handle == hwnd) return i;
    return -1;
}

int yydialogfind(int id) {
    const CoreDialogs& d = dialogs();
    for (int i = 1; i <= d.nDialogs; ++i)
        if (dialog_record(i).Id == id) return i;
    return -1;
}

bool child_style(HWND hwnd) {
    return (GetWindowLongPtrA(hwnd, GWL_STYLE) & WS_CHILD) != 0;
}

bool top_level_dialog(HWND dialog) {
    const HWND parent = GetParent(dialog);
    return !parent || parent == window(0).frame || parent == window(0).client;
}

} // namespace tess
