// The only file that sees the header written at build time, so that a new
// line count recompiles nothing else.
#include "game/ui/build_info.h"

#include "game/ui/build_facts.h"
#include "game/ui/menu_rules.h"

namespace game {

std::string BuildVersionLine() {
    return VersionLine(kVersionMajor, kVersionMinor, kVersionRevision);
}

std::string BuildProjectNote() {
    return ProjectNoteText(kSourceLines);
}

}  // namespace game
