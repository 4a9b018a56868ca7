// A level written back as a text source, level<N>.txt, that compiles to the
// same level: a [map], a [things] layer and a [legend] of its own for every
// character it uses, so it needs nothing from legend.txt.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "game/levels/level_record.h"

namespace levels_tool {

// Throws SourceError when the level cannot be written as a source: more
// different tiles or things than there are characters, a monster or item
// off the middle of its tile, two things on one tile, a text of several
// lines.  English texts, by tile, stand beside the Czech ones (en "...").
std::string WriteLevelSource(const game::LevelRecord& level, int32_t number,
                             const std::map<int32_t, std::string>& english = {});

}  // namespace levels_tool
