// Shooting and combat: the hero's magic missiles and bombs, their flight and
// hits on walls, monsters and the hero himself, monsters' blows, kills and
// their rewards.
#pragma once

#include <cstdint>
#include <string>

#include "game/core/game_state.h"
#include "game/core/player_text.h"

namespace game {

// Frames between two missiles while the fire key is held.
inline constexpr int16_t kMissileCooldownFrames = 49;

// --- the frame's projectile passes, in the order the frame runs them ---

// 1. Cooldown; a held fire key launches a missile when it is over.
void FireMissiles();
// 2. Missiles fly on; the first one out of range is removed and the pass
//    ends there (the missiles after it wait a frame).
void MoveMissiles();
// 3. Missiles against the monsters' rectangles of the start of the frame.
void MissilesHitMonsters();
// 4. Missiles against walls and the field's border; at most one a frame.
void MissilesHitWalls();
// 5. The bomb's countdown "3", "2", "1" and its burst.
void BombCountdown();
// 6. Fragments fly on and end against range, monsters, the hero or walls.
void MoveFragments();
// All six passes in order.
void ProjectilePasses();

// Sets up the just appended missile i at the hero, heading where he faces.
void LaunchMissile(int16_t& i);
// True when missile i was removed by the border or a wall.
bool MissileHitsWall(int16_t& i);
// The bomb bursts into 16 fragments in a ring (earlier ones are replaced).
void ExplodeBomb();
// True when fragment i went beyond the bomb's range and was removed.
bool FragmentOutOfRange(int16_t& i);
// True when fragment i ran into a wall and was removed; a destructible wall
// takes the bomb's strength once per blast.
bool FragmentHitsWall(int16_t& i);
// Wears a destructible wall down by strength; at no strength left it breaks
// into floor showing its destruction picture.  Only a missile's break makes
// the explosion sound (a bomb's burst has made its own).
void DamageWall(Tile& w, int16_t strength, bool byMissile);

// --- combat ---

// Two squares of the given size with top-left corners a and b overlap, but
// not when the corners are exactly the same point.
bool SquaresTouch(float ax, float ay, float bx, float by, float size);

// Monster i against the hero: a blow on contact, then one each time more
// than a second (the easy game: two and a half) has passed while the
// contact lasts.  In the easy game's grace after a blow no monster strikes;
// one that touches the hero then strikes as the grace ends.
void TouchHero(int16_t& i);
// The hero took a blow: the easy game's grace begins.
void NoteBlowOnHero();
// Monster i's blow: the hero loses its damage in lives, or dies.
void HitHero(int16_t& i);
// True when missile i hit monster j (the missile is then gone).
bool MissileHitsMonster(int16_t& i, int16_t& j);
// True when fragment i hit a monster not yet hit by this blast.
bool FragmentHitsMonster(int16_t& i);
// True when fragment i hit the hero, once per blast.
bool FragmentHitsHero(int16_t& i);

// Experience for killing monster j: r*5 + 2*((Kind+1)*10 + Damage), rounded;
// 500 on the last level.
int32_t KillExperience(const Monster& m);

// Czech agreement of lives with their number: 1 " život...", 2 to 4
// " životy...", 5 and more " životů...".
std::string LivesEnding(int32_t n);
// "<prefix><n><ending>", of the template "<prefix>%n životů...", or empty
// when n < 1 (nothing is logged then).
PlayerText LivesMessage(const std::string& prefix, int32_t n);

}  // namespace game
