// The file dialogs' name handling apart from any window: filters, typed names and paths,
// default extensions and what the caller's buffer receives.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commdlg/file_names.h"

namespace {

using namespace std::string_literals;
using plat::FileFilter;

std::string joined(const std::vector<std::string>& v) {
    std::string out;
    for (const std::string& s : v)
        out.append(out.empty() ? "" : "|").append(s);
    return out;
}

TEST(FileFilters, PairsAndPatternLists) {
    const struct {
        std::string bytes;    // as the caller lays it out, NULs included
        std::string expected; // description=patterns, filters separated by ' / '
    } rows[] = {
        {"Text\0*.txt\0\0"s, "Text=*.txt"},
        {"Text\0*.txt\0All\0*.*\0\0"s, "Text=*.txt / All=*.*"},
        {"Data\0*.dat; *.txt ;*.csv\0\0"s, "Data=*.dat|*.txt|*.csv"},
        {"Odd\0;;*.a;;\0\0"s, "Odd=*.a"},
        {"No patterns\0\0"s, ""},                 // a description alone is dropped
        {"Empty\0;\0Next\0*.n\0\0"s, "Next=*.n"}, // so is one whose list is empty
        {"\0"s, ""},
    };
    for (const auto& row : rows) {
        std::string shown;
        for (const FileFilter& f : plat::parse_filters(row.bytes.c_str(), row.bytes.size() + 1))
            shown.append(shown.empty() ? "" : " / ")
                .append(f.description)
                .append("=")
                .append(joined(f.patterns));
        EXPECT_EQ(shown, row.expected) << row.bytes;
    }
    EXPECT_TRUE(plat::parse_filters(nullptr).empty());
}

// A list that never ends is read no further than the limit.
TEST(FileFilters, UnterminatedListStopsAtTheLimit) {
    const char bytes[] = {'A', '\0', '*', '.', 'a', '\0', 'B', '\0', '*', '.', 'b'};
    const auto filters = plat::parse_filters(bytes, sizeof bytes);
    ASSERT_EQ(filters.size(), 1u);
    EXPECT_EQ(filters[0].description, "A");
}

TEST(FileFilters, ExtensionOfTheFirstPattern) {
    const struct {
        std::vector<std::string> patterns;
        const char* ext;
    } rows[] = {
        {{"*.dat", "*.txt"}, "dat"}, {{"*.*"}, ""},    {{"*"}, ""},          {{"*.t?t"}, ""},
        {{"*.tar.gz"}, ""},          {{"data.*"}, ""}, {{"*.html"}, "html"}, {{}, ""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(plat::filter_extension({"d", row.patterns}), row.ext) << joined(row.patterns);
}

TEST(FileFilters, MatchingSeveralPatterns) {
    const std::vector<std::string> patterns = {"*.dat", "*.txt"};
    const struct {
        const char* name;
        bool match;
    } rows[] = {{"a.dat", true}, {"a.txt", true},      {"A.TXT", true}, {"a.csv", false},
                {"dat", false},  {"a.dat.bak", false}, {".txt", true}};
    for (const auto& row : rows)
        EXPECT_EQ(plat::matches_any(patterns, row.name), row.match) << row.name;
}

TEST(FilePaths, ResolvingTypedNames) {
    const struct {
        const char* dir;
        const char* typed;
        const char* expected;
    } rows[] = {
        {"/home/u", "a.txt", "/home/u/a.txt"},
        {"/home/u", "sub/a.txt", "/home/u/sub/a.txt"},
        {"/home/u", "../a.txt", "/home/a.txt"},
        {"/home/u", "./x/../y", "/home/u/y"},
        {"/home/u", "/etc//passwd", "/etc/passwd"},
        {"/home/u", "sub/", "/home/u/sub"},
        {"/", "..", "/"},
        {"/", "../../a", "/a"},
        {"/home/u", "..", "/home"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(plat::resolve_path(row.dir, row.typed), row.expected) << row.typed;
}

TEST(FilePaths, PartsAndJoins) {
    const struct {
        const char* path;
        const char* dir;
        const char* name;
    } rows[] = {{"/a/b/c.txt", "/a/b", "c.txt"}, {"/c.txt", "/", "c.txt"}, {"c", ".", "c"}};
    for (const auto& row : rows) {
        EXPECT_EQ(plat::directory_part(row.path), row.dir);
        EXPECT_EQ(plat::name_part(row.path), row.name);
    }
    EXPECT_EQ(plat::join_path("/", "a"), "/a");
    EXPECT_EQ(plat::join_path("/x", "a"), "/x/a");
}

TEST(FilePaths, ExtensionsAndDefaults) {
    const struct {
        const char* path;
        const char* defExt; // nullptr: none
        const char* filterExt;
        const char* expected;
    } rows[] = {
        {"/d/report", "txt", "dat", "/d/report.txt"},
        {"/d/report", "", "dat", "/d/report.dat"},      // an empty default takes the filter's
        {"/d/report", "", "", "/d/report"},             // a filter of every name has none
        {"/d/report", nullptr, "dat", "/d/report"},     // no default, nothing appended
        {"/d/report", "markdown", "", "/d/report.mar"}, // three characters of it
        {"/d/report.csv", "txt", "", "/d/report.csv"},
        {"/d/report.", "txt", "", "/d/report."},       // a final dot is an extension of its own
        {"/d/.profile", "txt", "", "/d/.profile.txt"}, // a leading dot only hides
        {"/d.x/report", "txt", "", "/d.x/report.txt"}, // a dot of the directory is no extension
    };
    for (const auto& row : rows)
        EXPECT_EQ(plat::with_default_extension(row.path, row.defExt, row.filterExt), row.expected)
            << row.path << " " << (row.defExt ? row.defExt : "(null)");
}

TEST(FilePaths, ValidPaths) {
    EXPECT_TRUE(plat::valid_path("/a/b"));
    EXPECT_FALSE(plat::valid_path(""));
    EXPECT_TRUE(plat::valid_path("/" + std::string(255, 'x')));
    EXPECT_FALSE(plat::valid_path("/" + std::string(256, 'x')));
    EXPECT_FALSE(plat::valid_path(std::string(5000, '/')));
}

TEST(TypedNames, SplitAndQuoted) {
    const struct {
        const char* text;
        const char* names;
    } rows[] = {
        {"a.txt", "a.txt"},
        {"  with blanks.txt  ", "with blanks.txt"},
        {"\"a.txt\" \"b c.txt\"", "a.txt|b c.txt"},
        {"\"a.txt\"\"b.txt\"", "a.txt|b.txt"},
        {"\"only\"", "only"},
        {"\"open", "open"},
        {"\"\" \"x\"", "x"},
        {"", ""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(joined(plat::split_typed_names(row.text)), row.names) << row.text;
    EXPECT_EQ(plat::quote_names({"a.txt"}), "a.txt");
    EXPECT_EQ(plat::quote_names({"a.txt", "b c"}), "\"a.txt\" \"b c\"");
    // What the field shows for a selection reads back as the same names.
    const std::vector<std::string> names = {"x y", "z"};
    EXPECT_EQ(plat::split_typed_names(plat::quote_names(names)), names);
}

// lpstrFile's contents and the offsets into it, as the documentation describes them.
TEST(FileResults, SingleAndMultiple) {
    const struct {
        plat::FileResult result;
        std::string bytes;
        WORD fileOffset;
        WORD extensionOffset;
    } rows[] = {
        {plat::single_file_result("/d/a.txt", false), "/d/a.txt\0"s, 3, 5},
        {plat::single_file_result("/d/a.txt", true), "/d/a.txt\0\0"s, 3, 5},
        {plat::single_file_result("/d/Notes", false), "/d/Notes\0"s, 3, 8}, // at the NUL
        {plat::single_file_result("/d/a.", false), "/d/a.\0"s, 3, 0},       // final dot: zero
        {plat::multiple_file_result("/d", {"a.txt", "b"}, '\0'), "/d\0a.txt\0b\0\0"s, 3, 0},
        {plat::multiple_file_result("/", {"a", "b"}, '\0'), "/\0a\0b\0\0"s, 2, 0},
        {plat::multiple_file_result("/d", {"a", "b"}, ' '), "/d a b\0\0"s, 3, 0},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(row.result.bytes, row.bytes);
        EXPECT_EQ(row.result.fileOffset, row.fileOffset) << row.bytes;
        EXPECT_EQ(row.result.extensionOffset, row.extensionOffset) << row.bytes;
    }
}

// A buffer too small keeps its bytes but the first two, which give the size needed.
TEST(FileResults, StoringIntoBuffersOfEverySize) {
    const plat::FileResult r = plat::single_file_result("/d/a.txt", false); // 9 bytes
    for (DWORD size = 0; size <= 12; ++size) {
        std::string buffer(12, '#');
        const bool stored = plat::store_result(r, buffer.data(), size);
        EXPECT_EQ(stored, size >= 9) << size;
        if (stored) {
            EXPECT_EQ(buffer.substr(0, 9), r.bytes);
            EXPECT_EQ(buffer.substr(9), std::string(3, '#')) << "written past the result";
        } else if (size >= 2) {
            EXPECT_EQ(static_cast<unsigned char>(buffer[0]) | (buffer[1] << 8), 9) << size;
            EXPECT_EQ(buffer.substr(2), std::string(10, '#')) << size;
        } else {
            EXPECT_EQ(buffer, std::string(12, '#')) << size;
        }
    }
}

} // namespace
