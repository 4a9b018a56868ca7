#include <gtest/gtest.h>

#include <cmath>

#include "game/core/game_state.h"
#include "game/core/monster_motion.h"
#include "game/platform/random.h"
#include "support/game_test.h"

namespace {

using namespace game;

TEST(MonsterStepLength, FollowsTheKind) {
    EXPECT_FLOAT_EQ(MonsterStepLength(0), 0.4f);
    EXPECT_FLOAT_EQ(MonsterStepLength(1), 0.6f);
    EXPECT_FLOAT_EQ(MonsterStepLength(2), 0.8f);
    EXPECT_FLOAT_EQ(MonsterStepLength(3), 0.9f);
    EXPECT_EQ(MonsterStepLength(4), 0.0f);
    EXPECT_EQ(MonsterStepLength(-1), 0.0f);
}

class RandomDirection : public testing_support::GameTest {};

TEST_F(RandomDirection, SplitsTheStepBetweenTheAxesFromThreeDraws) {
    AppendEntry(Monsters, MonsterCount);
    Monsters[0].Kind = 2;
    platform::Randomize(7);
    const float r1 = platform::Rnd(), r2 = platform::Rnd(), r3 = platform::Rnd();
    const float next = platform::Rnd();
    platform::Randomize(7);
    int16_t i = 0;
    PickRandomDirection(i);

    float a = 0.8f - r1 * 0.8f;
    const float b = 0.8f - a;
    if (r2 > 0.5f) a = -a;
    EXPECT_EQ(Monsters[0].DX, a);
    EXPECT_EQ(Monsters[0].DY, r3 > 0.5f ? -b : b);
    EXPECT_EQ(platform::Rnd(), next);  // exactly three numbers were drawn
}

TEST_F(RandomDirection, EveryDirectionHasTheStepLengthAndAllQuartersOccur) {
    AppendEntry(Monsters, MonsterCount);
    int16_t i = 0;
    bool quarters[2][2] = {};
    for (int n = 0; n < 400; ++n) {
        Monsters[0].Kind = static_cast<int16_t>(n % 4);
        PickRandomDirection(i);
        const Monster& m = Monsters[0];
        ASSERT_NEAR(std::fabs(m.DX) + std::fabs(m.DY), MonsterStepLength(m.Kind), 1e-6f);
        quarters[m.DX < 0][m.DY < 0] = true;
    }
    EXPECT_TRUE(quarters[0][0] && quarters[0][1] && quarters[1][0] && quarters[1][1]);
}

TEST_F(RandomDirection, AMonsterOfAnUnknownKindStandsStill) {
    AppendEntry(Monsters, MonsterCount);
    Monsters[0].Kind = 5;
    Monsters[0].DX = 0.3f;
    int16_t i = 0;
    PickRandomDirection(i);
    EXPECT_EQ(std::fabs(Monsters[0].DX), 0.0f);
    EXPECT_EQ(std::fabs(Monsters[0].DY), 0.0f);
}

}  // namespace
