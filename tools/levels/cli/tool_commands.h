// The karvelun-levels commands, each run on its command line read against
// the flags it takes (level_tool.cpp holds the table).  Results go to out,
// errors and problems to err, one line each; a command throws ToolError to
// fail with one line and WrongUsage for a line it cannot run.  0 done, 1
// failed or problems found.
#pragma once

#include <ostream>

#include "tools/levels/cli/command_line.h"

namespace levels_tool {

// Levels, level files, positions and packages as JSON.
int Dump(const CommandLine& line, std::ostream& out, std::ostream& err);
// One level as a Tiled map, and a map back as a level file or a source.
int Export(const CommandLine& line, std::ostream& out, std::ostream& err);
int Import(const CommandLine& line, std::ostream& out, std::ostream& err);
// The campaign with one level in place of its number, for the game's
// karvelun --level; prints the level and the hero's start tile.
int TryOut(const CommandLine& line, std::ostream& out, std::ostream& err);

// The campaign's sources checked and built into levels.all and levels.en.
int Build(const CommandLine& line, std::ostream& out, std::ostream& err);
// A campaign of one's own built into a pack folder.
int BuildPack(const CommandLine& line, std::ostream& out, std::ostream& err);
// Level files joined into a package, and a package split into them.
int Pack(const CommandLine& line, std::ostream& out, std::ostream& err);
int Unpack(const CommandLine& line, std::ostream& out, std::ostream& err);
// Every problem of a package (and of its English catalogue).
int Check(const CommandLine& line, std::ostream& out, std::ostream& err);

// How hard levels are for newcomers, one at a time or in one go.
int Difficulty(const CommandLine& line, std::ostream& out, std::ostream& err);

}  // namespace levels_tool
