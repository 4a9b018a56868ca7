#include "tools/levels/bots/difficulty.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <set>

#include "game/core/game_state.h"
#include "game/levels/level_files.h"
#include "game/platform/random.h"
#include "game/play/game_flow.h"
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

std::string LevelName(int32_t n) {
    return "level " + std::to_string(n);
}

// A run that shut the game down (a message box of the game, say) ends the
// measuring, naming the level and what the boxes said.
void ThrowIfStopped(HeadlessGame& game) {
    if (!game::ShutdownRequested) return;
    std::string why = LevelName(game::LevelNumber) + ": the game stopped";
    for (const std::string& box : game.Windows().messageBoxes)
        why += " (" + box + ")";
    throw DifficultyError(why);
}

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
        if (!entry) throw DifficultyError(LevelName(n) + ": the hero cannot get here from level 0");
        return *entry;
    }

    Leg WayOnFrom(int32_t n, const CampaignRoutes::Entry& entry) {
        const auto leg = routes_.WayOnFrom(n, entry.tile);
        if (!leg)
            throw DifficultyError(LevelName(n) + ": no way on from tile " +
                                  std::to_string(entry.tile));
        if (leg->kind == Leg::Goal::Passage)
            throw DifficultyError(LevelName(n) +
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
            throw DifficultyError(LevelName(n) + ": the campaign has no such level");
        const CampaignRoutes::Entry entry = EntryOf(n);
        const Leg way = WayOnFrom(n, entry);
        if (!arrivals_.count(n))
            throw DifficultyError(LevelName(n) + ": the playthrough bot did not get here (" +
                                  unreached_[n] + ")");
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
                    throw DifficultyError(LevelName(f) + ": its working file cannot be written");
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
        if (!game::LoadLevel(n)) throw DifficultyError(LevelName(n) + ": it cannot be loaded");

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
        ThrowIfStopped(game_);
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

// The picture of stairs down: where a newcomer looks for the way on.
constexpr int16_t kWayDownPicture = 38;

class ChainedRuns {
  public:
    ChainedRuns(const game::PackageRecord& package, const DifficultyOptions& options)
        : package_(package), options_(options), routes_(package, {}) {
        game_.SetDifficulty(options.difficulty);
    }

    std::vector<ChainedLevel> Run() {
        for (size_t i = 0; i < options_.levels.size(); ++i)
            if (options_.levels[i] != static_cast<int32_t>(i))
                throw DifficultyError("chained runs play the levels from level 0 without a gap");
        if (!game_.InstallCampaign(package_))
            throw DifficultyError("the campaign cannot be written for the runs");
        results_.resize(options_.levels.size());
        for (size_t i = 0; i < results_.size(); ++i)
            results_[i].level = options_.levels[i];
        PlanLegs();
        for (int r = 0; r < options_.runs; ++r)
            PlayRun(r);
        for (ChainedLevel& result : results_)
            if (result.problem.empty()) result.runs = options_.runs;
        return results_;
    }

  private:
    // One leg of the chain and the level of the report it belongs to.
    struct ChainLeg {
        size_t report = 0;
        Leg leg;
        // The exit leads into a level the run has not been in yet.
        bool onward = false;
    };

    // The legs from the start of a new game through the levels asked: the
    // fewest legs from where the hero arrives in each level to the next one
    // asked, and the main way on out of the last.
    void PlanLegs() {
        int32_t level = 0, tile = game::kNewGameTile;
        std::set<int32_t> visited{0};
        for (size_t i = 0; i < results_.size(); ++i) {
            std::vector<Leg> legs;
            if (i + 1 < results_.size()) {
                const auto route = routes_.RouteToLevelFrom(level, tile, options_.levels[i + 1]);
                if (route && !route->empty()) legs = *route;
            } else if (const auto leg = routes_.WayOnFrom(level, tile)) {
                legs.push_back(*leg);
            }
            const bool passage = std::any_of(legs.begin(), legs.end(), [](const Leg& leg) {
                return leg.kind == Leg::Goal::Passage;
            });
            if (legs.empty() || passage) {
                for (size_t j = i; j < results_.size(); ++j)
                    results_[j].problem = LevelName(options_.levels[j]) + ": no way on from tile " +
                                          std::to_string(tile) + " of level " +
                                          std::to_string(level) + " that a newcomer knows";
                return;
            }
            for (const Leg& leg : legs) {
                ChainLeg chained{i, leg, false};
                if (leg.kind == Leg::Goal::Exit) {
                    const WalkLevel& walk = routes_.Level(leg.level);
                    level = walk.toLevel[leg.goal];
                    tile = walk.arrival[leg.goal];
                    chained.onward = visited.insert(level).second;
                }
                legs_.push_back(chained);
            }
        }
    }

    enum class Outcome { Playing, Left, Died, WrongWay, TimeUp, Ended };

    void PlayRun(int run) {
        if (legs_.empty()) return;
        game_.ResetState();
        platform::Randomize(MixSeed(options_.seed, 0, run, 0));
        if (!game_.NewGame()) throw DifficultyError("level 0 cannot be loaded");
        game::TickDelay = 0;
        size_t at = 0;
        int deaths = 0, wrongWays = 0, tries = 0;
        Arrive(at, run, tries);
        for (;;) {
            const ChainLeg& leg = legs_[at];
            Outcome outcome = Outcome::Playing;
            int frames = 0;
            game::GameSuspended = false;
            game_.Play([&] {
                if (game::HeroDead) {
                    outcome = Outcome::Died;
                    return false;
                }
                if (game::LevelNumber != leg.leg.level) {
                    outcome = leg.leg.kind == Leg::Goal::Exit && game::LastHeroTile == leg.leg.goal
                                  ? Outcome::Left
                                  : Outcome::WrongWay;
                    return false;
                }
                if (leg.leg.kind == Leg::Goal::Ending &&
                    CentreTile(game::HeroX, game::HeroY) == leg.leg.goal) {
                    outcome = Outcome::Left;
                    return false;
                }
                if (frames >= options_.frameLimit) {
                    outcome = Outcome::TimeUp;
                    return false;
                }
                ++frames;
                bot_->BeforeFrame();
                return true;
            });
            ThrowIfStopped(game_);
            // The frame loop stops by itself when the hero's death ends the
            // game, or at the end of the game.
            if (outcome == Outcome::Playing)
                outcome = game::HeroDead ? Outcome::Died : Outcome::Ended;
            ChainedLevel& result = results_[leg.report];
            switch (outcome) {
                case Outcome::Died:
                    ++result.deaths;
                    if (++deaths >= options_.deathLimit) return;
                    TryAgain(at, run, ++tries);
                    break;
                case Outcome::WrongWay:
                    if (++wrongWays >= options_.deathLimit) return;
                    TryAgain(at, run, ++tries);
                    break;
                case Outcome::Left:
                case Outcome::Ended:
                    if (outcome == Outcome::Ended && leg.leg.kind != Leg::Goal::Ending) return;
                    if (++at == legs_.size()) {
                        ++result.cleared;
                        return;
                    }
                    if (legs_[at].report != leg.report) {
                        ++result.cleared;
                        deaths = wrongWays = 0;
                    }
                    tries = 0;
                    Arrive(at, run, tries);
                    break;
                case Outcome::TimeUp:
                case Outcome::Playing:
                    return;
            }
        }
    }

    // On arriving in the level of leg `at`: F5, and a newcomer who has
    // seen nothing of it yet.
    void Arrive(size_t at, int run, int tries) {
        if (at == 0 || legs_[at - 1].report != legs_[at].report) {
            ChainedLevel& result = results_[legs_[at].report];
            ++result.reached;
            result.arrivalLives.push_back(game::Lives);
        }
        game::QuickSave();
        StartBot(at, run, tries);
    }

    // After a death or a wrong way: F7, and the level from the save.
    void TryAgain(size_t at, int run, int tries) {
        game::GameSuspended = false;
        if (!game::QuickLoad())
            throw DifficultyError(LevelName(legs_[at].leg.level) +
                                  ": the quick save cannot be loaded");
        platform::Randomize(MixSeed(options_.seed, at + 1, run, 2 * tries));
        StartBot(at, run, tries);
    }

    void StartBot(size_t at, int run, int tries) {
        const ChainLeg& leg = legs_[at];
        // A tunnel mouth into a level he has not seen is the way on he looks
        // for; stairs down he looks for anyway, and a way back he takes when
        // nothing else is left.
        Looks wayOn = Looks::StairsDown;
        if (leg.onward && leg.leg.kind == Leg::Goal::Exit &&
            game::Tiles[leg.leg.goal].Picture != kWayDownPicture)
            wayOn = Looks::Tunnel;
        bot_ = std::make_unique<NewcomerBot>(MixSeed(options_.seed, at + 1, run, 2 * tries + 1),
                                             wayOn);
    }

    const game::PackageRecord& package_;
    DifficultyOptions options_;
    CampaignRoutes routes_;
    HeadlessGame game_;
    std::vector<ChainedLevel> results_;
    std::vector<ChainLeg> legs_;
    std::unique_ptr<NewcomerBot> bot_;
};

double Median(std::vector<int> values) {
    std::sort(values.begin(), values.end());
    const size_t half = values.size() / 2;
    return values.size() % 2 == 1 ? values[half]
                                  : (static_cast<double>(values[half - 1]) + values[half]) / 2.0;
}

}  // namespace

double ChainedLevel::MeanDeaths() const {
    return reached > 0 ? static_cast<double>(deaths) / reached : 0.0;
}

double ChainedLevel::MedianArrivalLives() const {
    return arrivalLives.empty() ? -1.0 : Median(arrivalLives);
}

std::vector<ChainedLevel> MeasureChained(const game::PackageRecord& package,
                                         const DifficultyOptions& options) {
    return ChainedRuns(package, options).Run();
}

std::string ChainedLine(const ChainedLevel& result) {
    char deaths[32], lives[32] = "-";
    std::snprintf(deaths, sizeof deaths, "%.2f", result.MeanDeaths());
    if (result.MedianArrivalLives() >= 0)
        std::snprintf(lives, sizeof lives, "%g", result.MedianArrivalLives());
    const std::string runs = "/" + std::to_string(result.runs);
    return "level " + std::to_string(result.level) + ": reached " + std::to_string(result.reached) +
           runs + ", cleared " + std::to_string(result.cleared) + runs + ", mean deaths " + deaths +
           ", lives on arrival " + lives + " (median)";
}

double LevelDifficulty::MedianSeconds() const {
    if (clearedFrames.empty()) return -1.0;
    std::vector<int> sorted = clearedFrames;
    std::sort(sorted.begin(), sorted.end());
    const size_t half = sorted.size() / 2;
    const double frames = sorted.size() % 2 == 1
                              ? sorted[half]
                              : (static_cast<double>(sorted[half - 1]) + sorted[half]) / 2.0;
    return frames / 60.0;
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
