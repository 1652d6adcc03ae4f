#include "sample/sample_dialogs.h"

#include <array>

#include "sample/sample_ids.h"

namespace sample {
namespace {

constexpr int MaxName = 64;

void show_details(HWND dialog, const Details& d) {
    SendDlgItemMessageA(dialog, IDC_NAME, EM_LIMITTEXT, MaxName, 0);
    SetDlgItemTextA(dialog, IDC_NAME, d.name.c_str());
    CheckDlgButton(dialog, IDC_BOLD, d.bold ? BST_CHECKED : BST_UNCHECKED);
    CheckRadioButton(dialog, IDC_LEFT, IDC_RIGHT, d.right ? IDC_RIGHT : IDC_LEFT);
}

Details read_details(HWND dialog) {
    std::array<char, MaxName + 1> name{};
    GetDlgItemTextA(dialog, IDC_NAME, name.data(), static_cast<int>(name.size()));
    return {name.data(), IsDlgButtonChecked(dialog, IDC_BOLD) == BST_CHECKED,
            IsDlgButtonChecked(dialog, IDC_RIGHT) == BST_CHECKED};
}

INT_PTR CALLBACK details_proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: {
        auto* d = reinterpret_cast<Details*>(lParam);
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        show_details(dialog, *d);
        return TRUE; // the focus to the first tab stop, the name
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            auto* d = reinterpret_cast<Details*>(GetWindowLongPtrA(dialog, DWLP_USER));
            if (d) *d = read_details(dialog);
            EndDialog(dialog, IDOK);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

} // namespace

bool ask_details(HWND owner, HINSTANCE instance, Details& details) {
    Details entered = details;
    const INT_PTR r = DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_DETAILS), owner, details_proc,
                                      reinterpret_cast<LPARAM>(&entered));
    if (r != IDOK) return false;
    details = entered;
    return true;
}

int ask_question(HWND owner) {
    return MessageBoxA(owner, "Sollen die \xC4nderungen gespeichert werden?", "Frage",
                       MB_YESNOCANCEL | MB_ICONQUESTION);
}

std::string describe_details(bool ok, const Details& d) {
    if (!ok) return "Angaben: abgebrochen";
    return "Angaben: Name=" + d.name + " Fett=" + (d.bold ? "ja" : "nein") +
           " Seite=" + (d.right ? "rechts" : "links");
}

std::string describe_answer(int answer) {
    switch (answer) {
    case IDYES:
        return "Antwort: Ja";
    case IDNO:
        return "Antwort: Nein";
    case IDCANCEL:
        return "Antwort: Abbrechen";
    default:
        return "Antwort: keine";
    }
}

} // namespace sample
