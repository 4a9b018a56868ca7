// Walls and the movement they shape: which tiles round a body are walls, the
// hero's push-back before each step, and a monster's whole turn (noticing the
// hero, chasing and sliding along walls, wandering and bouncing).
#pragma once

#include <array>
#include <cstdint>

#include "game/core/game_state.h"

namespace game {

// Solid and destructible walls block bodies and projectiles.
inline bool IsWallKind(int16_t kind) {
    return kind == kSolidWall || kind == kDestructibleWall;
}

// The eight tiles round tile t in the order up-left, up, up-right, left,
// right, down-left, down, down-right.  An entry that is outside the grid or
// not a wall is -1.  Plain index arithmetic: at the left and right edges the
// outer neighbours are tiles of the adjacent rows.
using NeighbourList = std::array<int16_t, 8>;
NeighbourList NeighbourTiles(int32_t t);

// The wall faces a square body of the given size at (bx, by) runs into when
// it moves by v along the face's axis.  All comparisons are strict.
bool HitsLeftFace(const Tile& w, float bx, float by, float v, float size);
bool HitsRightFace(const Tile& w, float bx, float by, float v, float size);
bool HitsBottomFace(const Tile& w, float bx, float by, float v, float size);
bool HitsTopFace(const Tile& w, float bx, float by, float v, float size);

// Pushes the hero one step away from every wall face he is within one step
// of.  Runs before each step the hero takes, whatever its direction.
void WallPushBack();

// Sight radius in pixels of a monster kind; 0 for kinds that never notice.
int16_t SightRadius(int16_t kind);

// Start of a monster's turn: a monster that loses sight of the hero turns at
// random; it chases while the hero is strictly within its sight radius.
void UpdateAwareness(int16_t& i);

// A chasing monster's velocity straight at the hero (city-block normalised),
// with a blocked axis backed off one step and zeroed so it slides along
// the wall.  The caller adds the velocity.
void ChaseStep(int16_t& i);

// Reflects a wandering monster off the field's border and off the first
// wall face it would run into; true when it did.
bool BounceStep(int16_t& i);

// True when any of the eight tiles round the monster's tile is a wall.
bool NearWall(int16_t& i);

// Monster i's movement for this frame: awareness, then a chase step or a
// wandering step with bounces and the occasional random turn.  Its contact
// with the hero (TouchHero) follows in the frame loop.
void MoveMonster(int16_t& i);

}  // namespace game
