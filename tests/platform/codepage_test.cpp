#include <gtest/gtest.h>

#include "game/platform/codepage.h"

namespace {

TEST(CodePage, EveryCzechLetterRoundTrips) {
    const std::string czech = "áčďéěíňóřšťúůýžÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ";
    auto encoded = platform::EncodeCp1250(czech);
    ASSERT_TRUE(encoded.ok);
    EXPECT_EQ(encoded.codes.size(), 30u);  // one code per letter
    EXPECT_EQ(platform::DecodeCp1250(encoded.codes), czech);
    // A few codes checked against the page itself.
    EXPECT_EQ(platform::UnicodeToCp1250(U'ř'), 0xF8);
    EXPECT_EQ(platform::UnicodeToCp1250(U'Ž'), 0x8E);
    EXPECT_EQ(platform::UnicodeToCp1250(U'ů'), 0xF9);
    EXPECT_EQ(platform::Cp1250ToUnicode(0xEC), U'ě');
}

TEST(CodePage, EveryCodeDecodesAndEncodesBackToItself) {
    for (int code = 0; code < 256; ++code) {
        char32_t ch = platform::Cp1250ToUnicode(static_cast<uint8_t>(code));
        auto back = platform::UnicodeToCp1250(ch);
        ASSERT_TRUE(back.has_value()) << code;
        EXPECT_EQ(*back, code);
    }
}

TEST(CodePage, CharactersThePageCannotHoldAreReportedWithTheirPlace) {
    auto encoded = platform::EncodeCp1250("Ahoj Саша");
    EXPECT_FALSE(encoded.ok);
    EXPECT_EQ(encoded.badChar, U'С');
    EXPECT_EQ(encoded.badOffset, 5u);
    EXPECT_FALSE(platform::FitsCp1250("€ ok but ☃ not"));
    EXPECT_TRUE(platform::FitsCp1250("Příliš žluťoučký kůň"));
}

TEST(CodePage, BrokenUtf8IsReportedNotCopied) {
    std::string broken = "ab\xC3";  // a lead byte without its follower
    auto encoded = platform::EncodeCp1250(broken);
    EXPECT_FALSE(encoded.ok);
    EXPECT_EQ(encoded.badOffset, 2u);
    EXPECT_EQ(platform::Utf8ToCodePoints("\xE2\x82").size(), 2u);
}

}  // namespace
