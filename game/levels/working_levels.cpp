#include "game/levels/working_levels.h"

#include <filesystem>
#include <system_error>

#include "game/core/game_state.h"

namespace game {

namespace fs = std::filesystem;

std::string WorkingLevelsFolder() {
    return AppFolder + "/data/levels";
}

std::string LevelFilePath(int32_t number) {
    return WorkingLevelsFolder() + "/level" + std::to_string(number) + ".sc";
}

int32_t CountWorkingLevels() {
    int32_t count = 0;
    std::error_code ec;
    while (fs::is_regular_file(LevelFilePath(count), ec))
        ++count;
    return count;
}

void DeleteLevelFiles(const std::string& folder) {
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) {
        fs::create_directories(folder, ec);
        return;
    }
    long entries = 0;
    for (auto it = fs::directory_iterator(folder, ec); !ec && it != fs::directory_iterator();
         it.increment(ec))
        ++entries;
    for (long i = 0; i < entries; ++i)
        fs::remove(fs::path(folder) / ("level" + std::to_string(i) + ".sc"), ec);
}

void ClearWorkingLevels() {
    DeleteLevelFiles(WorkingLevelsFolder());
}

}  // namespace game
