// Modal dialogs: made like modeless ones, then shown with their owner disabled and served by a
// message loop of their own until EndDialog.
#include "dialog/dialog_create.h"
#include "dialog/dialog_state.h"
#include "window/modal_loop.h"

namespace plat {
namespace {

HWND root_of(HWND hwnd) {
    while (hwnd && (GetWindowLongPtrA(hwnd, GWL_STYLE) & WS_CHILD))
        hwnd = GetParent(hwnd);
    return hwnd;
}

bool still_running(HWND dialog) {
    const DialogState* s = existing_dialog_state(dialog);
    return s && !s->ended;
}

// The dialog runs on the one modal loop: every window's messages are dispatched (so other
// windows repaint and timers run), the dialog's keys go through IsDialogMessageA, the owner
// hears WM_ENTERIDLE with MSGF_DIALOGBOX whenever the queue runs dry, and WM_QUIT ends it and is
// posted again for the program's own loop. The owner's enabling stays here: EndDialog enables it
// before the dialog hides, so that activation returns to it.
void run_dialog_loop(HWND dialog, HWND owner) {
    ModalLoop loop;
    loop.owner = owner;
    loop.window = dialog;
    loop.idleCode = (GetWindowLongPtrA(dialog, GWL_STYLE) & DS_NOIDLEMSG)
                        ? -1
                        : static_cast<int>(MSGF_DIALOGBOX);
    loop.filter = [dialog](MSG& msg) { return IsDialogMessageA(dialog, &msg) != FALSE; };
    loop.done = [dialog] { return !still_running(dialog); };
    run_modal_loop(loop);
}

INT_PTR run_modal(HINSTANCE instance, std::span<const std::byte> bytes, HWND parent, DLGPROC proc,
                  LPARAM param) {
    const HWND owner = root_of(parent);
    const HWND dialog = create_dialog(instance, bytes, owner, proc, param, true);
    if (!dialog) return -1;
    DialogState* s = dialog_state(dialog);
    if (!s->ended) {
        if (owner && !EnableWindow(owner, FALSE)) s->disabledOwner = owner;
        if ((s = dialog_state(dialog)) && !s->ended) {
            ShowWindow(dialog, SW_SHOWNORMAL);
            run_dialog_loop(dialog, owner);
        }
    }
    INT_PTR result = 0;
    if ((s = existing_dialog_state(dialog))) {
        result = s->result;
        if (s->disabledOwner) EnableWindow(s->disabledOwner, TRUE);
        s->disabledOwner = nullptr;
        DestroyWindow(dialog);
    } else if (IsWindow(owner) && !IsWindowEnabled(owner)) {
        EnableWindow(owner, TRUE); // the dialog went without EndDialog
    }
    return result;
}

} // namespace
} // namespace plat

using namespace plat;

INT_PTR DialogBoxIndirectParamA(HINSTANCE instance, LPCDLGTEMPLATEA dialogTemplate, HWND parent,
                                DLGPROC proc, LPARAM param) {
    if (!dialogTemplate) return -1;
    return run_modal(instance, loose_template(instance, dialogTemplate), parent, proc, param);
}

INT_PTR DialogBoxParamA(HINSTANCE instance, LPCSTR templateName, HWND parent, DLGPROC proc,
                        LPARAM param) {
    const auto bytes = resource_bytes(instance, templateName, RT_DIALOG);
    if (!bytes) return -1;
    return run_modal(instance, *bytes, parent, proc, param);
}

// The owner is enabled again before the dialog goes, so that activation returns to it.
BOOL EndDialog(HWND dialog, INT_PTR result) {
    DialogState* s = existing_dialog_state(dialog);
    if (!s) return FALSE;
    s->ended = true;
    s->result = result;
    if (!s->modal) return TRUE;
    if (const HWND owner = s->disabledOwner) {
        s->disabledOwner = nullptr;
        EnableWindow(owner, TRUE);
    }
    if (IsWindow(dialog)) ShowWindow(dialog, SW_HIDE);
    return TRUE;
}
