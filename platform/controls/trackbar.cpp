// The trackbar, "msctls_trackbar32": a thumb slid along a channel between a minimum and a maximum.
//
// Styles: TBS_HORZ and TBS_VERT; TBS_AUTOTICKS (a tick every TBM_SETTICFREQ positions),
// TBS_NOTICKS, TBS_BOTTOM/TOP (TBS_RIGHT/LEFT when vertical) and TBS_BOTH for where ticks go;
// TBS_ENABLESELRANGE (a selection range shown in the channel, ticks at its ends).
// Messages: TBM_GETPOS, SETPOS, SETRANGE, SETRANGEMIN, SETRANGEMAX, GETRANGEMIN, GETRANGEMAX,
// SETTICFREQ, GETNUMTICS, SETLINESIZE, GETLINESIZE, SETPAGESIZE, GETPAGESIZE, SETSEL,
// SETSELSTART, SETSELEND, GETSELSTART, GETSELEND, CLEARSEL, GETTHUMBRECT, GETCHANNELRECT;
// WM_GETDLGCODE (DLGC_WANTARROWS).
// The parent hears WM_HSCROLL (WM_VSCROLL when vertical) after each change the user makes, with
// TB_LINEUP/LINEDOWN (arrows), TB_PAGEUP/PAGEDOWN (PgUp/PgDn, clicks beside the thumb, repeated
// while held), TB_TOP/BOTTOM (Home/End), TB_THUMBTRACK while the thumb is dragged and
// TB_THUMBPOSITION where it is let go, and TB_ENDTRACK when the key or button is released.
// The background is asked with WM_CTLCOLORSTATIC. Gaps: TBM_SETTIC and manual ticks, buddies,
// tooltips, TBS_FIXEDLENGTH, TBS_NOTHUMB, TBS_REVERSED.
#include <algorithm>
#include <array>
#include <utility>

#include <windows.h>

#include <commctrl.h>

#include "controls/control.h"
#include "controls/system_classes.h"

namespace plat {
namespace {

constexpr int Margin = 8;       // from the control's ends to the channel's
constexpr int ThumbLength = 11; // along the channel
constexpr int ThumbWidth = 19;  // across it
constexpr int TickLength = 3;
constexpr int TickGap = 2; // between the thumb and the ticks
constexpr UINT_PTR RepeatTimer = 1;
constexpr UINT FirstRepeat = 400, NextRepeat = 100; // ms

enum class Drag : unsigned char { None, Thumb, PageUp, PageDown };

struct Trackbar {
    int min = 0, max = 100, pos = 0;
    int line = 1;
    int page = -1; // -1: a fifth of the range
    int freq = 1;
    int selStart = 0, selEnd = 0;
    bool focused = false;
    Drag drag = Drag::None;
    int grab = 0;         // where on the thumb the pointer took it, along the channel
    POINT pressAt{};      // the pointer during paging, to stop when the thumb reaches it
    bool keyHeld = false; // a key moved the thumb; its release ends the track
};

bool vertical(HWND hwnd) {
    return (style_of(hwnd) & TBS_VERT) != 0;
}

int page_of(const Trackbar& t) {
    return t.page >= 0 ? t.page : std::max(1, (t.max - t.min) / 5);
}

// ---- geometry: worked out along (x) and across (y) the channel, turned for vertical bars

struct Layout {
    int length;           // of the control along the channel
    int chanFrom, chanTo; // the channel's ends along it
    int thumbFrom;        // the thumb's top edge across
    bool ticksBefore, ticksAfter;
};

Layout layout_of(HWND hwnd) {
    RECT c;
    GetClientRect(hwnd, &c);
    const DWORD style = style_of(hwnd);
    Layout l{};
    l.length = vertical(hwnd) ? c.bottom : c.right;
    l.chanFrom = Margin;
    l.chanTo = std::max(l.chanFrom + 1, l.length - Margin);
    const bool ticks = !(style & TBS_NOTICKS);
    l.ticksBefore = ticks && (style & (TBS_TOP | TBS_BOTH));
    l.ticksAfter = ticks && (!(style & TBS_TOP) || (style & TBS_BOTH));
    l.thumbFrom = l.ticksBefore ? TickLength + TickGap + 2 : 2;
    return l;
}

RECT oriented(HWND hwnd, int alongFrom, int acrossFrom, int alongTo, int acrossTo) {
    if (vertical(hwnd)) return RECT{acrossFrom, alongFrom, acrossTo, alongTo};
    return RECT{alongFrom, acrossFrom, alongTo, acrossTo};
}

int pixel_of(const Trackbar& t, const Layout& l, int value) {
    const int span = l.chanTo - l.chanFrom - 1;
    if (t.max <= t.min) return l.chanFrom;
    return l.chanFrom +
           static_cast<int>(static_cast<long long>(value - t.min) * span / (t.max - t.min));
}

int value_at(const Trackbar& t, const Layout& l, int pixel) {
    const int span = l.chanTo - l.chanFrom - 1;
    if (span <= 0 || t.max <= t.min) return t.min;
    const long long offset = std::clamp(pixel - l.chanFrom, 0, span);
    return t.min + static_cast<int>((offset * (t.max - t.min) + span / 2) / span);
}

RECT thumb_rect(HWND hwnd, const Trackbar& t) {
    const Layout l = layout_of(hwnd);
    const int at = pixel_of(t, l, t.pos);
    return oriented(hwnd, at - ThumbLength / 2, l.thumbFrom, at - ThumbLength / 2 + ThumbLength,
                    l.thumbFrom + ThumbWidth);
}

RECT channel_rect(HWND hwnd) {
    const Layout l = layout_of(hwnd);
    const DWORD style = style_of(hwnd);
    const int half = (style & TBS_ENABLESELRANGE) ? 5 : 3;
    const int middle = l.thumbFrom + ThumbWidth / 2;
    return oriented(hwnd, l.chanFrom - ThumbLength / 2, middle - half, l.chanTo + ThumbLength / 2,
                    middle + half);
}

// ---- painting

void draw_tick(HWND hwnd, HDC hdc, const Layout& l, int at, HBRUSH brush) {
    if (l.ticksBefore) {
        const RECT r =
            oriented(hwnd, at, l.thumbFrom - TickGap - TickLength, at + 1, l.thumbFrom - TickGap);
        FillRect(hdc, &r, brush);
    }
    if (l.ticksAfter) {
        const int from = l.thumbFrom + ThumbWidth + TickGap;
        const RECT r = oriented(hwnd, at, from, at + 1, from + TickLength);
        FillRect(hdc, &r, brush);
    }
}

void draw_ticks(HWND hwnd, HDC hdc, const Trackbar& t, const Layout& l) {
    const DWORD style = style_of(hwnd);
    if (style & TBS_NOTICKS) return;
    const HBRUSH brush = GetSysColorBrush(IsWindowEnabled(hwnd) ? COLOR_BTNTEXT : COLOR_BTNSHADOW);
    draw_tick(hwnd, hdc, l, pixel_of(t, l, t.min), brush);
    draw_tick(hwnd, hdc, l, pixel_of(t, l, t.max), brush);
    if ((style & TBS_AUTOTICKS) && t.freq > 0 && t.max > t.min) {
        // One tick per pixel column at most, however fine the frequency.
        int last = -1;
        for (long long v = static_cast<long long>(t.min) + t.freq; v < t.max; v += t.freq) {
            const int at = pixel_of(t, l, static_cast<int>(v));
            if (at != last) draw_tick(hwnd, hdc, l, at, brush);
            last = at;
        }
    }
    if ((style & TBS_ENABLESELRANGE) && t.selEnd > t.selStart) {
        draw_tick(hwnd, hdc, l, pixel_of(t, l, t.selStart), brush);
        draw_tick(hwnd, hdc, l, pixel_of(t, l, t.selEnd), brush);
    }
}

void draw_channel(HWND hwnd, HDC hdc, const Trackbar& t, const Layout& l) {
    RECT chan = channel_rect(hwnd);
    RECT inside = chan;
    DrawEdge(hdc, &chan, EDGE_SUNKEN, BF_RECT);
    InflateRect(&inside, -2, -2);
    const bool enabled = IsWindowEnabled(hwnd);
    FillRect(hdc, &inside, GetSysColorBrush(enabled ? COLOR_WINDOW : COLOR_BTNFACE));
    if ((style_of(hwnd) & TBS_ENABLESELRANGE) && t.selEnd > t.selStart) {
        RECT sel = inside;
        const int from = pixel_of(t, l, t.selStart), to = pixel_of(t, l, t.selEnd) + 1;
        if (vertical(hwnd)) {
            sel.top = from;
            sel.bottom = to;
        } else {
            sel.left = from;
            sel.right = to;
        }
        IntersectRect(&sel, &sel, &inside);
        FillRect(hdc, &sel, GetSysColorBrush(enabled ? COLOR_HIGHLIGHT : COLOR_BTNSHADOW));
    }
}

void draw_thumb(HWND hwnd, HDC hdc, const Trackbar& t) {
    RECT r = thumb_rect(hwnd, t);
    const bool pressed = t.drag == Drag::Thumb;
    // A pressed thumb is lit, a disabled one keeps its edge around a flat face.
    FillRect(hdc, &r, GetSysColorBrush(pressed ? COLOR_3DLIGHT : COLOR_BTNFACE));
    DrawEdge(hdc, &r, EDGE_RAISED, BF_RECT);
}

LRESULT on_paint(HWND hwnd, Trackbar& t) {
    const void* self = &t;
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    const int saved = SaveDC(hdc);
    RECT client;
    GetClientRect(hwnd, &client);
    const HBRUSH background = control_colours(hwnd, hdc, WM_CTLCOLORSTATIC);
    if (background && control_alive(hwnd, self)) {
        FillRect(hdc, &client, background);
        const Layout l = layout_of(hwnd);
        draw_ticks(hwnd, hdc, t, l);
        draw_channel(hwnd, hdc, t, l);
        draw_thumb(hwnd, hdc, t);
        if (t.focused) DrawFocusRect(hdc, &client);
    }
    RestoreDC(hdc, saved);
    EndPaint(hwnd, &ps);
    return 0;
}

void redraw(HWND hwnd, bool now = true) {
    if (now) InvalidateRect(hwnd, nullptr, FALSE);
}

// ---- state

int clamp_to_range(const Trackbar& t, int value) {
    return t.max < t.min ? t.min : std::clamp(value, t.min, t.max);
}

void set_pos(HWND hwnd, Trackbar& t, int value, bool paint = true) {
    value = clamp_to_range(t, value);
    if (value == t.pos) return;
    t.pos = value;
    redraw(hwnd, paint);
}

void set_range(HWND hwnd, Trackbar& t, int min, int max, bool paint) {
    t.min = min;
    t.max = max;
    t.pos = clamp_to_range(t, t.pos);
    redraw(hwnd, paint);
}

void set_sel(HWND hwnd, Trackbar& t, int start, int end, bool paint) {
    if (!(style_of(hwnd) & TBS_ENABLESELRANGE)) return;
    t.selStart = clamp_to_range(t, start);
    t.selEnd = clamp_to_range(t, end);
    redraw(hwnd, paint);
}

LRESULT get_rect(HWND hwnd, const Trackbar& t, LPARAM lParam, bool thumb) {
    auto* out = reinterpret_cast<RECT*>(lParam);
    if (out) *out = thumb ? thumb_rect(hwnd, t) : channel_rect(hwnd);
    return 0;
}

LRESULT num_tics(HWND hwnd, const Trackbar& t) {
    const DWORD style = style_of(hwnd);
    if (style & TBS_NOTICKS) return 0;
    long long n = 2;
    if ((style & TBS_AUTOTICKS) && t.freq > 0 && t.max > t.min)
        n += (static_cast<long long>(t.max) - t.min - 1) / t.freq;
    return static_cast<LRESULT>(n);
}

// ---- what the user does

// The change first, then the parent hears of it, as it reads the new position from the bar.
bool notify(HWND hwnd, WORD code, int pos = 0) {
    const HWND parent = GetParent(hwnd);
    if (!parent) return true;
    const Trackbar* state = control_state<Trackbar>(hwnd);
    const WORD hi =
        (code == TB_THUMBTRACK || code == TB_THUMBPOSITION) ? static_cast<WORD>(pos) : 0;
    SendMessageA(parent, vertical(hwnd) ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(code, hi),
                 reinterpret_cast<LPARAM>(hwnd));
    return control_alive(hwnd, state);
}

bool act(HWND hwnd, Trackbar& t, WORD code) {
    switch (code) {
    case TB_LINEUP:
        set_pos(hwnd, t, t.pos - t.line);
        break;
    case TB_LINEDOWN:
        set_pos(hwnd, t, t.pos + t.line);
        break;
    case TB_PAGEUP:
        set_pos(hwnd, t, t.pos - page_of(t));
        break;
    case TB_PAGEDOWN:
        set_pos(hwnd, t, t.pos + page_of(t));
        break;
    case TB_TOP:
        set_pos(hwnd, t, t.min);
        break;
    case TB_BOTTOM:
        set_pos(hwnd, t, t.max);
        break;
    default:
        break;
    }
    return notify(hwnd, code);
}

// The keys and what each does.
struct KeyRow {
    int vk;
    WORD code;
};
constexpr std::array<KeyRow, 8> Keys{{
    {VK_LEFT, TB_LINEUP},
    {VK_UP, TB_LINEUP},
    {VK_RIGHT, TB_LINEDOWN},
    {VK_DOWN, TB_LINEDOWN},
    {VK_PRIOR, TB_PAGEUP},
    {VK_NEXT, TB_PAGEDOWN},
    {VK_HOME, TB_TOP},
    {VK_END, TB_BOTTOM},
}};

const KeyRow* key_row(WPARAM vk) {
    for (const KeyRow& row : Keys)
        if (row.vk == static_cast<int>(vk)) return &row;
    return nullptr;
}

LRESULT on_key_down(HWND hwnd, Trackbar& t, WPARAM vk) {
    const KeyRow* row = key_row(vk);
    if (!row || t.drag != Drag::None) return 0;
    t.keyHeld = true;
    act(hwnd, t, row->code);
    return 0;
}

LRESULT on_key_up(HWND hwnd, Trackbar& t, WPARAM vk) {
    if (!key_row(vk) || !t.keyHeld) return 0;
    t.keyHeld = false;
    notify(hwnd, TB_ENDTRACK);
    return 0;
}

int along(HWND hwnd, POINT p) {
    return vertical(hwnd) ? p.y : p.x;
}

// One page towards the pointer while it stays beyond the thumb.
void page_step(HWND hwnd, Trackbar& t) {
    const RECT thumb = thumb_rect(hwnd, t);
    const int p = along(hwnd, t.pressAt);
    const int from = vertical(hwnd) ? thumb.top : thumb.left;
    const int to = vertical(hwnd) ? thumb.bottom : thumb.right;
    if (t.drag == Drag::PageUp && p < from)
        act(hwnd, t, TB_PAGEUP);
    else if (t.drag == Drag::PageDown && p >= to)
        act(hwnd, t, TB_PAGEDOWN);
}

LRESULT on_button_down(HWND hwnd, Trackbar& t, LPARAM lParam) {
    const void* self = &t;
    SetFocus(hwnd);
    if (!control_alive(hwnd, self) || t.drag != Drag::None) return 0;
    const POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    const RECT thumb = thumb_rect(hwnd, t);
    SetCapture(hwnd);
    if (!control_alive(hwnd, self)) return 0;
    if (PtInRect(&thumb, p)) {
        t.drag = Drag::Thumb;
        t.grab = along(hwnd, p) - pixel_of(t, layout_of(hwnd), t.pos);
        redraw(hwnd);
        return 0;
    }
    t.pressAt = p;
    t.drag =
        along(hwnd, p) < (vertical(hwnd) ? thumb.top : thumb.left) ? Drag::PageUp : Drag::PageDown;
    page_step(hwnd, t);
    if (control_alive(hwnd, self)) SetTimer(hwnd, RepeatTimer, FirstRepeat, nullptr);
    return 0;
}

LRESULT on_mouse_move(HWND hwnd, Trackbar& t, LPARAM lParam) {
    const POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (t.drag == Drag::PageUp || t.drag == Drag::PageDown) {
        t.pressAt = p;
        return 0;
    }
    if (t.drag != Drag::Thumb) return 0;
    const int value = value_at(t, layout_of(hwnd), along(hwnd, p) - t.grab);
    if (value == t.pos) return 0;
    set_pos(hwnd, t, value);
    notify(hwnd, TB_THUMBTRACK, t.pos);
    return 0;
}

// The end of a drag or of paging: the capture goes, then the parent hears where it ended.
LRESULT end_drag(HWND hwnd, Trackbar& t, bool released) {
    const Drag was = t.drag;
    if (was == Drag::None) return 0;
    const void* self = &t;
    t.drag = Drag::None;
    KillTimer(hwnd, RepeatTimer);
    redraw(hwnd);
    if (released && GetCapture() == hwnd) ReleaseCapture();
    if (!control_alive(hwnd, self)) return 0;
    if (was == Drag::Thumb && !notify(hwnd, TB_THUMBPOSITION, t.pos)) return 0;
    notify(hwnd, TB_ENDTRACK);
    return 0;
}

LRESULT on_timer(HWND hwnd, Trackbar& t, WPARAM id) {
    if (id != RepeatTimer) return 0;
    if (t.drag != Drag::PageUp && t.drag != Drag::PageDown) {
        KillTimer(hwnd, RepeatTimer);
        return 0;
    }
    SetTimer(hwnd, RepeatTimer, NextRepeat, nullptr);
    page_step(hwnd, t);
    return 0;
}

LRESULT on_focus(HWND hwnd, Trackbar& t, bool gained) {
    t.focused = gained;
    redraw(hwnd);
    return 0;
}

LRESULT trackbar_proc(HWND hwnd, Trackbar& t, UINT message, WPARAM wParam, LPARAM lParam) {
    const bool paint = wParam != 0;
    switch (message) {
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
    case WM_DESTROY:
        // The capture must not outlive the window holding it.
        if (GetCapture() == hwnd) ReleaseCapture();
        return 0;
    case WM_PAINT:
        return on_paint(hwnd, t);
    case WM_ERASEBKGND:
        return 1;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        return on_button_down(hwnd, t, lParam);
    case WM_MOUSEMOVE:
        return on_mouse_move(hwnd, t, lParam);
    case WM_LBUTTONUP:
        return end_drag(hwnd, t, true);
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != hwnd) return end_drag(hwnd, t, false);
        return 0;
    case WM_TIMER:
        return on_timer(hwnd, t, wParam);
    case WM_KEYDOWN:
        return on_key_down(hwnd, t, wParam);
    case WM_KEYUP:
        return on_key_up(hwnd, t, wParam);
    case WM_SETFOCUS:
        return on_focus(hwnd, t, true);
    case WM_KILLFOCUS:
        return on_focus(hwnd, t, false);
    case WM_ENABLE:
    case WM_SIZE:
        redraw(hwnd);
        return 0;
    case TBM_GETPOS:
        return t.pos;
    case TBM_SETPOS:
        set_pos(hwnd, t, static_cast<int>(lParam), paint);
        return 0;
    case TBM_GETRANGEMIN:
        return t.min;
    case TBM_GETRANGEMAX:
        return t.max;
    case TBM_SETRANGE:
        set_range(hwnd, t, static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam)),
                  paint);
        return 0;
    case TBM_SETRANGEMIN:
        set_range(hwnd, t, static_cast<int>(lParam), t.max, paint);
        return 0;
    case TBM_SETRANGEMAX:
        set_range(hwnd, t, t.min, static_cast<int>(lParam), paint);
        return 0;
    case TBM_SETTICFREQ:
        if (style_of(hwnd) & TBS_AUTOTICKS) {
            t.freq = static_cast<int>(wParam);
            redraw(hwnd);
        }
        return 0;
    case TBM_GETNUMTICS:
        return num_tics(hwnd, t);
    case TBM_SETLINESIZE:
        return std::exchange(t.line, static_cast<int>(lParam));
    case TBM_GETLINESIZE:
        return t.line;
    case TBM_SETPAGESIZE: {
        const int previous = page_of(t);
        t.page = static_cast<int>(lParam);
        return previous;
    }
    case TBM_GETPAGESIZE:
        return page_of(t);
    case TBM_SETSEL:
        set_sel(hwnd, t, static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam)),
                paint);
        return 0;
    case TBM_SETSELSTART:
        set_sel(hwnd, t, static_cast<int>(lParam), t.selEnd, paint);
        return 0;
    case TBM_SETSELEND:
        set_sel(hwnd, t, t.selStart, static_cast<int>(lParam), paint);
        return 0;
    case TBM_GETSELSTART:
        return t.selStart;
    case TBM_GETSELEND:
        return t.selEnd;
    case TBM_CLEARSEL:
        t.selStart = t.selEnd = -1;
        redraw(hwnd, paint);
        return 0;
    case TBM_GETTHUMBRECT:
        return get_rect(hwnd, t, lParam, true);
    case TBM_GETCHANNELRECT:
        return get_rect(hwnd, t, lParam, false);
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

} // namespace

const ControlClass trackbar_class{TRACKBAR_CLASSA,
                                  control_proc<Trackbar, trackbar_proc>,
                                  CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW,
                                  StateBytes,
                                  -1,
                                  SurfaceKind::Child};

} // namespace plat
