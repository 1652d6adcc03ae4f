#include "window/nonclient.h"

#include "window/window_table.h"

namespace plat {

RECT frame_insets(DWORD style, DWORD exStyle, bool hasMenu) {
    int edge = 0;
    if (style & WS_THICKFRAME)
        edge = ThickFrame;
    else if (style & WS_DLGFRAME)
        edge = DialogFrame;
    else if (style & WS_BORDER)
        edge = ThinBorder;
    if (exStyle & WS_EX_CLIENTEDGE) edge += ClientEdge;
    RECT insets{edge, edge, edge, edge};
    if ((style & WS_CAPTION) == WS_CAPTION) insets.top += CaptionHeight;
    if (hasMenu && !(style & WS_CHILD)) insets.top += MenuBarHeight;
    return insets;
}

RECT client_from_window(const RECT& window, DWORD style, DWORD exStyle, bool hasMenu) {
    const RECT in = frame_insets(style, exStyle, hasMenu);
    RECT c{window.left + in.left, window.top + in.top, window.right - in.right,
           window.bottom - in.bottom};
    if (style & WS_VSCROLL) c.right -= ScrollBarSize;
    if (style & WS_HSCROLL) c.bottom -= ScrollBarSize;
    if (c.right < c.left) c.right = c.left;
    if (c.bottom < c.top) c.bottom = c.top;
    return c;
}

} // namespace plat

BOOL AdjustWindowRectEx(RECT* rect, DWORD style, BOOL menu, DWORD exStyle) {
    if (!rect) return FALSE;
    // The menu bar counts whenever the caller says there is one, whatever the style.
    RECT in = plat::frame_insets(style, exStyle, false);
    if (menu) in.top += plat::MenuBarHeight;
    rect->left -= in.left;
    rect->top -= in.top;
    rect->right += in.right;
    rect->bottom += in.bottom;
    return TRUE;
}

namespace plat {

// Where a screen point lies in a window's frame, with the platform's hit-test codes.
LRESULT nonclient_hit_test(HWND hwnd, POINT p) {
    RECT window, client;
    GetWindowRect(hwnd, &window);
    if (!PtInRect(&window, p)) return HTNOWHERE;
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_STYLE));
    const DWORD exStyle = static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_EXSTYLE));
    const Window* w = lookup(hwnd);
    const bool hasMenu = w && !(style & WS_CHILD) && w->menu;
    const RECT in = frame_insets(style, exStyle, hasMenu);
    client = {window.left + in.left, window.top + in.top, window.right - in.right,
              window.bottom - in.bottom};
    POINT cp = p;
    ScreenToClient(hwnd, &cp);
    RECT c;
    GetClientRect(hwnd, &c);
    if (PtInRect(&c, cp)) return HTCLIENT;

    if ((style & WS_THICKFRAME) && !(style & (WS_MAXIMIZE | WS_MINIMIZE))) {
        const bool left = p.x < window.left + ThickFrame, right = p.x >= window.right - ThickFrame;
        const bool top = p.y < window.top + ThickFrame, bottom = p.y >= window.bottom - ThickFrame;
        if (top) return left ? HTTOPLEFT : right ? HTTOPRIGHT : HTTOP;
        if (bottom) return left ? HTBOTTOMLEFT : right ? HTBOTTOMRIGHT : HTBOTTOM;
        if (left) return HTLEFT;
        if (right) return HTRIGHT;
    }
    const int edge = in.left;
    const int captionTop = window.top + edge;
    if ((style & WS_CAPTION) == WS_CAPTION && p.y >= captionTop &&
        p.y < captionTop + CaptionHeight) {
        // Boxes are square, caption high, from the right: close, maximise, minimise.
        const int box = CaptionHeight;
        int right = window.right - edge;
        if (style & WS_SYSMENU) {
            if (p.x >= right - box) return HTCLOSE;
            right -= box;
            if (style & (WS_MAXIMIZEBOX | WS_MINIMIZEBOX)) {
                if (p.x >= right - box) return HTMAXBUTTON;
                right -= box;
                if (p.x >= right - box) return HTMINBUTTON;
            }
            if (p.x < window.left + edge + box) return HTSYSMENU;
        }
        return HTCAPTION;
    }
    for (const int bar : {SB_VERT, SB_HORZ}) {
        RECT r = scroll_bar_rect(hwnd, bar);
        OffsetRect(&r, window.left, window.top);
        if (PtInRect(&r, p)) return bar == SB_VERT ? HTVSCROLL : HTHSCROLL;
    }
    if (p.y >= captionTop + CaptionHeight && p.y < client.top) return HTMENU;
    return HTBORDER;
}

} // namespace plat
