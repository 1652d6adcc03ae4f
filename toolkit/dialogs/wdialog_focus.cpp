// Focus, caption and queries of the current dialog.
#include <commctrl.h>

#include "core/wmiscel.h"
#include "dialogs/dialog_table.h"
#include "dialogs/wdialog.h"

using namespace tess;

namespace {

// Labels the tab items that show dialog id as their page with text, in every tab control of
// the other loaded dialogs.
void label_tab_pages(int id, HWND self, const char* text) {
    const CoreDialogs& d = dialogs();
    for (int i = 1; i <= d.nDialogs; ++i) {
        const HWND other = dialog_record(i).Handle;
        if (!other || other == self) continue;
        for (HWND c = GetWindow(other, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
            if (field_class(c) != FieldClass::Tab) continue;
            const auto count = static_cast<int>(SendMessageA(c, TCM_GETITEMCOUNT, 0, 0));
            for (int item = 0; item < count; ++item) {
                TCITEMA t{};
                t.mask = TCIF_PARAM;
                SendMessageA(c, TCM_GETITEMA, static_cast<WPARAM>(item),
                             reinterpret_cast<LPARAM>(&t));
                if (t.lParam != id) continue;
                TCITEMA label{};
                label.mask = TCIF_TEXT;
                label.pszText = const_cast<char*>(text);
                SendMessageA(c, TCM_SETITEMA, static_cast<WPARAM>(item),
                             reinterpret_cast<LPARAM>(&label));
                RECT page{};
                GetClientRect(c, &page);
                SendMessageA(c, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page));
                ValidateRect(c, &page);
                UpdateWindow(c);
            }
        }
    }
}

} // namespace

void yydialogfocus_(int& f) {
    DialogRecord* r = current_dialog_record();
    const HWND field = field_window(f);
    if (!r || !field) {
        f = -1;
        return;
    }
    SetFocus(field);
    yyDialogSelectAll(field);
    r->CurrentField = f;
    const HWND dialog = r->Handle;
    if (child_style(dialog) && GetParent(dialog) == window(0).client) {
        SetWindowPos(dialog, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        SetActiveWindow(dialog);
        dialogs().hDlgCur = dialog;
        yytitlecolour(dialog);
        SetFocus(field);
    }
}

void yydialogtitle_(const char* text) {
    const DialogRecord* r = current_dialog_record();
    if (!r) return;
    const HWND dialog = r->Handle;
    const char* title = text ? text : "";
    const auto style = GetWindowLongPtrA(dialog, GWL_STYLE);
    if (style & WS_CAPTION)
        SetWindowTextA(dialog, title);
    else if (child_style(dialog))
        label_tab_pages(r->Id, dialog, title);
}

void yywinfodialog_(const int& selector, int& result) {
    const DialogRecord* r = current_dialog_record();
    switch (selector) {
    case 1:
        result = r ? r->CurrentField : 0;
        break;
    case 2:
        result = r ? r->PreviousField : 0;
        break;
    case 3:
        result = dialogs().iDlgAct;
        break;
    default:
        result = 0;
        break;
    }
}

void yygetdlgfactor_(int& x, int& y) {
    RECT r{0, 0, 4, 8};
    const HWND dialog = current_dialog();
    if (dialog) MapDialogRect(dialog, &r);
    x = r.right;
    y = r.bottom;
}
