#include "game/play/game_flow.h"

#include <cstdio>
#include <optional>

#include "game/core/arrivals.h"
#include "game/core/game_state.h"
#include "game/core/health_signs.h"
#include "game/core/messages.h"
#include "game/core/music_director.h"
#include "game/core/play_observer.h"
#include "game/core/play_time.h"
#include "game/core/rules_version.h"
#include "game/core/run_statistics.h"
#include "game/core/terminal.h"
#include "game/core/windows.h"
#include "game/levels/current_campaign.h"
#include "game/levels/level_files.h"
#include "game/levels/level_packages.h"
#include "game/levels/save_commit.h"
#include "game/levels/save_folder.h"
#include "game/levels/save_folder_writer.h"
#include "game/levels/save_games.h"
#include "game/platform/shown_text.h"
#include "game/play/autosave.h"
#include "game/play/difficulty_notice.h"

namespace game {
namespace {

void TellGameEnds(GameEnd how) {
    if (PlayObserver* observer = CurrentPlayObserver()) observer->GameEnds(how);
}

// A choice of the help round corners made during a game, for the next one.
std::optional<bool> chosenCornerHelp;

void TakeChosenCornerHelp() {
    if (chosenCornerHelp) CornerSlideOn = *chosenCornerHelp;
    chosenCornerHelp.reset();
}

}  // namespace

bool StartNewGame(int32_t level, int16_t tile) {
    NoteGameStateBroken();
    RulesVersion = kNewestRules;
    LevelNumber = level;
    GameSuspended = false;
    Paused = false;
    ResetHero();
    CurrentHealthSigns().Forget();
    HeroX = Tiles[tile].X + 2;
    HeroY = Tiles[tile].Y + 2;
    StartPlayTime(0);
    ForgetThisGamesAutosave();
    if (!UnpackLevels("levels.all") || !LoadLevel(level)) return false;
    NoteHeroArrived();
    NoteGameBegun();
    BeginRunStatistics();
    return true;
}

bool NewGameFromMenu(const CampaignPack* pack) {
    std::string damage;
    if (pack && !CampaignPackReadsWhole(*pack, &damage)) {
        // A pack is the player's own file: it is refused, the game goes on.
        Tell(SHOWN_TEXT("Terminal", "Kampaň %1 nelze hrát: %2"), {pack->folder, damage});
        Windows().ShowMessageBox(NamedText(kCampaignDamagedText, pack->info.name), "Karvelun");
        return false;
    }
    if (pack && !PlayCampaignPack(*pack)) {
        // Gone since the list was shown: the game under way stays.
        Windows().ShowMessageBox(NamedText(kCampaignGoneText, pack->info.name), "Karvelun");
        return false;
    }
    if (!pack) PlayBuiltInCampaign();
    TellGameEnds(GameEnd::Left);
    Windows().ClearLog();
    TakeChosenCornerHelp();
    // The difficulty chosen in the settings now; the game keeps it.
    GameDifficulty = ChosenDifficulty;
    const bool ready = StartNewGame(NewGameLevel, NewGameTile);
    if (ShutdownRequested || !ready) return false;
    if (PlayObserver* observer = CurrentPlayObserver()) observer->NewGameStarted();
    return true;
}

void ResumeFromMenu() {
    if (PlayObserver* observer = CurrentPlayObserver()) observer->Resumed();
    GameSuspended = false;
    Music().Playing(LevelNumber, Paused);
}

void LeaveForMenu() {
    GameSuspended = true;
    CanResume = true;
    CanSave = true;
    // Starts the menu's timer, hides the game window and shows the menu; the
    // frame loop sees GameSuspended after its idle passes and stops.
    Windows().SuspendToMenu();
    Music().Menu();
}

AfterLoad LoadChosenGame(const std::string& name) {
    // An autosave still being written may be the one chosen.
    WaitForSaveFolder();
    // A save of a campaign that is not here loads nothing and changes
    // nothing; the box has said why.
    if (SavePairExists(name) && !TakeCampaignOfSave(name)) return AfterLoad::kMenu;
    // The game under way, if any, ends before the load changes it.
    TellGameEnds(GameEnd::Loaded);
    GameSuspended = false;
    ClearPlayBeforeLoad();
    Windows().ClearLog();
    TakeChosenCornerHelp();
    const bool loaded = LoadGame(name);
    if (loaded) NoteGameBegun();
    // The loaded game has arrived nowhere yet.
    if (loaded) ForgetThisGamesAutosave();
    if (ShutdownRequested) return AfterLoad::kShutDown;
    if (!loaded && !CanResume) {
        // Nothing to play: back to the menu.
        Windows().ShowMessageBox(kNoSaveLine, "Karvelun");
        return AfterLoad::kMenu;
    }
    return AfterLoad::kPlay;
}

bool SaveChosenGame(const std::string& name) {
    if (PlayObserver* observer = CurrentPlayObserver()) observer->SavingAs(name);
    // A refused or failed save says so in the log; the game goes on.
    SaveGame(name);
    if (ShutdownRequested) return false;
    GameSuspended = false;
    return true;
}

bool QuickSave() {
    return SaveGame(kQuickSaveName);
}

bool QuickLoad() {
    Paused = false;
    if (ShutdownRequested) return false;
    SettleInterruptedSave();
    if (!SavePairExists(kQuickSaveName)) {
        AddLogLine(kNoSaveLine);
        return false;
    }
    if (!TakeCampaignOfSave(kQuickSaveName)) return false;
    // A hero between his death and the game-over notice has no working
    // levels and would take only half the save; he gets all of it.
    ClearPlayBeforeLoad();
    Windows().ClearLog();
    TakeChosenCornerHelp();
    if (!LoadGame(kQuickSaveName)) return false;
    NoteGameBegun();
    ForgetThisGamesAutosave();
    return true;
}

void ChooseCornerHelp(bool on) {
    if (CanResume) {
        chosenCornerHelp = on;
        return;
    }
    CornerSlideOn = on;
    chosenCornerHelp.reset();
}

void ClearPlayBeforeLoad() {
    HeroDead = false;
    // The loaded lives are no loss to flash for.
    CurrentHealthSigns().Forget();
    Paused = false;
    KeyUpHeld = KeyDownHeld = KeyLeftHeld = KeyRightHeld = false;
    FireHeld = false;
}

}  // namespace game
