// Plays a recording back through the real rules, frame by frame: the game
// set up as the recording began, the random sequence reseeded, the clock
// fed from the recorded readings and the recorded events applied between
// the frames.  Its checksums are compared as they come; the first that
// disagrees stops the playback and names the frame.
//
// The player works in the game's current folders (game::Places): the
// caller gives it a temporary one, since replayed saves are written there.
#pragma once

#include <cstdint>
#include <string>

#include "game/core/play_observer.h"
#include "game/play/frame_loop.h"
#include "game/replay/recording_format.h"
#include "game/replay/state_snapshot.h"

namespace replay {

// The speeds a recording can be watched at, slowest first; 0 is as fast
// as possible.
inline constexpr int kReplaySpeeds[] = {1, 2, 8, 0};

// The player listens to the game while it plays (as a recorder would): a
// notice shown during a frame is where the events recorded while it was up
// are applied.
class Player final : public game::PlayObserver {
  public:
    enum class State {
        Ready,     // not yet begun
        Playing,   //
        Ended,     // the end block reached and matched
        CutShort,  // the data ended without an end block (incomplete or damaged)
        Diverged,  // a checksum, the frame count or a clock reading disagreed
        Refused,   // the recording cannot be played here
    };

    explicit Player(Recording recording);
    ~Player() override;
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

    // Sets the game up as the recording began.  With anyCampaign a
    // recording of another campaign is played all the same (the verifier
    // then names the first frame that differs); otherwise it is refused.
    bool Begin(bool anyCampaign = false);

    // Applies the events up to the next frame and runs it; false once the
    // playback is over (State() says how).
    bool Step();
    // Steps to the end; the final state.
    State PlayToEnd();

    State GetState() const { return state_; }
    const Recording& GetRecording() const { return recording_; }
    uint32_t Frame() const { return frame_; }
    // The state checksum at the end of the playback.
    uint32_t FinalChecksum() { return checksum_.Compute(); }
    // Why the playback stopped early or was refused, in English for the
    // tools; the game window words its own messages from State and Frame.
    const std::string& Why() const { return why_; }
    bool CampaignDiffers() const { return campaignDiffers_; }
    // The recording is of a campaign pack that is not here.
    bool CampaignGone() const { return campaignGone_; }
    // The recording was made under later rules than this game knows.
    bool NewerRules() const { return recording_.start.rulesVersion > kRulesVersion; }

    // game::PlayObserver
    void KeyDown(int16_t, int16_t) override {}
    void KeyUp(int16_t, int16_t) override {}
    void LostKeyboard() override {}
    void Resumed() override {}
    void SavingAs(const std::string&) override {}
    void FrameBegins() override {}
    void GameEnds(game::GameEnd) override {}
    void NewGameStarted() override {}
    void GameLoaded(const std::string&) override {}
    void GameChanging() override {}
    void GameChanged() override {}
    void MonstersTakenOff(int16_t) override {}
    void NoticeClosed() override;

  private:
    bool Stop(State state, std::string why);
    bool SetUpStart();
    bool ApplyEvent(Event event);
    float NextClockReading();

    Recording recording_;
    PayloadReader events_;
    // The game's own help round corners and rules, given back when the
    // player goes.
    bool cornerHelpBefore_;
    uint32_t rulesBefore_;
    game::Difficulty difficultyBefore_;
    game::FrameLoop loop_;
    StateChecksum checksum_;
    State state_ = State::Ready;
    std::string why_;
    uint32_t frame_ = 0;
    uint64_t framesLeftInRun_ = 0;
    float lastClock_ = 0;
    // The game and the recording disagree inside a frame (the clock or a
    // notice); told once the frame is over.
    std::string mismatch_;
    bool campaignDiffers_ = false;
    bool campaignGone_ = false;
};

const char* StatusName(Recording::Status status);

}  // namespace replay
