#include "public/infoerr.h"
#include "public/strint.h"

#include <gtest/gtest.h>
#include <random>
#include <string>

#include "util/error_record.h"

namespace {

struct Conversion {
    int value;
    int error;
};

Conversion convert(const std::string& text) {
    InfoError(1);
    int value = -1;
    IStringToInteger(TextRef(text), value);
    return {value, InfoError(1)};
}

TEST(StringToInteger, AcceptsTheFirstWordWithSign) {
    EXPECT_EQ(convert("  42  ").value, 42);
    EXPECT_EQ(convert("-17").value, -17);
    EXPECT_EQ(convert("+5").value, 5);
    EXPECT_EQ(convert("12 34").value, 12);
    EXPECT_EQ(convert("12 x").error, 0);
}

TEST(StringToInteger, ThirtyTwoBitLimits) {
    const Conversion max = convert("2147483647");
    EXPECT_EQ(max.value, 2147483647);
    EXPECT_EQ(max.error, 0);
    EXPECT_EQ(convert("-2147483647").value, -2147483647);
    // The magnitude is checked before the sign, so the most negative integer does not fit.
    for (const char* text : {"2147483648", "-2147483648", "3000000000", "9999999999"}) {
        const Conversion c = convert(text);
        EXPECT_EQ(c.value, 0) << text;
        EXPECT_EQ(c.error, 4) << text;
    }
    EXPECT_EQ(convert("00000000001").error, 4); // eleven digits, even though the value is 1
    EXPECT_EQ(convert("0000000001").value, 1);  // ten digits are fine
}

TEST(StringToInteger, ErrorsAndTheirValues) {
    EXPECT_EQ(convert("").error, 10);
    EXPECT_EQ(convert("     ").error, 10);
    const Conversion bad = convert("12a");
    EXPECT_EQ(bad.value, 0);
    EXPECT_EQ(bad.error, 12);
    EXPECT_EQ(convert("--1").error, 12);
    EXPECT_EQ(convert("1.5").error, 12);
    const Conversion sign = convert("-");
    EXPECT_EQ(sign.value, 0);
    EXPECT_EQ(sign.error, 0); // a sign without digits is zero, not an error
}

TEST(StringToInteger, SuccessKeepsAnEarlierError) {
    int value;
    IStringToInteger("x", value);
    IStringToInteger("7", value);
    EXPECT_EQ(value, 7);
    EXPECT_EQ(InfoError(1), 12);
}

// Reference model: what the first word means as a number, by the platform's own conversion.
Conversion reference(const std::string& text) {
    const std::size_t b = text.find_first_not_of(' ');
    if (b == std::string::npos) return {0, 10};
    const std::size_t e = text.find(' ', b);
    std::string word = text.substr(b, e == std::string::npos ? std::string::npos : e - b);
    std::size_t start = (word[0] == '-' || word[0] == '+') ? 1 : 0;
    for (std::size_t i = start; i < word.size(); ++i)
        if (word[i] < '0' || word[i] > '9') return {0, 12};
    if (start == word.size()) return {0, 0};
    if (word.size() - start > 10) return {0, 4};
    const long long magnitude = std::stoll(word.substr(start));
    if (magnitude > 2147483647LL) return {0, 4};
    return {static_cast<int>(word[0] == '-' ? -magnitude : magnitude), 0};
}

TEST(StringToInteger, AgreesWithAReferenceOnRandomTexts) {
    std::mt19937 rng(20261208);
    const std::string alphabet = "0123456789  +-a9";
    for (int round = 0; round < 20000; ++round) {
        std::string text(rng() % 14, ' ');
        for (char& c : text)
            c = alphabet[rng() % alphabet.size()];
        const Conversion want = reference(text);
        const Conversion got = convert(text);
        ASSERT_EQ(got.error, want.error) << '"' << text << '"';
        ASSERT_EQ(got.value, want.value) << '"' << text << '"';
    }
}

TEST(StringToInteger, RoundTripsEveryPrintedInteger) {
    std::mt19937 rng(7);
    for (int round = 0; round < 20000; ++round) {
        const int n = static_cast<int>(rng()) | 1; // never the unrepresentable minimum
        const std::string text = std::string(rng() % 3, ' ') + std::to_string(n) + "   ";
        ASSERT_EQ(convert(text).value, n) << text;
    }
}

TEST(LocateString, FindsTheFirstWordOnly) {
    int first, last;
    ILocateString("   x", first, last);
    EXPECT_EQ(first, 4);
    EXPECT_EQ(last, 4);
    ILocateString("abc", first, last);
    EXPECT_EQ(first, 1);
    EXPECT_EQ(last, 3);
    ILocateString("ab cd", first, last);
    EXPECT_EQ(first, 1);
    EXPECT_EQ(last, 2);
    ILocateString("    ", first, last);
    EXPECT_EQ(first, 0);
    EXPECT_EQ(last, 0);
    ILocateString("", first, last);
    EXPECT_EQ(first, 0);
}

TEST(ActualLengthAndLocateChar, SkipBlanksAndNuls) {
    const char mixed[] = {' ', 'a', 'b', '\0', ' ', '\0'};
    EXPECT_EQ(IActualLength(TextRef(mixed, sizeof mixed)), 3);
    EXPECT_EQ(ILocateChar(TextRef(mixed, sizeof mixed)), 2);
    EXPECT_EQ(IActualLength(TextRef("", 0)), 0);
    const char blanks[] = {'\0', ' ', '\0'};
    EXPECT_EQ(ILocateChar(TextRef(blanks, sizeof blanks)), 0);
}

TEST(CaseChange, TouchesOnlyAsciiLetters) {
    std::string text = "aZ09-\xE4\xC4{`@[";
    IUpperCase(text);
    EXPECT_EQ(text, "AZ09-\xE4\xC4{`@[");
    ILowerCase(text);
    EXPECT_EQ(text, "az09-\xE4\xC4{`@[");
}

std::string justify(std::string text, std::string_view code) {
    IJustifyString(text, code);
    return text;
}

TEST(JustifyString, LeftRightAndCentre) {
    EXPECT_EQ(justify("  ab      ", "L"), "ab        ");
    EXPECT_EQ(justify("  ab      ", "R"), "        ab");
    EXPECT_EQ(justify("  ab      ", "C"), "    ab    ");
    EXPECT_EQ(justify("  ab      ", " "), "    ab    ");
    EXPECT_EQ(justify("  ab      ", "r"), "        ab");
    // CENTRE holds an R, and R is tried before centring.
    EXPECT_EQ(justify("  ab      ", "CENTRE"), "        ab");
    // Overlapping moves keep every character.
    EXPECT_EQ(justify(" abcdefgh ", "L"), "abcdefgh  ");
    EXPECT_EQ(justify(" abcdefgh ", "R"), "  abcdefgh");
    EXPECT_EQ(justify("abcdef    ", "C"), "  abcdef  ");
    EXPECT_EQ(justify("    abcdef", "C"), "  abcdef  ");
    EXPECT_EQ(justify("a b       ", "R"), "       a b");
}

TEST(JustifyString, LeavesBlankAndFullBuffersAlone) {
    EXPECT_EQ(justify("          ", "R"), "          ");
    EXPECT_EQ(justify("abcdefghij", "C"), "abcdefghij");
    // NUL counts as blank at the ends, and is moved along when inside.
    std::string withNul("\0 ab", 4);
    IJustifyString(withNul, "L");
    EXPECT_EQ(withNul, "ab  ");
}

} // namespace
