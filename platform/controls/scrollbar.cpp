// The scroll bar control, "SCROLLBAR": a bar of its own in a dialog or window, drawn and worked
// as the window scroll bars are (window/scrollbar_parts), its values kept in the control.
//
// Styles: SBS_HORZ and SBS_VERT (the bar fills its rectangle; the alignment styles are taken
// and change nothing); SBS_SIZEBOX and SBS_SIZEGRIP, a face-coloured box (with the grip's
// diagonal lines) whose press sizes the top-level window from its bottom-right corner.
// Messages: SBM_SETPOS, GETPOS, SETRANGE, SETRANGEREDRAW, GETRANGE, SETSCROLLINFO,
// GETSCROLLINFO, ENABLE_ARROWS (SetScrollInfo and the other scroll bar functions with SB_CTL
// arrive as these); WM_GETDLGCODE (DLGC_WANTARROWS).
// The parent hears WM_HSCROLL (WM_VSCROLL when upright) with lParam the control: SB_LINEUP and
// LINEDOWN (arrows pressed, arrow keys), SB_PAGEUP and PAGEDOWN (the track beside the thumb,
// PgUp/PgDn), SB_TOP and BOTTOM (Home/End), SB_THUMBTRACK while the thumb is dragged and
// SB_THUMBPOSITION where it is let go, and SB_ENDSCROLL when the button or key is released.
// The bar does not move by itself: the parent sets the position it wants, and a dragged thumb
// goes back to where the position says once it is let go. The range starts empty (0 to 0).
// Painting asks WM_CTLCOLORSCROLLBAR; the brush answered fills the track.
// Gaps: the focus shows as a dotted rectangle on the thumb rather than a blinking thumb;
// SBM_GETSCROLLBARINFO.
#include <algorithm>

#include <windows.h>

#include "controls/control.h"
#include "controls/system_classes.h"
#include "window/scrollbar_parts.h"

namespace plat {
namespace {

struct ScrollBar {
    ScrollBarData data{0, 0};
    bool focused = false;
    bool keyHeld = false; // a key scrolled; its release ends the scroll
};

bool vertical(HWND hwnd) {
    return (style_of(hwnd) & SBS_VERT) != 0;
}

bool size_box(HWND hwnd) {
    return (style_of(hwnd) & (SBS_SIZEBOX | SBS_SIZEGRIP)) != 0;
}

ScrollBarParts parts_of(HWND hwnd, const ScrollBar& s) {
    RECT client;
    GetClientRect(hwnd, &client);
    ScrollBarData shown = s.data;
    // A disabled control keeps its arrows and loses its thumb.
    if (!IsWindowEnabled(hwnd)) shown.disabled = ESB_DISABLE_BOTH;
    return layout_scroll_bar(client, vertical(hwnd), shown);
}

// The face with three diagonal pairs of lines in the bottom right corner for a grip.
void draw_size_box(HWND hwnd, HDC hdc) {
    RECT r;
    GetClientRect(hwnd, &r);
    FillRect(hdc, &r, GetSysColorBrush(COLOR_BTNFACE));
    if (!(style_of(hwnd) & SBS_SIZEGRIP)) return;
    const int side = std::min(r.right, r.bottom);
    for (int i = 0; i < 3; ++i) {
        const int from = side - 3 - 4 * i;
        for (int k = 0; k < 2; ++k) {
            HPEN pen =
                CreatePen(PS_SOLID, 1, GetSysColor(k == 0 ? COLOR_BTNHIGHLIGHT : COLOR_BTNSHADOW));
            HGDIOBJ old = SelectObject(hdc, pen);
            MoveToEx(hdc, r.right - from + k, r.bottom, nullptr);
            LineTo(hdc, r.right, r.bottom - from + k);
            SelectObject(hdc, old);
            DeleteObject(pen);
        }
    }
}

// False when the control went while its parent chose the colours.
bool draw(HWND hwnd, const ScrollBar& s, HDC hdc) {
    if (size_box(hwnd)) {
        draw_size_box(hwnd, hdc);
        return true;
    }
    const HBRUSH asked = control_colours(hwnd, hdc, WM_CTLCOLORSCROLLBAR);
    if (!asked) return false;
    // The system's own brush keeps the system's checkered track.
    const HBRUSH track = asked == GetSysColorBrush(COLOR_SCROLLBAR) ? nullptr : asked;
    const ScrollBarParts p = parts_of(hwnd, s);
    draw_scroll_bar(hdc, p, vertical(hwnd), s.data, !IsWindowEnabled(hwnd), track);
    if (s.focused && p.hasThumb) {
        RECT focus = p.thumb;
        InflateRect(&focus, -2, -2);
        DrawFocusRect(hdc, &focus);
    }
    return true;
}

void redraw(HWND hwnd, const ScrollBar& s, bool now = true) {
    if (!now || !IsWindowVisible(hwnd)) return;
    HDC hdc = GetDC(hwnd);
    draw(hwnd, s, hdc);
    ReleaseDC(hwnd, hdc);
}

// WM_HSCROLL or WM_VSCROLL to the parent; false when the control is gone afterwards.
bool notify(HWND hwnd, WORD code, int pos = 0) {
    const void* state = control_state<void>(hwnd);
    if (const HWND parent = GetParent(hwnd))
        SendMessageA(parent, vertical(hwnd) ? WM_VSCROLL : WM_HSCROLL,
                     MAKEWPARAM(code, static_cast<WORD>(pos)), reinterpret_cast<LPARAM>(hwnd));
    return control_alive(hwnd, state);
}

LRESULT on_paint(HWND hwnd, const ScrollBar& s) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    const bool alive = draw(hwnd, s, hdc);
    if (alive) EndPaint(hwnd, &ps);
    return 0;
}

HWND top_level_of(HWND hwnd) {
    while (style_of(hwnd) & WS_CHILD) {
        const HWND up = GetParent(hwnd);
        if (!up) break;
        hwnd = up;
    }
    return hwnd;
}

LRESULT on_button_down(HWND hwnd, ScrollBar& s, LPARAM lParam) {
    POINT screen{static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))};
    ClientToScreen(hwnd, &screen);
    if (size_box(hwnd)) {
        const HWND frame = top_level_of(hwnd);
        if (frame != hwnd)
            SendMessageA(frame, WM_SYSCOMMAND, SC_SIZE + WMSZ_BOTTOMRIGHT,
                         MAKELPARAM(screen.x, screen.y));
        return 0;
    }
    const void* self = &s;
    if ((style_of(hwnd) & WS_TABSTOP) && GetFocus() != hwnd) {
        SetFocus(hwnd);
        if (!control_alive(hwnd, self)) return 0;
    }
    ScrollBarPress press;
    press.owner = hwnd;
    press.vertical = vertical(hwnd);
    press.data = [hwnd, self]() -> ScrollBarData* {
        return control_alive(hwnd, self) ? &control_state<ScrollBar>(hwnd)->data : nullptr;
    };
    press.bar = [hwnd] {
        RECT r;
        GetClientRect(hwnd, &r);
        return r;
    };
    press.locate = [hwnd](POINT p) {
        ScreenToClient(hwnd, &p);
        return p;
    };
    press.send = [hwnd](WORD code, int pos) { return notify(hwnd, code, pos); };
    press.redraw = [hwnd, self] {
        if (control_alive(hwnd, self)) redraw(hwnd, *control_state<ScrollBar>(hwnd));
    };
    // A disabled control's thumb is not there to take.
    if (!IsWindowEnabled(hwnd)) return 0;
    track_scroll_press(press, screen);
    return 0;
}

WORD key_code(WPARAM vk) {
    switch (vk) {
    case VK_UP:
    case VK_LEFT:
        return SB_LINEUP;
    case VK_DOWN:
    case VK_RIGHT:
        return SB_LINEDOWN;
    case VK_PRIOR:
        return SB_PAGEUP;
    case VK_NEXT:
        return SB_PAGEDOWN;
    case VK_HOME:
        return SB_TOP;
    case VK_END:
        return SB_BOTTOM;
    default:
        return SB_ENDSCROLL; // not a scrolling key
    }
}

LRESULT on_key_down(HWND hwnd, ScrollBar& s, WPARAM vk) {
    const WORD code = key_code(vk);
    if (code == SB_ENDSCROLL || size_box(hwnd)) return 0;
    s.keyHeld = true;
    notify(hwnd, code);
    return 0;
}

LRESULT on_key_up(HWND hwnd, ScrollBar& s, WPARAM vk) {
    if (key_code(vk) == SB_ENDSCROLL || !s.keyHeld) return 0;
    s.keyHeld = false;
    notify(hwnd, SB_ENDSCROLL);
    return 0;
}

LRESULT set_info(HWND hwnd, ScrollBar& s, const SCROLLINFO* info, bool paint) {
    if (!info) return 0;
    const int pos = apply_scroll_info(s.data, *info);
    if (info->fMask & (SIF_RANGE | SIF_PAGE)) settle_scroll_enable(s.data, info->fMask);
    redraw(hwnd, s, paint);
    return pos;
}

LRESULT set_pos(HWND hwnd, ScrollBar& s, int pos, bool paint) {
    const int previous = s.data.pos;
    SCROLLINFO si{sizeof si, SIF_POS, 0, 0, 0, pos, 0};
    set_info(hwnd, s, &si, paint);
    return previous;
}

// The previous position when the new range moved it, 0 otherwise.
LRESULT set_range(HWND hwnd, ScrollBar& s, int min, int max, bool paint) {
    const int previous = s.data.pos;
    SCROLLINFO si{sizeof si, SIF_RANGE, min, max, 0, 0, 0};
    set_info(hwnd, s, &si, paint);
    return s.data.pos != previous ? previous : 0;
}

LRESULT get_range(const ScrollBar& s, WPARAM minOut, LPARAM maxOut) {
    if (auto* min = reinterpret_cast<int*>(minOut)) *min = s.data.min;
    if (auto* max = reinterpret_cast<int*>(maxOut)) *max = s.data.max;
    return 0;
}

LRESULT enable_arrows(HWND hwnd, ScrollBar& s, WPARAM arrows) {
    if (arrows > ESB_DISABLE_BOTH || s.data.disabled == arrows) return FALSE;
    s.data.disabled = static_cast<UINT>(arrows);
    s.data.autoDisabled = false;
    redraw(hwnd, s);
    return TRUE;
}

LRESULT on_focus(HWND hwnd, ScrollBar& s, bool gained) {
    s.focused = gained;
    redraw(hwnd, s);
    return 0;
}

LRESULT scrollbar_proc(HWND hwnd, ScrollBar& s, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
    case WM_DESTROY:
        // The capture must not outlive the window holding it.
        if (GetCapture() == hwnd) ReleaseCapture();
        return 0;
    case WM_PAINT:
        return on_paint(hwnd, s);
    case WM_ERASEBKGND:
        return 1;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        return on_button_down(hwnd, s, lParam);
    case WM_KEYDOWN:
        return on_key_down(hwnd, s, wParam);
    case WM_KEYUP:
        return on_key_up(hwnd, s, wParam);
    case WM_SETFOCUS:
        return on_focus(hwnd, s, true);
    case WM_KILLFOCUS:
        return on_focus(hwnd, s, false);
    case WM_ENABLE:
    case WM_SIZE:
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case SBM_SETPOS:
        return set_pos(hwnd, s, static_cast<int>(wParam), lParam != 0);
    case SBM_GETPOS:
        return s.data.pos;
    case SBM_SETRANGE:
    case SBM_SETRANGEREDRAW:
        return set_range(hwnd, s, static_cast<int>(wParam), static_cast<int>(lParam),
                         message == SBM_SETRANGEREDRAW);
    case SBM_GETRANGE:
        return get_range(s, wParam, lParam);
    case SBM_ENABLE_ARROWS:
        return enable_arrows(hwnd, s, wParam);
    case SBM_SETSCROLLINFO:
        return set_info(hwnd, s, reinterpret_cast<const SCROLLINFO*>(lParam), wParam != 0);
    case SBM_GETSCROLLINFO: {
        auto* info = reinterpret_cast<SCROLLINFO*>(lParam);
        return info && read_scroll_info(s.data, *info) ? TRUE : FALSE;
    }
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

} // namespace

const ControlClass scrollbar_class{"ScrollBar",
                                   control_proc<ScrollBar, scrollbar_proc>,
                                   CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW,
                                   StateBytes,
                                   -1,
                                   SurfaceKind::Child};

} // namespace plat
