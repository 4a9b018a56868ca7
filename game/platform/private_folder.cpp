#include "game/platform/private_folder.h"

#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

namespace platform {

namespace fs = std::filesystem;

bool MakePrivateFolder(const std::string& folder) {
    if (folder.empty() || folder[0] != '/') return false;
    std::error_code ec;
    if (fs::is_directory(folder, ec)) return true;
    // Each missing step on its own, so that every folder made here is the
    // player's alone, not only the last one.
    fs::path step;
    for (const auto& part : fs::path(folder).lexically_normal()) {
        if (part.empty()) continue;
        step /= part;
        if (fs::is_directory(step, ec)) continue;
        if (::mkdir(step.c_str(), 0700) != 0 && errno != EEXIST) return false;
    }
    return fs::is_directory(folder, ec);
}

}  // namespace platform
