#include "tools/levels/bots/newcomer_bot.h"

#include <algorithm>
#include <cmath>

#include "game/core/game_state.h"
#include "game/core/progression.h"
#include "game/platform/keys.h"
#include "tools/levels/bots/bot_keys.h"
#include "tools/levels/bots/tile_paths.h"
#include "tools/levels/bots/walk_planner.h"

namespace levels_tool {
namespace {

namespace vk = platform::vk;

// His reaction time: 200 to 300 ms.
constexpr int kReactionMin = 12, kReactionMax = 18;
// He fights what comes within three tiles, fires when it is within two
// (what he has seen a missile reach) and lined up within five pixels.
constexpr float kEngage = 60.0f;
constexpr float kReach = 40.0f;
constexpr float kLinedUp = 5.0f;
// He picks up items and reads signs this near his way (in steps).
constexpr int kItemDetour = 8, kSignDetour = 6;
// Badly hurt: at most three tenths of his lives.  Then he runs five tiles
// from a monster that touches him.
constexpr float kTouching = 24.0f;
constexpr float kFleeDistance = 100.0f;
constexpr int kFleeFrames = 150;
// A fight he does not win in fifteen seconds he leaves for ten.
constexpr int kFightGiveUp = 900, kFightPause = 600;
// Fighting on and off for half a minute without a kill (monsters that come
// and go out of his line, or that he cannot tell apart): he leaves every
// fight alone for ten seconds and goes his way.
constexpr int kSkirmishGiveUp = 1800;
// Where he stops and how well he lines up: two and a half pixels either
// way (a key let go some seventy milliseconds early or late).
constexpr double kStopJitter = 2.5, kLineJitter = 2.5;
// He sidesteps four times where the walls stop him on one step; the fifth
// stop closes that step to him for fifteen seconds.
constexpr int kStuckTries = 4, kStuckPause = 900;
constexpr int kIdleFrames = 30;
// The way he came in by lies this many steps from where he arrives at most.
constexpr int kWayBackSteps = 6;

constexpr int16_t kHealingPicture = 2;

bool Horizontal(Heading heading) {
    return heading == Heading::Left || heading == Heading::Right;
}

// Where, across his way, he lines up to walk through tile t in a heading:
// the middle of the opening the tile is part of (of a tile, or between two
// tiles when it is two wide), as his corner's coordinate on that axis.
float LineThrough(const FieldMemory& memory, int32_t t, Heading heading) {
    const bool horizontal = Horizontal(heading);
    const float middle = horizontal ? MiddleY(t) : MiddleX(t);
    const Heading before = horizontal ? Heading::Up : Heading::Left;
    const Heading after = horizontal ? Heading::Down : Heading::Right;
    const bool roomBefore = Walkable(memory.What(Beside(t, before)));
    const bool roomAfter = Walkable(memory.What(Beside(t, after)));
    if (roomBefore && !roomAfter) return middle - game::kTileSize / 2.0f;
    if (roomAfter && !roomBefore) return middle + game::kTileSize / 2.0f;
    return middle;
}

bool HasUnknownNeighbour(const FieldMemory& memory, int32_t t) {
    for (Heading h : kArrows) {
        const int32_t n = Beside(t, h);
        if (n >= 0 && memory.What(n) == Looks::Unknown) return true;
    }
    return false;
}

}  // namespace

NewcomerBot::NewcomerBot(uint64_t seed, Looks wayOn, Looks cameBy)
    : random_(seed), wayOn_(wayOn), cameBy_(cameBy) {
    delay_ = random_.Between(kReactionMin, kReactionMax);
    start_ = HeroTile();
    lastX_ = game::HeroX;
    lastY_ = game::HeroY;
    lastLives_ = noticedLives_ = game::Lives;
}

float NewcomerBot::Step(Heading heading) const {
    return Horizontal(heading) ? game::HeroStepX : game::HeroStepY;
}

int32_t NewcomerBot::HeroTile() const {
    return TileUnder(game::HeroX, game::HeroY);
}

// --- looking ---------------------------------------------------------------

void NewcomerBot::Observe() {
    memory_.Look(frame_);
    NoteWayBack();
    const int32_t here = HeroTile();
    const float moved = std::hypot(game::HeroX - lastX_, game::HeroY - lastY_);
    // Carried off by a portal: he remembers where it took him.
    if (moved > 8.0f && heading_ != Heading::Stand) {
        const int32_t portal = Beside(TileUnder(lastX_, lastY_), heading_);
        if (memory_.What(portal) == Looks::Portal) memory_.PortalTook(portal, here);
        framesLeft_ = 0;
    }
    if (heading_ != Heading::Stand && moved < 0.01f)
        ++stillFrames_;
    else
        stillFrames_ = 0;
    // Hurt with no monster near: the floor under him burns.
    if (game::Lives < lastLives_) {
        bool monster = false;
        for (const SeenMonster& m : memory_.Monsters())
            monster = monster || std::hypot(m.x - game::HeroX, m.y - game::HeroY) < 16.0f;
        if (!monster) memory_.HurtOn(here);
    }
    lastX_ = game::HeroX;
    lastY_ = game::HeroY;
    lastLives_ = game::Lives;

    Glimpse& glimpse = glimpses_[frame_ % glimpses_.size()];
    glimpse.monsters = memory_.Monsters();
    glimpse.lives = game::Lives;
    glimpse.livesLow = game::LivesLow();
}

// The way he came in by: of its look, the one nearest to where he first
// stood, a few steps off at most.
void NewcomerBot::NoteWayBack() {
    if (wayBack_ >= 0 || cameBy_ == Looks::Unknown || !game::IsTileIndex(start_)) return;
    int best = kWayBackSteps + 1;
    for (int32_t t = 0; t < game::kTileCount; ++t) {
        if (memory_.What(t) != cameBy_) continue;
        const int steps = std::abs(t % game::kGridSize - start_ % game::kGridSize) +
                          std::abs(t / game::kGridSize - start_ / game::kGridSize);
        if (steps < best) {
            best = steps;
            wayBack_ = t;
        }
    }
}

// A way out of the look wanted, other than the way back.
bool NewcomerBot::WayOut(int32_t t, Looks looks) const {
    return t != wayBack_ && memory_.What(t) == looks;
}

const NewcomerBot::Glimpse& NewcomerBot::Seen(int framesAgo) const {
    const int at = std::max(1, frame_ - framesAgo);
    return glimpses_[at % glimpses_.size()];
}

// Is nothing he knows to be solid between two points of the field?
bool NewcomerBot::ClearLine(float ax, float ay, float bx, float by) const {
    const float length = std::hypot(bx - ax, by - ay);
    const int steps = std::max(1, static_cast<int>(length / 4.0f));
    for (int i = 1; i < steps; ++i) {
        const float x = ax + (bx - ax) * static_cast<float>(i) / static_cast<float>(steps);
        const float y = ay + (by - ay) * static_cast<float>(i) / static_cast<float>(steps);
        const Looks looks = memory_.What(game::TileIndexOf(x, y));
        if (looks == Looks::Wall || looks == Looks::Cracked) return false;
    }
    return true;
}

// The monster he turns to: the nearest one within three tiles with nothing
// solid between.
const SeenMonster* NewcomerBot::Threat(const Glimpse& glimpse) const {
    const SeenMonster* nearest = nullptr;
    float best = kEngage;
    for (const SeenMonster& m : glimpse.monsters) {
        auto ignored = ignoreUntil_.find(m.id);
        if (ignored != ignoreUntil_.end() && ignored->second > frame_) continue;
        if (frame_ < skirmishPauseUntil_) continue;
        const float d = std::hypot(m.x + 7.5f - HeroCentreX(), m.y + 7.5f - HeroCentreY());
        if (d >= best) continue;
        if (!ClearLine(HeroCentreX(), HeroCentreY(), m.x + 7.5f, m.y + 7.5f)) continue;
        best = d;
        nearest = &m;
    }
    return nearest;
}

// Something he sees now (that is, what happened a reaction time ago) makes
// him drop what he is doing.
bool NewcomerBot::Interrupted() {
    if (stillFrames_ >= delay_) return true;
    const Glimpse& seen = Seen(delay_);
    if (seen.lives < noticedLives_) {
        noticedLives_ = seen.lives;
        return true;
    }
    noticedLives_ = seen.lives;
    if (mode_ == Mode::Flee && frame_ < fleeUntil_) return false;
    const SeenMonster* threat = Threat(seen);
    if (threat && threat->id != foe_) return true;
    return false;
}

// --- deciding --------------------------------------------------------------

void NewcomerBot::BeforeFrame() {
    ++frame_;
    Observe();
    if (framesLeft_ > 0 && !Interrupted()) {
        --framesLeft_;
    } else {
        Think();
    }
    ApplyKeys();
}

void NewcomerBot::Hold(Heading heading, bool fire, int frames) {
    heading_ = heading;
    fire_ = fire;
    framesLeft_ = std::max(0, frames - 1);
    stillFrames_ = 0;
}

void NewcomerBot::Think() {
    const bool stuck = stillFrames_ >= delay_;
    const Glimpse& seen = Seen(delay_);
    // The next reaction takes its own time.
    delay_ = random_.Between(kReactionMin, kReactionMax);
    if (stuck) {
        stillFrames_ = 0;
        OnStuck();
        return;
    }
    stillFrames_ = 0;

    if (mode_ == Mode::Flee) {
        if (frame_ < fleeUntil_ && HeroTile() != goal_) {
            StepTowards(TilePaths(memory_, HeroTile()).PathTo(goal_));
            return;
        }
        mode_ = Mode::Explore;
    }

    if (const SeenMonster* threat = Threat(seen)) {
        Fight(*threat);
        return;
    }
    foe_ = -1;
    if (mode_ == Mode::Break) {
        Break();
        return;
    }
    Explore();
}

void NewcomerBot::Fight(const SeenMonster& monster) {
    // A fight broken off for a moment (the monster stepped out of his
    // line, he turned to his way again) is the same fight when it comes
    // back soon: he gives it up all the same after its time.
    if (monster.id != foe_) {
        if (monster.id != lastFoe_ || frame_ - lastFoeFrame_ > kFightPause) foeSince_ = frame_;
        foe_ = monster.id;
    }
    if (lastFoe_ < 0 || frame_ - lastFoeFrame_ > kFightPause || game::MonsterCount < monstersLeft_)
        skirmishSince_ = frame_;
    lastFoe_ = monster.id;
    lastFoeFrame_ = frame_;
    monstersLeft_ = game::MonsterCount;
    if (frame_ - skirmishSince_ > kSkirmishGiveUp) {
        skirmishPauseUntil_ = frame_ + kFightPause;
        skirmishSince_ = skirmishPauseUntil_;
        foe_ = -1;
        Hold(Heading::Stand, false, 1);
        return;
    }
    if (frame_ - foeSince_ > kFightGiveUp) {
        ignoreUntil_[foe_] = frame_ + kFightPause;
        foe_ = -1;
        Hold(Heading::Stand, false, 1);
        return;
    }
    // Not a fight to have standing on spikes: off them first.
    if (StepOffHazard()) return;
    const float dx = monster.x + 7.5f - HeroCentreX();
    const float dy = monster.y + 7.5f - HeroCentreY();
    const float distance = std::hypot(dx, dy);
    const bool low = Seen(delay_).livesLow;
    if (low && distance < kTouching && FleeFrom(monster.x + 7.5f, monster.y + 7.5f, kFleeDistance))
        return;

    bool horizontal = std::fabs(dx) >= std::fabs(dy);
    float off = horizontal ? dy : dx;
    const float along = horizontal ? dx : dy;
    if (std::fabs(off) > kLinedUp) {
        Heading side = horizontal ? (off > 0 ? Heading::Down : Heading::Up)
                                  : (off > 0 ? Heading::Right : Heading::Left);
        // A wall on that side: he lines up on the other axis instead.
        const Looks beyond = memory_.What(Beside(HeroTile(), side));
        if (!Walkable(beyond)) {
            horizontal = !horizontal;
            off = horizontal ? dy : dx;
            side = horizontal ? (off > 0 ? Heading::Down : Heading::Up)
                              : (off > 0 ? Heading::Right : Heading::Left);
        }
        const double aim = std::fabs(off) + random_.Normal(kLineJitter);
        const int frames = static_cast<int>(std::lround(aim / Step(side)));
        Hold(side, false, std::clamp(frames, 1, 24));
        return;
    }
    const Heading toward = horizontal ? (along > 0 ? Heading::Right : Heading::Left)
                                      : (along > 0 ? Heading::Down : Heading::Up);
    if (game::HeroFacing != FacingOf(toward)) {
        Hold(toward, true, 1);
        return;
    }
    if (std::fabs(along) > kReach) {
        const int frames = static_cast<int>((std::fabs(along) - kReach + 4.0f) / Step(toward));
        Hold(toward, true, std::clamp(frames, 1, 20));
        return;
    }
    Hold(Heading::Stand, true, random_.Between(6, 14));
}

// Off the spikes he stands on, to the nearest tile without them; false
// when he does not stand on any (or cannot get off).
bool NewcomerBot::StepOffHazard() {
    const int32_t here = HeroTile();
    if (memory_.What(here) != Looks::Hazard) return false;
    const TilePaths paths(memory_, here);
    const int32_t off = paths.Nearest([&](int32_t t) {
        const Looks looks = memory_.What(t);
        return Walkable(looks) && looks != Looks::Hazard;
    });
    if (off < 0) return false;
    StepTowards(paths.PathTo(off));
    return true;
}

bool NewcomerBot::FleeFrom(float x, float y, float distance) {
    // Not past the monster: the tiles round it are out of his way.
    std::vector<int32_t> near;
    for (int32_t t = 0; t < game::kTileCount; ++t)
        if (std::hypot(MiddleX(t) + 5.0f - x, MiddleY(t) + 5.0f - y) < 30.0f) near.push_back(t);
    const TilePaths paths(memory_, HeroTile(), false, near);
    const int32_t best = paths.Nearest([&](int32_t t) {
        return Walkable(memory_.What(t)) &&
               std::hypot(MiddleX(t) + 5.0f - x, MiddleY(t) + 5.0f - y) >= distance;
    });
    if (best < 0) return false;
    mode_ = Mode::Flee;
    goal_ = best;
    fleeUntil_ = frame_ + kFleeFrames;
    foe_ = -1;
    StepTowards(paths.PathTo(best));
    return true;
}

void NewcomerBot::Explore() {
    mode_ = Mode::Explore;
    const int32_t here = HeroTile();
    // An item he stands on that stays where it lies is not one to take.
    if (aim_ == Aim::Item || aim_ == Aim::Potion) {
        if (here == goal_ && ++itemWait_ > 3) {
            for (const SeenItem& item : memory_.Items())
                if (game::TileIndex(item.x + 7, item.y + 7) == goal_) memory_.TouchedUntaken(item);
        }
    }
    if (!ChooseAim()) {
        // Nothing to do: he waits, but not on spikes.
        if (!StepOffHazard()) Hold(Heading::Stand, false, kIdleFrames);
        return;
    }
    if (mode_ == Mode::Break) {
        Break();
        return;
    }
    if (here == goal_) {
        Hold(Heading::Stand, false, 2);
        return;
    }
    itemWait_ = 0;
    StepTowards(TilePaths(memory_, here).PathTo(goal_));
}

// Picks what to walk to next (aim_ and goal_), or a cracked wall to break
// (mode_ Break); false when there is nothing left to do.
bool NewcomerBot::ChooseAim() {
    const int32_t here = HeroTile();
    const TilePaths paths(memory_, here);
    const auto choose = [&](Aim aim, int32_t t) {
        if (t < 0) return false;
        aim_ = aim;
        goal_ = t;
        return true;
    };
    // The tiles of the items he would take, potions or the others, in the
    // order he saw them.
    const auto itemTiles = [&](bool potions) {
        std::vector<int32_t> tiles;
        for (const SeenItem& item : memory_.Items())
            if ((item.picture == kHealingPicture) == potions && !memory_.Untakeable(item))
                tiles.push_back(game::TileIndex(item.x + 7, item.y + 7));
        return tiles;
    };
    const auto within = [&](int reach) {
        return [&paths, reach](int32_t t) { return paths.Cost(t) <= reach; };
    };

    // A potion when hurt: from anywhere once the field warns of low health.
    if (game::Lives < game::MaxLives) {
        const int reach = Seen(delay_).livesLow ? 1000 : kItemDetour * TilePaths::kStep;
        if (choose(Aim::Potion, paths.NearestOf(itemTiles(true), within(reach)))) return true;
    }
    if (choose(Aim::Stairs, paths.Nearest([&](int32_t t) { return WayOut(t, wayOn_); })))
        return true;
    // What lies near his way.
    if (choose(Aim::Item,
               paths.NearestOf(itemTiles(false), within(kItemDetour * TilePaths::kStep))))
        return true;
    if (choose(Aim::Sign, paths.Nearest([&](int32_t t) {
            return memory_.What(t) == Looks::Sign && !memory_.Visited(t) &&
                   paths.Cost(t) <= kSignDetour * TilePaths::kStep;
        })))
        return true;
    if (choose(Aim::Lever,
               paths.Nearest([&](int32_t t) { return memory_.What(t) == Looks::Lever; })))
        return true;
    // The edge of what he knows, or a portal he has not tried; he keeps to
    // the edge he was going to unless another is much nearer.
    const auto unexplored = [&](int32_t t) {
        const Looks looks = memory_.What(t);
        if (looks == Looks::Portal) return memory_.PortalTarget(t) < 0;
        return Walkable(looks) && HasUnknownNeighbour(memory_, t);
    };
    // He does not stand on spikes to look round while there is another
    // edge to go to.
    int32_t edge =
        paths.Nearest([&](int32_t t) { return unexplored(t) && memory_.What(t) != Looks::Hazard; });
    if (edge < 0) edge = paths.Nearest(unexplored);
    if (edge >= 0) {
        if ((aim_ == Aim::Edge || aim_ == Aim::Portal) && goal_ >= 0 && goal_ != here &&
            paths.Reaches(goal_) && unexplored(goal_) &&
            paths.Cost(goal_) <= paths.Cost(edge) + 4 * TilePaths::kStep)
            return true;
        return choose(memory_.What(edge) == Looks::Portal ? Aim::Portal : Aim::Edge, edge);
    }
    // Nothing more to walk to: a cracked wall on the way to something new.
    const TilePaths through(memory_, here, true);
    const int32_t beyond = through.Nearest([&](int32_t t) {
        const Looks looks = memory_.What(t);
        return looks == Looks::StairsDown || looks == Looks::Lever ||
               ((Walkable(looks) || looks == Looks::Cracked) && HasUnknownNeighbour(memory_, t)) ||
               (looks == Looks::Portal && memory_.PortalTarget(t) < 0);
    });
    if (beyond >= 0) {
        int32_t from = here;
        for (int32_t t : through.PathTo(beyond)) {
            if (memory_.What(t) == Looks::Cracked) {
                mode_ = Mode::Break;
                breaker_.Begin(t, from);
                return true;
            }
            from = t;
        }
    }
    // Last of all another way out: a tunnel mouth, stairs up he did not come
    // down (the way on may lie behind him), and then the way he came.
    if (choose(Aim::Tunnel, paths.Nearest([&](int32_t t) { return WayOut(t, Looks::Tunnel); })))
        return true;
    if (choose(Aim::Tunnel, paths.Nearest([&](int32_t t) { return WayOut(t, Looks::StairsUp); })))
        return true;
    if (choose(Aim::Tunnel, paths.Nearest([&](int32_t t) { return t == wayBack_; }))) return true;
    aim_ = Aim::None;
    goal_ = -1;
    return false;
}

// The next straight stretch of a way: first, where the stretch leads
// through a gap with walls on both sides, he lines up with it; then he
// holds the key about as long as the stretch takes.
void NewcomerBot::StepTowards(const std::vector<int32_t>& path) {
    const int32_t here = HeroTile();
    if (path.empty()) {
        Hold(Heading::Stand, false, 2);
        return;
    }
    const Heading heading = Towards(here, path[0]);
    if (heading == Heading::Stand) {
        Hold(Heading::Stand, false, 2);
        return;
    }
    size_t last = 0;
    while (last + 1 < path.size() && Towards(path[last], path[last + 1]) == heading &&
           Walkable(memory_.What(path[last])))
        ++last;
    const bool horizontal = Horizontal(heading);

    // Lining up with the first gap one tile wide on the stretch.
    int32_t narrow = -1;
    for (size_t i = 0; i <= last && narrow < 0; ++i) {
        const Heading a = horizontal ? Heading::Up : Heading::Left;
        const Heading b = horizontal ? Heading::Down : Heading::Right;
        if (!Walkable(memory_.What(Beside(path[i], a))) &&
            !Walkable(memory_.What(Beside(path[i], b))))
            narrow = path[i];
    }
    if (narrow >= 0) {
        const float line =
            LineThrough(memory_, narrow, heading) + static_cast<float>(random_.Normal(kLineJitter));
        const float off = (horizontal ? game::HeroY : game::HeroX) - line;
        const Heading side = horizontal ? (off > 0 ? Heading::Up : Heading::Down)
                                        : (off > 0 ? Heading::Left : Heading::Right);
        const int frames = static_cast<int>(std::lround(std::fabs(off) / Step(side)));
        if (std::fabs(off) > 1.0f && frames > 0) {
            Hold(side, false, frames);
            return;
        }
    }
    // Where the way turns, he stops lined up with the opening he turns into.
    float target = horizontal ? MiddleX(path[last]) : MiddleY(path[last]);
    if (last + 1 < path.size()) {
        const Heading turn = Towards(path[last], path[last + 1]);
        if (turn != Heading::Stand && Horizontal(turn) != horizontal)
            target = LineThrough(memory_, path[last + 1], turn);
    }
    target += static_cast<float>(random_.Normal(kStopJitter));
    const float distance = std::fabs(target - (horizontal ? game::HeroX : game::HeroY));
    const int frames = static_cast<int>(std::lround(distance / Step(heading)));
    Hold(heading, false, std::max(frames, 1));
}

// The walls stop him: he has noticed it now.  He sidesteps to line up with
// the tile he wanted to enter, and after several tries on the same step
// gives that step up for a while.
void NewcomerBot::OnStuck() {
    ++bumps_;
    const Heading heading = heading_;
    const int32_t here = HeroTile();
    const int32_t next = Beside(here, heading);
    if (here == stuckFrom_ && next == stuckTo_) {
        ++stuckTries_;
    } else {
        stuckFrom_ = here;
        stuckTo_ = next;
        stuckTries_ = 1;
    }
    if (heading == Heading::Stand || next < 0 || stuckTries_ > kStuckTries) {
        if (next >= 0) memory_.Block(here, next, frame_ + kStuckPause);
        stuckTries_ = 0;
        if (mode_ == Mode::Break) mode_ = Mode::Explore;
        Hold(Heading::Stand, false, 1);
        return;
    }
    const bool horizontal = Horizontal(heading);
    const float line =
        LineThrough(memory_, next, heading) + static_cast<float>(random_.Normal(kLineJitter));
    const float off = (horizontal ? game::HeroY : game::HeroX) - line;
    Heading side = horizontal ? (off > 0 ? Heading::Up : Heading::Down)
                              : (off > 0 ? Heading::Left : Heading::Right);
    int frames = static_cast<int>(std::lround(std::fabs(off) / Step(side)));
    if (frames < 1) {
        // Lined up already: something else holds him; a step aside.
        side = horizontal ? (random_.Uniform() < 0.5 ? Heading::Up : Heading::Down)
                          : (random_.Uniform() < 0.5 ? Heading::Left : Heading::Right);
        frames = random_.Between(2, 5);
    }
    Hold(side, false, frames);
}

// The next step at the wall he breaks.
void NewcomerBot::Break() {
    const WallBreaker::Step step = breaker_.Next(memory_, frame_, delay_, random_);
    switch (step.kind) {
        case WallBreaker::Step::Kind::kWalk:
            StepTowards(step.path);
            return;
        case WallBreaker::Step::Kind::kHold:
            space_ = space_ || step.layBomb;
            Hold(step.heading, step.fire, step.frames);
            return;
        case WallBreaker::Step::Kind::kGiveUp:
            if (step.block) memory_.Block(step.from, step.wall, frame_ + kStuckPause);
            mode_ = Mode::Explore;
            Hold(Heading::Stand, false, 1);
            return;
        case WallBreaker::Step::Kind::kWallGone:
            mode_ = Mode::Explore;
            Explore();
            return;
    }
}

// --- keys --------------------------------------------------------------------

void NewcomerBot::ApplyKeys() {
    HoldOnly(heading_);
    HoldFire(fire_);
    if (space_) {
        PressKey(vk::Space);
        space_ = false;
    }
}

}  // namespace levels_tool
