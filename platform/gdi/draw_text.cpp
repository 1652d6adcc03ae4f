// Formatted text: DrawTextA (lines, word breaks, tabs, alignment, & mnemonics, end ellipsis)
// and ExtTextOutA.
#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "gdi/dc.h"
#include "gdi/tab_stops.h"

using namespace plat;

namespace {

struct Line {
    std::string text;
    int mnemonic = -1; // index of the underlined character, or -1
};

// Widths in the context's font: a table of advances filled as characters turn up, and tabs
// expanded from the start of the line when the format asks for it.
class Measure {
public:
    Measure(HDC hdc, std::optional<TabStops> tabs) : hdc_(hdc), tabs_(std::move(tabs)) {
        advance_.fill(-1);
    }
    int advance(unsigned char c) {
        int& a = advance_[c];
        if (a < 0) {
            const char ch = static_cast<char>(c);
            SIZE size{};
            GetTextExtentPoint32A(hdc_, &ch, 1, &size);
            a = size.cx;
        }
        return a;
    }
    int width(std::string_view s) {
        if (tabs_ && s.find('\t') != std::string_view::npos)
            return lay_out_tabbed(hdc_, s, *tabs_, 0).width;
        int w = 0;
        for (unsigned char c : s)
            w += advance(c);
        return w;
    }
    // Whether s fits limit; stops adding as soon as it does not, so that a long word costs no
    // more than a line's worth of characters.
    bool fits(std::string_view s, int limit) {
        if (tabs_ && s.find('\t') != std::string_view::npos) return width(s) <= limit;
        int w = 0;
        for (unsigned char c : s)
            if ((w += advance(c)) > limit) return false;
        return true;
    }
    const TabStops* tabs() const { return tabs_ ? &*tabs_ : nullptr; }

private:
    HDC hdc_;
    std::optional<TabStops> tabs_;
    std::array<int, 256> advance_;
};

// Takes the '&' prefixes out of a paragraph: "&&" is a literal ampersand, "&x" underlines x (the
// first such), a lone '&' at the end vanishes.
Line strip_prefixes(std::string_view raw, bool prefixes) {
    Line line;
    line.text.reserve(raw.size());
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (prefixes && raw[i] == '&') {
            if (++i == raw.size()) break;
            if (raw[i] != '&' && line.mnemonic < 0)
                line.mnemonic = static_cast<int>(line.text.size());
        }
        line.text.push_back(raw[i]);
    }
    return line;
}

bool blank(char c) {
    return c == ' ' || c == '\t';
}

// The longest start of s, at least one character, that fits width.
std::size_t fitting_prefix(Measure& m, std::string_view s, int width) {
    if (s.find('\t') == std::string_view::npos) {
        int w = 0;
        for (std::size_t k = 0; k < s.size(); ++k) {
            w += m.advance(static_cast<unsigned char>(s[k]));
            if (w > width) return std::max<std::size_t>(k, 1);
        }
        return s.size();
    }
    std::size_t k = 1;
    while (k < s.size() && m.width(s.substr(0, k + 1)) <= width)
        ++k;
    return k;
}

// Breaks a paragraph between words so that each line fits width; the blanks at a break are
// dropped. A word wider than a whole line stands alone on it, or with breakWords is broken
// between characters, as a multi-line edit control does.
void break_words(Measure& m, const Line& para, int width, bool breakWords, std::vector<Line>& out) {
    const std::string_view s = para.text;
    std::size_t pos = 0;
    do {
        const std::size_t start = pos;
        std::size_t end = start; // of what fits so far
        std::size_t i = start;
        while (i < s.size()) {
            std::size_t j = i;
            while (j < s.size() && blank(s[j]))
                ++j;
            while (j < s.size() && !blank(s[j]))
                ++j;
            if (m.fits(s.substr(start, j - start), width)) {
                end = i = j;
                continue;
            }
            if (end == start) {
                // Nothing fits yet: the first word goes on this line whole, or what fits of it.
                end = breakWords ? start + fitting_prefix(m, s.substr(start, j - start), width) : j;
            }
            break;
        }
        if (i == s.size()) end = s.size(); // trailing blanks stay with the last line
        Line line{std::string(s.substr(start, end - start))};
        if (para.mnemonic >= static_cast<int>(start) && para.mnemonic < static_cast<int>(end))
            line.mnemonic = para.mnemonic - static_cast<int>(start);
        out.push_back(std::move(line));
        pos = end;
        while (pos < s.size() && s[pos] == ' ')
            ++pos;
    } while (pos < s.size());
}

// The lines of the text as the format lays them out.
std::vector<Line> lay_out(Measure& m, std::string_view text, UINT format, int width) {
    const bool prefixes = !(format & DT_NOPREFIX);
    std::vector<Line> lines;
    if (format & DT_SINGLELINE) {
        // Line ends do not break a single line; they show as blanks.
        std::string flat(text);
        std::replace(flat.begin(), flat.end(), '\n', ' ');
        std::replace(flat.begin(), flat.end(), '\r', ' ');
        lines.push_back(strip_prefixes(flat, prefixes));
        return lines;
    }
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view raw = text.substr(start, end - start);
        if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
        const Line para = strip_prefixes(raw, prefixes);
        if ((format & DT_WORDBREAK) && !para.text.empty())
            break_words(m, para, width, format & DT_EDITCONTROL, lines);
        else
            lines.push_back(para);
        start = end + 1;
    }
    return lines;
}

// Cuts a line that does not fit width and ends it with an ellipsis.
void add_ellipsis(Measure& m, Line& line, int width) {
    if (m.width(line.text) <= width) return;
    static constexpr std::string_view dots = "...";
    const int room = width - m.width(dots);
    std::size_t keep = line.text.size();
    while (keep > 0 && m.width(std::string_view(line.text).substr(0, keep)) > room)
        --keep;
    line.text.resize(keep);
    line.text += dots;
    if (line.mnemonic >= static_cast<int>(keep)) line.mnemonic = -1;
}

void draw_line(HDC hdc, DeviceContext& dc, Measure& m, const Line& l, int left, int top,
               const TEXTMETRICA& tm) {
    const int n = static_cast<int>(l.text.size());
    if (const TabStops* tabs = m.tabs())
        draw_tabbed(hdc, left, top, l.text, *tabs, left);
    else
        TextOutA(hdc, left, top, l.text.data(), n);
    if (l.mnemonic < 0 || l.mnemonic >= n) return;
    // The mnemonic is underlined one pixel below the baseline, across its advance.
    const std::string_view s = l.text;
    const int x0 = left + m.width(s.substr(0, static_cast<std::size_t>(l.mnemonic)));
    const int x1 = left + m.width(s.substr(0, static_cast<std::size_t>(l.mnemonic) + 1));
    if (auto p = painter_for(dc))
        p->fill_rect({x0, top + tm.tmAscent + 1, x1, top + tm.tmAscent + 2},
                     resolve_color(dc, dc.textColor));
}

} // namespace

int DrawTextA(HDC hdc, LPCSTR text, int count, RECT* rect, UINT format) {
    DeviceContext* dc = dc_of(hdc);
    if (!dc || !rect || !text) return 0;
    const std::string_view all = count < 0
                                     ? std::string_view(text)
                                     : std::string_view(text, static_cast<std::size_t>(count));
    TEXTMETRICA tm{};
    GetTextMetricsA(hdc, &tm);
    // DT_TABSTOP takes the high byte of the low word for the tab size, so the flags that live
    // there do not apply with it.
    int tabChars = 8;
    if (format & DT_TABSTOP) {
        tabChars = static_cast<int>((format >> 8) & 0xFF);
        format &= ~0xFF00u;
        if (tabChars == 0) tabChars = 8;
    }
    std::optional<TabStops> tabs;
    if (format & DT_EXPANDTABS)
        tabs = TabStops::every(tabChars * std::max<int>(1, tm.tmAveCharWidth));
    Measure m(hdc, std::move(tabs));

    const int width = rect->right - rect->left;
    std::vector<Line> lines = lay_out(m, all, format, width);
    if (format & DT_END_ELLIPSIS)
        for (Line& l : lines)
            add_ellipsis(m, l, width);
    const int lineHeight =
        tm.tmHeight + ((format & DT_EXTERNALLEADING) ? static_cast<int>(tm.tmExternalLeading) : 0);
    const int total = lineHeight * static_cast<int>(lines.size());

    if (format & DT_CALCRECT) {
        // The rectangle narrows to the widest line, or widens to a word wider than it.
        int widest = 0;
        for (const Line& l : lines)
            widest = std::max(widest, m.width(l.text));
        rect->right = rect->left + widest;
        rect->bottom = rect->top + total;
        return total;
    }

    int top = rect->top;
    if (format & DT_SINGLELINE) {
        if (format & DT_VCENTER)
            top = rect->top + (rect->bottom - rect->top - lineHeight) / 2;
        else if (format & DT_BOTTOM)
            top = rect->bottom - lineHeight;
    }
    const int firstTop = top;
    std::optional<ClipScope> clip;
    if (!(format & DT_NOCLIP)) clip.emplace(*dc, *rect);
    const UINT oldAlign = dc->textAlign;
    dc->textAlign = TA_TOP | TA_LEFT;
    for (const Line& l : lines) {
        // An edit control shows no partly visible last line.
        if ((format & DT_EDITCONTROL) && top + lineHeight > rect->bottom) break;
        if (top >= rect->bottom && !(format & DT_NOCLIP)) break;
        int left = rect->left;
        if (format & (DT_CENTER | DT_RIGHT)) {
            const int w = m.width(l.text);
            left = (format & DT_CENTER) ? rect->left + (width - w) / 2 : rect->right - w;
        }
        draw_line(hdc, *dc, m, l, left, top, tm);
        top += lineHeight;
    }
    dc->textAlign = oldAlign;
    // Centred or bottom-aligned text answers where it ends, measured from the rectangle's top.
    return firstTop - rect->top + total;
}

BOOL ExtTextOutA(HDC hdc, int x, int y, UINT options, const RECT* rect, LPCSTR text, UINT count,
                 const INT* /*dx*/) {
    DeviceContext* dc = dc_of(hdc);
    if (!dc || (count > 0 && !text)) return FALSE;
    if (rect && (options & ETO_OPAQUE))
        if (auto p = painter_for(*dc)) p->fill_rect(*rect, resolve_color(*dc, dc->bkColor));
    std::optional<ClipScope> clip;
    if (rect && (options & ETO_CLIPPED)) clip.emplace(*dc, *rect);
    // With the rectangle already painted, the cells need no second background fill.
    const int oldMode = dc->bkMode;
    if (rect && (options & ETO_OPAQUE)) dc->bkMode = TRANSPARENT;
    const BOOL ok = TextOutA(hdc, x, y, text, static_cast<int>(count));
    dc->bkMode = oldMode;
    return ok;
}
