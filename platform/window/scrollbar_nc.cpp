// Window scroll bars (WS_HSCROLL, WS_VSCROLL): their values, their place in the non-client
// area and the entry points; SB_CTL goes to the scroll bar control as its SBM_ messages. The
// window itself hears WM_HSCROLL/WM_VSCROLL (lParam 0) and moves its contents; the bar only
// shows and reports. Gaps: no size box in the corner, no keyboard interface of its own (the
// window's keys do that), a pressed arrow is not drawn sunken.
#include <algorithm>
#include <cstdint>

#include "window/nonclient.h"
#include "window/window_table.h"

namespace plat {
namespace {

bool valid_bar(int bar) {
    return bar == SB_HORZ || bar == SB_VERT;
}

DWORD style_bit(int bar) {
    return bar == SB_VERT ? WS_VSCROLL : WS_HSCROLL;
}

void redraw(HWND hwnd) {
    if (!IsWindowVisible(hwnd)) return;
    HDC hdc = GetWindowDC(hwnd);
    paint_scroll_bars(hwnd, hdc);
    ReleaseDC(hwnd, hdc);
}

// Shows or hides bars by their style bit; the client area follows.
bool set_shown(HWND hwnd, DWORD bits, bool show) {
    Window* w = lookup(hwnd);
    if (!w) return false;
    const DWORD style = show ? (w->style | bits) : (w->style & ~bits);
    if (style == w->style) return false;
    w->style = style;
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    return true;
}

void paint_bar(HWND hwnd, HDC hdc, int bar) {
    const Window* w = lookup(hwnd);
    if (!w) return;
    draw_scroll_bar(hdc, scroll_bar_parts(hwnd, bar), bar == SB_VERT, w->scroll[bar],
                    (w->style & WS_DISABLED) != 0);
}

} // namespace

RECT scroll_bar_rect(HWND hwnd, int bar) {
    const Window* w = lookup(hwnd);
    if (!w || !valid_bar(bar) || !(w->style & style_bit(bar))) return {};
    const int width = w->rect.right - w->rect.left, height = w->rect.bottom - w->rect.top;
    const RECT in = frame_insets(w->style, w->exStyle, w->menu != nullptr);
    const int corner = ScrollBarSize;
    RECT r;
    if (bar == SB_VERT)
        r = {width - in.right - ScrollBarSize, in.top, width - in.right,
             height - in.bottom - ((w->style & WS_HSCROLL) ? corner : 0)};
    else
        r = {in.left, height - in.bottom - ScrollBarSize,
             width - in.right - ((w->style & WS_VSCROLL) ? corner : 0), height - in.bottom};
    if (r.left < in.left) r.left = in.left;
    if (r.top < in.top) r.top = in.top;
    if (r.right < r.left || r.bottom < r.top) return {};
    return r;
}

ScrollBarParts scroll_bar_parts(HWND hwnd, int bar) {
    const Window* w = lookup(hwnd);
    if (!w || !valid_bar(bar)) return {};
    return layout_scroll_bar(scroll_bar_rect(hwnd, bar), bar == SB_VERT, w->scroll[bar]);
}

void paint_scroll_bars(HWND hwnd, HDC hdc) {
    const Window* w = lookup(hwnd);
    if (!w) return;
    paint_bar(hwnd, hdc, SB_VERT);
    paint_bar(hwnd, hdc, SB_HORZ);
    if ((w->style & WS_VSCROLL) && (w->style & WS_HSCROLL)) {
        const RECT v = scroll_bar_rect(hwnd, SB_VERT), h = scroll_bar_rect(hwnd, SB_HORZ);
        const RECT corner{v.left, h.top, v.right, h.bottom};
        FillRect(hdc, &corner, GetSysColorBrush(COLOR_BTNFACE));
    }
}

void track_scroll_bar(HWND hwnd, int bar, POINT screen) {
    const Window* w = lookup(hwnd);
    if (!w || !valid_bar(bar) || (w->style & WS_DISABLED)) return;
    ScrollBarPress press;
    press.owner = hwnd;
    press.vertical = bar == SB_VERT;
    press.data = [hwnd, bar]() -> ScrollBarData* {
        Window* now = lookup(hwnd);
        return now ? &now->scroll[bar] : nullptr;
    };
    press.bar = [hwnd, bar] { return scroll_bar_rect(hwnd, bar); };
    press.locate = [hwnd](POINT p) {
        RECT r;
        GetWindowRect(hwnd, &r);
        return POINT{p.x - r.left, p.y - r.top};
    };
    const UINT message = bar == SB_VERT ? WM_VSCROLL : WM_HSCROLL;
    press.send = [hwnd, message](WORD code, int pos) {
        SendMessageA(hwnd, message, MAKEWPARAM(code, static_cast<WORD>(pos)), 0);
        return lookup(hwnd) != nullptr;
    };
    press.redraw = [hwnd] { redraw(hwnd); };
    track_scroll_press(press, screen);
}

} // namespace plat

using namespace plat;

// SB_CTL names a scroll bar control: the functions become its SBM_ messages.

int SetScrollInfo(HWND hwnd, int bar, LPCSCROLLINFO info, BOOL redrawBar) {
    if (bar == SB_CTL)
        return static_cast<int>(SendMessageA(hwnd, SBM_SETSCROLLINFO,
                                             static_cast<WPARAM>(redrawBar),
                                             reinterpret_cast<LPARAM>(info)));
    Window* w = lookup(hwnd);
    if (!w || !valid_bar(bar) || !info) return 0;
    ScrollBarData& d = w->scroll[bar];
    const int pos = apply_scroll_info(d, *info);
    bool reframed = false;
    if (info->fMask & (SIF_RANGE | SIF_PAGE)) {
        const bool needed = settle_scroll_enable(d, info->fMask);
        reframed = set_shown(hwnd, style_bit(bar), needed || (info->fMask & SIF_DISABLENOSCROLL));
    }
    if (redrawBar && !reframed && lookup(hwnd)) redraw(hwnd);
    return pos;
}

BOOL GetScrollInfo(HWND hwnd, int bar, LPSCROLLINFO info) {
    if (bar == SB_CTL)
        return SendMessageA(hwnd, SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(info)) ? TRUE
                                                                                        : FALSE;
    const Window* w = lookup(hwnd);
    if (!w || !valid_bar(bar) || !info) return FALSE;
    return read_scroll_info(w->scroll[bar], *info) ? TRUE : FALSE;
}

int SetScrollPos(HWND hwnd, int bar, int pos, BOOL redrawBar) {
    if (bar == SB_CTL)
        return static_cast<int>(
            SendMessageA(hwnd, SBM_SETPOS, static_cast<WPARAM>(pos), redrawBar));
    const Window* w = lookup(hwnd);
    if (!w || !valid_bar(bar)) return 0;
    const int previous = w->scroll[bar].pos;
    SCROLLINFO si{sizeof si, SIF_POS, 0, 0, 0, pos, 0};
    SetScrollInfo(hwnd, bar, &si, redrawBar);
    return previous;
}

int GetScrollPos(HWND hwnd, int bar) {
    if (bar == SB_CTL) return static_cast<int>(SendMessageA(hwnd, SBM_GETPOS, 0, 0));
    const Window* w = lookup(hwnd);
    return w && valid_bar(bar) ? w->scroll[bar].pos : 0;
}

BOOL SetScrollRange(HWND hwnd, int bar, int minPos, int maxPos, BOOL redrawBar) {
    if (!lookup(hwnd) || minPos > maxPos) return FALSE;
    if (bar == SB_CTL) {
        SendMessageA(hwnd, redrawBar ? SBM_SETRANGEREDRAW : SBM_SETRANGE,
                     static_cast<WPARAM>(minPos), maxPos);
        return TRUE;
    }
    if (!valid_bar(bar)) return FALSE;
    SCROLLINFO si{sizeof si, SIF_RANGE, minPos, maxPos, 0, 0, 0};
    SetScrollInfo(hwnd, bar, &si, redrawBar);
    return TRUE;
}

BOOL GetScrollRange(HWND hwnd, int bar, int* minPos, int* maxPos) {
    if (!minPos || !maxPos) return FALSE;
    if (bar == SB_CTL) {
        *minPos = *maxPos = 0;
        if (!lookup(hwnd)) return FALSE;
        SendMessageA(hwnd, SBM_GETRANGE, reinterpret_cast<WPARAM>(minPos),
                     reinterpret_cast<LPARAM>(maxPos));
        return TRUE;
    }
    const Window* w = lookup(hwnd);
    if (!w || !valid_bar(bar)) return FALSE;
    *minPos = w->scroll[bar].min;
    *maxPos = w->scroll[bar].max;
    return TRUE;
}

BOOL ShowScrollBar(HWND hwnd, int bar, BOOL show) {
    if (!lookup(hwnd)) return FALSE;
    if (bar == SB_CTL) {
        ShowWindow(hwnd, show ? SW_SHOW : SW_HIDE);
        return TRUE;
    }
    DWORD bits = 0;
    if (bar == SB_HORZ || bar == SB_BOTH) bits |= WS_HSCROLL;
    if (bar == SB_VERT || bar == SB_BOTH) bits |= WS_VSCROLL;
    if (!bits) return FALSE;
    set_shown(hwnd, bits, show != FALSE);
    return TRUE;
}

BOOL EnableScrollBar(HWND hwnd, UINT bar, UINT arrows) {
    if (bar == SB_CTL) return SendMessageA(hwnd, SBM_ENABLE_ARROWS, arrows, 0) ? TRUE : FALSE;
    Window* w = lookup(hwnd);
    if (!w || bar > SB_BOTH || arrows > ESB_DISABLE_BOTH) return FALSE;
    bool changed = false;
    for (const int b : {SB_HORZ, SB_VERT}) {
        if (bar != SB_BOTH && static_cast<int>(bar) != b) continue;
        changed |= w->scroll[b].disabled != arrows;
        w->scroll[b].disabled = arrows;
        w->scroll[b].autoDisabled = false;
    }
    if (changed) redraw(hwnd);
    return changed ? TRUE : FALSE;
}
