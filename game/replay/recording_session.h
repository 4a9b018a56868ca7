// Every game the player plays is recorded into the replays folder beside
// the saves: a new game, a loaded one, and after a quick or named load the
// game that follows it, each in a file of its own.  The last 20 are kept,
// the oldest deleted first; a recording of a finished campaign is kept for
// good under a name of its own, and so is one the player's records name.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>

#include "game/core/play_observer.h"
#include "game/replay/recorder.h"

namespace replay {

inline constexpr size_t kRecordingsKept = 20;
// Recordings the session may delete, and those it keeps for good.
inline constexpr const char* kRecordingPrefix = "hra-";
inline constexpr const char* kFinishedPrefix = "dohrano-";
inline constexpr const char* kRecordingExtension = ".rec";

// The replays folder: "replays" beside the save folder; empty when there is
// no save folder.
std::string ReplaysFolder();

// What names a recording among the run's: its file's time stamp, without
// the prefix ("hra-20261208-101500.rec" and "dohrano-20261208-101500.rec"
// are both "20261208-101500").
std::string RecordingStamp(const std::string& path);

class RecordingSession final : public game::PlayObserver {
  public:
    // Records into `folder`; empty: the replays folder, found as each
    // recording begins (the game's folders are known only after start-up).
    explicit RecordingSession(std::string folder = {});
    ~RecordingSession() override;

    // The recording under way, if any (its path once begun).
    const std::string& CurrentPath() const { return path_; }
    bool Recording() const { return recorder_ && !recorder_->Finished(); }
    void FlushIfDue();
    // Recordings (by their stamps) the rotation must leave alone: those a
    // record names, so that the record can be recomputed from them.
    void KeepForGood(std::function<bool(const std::string& stamp)> kept) {
        keptForGood_ = std::move(kept);
    }

    // game::PlayObserver
    void KeyDown(int16_t keyCode, int16_t shift) override;
    void KeyUp(int16_t keyCode, int16_t shift) override;
    void LostKeyboard() override;
    void Resumed() override;
    void SavingAs(const std::string& name) override;
    void FrameBegins() override;
    void GameEnds(game::GameEnd how) override;
    void NewGameStarted() override;
    void GameLoaded(const std::string& name) override;
    // A change from outside ends the recording as a load does; the game
    // after it is recorded from its changed state, packed as a save pair
    // that the recording holds (the save folder does not keep it).
    void GameChanging() override;
    void GameChanged() override;
    void MonstersTakenOff(int16_t keep) override;
    void NoticeClosed() override;

  private:
    void Begin(StartState start);
    // Deletes the oldest recordings until `keep` are left.
    void Prune(const std::string& folder, size_t keep);
    std::string NewPath(const std::string& folder) const;

    std::string folder_;
    std::string path_;
    std::unique_ptr<Recorder> recorder_;
    // A recording was under way when the game began to change.
    bool recordAfterChange_ = false;
    std::function<bool(const std::string& stamp)> keptForGood_;
};

}  // namespace replay
