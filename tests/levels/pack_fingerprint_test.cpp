// A campaign's fingerprint is the same in its levels.all and in a save of a
// game played there, whatever the play did to the levels, and differs for
// another campaign's levels; a save without its description is then known
// by it, or refused.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "game/core/game_state.h"
#include "game/levels/byte_stream.h"
#include "game/levels/level_files.h"
#include "game/levels/pack_fingerprint.h"
#include "game/levels/save_campaign.h"
#include "game/world/strelba.h"
#include "game/world/world_effects.h"
#include "levels/levels_test.h"

namespace {

using namespace game;

class PackFingerprint : public levels_test::LevelsTest {
  protected:
    // Two sample levels, each with a sign of its own; level 0 with a second
    // breakable wall.
    static PackageRecord Campaign() {
        PackageRecord campaign;
        campaign.levels.assign(2, levels_test::SampleLevel());
        campaign.levels[0].tiles[40] = {21, kDestructibleWall, kFalse, "12", "25"};
        campaign.levels[1].tiles[31].Param1 = "Druhé patro";
        return campaign;
    }

    // The level as the rules leave it after `play` on it in memory.
    static LevelRecord Played(const LevelRecord& level, const std::function<void()>& play) {
        UseLevelRecord(level);
        play();
        return CurrentLevelRecord();
    }

    // The hero's centre steps onto the tile.
    static void StepOn(int16_t tile) {
        HeroX = Tiles[tile].X + 2;
        HeroY = Tiles[tile].Y + 2;
        LastHeroTile = -1;
        HeroTileEvents();
    }

    static std::vector<uint8_t> Bytes(PackageRecord package, bool asSave) {
        if (asSave) package.header = "hra.lev";
        ByteWriter out;
        WritePackageRecord(out, package);
        return out.Bytes();
    }
};

TEST_F(PackFingerprint, PlayLeavesItAsItWasAndAnotherCampaignsLevelsChangeIt) {
    const std::optional<LevelsFingerprint> expected =
        ReadLevelsFingerprint(Bytes(Campaign(), false), false);
    ASSERT_TRUE(expected);
    ASSERT_EQ(expected->LevelCount(), 2);

    struct Case {
        const char* what;
        std::function<void(PackageRecord&)> change;
        bool same;
    };
    const std::vector<Case> cases = {
        {"nothing", [](PackageRecord&) {}, true},
        {"a wall hit, another broken by a bomb",
         [](PackageRecord& p) {
             p.levels[0] = Played(p.levels[0], [] {
                 DamageWall(Tiles[30], 9, false);
                 DamageWall(Tiles[40], 3, true);
             });
         },
         true},
        {"a sign read once, a teleport, a mechanism and a message screen used",
         [](PackageRecord& p) {
             p.levels[1] = Played(p.levels[1], [] {
                 for (int16_t tile : {31, 32, 34, 36})
                     StepOn(tile);
             });
         },
         true},
        {"every tile seen, the monsters killed, the items taken",
         [](PackageRecord& p) {
             for (TileRecord& tile : p.levels[0].tiles)
                 tile.Revealed = kTrue;
             p.levels[0].monsters.clear();
             p.levels[0].items.pop_back();
         },
         true},
        {"another sign's text", [](PackageRecord& p) { p.levels[1].tiles[31].Param1 += "!"; },
         false},
        {"an exit to another tile", [](PackageRecord& p) { p.levels[0].tiles[33].Param2 = "592"; },
         false},
        {"the message screen's text on another tile",
         [](PackageRecord& p) { std::swap(p.levels[0].tiles[36], p.levels[0].tiles[37]); }, false},
        {"two levels swapped", [](PackageRecord& p) { std::swap(p.levels[0], p.levels[1]); },
         false},
        {"one level more", [](PackageRecord& p) { p.levels.push_back(p.levels[0]); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PackageRecord save = Campaign();
        c.change(save);
        // A save's package: its own header, fresh keys for every text.
        const std::optional<LevelsFingerprint> found =
            ReadLevelsFingerprint(Bytes(save, true), true);
        ASSERT_TRUE(found);
        EXPECT_EQ(*found == *expected, c.same);
    }
}

TEST(SaveCampaign, TheOneCampaignWithTheSavesLevelsOrTheBuiltInOfAnEarlierVersion) {
    const LevelsFingerprint save{{1, 2, 3, 4}};
    const LevelsFingerprint builtInNow{{1, 2, 30, 40}};  // two of its levels changed since
    const LevelsFingerprint packChanged{{1, 2, 3, 40}};  // three of the save's levels
    const LevelsFingerprint otherPack{{7, 8, 9, 10}};
    using R = RecognisedCampaign;
    struct Case {
        const char* what;
        std::optional<LevelsFingerprint> builtIn;
        std::vector<LevelsFingerprint> packs;
        RecognisedCampaign expected;
    };
    const std::vector<Case> cases = {
        {"the pack's levels", builtInNow, {otherPack, save}, {R::kPack, 1}},
        {"the built-in campaign's levels", save, {otherPack}, {R::kBuiltIn}},
        {"two packs with its levels", builtInNow, {save, save}, {R::kUnknown}},
        {"a pack and the built-in campaign with its levels", save, {save}, {R::kUnknown}},
        {"an earlier version's built-in campaign", builtInNow, {otherPack}, {R::kBuiltIn}},
        {"as close to the built-in campaign as to a pack",
         builtInNow,
         {{{1, 2, 9, 9}}},
         {R::kBuiltIn}},
        {"closer to a pack that changed since", builtInNow, {packChanged}, {R::kUnknown}},
        {"as many levels as no campaign here",
         LevelsFingerprint{{1, 2, 3}},
         {otherPack},
         {R::kUnknown}},
        {"no built-in campaign that reads", std::nullopt, {otherPack}, {R::kUnknown}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RecogniseCampaign(save, c.builtIn, c.packs), c.expected) << c.what;
}

}  // namespace
