// Control set-up when a dialog window is created, the release of its fields when it goes, and
// the colours of coloured fields.
#include "dialogs/dialog_table.h"
#include "dialogs/field_images.h"
#include "dialogs/wdialog.h"
#include "dialogs/wdialog_internal.h"

using namespace tess;

namespace {

constexpr int ModalInstance = 1;

LPCSTR image_name(HWND control) {
    return MAKEINTRESOURCEA(static_cast<WORD>(GetDlgCtrlID(control)));
}

// Plain check boxes and three-state boxes become automatic check boxes, plain radio buttons
// automatic ones: the toolkit reads and sets their states itself. A bitmap or icon button shows
// the image named by its identifier, or its text when there is none.
LONG_PTR set_up_button(HWND button, LONG_PTR style) {
    switch (style & BS_TYPEMASK) {
    case BS_CHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
        style = (style & ~LONG_PTR{BS_TYPEMASK}) | BS_AUTOCHECKBOX;
        break;
    case BS_RADIOBUTTON:
        style = (style & ~LONG_PTR{BS_TYPEMASK}) | BS_AUTORADIOBUTTON;
        break;
    default:
        break;
    }
    if (style & (BS_BITMAP | BS_ICON)) {
        const UINT type = (style & BS_BITMAP) ? IMAGE_BITMAP : IMAGE_ICON;
        const UINT flags = type == IMAGE_BITMAP ? LR_LOADMAP3DCOLORS | LR_LOADTRANSPARENT : 0;
        HANDLE image = LoadImageA(tk().core.wInstance, image_name(button), type, 0, 0, flags);
        if (image) {
            hold_field_image(image);
            delete_image(reinterpret_cast<HANDLE>(SendMessageA(button, BM_SETIMAGE, type,
                                                               reinterpret_cast<LPARAM>(image))),
                         type);
        }
        if (!SendMessageA(button, BM_GETIMAGE, type, 0)) style &= ~LONG_PTR{BS_BITMAP | BS_ICON};
    }
    SetWindowLongPtrA(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(yysubbutton));
    return style;
}

// A bitmap the static loaded from its template's text becomes the toolkit's like any other
// image on a field (icons loaded so are shared ones and stay the system's).
void set_up_static(HWND control, LONG_PTR style) {
    const auto kind = style & SS_TYPEMASK;
    if (kind == SS_BITMAP || kind == SS_ICON) {
        const UINT type = kind == SS_BITMAP ? IMAGE_BITMAP : IMAGE_ICON;
        if (const auto own = SendMessageA(control, STM_GETIMAGE, type, 0)) {
            if (type == IMAGE_BITMAP) hold_field_image(reinterpret_cast<HANDLE>(own));
        } else if (HANDLE image =
                       LoadImageA(tk().core.wInstance, image_name(control), type, 0, 0, 0)) {
            hold_field_image(image);
            SendMessageA(control, STM_SETIMAGE, type, reinterpret_cast<LPARAM>(image));
        }
    }
    SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(yysubstatic));
}

void set_up_control(HWND control) {
    auto* record = new FieldRecord;
    SetWindowLongPtrA(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(record));
    LONG_PTR style = GetWindowLongPtrA(control, GWL_STYLE);
    switch (field_class(control)) {
    case FieldClass::Edit:
        SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(yysubedit));
        break;
    case FieldClass::Button:
        style = set_up_button(control, style);
        break;
    case FieldClass::Static:
        set_up_static(control, style);
        break;
    case FieldClass::Track:
        SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(yysubtrack));
        break;
    default:
        break;
    }
    SetWindowLongPtrA(control, GWL_STYLE, style);
    SetWindowLongPtrA(control, GWL_EXSTYLE,
                      GetWindowLongPtrA(control, GWL_EXSTYLE) & ~LONG_PTR{WS_EX_NOPARENTNOTIFY});
    record->PreviousProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(control, GWLP_WNDPROC));
    SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(yysubpaint));
}

} // namespace

INT_PTR yydialoginitialise(HWND dialog, LPARAM param) {
    CoreDialogs& d = dialogs();
    // A load's record knows its window from here on, so that its fields are found while the
    // creation still runs.
    if (param != ModalInstance && d.DialogInTransition) dialog_record(d.nDialogs).Handle = dialog;
    for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        set_up_control(c);
    if (param == ModalInstance) {
        dialog_record(0).Handle = dialog;
        yydialogcopy(dialog, current_dialog());
        yydialogcentre(dialog);
        SetWindowPos(dialog, nullptr, d.ShowX, d.ShowY, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE);
    }
    SetWindowLongPtrA(dialog, GWL_EXSTYLE,
                      GetWindowLongPtrA(dialog, GWL_EXSTYLE) | LONG_PTR{WS_EX_APPWINDOW});
    if (d.ShowFocusField != 0) {
        const HWND field = GetDlgItem(dialog, d.ShowFocusField);
        if (field) {
            SetFocus(field);
            yyDialogSelectAll(field);
            return FALSE;
        }
    }
    return TRUE;
}

void yyfreefields(HWND dialog) {
    for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        auto* record = reinterpret_cast<FieldRecord*>(GetWindowLongPtrA(c, GWLP_USERDATA));
        if (!record) continue;
        UINT type = IMAGE_BITMAP;
        let_go_field_image(field_image(c, type), type);
        if (record->PreviousProc)
            SetWindowLongPtrA(c, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(record->PreviousProc));
        SetWindowLongPtrA(c, GWLP_USERDATA, 0);
        delete record;
    }
}

INT_PTR yyfieldcolourbrush(HWND dialog, UINT message, HDC dc, HWND control) {
    CoreDialogs& d = dialogs();
    if (tk().display.Win32s == 1) return 0;
    if (d.hBrushDlg) {
        DeleteObject(d.hBrushDlg);
        d.hBrushDlg = nullptr;
    }
    // The parts of a combo box ask for their box's colours.
    HWND field = control;
    for (int up = 0; field && GetParent(field) != dialog && up < 2; ++up)
        field = GetParent(field);
    if (!field || GetParent(field) != dialog) return 0;
    const FieldRecord* record = field_record(field);
    if (!record) return 0;
    const bool button = message == WM_CTLCOLORBTN;
    if (record->Foreground != -1)
        SetTextColor(dc, static_cast<COLORREF>(record->Foreground));
    else if (record->Background != -1)
        SetTextColor(dc, GetSysColor(button ? COLOR_BTNTEXT : COLOR_WINDOWTEXT));
    if (record->Background != -1) {
        SetBkColor(dc, static_cast<COLORREF>(record->Background));
        d.hBrushDlg =
            CreateSolidBrush(GetNearestColor(dc, static_cast<COLORREF>(record->Background)));
        return reinterpret_cast<INT_PTR>(d.hBrushDlg);
    }
    if (record->Foreground != -1) {
        const int face = button || message == WM_CTLCOLORSTATIC ? COLOR_BTNFACE : COLOR_WINDOW;
        SetBkColor(dc, GetSysColor(face));
        return reinterpret_cast<INT_PTR>(GetSysColorBrush(face));
    }
    return 0;
}
