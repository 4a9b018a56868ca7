// A game recording (data/replays): refused as foreign, newer, damaged or cut
// short, or read whole; whatever was read writes back as a recording that
// reads back the same, reading never stops past the file's end, and a start
// of later rules than the game knows is not read past their version.
#include <cstdint>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "game/replay/recording_format.h"

namespace {

using replay::BlockType;
using replay::Recording;

void Append(std::vector<uint8_t>& file, const std::vector<uint8_t>& bytes) {
    file.insert(file.end(), bytes.begin(), bytes.end());
}

bool SameStart(const replay::StartState& a, const replay::StartState& b) {
    return a.rulesVersion == b.rulesVersion && a.campaignCrc == b.campaignCrc && a.kind == b.kind &&
           a.seed == b.seed && a.cornerHelp == b.cornerHelp && a.saveName == b.saveName &&
           a.package == b.package && a.position == b.position && a.snapshot == b.snapshot &&
           a.checksum == b.checksum && a.campaign == b.campaign && a.difficulty == b.difficulty;
}

// The recording as the recorder would write what was read: one block of
// all the events, and the end block when there was one.
void CheckWritesBack(const Recording& read) {
    std::vector<uint8_t> file = replay::EncodeHeader();
    Append(file, replay::EncodeBlock(BlockType::kStart, replay::EncodeStart(read.start)));
    if (!read.events.empty()) Append(file, replay::EncodeBlock(BlockType::kEvents, read.events));
    if (read.end) Append(file, replay::EncodeBlock(BlockType::kEnd, replay::EncodeEnd(*read.end)));
    const Recording again = replay::ParseRecording(file);
    fuzz::Expect(again.status == read.status, "a recording read back with another status");
    fuzz::Expect(SameStart(again.start, read.start), "a recording's start read back otherwise");
    fuzz::Expect(again.events == read.events, "a recording's events read back otherwise");
    fuzz::Expect(again.end.has_value() == read.end.has_value() &&
                     (!read.end ||
                      (again.end->how == read.end->how && again.end->frames == read.end->frames &&
                       again.end->checksum == read.end->checksum)),
                 "a recording's end read back otherwise");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<uint8_t> file(data, data + size);
    const Recording read = replay::ParseRecording(file);
    fuzz::Expect(read.stoppedAt <= size, "reading stopped past the end of the file");
    fuzz::Expect((read.status == Recording::Status::Complete) == read.end.has_value(),
                 "a recording is complete exactly when its end block was read");
    // A start of later rules is read no further than its version.
    if (read.start.rulesVersion > replay::kRulesVersion) {
        replay::StartState unread;
        unread.rulesVersion = read.start.rulesVersion;
        fuzz::Expect(SameStart(read.start, unread), "a start of later rules was read on");
    }
    if (read.status == Recording::Status::Complete || read.status == Recording::Status::Incomplete)
        CheckWritesBack(read);
    return 0;
}
