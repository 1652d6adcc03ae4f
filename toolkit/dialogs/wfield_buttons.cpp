// Check boxes and radio groups.
#include "dialogs/wfield.h"
#include "dialogs/wfield_internal.h"

namespace tess {

Group group_of(HWND control) {
    const HWND dialog = GetParent(control);
    Group g;
    g.first = GetWindow(dialog, GW_CHILD);
    for (HWND c = g.first; c; c = GetWindow(c, GW_HWNDNEXT)) {
        if (GetWindowLongPtrA(c, GWL_STYLE) & WS_GROUP) g.first = c;
        if (c == control) break;
    }
    g.last = control;
    for (HWND c = GetWindow(control, GW_HWNDNEXT); c; c = GetWindow(c, GW_HWNDNEXT)) {
        if (GetWindowLongPtrA(c, GWL_STYLE) & WS_GROUP) break;
        g.last = c;
    }
    return g;
}

} // namespace tess

namespace {

using tess::Group;
using tess::group_of;

bool is_auto_radio(HWND control) {
    return tess::is_button_type(control, BS_AUTORADIOBUTTON);
}

} // namespace

void yyfieldgroup(int f, int& first, int& last) {
    first = last = 0;
    const HWND control = tess::field_window(f);
    if (!control) return;
    const Group g = group_of(control);
    first = GetDlgCtrlID(g.first);
    last = GetDlgCtrlID(g.last);
}

void yyfieldgetcheck_(int& f, int& state) {
    const HWND control = tess::field_window(f);
    const LRESULT check = control ? SendMessageA(control, BM_GETCHECK, 0, 0) : 0;
    if (check == -1) f = tess::FieldMissing;
    state = static_cast<int>(check);
}

void yyfieldputcheck_(int& f, const int& state) {
    const HWND dialog = tess::current_dialog();
    if (!dialog || !tess::field_window(f) || !CheckDlgButton(dialog, f, static_cast<UINT>(state)))
        f = tess::FieldMissing;
}

void yyfieldgetradio_(int& f, int& position) {
    position = 0;
    const HWND control = tess::field_window(f);
    if (!control || !is_auto_radio(control)) {
        f = tess::FieldMissing;
        return;
    }
    const Group g = group_of(control);
    int place = 1;
    for (HWND c = g.first; c; c = GetWindow(c, GW_HWNDNEXT), ++place) {
        if (SendMessageA(c, BM_GETCHECK, 0, 0) == BST_CHECKED) {
            position = place;
            f = 0;
            return;
        }
        if (c == g.last) break;
    }
    position = tess::NothingSelected;
    f = tess::FieldMissing;
}

void yyfieldputradio_(int& f) {
    const HWND control = tess::field_window(f);
    if (!control || !is_auto_radio(control)) {
        f = tess::FieldMissing;
        return;
    }
    const Group g = group_of(control);
    for (HWND c = g.first; c; c = GetWindow(c, GW_HWNDNEXT)) {
        SendMessageA(c, BM_SETCHECK, c == control ? BST_CHECKED : BST_UNCHECKED, 0);
        if (c == g.last) break;
    }
}
