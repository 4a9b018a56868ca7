#include "game/core/run_statistics_text.h"

#include <charconv>
#include <vector>

#include "game/core/acts.h"

namespace game {
namespace {

constexpr uint64_t kLargestFrames = uint64_t{1} << 40;
constexpr int32_t kLargestLevelNumber = 1 << 20;
constexpr size_t kLargestStampLength = 40;

template <typename Number>
bool ReadStatisticsNumber(std::string_view text, Number& value, Number low, Number high) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && low <= value &&
           value <= high;
}

bool ReadFramesCount(std::string_view text, uint64_t& value) {
    return ReadStatisticsNumber<uint64_t>(text, value, 0, kLargestFrames);
}

bool ReadCount32(std::string_view text, uint32_t& value) {
    return ReadStatisticsNumber<uint32_t>(text, value, 0, 1u << 31);
}

bool ReadLevelNumber(std::string_view text, int32_t& value) {
    return ReadStatisticsNumber<int32_t>(text, value, 0, kLargestLevelNumber);
}

std::vector<std::string_view> SplitBy(std::string_view text, char by) {
    std::vector<std::string_view> parts;
    size_t at = 0;
    for (;;) {
        const size_t next = text.find(by, at);
        parts.push_back(text.substr(at, next - at));
        if (next == std::string_view::npos) return parts;
        at = next + 1;
    }
}

bool ReadColonPair(std::string_view text, std::string_view& first, std::string_view& second) {
    const size_t colon = text.find(':');
    if (colon == std::string_view::npos) return false;
    first = text.substr(0, colon);
    second = text.substr(colon + 1);
    return true;
}

bool ReadVisitWord(std::string_view text, LevelVisit& visit) {
    const std::vector<std::string_view> parts = SplitBy(text, ',');
    if (parts.size() < 5) return false;
    uint64_t gold = 0, lost = 0;
    if (!ReadLevelNumber(parts[0], visit.level) || !ReadFramesCount(parts[1], visit.frames) ||
        !ReadFramesCount(parts[2], gold) || !ReadCount32(parts[3], visit.potions) ||
        !ReadFramesCount(parts[4], lost))
        return false;
    visit.gold = static_cast<int64_t>(gold);
    visit.livesLost = static_cast<int64_t>(lost);
    for (size_t k = 5; k < parts.size(); ++k) {
        std::string_view picture, count;
        int16_t p = 0;
        uint32_t n = 0;
        if (!ReadColonPair(parts[k], picture, count) ||
            !ReadStatisticsNumber<int16_t>(picture, p, 0, 32767) || !ReadCount32(count, n))
            return false;
        visit.kills[p] = n;
    }
    return true;
}

bool ReadStampWord(std::string_view text) {
    if (text.empty() || text.size() > kLargestStampLength) return false;
    for (char c : text)
        if (!(c >= '0' && c <= '9') && c != '-') return false;
    return true;
}

bool ReadStatisticsWord(std::string_view key, std::string_view value, RunStatistics& s) {
    std::string_view first, second;
    if (key == "run") {
        if (value.size() != 16) return false;
        const auto [end, error] =
            std::from_chars(value.data(), value.data() + value.size(), s.run, 16);
        return error == std::errc() && end == value.data() + value.size();
    }
    if (key == "start") {
        if (value != "0" && value != "1") return false;
        s.fromStart = value == "1";
        return true;
    }
    if (key == "before") return ReadFramesCount(value, s.framesBefore);
    if (key == "v") {
        LevelVisit visit;
        if (!ReadVisitWord(value, visit)) return false;
        s.progress.visits.push_back(std::move(visit));
        return true;
    }
    if (key == "s") {
        SecretPlace place;
        return ReadColonPair(value, first, second) && ReadLevelNumber(first, place.level) &&
               ReadStatisticsNumber<int16_t>(second, place.tile, 0, 624) &&
               (s.progress.secrets.push_back(place), true);
    }
    if (key == "a") {
        const std::vector<std::string_view> parts = SplitBy(value, ',');
        ActDone done;
        return parts.size() == 4 &&
               ReadStatisticsNumber<int>(parts[0], done.act, 0, kActCount - 1) &&
               ReadFramesCount(parts[1], done.frames) && ReadCount32(parts[2], done.deaths) &&
               ReadCount32(parts[3], done.potions) && (s.progress.actsDone.push_back(done), true);
    }
    if (key == "end") {
        CaveEnd ending;
        const std::vector<std::string_view> parts = SplitBy(value, ',');
        if (parts.size() != 2 || !ReadFramesCount(parts[0], ending.frames) ||
            !ReadCount32(parts[1], ending.deaths))
            return false;
        s.progress.ending = ending;
        return true;
    }
    if (key == "d") {
        int32_t level = 0;
        uint32_t n = 0;
        if (!ReadColonPair(value, first, second) || !ReadLevelNumber(first, level) ||
            !ReadCount32(second, n))
            return false;
        s.attempts.deaths[level] = n;
        return true;
    }
    if (key == "reloads") return ReadCount32(value, s.attempts.reloads);
    if (key == "cheats") return ReadCount32(value, s.attempts.cheats);
    if (key == "rec") {
        if (!ReadStampWord(value)) return false;
        s.attempts.recordings.emplace_back(value);
        return true;
    }
    // A later version's word.
    return true;
}

}  // namespace

std::string FormatRunStatistics(const RunStatistics& s) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string text = "1 run=";
    for (int shift = 60; shift >= 0; shift -= 4)
        text += kHex[(s.run >> shift) & 15];
    if (!s.fromStart) text += " start=0";
    if (s.framesBefore) text += " before=" + std::to_string(s.framesBefore);
    for (const LevelVisit& v : s.progress.visits) {
        text += " v=" + std::to_string(v.level) + "," + std::to_string(v.frames) + "," +
                std::to_string(v.gold) + "," + std::to_string(v.potions) + "," +
                std::to_string(v.livesLost);
        for (const auto& [picture, count] : v.kills)
            text += "," + std::to_string(picture) + ":" + std::to_string(count);
    }
    for (const SecretPlace& p : s.progress.secrets)
        text += " s=" + std::to_string(p.level) + ":" + std::to_string(p.tile);
    for (const ActDone& a : s.progress.actsDone)
        text += " a=" + std::to_string(a.act) + "," + std::to_string(a.frames) + "," +
                std::to_string(a.deaths) + "," + std::to_string(a.potions);
    if (const auto& e = s.progress.ending)
        text += " end=" + std::to_string(e->frames) + "," + std::to_string(e->deaths);
    for (const auto& [level, count] : s.attempts.deaths)
        text += " d=" + std::to_string(level) + ":" + std::to_string(count);
    if (s.attempts.reloads) text += " reloads=" + std::to_string(s.attempts.reloads);
    if (s.attempts.cheats) text += " cheats=" + std::to_string(s.attempts.cheats);
    for (const std::string& stamp : s.attempts.recordings)
        text += " rec=" + stamp;
    return text;
}

std::optional<RunStatistics> ParseRunStatistics(std::string_view text) {
    if (text.size() > kLargestStatisticsText) return std::nullopt;
    const std::vector<std::string_view> words = SplitBy(text, ' ');
    if (words.empty() || words[0] != "1") return std::nullopt;
    RunStatistics s;
    for (size_t k = 1; k < words.size(); ++k) {
        const size_t equals = words[k].find('=');
        if (equals == std::string_view::npos || equals == 0) return std::nullopt;
        if (!ReadStatisticsWord(words[k].substr(0, equals), words[k].substr(equals + 1), s))
            return std::nullopt;
    }
    return s;
}

}  // namespace game
