#include "game/app/game_recordings.h"

#include "game/core/play_observer.h"
#include "game/records/records_keeper.h"

namespace game {

GameRecordings::GameRecordings() {
    // The recordings a record names stay for good, and so do the run's own.
    session_.KeepForGood([](const std::string& stamp) {
        const RecordsKeeper* keeper = CurrentRecordsKeeper();
        return keeper && keeper->KeepsRecording(stamp);
    });
    SetPlayObserver(&session_);
    flushTimer_.setInterval(250);
    QObject::connect(&flushTimer_, &QTimer::timeout, [this] { session_.FlushIfDue(); });
    flushTimer_.start();
}

GameRecordings::~GameRecordings() {
    SetPlayObserver(nullptr);
}

}  // namespace game
