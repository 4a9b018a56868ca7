#include <gtest/gtest.h>

#include "game/platform/clock.h"
#include "game/platform/random.h"

namespace {

TEST(Random, SeededSequencesRepeatAndStayBelowOne) {
    platform::Randomize(7);
    float first = platform::Rnd();
    float low = 1, high = 0;
    for (int i = 0; i < 200000; ++i) {
        float r = platform::Rnd();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        low = std::min(low, r);
        high = std::max(high, r);
    }
    EXPECT_LT(low, 0.001f);
    EXPECT_GT(high, 0.999f);
    platform::Randomize(7);
    EXPECT_EQ(platform::Rnd(), first);
}

TEST(Clock, TimeOfDayIsWithinADayAndCanBeReplaced) {
    float now = platform::TimeOfDay();
    EXPECT_GE(now, 0.0f);
    EXPECT_LT(now, 86401.0f);
    platform::SetTimeOfDaySource([] { return 12.5f; });
    EXPECT_EQ(platform::TimeOfDay(), 12.5f);
    platform::SetTimeOfDaySource(nullptr);
}

TEST(Clock, DifferencesAcrossMidnightGainADay) {
    EXPECT_FLOAT_EQ(platform::SecondsSince(100.0f, 103.5f), 3.5f);
    EXPECT_FLOAT_EQ(platform::SecondsSince(86399.0f, 1.0f), 2.0f);
}

}  // namespace
