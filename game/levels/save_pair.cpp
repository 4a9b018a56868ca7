#include "game/levels/save_pair.h"

#include <cstdio>

#include "game/core/messages.h"
#include "game/core/terminal.h"
#include "game/levels/level_packages.h"
#include "game/levels/position_files.h"
#include "game/levels/save_description.h"
#include "game/levels/save_folder.h"
#include "game/platform/shown_text.h"

namespace game {

bool SaveGamePair(const std::string& saveName) {
    const std::string package = saveName + ".lev";
    const std::string position = saveName + ".pos";
    if (!PackLevels(package) || !WriteUnfinishedPosition(position)) return false;
    std::string why;
    if (!WriteUnfinishedDescription(DescribeCurrentGame(), &why)) {
        Tell(kGameNotSavedLine, {why});
        RemoveUnfinishedSave();
        AddLogLine(SaveFailedLine(saveName));
        return false;
    }
    return CommitUnfinishedSave(package, position, DescriptionFileName(saveName));
}

}  // namespace game
