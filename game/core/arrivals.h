// The hero has arrived on a level: a new game, a way to another level or a
// loaded save has put him there, the level is loaded and he stands on it.
// The rules only note it; the frame loop acts on it once the frame is done
// (an autosave, autosave.h).
#pragma once

namespace game {

void NoteHeroArrived();
// True once after each arrival noted.
bool TakeHeroArrival();

}  // namespace game
