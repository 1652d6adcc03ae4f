// yydialogproc: the one dialog procedure of every toolkit dialog, loaded or modal instance. It
// keeps each dialog's current and previous field, posts the dialog's events through the
// translator, ends the modal instance, colours fields and paints from snapshots.
#include <algorithm>

#include <commctrl.h>

#include "core/palette_use.h"
#include "core/wmiscel.h"
#include "core/wwndproc.h"
#include "dialogs/dialog_table.h"
#include "dialogs/wdialog.h"
#include "dialogs/wdialog_internal.h"

using namespace tess;

namespace {

constexpr int HelpField = 9;
constexpr WORD ButtonFocus = 6;   // sent by the button subclass
constexpr WORD EditFocus = 0x100; // EN_SETFOCUS; also sent by the trackbar subclass

int control_id(HWND control) {
    return control ? GetDlgCtrlID(control) : 0;
}

int focused_id() {
    return control_id(GetFocus());
}

bool push_button(HWND control) {
    if (!control) return true;
    if (field_class(control) != FieldClass::Button) return false;
    const auto type = GetWindowLongPtrA(control, GWL_STYLE) & BS_TYPEMASK;
    return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

// The modal instance ends with a push button: its state goes back to the loaded dialog.
INT_PTR end_modal(HWND instance, int button, HWND control) {
    CoreDialogs& d = dialogs();
    DialogRecord* current = current_dialog_record();
    if (current) {
        d.iDlgAct = current->Id;
        current->CurrentField = button;
        const HWND focus = GetFocus();
        if (focus != control && focus && IsChild(instance, focus))
            current->PreviousField = control_id(focus);
        yydialogcopy(current->Handle, instance);
    }
    d.DialogInTransition = 1;
    d.hDlgCur = nullptr;
    EndDialog(instance, button);
    d.DialogInTransition = 0;
    return TRUE;
}

void on_push_button(HWND dialog, WPARAM wParam, HWND control) {
    DialogRecord* current = current_dialog_record();
    if (current && GetFocus() != control) current->PreviousField = current->CurrentField;
    const int index = dialog_index(dialog, 0);
    if (index >= 0)
        interpret(CodeDialogCommand, index, wParam, reinterpret_cast<LPARAM>(control), dialog);
}

void on_field_notification(HWND dialog, WORD code, int id, HWND control, bool modal) {
    if (dialogs().DialogInTransition) return;
    if (modal) {
        if (DialogRecord* current = current_dialog_record()) {
            current->PreviousField = current->CurrentField;
            current->CurrentField = id;
        }
        return;
    }
    const int index = dialog_index(dialog, 1);
    if (index < 1) return;
    DialogRecord& r = dialog_record(index);
    r.PreviousField = r.CurrentField;
    r.CurrentField = id;
    const bool focusOnly = code == 3 || code == 4 || code == ButtonFocus || code == EditFocus;
    if (focusOnly && r.PreviousField == r.CurrentField) return;
    interpret(CodeFieldFocus, index, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(control),
              dialog);
}

// A double click in a list or combo box presses the default push button, unless it is there
// and disabled.
void on_double_click(HWND dialog) {
    const auto answer = SendMessageA(dialog, DM_GETDEFID, 0, 0);
    if (HIWORD(answer) != DC_HASDEFID) return;
    const WORD id = LOWORD(answer);
    const HWND button = GetDlgItem(dialog, id);
    if (button && !IsWindowEnabled(button)) return;
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, 0), reinterpret_cast<LPARAM>(button));
}

INT_PTR on_command(HWND dialog, WPARAM wParam, LPARAM lParam) {
    const WORD code = HIWORD(wParam);
    const auto control = reinterpret_cast<HWND>(lParam);
    const bool modal = yyismodaldialog(dialog) != 0;
    if (code == 2) {
        on_double_click(dialog);
        return 0;
    }
    if (code == 0 && push_button(control)) {
        if (modal) return end_modal(dialog, LOWORD(wParam), control);
        on_push_button(dialog, wParam, control);
        return 0;
    }
    switch (code) {
    case 0:
    case 1:
    case 3:
    case 4:
    case EditFocus:
        on_field_notification(dialog, code, LOWORD(wParam), control, modal);
        break;
    case ButtonFocus:
        if (field_class(control) == FieldClass::Button)
            on_field_notification(dialog, code, LOWORD(wParam), control, modal);
        break;
    default:
        break;
    }
    return 0;
}

void on_help(HWND dialog) {
    const int index = dialog_index(dialog, 0);
    if (index < 0 || yyismodaldialog(dialog)) return;
    DialogRecord* current = current_dialog_record();
    if (current && focused_id() != HelpField) current->PreviousField = current->CurrentField;
    interpret(CodeDialogCommand, index, HelpField, 0, dialog);
}

void on_track(HWND dialog, WPARAM wParam, HWND track) {
    if (field_class(track) != FieldClass::Track) return;
    const WORD scroll = LOWORD(wParam);
    if (scroll == TB_THUMBPOSITION || scroll == TB_ENDTRACK) return;
    CoreDialogs& d = dialogs();
    if ((GetWindowLongPtrA(track, GWL_STYLE) & TBS_ENABLESELRANGE) && GetKeyState(VK_SHIFT) < 0) {
        const auto position = static_cast<int>(SendMessageA(track, TBM_GETPOS, 0, 0));
        const int low = std::min(position, d.iSelStart);
        const int high = std::max(position, d.iSelStart);
        SendMessageA(track, TBM_SETSEL, TRUE, MAKELPARAM(low, high));
    }
    const int index = dialog_index(dialog, 0);
    if (index < 0 || yyismodaldialog(dialog)) return;
    DialogRecord& r = dialog_record(index);
    r.PreviousField = r.CurrentField;
    r.CurrentField = control_id(track);
    interpret(CodeFieldFocus, index, 0, reinterpret_cast<LPARAM>(track), dialog);
}

bool on_paint(HWND dialog) {
    if (yyismodaldialog(dialog)) return false;
    const int index = dialog_index(dialog, 1);
    if (index < 1) return false;
    CoreDialogs& d = dialogs();
    const HBITMAP image = d.wDlgImage[static_cast<std::size_t>(index)];
    if (d.wBlitOn && image) {
        paint_from_bitmap(dialog, image);
        return true;
    }
    DialogRecord& r = dialog_record(index);
    if (r.IsGraphicsArea == 1) {
        realise_toolkit_palette(dialog);
        r.GraphicsField = 0;
        interpret(CodeFieldRedraw, index, 0, 0, dialog);
    }
    return false;
}

void on_mouse_activate(HWND dialog) {
    CoreDialogs& d = dialogs();
    if (child_style(dialog) && GetParent(dialog) == window(0).client) {
        SetWindowPos(dialog, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
        SetActiveWindow(dialog);
        const HWND focus = GetFocus();
        if (!focus || (focus != dialog && !IsChild(dialog, focus))) SetFocus(dialog);
        d.hDlgCur = dialog;
    }
    yytitlecolour(dialog);
}

} // namespace

INT_PTR CALLBACK yydialogproc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        return yydialoginitialise(hwnd, lParam);
    case WM_DESTROY:
        yyfreefields(hwnd);
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) {
            dialogs().hDlgCur = hwnd;
        } else {
            dialogs().hDlgCur = nullptr;
            tk().core.hWinCur = hwnd;
        }
        return 0;
    case WM_MOUSEACTIVATE:
        on_mouse_activate(hwnd);
        return 0;
    case WM_PAINT:
        return on_paint(hwnd);
    case WM_HELP:
        on_help(hwnd);
        return 0;
    case WM_COMMAND:
        return on_command(hwnd, wParam, lParam);
    case WM_HSCROLL:
    case WM_VSCROLL:
        on_track(hwnd, wParam, reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
        return yyfieldcolourbrush(hwnd, message, reinterpret_cast<HDC>(wParam),
                                  reinterpret_cast<HWND>(lParam));
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
        const int index = dialog_index(hwnd, 0);
        if (index < 0) return 0;
        DialogRecord& r = dialog_record(index);
        if (r.IsGraphicsArea == 1 && !yyismodaldialog(hwnd)) {
            r.GraphicsField = 0;
            yygraphicsmouse(hwnd, hwnd, r, message, wParam, lParam);
        }
        return 0;
    }
    default:
        return 0;
    }
}
