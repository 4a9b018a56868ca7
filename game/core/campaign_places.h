// The places of the campaign the rules know by number: the tile a new game
// begins on, and the last level's hall, whose gate every kill there shakes
// open, whose door shuts behind the hero as he steps in, and whose far tile
// ends the game.
#pragma once

#include <cstdint>

namespace game {

// A new game begins on level 0, on this tile.
inline constexpr int16_t kNewGameTile = 591;

inline constexpr int32_t kLastLevel = 80;
inline constexpr int16_t kHallGateTile = 136;
inline constexpr int16_t kHallDoorTile = 111;
// Stepping on it shuts the hall's door.
inline constexpr int16_t kDoorClosingTile = 61;
// Reaching it ends the game.
inline constexpr int16_t kEndingTile = 11;

}  // namespace game
