// Window scroll bars (WS_HSCROLL, WS_VSCROLL): their values, their place in the non-client
// area, their drawing and the mouse work on them. The window itself hears WM_HSCROLL/WM_VSCROLL
// (lParam 0) and moves its contents; the bar only shows and reports.
// Gaps: no "SCROLLBAR" control class (SB_CTL fails), no size box in the corner, no keyboard
// interface of its own (the window's keys do that), a pressed arrow is not drawn sunken.
#include <algorithm>
#include <cstdint>

#include "window/modal_loop.h"
#include "window/nonclient.h"
#include "window/window_table.h"

namespace plat {
namespace {

constexpr UINT_PTR RepeatTimer = 0xFFF0; // window scroll bars' own id, out of programs' way
constexpr UINT FirstRepeat = 400, NextRepeat = 50;

bool valid_bar(int bar) {
    return bar == SB_HORZ || bar == SB_VERT;
}

DWORD style_bit(int bar) {
    return bar == SB_VERT ? WS_VSCROLL : WS_HSCROLL;
}

// The position furthest from the minimum that still fills a page.
int max_pos(const ScrollBarData& d) {
    const std::int64_t last =
        std::int64_t{d.max} - std::max<std::int64_t>(std::int64_t{d.page} - 1, 0);
    return static_cast<int>(std::max<std::int64_t>(last, d.min));
}

// Whether the range holds more than a page, so that the bar has something to do.
bool scrollable(const ScrollBarData& d) {
    return d.max > d.min && (d.page == 0 || std::int64_t{d.page} <= std::int64_t{d.max} - d.min);
}

void clamp_values(ScrollBarData& d) {
    const std::int64_t span = std::int64_t{d.max} - d.min + 1;
    if (std::int64_t{d.page} > span) d.page = static_cast<UINT>(span);
    d.pos = std::clamp(d.pos, d.min, max_pos(d));
    d.trackPos = std::clamp(d.trackPos, d.min, max_pos(d));
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

int along(const RECT& r, int bar) {
    return bar == SB_VERT ? r.bottom - r.top : r.right - r.left;
}

// A part of the bar: start and end along it, the rest across it.
RECT span_rect(const RECT& barRect, int bar, int from, int to) {
    if (bar == SB_VERT) return {barRect.left, barRect.top + from, barRect.right, barRect.top + to};
    return {barRect.left + from, barRect.top, barRect.left + to, barRect.bottom};
}

void fill(HDC hdc, RECT r, int colour) {
    FillRect(hdc, &r, GetSysColorBrush(colour));
}

// A small solid triangle pointing away from the track.
void draw_arrow(HDC hdc, const RECT& box, int bar, bool low, int colour) {
    const int cx = (box.left + box.right) / 2, cy = (box.top + box.bottom) / 2;
    constexpr int rows = 4;
    for (int i = 0; i < rows; ++i) {
        const int d = low ? i : rows - 1 - i; // distance of this row from the tip
        const int offset = i - rows / 2;
        if (bar == SB_VERT)
            fill(hdc, {cx - d, cy + offset, cx + d + 1, cy + offset + 1}, colour);
        else
            fill(hdc, {cx + offset, cy - d, cx + offset + 1, cy + d + 1}, colour);
    }
}

// The track: the scroll bar colour with every other pixel in the highlight, a checker that stays
// apart from the face colour of the arrows and thumb at every depth.
void fill_track(HDC hdc, const RECT& r) {
    fill(hdc, r, COLOR_SCROLLBAR);
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left + ((r.left + y) & 1); x < r.right; x += 2)
            SetPixel(hdc, x, y, light);
}

void draw_button(HDC hdc, RECT r) {
    fill(hdc, r, COLOR_BTNFACE);
    DrawEdge(hdc, &r, EDGE_RAISED, BF_RECT);
}

void paint_bar(HWND hwnd, HDC hdc, int bar) {
    const Window* w = lookup(hwnd);
    const ScrollBarParts p = scroll_bar_parts(hwnd, bar);
    if (!w || IsRectEmpty(&p.bar)) return;
    const UINT disabled = scrollable(w->scroll[bar]) ? w->scroll[bar].disabled : ESB_DISABLE_BOTH;
    const bool windowDisabled = (w->style & WS_DISABLED) != 0;
    RECT track{p.lowArrow.left, p.lowArrow.top, p.highArrow.right, p.highArrow.bottom};
    if (bar == SB_VERT)
        track = {p.bar.left, p.lowArrow.bottom, p.bar.right, p.highArrow.top};
    else
        track = {p.lowArrow.right, p.bar.top, p.highArrow.left, p.bar.bottom};
    fill_track(hdc, track);
    draw_button(hdc, p.lowArrow);
    draw_button(hdc, p.highArrow);
    draw_arrow(hdc, p.lowArrow, bar, true,
               (windowDisabled || (disabled & ESB_DISABLE_LTUP)) ? COLOR_GRAYTEXT : COLOR_BTNTEXT);
    draw_arrow(hdc, p.highArrow, bar, false,
               (windowDisabled || (disabled & ESB_DISABLE_RTDN)) ? COLOR_GRAYTEXT : COLOR_BTNTEXT);
    if (p.hasThumb) draw_button(hdc, p.thumb);
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
    ScrollBarParts p;
    p.bar = scroll_bar_rect(hwnd, bar);
    const Window* w = lookup(hwnd);
    if (!w || IsRectEmpty(&p.bar)) return p;
    const int length = along(p.bar, bar);
    const int arrow = std::min(ScrollBarSize, length / 2);
    p.lowArrow = span_rect(p.bar, bar, 0, arrow);
    p.highArrow = span_rect(p.bar, bar, length - arrow, length);
    const ScrollBarData& d = w->scroll[bar];
    const int track = length - 2 * arrow;
    if (!scrollable(d) || d.disabled == ESB_DISABLE_BOTH || track < MinThumb) return p;
    const std::int64_t range = std::int64_t{d.max} - d.min + 1;
    int thumb = d.page ? static_cast<int>(track * std::int64_t{d.page} / range) : ScrollBarSize;
    thumb = std::clamp(thumb, MinThumb, track);
    const int shown = d.tracking ? d.trackPos : d.pos;
    const std::int64_t steps = std::int64_t{max_pos(d)} - d.min;
    const int offset =
        steps > 0 ? static_cast<int>((track - thumb) * (std::int64_t{shown} - d.min) / steps) : 0;
    p.thumb = span_rect(p.bar, bar, arrow + offset, arrow + offset + thumb);
    p.hasThumb = true;
    return p;
}

void paint_scroll_bars(HWND hwnd, HDC hdc) {
    const Window* w = lookup(hwnd);
    if (!w) return;
    paint_bar(hwnd, hdc, SB_VERT);
    paint_bar(hwnd, hdc, SB_HORZ);
    if ((w->style & WS_VSCROLL) && (w->style & WS_HSCROLL)) {
        const RECT v = scroll_bar_rect(hwnd, SB_VERT), h = scroll_bar_rect(hwnd, SB_HORZ);
        fill(hdc, {v.left, h.top, v.right, h.bottom}, COLOR_BTNFACE);
    }
}

namespace {

enum class Part { None, LowArrow, LowPage, Thumb, HighPage, HighArrow };

Part part_at(const ScrollBarParts& p, int bar, POINT pt) {
    if (!PtInRect(&p.bar, pt)) return Part::None;
    if (PtInRect(&p.lowArrow, pt)) return Part::LowArrow;
    if (PtInRect(&p.highArrow, pt)) return Part::HighArrow;
    if (!p.hasThumb) return Part::None;
    if (PtInRect(&p.thumb, pt)) return Part::Thumb;
    const int at = bar == SB_VERT ? pt.y : pt.x;
    const int thumbStart = bar == SB_VERT ? p.thumb.top : p.thumb.left;
    return at < thumbStart ? Part::LowPage : Part::HighPage;
}

WORD code_of(Part part) {
    switch (part) {
    case Part::LowArrow:
        return SB_LINEUP;
    case Part::HighArrow:
        return SB_LINEDOWN;
    case Part::LowPage:
        return SB_PAGEUP;
    case Part::HighPage:
        return SB_PAGEDOWN;
    default:
        return SB_ENDSCROLL;
    }
}

POINT to_window(HWND hwnd, POINT screen) {
    RECT r;
    GetWindowRect(hwnd, &r);
    return {screen.x - r.left, screen.y - r.top};
}

// The position a thumb starting `start` pixels into the track stands for.
int position_for(HWND hwnd, int bar, int start) {
    const ScrollBarParts p = scroll_bar_parts(hwnd, bar);
    const Window* w = lookup(hwnd);
    if (!w || !p.hasThumb) return 0;
    const ScrollBarData& d = w->scroll[bar];
    const int arrow = along(p.lowArrow, bar);
    const int free = along(p.bar, bar) - 2 * arrow - along(p.thumb, bar);
    if (free <= 0) return d.min;
    const std::int64_t steps = std::int64_t{max_pos(d)} - d.min;
    const int barStart = bar == SB_VERT ? p.bar.top : p.bar.left;
    const std::int64_t at = std::clamp(start - barStart - arrow, 0, free);
    return static_cast<int>(d.min + (at * steps + free / 2) / free);
}

} // namespace

void track_scroll_bar(HWND hwnd, int bar, POINT screen) {
    Window* w = lookup(hwnd);
    if (!w || !valid_bar(bar) || (w->style & WS_DISABLED)) return;
    const UINT disabled = w->scroll[bar].disabled;
    POINT pointer = to_window(hwnd, screen);
    const ScrollBarParts start = scroll_bar_parts(hwnd, bar);
    const Part part = part_at(start, bar, pointer);
    if (part == Part::None || disabled == ESB_DISABLE_BOTH ||
        (part == Part::LowArrow && (disabled & ESB_DISABLE_LTUP)) ||
        (part == Part::HighArrow && (disabled & ESB_DISABLE_RTDN)))
        return;
    const UINT message = bar == SB_VERT ? WM_VSCROLL : WM_HSCROLL;
    const auto send = [&](WORD code, int pos = 0) {
        SendMessageA(hwnd, message, MAKEWPARAM(code, static_cast<WORD>(pos)), 0);
        return lookup(hwnd) != nullptr;
    };
    SetCapture(hwnd);
    // Where in the thumb the pointer holds it, along the bar.
    const int grip = bar == SB_VERT ? pointer.y - start.thumb.top : pointer.x - start.thumb.left;
    if (part == Part::Thumb) {
        w->scroll[bar].tracking = true;
        w->scroll[bar].trackPos = w->scroll[bar].pos;
    } else {
        if (!send(code_of(part))) return;
        SetTimer(hwnd, RepeatTimer, FirstRepeat, nullptr);
    }
    bool finished = false;
    ModalLoop loop;
    loop.window = hwnd;
    loop.done = [&] { return finished; };
    loop.idle = [&] {
        finished |= !(GetAsyncKeyState(VK_LBUTTON) & 0x8000) || GetCapture() != hwnd;
    };
    loop.filter = [&](MSG& msg) {
        if (msg.message == WM_TIMER && msg.hwnd == hwnd && msg.wParam == RepeatTimer) {
            // Again while the pointer stays on the part it pressed (a page part shrinks as the
            // thumb comes towards the pointer).
            if (part_at(scroll_bar_parts(hwnd, bar), bar, pointer) == part) {
                if (!send(code_of(part))) return true;
            }
            SetTimer(hwnd, RepeatTimer, NextRepeat, nullptr);
            return true;
        }
        const bool up = msg.message == WM_LBUTTONUP || msg.message == WM_NCLBUTTONUP;
        if (msg.message != WM_MOUSEMOVE && msg.message != WM_NCMOUSEMOVE && !up)
            return msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST;
        pointer = to_window(hwnd, msg.pt);
        if (part == Part::Thumb) {
            const int at = bar == SB_VERT ? pointer.y : pointer.x;
            const int pos = position_for(hwnd, bar, at - grip);
            Window* tw = lookup(hwnd);
            if (tw && pos != tw->scroll[bar].trackPos) {
                tw->scroll[bar].trackPos = pos;
                redraw(hwnd);
                if (!send(SB_THUMBTRACK, pos)) return true;
            }
        }
        finished |= up;
        return true;
    };
    run_modal_loop(loop);
    if (!lookup(hwnd)) return;
    KillTimer(hwnd, RepeatTimer);
    if (GetCapture() == hwnd) ReleaseCapture();
    if (part == Part::Thumb) {
        const int pos = lookup(hwnd)->scroll[bar].trackPos;
        if (!send(SB_THUMBPOSITION, pos)) return;
        lookup(hwnd)->scroll[bar].tracking = false;
        redraw(hwnd);
    }
    send(SB_ENDSCROLL);
}

} // namespace plat

using namespace plat;

int SetScrollInfo(HWND hwnd, int bar, LPCSCROLLINFO info, BOOL redrawBar) {
    Window* w = lookup(hwnd);
    if (!w || !valid_bar(bar) || !info) return 0;
    ScrollBarData& d = w->scroll[bar];
    if ((info->fMask & SIF_RANGE) && info->nMin <= info->nMax) {
        d.min = info->nMin;
        d.max = info->nMax;
    }
    if (info->fMask & SIF_PAGE) d.page = info->nPage;
    if (info->fMask & SIF_POS) d.pos = info->nPos;
    clamp_values(d);
    const int pos = d.pos;
    bool reframed = false;
    if (info->fMask & (SIF_RANGE | SIF_PAGE)) {
        const bool needed = scrollable(d);
        if (info->fMask & SIF_DISABLENOSCROLL) {
            d.disabled = needed ? ESB_ENABLE_BOTH : ESB_DISABLE_BOTH;
            d.autoDisabled = !needed;
            reframed = set_shown(hwnd, style_bit(bar), true);
        } else {
            if (needed && d.autoDisabled) d.disabled = ESB_ENABLE_BOTH;
            d.autoDisabled = false;
            reframed = set_shown(hwnd, style_bit(bar), needed);
        }
    }
    if (redrawBar && !reframed && lookup(hwnd)) redraw(hwnd);
    return pos;
}

BOOL GetScrollInfo(HWND hwnd, int bar, LPSCROLLINFO info) {
    const Window* w = lookup(hwnd);
    if (!w || !valid_bar(bar) || !info || !(info->fMask & SIF_ALL)) return FALSE;
    const ScrollBarData& d = w->scroll[bar];
    if (info->fMask & SIF_RANGE) {
        info->nMin = d.min;
        info->nMax = d.max;
    }
    if (info->fMask & SIF_PAGE) info->nPage = d.page;
    if (info->fMask & SIF_POS) info->nPos = d.pos;
    if (info->fMask & SIF_TRACKPOS) info->nTrackPos = d.tracking ? d.trackPos : d.pos;
    return TRUE;
}

int SetScrollPos(HWND hwnd, int bar, int pos, BOOL redrawBar) {
    const Window* w = lookup(hwnd);
    if (!w || !valid_bar(bar)) return 0;
    const int previous = w->scroll[bar].pos;
    SCROLLINFO si{sizeof si, SIF_POS, 0, 0, 0, pos, 0};
    SetScrollInfo(hwnd, bar, &si, redrawBar);
    return previous;
}

int GetScrollPos(HWND hwnd, int bar) {
    const Window* w = lookup(hwnd);
    return w && valid_bar(bar) ? w->scroll[bar].pos : 0;
}

BOOL SetScrollRange(HWND hwnd, int bar, int minPos, int maxPos, BOOL redrawBar) {
    if (!lookup(hwnd) || !valid_bar(bar) || minPos > maxPos) return FALSE;
    SCROLLINFO si{sizeof si, SIF_RANGE, minPos, maxPos, 0, 0, 0};
    SetScrollInfo(hwnd, bar, &si, redrawBar);
    return TRUE;
}

BOOL GetScrollRange(HWND hwnd, int bar, int* minPos, int* maxPos) {
    const Window* w = lookup(hwnd);
    if (!w || !valid_bar(bar) || !minPos || !maxPos) return FALSE;
    *minPos = w->scroll[bar].min;
    *maxPos = w->scroll[bar].max;
    return TRUE;
}

BOOL ShowScrollBar(HWND hwnd, int bar, BOOL show) {
    if (!lookup(hwnd)) return FALSE;
    DWORD bits = 0;
    if (bar == SB_HORZ || bar == SB_BOTH) bits |= WS_HSCROLL;
    if (bar == SB_VERT || bar == SB_BOTH) bits |= WS_VSCROLL;
    if (!bits) return FALSE;
    set_shown(hwnd, bits, show != FALSE);
    return TRUE;
}

BOOL EnableScrollBar(HWND hwnd, UINT bar, UINT arrows) {
    Window* w = lookup(hwnd);
    if (!w || bar > SB_BOTH || bar == SB_CTL || arrows > ESB_DISABLE_BOTH) return FALSE;
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
