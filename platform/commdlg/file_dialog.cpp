// GetOpenFileNameA and GetSaveFileNameA: one dialog of our own, written as a template in memory
// and run through DialogBoxIndirectParamA on the one modal loop.
//
// The list shows the directory the dialog is in: ".." (except at the root), its directories as
// "[name]", then the files matching the chosen filter, each group sorted by the names' bytes,
// as the file system spells them. Hidden (dot) names are left out. Enter or a double click on a
// directory enters it; a double click on a file chooses it. The name field takes a name or a
// path, relative to the directory shown or absolute: a directory is entered, a pattern with * or
// ? filters the list, anything else is the file chosen. With OFN_ALLOWMULTISELECT the list
// takes extended selections and the field shows (and takes) several names in quotes.
// Flags: OFN_HIDEREADONLY (there is never a read-only box), OFN_PATHMUSTEXIST,
// OFN_FILEMUSTEXIST, OFN_CREATEPROMPT, OFN_OVERWRITEPROMPT, OFN_NOCHANGEDIR,
// OFN_ALLOWMULTISELECT (with OFN_EXPLORER the names are NUL-separated, without it blanks).
// Gaps: hooks and custom templates (OFN_ENABLEHOOK, OFN_ENABLETEMPLATE), lpstrCustomFilter,
// the read-only box, help, network and places; names are shown byte for byte as Windows-1252.
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "backend/backend.h"
#include "commdlg/commdlg_error.h"
#include "commdlg/file_names.h"
#include "controls/directory_listing.h"
#include "dialog/template_writer.h"

namespace plat {
namespace {

struct Entry {
    enum class Kind { Up, Directory, File };
    Kind kind;
    std::string name;
};

struct FileDialog {
    OPENFILENAMEA* ofn = nullptr;
    bool save = false;
    bool multiple = false;
    std::string title;
    std::vector<FileFilter> filters;
    int filter = -1;       // index into filters, -1 without any
    std::string directory; // absolute, normal
    std::string pattern;   // typed; replaces the filter's patterns until the filter changes
    std::string initialName;
    std::vector<Entry> entries; // as the list shows them
    DWORD error = 0;
};

// ---- the file system ----------------------------------------------------------------------

bool is_directory(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_directory(path, ec);
}

// A name that exists, followed through links: a broken link is no file.
bool exists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::exists(path, ec);
}

std::string current_directory() {
    std::error_code ec;
    const std::filesystem::path p = std::filesystem::current_path(ec);
    return ec ? std::string("/") : normalise_path(p.string());
}

// ---- the list -----------------------------------------------------------------------------

std::vector<std::string> current_patterns(const FileDialog& d) {
    if (!d.pattern.empty()) return split_patterns(d.pattern);
    if (d.filter >= 0 && d.filter < static_cast<int>(d.filters.size()))
        return d.filters[static_cast<std::size_t>(d.filter)].patterns;
    return {"*"};
}

// The path as wide as the control allows: its end kept, its beginning given as "...".
std::string fitted_path(HWND control, const std::string& path) {
    RECT r{};
    GetClientRect(control, &r);
    const HDC hdc = GetDC(control);
    const HGDIOBJ old =
        SelectObject(hdc, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
    auto width = [&](const std::string& s) {
        SIZE size{};
        GetTextExtentPoint32A(hdc, s.data(), static_cast<int>(s.size()), &size);
        return size.cx;
    };
    std::string shown = path;
    for (std::size_t cut = 1; width(shown) > r.right && cut < path.size(); ++cut)
        shown = "..." + path.substr(cut);
    SelectObject(hdc, old);
    ReleaseDC(control, hdc);
    return shown;
}

// Lists a directory; false, with nothing changed, when it cannot be read.
bool fill_list(HWND dialog, FileDialog& d, const std::string& dir) {
    std::vector<DirectoryEntry> found;
    if (!read_directory(dir, false, found)) return false;
    const std::vector<std::string> patterns = current_patterns(d);
    std::vector<std::string> dirs, files;
    for (DirectoryEntry& e : found) {
        if (e.directory)
            dirs.push_back(std::move(e.name));
        else if (matches_any(patterns, e.name))
            files.push_back(std::move(e.name));
    }
    std::sort(dirs.begin(), dirs.end());
    std::sort(files.begin(), files.end());
    d.entries.clear();
    if (dir != "/") d.entries.push_back({Entry::Kind::Up, ".."});
    for (std::string& n : dirs)
        d.entries.push_back({Entry::Kind::Directory, std::move(n)});
    for (std::string& n : files)
        d.entries.push_back({Entry::Kind::File, std::move(n)});
    d.directory = dir;

    const HWND list = GetDlgItem(dialog, lst1);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (const Entry& e : d.entries) {
        const std::string text = e.kind == Entry::Kind::Directory ? "[" + e.name + "]" : e.name;
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    InvalidateRect(list, nullptr, TRUE);
    const HWND shown = GetDlgItem(dialog, stc1);
    SetWindowTextA(shown, fitted_path(shown, dir).c_str());
    return true;
}

void tell(HWND dialog, const FileDialog& d, const std::string& text, UINT type) {
    MessageBoxA(dialog, text.c_str(), d.title.c_str(), type);
}

bool ask(HWND dialog, const FileDialog& d, const std::string& text) {
    return MessageBoxA(dialog, text.c_str(), d.title.c_str(), MB_YESNO | MB_ICONQUESTION) == IDYES;
}

bool enter(HWND dialog, FileDialog& d, const std::string& dir) {
    if (fill_list(dialog, d, dir)) return true;
    tell(dialog, d, dir + "\nThe folder cannot be read.", MB_OK | MB_ICONWARNING);
    return false;
}

const Entry* entry_at(const FileDialog& d, LRESULT index) {
    if (index < 0 || index >= static_cast<LRESULT>(d.entries.size())) return nullptr;
    return &d.entries[static_cast<std::size_t>(index)];
}

std::vector<const Entry*> selected_entries(HWND dialog, const FileDialog& d) {
    const HWND list = GetDlgItem(dialog, lst1);
    std::vector<const Entry*> out;
    if (!d.multiple) {
        if (const Entry* e = entry_at(d, SendMessageA(list, LB_GETCURSEL, 0, 0))) out.push_back(e);
        return out;
    }
    std::vector<int> indices(d.entries.size());
    const LRESULT n = SendMessageA(list, LB_GETSELITEMS, indices.size(),
                                   reinterpret_cast<LPARAM>(indices.data()));
    for (LRESULT i = 0; i < n && i < static_cast<LRESULT>(indices.size()); ++i)
        if (const Entry* e = entry_at(d, indices[static_cast<std::size_t>(i)])) out.push_back(e);
    return out;
}

// The chosen files' names go into the name field; directories never do.
void on_selection_change(HWND dialog, const FileDialog& d) {
    std::vector<std::string> names;
    for (const Entry* e : selected_entries(dialog, d))
        if (e->kind == Entry::Kind::File) names.push_back(e->name);
    if (!names.empty()) SetDlgItemTextA(dialog, edt1, quote_names(names).c_str());
}

// ---- choosing -----------------------------------------------------------------------------

void finish(HWND dialog, FileDialog& d, const FileResult& result, const std::string& dir,
            const std::string& name) {
    OPENFILENAMEA& ofn = *d.ofn;
    if (!store_result(result, ofn.lpstrFile, ofn.nMaxFile)) {
        d.error = FNERR_BUFFERTOOSMALL;
        EndDialog(dialog, IDCANCEL);
        return;
    }
    ofn.nFileOffset = result.fileOffset;
    ofn.nFileExtension = result.extensionOffset;
    if (ofn.lpstrFileTitle && ofn.nMaxFileTitle > 0) {
        const std::size_t n = std::min<std::size_t>(name.size(), ofn.nMaxFileTitle - 1);
        name.copy(ofn.lpstrFileTitle, n);
        ofn.lpstrFileTitle[n] = '\0';
    }
    if (d.filter >= 0) ofn.nFilterIndex = static_cast<DWORD>(d.filter + 1);
    // The directory the user ended in becomes the process's, as the system's dialog leaves it;
    // one that vanished meanwhile leaves the current one as it was.
    if (!(ofn.Flags & OFN_NOCHANGEDIR)) {
        std::error_code ignored;
        std::filesystem::current_path(dir, ignored);
    }
    EndDialog(dialog, IDOK);
}

std::string filter_extension_of(const FileDialog& d) {
    if (d.filter < 0 || d.filter >= static_cast<int>(d.filters.size())) return {};
    return filter_extension(d.filters[static_cast<std::size_t>(d.filter)]);
}

// The answers to a missing or an existing file; false keeps the dialog open.
bool confirm(HWND dialog, const FileDialog& d, const std::string& path) {
    const DWORD flags = d.ofn->Flags;
    const std::string name = name_part(path);
    if (!exists(path)) {
        if (!d.save && (flags & OFN_FILEMUSTEXIST)) {
            tell(dialog, d, name + "\nFile not found.\nCheck the file name and try again.",
                 MB_OK | MB_ICONWARNING);
            return false;
        }
        if (flags & OFN_CREATEPROMPT)
            return ask(dialog, d, name + "\nThis file does not exist.\nDo you want to create it?");
        return true;
    }
    if (d.save && (flags & OFN_OVERWRITEPROMPT))
        return ask(dialog, d, name + " already exists.\nDo you want to replace it?");
    return true;
}

bool path_refused(HWND dialog, const FileDialog& d, const std::string& typed,
                  const std::string& path) {
    if (!valid_path(path)) {
        tell(dialog, d, typed + "\nThe file name is not valid.", MB_OK | MB_ICONWARNING);
        return true;
    }
    const bool mustExist = d.ofn->Flags & (OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST);
    if (mustExist && !is_directory(directory_part(path))) {
        tell(dialog, d, typed + "\nPath does not exist.\nCheck the path and try again.",
             MB_OK | MB_ICONWARNING);
        return true;
    }
    return false;
}

void choose_pattern(HWND dialog, FileDialog& d, const std::string& typed) {
    const std::size_t slash = typed.rfind('/');
    std::string dir = d.directory;
    if (slash != std::string::npos) dir = resolve_path(d.directory, typed.substr(0, slash + 1));
    const std::string before = d.pattern;
    d.pattern = typed.substr(slash == std::string::npos ? 0 : slash + 1);
    if (!enter(dialog, d, dir)) {
        d.pattern = before;
        return;
    }
    SetDlgItemTextA(dialog, edt1, d.pattern.c_str());
}

void choose_one(HWND dialog, FileDialog& d, const std::string& typed) {
    if (has_wildcards(typed)) {
        choose_pattern(dialog, d, typed);
        return;
    }
    const std::string full = resolve_path(d.directory, typed);
    if (is_directory(full)) {
        if (enter(dialog, d, full)) SetDlgItemTextA(dialog, edt1, "");
        return;
    }
    if (path_refused(dialog, d, typed, full)) return;
    // A name that exists as typed is opened as it is, extension or not.
    const std::string path =
        !d.save && exists(full)
            ? full
            : with_default_extension(full, d.ofn->lpstrDefExt, filter_extension_of(d));
    if (!confirm(dialog, d, path)) return;
    finish(dialog, d, single_file_result(path, d.multiple), directory_part(path), name_part(path));
}

void choose_several(HWND dialog, FileDialog& d, const std::vector<std::string>& typed) {
    for (const std::string& name : typed) {
        if (name.find('/') != std::string::npos || !valid_path(join_path(d.directory, name))) {
            tell(dialog, d, name + "\nThe file name is not valid.", MB_OK | MB_ICONWARNING);
            return;
        }
        // Only one name may be new, and then only alone: a list is of files that exist.
        if (!exists(join_path(d.directory, name)) &&
            (d.ofn->Flags & (OFN_FILEMUSTEXIST | OFN_CREATEPROMPT))) {
            tell(dialog, d, name + "\nFile not found.\nCheck the file name and try again.",
                 MB_OK | MB_ICONWARNING);
            return;
        }
    }
    const char separator = (d.ofn->Flags & OFN_EXPLORER) ? '\0' : ' ';
    finish(dialog, d, multiple_file_result(d.directory, typed, separator), d.directory,
           typed.front());
}

void on_ok(HWND dialog, FileDialog& d) {
    const HWND list = GetDlgItem(dialog, lst1);
    if (GetFocus() == list) {
        const LRESULT caret =
            SendMessageA(list, d.multiple ? LB_GETCARETINDEX : LB_GETCURSEL, 0, 0);
        const Entry* e = entry_at(d, caret);
        if (e && e->kind != Entry::Kind::File &&
            SendMessageA(list, LB_GETSEL, static_cast<WPARAM>(caret), 0) > 0) {
            enter(dialog, d,
                  e->kind == Entry::Kind::Up ? directory_part(d.directory)
                                             : join_path(d.directory, e->name));
            return;
        }
    }
    const HWND edit = GetDlgItem(dialog, edt1);
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(edit)) + 1, '\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextA(edit, text.data(), static_cast<int>(text.size()))));
    const std::vector<std::string> names = split_typed_names(text);
    if (names.empty()) {
        MessageBeep(0);
        return;
    }
    if (names.size() == 1)
        choose_one(dialog, d, names.front());
    else if (d.multiple)
        choose_several(dialog, d, names);
    else
        tell(dialog, d, text + "\nThe file name is not valid.", MB_OK | MB_ICONWARNING);
}

void on_double_click(HWND dialog, FileDialog& d) {
    const HWND list = GetDlgItem(dialog, lst1);
    const LRESULT index = SendMessageA(list, d.multiple ? LB_GETCARETINDEX : LB_GETCURSEL, 0, 0);
    const Entry* e = entry_at(d, index);
    if (!e) return;
    switch (e->kind) {
    case Entry::Kind::Up:
        enter(dialog, d, directory_part(d.directory));
        break;
    case Entry::Kind::Directory:
        enter(dialog, d, join_path(d.directory, e->name));
        break;
    case Entry::Kind::File:
        SetDlgItemTextA(dialog, edt1, e->name.c_str());
        choose_one(dialog, d, e->name);
        break;
    }
}

void on_filter_change(HWND dialog, FileDialog& d) {
    const LRESULT sel = SendDlgItemMessageA(dialog, cmb1, CB_GETCURSEL, 0, 0);
    if (sel < 0 || sel >= static_cast<LRESULT>(d.filters.size())) return;
    d.filter = static_cast<int>(sel);
    d.pattern.clear();
    fill_list(dialog, d, d.directory);
}

// ---- the window ---------------------------------------------------------------------------

std::vector<std::byte> build_template(const FileDialog& d) {
    constexpr DWORD style =
        WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_NOFAILCREATE | DS_3DLOOK;
    TemplateWriter t(style, 0, {0, 0, 280, 180}, "", 8, "MS Shell Dlg");
    const DWORD listStyle = LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP | WS_GROUP |
                            (d.multiple ? LBS_EXTENDEDSEL : 0);
    t.add(TemplateClass::Static, stc4, "Look &in:", SS_LEFT, {7, 9, 50, 17});
    t.add(TemplateClass::Static, stc1, "", SS_LEFTNOWORDWRAP | SS_NOPREFIX, {52, 9, 273, 17});
    t.add(TemplateClass::ListBox, lst1, "", listStyle, {7, 21, 273, 134}, WS_EX_CLIENTEDGE);
    t.add(TemplateClass::Static, stc3, "File &name:", SS_LEFT, {7, 142, 60, 150});
    t.add(TemplateClass::Edit, edt1, "", ES_AUTOHSCROLL | WS_TABSTOP | WS_GROUP,
          {62, 140, 210, 152}, WS_EX_CLIENTEDGE);
    t.add(TemplateClass::Static, stc2, d.save ? "Save as &type:" : "Files of &type:", SS_LEFT,
          {7, 160, 60, 168});
    t.add(TemplateClass::ComboBox, cmb1, "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP | WS_GROUP,
          {62, 158, 210, 230});
    t.add(TemplateClass::Button, IDOK, d.save ? "&Save" : "&Open",
          BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, {216, 139, 273, 153});
    t.add(TemplateClass::Button, IDCANCEL, "Cancel", BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP,
          {216, 157, 273, 171});
    const auto* begin = reinterpret_cast<const std::byte*>(t.get());
    return {begin, begin + t.size()};
}

// Centred on the owner when it shows, else on the screen; always wholly on the screen.
void centre(HWND dialog, HWND owner) {
    const SIZE screen = backend().screen_size();
    RECT r{};
    GetWindowRect(dialog, &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    RECT around{0, 0, screen.cx, screen.cy};
    if (owner && IsWindowVisible(owner) && !IsIconic(owner)) GetWindowRect(owner, &around);
    const int left = std::clamp<int>(around.left + (around.right - around.left - w) / 2, 0,
                                     std::max(0, static_cast<int>(screen.cx) - w));
    const int top = std::clamp<int>(around.top + (around.bottom - around.top - h) / 2, 0,
                                    std::max(0, static_cast<int>(screen.cy) - h));
    SetWindowPos(dialog, nullptr, left, top, 0, 0, SWP_NOZORDER | SWP_NOSIZE | SWP_NOACTIVATE);
}

void on_init(HWND dialog, FileDialog& d, const std::string& startDirectory) {
    SetWindowTextA(dialog, d.title.c_str());
    centre(dialog, d.ofn->hwndOwner);
    const HWND combo = GetDlgItem(dialog, cmb1);
    for (const FileFilter& f : d.filters)
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(f.description.c_str()));
    if (d.filter >= 0) SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(d.filter), 0);
    EnableWindow(combo, !d.filters.empty());
    if (has_wildcards(d.initialName)) d.pattern = d.initialName;
    SetDlgItemTextA(dialog, edt1, d.initialName.c_str());
    // A start that cannot be read falls back to the current directory, then to the root.
    if (!fill_list(dialog, d, startDirectory) && !fill_list(dialog, d, current_directory()))
        fill_list(dialog, d, "/");
    const HWND edit = GetDlgItem(dialog, edt1);
    SetFocus(edit);
    SendMessageA(edit, EM_SETSEL, 0, -1);
}

struct Start {
    FileDialog* dialog;
    std::string directory;
};

INT_PTR CALLBACK file_dialog_proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* d = reinterpret_cast<FileDialog*>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG: {
        const auto* start = reinterpret_cast<const Start*>(lParam);
        SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(start->dialog));
        on_init(dialog, *start->dialog, start->directory);
        return FALSE;
    }
    case WM_COMMAND:
        if (!d) return FALSE;
        switch (LOWORD(wParam)) {
        case IDOK:
            on_ok(dialog, *d);
            return TRUE;
        case IDCANCEL:
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        case lst1:
            if (HIWORD(wParam) == LBN_DBLCLK) on_double_click(dialog, *d);
            if (HIWORD(wParam) == LBN_SELCHANGE) on_selection_change(dialog, *d);
            return TRUE;
        case cmb1:
            if (HIWORD(wParam) == CBN_SELCHANGE) on_filter_change(dialog, *d);
            return TRUE;
        default:
            return FALSE;
        }
    default:
        return FALSE;
    }
}

// ---- the calls ----------------------------------------------------------------------------

bool size_accepted(DWORD size) {
    return size == sizeof(OPENFILENAMEA) || size == OPENFILENAME_SIZE_VERSION_400A;
}

// Where the dialog starts and the name it shows: a path in lpstrFile names both; a bare name
// starts in lpstrInitialDir, else in the current directory.
bool starting_point(const OPENFILENAMEA& ofn, std::string& dir, std::string& name) {
    const char* end = static_cast<const char*>(std::memchr(ofn.lpstrFile, '\0', ofn.nMaxFile));
    if (!end) return false;
    const std::string initial(static_cast<const char*>(ofn.lpstrFile), end);
    const std::string cwd = current_directory();
    if (initial.find('/') != std::string::npos) {
        const std::string full = resolve_path(cwd, initial);
        if (!valid_path(full)) return false;
        if (initial.back() == '/' || is_directory(full)) {
            dir = full;
            name.clear();
        } else {
            dir = directory_part(full);
            name = name_part(full);
        }
        return true;
    }
    if (!initial.empty() && !valid_path(initial)) return false;
    name = initial;
    dir =
        ofn.lpstrInitialDir && *ofn.lpstrInitialDir ? resolve_path(cwd, ofn.lpstrInitialDir) : cwd;
    return true;
}

BOOL run_file_dialog(OPENFILENAMEA* ofn, bool save) {
    set_commdlg_error(0);
    if (!ofn || !size_accepted(ofn->lStructSize)) {
        set_commdlg_error(ofn ? CDERR_STRUCTSIZE : CDERR_INITIALIZATION);
        return FALSE;
    }
    if (!ofn->lpstrFile || ofn->nMaxFile == 0) {
        set_commdlg_error(CDERR_INITIALIZATION);
        return FALSE;
    }
    if (ofn->hwndOwner && !IsWindow(ofn->hwndOwner)) {
        set_commdlg_error(CDERR_DIALOGFAILURE);
        return FALSE;
    }
    FileDialog d;
    d.ofn = ofn;
    d.save = save;
    d.multiple = !save && (ofn->Flags & OFN_ALLOWMULTISELECT);
    d.title = ofn->lpstrTitle && *ofn->lpstrTitle ? ofn->lpstrTitle : (save ? "Save As" : "Open");
    d.filters = parse_filters(ofn->lpstrFilter);
    if (!d.filters.empty()) {
        const DWORD wanted = ofn->nFilterIndex;
        d.filter = wanted >= 1 && wanted <= d.filters.size() ? static_cast<int>(wanted - 1) : 0;
    }
    Start start{&d, {}};
    if (!starting_point(*ofn, start.directory, d.initialName)) {
        set_commdlg_error(FNERR_INVALIDFILENAME);
        return FALSE;
    }
    const std::vector<std::byte> bytes = build_template(d);
    const INT_PTR answer =
        DialogBoxIndirectParamA(nullptr, reinterpret_cast<LPCDLGTEMPLATEA>(bytes.data()),
                                ofn->hwndOwner, file_dialog_proc, reinterpret_cast<LPARAM>(&start));
    if (answer == -1) d.error = CDERR_DIALOGFAILURE;
    set_commdlg_error(d.error);
    return answer == IDOK && d.error == 0;
}

} // namespace
} // namespace plat

BOOL GetOpenFileNameA(LPOPENFILENAMEA ofn) {
    return plat::run_file_dialog(ofn, false);
}

BOOL GetSaveFileNameA(LPOPENFILENAMEA ofn) {
    return plat::run_file_dialog(ofn, true);
}
