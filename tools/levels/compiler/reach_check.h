// The walking part of the campaign check: with the game's own movement
// (HeroSearch), everything a level offers the hero can be reached from the
// places he arrives at, no arrival strands him, every level can be got to
// from the start, and the end of the game (SearchSettings) can be reached from level 0.
// Destructible walls count as breakable and mechanisms as opening their
// targets.
#pragma once

#include <string>
#include <vector>

#include "game/levels/package_record.h"
#include "tools/levels/bots/hero_search.h"

namespace levels_tool {

// One line per problem, in the form of CheckCampaign's lines.
std::vector<std::string> CheckReachability(const game::PackageRecord& package,
                                           const SearchSettings& settings = {});

}  // namespace levels_tool
