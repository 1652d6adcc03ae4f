// Field texts: reading, setting, their length, and clearing a field of any kind.
#include <algorithm>
#include <cstring>

#include "dialogs/wfield.h"
#include "dialogs/wfield_internal.h"

namespace tess {

LONG_PTR style_of(HWND control) {
    return GetWindowLongPtrA(control, GWL_STYLE);
}

void repaint(HWND control) {
    UpdateWindow(control);
}

void copy_out(const char* text, char* buffer, int size) {
    if (!buffer || size < 1) return;
    const std::size_t n = std::min(std::strlen(text), static_cast<std::size_t>(size - 1));
    std::memcpy(buffer, text, n);
    buffer[n] = '\0';
}

} // namespace tess

void yyfieldgetstring_(int& f, char* buffer, const int& size) {
    const HWND control = tess::field_window(f);
    if (!control) {
        f = tess::FieldMissing;
        return;
    }
    if (buffer && size > 0) GetWindowTextA(control, buffer, size);
}

void yyfieldputtext_(int& f, const char* text) {
    const HWND control = tess::field_window(f);
    if (!control || !SetWindowTextA(control, text ? text : "")) {
        f = tess::FieldMissing;
        return;
    }
    tess::repaint(control);
}

void yyfieldgetlength_(int& f, int& length) {
    const HWND control = tess::field_window(f);
    if (!control) {
        f = tess::FieldMissing;
        return;
    }
    length = GetWindowTextLengthA(control);
}

void yyfieldclear_(int& f) {
    const HWND control = tess::field_window(f);
    if (!control) return;
    switch (tess::field_class(control)) {
    case tess::FieldClass::Edit:
    case tess::FieldClass::Static:
        SetWindowTextA(control, "");
        break;
    case tess::FieldClass::Combo:
        SendMessageA(control, CB_RESETCONTENT, 0, 0);
        break;
    case tess::FieldClass::List:
        SendMessageA(control, LB_RESETCONTENT, 0, 0);
        break;
    case tess::FieldClass::Button:
        switch (tess::style_of(control) & BS_TYPEMASK) {
        case BS_PUSHBUTTON:
        case BS_DEFPUSHBUTTON:
        case BS_GROUPBOX:
            SetWindowTextA(control, "");
            break;
        case BS_AUTOCHECKBOX:
            SendMessageA(control, BM_SETCHECK, BST_UNCHECKED, 0);
            break;
        case BS_AUTORADIOBUTTON: {
            const tess::Group g = tess::group_of(control);
            for (HWND c = g.first; c; c = GetWindow(c, GW_HWNDNEXT)) {
                SendMessageA(c, BM_SETCHECK, BST_UNCHECKED, 0);
                if (c == g.last) break;
            }
            break;
        }
        default:
            break;
        }
        break;
    default:
        break;
    }
    tess::repaint(control);
}
