// Records one game as it is played: its start, then every event from
// outside and every clock reading of the rules, frame by frame, with the
// state checksum every few seconds of play.  Blocks go to the sink at least
// once a second, so a crash loses at most the last second.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "game/core/play_observer.h"
#include "game/replay/recording_format.h"
#include "game/replay/state_snapshot.h"

namespace replay {

// Where the blocks go.
class RecordingSink {
  public:
    virtual ~RecordingSink() = default;
    // False when the bytes could not all be written.
    virtual bool Append(const std::vector<uint8_t>& bytes) = 0;
};

// A file written block by block with plain writes, so that what was
// written survives the game being killed.
class FileSink final : public RecordingSink {
  public:
    // Creates or empties the file; Ok() tells whether that worked.
    explicit FileSink(const std::string& path);
    ~FileSink() override;
    bool Ok() const { return fd_ >= 0; }
    bool Append(const std::vector<uint8_t>& bytes) override;

  private:
    int fd_ = -1;
};

// Frames between two state checksums: two seconds of play.
inline constexpr uint32_t kCheckpointFrames = 120;

class Recorder final : public game::PlayObserver {
  public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    // Starts recording the game as it stands now: reseeds the random
    // sequence with `seed`, takes the snapshot and writes the start.  The
    // recorder listens to the clock while it records.  `campaignCrc`: see
    // CampaignCrc.
    Recorder(std::unique_ptr<RecordingSink> sink, StartState start, uint64_t seed);
    ~Recorder() override;
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;

    // What the flush-once-a-second rule reads (tests give their own).
    void SetFlushClock(Clock clock) {
        flushClock_ = std::move(clock);
        lastFlush_ = flushClock_();
    }

    // Writes the events gathered so far when the last write is a second or
    // more ago.  The game window calls it from a timer as well, so a paused
    // game is flushed too.
    void FlushIfDue();
    void Flush();

    // Writes the end block and stops listening; later events are ignored.
    void Finish(game::GameEnd how);
    bool Finished() const { return finished_; }
    // False once a write failed: the recording stops there.
    bool Healthy() const { return healthy_; }
    uint32_t Frames() const { return frames_; }

    // game::PlayObserver
    void KeyDown(int16_t keyCode, int16_t shift) override;
    void KeyUp(int16_t keyCode, int16_t shift) override;
    void LostKeyboard() override;
    void Resumed() override;
    void SavingAs(const std::string& name) override;
    void FrameBegins() override;
    void GameEnds(game::GameEnd how) override { Finish(how); }
    void NewGameStarted() override {}
    void GameLoaded(const std::string&) override {}
    void GameChanging() override {}
    void GameChanged() override {}
    void MonstersTakenOff(int16_t keep) override;
    void NoticeClosed() override;

  private:
    void CloseRunOfFrames();
    void BeginEvent(Event event);
    void ClockRead(float value);
    void WriteBlock(BlockType type, const std::vector<uint8_t>& payload);

    std::unique_ptr<RecordingSink> sink_;
    std::vector<uint8_t> pending_;
    PayloadWriter out_{pending_};
    uint64_t runOfFrames_ = 0;
    uint32_t frames_ = 0;
    StateChecksum checksum_;
    Clock flushClock_;
    std::chrono::steady_clock::time_point lastFlush_;
    bool finished_ = false;
    bool healthy_ = true;
};

// CRC-32 of the fresh campaign's file (data/levels.all), 0 when unreadable.
uint32_t CampaignCrc();

// A seed for a new recording, from the clocks and the system's randomness.
uint64_t FreshSeed();

}  // namespace replay
