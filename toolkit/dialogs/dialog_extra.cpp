// The extra-information reader. The scan follows the resource's one historical reading: every
// skip stops at the end of the text, a data line without a space after its identifier lets the
// scan for that space run on into the next line, and a "[Menus]" count beyond its item lines
// takes the lines that follow, headers included.
#include "dialogs/dialog_extra.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "core/wmiscel.h"

namespace tess {

namespace {

struct SectionName {
    std::string_view name;
    ExtraSection section;
};

constexpr std::array<SectionName, 8> Sections{{{"[Ranges]", ExtraSection::Ranges},
                                               {"[Menus]", ExtraSection::Menus},
                                               {"[Checks]", ExtraSection::Checks},
                                               {"[Tabs]", ExtraSection::Tabs},
                                               {"[Grids]", ExtraSection::Grids},
                                               {"[Colours]", ExtraSection::Colours},
                                               {"[Trackbars]", ExtraSection::Trackbars},
                                               {"[Lengths]", ExtraSection::Lengths}}};

// A cursor over the text; the text is a std::string, so reading one past its end gives the
// terminating NUL, and numbers can be read with the core's digit reader.
class Scanner {
public:
    explicit Scanner(std::string text) : text_(std::move(text)) {}

    char here() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }
    bool done() const { return here() == '\0'; }
    void skip_spaces() {
        while (here() == ' ')
            ++pos_;
    }
    void skip_to_space() {
        while (!done() && here() != ' ')
            ++pos_;
    }
    // To the end of the line and past its line feed.
    void next_line() {
        while (!done() && here() != '\n')
            ++pos_;
        if (here() == '\n') ++pos_;
    }
    int number() const { return yyAsciiToInt(text_.c_str() + pos_); }
    // Past the number just read: the scans that follow start from where it began.
    std::string_view rest() const { return std::string_view(text_).substr(pos_); }
    // The line from here to its line feed, at most ExtraItemChars characters, trailing spaces
    // cut; the cursor moves past the line feed.
    std::string take_line() {
        const std::size_t start = pos_;
        while (!done() && here() != '\n')
            ++pos_;
        std::string line = text_.substr(start, std::min(pos_ - start, ExtraItemChars));
        line.erase(line.find_last_not_of(' ') + 1);
        if (here() == '\n') ++pos_;
        return line;
    }

private:
    std::string text_;
    std::size_t pos_ = 0;
};

bool section_header(const Scanner& s, ExtraSection& section) {
    for (const SectionName& n : Sections) {
        if (s.rest().starts_with(n.name)) {
            section = n.section;
            return true;
        }
    }
    return false;
}

// The value after the identifier: past the identifier's digits to the next space, past the
// spaces after it.
void to_next_value(Scanner& s) {
    s.skip_to_space();
    s.skip_spaces();
}

ExtraEntry read_menu(Scanner& s, int field) {
    ExtraEntry e{ExtraSection::Menus, field, 0, {}};
    // Counts are unsigned digit strings; wrapped values stay as large as they read.
    const auto count = static_cast<unsigned>(s.number());
    to_next_value(s);
    e.value = static_cast<int>(static_cast<unsigned>(s.number()) - 1u);
    s.next_line();
    for (unsigned i = 0; i < count && !s.done(); ++i)
        e.items.push_back(s.take_line());
    return e;
}

} // namespace

std::vector<ExtraEntry> read_extra_information(std::span<const std::byte> bytes) {
    std::string text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    text.resize(std::min(text.size(), text.find('\0')));
    Scanner s(std::move(text));
    std::vector<ExtraEntry> entries;
    ExtraSection section = ExtraSection::None;
    while (!s.done()) {
        s.skip_spaces();
        if (s.done()) break;
        if (!section_header(s, section)) {
            const int field = s.number();
            to_next_value(s);
            switch (section) {
            case ExtraSection::Menus:
                entries.push_back(read_menu(s, field));
                continue; // the items took their lines
            case ExtraSection::Checks:
            case ExtraSection::Lengths:
                entries.push_back({section, field, s.number(), {}});
                break;
            default:
                break;
            }
        }
        s.next_line();
    }
    return entries;
}

} // namespace tess
