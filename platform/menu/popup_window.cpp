// The pop-up menu window, class "#32768": it shows the items of the menu the loop tracks and
// never takes the activation from its owner.
#include <algorithm>

#include "controls/system_classes.h"
#include "menu/menu_table.h"
#include "menu/menu_tracker.h"

namespace plat {
namespace {

constexpr char PopupClass[] = "#32768";

void fill(HDC hdc, const RECT& r, int colour) {
    FillRect(hdc, &r, GetSysColorBrush(colour));
}

void draw_separator(HDC hdc, const RECT& item) {
    const int y = (item.top + item.bottom) / 2 - 1;
    fill(hdc, {item.left + 1, y, item.right - 1, y + 1}, COLOR_BTNSHADOW);
    fill(hdc, {item.left + 1, y + 1, item.right - 1, y + 2}, COLOR_BTNHIGHLIGHT);
}

// A tick, two pixels thick, centred in the check column.
void draw_check(HDC hdc, const RECT& item, COLORREF colour) {
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    HGDIOBJ old = SelectObject(hdc, pen);
    const int x = item.left + 4, y = (item.top + item.bottom) / 2;
    for (int d = 0; d < 2; ++d) {
        MoveToEx(hdc, x, y - 1 + d, nullptr);
        LineTo(hdc, x + 3, y + 2 + d);
        LineTo(hdc, x + 8, y - 3 + d);
    }
    SelectObject(hdc, old);
    DeleteObject(pen);
}

// The small triangle that marks an item opening a further pop-up.
void draw_arrow(HDC hdc, const RECT& item, COLORREF colour) {
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    HGDIOBJ old = SelectObject(hdc, pen);
    const int x = item.right - PopupArrowColumn + 6, y = (item.top + item.bottom) / 2;
    for (int i = 0; i < 4; ++i) {
        MoveToEx(hdc, x + i, y - 3 + i, nullptr);
        LineTo(hdc, x + i, y + 4 - i);
    }
    SelectObject(hdc, old);
    DeleteObject(pen);
}

void draw_item(HDC hdc, const MenuItem& item, const RECT& r, int accelLeft, bool selected) {
    if (item.flags & MF_SEPARATOR) return draw_separator(hdc, r);
    const bool grey = item.flags & (MF_GRAYED | MF_DISABLED);
    if (selected) fill(hdc, r, COLOR_HIGHLIGHT);
    const COLORREF text = GetSysColor(grey       ? COLOR_GRAYTEXT
                                      : selected ? COLOR_HIGHLIGHTTEXT
                                                 : COLOR_MENUTEXT);
    SetTextColor(hdc, text);
    const ItemText t = split_item_text(item.text);
    RECT label{r.left + PopupCheckColumn, r.top, r.right - PopupArrowColumn, r.bottom};
    DrawTextA(hdc, t.label.c_str(), -1, &label, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    if (!t.accelerator.empty()) {
        RECT accel{accelLeft, r.top, r.right - PopupArrowColumn, r.bottom};
        DrawTextA(hdc, t.accelerator.c_str(), -1, &accel,
                  DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
    }
    if (item.flags & MF_CHECKED) draw_check(hdc, r, text);
    if (item.flags & MF_POPUP) draw_arrow(hdc, r, text);
}

void paint(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    RECT client;
    GetClientRect(hwnd, &client);
    fill(hdc, client, COLOR_MENU);
    DrawEdge(hdc, &client, EDGE_RAISED, BF_RECT);
    PopupView view;
    if (popup_view(hwnd, view) && view.layout) {
        SelectObject(hdc, GetStockObject(DEFAULT_GUI_FONT));
        SetBkMode(hdc, TRANSPARENT);
        const Menu* m = menu_of(view.menu);
        const std::size_t n = m ? std::min(m->items.size(), view.layout->items.size()) : 0;
        for (std::size_t i = 0; i < n; ++i)
            draw_item(hdc, m->items[i], view.layout->items[i], view.layout->accelLeft[i],
                      static_cast<int>(i) == view.selected);
    }
    EndPaint(hwnd, &ps);
}

LRESULT CALLBACK popup_proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        paint(hwnd);
        return 0;
    case WM_ERASEBKGND:
        return 1; // the whole window is painted in WM_PAINT
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

} // namespace

void register_menu_popup_class() {
    register_control_class({PopupClass, popup_proc, CS_SAVEBITS, 0, -1, SurfaceKind::PopupMenu});
}

HWND create_popup_window(POINT at, SIZE size, HWND owner) {
    HWND hwnd = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, PopupClass, "", WS_POPUP, at.x,
                                at.y, size.cx, size.cy, owner, nullptr, nullptr, nullptr);
    if (hwnd) ShowWindow(hwnd, SW_SHOWNOACTIVATE);
    return hwnd;
}

} // namespace plat
