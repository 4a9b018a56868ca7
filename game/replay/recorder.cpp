#include "game/replay/recorder.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <random>

#include "game/core/game_state.h"
#include "game/levels/save_folder.h"
#include "game/levels/save_games.h"
#include "game/platform/clock.h"
#include "game/platform/file_io.h"
#include "game/platform/keys.h"
#include "game/platform/random.h"

namespace replay {

FileSink::FileSink(const std::string& path) {
    fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
}

FileSink::~FileSink() {
    if (fd_ >= 0) ::close(fd_);
}

bool FileSink::Append(const std::vector<uint8_t>& bytes) {
    if (fd_ < 0) return false;
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

Recorder::Recorder(std::unique_ptr<RecordingSink> sink, StartState start, uint64_t seed)
    : sink_(std::move(sink)), flushClock_([] { return std::chrono::steady_clock::now(); }) {
    start.rulesVersion = kRulesVersion;
    start.seed = seed;
    start.cornerHelp = game::CornerSlideOn;
    start.difficulty = game::GameDifficulty;
    platform::Randomize(seed);
    start.snapshot = TakeSnapshot(true);
    start.checksum = checksum_.Compute();
    healthy_ = sink_->Append(EncodeHeader());
    WriteBlock(BlockType::kStart, EncodeStart(start));
    lastFlush_ = flushClock_();
    pending_.reserve(4096);
    platform::SetTimeOfDayObserver([this](float now) { ClockRead(now); });
}

Recorder::~Recorder() {
    if (!finished_) {
        // Left without an end: what was gathered still goes out, and the
        // recording reads as cut short.
        Flush();
        platform::SetTimeOfDayObserver(nullptr);
    }
}

void Recorder::WriteBlock(BlockType type, const std::vector<uint8_t>& payload) {
    if (!healthy_) return;
    healthy_ = sink_->Append(EncodeBlock(type, payload));
}

void Recorder::CloseRunOfFrames() {
    if (runOfFrames_ == 0) return;
    out_.U8(static_cast<uint8_t>(Event::Frames));
    out_.Varint(runOfFrames_);
    runOfFrames_ = 0;
}

void Recorder::BeginEvent(Event event) {
    CloseRunOfFrames();
    out_.U8(static_cast<uint8_t>(event));
}

void Recorder::Flush() {
    if (finished_) return;
    CloseRunOfFrames();
    if (!pending_.empty()) WriteBlock(BlockType::kEvents, pending_);
    pending_.clear();
    lastFlush_ = flushClock_();
}

void Recorder::FlushIfDue() {
    if (finished_) return;
    if (flushClock_() - lastFlush_ >= std::chrono::seconds(1)) Flush();
}

void Recorder::Finish(game::GameEnd how) {
    if (finished_) return;
    Flush();
    EndState end;
    end.how = how;
    end.frames = frames_;
    end.checksum = checksum_.Compute();
    WriteBlock(BlockType::kEnd, EncodeEnd(end));
    finished_ = true;
    platform::SetTimeOfDayObserver(nullptr);
}

void Recorder::ClockRead(float value) {
    if (finished_) return;
    BeginEvent(Event::Clock);
    out_.F32(value);
}

void Recorder::KeyDown(int16_t keyCode, int16_t shift) {
    if (finished_) return;
    // A quick load that finds its save replaces this game: the recording
    // ends before the load changes anything, and the next one starts from
    // the loaded pair.
    if (keyCode == platform::vk::F7 && game::SavePairExists(game::kQuickSaveName)) {
        Finish(game::GameEnd::Loaded);
        return;
    }
    BeginEvent(Event::KeyDown);
    out_.U16(static_cast<uint16_t>(keyCode));
    out_.U16(static_cast<uint16_t>(shift));
}

void Recorder::KeyUp(int16_t keyCode, int16_t shift) {
    if (finished_) return;
    BeginEvent(Event::KeyUp);
    out_.U16(static_cast<uint16_t>(keyCode));
    out_.U16(static_cast<uint16_t>(shift));
}

void Recorder::LostKeyboard() {
    if (!finished_) BeginEvent(Event::LostKeyboard);
}

void Recorder::Resumed() {
    if (!finished_) BeginEvent(Event::Resumed);
}

void Recorder::SavingAs(const std::string& name) {
    if (finished_) return;
    BeginEvent(Event::SavedAs);
    out_.Text(name);
}

void Recorder::MonstersTakenOff(int16_t keep) {
    if (finished_) return;
    BeginEvent(Event::MonstersOff);
    out_.U16(static_cast<uint16_t>(keep));
}

void Recorder::NoticeClosed() {
    if (!finished_) BeginEvent(Event::NoticeClosed);
}

void Recorder::FrameBegins() {
    if (finished_) return;
    // Blocks end between frames: a recording cut short ends on a whole one.
    FlushIfDue();
    if (frames_ % kCheckpointFrames == 0) {
        BeginEvent(Event::Checksum);
        out_.U32(checksum_.Compute());
    }
    ++frames_;
    ++runOfFrames_;
}

uint32_t CampaignCrc() {
    std::vector<uint8_t> bytes;
    if (!game::ReadWholeFile(game::CampaignPackagePath(), bytes)) return 0;
    return Crc32(bytes.data(), bytes.size());
}

uint64_t FreshSeed() {
    std::random_device device;
    const uint64_t mixed =
        (static_cast<uint64_t>(device()) << 32) ^ device() ^
        static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    return mixed;
}

}  // namespace replay
