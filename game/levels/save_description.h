// What the load dialog tells about a save besides its name: the level, when
// it was written, how long the game had been played, and a small picture of
// the play field.  Each save's description is written in the same commit as
// its pair (save_commit.h), into the folder "about" of the save folder.  Its
// file is named by the hexadecimal bytes of the save's name, so neither the
// folder nor its files ever look like a save to the save lists.  A save
// written before descriptions existed simply has none.
//
// The file: a title line, "key=value" lines (UTF-8; unknown keys are
// skipped, so later versions may add more), an empty line, then the
// thumbnail as a binary PPM picture.  The title ends with the format's
// version: a later format may mean anything by its lines, so a description
// of one is never read, and its save is refused, naming the version.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game/core/difficulty.h"
#include "game/core/run_statistics.h"
#include "game/platform/surface.h"

namespace game {

inline constexpr const char* kDescriptionsFolderName = "about";
// The format of the descriptions this game writes and reads.
inline constexpr uint32_t kDescriptionFormat = 1;
// The thumbnail is the play field at a quarter of its size.
inline constexpr int kThumbnailDivisor = 4;
inline constexpr int kThumbnailSize = 500 / kThumbnailDivisor;

struct SaveThumbnail {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;  // 0xFFRRGGBB, row after row

    bool operator==(const SaveThumbnail&) const = default;
};

struct SaveDescription {
    int32_t level = 0;
    std::string levelName;  // as the game names the level, in Czech
    int64_t writtenAt = 0;  // seconds since 1970-01-01 UTC
    // Frames played while not paused, from the new game on; nothing when
    // the game was loaded from a save that did not know it.
    std::optional<uint64_t> playFrames;
    // Autosaves count up, so the newest is the highest; 0 for other saves.
    uint64_t autosaveNumber = 0;
    // The campaign pack the game is of: its folder name, its name and the
    // hash of its levels.all (campaign_packs.h).  All empty for the built-in
    // campaign, as in every save written before packs existed.
    std::string campaign;
    std::string campaignName;
    std::string campaignHash;
    // The game's difficulty: "difficulty=easy" for an easy game, no line
    // for a normal one (every save written before the easy game was).
    Difficulty difficulty = Difficulty::kNormal;
    // The run's statistics as they stood (run_statistics_text.h); nothing in
    // a save written before there were any, or when the line does not read
    // (the save loads as one without them).
    std::optional<RunStatistics> statistics;
    SaveThumbnail thumbnail;

    bool operator==(const SaveDescription&) const = default;
};

std::vector<uint8_t> FormatSaveDescription(const SaveDescription& description);
// Nothing for anything that is not a whole description.
std::optional<SaveDescription> ParseSaveDescription(const std::vector<uint8_t>& bytes);
// The format version a description's title names; nothing when the bytes
// do not begin as a description does.
std::optional<uint32_t> DescriptionFormatOf(const std::vector<uint8_t>& bytes);

// <save folder>/about, and a description's place in the save folder:
// "about/<hex of the name>.desc".
std::string DescriptionsFolder();
std::string DescriptionFileName(const std::string& saveName);
// Where a description is written before the commit puts it into place.
inline constexpr const char* kUnfinishedDescriptionName = "unfinished-save.about";
std::string UnfinishedDescriptionPath();

// Writes the description whole under UnfinishedDescriptionPath(); false,
// with the reason in *why, when it cannot.
bool WriteUnfinishedDescription(const SaveDescription& description, std::string* why);

// The description of the save <saveName>, nothing when it has none or it
// does not read.  Read once the save folder is free of a save being written
// in the background (save_folder_writer.h).
std::optional<SaveDescription> ReadSaveDescription(const std::string& saveName);
// The same in a save folder named outright, with no waiting.
std::optional<SaveDescription> ReadSaveDescriptionIn(const std::string& savesFolder,
                                                     const std::string& saveName);
// The version of the save's description when it is of a later format than
// kDescriptionFormat; nothing otherwise.
std::optional<uint32_t> NewerDescriptionFormat(const std::string& saveName);

// The play field (500 x 500) averaged down to a quarter of its size.
SaveThumbnail QuarterThumbnail(const platform::PixelSurface& field);

// The description of the game under way: the level and its name, the
// current time, the play time, the campaign, the difficulty and a thumbnail
// of the field as it stands.
SaveDescription DescribeCurrentGame();

}  // namespace game
