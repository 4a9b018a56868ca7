#include "game/app/game_recordings.h"

#include "game/core/play_observer.h"

namespace game {

GameRecordings::GameRecordings() {
    SetPlayObserver(&session_);
    flushTimer_.setInterval(250);
    QObject::connect(&flushTimer_, &QTimer::timeout, [this] { session_.FlushIfDue(); });
    flushTimer_.start();
}

GameRecordings::~GameRecordings() {
    SetPlayObserver(nullptr);
}

}  // namespace game
