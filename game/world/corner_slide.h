// Help round corners: a hero whose held direction is blocked by the corner
// of a wall, with the opening beside it only a few pixels to one side, is
// slid sideways toward the opening at his normal step until he can go on.
// Without it a hero one pixel off a one-tile doorway stays stuck at its
// frame until the player nudges him across.
#pragma once

namespace game {

// The four directions of the hero's steps.
enum class Heading { Up, Down, Left, Right };

// How far to one side an opening may be for the hero to be slid to it.
inline constexpr float kCornerReach = 6.0f;

// True when a wall next to the hero at (hx, hy) stops a step of his in the
// heading: the wall face the push-back before that step would push him
// away from (the tiles round the one under his corner, as the push-back
// looks at them).
bool StepBlocked(float hx, float hy, Heading heading, float stepX, float stepY);

// The slide for one held direction: when a step in the heading is blocked
// and moving the hero at most kCornerReach pixels sideways frees it, the
// hero at (hx, hy) moves toward the nearest such place by one sideways step
// (stepX for up and down, stepY for left and right), or lands on it when it
// is nearer.  True when he moved.  Reads the tile grid, changes nothing else.
bool CornerSlide(float& hx, float& hy, Heading heading, float stepX, float stepY);

}  // namespace game
