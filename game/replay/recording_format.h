// The recording file: a fixed header, then blocks, each with its type, its
// length and a CRC-32, so that a file cut short by a crash or damaged on
// the way is read up to its last whole, sound block.
//
//   header  "KARVREC1" (8 bytes), format version u16, 0 u16, CRC-32 u32
//   block   type u8, length u32, payload, CRC-32 u32 (type, length, payload)
//
// The first block is the start (kStart), then blocks of events (kEvents),
// and a finished recording ends with an end block (kEnd).  All numbers are
// little-endian.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game/core/difficulty.h"
#include "game/core/play_observer.h"
#include "game/core/rules_version.h"
#include "game/core/run_statistics.h"

namespace replay {

inline constexpr char kMagic[8] = {'K', 'A', 'R', 'V', 'R', 'E', 'C', '1'};
inline constexpr uint16_t kFormatVersion = 1;
inline constexpr size_t kHeaderSize = 16;
// The rules a new recording is made under (game/core/rules_version.h).  A
// recording of any earlier rules plays back under its own; one of later
// rules than this game knows is refused, naming them.
inline constexpr uint32_t kRulesVersion = game::kNewestRules;
// The first rules version whose start holds the help round corners.
inline constexpr uint32_t kCornerHelpRules = game::FirstRulesWith(game::RuleChange::kCornerHelp);
// No block is ever this long; a longer length is damage.
inline constexpr uint32_t kLargestBlock = 64u << 20;

enum class BlockType : uint8_t { kStart = 1, kEvents = 2, kEnd = 3 };

// How the recorded game began.
enum class StartKind : uint8_t {
    NewGame = 0,     // the fresh campaign, as "Nová hra" starts it
    LoadedPair = 1,  // a save pair, whose bytes the start holds
};

struct StartState {
    uint32_t rulesVersion = kRulesVersion;
    uint32_t campaignCrc = 0;  // CRC-32 of the fresh campaign's file
    StartKind kind = StartKind::NewGame;
    uint64_t seed = 0;
    // The hero slides round corners; always off under rules that had no
    // such help (their starts hold no byte of it).
    bool cornerHelp = true;
    std::string saveName;                    // LoadedPair: the pair's name
    std::vector<uint8_t> package, position;  // LoadedPair: <name>.lev, <name>.pos
    std::vector<uint8_t> snapshot;           // the rules' state once started
    uint32_t checksum = 0;                   // the state checksum then
    // The folder name of the campaign pack played; empty for the built-in
    // campaign.  Written after the checksum and only for a pack, so that
    // recordings of the built-in campaign stay as they always were.
    std::string campaign;
    // The game's difficulty.  An easy game writes it after the campaign's
    // name (an empty name for the built-in campaign) as one byte, 1; a
    // normal game writes nothing, as every recording did before, and a game
    // that knows no easy game refuses the recording of one.
    game::Difficulty difficulty = game::Difficulty::kNormal;
    // The run's statistics so far, for a game that did not begin afresh (a
    // load, a changed game): after the difficulty's byte, which a normal
    // game writes as 0 then, as one line of text (run_statistics_text.h).
    // Written only when there are any, so recordings without stay as they
    // were.
    std::optional<game::RunStatistics> statistics;
};

struct EndState {
    game::GameEnd how = game::GameEnd::Left;
    uint32_t frames = 0;
    uint32_t checksum = 0;
};

// The events between frames, one byte naming each.
enum class Event : uint8_t {
    Frames = 1,         // varint n: n frames run
    KeyDown = 2,        // i16 key code, i16 shift
    KeyUp = 3,          // i16 key code, i16 shift
    LostKeyboard = 4,   //
    Resumed = 5,        //
    SavedAs = 6,        // varint length, name
    Clock = 7,          // f32: a reading of the clock
    Checksum = 8,       // u32: the state checksum before the next frame
    MonstersOff = 9,    // i16: monsters taken off the level, all but this one (-1: all)
    NoticeClosed = 10,  // a notice shown during a frame closed
};

std::vector<uint8_t> EncodeHeader();
std::vector<uint8_t> EncodeBlock(BlockType type, const std::vector<uint8_t>& payload);
std::vector<uint8_t> EncodeStart(const StartState& start);
std::vector<uint8_t> EncodeEnd(const EndState& end);

// A recording as read back.
struct Recording {
    enum class Status {
        Complete,     // every block sound, ended by the end block
        Incomplete,   // cut short after its last whole block
        Damaged,      // a block with a wrong CRC or an impossible length
        Foreign,      // not a recording, or its start block is missing or bad
        NewerFormat,  // a recording of a format this game does not read
    };
    Status status = Status::Foreign;
    // The header's format version (0 when there is no header).
    uint16_t formatVersion = 0;
    // Of rules later than this game knows, only start.rulesVersion is read:
    // what follows it may mean anything.
    StartState start;
    // The events of every sound block, in order.
    std::vector<uint8_t> events;
    std::optional<EndState> end;
    // Where reading stopped, for the messages.
    size_t stoppedAt = 0;
};

Recording ParseRecording(const std::vector<uint8_t>& file);

// CRC-32 (zlib's) of some bytes.
uint32_t Crc32(const uint8_t* data, size_t size);

// Little-endian fields and variable-length counts for the payloads.
class PayloadWriter {
  public:
    explicit PayloadWriter(std::vector<uint8_t>& out) : out_(out) {}
    void U8(uint8_t v) { out_.push_back(v); }
    void U16(uint16_t v);
    void U32(uint32_t v);
    void U64(uint64_t v);
    void F32(float v);
    void Varint(uint64_t v);
    void Bytes(const std::vector<uint8_t>& bytes);  // u32 length, bytes
    void Text(const std::string& text);             // varint length, bytes

  private:
    std::vector<uint8_t>& out_;
};

class PayloadReader {
  public:
    PayloadReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    // Each is false, with the reader stuck, when the payload ends first.
    bool U8(uint8_t& v);
    bool U16(uint16_t& v);
    bool U32(uint32_t& v);
    bool U64(uint64_t& v);
    bool F32(float& v);
    bool Varint(uint64_t& v);
    bool Bytes(std::vector<uint8_t>& bytes);
    bool Text(std::string& text);
    bool AtEnd() const { return at_ == size_; }
    size_t Offset() const { return at_; }

  private:
    bool Take(size_t n);
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
    bool ok_ = true;
};

}  // namespace replay
