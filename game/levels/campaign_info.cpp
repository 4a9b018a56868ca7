#include "game/levels/campaign_info.h"

#include <charconv>

#include "game/core/campaign_places.h"
#include "game/platform/codepage.h"

namespace game {
namespace {

constexpr size_t kLargestCampaignInfo = 64 * 1024;
constexpr int32_t kLastTile = 624;

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

bool ParseWhole(std::string_view text, int32_t& value) {
    text = Trimmed(text);
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && error == std::errc() && end == text.data() + text.size();
}

bool ParseLanguages(std::string_view text, std::vector<std::string>& languages) {
    languages.clear();
    while (true) {
        const size_t comma = text.find(',');
        const std::string_view one = Trimmed(text.substr(0, comma));
        if (one != "cs" && one != "en") return false;
        for (const std::string& known : languages)
            if (known == one) return false;
        languages.emplace_back(one);
        if (comma == std::string_view::npos) return true;
        text.remove_prefix(comma + 1);
    }
}

bool ParseEnd(std::string_view text, int32_t& level, int32_t& tile) {
    const size_t comma = text.find(',');
    if (comma == std::string_view::npos) return false;
    return ParseWhole(text.substr(0, comma), level) && ParseWhole(text.substr(comma + 1), tile) &&
           level >= 0 && tile >= 0 && tile <= kLastTile;
}

// The length of the direction control that `text` begins with, 0 for none.
size_t DirectionControlLength(std::string_view text) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    if (text.size() >= 2 && byte(0) == 0xD8 && byte(1) == 0x9C) return 2;  // U+061C
    if (text.size() < 3 || byte(0) != 0xE2) return 0;
    const unsigned second = byte(1), third = byte(2);
    if (second == 0x80 && (third == 0x8E || third == 0x8F)) return 3;  // U+200E, U+200F
    if (second == 0x80 && third >= 0xAA && third <= 0xAE) return 3;    // U+202A..U+202E
    if (second == 0x81 && third >= 0xA6 && third <= 0xA9) return 3;    // U+2066..U+2069
    return 0;
}

// A value shown to the player: valid UTF-8 without control characters.
bool Printable(std::string_view value) {
    // Broken UTF-8 comes back as U+FFFD.
    for (char32_t c : platform::Utf8ToCodePoints(value))
        if (c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0xFFFD) return false;
    return true;
}

}  // namespace

std::optional<CampaignInfo> ParseCampaignInfo(std::string_view text, std::string* error) {
    const auto fail = [&](const std::string& why) -> std::optional<CampaignInfo> {
        if (error) *error = why;
        return std::nullopt;
    };
    if (text.size() > kLargestCampaignInfo) return fail("the file is larger than 64 kB");
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);  // a byte order mark
    CampaignInfo info;
    bool named = false, ended = false;
    int lineNumber = 0;
    while (!text.empty()) {
        const size_t newline = text.find('\n');
        const std::string_view raw = text.substr(0, newline);
        text.remove_prefix(newline == std::string_view::npos ? text.size() : newline + 1);
        ++lineNumber;
        const std::string at = "line " + std::to_string(lineNumber) + ": ";
        const std::string_view line = Trimmed(raw);
        if (line.empty() || line.front() == '#' || line.front() == ';') continue;
        const size_t equals = line.find('=');
        if (equals == std::string_view::npos) return fail(at + "no \"=\" in the line");
        const std::string_view key = Trimmed(line.substr(0, equals));
        const std::string shown = WithoutDirectionControls(Trimmed(line.substr(equals + 1)));
        const std::string_view value = Trimmed(shown);
        if (!Printable(value)) return fail(at + "the value is not UTF-8 text on one line");
        if (key == "Nazev") {
            if (value.empty()) return fail(at + "the name is empty");
            info.name = value;
            named = true;
        } else if (key == "Autor") {
            info.author = value;
        } else if (key == "Verze") {
            info.version = value;
        } else if (key == "Jazyk") {
            if (!ParseLanguages(value, info.languages))
                return fail(at + "Jazyk takes cs, en or cs,en");
        } else if (key == "Konec") {
            if (!ParseEnd(value, info.endLevel, info.endTile))
                return fail(at +
                            "Konec takes the level and the tile (0 to 624) where the game "
                            "ends, as N,T");
            if (info.endLevel == 0 && info.endTile == kNewGameTile)
                return fail(at + "Konec names tile " + std::to_string(kNewGameTile) +
                            " of level 0, where a new game begins: the game would end as "
                            "it starts");
            ended = true;
        } else if (key == "Popis") {
            info.description = value;
        } else if (key == "Format") {
            if (!ParseWhole(value, info.format) || info.format < 1)
                return fail(at + "Format takes the version of the pack's format, 1 or more");
            if (info.format > kCampaignFormat)
                return fail(at + "the pack is of format version " + std::to_string(info.format) +
                            ", this game reads packs up to version " +
                            std::to_string(kCampaignFormat));
        } else {
            return fail(at + "unknown key \"" + std::string(key) + "\"");
        }
    }
    if (!named) return fail("no Nazev= (the campaign's name)");
    if (!ended) return fail("no Konec= (the level and tile where the game ends)");
    return info;
}

std::string FormatCampaignInfo(const CampaignInfo& info) {
    std::string languages;
    for (const std::string& language : info.languages)
        languages += (languages.empty() ? "" : ",") + language;
    std::string text = "Nazev=" + info.name + "\n";
    text += "Autor=" + info.author + "\n";
    text += "Verze=" + info.version + "\n";
    text += "Jazyk=" + languages + "\n";
    text += "Konec=" + std::to_string(info.endLevel) + "," + std::to_string(info.endTile) + "\n";
    if (!info.description.empty()) text += "Popis=" + info.description + "\n";
    // No line means the first format, so a pack of it is written as it
    // always was; games before the line refuse any pack that has one.
    if (info.format != 1) text += "Format=" + std::to_string(info.format) + "\n";
    return text;
}

std::string WithoutDirectionControls(std::string_view text) {
    std::string kept;
    kept.reserve(text.size());
    while (!text.empty()) {
        if (const size_t control = DirectionControlLength(text)) {
            text.remove_prefix(control);
            continue;
        }
        kept.push_back(text.front());
        text.remove_prefix(1);
    }
    return kept;
}

}  // namespace game
