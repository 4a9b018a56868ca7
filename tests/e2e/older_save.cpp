// Writes a save as the game wrote one before autosaves: a new game of the
// folder's campaign, packed and put into place as the pair alone, with no
// description, under the name given -- the game's own pair writer, as those
// versions called it.
//
//   older_save <game folder> <save name>
#include <cstdio>
#include <filesystem>
#include <string>

#include "game/core/game_state.h"
#include "game/levels/level_files.h"
#include "game/levels/level_packages.h"
#include "game/levels/position_files.h"
#include "game/levels/working_levels.h"
#include "game/platform/random.h"
#include "game/play/game_flow.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: older_save <game folder> <save name>\n");
        return 2;
    }
    namespace fs = std::filesystem;
    const fs::path game = argv[1];
    const std::string name = argv[2];
    // Working levels of its own, beside the game's folder's.
    const fs::path working = game / "data" / "older-save-levels";
    game::Places.data = (game / "data").string();
    game::Places.saves = (game / "data" / "saves").string();
    game::Places.workingLevels = working.string();
    game::InitTileCoordinates();
    platform::Randomize(1);
    const bool saved = game::StartNewGame(game::NewGameLevel, game::NewGameTile) &&
                       game::StoreLevel(game::LevelNumber) && game::PackLevels(name + ".lev") &&
                       game::WriteUnfinishedPosition(name + ".pos") &&
                       game::CommitUnfinishedSave(name + ".lev", name + ".pos");
    game::ClearWorkingLevels();
    std::error_code ec;
    fs::remove_all(working, ec);
    if (!saved) {
        std::fprintf(stderr, "older_save: the save %s could not be written\n", name.c_str());
        return 1;
    }
    return 0;
}
