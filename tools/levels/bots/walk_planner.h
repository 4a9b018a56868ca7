// Plans for a hero in the running game: the keys that take him from where
// he stands to a tile, to a place from which his missile hits a wall, or
// near a point; found with HeroSearch on the level in memory.  A plan's
// strides, held one after the other with HeroStepX = HeroStepY = the step
// it was made for, bring him through the planned spots exactly; a spot he
// misses tells that the level was not as planned (a destructible wall still
// standing, a mechanism that has changed a tile).
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "tools/levels/bots/hero_search.h"

namespace levels_tool {

struct Spot {
    float x, y;  // the hero's corner
};

struct WalkPlan {
    std::vector<Stride> strides;
    std::vector<Spot> spots;  // where each stride ends
    // The tile the plan leads to; a mechanism to be stepped on first when
    // the goal lies behind the passage it opens.
    int32_t tile = -1;
};

// The HeroFacing a held direction key gives: 0 down, 1 up, 2 right, 3 left.
int16_t FacingOf(Heading heading);

// Would a missile launched now by a hero at (x, y) facing `facing` fly into
// tile `wall` before it ends in another wall or runs out of range?
bool MissileWouldHit(float x, float y, int16_t facing, int16_t range, int32_t wall);

// To the first place where the hero's centre is on tile `goal`, destructible
// walls taken as broken and the last hall's gate as opened by a kill.
// When the goal lies behind a passage that a mechanism opens, the plan leads
// to that mechanism instead (its tile is the plan's tile).
std::optional<WalkPlan> PlanWalkTo(int32_t goal, float step);

// To a place from which a missile, fired facing the way the hero walked in
// (or faces now, when he is there already), breaks into tile `wall`.
std::optional<WalkPlan> PlanFiringSpot(int32_t wall, float step);

// To the nearest place where the hero's centre is within `radius` of
// (x, y), or, with `away`, farther than `radius` from it; walls as they
// stand.  Places on exits are never chosen, nor are they for a firing spot.
std::optional<WalkPlan> PlanNear(float x, float y, float radius, float step, bool away = false);

}  // namespace levels_tool
