// The level in memory and its file in the working folder: loading, storing,
// and the per-level lists emptied whenever a level is loaded.
#pragma once

#include <cstdint>

#include "game/levels/level_record.h"
#include "game/platform/shown_text.h"

namespace game {

// The terminal's line of a level file that could not be written: its path
// and why.
inline constexpr const char* kLevelFileNotWrittenLine =
    SHOWN_TEXT("Terminal", "Soubor úrovně %1 se nepodařilo zapsat (%2)");

// Fills Tiles, Monsters, MonsterRects and Items from level<N>.sc and gives
// every monster a random first movement.  LevelNumber and the hero are
// untouched: callers set them first.  While HeroDead, nothing is read (the
// lists stay empty, the tiles keep what they held).  A missing, foreign or
// damaged file ends the game through the failure path.  True when the level
// was loaded.
bool LoadLevel(int32_t number);

// Writes the level in memory to level<N>.sc with fresh random keys.  False
// (with a line on stderr) when the file could not be written.
bool StoreLevel(int32_t number);

// Empties the run-time lists of a level (missiles, explosions, tile effects,
// fragments, floating texts; monsters and items down to their one cleared
// entry, with their counts 0 until a reader sets them), clears every blast
// mark and disarms the bomb.
void ResetLevelLists();

// The level in memory as a record, and a record put into memory (tiles,
// monsters with cleared run-time fields, items, MonsterRects sized to the
// monsters).  UseLevelRecord gives the monsters no movement.
LevelRecord CurrentLevelRecord();
void UseLevelRecord(const LevelRecord& level);

}  // namespace game
