// What the player sees and hears of the hero's health besides the number in
// the panel: a short red flash of the hero and of the panel's lives when he
// loses lives, and while his lives are low a slowly pulsing red edge round
// the play field and a soft heartbeat.  For a player who asked for nothing
// to flash (Blikani=Ne) the flash is a steady red rim round the hero for as
// long, the panel stays as it is and the edge stands still at its middle
// strength.  These signs only watch the lives
// from frame to frame: nothing of the game depends on them and no rule or
// saved state knows them.
#pragma once

#include <cstdint>
#include <functional>

namespace game {

// How long a flash lasts, how often the heart beats and how long one swell
// of the edge takes, in milliseconds.
inline constexpr int64_t kHurtFlashMs = 120;
inline constexpr int64_t kHeartbeatMs = 800;
inline constexpr int64_t kEdgePulseMs = 1600;
// The edge's opacity swings between these two while lives are low.
inline constexpr int kEdgeAlphaLow = 70;
inline constexpr int kEdgeAlphaHigh = 190;
// The edge that does not pulse.
inline constexpr int kEdgeAlphaSteady = (kEdgeAlphaLow + kEdgeAlphaHigh) / 2;

// What a frame shows of the hero's health.
struct HealthLook {
    // The hero's sprite and the panel's lives are red.
    bool hurtFlash = false;
    // The opacity of the red edge, 0 (no edge) to 255.
    int edgeAlpha = 0;
    // In the flash's place, with nothing flashing: a red rim round the hero.
    bool hurtRim = false;
    // The hero's lives are low (the edge shows, the panel's lives are framed).
    bool livesLow = false;
};

// The signs' memory: the lives of the last frame, the end of the flash, the
// rhythm of the edge and the heart.
class HealthSigns {
  public:
    // One frame shown at nowMs (a steady clock): the hero's lives now.  True
    // when the heart beats in this frame.
    bool Follow(int32_t lives, int32_t maxLives, bool heroDead, int64_t nowMs);
    // A game begun or loaded: the lives it starts with are no loss, and
    // nothing flashes.
    void Forget();
    // The look of the last frame followed.
    const HealthLook& Look() const { return look_; }

  private:
    bool known_ = false;
    int32_t lastLives_ = 0;
    bool flashing_ = false;
    int64_t flashEnd_ = 0;
    bool low_ = false;
    int64_t lowSince_ = 0;
    int64_t nextBeat_ = 0;
    HealthLook look_;
};

// The signs of the game under way.  The frame loop feeds them once a frame
// (FollowHealth); the game window draws their look.
HealthSigns& CurrentHealthSigns();

// The frame loop's part: the lives of this frame into the signs, and the
// heartbeat cue when one is due (with sound on).
void FollowHealth();

// The signs' clock in milliseconds (a steady clock; tests put their own in
// place, an empty function restores it).  Never the rules' clock: the rules'
// readings go into recordings.
void SetHealthClock(std::function<int64_t()> clock);

}  // namespace game
