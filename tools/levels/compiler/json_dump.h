// Level, package and position files as JSON, for designers and for checks.
// Floats are written with the fewest digits that read back to the same
// 32-bit value; texts are UTF-8.
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

#include "game/levels/package_record.h"
#include "game/levels/position_record.h"

namespace levels_tool {

// {"header": ... (when there is one), "levels": [{"number", "tiles",
// "monsters", "items"}, ...]}; `firstNumber` numbers the levels.
void WriteLevelsJson(std::ostream& out, const std::optional<std::string>& header,
                     const std::vector<game::LevelRecord>& levels, int32_t firstNumber);

// {"header": ..., "LevelNumber": ..., ... the sixteen fields}.
void WritePositionJson(std::ostream& out, const std::string& header,
                       const game::PositionRecord& position);

// A JSON string literal, and the shortest exact text of a float.
std::string JsonString(const std::string& text);
std::string JsonFloat(float value);

}  // namespace levels_tool
