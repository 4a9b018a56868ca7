// Which piece of the soundtrack plays when, and how loud against what is
// open over it.  The game flow tells the director where the player is (the
// menu, a level, the game-over notice, the ending, the credits); the windows
// tell it only that a dialog, the help or a message is open over the play.
// The director hands its choices to a music sink: the sound library in the
// game, a recording fake in tests.  It is presentation only and reads or
// changes nothing of the rules' state.
#pragma once

#include <cstdint>
#include <string>

#include "game/core/music_pieces.h"

namespace game {

// How long a change of piece takes, and what an open window leaves of the
// music's volume.
inline constexpr int kMusicCrossFadeMs = 1500;
inline constexpr int kMusicGameOverFadeMs = 300;
inline constexpr int kMusicDuckPercent = 40;

class MusicSink {
  public:
    virtual ~MusicSink() = default;
    // Fades over to the piece in fadeMs milliseconds; the same piece that
    // already plays goes on without a restart.
    virtual void CrossFade(const MusicPiece& piece, int fadeMs) = 0;
    // The music at `percent` of its volume (100: all of it).
    virtual void Duck(int percent) = 0;
};

class MusicDirector {
  public:
    // Where the music now goes; null: nowhere (no sound, Zvuky=Ne, Hudba=0).
    // The piece of the present place starts on the new sink.
    void SetSink(MusicSink* sink);

    // The main menu is shown.
    void Menu();
    // A frame of the level runs (paused false), or the pause went on or off.
    void Playing(int32_t level, bool paused);
    // The game-over notice.
    void GameOver();
    // The end notice of the last level.
    void Ending();
    // The credits window opened or closed (over the menu).
    void Credits(bool shown);
    // A dialog, the help or a message box opened or closed.
    void Overlay(bool open);

    // What the director last asked for (tests and the record).
    const MusicPiece* Piece() const { return piece_; }
    int DuckPercent() const { return duck_; }

  private:
    enum class Place : uint8_t { None, Menu, Level, GameOver, Ending, Credits };
    void Go(Place place, const MusicPiece& piece, int fadeMs);
    void SettleDuck();

    MusicSink* sink_ = nullptr;
    Place place_ = Place::None;
    Place beforeCredits_ = Place::None;
    const MusicPiece* pieceBeforeCredits_ = nullptr;
    const MusicPiece* piece_ = nullptr;
    bool paused_ = false;
    int overlays_ = 0;
    int duck_ = 100;
};

// The game's one director.
MusicDirector& Music();

// Tells the game's director that a window is open over the play for as long
// as it lives.
class MusicOverlay {
  public:
    MusicOverlay() { Music().Overlay(true); }
    ~MusicOverlay() { Music().Overlay(false); }
    MusicOverlay(const MusicOverlay&) = delete;
    MusicOverlay& operator=(const MusicOverlay&) = delete;
};

// The file of a piece in the data folder: <data>/hudba/<name>.ogg.
std::string MusicFile(const std::string& dataFolder, const MusicPiece& piece);

}  // namespace game
