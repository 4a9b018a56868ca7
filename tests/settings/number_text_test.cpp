// How the settings tool reads a number out of a line: no exponents, the
// decimal point whatever the locale, and numbers too long for a double.
#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "game/settings/number_text.h"

namespace settings {
namespace {

TEST(NumberText, LeadingNumberReadsTheNumberAtTheFront) {
    const struct {
        const char* text;
        double number;
    } cases[] =
        {
            {"80", 80.0}, {"  -5", -5.0}, {"+7", 7.0},  {"2.5abc", 2.5},
            {".5", 0.5},  {"1.2.3", 1.2}, {"abc", 0.0}, {"", 0.0},
            {"-", 0.0},   {".", 0.0},     {"1e3", 1.0},  // no exponents: only the digits count
            {"1,5", 1.0},  // the decimal point is ".", whatever the locale
        };
    for (const auto& c : cases)
        EXPECT_EQ(LeadingNumber(c.text), c.number) << c.text;
}

TEST(NumberText, NumbersTooLongForADoubleStayOnTheirSide) {
    const std::string huge(400, '9');
    EXPECT_TRUE(std::isinf(LeadingNumber(huge)));
    EXPECT_GT(LeadingNumber(huge), 0.0);
    EXPECT_LT(LeadingNumber("-" + huge), 0.0);
    const std::string tiny = "0." + std::string(400, '0') + "1";
    EXPECT_EQ(LeadingNumber(tiny), 0.0);
}

TEST(NumberText, IsNumberWantsTheWholeTextToBeOneNumber) {
    for (const char* text : {"0", " 12 ", "-3.5", "+4", "5.", ".5", "\t7\t"})
        EXPECT_TRUE(IsNumber(text)) << text;
    for (const char* text : {"", " ", ".", "-", "abc", "12abc", "1 2", "1e3", "1,5", "--1"})
        EXPECT_FALSE(IsNumber(text)) << text;
}

TEST(NumberText, RoundsHalvesToEven) {
    const struct {
        double value;
        int rounded;
    } cases[] = {{2.5, 2}, {3.5, 4}, {2.4, 2}, {2.6, 3}, {-0.5, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(RoundHalfEven(c.value), c.rounded) << c.value;
}

}  // namespace
}  // namespace settings
