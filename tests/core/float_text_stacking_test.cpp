// Where the floating texts are drawn when several rise at one place.
#include <gtest/gtest.h>

#include <vector>

#include "game/core/float_text_stacking.h"

namespace {

using game::FloatTextBox;
using game::StackedTops;

TEST(FloatTextStacking, ANewerTextThatWouldCoverAnOlderOneStandsAboveIt) {
    struct Case {
        const char* what;
        std::vector<FloatTextBox> boxes;  // left, top, width, height, age
        std::vector<int> tops;
    };
    const Case cases[] = {
        {"apart, each where the rules put it",
         {{10, 100, 20, 12, 5}, {40, 100, 20, 12, 1}},
         {100, 100}},
        {"side by side, touching", {{10, 100, 20, 12, 5}, {30, 104, 20, 12, 1}}, {100, 104}},
        {"one over the other, touching", {{10, 100, 20, 12, 5}, {10, 88, 20, 12, 1}}, {100, 88}},
        {"at one place, the newer above", {{10, 100, 20, 12, 5}, {12, 103, 16, 12, 1}}, {100, 88}},
        // The order of the list is not the order they came in: the age is.
        {"three at one place",
         {{10, 100, 20, 12, 1}, {10, 100, 20, 12, 9}, {10, 100, 20, 12, 4}},
         {76, 100, 88}},
        {"moved above one, then above the next it meets",
         {{10, 100, 20, 12, 9}, {25, 90, 20, 12, 5}, {20, 98, 10, 12, 1}},
         {100, 88, 76}},
        {"the same age keeps the list's order", {{0, 50, 8, 8, 3}, {0, 50, 8, 8, 3}}, {50, 42}},
        {"nothing", {}, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StackedTops(c.boxes), c.tops) << c.what;
}

}  // namespace
