// The checks a campaign must pass before players see it: exits lead to real
// levels onto tiles that are not walls, targets lie in the grid, parameters
// have the form the game reads, the texts of signs and message screens use
// braces only for the keys' names (game/settings/key_names.h), monsters and items stand inside the
// field, and every level is closed by a wall border (the field's edge stops nobody, and the game's
// neighbour arithmetic wraps across rows), but for the way out where the game ends.  A sound
// campaign is then walked through (CheckReachability) and, when asked, its greetings are checked
// (CheckGreetings).
#pragma once

#include <string>
#include <vector>

#include "game/core/campaign_places.h"
#include "game/levels/package_record.h"

namespace levels_tool {

struct CheckOptions {
    // Every arrival greets the player with the level's name: true for the
    // fresh campaign, false for a save, whose levels have greeted already.
    bool greetings = false;
    // Where the game ends (campaign.ini's Konec for a pack): that tile may
    // lie in the border, and the start must lead there.
    int32_t endLevel = game::kLastLevel;
    int32_t endTile = game::kEndingTile;
};

// One line per problem, "level N, tile T (column c, row r): ..."; empty
// when the campaign is sound.
std::vector<std::string> CheckCampaign(const game::PackageRecord& package,
                                       const CheckOptions& options = {});

}  // namespace levels_tool
