// The checks a campaign must pass before players see it: exits lead to real
// levels onto tiles that are not walls, targets lie in the grid, parameters
// have the form the game reads, monsters and items stand inside the field,
// and every level is closed by a wall border (the field's edge stops
// nobody, and the game's neighbour arithmetic wraps across rows), but for
// the last level's way out.  A sound campaign is then walked through
// (CheckReachability).
#pragma once

#include <string>
#include <vector>

#include "game/levels/package_record.h"

namespace levels_tool {

// One line per problem, "level N, tile T (column c, row r): ..."; empty
// when the campaign is sound.
std::vector<std::string> CheckCampaign(const game::PackageRecord& package);

}  // namespace levels_tool
