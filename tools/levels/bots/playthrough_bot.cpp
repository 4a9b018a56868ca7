#include "tools/levels/bots/playthrough_bot.h"

#include <cmath>

#include "game/core/game_state.h"
#include "game/platform/keys.h"
#include "game/platform/numbers.h"
#include "game/replay/tool_edits.h"
#include "game/world/walls.h"
#include "tools/levels/bots/bot_keys.h"

namespace levels_tool {
namespace {

namespace vk = platform::vk;

constexpr int16_t kKeyH = 'H', kKeyS = 'S';
constexpr int16_t kCtrlAlt = platform::kCtrlMask | platform::kAltMask;

std::string Where() {
    return "level " + std::to_string(game::LevelNumber) + " at (" + std::to_string(game::HeroX) +
           ", " + std::to_string(game::HeroY) + ")";
}

float Distance(float ax, float ay, float bx, float by) {
    return std::hypot(ax - bx, ay - by);
}

}  // namespace

PlaythroughBot::PlaythroughBot(std::vector<Leg> legs, Options options)
    : legs_(std::move(legs)), options_(options) {}

bool PlaythroughBot::Fail(const std::string& why) {
    failure_ = why + " (" + Where() + ", frame " + std::to_string(tally_.frames) + ")";
    ReleaseArrows();
    HoldFire(false);
    return false;
}

float PlaythroughBot::Step() const {
    return game::HeroSpeed;
}

bool PlaythroughBot::BeforeFrame() {
    if (done_ || !failure_.empty()) return false;
    if (game::HeroDead) return Fail("the hero died");
    if (++tally_.frames > options_.frameLimit) return Fail("the bot gave up");
    KeepAlive();
    if (game::LevelNumber != level_) {
        if (!Arrive()) return false;
        if (done_) return false;
    }
    // The end of the game (the route's last goal) has acted under the
    // hero's centre.
    if (!legs_.empty() && legs_.back().kind == Leg::Goal::Ending && level_ == legs_.back().level &&
        CentreTile(game::HeroX, game::HeroY) == legs_.back().goal) {
        done_ = true;
        ReleaseArrows();
        HoldFire(false);
        return false;
    }
    switch (mode_) {
        case Mode::Fire:
            return Fire();
        case Mode::WaitBlast:
            return WaitBlast();
        case Mode::Hunt:
            return Hunt();
        default:
            return Follow();
    }
}

// The cheat key of a game in cheat mode: lives back to the maximum.
void PlaythroughBot::KeepAlive() {
    if (game::Lives < game::MaxLives) PressKey(kKeyH, kCtrlAlt);
}

bool PlaythroughBot::Arrive() {
    const int32_t now = game::LevelNumber;
    if (level_ < 0) {
        if (legs_.empty() || legs_[0].level != now)
            return Fail("the route does not start in level " + std::to_string(now));
    } else if (leg_ + 1 < legs_.size() && legs_[leg_ + 1].level == now) {
        ++leg_;
    } else if (leg_ + 1 == legs_.size() && legs_.back().kind != Leg::Goal::Ending) {
        done_ = true;  // the route ends with this arrival
    } else {
        return Fail("the hero came to level " + std::to_string(now) + " off the route");
    }
    level_ = now;
    tally_.levels.push_back(now);
    plan_.reset();
    mode_ = Mode::Follow;
    then_ = Then::Goal;
    stuck_ = 0;
    wall_ = -1;
    ReleaseArrows();
    HoldFire(false);
    if (done_) return true;
    if (CentreTile(game::HeroX, game::HeroY) != CurrentLeg().from)
        return Fail("the hero did not arrive on tile " + std::to_string(CurrentLeg().from));
    if (now != game::kLastLevel || !GateNeeded()) ClearMonsters();
    return true;
}

// Taken off through the recorded edit, so that a recording of the bot's
// game plays back.
void PlaythroughBot::ClearMonsters() {
    replay::TakeOffMonsters(replay::kTakeOffAll);
}

// In the last hall, when the way on is through the gate that only a kill
// opens, the weakest monster the hero can get to is kept for him to kill.
// One whose single blow would take all his lives is taken off the level
// through the game's own removal instead, which shakes the hall open as a
// kill does.
bool PlaythroughBot::GateNeeded() {
    if (game::MonsterCount == 0 || game::Tiles[game::kHallGateTile].Kind != game::kSolidWall)
        return false;
    SearchSettings settings;
    settings.step = Step();
    settings.gateOpensOnKill = false;
    const WalkLevel level = CurrentWalkLevel();
    HeroSearch closed(level, settings);
    closed.AddStart(game::HeroX, game::HeroY);
    closed.Run();
    if (closed.ReachedTile(CurrentLeg().goal)) return false;

    int16_t prey = -1;
    for (int16_t i = 0; i < game::MonsterCount; ++i) {
        const game::Monster& m = game::Monsters[i];
        const bool reachable = closed.FirstNode([&](const HeroSearch::Node& n) {
            return Distance(n.x, n.y, m.X, m.Y) < 12.0f;
        }) >= 0;
        if (!reachable) continue;
        if (prey < 0 || m.Damage < game::Monsters[prey].Damage ||
            (m.Damage == game::Monsters[prey].Damage &&
             Distance(m.X, m.Y, game::HeroX, game::HeroY) < Distance(game::Monsters[prey].X,
                                                                     game::Monsters[prey].Y,
                                                                     game::HeroX, game::HeroY)))
            prey = i;
    }
    if (prey < 0) return false;
    if (game::Monsters[prey].Damage >= game::MaxLives) {
        replay::TakeOffMonsters(replay::kKillAll);
        ++tally_.removedInHall;
        return false;
    }
    replay::TakeOffMonsters(prey);
    return true;
}

// --- walking a plan ----------------------------------------------------------

void PlaythroughBot::StartPlan(WalkPlan plan, Then then) {
    plan_ = std::move(plan);
    then_ = then;
    stride_ = 0;
    framesLeft_ = 0;
}

bool PlaythroughBot::PlanGoal() {
    // Both steps become the hero's speed, the step the plan is made for.
    ReleaseArrows();
    // Plans that keep failing on the spot are a stuck hero; moving on is not.
    if (Distance(game::HeroX, game::HeroY, plannedAt_.x, plannedAt_.y) > 1.0f) stuck_ = 0;
    plannedAt_ = {game::HeroX, game::HeroY};
    auto plan = PlanWalkTo(CurrentLeg().goal, Step());
    if (!plan) return Fail("no way to tile " + std::to_string(CurrentLeg().goal));
    ++tally_.replans;
    StartPlan(std::move(*plan), Then::Goal);
    return true;
}

PlaythroughBot::Progress PlaythroughBot::StepAlong() {
    if (framesLeft_ > 0) {
        HoldOnly(heading_);
        --framesLeft_;
        return Progress::Moving;
    }
    if (stride_ > 0) {
        const Spot& spot = plan_->spots[stride_ - 1];
        if (std::fabs(game::HeroX - spot.x) > 1e-3f || std::fabs(game::HeroY - spot.y) > 1e-3f) {
            missed_ = spot;
            return Progress::Missed;
        }
    }
    if (stride_ == plan_->strides.size()) return Progress::Arrived;
    const Stride& stride = plan_->strides[stride_++];
    heading_ = stride.heading;
    framesLeft_ = stride.frames - 1;
    HoldOnly(heading_);
    return Progress::Moving;
}

bool PlaythroughBot::Follow() {
    if (!plan_ && !PlanGoal()) return false;
    switch (StepAlong()) {
        case Progress::Moving:
            return true;
        case Progress::Arrived:
            return PlanDone();
        default:
            return Mismatch();
    }
}

// The hero did not come where the plan said: something stands in the way
// that the plan took as passable, or the level has changed.
bool PlaythroughBot::Mismatch() {
    const int first = std::max(0, static_cast<int>(std::floor((missed_.x - 3) / 20)));
    const int last = std::min(24, static_cast<int>(std::floor((missed_.x + 18) / 20)));
    const int top = std::max(0, static_cast<int>(std::floor((missed_.y - 3) / 20)));
    const int bottom = std::min(24, static_cast<int>(std::floor((missed_.y + 18) / 20)));
    for (int row = top; row <= bottom; ++row) {
        for (int column = first; column <= last; ++column) {
            const int32_t t = row * game::kGridSize + column;
            if (game::Tiles[t].Kind == game::kDestructibleWall) return AttackWall(t);
            if (level_ == game::kLastLevel && t == game::kHallGateTile &&
                game::Tiles[t].Kind == game::kSolidWall && game::MonsterCount > 0) {
                ReleaseArrows();
                plan_.reset();
                mode_ = Mode::Hunt;
                return Hunt();
            }
        }
    }
    if (++stuck_ > 30) return Fail("the hero keeps missing his way");
    plan_.reset();
    return Follow();
}

bool PlaythroughBot::PlanDone() {
    switch (then_) {
        case Then::Goal:
            if (plan_->tile != CurrentLeg().goal) {
                // A mechanism that opens the way: it has acted now.
                if (game::Tiles[plan_->tile].Kind != game::kMechanism) ++tally_.mechanisms;
                plan_.reset();
                stuck_ = 0;
                return Follow();
            }
            if (CurrentLeg().kind == Leg::Goal::Passage) {
                ReleaseArrows();
                PressKey(kKeyS);
                return true;
            }
            // An exit or the end acts as the hero's centre comes onto it;
            // he is still here, so the level has changed under him.
            if (++stuck_ > 30) return Fail("the goal does not act");
            plan_.reset();
            return Follow();
        case Then::Fire: {
            ReleaseArrows();
            mode_ = Mode::Fire;
            // Each missile takes the missile's strength; one leaves every
            // 49 frames.  Time for them all and a few more.
            const double strength = platform::LeadingNumber(game::Tiles[wall_].Param1);
            const double shots = std::ceil(strength / std::max<int16_t>(game::MissileStrength, 1));
            fireUntil_ = tally_.frames + static_cast<int>((shots + 2) * 50 + 100);
            HoldFire(true);
            return true;
        }
        case Then::LayBomb: {
            ReleaseArrows();
            PressKey(vk::Space);
            ++tally_.bombsLaid;
            // Out of the fragments' way while it bursts.
            auto retreat = PlanNear(game::BombX + 4.0f, game::BombY + 4.0f, game::BombRange + 25.0f,
                                    Step(), true);
            if (retreat) {
                StartPlan(std::move(*retreat), Then::WaitBlast);
                return Follow();
            }
            plan_.reset();
            mode_ = Mode::WaitBlast;
            return true;
        }
        case Then::WaitBlast:
            ReleaseArrows();
            mode_ = Mode::WaitBlast;
            return true;
    }
    return true;
}

// --- breaking walls ----------------------------------------------------------

bool PlaythroughBot::AttackWall(int32_t wall) {
    ReleaseArrows();
    wall_ = wall;
    bombs_ = 0;
    if (!options_.preferBombs) {
        if (auto spot = PlanFiringSpot(wall, Step())) {
            StartPlan(std::move(*spot), Then::Fire);
            return Follow();
        }
    }
    return ApproachForBomb();
}

bool PlaythroughBot::ApproachForBomb() {
    if (++bombs_ > 12) return Fail("wall " + std::to_string(wall_) + " stands after 12 bombs");
    const game::Tile& w = game::Tiles[wall_];
    auto plan = PlanNear(w.X + 10.0f, w.Y + 10.0f, 22.0f, Step());
    if (!plan) return Fail("no place next to wall " + std::to_string(wall_));
    mode_ = Mode::Follow;
    StartPlan(std::move(*plan), Then::LayBomb);
    return Follow();
}

bool PlaythroughBot::Fire() {
    const game::Tile& w = game::Tiles[wall_];
    if (w.Kind != game::kDestructibleWall) {
        HoldFire(false);
        ++tally_.wallsShot;
        mode_ = Mode::Follow;
        plan_.reset();
        stuck_ = 0;
        return Follow();
    }
    if (tally_.frames > fireUntil_) {
        HoldFire(false);
        return ApproachForBomb();
    }
    HoldOnly(Heading::Stand);
    HoldFire(true);
    return true;
}

bool PlaythroughBot::WaitBlast() {
    HoldOnly(Heading::Stand);
    if (game::BombArmed || game::FragmentCount > 0) return true;
    if (game::Tiles[wall_].Kind != game::kDestructibleWall) {
        ++tally_.wallsBombed;
        mode_ = Mode::Follow;
        plan_.reset();
        stuck_ = 0;
        return Follow();
    }
    return ApproachForBomb();
}

// --- the last hall's gate ----------------------------------------------------

bool PlaythroughBot::Hunt() {
    if (game::MonsterCount == 0 || game::Tiles[game::kHallGateTile].Kind != game::kSolidWall) {
        HoldFire(false);
        if (game::Tiles[game::kHallGateTile].Kind != game::kSolidWall) ++tally_.kills;
        ClearMonsters();
        mode_ = Mode::Follow;
        plan_.reset();
        return Follow();
    }
    const game::Monster& m = game::Monsters[0];
    const float mx = m.X + 7.5f, my = m.Y + 7.5f;
    const float d = Distance(mx, my, HeroCentreX(), HeroCentreY());
    if (d < game::SightRadius(m.Kind) + 5.0f || d < 20.0f) {
        // It comes at the hero: he turns to it and fires.
        const float dx = mx - HeroCentreX(), dy = my - HeroCentreY();
        const Heading towards = std::fabs(dx) > std::fabs(dy)
                                    ? (dx > 0 ? Heading::Right : Heading::Left)
                                    : (dy > 0 ? Heading::Down : Heading::Up);
        plan_.reset();
        HoldOnly(game::HeroFacing == FacingOf(towards) ? Heading::Stand : towards);
        HoldFire(true);
        return true;
    }
    HoldFire(false);
    if (!plan_ || tally_.frames - huntPlannedAt_ > 40) {
        ReleaseArrows();
        auto plan = PlanNear(mx, my, 12.0f, Step());
        if (!plan) return Fail("the monster in the last hall cannot be reached");
        StartPlan(std::move(*plan), Then::Goal);
        huntPlannedAt_ = tally_.frames;
    }
    if (StepAlong() != Progress::Moving) {
        plan_.reset();
        HoldOnly(Heading::Stand);
    }
    return true;
}

}  // namespace levels_tool
