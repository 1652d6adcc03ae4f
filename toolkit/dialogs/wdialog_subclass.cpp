// The control subclasses of dialog fields: one per class that needs more than the platform's
// behaviour, and yysubpaint around every control.
#include <commctrl.h>

#include "core/wwndproc.h"
#include "dialogs/dialog_table.h"
#include "dialogs/wdialog.h"
#include "dialogs/wdialog_internal.h"

using namespace tess;

namespace {

constexpr char CtrlA = 1;
constexpr WPARAM ButtonFocus = 6;
constexpr WPARAM EditFocus = 0x100;

LRESULT pass(WNDPROC proc, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return proc ? CallWindowProcA(proc, hwnd, message, wParam, lParam)
                : DefWindowProcA(hwnd, message, wParam, lParam);
}

// Tells the dialog that a control gained the focus, as an edit control does by itself.
void notify_focus(HWND control, WPARAM code) {
    const int id = GetDlgCtrlID(control);
    SendMessageA(GetParent(control), WM_COMMAND, MAKEWPARAM(id, code),
                 reinterpret_cast<LPARAM>(control));
}

// A graphics area of a loaded (not modal) dialog; the dialog's record index, else -1.
int graphics_dialog(HWND control) {
    const FieldRecord* record = field_record(control);
    const HWND dialog = GetParent(control);
    if (!record || record->IsGraphicsArea != 1 || yyismodaldialog(dialog)) return -1;
    return dialog_index(dialog, 1);
}

void post_field_redraw(HWND control) {
    const int index = graphics_dialog(control);
    if (index < 1) return;
    dialog_record(index).GraphicsField = GetDlgCtrlID(control);
    interpret(CodeFieldRedraw, index, 0, 0, GetParent(control));
}

bool mouse_message(UINT message) {
    switch (message) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        return true;
    default:
        return false;
    }
}

void select_whole_range(HWND track) {
    const auto low = SendMessageA(track, TBM_GETRANGEMIN, 0, 0);
    const auto high = SendMessageA(track, TBM_GETRANGEMAX, 0, 0);
    SendMessageA(track, TBM_SETSEL, TRUE, MAKELPARAM(low, high));
}

void track_key_down(HWND track, WPARAM key, LPARAM lParam) {
    const bool repeat = (lParam & (1 << 30)) != 0;
    if (repeat) return;
    CoreDialogs& d = dialogs();
    if (key == VK_SHIFT) {
        d.iSelStart = static_cast<int>(SendMessageA(track, TBM_GETPOS, 0, 0));
    } else if (key == VK_DELETE) {
        SendMessageA(track, TBM_CLEARSEL, TRUE, 0);
        d.iSelStart = 0;
    } else if (key == 'A' && GetKeyState(VK_CONTROL) < 0) {
        select_whole_range(track);
    }
}

void track_key_up(HWND track, WPARAM key) {
    if (key != VK_SHIFT) return;
    const auto start = SendMessageA(track, TBM_GETSELSTART, 0, 0);
    const auto end = SendMessageA(track, TBM_GETSELEND, 0, 0);
    if (start == end) SendMessageA(track, TBM_CLEARSEL, TRUE, 0);
    dialogs().iSelStart = 0;
}

} // namespace

void yygraphicsmouse(HWND dialog, HWND window, DialogRecord& r, UINT message, WPARAM wParam,
                     LPARAM lParam) {
    const int index = dialog_index(dialog, 0);
    int code = CodeFieldMouseMove;
    switch (message) {
    case WM_MOUSEMOVE:
        r.MouseButton = 0;
        break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        SetCapture(window);
        code = CodeFieldButtonDown;
        break;
    default:
        ReleaseCapture();
        code = CodeFieldButtonUp;
        break;
    }
    if (message == WM_LBUTTONDOWN || message == WM_LBUTTONUP) r.MouseButton = 1;
    if (message == WM_RBUTTONDOWN || message == WM_RBUTTONUP) r.MouseButton = 3;
    if (message == WM_MBUTTONDOWN || message == WM_MBUTTONUP) r.MouseButton = 2;
    if (index >= 0) interpret(code, index, wParam, lParam, dialog);
}

LRESULT CALLBACK yysubedit(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const WNDPROC normal = dialogs().classes.lpNormalEditProc;
    if (message == WM_CHAR && wParam == CtrlA) {
        SendMessageA(hwnd, EM_SETSEL, 0, -1);
        SendMessageA(hwnd, EM_SCROLLCARET, 0, 0);
        return 0;
    }
    return pass(normal, hwnd, message, wParam, lParam);
}

LRESULT CALLBACK yysubbutton(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const WNDPROC normal = dialogs().classes.lpNormalButtonProc;
    if (message == WM_SETFOCUS) {
        const LRESULT result = pass(normal, hwnd, message, wParam, lParam);
        if (IsWindow(hwnd)) notify_focus(hwnd, ButtonFocus);
        return result;
    }
    if (message == BM_SETSTATE) {
        const bool pushed = (SendMessageA(hwnd, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
        if (pushed != (wParam != 0)) post_field_redraw(hwnd);
    }
    return pass(normal, hwnd, message, wParam, lParam);
}

LRESULT CALLBACK yysubstatic(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const WNDPROC normal = dialogs().classes.lpNormalStaticProc;
    if (message == WM_NCHITTEST) {
        const LRESULT hit = pass(normal, hwnd, message, wParam, lParam);
        const bool notify = (GetWindowLongPtrA(hwnd, GWL_STYLE) & SS_NOTIFY) != 0;
        return hit == HTTRANSPARENT && notify ? HTCLIENT : hit;
    }
    if (mouse_message(message)) {
        const int index = graphics_dialog(hwnd);
        if (index >= 1) {
            DialogRecord& r = dialog_record(index);
            r.GraphicsField = GetDlgCtrlID(hwnd);
            yygraphicsmouse(GetParent(hwnd), hwnd, r, message, wParam, lParam);
        }
        return 0;
    }
    switch (message) {
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
    case WM_ENABLE:
        return 0;
    default:
        return pass(normal, hwnd, message, wParam, lParam);
    }
}

LRESULT CALLBACK yysubtrack(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const WNDPROC normal = dialogs().classes.lpNormalTrackProc;
    const bool range = (GetWindowLongPtrA(hwnd, GWL_STYLE) & TBS_ENABLESELRANGE) != 0;
    switch (message) {
    case WM_SETFOCUS: {
        const LRESULT result = pass(normal, hwnd, message, wParam, lParam);
        if (IsWindow(hwnd)) notify_focus(hwnd, EditFocus);
        return result;
    }
    case WM_KILLFOCUS:
        dialogs().iSelStart = 0;
        break;
    case WM_KEYDOWN:
        if (range) track_key_down(hwnd, wParam, lParam);
        break;
    case WM_KEYUP:
        if (range) track_key_up(hwnd, wParam);
        break;
    default:
        break;
    }
    return pass(normal, hwnd, message, wParam, lParam);
}

LRESULT CALLBACK yysubpaint(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    // Only dialog set-up installs this procedure, together with the record.
    const auto* record =
        reinterpret_cast<const FieldRecord*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    const WNDPROC previous = record ? record->PreviousProc : nullptr;
    const LRESULT result = pass(previous, hwnd, message, wParam, lParam);
    if (message == WM_PAINT && IsWindow(hwnd)) post_field_redraw(hwnd);
    return result;
}
