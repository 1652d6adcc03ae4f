// The lines of an edit control's text. Hard lines end at "\n" (a "\r" before it belongs to the
// break); with a wrap width a line also ends after the blanks before a word that would not fit,
// and inside a word longer than the whole line. A change re-wraps from the line before it until
// a new line starts where an old one did, so typing into 10,000 lines costs what the changed
// lines cost (plus moving the later lines' starts).
#pragma once

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

namespace plat {

// Pixel advances of the field's font as the field shows its text.
struct EditMeasure {
    std::array<int, 256> widths{};
    std::vector<int> tabStops; // pixels from the line's start, ascending
    int tabEvery = 0;  // stops from the line's start on past the last; 0: a tab is a character
    char password = 0; // shown for every character when not 0

    // The x after c, drawn at x from the line's start.
    int after(int x, char c) const;
    bool operator==(const EditMeasure&) const = default;
};

struct EditLine {
    std::size_t start = 0;
    std::size_t length = 0; // without the line break; a wrapped line keeps its trailing blanks
    int width = 0;          // pixels of those characters
    bool wrapped = false;   // the next line continues the same hard line
};

class EditLayout {
public:
    static constexpr int NoWrap = -1;

    // Lays out the whole text; breaks false keeps it on one line whatever it holds.
    void reset(std::string_view text, const EditMeasure& m, int wrapWidth, bool breaks);
    // text is the text after removed characters at `at` became inserted ones.
    void replace(std::string_view text, const EditMeasure& m, std::size_t at, std::size_t removed,
                 std::size_t inserted);

    const std::vector<EditLine>& lines() const { return lines_; }
    std::size_t count() const { return lines_.size(); }
    // The line holding pos; a position where a wrapped line ends belongs to the next line.
    std::size_t line_of(std::size_t pos) const;
    int widest() const;
    std::size_t text_size() const { return size_; }
    int wrap_width() const { return wrap_; }
    bool breaks() const { return breaks_; }

private:
    // The line starting at start; next is where the one after it starts, or npos at the end.
    EditLine line_at(std::string_view text, const EditMeasure& m, std::size_t start,
                     std::size_t& next) const;

    std::vector<EditLine> lines_{EditLine{}};
    std::size_t size_ = 0;
    int wrap_ = NoWrap;
    bool breaks_ = false;
};

} // namespace plat
