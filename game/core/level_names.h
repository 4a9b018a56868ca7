// The names of the campaign's levels, as the load dialog shows them beside
// their numbers ("Podzemní řeka").
#pragma once

#include <cstdint>
#include <string>

namespace game {

// The level's name in Czech (the windows show it in the player's language);
// empty for a number the game's own campaign has no name for, and in a
// campaign of one's own.
std::string LevelName(int32_t level);

}  // namespace game
