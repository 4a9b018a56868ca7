// The only file that sees the header written at build time, so that a new
// line count recompiles nothing else.
#include "game/menu/build_info.h"

#include "game/menu/build_facts.h"
#include "game/menu/menu_rules.h"

namespace game {

std::string BuildVersionLine() {
    return VersionLine(kVersionMajor, kVersionMinor, kVersionRevision);
}

std::string BuildProjectNote() {
    return ProjectNoteText(kSourceLines);
}

std::string BuildVersion() {
    return std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "." +
           std::to_string(kVersionRevision);
}

int64_t BuildSourceLines() {
    return kSourceLines;
}

}  // namespace game
