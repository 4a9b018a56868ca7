// Autosaves: each time the hero arrives on a level the game is saved under
// one of three reserved names, auto-1, auto-2 and auto-3, the oldest
// replaced, as whole as every save (save_commit.h) and with its description
// (save_description.h).  Only the game's own run writes them; try-outs,
// watched recordings and the tools never do.  An autosave changes nothing
// of the running game: it reads the working levels and the level in play
// without loading any, so a recording plays back the same with or without.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "game/levels/save_names.h"
#include "game/platform/shown_text.h"

namespace game {

inline constexpr const char* kAutosaveFailedLine =
    SHOWN_TEXT("Rules", "Automatické uložení se nepodařilo...");

// On in the game's own run only (off by default).
void EnableAutosaves(bool on);
bool AutosavesEnabled();

// Writes the next autosave now (the oldest of the three, or a free one):
// true when it is in place.  A failure is told once in the log (again only
// after an autosave has succeeded since).  Nothing happens while autosaves
// are off, the hero is dead or no game is under way.
bool AutosaveNow();

// At the end of a frame: an autosave when the hero has arrived since the
// last one.
void AutosaveAfterArrival();

struct FoundAutosave {
    std::string name;  // "auto-2"
    int32_t level = 0;
};
// The newest autosave whose pair and description are there.
std::optional<FoundAutosave> NewestAutosave();

// The autosave written last in the game under way (its hero's last
// arrival), if any: a new game or a load forgets it, going on from it
// remembers it again.
std::optional<FoundAutosave> ThisGamesAutosave();
void ForgetThisGamesAutosave();
void RememberThisGamesAutosave(const FoundAutosave& autosave);

}  // namespace game
