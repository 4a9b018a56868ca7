// The recording of the player's games for the running program: listens to
// the game from start-up to shut-down and writes what it has gathered to
// disk at least once a second, also while the game stands paused.
#pragma once

#include <QTimer>

#include "game/replay/recording_session.h"

namespace game {

class GameRecordings {
  public:
    // Records into the replays folder beside the saves.
    GameRecordings();
    ~GameRecordings();
    GameRecordings(const GameRecordings&) = delete;
    GameRecordings& operator=(const GameRecordings&) = delete;

  private:
    replay::RecordingSession session_;
    QTimer flushTimer_;
};

}  // namespace game
