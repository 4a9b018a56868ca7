#include "game/core/run_timer.h"

#include "game/core/play_time.h"

namespace game {

RunTimer::RunTimer() {
    AddRunListener(this);
}

RunTimer::~RunTimer() {
    RemoveRunListener(this);
}

RunTimerReading RunTimer::Reading() const {
    const uint64_t frames = CurrentRunStatistics().Frames();
    RunTimerReading reading{PlayTimeText(frames), std::nullopt};
    // A load may take the run back before the act's end: the split is gone.
    if (split_ && frames >= splitFrom_ && frames - splitFrom_ < kActSplitFrames)
        reading.split = split_;
    return reading;
}

void RunTimer::RunChanged(RunEvent event) {
    if (event == RunEvent::kBegun) {
        split_.reset();
    } else if (event == RunEvent::kActDone) {
        const RunStatistics& run = CurrentRunStatistics();
        if (run.progress.actsDone.empty()) return;
        split_ = run.progress.actsDone.back();
        splitFrom_ = run.Frames();
    }
}

}  // namespace game
