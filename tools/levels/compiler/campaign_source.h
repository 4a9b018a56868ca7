// The campaign's text sources and their compilation into a level package.
//
// A campaign folder holds legend.txt (the characters every level shares)
// and one file per level, level<N>.txt, numbered from 0 without gaps.  A
// level file has a [map] of 25 x 25 characters, an optional [things] layer
// of the same size with monsters and items, and an optional [legend] for
// characters of its own.  campaign/README.md describes the format for the
// people who write the levels.
#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>

#include "game/levels/package_record.h"

namespace levels_tool {

// A mistake in a source, as one line: "file:line: what is wrong".
class SourceError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A level that comes as a Tiled map, and its marks: the tiles that exits
// of other levels name as "@c".
struct MapLevel {
    game::LevelRecord level;
    std::map<char, int32_t> marks;
    // The English texts of its signs and message screens, by tile.
    std::map<int32_t, std::string> english;
};

// Reads a level<N>.tmx (or a level file, level<N>.sc) of the folder as
// level N; throws SourceError.
using MapLoader = std::function<MapLevel(const std::filesystem::path&, int32_t)>;

// Compiles the campaign folder into the levels of a package (without a
// header).  Levels may also come as Tiled maps, level<N>.tmx, and as level
// files, level<N>.sc, read by loadMap; without one they are a mistake.  A
// folder without legend.txt reads its levels with sharedLegend, the text of
// a legend file, when one is given.  Throws SourceError at the first
// mistake.
// The marks that the exits, teleports and mechanisms of a campaign use, by
// level: character and tile.
using CampaignMarks = std::map<int32_t, std::map<char, int32_t>>;
// The English texts the sources give beside the Czech ones (en "..."), by
// level and tile.  The package keeps the Czech texts only.
using EnglishTexts = std::map<int32_t, std::map<int32_t, std::string>>;

game::PackageRecord CompileCampaign(const std::filesystem::path& folder,
                                    const MapLoader& loadMap = nullptr,
                                    CampaignMarks* marksUsed = nullptr,
                                    EnglishTexts* english = nullptr,
                                    std::string_view sharedLegend = {});

// The built-in campaign's legend.txt, as the tool was built: the characters
// a campaign of one's own may use without a legend of its own.
std::string_view BuiltInLegend();

}  // namespace levels_tool
