// karvelun --level follows the level's editor: when the tried level's file
// changes on disk, its new version takes the old one's place in the running
// game.  The windows convert the file and offer the new version; the frame
// loop puts it in between two frames, also while the game stands paused.
#pragma once

#include <cstdint>

#include "game/levels/level_record.h"
#include "game/platform/shown_text.h"

namespace game {

// The log's lines of a changed file: put in (%1 the file's name), or not
// readable (%1 the reason, as the level tool tells it).
inline constexpr const char* kTriedLevelChangedPattern =
    SHOWN_TEXT("Rules", "Úroveň ze souboru %1 se změnila a hraje se nově.");
inline constexpr const char* kTriedLevelUnreadablePattern =
    SHOWN_TEXT("Rules", "Změněná úroveň se nedá přečíst, hraje se dál ta dosavadní: %1");

// Where the hero goes when the level he stands on is replaced.
enum class HeroMove {
    kStays,        // his tile is walkable and no new wall touches him
    kOntoHisTile,  // his tile is walkable, but a new wall touches him: onto its middle
    kToStartTile,  // his tile is a wall now
};

// The hero's place (his top left corner, as HeroX and HeroY) in the new
// version of his level.
HeroMove HeroMoveAfterChange(const LevelRecord& level, float heroX, float heroY);

// A new version of the tried level: its number, the tile a hero who cannot
// stay goes to (the try-out's start tile), and the level as the file gives it.
struct TriedLevelChange {
    int32_t number = 0;
    int16_t startTile = 0;
    LevelRecord level;
};

// Offers a new version; it takes the place of one that still waits.
void OfferTriedLevelChange(TriedLevelChange change);
bool TriedLevelChangeWaits();

// Between two frames: puts the waiting version into the game, if any, and
// returns true when it did.  A hero on the level stays or moves as
// HeroMoveAfterChange says; the tiles come from the file (those he has seen
// stay seen), and so do the monsters and items, while missiles, blasts,
// the bomb and floating texts of the old version go.  A hero elsewhere finds
// the new version when he comes to the level.  New games begin on it from
// here on.  The pause, the menu and a dying hero are left as they are (a
// dying hero's game keeps nothing).  A recording of the game ends as a load
// ends it, and the game goes on being recorded from the changed state.
bool PutInWaitingLevelChange();

}  // namespace game
