// Formatted text: DrawTextA (alignment, lines, & mnemonics) and ExtTextOutA.
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "gdi/dc.h"

using namespace plat;

namespace {

struct Line {
    std::string text;
    int mnemonic = -1; // index of the underlined character, or -1
};

// Takes the '&' prefixes out of a line: "&&" is a literal ampersand, "&x" underlines x.
Line strip_prefixes(std::string_view raw, bool prefixes) {
    Line line;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (prefixes && raw[i] == '&' && i + 1 < raw.size()) {
            ++i;
            if (raw[i] != '&' && line.mnemonic < 0)
                line.mnemonic = static_cast<int>(line.text.size());
        }
        line.text.push_back(raw[i]);
    }
    if (prefixes && !raw.empty() && raw.back() == '&' &&
        (raw.size() < 2 || raw[raw.size() - 2] != '&'))
        line.text.pop_back();
    return line;
}

std::vector<Line> split_lines(std::string_view text, UINT format) {
    const bool prefixes = !(format & DT_NOPREFIX);
    std::vector<Line> lines;
    if (format & DT_SINGLELINE) {
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
        lines.push_back(strip_prefixes(raw, prefixes));
        start = end + 1;
    }
    return lines;
}

int text_width(HDC hdc, const std::string& s) {
    SIZE size{};
    GetTextExtentPoint32A(hdc, s.data(), static_cast<int>(s.size()), &size);
    return size.cx;
}

} // namespace

int DrawTextA(HDC hdc, LPCSTR text, int count, RECT* rect, UINT format) {
    DeviceContext* dc = dc_of(hdc);
    if (!dc || !rect || !text) return 0;
    const std::string_view all = count < 0
                                     ? std::string_view(text)
                                     : std::string_view(text, static_cast<std::size_t>(count));
    const std::vector<Line> lines = split_lines(all, format);
    TEXTMETRICA tm;
    GetTextMetricsA(hdc, &tm);
    const int lineHeight = tm.tmHeight;
    const int total = lineHeight * static_cast<int>(lines.size());

    if (format & DT_CALCRECT) {
        int widest = 0;
        for (const Line& l : lines)
            widest = std::max(widest, text_width(hdc, l.text));
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
    std::optional<ClipScope> clip;
    if (!(format & DT_NOCLIP)) clip.emplace(*dc, *rect);
    const UINT oldAlign = dc->textAlign;
    dc->textAlign = TA_TOP | TA_LEFT;
    for (const Line& l : lines) {
        const int width = text_width(hdc, l.text);
        int left = rect->left;
        if (format & DT_CENTER)
            left = rect->left + (rect->right - rect->left - width) / 2;
        else if (format & DT_RIGHT)
            left = rect->right - width;
        TextOutA(hdc, left, top, l.text.data(), static_cast<int>(l.text.size()));
        if (l.mnemonic >= 0) {
            // The mnemonic is underlined one pixel below the baseline, across its advance.
            const int x0 =
                left + text_width(hdc, l.text.substr(0, static_cast<std::size_t>(l.mnemonic)));
            const int x1 =
                left + text_width(hdc, l.text.substr(0, static_cast<std::size_t>(l.mnemonic) + 1));
            if (auto p = painter_for(*dc))
                p->fill_rect({x0, top + tm.tmAscent + 1, x1, top + tm.tmAscent + 2},
                             resolve_color(*dc, dc->textColor));
        }
        top += lineHeight;
    }
    dc->textAlign = oldAlign;
    return total;
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
