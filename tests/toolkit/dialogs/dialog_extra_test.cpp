// The extra-information resource: the reader on byte sequences, and its effect at load.
#include <cstring>

#include "dialog_fixture.h"
#include "dialogs/dialog_extra.h"

namespace dlgtest {
namespace {

using tess::ExtraEntry;
using tess::ExtraSection;

std::vector<ExtraEntry> read(const std::string& text) {
    return tess::read_extra_information(
        std::as_bytes(std::span<const char>(text.data(), text.size())));
}

struct ReaderCase {
    const char* name;
    std::string text;
    std::vector<ExtraEntry> expected;
};

bool same(const ExtraEntry& a, const ExtraEntry& b) {
    return a.section == b.section && a.field == b.field && a.value == b.value && a.items == b.items;
}

constexpr auto Menus = ExtraSection::Menus;
constexpr auto Checks = ExtraSection::Checks;
constexpr auto Lengths = ExtraSection::Lengths;

TEST(ExtraReader, Cases) {
    const std::string longLine(10000, 'x');
    const std::vector<ReaderCase> cases = {
        {"the demo's resource",
         std::string("[Checks]\n 1021 1 \n 1022 0 \n[Menus]\n 1015     6     2 \n1 \n2 \n3 \n4 \n5 "
                     "\n6 \n[Lengths]\n\0\0",
                     82),
         {{Checks, 1021, 1, {}},
          {Checks, 1022, 0, {}},
          {Menus, 1015, 1, {"1", "2", "3", "4", "5", "6"}}}},
        {"selection 0 is none", "[Menus]\n 5 1 0\nA\n", {{Menus, 5, -1, {"A"}}}},
        {"leading spaces stay, trailing go",
         "[Menus]\n 5 1 1\n  a b  \n",
         {{Menus, 5, 0, {"  a b"}}}},
        {"a count beyond the items takes headers and all",
         "[Menus]\n 5 4 1\nA\n[Checks]\n 7 1\n",
         {{Menus, 5, 0, {"A", "[Checks]", " 7 1"}}}},
        {"the line after the items is read again as data",
         "[Menus]\n 5 1 1\nA\n 6 1 1\nB\n",
         {{Menus, 5, 0, {"A"}}, {Menus, 6, 0, {"B"}}}},
        {"data before any header and in the sections without effect",
         " 7 1\n[Ranges]\n 7 1\n[Tabs]\n 7 1\n[Grids]\n 7 1\n[Colours]\n 7 1\n[Trackbars]\n 7 1\n",
         {}},
        {"headers are case-sensitive prefixes; the rest of their line is ignored",
         "   [Checks]xyz 9 9\n 7 1\n[checks]\n 8 1\n",
         {{Checks, 7, 1, {}}, {Checks, 0, 8, {}}}},
        {"lengths", "[Lengths]\n 3 12\n 4 0\n", {{Lengths, 3, 12, {}}, {Lengths, 4, 0, {}}}},
        {"no line feed at the end", "[Checks]\n 7 1", {{Checks, 7, 1, {}}}},
        {"text ends at the first NUL",
         std::string("[Checks]\n 7 1\n\0 8 1\n", 20),
         {{Checks, 7, 1, {}}}},
        {"an item line is cut to 1024 characters",
         "[Menus]\n 5 2 2\n" + longLine + "\nB\n",
         {{Menus, 5, 1, {std::string(1024, 'x'), "B"}}}},
        {"a 10,000-character data line",
         "[Checks]\n 7 " + longLine + "\n 8 1\n",
         {{Checks, 7, 0, {}}, {Checks, 8, 1, {}}}},
        {"a data line without space runs on into the next line",
         "[Checks]\n 7\n 8 1\n",
         {{Checks, 7, 8, {}}}},
        {"tabs are no blanks", "[Checks]\n\t7 1\n", {{Checks, 0, 1, {}}}},
        {"only header", "[Menus]", {}},
        {"empty", "", {}},
    };
    for (const ReaderCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<ExtraEntry> got = read(c.text);
        ASSERT_EQ(got.size(), c.expected.size());
        for (std::size_t i = 0; i < got.size(); ++i)
            EXPECT_TRUE(same(got[i], c.expected[i]))
                << "entry " << i << " field " << got[i].field << " value " << got[i].value;
    }
}

// Every byte value and every cut-off point: the reader stays inside the bytes it is given
// (the sanitiser build checks the reads) and keeps at most 1024 characters per item.
TEST(ExtraReader, ArbitraryBytesAndTruncations) {
    std::string bytes = "[Menus]\n 5 3 2\nA\n";
    for (int i = 1; i < 256; ++i)
        bytes.push_back(static_cast<char>(i));
    bytes += "\n[Checks]\n 7 1\n[Menus]\n 9 99999999999 99999999999\n";
    for (std::size_t n = 0; n <= bytes.size(); ++n) {
        const std::vector<char> exact(bytes.begin(), bytes.begin() + static_cast<long>(n));
        for (const ExtraEntry& e : tess::read_extra_information(std::as_bytes(std::span(exact))))
            for (const std::string& item : e.items)
                ASSERT_LE(item.size(), tess::ExtraItemChars);
    }
}

using ExtraLoadTest = DialogTest;

TEST_F(ExtraLoadTest, AppliedAtLoad) {
    const HWND all = load(DLG_ALL);
    ASSERT_TRUE(all);
    // Checks; data lines of the sections without effect leave the second radio button alone.
    EXPECT_EQ(IsDlgButtonChecked(all, ID_CHECK), BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(all, ID_RADIO1), BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(all, ID_RADIO2), BST_UNCHECKED);
    // Menus: selection 2 and 0; leading spaces kept, trailing ones cut; a list box by its own
    // messages.
    const HWND combo = item(all, ID_COMBO), drop = item(all, ID_DROPLIST),
               list = item(all, ID_LIST);
    ASSERT_EQ(count(combo, true), 3);
    EXPECT_EQ(list_item(combo, 0, true), "Eins");
    EXPECT_EQ(list_item(combo, 1, true), "  Zwei");
    EXPECT_EQ(selection(combo, true), 1);
    EXPECT_EQ(text(combo), "  Zwei");
    EXPECT_EQ(count(drop, true), 2);
    EXPECT_EQ(selection(drop, true), -1);
    ASSERT_EQ(count(list, false), 2);
    EXPECT_EQ(list_item(list, 0, false), "  links");
    EXPECT_EQ(list_item(list, 1, false), "rechts");
    EXPECT_EQ(selection(list, false), 0);
    // Lengths: recorded, and limiting; the length in [Ranges] has no effect.
    EXPECT_EQ(tess::field_record(item(all, ID_EDIT))->MaxLength, 5);
    EXPECT_EQ(SendMessageA(item(all, ID_EDIT), EM_GETLIMITTEXT, 0, 0), 5);
    EXPECT_EQ(tess::field_record(combo)->MaxLength, 4);
    EXPECT_EQ(tess::field_record(item(all, ID_MEMO))->MaxLength, 0);
}

TEST_F(ExtraLoadTest, LengthLimitsTyping) {
    const HWND all = load(DLG_ALL);
    WDialogShow(10, 10, ID_EDIT, 2);
    type("abcdefgh");
    drain();
    EXPECT_EQ(text(item(all, ID_EDIT)), "abcde");
}

TEST_F(ExtraLoadTest, CountBeyondItemsTakesTheFollowingLines) {
    const HWND d = load(DLG_COUNT);
    const HWND list = item(d, ID_LIST);
    ASSERT_EQ(count(list, false), 4);
    EXPECT_EQ(list_item(list, 2, false), "[Checks]");
    EXPECT_EQ(list_item(list, 3, false), " 1207 1");
    EXPECT_EQ(selection(list, false), -1);
    EXPECT_EQ(IsDlgButtonChecked(d, ID_CHECK), BST_UNCHECKED);
}

TEST_F(ExtraLoadTest, LongLineAndNoTrailingLineFeed) {
    const HWND d = load(DLG_LONG);
    const HWND combo = item(d, ID_COMBO);
    ASSERT_EQ(count(combo, true), 2);
    EXPECT_EQ(list_item(combo, 0, true), std::string(1024, 'x'));
    EXPECT_EQ(list_item(combo, 1, true), "zwei");
    EXPECT_EQ(selection(combo, true), 0);
    EXPECT_EQ(IsDlgButtonChecked(d, ID_CHECK), BST_CHECKED);
    EXPECT_EQ(last_error(), 0);
}

// Binary garbage loads the dialog; what follows the NUL (a length for the edit field) is not
// read, and the fields keep what the template gave them.
TEST_F(ExtraLoadTest, BinaryGarbage) {
    const HWND d = load(DLG_GARBAGE);
    ASSERT_TRUE(d);
    EXPECT_EQ(last_error(), 0);
    EXPECT_EQ(current_id(), DLG_GARBAGE);
    EXPECT_EQ(tess::field_record(item(d, ID_EDIT))->MaxLength, 0);
    EXPECT_EQ(text(item(d, ID_EDIT)), "");
    EXPECT_EQ(count(item(d, ID_COMBO), true), 0);
}

} // namespace
} // namespace dlgtest
