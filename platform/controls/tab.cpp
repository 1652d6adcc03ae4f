// The tab control, "SysTabControl32": a row of labelled tabs above a display area, one of them
// selected.
//
// Styles: TCS_FOCUSONBUTTONDOWN (a click takes the focus), TCS_FOCUSNEVER.
// Messages: TCM_INSERTITEMA, GETITEMA, SETITEMA (text, image index, state and the item's
// lParam), DELETEITEM, DELETEALLITEMS, GETITEMCOUNT, GETCURSEL, SETCURSEL (no notifications),
// GETCURFOCUS, HITTEST, GETITEMRECT, ADJUSTRECT; WM_SETFONT, WM_GETFONT;
// WM_GETDLGCODE (DLGC_WANTARROWS | DLGC_WANTCHARS, and the message itself for Ctrl+Tab).
// Notifications (WM_NOTIFY): TCN_SELCHANGING before the user changes the selection (a nonzero
// answer refuses it), TCN_SELCHANGE after; TCN_KEYDOWN for keys pressed while focused.
// Input: a click on a tab selects it; Left/Right move the selection, Ctrl+Tab and
// Ctrl+Shift+Tab cycle through the tabs. Gaps: TCS_MULTILINE, TCS_BUTTONS, TCS_BOTTOM,
// TCS_VERTICAL, scroll arrows for tabs that do not fit, image lists, tooltips.
#include <algorithm>
#include <string>
#include <vector>

#include <windows.h>

#include <commctrl.h>

#include "controls/control.h"
#include "controls/system_classes.h"

namespace plat {
namespace {

constexpr int RowTop = 2; // the selected tab rises into this
constexpr int Lift = 2;   // how much wider and taller the selected tab is
constexpr int PadX = 6;   // between a tab's edge and its label
constexpr int PadY = 3;
constexpr int Inset = 4; // from the display area's frame to what it shows

struct Item {
    std::string text;
    int image = -1;
    DWORD state = 0;
    LPARAM param = 0;
};

struct Tab {
    std::vector<Item> items;
    int current = -1;
    bool focused = false;
    HFONT font = nullptr;
};

HFONT font_of(const Tab& t) {
    return t.font ? t.font : static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
}

bool valid(const Tab& t, WPARAM index) {
    return static_cast<int>(index) >= 0 && static_cast<std::size_t>(index) < t.items.size();
}

// ---- geometry

int row_height(HWND hwnd, const Tab& t) {
    HDC hdc = GetDC(hwnd);
    const HGDIOBJ old = SelectObject(hdc, font_of(t));
    TEXTMETRICA tm{};
    GetTextMetricsA(hdc, &tm);
    SelectObject(hdc, old);
    ReleaseDC(hwnd, hdc);
    return tm.tmHeight + 2 * PadY + 2;
}

// Every tab's rectangle as drawn when not selected, left to right.
std::vector<RECT> item_rects(HWND hwnd, const Tab& t) {
    std::vector<RECT> rects;
    const int h = row_height(hwnd, t);
    HDC hdc = GetDC(hwnd);
    const HGDIOBJ old = SelectObject(hdc, font_of(t));
    int x = Lift;
    for (const Item& item : t.items) {
        SIZE size{};
        GetTextExtentPoint32A(hdc, item.text.data(), static_cast<int>(item.text.size()), &size);
        const int w = size.cx + 2 * PadX;
        rects.push_back(RECT{x, RowTop, x + w, RowTop + h});
        x += w;
    }
    SelectObject(hdc, old);
    ReleaseDC(hwnd, hdc);
    return rects;
}

int display_top(HWND hwnd, const Tab& t) {
    return RowTop + row_height(hwnd, t);
}

int hit_item(HWND hwnd, const Tab& t, POINT p) {
    const std::vector<RECT> rects = item_rects(hwnd, t);
    // The selected tab stands in front of its neighbours.
    if (valid(t, static_cast<WPARAM>(t.current))) {
        RECT r = rects[static_cast<std::size_t>(t.current)];
        InflateRect(&r, Lift, 0);
        r.top -= Lift;
        if (PtInRect(&r, p)) return t.current;
    }
    for (std::size_t i = 0; i < rects.size(); ++i)
        if (PtInRect(&rects[i], p)) return static_cast<int>(i);
    return -1;
}

// ---- painting

void draw_item(HWND hwnd, HDC hdc, const Tab& t, std::size_t i, RECT r) {
    const bool selected = static_cast<int>(i) == t.current;
    if (selected) {
        InflateRect(&r, Lift, 0);
        r.top -= Lift;
        r.bottom += 1; // over the display area's top line
    }
    FillRect(hdc, &r, GetSysColorBrush(COLOR_BTNFACE));
    RECT edge = r;
    DrawEdge(hdc, &edge, EDGE_RAISED, BF_LEFT | BF_TOP | BF_RIGHT);
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, GetSysColor(IsWindowEnabled(hwnd) ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    RECT label = r;
    InflateRect(&label, -PadX + (selected ? -Lift : 0), 0);
    const std::string& text = t.items[i].text;
    DrawTextA(hdc, text.c_str(), static_cast<int>(text.size()), &label,
              DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
    if (selected && t.focused) {
        RECT focus = r;
        InflateRect(&focus, -3, -3);
        focus.bottom -= 1;
        DrawFocusRect(hdc, &focus);
    }
}

LRESULT on_paint(HWND hwnd, const Tab& t) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    const int saved = SaveDC(hdc);
    RECT client;
    GetClientRect(hwnd, &client);
    FillRect(hdc, &client, GetSysColorBrush(COLOR_BTNFACE));
    RECT display = client;
    display.top = display_top(hwnd, t);
    DrawEdge(hdc, &display, EDGE_RAISED, BF_RECT);
    SelectObject(hdc, font_of(t));
    const std::vector<RECT> rects = item_rects(hwnd, t);
    for (std::size_t i = 0; i < rects.size(); ++i)
        if (static_cast<int>(i) != t.current) draw_item(hwnd, hdc, t, i, rects[i]);
    if (valid(t, static_cast<WPARAM>(t.current)))
        draw_item(hwnd, hdc, t, static_cast<std::size_t>(t.current),
                  rects[static_cast<std::size_t>(t.current)]);
    RestoreDC(hdc, saved);
    EndPaint(hwnd, &ps);
    return 0;
}

void redraw(HWND hwnd) {
    InvalidateRect(hwnd, nullptr, FALSE);
}

// ---- items

void copy_in(Item& item, const TCITEMA& from) {
    if ((from.mask & TCIF_TEXT) && from.pszText) item.text = from.pszText;
    if (from.mask & TCIF_IMAGE) item.image = from.iImage;
    if (from.mask & TCIF_PARAM) item.param = from.lParam;
    if (from.mask & TCIF_STATE)
        item.state = (item.state & ~from.dwStateMask) | (from.dwState & from.dwStateMask);
}

LRESULT insert_item(HWND hwnd, Tab& t, WPARAM index, LPARAM lParam) {
    const auto* from = reinterpret_cast<const TCITEMA*>(lParam);
    if (!from || static_cast<int>(index) < 0) return -1;
    const std::size_t at = std::min(static_cast<std::size_t>(index), t.items.size());
    Item item;
    copy_in(item, *from);
    t.items.insert(t.items.begin() + static_cast<std::ptrdiff_t>(at), item);
    if (t.current < 0)
        t.current = 0;
    else if (static_cast<int>(at) <= t.current)
        ++t.current;
    redraw(hwnd);
    return static_cast<LRESULT>(at);
}

LRESULT get_item(const Tab& t, WPARAM index, LPARAM lParam) {
    auto* to = reinterpret_cast<TCITEMA*>(lParam);
    if (!to || !valid(t, index)) return FALSE;
    const Item& item = t.items[index];
    if ((to->mask & TCIF_TEXT) && to->pszText && to->cchTextMax > 0) {
        const std::size_t n =
            std::min(item.text.size(), static_cast<std::size_t>(to->cchTextMax - 1));
        item.text.copy(to->pszText, n);
        to->pszText[n] = '\0';
    }
    if (to->mask & TCIF_IMAGE) to->iImage = item.image;
    if (to->mask & TCIF_PARAM) to->lParam = item.param;
    if (to->mask & TCIF_STATE) to->dwState = item.state & to->dwStateMask;
    return TRUE;
}

LRESULT set_item(HWND hwnd, Tab& t, WPARAM index, LPARAM lParam) {
    const auto* from = reinterpret_cast<const TCITEMA*>(lParam);
    if (!from || !valid(t, index)) return FALSE;
    copy_in(t.items[index], *from);
    redraw(hwnd);
    return TRUE;
}

LRESULT delete_item(HWND hwnd, Tab& t, WPARAM index) {
    if (!valid(t, index)) return FALSE;
    const int i = static_cast<int>(index);
    t.items.erase(t.items.begin() + i);
    if (i == t.current)
        t.current = -1;
    else if (i < t.current)
        --t.current;
    redraw(hwnd);
    return TRUE;
}

LRESULT set_cur_sel(HWND hwnd, Tab& t, WPARAM index) {
    if (!valid(t, index)) return -1;
    const int previous = t.current;
    if (t.current != static_cast<int>(index)) {
        t.current = static_cast<int>(index);
        redraw(hwnd);
    }
    return previous;
}

LRESULT get_item_rect(HWND hwnd, const Tab& t, WPARAM index, LPARAM lParam) {
    auto* out = reinterpret_cast<RECT*>(lParam);
    if (!valid(t, index)) return FALSE;
    if (out) *out = item_rects(hwnd, t)[index];
    return TRUE;
}

LRESULT hit_test(HWND hwnd, const Tab& t, LPARAM lParam) {
    auto* info = reinterpret_cast<TCHITTESTINFO*>(lParam);
    if (!info) return -1;
    const int i = hit_item(hwnd, t, info->pt);
    info->flags = i < 0 ? TCHT_NOWHERE : TCHT_ONITEMLABEL;
    return i;
}

// Between the control's window rectangle (larger) and its display area.
LRESULT adjust_rect(HWND hwnd, const Tab& t, WPARAM larger, LPARAM lParam) {
    auto* r = reinterpret_cast<RECT*>(lParam);
    if (!r) return 0;
    const int top = display_top(hwnd, t) + Inset, side = Inset;
    if (larger) {
        r->left -= side;
        r->right += side;
        r->top -= top;
        r->bottom += side;
    } else {
        r->left += side;
        r->right -= side;
        r->top += top;
        r->bottom -= side;
    }
    return 0;
}

// ---- what the user does

// TCN_SELCHANGING, the change unless refused, TCN_SELCHANGE.
void select_by_user(HWND hwnd, Tab& t, int index) {
    if (!valid(t, static_cast<WPARAM>(index)) || index == t.current) return;
    const void* self = &t;
    NMHDR hdr{nullptr, 0, TCN_SELCHANGING};
    LRESULT refused = 0;
    if (!notify_parent(hwnd, hdr, &refused) || refused) return;
    if (!control_alive(hwnd, self) || !valid(t, static_cast<WPARAM>(index))) return;
    t.current = index;
    redraw(hwnd);
    NMHDR changed{nullptr, 0, TCN_SELCHANGE};
    notify_parent(hwnd, changed);
}

LRESULT on_button_down(HWND hwnd, Tab& t, LPARAM lParam) {
    const void* self = &t;
    const DWORD style = style_of(hwnd);
    if ((style & TCS_FOCUSONBUTTONDOWN) && !(style & TCS_FOCUSNEVER)) {
        SetFocus(hwnd);
        if (!control_alive(hwnd, self)) return 0;
    }
    select_by_user(hwnd, t, hit_item(hwnd, t, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}));
    return 0;
}

LRESULT on_key_down(HWND hwnd, Tab& t, WPARAM vk, LPARAM lParam) {
    const void* self = &t;
    NMTCKEYDOWN key{};
    key.hdr.code = TCN_KEYDOWN;
    key.wVKey = static_cast<WORD>(vk);
    key.flags = static_cast<UINT>(HIWORD(lParam));
    if (!notify_parent(hwnd, key.hdr) || !control_alive(hwnd, self)) return 0;
    const int count = static_cast<int>(t.items.size());
    if (count == 0) return 0;
    const bool ctrl = GetKeyState(VK_CONTROL) < 0;
    int next = t.current;
    if (vk == VK_LEFT)
        next = std::max(0, t.current - 1);
    else if (vk == VK_RIGHT)
        next = std::min(count - 1, t.current + 1);
    else if (vk == VK_TAB && ctrl)
        next =
            GetKeyState(VK_SHIFT) < 0 ? (t.current + count - 1) % count : (t.current + 1) % count;
    select_by_user(hwnd, t, next);
    return 0;
}

// Ctrl+Tab is the tab control's, not the dialog's next field.
LRESULT dialog_code(LPARAM lParam) {
    LRESULT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
    const auto* msg = reinterpret_cast<const MSG*>(lParam);
    if (msg && msg->message == WM_KEYDOWN && msg->wParam == VK_TAB && GetKeyState(VK_CONTROL) < 0)
        code |= DLGC_WANTMESSAGE;
    return code;
}

LRESULT tab_proc(HWND hwnd, Tab& t, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_GETDLGCODE:
        return dialog_code(lParam);
    case WM_PAINT:
        return on_paint(hwnd, t);
    case WM_ERASEBKGND:
        return 1;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        return on_button_down(hwnd, t, lParam);
    case WM_KEYDOWN:
        return on_key_down(hwnd, t, wParam, lParam);
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        t.focused = message == WM_SETFOCUS;
        redraw(hwnd);
        return 0;
    case WM_ENABLE:
    case WM_SIZE:
        redraw(hwnd);
        return 0;
    case WM_SETFONT:
        t.font = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam)) redraw(hwnd);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(t.font);
    case TCM_INSERTITEMA:
        return insert_item(hwnd, t, wParam, lParam);
    case TCM_GETITEMA:
        return get_item(t, wParam, lParam);
    case TCM_SETITEMA:
        return set_item(hwnd, t, wParam, lParam);
    case TCM_DELETEITEM:
        return delete_item(hwnd, t, wParam);
    case TCM_DELETEALLITEMS:
        t.items.clear();
        t.current = -1;
        redraw(hwnd);
        return TRUE;
    case TCM_GETITEMCOUNT:
        return static_cast<LRESULT>(t.items.size());
    case TCM_GETCURSEL:
    case TCM_GETCURFOCUS:
        return t.current;
    case TCM_SETCURSEL:
        return set_cur_sel(hwnd, t, wParam);
    case TCM_GETITEMRECT:
        return get_item_rect(hwnd, t, wParam, lParam);
    case TCM_HITTEST:
        return hit_test(hwnd, t, lParam);
    case TCM_ADJUSTRECT:
        return adjust_rect(hwnd, t, wParam, lParam);
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

} // namespace

const ControlClass tab_class{WC_TABCONTROLA,
                             control_proc<Tab, tab_proc>,
                             CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW,
                             StateBytes,
                             -1,
                             SurfaceKind::Child};

} // namespace plat
