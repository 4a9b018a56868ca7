// The newcomer bot and the difficulty runs on small caves written for the
// tests: what he finds and what he does not know, what a narrow doorway,
// a monster and his own bomb cost him, and figures that come out the same
// for the same seed.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <sstream>

#include "campaign/campaign_sources.h"
#include "game/core/game_state.h"
#include "game/platform/file_io.h"
#include "support/game_test.h"
#include "tools/levels/bots/chained_runs.h"
#include "tools/levels/bots/headless_game.h"
#include "tools/levels/bots/level_runs.h"
#include "tools/levels/bots/newcomer_bot.h"
#include "tools/levels/cli/level_tool.h"

namespace {

namespace fs = std::filesystem;
using campaign_testing::CampaignSources;
using levels_tool::DifficultyOptions;
using levels_tool::LevelDifficulty;

// The character at (column, row) of a map written as 25 lines.
void Put(std::string& map, int column, int row, char c) {
    map[static_cast<size_t>(row * 26 + column)] = c;
}

// A wall across a row from column `from` to `to`.
void WallRow(std::string& map, int row, int from = 1, int to = 23) {
    for (int column = from; column <= to; ++column)
        Put(map, column, row, '#');
}

class Newcomer : public ::testing::Test {
  protected:
    void SetUp() override {
        std::random_device rd;
        dir = fs::temp_directory_path() / ("karvelun-newcomer-" + std::to_string(rd()));
    }
    void TearDown() override { fs::remove_all(dir); }

    // Level 0 as given, its stairs '>' leading to the '0' of a room that
    // is level 1.
    game::PackageRecord Cave(const std::string& map, const std::string& legend = "",
                             const std::string& things = "") {
        CampaignSources sources(dir / ("src" + std::to_string(++caves)));
        sources.Level(0, map, "tile > 38 exit 1 @0\n" + legend, things);
        std::string room = CampaignSources::Room();
        Put(room, 12, 12, '0');
        sources.Level(1, room);
        return sources.Compile(2);
    }

    static LevelDifficulty Measure(const game::PackageRecord& package, int runs,
                                   int frameLimit = 36000, uint64_t seed = 1,
                                   settings::Difficulty difficulty = {}) {
        DifficultyOptions options;
        options.difficulty = difficulty;
        options.levels = {0};
        options.runs = runs;
        options.seed = seed;
        options.frameLimit = frameLimit;
        return levels_tool::MeasureDifficulty(package, options).at(0);
    }

    fs::path dir;
    int caves = 0;
};

// Stairs far from the start, behind a wall with a gap at its far end: he
// has to explore to find them.
std::string Maze() {
    std::string map = CampaignSources::Room();
    WallRow(map, 12, 1, 20);
    WallRow(map, 6, 4, 23);
    Put(map, 2, 2, '>');
    return map;
}

TEST_F(Newcomer, HeExploresToTheStairsHeHasNotSeenAndTheSameSeedGivesTheSameFigures) {
    const game::PackageRecord package = Cave(Maze());
    const LevelDifficulty first = Measure(package, 3);
    EXPECT_EQ(first.runs, 3);
    EXPECT_EQ(first.cleared, 3);
    EXPECT_EQ(first.deaths, 0);
    EXPECT_EQ(first.livesLost, 0);
    // At least the walk along the gaps: some 60 tiles at a third of a
    // second each.
    EXPECT_GT(first.MedianSeconds(), 20.0);
    EXPECT_LT(first.MedianSeconds(), 300.0);

    const LevelDifficulty again = Measure(package, 3);
    EXPECT_EQ(again.clearedFrames, first.clearedFrames);
    const LevelDifficulty other = Measure(package, 3, 36000, 2);
    EXPECT_NE(other.clearedFrames, first.clearedFrames);
}

// The only way on is through a wall that looks whole but gives way: he does
// not know it, and never leaves.  The same wall cracked, he shoots it open.
TEST_F(Newcomer, HeDoesNotKnowHiddenPassagesButBreaksCrackedWalls) {
    std::string map = CampaignSources::Room();
    WallRow(map, 12);
    Put(map, 12, 12, 'h');
    Put(map, 12, 3, '>');
    const LevelDifficulty hidden = Measure(Cave(map, "tile h 11 breakable 3 25\n"), 2, 6000);
    EXPECT_EQ(hidden.cleared, 0);
    EXPECT_EQ(hidden.MedianSeconds(), -1.0);
    EXPECT_EQ(levels_tool::DifficultyLine(hidden),
              "level 0: cleared 0/2, deaths 0, lives lost 0, median time - s");

    Put(map, 12, 12, '%');
    const LevelDifficulty cracked = Measure(Cave(map), 2, 6000);
    EXPECT_EQ(cracked.cleared, 2);
}

// A doorway one tile wide at a turn of his way makes him line up to a few
// pixels; the help round corners, on as a new player finds it, slides him
// the rest of the way, so the walls stop him no more than at a doorway two
// tiles wide.  The whole level is shown from the start, so that he walks
// the same way in both.
TEST_F(Newcomer, WithTheHelpRoundCornersAOneTileDoorwayStopsHimNoMoreThanATwoTileOne) {
    std::string map = CampaignSources::Room();
    for (int row : {5, 10, 15, 20}) {
        WallRow(map, row);
        Put(map, row % 10 == 0 ? 2 : 22, row, '.');
    }
    Put(map, 12, 2, '>');
    std::string wide = map;
    for (int row : {5, 10, 15, 20})
        Put(wide, row % 10 == 0 ? 1 : 23, row, '.');
    const std::string shown = "tile . 1 floor revealed\ntile # 11 wall revealed\n";
    const LevelDifficulty narrow = Measure(Cave(map, shown), 8);
    const LevelDifficulty open = Measure(Cave(wide, shown), 8);
    ASSERT_EQ(narrow.cleared, 8);
    ASSERT_EQ(open.cleared, 8);
    EXPECT_EQ(narrow.bumps, 0);
    EXPECT_EQ(open.bumps, 0);
}

// Rats between him and the stairs bite; a troll there kills him.
TEST_F(Newcomer, MonstersOnTheWayCostLivesAndAStrongOneKillsHim) {
    std::string map = CampaignSources::Room();
    WallRow(map, 12);
    Put(map, 11, 12, '.');
    Put(map, 12, 12, '.');
    Put(map, 12, 3, '>');
    const std::string rats = std::string(14, '\n') + "...........r...r\n";
    const LevelDifficulty bitten = Measure(Cave(map, "", rats), 4);
    EXPECT_EQ(bitten.cleared, 4);
    EXPECT_GT(bitten.livesLost, 0);

    const std::string troll = std::string(18, '\n') + "................T\n";
    const LevelDifficulty killed = Measure(Cave(map, "monster T 10 1 30 500\n", troll), 3);
    EXPECT_EQ(killed.cleared, 0);
    EXPECT_EQ(killed.deaths, 3);
    EXPECT_GE(killed.livesLost, 30);
    // A weaker troll, of blow 4, still kills him; in the easy game its
    // blows take 2 and he shoots his way past it every time.
    const game::PackageRecord weaker = Cave(map, "monster T 10 1 4 5\n", troll);
    EXPECT_EQ(Measure(weaker, 3).deaths, 3);
    const LevelDifficulty easy = Measure(weaker, 3, 36000, 1, settings::Difficulty::kEasy);
    EXPECT_EQ(easy.cleared, 3);
    EXPECT_EQ(easy.deaths, 0);
}

// Boulders across the way: he bombs them and runs from his bomb, but not
// always far enough.
TEST_F(Newcomer, BouldersAreBombedOpen) {
    std::string map = CampaignSources::Room();
    WallRow(map, 12);
    Put(map, 11, 12, '&');
    Put(map, 12, 12, '&');
    Put(map, 12, 3, '>');
    const LevelDifficulty bombed = Measure(Cave(map, "tile & 22 breakable 5 26\n"), 6);
    EXPECT_EQ(bombed.cleared + bombed.deaths, 6);
    EXPECT_GE(bombed.cleared, 5);
}

// The tool's command: one line per level, and a clear error for a level it
// cannot measure.
TEST_F(Newcomer, TheToolReportsALinePerLevel) {
    const game::PackageRecord package = Cave(Maze());
    game::ByteWriter out;
    game::WritePackageRecord(out, package);
    const fs::path file = dir / "cave.all";
    ASSERT_TRUE(game::WriteWholeFile(file.string(), out.Bytes(), false));

    std::ostringstream report, errors;
    EXPECT_EQ(levels_tool::RunLevelTool(
                  {"difficulty", file.string(), "--levels", "0", "--runs", "2", "--seed", "4"},
                  report, errors),
              0)
        << errors.str();
    EXPECT_EQ(report.str().rfind("level 0: cleared 2/2, deaths 0, lives lost 0, median time ", 0),
              0u)
        << report.str();

    // Level 1 is the deepest: there is no way on from it.  The other levels
    // are reported all the same.
    std::ostringstream both, bothErrors;
    EXPECT_EQ(levels_tool::RunLevelTool({"difficulty", file.string(), "--levels", "0-1"}, both,
                                        bothErrors),
              1);
    EXPECT_EQ(both.str().rfind("level 0: cleared ", 0), 0u) << both.str();
    EXPECT_EQ(bothErrors.str(), file.string() + ": level 1: no way on from tile 312\n");
    std::ostringstream bad, badErrors;
    EXPECT_EQ(
        levels_tool::RunLevelTool({"difficulty", file.string(), "--levels", "5-2"}, bad, badErrors),
        1);
    EXPECT_NE(badErrors.str().find("--levels"), std::string::npos);
    std::ostringstream none, noneErrors;
    EXPECT_EQ(
        levels_tool::RunLevelTool({"difficulty", file.string(), "--levels", "7"}, none, noneErrors),
        1);
    EXPECT_EQ(none.str(), "");
    EXPECT_NE(noneErrors.str().find("level 7: the campaign has no such level"), std::string::npos);
}

// Played in one go: level 0 cleared, then a troll beside the arrival in
// level 1 kills him; each death takes him back to his quick save on
// arriving there, and the fifth ends the run.
TEST_F(Newcomer, InOneGoHeGoesOnFromHisQuickSaveUntilTheFifthDeathInALevel) {
    CampaignSources sources(dir / "chain");
    std::string first = Maze();
    sources.Level(0, first, "tile > 38 exit 1 @0\n");
    std::string troll = CampaignSources::Room();
    WallRow(troll, 12);
    Put(troll, 11, 12, '.');
    Put(troll, 12, 12, '.');
    Put(troll, 12, 3, '>');
    Put(troll, 12, 20, '0');
    sources.Level(1, troll, "tile > 38 exit 2 @0\nmonster T 10 3 30 500\n",
                  std::string(14, '\n') + "............T\n\n\n\n................T\n");
    std::string room = CampaignSources::Room();
    Put(room, 12, 12, '0');
    sources.Level(2, room);
    game::ByteWriter out;
    game::WritePackageRecord(out, sources.Compile(3));
    const fs::path file = dir / "chain.all";
    ASSERT_TRUE(game::WriteWholeFile(file.string(), out.Bytes(), false));

    std::ostringstream report, errors;
    EXPECT_EQ(levels_tool::RunLevelTool(
                  {"difficulty", file.string(), "--levels", "0-1", "--runs", "2", "--chained"},
                  report, errors),
              0)
        << errors.str();
    const std::string lines = report.str();
    const std::string second = lines.substr(lines.find('\n') + 1);
    EXPECT_EQ(lines.rfind("level 0: reached 2/2, cleared 2/2, mean deaths 0.00, lives on arrival "
                          "10 (median), hero level 0, missile 1, median time ",
                          0),
              0u)
        << lines;
    EXPECT_EQ(second,
              "level 1: reached 2/2, cleared 0/2, mean deaths 5.00, lives on arrival 10 (median), "
              "hero level 0, missile 1, median time -\n");

    // A chain starts with a new game.
    std::ostringstream later, laterErrors;
    EXPECT_EQ(levels_tool::RunLevelTool({"difficulty", file.string(), "--levels", "1", "--chained"},
                                        later, laterErrors),
              1);
    EXPECT_NE(laterErrors.str().find("from level 0"), std::string::npos) << laterErrors.str();
}

// In one go he finds the ways a cave hides from the plain way down, each in
// a cave of its own:
// - a return: the stairs down lead into a closed grotto of level 1, whose
//   other stairs lead back up into the other half of level 0, where the
//   stairs down to the rest of level 1 are;
// - a lever: in level 0 it opens the door to the tunnel of a side branch,
//   level 1, which leads back into level 0 behind that door; the stairs
//   down lie on the first side of it, so only a door that stays open
//   gets him on;
// - stairs behind a wall that looks whole: he never finds them, and the
//   report names the level.
TEST_F(Newcomer, InOneGoHeFindsReturnsAndLeversAndTheReportNamesALevelWithoutAWayOn) {
    // The return.  A new game starts in the east half.
    std::string halves = CampaignSources::Room();
    for (int row = 1; row <= 23; ++row)
        Put(halves, 12, row, '~');
    Put(halves, 20, 20, '>');  // into the grotto
    Put(halves, 3, 20, '4');   // back from the grotto
    Put(halves, 3, 3, 'v');    // down to the rest of level 1
    std::string grotto = CampaignSources::Room();
    WallRow(grotto, 12);
    Put(grotto, 20, 20, '3');  // from level 0's east half
    Put(grotto, 3, 20, 'U');
    Put(grotto, 12, 3, '>');
    Put(grotto, 12, 6, '1');  // from level 0's west half

    // The lever and the side branch.
    std::string doors = CampaignSources::Room();
    for (int row = 1; row <= 23; ++row)
        Put(doors, 12, row, '#');
    Put(doors, 12, 12, 'D');
    Put(doors, 20, 5, '/');
    Put(doors, 20, 20, '>');
    Put(doors, 4, 3, 'O');
    Put(doors, 4, 6, '6');
    std::string branch = CampaignSources::Room();
    Put(branch, 12, 12, '0');
    Put(branch, 12, 14, 'O');

    // Stairs behind a wall that looks whole.
    std::string hidden = CampaignSources::Room();
    WallRow(hidden, 12);
    Put(hidden, 12, 12, 'h');
    Put(hidden, 12, 3, '>');

    struct Case {
        const char* name;
        std::string level0, legend0, level1, legend1;
        int32_t levels;
        int cleared;
        std::string lost;
    };
    const std::vector<Case> cases = {
        {"return", halves, "tile > 38 exit 1 @3\ntile v 38 exit 1 @1\n", grotto,
         "tile U 39 exit 0 @4\ntile > 38 exit 2 @0\n", 3, 2, ""},
        {"lever", doors,
         "tile / 41 mechanism @D 29 floor\ntile > 38 exit 2 @0\n"
         "tile O 40 exit 1 @0\n",
         branch, "tile O 40 exit 0 @6\n", 3, 2, ""},
        {"hidden", hidden, "tile > 38 exit 1 @0\ntile h 11 breakable 3 25\n", "", "", 1, 0,
         "level 0: the way on was not found in 2 of the 2 runs that reached it"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CampaignSources sources(dir / c.name);
        sources.Level(0, c.level0, c.legend0);
        std::string room = CampaignSources::Room();
        Put(room, 12, 12, '0');
        sources.Level(1, c.level1.empty() ? room : c.level1, c.legend1);
        sources.Level(2, room);
        DifficultyOptions options;
        for (int32_t n = 0; n < c.levels; ++n)
            options.levels.push_back(n);
        options.runs = 2;
        options.frameLimit = 12000;
        const levels_tool::ChainedReport report =
            levels_tool::MeasureChained(sources.Compile(3), options);
        const levels_tool::ChainedLevel& last = report.levels.at(c.levels == 1 ? 0 : 1);
        EXPECT_EQ(last.problem, "");
        EXPECT_EQ(last.cleared, c.cleared) << levels_tool::ChainedLine(last);
        EXPECT_EQ(levels_tool::LostLine(report.levels[0]), c.lost);
    }
}

// The bot on a field set up by hand, every tile shown.
class NewcomerOnAField : public testing_support::GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        OpenFieldInItsWalls(true);
        game::HeroSpeed = game::HeroStepX = game::HeroStepY = 0.6f;
        game::Lives = game::MaxLives = 10;
    }
    static void Wall(int t, bool wall = true) {
        game::Tiles[t].Kind = wall ? game::kSolidWall : game::kFloor;
        game::Tiles[t].Picture = wall ? 11 : 1;
        game::Tiles[t].Revealed = game::kTrue;
    }
    static int Tile(int column, int row) { return row * game::kGridSize + column; }
};

// He stands in a gap one tile wide between a pillar and a wall; ahead, a
// room two tiles wide, then the next such gap.  He lines up with the gap
// ahead, not with the middle of the room (the pillar beside him would
// stop him there), and walks up to the stairs.
TEST_F(NewcomerOnAField, InAGapBetweenPillarsHeLinesUpWithTheNextGap) {
    for (int row = 1; row < 24; ++row) {
        Wall(Tile(17, row));
        if (row % 2 == 0 && row > 4) Wall(Tile(15, row));
    }
    const int stairs = Tile(16, 2);
    game::Tiles[stairs].Kind = game::kLevelExit;
    game::Tiles[stairs].Picture = 38;
    game::Tiles[stairs].Param1 = "1";
    game::Tiles[stairs].Param2 = "300";
    game::HeroX = game::Tiles[Tile(16, 14)].X + 2.5f;
    game::HeroY = game::Tiles[Tile(16, 14)].Y + 2.5f;
    game::LastHeroTile = static_cast<int16_t>(Tile(16, 14));

    levels_tool::NewcomerBot bot(7);
    int frames = 0;
    levels_tool::PlayFrames(windows.onProcessEvents, [&] {
        if (levels_tool::TileUnder(game::HeroX, game::HeroY) == Tile(16, 3) || ++frames > 1500)
            return false;
        bot.BeforeFrame();
        return true;
    });
    EXPECT_EQ(levels_tool::TileUnder(game::HeroX, game::HeroY), Tile(16, 3));
    EXPECT_LT(frames, 1000);
}

}  // namespace
