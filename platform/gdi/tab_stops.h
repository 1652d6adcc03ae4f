// Tab expansion shared by TabbedTextOutA, GetTabbedTextExtentA and DrawTextA's DT_EXPANDTABS.
#pragma once

#include <string_view>
#include <vector>

#include <windows.h>

namespace plat {

// Tab stops in the form TabbedTextOutA takes them: none (every eight average character widths),
// one value (stops that far apart) or a list of positions. A negative position puts a stop at
// its absolute value that the following text ends at instead of starting at.
class TabStops {
public:
    TabStops(int count, const INT* positions, int defaultSpacing);
    // A stop every `spacing` units (DrawTextA's DT_TABSTOP).
    static TabStops every(int spacing);

    struct Stop {
        int x;
        bool rightAligned;
    };
    // The first stop beyond x, both measured from the tab origin. Past the last listed stop
    // the stops go on at the default spacing.
    Stop after(int x) const;

private:
    std::vector<INT> list_;
    int spacing_;
    bool spacingRight_ = false;
};

// A piece of a line between tabs, placed relative to where the line starts.
struct TabbedRun {
    std::size_t start;
    std::size_t length;
    int x;
};
struct TabbedLine {
    std::vector<TabbedRun> runs;
    int width = 0;
};

// Places the pieces of one line in the context's font. `offset` is how far the line's start
// lies beyond the tab origin.
TabbedLine lay_out_tabbed(HDC hdc, std::string_view text, const TabStops& stops, int offset);

// Draws one line with its tabs expanded from tabOrigin, as TabbedTextOutA does; answers the
// width and height as TabbedTextOutA does.
LONG draw_tabbed(HDC hdc, int x, int y, std::string_view text, const TabStops& stops,
                 int tabOrigin);

} // namespace plat
