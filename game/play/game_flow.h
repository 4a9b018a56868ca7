// How games begin, are loaded, saved and left, whoever asks: the menu and
// its dialogs, the keys of play, the replay player, the level tool's
// headless game and the try-out.  The windows only ask the player and show
// what the flow leaves to be shown; everything else happens here.
#pragma once

#include <cstdint>
#include <string>

namespace game {

struct CampaignPack;

// A new game of the campaign (levels.all) on `level` with the hero standing
// on `tile`: neither paused nor suspended, the hero as a new game has him,
// the campaign unpacked into fresh working levels and the level loaded.
// False when the campaign could not be read (a message box has said why).
// The recording hears nothing of it; see NewGameFromMenu.
bool StartNewGame(int32_t level, int16_t tile);

// The menu's "Nová hra" once the player has agreed to lose the game under
// way and chosen the campaign (the built-in one without a pack): that game
// ends for the recording, the log is emptied, and a new game of the
// campaign starts where new games start (NewGameLevel, NewGameTile), as
// easy or normal as the settings say now (ChosenDifficulty).  True
// when it is ready to be shown; false when the campaign could not be read
// (the menu stays) or the program is shutting down.
bool NewGameFromMenu(const CampaignPack* pack = nullptr);

// "Zpět" of the menu: the suspended game goes on.
void ResumeFromMenu();

// Esc during play: the game is suspended, can be resumed and saved, and the
// menu is shown in place of the game window.
void LeaveForMenu();

// What the windows show after a load the player chose.
enum class AfterLoad {
    kPlay,      // the game window: the loaded game, or the one under way
    kMenu,      // nothing to play: the menu, after a box saying so
    kShutDown,  // the program is ending; nothing more to show
};

// The load dialog's "Nahrát" once the player has agreed to lose the game
// under way and the save is known to be there: the game under way ends for
// the recording, the log is emptied and the save loaded whole.  A save of
// a campaign pack that is gone or has changed is refused with a box, and
// the menu shows with the game under way untouched.
AfterLoad LoadChosenGame(const std::string& name);

// The save dialog's "Uložit" once the name is taken and an overwrite is
// agreed: the recording hears of it, the game is saved (a refused or failed
// save says so in the log) and goes on.  False when the program is shutting
// down.
bool SaveChosenGame(const std::string& name);

// F5: the game saved as "quick".
bool QuickSave();

// F7: with a quick save, the message log is emptied and the quick save
// loaded whole, as the load dialog loads a save -- also while the hero is
// dying, whose game then goes on from the quick save; without one, the log
// says so and nothing else changes (a dying hero's death runs its course).
// The pause ends either way.
bool QuickLoad();

// The help round corners as the player chose it in the settings.  With no
// game under way it holds at once; a game under way keeps the rules it was
// begun (and is recorded) with, and the choice holds from the next new game
// or load.
void ChooseCornerHelp(bool on);

// What a loaded game must not inherit from the one it replaces: the hero's
// death, the pause and the held keys.
void ClearPlayBeforeLoad();

}  // namespace game
