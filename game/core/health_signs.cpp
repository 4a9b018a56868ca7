#include "game/core/health_signs.h"

#include <chrono>
#include <cmath>
#include <numbers>

#include "game/core/access_settings.h"
#include "game/core/game_state.h"
#include "game/core/progression.h"
#include "game/core/sound_cues.h"

namespace game {
namespace {

std::function<int64_t()>& ClockSlot() {
    static std::function<int64_t()> clock;
    return clock;
}

int64_t NowMs() {
    if (const auto& clock = ClockSlot()) return clock();
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// The edge swells from its faint to its strong opacity and back, starting
// faint when lives become low.
int EdgeAlpha(int64_t sinceMs) {
    const double phase = static_cast<double>(sinceMs % kEdgePulseMs) / kEdgePulseMs;
    const double swell = 0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * phase);
    return kEdgeAlphaLow + static_cast<int>(std::lround(swell * (kEdgeAlphaHigh - kEdgeAlphaLow)));
}

}  // namespace

bool HealthSigns::Follow(int32_t lives, int32_t maxLives, bool heroDead, int64_t nowMs) {
    if (known_ && lives < lastLives_) {
        flashing_ = true;
        flashEnd_ = nowMs + kHurtFlashMs;
    }
    known_ = true;
    lastLives_ = lives;
    if (flashing_ && nowMs >= flashEnd_) flashing_ = false;

    // A dead hero's heart no longer beats.
    const bool low = !heroDead && LivesLow(lives, maxLives);
    bool beat = false;
    if (low && !low_) {
        lowSince_ = nowMs;
        nextBeat_ = nowMs;
    }
    low_ = low;
    if (low_ && nowMs >= nextBeat_) {
        beat = true;
        // A late frame does not make the next beat come sooner.
        nextBeat_ = nowMs + kHeartbeatMs;
    }

    // The look may change from frame to frame with the setting.
    const bool calm = !Access.flashing;
    look_.hurtFlash = flashing_ && !calm;
    look_.hurtRim = flashing_ && calm;
    look_.edgeAlpha = !low_ ? 0 : calm ? kEdgeAlphaSteady : EdgeAlpha(nowMs - lowSince_);
    look_.livesLow = low_;
    return beat;
}

void HealthSigns::Forget() {
    *this = HealthSigns();
}

HealthSigns& CurrentHealthSigns() {
    static HealthSigns signs;
    return signs;
}

void FollowHealth() {
    if (CurrentHealthSigns().Follow(Lives, MaxLives, HeroDead, NowMs())) PlayCue(kCueHeartbeat);
}

void SetHealthClock(std::function<int64_t()> clock) {
    ClockSlot() = std::move(clock);
}

}  // namespace game
