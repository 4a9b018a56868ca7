#include "tools/levels/bots/level_runs.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>

#include "game/core/game_state.h"
#include "game/levels/level_files.h"
#include "game/platform/random.h"
#include "tools/levels/bots/bot_random.h"
#include "tools/levels/bots/campaign_routes.h"
#include "tools/levels/bots/headless_game.h"
#include "tools/levels/bots/newcomer_bot.h"
#include "tools/levels/bots/playthrough_bot.h"

namespace levels_tool {
namespace {

// What the hero carries from level to level.
struct HeroValues {
    int16_t lives = 0, maxLives = 0, heroLevel = 0;
    int16_t missileStrength = 0, missileRange = 0, bombStrength = 0, bombRange = 0;
    int32_t experience = 0, gold = 0;
    float speed = 0;

    static HeroValues Current() {
        return {game::Lives,        game::MaxLives,     game::HeroLevel, game::MissileStrength,
                game::MissileRange, game::BombStrength, game::BombRange, game::Experience,
                game::Gold,         game::HeroSpeed};
    }
    void Apply() const {
        game::Lives = lives;
        game::MaxLives = maxLives;
        game::HeroLevel = heroLevel;
        game::MissileStrength = missileStrength;
        game::MissileRange = missileRange;
        game::BombStrength = bombStrength;
        game::BombRange = bombRange;
        game::Experience = experience;
        game::Gold = gold;
        game::HeroSpeed = speed;
        game::HeroStepX = game::HeroStepY = speed;
    }
};

class DifficultyRuns {
  public:
    DifficultyRuns(const game::PackageRecord& package, const DifficultyOptions& options)
        : package_(package), options_(options), routes_(package, {}) {
        game_.SetDifficulty(options.difficulty);
    }

    std::vector<LevelDifficulty> Run() {
        if (!game_.InstallCampaign(package_))
            throw DifficultyError("the campaign cannot be written for the runs");
        FindArrivalValues();
        std::vector<LevelDifficulty> results;
        for (int32_t n : options_.levels) {
            try {
                results.push_back(Measure(n));
            } catch (const DifficultyError& e) {
                LevelDifficulty unmeasured;
                unmeasured.level = n;
                unmeasured.problem = e.what();
                results.push_back(unmeasured);
            }
        }
        return results;
    }

  private:
    CampaignRoutes::Entry EntryOf(int32_t n) {
        const auto entry = routes_.EntryInto(n);
        if (!entry)
            throw DifficultyError(DifficultyLevelName(n) +
                                  ": the hero cannot get here from level 0");
        return *entry;
    }

    Leg WayOnFrom(int32_t n, const CampaignRoutes::Entry& entry) {
        const auto leg = routes_.WayOnFrom(n, entry.tile);
        if (!leg)
            throw DifficultyError(DifficultyLevelName(n) + ": no way on from tile " +
                                  std::to_string(entry.tile));
        if (leg->kind == Leg::Goal::Passage)
            throw DifficultyError(DifficultyLevelName(n) +
                                  ": the way on is the hidden passage, which a newcomer "
                                  "does not know");
        return *leg;
    }

    // The hero the playthrough bot has when it first comes to each level:
    // it plays the way to the deepest levels first, noting every level on
    // the way.
    void FindArrivalValues() {
        std::vector<std::pair<size_t, int32_t>> byLength;
        for (int32_t n : options_.levels) {
            if (n <= 0 || n >= routes_.LevelCount()) continue;
            // A level without a way to it is told when it is measured.
            if (const auto route = routes_.RouteToLevel(n)) byLength.push_back({route->size(), n});
        }
        std::sort(byLength.rbegin(), byLength.rend());
        for (const auto& [length, n] : byLength) {
            if (arrivals_.count(n)) continue;
            game_.ResetState();
            if (!game_.NewGame()) throw DifficultyError("level 0 cannot be loaded");
            if (!arrivals_.count(0)) arrivals_[0] = HeroValues::Current();
            game::CheatMode = true;
            game::TickDelay = 0;
            PlaythroughBot bot(*routes_.RouteToLevel(n), {});
            int32_t level = 0;
            game_.Play([&] {
                const bool going = bot.BeforeFrame();
                if (game::LevelNumber != level) {
                    level = game::LevelNumber;
                    arrivals_.emplace(level, HeroValues::Current());
                }
                return going;
            });
            game::CheatMode = false;
            if (!arrivals_.count(n)) unreached_[n] = bot.Failure();
        }
        if (!arrivals_.count(0)) {
            game::ResetHero();
            arrivals_[0] = HeroValues::Current();
        }
    }

    LevelDifficulty Measure(int32_t n) {
        if (n < 0 || n >= routes_.LevelCount())
            throw DifficultyError(DifficultyLevelName(n) + ": the campaign has no such level");
        const CampaignRoutes::Entry entry = EntryOf(n);
        const Leg way = WayOnFrom(n, entry);
        if (!arrivals_.count(n))
            throw DifficultyError(DifficultyLevelName(n) +
                                  ": the playthrough bot did not get here (" + unreached_[n] + ")");
        // The level and every level its exits lead to, fresh for each run.
        std::set<int32_t> files{n};
        const WalkLevel& walk = routes_.Level(n);
        for (int32_t t = 0; t < game::kTileCount; ++t)
            if (walk.kinds[t] == game::kLevelExit && walk.toLevel[t] >= 0 &&
                walk.toLevel[t] < routes_.LevelCount())
                files.insert(walk.toLevel[t]);

        LevelDifficulty result;
        result.level = n;
        for (int r = 0; r < options_.runs; ++r) {
            for (int32_t f : files)
                if (!game_.WriteWorkingLevel(f, package_.levels[f]))
                    throw DifficultyError(DifficultyLevelName(f) +
                                          ": its working file cannot be written");
            PlayOnce(n, entry, way, r, result);
        }
        return result;
    }

    void PlayOnce(int32_t n, const CampaignRoutes::Entry& entry, const Leg& way, int run,
                  LevelDifficulty& result) {
        game_.ResetState();
        arrivals_.at(n).Apply();
        game::LevelNumber = n;
        game::HeroX = ArrivalX(entry.tile);
        game::HeroY = ArrivalY(entry.tile);
        game::LastHeroTile = static_cast<int16_t>(entry.exitTile);
        platform::Randomize(MixSeed(options_.seed, static_cast<uint64_t>(n), run, 0));
        if (!game::LoadLevel(n))
            throw DifficultyError(DifficultyLevelName(n) + ": it cannot be loaded");

        NewcomerBot bot(MixSeed(options_.seed, static_cast<uint64_t>(n), run, 1));
        int frames = 0;
        int16_t lives = game::Lives;
        bool cleared = false;
        game_.Play([&] {
            if (game::Lives < lives) result.livesLost += lives - std::max<int16_t>(game::Lives, 0);
            lives = game::Lives;
            if (game::HeroDead) return false;
            if (game::LevelNumber != n) {
                cleared = way.kind == Leg::Goal::Exit && game::LastHeroTile == way.goal;
                return false;
            }
            if (way.kind == Leg::Goal::Ending && CentreTile(game::HeroX, game::HeroY) == way.goal) {
                cleared = true;
                return false;
            }
            if (frames >= options_.frameLimit) return false;
            ++frames;
            bot.BeforeFrame();
            return true;
        });
        ThrowIfGameStopped(game_);
        ++result.runs;
        result.bumps += bot.Bumps();
        if (game::HeroDead) ++result.deaths;
        if (cleared) {
            ++result.cleared;
            result.clearedFrames.push_back(frames);
        }
    }

    const game::PackageRecord& package_;
    DifficultyOptions options_;
    CampaignRoutes routes_;
    HeadlessGame game_;
    std::map<int32_t, HeroValues> arrivals_;
    // Why the playthrough bot did not get to a level.
    std::map<int32_t, std::string> unreached_;
};

}  // namespace

double LevelDifficulty::MedianSeconds() const {
    return MedianSecondsOf(clearedFrames);
}

std::vector<LevelDifficulty> MeasureDifficulty(const game::PackageRecord& package,
                                               const DifficultyOptions& options) {
    return DifficultyRuns(package, options).Run();
}

std::string DifficultyLine(const LevelDifficulty& result) {
    std::string median = "-";
    if (result.MedianSeconds() >= 0) {
        char text[32];
        std::snprintf(text, sizeof text, "%.1f", result.MedianSeconds());
        median = text;
    }
    return "level " + std::to_string(result.level) + ": cleared " + std::to_string(result.cleared) +
           "/" + std::to_string(result.runs) + ", deaths " + std::to_string(result.deaths) +
           ", lives lost " + std::to_string(result.livesLost) + ", median time " + median + " s";
}

}  // namespace levels_tool
