// The fresh campaign greets the player in every level he comes to: each
// place he arrives at by an exit, the start of a new game and the end of
// the hidden passage is a sign that acts once and names the level,
// "3. patro: Netopýří sluj".  The tile must not have the index of the exit
// that leads there: a tile acts only as the hero's centre comes onto
// another index than the one he left, so the greeting would stay silent.
// (A save's levels have greeted already: the check is for the campaign.)
#pragma once

#include <string>
#include <vector>

#include "game/levels/package_record.h"

namespace levels_tool {

// "N. patro: ", the beginning of level N's greeting.
std::string GreetingPrefix(int32_t level);

// One line per problem, in the form of CheckCampaign's lines.
std::vector<std::string> CheckGreetings(const game::PackageRecord& package);

}  // namespace levels_tool
