#include "controls/edit_layout.h"

#include <algorithm>
#include <string>

namespace plat {

int EditMeasure::after(int x, char c) const {
    if (password) return x + widths[static_cast<unsigned char>(password)];
    if (c != '\t' || tabEvery <= 0) return x + widths[static_cast<unsigned char>(c)];
    for (int stop : tabStops)
        if (stop > x) return stop;
    return (x / tabEvery + 1) * tabEvery;
}

namespace {

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

EditLine EditLayout::line_at(std::string_view text, const EditMeasure& m, std::size_t start,
                             std::size_t& next) const {
    int x = 0, before = 0;     // x after and before the last character looked at
    std::size_t wordStart = 0; // where the last word after blanks began (0: none yet)
    int wordX = 0;             // x at wordStart
    for (std::size_t i = start; i < text.size(); ++i) {
        const char c = text[i];
        if (breaks_ && c == '\n') {
            const bool cr = i > start && text[i - 1] == '\r';
            next = i + 1;
            return {start, (cr ? i - 1 : i) - start, cr ? before : x, false};
        }
        if (i > start && !is_blank(c) && is_blank(text[i - 1])) {
            wordStart = i;
            wordX = x;
        }
        const int nx = m.after(x, c);
        if (breaks_ && wrap_ != NoWrap && nx > wrap_ && i > start && !is_blank(c)) {
            // c does not fit: the line ends before its word, or here when the word is all it has.
            if (wordStart > start) {
                next = wordStart;
                return {start, wordStart - start, wordX, true};
            }
            next = i;
            return {start, i - start, x, true};
        }
        before = x;
        x = nx;
    }
    next = std::string_view::npos;
    return {start, text.size() - start, x, false};
}

void EditLayout::reset(std::string_view text, const EditMeasure& m, int wrapWidth, bool breaks) {
    wrap_ = wrapWidth < 0 ? NoWrap : wrapWidth;
    breaks_ = breaks;
    size_ = text.size();
    lines_.clear();
    for (std::size_t start = 0; start != std::string_view::npos;)
        lines_.push_back(line_at(text, m, start, start));
}

void EditLayout::replace(std::string_view text, const EditMeasure& m, std::size_t at,
                         std::size_t removed, std::size_t inserted) {
    if (at > size_ || removed > size_ - at || size_ - removed + inserted != text.size()) {
        reset(text, m, wrap_, breaks_);
        return;
    }
    const auto delta = static_cast<std::ptrdiff_t>(inserted) - static_cast<std::ptrdiff_t>(removed);
    // The line before the change may take up the first word of the changed one.
    const std::size_t from = std::max<std::size_t>(line_of(at), 1) - 1;
    // Old lines starting at or after the removed characters may line up again, shifted.
    std::size_t old = from;
    while (old < lines_.size() && lines_[old].start < at + removed)
        ++old;
    std::vector<EditLine> fresh;
    std::size_t start = lines_[from].start;
    bool synced = false;
    while (start != std::string_view::npos) {
        while (old < lines_.size() && static_cast<std::ptrdiff_t>(lines_[old].start) + delta <
                                          static_cast<std::ptrdiff_t>(start))
            ++old;
        if (old < lines_.size() && static_cast<std::ptrdiff_t>(lines_[old].start) + delta ==
                                       static_cast<std::ptrdiff_t>(start)) {
            synced = true;
            break;
        }
        fresh.push_back(line_at(text, m, start, start));
    }
    std::vector<EditLine> tail;
    if (synced) {
        tail.assign(lines_.begin() + static_cast<std::ptrdiff_t>(old), lines_.end());
        for (EditLine& l : tail)
            l.start = static_cast<std::size_t>(static_cast<std::ptrdiff_t>(l.start) + delta);
    }
    lines_.resize(from);
    lines_.insert(lines_.end(), fresh.begin(), fresh.end());
    lines_.insert(lines_.end(), tail.begin(), tail.end());
    size_ = text.size();
}

std::size_t EditLayout::line_of(std::size_t pos) const {
    auto it = std::upper_bound(lines_.begin(), lines_.end(), pos,
                               [](std::size_t p, const EditLine& l) { return p < l.start; });
    return it == lines_.begin() ? 0 : static_cast<std::size_t>(it - lines_.begin() - 1);
}

int EditLayout::widest() const {
    int w = 0;
    for (const EditLine& l : lines_)
        w = std::max(w, l.width);
    return w;
}

} // namespace plat
