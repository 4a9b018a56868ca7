#include "game/replay/recording_format.h"

#include <zlib.h>

#include <cstring>

#include "game/core/run_statistics_text.h"

namespace replay {
namespace {

uint32_t ReadU32(const uint8_t* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

bool DecodeStart(const std::vector<uint8_t>& payload, StartState& start) {
    PayloadReader in(payload.data(), payload.size());
    uint8_t kind = 0;
    if (!in.U32(start.rulesVersion) || start.rulesVersion < game::kOldestRules) return false;
    // Later rules may have changed the rest of the start: the player
    // refuses it for its rules, and nothing more is read.
    if (start.rulesVersion > kRulesVersion) return true;
    if (!in.U32(start.campaignCrc) || !in.U8(kind) || !in.U64(start.seed)) return false;
    if (kind > static_cast<uint8_t>(StartKind::LoadedPair)) return false;
    start.kind = static_cast<StartKind>(kind);
    // Starts of the rules before the help round corners have no such byte.
    start.cornerHelp = false;
    if (start.rulesVersion >= kCornerHelpRules) {
        uint8_t help = 0;
        if (!in.U8(help) || help > 1) return false;
        start.cornerHelp = help == 1;
    }
    if (start.kind == StartKind::LoadedPair &&
        (!in.Text(start.saveName) || !in.Bytes(start.package) || !in.Bytes(start.position)))
        return false;
    if (!in.Bytes(start.snapshot) || !in.U32(start.checksum)) return false;
    if (in.AtEnd()) return true;
    if (!in.Text(start.campaign)) return false;
    // The built-in campaign's empty name comes only before the difficulty.
    if (in.AtEnd()) return !start.campaign.empty();
    uint8_t easy = 0;
    if (!in.U8(easy) || easy > 1) return false;
    if (easy == 1) start.difficulty = game::Difficulty::kEasy;
    // A normal game's byte comes only before the statistics.
    if (in.AtEnd()) return easy == 1;
    std::string statistics;
    if (!in.Text(statistics)) return false;
    start.statistics = game::ParseRunStatistics(statistics);
    return start.statistics && in.AtEnd();
}

bool DecodeEnd(const std::vector<uint8_t>& payload, EndState& end) {
    PayloadReader in(payload.data(), payload.size());
    uint8_t how = 0;
    if (!in.U8(how) || how > static_cast<uint8_t>(game::GameEnd::Loaded)) return false;
    end.how = static_cast<game::GameEnd>(how);
    return in.U32(end.frames) && in.U32(end.checksum) && in.AtEnd();
}

}  // namespace

uint32_t Crc32(const uint8_t* data, size_t size) {
    return static_cast<uint32_t>(crc32(crc32(0, nullptr, 0), data, static_cast<uInt>(size)));
}

void PayloadWriter::U16(uint16_t v) {
    U8(static_cast<uint8_t>(v)), U8(static_cast<uint8_t>(v >> 8));
}
void PayloadWriter::U32(uint32_t v) {
    U16(static_cast<uint16_t>(v)), U16(static_cast<uint16_t>(v >> 16));
}
void PayloadWriter::U64(uint64_t v) {
    U32(static_cast<uint32_t>(v)), U32(static_cast<uint32_t>(v >> 32));
}
void PayloadWriter::F32(float v) {
    uint32_t raw;
    std::memcpy(&raw, &v, sizeof raw);
    U32(raw);
}
void PayloadWriter::Varint(uint64_t v) {
    while (v >= 0x80) {
        U8(static_cast<uint8_t>(v | 0x80));
        v >>= 7;
    }
    U8(static_cast<uint8_t>(v));
}
void PayloadWriter::Bytes(const std::vector<uint8_t>& bytes) {
    U32(static_cast<uint32_t>(bytes.size()));
    out_.insert(out_.end(), bytes.begin(), bytes.end());
}
void PayloadWriter::Text(const std::string& text) {
    Varint(text.size());
    out_.insert(out_.end(), text.begin(), text.end());
}

bool PayloadReader::Take(size_t n) {
    if (!ok_ || size_ - at_ < n) ok_ = false;
    return ok_;
}
bool PayloadReader::U8(uint8_t& v) {
    if (!Take(1)) return false;
    v = data_[at_++];
    return true;
}
bool PayloadReader::U16(uint16_t& v) {
    if (!Take(2)) return false;
    v = static_cast<uint16_t>(data_[at_] | (data_[at_ + 1] << 8));
    at_ += 2;
    return true;
}
bool PayloadReader::U32(uint32_t& v) {
    if (!Take(4)) return false;
    v = ReadU32(data_ + at_);
    at_ += 4;
    return true;
}
bool PayloadReader::U64(uint64_t& v) {
    uint32_t low = 0, high = 0;
    if (!U32(low) || !U32(high)) return false;
    v = low | (static_cast<uint64_t>(high) << 32);
    return true;
}
bool PayloadReader::F32(float& v) {
    uint32_t raw = 0;
    if (!U32(raw)) return false;
    std::memcpy(&v, &raw, sizeof v);
    return true;
}
bool PayloadReader::Varint(uint64_t& v) {
    v = 0;
    for (int shift = 0; shift < 64; shift += 7) {
        uint8_t b = 0;
        if (!U8(b)) return false;
        v |= static_cast<uint64_t>(b & 0x7F) << shift;
        if (!(b & 0x80)) return true;
    }
    ok_ = false;
    return false;
}
bool PayloadReader::Bytes(std::vector<uint8_t>& bytes) {
    uint32_t n = 0;
    if (!U32(n) || !Take(n)) return false;
    bytes.assign(data_ + at_, data_ + at_ + n);
    at_ += n;
    return true;
}
bool PayloadReader::Text(std::string& text) {
    uint64_t n = 0;
    if (!Varint(n) || n > size_ || !Take(static_cast<size_t>(n))) return false;
    text.assign(reinterpret_cast<const char*>(data_ + at_), static_cast<size_t>(n));
    at_ += static_cast<size_t>(n);
    return true;
}

std::vector<uint8_t> EncodeHeader() {
    std::vector<uint8_t> out(kMagic, kMagic + sizeof kMagic);
    PayloadWriter w(out);
    w.U16(kFormatVersion);
    w.U16(0);
    w.U32(Crc32(out.data(), out.size()));
    return out;
}

std::vector<uint8_t> EncodeBlock(BlockType type, const std::vector<uint8_t>& payload) {
    std::vector<uint8_t> out;
    out.reserve(payload.size() + 9);
    PayloadWriter w(out);
    w.U8(static_cast<uint8_t>(type));
    w.U32(static_cast<uint32_t>(payload.size()));
    out.insert(out.end(), payload.begin(), payload.end());
    w.U32(Crc32(out.data(), out.size()));
    return out;
}

std::vector<uint8_t> EncodeStart(const StartState& start) {
    std::vector<uint8_t> out;
    PayloadWriter w(out);
    w.U32(start.rulesVersion);
    w.U32(start.campaignCrc);
    w.U8(static_cast<uint8_t>(start.kind));
    w.U64(start.seed);
    if (start.rulesVersion >= kCornerHelpRules) w.U8(start.cornerHelp ? 1 : 0);
    if (start.kind == StartKind::LoadedPair) {
        w.Text(start.saveName);
        w.Bytes(start.package);
        w.Bytes(start.position);
    }
    w.Bytes(start.snapshot);
    w.U32(start.checksum);
    const bool easy = start.difficulty == game::Difficulty::kEasy;
    const bool statistics = start.statistics.has_value();
    if (!start.campaign.empty() || easy || statistics) w.Text(start.campaign);
    if (easy || statistics) w.U8(easy ? 1 : 0);
    if (statistics) w.Text(game::FormatRunStatistics(*start.statistics));
    return out;
}

std::vector<uint8_t> EncodeEnd(const EndState& end) {
    std::vector<uint8_t> out;
    PayloadWriter w(out);
    w.U8(static_cast<uint8_t>(end.how));
    w.U32(end.frames);
    w.U32(end.checksum);
    return out;
}

Recording ParseRecording(const std::vector<uint8_t>& file) {
    Recording r;
    if (file.size() < kHeaderSize || std::memcmp(file.data(), kMagic, sizeof kMagic) != 0 ||
        ReadU32(file.data() + 12) != Crc32(file.data(), 12))
        return r;  // Foreign
    const uint16_t version = static_cast<uint16_t>(file[8] | (file[9] << 8));
    r.formatVersion = version;
    if (version != kFormatVersion) {
        r.status =
            version > kFormatVersion ? Recording::Status::NewerFormat : Recording::Status::Foreign;
        return r;
    }

    size_t at = kHeaderSize;
    bool started = false;
    std::vector<uint8_t> payload;
    for (;;) {
        r.stoppedAt = at;
        const size_t left = file.size() - at;
        if (left == 0) {
            r.status = started ? Recording::Status::Incomplete : Recording::Status::Foreign;
            return r;
        }
        if (left < 9) break;  // a block cut short
        const uint8_t type = file[at];
        const uint32_t length = ReadU32(&file[at + 1]);
        if (length > kLargestBlock) {
            r.status = started ? Recording::Status::Damaged : Recording::Status::Foreign;
            return r;
        }
        if (left - 9 < length) break;
        const uint32_t crc = ReadU32(&file[at + 5 + length]);
        if (crc != Crc32(&file[at], 5 + length)) {
            r.status = started ? Recording::Status::Damaged : Recording::Status::Foreign;
            return r;
        }
        payload.assign(file.begin() + at + 5, file.begin() + at + 5 + length);
        at += 9 + length;

        if (!started) {
            if (type != static_cast<uint8_t>(BlockType::kStart) || !DecodeStart(payload, r.start))
                return r;  // Foreign
            started = true;
        } else if (type == static_cast<uint8_t>(BlockType::kEvents)) {
            r.events.insert(r.events.end(), payload.begin(), payload.end());
        } else if (type == static_cast<uint8_t>(BlockType::kEnd)) {
            EndState end;
            if (!DecodeEnd(payload, end)) {
                r.status = Recording::Status::Damaged;
                return r;
            }
            r.end = end;
            r.stoppedAt = at;
            // Anything after the end block does not belong to the recording.
            r.status = Recording::Status::Complete;
            return r;
        } else {
            r.status = Recording::Status::Damaged;
            return r;
        }
    }
    // The file ends inside a block: cut short, as a crash leaves it.
    r.status = started ? Recording::Status::Incomplete : Recording::Status::Foreign;
    return r;
}

}  // namespace replay
