// Watching a recording: plays its frames at the chosen speed on a timer,
// and takes the few keys a watcher has (Esc, Pause, + and -); every other
// key is kept from the game, F11 and Alt+Enter excepted.
#pragma once

#include <QObject>
#include <QTimer>
#include <chrono>

#include "game/replay/player.h"

class QEvent;

namespace game {

class PlaybackController final : public QObject {
    Q_OBJECT

  public:
    // speed: frames played for each of the game's own (1, 2, 8), or 0 for
    // as fast as the machine goes.
    PlaybackController(replay::Player& player, int speed);
    ~PlaybackController() override;

    // Starts the timer and takes the keys (an event filter on the whole
    // application).
    void Start();
    // Stops the timer and lets the keys go.
    void Stop();

    int Speed() const { return speed_; }
    bool Halted() const { return halted_; }

    // A key pressed while watching; true when it is the watcher's.
    bool WatcherKey(int key);

  signals:
    // The recording has played out (the player says how).
    void Finished();
    // Esc: the watcher has had enough.
    void EscapePressed();
    // The speed or the pause changed.
    void Changed();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Tick();
    void ChangeSpeed(int direction);

    replay::Player& player_;
    int speed_;
    bool halted_ = false;
    bool filtering_ = false;
    QTimer timer_;
    std::chrono::steady_clock::time_point last_;
    double owed_ = 0;  // frames due and not yet played
};

}  // namespace game
