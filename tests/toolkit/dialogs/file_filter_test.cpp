// The file selection's filter text turned into the platform's NUL-separated list.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/wcomdlg.h"

namespace {

// The items of a list that ends in two NULs.
std::vector<std::string> items(const tess::FilterList& list) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < list.size() && list[i] != '\0';) {
        out.emplace_back(list.data() + i);
        i += out.back().size() + 1;
    }
    return out;
}

struct FilterCase {
    const char* what;
    int source;
    const char* text;
    std::vector<std::string> items;
};

TEST(FileFilter, SeparatorIsTheLastCharacter) {
    const FilterCase cases[] = {
        {"the demo's filter",
         -1,
         "Formaldrix Ergebnis Dateien|*.dat|Alle Dateien|*.*|",
         {"Formaldrix Ergebnis Dateien", "*.dat", "Alle Dateien", "*.*"}},
        {"another separator", -1, "Texte;*.txt;*.doc;", {"Texte", "*.txt", "*.doc"}},
        {"no trailing separator", -1, "Texte|*.txt", {"Tex", "e|*.", "x"}},
        {"empty", -1, "", {}},
        {"no filter", 0, "Texte|*.txt|", {}},
        {"no such string", 46999, "Texte|*.txt|", {}},
        {"null text", -1, nullptr, {}},
    };
    for (const auto& c : cases) {
        const tess::FilterList list = tess::file_filter_list(c.source, c.text);
        EXPECT_EQ(items(list), c.items) << c.what;
    }
}

// A text longer than the list holds is cut, and the list still ends in two NULs.
TEST(FileFilter, LongTextIsCut) {
    std::string text;
    while (text.size() < 400)
        text += "Dateien|*.abc|";
    const tess::FilterList list = tess::file_filter_list(-1, text.c_str());
    EXPECT_EQ(list[tess::MaxFilter], '\0');
    EXPECT_EQ(list[tess::MaxFilter + 1], '\0');
    const auto all = items(list);
    ASSERT_FALSE(all.empty());
    // Cut after 18 repetitions and "Date": its 'e' became the separator.
    EXPECT_EQ(all.front(), "Dat");
}

} // namespace
