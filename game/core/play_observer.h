// Everything from outside that changes a running game between its frames,
// told to one listener as it happens: the keys the keyboard routines take
// (after any chosen-key mapping, so the keyboard, chosen keys and a pad all
// arrive alike), the keyboard lost to another program, returning from the
// menu, a save made from the save dialog, and where games begin and end.
// A game recording listens here; nothing listens otherwise.
#pragma once

#include <cstdint>
#include <string>

#include "game/core/player_text.h"

namespace game {

// How a game came to an end.
enum class GameEnd : uint8_t {
    Left = 0,      // the program closed, or another game took its place
    Died = 1,      // the game-over notice
    Finished = 2,  // the end of the last level
    Loaded = 3,    // a quick or named load replaced it
};

class PlayObserver {
  public:
    virtual ~PlayObserver() = default;

    // Before the keyboard routines act on a key.
    virtual void KeyDown(int16_t keyCode, int16_t shift) = 0;
    virtual void KeyUp(int16_t keyCode, int16_t shift) = 0;
    // Before time stops for a keyboard lost to another program.
    virtual void LostKeyboard() = 0;
    // Before the game is taken up again from the menu.
    virtual void Resumed() = 0;
    // Before a save under the name from the save dialog.
    virtual void SavingAs(const std::string& name) = 0;
    // At the start of every frame, before its first step.
    virtual void FrameBegins() = 0;
    // The game has ended (Died, Finished) or is about to be replaced or
    // closed (Left, Loaded): nothing of it has changed yet.
    virtual void GameEnds(GameEnd how) = 0;
    // A new game has begun from the fresh campaign.
    virtual void NewGameStarted() = 0;
    // A game has been loaded from the save pair <name>.
    virtual void GameLoaded(const std::string& name) = 0;
    // The game under way is changed from outside (a tried level's file
    // edited, tried_level.h): before the change, when nothing of it has
    // changed yet, and after it.
    virtual void GameChanging() = 0;
    virtual void GameChanged() = 0;
    // After a notice shown during a frame has been closed (whatever reached
    // the keyboard routines while it was up came before).
    virtual void NoticeClosed() = 0;
    // Before a tool that plays the game (the playthrough bot) takes the
    // monsters off the level, all but the one at index keep (-1: all).
    virtual void MonstersTakenOff(int16_t keep) = 0;
};

// The listener, or null.
PlayObserver* CurrentPlayObserver();
void SetPlayObserver(PlayObserver* observer);

// While a recording is watched, the game takes nothing from the player: his
// keys, the pad and the keyboard's comings and goings do not reach the
// keyboard routines.  The playback lets its recorded events through.
bool PlayerInputBlocked();
void SetPlayerInputBlocked(bool blocked);

// Lets recorded events through for as long as it lives.
class RecordedInput {
  public:
    RecordedInput();
    ~RecordedInput();
    RecordedInput(const RecordedInput&) = delete;
    RecordedInput& operator=(const RecordedInput&) = delete;

  private:
    bool wasBlocked_;
};

// The listener for a key or a release, or null while a routine already told
// as one event of its own runs (the releases of a lost keyboard).
PlayObserver* KeyObserver();

// Keeps the keys from the listener for as long as it lives.
class UntoldKeys {
  public:
    UntoldKeys();
    ~UntoldKeys();
    UntoldKeys(const UntoldKeys&) = delete;
    UntoldKeys& operator=(const UntoldKeys&) = delete;
};

// The notice window with the text, modally, its keys named (key_text.h),
// and the listener told when it has been closed: the rules show their
// notices through this.
void ShowGameNotice(const PlayerText& text);

}  // namespace game
