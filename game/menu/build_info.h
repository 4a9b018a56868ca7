// What the build knows of itself, for the menu: the version line of the
// credits and the B key's note on the project.
#pragma once

#include <string>

namespace game {

// "Verze kompilace: 1.0.98" for this build.
std::string BuildVersionLine();

// The note with the line count of this build's source.
std::string BuildProjectNote();

}  // namespace game
