#include "game/levels/save_pair.h"

#include "game/levels/level_packages.h"
#include "game/levels/position_files.h"

namespace game {

bool SaveGamePair(const std::string& saveName) {
    const std::string package = saveName + ".lev";
    const std::string position = saveName + ".pos";
    return PackLevels(package) && WriteUnfinishedPosition(position) &&
           CommitUnfinishedSave(package, position);
}

}  // namespace game
