// The edit control's view: measures, lines, positions and points, scrolling, the window's scroll
// bars, painting.
#include <algorithm>
#include <string>

#include "controls/control.h"
#include "controls/edit_state.h"

namespace plat::edit {
namespace {

constexpr int DefaultTabUnits = 32; // dialog units between tab stops
constexpr int WheelLines = 3;

// Where a line starts in client coordinates, alignment and scrolling included.
int line_left(HWND hwnd, const Edit& e, const EditLine& l) {
    const RECT view = view_of(hwnd, e);
    const DWORD align = style_of(hwnd) & (ES_CENTER | ES_RIGHT);
    int x = view.left;
    if (l.width < view.right - view.left) {
        if (align == ES_CENTER)
            x += (view.right - view.left - l.width) / 2;
        else if (align == ES_RIGHT)
            x = view.right - l.width;
    }
    return x - e.scrollX;
}

// The last top line that still fills the view (lines), or the last scroll offset (pixels).
int last_position(HWND hwnd, Edit& e, int bar) {
    const EditLayout& lay = layout(hwnd, e);
    if (bar == SB_VERT) return std::max(0, static_cast<int>(lay.count()) - visible_lines(hwnd, e));
    const RECT view = view_of(hwnd, e);
    return std::max(0, lay.widest() + 1 - (view.right - view.left));
}

// Moves the view; true when it moved.
bool move_view(Edit& e, int firstLine, int scrollX) {
    if (firstLine == e.firstLine && scrollX == e.scrollX) return false;
    e.firstLine = firstLine;
    e.scrollX = scrollX;
    return true;
}

// The thumb's position: 16 bits in wParam, all 32 from a bar being dragged.
int thumb_position(HWND hwnd, int bar, WPARAM wParam) {
    SCROLLINFO si{sizeof si, SIF_TRACKPOS, 0, 0, 0, 0, 0};
    if ((style_of(hwnd) & (bar == SB_VERT ? WS_VSCROLL : WS_HSCROLL)) &&
        GetScrollInfo(hwnd, bar, &si) && (si.nTrackPos & 0xFFFF) == HIWORD(wParam))
        return si.nTrackPos;
    return HIWORD(wParam);
}

} // namespace

bool multiline(HWND hwnd) {
    return style_of(hwnd) & ES_MULTILINE;
}

HFONT font_of(const Edit& e) {
    return e.font ? e.font : static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
}

// Character widths of the font: positions are sums of them, so a line of 100,000 characters is
// measured in one pass.
void measure(HWND hwnd, Edit& e) {
    if (e.measured != font_of(e) || e.lineHeight <= 0) {
        HDC hdc = GetDC(hwnd);
        const HGDIOBJ old = SelectObject(hdc, font_of(e));
        for (int c = 0; c < 256; ++c) {
            const char ch = static_cast<char>(c);
            SIZE size{};
            GetTextExtentPoint32A(hdc, &ch, 1, &size);
            e.measure.widths[static_cast<std::size_t>(c)] = size.cx;
        }
        TEXTMETRICA tm{};
        GetTextMetricsA(hdc, &tm);
        SelectObject(hdc, old);
        ReleaseDC(hwnd, hdc);
        e.lineHeight = std::max<int>(1, tm.tmHeight);
        e.averageWidth = std::max<int>(1, tm.tmAveCharWidth);
        e.measured = font_of(e);
        e.relayout = true;
    }
    // Tab stops count in quarters of the average character width; a single-line field shows a
    // tab as a character, and a password field its password character for everything.
    const bool multi = multiline(hwnd);
    const char password = !multi && (style_of(hwnd) & ES_PASSWORD) ? e.password : 0;
    std::vector<int> stops;
    int every = 0;
    if (multi && e.tabUnits.size() > 1) {
        // Past the last stop TabbedTextOutA goes on every eight average characters.
        for (int units : e.tabUnits)
            stops.push_back(std::max(1, units * e.averageWidth / 4));
        every = 8 * e.averageWidth;
    } else if (multi) {
        every = std::max(1, (e.tabUnits.empty() ? DefaultTabUnits : e.tabUnits.front()) *
                                e.averageWidth / 4);
    }
    if (password == e.measure.password && every == e.measure.tabEvery &&
        stops == e.measure.tabStops)
        return;
    e.measure.password = password;
    e.measure.tabEvery = every;
    e.measure.tabStops = std::move(stops);
    e.relayout = true;
}

RECT view_of(HWND hwnd, const Edit& e) {
    RECT r;
    GetClientRect(hwnd, &r);
    r.left += e.leftMargin;
    r.right -= e.rightMargin;
    r.top += 1;
    if (r.right < r.left) r.right = r.left;
    if (r.bottom < r.top) r.bottom = r.top;
    return r;
}

bool wraps(HWND hwnd, const Edit& e) {
    return multiline(hwnd) && !(style_of(hwnd) & ES_AUTOHSCROLL) && !e.hbar;
}

const EditLayout& layout(HWND hwnd, Edit& e) {
    measure(hwnd, e);
    const RECT view = view_of(hwnd, e);
    const int wrap = wraps(hwnd, e) ? view.right - view.left : EditLayout::NoWrap;
    const bool breaks = multiline(hwnd);
    if (e.relayout || e.layout.wrap_width() != wrap || e.layout.breaks() != breaks ||
        e.layout.text_size() != e.text.size()) {
        e.layout.reset(e.text, e.measure, wrap, breaks);
        e.relayout = false;
    }
    e.firstLine = std::min(e.firstLine, static_cast<int>(e.layout.count()) - 1);
    return e.layout;
}

int advance(const Edit& e, std::size_t lineStart, std::size_t to) {
    int x = 0;
    for (std::size_t i = lineStart; i < to; ++i)
        x = e.measure.after(x, e.text[i]);
    return x;
}

POINT pos_to_point(HWND hwnd, Edit& e, std::size_t pos, bool atLineEnd) {
    const std::vector<EditLine>& lines = layout(hwnd, e).lines();
    std::size_t i = e.layout.line_of(pos);
    if (atLineEnd && i > 0 && lines[i].start == pos && lines[i - 1].wrapped) --i;
    const EditLine& l = lines[i];
    const int x = line_left(hwnd, e, l) + advance(e, l.start, std::min(pos, l.start + l.length));
    const int y = view_of(hwnd, e).top + (static_cast<int>(i) - e.firstLine) * e.lineHeight;
    return {x, y};
}

std::size_t point_to_pos(HWND hwnd, Edit& e, POINT p, bool* atLineEnd) {
    const std::vector<EditLine>& lines = layout(hwnd, e).lines();
    const int top = view_of(hwnd, e).top;
    const int row = (p.y - top) / e.lineHeight + e.firstLine - (p.y < top ? 1 : 0);
    const EditLine& l =
        lines[static_cast<std::size_t>(std::clamp(row, 0, static_cast<int>(lines.size()) - 1))];
    if (atLineEnd) *atLineEnd = false;
    const int left = line_left(hwnd, e, l);
    int x = 0;
    for (std::size_t k = l.start; k < l.start + l.length; ++k) {
        const int next = e.measure.after(x, e.text[k]);
        if (p.x < left + (x + next) / 2) return k;
        x = next;
    }
    if (atLineEnd) *atLineEnd = l.wrapped;
    return l.start + l.length;
}

std::size_t caret_line(HWND hwnd, Edit& e) {
    const std::vector<EditLine>& lines = layout(hwnd, e).lines();
    const std::size_t i = e.layout.line_of(e.caret);
    const bool back =
        e.caretAtLineEnd && i > 0 && lines[i].start == e.caret && lines[i - 1].wrapped;
    return back ? i - 1 : i;
}

int visible_lines(HWND hwnd, const Edit& e) {
    const RECT view = view_of(hwnd, e);
    return std::max(1, (view.bottom - view.top) / std::max(1, e.lineHeight));
}

// Scrolls so that the caret is in view: a quarter of the width at a time sideways.
void scroll_to_caret(HWND hwnd, Edit& e) {
    const EditLayout& lay = layout(hwnd, e);
    const RECT view = view_of(hwnd, e);
    const int width = view.right - view.left;
    const std::size_t line = caret_line(hwnd, e);
    if (multiline(hwnd)) {
        const int at = static_cast<int>(line);
        if (at < e.firstLine) e.firstLine = at;
        if (at >= e.firstLine + visible_lines(hwnd, e))
            e.firstLine = at - visible_lines(hwnd, e) + 1;
    }
    const bool sideways = multiline(hwnd) ? !wraps(hwnd, e) : (style_of(hwnd) & ES_AUTOHSCROLL);
    if (!sideways) {
        e.scrollX = 0;
        return;
    }
    const EditLine& l = lay.lines()[line];
    const int x = advance(e, l.start, std::min(e.caret, l.start + l.length));
    if (x < e.scrollX) e.scrollX = std::max(0, x - width / 4);
    if (x >= e.scrollX + width) e.scrollX = x - width + width / 4 + 1;
}

void keep_first_visible(HWND hwnd, Edit& e) {
    const std::vector<EditLine>& before = e.layout.lines();
    const std::size_t first = before[static_cast<std::size_t>(std::clamp(
                                         e.firstLine, 0, static_cast<int>(before.size()) - 1))]
                                  .start;
    e.relayout = true;
    const EditLayout& lay = layout(hwnd, e);
    e.firstLine = static_cast<int>(lay.line_of(std::min(first, e.text.size())));
}

bool line_scroll(HWND hwnd, Edit& e, int columns, int lines) {
    if (!multiline(hwnd)) return false;
    const int count = static_cast<int>(layout(hwnd, e).count());
    if (move_view(e, std::clamp(e.firstLine + lines, 0, std::max(0, count - 1)),
                  std::max(0, e.scrollX + columns * e.averageWidth)))
        redraw(hwnd);
    return true;
}

int on_scroll(HWND hwnd, Edit& e, int bar, WPARAM wParam) {
    if (!multiline(hwnd)) return 0;
    const bool vertical = bar == SB_VERT;
    const RECT view = view_of(hwnd, e);
    const int page = vertical ? visible_lines(hwnd, e) : std::max(1, view.right - view.left);
    const int step = vertical ? 1 : e.averageWidth;
    const int at = vertical ? e.firstLine : e.scrollX;
    const int last = last_position(hwnd, e, bar);
    int by = 0;
    int to = at;
    switch (LOWORD(wParam)) {
    case SB_LINEUP:
        by = -step;
        break;
    case SB_LINEDOWN:
        by = step;
        break;
    case SB_PAGEUP:
        by = -page;
        break;
    case SB_PAGEDOWN:
        by = page;
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        to = thumb_position(hwnd, bar, wParam);
        break;
    case SB_TOP:
        to = 0;
        break;
    case SB_BOTTOM:
        to = last;
        break;
    default:
        return 0;
    }
    if (by != 0) to = at + by;
    // The bar never pushes the view past its last page, nor back from where EM_LINESCROLL put
    // it further.
    if (to > last) to = std::max(last, std::min(to, at));
    to = std::max(0, to);
    const bool moved = vertical ? move_view(e, to, e.scrollX) : move_view(e, e.firstLine, to);
    if (!moved) return by;
    // Arrows and the track tell the parent, before the field shows the change; the thumb does not.
    if (by != 0 && !notify(hwnd, e, vertical ? EN_VSCROLL : EN_HSCROLL)) return by;
    redraw(hwnd);
    return by;
}

void wheel(HWND hwnd, Edit& e, int delta) {
    if (!multiline(hwnd)) return;
    const int lines = -delta * WheelLines / WHEEL_DELTA;
    const int last = last_position(hwnd, e, SB_VERT);
    int to = e.firstLine + lines;
    if (to > last) to = std::max(last, std::min(to, e.firstLine));
    if (!move_view(e, std::max(0, to), e.scrollX)) return;
    if (notify(hwnd, e, EN_VSCROLL)) redraw(hwnd);
}

// The vertical bar counts lines with a page of the lines shown, the horizontal one pixels of the
// widest line with a page of the view's width. Both stay shown, disabled while all fits.
void sync_scroll_bars(HWND hwnd, Edit& e) {
    if (!multiline(hwnd) || !(e.vbar || e.hbar)) return;
    const EditLayout& lay = layout(hwnd, e);
    const RECT view = view_of(hwnd, e);
    for (const int bar : {SB_VERT, SB_HORZ}) {
        if (!(bar == SB_VERT ? e.vbar : e.hbar)) continue;
        SCROLLINFO si{sizeof si, SIF_ALL | SIF_DISABLENOSCROLL, 0, 0, 0, 0, 0};
        if (bar == SB_VERT) {
            si.nMax = static_cast<int>(lay.count()) - 1;
            si.nPage = static_cast<UINT>(visible_lines(hwnd, e));
            si.nPos = e.firstLine;
        } else {
            si.nMax = lay.widest(); // the caret's column after the widest line
            si.nPage = static_cast<UINT>(std::max(0, static_cast<int>(view.right - view.left)));
            si.nPos = e.scrollX;
        }
        SCROLLINFO& was = e.shown[bar];
        if (was.cbSize && was.nMax == si.nMax && was.nPage == si.nPage && was.nPos == si.nPos)
            continue;
        was = si;
        SetScrollInfo(hwnd, bar, &si, TRUE);
    }
}

void redraw(HWND hwnd) {
    InvalidateRect(hwnd, nullptr, TRUE);
}

// ---- painting

namespace {

// Characters from..to of line l, whose start is at left. TabbedTextOutA expands the tabs from
// the line's start with the stops the positions were measured with.
void draw_run(HDC hdc, const Edit& e, const EditLine& l, std::size_t from, std::size_t to, int left,
              int y, bool selected) {
    if (from >= to) return;
    const int x = left + advance(e, l.start, from);
    COLORREF oldText = 0, oldBack = 0;
    if (selected) {
        oldText = SetTextColor(hdc, GetSysColor(COLOR_HIGHLIGHTTEXT));
        oldBack = SetBkColor(hdc, GetSysColor(COLOR_HIGHLIGHT));
        RECT r{x, y, left + advance(e, l.start, to), y + e.lineHeight};
        FillRect(hdc, &r, GetSysColorBrush(COLOR_HIGHLIGHT));
    }
    if (e.measure.password) {
        const std::string hidden(to - from, e.measure.password);
        TextOutA(hdc, x, y, hidden.data(), static_cast<int>(hidden.size()));
    } else if (e.measure.tabEvery > 0) {
        const std::vector<int>& stops = e.measure.tabStops;
        const INT every = e.measure.tabEvery;
        TabbedTextOutA(hdc, x, y, e.text.data() + from, static_cast<int>(to - from),
                       stops.empty() ? 1 : static_cast<int>(stops.size()),
                       stops.empty() ? &every : stops.data(), left);
    } else {
        TextOutA(hdc, x, y, e.text.data() + from, static_cast<int>(to - from));
    }
    if (selected) {
        SetTextColor(hdc, oldText);
        SetBkColor(hdc, oldBack);
    }
}

void draw_line(HWND hwnd, HDC hdc, const Edit& e, const EditLine& l, int y, const RECT& view) {
    const std::size_t selFrom = std::min(e.caret, e.anchor), selTo = std::max(e.caret, e.anchor);
    const bool showSel = e.focused || (style_of(hwnd) & ES_NOHIDESEL);
    const int left = line_left(hwnd, e, l);
    // Characters wholly left of the view are skipped, and drawing stops at its right side.
    std::size_t from = l.start;
    const std::size_t end = l.start + l.length;
    int x = 0;
    while (from < end) {
        const int next = e.measure.after(x, e.text[from]);
        if (left + next >= view.left) break;
        x = next;
        ++from;
    }
    std::size_t to = from;
    for (int right = left + x; to < end && right <= view.right; ++to)
        right = left + (x = e.measure.after(x, e.text[to]));
    const std::size_t a = std::clamp(selFrom, from, to), b = std::clamp(selTo, from, to);
    draw_run(hdc, e, l, from, a, left, y, false);
    draw_run(hdc, e, l, a, b, left, y, showSel);
    draw_run(hdc, e, l, b, to, left, y, false);
}

} // namespace

LRESULT on_paint(HWND hwnd, Edit& e) {
    const void* self = &e;
    layout(hwnd, e);
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    const int saved = SaveDC(hdc);
    const bool greyed = (style_of(hwnd) & ES_READONLY) || !IsWindowEnabled(hwnd);
    const HBRUSH background =
        control_colours(hwnd, hdc, greyed ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT);
    if (background && control_alive(hwnd, self)) {
        RECT client;
        GetClientRect(hwnd, &client);
        FillRect(hdc, &client, background);
        if (!IsWindowEnabled(hwnd)) SetTextColor(hdc, GetSysColor(COLOR_GRAYTEXT));
        // Text cells are opaque in the background colour the parent chose.
        SelectObject(hdc, font_of(e));
        const RECT view = view_of(hwnd, e);
        const HRGN clip = CreateRectRgn(view.left, 0, view.right, client.bottom);
        SelectClipRgn(hdc, clip);
        const std::vector<EditLine>& lines = layout(hwnd, e).lines();
        const int shownLines = visible_lines(hwnd, e) + 1;
        for (int i = e.firstLine;
             i < static_cast<int>(lines.size()) && i < e.firstLine + shownLines; ++i)
            draw_line(hwnd, hdc, e, lines[static_cast<std::size_t>(i)],
                      view.top + (i - e.firstLine) * e.lineHeight, view);
        SelectClipRgn(hdc, nullptr);
        DeleteObject(clip);
        if (e.focused) {
            const POINT c = pos_to_point(hwnd, e, e.caret, e.caretAtLineEnd);
            PatBlt(hdc, std::min(c.x, static_cast<int>(client.right) - 1), c.y, 1, e.lineHeight,
                   DSTINVERT);
        }
    }
    RestoreDC(hdc, saved);
    EndPaint(hwnd, &ps);
    return 0;
}

} // namespace plat::edit
