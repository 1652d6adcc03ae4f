// IsDialogMessageA: the keyboard interface of a dialog. Each key first asks the control with
// the focus (WM_GETDLGCODE) whether it wants it; what the control leaves, the dialog uses for
// moving the focus, pressing buttons and mnemonics.
#include <cctype>
#include <string>

#include "dialog/dialog_state.h"

namespace plat {
namespace {

bool key_down(int vk) {
    return (GetKeyState(vk) & 0x8000) != 0;
}

LRESULT dlg_code(HWND control, MSG* msg) {
    return control ? SendMessageA(control, WM_GETDLGCODE, msg ? msg->wParam : 0,
                                  reinterpret_cast<LPARAM>(msg))
                   : 0;
}

void dispatch(MSG* msg) {
    TranslateMessage(msg);
    DispatchMessageA(msg);
}

// The control of the dialog that contains the window, the window itself for a direct child.
HWND control_of(HWND dialog, HWND hwnd) {
    while (hwnd && GetParent(hwnd) != dialog)
        hwnd = GetParent(hwnd);
    return hwnd;
}

// The control's own styles count: the controls of a dialog not shown yet are candidates too.
bool can_take_focus(HWND hwnd) {
    const auto style = static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_STYLE));
    return (style & WS_VISIBLE) && !(style & WS_DISABLED);
}

void on_enter(HWND dialog, HWND focus, LRESULT focusCode) {
    // A focused push button is the one Enter presses; otherwise the default, else IDOK.
    if (focus && (focusCode & DLGC_DEFPUSHBUTTON)) {
        press_button(dialog, focus, GetDlgCtrlID(focus));
        return;
    }
    const LRESULT def = SendMessageA(dialog, DM_GETDEFID, 0, 0);
    const int id = HIWORD(def) == DC_HASDEFID ? LOWORD(def) : IDOK;
    const HWND button = GetDlgItem(dialog, id);
    if (button && !IsWindowEnabled(button)) {
        MessageBeep(0);
        return;
    }
    press_button(dialog, button, id);
}

void on_escape(HWND dialog) {
    const HWND cancel = GetDlgItem(dialog, IDCANCEL);
    if (cancel && !IsWindowEnabled(cancel)) return;
    press_button(dialog, cancel, IDCANCEL);
}

void on_arrow(HWND dialog, HWND focus, bool previous) {
    const HWND next = GetNextDlgGroupItem(dialog, focus, previous);
    if (!next || next == focus) return;
    dialog_set_focus(dialog, next);
    // An automatic radio button is checked by moving onto it.
    const LRESULT code = dlg_code(next, nullptr);
    if ((code & DLGC_RADIOBUTTON) &&
        (GetWindowLongPtrA(next, GWL_STYLE) & BS_TYPEMASK) == BS_AUTORADIOBUTTON &&
        SendMessageA(next, BM_GETCHECK, 0, 0) != BST_CHECKED)
        SendMessageA(next, BM_CLICK, 0, 0);
}

void on_help(HWND dialog, HWND focus) {
    const HWND target = focus ? focus : dialog;
    HELPINFO info{};
    info.cbSize = sizeof info;
    info.iContextType = HELPINFO_WINDOW;
    info.iCtrlId = GetDlgCtrlID(target);
    info.hItemHandle = target;
    GetCursorPos(&info.MousePos);
    SendMessageA(target, WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
}

// The character after a single '&' in the text, 0 when there is none ("&&" is a plain '&').
char mnemonic_of(const std::string& text) {
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&') continue;
        if (text[i + 1] != '&') return text[i + 1];
        ++i;
    }
    return 0;
}

bool has_mnemonic(HWND control, char key) {
    const LRESULT code = dlg_code(control, nullptr);
    if (!(code & (DLGC_BUTTON | DLGC_STATIC | DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON |
                  DLGC_RADIOBUTTON)))
        return false;
    char text[256];
    GetWindowTextA(control, text, sizeof text);
    const char m = mnemonic_of(text);
    return m && std::toupper(static_cast<unsigned char>(m)) ==
                    std::toupper(static_cast<unsigned char>(key));
}

// The control after the label that takes the focus in its place.
HWND after_label(HWND label) {
    for (HWND c = GetWindow(label, GW_HWNDNEXT); c; c = GetWindow(c, GW_HWNDNEXT))
        if (can_take_focus(c) && !(dlg_code(c, nullptr) & DLGC_STATIC)) return c;
    return nullptr;
}

// A mnemonic acts on the first control after the focus that has it: a label moves the focus
// on, a push button is pressed, a check box or radio button takes the focus and is clicked.
bool on_mnemonic(HWND dialog, HWND focus, char key) {
    const HWND from = control_of(dialog, focus);
    HWND first = from ? GetWindow(from, GW_HWNDNEXT) : nullptr;
    if (!first) first = GetWindow(dialog, GW_CHILD);
    HWND c = first;
    do {
        if (!c) break;
        if ((GetWindowLongPtrA(c, GWL_STYLE) & WS_VISIBLE) && has_mnemonic(c, key)) {
            const LRESULT code = dlg_code(c, nullptr);
            if (code & DLGC_STATIC) {
                if (const HWND target = after_label(c)) dialog_set_focus(dialog, target);
            } else if (IsWindowEnabled(c)) {
                if (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) {
                    SendMessageA(c, BM_CLICK, 0, 0);
                } else {
                    dialog_set_focus(dialog, c);
                    SendMessageA(c, BM_CLICK, 0, 0);
                }
            }
            return true;
        }
        c = GetWindow(c, GW_HWNDNEXT);
        if (!c) c = GetWindow(dialog, GW_CHILD);
    } while (c != first);
    return false;
}

bool on_key_down(HWND dialog, MSG* msg, HWND focus, LRESULT code) {
    switch (msg->wParam) {
    case VK_TAB:
        if (code & DLGC_WANTTAB) return false;
        // Any window holding controls gets the dialog's keyboard interface; only a dialog
        // (a class with the dialog's extra bytes) answers WM_NEXTDLGCTL.
        if (GetClassLongPtrA(dialog, GCL_CBWNDEXTRA) >= DLGWINDOWEXTRA)
            SendMessageA(dialog, WM_NEXTDLGCTL, key_down(VK_SHIFT), 0);
        else
            dialog_set_focus(
                dialog, GetNextDlgTabItem(dialog, control_of(dialog, focus), key_down(VK_SHIFT)));
        return true;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
        if (code & DLGC_WANTARROWS) return false;
        on_arrow(dialog, control_of(dialog, focus), msg->wParam == VK_LEFT || msg->wParam == VK_UP);
        return true;
    case VK_RETURN: {
        const HWND control = control_of(dialog, focus);
        on_enter(dialog, control, control == msg->hwnd ? code : dlg_code(control, nullptr));
        return true;
    }
    case VK_ESCAPE:
        on_escape(dialog);
        return true;
    case VK_F1:
        if (key_down(VK_CONTROL) || key_down(VK_SHIFT)) return false;
        on_help(dialog, focus);
        return true;
    default:
        return false;
    }
}

} // namespace
} // namespace plat

using namespace plat;

BOOL IsDialogMessageA(HWND dialog, MSG* msg) {
    if (!dialog || !msg || !IsWindow(dialog)) return FALSE;
    if (msg->hwnd != dialog && !IsChild(dialog, msg->hwnd)) return FALSE;
    const UINT m = msg->message;
    if (m != WM_KEYDOWN && m != WM_CHAR && m != WM_SYSCHAR) {
        dispatch(msg);
        return TRUE;
    }
    const HWND focus = GetFocus();
    const LRESULT code = dlg_code(msg->hwnd, msg);
    if (code & DLGC_WANTMESSAGE) {
        dispatch(msg);
        return TRUE;
    }
    bool done = false;
    if (m == WM_KEYDOWN)
        done = on_key_down(dialog, msg, focus, code);
    else if (m == WM_SYSCHAR)
        done = on_mnemonic(dialog, focus, static_cast<char>(msg->wParam));
    else if (!(code & DLGC_WANTCHARS) && static_cast<unsigned char>(msg->wParam) > ' ')
        done = on_mnemonic(dialog, focus, static_cast<char>(msg->wParam));
    if (!done) dispatch(msg);
    return TRUE;
}
