// The combo box, "COMBOBOX": a selection field over a list of strings.
//
// Styles: CBS_SIMPLE (an edit over a list always shown), CBS_DROPDOWN (an edit and a button that
// drops the list down), CBS_DROPDOWNLIST (a selection field in place of the edit), CBS_SORT,
// CBS_AUTOHSCROLL (the edit scrolls instead of stopping at its right edge).
// The dropped list is a list box living in a top-level pop-up of its own class ("ComboLBox",
// a drop-down list surface) owned by the combo box, so its notifications come here. While it is
// down the combo box holds the capture: the mouse hovering over it moves the selection, a
// release on an item chooses it, a press anywhere else closes it.
// Messages: CB_ADDSTRING, INSERTSTRING, DELETESTRING, RESETCONTENT, GETCOUNT, SETCURSEL,
// GETCURSEL, GETLBTEXT, GETLBTEXTLEN, FINDSTRING, FINDSTRINGEXACT, SELECTSTRING, LIMITTEXT,
// SETEDITSEL, GETEDITSEL, SHOWDROPDOWN, GETDROPPEDSTATE, SETITEMDATA, GETITEMDATA,
// GETITEMHEIGHT, GETDROPPEDCONTROLRECT; WM_GETTEXT, WM_GETTEXTLENGTH, WM_SETTEXT,
// WM_SETFONT, WM_GETFONT, WM_GETDLGCODE.
// Notifications: CBN_SELCHANGE, DBLCLK, SETFOCUS, KILLFOCUS, EDITCHANGE, EDITUPDATE, DROPDOWN,
// CLOSEUP, SELENDOK, SELENDCANCEL.
// Keys: F4 and Alt+Down/Up open and close the list, Up/Down/Home/End move the selection (open
// or closed), Enter chooses and Esc cancels while the list is down, a typed character in a
// drop-down list finds the next item starting with it.
// Colours: the edit asks WM_CTLCOLOREDIT, the list WM_CTLCOLORLISTBOX, a disabled selection
// field WM_CTLCOLORSTATIC; each is passed on to the parent.
// Text typed while the list is down marks the first item it begins.
// Gaps: owner-drawn items, CB_DIR, the extended user interface.
#include <algorithm>
#include <string>

#include "controls/control.h"
#include "controls/system_classes.h"

namespace plat {
namespace {

constexpr int ButtonWidth = 16;
constexpr int EditId = 1001, ListId = 1000;
constexpr const char* ListClass = "ComboLBox";

struct Combo {
    HWND edit = nullptr;
    HWND list = nullptr;
    HFONT font = nullptr;
    int fieldHeight = 20;
    int droppedHeight = 100; // the height the program asked for, the field included
    int selectionAtDrop = -1;
    bool dropped = false;
    bool focused = false;
    bool settingText = false; // our own edit text changes are not the user's
};

DWORD kind_of(HWND hwnd) {
    return static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_STYLE)) & CBS_TYPEMASK;
}

LRESULT to_list(const Combo& c, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return c.list ? SendMessageA(c.list, message, wParam, lParam) : CB_ERR;
}

int cur_sel(const Combo& c) {
    return static_cast<int>(to_list(c, LB_GETCURSEL));
}

std::string item_text(const Combo& c, int index) {
    const LRESULT n = to_list(c, LB_GETTEXTLEN, static_cast<WPARAM>(index));
    if (n < 0) return {};
    std::string s(static_cast<std::size_t>(n) + 1, '\0');
    to_list(c, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(s.data()));
    s.resize(static_cast<std::size_t>(n));
    return s;
}

RECT button_rect(HWND hwnd, const Combo& c) {
    RECT r;
    GetClientRect(hwnd, &r);
    return RECT{r.right - 2 - ButtonWidth, 2, r.right - 2, c.fieldHeight - 2};
}

RECT text_rect(HWND hwnd, const Combo& c) {
    RECT r;
    GetClientRect(hwnd, &r);
    const bool button = kind_of(hwnd) != CBS_SIMPLE;
    return RECT{2, 2, r.right - 2 - (button ? ButtonWidth : 0), c.fieldHeight - 2};
}

void layout(HWND hwnd, Combo& c) {
    const RECT t = text_rect(hwnd, c);
    if (c.edit)
        MoveWindow(c.edit, t.left + 1, t.top + 1, t.right - t.left - 1, t.bottom - t.top - 2, TRUE);
    if (c.list && kind_of(hwnd) == CBS_SIMPLE) {
        RECT r;
        GetClientRect(hwnd, &r);
        MoveWindow(c.list, 0, c.fieldHeight, r.right, std::max<LONG>(0, r.bottom - c.fieldHeight),
                   TRUE);
    }
}

int text_height(HWND hwnd, HFONT font) {
    HDC hdc = GetDC(hwnd);
    const HGDIOBJ old =
        SelectObject(hdc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT));
    TEXTMETRICA tm{};
    GetTextMetricsA(hdc, &tm);
    SelectObject(hdc, old);
    ReleaseDC(hwnd, hdc);
    return std::max<int>(1, tm.tmHeight);
}

// Shows the chosen item where the user reads it: in the edit, all of it selected, or in the
// selection field.
void show_selection(HWND hwnd, Combo& c) {
    if (c.edit) {
        const int i = cur_sel(c);
        c.settingText = true;
        SetWindowTextA(c.edit, i >= 0 ? item_text(c, i).c_str() : "");
        c.settingText = false;
        SendMessageA(c.edit, EM_SETSEL, 0, -1);
    }
    InvalidateRect(hwnd, nullptr, TRUE);
}

// A selection the user made: the field follows and the parent hears of it.
bool user_select(HWND hwnd, Combo& c, int index) {
    if (index < 0 || index == cur_sel(c)) return true;
    to_list(c, LB_SETCURSEL, static_cast<WPARAM>(index));
    show_selection(hwnd, c);
    return notify_parent(hwnd, CBN_SELCHANGE);
}

void drop_down(HWND hwnd, Combo& c) {
    if (c.dropped || kind_of(hwnd) == CBS_SIMPLE || !c.list) return;
    if (!notify_parent(hwnd, CBN_DROPDOWN)) return;
    RECT r;
    GetWindowRect(hwnd, &r);
    const int count = std::max(1, static_cast<int>(to_list(c, LB_GETCOUNT)));
    const int itemHeight = std::max(1, static_cast<int>(to_list(c, LB_GETITEMHEIGHT)));
    const int wanted = std::max(itemHeight, c.droppedHeight - c.fieldHeight);
    const int height = std::min(wanted, count * itemHeight) + 2;
    c.dropped = true;
    c.selectionAtDrop = cur_sel(c);
    SetWindowPos(c.list, HWND_TOPMOST, r.left, r.bottom, r.right - r.left, height,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    const int sel = cur_sel(c);
    // Scrolled while it was hidden and one line high: shown from the top, the selection in view.
    to_list(c, LB_SETTOPINDEX, 0);
    if (sel >= 0) to_list(c, LB_SETCURSEL, static_cast<WPARAM>(sel));
    SetCapture(hwnd);
    InvalidateRect(hwnd, nullptr, FALSE);
}

// Closes the list; ok says whether the user took the selection or walked away from it.
void close_up(HWND hwnd, Combo& c, bool ok) {
    if (!c.dropped) return;
    c.dropped = false;
    if (GetCapture() == hwnd) ReleaseCapture();
    if (!ok && cur_sel(c) != c.selectionAtDrop) {
        to_list(c, LB_SETCURSEL, static_cast<WPARAM>(c.selectionAtDrop));
        show_selection(hwnd, c);
    }
    if (!notify_parent(hwnd, ok ? CBN_SELENDOK : CBN_SELENDCANCEL)) return;
    ShowWindow(c.list, SW_HIDE);
    InvalidateRect(hwnd, nullptr, FALSE);
    notify_parent(hwnd, CBN_CLOSEUP);
}

void toggle(HWND hwnd, Combo& c) {
    if (c.dropped)
        close_up(hwnd, c, true);
    else
        drop_down(hwnd, c);
}

LRESULT on_key(HWND hwnd, Combo& c, UINT message, WPARAM vk) {
    const bool alt = message == WM_SYSKEYDOWN;
    if (vk == VK_F4 || (alt && (vk == VK_DOWN || vk == VK_UP))) {
        toggle(hwnd, c);
        return 0;
    }
    if (alt) return DefWindowProcA(hwnd, message, vk, 0);
    const int count = static_cast<int>(to_list(c, LB_GETCOUNT));
    const int sel = cur_sel(c);
    switch (vk) {
    case VK_UP:
        if (count > 0) user_select(hwnd, c, std::max(0, sel - 1));
        return 0;
    case VK_DOWN:
        if (count > 0) user_select(hwnd, c, std::min(count - 1, sel + 1));
        return 0;
    case VK_HOME:
        if (count > 0 && !c.edit) user_select(hwnd, c, 0);
        return 0;
    case VK_END:
        if (count > 0 && !c.edit) user_select(hwnd, c, count - 1);
        return 0;
    case VK_RETURN:
        close_up(hwnd, c, true);
        return 0;
    case VK_ESCAPE:
        close_up(hwnd, c, false);
        return 0;
    default:
        return 0;
    }
}

bool handled_by_combo(const Combo& c, UINT message, WPARAM vk) {
    if (message == WM_SYSKEYDOWN) return vk == VK_DOWN || vk == VK_UP;
    if (message != WM_KEYDOWN) return false;
    if (vk == VK_F4 || vk == VK_UP || vk == VK_DOWN) return true;
    return c.dropped && (vk == VK_RETURN || vk == VK_ESCAPE);
}

WNDPROC editProc = nullptr;

// The edit of a combo box leaves the keys that work the list to the combo box.
LRESULT CALLBACK edit_subclass(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND combo = GetParent(edit);
    const Combo* c = combo ? control_state<Combo>(combo) : nullptr;
    if (c && c->edit == edit && handled_by_combo(*c, message, wParam))
        return SendMessageA(combo, message, wParam, lParam);
    if (c && c->edit == edit && message == WM_CHAR && (wParam == '\r' || wParam == 0x1B)) return 0;
    if (c && c->edit == edit && message == WM_GETDLGCODE) {
        const LRESULT code = CallWindowProcA(editProc, edit, message, wParam, lParam);
        return c->dropped ? code | DLGC_WANTALLKEYS : code; // Enter and Esc close the list
    }
    return CallWindowProcA(editProc, edit, message, wParam, lParam);
}

// A point of the combo box's client area, in the dropped list's client area.
POINT in_list(HWND hwnd, const Combo& c, LPARAM lParam) {
    POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ClientToScreen(hwnd, &p);
    ScreenToClient(c.list, &p);
    return p;
}

// The item under a point of the dropped list, or -1 off the items.
int item_at(HWND hwnd, const Combo& c, LPARAM lParam) {
    const POINT p = in_list(hwnd, c, lParam);
    RECT r;
    GetClientRect(c.list, &r);
    if (!PtInRect(&r, p)) return -1;
    const LRESULT hit = to_list(c, LB_ITEMFROMPOINT, 0, MAKELPARAM(p.x, p.y));
    return HIWORD(hit) ? -1 : LOWORD(hit);
}

bool over_list(HWND hwnd, const Combo& c, LPARAM lParam) {
    POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ClientToScreen(hwnd, &p);
    RECT r;
    GetWindowRect(c.list, &r);
    return PtInRect(&r, p);
}

void take_focus(HWND hwnd, const Combo& c) {
    const HWND target = c.edit ? c.edit : hwnd;
    if (GetFocus() != target) SetFocus(target);
}

LRESULT on_button_down(HWND hwnd, Combo& c, LPARAM lParam) {
    const void* self = &c;
    if (c.dropped) {
        if (!over_list(hwnd, c, lParam)) close_up(hwnd, c, false);
        return 0;
    }
    take_focus(hwnd, c);
    if (!control_alive(hwnd, self)) return 0;
    const POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    const RECT b = button_rect(hwnd, c);
    if (kind_of(hwnd) == CBS_DROPDOWNLIST || (kind_of(hwnd) == CBS_DROPDOWN && PtInRect(&b, p)))
        drop_down(hwnd, c);
    return 0;
}

LRESULT on_mouse_move(HWND hwnd, Combo& c, LPARAM lParam) {
    if (!c.dropped) return 0;
    const int i = item_at(hwnd, c, lParam);
    if (i >= 0) user_select(hwnd, c, i);
    return 0;
}

LRESULT on_button_up(HWND hwnd, Combo& c, LPARAM lParam) {
    if (!c.dropped) return 0;
    const int i = item_at(hwnd, c, lParam);
    if (i < 0) return 0; // released over the field that opened it: the list stays
    if (!user_select(hwnd, c, i)) return 0;
    close_up(hwnd, c, true);
    return 0;
}

void draw_button(HDC hdc, RECT b, bool pressed) {
    FillRect(hdc, &b, GetSysColorBrush(COLOR_BTNFACE));
    DrawEdge(hdc, &b, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    const int cx = (b.left + b.right) / 2 + (pressed ? 1 : 0);
    const int cy = (b.top + b.bottom) / 2 - 1 + (pressed ? 1 : 0);
    const HGDIOBJ old = SelectObject(hdc, GetStockObject(BLACK_PEN));
    for (int row = 0; row < 4; ++row) {
        MoveToEx(hdc, cx - 3 + row, cy + row, nullptr);
        LineTo(hdc, cx + 4 - row, cy + row);
    }
    SelectObject(hdc, old);
}

LRESULT on_paint(HWND hwnd, Combo& c) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    RECT field;
    GetClientRect(hwnd, &field);
    field.bottom = c.fieldHeight;
    const bool enabled = IsWindowEnabled(hwnd);
    const UINT ask = c.edit || enabled ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC;
    HBRUSH brush = control_colours(hwnd, hdc, ask);
    if (!brush || !control_alive(hwnd, &c)) {
        EndPaint(hwnd, &ps);
        return 0;
    }
    FillRect(hdc, &field, brush);
    RECT edge = field;
    DrawEdge(hdc, &edge, EDGE_SUNKEN, BF_RECT);
    if (kind_of(hwnd) != CBS_SIMPLE) draw_button(hdc, button_rect(hwnd, c), c.dropped);
    if (!c.edit) {
        RECT t = text_rect(hwnd, c);
        InflateRect(&t, -1, -1);
        const HGDIOBJ oldFont =
            SelectObject(hdc, c.font ? static_cast<HGDIOBJ>(c.font) : GetStockObject(SYSTEM_FONT));
        const bool highlight = c.focused && !c.dropped;
        if (highlight) {
            FillRect(hdc, &t, GetSysColorBrush(COLOR_HIGHLIGHT));
            SetTextColor(hdc, GetSysColor(COLOR_HIGHLIGHTTEXT));
            SetBkColor(hdc, GetSysColor(COLOR_HIGHLIGHT));
        } else if (!enabled) {
            SetTextColor(hdc, GetSysColor(COLOR_GRAYTEXT));
        }
        const int sel = cur_sel(c);
        if (sel >= 0) {
            const std::string text = item_text(c, sel);
            RECT tr = t;
            tr.left += 2;
            DrawTextA(hdc, text.c_str(), static_cast<int>(text.size()), &tr,
                      DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        }
        if (highlight) DrawFocusRect(hdc, &t);
        SelectObject(hdc, oldFont);
    }
    EndPaint(hwnd, &ps);
    return 0;
}

LRESULT on_create(HWND hwnd, Combo& c, const CREATESTRUCTA* cs) {
    const DWORD style = static_cast<DWORD>(cs->style);
    const DWORD kind = style & CBS_TYPEMASK;
    c.droppedHeight = cs->cy;
    c.fieldHeight = text_height(hwnd, nullptr) + 8;
    // The dropped list is worked through the combo box's capture and stays silent; its owner is
    // the top-level window, which has no use for list notifications.
    DWORD listStyle = LBS_HASSTRINGS | WS_VSCROLL | LBS_NOINTEGRALHEIGHT;
    if (kind == CBS_SIMPLE) listStyle |= LBS_NOTIFY;
    if (style & CBS_SORT) listStyle |= LBS_SORT;
    if (kind == CBS_SIMPLE)
        c.list = CreateWindowExA(0, "LISTBOX", "", listStyle | WS_CHILD | WS_VISIBLE | WS_BORDER, 0,
                                 c.fieldHeight, cs->cx, std::max(0, cs->cy - c.fieldHeight), hwnd,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(ListId)), nullptr,
                                 nullptr);
    else
        c.list = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, ListClass, "",
                                 listStyle | WS_POPUP | WS_BORDER, 0, 0, cs->cx, 1, hwnd, nullptr,
                                 nullptr, nullptr);
    if (!c.list) return -1;
    if (kind != CBS_DROPDOWNLIST) {
        DWORD editStyle = WS_CHILD | WS_VISIBLE;
        if (style & CBS_AUTOHSCROLL) editStyle |= ES_AUTOHSCROLL;
        c.edit = CreateWindowExA(0, "EDIT", "", editStyle, 0, 0, 1, 1, hwnd,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(EditId)), nullptr,
                                 nullptr);
        if (!c.edit) return -1;
        const auto previous = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(c.edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&edit_subclass)));
        if (previous != &edit_subclass) editProc = previous;
    }
    // The field is as high as its text; the height asked for is kept for the dropped list.
    if (kind != CBS_SIMPLE)
        SetWindowPos(hwnd, nullptr, 0, 0, cs->cx, c.fieldHeight,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    layout(hwnd, c);
    return 0;
}

// Text typed while the list is down marks the first item it begins, quietly: the edit keeps what
// was typed.
void follow_typing(const Combo& c) {
    const int n = GetWindowTextLengthA(c.edit);
    std::string typed(static_cast<std::size_t>(n) + 1, '\0');
    GetWindowTextA(c.edit, typed.data(), n + 1);
    typed.resize(static_cast<std::size_t>(n));
    const LRESULT i = typed.empty() ? CB_ERR
                                    : to_list(c, LB_FINDSTRING, static_cast<WPARAM>(-1),
                                              reinterpret_cast<LPARAM>(typed.c_str()));
    to_list(c, LB_SETCURSEL, static_cast<WPARAM>(i));
}

// The edit and the list report to us; the parent hears the combo box's own codes.
LRESULT on_command(HWND hwnd, Combo& c, WPARAM wParam, LPARAM lParam) {
    const auto from = reinterpret_cast<HWND>(lParam);
    const WORD code = HIWORD(wParam);
    if (from && from == c.edit) {
        if (code == EN_SETFOCUS && !c.focused) {
            c.focused = true;
            notify_parent(hwnd, CBN_SETFOCUS);
        } else if (code == EN_KILLFOCUS) {
            const HWND now = GetFocus();
            if (now == hwnd || now == c.list) return 0;
            close_up(hwnd, c, false);
            if (!control_alive(hwnd, &c)) return 0;
            c.focused = false;
            notify_parent(hwnd, CBN_KILLFOCUS);
        } else if ((code == EN_CHANGE || code == EN_UPDATE) && !c.settingText) {
            if (code == EN_CHANGE && c.dropped) follow_typing(c);
            notify_parent(hwnd, code == EN_CHANGE ? CBN_EDITCHANGE : CBN_EDITUPDATE);
        }
        return 0;
    }
    if (from && from == c.list) {
        if (code == LBN_SELCHANGE && !c.dropped) {
            // A simple combo's list is worked directly.
            show_selection(hwnd, c);
            if (notify_parent(hwnd, CBN_SELENDOK)) notify_parent(hwnd, CBN_SELCHANGE);
        } else if (code == LBN_DBLCLK) {
            notify_parent(hwnd, CBN_DBLCLK);
        }
    }
    return 0;
}

LRESULT on_set_text(HWND hwnd, Combo& c, const char* text) {
    if (c.edit) {
        c.settingText = true;
        SetWindowTextA(c.edit, text ? text : "");
        c.settingText = false;
        return TRUE;
    }
    // A drop-down list shows only its items: the text chooses one.
    const LRESULT i = to_list(c, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                              reinterpret_cast<LPARAM>(text ? text : ""));
    if (i < 0) return CB_ERR;
    to_list(c, LB_SETCURSEL, static_cast<WPARAM>(i));
    show_selection(hwnd, c);
    return TRUE;
}

std::string field_text(const Combo& c) {
    if (c.edit) {
        const int n = GetWindowTextLengthA(c.edit);
        std::string s(static_cast<std::size_t>(n) + 1, '\0');
        GetWindowTextA(c.edit, s.data(), n + 1);
        s.resize(static_cast<std::size_t>(n));
        return s;
    }
    const int i = cur_sel(c);
    return i >= 0 ? item_text(c, i) : std::string();
}

LRESULT on_get_text(const Combo& c, WPARAM size, char* buffer) {
    if (!buffer || size == 0) return 0;
    const std::string s = field_text(c);
    const std::size_t n = std::min<std::size_t>(s.size(), size - 1);
    s.copy(buffer, n);
    buffer[n] = '\0';
    return static_cast<LRESULT>(n);
}

LRESULT on_set_cur_sel(HWND hwnd, Combo& c, WPARAM index) {
    const LRESULT r = to_list(c, LB_SETCURSEL, index);
    show_selection(hwnd, c);
    return index == static_cast<WPARAM>(-1) ? CB_ERR : r;
}

LRESULT on_select_string(HWND hwnd, Combo& c, WPARAM start, LPARAM text) {
    const LRESULT i = to_list(c, LB_FINDSTRING, start, text);
    if (i < 0) return CB_ERR;
    to_list(c, LB_SETCURSEL, static_cast<WPARAM>(i));
    show_selection(hwnd, c);
    return i;
}

LRESULT on_get_edit_sel(const Combo& c, WPARAM wParam, LPARAM lParam) {
    if (!c.edit) return CB_ERR;
    DWORD start = 0, end = 0;
    SendMessageA(c.edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    if (auto* s = reinterpret_cast<DWORD*>(wParam)) *s = start;
    if (auto* e = reinterpret_cast<DWORD*>(lParam)) *e = end;
    return MAKELONG(static_cast<WORD>(start), static_cast<WORD>(end));
}

// Start and end in the words of lParam; -1 as the start removes the selection, as the end
// reaches the end of the text.
LRESULT on_set_edit_sel(const Combo& c, LPARAM lParam) {
    if (!c.edit) return CB_ERR;
    const int start = static_cast<SHORT>(LOWORD(lParam));
    const int end = static_cast<SHORT>(HIWORD(lParam));
    SendMessageA(c.edit, EM_SETSEL, static_cast<WPARAM>(start), end);
    return TRUE;
}

LRESULT combo_proc(HWND hwnd, Combo& c, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCCREATE: {
        // WS_VSCROLL and WS_HSCROLL ask for the list's scroll bars; the field itself has none.
        const auto style = GetWindowLongPtrA(hwnd, GWL_STYLE);
        SetWindowLongPtrA(hwnd, GWL_STYLE, style & ~LONG_PTR{WS_VSCROLL | WS_HSCROLL});
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    case WM_CREATE:
        return on_create(hwnd, c, reinterpret_cast<const CREATESTRUCTA*>(lParam));
    case WM_DESTROY:
        if (c.dropped && GetCapture() == hwnd) ReleaseCapture();
        c.dropped = false;
        if (c.list && kind_of(hwnd) != CBS_SIMPLE && IsWindow(c.list)) DestroyWindow(c.list);
        c.list = nullptr;
        c.edit = nullptr;
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS | (c.dropped ? DLGC_WANTALLKEYS : 0);
    case WM_PAINT:
        return on_paint(hwnd, c);
    case WM_ERASEBKGND:
        return 1;
    case WM_SIZE:
        layout(hwnd, c);
        return 0;
    case WM_SETFOCUS:
        if (c.edit) {
            SetFocus(c.edit);
            SendMessageA(c.edit, EM_SETSEL, 0, -1);
            return 0;
        }
        c.focused = true;
        InvalidateRect(hwnd, nullptr, FALSE);
        notify_parent(hwnd, CBN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        if (c.edit) return 0;
        close_up(hwnd, c, false);
        if (!control_alive(hwnd, &c)) return 0;
        c.focused = false;
        InvalidateRect(hwnd, nullptr, FALSE);
        notify_parent(hwnd, CBN_KILLFOCUS);
        return 0;
    case WM_ENABLE:
        if (c.edit) EnableWindow(c.edit, static_cast<BOOL>(wParam));
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        return on_key(hwnd, c, message, wParam);
    case WM_CHAR:
        if (!c.edit && wParam >= 0x20) {
            const char prefix[2] = {static_cast<char>(wParam), '\0'};
            const LRESULT i = to_list(c, LB_FINDSTRING, static_cast<WPARAM>(cur_sel(c)),
                                      reinterpret_cast<LPARAM>(prefix));
            if (i >= 0) user_select(hwnd, c, static_cast<int>(i));
        }
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        return on_button_down(hwnd, c, lParam);
    case WM_MOUSEMOVE:
        return on_mouse_move(hwnd, c, lParam);
    case WM_LBUTTONUP:
        return on_button_up(hwnd, c, lParam);
    case WM_CAPTURECHANGED:
        if (c.dropped && reinterpret_cast<HWND>(lParam) != hwnd) close_up(hwnd, c, false);
        return 0;
    case WM_COMMAND:
        return on_command(hwnd, c, wParam, lParam);
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
        return reinterpret_cast<LRESULT>(
            control_colours(hwnd, reinterpret_cast<HDC>(wParam), message));
    case WM_SETFONT:
        c.font = reinterpret_cast<HFONT>(wParam);
        if (c.edit) SendMessageA(c.edit, WM_SETFONT, wParam, lParam);
        to_list(c, WM_SETFONT, wParam, lParam);
        c.fieldHeight = text_height(hwnd, c.font) + 8;
        layout(hwnd, c);
        if (lParam) InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(c.font);
    case WM_SETTEXT:
        return on_set_text(hwnd, c, reinterpret_cast<const char*>(lParam));
    case WM_GETTEXT:
        return on_get_text(c, wParam, reinterpret_cast<char*>(lParam));
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(field_text(c).size());
    case CB_ADDSTRING:
        return lParam ? to_list(c, LB_ADDSTRING, 0, lParam) : CB_ERR;
    case CB_INSERTSTRING:
        return lParam ? to_list(c, LB_INSERTSTRING, wParam, lParam) : CB_ERR;
    case CB_DELETESTRING: {
        const bool wasSelected = static_cast<int>(wParam) == cur_sel(c);
        const LRESULT r = to_list(c, LB_DELETESTRING, wParam);
        if (r >= 0 && wasSelected) show_selection(hwnd, c);
        return r;
    }
    case CB_RESETCONTENT:
        to_list(c, LB_RESETCONTENT);
        if (!c.edit) InvalidateRect(hwnd, nullptr, FALSE);
        return CB_OKAY;
    case CB_GETCOUNT:
        return to_list(c, LB_GETCOUNT);
    case CB_SETCURSEL:
        return on_set_cur_sel(hwnd, c, wParam);
    case CB_GETCURSEL:
        return cur_sel(c);
    case CB_GETLBTEXT:
        return to_list(c, LB_GETTEXT, wParam, lParam);
    case CB_GETLBTEXTLEN:
        return to_list(c, LB_GETTEXTLEN, wParam);
    case CB_FINDSTRING:
        return lParam ? to_list(c, LB_FINDSTRING, wParam, lParam) : CB_ERR;
    case CB_FINDSTRINGEXACT:
        return lParam ? to_list(c, LB_FINDSTRINGEXACT, wParam, lParam) : CB_ERR;
    case CB_SELECTSTRING:
        return lParam ? on_select_string(hwnd, c, wParam, lParam) : CB_ERR;
    case CB_SETITEMDATA:
        return to_list(c, LB_SETITEMDATA, wParam, lParam);
    case CB_GETITEMDATA:
        return to_list(c, LB_GETITEMDATA, wParam);
    case CB_GETITEMHEIGHT:
        return to_list(c, LB_GETITEMHEIGHT);
    case CB_LIMITTEXT:
        return c.edit ? (SendMessageA(c.edit, EM_LIMITTEXT, wParam, 0), TRUE) : CB_ERR;
    case CB_SETEDITSEL:
        return on_set_edit_sel(c, lParam);
    case CB_GETEDITSEL:
        return on_get_edit_sel(c, wParam, lParam);
    case CB_SHOWDROPDOWN:
        if (wParam)
            drop_down(hwnd, c);
        else
            close_up(hwnd, c, false);
        return TRUE;
    case CB_GETDROPPEDSTATE:
        return c.dropped ? TRUE : FALSE;
    case CB_GETDROPPEDCONTROLRECT: {
        auto* r = reinterpret_cast<RECT*>(lParam);
        if (!r) return CB_ERR;
        GetWindowRect(hwnd, r);
        r->bottom = r->top + std::max(c.droppedHeight, c.fieldHeight);
        return TRUE;
    }
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

} // namespace

const ControlClass combobox_class{
    "COMBOBOX", control_proc<Combo, combo_proc>, CS_DBLCLKS, StateBytes, -1, SurfaceKind::Child};

// The dropped list: the list box itself, made a top-level surface of its own kind.
const ControlClass combolbox_class{ListClass,
                                   listbox_class.proc,
                                   CS_SAVEBITS | CS_DBLCLKS,
                                   listbox_class.extraBytes,
                                   listbox_class.background,
                                   SurfaceKind::DropDownList};

} // namespace plat
