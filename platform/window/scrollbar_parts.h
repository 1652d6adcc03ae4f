// One scroll bar wherever it lives (a window's non-client area or a "SCROLLBAR" control): its
// values, its parts along its length, its drawing and the press that follows the pointer.
#pragma once

#include <functional>

#include <windows.h>

namespace plat {

// A scroll bar's values.
struct ScrollBarData {
    int min = 0, max = 100;
    UINT page = 0;
    int pos = 0;
    int trackPos = 0;
    bool tracking = false;
    UINT disabled = 0;         // ESB_DISABLE_ flags
    bool autoDisabled = false; // disabled by SIF_DISABLENOSCROLL for want of a range
};

// The position furthest from the minimum that still fills a page.
int scroll_max_pos(const ScrollBarData& d);
// Whether the range holds more than a page, so that the bar has something to do.
bool scroll_range_needed(const ScrollBarData& d);
// Takes the fields info's mask names (a reversed range is ignored) and pulls the rest into
// range; the position afterwards.
int apply_scroll_info(ScrollBarData& d, const SCROLLINFO& info);
// After a range or page given with mask: with SIF_DISABLENOSCROLL a bar with nothing to do is
// disabled; without it, a bar disabled that way is enabled again. Whether it has something to do.
bool settle_scroll_enable(ScrollBarData& d, UINT mask);
// Fills the fields info's mask names; false when it names none.
bool read_scroll_info(const ScrollBarData& d, SCROLLINFO& info);

// The parts of a bar along its length, in the coordinates of its rectangle.
struct ScrollBarParts {
    RECT bar{}, lowArrow{}, highArrow{}, thumb{};
    bool hasThumb = false; // false when the bar is disabled or too short
};
ScrollBarParts layout_scroll_bar(const RECT& bar, bool vertical, const ScrollBarData& d);

// Draws the arrows, the track (with trackBrush, or the system's checker when null) and the
// thumb; greyed says the window holding the bar is disabled.
void draw_scroll_bar(HDC hdc, const ScrollBarParts& p, bool vertical, const ScrollBarData& d,
                     bool greyed, HBRUSH trackBrush = nullptr);

// Follows a press on a bar until the release: the code of the part pressed (again while held),
// or SB_THUMBTRACK while the thumb is dragged and SB_THUMBPOSITION where it is let go, then
// SB_ENDSCROLL. The bar's own values change only through trackPos while the thumb moves.
struct ScrollBarPress {
    HWND owner = nullptr; // holds the capture and the repeat timer
    bool vertical = false;
    std::function<ScrollBarData*()> data;      // null once the bar is gone
    std::function<RECT()> bar;                 // where the bar is, in the coordinates of `locate`
    std::function<POINT(POINT screen)> locate; // a screen point in the bar's coordinates
    std::function<bool(WORD code, int pos)> send; // false once the bar is gone
    std::function<void()> redraw;
};
void track_scroll_press(const ScrollBarPress& press, POINT screen);

} // namespace plat
