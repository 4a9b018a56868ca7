#include "tools/levels/cli/tool_paths.h"

namespace levels_tool {

platform::AppPaths PathsOfThisTool() {
    return platform::AppPaths::ForThisProgram();
}

}  // namespace levels_tool
