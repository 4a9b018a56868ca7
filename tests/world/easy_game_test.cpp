// The easy game: its numbers, a blow, a fragment, a trap and potions taken
// through the rules in an easy and in a normal game, and how far apart the
// blows come in each.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "game/core/difficulty.h"
#include "game/core/health_signs.h"
#include "game/core/rules_version.h"
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

class EasyBlowsTest : public WorldTest {};

// Frames of a second and a half at 60 a second, blow by blow: the frames in
// which the hero lost a life to monsters of blow 1 that come into contact
// and step away, and to a trap floor under him.  Then how long a loss
// flashes.  The easy game of the rules before its grace paces them as the
// normal game does, so its recordings play as they were made.
TEST_F(EasyBlowsTest, TheEasyGameSpacesOutEveryBlow) {
    using Frames = std::vector<std::pair<int, int>>;  // from, to (not included)
    struct Scene {
        const char* name;
        Frames first, second, trap;
        int frames;
    };
    const Scene held{"one monster held in contact for six seconds", {{0, 360}}, {}, {}, 360};
    const Scene reentry{"a monster steps away and back", {{0, 10}, {18, 40}}, {}, {}, 40};
    const Scene another{
        "a second monster comes as the first strikes", {{0, 100}}, {{6, 100}}, {}, 100};
    const Scene trap{"a trap floor for six and a half seconds", {}, {}, {{0, 390}}, 390};
    const Scene trapThenMonster{
        "a monster comes just after the trap bit", {{2, 60}}, {}, {{0, 5}}, 60};
    const Difficulty kEasy = Difficulty::kEasy, kNormal = Difficulty::kNormal;
    const std::vector<int> heldNormal{0, 61, 122, 183, 244, 305};
    const std::vector<int> trapNormal{0, 60, 120, 180, 240, 300, 360};
    const struct {
        const Scene& scene;
        Difficulty difficulty;
        uint32_t rules;
        std::vector<int> blows;
        int64_t flashMs;
    } cases[] = {
        {held, kNormal, kNewestRules, heldNormal, 120},
        {held, kEasy, kNewestRules, {0, 151, 302}, 500},
        {held, kEasy, 2, heldNormal, 120},
        {reentry, kNormal, kNewestRules, {0, 18}, 120},
        // Back within the grace: he strikes as it ends.
        {reentry, kEasy, kNewestRules, {0, 30}, 500},
        {another, kNormal, kNewestRules, {0, 6, 61, 67}, 120},
        {another, kEasy, kNewestRules, {0, 30}, 500},
        {another, kEasy, 2, {0, 6, 61, 67}, 120},
        {trap, kNormal, kNewestRules, trapNormal, 120},
        {trap, kEasy, kNewestRules, {0, 150, 300}, 500},
        {trap, kEasy, 1, trapNormal, 120},
        {trapThenMonster, kNormal, kNewestRules, {0, 2}, 120},
        {trapThenMonster, kEasy, kNewestRules, {0, 30}, 500},
    };
    const auto within = [](const Frames& ranges, int f) {
        for (const auto& [from, to] : ranges)
            if (from <= f && f < to) return true;
        return false;
    };
    const float hx = HeroX, hy = HeroY;
    int16_t rat = AddMonster(hx + 100, hy, 0, 1, 1);
    int16_t other = AddMonster(hx, hy + 100, 0, 1, 1);
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.scene.name) + (c.difficulty == kEasy ? ", easy" : ", normal") +
                     ", rules " + std::to_string(c.rules));
        RulesVersion = c.rules;
        GameDifficulty = c.difficulty;
        Lives = MaxLives = 50;
        TrapTime = 0;
        LastBlowTime = -1;
        for (const int16_t m : {rat, other})
            Monsters[m].InContact = false;
        std::vector<int> blows;
        for (int f = 0; f < c.scene.frames; ++f) {
            SetClock(1000.0f + static_cast<float>(f) / 60.0f);
            const int16_t before = Lives;
            Monsters[rat].X = within(c.scene.first, f) ? hx + 5 : hx + 100;
            Monsters[other].Y = within(c.scene.second, f) ? hy + 5 : hy + 100;
            TouchHero(rat);
            TouchHero(other);
            if (within(c.scene.trap, f)) TrapStep();
            for (int lost = Lives; lost < before; ++lost)
                blows.push_back(f);
        }
        EXPECT_EQ(blows, c.blows);

        // A loss flashes as long as the grace after it, or the short flash.
        int64_t nowMs = 0;
        SetHealthClock([&nowMs] { return nowMs; });
        CurrentHealthSigns().Forget();
        FollowHealth();
        --Lives;
        FollowHealth();
        nowMs = c.flashMs - 1;
        FollowHealth();
        EXPECT_TRUE(CurrentHealthSigns().Look().hurtFlash);
        nowMs = c.flashMs;
        FollowHealth();
        EXPECT_FALSE(CurrentHealthSigns().Look().hurtFlash);
        SetHealthClock(nullptr);
    }
    RulesVersion = kNewestRules;
}

}  // namespace
