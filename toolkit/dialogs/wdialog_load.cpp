// Loading, selecting and unloading dialogs; the control-class atoms; shutdown of the table.
#include <algorithm>
#include <utility>

#include <commctrl.h>

#include "dialogs/dialog_table.h"
#include "dialogs/wdialog.h"

using namespace tess;

namespace {

constexpr int LoadFailed = -1; // table full, or no window was created
constexpr int NoTemplate = -2;

LPCSTR resource_name(int id) {
    return MAKEINTRESOURCEA(static_cast<WORD>(static_cast<unsigned>(id) & 0xFFFFu));
}

const DLGTEMPLATE* find_template(int id) {
    HINSTANCE module = tk().core.wInstance;
    HRSRC found = FindResourceA(module, resource_name(id), RT_DIALOG);
    if (!found) return nullptr;
    HGLOBAL loaded = LoadResource(module, found);
    return loaded ? static_cast<const DLGTEMPLATE*>(LockResource(loaded)) : nullptr;
}

// A throw-away window of a class tells its atom and, for the classes the dialogs subclass,
// the class's own procedure.
ATOM class_atom(const char* name, const char* text, WNDPROC* procedure) {
    HWND probe = CreateWindowExA(0, name, text, WS_CHILD, 0, 0, 0, 0, window(0).frame, nullptr,
                                 tk().core.wInstance, nullptr);
    if (!probe) return 0;
    const auto atom = static_cast<ATOM>(GetClassLongPtrA(probe, GCW_ATOM));
    if (procedure) *procedure = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(probe, GWLP_WNDPROC));
    DestroyWindow(probe);
    return atom;
}

} // namespace

void yyregistersubclass() {
    ControlClasses& c = dialogs().classes;
    c.atomButton = class_atom("BUTTON", " ", &c.lpNormalButtonProc);
    c.atomStatic = class_atom("STATIC", " ", &c.lpNormalStaticProc);
    c.atomTrack = class_atom(TRACKBAR_CLASSA, " ", &c.lpNormalTrackProc);
    c.atomEdit = class_atom("EDIT", " ", &c.lpNormalEditProc);
}

void yygetatoms() {
    ControlClasses& c = dialogs().classes;
    c.atomList = class_atom("LISTBOX", "", nullptr);
    c.atomCombo = class_atom("COMBOBOX", "", nullptr);
    c.atomTab = class_atom("SYSTABCONTROL32", "", nullptr);
    c.atomProgress = class_atom("msctls_progress32", "", nullptr);
    c.atomUpDown = class_atom("MSCTLS_UPDOWN32", "", nullptr);
}

void yydialogload_(int& id) {
    yydialogload2(id);
}

void yydialogload2(int& id) {
    CoreDialogs& d = dialogs();
    const int found = yydialogfind(id);
    if (found > 0) {
        d.iDlgCur = found;
        return;
    }
    if (d.nDialogs + 1 >= DialogSlots) {
        id = LoadFailed;
        return;
    }
    const DLGTEMPLATE* dialogTemplate = find_template(id);
    if (!dialogTemplate) {
        id = NoTemplate;
        return;
    }
    const int n = ++d.nDialogs;
    DialogRecord& r = dialog_record(n);
    r = DialogRecord{};
    r.Id = id;
    d.ShowFocusField = d.ShowX = d.ShowY = 0;

    const HWND focus = GetFocus();
    const HWND active = GetActiveWindow();
    const HWND dlgCur = d.hDlgCur;
    d.DialogInTransition = 1;
    // The handle is known before WM_INITDIALOG so that the procedure finds the record.
    HWND dialog = CreateDialogIndirectParamA(tk().core.wInstance, dialogTemplate, window(0).client,
                                             yydialogproc, 0);
    d.DialogInTransition = 0;
    if (!dialog) {
        r = DialogRecord{};
        --d.nDialogs;
        id = LoadFailed;
        return;
    }
    r.Handle = dialog;
    if (focus && IsWindow(focus)) SetFocus(focus);
    d.iDlgCur = n;
    yydialogkvo(dialog, id);
    d.hDlgCur = dlgCur;
    if (active && IsWindow(active)) SetActiveWindow(active);
}

void yydialogselect_(int& id) {
    const int found = yydialogfind(id);
    if (found < 1) {
        id = -1;
        return;
    }
    dialogs().iDlgCur = found;
}

void yydialogunload_(const int&) {
    DialogRecord* r = current_dialog_record();
    if (!r) return;
    // A displayed dialog first ends its display, so that a semi-modeless one leaves nothing
    // disabled behind it.
    if (r->Shown) yydialoghide_();
    yydialogunload2(r->Handle);
}

void yydialogunload2(HWND dialog) {
    CoreDialogs& d = dialogs();
    const int i = dialog_index(dialog, 1);
    if (i < 1) return;
    if (d.hDlgCur == dialog) d.hDlgCur = nullptr;
    if (d.hLastSemi == dialog) d.hLastSemi = nullptr;
    // A dialog that lost the activation became the owner of message boxes; it goes now.
    if (tk().core.hWinCur == dialog) tk().core.hWinCur = window(0).frame;
    DestroyWindow(dialog);
    auto first = d.DialogInfo.begin();
    std::move(first + i + 1, first + d.nDialogs + 1, first + i);
    dialog_record(d.nDialogs) = DialogRecord{};
    d.iDlgCur = 0;
    --d.nDialogs;
    if (d.nDialogs == 0) {
        const bool anyWindow =
            std::any_of(tk().core.slots.begin(), tk().core.slots.end(),
                        [](const WindowRecord& w) { return w.frame != nullptr; });
        if (!anyWindow) tk().core.hWinCur = nullptr;
    }
}

void yydialogshutdown_() {
    CoreDialogs& d = dialogs();
    for (int i = 0; i <= d.nDialogs; ++i) {
        DialogRecord& r = dialog_record(i);
        if (r.Handle && IsWindow(r.Handle)) DestroyWindow(r.Handle);
        r.Handle = nullptr;
        r.Id = 0;
    }
    if (d.hBrushDlg) DeleteObject(d.hBrushDlg);
    for (HBITMAP& b : d.wImage)
        if (b) DeleteObject(std::exchange(b, nullptr));
    for (HBITMAP& b : d.wDlgImage)
        if (b) DeleteObject(std::exchange(b, nullptr));
    d = CoreDialogs{};
}
