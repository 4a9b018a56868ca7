// How the newcomer breaks a cracked wall he has chosen (NewcomerBot): he
// walks to the tile beside it, turns to it and fires eight missiles' worth
// of time at it; when that does not break it (or it is a boulder) he lays a
// bomb beside it, starts running after his reaction time, stops two to three
// and a half tiles from the bomb and waits for the blast to end.  A crack
// beside a broken one in the same wall goes too, so that the way through is
// as wide as the crack.  After five bombs he gives the wall up.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/levels/bots/bot_random.h"
#include "tools/levels/bots/field_memory.h"
#include "tools/levels/bots/hero_search.h"

namespace levels_tool {

class WallBreaker {
  public:
    // What he does next for the wall.
    struct Step {
        enum class Kind {
            kWalk,      // along `path`
            kHold,      // the keys below for `frames`
            kGiveUp,    // the wall is not for him: the step from `from` to `wall` is closed
                        // to him for a while when `block`
            kWallGone,  // broken (with its neighbours): he goes his way
        };
        Kind kind = Kind::kHold;
        std::vector<int32_t> path;
        Heading heading = Heading::Stand;
        bool fire = false;
        bool layBomb = false;  // Space this frame
        int frames = 1;
        bool block = false;
        int32_t from = -1, wall = -1;
    };

    // A new wall, broken from the tile beside it.
    void Begin(int32_t wall, int32_t from);

    // `frame` counts his frames, `delay` is his reaction time now.
    Step Next(const FieldMemory& memory, int frame, int delay, BotRandom& random);

  private:
    enum class Stage { Approach, Face, Shoot, Lay, Run, Wait, Look };

    bool WidenCrack(const FieldMemory& memory);

    int32_t wall_ = -1, from_ = -1;
    Stage stage_ = Stage::Approach;
    bool bomb_ = false;
    int shootUntil_ = 0;
    int bombs_ = 0;
    float runDistance_ = 0;
    float bombX_ = 0, bombY_ = 0;
};

}  // namespace levels_tool
