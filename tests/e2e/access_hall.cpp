// Writes what the end-to-end check of the settings for every player plays
// on.  A campaign of one level: an open hall of floor, every tile seen, a
// sign on the tile left of where a new game puts the hero and a wall of
// strength 6 on the tile right of him.  And a quick save in a game folder:
// a new game of that folder's campaign whose hero has 3 lives of 10, low
// enough for the red edge.
//
//   access_hall campaign <path of levels.all>
//   access_hall low-lives <game folder>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "game/core/game_state.h"
#include "game/levels/byte_stream.h"
#include "game/levels/level_record.h"
#include "game/levels/working_levels.h"
#include "game/platform/file_io.h"
#include "game/play/game_flow.h"

namespace {

constexpr int kHeroStartTile = 591;  // where a new game puts the hero
constexpr int16_t kWallPicture = 12;

// The sign's text, which the check looks for on the screen and in what
// speech-dispatcher was asked to read.
constexpr const char* kSignText = "Pozor na netopýry!";

int WriteCampaign(const char* path) {
    game::LevelRecord hall;
    for (game::TileRecord& tile : hall.tiles) {
        tile.Picture = 1;
        tile.Revealed = -1;
    }
    game::TileRecord& sign = hall.tiles[kHeroStartTile - 1];
    sign.Kind = 3;
    sign.Param1 = kSignText;
    game::TileRecord& wall = hall.tiles[kHeroStartTile + 1];
    wall.Kind = 2;  // destructible: strength in Param1, the floor it leaves in Param2
    wall.Param1 = "6";
    wall.Param2 = "1";
    wall.Picture = kWallPicture;
    game::ByteWriter package;
    package.Int32(1);
    game::WriteLevelRecord(package, 0, hall);
    if (!game::WriteWholeFile(path, package.Bytes(), false)) {
        std::fprintf(stderr, "access_hall: cannot write %s\n", path);
        return 1;
    }
    return 0;
}

int WriteLowLivesSave(const std::string& folder) {
    game::ResetGameState();
    game::Places.data = folder + "/data";
    game::Places.saves = folder + "/data/saves";
    game::Places.workingLevels = folder + "/data/levels";
    std::filesystem::create_directories(game::Places.saves);
    std::filesystem::create_directories(game::Places.workingLevels);
    game::InitTileCoordinates();
    if (!game::StartNewGame(0, kHeroStartTile)) return 1;
    game::Lives = 3;
    const bool saved = game::QuickSave();
    // The game that starts in the folder finds no working levels of ours.
    game::ClearWorkingLevels();
    return saved ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "campaign") == 0) return WriteCampaign(argv[2]);
    if (argc == 3 && std::strcmp(argv[1], "low-lives") == 0) return WriteLowLivesSave(argv[2]);
    std::fprintf(stderr, "usage: access_hall campaign <levels.all> | low-lives <game folder>\n");
    return 2;
}
