// A run's statistics as one line of text, for the save's description
// ("statistics=" and the line) and a recording's start.  The line begins
// with its version, "1", then words "key=value" separated by blanks:
//
//   run=<16 hex digits>   start=0 (counted from a load only)   before=<frames>
//   v=<level>,<frames>,<gold>,<potions>,<lives lost>[,<picture>:<kills>...]
//   s=<level>:<tile>   a=<act>,<frames>,<deaths>,<potions>   end=<frames>,<deaths>
//   d=<level>:<deaths>   reloads=<n>   cheats=<n>   rec=<time stamp>
//
// one v, s, a, d and rec word each, in their order.  A reader skips the
// words it does not know (a later version's), so the version stays 1.  The
// difficulty and the campaign are not in it: the description and the
// recording say them already.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "game/core/run_statistics.h"

namespace game {

// Nothing a line holds is larger: a run's frames stay far below 2^40 (five
// centuries of play), its levels, acts and tiles in their ranges.
inline constexpr size_t kLargestStatisticsText = 1 << 20;

std::string FormatRunStatistics(const RunStatistics& statistics);
// Nothing for a line that is not a version 1 line or holds a word of a
// known key that does not read.
std::optional<RunStatistics> ParseRunStatistics(std::string_view text);

}  // namespace game
