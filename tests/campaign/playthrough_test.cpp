// The campaign played through: a new game started as the menu starts it,
// then a bot at the keys walks the hero along a route the level data gives
// (CampaignRoutes) through the real frame loop and the real rules, frame by
// frame, with the clock running at sixty frames a second.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "campaign/campaign_sources.h"
#include "game/core/game_state.h"
#include "game/levels/campaign_info.h"
#include "game/levels/level_files.h"
#include "game/levels/level_packages.h"
#include "game/platform/file_io.h"
#include "support/game_test.h"
#include "tools/levels/bots/headless_game.h"
#include "tools/levels/bots/playthrough_bot.h"
#include "tools/levels/cli/level_tool.h"

namespace {

namespace fs = std::filesystem;
using campaign_testing::CampaignSources;
using levels_tool::CampaignRoutes;
using levels_tool::Leg;
using levels_tool::PlaythroughBot;

constexpr const char* kEndingNotice = "...a tak jsi dohrál tuto hru...    Game Over";

class Playthrough : public testing_support::GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        game::TickDelay = 0;
        game::CheatMode = true;
    }

    fs::path Campaign() const { return appFolder / "data" / "levels.all"; }

    void Install(const game::PackageRecord& package) {
        game::ByteWriter out;
        game::WritePackageRecord(out, package);
        ASSERT_TRUE(game::WriteWholeFile(Campaign().string(), out.Bytes(), false));
    }

    static game::PackageRecord Read(const fs::path& file) {
        std::vector<uint8_t> bytes;
        EXPECT_TRUE(game::ReadWholeFile(file.string(), bytes)) << file;
        game::ByteReader in(bytes);
        game::PackageRecord package;
        EXPECT_TRUE(game::ReadPackageRecord(in, false, package)) << file;
        return package;
    }

    // "Nová hra" of the menu.
    void NewGame() {
        game::LevelNumber = 0;
        game::GameSuspended = false;
        game::Paused = false;
        game::ResetHero();
        ASSERT_TRUE(game::UnpackLevels("levels.all") && game::LoadLevel(0));
    }

    // The bot at the keys until it is through; the frame loop runs as the
    // game window's timer runs it.
    PlaythroughBot Play(std::vector<Leg> legs, PlaythroughBot::Options options = {}) {
        PlaythroughBot bot(std::move(legs), options);
        levels_tool::PlayFrames(windows.onProcessEvents, [&] { return bot.BeforeFrame(); });
        return bot;
    }

    bool Logged(const std::string& line) const {
        const auto& log = windows.log;
        return std::find(log.begin(), log.end(), line) != log.end();
    }
};

// A small cave with everything a route can ask of the bot: a cracked wall
// across the way, a lever that opens a door, a teleport over a river, a
// sign with a speed upgrade on it and a message screen in narrow gaps, a
// row of traps, and the last hall,
// whose gate opens only when its monster is killed.
// `guard` is the legend line of the hall's monster 'g'.
game::PackageRecord SmallCave(const fs::path& folder,
                              const std::string& guard = "monster g 5 0 1 3\n") {
    CampaignSources sources(folder);
    sources.Level(0,
                  "#########################\n"
                  "###############>1.......#\n"
                  "###############.........#\n"
                  "###############.........#\n"
                  "################D########\n"
                  "#.......................#\n"
                  "#.......................#\n"
                  "#.......................#\n"
                  "#.L.....................#\n"
                  "#.......................#\n"
                  "#.......................#\n"
                  "#.......................#\n"
                  "################%########\n"
                  "#.......................#\n"
                  "#.......................#\n"
                  "#.......................#\n"
                  "#.......................#\n"
                  "#.......................#\n"
                  "#.......................#\n"
                  "#.......................#\n"
                  "#.......................#\n"
                  "#.......................#\n"
                  "#.......................#\n"
                  "#.......................#\n"
                  "#########################",
                  "tile > 38 exit 1 @0\n"
                  "tile L 41 mechanism @D 29 floor\n",
                  "\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n..........r\n");
    sources.Level(1,
                  "#########################\n"
                  "#0<.....................#\n"
                  "#.......................#\n"
                  "#.......................#\n"
                  "#.......................#\n"
                  "#.........T.............#\n"
                  "#.......................#\n"
                  "#~~~~~~~~~~~~~~~~~~~~~~~#\n"
                  "#~~~~~~~~~~~~~~~~~~~~~~~#\n"
                  "#.......................#\n"
                  "#.........7.............#\n"
                  "#.......................#\n"
                  "#.......................#\n"
                  "#.......................#\n"
                  "#..........^^^..........#\n"
                  "#.......................#\n"
                  "#.......................#\n"
                  "############S############\n"
                  "#.......................#\n"
                  "############M############\n"
                  "#.......................#\n"
                  "#.......................#\n"
                  "#....................8>.#\n"
                  "#.......................#\n"
                  "#########################",
                  "tile < 39 exit 0 @1\n"
                  "tile > 38 exit 80 @8\n"
                  "tile T 36 teleport @7\n"
                  "tile S 33 sign \"Za řekou vede cesta dál.\"\n"
                  "tile M 34 message \"Chodba se stáčí k jihu.\"\n",
                  "\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n............f\n");
    sources.Level(80,
                  "###########.#############\n"
                  "##########...############\n"
                  "##########...############\n"
                  "##########...############\n"
                  "###########.#############\n"
                  "###########G#############\n"
                  "#.......................#\n"
                  "#.......................#\n"
                  "#.......................#\n"
                  "#.......................#\n"
                  "#.......................#\n"
                  "#.......................#\n"
                  "#.......................#\n"
                  "#.......................#\n"
                  "#.......................#\n"
                  "#.......................#\n"
                  "#.......................#\n"
                  "#.......................#\n"
                  "#.......................#\n"
                  "#.......................#\n"
                  "#.......................#\n"
                  "#.......................#\n"
                  "#..........8............#\n"
                  "#.......................#\n"
                  "#########################",
                  "tile G 28 wall\n" + guard, "\n\n\n\n\n\n\n\n\n\n.....g\n");
    return sources.Compile(81);
}

TEST_F(Playthrough, TheBotBreaksOpensAndFightsItsWayToTheEndOfTheGame) {
    const game::PackageRecord package = SmallCave(appFolder / "sources");
    Install(package);
    CampaignRoutes routes(package, {});
    const auto route = routes.RouteToEnding();
    ASSERT_TRUE(route);
    ASSERT_EQ(route->size(), 3u);
    EXPECT_EQ((*route)[2].kind, Leg::Goal::Ending);

    NewGame();
    const PlaythroughBot bot = Play(*route);
    ASSERT_TRUE(bot.Done()) << bot.Failure();

    const PlaythroughBot::Tally& tally = bot.Counts();
    EXPECT_EQ(tally.levels, (std::vector<int32_t>{0, 1, 80}));
    EXPECT_EQ(tally.wallsShot, 1);
    EXPECT_EQ(tally.mechanisms, 1);
    EXPECT_EQ(tally.kills, 1);
    EXPECT_EQ(tally.removedInHall, 0);
    EXPECT_LT(tally.frames, 20000);

    // On the way: the sign, the notice in the gap, the speed upgrade.
    EXPECT_TRUE(Logged("Za řekou vede cesta dál."));
    EXPECT_TRUE(Logged("Zabitím monstra se otřásla celá hala!"));
    EXPECT_FLOAT_EQ(game::HeroSpeed, 0.7f);
    ASSERT_GE(windows.notices.size(), 2u);
    EXPECT_EQ(windows.notices[0], "Chodba se stáčí k jihu.");
    // The door shut behind the hero, and the game ended.
    EXPECT_EQ(game::LevelNumber, 80);
    EXPECT_EQ(game::Tiles[111].Kind, game::kSolidWall);
    EXPECT_EQ(game::Tiles[111].Picture, 28);
    EXPECT_EQ(windows.notices.back(), kEndingNotice);
    EXPECT_TRUE(windows.Called("EndGameToMenu"));
    EXPECT_FALSE(game::CanResume);
    EXPECT_FALSE(game::HeroDead);
}

// A guard whose one blow takes more lives than the hero can have is not
// fought: the bot takes the hall's monsters off through the game's own
// removal, which shakes the gate open as a kill does.
TEST_F(Playthrough, AGuardTooStrongToFightIsTakenOffAndTheHallOpens) {
    const game::PackageRecord package = SmallCave(appFolder / "sources", "monster g 5 2 20 100\n");
    Install(package);
    NewGame();
    const PlaythroughBot bot = Play(*CampaignRoutes(package, {}).RouteToEnding());
    ASSERT_TRUE(bot.Done()) << bot.Failure();
    EXPECT_EQ(bot.Counts().kills, 0);
    EXPECT_EQ(bot.Counts().removedInHall, 1);
    EXPECT_TRUE(Logged("Zabitím monstra se otřásla celá hala!"));
    EXPECT_EQ(windows.notices.back(), kEndingNotice);
}

// The character at (column, row) of a map written as 25 lines.
void Put(std::string& map, int column, int row, char c) {
    map[static_cast<size_t>(row * 26 + column)] = c;
}

// Level 55's way on is only the hidden passage: S on its tile 79.
TEST_F(Playthrough, TheHiddenPassageIsTakenWhenItIsTheOnlyWayOn) {
    CampaignSources sources(appFolder / "sources");
    std::string start = CampaignSources::Room();
    Put(start, 12, 2, '>');
    sources.Level(0, start, "tile > 38 exit 55 @0\n");
    std::string study = CampaignSources::Room();
    Put(study, 20, 20, '0');
    sources.Level(55, study);
    std::string refuge = CampaignSources::Room();
    Put(refuge, 3, 3, '>');
    sources.Level(81, refuge, "tile > 38 exit 80 @0\n");
    std::string hall = CampaignSources::Room();
    for (int row = 0; row < 6; ++row)
        for (int column = 1; column < 24; ++column)
            Put(hall, column, row, column == 11 ? '.' : '#');
    Put(hall, 11, 22, '0');
    sources.Level(80, hall);
    const game::PackageRecord package = sources.Compile(82);
    Install(package);
    const auto route = CampaignRoutes(package, {}).RouteToEnding();
    ASSERT_TRUE(route);
    ASSERT_EQ(route->size(), 4u);
    EXPECT_EQ((*route)[1].kind, Leg::Goal::Passage);

    NewGame();
    const PlaythroughBot bot = Play(*route);
    ASSERT_TRUE(bot.Done()) << bot.Failure();
    EXPECT_EQ(bot.Counts().levels, (std::vector<int32_t>{0, 55, 81, 80}));
    EXPECT_EQ(windows.notices.back(), kEndingNotice);
}

TEST_F(Playthrough, BombsBreakABoulderWhileTheHeroWaitsOutOfReach) {
    CampaignSources sources(appFolder / "sources");
    std::string map = CampaignSources::Room();
    map.replace(26 * 12, 25, "############&############");
    map.replace(26 * 1 + 12, 2, ">1");
    sources.Level(0, map, "tile > 38 exit 1 @0\n");
    sources.Level(1, CampaignSources::Room().replace(26 * 5 + 5, 2, "<0"), "tile < 39 exit 0 @1\n");
    const game::PackageRecord package = sources.Compile(2);
    Install(package);
    const auto route = CampaignRoutes(package, {}).RouteToLevel(1);
    ASSERT_TRUE(route);

    NewGame();
    PlaythroughBot::Options options;
    options.preferBombs = true;
    const PlaythroughBot bot = Play(*route, options);
    ASSERT_TRUE(bot.Done()) << bot.Failure();
    EXPECT_EQ(bot.Counts().wallsBombed, 1);
    EXPECT_EQ(bot.Counts().bombsLaid, 2);  // 5 and 5 against strength 6
    EXPECT_EQ(bot.Counts().wallsShot, 0);
    EXPECT_EQ(game::LevelNumber, 1);
}

// The campaign the build made.  Once it holds the last level, the bot plays
// it to the end of the game; until then, as deep into the cave as it goes.
TEST_F(Playthrough, TheBuiltCampaignCanBePlayedThrough) {
    const fs::path built = fs::path(KARVELUN_DIST_DIR) / "data" / "levels.all";
    ASSERT_TRUE(fs::exists(built)) << built;
    fs::copy_file(built, Campaign(), fs::copy_options::overwrite_existing);
    const game::PackageRecord package = Read(Campaign());
    CampaignRoutes routes(package, {});

    const bool whole = routes.LevelCount() > game::kLastLevel;
    std::optional<std::vector<Leg>> route;
    int32_t deepest = 0;
    if (whole) {
        route = routes.RouteToEnding();
        ASSERT_TRUE(route) << "no way from level 0 to the end of the game";
    } else {
        const std::vector<bool> reached = routes.LevelsReachedFromStart();
        for (int32_t n = 0; n < routes.LevelCount(); ++n)
            if (reached[n]) deepest = n;
        route = routes.RouteToLevel(deepest);
        ASSERT_TRUE(route);
        std::cout << "[ campaign ] " << routes.LevelCount()
                  << " levels, no last level yet: playing to level " << deepest << "\n";
    }

    NewGame();
    const PlaythroughBot bot = Play(*route);
    ASSERT_TRUE(bot.Done()) << bot.Failure();
    const PlaythroughBot::Tally& tally = bot.Counts();
    std::cout << "[ campaign ] " << tally.levels.size() << " levels in " << tally.frames
              << " frames; walls shot " << tally.wallsShot << ", bombed " << tally.wallsBombed
              << "; mechanisms " << tally.mechanisms << "; kills " << tally.kills
              << "; halls opened by taking monsters off " << tally.removedInHall << "\n";
    EXPECT_FALSE(game::HeroDead);
    // Level after level as the route goes.
    std::vector<int32_t> levels;
    for (const Leg& leg : *route)
        levels.push_back(leg.level);
    if (!whole) levels.push_back(deepest);
    EXPECT_EQ(tally.levels, levels);
    if (whole) {
        ASSERT_FALSE(windows.notices.empty());
        EXPECT_EQ(windows.notices.back(), kEndingNotice);
        EXPECT_TRUE(windows.Called("EndGameToMenu"));
    } else {
        EXPECT_EQ(game::LevelNumber, deepest);
    }
}

// The sample campaign of one's own (campaign/examples), built by the level
// tool as a player gets it, played from the start to the tile its
// campaign.ini names as the end.
TEST_F(Playthrough, TheSamplePackCanBePlayedToItsEnd) {
    const fs::path pack = appFolder / "pack";
    std::ostringstream out, err;
    ASSERT_EQ(
        levels_tool::RunLevelTool({"campaign", KARVELUN_EXAMPLE_PACK, pack.string()}, out, err), 0)
        << err.str();
    std::vector<uint8_t> ini;
    ASSERT_TRUE(game::ReadWholeFile((pack / "campaign.ini").string(), ini));
    const auto info = game::ParseCampaignInfo(std::string(ini.begin(), ini.end()), nullptr);
    ASSERT_TRUE(info);
    fs::copy_file(pack / "levels.all", Campaign(), fs::copy_options::overwrite_existing);
    const game::PackageRecord package = Read(Campaign());
    const auto route =
        CampaignRoutes(package, {.endLevel = info->endLevel, .endTile = info->endTile})
            .RouteToEnding();
    ASSERT_TRUE(route);

    NewGame();
    const PlaythroughBot bot = Play(*route);
    ASSERT_TRUE(bot.Done()) << bot.Failure();
    EXPECT_FALSE(game::HeroDead);
    EXPECT_EQ(game::LevelNumber, info->endLevel);
    EXPECT_EQ(levels_tool::CentreTile(game::HeroX, game::HeroY), info->endTile);
    EXPECT_EQ(bot.Counts().levels.size(), package.levels.size());
}

}  // namespace
