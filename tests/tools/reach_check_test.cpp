// The walking part of the campaign check: levels written as sources, walked
// with the game's own movement, and the problems it finds.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>

#include "campaign/campaign_sources.h"
#include "game/core/game_state.h"
#include "tools/levels/bots/campaign_routes.h"
#include "tools/levels/bots/hero_search.h"
#include "tools/levels/compiler/campaign_check.h"

namespace {

namespace fs = std::filesystem;
using campaign_testing::CampaignSources;
using game::PackageRecord;

// The character at (column, row) of a map written as 25 lines.
void Put(std::string& map, int column, int row, char c) {
    map[static_cast<size_t>(row * 26 + column)] = c;
}

// A wall across the whole row but at the given columns.
void WallRow(std::string& map, int row, const std::string& gaps = "") {
    for (int column = 1; column < 24; ++column)
        Put(map, column, row, '#');
    for (size_t i = 0; i < gaps.size(); i += 2)
        Put(map, gaps[i] - 'A', row, gaps[i + 1]);
}

class ReachCheck : public ::testing::Test {
  protected:
    void SetUp() override {
        std::random_device rd;
        dir = fs::temp_directory_path() / ("karvelun-reach-" + std::to_string(rd()));
    }
    void TearDown() override { fs::remove_all(dir); }

    // Two levels: level 0 as given (its exit '>' leads to level 1) and a
    // room to go to with its exit '<' back.
    PackageRecord TwoLevels(const std::string& map0, const std::string& legend0 = "",
                            const std::string& things0 = "") {
        CampaignSources sources(dir / "src");
        sources.Level(0, map0, "tile > 38 exit 1 @0\n" + legend0, things0);
        std::string map1 = CampaignSources::Room();
        Put(map1, 5, 5, '<');
        Put(map1, 6, 5, '0');
        sources.Level(1, map1, "tile < 39 exit 0 @1\n");
        return sources.Compile(2);
    }

    // A cave of `count` levels, each a corridor from its arrival '0' on
    // (12, 22) up to its exit '>' on (12, 1) into the next level; row 23 is
    // open, so the start of a new game joins the corridor of level 0.
    static std::string Corridor() {
        std::string map = std::string(25, '#') + "\n";
        for (int row = 1; row < 24; ++row) {
            std::string line(25, '#');
            if (row == 23) line.replace(1, 23, std::string(23, '.'));
            line[12] = row == 1 ? '>' : row == 22 ? '0' : '.';
            map += line + "\n";
        }
        return map + std::string(25, '#');
    }
    static std::string ExitTo(int level) {
        return "tile > 38 exit " + std::to_string(level) + " @0\n";
    }
    // The last hall: the way out on row 0 above the doorway and the gate
    // of column 11, its monsters in [things].
    static std::string LastHall() {
        std::string map = CampaignSources::Room();
        for (int row = 0; row < 6; ++row)
            for (int column = 1; column < 24; ++column)
                Put(map, column, row, column == 11 ? '.' : '#');
        Put(map, 11, 5, 'G');
        Put(map, 11, 22, '0');
        return map;
    }
    void WriteCave(CampaignSources& sources, int count) {
        for (int n = 0; n < count - 1 && n < 80; ++n)
            sources.Level(n, Corridor(), ExitTo(n + 1));
        sources.Level(80, LastHall(), "tile G 28 wall\n", "\n\n\n\n\n\n\n\n\n\n..........r\n");
    }

    static std::vector<std::string> Problems(const PackageRecord& package) {
        return levels_tool::CheckCampaign(package);
    }

    fs::path dir;
};

std::string Lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

TEST_F(ReachCheck, AStartWalledOffFromEveryExitStrandsTheHero) {
    std::string map = CampaignSources::Room();
    WallRow(map, 6);
    Put(map, 12, 2, '>');
    Put(map, 13, 2, '1');  // where he comes back from level 1
    EXPECT_EQ(Lines(Problems(TwoLevels(map))),
              "level 0, tile 591 (column 16, row 23): the hero arriving here by the start of a "
              "new game cannot reach any exit\n"
              "level 1: the hero cannot get here from level 0\n");

    // A cracked wall in the way can be broken; a door opens by its lever.
    std::string cracked = map;
    Put(cracked, 20, 6, '%');
    EXPECT_EQ(Lines(Problems(TwoLevels(cracked))), "");
    std::string door = map;
    Put(door, 20, 6, 'D');
    Put(door, 5, 20, 'L');
    const std::string lever = "tile L 41 mechanism @D 29 floor\n";
    EXPECT_EQ(Lines(Problems(TwoLevels(door, lever))), "");
    // A lever behind its own door opens nothing; nor does one that shuts it.
    std::string behind = door;
    Put(behind, 5, 20, '.');
    Put(behind, 5, 4, 'L');
    EXPECT_NE(Lines(Problems(TwoLevels(behind, lever))).find("tile 591"), std::string::npos);
    EXPECT_NE(Lines(Problems(TwoLevels(door, "tile L 41 mechanism @D 28 wall\n"))).find("tile 591"),
              std::string::npos);
}

TEST_F(ReachCheck, WhatLiesInAClosedPocketIsOutOfReach) {
    std::string map = CampaignSources::Room();
    Put(map, 12, 2, '>');
    Put(map, 13, 2, '1');
    for (int row = 13; row <= 17; ++row)
        for (int column = 2; column <= 6; ++column)
            if (row == 13 || row == 17 || column == 2 || column == 6) Put(map, column, row, '#');
    Put(map, 3, 14, 'S');
    // Gold and a skull in the pocket, gold on a wall tile, gold in the open.
    const std::string things = std::string(15, '\n') + "....$.k...$\n......$\n";
    EXPECT_EQ(Lines(Problems(TwoLevels(map, "tile S 33 sign \"Tudy ne.\"\n", things))),
              "level 0, tile 353 (column 3, row 14): the hero cannot reach this sign\n"
              "level 0: item 0 (kind 0) at (81, 301): the hero cannot reach it\n"
              "level 0: item 3 (kind 0) at (121, 321): the hero cannot reach it\n");
}

TEST_F(ReachCheck, TheHeroFitsThroughAOneTileGapButNotThroughACorner) {
    std::string map = CampaignSources::Room();
    WallRow(map, 6, "M.");
    Put(map, 12, 2, '>');
    Put(map, 13, 2, '1');
    EXPECT_EQ(Lines(Problems(TwoLevels(map))), "");

    // Rooms that touch only at a corner: a tile walk that goes diagonally
    // would pass, the hero's 15-pixel square does not.
    std::string corner = CampaignSources::Room();
    for (int row = 1; row < 24; ++row)
        for (int column = 1; column < 24; ++column)
            if ((row < 12) != (column < 12)) Put(corner, column, row, '#');
    Put(corner, 3, 3, '>');
    Put(corner, 4, 3, '1');
    EXPECT_EQ(Lines(Problems(TwoLevels(corner))),
              "level 0, tile 591 (column 16, row 23): the hero arriving here by the start of a "
              "new game cannot reach any exit\n"
              "level 1: the hero cannot get here from level 0\n");
}

TEST_F(ReachCheck, AnExitIsLeftAtOnceSoWhatLiesBeyondItInACorridorIsOutOfReach) {
    std::string map = CampaignSources::Room();
    WallRow(map, 6, "M>");
    Put(map, 13, 7, '1');
    Put(map, 12, 3, 'S');
    const auto problems = Problems(
        TwoLevels(map, "tile S 33 sign \"Za východem.\"\n", "\n\n\n\n\n\n\n\n............$\n"));
    EXPECT_EQ(Lines(problems),
              "level 0, tile 87 (column 12, row 3): the hero cannot reach this sign\n");
}

TEST_F(ReachCheck, ArrivalsMustBePlacesToStandOn) {
    std::string map = CampaignSources::Room();
    Put(map, 12, 2, '>');
    Put(map, 13, 2, '1');
    Put(map, 4, 10, 'T');  // into a wall
    Put(map, 6, 10, 'U');  // onto the exit
    Put(map, 8, 10, 'V');  // onto another teleport
    const std::string legend =
        "tile T 36 teleport 0,0\n"
        "tile U 36 teleport @>\n"
        "tile V 36 teleport @T\n";
    EXPECT_EQ(Lines(Problems(TwoLevels(map, legend))),
              "level 0, tile 0 (column 0, row 0): the teleport on tile 254 puts the hero into "
              "a wall\n"
              "level 0, tile 62 (column 12, row 2): the teleport on tile 256 puts the hero on an "
              "exit, which sends him on at once\n"
              "level 0, tile 254 (column 4, row 10): the teleport on tile 258 puts the hero on a "
              "teleport, which sends him on at once\n");
}

TEST_F(ReachCheck, TheEndOfTheGameIsReachedThroughEveryLevelAndTheLastHallsGate) {
    CampaignSources sources(dir / "src");
    WriteCave(sources, 81);
    const PackageRecord cave = sources.Compile(81);
    // Tile 11 of the last level is its way out, not a hole in its border.
    EXPECT_EQ(Lines(Problems(cave)), "");
    levels_tool::CampaignRoutes routes(cave, {});
    const auto route = routes.RouteToEnding();
    ASSERT_TRUE(route);
    EXPECT_EQ(route->size(), 81u);
    EXPECT_EQ(route->back().goal, 11);

    // Without a monster to kill the gate stays shut.
    sources.Level(80, LastHall(), "tile G 28 wall\n");
    EXPECT_EQ(Lines(Problems(sources.Compile(81))),
              "level 80, tile 561 (column 11, row 22): the hero arriving here by the exit of "
              "level 79 (tile 37) cannot reach any exit\n"
              "level 80, tile 11 (column 11, row 0): the end of the game cannot be reached "
              "from level 0\n");

    // A level half way whose corridor is blocked cuts the cave in two.
    sources.Level(80, LastHall(), "tile G 28 wall\n", "\n\n\n\n\n\n\n\n\n\n..........r\n");
    std::string blocked = Corridor();
    Put(blocked, 12, 10, '#');
    sources.Level(40, blocked, ExitTo(41));
    const auto problems = Problems(sources.Compile(81));
    EXPECT_NE(Lines(problems).find("level 40, tile 37 (column 12, row 1): the hero cannot "
                                   "reach this exit"),
              std::string::npos);
    EXPECT_NE(Lines(problems).find("levels 41 to 80: the hero cannot get to them from level 0"),
              std::string::npos);
    EXPECT_NE(Lines(problems).find("level 80, tile 11 (column 11, row 0): the end of the game "
                                   "cannot be reached from level 0"),
              std::string::npos);
}

TEST_F(ReachCheck, TheHiddenPassageMustBeWithinReachWhenThereIsALevelBehindIt) {
    CampaignSources sources(dir / "src");
    WriteCave(sources, 82);
    std::string bonus = Corridor();
    Put(bonus, 12, 22, '.');  // he arrives on tile 587, column 12 of row 23
    sources.Level(81, bonus, ExitTo(56));
    EXPECT_EQ(Lines(Problems(sources.Compile(82))),
              "level 55, tile 79 (column 4, row 3): the hero cannot reach the hidden passage\n"
              "level 81: the hero cannot get here from level 0\n");

    std::string passage = Corridor();
    for (int column = 4; column < 12; ++column)
        Put(passage, column, 3, '.');
    sources.Level(55, passage, ExitTo(56));
    EXPECT_EQ(Lines(Problems(sources.Compile(82))), "");
}

TEST_F(ReachCheck, ALevelWithStructuralProblemsIsNotWalked) {
    std::string map = CampaignSources::Room();
    WallRow(map, 6);
    Put(map, 12, 2, '>');
    Put(map, 13, 2, '1');
    PackageRecord package = TwoLevels(map);
    package.levels[1].tiles[3].Kind = game::kFloor;  // a hole in the border
    EXPECT_EQ(Lines(Problems(package)),
              "level 1, tile 3 (column 3, row 0): the border must be solid wall (kind 1), this "
              "tile is kind 0\n");
}

// Every tile of a maze of one-tile corridors, with a few rooms knocked into
// it, is reached at the speeds a hero can have.
TEST(HeroSearch, ReachesEveryTileOfAMazeAtEverySpeed) {
    std::mt19937 random(7);
    for (int maze = 0; maze < 12; ++maze) {
        levels_tool::WalkLevel level;
        level.kinds.fill(game::kSolidWall);
        level.target.fill(-1);
        level.arrival.fill(-1);
        auto tileOf = [](int cell) { return (1 + 2 * (cell / 12)) * 25 + 1 + 2 * (cell % 12); };
        std::vector<bool> seen(144, false);
        std::vector<int> stack{0};
        seen[0] = true;
        level.kinds[tileOf(0)] = game::kFloor;
        while (!stack.empty()) {
            const int cell = stack.back();
            std::vector<int> next;
            if (cell >= 12 && !seen[cell - 12]) next.push_back(cell - 12);
            if (cell < 132 && !seen[cell + 12]) next.push_back(cell + 12);
            if (cell % 12 > 0 && !seen[cell - 1]) next.push_back(cell - 1);
            if (cell % 12 < 11 && !seen[cell + 1]) next.push_back(cell + 1);
            if (next.empty()) {
                stack.pop_back();
                continue;
            }
            const int to = next[random() % next.size()];
            seen[to] = true;
            level.kinds[tileOf(to)] = game::kFloor;
            level.kinds[(tileOf(to) + tileOf(cell)) / 2] = game::kFloor;
            stack.push_back(to);
        }
        for (int room = 0; room < 4; ++room) {
            const int top = 1 + random() % 20, left = 1 + random() % 20;
            for (int t = 0; t < 9; ++t)
                level.kinds[(top + t / 3) * 25 + left + t % 3] = game::kFloor;
        }
        for (float step : {0.6f, 0.8f, 1.0f, 1.3f, 1.7f}) {
            levels_tool::SearchSettings settings;
            settings.step = step;
            levels_tool::HeroSearch search(level, settings);
            search.AddStart(levels_tool::ArrivalX(26), levels_tool::ArrivalY(26));
            search.Run();
            for (int t = 0; t < game::kTileCount; ++t) {
                if (level.kinds[t] != game::kFloor) continue;
                ASSERT_TRUE(search.ReachedTile(t))
                    << "maze " << maze << ", step " << step << ", tile " << t;
            }
        }
    }
}

}  // namespace
