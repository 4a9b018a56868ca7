// How the two parameters of a tile become properties of the object on its
// tile, and back.  A parameter in the form the kind expects becomes named
// properties ("strength", "text", "target", ...); any other value travels
// as it stands in a "param1" or "param2" string property, so no level loses
// anything on its way through a map.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/core/game_state.h"

namespace tiled_map {

enum class PropertyType { Int, Bool, String, Object };

struct Property {
    std::string name;
    PropertyType type;
    std::string value;
};

inline constexpr int32_t kLastTile = game::kTileCount - 1;
// The highest level number an exit may lead to: far above any campaign, low
// enough for every number the tool reads.
inline constexpr int32_t kHighestLevelNumber = 1000000;

// True when the kind takes parameters, so its tiles need an object.
bool KindHasParameters(int16_t kind);

// The kind's name ("sign"); kinds 0 to 8 only.
std::string_view KindName(int16_t kind);

// The decimal number a text holds, when it is written the way the game
// writes numbers and lies in [low, high].
std::optional<int32_t> CanonicalNumber(const std::string& text, int32_t low, int32_t high);

// The target tile a teleport or mechanism names, when Param1 is one.
std::optional<int32_t> TargetTile(int16_t kind, const std::string& param1);

// The properties for the tile's parameters.  The target tile of a teleport
// or mechanism is left out: the writer refers to an object on it instead.
std::vector<Property> ParameterProperties(int16_t kind, const std::string& param1,
                                          const std::string& param2);

}  // namespace tiled_map
