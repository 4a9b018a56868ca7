#include "game/levels/save_description.h"

#include <charconv>
#include <chrono>
#include <string_view>

#include "game/core/drawing.h"
#include "game/core/game_state.h"
#include "game/core/level_names.h"
#include "game/core/play_time.h"
#include "game/core/run_statistics_text.h"
#include "game/levels/current_campaign.h"
#include "game/levels/save_commit.h"
#include "game/levels/save_folder.h"
#include "game/levels/save_folder_writer.h"
#include "game/platform/durable_file.h"
#include "game/platform/file_io.h"

namespace game {
namespace {

// The title line, which ends with the format's version.
constexpr std::string_view kTitleStart = "karvelun save description ";
constexpr std::string_view kTitle = "karvelun save description 1\n";
static_assert(kTitle.size() == kTitleStart.size() + 2 && kDescriptionFormat == 1);
// A description is a few lines and a 125 x 125 picture; anything far
// larger is not one.
constexpr size_t kLargestDescription = 256 * 1024;
constexpr int kLargestThumbnailSide = 512;

template <typename Number>
bool ParseNumber(std::string_view text, Number& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

// The next line of text from `at`, without its line break; false at the end.
bool NextLine(std::string_view text, size_t& at, std::string_view& line) {
    const size_t newline = text.find('\n', at);
    if (newline == std::string_view::npos) return false;
    line = text.substr(at, newline - at);
    at = newline + 1;
    return true;
}

bool UsableText(std::string_view text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) < 0x20) return false;
    return true;
}

bool ParseThumbnail(std::string_view picture, SaveThumbnail& thumbnail) {
    // "P6 <width> <height> 255\n" then the pixels, three bytes each.
    size_t at = 0;
    std::string_view header;
    if (!NextLine(picture, at, header) || header.substr(0, 3) != "P6 ") return false;
    header.remove_prefix(3);
    const size_t space = header.find(' ');
    const size_t lastSpace = header.rfind(' ');
    if (space == std::string_view::npos || lastSpace == space) return false;
    int width = 0, height = 0;
    if (!ParseNumber(header.substr(0, space), width) ||
        !ParseNumber(header.substr(space + 1, lastSpace - space - 1), height) ||
        header.substr(lastSpace + 1) != "255")
        return false;
    if (width <= 0 || height <= 0 || width > kLargestThumbnailSide ||
        height > kLargestThumbnailSide)
        return false;
    const size_t count = static_cast<size_t>(width) * static_cast<size_t>(height);
    if (picture.size() - at != count * 3) return false;
    thumbnail.width = width;
    thumbnail.height = height;
    thumbnail.pixels.resize(count);
    for (size_t i = 0; i < count; ++i, at += 3) {
        const auto byte = [&](size_t k) {
            return static_cast<uint32_t>(static_cast<uint8_t>(picture[at + k]));
        };
        thumbnail.pixels[i] = 0xFF000000u | byte(0) << 16 | byte(1) << 8 | byte(2);
    }
    return true;
}

std::string Hex(const std::string& bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(bytes.size() * 2);
    for (unsigned char c : bytes) {
        hex += kDigits[c >> 4];
        hex += kDigits[c & 15];
    }
    return hex;
}

// A value on one line, whatever it was given: control characters become
// blanks.
std::string OneLine(std::string text) {
    for (char& c : text)
        if (static_cast<unsigned char>(c) < 0x20) c = ' ';
    return text;
}

}  // namespace

std::vector<uint8_t> FormatSaveDescription(const SaveDescription& d) {
    std::string text(kTitle);
    text += "level=" + std::to_string(d.level) + "\n";
    text += "name=" + d.levelName + "\n";
    text += "written=" + std::to_string(d.writtenAt) + "\n";
    text += "played=" + (d.playFrames ? std::to_string(*d.playFrames) : std::string("?")) + "\n";
    if (d.autosaveNumber) text += "autosave=" + std::to_string(d.autosaveNumber) + "\n";
    // Each campaign line on its own, so that whatever was read writes back.
    if (!d.campaign.empty()) text += "campaign=" + OneLine(d.campaign) + "\n";
    if (!d.campaignName.empty()) text += "campaignname=" + OneLine(d.campaignName) + "\n";
    if (!d.campaignHash.empty()) text += "campaignhash=" + OneLine(d.campaignHash) + "\n";
    if (d.difficulty == Difficulty::kEasy) text += "difficulty=easy\n";
    if (d.statistics) text += "statistics=" + FormatRunStatistics(*d.statistics) + "\n";
    text += "\n";
    const SaveThumbnail& t = d.thumbnail;
    text += "P6 " + std::to_string(t.width) + " " + std::to_string(t.height) + " 255\n";
    std::vector<uint8_t> bytes(text.begin(), text.end());
    bytes.reserve(bytes.size() + t.pixels.size() * 3);
    for (uint32_t pixel : t.pixels) {
        bytes.push_back(static_cast<uint8_t>(pixel >> 16));
        bytes.push_back(static_cast<uint8_t>(pixel >> 8));
        bytes.push_back(static_cast<uint8_t>(pixel));
    }
    return bytes;
}

std::optional<SaveDescription> ParseSaveDescription(const std::vector<uint8_t>& bytes) {
    if (bytes.size() > kLargestDescription) return std::nullopt;
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (text.substr(0, kTitle.size()) != kTitle) return std::nullopt;
    size_t at = kTitle.size();
    SaveDescription d;
    bool hasLevel = false, hasWritten = false;
    std::string_view line;
    while (true) {
        if (!NextLine(text, at, line)) return std::nullopt;
        if (line.empty()) break;
        const size_t equals = line.find('=');
        if (equals == std::string_view::npos) return std::nullopt;
        const std::string_view key = line.substr(0, equals);
        const std::string_view value = line.substr(equals + 1);
        if (!UsableText(value)) return std::nullopt;
        if (key == "level") {
            if (!ParseNumber(value, d.level) || d.level < 0) return std::nullopt;
            hasLevel = true;
        } else if (key == "name") {
            d.levelName = std::string(value);
        } else if (key == "written") {
            if (!ParseNumber(value, d.writtenAt)) return std::nullopt;
            hasWritten = true;
        } else if (key == "played") {
            uint64_t frames = 0;
            if (value == "?")
                d.playFrames.reset();
            else if (ParseNumber(value, frames))
                d.playFrames = frames;
            else
                return std::nullopt;
        } else if (key == "autosave") {
            if (!ParseNumber(value, d.autosaveNumber)) return std::nullopt;
        } else if (key == "campaign") {
            d.campaign = std::string(value);
        } else if (key == "campaignname") {
            d.campaignName = std::string(value);
        } else if (key == "campaignhash") {
            d.campaignHash = std::string(value);
        } else if (key == "difficulty") {
            // A difficulty of a later version is none of these: normal.
            d.difficulty = value == "easy" ? Difficulty::kEasy : Difficulty::kNormal;
        } else if (key == "statistics") {
            d.statistics = ParseRunStatistics(value);
        }
        // Other keys belong to later versions of the game.
    }
    if (!hasLevel || !hasWritten) return std::nullopt;
    if (!ParseThumbnail(text.substr(at), d.thumbnail)) return std::nullopt;
    return d;
}

std::optional<uint32_t> DescriptionFormatOf(const std::vector<uint8_t>& bytes) {
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (text.substr(0, kTitleStart.size()) != kTitleStart) return std::nullopt;
    const size_t newline = text.find('\n', kTitleStart.size());
    if (newline == std::string_view::npos) return std::nullopt;
    uint32_t version = 0;
    if (!ParseNumber(text.substr(kTitleStart.size(), newline - kTitleStart.size()), version))
        return std::nullopt;
    return version;
}

std::string DescriptionsFolder() {
    return SavePath(kDescriptionsFolderName);
}

std::string DescriptionFileName(const std::string& saveName) {
    return std::string(kDescriptionsFolderName) + "/" + Hex(saveName) + ".desc";
}

std::string UnfinishedDescriptionPath() {
    return SavePath(kUnfinishedDescriptionName);
}

bool WriteUnfinishedDescription(const SaveDescription& description, std::string* why) {
    if (!MakeSavesFolder()) {
        if (why) *why = "no save folder " + SavesFolder();
        return false;
    }
    // The halves of a save cut short are that save's until it is settled.
    if (!SettlePendingCommit(why)) return false;
    return WriteNewFile(UnfinishedDescriptionPath(), FormatSaveDescription(description),
                        Durability::kFlushed, why);
}

std::optional<SaveDescription> ReadSaveDescription(const std::string& saveName) {
    WaitForSaveFolder();
    return ReadSaveDescriptionIn(SavesFolder(), saveName);
}

std::optional<SaveDescription> ReadSaveDescriptionIn(const std::string& savesFolder,
                                                     const std::string& saveName) {
    if (saveName.empty() || savesFolder.empty()) return std::nullopt;
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(PathInFolder(savesFolder, DescriptionFileName(saveName)), bytes,
                       kLargestDescription))
        return std::nullopt;
    return ParseSaveDescription(bytes);
}

std::optional<uint32_t> NewerDescriptionFormat(const std::string& saveName) {
    WaitForSaveFolder();
    if (saveName.empty() || SavesFolder().empty()) return std::nullopt;
    // A later format may be larger than any description of this one.
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(SavePath(DescriptionFileName(saveName)), bytes)) return std::nullopt;
    const std::optional<uint32_t> version = DescriptionFormatOf(bytes);
    if (!version || *version <= kDescriptionFormat) return std::nullopt;
    return version;
}

SaveThumbnail QuarterThumbnail(const platform::PixelSurface& field) {
    SaveThumbnail t;
    t.width = field.width / kThumbnailDivisor;
    t.height = field.height / kThumbnailDivisor;
    t.pixels.resize(static_cast<size_t>(t.width) * t.height);
    constexpr uint32_t kCount = kThumbnailDivisor * kThumbnailDivisor;
    for (int y = 0; y < t.height; ++y) {
        for (int x = 0; x < t.width; ++x) {
            uint32_t r = 0, g = 0, b = 0;
            for (int dy = 0; dy < kThumbnailDivisor; ++dy) {
                const uint32_t* row =
                    &field.pixels[static_cast<size_t>(y * kThumbnailDivisor + dy) * field.width +
                                  static_cast<size_t>(x * kThumbnailDivisor)];
                for (int dx = 0; dx < kThumbnailDivisor; ++dx) {
                    r += row[dx] >> 16 & 0xFF;
                    g += row[dx] >> 8 & 0xFF;
                    b += row[dx] & 0xFF;
                }
            }
            // Rounded to the nearest value.
            t.pixels[static_cast<size_t>(y) * t.width + x] =
                0xFF000000u | (r + kCount / 2) / kCount << 16 | (g + kCount / 2) / kCount << 8 |
                (b + kCount / 2) / kCount;
        }
    }
    return t;
}

SaveDescription DescribeCurrentGame() {
    SaveDescription d;
    d.level = LevelNumber;
    d.levelName = LevelName(LevelNumber);
    d.writtenAt = std::chrono::duration_cast<std::chrono::seconds>(
                      std::chrono::system_clock::now().time_since_epoch())
                      .count();
    d.playFrames = PlayFrames();
    const PlayedCampaign& campaign = CurrentCampaign();
    d.campaign = campaign.folderName;
    d.campaignName = campaign.name;
    d.campaignHash = campaign.hash;
    d.difficulty = GameDifficulty;
    d.statistics = CurrentRunStatistics();
    // Drawn afresh: the field the player last saw may be of the level he
    // has just left.
    platform::PixelSurface field(kThumbnailSize * kThumbnailDivisor,
                                 kThumbnailSize * kThumbnailDivisor);
    ComposeFrame(field);
    d.thumbnail = QuarterThumbnail(field);
    return d;
}

}  // namespace game
