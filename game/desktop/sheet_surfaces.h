// The seven picture sheets sc1 ... sc7 as drawing surfaces, loaded once at
// start-up and freed at shut-down.
#pragma once

#include <string>

namespace game {

inline constexpr int kSheetCount = 7;

// Builds Surfaces from data/obr/sc1 ... sc7.  On a missing or unreadable
// file: false, *failedPath names it, and nothing is left half-built.
bool LoadSurfaces(std::string* failedPath);

// Releases every surface.
void FreeSurfaces();

}  // namespace game
