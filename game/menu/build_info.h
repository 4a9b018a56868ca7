// What the build knows of itself, for the menu: the version line of the
// credits and the B key's note on the project.
#pragma once

#include <cstdint>

#include <string>

namespace game {

// "Verze kompilace: 1.0.98" for this build.
std::string BuildVersionLine();

// The note with the line count of this build's source.
std::string BuildProjectNote();

// The numbers of those texts, for their translations: "1.0.98", and the
// count of lines.
std::string BuildVersion();
int64_t BuildSourceLines();

}  // namespace game
