#include "game/records/records_file.h"

#include <charconv>
#include <filesystem>
#include <vector>

#include "game/core/run_statistics_text.h"
#include "game/platform/durable_file.h"
#include "game/platform/file_io.h"

namespace game {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kTitle = "karvelun records 1";

std::string EscapeField(const std::string& field) {
    if (field.empty()) return "-";
    if (field == "-") return "%2D";
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : field) {
        if (c <= 0x20 || c == 0x7F || c == '%') {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 15];
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

int FieldHexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

bool UnescapeField(std::string_view field, std::string& out) {
    out.clear();
    if (field == "-") return true;
    if (field.empty()) return false;
    for (size_t k = 0; k < field.size(); ++k) {
        if (field[k] != '%') {
            out += field[k];
            continue;
        }
        if (k + 2 >= field.size()) return false;
        const int high = FieldHexDigit(field[k + 1]), low = FieldHexDigit(field[k + 2]);
        if (high < 0 || low < 0) return false;
        out += static_cast<char>(high << 4 | low);
        k += 2;
    }
    return true;
}

std::string RunNumberText(uint64_t run) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string text;
    for (int shift = 60; shift >= 0; shift -= 4)
        text += kHex[(run >> shift) & 15];
    return text;
}

bool ReadRunNumber(std::string_view text, uint64_t& run) {
    if (text.size() != 16) return false;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), run, 16);
    return error == std::errc() && end == text.data() + text.size();
}

template <typename Number>
bool ReadFieldNumber(std::string_view text, Number& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && !text.empty();
}

bool IsRecordingStamp(std::string_view stamp) {
    if (stamp.empty() || stamp.size() > 40) return false;
    for (char c : stamp)
        if (!(c >= '0' && c <= '9') && c != '-') return false;
    return true;
}

std::string RecordingsField(const std::vector<std::string>& recordings) {
    if (recordings.empty()) return "-";
    std::string text;
    for (const std::string& stamp : recordings)
        text += (text.empty() ? "" : ",") + stamp;
    return text;
}

bool ReadRecordingsField(std::string_view text, std::vector<std::string>& recordings) {
    recordings.clear();
    if (text == "-") return true;
    size_t at = 0;
    for (;;) {
        const size_t comma = text.find(',', at);
        const std::string_view stamp = text.substr(at, comma - at);
        if (!IsRecordingStamp(stamp)) return false;
        recordings.emplace_back(stamp);
        if (comma == std::string_view::npos) return true;
        at = comma + 1;
    }
}

bool IsAchievementId(std::string_view id) {
    if (id.empty() || id.size() > 64) return false;
    for (char c : id)
        if (!(c >= 'a' && c <= 'z') && !(c >= '0' && c <= '9') && c != '-') return false;
    return true;
}

std::vector<std::string_view> SplitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    size_t at = 0;
    for (;;) {
        const size_t blank = line.find(' ', at);
        fields.push_back(line.substr(at, blank - at));
        if (blank == std::string_view::npos) return fields;
        at = blank + 1;
    }
}

bool ReadBestLine(const std::vector<std::string_view>& f, PlayerRecords& records) {
    if (f.size() != 11) return false;
    BestKey key;
    BestRecord record;
    if (!UnescapeField(f[1], key.campaign) || !UnescapeField(f[2], key.campaignHash)) return false;
    if (f[3] != "n" && f[3] != "e") return false;
    key.difficulty = f[3] == "e" ? Difficulty::kEasy : Difficulty::kNormal;
    if (!ReadFieldNumber(f[4], key.scope) || key.scope < 0 || key.scope > kWholeCave) return false;
    if (f[5] != "fastest" && f[5] != "deaths") return false;
    if (!ReadFieldNumber(f[6], record.value) || !ReadFieldNumber(f[7], record.frames) ||
        !ReadRunNumber(f[8], record.run) || !ReadFieldNumber(f[9], record.when) ||
        !ReadRecordingsField(f[10], record.recordings))
        return false;
    Bests& bests = records.bests[key];
    (f[5] == "fastest" ? bests.fastest : bests.fewestDeaths) = std::move(record);
    return true;
}

bool ReadAchievementLine(const std::vector<std::string_view>& f, PlayerRecords& records) {
    EarnedAchievement a;
    if (f.size() != 5 || !IsAchievementId(f[1]) || !ReadFieldNumber(f[2], a.when) ||
        !ReadRunNumber(f[3], a.run) || !ReadRecordingsField(f[4], a.recordings))
        return false;
    a.id = std::string(f[1]);
    // Earned once: a second line of the same one is damage.
    if (records.Earned(a.id)) return false;
    records.achievements.push_back(std::move(a));
    return true;
}

bool ReadLedgerLine(std::string_view rest, PlayerRecords& records) {
    const std::optional<RunStatistics> run = ParseRunStatistics(rest);
    if (!run || run->run == 0) return false;
    records.ledger.emplace_back(run->run, run->attempts);
    return true;
}

}  // namespace

std::string FormatPlayerRecords(const PlayerRecords& records) {
    std::string text(kTitle);
    text += "\n";
    for (const auto& [folder, name] : records.campaignNames)
        text += "campaign " + EscapeField(folder) + " " + EscapeField(name) + "\n";
    for (const auto& [key, bests] : records.bests) {
        const auto line = [&, &key = key](const char* kind, const BestRecord& r) {
            text += "best " + EscapeField(key.campaign) + " " + EscapeField(key.campaignHash) +
                    " " + (key.difficulty == Difficulty::kEasy ? "e" : "n") + " " +
                    std::to_string(key.scope) + " " + kind + " " + std::to_string(r.value) + " " +
                    std::to_string(r.frames) + " " + RunNumberText(r.run) + " " +
                    std::to_string(r.when) + " " + RecordingsField(r.recordings) + "\n";
        };
        if (bests.fastest) line("fastest", *bests.fastest);
        if (bests.fewestDeaths) line("deaths", *bests.fewestDeaths);
    }
    for (const EarnedAchievement& a : records.achievements)
        text += "achievement " + a.id + " " + std::to_string(a.when) + " " + RunNumberText(a.run) +
                " " + RecordingsField(a.recordings) + "\n";
    for (const auto& [run, attempts] : records.ledger) {
        RunStatistics tries;
        tries.run = run;
        tries.attempts = attempts;
        text += "run " + FormatRunStatistics(tries) + "\n";
    }
    return text;
}

std::optional<PlayerRecords> ParsePlayerRecords(std::string_view text) {
    if (text.size() > kLargestRecordsFile) return std::nullopt;
    PlayerRecords records;
    size_t at = 0;
    bool titled = false;
    while (at < text.size()) {
        const size_t newline = text.find('\n', at);
        // Every line, the last too, ends in a line feed: a file cut short
        // does not read.
        if (newline == std::string_view::npos) return std::nullopt;
        const std::string_view line = text.substr(at, newline - at);
        at = newline + 1;
        if (!titled) {
            if (line != kTitle) return std::nullopt;
            titled = true;
            continue;
        }
        const std::vector<std::string_view> f = SplitFields(line);
        bool read = true;
        if (f[0] == "campaign") {
            std::string folder, name;
            read = f.size() == 3 && UnescapeField(f[1], folder) && UnescapeField(f[2], name) &&
                   !folder.empty();
            if (read) records.campaignNames[folder] = name;
        } else if (f[0] == "best") {
            read = ReadBestLine(f, records);
        } else if (f[0] == "achievement") {
            read = ReadAchievementLine(f, records);
        } else if (f[0] == "run") {
            read = line.size() > 4 && ReadLedgerLine(line.substr(4), records);
        } else if (f[0].empty()) {
            read = false;
        }
        // Other kinds of line belong to later versions.
        if (!read) return std::nullopt;
    }
    if (!titled) return std::nullopt;
    return records;
}

RecordsFileRead ReadRecordsFile(const std::string& path) {
    RecordsFileRead result;
    std::error_code ec;
    if (!fs::exists(fs::symlink_status(path, ec))) return result;  // kMissing
    std::vector<uint8_t> bytes;
    if (ReadWholeFile(path, bytes, kLargestRecordsFile)) {
        const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        if (std::optional<PlayerRecords> records = ParsePlayerRecords(text)) {
            result.state = RecordsFileRead::State::kRead;
            result.records = std::move(*records);
            return result;
        }
        result.why = "it is damaged";
    } else {
        result.why = "it cannot be read";
    }
    // Set aside under the first free name, for whoever wants to look.
    for (int n = 0; n < 1000; ++n) {
        const std::string aside = path + ".damaged" + (n ? "-" + std::to_string(n) : "");
        if (fs::exists(fs::symlink_status(aside, ec))) continue;
        std::string why;
        if (RenameFile(path, aside, &why)) {
            result.state = RecordsFileRead::State::kSetAside;
            result.setAsideAs = aside;
            return result;
        }
        result.why += "; it cannot be set aside (" + why + ")";
        break;
    }
    result.state = RecordsFileRead::State::kStuck;
    return result;
}

bool WriteRecordsFile(const std::string& path, const PlayerRecords& records, std::string* why) {
    const std::string text = FormatPlayerRecords(records);
    return ReplaceFile(path, std::vector<uint8_t>(text.begin(), text.end()), Durability::kFlushed,
                       why);
}

}  // namespace game
