// The control scaffold: registration rows, notifications and the colour question.
#include "controls/control.h"

#include <cctype>
#include <string>
#include <vector>

namespace plat {
namespace {

struct KindRow {
    std::string name;
    SurfaceKind kind;
};

std::vector<KindRow>& kinds() {
    static std::vector<KindRow> rows;
    return rows;
}

bool same_name(const std::string& a, const char* b) {
    if (a.size() != std::char_traits<char>::length(b)) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

} // namespace

void register_control_class(const ControlClass& row) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_GLOBALCLASS | row.style;
    wc.lpfnWndProc = row.proc;
    wc.cbWndExtra = row.extraBytes;
    wc.hCursor = LoadCursorA(nullptr, row.cursor ? MAKEINTRESOURCEA(row.cursor) : IDC_ARROW);
    if (row.background >= 0)
        wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(row.background + 1));
    wc.lpszClassName = row.name;
    if (!RegisterClassExA(&wc)) return;
    for (KindRow& k : kinds())
        if (same_name(k.name, row.name)) {
            k.kind = row.surface;
            return;
        }
    kinds().push_back({row.name, row.surface});
}

SurfaceKind surface_kind_of_class(const char* name) {
    if (name)
        for (const KindRow& k : kinds())
            if (same_name(k.name, name)) return k.kind;
    return SurfaceKind::Frame;
}

bool control_alive(HWND hwnd, const void* state) {
    return IsWindow(hwnd) && control_state<void>(hwnd) == state;
}

bool notify_parent(HWND control, WORD code) {
    const HWND parent = GetParent(control);
    const void* state = control_state<void>(control);
    if (parent)
        SendMessageA(parent, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(control)), code),
                     reinterpret_cast<LPARAM>(control));
    return control_alive(control, state);
}

bool notify_parent(HWND control, NMHDR& hdr, LRESULT* result) {
    const HWND parent = GetParent(control);
    const void* state = control_state<void>(control);
    hdr.hwndFrom = control;
    hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(control));
    const LRESULT r =
        parent ? SendMessageA(parent, WM_NOTIFY, hdr.idFrom, reinterpret_cast<LPARAM>(&hdr)) : 0;
    if (result) *result = r;
    return control_alive(control, state);
}

void ask_owner_to_draw(HWND control, HDC hdc, UINT type, UINT action, UINT state) {
    DRAWITEMSTRUCT dis{};
    dis.CtlType = type;
    dis.CtlID = static_cast<UINT>(GetDlgCtrlID(control));
    dis.itemAction = action;
    dis.itemState = state | (IsWindowEnabled(control) ? 0 : ODS_DISABLED);
    dis.hwndItem = control;
    dis.hDC = hdc;
    GetClientRect(control, &dis.rcItem);
    if (const HWND parent = GetParent(control))
        SendMessageA(parent, WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
}

HBRUSH control_colours(HWND control, HDC hdc, UINT message) {
    const HWND parent = GetParent(control);
    const WPARAM w = reinterpret_cast<WPARAM>(hdc);
    const LPARAM l = reinterpret_cast<LPARAM>(control);
    auto brush = parent ? reinterpret_cast<HBRUSH>(SendMessageA(parent, message, w, l)) : nullptr;
    if (!IsWindow(control)) return nullptr;
    if (!brush) brush = reinterpret_cast<HBRUSH>(DefWindowProcA(control, message, w, l));
    return brush;
}

// Edits and lists are paper; buttons, statics, dialogs and message boxes are the face of the
// dialog; scroll bars their own colour.
LRESULT default_control_colours(HDC hdc, UINT message) {
    int background = COLOR_BTNFACE;
    if (message == WM_CTLCOLOREDIT || message == WM_CTLCOLORLISTBOX) background = COLOR_WINDOW;
    if (message == WM_CTLCOLORSCROLLBAR) {
        SetBkColor(hdc, GetSysColor(COLOR_WINDOW));
        SetTextColor(hdc, GetSysColor(COLOR_WINDOWTEXT));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_SCROLLBAR));
    }
    SetTextColor(hdc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(hdc, GetSysColor(background));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(background));
}

} // namespace plat
