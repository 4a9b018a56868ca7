#include "tools/levels/bots/chained_runs.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <set>

#include "game/core/game_state.h"
#include "game/core/play_time.h"
#include "game/platform/random.h"
#include "game/play/game_flow.h"
#include "tools/levels/bots/bot_random.h"
#include "tools/levels/bots/campaign_routes.h"
#include "tools/levels/bots/headless_game.h"
#include "tools/levels/bots/newcomer_bot.h"

namespace levels_tool {
namespace {

// Pictures of the ways out: a newcomer tells them apart at a glance.
constexpr int16_t kWayDownPicture = 38, kWayUpPicture = 39;

// The acts of the cave, by their levels.
struct Act {
    const char* name;
    int32_t first, last;
};
constexpr Act kActs[] = {{"I", 0, 7},    {"II", 8, 15},  {"III", 16, 23}, {"IV", 24, 31},
                         {"V", 32, 39},  {"VI", 40, 47}, {"VII", 48, 55}, {"VIII", 56, 63},
                         {"IX", 64, 71}, {"X", 72, 80}};

// A median of frames as the load dialog tells play time ("0:02:36"); "-"
// for no time.
std::string ClockText(double frames) {
    if (frames < 0) return "-";
    return game::PlayTimeText(static_cast<uint64_t>(std::llround(frames)));
}

std::string MedianText(double median) {
    if (median < 0) return "-";
    char text[32];
    std::snprintf(text, sizeof text, "%g", median);
    return text;
}

class ChainedRuns {
  public:
    ChainedRuns(const game::PackageRecord& package, const DifficultyOptions& options)
        : package_(package), options_(options), routes_(package, {}) {
        game_.SetDifficulty(options.difficulty);
    }

    ChainedReport Run() {
        for (size_t i = 0; i < options_.levels.size(); ++i)
            if (options_.levels[i] != static_cast<int32_t>(i))
                throw DifficultyError("chained runs play the levels from level 0 without a gap");
        if (!game_.InstallCampaign(package_))
            throw DifficultyError("the campaign cannot be written for the runs");
        report_.levels.resize(options_.levels.size());
        for (size_t i = 0; i < report_.levels.size(); ++i)
            report_.levels[i].level = options_.levels[i];
        PlanLegs();
        MakeStretches();
        for (int r = 0; r < options_.runs; ++r)
            PlayRun(r);
        for (ChainedLevel& result : report_.levels)
            if (result.problem.empty()) result.runs = options_.runs;
        return report_;
    }

  private:
    // One leg of the chain and the level of the report it belongs to.
    struct ChainLeg {
        size_t report = 0;
        Leg leg;
        // The exit leads into a level the run has not been in yet.
        bool onward = false;
        // What the hero came into the leg's level through, as it looks
        // there (Unknown at the start of the game).
        Looks cameBy = Looks::Unknown;
    };

    // The legs from the start of a new game through the levels asked: the
    // fewest legs from where the hero arrives in each level to the next one
    // asked, and the main way on out of the last.  The levers of a level
    // he has been in stay pulled for the ways planned after.
    void PlanLegs() {
        int32_t level = 0, tile = game::kNewGameTile;
        Looks cameBy = Looks::Unknown;
        std::set<int32_t> visited{0};
        for (size_t i = 0; i < report_.levels.size(); ++i) {
            std::vector<Leg> legs;
            if (i + 1 < report_.levels.size()) {
                const auto route = routes_.RouteToLevelFrom(level, tile, options_.levels[i + 1]);
                if (route && !route->empty()) legs = *route;
            } else if (const auto leg = routes_.WayOnFrom(level, tile)) {
                legs.push_back(*leg);
            }
            const bool passage = std::any_of(legs.begin(), legs.end(), [](const Leg& leg) {
                return leg.kind == Leg::Goal::Passage;
            });
            if (legs.empty() || passage) {
                for (size_t j = i; j < report_.levels.size(); ++j)
                    report_.levels[j].problem = DifficultyLevelName(options_.levels[j]) +
                                                ": no way on from tile " + std::to_string(tile) +
                                                " of level " + std::to_string(level) +
                                                " that a newcomer knows";
                return;
            }
            for (const Leg& leg : legs) {
                routes_.CarryChanges(leg.level, leg.from);
                ChainLeg chained{i, leg, false, cameBy};
                if (leg.kind == Leg::Goal::Exit) {
                    const WalkLevel& walk = routes_.Level(leg.level);
                    level = walk.toLevel[leg.goal];
                    tile = walk.arrival[leg.goal];
                    chained.onward = visited.insert(level).second;
                    cameBy = ComingBackBy(package_.levels[leg.level].tiles[leg.goal].Picture);
                }
                legs_.push_back(chained);
            }
        }
    }

    // Through stairs down the hero comes to stairs up, and the other way
    // round; through a tunnel mouth to a tunnel mouth.
    static Looks ComingBackBy(int16_t exitPicture) {
        if (exitPicture == kWayDownPicture) return Looks::StairsUp;
        if (exitPicture == kWayUpPicture) return Looks::StairsDown;
        return Looks::Tunnel;
    }

    ChainedStretch Stretch(const char* name, int32_t first, int32_t last) const {
        ChainedStretch stretch;
        stretch.name = name;
        stretch.first = first;
        stretch.last = last;
        stretch.runs = options_.runs;
        return stretch;
    }

    void MakeStretches() {
        const int32_t last = options_.levels.empty() ? -1 : options_.levels.back();
        for (const Act& act : kActs)
            if (act.last <= last) report_.acts.push_back(Stretch(act.name, act.first, act.last));
        if (!legs_.empty() && legs_.back().leg.kind == Leg::Goal::Ending &&
            legs_.back().report + 1 == report_.levels.size())
            report_.ending.push_back(Stretch("ending", 0, last));
    }

    enum class Outcome { Playing, Left, Died, WrongWay, TimeUp, Ended };

    void PlayRun(int run) {
        if (legs_.empty()) return;
        game_.ResetState();
        platform::Randomize(MixSeed(options_.seed, 0, run, 0));
        if (!game_.NewGame()) throw DifficultyError("level 0 cannot be loaded");
        game::TickDelay = 0;
        arrivedAt_.assign(report_.levels.size(), -1);
        leftAt_.assign(report_.levels.size(), -1);
        played_ = 0;
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
                ++played_;
                if (leg.leg.level < options_.healedBefore) game::Lives = game::MaxLives;
                bot_->BeforeFrame();
                return true;
            });
            ThrowIfGameStopped(game_);
            // The frame loop stops by itself when the hero's death ends the
            // game, or at the end of the game.
            if (outcome == Outcome::Playing)
                outcome = game::HeroDead ? Outcome::Died : Outcome::Ended;
            ChainedLevel& result = report_.levels[leg.report];
            switch (outcome) {
                case Outcome::Died:
                    ++result.deaths;
                    if (++deaths >= options_.deathLimit) return Finish();
                    TryAgain(at, run, ++tries);
                    break;
                case Outcome::WrongWay:
                    if (++wrongWays >= options_.deathLimit) {
                        ++result.lost;
                        return Finish();
                    }
                    TryAgain(at, run, ++tries);
                    break;
                case Outcome::Left:
                case Outcome::Ended:
                    if (outcome == Outcome::Ended && leg.leg.kind != Leg::Goal::Ending)
                        return Finish();
                    if (++at == legs_.size() || legs_[at].report != leg.report) {
                        ++result.cleared;
                        leftAt_[leg.report] = played_;
                        result.clearedFrames.push_back(played_ - arrivedAt_[leg.report]);
                        deaths = wrongWays = 0;
                    }
                    if (at == legs_.size()) return Finish();
                    tries = 0;
                    Arrive(at, run, tries);
                    break;
                case Outcome::TimeUp:
                    ++result.lost;
                    return Finish();
                case Outcome::Playing:
                    return Finish();
            }
        }
    }

    // The acts and the way to the end this run got through.
    void Finish() {
        for (std::vector<ChainedStretch>* stretches : {&report_.acts, &report_.ending}) {
            for (ChainedStretch& stretch : *stretches) {
                const int arrived = arrivedAt_[static_cast<size_t>(stretch.first)];
                const int left = leftAt_[static_cast<size_t>(stretch.last)];
                if (arrived < 0) continue;
                ++stretch.reached;
                if (left < 0) continue;
                ++stretch.finished;
                stretch.finishedFrames.push_back(left - arrived);
            }
        }
    }

    // On arriving in the level of leg `at`: F5, and a newcomer who has
    // seen nothing of it yet.
    void Arrive(size_t at, int run, int tries) {
        if (at == 0 || legs_[at - 1].report != legs_[at].report) {
            ChainedLevel& result = report_.levels[legs_[at].report];
            ++result.reached;
            result.arrivalLives.push_back(game::Lives);
            result.arrivalHeroLevels.push_back(game::HeroLevel);
            result.arrivalMissiles.push_back(game::MissileStrength);
            arrivedAt_[legs_[at].report] = played_;
        }
        game::QuickSave();
        StartBot(at, run, tries);
    }

    // After a death or a wrong way: F7, and the level from the save.
    void TryAgain(size_t at, int run, int tries) {
        game::GameSuspended = false;
        if (!game::QuickLoad())
            throw DifficultyError(DifficultyLevelName(legs_[at].leg.level) +
                                  ": the quick save cannot be loaded");
        platform::Randomize(MixSeed(options_.seed, at + 1, run, 2 * tries));
        StartBot(at, run, tries);
    }

    void StartBot(size_t at, int run, int tries) {
        const ChainLeg& leg = legs_[at];
        // A tunnel mouth into a level he has not seen is the way on he looks
        // for; stairs down he looks for anyway, and another way out he takes
        // when nothing else is left.
        Looks wayOn = Looks::StairsDown;
        if (leg.onward && leg.leg.kind == Leg::Goal::Exit &&
            game::Tiles[leg.leg.goal].Picture != kWayDownPicture)
            wayOn = Looks::Tunnel;
        bot_ = std::make_unique<NewcomerBot>(MixSeed(options_.seed, at + 1, run, 2 * tries + 1),
                                             wayOn, leg.cameBy);
    }

    const game::PackageRecord& package_;
    DifficultyOptions options_;
    CampaignRoutes routes_;
    HeadlessGame game_;
    ChainedReport report_;
    std::vector<ChainLeg> legs_;
    std::unique_ptr<NewcomerBot> bot_;
    // This run: frames played, and when it came to and left each level of
    // the report (-1: not).
    int played_ = 0;
    std::vector<int> arrivedAt_, leftAt_;
};

}  // namespace

double ChainedLevel::MeanDeaths() const {
    return reached > 0 ? static_cast<double>(deaths) / reached : 0.0;
}

double ChainedLevel::MedianArrivalLives() const {
    return MedianOf(arrivalLives);
}

double ChainedLevel::MedianArrivalHeroLevel() const {
    return MedianOf(arrivalHeroLevels);
}

double ChainedLevel::MedianArrivalMissile() const {
    return MedianOf(arrivalMissiles);
}

double ChainedLevel::MedianSeconds() const {
    return MedianSecondsOf(clearedFrames);
}

double ChainedStretch::MedianSeconds() const {
    return MedianSecondsOf(finishedFrames);
}

ChainedReport MeasureChained(const game::PackageRecord& package, const DifficultyOptions& options) {
    return ChainedRuns(package, options).Run();
}

std::string ChainedLine(const ChainedLevel& result) {
    char deaths[32];
    std::snprintf(deaths, sizeof deaths, "%.2f", result.MeanDeaths());
    const std::string runs = "/" + std::to_string(result.runs);
    return "level " + std::to_string(result.level) + ": reached " + std::to_string(result.reached) +
           runs + ", cleared " + std::to_string(result.cleared) + runs + ", mean deaths " + deaths +
           ", lives on arrival " + MedianText(result.MedianArrivalLives()) +
           " (median), hero level " + MedianText(result.MedianArrivalHeroLevel()) + ", missile " +
           MedianText(result.MedianArrivalMissile()) + ", median time " +
           ClockText(MedianOf(result.clearedFrames));
}

std::string LostLine(const ChainedLevel& result) {
    if (result.lost == 0) return {};
    return "level " + std::to_string(result.level) + ": the way on was not found in " +
           std::to_string(result.lost) + " of the " + std::to_string(result.reached) +
           " runs that reached it";
}

std::string StretchLine(const ChainedStretch& stretch) {
    const std::string runs = "/" + std::to_string(stretch.runs);
    if (stretch.name == "ending")
        return "ending: " + std::to_string(stretch.finished) + runs + ", median time " +
               ClockText(MedianOf(stretch.finishedFrames));
    return "act " + stretch.name + ": reached " + std::to_string(stretch.reached) + runs +
           ", finished " + std::to_string(stretch.finished) + runs + ", median time " +
           ClockText(MedianOf(stretch.finishedFrames));
}

}  // namespace levels_tool
