// A save of the game under way in two parts: a snapshot taken between two
// frames, cheaply and in memory, of everything the save writes -- the
// working levels as they are, the level in play, the hero, the description
// and its thumbnail -- and the writing of that snapshot, which touches
// nothing of the game's state and so may run on the background writer's
// thread (save_folder_writer.h) while the game plays on.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game/levels/position_record.h"
#include "game/levels/save_commit.h"
#include "game/levels/save_description.h"

namespace game {

struct GameSnapshot {
    std::string savesFolder;
    // The keys of the two files' headers, drawn as a save draws them.
    int16_t packageKey = 0;
    int16_t positionKey = 0;
    // Level record i of the package: the working file as it is, the level
    // in play as it is in memory.  A working file that is missing is empty.
    std::vector<std::vector<uint8_t>> levels;
    PositionRecord hero;
    SaveDescription description;
};

// The snapshot of the game under way; nothing, with *why, when no game is
// unpacked into the working folder or there is no save folder.  The game
// is left exactly as it was, its random sequence included.
std::optional<GameSnapshot> TakeGameSnapshot(std::string* why);

// Writes the snapshot as the save <saveName> of its folder, whole or not at
// all: every level checked as a save checks it, a record of an earlier save
// settled first, the pair and its description written under the unfinished
// names and committed.  The description goes as the snapshot holds it.
PairCommit WriteGameSnapshot(const GameSnapshot& snapshot, const std::string& saveName,
                             std::string* why);

}  // namespace game
