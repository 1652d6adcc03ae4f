// Message box icons as shapes over a 32×32 grid: a red disc with a white cross (stop), a blue disc
// with a white question mark, a yellow triangle with a black exclamation mark, a blue disc with a
// white "i". Every pixel is decided by geometry, so the image is the same on every backend.
#include "dialog/message_box_icon.h"

#include <cmath>
#include <cstdlib>

namespace plat {
namespace {

constexpr COLORREF StopRed = RGB(204, 32, 32), QuestionBlue = RGB(32, 80, 192),
                   WarningYellow = RGB(240, 192, 0), InfoBlue = RGB(32, 96, 208),
                   White = RGB(255, 255, 255), Black = RGB(0, 0, 0);

// Distance of a pixel centre from the grid's centre.
double from_centre(int x, int y) {
    const double dx = x + 0.5 - 16.0, dy = y + 0.5 - 16.0;
    return std::sqrt(dx * dx + dy * dy);
}

bool in_disc(int x, int y) {
    return from_centre(x, y) <= 15.0;
}

// Within the upright triangle whose apex is at the top centre and whose base is the bottom row.
bool in_triangle(int x, int y) {
    if (y < 1 || y > 30) return false;
    const double half = (y - 1) * 15.0 / 29.0 + 0.5;
    return std::abs(x + 0.5 - 16.0) <= half;
}

bool in_box(int x, int y, int left, int top, int right, int bottom) {
    return x >= left && x < right && y >= top && y < bottom;
}

bool stop_mark(int x, int y) {
    // Two diagonals of width about three pixels, inside the inner square.
    if (!in_box(x, y, 9, 9, 23, 23)) return false;
    const int dx = x - 9, dy = y - 9;
    return std::abs(dx - dy) <= 1 || std::abs(dx + dy - 13) <= 1;
}

bool question_mark(int x, int y) {
    // An open ring above (its gap at the lower left), a stem down the middle, and a dot.
    const double dx = x + 0.5 - 16.0, dy = y + 0.5 - 12.0;
    const double r = std::sqrt(dx * dx + dy * dy);
    if (r >= 3.5 && r <= 6.5 && !(dx < 0 && dy > 0)) return true;
    if (in_box(x, y, 15, 17, 18, 21)) return true;
    return in_box(x, y, 15, 23, 18, 26);
}

bool exclamation_mark(int x, int y) {
    return in_box(x, y, 15, 10, 18, 22) || in_box(x, y, 15, 24, 18, 27);
}

bool information_mark(int x, int y) {
    return in_box(x, y, 15, 7, 18, 10) || in_box(x, y, 15, 12, 18, 24) ||
           in_box(x, y, 13, 12, 15, 14) || in_box(x, y, 13, 23, 20, 25);
}

// The colour of one grid pixel, or false where the background shows.
bool icon_pixel(UINT kind, int x, int y, COLORREF& colour) {
    switch (kind) {
    case MB_ICONHAND:
        if (!in_disc(x, y)) return false;
        colour = stop_mark(x, y) ? White : StopRed;
        return true;
    case MB_ICONQUESTION:
        if (!in_disc(x, y)) return false;
        colour = question_mark(x, y) ? White : QuestionBlue;
        return true;
    case MB_ICONEXCLAMATION:
        if (!in_triangle(x, y)) return false;
        colour = exclamation_mark(x, y) ? Black : WarningYellow;
        return true;
    case MB_ICONASTERISK:
        if (!in_disc(x, y)) return false;
        colour = information_mark(x, y) ? White : InfoBlue;
        return true;
    default:
        return false;
    }
}

} // namespace

void draw_message_box_icon(HDC hdc, const RECT& rect, UINT iconKind, COLORREF background) {
    const HBRUSH brush = CreateSolidBrush(background);
    FillRect(hdc, &rect, brush);
    DeleteObject(brush);
    for (int y = 0; y < MessageBoxIconSize && rect.top + y < rect.bottom; ++y)
        for (int x = 0; x < MessageBoxIconSize && rect.left + x < rect.right; ++x) {
            COLORREF colour;
            if (icon_pixel(iconKind, x, y, colour))
                SetPixel(hdc, rect.left + x, rect.top + y, colour);
        }
}

} // namespace plat
