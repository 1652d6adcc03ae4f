// What a field is: its kind, its state and where it lies.
#include "dialogs/wfield.h"
#include "dialogs/wfield_internal.h"

namespace tess {

int field_kind(HWND control) {
    const LONG_PTR style = style_of(control);
    switch (field_class(control)) {
    case FieldClass::Static: {
        // Only plain left, centred and simple text counts as text; any further bit of the low
        // byte (SS_NOPREFIX included) makes it another static.
        const LONG_PTR low = style & 0xFF;
        return low == SS_LEFT || low == SS_CENTER || low == SS_SIMPLE ? KindStaticText : KindStatic;
    }
    case FieldClass::Button:
        // In this order, so an owner-drawn button (11) counts as a check box.
        if ((style & 7) == 7) return KindGroupBox;
        if ((style & 3) == 3) return KindCheckBox;
        if ((style & 9) == 9) return KindRadioButton;
        return KindPushButton;
    case FieldClass::Edit:
        return KindEdit;
    case FieldClass::Combo:
        return KindCombo;
    case FieldClass::List:
        return KindList;
    case FieldClass::Tab:
        return KindTab;
    case FieldClass::Progress:
        return KindProgress;
    case FieldClass::Track:
        return KindTrackbar;
    default:
        return KindOther;
    }
}

bool is_button_type(HWND control, LONG_PTR type) {
    return field_class(control) == FieldClass::Button &&
           (style_of(control) & BS_TYPEMASK) == type;
}

} // namespace tess

void yygetfieldtype_(int& f, int& kind) {
    const HWND control = tess::field_window(f);
    if (!control) {
        f = tess::FieldMissing;
        return;
    }
    kind = tess::field_kind(control);
}

void yygetfieldstate_(int& f, int& state) {
    const HWND control = tess::field_window(f);
    if (!control) {
        f = tess::FieldMissing;
        return;
    }
    if (!IsWindowEnabled(control))
        state = 0;
    else if (tess::field_class(control) == tess::FieldClass::Edit &&
             (tess::style_of(control) & ES_READONLY))
        state = 2;
    else
        state = 1;
}

void yyfieldenable_(int& f, const int& state) {
    const HWND control = tess::field_window(f);
    if (!control) {
        f = tess::FieldMissing;
        return;
    }
    if (tess::field_class(control) == tess::FieldClass::Edit) {
        EnableWindow(control, state != 0);
        SendMessageA(control, EM_SETREADONLY, state == 2, 0);
    } else {
        EnableWindow(control, state == 1);
        // The static subclass keeps WM_ENABLE from the static, which would not repaint.
        if (tess::field_class(control) == tess::FieldClass::Static)
            InvalidateRect(control, nullptr, TRUE);
    }
    tess::repaint(control);
}

void yygetfieldinfo_(int& f, int& x, int& y, int& width, int& height, const int& area) {
    const HWND control = tess::field_window(f);
    if (!control) {
        f = tess::FieldMissing;
        return;
    }
    POINT origin{0, 0};
    RECT r{};
    if (area == 1) {
        GetClientRect(control, &r);
        ClientToScreen(control, &origin);
    } else {
        GetWindowRect(control, &r);
        origin = {r.left, r.top};
    }
    ScreenToClient(tess::current_dialog(), &origin);
    x = origin.x;
    y = origin.y;
    width = r.right - r.left;
    height = r.bottom - r.top;
}
