// Combo boxes and list boxes: reading and setting the selection, adding items, item states.
#include <algorithm>
#include <string>

#include "dialogs/wfield.h"
#include "dialogs/wfield_internal.h"

namespace {

constexpr int ListBoxKind = 1;
// One range request covers items whose indices fit the request's 16-bit halves.
constexpr int RangeLimit = 65536;

std::string window_text(HWND control) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(control)) + 1, '\0');
    GetWindowTextA(control, text.data(), static_cast<int>(text.size()));
    text.resize(std::char_traits<char>::length(text.c_str()));
    return text;
}

std::string item_text(HWND control, UINT lengthMessage, UINT textMessage, LRESULT index) {
    const LRESULT length = SendMessageA(control, lengthMessage, static_cast<WPARAM>(index), 0);
    if (length < 0) return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    SendMessageA(control, textMessage, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(text.data()));
    text.resize(std::char_traits<char>::length(text.c_str()));
    return text;
}

bool is_list(HWND control) {
    return tess::field_class(control) == tess::FieldClass::List;
}

} // namespace

void yyfieldgetcombo_(int& f, int& index, char* buffer, const int& size) {
    const HWND control = tess::field_window(f);
    index = tess::NothingSelected;
    if (!control) {
        tess::copy_out("", buffer, size);
        return;
    }
    const auto selection = static_cast<int>(SendMessageA(control, CB_GETCURSEL, 0, 0));
    const std::string text = window_text(control);
    tess::copy_out(text.c_str(), buffer, size);
    if (selection >= 0) {
        index = selection + 1;
    } else if (!text.empty()) {
        // Typed text counts as the item it names exactly, or as none (0).
        const LRESULT found = SendMessageA(control, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                           reinterpret_cast<LPARAM>(text.c_str()));
        index = found >= 0 ? static_cast<int>(found) + 1 : 0;
    }
}

void yyfieldputcombo_(int& f, const char* text) {
    const HWND control = tess::field_window(f);
    if (!control || !text) return;
    const LRESULT found = SendMessageA(control, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(text));
    if (found >= 0)
        SendMessageA(control, CB_SETCURSEL, static_cast<WPARAM>(found), 0);
    else {
        // The text is the user's own then, not an item still selected from before.
        SendMessageA(control, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        SetWindowTextA(control, text);
    }
}

void yyfieldgetlist_(int& f, int& index, char* buffer, const int& size) {
    const HWND control = tess::field_window(f);
    const LRESULT selection = control ? SendMessageA(control, LB_GETCURSEL, 0, 0) : LB_ERR;
    if (selection < 0) {
        index = tess::NothingSelected;
        return;
    }
    tess::copy_out(item_text(control, LB_GETTEXTLEN, LB_GETTEXT, selection).c_str(), buffer, size);
    index = static_cast<int>(selection) + 1;
}

void yyfieldputmenu_(const int& kind, int& f, const char* text) {
    const HWND control = tess::field_window(f);
    if (!control || !text) return;
    SendMessageA(control, kind == ListBoxKind ? LB_ADDSTRING : CB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(text));
}

void yyfieldputoption_(const int& kind, int& f, const int& index) {
    const HWND control = tess::field_window(f);
    const LRESULT answer =
        control ? SendMessageA(control, kind == ListBoxKind ? LB_SETCURSEL : CB_SETCURSEL,
                               static_cast<WPARAM>(index), 0)
                : LB_ERR;
    // Selecting none (-1) is reported as a failure too, as the platform does.
    if (answer == LB_ERR) f = tess::FieldMissing;
    if (control) tess::repaint(control);
}

void yygetmenutype_(int& f, int& type) {
    const HWND control = tess::field_window(f);
    const LONG_PTR style = control ? tess::style_of(control) : 0;
    switch (control ? tess::field_class(control) : tess::FieldClass::Other) {
    case tess::FieldClass::List:
        type = style & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL) ? 4 : 1;
        break;
    case tess::FieldClass::Combo:
        type = (style & CBS_TYPEMASK) == CBS_DROPDOWNLIST ? 2 : 3;
        break;
    default:
        f = tess::FieldMissing;
    }
}

void yygetoptioncount_(int& f, int& count) {
    const HWND control = tess::field_window(f);
    count = control ? static_cast<int>(SendMessageA(control, LB_GETCOUNT, 0, 0)) : 0;
}

void yyfieldgetopt_(int& f, const int& index, int& state) {
    const HWND control = tess::field_window(f);
    const LRESULT selected =
        control ? SendMessageA(control, LB_GETSEL, static_cast<WPARAM>(index), 0) : 0;
    state = selected > 0 ? 1 : 0;
}

void yyfieldputopt_(int& f, const int& index, const int& state) {
    const HWND control = tess::field_window(f);
    if (!control) return;
    const bool wanted = state == 1;
    if ((SendMessageA(control, LB_GETSEL, static_cast<WPARAM>(index), 0) > 0) != wanted)
        SendMessageA(control, LB_SETSEL, wanted, static_cast<LPARAM>(index));
}

void yyfieldputopt2_(int& f, const int& first, const int& last, const int& state) {
    const HWND control = tess::field_window(f);
    if (!control || !is_list(control)) return;
    const bool wanted = state == 1;
    if (last < RangeLimit) {
        SendMessageA(control, LB_SELITEMRANGE, wanted,
                     MAKELPARAM(static_cast<WORD>(first), static_cast<WORD>(last)));
        return;
    }
    // Past the range request, item by item, but never beyond the items there are.
    const int count = static_cast<int>(SendMessageA(control, LB_GETCOUNT, 0, 0));
    for (int i = std::max(first, 0); i <= last && i < count; ++i)
        yyfieldputopt_(f, i, state);
}
