// One level from any of the forms a designer keeps it in: a text source, a
// Tiled map, a level file or a package.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>

#include "game/levels/level_record.h"
#include "tools/levels/compiler/campaign_source.h"

namespace levels_tool {

// A campaign's level<N>.tmx or level<N>.sc, as level N: the loader the
// campaign compiler reads a folder's maps and level files with.
MapLevel ReadMapLevel(const std::filesystem::path& path, int32_t number);

// One level of a text source (its whole campaign folder is compiled, so
// that exits may name marks of other levels), a Tiled map, a level file or
// a package.  A number not given is taken from the file's name (level12.txt)
// or the map; marks and the English texts come along when the form has them.
game::LevelRecord LevelOfFile(const std::filesystem::path& file, std::optional<int32_t>& number,
                              std::map<char, int32_t>& marks,
                              std::map<int32_t, std::string>* english = nullptr);

}  // namespace levels_tool
