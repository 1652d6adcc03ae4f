// The list box, "LISTBOX": a column of strings to choose from.
//
// Styles: single selection, LBS_MULTIPLESEL (a click or Space toggles an item),
// LBS_EXTENDEDSEL (a click selects one item, Ctrl+click toggles, Shift+click and Shift+arrows
// select a range from the anchor), LBS_NOTIFY (LBN_SELCHANGE and LBN_DBLCLK), LBS_SORT
// (case-insensitive), LBS_NOSEL, LBS_HASSTRINGS (strings are always kept).
// Messages: LB_ADDSTRING, INSERTSTRING, DELETESTRING, RESETCONTENT, GETCOUNT, SETCURSEL,
// GETCURSEL, GETTEXT, GETTEXTLEN, SETSEL, GETSEL, SELITEMRANGE, SELITEMRANGEEX, GETSELCOUNT,
// GETSELITEMS, SETTOPINDEX, GETTOPINDEX, FINDSTRING, FINDSTRINGEXACT, SELECTSTRING,
// SETITEMDATA, GETITEMDATA, GETITEMRECT, ITEMFROMPOINT, GETITEMHEIGHT, SETCARETINDEX,
// GETCARETINDEX, SETANCHORINDEX, GETANCHORINDEX; WM_GETDLGCODE, WM_SETFONT, WM_GETFONT.
// Notifications: LBN_SELCHANGE and LBN_DBLCLK (with LBS_NOTIFY, for the user's actions only),
// LBN_SELCANCEL (with LBS_NOTIFY, after LBN_SELCHANGE, when the user's action leaves nothing
// selected that had a selection), LBN_SETFOCUS, LBN_KILLFOCUS.
// Keys: Up/Down, Page Up/Down, Home/End, Space (multiple selection), a typed character finds
// the next item starting with it. Painting asks WM_CTLCOLORLISTBOX.
// Scroll bar: WS_VSCROLL shows the layer's bar following the items (WM_VSCROLL codes scroll), shown
// disabled when all fit with LBS_DISABLENOSCROLL.
// LBS_OWNERDRAWFIXED (strings kept as with LBS_HASSTRINGS): WM_MEASUREITEM to the parent at
// creation, WM_DRAWITEM for each row painted.
// LBS_USETABSTOPS: items drawn by TabbedTextOutA at the stops LB_SETTABSTOPS sets, in dialog
// template units of the parent dialog (quarters of the list font's average character width
// outside a dialog); every 32 units by default.
// Height: cut to a whole number of rows at creation, on WM_SIZE and on WM_SETFONT, unless
// LBS_NOINTEGRALHEIGHT keeps it as given (a list lower than one row is left as it is).
// Gaps: LBS_OWNERDRAWVARIABLE, owner-drawn lists without strings, DDL_DRIVES and the file
// attributes of LB_DIR, multiple columns.
#include <algorithm>
#include <cctype>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "controls/control.h"
#include "controls/directory_listing.h"
#include "controls/system_classes.h"

namespace plat {
namespace {

constexpr int TextIndent = 2;

struct Item {
    std::string text;
    ULONG_PTR data = 0;
    bool selected = false;
};

struct ListBox {
    std::vector<Item> items;
    int caret = -1;  // the item with the focus rectangle (the selection of a single list)
    int anchor = -1; // where a range selection starts
    int top = 0;
    bool focused = false;
    bool tracking = false;
    HFONT font = nullptr;
    bool vscroll = false; // created with WS_VSCROLL: the bar follows the items
    int ownerHeight = 0;  // LBS_OWNERDRAWFIXED: the row height the parent measured
    int barCount = -1, barPage = -1, barTop = -1; // what the bar was last told
    std::vector<int> tabUnits;                    // LB_SETTABSTOPS; empty: the default
};

// The platform's default tab stop, in dialog template units.
constexpr int DefaultTabUnits = 32;
// LB_SETTABSTOPS refuses longer lists; stops lie within MaxTabPixels of the text.
constexpr WPARAM MaxTabStops = 1024;
constexpr long long MaxTabPixels = 1 << 24;

bool multiple(HWND hwnd) {
    return style_of(hwnd) & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL);
}
int count_of(const ListBox& lb) {
    return static_cast<int>(lb.items.size());
}
bool valid(const ListBox& lb, WPARAM index) {
    return index < lb.items.size();
}

HFONT font_of(const ListBox& lb) {
    return lb.font ? lb.font : static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
}

int item_height(HWND hwnd, const ListBox& lb) {
    if (lb.ownerHeight > 0) return lb.ownerHeight;
    HDC hdc = GetDC(hwnd);
    const HGDIOBJ old = SelectObject(hdc, font_of(lb));
    TEXTMETRICA tm{};
    GetTextMetricsA(hdc, &tm);
    SelectObject(hdc, old);
    ReleaseDC(hwnd, hdc);
    return std::max<int>(1, tm.tmHeight);
}

int page_of(HWND hwnd, const ListBox& lb) {
    RECT r;
    GetClientRect(hwnd, &r);
    return std::max(1, static_cast<int>(r.bottom) / item_height(hwnd, lb));
}

RECT item_rect(HWND hwnd, const ListBox& lb, int index) {
    RECT r;
    GetClientRect(hwnd, &r);
    const int h = item_height(hwnd, lb);
    return RECT{0, (index - lb.top) * h, r.right, (index - lb.top + 1) * h};
}

void show_item(HWND hwnd, ListBox& lb, int index) {
    if (index < 0) return;
    const int page = page_of(hwnd, lb);
    if (index < lb.top) lb.top = index;
    if (index >= lb.top + page) lb.top = index - page + 1;
}

bool less(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) <
               std::tolower(static_cast<unsigned char>(y));
    });
}

bool starts_with(const std::string& text, std::string_view prefix, bool whole) {
    if (text.size() < prefix.size() || (whole && text.size() != prefix.size())) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[i])) !=
            std::tolower(static_cast<unsigned char>(prefix[i])))
            return false;
    return true;
}

// Searches after start (from the first item for -1 or an index out of range), wrapping round.
LRESULT find(const ListBox& lb, WPARAM start, const char* text, bool whole) {
    if (!text || lb.items.empty()) return LB_ERR;
    const int n = count_of(lb);
    const auto from = static_cast<int>(static_cast<INT_PTR>(start));
    const int first = from < 0 || from >= n ? 0 : from + 1;
    for (int k = 0; k < n; ++k) {
        const int i = (first + k) % n;
        if (starts_with(lb.items[static_cast<std::size_t>(i)].text, text, whole)) return i;
    }
    return LB_ERR;
}

// ---- painting

// LB_SETTABSTOPS's units in pixels: the parent dialog maps them; outside a dialog a unit is a
// quarter of the average character width of the list's font. Empty without LBS_USETABSTOPS.
std::vector<INT> tab_pixels(HWND hwnd, const ListBox& lb, HDC hdc) {
    std::vector<INT> pixels;
    if (!(style_of(hwnd) & LBS_USETABSTOPS)) return pixels;
    TEXTMETRICA tm{};
    GetTextMetricsA(hdc, &tm);
    const std::vector<int> units =
        lb.tabUnits.empty() ? std::vector<int>{DefaultTabUnits} : lb.tabUnits;
    for (int u : units) {
        RECT r{u, 0, 0, 0};
        if (!MapDialogRect(GetParent(hwnd), &r))
            r.left = static_cast<LONG>(std::clamp<long long>(1LL * u * tm.tmAveCharWidth / 4,
                                                             -MaxTabPixels, MaxTabPixels));
        pixels.push_back(r.left);
    }
    return pixels;
}

LRESULT set_tab_stops(HWND hwnd, ListBox& lb, WPARAM count, const INT* stops) {
    if (!(style_of(hwnd) & LBS_USETABSTOPS) || count > MaxTabStops || (count > 0 && !stops))
        return FALSE;
    lb.tabUnits.assign(stops, stops + count);
    InvalidateRect(hwnd, nullptr, TRUE);
    return TRUE;
}

// Without LBS_NOINTEGRALHEIGHT the list shows whole rows only: its height is cut to them.
void fit_whole_rows(HWND hwnd, const ListBox& lb) {
    if (style_of(hwnd) & (LBS_NOINTEGRALHEIGHT | LBS_OWNERDRAWVARIABLE)) return;
    RECT client;
    GetClientRect(hwnd, &client);
    const int h = item_height(hwnd, lb);
    const int extra = client.bottom % h;
    if (extra == 0 || client.bottom < h) return;
    RECT window;
    GetWindowRect(hwnd, &window);
    SetWindowPos(hwnd, nullptr, 0, 0, window.right - window.left,
                 window.bottom - window.top - extra, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT on_paint(HWND hwnd, ListBox& lb) {
    const void* self = &lb;
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    const int saved = SaveDC(hdc);
    const HBRUSH background = control_colours(hwnd, hdc, WM_CTLCOLORLISTBOX);
    if (background && control_alive(hwnd, self)) {
        RECT client;
        GetClientRect(hwnd, &client);
        FillRect(hdc, &client, background);
        SelectObject(hdc, font_of(lb));
        // Item texts are opaque in the background colour the parent chose.
        const bool enabled = IsWindowEnabled(hwnd);
        if (!enabled) SetTextColor(hdc, GetSysColor(COLOR_GRAYTEXT));
        const int page = page_of(hwnd, lb) + 1;
        const std::vector<INT> tabs = tab_pixels(hwnd, lb, hdc);
        TEXTMETRICA tm{};
        GetTextMetricsA(hdc, &tm);
        const int textHeight = tm.tmHeight;
        for (int i = lb.top; i < count_of(lb) && i < lb.top + page; ++i) {
            const Item& item = lb.items[static_cast<std::size_t>(i)];
            RECT r = item_rect(hwnd, lb, i);
            const bool selected = multiple(hwnd) ? item.selected : i == lb.caret;
            if (style_of(hwnd) & LBS_OWNERDRAWFIXED) {
                // The parent draws the row: the DC is restored around it, and a parent that
                // destroys the list ends the painting.
                DRAWITEMSTRUCT dis{ODT_LISTBOX,
                                   static_cast<UINT>(GetDlgCtrlID(hwnd)),
                                   static_cast<UINT>(i),
                                   ODA_DRAWENTIRE,
                                   (selected ? ODS_SELECTED : 0u) |
                                       (lb.focused && i == lb.caret ? ODS_FOCUS : 0u) |
                                       (enabled ? 0u : ODS_DISABLED),
                                   hwnd,
                                   hdc,
                                   r,
                                   item.data};
                const int inner = SaveDC(hdc);
                SendMessageA(GetParent(hwnd), WM_DRAWITEM, dis.CtlID,
                             reinterpret_cast<LPARAM>(&dis));
                if (!control_alive(hwnd, self)) return 0;
                RestoreDC(hdc, inner);
                continue;
            }
            COLORREF old = 0, oldBack = 0;
            if (selected && enabled) {
                FillRect(hdc, &r, GetSysColorBrush(COLOR_HIGHLIGHT));
                old = SetTextColor(hdc, GetSysColor(COLOR_HIGHLIGHTTEXT));
                oldBack = SetBkColor(hdc, GetSysColor(COLOR_HIGHLIGHT));
            }
            RECT text = r;
            text.left += TextIndent;
            if (tabs.empty()) {
                DrawTextA(hdc, item.text.c_str(), static_cast<int>(item.text.size()), &text,
                          DT_SINGLELINE | DT_LEFT | DT_VCENTER | DT_NOPREFIX);
            } else {
                const int y = r.top + (r.bottom - r.top - textHeight) / 2;
                TabbedTextOutA(hdc, text.left, y, item.text.c_str(),
                               static_cast<int>(item.text.size()), static_cast<int>(tabs.size()),
                               tabs.data(), text.left);
            }
            if (selected && enabled) {
                SetTextColor(hdc, old);
                SetBkColor(hdc, oldBack);
            }
            if (lb.focused && i == lb.caret) DrawFocusRect(hdc, &r);
        }
    }
    RestoreDC(hdc, saved);
    EndPaint(hwnd, &ps);
    return 0;
}

void redraw(HWND hwnd) {
    InvalidateRect(hwnd, nullptr, TRUE);
}

// ---- contents

LRESULT insert(HWND hwnd, ListBox& lb, WPARAM at, const char* text, bool sorted) {
    Item item{text ? text : "", 0, false};
    std::size_t index;
    if (sorted && (style_of(hwnd) & LBS_SORT)) {
        index = static_cast<std::size_t>(
            std::upper_bound(lb.items.begin(), lb.items.end(), item,
                             [](const Item& a, const Item& b) { return less(a.text, b.text); }) -
            lb.items.begin());
    } else if (static_cast<INT_PTR>(at) == -1 || sorted) {
        index = lb.items.size();
    } else if (at <= lb.items.size()) {
        index = at;
    } else {
        return LB_ERR;
    }
    lb.items.insert(lb.items.begin() + static_cast<std::ptrdiff_t>(index), std::move(item));
    const int i = static_cast<int>(index);
    if (lb.caret >= i) ++lb.caret;
    if (lb.anchor >= i) ++lb.anchor;
    redraw(hwnd);
    return i;
}

LRESULT remove(HWND hwnd, ListBox& lb, WPARAM index) {
    if (!valid(lb, index)) return LB_ERR;
    const int i = static_cast<int>(index);
    lb.items.erase(lb.items.begin() + i);
    if (lb.caret == i)
        lb.caret = -1;
    else if (lb.caret > i)
        --lb.caret;
    if (lb.anchor == i)
        lb.anchor = -1;
    else if (lb.anchor > i)
        --lb.anchor;
    lb.top = std::clamp(lb.top, 0, std::max(0, count_of(lb) - 1));
    redraw(hwnd);
    return count_of(lb);
}

// ---- selection

void select_only(ListBox& lb, int index) {
    for (std::size_t i = 0; i < lb.items.size(); ++i)
        lb.items[i].selected = static_cast<int>(i) == index;
}

void select_range(ListBox& lb, int a, int b, bool on) {
    if (a > b) std::swap(a, b);
    for (int i = std::max(0, a); i <= b && i < count_of(lb); ++i)
        lb.items[static_cast<std::size_t>(i)].selected = on;
}

std::vector<bool> selection_of(const ListBox& lb) {
    std::vector<bool> s;
    for (const Item& item : lb.items)
        s.push_back(item.selected);
    return s;
}

// The user moved to index: what happens to the selection depends on the kind of list and
// the keys held. LBN_SELCHANGE follows (LBS_NOTIFY) when anything changed.
void user_choose(HWND hwnd, ListBox& lb, int index, bool shift, bool ctrl, bool toggle) {
    if (index < 0 || index >= count_of(lb) || (style_of(hwnd) & LBS_NOSEL)) return;
    const int oldCaret = lb.caret;
    const std::vector<bool> before = selection_of(lb);
    const DWORD style = style_of(hwnd);
    if (style & LBS_EXTENDEDSEL) {
        if (shift && lb.anchor >= 0) {
            if (!ctrl) select_only(lb, -1);
            select_range(lb, lb.anchor, index, true);
        } else if (ctrl && toggle) {
            lb.items[static_cast<std::size_t>(index)].selected ^= true;
            lb.anchor = index;
        } else {
            select_only(lb, index);
            lb.anchor = index;
        }
    } else if (style & LBS_MULTIPLESEL) {
        if (toggle) lb.items[static_cast<std::size_t>(index)].selected ^= true;
        lb.anchor = index;
    }
    lb.caret = index;
    show_item(hwnd, lb, index);
    redraw(hwnd);
    const std::vector<bool> after = selection_of(lb);
    const bool changed = multiple(hwnd) ? after != before : oldCaret != index;
    if (!changed || !(style & LBS_NOTIFY) || !notify_parent(hwnd, LBN_SELCHANGE)) return;
    const auto any = [](const std::vector<bool>& v) {
        return std::find(v.begin(), v.end(), true) != v.end();
    };
    if (multiple(hwnd) && any(before) && !any(after)) notify_parent(hwnd, LBN_SELCANCEL);
}

LRESULT set_cur_sel(HWND hwnd, ListBox& lb, WPARAM index) {
    if (multiple(hwnd)) return LB_ERR;
    const auto i = static_cast<int>(static_cast<INT_PTR>(index));
    if (i < 0 || i >= count_of(lb)) {
        lb.caret = -1;
        redraw(hwnd);
        return LB_ERR; // -1 removes the selection, and says so with LB_ERR
    }
    lb.caret = i;
    show_item(hwnd, lb, i);
    redraw(hwnd);
    return i;
}

LRESULT set_sel(HWND hwnd, ListBox& lb, bool on, LPARAM index) {
    if (!multiple(hwnd)) return LB_ERR;
    if (index == -1) {
        select_range(lb, 0, count_of(lb) - 1, on);
    } else {
        if (index < 0 || index >= count_of(lb)) return LB_ERR;
        lb.items[static_cast<std::size_t>(index)].selected = on;
        lb.caret = lb.anchor = static_cast<int>(index);
    }
    redraw(hwnd);
    return LB_OKAY;
}

LRESULT get_sel_items(HWND hwnd, const ListBox& lb, WPARAM max, int* out) {
    if (!multiple(hwnd)) return LB_ERR;
    if (!out) return max == 0 ? 0 : LB_ERR;
    int n = 0;
    for (int i = 0; i < count_of(lb) && static_cast<WPARAM>(n) < max; ++i)
        if (lb.items[static_cast<std::size_t>(i)].selected) out[n++] = i;
    return n;
}

// ---- input

LRESULT on_key(HWND hwnd, ListBox& lb, WPARAM vk) {
    const bool shift = GetKeyState(VK_SHIFT) < 0, ctrl = GetKeyState(VK_CONTROL) < 0;
    const int n = count_of(lb), page = page_of(hwnd, lb);
    int to = lb.caret;
    switch (vk) {
    case VK_UP:
        to = lb.caret - 1;
        break;
    case VK_DOWN:
        to = lb.caret + 1;
        break;
    case VK_PRIOR:
        to = lb.caret - page + 1;
        break;
    case VK_NEXT:
        to = lb.caret + page - 1;
        break;
    case VK_HOME:
        to = 0;
        break;
    case VK_END:
        to = n - 1;
        break;
    case VK_SPACE:
        if ((style_of(hwnd) & LBS_MULTIPLESEL) && lb.caret >= 0)
            user_choose(hwnd, lb, lb.caret, false, true, true);
        return 0;
    default:
        return 0;
    }
    if (n == 0) return 0;
    to = std::clamp(to, 0, n - 1);
    if (style_of(hwnd) & LBS_MULTIPLESEL) {
        lb.caret = to; // the focus moves; Space selects
        show_item(hwnd, lb, to);
        redraw(hwnd);
        return 0;
    }
    user_choose(hwnd, lb, to, shift, ctrl, false);
    return 0;
}

// A typed character selects the next item that starts with it.
LRESULT on_char(HWND hwnd, ListBox& lb, WPARAM ch) {
    if (ch < 0x20) return 0;
    const char prefix[2] = {static_cast<char>(ch), '\0'};
    const LRESULT i = find(lb, static_cast<WPARAM>(lb.caret), prefix, false);
    if (i != LB_ERR) user_choose(hwnd, lb, static_cast<int>(i), false, false, false);
    return 0;
}

int index_at(HWND hwnd, const ListBox& lb, LPARAM lParam) {
    const int y = GET_Y_LPARAM(lParam);
    if (y < 0) return -1;
    const int i = lb.top + y / item_height(hwnd, lb);
    return i < count_of(lb) ? i : -1;
}

LRESULT on_button_down(HWND hwnd, ListBox& lb, WPARAM keys, LPARAM lParam) {
    const void* self = &lb;
    if (GetFocus() != hwnd) SetFocus(hwnd);
    if (!control_alive(hwnd, self)) return 0;
    const int i = index_at(hwnd, lb, lParam);
    if (i < 0) return 0;
    const bool toggle = (style_of(hwnd) & LBS_MULTIPLESEL) || (keys & MK_CONTROL);
    user_choose(hwnd, lb, i, keys & MK_SHIFT, keys & MK_CONTROL, toggle);
    if (control_alive(hwnd, self) && !(style_of(hwnd) & LBS_MULTIPLESEL)) {
        lb.tracking = true;
        SetCapture(hwnd);
    }
    return 0;
}

LRESULT on_mouse_move(HWND hwnd, ListBox& lb, LPARAM lParam) {
    if (!lb.tracking || GetCapture() != hwnd) return 0;
    const int i = index_at(hwnd, lb, lParam);
    if (i >= 0 && i != lb.caret)
        user_choose(hwnd, lb, i, (style_of(hwnd) & LBS_EXTENDEDSEL) != 0, false, false);
    return 0;
}

LRESULT on_button_up(HWND hwnd, ListBox& lb) {
    if (!lb.tracking) return 0;
    lb.tracking = false;
    if (GetCapture() == hwnd) ReleaseCapture();
    return 0;
}

LRESULT on_get_text(const ListBox& lb, WPARAM index, char* buffer) {
    if (!valid(lb, index) || !buffer) return LB_ERR;
    const std::string& t = lb.items[index].text;
    std::memcpy(buffer, t.c_str(), t.size() + 1); // the caller's buffer holds the whole text
    return static_cast<LRESULT>(t.size());
}

// ---- the vertical scroll bar

// Range 0..count-1 with a page of the rows shown; LBS_DISABLENOSCROLL keeps it shown, disabled,
// when everything fits.
void sync_scroll_bar(HWND hwnd, ListBox& lb) {
    if (!lb.vscroll) return;
    const int page = page_of(hwnd, lb);
    if (lb.barCount == count_of(lb) && lb.barPage == page && lb.barTop == lb.top) return;
    lb.barCount = count_of(lb);
    lb.barPage = page;
    lb.barTop = lb.top;
    SCROLLINFO si{sizeof si, SIF_ALL, 0, std::max(0, count_of(lb) - 1), static_cast<UINT>(page),
                  lb.top,    0};
    if (style_of(hwnd) & LBS_DISABLENOSCROLL) si.fMask |= SIF_DISABLENOSCROLL;
    SetScrollInfo(hwnd, SB_VERT, &si, TRUE);
}

LRESULT on_vscroll(HWND hwnd, ListBox& lb, WPARAM wParam) {
    const int page = page_of(hwnd, lb);
    int top = lb.top;
    switch (LOWORD(wParam)) {
    case SB_LINEUP:
        --top;
        break;
    case SB_LINEDOWN:
        ++top;
        break;
    case SB_PAGEUP:
        top -= std::max(1, page - 1);
        break;
    case SB_PAGEDOWN:
        top += std::max(1, page - 1);
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        top = HIWORD(wParam);
        break;
    case SB_TOP:
        top = 0;
        break;
    case SB_BOTTOM:
        top = count_of(lb);
        break;
    default:
        return 0;
    }
    top = std::clamp(top, 0, std::max(0, count_of(lb) - page));
    if (top != lb.top) {
        lb.top = top;
        redraw(hwnd);
    }
    return 0;
}

// Messages after which the items, the first row shown or the rows that fit may differ.
bool may_move_rows(UINT message) {
    return (message >= LB_ADDSTRING && message <= LB_ITEMFROMPOINT) || message == WM_SIZE ||
           message == WM_KEYDOWN || message == WM_CHAR || message == WM_LBUTTONDOWN ||
           message == WM_MOUSEMOVE || message == WM_MOUSEWHEEL || message == WM_SETFONT ||
           message == WM_VSCROLL || message == WM_CREATE;
}

LRESULT listbox_messages(HWND hwnd, ListBox& lb, UINT message, WPARAM wParam, LPARAM lParam);

LRESULT listbox_proc(HWND hwnd, ListBox& lb, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) lb.vscroll = (style_of(hwnd) & WS_VSCROLL) != 0;
    const void* self = &lb;
    const LRESULT r = listbox_messages(hwnd, lb, message, wParam, lParam);
    if (may_move_rows(message) && control_alive(hwnd, self)) sync_scroll_bar(hwnd, lb);
    return r;
}

// LBS_OWNERDRAWFIXED: the parent is asked once, at creation, how high a row is.
void measure_rows(HWND hwnd, ListBox& lb) {
    if (!(style_of(hwnd) & LBS_OWNERDRAWFIXED)) return;
    RECT c;
    GetClientRect(hwnd, &c);
    MEASUREITEMSTRUCT mis{ODT_LISTBOX,
                          static_cast<UINT>(GetDlgCtrlID(hwnd)),
                          0,
                          static_cast<UINT>(c.right),
                          static_cast<UINT>(item_height(hwnd, lb)),
                          0};
    const void* self = &lb;
    SendMessageA(GetParent(hwnd), WM_MEASUREITEM, mis.CtlID, reinterpret_cast<LPARAM>(&mis));
    if (control_alive(hwnd, self))
        lb.ownerHeight = std::clamp<int>(static_cast<int>(mis.itemHeight), 1, 255);
}

LRESULT listbox_messages(HWND hwnd, ListBox& lb, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        measure_rows(hwnd, lb);
        fit_whole_rows(hwnd, lb);
        return 0;
    case WM_SIZE:
        fit_whole_rows(hwnd, lb);
        return DefWindowProcA(hwnd, message, wParam, lParam);
    case LB_SETTABSTOPS:
        return set_tab_stops(hwnd, lb, wParam, reinterpret_cast<const INT*>(lParam));
    case LB_DIR: {
        std::vector<std::string> names;
        if (!list_directory(reinterpret_cast<const char*>(lParam), static_cast<UINT>(wParam),
                            names) ||
            names.empty())
            return LB_ERR;
        LRESULT last = LB_ERR;
        for (const std::string& name : names)
            last = insert(hwnd, lb, static_cast<WPARAM>(-1), name.c_str(), true);
        return last;
    }
    case WM_VSCROLL:
        return on_vscroll(hwnd, lb, wParam);
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_PAINT:
        return on_paint(hwnd, lb);
    case WM_ERASEBKGND:
        return 1;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        lb.focused = message == WM_SETFOCUS;
        if (!lb.focused) lb.tracking = false;
        redraw(hwnd);
        notify_parent(hwnd, lb.focused ? LBN_SETFOCUS : LBN_KILLFOCUS);
        return 0;
    case WM_ENABLE:
        redraw(hwnd);
        return 0;
    case WM_KEYDOWN:
        return on_key(hwnd, lb, wParam);
    case WM_CHAR:
        return on_char(hwnd, lb, wParam);
    case WM_LBUTTONDOWN:
        return on_button_down(hwnd, lb, wParam, lParam);
    case WM_LBUTTONDBLCLK:
        if ((style_of(hwnd) & LBS_NOTIFY) && index_at(hwnd, lb, lParam) >= 0)
            notify_parent(hwnd, LBN_DBLCLK);
        return 0;
    case WM_MOUSEMOVE:
        return on_mouse_move(hwnd, lb, lParam);
    case WM_LBUTTONUP:
        return on_button_up(hwnd, lb);
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != hwnd) lb.tracking = false;
        return 0;
    case WM_MOUSEWHEEL: {
        const int lines = -static_cast<SHORT>(HIWORD(wParam)) / WHEEL_DELTA * 3;
        lb.top = std::clamp(lb.top + lines, 0, std::max(0, count_of(lb) - page_of(hwnd, lb)));
        redraw(hwnd);
        return 0;
    }
    case WM_SETFONT:
        lb.font = reinterpret_cast<HFONT>(wParam);
        fit_whole_rows(hwnd, lb);
        if (LOWORD(lParam)) redraw(hwnd);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(lb.font);
    case LB_ADDSTRING:
        return insert(hwnd, lb, static_cast<WPARAM>(-1), reinterpret_cast<const char*>(lParam),
                      true);
    case LB_INSERTSTRING:
        return insert(hwnd, lb, wParam, reinterpret_cast<const char*>(lParam), false);
    case LB_DELETESTRING:
        return remove(hwnd, lb, wParam);
    case LB_RESETCONTENT:
        lb.items.clear();
        lb.caret = lb.anchor = -1;
        lb.top = 0;
        redraw(hwnd);
        return 0;
    case LB_GETCOUNT:
        return count_of(lb);
    case LB_SETCURSEL:
        return set_cur_sel(hwnd, lb, wParam);
    case LB_GETCURSEL:
        return lb.caret;
    case LB_GETTEXT:
        return on_get_text(lb, wParam, reinterpret_cast<char*>(lParam));
    case LB_GETTEXTLEN:
        return valid(lb, wParam) ? static_cast<LRESULT>(lb.items[wParam].text.size()) : LB_ERR;
    case LB_SETSEL:
        return set_sel(hwnd, lb, wParam != 0, lParam);
    case LB_GETSEL:
        if (!valid(lb, wParam)) return LB_ERR;
        return multiple(hwnd) ? lb.items[wParam].selected
                              : static_cast<LRESULT>(static_cast<int>(wParam) == lb.caret);
    case LB_SELITEMRANGE:
        if (!multiple(hwnd)) return LB_ERR;
        select_range(lb, LOWORD(lParam), HIWORD(lParam), wParam != 0);
        redraw(hwnd);
        return LB_OKAY;
    case LB_SELITEMRANGEEX: {
        if (!multiple(hwnd)) return LB_ERR;
        const auto first = static_cast<int>(static_cast<INT_PTR>(wParam));
        const auto last = static_cast<int>(lParam);
        // A first item after the last one deselects the range.
        select_range(lb, first, last, first <= last);
        redraw(hwnd);
        return LB_OKAY;
    }
    case LB_GETSELCOUNT:
        if (!multiple(hwnd)) return LB_ERR;
        return std::count_if(lb.items.begin(), lb.items.end(),
                             [](const Item& i) { return i.selected; });
    case LB_GETSELITEMS:
        return get_sel_items(hwnd, lb, wParam, reinterpret_cast<int*>(lParam));
    case LB_SETTOPINDEX:
        if (!valid(lb, wParam)) return LB_ERR;
        lb.top = static_cast<int>(wParam);
        redraw(hwnd);
        return LB_OKAY;
    case LB_GETTOPINDEX:
        return lb.top;
    case LB_FINDSTRING:
        return find(lb, wParam, reinterpret_cast<const char*>(lParam), false);
    case LB_FINDSTRINGEXACT:
        return find(lb, wParam, reinterpret_cast<const char*>(lParam), true);
    case LB_SELECTSTRING: {
        const LRESULT i = find(lb, wParam, reinterpret_cast<const char*>(lParam), false);
        if (i == LB_ERR) return LB_ERR;
        if (multiple(hwnd)) {
            lb.caret = static_cast<int>(i);
            show_item(hwnd, lb, lb.caret);
            redraw(hwnd);
            return i;
        }
        return set_cur_sel(hwnd, lb, static_cast<WPARAM>(i));
    }
    case LB_SETITEMDATA:
        if (!valid(lb, wParam)) return LB_ERR;
        lb.items[wParam].data = static_cast<ULONG_PTR>(lParam);
        return LB_OKAY;
    case LB_GETITEMDATA:
        return valid(lb, wParam) ? static_cast<LRESULT>(lb.items[wParam].data) : LB_ERR;
    case LB_GETITEMRECT:
        if (!valid(lb, wParam) || !lParam) return LB_ERR;
        *reinterpret_cast<RECT*>(lParam) = item_rect(hwnd, lb, static_cast<int>(wParam));
        return LB_OKAY;
    case LB_ITEMFROMPOINT: {
        // The nearest item, and in the high word whether the point lies outside the items.
        RECT client;
        GetClientRect(hwnd, &client);
        const int y = GET_Y_LPARAM(lParam), x = GET_X_LPARAM(lParam);
        if (lb.items.empty()) return MAKELONG(0, 1);
        const int raw = lb.top + (y < 0 ? -1 : y / item_height(hwnd, lb));
        const int i = std::clamp(raw, 0, count_of(lb) - 1);
        const bool outside = raw != i || x < 0 || x >= client.right || y >= client.bottom;
        return MAKELONG(static_cast<WORD>(i), outside ? 1 : 0);
    }
    case LB_GETITEMHEIGHT:
        return item_height(hwnd, lb);
    case LB_SETCARETINDEX:
        if (!valid(lb, wParam)) return LB_ERR;
        lb.caret = static_cast<int>(wParam);
        show_item(hwnd, lb, lb.caret);
        redraw(hwnd);
        return LB_OKAY;
    case LB_GETCARETINDEX:
        return lb.caret;
    case LB_SETANCHORINDEX:
        if (!valid(lb, wParam)) return LB_ERR;
        lb.anchor = static_cast<int>(wParam);
        return LB_OKAY;
    case LB_GETANCHORINDEX:
        return lb.anchor;
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

} // namespace

const ControlClass listbox_class{
    "LISTBOX", control_proc<ListBox, listbox_proc>, CS_DBLCLKS, StateBytes, -1, SurfaceKind::Child};

} // namespace plat
