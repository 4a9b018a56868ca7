#include "game/levels/save_games.h"

#include "game/core/arrivals.h"
#include "game/core/game_state.h"
#include "game/core/messages.h"
#include "game/core/play_observer.h"
#include "game/core/play_time.h"
#include "game/core/rules_version.h"
#include "game/core/run_statistics.h"
#include "game/levels/level_files.h"
#include "game/levels/level_packages.h"
#include "game/levels/position_files.h"
#include "game/levels/save_commit.h"
#include "game/levels/save_description.h"
#include "game/levels/save_folder.h"
#include "game/levels/save_pair.h"

namespace game {

bool SaveGame(const std::string& name) {
    if (ShutdownRequested) return false;
    if (HeroDead) {
        AddLogLine(kSaveRefusedLine);
        return false;
    }
    if (!StoreLevel(LevelNumber)) {
        AddLogLine(SaveFailedLine(name));
        return false;
    }
    if (!SaveGamePair(name)) return false;
    NoteSavePoint();
    AddLogLine(kGameSavedLine);
    return true;
}

bool LoadGame(const std::string& name) {
    if (ShutdownRequested) return false;
    SettleInterruptedSave();
    if (!SavePairExists(name)) {
        AddLogLine(kNoSaveLine);
        return false;
    }
    // The description is read first: loading may replace it (an autosave
    // loaded is the oldest of its kind by the next arrival).
    const std::optional<SaveDescription> description = ReadSaveDescription(name);
    NoteGameStateBroken();
    if (!UnpackLevels(name + ".lev")) return false;
    if (!LoadPosition(name + ".pos")) return false;
    // The game plays as easy or normal as it was saved, whatever the
    // settings say now; a save without a word of it is a normal game.
    GameDifficulty = description ? description->difficulty : Difficulty::kNormal;
    // A save keeps no rules of its own: it goes on under the newest.
    RulesVersion = kNewestRules;
    StartPlayTime(description ? description->playFrames : std::nullopt);
    ContinueRunStatistics(description ? description->statistics : std::nullopt,
                          description ? description->playFrames : std::nullopt);
    NoteHeroArrived();
    AddLogLine(kGameLoadedLine);
    if (PlayObserver* observer = CurrentPlayObserver()) observer->GameLoaded(name);
    return true;
}

}  // namespace game
