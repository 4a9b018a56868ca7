#include "support/game_test.h"

#include <random>

#include "game/core/access_settings.h"
#include "game/core/game_state.h"
#include "game/core/health_signs.h"
#include "game/core/sound_component.h"
#include "game/desktop/app_paths.h"
#include "game/platform/clock.h"
#include "game/platform/random.h"

namespace testing_support {

void GameTest::SetUp() {
    game::ResetGameState();
    game::Access = {};
    game::CurrentHealthSigns().Forget();
    game::SetWindows(&windows);
    game::SetSoundComponent(nullptr);
    platform::Randomize(12345);
    platform::SetTimeOfDaySource([this] { return clock_; });

    std::random_device rd;
    appFolder = std::filesystem::temp_directory_path() /
                ("karvelun-test-" + std::to_string(rd()) + std::to_string(rd()));
    std::filesystem::create_directories(appFolder / "data");
    game::Places = platform::AppPaths::Portable(appFolder.string()).Places();
    game::InitTileCoordinates();
}

void GameTest::TearDown() {
    game::SetWindows(nullptr);
    game::SetSoundComponent(nullptr);
    platform::SetTimeOfDaySource(nullptr);
    game::SetHealthClock(nullptr);
    game::ResetGameState();
    game::Access = {};
    std::error_code ec;
    std::filesystem::remove_all(appFolder, ec);
}

void GameTest::OpenFieldInItsWalls(bool revealed) {
    for (int t = 0; t < game::kTileCount; ++t) {
        const int row = t / game::kGridSize, column = t % game::kGridSize;
        const bool border =
            row == 0 || row == game::kGridSize - 1 || column == 0 || column == game::kGridSize - 1;
        game::Tiles[t].Kind = border ? game::kSolidWall : game::kFloor;
        game::Tiles[t].Picture = border ? 11 : 1;
        game::Tiles[t].Revealed = revealed ? game::kTrue : game::kFalse;
    }
}

void GameTest::WallWithOneGap(bool acrossColumns, int line, int gap) {
    for (int k = 0; k < game::kGridSize; ++k) {
        const int t = acrossColumns ? line * game::kGridSize + k : k * game::kGridSize + line;
        game::Tiles[t].Kind = k == gap ? game::kFloor : game::kSolidWall;
    }
}

}  // namespace testing_support
