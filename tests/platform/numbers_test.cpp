#include <gtest/gtest.h>

#include "game/platform/numbers.h"
#include "game/platform/rounding.h"

namespace {

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(platform::CInt(2.5), 2);
    EXPECT_EQ(platform::CInt(3.5), 4);
    EXPECT_EQ(platform::CInt(-2.5), -2);
    EXPECT_EQ(platform::CInt(-0.5), 0);
    EXPECT_EQ(platform::CInt(0.5000001), 1);
    EXPECT_EQ(platform::CLng(1234567.5), 1234568);
    EXPECT_EQ(platform::CLng(1234566.5), 1234566);
}

TEST(Rounding, OutOfRangeSaturatesInsteadOfWrapping) {
    EXPECT_EQ(platform::CInt(40000.0), 32767);
    EXPECT_EQ(platform::CInt(-40000.0), -32768);
    EXPECT_EQ(platform::CInt(std::nan("")), 0);
}

TEST(Rounding, FloorGoesTowardsMinusInfinity) {
    EXPECT_EQ(platform::FloorLng(10.7), 10);
    EXPECT_EQ(platform::FloorLng(-0.5), -1);
    EXPECT_EQ(platform::FloorLng(-1.0), -1);
}

TEST(LeadingNumber, ReadsTheNumberAtTheStartOfAText) {
    EXPECT_EQ(platform::LeadingNumber("12 0"), 12);
    EXPECT_EQ(platform::LeadingNumber("3abc"), 3);
    EXPECT_EQ(platform::LeadingNumber("abc"), 0);
    EXPECT_EQ(platform::LeadingNumber(""), 0);
    EXPECT_EQ(platform::LeadingNumber("  -5"), -5);
    EXPECT_DOUBLE_EQ(platform::LeadingNumber("2.5x"), 2.5);
    EXPECT_DOUBLE_EQ(platform::LeadingNumber(".5"), 0.5);
    EXPECT_EQ(platform::LeadingNumber("-"), 0);
    EXPECT_EQ(platform::LeadingNumber("1e3"), 1000);
    EXPECT_EQ(platform::LeadingNumber("7e"), 7);     // an exponent needs digits
    EXPECT_EQ(platform::LeadingNumber("1e999"), 0);  // no infinities reach the rules
}

TEST(IsNumber, AcceptsOnlyAWholeDecimalNumber) {
    EXPECT_TRUE(platform::IsNumber("80"));
    EXPECT_TRUE(platform::IsNumber(" -5 "));
    EXPECT_TRUE(platform::IsNumber("2.5"));
    EXPECT_TRUE(platform::IsNumber("+3."));
    EXPECT_FALSE(platform::IsNumber(""));
    EXPECT_FALSE(platform::IsNumber("abc"));
    EXPECT_FALSE(platform::IsNumber("12 0"));
    EXPECT_FALSE(platform::IsNumber("5%"));
    EXPECT_FALSE(platform::IsNumber("."));
}

}  // namespace
