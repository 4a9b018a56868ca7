// karvelun-levels: dumps, builds, packs, unpacks and checks the game's level
// files for level designers.
#include <iostream>
#include <string>
#include <vector>

#include "tools/levels/cli/level_tool.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return levels_tool::RunLevelTool(args, std::cout, std::cerr);
}
