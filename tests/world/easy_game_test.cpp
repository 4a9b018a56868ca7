// The easy game: its numbers, and a blow, a fragment, a trap and potions
// taken through the rules in an easy and in a normal game.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "game/core/difficulty.h"
#include "game/platform/random.h"
#include "game/platform/rounding.h"
#include "game/world/strelba.h"
#include "game/world/world_effects.h"
#include "world/world_test.h"

namespace {

using namespace game;
using world_testing::WorldTest;

TEST(EasyGameNumbers, HalvesTheHurtRoundedUpAndDoublesTheHealing) {
    constexpr int32_t kLargest = std::numeric_limits<int32_t>::max();
    const struct {
        int32_t n, easyTaken, easyHealed;
    } cases[] = {
        {1, 1, 2},  // a trap's one life stays one
        {2, 1, 4},
        {3, 2, 6},
        {15, 8, 30},   // a blow, or a bomb's fragment of strength 15
        {0, 0, 0},     // a blow of nothing takes nothing, a full hero heals nothing
        {-3, -3, -3},  // a level's odd monster that gives is left as it is
        {kLargest / 2, kLargest / 4 + 1, kLargest - 1},
        {kLargest / 2 + 1, kLargest / 4 + 1, kLargest},  // the doubling stops at the end
        {kLargest, kLargest / 2 + 1, kLargest},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LivesTaken(Difficulty::kNormal, c.n), c.n);
        EXPECT_EQ(LivesHealed(Difficulty::kNormal, c.n), c.n);
        EXPECT_EQ(LivesTaken(Difficulty::kEasy, c.n), c.easyTaken) << c.n;
        EXPECT_EQ(LivesHealed(Difficulty::kEasy, c.n), c.easyHealed) << c.n;
    }
}

class EasyGameTest : public WorldTest, public testing::WithParamInterface<Difficulty> {};

// A seed whose first random number makes a potion heal `wanted` at hero
// level 3 (1 to 20).
uint64_t SeedForHealing(int32_t wanted) {
    for (uint64_t seed = 1;; ++seed) {
        platform::Randomize(seed);
        if (platform::CInt(platform::Rnd() * 19.0f + 1.0f) == wanted) return seed;
    }
}

TEST_P(EasyGameTest, TheRulesTakeAndHealAsTheGameUnderWayIs) {
    const bool easy = GetParam() == Difficulty::kEasy;
    GameDifficulty = GetParam();
    Lives = MaxLives = 50;
    HeroLevel = 3;

    // A monster of blow 3 comes into contact: it strikes at once.
    SetClock(1000.0f);
    int16_t monster = AddMonster(HeroX + 5, HeroY, 0, 1, 3);
    TouchHero(monster);
    EXPECT_EQ(Lives, easy ? 48 : 47);
    // A fragment of a bomb of strength 15.
    BombStrength = 15;
    int16_t fragment = AppendEntry(Fragments, FragmentCount);
    Fragments[fragment] = Projectile{HeroX + 5, HeroY, HeroX + 5, HeroY, 2.0f, 0.0f};
    EXPECT_TRUE(FragmentHitsHero(fragment));
    EXPECT_EQ(Lives, easy ? 40 : 32);
    // A trap's bite.
    TrapTime = 0;
    TrapStep();
    EXPECT_EQ(Lives, easy ? 39 : 31);
    EXPECT_EQ(windows.livesCaption, easy ? "39" : "31");

    // A potion that heals 5, then the same with 7 lives short of the most.
    const auto drinkFive = [] {
        platform::Randomize(SeedForHealing(5));
        int16_t potion = AddItem(100, 200, 2);
        PickUpItem(potion);
    };
    drinkFive();
    EXPECT_EQ(Lives, easy ? 49 : 36);
    Lives = 43;
    drinkFive();
    EXPECT_EQ(Lives, easy ? 50 : 48);

    const std::vector<std::string> told =
        easy ? std::vector<std::string>{"Byl jsi zraněn za 2 životy...",
                                        "Byl jsi zraněn za 8 životů...",
                                        "Byl jsi zraněn za 1 život...",
                                        "Byl jsi vyléčen za 10 životů...",
                                        "Byl jsi vyléčen za 7 životů..."}
             : std::vector<std::string>{
                   "Byl jsi zraněn za 3 životy...", "Byl jsi zraněn za 15 životů...",
                   "Byl jsi zraněn za 1 život...", "Byl jsi vyléčen za 5 životů...",
                   "Byl jsi vyléčen za 5 životů..."};
    EXPECT_EQ(windows.LogLines(), told);
    EXPECT_EQ(FloatTextTexts(), easy ? (std::vector<std::string>{"2-", "8-", "-1", "10+", "7+"})
                                     : (std::vector<std::string>{"3-", "15-", "-1", "5+", "5+"}));
}

INSTANTIATE_TEST_SUITE_P(BothGames, EasyGameTest,
                         testing::Values(Difficulty::kNormal, Difficulty::kEasy),
                         [](const testing::TestParamInfo<Difficulty>& info) {
                             return info.param == Difficulty::kEasy ? "Easy" : "Normal";
                         });

}  // namespace
