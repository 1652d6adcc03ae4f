// yydialogcopy: one dialog window's state into another made from the same template, so that
// the modal instance starts as the loaded dialog stands and hands its state back.
#include <string>
#include <vector>

#include "dialogs/dialog_table.h"
#include "dialogs/field_images.h"
#include "dialogs/wdialog.h"

using namespace tess;

namespace {

constexpr int TextBuffer = 65536;

// Item texts of a list or combo box, in order.
std::vector<std::string> items_of(HWND box, UINT count, UINT length, UINT text) {
    std::vector<std::string> out;
    const auto n = static_cast<int>(SendMessageA(box, count, 0, 0));
    for (int i = 0; i < n; ++i) {
        const auto len = SendMessageA(box, length, static_cast<WPARAM>(i), 0);
        std::string item(len > 0 ? static_cast<std::size_t>(len) : 0, '\0');
        item.push_back('\0');
        SendMessageA(box, text, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item.data()));
        item.resize(std::char_traits<char>::length(item.c_str()));
        out.push_back(std::move(item));
    }
    return out;
}

void copy_tab_stops(HWND to, UINT message, const FieldRecord& from) {
    if (from.TabCount <= 0 || from.TabStops.empty()) return;
    SendMessageA(to, message, static_cast<WPARAM>(from.TabCount),
                 reinterpret_cast<LPARAM>(from.TabStops.data()));
}

// The destination shows the source's image, which then counts one field more.
void copy_image(HWND to, HWND from, UINT message) {
    UINT type = IMAGE_BITMAP;
    const HANDLE image = field_image(from, type);
    UINT oldType = type;
    const HANDLE old = field_image(to, oldType);
    if (!image || image == old) return;
    hold_field_image(image);
    SendMessageA(to, message, type, reinterpret_cast<LPARAM>(image));
    let_go_field_image(old, oldType);
}

void copy_button(HWND to, HWND from) {
    SendMessageA(to, BM_SETCHECK, static_cast<WPARAM>(SendMessageA(from, BM_GETCHECK, 0, 0)), 0);
    copy_image(to, from, BM_SETIMAGE);
}

void copy_combo(HWND to, HWND from, const FieldRecord& source) {
    SendMessageA(to, CB_RESETCONTENT, 0, 0);
    for (const std::string& item : items_of(from, CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT))
        SendMessageA(to, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    const auto selected = SendMessageA(from, CB_GETCURSEL, 0, 0);
    if (selected >= 0) SendMessageA(to, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
    SendMessageA(to, CB_LIMITTEXT, static_cast<WPARAM>(source.MaxLength), 0);
}

void copy_list(HWND to, HWND from, LONG_PTR style, const FieldRecord& source) {
    SendMessageA(to, LB_RESETCONTENT, 0, 0);
    copy_tab_stops(to, LB_SETTABSTOPS, source);
    const std::vector<std::string> items = items_of(from, LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT);
    for (const std::string& item : items)
        SendMessageA(to, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    if (style & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) {
        for (std::size_t i = 0; i < items.size(); ++i) {
            const auto selected = SendMessageA(from, LB_GETSEL, i, 0) > 0;
            SendMessageA(to, LB_SETSEL, selected, static_cast<LPARAM>(i));
        }
    } else {
        const auto selected = SendMessageA(from, LB_GETCURSEL, 0, 0);
        if (selected >= 0) SendMessageA(to, LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
    }
}

void copy_edit(HWND to, LONG_PTR style, const FieldRecord& source) {
    SendMessageA(to, EM_LIMITTEXT, static_cast<WPARAM>(source.MaxLength), 0);
    copy_tab_stops(to, EM_SETTABSTOPS, source);
    SendMessageA(to, EM_SETREADONLY, (style & ES_READONLY) != 0, 0);
}

void copy_control(HWND to, HWND from, std::vector<char>& text) {
    const LONG_PTR style = GetWindowLongPtrA(from, GWL_STYLE);
    SetWindowLongPtrA(to, GWL_STYLE, style);
    const FieldClass kind = field_class(from);
    if (kind == FieldClass::UpDown) return;
    const FieldRecord* source = field_record(from);
    FieldRecord* destination = field_record(to);
    if (source && destination) {
        destination->LowerBound = source->LowerBound;
        destination->UpperBound = source->UpperBound;
        destination->Foreground = source->Foreground;
        destination->Background = source->Background;
        destination->MaxLength = source->MaxLength;
    }
    const FieldRecord none;
    const FieldRecord& from_record = source ? *source : none;
    switch (kind) {
    case FieldClass::Button:
        copy_button(to, from);
        break;
    case FieldClass::Static:
        copy_image(to, from, STM_SETIMAGE);
        break;
    case FieldClass::Combo:
        copy_combo(to, from, from_record);
        break;
    case FieldClass::List:
        copy_list(to, from, style, from_record);
        break;
    case FieldClass::Edit:
        copy_edit(to, style, from_record);
        break;
    default:
        break;
    }
    GetWindowTextA(from, text.data(), TextBuffer - 1);
    SetWindowTextA(to, text.data());
    // Setting the opposite state first makes the control see a change and repaint.
    const BOOL enabled = IsWindowEnabled(from);
    EnableWindow(to, !enabled);
    EnableWindow(to, enabled);
}

} // namespace

void yydialogcopy(HWND destination, HWND source) {
    if (!destination || !source) return;
    std::vector<char> text(TextBuffer, '\0');
    GetWindowTextA(source, text.data(), TextBuffer - 1);
    SetWindowTextA(destination, text.data());
    HWND to = GetWindow(destination, GW_CHILD);
    for (HWND from = GetWindow(source, GW_CHILD); from && to;
         from = GetWindow(from, GW_HWNDNEXT), to = GetWindow(to, GW_HWNDNEXT))
        copy_control(to, from, text);
}
