#include "tools/levels/bots/wall_breaker.h"

#include <cmath>

#include "game/core/game_state.h"
#include "tools/levels/bots/bot_keys.h"
#include "tools/levels/bots/tile_paths.h"

namespace levels_tool {
namespace {

// Missiles at a cracked wall: eight of them before he tries a bomb.
constexpr int kShotsAtWall = 8;
constexpr int kMissileEvery = 49;
constexpr int kBombsAtWall = 5;
// How far he runs from his bomb, in pixels.
constexpr float kRunMin = 40.0f, kRunMax = 70.0f;
constexpr int16_t kBoulderPicture = 22;

WallBreaker::Step HoldKeys(Heading heading, bool fire, int frames) {
    WallBreaker::Step step;
    step.heading = heading;
    step.fire = fire;
    step.frames = frames;
    return step;
}

WallBreaker::Step WalkAlong(std::vector<int32_t> path) {
    WallBreaker::Step step;
    step.kind = WallBreaker::Step::Kind::kWalk;
    step.path = std::move(path);
    return step;
}

}  // namespace

void WallBreaker::Begin(int32_t wall, int32_t from) {
    wall_ = wall;
    from_ = from;
    stage_ = Stage::Approach;
    bomb_ = game::Tiles[wall].Picture == kBoulderPicture;
    bombs_ = 0;
    shootUntil_ = 0;
}

bool WallBreaker::WidenCrack(const FieldMemory& memory) {
    const Heading into = Towards(from_, wall_);
    for (Heading side : kArrows) {
        if (side == into || Towards(Beside(wall_, side), wall_) == into) continue;
        const int32_t next = Beside(wall_, side);
        const int32_t from = Beside(from_, side);
        if (memory.What(next) != Looks::Cracked || !Walkable(memory.What(from))) continue;
        wall_ = next;
        from_ = from;
        stage_ = Stage::Approach;
        bomb_ = game::Tiles[next].Picture == kBoulderPicture;
        bombs_ = 0;
        return true;
    }
    return false;
}

WallBreaker::Step WallBreaker::Next(const FieldMemory& memory, int frame, int delay,
                                    BotRandom& random) {
    // Each turn of the loop is a stage taken up at once.
    for (;;) {
        if (memory.What(wall_) != Looks::Cracked && stage_ != Stage::Wait && stage_ != Stage::Run) {
            if (WidenCrack(memory)) continue;
            Step gone;
            gone.kind = Step::Kind::kWallGone;
            return gone;
        }
        const int32_t here = TileUnder(game::HeroX, game::HeroY);
        switch (stage_) {
            case Stage::Approach:
                if (here != from_) {
                    const TilePaths paths(memory, here);
                    if (!paths.Reaches(from_)) {
                        Step away;
                        away.kind = Step::Kind::kGiveUp;
                        return away;
                    }
                    return WalkAlong(paths.PathTo(from_));
                }
                stage_ = bomb_ ? Stage::Lay : Stage::Face;
                continue;
            case Stage::Face:
                stage_ = Stage::Shoot;
                shootUntil_ = frame + kShotsAtWall * kMissileEvery + 20;
                return HoldKeys(Towards(from_, wall_), false, 2);
            case Stage::Shoot:
                if (frame > shootUntil_) {
                    bomb_ = true;
                    stage_ = Stage::Lay;
                    return HoldKeys(Heading::Stand, false, 1);
                }
                if (here != from_) {
                    stage_ = Stage::Approach;
                    continue;
                }
                return HoldKeys(Heading::Stand, true, 20);
            case Stage::Lay: {
                if (game::BombArmed) return HoldKeys(Heading::Stand, false, 10);
                if (++bombs_ > kBombsAtWall) {
                    Step away;
                    away.kind = Step::Kind::kGiveUp;
                    away.block = true;
                    away.from = from_;
                    away.wall = wall_;
                    return away;
                }
                bombX_ = HeroCentreX() - 3.5f;
                bombY_ = HeroCentreY() - 3.5f;
                runDistance_ = static_cast<float>(random.Uniform(kRunMin, kRunMax));
                stage_ = Stage::Run;
                // He starts running after his reaction time.
                Step lay = HoldKeys(Heading::Stand, false, delay);
                lay.layBomb = true;
                return lay;
            }
            case Stage::Run: {
                const float away = std::hypot(HeroCentreX() - bombX_, HeroCentreY() - bombY_);
                if (away >= runDistance_) {
                    stage_ = Stage::Wait;
                    continue;
                }
                const TilePaths paths(memory, here);
                const int32_t best = paths.Nearest([&](int32_t t) {
                    return Walkable(memory.What(t)) &&
                           std::hypot(MiddleX(t) + 7.5f - bombX_, MiddleY(t) + 7.5f - bombY_) >=
                               runDistance_;
                });
                if (best < 0 || best == here) {
                    stage_ = Stage::Wait;
                    return HoldKeys(Heading::Stand, false, 5);
                }
                return WalkAlong(paths.PathTo(best));
            }
            case Stage::Wait:
                if (game::BombArmed || game::FragmentCount > 0)
                    return HoldKeys(Heading::Stand, false, 5);
                stage_ = Stage::Look;
                return HoldKeys(Heading::Stand, false, delay);
            case Stage::Look:
                // Still standing: a bomb the next time.
                if (memory.What(wall_) == Looks::Cracked) bomb_ = true;
                stage_ = Stage::Approach;
                continue;
        }
    }
}

}  // namespace levels_tool
