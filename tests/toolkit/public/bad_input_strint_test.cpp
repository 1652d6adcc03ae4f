// Texts without characters, input-only texts and texts far longer than any field: the string
// routines neither write where they may not nor record errors other than the conversion's.
// Already covered in strint_test.cpp: blank, non-digit, signs alone, 11 digits, the 32-bit
// limits, NULs at the ends.
#include "public/strint.h"

#include <climits>
#include <string>

#include "support/state_snapshot.h"

using tess::TextRef;

namespace {

TEST(BadStringInput, EmptyReadOnlyAndOverlongTexts) {
    const std::string digits(300, '1');
    const std::string zeros = std::string(299, '0') + "7";
    const std::string spaced = std::string(5000, ' ') + "42";
    const char input[] = "abc ";
    const auto number = [](TextRef text, int expected) {
        return [text, expected] {
            int value = 77;
            IStringToInteger(text, value);
            EXPECT_EQ(value, expected);
        };
    };
    const testsupport::BadCall rows[] = {
        {"convert no characters", number(TextRef(), 0), 10},
        {"convert 300 digits", number(digits, 0), 4},
        {"convert 300 digits, only the last not zero", number(zeros, 0), 4},
        {"convert after 5000 blanks", number(spaced, 42), 0},
        {"convert NULs: no blanks", number(TextRef("\0\0", 2), 0), 12},
        {"convert a sign and a NUL", number(TextRef("-\0", 2), 0), 12},
        {"lengths of no characters",
         [] {
             EXPECT_EQ(IActualLength(TextRef()), 0);
             EXPECT_EQ(ILocateChar(TextRef()), 0);
             int first = 9, last = 9;
             ILocateString(TextRef(), first, last);
             EXPECT_EQ(first + last, 0);
         },
         0},
        {"word of 5000 blanks and a word",
         [&] {
             int first = 0, last = 0;
             ILocateString(spaced, first, last);
             EXPECT_EQ(first, 5001);
             EXPECT_EQ(last, 5002);
         },
         0},
        {"case of an input-only text",
         [&] {
             IUpperCase(TextRef(input, 4));
             ILowerCase(TextRef(input, 4));
             EXPECT_EQ(std::string(input), "abc ");
         },
         0},
        {"justify an input-only text",
         [&] {
             IJustifyString(TextRef(input, 4), "R");
             EXPECT_EQ(std::string(input), "abc ");
         },
         0},
        {"justify with no code and an overlong code",
         [] {
             std::string text = "ab      ";
             IJustifyString(text, TextRef());
             EXPECT_EQ(text, "   ab   ");
             IJustifyString(text, std::string(1000, 'x') + "L");
             EXPECT_EQ(text, "ab      ");
         },
         0},
    };
    testsupport::expect_only_errors(rows);
}

} // namespace
