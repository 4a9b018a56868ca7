// The hero has arrived on a level: a new game, a way to another level or a
// loaded save has put him there, the level is loaded and he stands on it.
// The rules only note it; the frame loop acts on it once the frame is done
// (an autosave, autosave.h).
//
// With an arrival the game is whole: the level in memory, the working
// files and the hero agree.  A new game, a load or a level change breaks
// that from its start until it ends in an arrival; one that fails on the
// way (a level file that does not read) leaves the game broken, and nothing
// is then saved from memory.
#pragma once

namespace game {

void NoteHeroArrived();
// True once after each arrival noted.
bool TakeHeroArrival();

bool GameStateWhole();
// A new game, a load or a level change begins.
void NoteGameStateBroken();
// Whole again without an arrival: what broke it has put it back as it was
// (a save that loaded every level in turn and the current one again).
void NoteGameStateWhole();
// No game: neither an arrival to take nor a whole state.
void ForgetArrivals();

}  // namespace game
