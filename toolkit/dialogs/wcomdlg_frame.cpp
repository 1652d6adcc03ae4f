// The frame every common dialog runs in: the owner, the other windows disabled while it runs.
#include "core/context.h"
#include "core/wmiscel.h"
#include "dialogs/wcomdlg.h"

namespace tess {

HWND common_dialog_owner() {
    const HWND active = tk().dialogs.hDlgCur;
    return active ? active : tk().core.hWinCur;
}

void common_dialog_begin(HWND owner) {
    for (const WindowRecord& w : tk().core.slots)
        if (w.frame && w.frame != owner && IsWindowVisible(w.frame)) EnableWindow(w.frame, FALSE);
}

void common_dialog_end(HWND owner) {
    for (const WindowRecord& w : tk().core.slots)
        if (w.frame && IsWindowVisible(w.frame)) EnableWindow(w.frame, TRUE);
    if (owner && (GetWindowLongPtrA(owner, GWL_STYLE) & WS_CHILD)) yytitlecolour(owner);
}

} // namespace tess
