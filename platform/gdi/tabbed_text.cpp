// Text with tab stops: TabbedTextOutA and GetTabbedTextExtentA, and the expansion they share
// with DrawTextA.
#include <algorithm>
#include <cstdlib>
#include <optional>

#include "gdi/dc.h"
#include "gdi/tab_stops.h"

namespace plat {

TabStops::TabStops(int count, const INT* positions, int defaultSpacing)
    : spacing_(std::max(1, defaultSpacing)) {
    if (count <= 0 || !positions) return;
    if (count == 1) {
        if (positions[0] != 0) {
            spacing_ = std::abs(positions[0]);
            spacingRight_ = positions[0] < 0;
        }
        return;
    }
    list_.assign(positions, positions + count);
}

TabStops TabStops::every(int spacing) {
    return TabStops(0, nullptr, spacing);
}

TabStops::Stop TabStops::after(int x) const {
    for (INT p : list_)
        if (std::abs(p) > x) return {std::abs(p), p < 0};
    // Stops repeat from the origin, on both sides of it.
    const int below = x >= 0 ? x / spacing_ : -((-x + spacing_ - 1) / spacing_);
    return {(below + 1) * spacing_, list_.empty() && spacingRight_};
}

TabbedLine lay_out_tabbed(HDC hdc, std::string_view text, const TabStops& stops, int offset) {
    TabbedLine line;
    int x = 0;
    bool rightAligned = false;
    int stop = 0;
    std::size_t start = 0;
    while (true) {
        const std::size_t tab = std::min(text.find('\t', start), text.size());
        SIZE size{};
        GetTextExtentPoint32A(hdc, text.data() + start, static_cast<int>(tab - start), &size);
        // Text that ends at a stop moves left of it, though never back over what came before.
        const int placed = rightAligned ? std::max(x, stop - size.cx) : x;
        line.runs.push_back({start, tab - start, placed});
        x = placed + size.cx;
        if (tab == text.size()) break;
        const TabStops::Stop next = stops.after(offset + x);
        stop = next.x - offset;
        rightAligned = next.rightAligned;
        if (!rightAligned) x = stop;
        start = tab + 1;
    }
    line.width = x;
    return line;
}

namespace {

int average_width(HDC hdc) {
    TEXTMETRICA tm{};
    GetTextMetricsA(hdc, &tm);
    return tm.tmAveCharWidth;
}

LONG pack(int width, int height) {
    return MAKELONG(static_cast<WORD>(std::clamp(width, 0, 0xFFFF)),
                    static_cast<WORD>(std::clamp(height, 0, 0xFFFF)));
}

} // namespace

LONG draw_tabbed(HDC hdc, int x, int y, std::string_view s, const TabStops& stops, int tabOrigin) {
    DeviceContext* dc = dc_of(hdc);
    if (!dc) return 0;
    const bool updateCp = dc->textAlign & TA_UPDATECP;
    if (updateCp) x = dc->position.x, y = dc->position.y;
    const TabbedLine line = lay_out_tabbed(hdc, s, stops, x - tabOrigin);
    TEXTMETRICA tm{};
    GetTextMetricsA(hdc, &tm);

    int left = x;
    if ((dc->textAlign & TA_CENTER) == TA_CENTER)
        left = x - line.width / 2;
    else if (dc->textAlign & TA_RIGHT)
        left = x - line.width;
    int top = y;
    if ((dc->textAlign & TA_BASELINE) == TA_BASELINE)
        top = y - tm.tmAscent;
    else if (dc->textAlign & TA_BOTTOM)
        top = y - tm.tmHeight;

    // The gaps the tabs leave take the background too, so the cells are filled as one band.
    if (dc->bkMode == OPAQUE && line.width > 0)
        if (auto p = painter_for(*dc))
            p->fill_rect({left, top, left + line.width, top + tm.tmHeight},
                         resolve_color(*dc, dc->bkColor));
    const UINT oldAlign = dc->textAlign;
    const int oldMode = dc->bkMode;
    dc->textAlign = TA_TOP | TA_LEFT;
    dc->bkMode = TRANSPARENT;
    for (const TabbedRun& run : line.runs)
        if (run.length > 0)
            TextOutA(hdc, left + run.x, top, s.data() + run.start, static_cast<int>(run.length));
    dc->textAlign = oldAlign;
    dc->bkMode = oldMode;

    if (updateCp) {
        if (oldAlign & TA_RIGHT)
            dc->position.x -= (oldAlign & TA_CENTER) == TA_CENTER ? 0 : line.width;
        else
            dc->position.x += line.width;
    }
    return pack(line.width, tm.tmHeight);
}

} // namespace plat

using namespace plat;

DWORD GetTabbedTextExtentA(HDC hdc, LPCSTR text, int count, int tabCount, const INT* tabs) {
    if (!dc_of(hdc) || count < 0 || (count > 0 && !text)) return 0;
    const std::string_view s(text ? text : "", static_cast<std::size_t>(count));
    const TabbedLine line =
        lay_out_tabbed(hdc, s, TabStops(tabCount, tabs, 8 * average_width(hdc)), 0);
    TEXTMETRICA tm{};
    GetTextMetricsA(hdc, &tm);
    return static_cast<DWORD>(pack(line.width, tm.tmHeight));
}

LONG TabbedTextOutA(HDC hdc, int x, int y, LPCSTR text, int count, int tabCount, const INT* tabs,
                    int tabOrigin) {
    if (!dc_of(hdc) || count < 0 || (count > 0 && !text)) return 0;
    return draw_tabbed(hdc, x, y,
                       std::string_view(text ? text : "", static_cast<std::size_t>(count)),
                       TabStops(tabCount, tabs, 8 * average_width(hdc)), tabOrigin);
}
