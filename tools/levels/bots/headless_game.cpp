#include "tools/levels/bots/headless_game.h"

#include <chrono>
#include <memory>
#include <random>
#include <stdexcept>

#include "game/core/game_state.h"
#include "game/core/sound_component.h"
#include "game/desktop/app_paths.h"
#include "game/levels/level_files.h"
#include "game/levels/level_packages.h"
#include "game/levels/working_levels.h"
#include "game/platform/clock.h"
#include "game/platform/file_io.h"
#include "game/play/frame_loop.h"
#include "game/play/game_flow.h"

namespace levels_tool {

void QuietWindows::CloseMainWindow() {
    game::ShutdownRequested = true;
}

int PlayFrames(std::function<void()>& idleHook, const std::function<bool()>& beforeFrame,
               float clockStart) {
    // The clock outlives the play: the rules may read it afterwards.
    auto now = std::make_shared<float>(clockStart);
    platform::SetTimeOfDaySource([now] { return *now; });
    int frame = 0;
    idleHook = [&] {
        ++frame;
        *now = clockStart + static_cast<float>(frame) / 60.0f;
        if (!beforeFrame()) game::GameSuspended = true;
    };
    game::FrameLoop loop;
    loop.Timer1_Timer();
    idleHook = nullptr;
    return frame;
}

HeadlessGame::HeadlessGame() {
    std::random_device rd;
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    folder_ = std::filesystem::temp_directory_path() /
              ("karvelun-play-" + std::to_string(rd()) + "-" + std::to_string(stamp));
    std::error_code ec;
    std::filesystem::create_directories(folder_ / "data" / "levels", ec);
    if (ec) throw std::runtime_error(folder_.string() + ": cannot be made (" + ec.message() + ")");
    ResetState();
}

void HeadlessGame::ResetState() {
    game::ResetGameState();
    game::GameDifficulty = difficulty_;
    game::SetWindows(&windows_);
    game::SetSoundComponent(nullptr);
    game::Places = platform::AppPaths::Portable(folder_.string()).Places();
    game::InitTileCoordinates();
    windows_.messageBoxes.clear();
}

HeadlessGame::~HeadlessGame() {
    game::SetWindows(nullptr);
    platform::SetTimeOfDaySource(nullptr);
    game::ResetGameState();
    std::error_code ec;
    std::filesystem::remove_all(folder_, ec);
}

bool HeadlessGame::InstallCampaign(const game::PackageRecord& package) {
    game::ByteWriter out;
    game::WritePackageRecord(out, package);
    return game::WriteWholeFile((folder_ / "data" / "levels.all").string(), out.Bytes(), false);
}

void HeadlessGame::SetDifficulty(settings::Difficulty difficulty) {
    difficulty_ = difficulty;
    game::GameDifficulty = difficulty;
}

bool HeadlessGame::NewGame() {
    return game::StartNewGame(0, game::NewGameTile);
}

bool HeadlessGame::WriteWorkingLevel(int32_t number, const game::LevelRecord& level) {
    game::ByteWriter out;
    game::WriteLevelRecord(out, number, level);
    return game::WriteWholeFile(game::LevelFilePath(number), out.Bytes(), false);
}

}  // namespace levels_tool
