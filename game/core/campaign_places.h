// The places of the campaign the rules know by number: the tile a new game
// begins on, and the last level's hall, whose gate every kill there shakes
// open, whose door shuts behind the hero as he steps in, and whose far tile
// ends the game.
#pragma once

#include <cstdint>
#include <string>

namespace game {

// A new game begins on level 0, on this tile.
inline constexpr int16_t kNewGameTile = 591;

inline constexpr int32_t kLastLevel = 80;
inline constexpr int16_t kHallGateTile = 136;
inline constexpr int16_t kHallDoorTile = 111;
// Stepping on it shuts the hall's door.
inline constexpr int16_t kDoorClosingTile = 61;
// Reaching it ends the game.
inline constexpr int16_t kEndingTile = 11;

// The hidden passage of the built-in cave: S on this tile of this level
// leads to the other level.
inline constexpr int32_t kPassageLevel = 55;
inline constexpr int32_t kPassageTile = 79;
inline constexpr int32_t kPassageTargetLevel = 81;
inline constexpr int32_t kPassageTargetTile = 587;

// The campaign being played: the built-in one, whose last level holds the
// hall above, or a campaign pack of the player's (game/levels/current_campaign.h
// chooses one), which ends where its campaign.ini says.
struct PlayedCampaign {
    std::string folderName;  // the pack's folder name; empty for the built-in
    std::string folder;      // the pack's folder
    std::string name;        // its Nazev
    int32_t endLevel = 0;    // its ending: the level and the tile
    int32_t endTile = 0;
    std::string hash;  // the hash of its levels.all as it was chosen

    bool BuiltIn() const { return folderName.empty(); }
};

inline PlayedCampaign& CurrentCampaignPlace() {
    static PlayedCampaign current;
    return current;
}
inline const PlayedCampaign& CurrentCampaign() {
    return CurrentCampaignPlace();
}
// The built-in campaign from now on (also at start).
inline void PlayBuiltInCampaign() {
    CurrentCampaignPlace() = PlayedCampaign{};
}
// Whether stepping on the tile of the level ends the current campaign.
inline bool IsCampaignEnding(int32_t level, int32_t tile) {
    const PlayedCampaign& c = CurrentCampaign();
    if (c.BuiltIn()) return level == kLastLevel && tile == kEndingTile;
    return level == c.endLevel && tile == c.endTile;
}

}  // namespace game
