// The commands of karvelun-levels, callable from tests without a process.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace levels_tool {

// Runs one command line (without the program name).  Results go to out,
// errors and problems to err, one line each.  Returns the exit status: 0
// done, 1 failed or problems found, 2 wrong usage.
int RunLevelTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace levels_tool
