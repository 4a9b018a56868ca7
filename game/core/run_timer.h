// The racer's timer over the play field (Casomira=Ano): the run's play time
// as it stands, and for two seconds of play after an act is gone on from,
// that act's own time.  It listens to the run's statistics and reads
// nothing else; the game window prints what it says.  Plain C++.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "game/core/run_statistics.h"

namespace game {

// Two seconds at sixty frames of play.
inline constexpr uint64_t kActSplitFrames = 120;

struct RunTimerReading {
    std::string time;              // "1:02:03", the run's play time
    std::optional<ActDone> split;  // the act just gone on from, while it shows
};

class RunTimer final : public RunListener {
  public:
    RunTimer();
    ~RunTimer() override;
    RunTimer(const RunTimer&) = delete;
    RunTimer& operator=(const RunTimer&) = delete;

    RunTimerReading Reading() const;
    void RunChanged(RunEvent event) override;

  private:
    std::optional<ActDone> split_;
    uint64_t splitFrom_ = 0;  // the run's frames when the act ended
};

}  // namespace game
