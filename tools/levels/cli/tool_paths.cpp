#include "tools/levels/cli/tool_paths.h"

#include <filesystem>
#include <system_error>

namespace levels_tool {

platform::AppPaths PathsOfThisTool() {
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    return platform::AppPaths::ForProgram(ec ? std::string(".") : self.parent_path().string());
}

}  // namespace levels_tool
