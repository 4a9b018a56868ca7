// The campaign the build made, as a newcomer meets it: a way on through the
// first levels that is two tiles wide everywhere, levels of the first act
// the newcomer bot clears, and the whole cave played through in one go.
#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>

#include "game/core/game_state.h"
#include "game/levels/package_record.h"
#include "game/platform/file_io.h"
#include "tools/levels/bots/campaign_routes.h"
#include "tools/levels/bots/chained_runs.h"
#include "tools/levels/bots/hero_search.h"
#include "tools/levels/bots/level_runs.h"

namespace {

namespace fs = std::filesystem;
using levels_tool::CampaignRoutes;
using levels_tool::WalkLevel;

game::PackageRecord BuiltCampaign() {
    const fs::path built = fs::path(KARVELUN_DIST_DIR) / "data" / "levels.all";
    std::vector<uint8_t> bytes;
    EXPECT_TRUE(game::ReadWholeFile(built.string(), bytes)) << built;
    game::ByteReader in(bytes);
    game::PackageRecord package;
    EXPECT_TRUE(game::ReadPackageRecord(in, false, package)) << built;
    return package;
}

bool IsWall(int16_t kind) {
    return kind == game::kSolidWall || kind == game::kDestructibleWall;
}

// The level as it is once every cracked wall is broken and every lever
// pulled.
std::array<int16_t, game::kTileCount> Opened(const WalkLevel& level) {
    std::array<int16_t, game::kTileCount> kinds = level.kinds;
    for (int32_t t = 0; t < game::kTileCount; ++t) {
        if (kinds[t] == game::kDestructibleWall) kinds[t] = game::kFloor;
        if (level.kinds[t] == game::kMechanism && level.target[t] >= 0) {
            kinds[t] = game::kFloor;
            kinds[level.target[t]] = level.newKind[t];
        }
    }
    return kinds;
}

// Tiles with a wall on both sides across one way: a gap one tile wide.
std::vector<int32_t> OneTileGaps(const std::array<int16_t, game::kTileCount>& kinds) {
    const auto wall = [&](int32_t row, int32_t column) {
        return row < 0 || column < 0 || row >= game::kGridSize || column >= game::kGridSize ||
               IsWall(kinds[row * game::kGridSize + column]);
    };
    std::vector<int32_t> gaps;
    for (int32_t t = 0; t < game::kTileCount; ++t) {
        const int32_t row = t / game::kGridSize, column = t % game::kGridSize;
        if (IsWall(kinds[t])) continue;
        if ((wall(row, column - 1) && wall(row, column + 1)) ||
            (wall(row - 1, column) && wall(row + 1, column)))
            gaps.push_back(t);
    }
    return gaps;
}

// From where the main way enters each of the first four levels to the
// exit it leaves by, the hero gets through without a gap one tile wide
// (the stairs themselves may stand in a niche).
TEST(ActOne, TheWayOnThroughTheFirstFourLevelsIsTwoTilesWide) {
    const game::PackageRecord package = BuiltCampaign();
    CampaignRoutes routes(package, {});
    ASSERT_GE(routes.LevelCount(), 4);
    game::InitTileCoordinates();
    for (int32_t n = 0; n <= 3; ++n) {
        const auto entry = routes.EntryInto(n);
        ASSERT_TRUE(entry) << "level " << n;
        const auto way = routes.WayOnFrom(n, entry->tile);
        ASSERT_TRUE(way) << "level " << n;

        WalkLevel wide = routes.Level(n);
        std::string gaps;
        for (int32_t t : OneTileGaps(Opened(wide))) {
            if (t == way->goal || t == entry->tile) continue;
            wide.kinds[t] = game::kSolidWall;
            gaps += " " + std::to_string(t % game::kGridSize) + "," +
                    std::to_string(t / game::kGridSize);
        }
        levels_tool::HeroSearch search(wide, {});
        search.AddStart(levels_tool::ArrivalX(entry->tile), levels_tool::ArrivalY(entry->tile));
        search.Run();
        EXPECT_TRUE(search.ReachedTile(way->goal))
            << "level " << n << ": from tile " << entry->tile << " to the exit on tile "
            << way->goal << " only through gaps one tile wide, among (column,row):" << gaps;
    }
}

// Steps from tile `from` to every tile over the level as it is once opened,
// not through ways out; -1 where there is no way.
std::array<int, game::kTileCount> StepsFrom(const WalkLevel& level, int32_t from) {
    const std::array<int16_t, game::kTileCount> kinds = Opened(level);
    std::array<int, game::kTileCount> steps;
    steps.fill(-1);
    std::vector<int32_t> queue{from};
    steps[from] = 0;
    for (size_t i = 0; i < queue.size(); ++i) {
        const int32_t t = queue[i];
        if (t != from && kinds[t] == game::kLevelExit) continue;
        const int32_t row = t / game::kGridSize, column = t % game::kGridSize;
        for (const auto& [dr, dc] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}}) {
            const int32_t r = row + dr, c = column + dc;
            if (r < 0 || c < 0 || r >= game::kGridSize || c >= game::kGridSize) continue;
            const int32_t n = r * game::kGridSize + c;
            if (steps[n] >= 0 || IsWall(kinds[n])) continue;
            steps[n] = steps[t] + 1;
            queue.push_back(n);
        }
    }
    return steps;
}

// Each warning sign of act I stands before its danger on the way from
// where the main way enters the level: fewer steps from there to the sign
// than to the nearest spike, sigil or monster it warns of.
TEST(ActOne, WarningSignsStandBeforeTheirDangers) {
    enum class Danger { Traps, Monsters };
    struct Warning {
        int32_t level;
        const char* word;  // in the sign's text
        Danger danger;
    };
    const Warning warnings[] = {
        {0, "Krysy", Danger::Monsters},  // rats bite
        {2, "Ostny", Danger::Traps},     // spikes hurt
        {3, "znaky", Danger::Traps},     // red sigils burn
        {5, "pavou", Danger::Monsters},  // spiders' webs
        {6, "bol", Danger::Traps},       // the middle way hurts
    };
    const game::PackageRecord package = BuiltCampaign();
    CampaignRoutes routes(package, {});
    ASSERT_GE(routes.LevelCount(), 8);
    for (const Warning& warning : warnings) {
        const game::LevelRecord& level = package.levels[warning.level];
        const auto entry = routes.EntryInto(warning.level);
        ASSERT_TRUE(entry) << "level " << warning.level;
        const auto steps = StepsFrom(routes.Level(warning.level), entry->tile);
        int32_t sign = -1;
        for (int32_t t = 0; t < game::kTileCount; ++t)
            if (level.tiles[t].Kind == game::kSign &&
                level.tiles[t].Param1.find(warning.word) != std::string::npos)
                sign = t;
        ASSERT_GE(sign, 0) << "level " << warning.level << ": no sign with " << warning.word;
        std::vector<int32_t> dangers;
        if (warning.danger == Danger::Traps) {
            for (int32_t t = 0; t < game::kTileCount; ++t)
                if (level.tiles[t].Kind == game::kTrapFloor) dangers.push_back(t);
        } else {
            for (const game::MonsterRecord& m : level.monsters)
                dangers.push_back(game::TileIndexOf(m.X + 7.0f, m.Y + 7.0f));
        }
        int nearest = -1;
        for (int32_t t : dangers)
            if (steps[t] >= 0 && (nearest < 0 || steps[t] < nearest)) nearest = steps[t];
        ASSERT_GE(steps[sign], 0) << "level " << warning.level << ": the sign cannot be reached";
        ASSERT_GE(nearest, 0) << "level " << warning.level << ": no danger to warn of";
        EXPECT_LT(steps[sign], nearest)
            << "level " << warning.level << ": the sign " << warning.word << " on tile " << sign
            << " is " << steps[sign] << " steps from the arrival, its danger " << nearest;
    }
}

// The difficulty report of act I (make difficulty): twenty seeded runs of
// each level, level 0 cleared at least eighteen times, every other level at
// least fourteen times.
TEST(ActOne, ANewcomerClearsEveryLevelOfTheFirstAct) {
    levels_tool::DifficultyOptions options;
    options.levels = {0, 1, 2, 3, 4, 5, 6, 7};
    options.runs = 20;
    options.seed = 1;
    const auto results = levels_tool::MeasureDifficulty(BuiltCampaign(), options);
    ASSERT_EQ(results.size(), options.levels.size());
    for (const levels_tool::LevelDifficulty& result : results) {
        std::cout << "[ newcomer ] " << levels_tool::DifficultyLine(result) << "\n";
        EXPECT_EQ(result.runs, 20);
        EXPECT_GE(result.cleared, result.level == 0 ? 18 : 14)
            << levels_tool::DifficultyLine(result);
    }
}

// Act I in one go (make difficulty, --chained): twenty seeded runs from a
// new game, every level cleared at least sixteen times with at most one
// death a run on average.
TEST(ActOne, ANewcomerPlaysTheFirstActInOneGo) {
    levels_tool::DifficultyOptions options;
    options.levels = {0, 1, 2, 3, 4, 5, 6, 7};
    options.runs = 20;
    options.seed = 1;
    const auto report = levels_tool::MeasureChained(BuiltCampaign(), options);
    ASSERT_EQ(report.levels.size(), options.levels.size());
    for (const levels_tool::ChainedLevel& result : report.levels) {
        std::cout << "[ one go   ] " << levels_tool::ChainedLine(result) << "\n";
        EXPECT_EQ(result.problem, "");
        EXPECT_GE(result.cleared, 16) << levels_tool::ChainedLine(result);
        EXPECT_LE(result.MeanDeaths(), 1.0) << levels_tool::ChainedLine(result);
    }
}

}  // namespace

namespace {

// The whole cave in one go (make difficulty prints the same report): of
// twenty seeded newcomers at least twelve reach the end of the game in the
// game as it starts, and eighteen in the easier one; every level is cleared
// by at least four in five of the runs that reach it, and none takes one of
// them more than five minutes (the median).
TEST(Campaign, TwentyNewcomersPlayTheWholeCaveInOneGo) {
    struct Case {
        const char* name;
        settings::Difficulty difficulty;
        int endings;
    };
    const Case cases[] = {{"normal", settings::Difficulty::kNormal, 12},
                          {"easy", settings::Difficulty::kEasy, 18}};
    const game::PackageRecord package = BuiltCampaign();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        levels_tool::DifficultyOptions options;
        for (int32_t n = 0; n <= 80; ++n)
            options.levels.push_back(n);
        options.runs = 20;
        options.seed = 1;
        options.difficulty = c.difficulty;
        const auto report = levels_tool::MeasureChained(package, options);
        for (const levels_tool::ChainedLevel& result : report.levels) {
            std::cout << "[ " << c.name << " ] " << levels_tool::ChainedLine(result) << "\n";
            EXPECT_EQ(result.problem, "");
            EXPECT_GE(result.cleared * 5, result.reached * 4) << levels_tool::ChainedLine(result);
            EXPECT_LE(result.MedianSeconds(), 300.0) << levels_tool::ChainedLine(result);
        }
        for (const levels_tool::ChainedStretch& act : report.acts)
            std::cout << "[ " << c.name << " ] " << levels_tool::StretchLine(act) << "\n";
        ASSERT_EQ(report.ending.size(), 1u);
        std::cout << "[ " << c.name << " ] " << levels_tool::StretchLine(report.ending[0]) << "\n";
        EXPECT_GE(report.ending[0].finished, c.endings);
    }
}

}  // namespace
