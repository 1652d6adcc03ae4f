// A frame's menu bar: attaching a menu and redrawing the bar.
#include "menu/menu_table.h"
#include "window/window_table.h"

using namespace plat;

BOOL SetMenu(HWND hwnd, HMENU menu) {
    Window* w = lookup(hwnd);
    if (!w || (w->style & WS_CHILD) || (menu && !menu_of(menu))) return FALSE;
    w->menu = menu;
    // The client area shrinks or grows by the bar.
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}

HMENU GetMenu(HWND hwnd) {
    const Window* w = lookup(hwnd);
    return w && !(w->style & WS_CHILD) ? w->menu : nullptr;
}

BOOL DrawMenuBar(HWND hwnd) {
    const Window* w = lookup(hwnd);
    if (!w || !w->menu) return FALSE;
    // The bar's height may have changed with its items: the frame is laid out again.
    return SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                        SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
