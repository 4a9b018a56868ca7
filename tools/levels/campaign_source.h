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
#include <stdexcept>
#include <string>

#include "game/levels/package_record.h"

namespace levels_tool {

// A mistake in a source, as one line: "file:line: what is wrong".
class SourceError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Compiles the campaign folder into the levels of a package (without a
// header).  Throws SourceError at the first mistake.
game::PackageRecord CompileCampaign(const std::filesystem::path& folder);

}  // namespace levels_tool
