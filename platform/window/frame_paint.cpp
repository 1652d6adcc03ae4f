// Drawing of the non-client area: border, caption (active or inactive) and its boxes, menu bar
// and scroll bars.
#include "backend/backend.h"
#include "menu/menu_layout.h"
#include "menu/menu_tracker.h"
#include "window/nonclient.h"
#include "window/window_table.h"

namespace plat {
namespace {

HBRUSH sys_brush(int index) {
    return GetSysColorBrush(index);
}

void fill(HDC hdc, RECT r, int colour) {
    FillRect(hdc, &r, sys_brush(colour));
}

// The bar's items left to right; greyed items in the grey text colour, the one the menu loop
// has selected in the highlight colours.
void draw_menu_bar_items(HDC hdc, HWND hwnd, HMENU menu, const RECT& bar) {
    SelectObject(hdc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(hdc, TRANSPARENT);
    const std::vector<RECT> items = layout_menu_bar(menu, bar);
    const int selected = menu_bar_highlight(hwnd);
    for (std::size_t i = 0; i < items.size(); ++i) {
        char text[128];
        GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
        const UINT state = GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION);
        const bool highlighted = static_cast<int>(i) == selected;
        if (highlighted) fill(hdc, items[i], COLOR_HIGHLIGHT);
        SetTextColor(hdc, GetSysColor((state & MF_GRAYED) ? COLOR_GRAYTEXT
                                      : highlighted       ? COLOR_HIGHLIGHTTEXT
                                                          : COLOR_MENUTEXT));
        RECT label{items[i].left + MenuBarItemPadding, items[i].top,
                   items[i].right - MenuBarItemPadding, items[i].bottom};
        DrawTextA(hdc, split_item_text(text).label.c_str(), -1, &label, DT_SINGLELINE | DT_VCENTER);
    }
}

} // namespace

void paint_frame(HWND hwnd) {
    const Window* w = lookup(hwnd);
    if (!w || !IsWindowVisible(hwnd)) return;
    const RECT in = frame_insets(w->style, w->exStyle, w->menu != nullptr);
    const bool bars = (w->style & (WS_VSCROLL | WS_HSCROLL)) != 0;
    if (in.left == 0 && in.top == 0 && !bars) return;
    const int width = w->rect.right - w->rect.left, height = w->rect.bottom - w->rect.top;
    HDC hdc = GetWindowDC(hwnd);
    // Where the native manager frames a top-level window, only the menu bar and the scroll bars
    // are seen: no caption font is opened for a caption nobody sees.
    const bool framed = (w->style & WS_CHILD) || backend().shows_frame(hwnd);
    // The four bands around the client area.
    fill(hdc, {0, 0, width, in.top}, COLOR_ACTIVEBORDER);
    fill(hdc, {0, height - in.bottom, width, height}, COLOR_ACTIVEBORDER);
    fill(hdc, {0, in.top, in.left, height - in.bottom}, COLOR_ACTIVEBORDER);
    fill(hdc, {width - in.right, in.top, width, height - in.bottom}, COLOR_ACTIVEBORDER);
    if (w->style & WS_BORDER) {
        // The outermost line is the window frame colour.
        fill(hdc, {0, 0, width, 1}, COLOR_WINDOWFRAME);
        fill(hdc, {0, height - 1, width, height}, COLOR_WINDOWFRAME);
        fill(hdc, {0, 0, 1, height}, COLOR_WINDOWFRAME);
        fill(hdc, {width - 1, 0, width, height}, COLOR_WINDOWFRAME);
    }
    if (w->exStyle & WS_EX_CLIENTEDGE) {
        // The sunken edge is the innermost band, around the client area and its scroll bars.
        RECT sunken{in.left - ClientEdge, in.top - ClientEdge, width - in.right + ClientEdge,
                    height - in.bottom + ClientEdge};
        DrawEdge(hdc, &sunken, EDGE_SUNKEN, BF_RECT);
    }
    if (framed && (w->style & WS_CAPTION) == WS_CAPTION) {
        int edge = (w->style & WS_THICKFRAME) ? ThickFrame : DialogFrame;
        if (w->exStyle & WS_EX_CLIENTEDGE) edge += ClientEdge;
        const RECT caption{edge, edge, width - edge, edge + CaptionHeight};
        fill(hdc, caption, w->captionActive ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION);
        // The title, left in the caption after a small margin, in the caption text colour.
        SelectObject(hdc, GetStockObject(SYSTEM_FONT));
        SetBkMode(hdc, TRANSPARENT);
        SetTextColor(hdc,
                     GetSysColor(w->captionActive ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
        const int boxWidth =
            (w->style & WS_SYSMENU)
                ? CaptionHeight * ((w->style & (WS_MAXIMIZEBOX | WS_MINIMIZEBOX)) ? 3 : 1)
                : 0;
        RECT title{caption.left + 4, caption.top, caption.right - boxWidth, caption.bottom};
        DrawTextA(hdc, w->text.c_str(), -1, &title, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        if (w->style & WS_SYSMENU) {
            int right = caption.right;
            const int boxes = (w->style & (WS_MAXIMIZEBOX | WS_MINIMIZEBOX)) ? 3 : 1;
            for (int i = 0; i < boxes; ++i, right -= CaptionHeight)
                fill(hdc,
                     {right - CaptionHeight + 2, caption.top + 2, right - 2, caption.bottom - 2},
                     COLOR_BTNFACE);
        }
    }
    if (w->menu) {
        const RECT bar{in.left, in.top - MenuBarHeight, width - in.right, in.top};
        fill(hdc, bar, COLOR_MENU);
        draw_menu_bar_items(hdc, hwnd, w->menu, bar);
    }
    if (bars) paint_scroll_bars(hwnd, hdc);
    ReleaseDC(hwnd, hdc);
}

} // namespace plat
