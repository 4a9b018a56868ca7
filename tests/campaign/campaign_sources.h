// Small campaigns for tests, written as level sources (the format of
// campaign/README.md) into a folder and compiled by the level tool.
#pragma once

#include <filesystem>
#include <string>

#include "game/levels/package_record.h"

namespace campaign_testing {

class CampaignSources {
  public:
    // Writes the legend the levels share: '#' wall, '.' and the digits
    // floor, '%' a destructible wall of strength 3, '&' one of strength 6,
    // 'D' a closed door (solid wall), '~' water (solid wall), '^' a trap;
    // monster 'r' (kind 0, damage 1, 3 hit points); items '$' gold, 'f'
    // speed, 'k' a skull that is never taken.
    explicit CampaignSources(std::filesystem::path folder);

    // Level n: its 25 map rows (one string, rows separated by new lines),
    // its own legend lines and the top rows of its [things] layer.
    void Level(int n, const std::string& map, const std::string& legend = "",
               const std::string& things = "");

    // A walled room of floor, for the levels a test does not care about.
    static std::string Room();

    // Levels 0 to count - 1; those not written are rooms.
    game::PackageRecord Compile(int count);

  private:
    std::filesystem::path folder_;
};

}  // namespace campaign_testing
