#include "util/text_arg.h"

#include <gtest/gtest.h>
#include <string>

using tess::FixedString;
using tess::TextRef;

namespace {

TEST(TextRef, LengthTravelsWithTheText) {
    EXPECT_EQ(TextRef("abc").size(), 3u);
    char buffer[8];
    EXPECT_EQ(TextRef(buffer).size(), 8u); // a buffer counts its whole declared length
    std::string s = "hello  ";
    EXPECT_EQ(TextRef(s).size(), 7u);
    EXPECT_EQ(TextRef(s).trimmed(), "hello");
    FixedString<12> f;
    EXPECT_EQ(TextRef(f).size(), 12u);
}

TEST(TextRef, AssignPadsWithBlanksAndCuts) {
    FixedString<5> f;
    TextRef(f).assign("ab");
    EXPECT_EQ(f.view(), "ab   ");
    TextRef(f).assign("abcdefgh");
    EXPECT_EQ(f.view(), "abcde");
    TextRef(f).assign("");
    EXPECT_EQ(f.view(), "     ");
}

TEST(TextRef, InputOnlyTextsAreNeverWritten) {
    const std::string constant = "keep";
    TextRef(constant).assign("gone");
    TextRef(constant).set(0, 'x');
    EXPECT_EQ(constant, "keep");
    EXPECT_EQ(TextRef("lit").mutable_data(), nullptr);
}

TEST(FixedString, StartsBlankAndComparesWithoutTrailingBlanks) {
    FixedString<6> f;
    EXPECT_EQ(f.view(), "      ");
    f = "ab";
    EXPECT_TRUE(f == "ab");
    EXPECT_TRUE(f == "ab  ");
    EXPECT_FALSE(f == " ab");
    EXPECT_EQ(f.str(), "ab");
}

} // namespace
