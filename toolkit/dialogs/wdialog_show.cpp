// Displaying and hiding the current dialog in its three modes, and the bookkeeping of
// semi-modeless displays.
#include "core/wmiscel.h"
#include "dialogs/dialog_table.h"
#include "dialogs/wdialog.h"

using namespace tess;

namespace {

constexpr int ModeChanged = -1;
constexpr int RootHidden = -2;
constexpr UINT PlaceOnly = SWP_NOSIZE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE;
constexpr UINT RaiseAndShow = SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW;

void for_each_frame(bool enable, HWND keep, bool onlyVisible) {
    for (const WindowRecord& w : tk().core.slots) {
        if (!w.frame || (onlyVisible && !IsWindowVisible(w.frame))) continue;
        if (enable) {
            if (tk().dialogs.nSemi == 0 || w.frame == keep) EnableWindow(w.frame, TRUE);
        } else if (w.frame != keep) {
            EnableWindow(w.frame, FALSE);
        }
    }
}

// Focus and the active caption go to a dialog inside the root's client area, which then is the
// toolkit's active dialog.
void activate_child_dialog(HWND dialog) {
    SetWindowPos(dialog, HWND_TOP, 0, 0, 0, 0, RaiseAndShow);
    yytitlecolour(dialog);
    SetFocus(dialog);
    dialogs().hDlgCur = dialog;
}

void run_modal(DialogRecord& r) {
    CoreDialogs& d = dialogs();
    CoreWindows& core = tk().core;
    const HWND savedWinCur = core.hWinCur;
    const HWND savedDlgCur = d.hDlgCur;
    yyDisableDialogs(r.Owner, 1);
    ++tk().events.nested;
    DialogBoxParamA(core.wInstance,
                    MAKEINTRESOURCEA(static_cast<WORD>(static_cast<unsigned>(r.Id) & 0xFFFFu)),
                    r.Owner, yydialogproc, 1);
    --tk().events.nested;
    dialog_record(0).Handle = nullptr;
    yyEnableDialogs(d.hLastSemi ? d.hLastSemi : r.Owner, 1);
    core.hWinCur = savedWinCur;
    d.hDlgCur = savedDlgCur;
    if (r.Owner && IsWindow(r.Owner) && child_style(r.Owner)) {
        SetFocus(r.Owner);
        yytitlecolour(r.Owner);
        if (dialog_index(r.Owner, 1) > 0) d.hDlgCur = r.Owner;
    }
}

} // namespace

int yyismodaldialog(HWND hwnd) {
    const HWND instance = dialog_record(0).Handle;
    if (!instance) return 0;
    for (HWND w = hwnd; w; w = child_style(w) ? GetParent(w) : nullptr)
        if (w == instance) return 1;
    return 0;
}

void yyDisableDialogs(HWND except, int frames) {
    const CoreDialogs& d = dialogs();
    for (int i = 1; i <= d.nDialogs; ++i) {
        const DialogRecord& r = dialog_record(i);
        if (r.Shown && r.Handle != except && top_level_dialog(r.Handle))
            EnableWindow(r.Handle, FALSE);
    }
    if (frames == 1) for_each_frame(false, except, true);
}

void yyEnableDialogs(HWND keep, int frames) {
    const CoreDialogs& d = dialogs();
    for (int i = 1; i <= d.nDialogs; ++i) {
        const DialogRecord& r = dialog_record(i);
        // While semi-modeless dialogs remain only the one named comes back.
        if (r.Shown && top_level_dialog(r.Handle) && (d.nSemi == 0 || r.Handle == keep))
            EnableWindow(r.Handle, TRUE);
    }
    if (frames == 1) for_each_frame(true, keep, true);
}

void yyDialogSelectAll(HWND control) {
    switch (field_class(control)) {
    case FieldClass::Edit:
        if (GetWindowLongPtrA(control, GWL_STYLE) & ES_MULTILINE)
            SendMessageA(control, EM_SETSEL, static_cast<WPARAM>(-1), 0);
        else
            SendMessageA(control, EM_SETSEL, 0, -1);
        SendMessageA(control, EM_SCROLLCARET, 0, 0);
        break;
    case FieldClass::Combo:
        SendMessageA(control, CB_SETEDITSEL, 0, MAKELPARAM(0, 0xFFFF));
        break;
    default:
        break;
    }
}

void yydialogcentre(HWND dialog) {
    CoreDialogs& d = dialogs();
    RECT r{};
    GetWindowRect(dialog, &r);
    const bool child = child_style(dialog);
    const int w = child ? current_window().width : tk().display.wScreenWidth;
    const int h = child ? current_window().height : tk().display.wScreenHeight;
    if (d.ShowX == -1) d.ShowX = (w - (r.right - r.left)) / 2;
    if (d.ShowY == -1) d.ShowY = (h - (r.bottom - r.top)) / 2;
}

void yydialogshow_(const int&, const int&, const int& px, const int& py, int& mode,
                   const int& focus) {
    CoreDialogs& d = dialogs();
    DialogRecord* current = current_dialog_record();
    if (!current) {
        mode = ModeChanged;
        return;
    }
    DialogRecord& r = *current;
    const HWND dialog = r.Handle;
    if (r.Shown) {
        SetWindowPos(dialog, HWND_TOP, 0, 0, 0, 0, RaiseAndShow);
        UpdateWindow(dialog);
        mode = 0;
        return;
    }
    const bool child = child_style(dialog);
    // A pop-up is displayed in the three modes only; any other leaves it as it is.
    if (!child && (mode < ShowModal || mode > ShowSemiModeless)) {
        mode = 0;
        return;
    }
    int status = 0;
    int shown = mode;
    if (shown == ShowModeless && d.nSemi > 0) {
        shown = ShowSemiModeless;
        status = ModeChanged;
    }
    if (child && shown != ShowModeless) {
        if (shown == ShowModal) yygetwindowbitmap_(2, -1);
        shown = ShowModeless;
        status = ModeChanged;
    }
    d.ShowFocusField = focus;
    d.ShowX = px;
    d.ShowY = py;
    r.Owner = d.hDlgCur && IsWindowVisible(d.hDlgCur) ? d.hDlgCur : tk().core.hWinCur;
    r.ReenableOnHide = d.hLastSemi ? d.hLastSemi : r.Owner;
    r.Mode = shown;
    if (shown == ShowModal) {
        run_modal(r);
        mode = status;
        return;
    }
    if (child && tk().core.wHideRoot) {
        mode = RootHidden;
        return;
    }
    if (shown == ShowSemiModeless) {
        ++d.nSemi;
        d.hLastSemi = dialog;
        yyDisableDialogs(nullptr, 0);
        for (const WindowRecord& w : tk().core.slots)
            if (w.frame) EnableWindow(w.frame, FALSE);
    }
    yydialogcentre(dialog);
    SetWindowPos(dialog, nullptr, d.ShowX, d.ShowY, 0, 0, PlaceOnly);
    if (child) activate_child_dialog(dialog);
    if (focus != 0) {
        const HWND field = GetDlgItem(dialog, focus);
        if (field) SetFocus(field);
    }
    const HWND focused = GetFocus();
    if (focused && IsChild(dialog, focused)) yyDialogSelectAll(focused);
    ShowWindow(dialog, SW_SHOW);
    UpdateWindow(dialog);
    r.PreviousField = focused && IsChild(dialog, focused) ? GetDlgCtrlID(focused) : 0;
    r.Shown = 1;
    mode = status;
}

void yydialoghide_() {
    CoreDialogs& d = dialogs();
    DialogRecord* current = current_dialog_record();
    if (!current) return;
    DialogRecord& r = *current;
    const HWND dialog = r.Handle;
    const bool wasActive = d.hDlgCur == dialog;
    if (r.Shown && r.Mode == ShowSemiModeless) {
        --d.nSemi;
        if (wasActive)
            yyEnableDialogs(r.ReenableOnHide, 1);
        else
            yyEnableDialogs(nullptr, 1);
    }
    for (int i = 1; i <= d.nDialogs; ++i) {
        DialogRecord& other = dialog_record(i);
        if (other.Owner == dialog) other.Owner = r.Owner;
        if (other.ReenableOnHide == dialog) other.ReenableOnHide = r.ReenableOnHide;
    }
    if (wasActive) d.hDlgCur = nullptr;
    SetWindowPos(dialog, nullptr, 0, 0, 0, 0,
                 SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    r.Shown = 0;
    if (d.hLastSemi == dialog) d.hLastSemi = d.nSemi > 0 ? r.ReenableOnHide : nullptr;
    if (wasActive && r.Owner && IsWindow(r.Owner)) {
        SetFocus(r.Owner);
        SendMessageA(r.Owner, WM_NCACTIVATE, TRUE, 0);
        if (dialog_index(r.Owner, 1) > 0) d.hDlgCur = r.Owner;
    }
}
