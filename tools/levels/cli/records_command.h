// The level tool's command for a run's records: its recordings played
// headless, one after the other, and the records they make printed.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "tools/levels/cli/command_line.h"

namespace levels_tool {

// records FILE.rec [MORE.rec ...] [--campaign LEVELS.ALL]: plays the
// recordings of a run in their order, as `replay` plays one, and prints
// the run's records one line each (run_figures.h): each level reached, each
// act reached, the ending when it was reached, the run's time, deaths and
// loads, and each achievement earned.  A recording after the first must go
// on from the one before it: its start holds the run's tries as the one
// before left them (a load more) and the progress of a moment the run was
// kept at (a save, an arrival).  0 when every recording plays to its end,
// agrees and goes on from the one before; 2 otherwise, with the reason.
int RecordsCommand(const CommandLine& line, std::ostream& out, std::ostream& err);

}  // namespace levels_tool
