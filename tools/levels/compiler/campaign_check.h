// The checks a campaign must pass before players see it: exits lead to real
// levels onto tiles that are not walls, targets lie in the grid, parameters
// have the form the game reads, the texts of signs and message screens use
// braces only for the keys' names (game/settings/key_names.h), monsters and items stand inside the
// field, and every level is closed by a wall border (the field's edge stops nobody, and the game's
// neighbour arithmetic wraps across rows), but for the last level's way out.  A sound campaign is
// then walked through (CheckReachability) and, when asked, its greetings are checked
// (CheckGreetings).
#pragma once

#include <string>
#include <vector>

#include "game/levels/package_record.h"

namespace levels_tool {

struct CheckOptions {
    // Every arrival greets the player with the level's name: true for the
    // fresh campaign, false for a save, whose levels have greeted already.
    bool greetings = false;
};

// One line per problem, "level N, tile T (column c, row r): ..."; empty
// when the campaign is sound.
std::vector<std::string> CheckCampaign(const game::PackageRecord& package,
                                       const CheckOptions& options = {});

}  // namespace levels_tool
