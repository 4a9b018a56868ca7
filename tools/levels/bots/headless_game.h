// The game played without a display, by a player program at the keys:
// windows that show nothing, a program folder of its own, and the real
// frame loop run frame by frame with the clock reading sixty frames a
// second.  The playthrough test and the difficulty runs both play so.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "game/core/windows.h"
#include "game/levels/package_record.h"
#include "game/settings/difficulty_setting.h"

namespace levels_tool {

// Windows that show nothing.  The frame loop's idle passes call
// `onProcessEvents`; message boxes (a level that cannot be loaded) are kept.
class QuietWindows final : public game::SilentWindows {
  public:
    std::function<void()> onProcessEvents;
    std::vector<std::string> messageBoxes;

    // Six pixels a character, about the play field's font.
    int TextWidth(const std::string& text) override { return 6 * static_cast<int>(text.size()); }
    void ShowMessageBox(const game::PlayerText& text, const std::string& title) override {
        messageBoxes.push_back(title + ": " + text.czech);
    }
    // The program would shut down: the frame loop leaves.
    void CloseMainWindow() override;
    void ProcessEvents() override {
        if (onProcessEvents) onProcessEvents();
    }
};

// Runs the game window's frame loop until `beforeFrame`, called in the idle
// pass before every frame to set the keys, returns false, or until the loop
// stops by itself (the game is over or has ended).  `idleHook` is the idle
// pass hook of the installed windows.  The game's clock reads
// `clockStart` + frames / 60 seconds, and keeps its last reading after.
// Returns the number of frames begun.
int PlayFrames(std::function<void()>& idleHook, const std::function<bool()>& beforeFrame,
               float clockStart = 1000.0f);

// A game in a temporary program folder of its own, with QuietWindows
// installed and the game state fresh; the folder is removed and the state
// cleared again at the end.  One at a time: the game's state is global.
class HeadlessGame {
  public:
    HeadlessGame();
    ~HeadlessGame();
    HeadlessGame(const HeadlessGame&) = delete;
    HeadlessGame& operator=(const HeadlessGame&) = delete;

    QuietWindows& Windows() { return windows_; }

    // Every value of the game back to the start of the program (the folder
    // and the windows stay), as for a run that must not inherit anything;
    // only the difficulty set below stays.
    void ResetState();
    // The games played from now on are of this difficulty (normal unless
    // set).
    void SetDifficulty(settings::Difficulty difficulty);

    // The campaign as the game's fresh data/levels.all.
    bool InstallCampaign(const game::PackageRecord& package);
    // "Nová hra" of the menu: the hero reset, the campaign unpacked into the
    // working folder, level 0 loaded.
    bool NewGame();
    // A level's working file, as unpacking the campaign writes it.
    bool WriteWorkingLevel(int32_t number, const game::LevelRecord& level);

    int Play(const std::function<bool()>& beforeFrame, float clockStart = 1000.0f) {
        return PlayFrames(windows_.onProcessEvents, beforeFrame, clockStart);
    }

  private:
    std::filesystem::path folder_;
    QuietWindows windows_;
    settings::Difficulty difficulty_ = settings::Difficulty::kNormal;
};

}  // namespace levels_tool
