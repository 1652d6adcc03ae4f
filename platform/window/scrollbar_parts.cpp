// The one truth of a scroll bar's arithmetic, looks and pointer work, shared by the window scroll
// bars and the scroll bar control.
#include "window/scrollbar_parts.h"

#include <algorithm>
#include <cstdint>

#include "window/modal_loop.h"
#include "window/nonclient.h"

namespace plat {
namespace {

constexpr UINT_PTR RepeatTimer = 0xFFF0; // scroll bars' own id, out of programs' way
constexpr UINT FirstRepeat = 400, NextRepeat = 50;

int along(const RECT& r, bool vertical) {
    return vertical ? r.bottom - r.top : r.right - r.left;
}

// A part of the bar: start and end along it, the rest across it.
RECT span_rect(const RECT& barRect, bool vertical, int from, int to) {
    if (vertical) return {barRect.left, barRect.top + from, barRect.right, barRect.top + to};
    return {barRect.left + from, barRect.top, barRect.left + to, barRect.bottom};
}

void fill(HDC hdc, RECT r, int colour) {
    FillRect(hdc, &r, GetSysColorBrush(colour));
}

// A small solid triangle pointing away from the track.
void draw_arrow(HDC hdc, const RECT& box, bool vertical, bool low, int colour) {
    const int cx = (box.left + box.right) / 2, cy = (box.top + box.bottom) / 2;
    constexpr int rows = 4;
    for (int i = 0; i < rows; ++i) {
        const int d = low ? i : rows - 1 - i; // distance of this row from the tip
        const int offset = i - rows / 2;
        if (vertical)
            fill(hdc, {cx - d, cy + offset, cx + d + 1, cy + offset + 1}, colour);
        else
            fill(hdc, {cx + offset, cy - d, cx + offset + 1, cy + d + 1}, colour);
    }
}

// The track: the scroll bar colour with every other pixel in the highlight, a checker that stays
// apart from the face colour of the arrows and thumb at every depth.
void fill_track(HDC hdc, const RECT& r) {
    // One 2 x 2 tile filled in one pass; the tile's phase follows the DC's brush origin.
    HDC memory = CreateCompatibleDC(hdc);
    const HBITMAP tile = CreateCompatibleBitmap(hdc, 2, 2);
    const HGDIOBJ old = SelectObject(memory, tile);
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT), track = GetSysColor(COLOR_SCROLLBAR);
    SetPixel(memory, 0, 0, light);
    SetPixel(memory, 1, 1, light);
    SetPixel(memory, 1, 0, track);
    SetPixel(memory, 0, 1, track);
    SelectObject(memory, old);
    DeleteDC(memory);
    const HBRUSH brush = CreatePatternBrush(tile);
    FillRect(hdc, &r, brush);
    DeleteObject(brush);
    DeleteObject(tile);
}

void draw_button(HDC hdc, RECT r) {
    fill(hdc, r, COLOR_BTNFACE);
    DrawEdge(hdc, &r, EDGE_RAISED, BF_RECT);
}

enum class Part { None, LowArrow, LowPage, Thumb, HighPage, HighArrow };

Part part_at(const ScrollBarParts& p, bool vertical, POINT pt) {
    if (!PtInRect(&p.bar, pt)) return Part::None;
    if (PtInRect(&p.lowArrow, pt)) return Part::LowArrow;
    if (PtInRect(&p.highArrow, pt)) return Part::HighArrow;
    if (!p.hasThumb) return Part::None;
    if (PtInRect(&p.thumb, pt)) return Part::Thumb;
    const int at = vertical ? pt.y : pt.x;
    const int thumbStart = vertical ? p.thumb.top : p.thumb.left;
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

// The position a thumb starting `start` along the bar's coordinates stands for.
int position_for(const ScrollBarParts& p, bool vertical, const ScrollBarData& d, int start) {
    if (!p.hasThumb) return d.min;
    const int arrow = along(p.lowArrow, vertical);
    const int free = along(p.bar, vertical) - 2 * arrow - along(p.thumb, vertical);
    if (free <= 0) return d.min;
    const std::int64_t steps = std::int64_t{scroll_max_pos(d)} - d.min;
    const int barStart = vertical ? p.bar.top : p.bar.left;
    const std::int64_t at = std::clamp(start - barStart - arrow, 0, free);
    return static_cast<int>(d.min + (at * steps + free / 2) / free);
}

} // namespace

int scroll_max_pos(const ScrollBarData& d) {
    const std::int64_t last =
        std::int64_t{d.max} - std::max<std::int64_t>(std::int64_t{d.page} - 1, 0);
    return static_cast<int>(std::max<std::int64_t>(last, d.min));
}

bool scroll_range_needed(const ScrollBarData& d) {
    return d.max > d.min && (d.page == 0 || std::int64_t{d.page} <= std::int64_t{d.max} - d.min);
}

int apply_scroll_info(ScrollBarData& d, const SCROLLINFO& info) {
    if ((info.fMask & SIF_RANGE) && info.nMin <= info.nMax) {
        d.min = info.nMin;
        d.max = info.nMax;
    }
    if (info.fMask & SIF_PAGE) d.page = info.nPage;
    if (info.fMask & SIF_POS) d.pos = info.nPos;
    const std::int64_t span = std::int64_t{d.max} - d.min + 1;
    if (std::int64_t{d.page} > span) d.page = static_cast<UINT>(span);
    d.pos = std::clamp(d.pos, d.min, scroll_max_pos(d));
    d.trackPos = std::clamp(d.trackPos, d.min, scroll_max_pos(d));
    return d.pos;
}

bool settle_scroll_enable(ScrollBarData& d, UINT mask) {
    const bool needed = scroll_range_needed(d);
    if (mask & SIF_DISABLENOSCROLL) {
        d.disabled = needed ? ESB_ENABLE_BOTH : ESB_DISABLE_BOTH;
        d.autoDisabled = !needed;
    } else {
        if (needed && d.autoDisabled) d.disabled = ESB_ENABLE_BOTH;
        d.autoDisabled = false;
    }
    return needed;
}

bool read_scroll_info(const ScrollBarData& d, SCROLLINFO& info) {
    if (!(info.fMask & SIF_ALL)) return false;
    if (info.fMask & SIF_RANGE) {
        info.nMin = d.min;
        info.nMax = d.max;
    }
    if (info.fMask & SIF_PAGE) info.nPage = d.page;
    if (info.fMask & SIF_POS) info.nPos = d.pos;
    if (info.fMask & SIF_TRACKPOS) info.nTrackPos = d.tracking ? d.trackPos : d.pos;
    return true;
}

ScrollBarParts layout_scroll_bar(const RECT& bar, bool vertical, const ScrollBarData& d) {
    ScrollBarParts p;
    p.bar = bar;
    if (IsRectEmpty(&p.bar)) return p;
    const int length = along(p.bar, vertical);
    const int arrow = std::min(ScrollBarSize, length / 2);
    p.lowArrow = span_rect(p.bar, vertical, 0, arrow);
    p.highArrow = span_rect(p.bar, vertical, length - arrow, length);
    const int track = length - 2 * arrow;
    if (!scroll_range_needed(d) || d.disabled == ESB_DISABLE_BOTH || track < MinThumb) return p;
    const std::int64_t range = std::int64_t{d.max} - d.min + 1;
    int thumb = d.page ? static_cast<int>(track * std::int64_t{d.page} / range) : ScrollBarSize;
    thumb = std::clamp(thumb, MinThumb, track);
    const int shown = d.tracking ? d.trackPos : d.pos;
    const std::int64_t steps = std::int64_t{scroll_max_pos(d)} - d.min;
    const int offset =
        steps > 0 ? static_cast<int>((track - thumb) * (std::int64_t{shown} - d.min) / steps) : 0;
    p.thumb = span_rect(p.bar, vertical, arrow + offset, arrow + offset + thumb);
    p.hasThumb = true;
    return p;
}

void draw_scroll_bar(HDC hdc, const ScrollBarParts& p, bool vertical, const ScrollBarData& d,
                     bool greyed, HBRUSH trackBrush) {
    if (IsRectEmpty(&p.bar)) return;
    const UINT disabled = scroll_range_needed(d) ? d.disabled : ESB_DISABLE_BOTH;
    RECT track;
    if (vertical)
        track = {p.bar.left, p.lowArrow.bottom, p.bar.right, p.highArrow.top};
    else
        track = {p.lowArrow.right, p.bar.top, p.highArrow.left, p.bar.bottom};
    if (trackBrush)
        FillRect(hdc, &track, trackBrush);
    else
        fill_track(hdc, track);
    draw_button(hdc, p.lowArrow);
    draw_button(hdc, p.highArrow);
    draw_arrow(hdc, p.lowArrow, vertical, true,
               (greyed || (disabled & ESB_DISABLE_LTUP)) ? COLOR_GRAYTEXT : COLOR_BTNTEXT);
    draw_arrow(hdc, p.highArrow, vertical, false,
               (greyed || (disabled & ESB_DISABLE_RTDN)) ? COLOR_GRAYTEXT : COLOR_BTNTEXT);
    if (p.hasThumb) draw_button(hdc, p.thumb);
}

void track_scroll_press(const ScrollBarPress& press, POINT screen) {
    const HWND hwnd = press.owner;
    const bool vertical = press.vertical;
    ScrollBarData* d = press.data();
    if (!d) return;
    const UINT disabled = d->disabled;
    POINT pointer = press.locate(screen);
    const ScrollBarParts start = layout_scroll_bar(press.bar(), vertical, *d);
    const Part part = part_at(start, vertical, pointer);
    if (part == Part::None || disabled == ESB_DISABLE_BOTH ||
        (part == Part::LowArrow && (disabled & ESB_DISABLE_LTUP)) ||
        (part == Part::HighArrow && (disabled & ESB_DISABLE_RTDN)))
        return;
    const auto parts_now = [&] {
        ScrollBarData* now = press.data();
        return now ? layout_scroll_bar(press.bar(), vertical, *now) : ScrollBarParts{};
    };
    SetCapture(hwnd);
    // Where in the thumb the pointer holds it, along the bar.
    const int grip = vertical ? pointer.y - start.thumb.top : pointer.x - start.thumb.left;
    if (part == Part::Thumb) {
        d->tracking = true;
        d->trackPos = d->pos;
    } else {
        if (!press.send(code_of(part), 0)) return;
        SetTimer(hwnd, RepeatTimer, FirstRepeat, nullptr);
    }
    bool finished = false;
    ModalLoop loop;
    loop.window = hwnd;
    loop.done = [&] { return finished; };
    loop.idle = [&] {
        // A release still to be taken is the loop's own, not the window's.
        MSG pending;
        if (PeekMessageA(&pending, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_NOREMOVE)) return;
        finished |= !(GetAsyncKeyState(VK_LBUTTON) & 0x8000) || GetCapture() != hwnd;
    };
    loop.filter = [&](MSG& msg) {
        if (msg.message == WM_TIMER && msg.hwnd == hwnd && msg.wParam == RepeatTimer) {
            // Again while the pointer stays on the part it pressed (a page part shrinks as the
            // thumb comes towards the pointer).
            if (part_at(parts_now(), vertical, pointer) == part) {
                if (!press.send(code_of(part), 0)) return true;
            }
            SetTimer(hwnd, RepeatTimer, NextRepeat, nullptr);
            return true;
        }
        const bool up = msg.message == WM_LBUTTONUP || msg.message == WM_NCLBUTTONUP;
        if (msg.message != WM_MOUSEMOVE && msg.message != WM_NCMOUSEMOVE && !up)
            return msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST;
        pointer = press.locate(msg.pt);
        if (part == Part::Thumb) {
            ScrollBarData* now = press.data();
            const int at = vertical ? pointer.y : pointer.x;
            if (now) {
                const int pos = position_for(parts_now(), vertical, *now, at - grip);
                if (pos != now->trackPos) {
                    now->trackPos = pos;
                    press.redraw();
                    if (!press.send(SB_THUMBTRACK, pos)) return true;
                }
            }
        }
        finished |= up;
        return true;
    };
    run_modal_loop(loop);
    if (!press.data()) return;
    KillTimer(hwnd, RepeatTimer);
    if (GetCapture() == hwnd) ReleaseCapture();
    if (part == Part::Thumb) {
        ScrollBarData* now = press.data();
        if (!now) return;
        if (!press.send(SB_THUMBPOSITION, now->trackPos)) return;
        if (!(now = press.data())) return;
        now->tracking = false;
        press.redraw();
    }
    press.send(SB_ENDSCROLL, 0);
}

} // namespace plat
