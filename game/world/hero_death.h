// The hero's death, by a monster, a blast or a trap floor.
#pragma once

namespace game {

// An explosion and "R.I.P." where the hero stood, the working levels
// deleted so the dead game cannot go on, every held key let go.  The frame
// loop shows the game-over window once the explosions have played.
void KillHero();

}  // namespace game
