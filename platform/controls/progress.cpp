// The progress bar, "msctls_progress32": how far an operation has come, as a filled share of a
// sunken bar.
//
// Styles: PBS_SMOOTH (one solid fill; without it the fill is a row of blocks), PBS_VERTICAL
// (filled from the bottom up).
// Messages: PBM_SETRANGE, SETRANGE32 (both answer the previous range, 16 bits each), SETPOS,
// DELTAPOS, STEPIT (each answers the previous position; STEPIT starts over from the minimum
// once it passes the maximum), SETSTEP, GETPOS, GETRANGE, SETBARCOLOR, SETBKCOLOR
// (CLR_DEFAULT: the system's colour; both answer the previous colour).
// It takes no input and wants no keys. Gaps: PBS_MARQUEE, PBM_SETSTATE.
#include <algorithm>
#include <utility>

#include <windows.h>

#include <commctrl.h>

#include "controls/control.h"
#include "controls/system_classes.h"

namespace plat {
namespace {

constexpr int Border = 1; // the sunken line around the bar
constexpr int BlockGap = 2;

struct Progress {
    int low = 0, high = 100, pos = 0, step = 10;
    COLORREF bar = CLR_DEFAULT, back = CLR_DEFAULT;
};

int clamp_to_range(const Progress& p, int value) {
    return std::clamp(value, std::min(p.low, p.high), std::max(p.low, p.high));
}

// ---- painting

void fill(HDC hdc, const RECT& r, COLORREF colour, int fallback) {
    if (colour == CLR_DEFAULT) {
        FillRect(hdc, &r, GetSysColorBrush(fallback));
        return;
    }
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(hdc, &r, brush);
    DeleteObject(brush);
}

LRESULT on_paint(HWND hwnd, const Progress& p) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    RECT client;
    GetClientRect(hwnd, &client);
    RECT edge = client;
    // A thin sunken frame: shadow above and left, highlight below and right.
    FrameRect(hdc, &edge, GetSysColorBrush(COLOR_BTNHIGHLIGHT));
    RECT shadow{client.left, client.top, client.right - Border, client.top + Border};
    FillRect(hdc, &shadow, GetSysColorBrush(COLOR_BTNSHADOW));
    shadow = RECT{client.left, client.top, client.left + Border, client.bottom - Border};
    FillRect(hdc, &shadow, GetSysColorBrush(COLOR_BTNSHADOW));
    RECT inside = client;
    InflateRect(&inside, -Border, -Border);
    fill(hdc, inside, p.back, COLOR_BTNFACE);
    InflateRect(&inside, -1, -1);
    const bool upright = style_of(hwnd) & PBS_VERTICAL;
    const int length = upright ? inside.bottom - inside.top : inside.right - inside.left;
    const long long span = static_cast<long long>(p.high) - p.low;
    const int done =
        span > 0 ? static_cast<int>((static_cast<long long>(p.pos) - p.low) * length / span) : 0;
    if (done > 0 && length > 0) {
        if (style_of(hwnd) & PBS_SMOOTH) {
            RECT r = inside;
            if (upright)
                r.top = r.bottom - done;
            else
                r.right = r.left + done;
            fill(hdc, r, p.bar, COLOR_HIGHLIGHT);
        } else {
            // Blocks two thirds as long as the bar is thick; the last one may stand out past
            // the share done, as the platform's do.
            const int thick = upright ? inside.right - inside.left : inside.bottom - inside.top;
            const int block = std::max(2, thick * 2 / 3);
            for (int at = 0; at < done; at += block + BlockGap) {
                RECT r = inside;
                if (upright) {
                    r.bottom = inside.bottom - at;
                    r.top = std::max(inside.top, static_cast<int>(r.bottom - block));
                } else {
                    r.left = inside.left + at;
                    r.right = std::min(inside.right, static_cast<int>(r.left + block));
                }
                fill(hdc, r, p.bar, COLOR_HIGHLIGHT);
            }
        }
    }
    EndPaint(hwnd, &ps);
    return 0;
}

void redraw(HWND hwnd) {
    InvalidateRect(hwnd, nullptr, FALSE);
}

// ---- state

LRESULT set_pos(HWND hwnd, Progress& p, long long value) {
    const int previous = p.pos;
    const int next =
        clamp_to_range(p, static_cast<int>(std::clamp<long long>(value, INT32_MIN, INT32_MAX)));
    if (next != p.pos) {
        p.pos = next;
        redraw(hwnd);
    }
    return previous;
}

LRESULT set_range(HWND hwnd, Progress& p, int low, int high) {
    const LRESULT previous =
        static_cast<DWORD>(MAKELONG(static_cast<WORD>(p.low), static_cast<WORD>(p.high)));
    p.low = low;
    p.high = high;
    p.pos = clamp_to_range(p, p.pos);
    redraw(hwnd);
    return previous;
}

LRESULT step_it(HWND hwnd, Progress& p) {
    const int previous = p.pos;
    long long next = static_cast<long long>(p.pos) + p.step;
    if (next > p.high) next = p.low + (next - p.high);
    if (next < p.low) next = p.high - (p.low - next);
    set_pos(hwnd, p, next);
    return previous;
}

LRESULT get_range(const Progress& p, WPARAM low, LPARAM out) {
    if (auto* range = reinterpret_cast<PBRANGE*>(out)) *range = PBRANGE{p.low, p.high};
    return low ? p.low : p.high;
}

LRESULT set_colour(HWND hwnd, COLORREF& slot, LPARAM colour) {
    const COLORREF previous = std::exchange(slot, static_cast<COLORREF>(colour));
    redraw(hwnd);
    return static_cast<LRESULT>(previous);
}

LRESULT progress_proc(HWND hwnd, Progress& p, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        return on_paint(hwnd, p);
    case WM_ERASEBKGND:
        return 1;
    case WM_ENABLE:
    case WM_SIZE:
        redraw(hwnd);
        return 0;
    case PBM_SETRANGE:
        return set_range(hwnd, p, LOWORD(lParam), HIWORD(lParam));
    case PBM_SETRANGE32:
        return set_range(hwnd, p, static_cast<int>(wParam), static_cast<int>(lParam));
    case PBM_GETRANGE:
        return get_range(p, wParam, lParam);
    case PBM_SETPOS:
        return set_pos(hwnd, p, static_cast<int>(wParam));
    case PBM_DELTAPOS:
        return set_pos(hwnd, p, static_cast<long long>(p.pos) + static_cast<int>(wParam));
    case PBM_GETPOS:
        return p.pos;
    case PBM_SETSTEP:
        return std::exchange(p.step, static_cast<int>(wParam));
    case PBM_STEPIT:
        return step_it(hwnd, p);
    case PBM_SETBARCOLOR:
        return set_colour(hwnd, p.bar, lParam);
    case PBM_SETBKCOLOR:
        return set_colour(hwnd, p.back, lParam);
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

} // namespace

const ControlClass progress_class{PROGRESS_CLASSA,
                                  control_proc<Progress, progress_proc>,
                                  CS_HREDRAW | CS_VREDRAW,
                                  StateBytes,
                                  -1,
                                  SurfaceKind::Child};

} // namespace plat
