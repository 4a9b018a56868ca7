// The level tool's commands for game recordings: playing one headless to
// verify it, and recording the playthrough bot's run of a campaign.
#pragma once

#include <ostream>

#include "tools/levels/cli/command_line.h"

namespace levels_tool {

// replay FILE [--campaign LEVELS.ALL]: plays the recording without a
// window at full speed and prints its outcome, its frame count, the final
// state checksum and the time it took.  0 when the recording is complete
// and every checksum agrees; 2 when it is incomplete, damaged, foreign or
// plays out differently (the first frame that differs is named).
int ReplayCommand(const CommandLine& line, std::ostream& out, std::ostream& err);

// record-playthrough LEVELS.ALL OUT.rec [--seed N]: the playthrough bot
// plays the campaign from a new game to its end, recorded.  0 when the bot
// got through and the recording plays back; 1 otherwise.
int RecordPlaythroughCommand(const CommandLine& line, std::ostream& out, std::ostream& err);

}  // namespace levels_tool
