// The directory selection: a modal dialog from the toolkit's template 32101. The list shows the
// subdirectories of the current directory; the "drives" are the file system's starting points,
// the root and the user's home directory.
#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "dialogs/toolkit_resources.h"
#include "dialogs/wcomdlg.h"
#include "graphics/oswin.h"

namespace {

constexpr int MaxDirectory = 260;

// What the procedure needs from the call that runs it.
struct SelectDir {
    char* buffer;
    int length;
    int flags;
    const char* title; // null: keep the template's caption
};

SelectDir* state_of(HWND dialog) {
    return reinterpret_cast<SelectDir*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

std::string current_directory() {
    std::array<char, MaxDirectory + 1> buffer{};
    int status = 0;
    xxdirn_(buffer.data(), status, static_cast<int>(buffer.size()));
    return status == 0 ? std::string(buffer.data()) : std::string();
}

std::vector<std::string> drives() {
    std::vector<std::string> list{"/"};
    const char* home = std::getenv("HOME");
    if (home && *home && std::string(home) != "/") list.emplace_back(home);
    return list;
}

// Subdirectories of the current directory as "[name]", the parent first unless at the root.
void fill_list(HWND dialog) {
    const HWND list = GetDlgItem(dialog, tess::SelectDirList);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    if (current_directory() != "/")
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("[..]"));
    SendMessageA(list, LB_DIR, DDL_DIRECTORY | DDL_EXCLUSIVE, reinterpret_cast<LPARAM>("*"));
    SendMessageA(list, LB_SETCURSEL, 0, 0);
}

bool enter_directory(const char* path) {
    int status = 0;
    if (path && *path) xxdirc_(path, status);
    return path && *path && status == 0;
}

// The starting point the current directory lies under: the longest that is its prefix.
void select_drive(HWND dialog, const std::string& directory) {
    const HWND combo = GetDlgItem(dialog, tess::SelectDirDrives);
    SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    int best = -1;
    std::size_t bestLength = 0;
    const auto list = drives();
    for (std::size_t i = 0; i < list.size(); ++i) {
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(list[i].c_str()));
        const std::string& d = list[i];
        const bool under = directory.compare(0, d.size(), d) == 0 &&
                           (d == "/" || directory.size() == d.size() || directory[d.size()] == '/');
        if (under && d.size() >= bestLength) {
            best = static_cast<int>(i);
            bestLength = d.size();
        }
    }
    SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(best), 0);
}

bool create_directory(HWND dialog, const char* path) {
    const int answer =
        MessageBoxA(dialog, "The specified directory does not exist.\nDo you wish to create it?",
                    "Create Directory?", MB_YESNO | MB_ICONQUESTION);
    if (answer != IDYES) return false;
    int status = 0;
    xxdirm_(path, status);
    if (status == 0 && enter_directory(path)) return true;
    MessageBoxA(dialog, "An error occured creating\nthe specified directory.", "Error",
                MB_OK | MB_ICONEXCLAMATION);
    return false;
}

std::string edit_text(HWND dialog) {
    std::array<char, MaxDirectory + 1> text{};
    GetDlgItemTextA(dialog, tess::SelectDirEdit, text.data(), static_cast<int>(text.size()));
    return text.data();
}

// The list entry's name without its brackets.
std::string entry_name(HWND list, LRESULT index) {
    const LRESULT length = SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length <= 0) return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(text.data()));
    text.resize(std::strlen(text.c_str()));
    if (text.size() >= 2 && text.front() == '[' && text.back() == ']')
        text = text.substr(1, text.size() - 2);
    return text;
}

void enter_selected(HWND dialog, int flags) {
    const HWND list = GetDlgItem(dialog, tess::SelectDirList);
    const LRESULT index = SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (index < 0) return;
    std::string name = entry_name(list, index);
    yySelectDirUpdate(dialog, name.data(), flags);
}

void on_ok(HWND dialog, SelectDir& s) {
    const HWND list = GetDlgItem(dialog, tess::SelectDirList);
    if (GetFocus() == list) {
        if (SendMessageA(list, LB_GETCOUNT, 0, 0) > 0) enter_selected(dialog, s.flags);
        return;
    }
    std::string typed = edit_text(dialog);
    if (!yySelectDirUpdate(dialog, typed.data(), s.flags)) return;
    if (s.buffer && s.length > 0) {
        const std::string chosen = edit_text(dialog);
        const auto n = std::min(chosen.size(), static_cast<std::size_t>(s.length - 1));
        std::memcpy(s.buffer, chosen.data(), n);
        s.buffer[n] = '\0';
    }
    EndDialog(dialog, IDOK);
}

void draw_entry(const DRAWITEMSTRUCT& item) {
    if (item.itemID == static_cast<UINT>(-1)) return;
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    const std::string name = entry_name(item.hwndItem, static_cast<LRESULT>(item.itemID));
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    TextOutA(item.hDC, item.rcItem.left + 2, item.rcItem.top, name.c_str(),
             static_cast<int>(name.size()));
}

UINT entry_height(HWND dialog) {
    RECT r{0, 0, 0, 8};
    MapDialogRect(dialog, &r);
    return static_cast<UINT>(r.bottom);
}

BOOL on_command(HWND dialog, WPARAM wParam) {
    SelectDir* s = state_of(dialog);
    if (!s) return FALSE;
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (id == tess::SelectDirList) {
        if (code == LBN_DBLCLK) enter_selected(dialog, s->flags);
        return TRUE;
    }
    if (id == tess::SelectDirDrives) {
        if (code == CBN_SELCHANGE) {
            const auto list = drives();
            const LRESULT i = SendDlgItemMessageA(dialog, id, CB_GETCURSEL, 0, 0);
            if (i >= 0 && static_cast<std::size_t>(i) < list.size()) {
                std::string drive = list[static_cast<std::size_t>(i)];
                yySelectDirUpdate(dialog, drive.data(), s->flags);
            }
        }
        return TRUE;
    }
    if (code != BN_CLICKED) return FALSE;
    if (id == IDOK)
        on_ok(dialog, *s);
    else
        EndDialog(dialog, id);
    return TRUE;
}

} // namespace

int yySelectDirUpdate(HWND dialog, char* path, int flags) {
    bool entered = enter_directory(path);
    if (!entered) {
        if (flags & tess::SelectDirOfferCreate) {
            entered = create_directory(dialog, path);
        } else if (flags & tess::SelectDirAcceptMissing) {
            return 1;
        } else {
            MessageBoxA(dialog,
                        "The specified directory does not exist.\nSpecify a valid directory.",
                        "Invalid Directory", MB_OK | MB_ICONEXCLAMATION);
        }
    }
    const std::string directory = current_directory();
    SetDlgItemTextA(dialog, tess::SelectDirEdit, directory.c_str());
    SendDlgItemMessageA(dialog, tess::SelectDirEdit, EM_SETSEL, 0, -1);
    // On failure the list still shows where the program is.
    fill_list(dialog);
    if (entered) select_drive(dialog, directory);
    return entered ? 1 : 0;
}

INT_PTR CALLBACK yySelectDirProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: {
        auto* s = reinterpret_cast<SelectDir*>(lParam);
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        if (s->title) SetWindowTextA(dialog, s->title);
        yySelectDirUpdate(dialog, s->buffer, s->flags);
        return TRUE;
    }
    case WM_MEASUREITEM:
        reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = entry_height(dialog);
        return TRUE;
    case WM_DRAWITEM:
        if (wParam != static_cast<WPARAM>(tess::SelectDirList)) return FALSE;
        draw_entry(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_COMMAND:
        return on_command(dialog, wParam);
    default:
        return FALSE;
    }
}

void yyselectdir_(const int& hasTitle, int& result, const int& flags, char* pathBuffer,
                  const char* title, const int& bufferLength) {
    result = -1;
    const LPCDLGTEMPLATEA dialogTemplate = tess::toolkit_dialog_template(tess::SelectDirTemplate);
    if (!dialogTemplate) return;
    SelectDir s{pathBuffer, bufferLength, flags, hasTitle == 1 ? title : nullptr};
    const HWND owner = tess::common_dialog_owner();
    tess::common_dialog_begin(owner);
    result = static_cast<int>(DialogBoxIndirectParamA(
        nullptr, dialogTemplate, owner, yySelectDirProc, reinterpret_cast<LPARAM>(&s)));
    tess::common_dialog_end(owner);
}
