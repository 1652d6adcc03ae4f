#include <gtest/gtest.h>

#include "resource/cp1252.h"

namespace {

TEST(Cp1252, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    const std::u16string wide = plat::cp1252_to_utf16(all);
    EXPECT_EQ(wide[0x80], u'\u20AC');
    EXPECT_EQ(wide[0x9F], u'\u0178');
    EXPECT_EQ(wide[0xE4], u'\u00E4');
    EXPECT_EQ(plat::utf16_to_cp1252(wide), all);
}

TEST(Cp1252, UnmappableCharactersBecomeOneQuestionMarkEach) {
    // A C1 control that the code page assigns elsewhere, a CJK character, a surrogate pair and a
    // lone surrogate.
    EXPECT_EQ(plat::utf16_to_cp1252(u"a\u0080b\u4E2Dc\U0001F600d\xD800"), "a?b?c?d?");
}

} // namespace
