// yydialogkvo: the extra-information resource applied to a freshly loaded dialog window.
#include "dialogs/dialog_extra.h"
#include "dialogs/dialog_table.h"
#include "dialogs/wdialog.h"

using namespace tess;

namespace {

std::span<const std::byte> extra_resource(int id) {
    HINSTANCE module = tk().core.wInstance;
    HRSRC found = FindResourceA(
        module, MAKEINTRESOURCEA(static_cast<WORD>(static_cast<unsigned>(id) & 0xFFFFu)),
        RT_RCDATA);
    if (!found) return {};
    HGLOBAL loaded = LoadResource(module, found);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) return {};
    return {static_cast<const std::byte*>(data), SizeofResource(module, found)};
}

// A list box takes the list-box messages; every other control is sent the combo-box ones.
void fill_box(HWND control, const ExtraEntry& e) {
    const bool list = field_class(control) == FieldClass::List;
    SendMessageA(control, list ? LB_RESETCONTENT : CB_RESETCONTENT, 0, 0);
    for (const std::string& item : e.items)
        SendMessageA(control, list ? LB_ADDSTRING : CB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(item.c_str()));
    if (e.value != -1)
        SendMessageA(control, list ? LB_SETCURSEL : CB_SETCURSEL, static_cast<WPARAM>(e.value), 0);
}

void limit_length(HWND control, const ExtraEntry& e) {
    FieldRecord* record = field_record(control);
    if (!control || !record) return;
    const FieldClass kind = field_class(control);
    if (kind == FieldClass::Edit)
        SendMessageA(control, EM_LIMITTEXT, static_cast<WPARAM>(e.value), 0);
    else if (kind == FieldClass::Combo)
        SendMessageA(control, CB_LIMITTEXT, static_cast<WPARAM>(e.value), 0);
    record->MaxLength = e.value;
}

} // namespace

void yydialogkvo(HWND dialog, int id) {
    const std::span<const std::byte> bytes = extra_resource(id);
    if (bytes.empty() || !dialog) return;
    for (const ExtraEntry& e : read_extra_information(bytes)) {
        const HWND control = GetDlgItem(dialog, e.field);
        switch (e.section) {
        case ExtraSection::Menus:
            if (control) fill_box(control, e);
            break;
        case ExtraSection::Checks:
            CheckDlgButton(dialog, e.field, static_cast<UINT>(e.value));
            break;
        case ExtraSection::Lengths:
            limit_length(control, e);
            break;
        default:
            break;
        }
    }
}
