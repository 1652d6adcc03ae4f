// The dialog class "#32770" and its default procedure: the dialog procedure answers first, and
// what it leaves gets the dialog manager's handling.
#include "controls/system_classes.h"
#include "dialog/dialog_state.h"

namespace plat {
namespace {

// Messages whose answer is the dialog procedure's own return value, not DWLP_MSGRESULT.
bool answers_directly(UINT message) {
    return message == WM_INITDIALOG || is_control_colour_message(message);
}

HWND default_button(HWND dialog) {
    const LRESULT def = SendMessageA(dialog, DM_GETDEFID, 0, 0);
    return HIWORD(def) == DC_HASDEFID ? GetDlgItem(dialog, LOWORD(def)) : nullptr;
}

// The button keeps its other style bits: only the push button type changes.
void set_button_style(HWND button, DWORD type) {
    if (!button) return;
    const auto style = static_cast<DWORD>(GetWindowLongPtrA(button, GWL_STYLE));
    SendMessageA(button, BM_SETSTYLE, (style & 0xFFFF & ~BS_TYPEMASK) | type, TRUE);
}

LRESULT dlg_code(HWND control) {
    return control ? SendMessageA(control, WM_GETDLGCODE, 0, 0) : 0;
}

// The push button with the focus looks like the default one; when the focus leaves push
// buttons, the dialog's own default button looks so again. The state remembers which button
// has the look, so that only the buttons that change hear of it.
void move_default_look(HWND dialog, HWND to, LRESULT toCode) {
    DialogState* s = dialog_state(dialog);
    if (!s) return;
    HWND wanted;
    if (toCode & (DLGC_UNDEFPUSHBUTTON | DLGC_DEFPUSHBUTTON))
        wanted = to;
    else
        wanted = default_button(dialog);
    if (!(s = dialog_state(dialog)) || s->defaultLook == wanted) return;
    const HWND old = s->defaultLook;
    s->defaultLook = wanted;
    if (IsWindow(old)) set_button_style(old, BS_PUSHBUTTON);
    if (wanted && !(toCode & DLGC_DEFPUSHBUTTON && wanted == to))
        set_button_style(wanted, BS_DEFPUSHBUTTON);
}

HWND focused_control(HWND dialog) {
    const HWND focus = GetFocus();
    return IsChild(dialog, focus) ? focus : nullptr;
}

void save_focus(HWND dialog) {
    if (const HWND focus = focused_control(dialog))
        if (DialogState* s = dialog_state(dialog)) s->savedFocus = focus;
}

// The saved control, else (when the dialog itself got the focus) the first tab stop, else the
// first control. Activation alone restores only a saved control: a dialog whose WM_INITDIALOG
// declined the default focus keeps what its procedure chose.
void restore_focus(HWND dialog, bool activating) {
    DialogState* s = dialog_state(dialog);
    if (!s) return;
    HWND target = IsChild(dialog, s->savedFocus) ? s->savedFocus : nullptr;
    if (!target && activating) return;
    if (!target) target = GetNextDlgTabItem(dialog, nullptr, FALSE);
    if (!target) target = GetWindow(dialog, GW_CHILD);
    if (target && !IsWindowEnabled(target)) target = nullptr;
    if (!target) {
        // Nothing to hand the keyboard to: the dialog keeps it itself.
        if (GetFocus() != dialog) SetFocus(dialog);
        return;
    }
    if (GetFocus() != target) dialog_set_focus(dialog, target);
}

LRESULT on_erase(HWND dialog, HDC hdc) {
    auto brush = reinterpret_cast<HBRUSH>(SendMessageA(
        dialog, WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(hdc), reinterpret_cast<LPARAM>(dialog)));
    if (!brush) brush = GetSysColorBrush(COLOR_BTNFACE);
    RECT r;
    GetClientRect(dialog, &r);
    FillRect(hdc, &r, brush);
    return 1;
}

LRESULT on_close(HWND dialog) {
    const HWND cancel = GetDlgItem(dialog, IDCANCEL);
    if (cancel && !IsWindowEnabled(cancel)) {
        MessageBeep(0);
        return 0;
    }
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                 reinterpret_cast<LPARAM>(cancel));
    return 0;
}

LRESULT on_set_def_id(HWND dialog, WPARAM id) {
    DialogState* s = dialog_state(dialog);
    if (!s) return FALSE;
    const HWND next = id ? GetDlgItem(dialog, static_cast<int>(id)) : nullptr;
    s->defId = static_cast<WORD>(id);
    const HWND old = s->defaultLook;
    if (old == next) return TRUE;
    s->defaultLook = next;
    if (IsWindow(old)) set_button_style(old, BS_PUSHBUTTON);
    if (next) set_button_style(next, BS_DEFPUSHBUTTON);
    return TRUE;
}

LRESULT on_next_control(HWND dialog, WPARAM wParam, LPARAM lParam) {
    HWND target;
    if (LOWORD(lParam))
        target = reinterpret_cast<HWND>(wParam);
    else
        target = GetNextDlgTabItem(dialog, focused_control(dialog), wParam != 0);
    if (target && IsChild(dialog, target)) dialog_set_focus(dialog, target);
    return 0;
}

LRESULT default_dialog_message(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    DialogState* s = dialog_state(dialog);
    switch (message) {
    case WM_ERASEBKGND:
        return on_erase(dialog, reinterpret_cast<HDC>(wParam));
    case WM_SETFONT:
        if (s) s->font = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam)) InvalidateRect(dialog, nullptr, TRUE);
        return 0;
    case WM_GETFONT:
        return s ? reinterpret_cast<LRESULT>(s->font) : 0;
    case WM_SHOWWINDOW:
        if (!wParam) save_focus(dialog);
        return DefWindowProcA(dialog, message, wParam, lParam);
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE)
            save_focus(dialog);
        else if (!(GetWindowLongPtrA(dialog, GWL_STYLE) & WS_MINIMIZE))
            restore_focus(dialog, true);
        return 0;
    case WM_SETFOCUS:
        restore_focus(dialog, false);
        return 0;
    case WM_CLOSE:
        return on_close(dialog);
    case DM_GETDEFID:
        return s && s->defId ? MAKELONG(s->defId, DC_HASDEFID) : 0;
    case DM_SETDEFID:
        return on_set_def_id(dialog, wParam);
    case WM_NEXTDLGCTL:
        return on_next_control(dialog, wParam, lParam);
    case WM_NCDESTROY:
        if (s && s->ownsFont && s->font) DeleteObject(s->font);
        forget_dialog_state(dialog);
        return DefWindowProcA(dialog, message, wParam, lParam);
    case WM_INITDIALOG:
        return TRUE; // no dialog procedure: the default focus
    default:
        return DefWindowProcA(dialog, message, wParam, lParam);
    }
}

LRESULT CALLBACK dialog_class_proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefDlgProcA(dialog, message, wParam, lParam);
}

} // namespace

void dialog_set_focus(HWND dialog, HWND control) {
    if (!control) return;
    const LRESULT code = dlg_code(control);
    if (code & DLGC_HASSETSEL) SendMessageA(control, EM_SETSEL, 0, -1);
    move_default_look(dialog, control, code);
    SetFocus(control);
}

void press_button(HWND dialog, HWND button, int id) {
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
}

// No background brush: DefDlgProcA erases with the brush WM_CTLCOLORDLG answers.
const ControlClass dialog_class{
    "#32770", dialog_class_proc, CS_SAVEBITS | CS_DBLCLKS, DLGWINDOWEXTRA, -1, SurfaceKind::Dialog};

} // namespace plat

using namespace plat;

LRESULT DefDlgProcA(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto proc = reinterpret_cast<DLGPROC>(GetWindowLongPtrA(dialog, DWLP_DLGPROC));
    if (proc) {
        SetWindowLongPtrA(dialog, DWLP_MSGRESULT, 0);
        const INT_PTR answer = proc(dialog, message, wParam, lParam);
        if (!IsWindow(dialog)) return answer;
        if (answers_directly(message) && (answer || message == WM_INITDIALOG)) return answer;
        if (answer) return GetWindowLongPtrA(dialog, DWLP_MSGRESULT);
    }
    return default_dialog_message(dialog, message, wParam, lParam);
}
