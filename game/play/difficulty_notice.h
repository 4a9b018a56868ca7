// The game says which game it is: an easy game, begun or loaded, writes so
// in the log as the first line after the level's name (the new game's first
// tile names the level in its first frame).  The normal game says nothing.
#pragma once

namespace game {

// A game was begun or loaded: its first frame tells its difficulty.
void NoteGameBegun();
// The frame loop's part, after the first tile of the frame has acted.
void TellDifficultyOnce();

}  // namespace game
