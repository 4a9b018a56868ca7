// A missile that strikes solid rock leaves a short spark where it struck:
// what a player hears as the impact's crackle he also sees.  The sparks are
// the drawing's own memory, like the signs of the hero's health: no rule
// reads them, and nothing saves or records them.
#pragma once

#include <vector>

#include "game/platform/surface.h"

namespace game {

struct ImpactSpark {
    int x = 0, y = 0;  // where the missile struck, in field pixels
    int age = 0;       // frames drawn so far
};

// The frames a spark is drawn for: a little over a tenth of a second.
inline constexpr int kImpactSparkFrames = 8;

// A missile struck solid rock at (x, y).  Only the latest few sparks are
// kept, so that a run that draws nothing (a bot, a recording checked
// without a window) keeps no more.
void ShowImpactSpark(float x, float y);

// Draws the sparks over a composed frame and ages them by one frame; those
// that have had their frames are gone.
void DrawImpactSparks(platform::PixelSurface& field);

// The sparks waiting to be drawn or being drawn.
const std::vector<ImpactSpark>& ImpactSparks();
void ForgetImpactSparks();

}  // namespace game
