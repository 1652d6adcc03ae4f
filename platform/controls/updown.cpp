// The up-down control, "msctls_updown32": a pair of arrow buttons that step a position, often
// shown in a buddy window beside it.
//
// Styles: UDS_SETBUDDYINT (the buddy's text shows the position, and is read back by
// UDM_GETPOS/GETPOS32), UDS_ALIGNRIGHT and UDS_ALIGNLEFT (the control moves beside its buddy,
// which narrows to make room), UDS_AUTOBUDDY (the sibling before it becomes the buddy),
// UDS_ARROWKEYS (Up and Down step it, in the buddy too), UDS_WRAP, UDS_HORZ, UDS_NOTHOUSANDS.
// Messages: UDM_SETBUDDY, GETBUDDY, SETRANGE, GETRANGE (the upper limit in the low word),
// SETRANGE32, GETRANGE32, SETPOS, GETPOS (an error in the high word), SETPOS32, GETPOS32,
// SETACCEL, GETACCEL, SETBASE, GETBASE. The range may run either way: the up arrow moves
// towards the upper limit, which by default is 0 with 100 below it.
// Notifications: UDN_DELTAPOS (WM_NOTIFY) before each step, with the proposed change positive
// for the up arrow; a nonzero answer refuses it, a changed iDelta is used. Then WM_VSCROLL
// (WM_HSCROLL with UDS_HORZ) with SB_THUMBPOSITION and the new position, and SB_ENDSCROLL when
// the button or key is released. Held buttons repeat, faster as the accelerators say.
// Gaps: UDS_HOTTRACK, locale-dependent separators (',' is used).
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <windows.h>

#include <commctrl.h>

#include "controls/control.h"
#include "controls/system_classes.h"

namespace plat {
namespace {

constexpr UINT_PTR RepeatTimer = 1;
constexpr UINT FirstRepeat = 500, NextRepeat = 100; // ms

enum class Arrow : unsigned char { None, Up, Down };

struct Updown {
    int lower = 100, upper = 0, pos = 0;
    int base = 10;
    HWND buddy = nullptr;
    std::vector<UDACCEL> accel{{0, 1}, {2, 5}, {5, 20}};
    Arrow pressed = Arrow::None;
    DWORD pressedAt = 0;
    bool keyHeld = false;
};

bool horizontal(HWND hwnd) {
    return (style_of(hwnd) & UDS_HORZ) != 0;
}

int low_of(const Updown& u) {
    return std::min(u.lower, u.upper);
}
int high_of(const Updown& u) {
    return std::max(u.lower, u.upper);
}
int clamp_to_range(const Updown& u, long long value) {
    return static_cast<int>(std::clamp<long long>(value, low_of(u), high_of(u)));
}

// ---- the buddy: its text, and its arrow keys while UDS_ARROWKEYS is set

std::string format(HWND hwnd, const Updown& u) {
    char digits[32];
    if (u.base == 16) {
        std::snprintf(digits, sizeof digits, "0x%X", static_cast<unsigned>(u.pos));
        return digits;
    }
    std::snprintf(digits, sizeof digits, "%d", u.pos);
    std::string text = digits;
    if (style_of(hwnd) & UDS_NOTHOUSANDS) return text;
    const std::size_t first = text[0] == '-' ? 1 : 0;
    for (std::size_t at = text.size(); at > first + 3; at -= 3)
        text.insert(at - 3, 1, ',');
    return text;
}

void show_in_buddy(HWND hwnd, const Updown& u) {
    if (u.buddy && IsWindow(u.buddy) && (style_of(hwnd) & UDS_SETBUDDYINT))
        SetWindowTextA(u.buddy, format(hwnd, u).c_str());
}

// The position the buddy's text names; false when it names none within the range.
bool read_buddy(const Updown& u, int& out) {
    if (!u.buddy || !IsWindow(u.buddy)) return false;
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(u.buddy)) + 1, '\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextA(u.buddy, text.data(), static_cast<int>(text.size()))));
    text.erase(std::remove(text.begin(), text.end(), ','), text.end());
    if (text.empty()) return false;
    char* end = nullptr;
    const long long value = std::strtoll(text.c_str(), &end, u.base == 16 ? 16 : 10);
    if (*end != '\0' || value < low_of(u) || value > high_of(u)) return false;
    out = static_cast<int>(value);
    return true;
}

struct Hook {
    HWND buddy;
    HWND updown;
    WNDPROC previous;
};
std::vector<Hook>& hooks() {
    static std::vector<Hook> all;
    return all;
}

LRESULT CALLBACK buddy_proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto it = std::find_if(hooks().begin(), hooks().end(),
                           [&](const Hook& h) { return h.buddy == hwnd; });
    if (it == hooks().end()) return DefWindowProcA(hwnd, message, wParam, lParam);
    const Hook hook = *it;
    if ((message == WM_KEYDOWN || message == WM_KEYUP) && (wParam == VK_UP || wParam == VK_DOWN) &&
        hook.updown && IsWindow(hook.updown))
        return SendMessageA(hook.updown, message, wParam, lParam);
    if (message == WM_NCDESTROY) hooks().erase(it);
    return CallWindowProcA(hook.previous, hwnd, message, wParam, lParam);
}

void unhook(HWND buddy) {
    auto it = std::find_if(hooks().begin(), hooks().end(),
                           [&](const Hook& h) { return h.buddy == buddy; });
    if (it == hooks().end()) return;
    // Someone may have subclassed the buddy after us: then our hook stays, passing through.
    if (reinterpret_cast<WNDPROC>(GetWindowLongPtrA(buddy, GWLP_WNDPROC)) == buddy_proc) {
        SetWindowLongPtrA(buddy, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(it->previous));
        hooks().erase(it);
    } else {
        it->updown = nullptr;
    }
}

void hook(HWND buddy, HWND updown) {
    const auto previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(buddy, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(buddy_proc)));
    hooks().push_back({buddy, updown, previous});
}

// Beside the buddy, as tall as it; the buddy gives up the room.
void align_to_buddy(HWND hwnd, HWND buddy) {
    const DWORD style = style_of(hwnd);
    if (!(style & (UDS_ALIGNRIGHT | UDS_ALIGNLEFT))) return;
    RECT own, b;
    GetWindowRect(hwnd, &own);
    GetWindowRect(buddy, &b);
    const HWND parent = GetParent(hwnd);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&b), 2);
    const int width = own.right - own.left;
    int x;
    if (style & UDS_ALIGNRIGHT) {
        b.right = std::max(b.left, static_cast<int>(b.right - width));
        x = b.right;
    } else {
        x = b.left;
        b.left = std::min(b.right, static_cast<int>(b.left + width));
    }
    MoveWindow(buddy, b.left, b.top, b.right - b.left, b.bottom - b.top, TRUE);
    MoveWindow(hwnd, x, b.top, width, b.bottom - b.top, TRUE);
}

LRESULT set_buddy(HWND hwnd, Updown& u, HWND buddy) {
    const HWND previous = u.buddy;
    if (previous && IsWindow(previous)) unhook(previous);
    u.buddy = buddy && IsWindow(buddy) ? buddy : nullptr;
    if (u.buddy) {
        if (style_of(hwnd) & UDS_ARROWKEYS) hook(u.buddy, hwnd);
        align_to_buddy(hwnd, u.buddy);
    }
    return reinterpret_cast<LRESULT>(previous);
}

// ---- painting

RECT half(HWND hwnd, Arrow which) {
    RECT r;
    GetClientRect(hwnd, &r);
    const bool first = which == (horizontal(hwnd) ? Arrow::Down : Arrow::Up);
    if (horizontal(hwnd)) {
        const int mid = r.right / 2;
        (first ? r.right : r.left) = mid;
    } else {
        const int mid = r.bottom / 2;
        (first ? r.bottom : r.top) = mid;
    }
    return r;
}

// A small filled triangle pointing the arrow's way, drawn row by row.
void draw_arrow(HWND hwnd, HDC hdc, RECT r, Arrow which, HBRUSH brush) {
    const int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
    constexpr int Size = 3; // rows from point to base
    for (int i = 0; i < Size; ++i) {
        RECT line;
        if (horizontal(hwnd)) {
            const int x = which == Arrow::Up ? cx - 1 + i : cx + 1 - i;
            line = RECT{x, cy - i, x + 1, cy + i + 1};
        } else {
            const int y = which == Arrow::Up ? cy - 1 + i : cy + 1 - i;
            line = RECT{cx - i, y, cx + i + 1, y + 1};
        }
        FillRect(hdc, &line, brush);
    }
}

LRESULT on_paint(HWND hwnd, const Updown& u) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    const HBRUSH arrow = GetSysColorBrush(IsWindowEnabled(hwnd) ? COLOR_BTNTEXT : COLOR_GRAYTEXT);
    for (Arrow which : {Arrow::Up, Arrow::Down}) {
        RECT r = half(hwnd, which);
        const bool down = u.pressed == which;
        FillRect(hdc, &r, GetSysColorBrush(COLOR_BTNFACE));
        RECT edge = r;
        DrawEdge(hdc, &edge, down ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
        if (down) OffsetRect(&r, 1, 1);
        draw_arrow(hwnd, hdc, r, which, arrow);
    }
    EndPaint(hwnd, &ps);
    return 0;
}

void redraw(HWND hwnd) {
    InvalidateRect(hwnd, nullptr, FALSE);
}

// ---- stepping

int increment(const Updown& u, DWORD heldMs) {
    int inc = u.accel.empty() ? 1 : static_cast<int>(u.accel.front().nInc);
    for (const UDACCEL& a : u.accel)
        if (heldMs >= a.nSec * 1000u) inc = static_cast<int>(a.nInc);
    return inc;
}

bool tell_parent(HWND hwnd, WORD code, int pos) {
    const HWND parent = GetParent(hwnd);
    if (!parent) return true;
    const void* state = control_state<void>(hwnd);
    SendMessageA(parent, horizontal(hwnd) ? WM_HSCROLL : WM_VSCROLL,
                 MAKEWPARAM(code, static_cast<WORD>(pos)), reinterpret_cast<LPARAM>(hwnd));
    return control_alive(hwnd, state);
}

// Asks the parent with UDN_DELTAPOS, then moves and tells it with SB_THUMBPOSITION.
void step(HWND hwnd, Updown& u, Arrow which, DWORD heldMs) {
    const void* self = &u;
    const int inc = increment(u, heldMs);
    NMUPDOWN nm{};
    nm.hdr.code = UDN_DELTAPOS;
    nm.iPos = u.pos;
    nm.iDelta = which == Arrow::Up ? inc : -inc;
    LRESULT refused = 0;
    if (!notify_parent(hwnd, nm.hdr, &refused) || refused || !control_alive(hwnd, self)) return;
    const long long delta = u.upper >= u.lower ? nm.iDelta : -static_cast<long long>(nm.iDelta);
    long long next = static_cast<long long>(u.pos) + delta;
    if (next < low_of(u) || next > high_of(u)) {
        if (style_of(hwnd) & UDS_WRAP)
            next = next < low_of(u) ? high_of(u) : low_of(u);
        else
            next = clamp_to_range(u, next);
    }
    if (next == u.pos) return;
    u.pos = static_cast<int>(next);
    show_in_buddy(hwnd, u);
    if (!control_alive(hwnd, self)) return;
    tell_parent(hwnd, SB_THUMBPOSITION, u.pos);
}

// With UDS_SETBUDDYINT the buddy's text is taken as the position before stepping from it.
void sync_from_buddy(HWND hwnd, Updown& u) {
    int value = 0;
    if ((style_of(hwnd) & UDS_SETBUDDYINT) && read_buddy(u, value)) u.pos = value;
}

LRESULT on_button_down(HWND hwnd, Updown& u, LPARAM lParam) {
    if (u.pressed != Arrow::None) return 0;
    const void* self = &u;
    const POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    const RECT up = half(hwnd, Arrow::Up);
    SetCapture(hwnd);
    if (!control_alive(hwnd, self)) return 0;
    u.pressed = PtInRect(&up, p) ? Arrow::Up : Arrow::Down;
    u.pressedAt = GetTickCount();
    redraw(hwnd);
    sync_from_buddy(hwnd, u);
    step(hwnd, u, u.pressed, 0);
    if (control_alive(hwnd, self)) SetTimer(hwnd, RepeatTimer, FirstRepeat, nullptr);
    return 0;
}

LRESULT end_press(HWND hwnd, Updown& u, bool released) {
    if (u.pressed == Arrow::None) return 0;
    const void* self = &u;
    u.pressed = Arrow::None;
    KillTimer(hwnd, RepeatTimer);
    redraw(hwnd);
    if (released && GetCapture() == hwnd) ReleaseCapture();
    if (control_alive(hwnd, self)) tell_parent(hwnd, SB_ENDSCROLL, u.pos);
    return 0;
}

LRESULT on_timer(HWND hwnd, Updown& u, WPARAM id) {
    if (id != RepeatTimer) return 0;
    if (u.pressed == Arrow::None) {
        KillTimer(hwnd, RepeatTimer);
        return 0;
    }
    SetTimer(hwnd, RepeatTimer, NextRepeat, nullptr);
    step(hwnd, u, u.pressed, GetTickCount() - u.pressedAt);
    return 0;
}

LRESULT on_key(HWND hwnd, Updown& u, WPARAM vk, bool down) {
    if (!(style_of(hwnd) & UDS_ARROWKEYS) || (vk != VK_UP && vk != VK_DOWN)) return 0;
    if (!down) {
        if (u.keyHeld) {
            u.keyHeld = false;
            tell_parent(hwnd, SB_ENDSCROLL, u.pos);
        }
        return 0;
    }
    u.keyHeld = true;
    sync_from_buddy(hwnd, u);
    step(hwnd, u, vk == VK_UP ? Arrow::Up : Arrow::Down, 0);
    return 0;
}

// ---- messages

LRESULT set_pos(HWND hwnd, Updown& u, long long value) {
    const int previous = u.pos;
    u.pos = clamp_to_range(u, value);
    show_in_buddy(hwnd, u);
    return previous;
}

LRESULT get_pos(HWND hwnd, Updown& u, bool* error) {
    bool failed = false;
    if (u.buddy && (style_of(hwnd) & UDS_SETBUDDYINT)) {
        int value = 0;
        failed = !read_buddy(u, value);
        if (!failed) u.pos = value;
    }
    if (error) *error = failed;
    return u.pos;
}

LRESULT set_accel(Updown& u, WPARAM count, LPARAM lParam) {
    const auto* from = reinterpret_cast<const UDACCEL*>(lParam);
    if (!from || count == 0) return FALSE;
    u.accel.assign(from, from + count);
    return TRUE;
}

LRESULT get_accel(const Updown& u, WPARAM count, LPARAM lParam) {
    auto* to = reinterpret_cast<UDACCEL*>(lParam);
    const std::size_t n = std::min(static_cast<std::size_t>(count), u.accel.size());
    if (to) std::copy_n(u.accel.begin(), n, to);
    return static_cast<LRESULT>(to ? n : u.accel.size());
}

// UDS_AUTOBUDDY: the sibling made just before this control. While WM_CREATE runs this control
// is the newest child, so that sibling is its neighbour in the z-order on whichever side the
// window list links new children.
LRESULT on_create(HWND hwnd, Updown& u) {
    if (!(style_of(hwnd) & UDS_AUTOBUDDY)) return 0;
    HWND before = GetWindow(hwnd, GW_HWNDPREV);
    if (!before) before = GetWindow(hwnd, GW_HWNDNEXT);
    if (before) set_buddy(hwnd, u, before);
    return 0;
}

LRESULT updown_proc(HWND hwnd, Updown& u, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return on_create(hwnd, u);
    case WM_DESTROY:
        // The capture must not outlive the window holding it.
        if (GetCapture() == hwnd) ReleaseCapture();
        return 0;
    case WM_NCDESTROY:
        if (u.buddy && IsWindow(u.buddy)) unhook(u.buddy);
        return DefWindowProcA(hwnd, message, wParam, lParam);
    case WM_PAINT:
        return on_paint(hwnd, u);
    case WM_ERASEBKGND:
        return 1;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        return on_button_down(hwnd, u, lParam);
    case WM_LBUTTONUP:
        return end_press(hwnd, u, true);
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != hwnd) return end_press(hwnd, u, false);
        return 0;
    case WM_TIMER:
        return on_timer(hwnd, u, wParam);
    case WM_KEYDOWN:
        return on_key(hwnd, u, wParam, true);
    case WM_KEYUP:
        return on_key(hwnd, u, wParam, false);
    case WM_ENABLE:
    case WM_SIZE:
        redraw(hwnd);
        return 0;
    case UDM_SETBUDDY:
        return set_buddy(hwnd, u, reinterpret_cast<HWND>(wParam));
    case UDM_GETBUDDY:
        return reinterpret_cast<LRESULT>(u.buddy);
    case UDM_SETRANGE:
        u.upper = static_cast<SHORT>(LOWORD(lParam));
        u.lower = static_cast<SHORT>(HIWORD(lParam));
        return 0;
    case UDM_GETRANGE:
        return static_cast<DWORD>(MAKELONG(static_cast<WORD>(u.upper), static_cast<WORD>(u.lower)));
    case UDM_SETRANGE32:
        u.lower = static_cast<int>(wParam);
        u.upper = static_cast<int>(lParam);
        return 0;
    case UDM_GETRANGE32:
        if (auto* low = reinterpret_cast<int*>(wParam)) *low = u.lower;
        if (auto* high = reinterpret_cast<int*>(lParam)) *high = u.upper;
        return 0;
    case UDM_SETPOS:
        return set_pos(hwnd, u, static_cast<SHORT>(LOWORD(lParam)));
    case UDM_SETPOS32:
        return set_pos(hwnd, u, static_cast<int>(lParam));
    case UDM_GETPOS: {
        bool error = false;
        const LRESULT pos = get_pos(hwnd, u, &error);
        return static_cast<DWORD>(MAKELONG(static_cast<WORD>(pos), error ? 1 : 0));
    }
    case UDM_GETPOS32: {
        bool error = false;
        const LRESULT pos = get_pos(hwnd, u, &error);
        if (auto* out = reinterpret_cast<BOOL*>(lParam)) *out = error;
        return pos;
    }
    case UDM_SETACCEL:
        return set_accel(u, wParam, lParam);
    case UDM_GETACCEL:
        return get_accel(u, wParam, lParam);
    case UDM_SETBASE: {
        if (wParam != 10 && wParam != 16) return 0;
        const int previous = u.base;
        u.base = static_cast<int>(wParam);
        show_in_buddy(hwnd, u);
        return previous;
    }
    case UDM_GETBASE:
        return u.base;
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

} // namespace

const ControlClass updown_class{UPDOWN_CLASSA,
                                control_proc<Updown, updown_proc>,
                                CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW,
                                StateBytes,
                                -1,
                                SurfaceKind::Child};

} // namespace plat
