// Autosaves: each time the hero arrives on a level the game is saved under
// one of three names of its own, auto-1, auto-2 and auto-3 (others of the
// form where a player's own save holds one, autosave_slots.h), the oldest
// replaced, as whole as every save (save_commit.h) and with its description
// (save_description.h).  Only the game's own run writes them; try-outs,
// watched recordings and the tools never do, and only a whole game is
// saved (arrivals.h).
//
// The frame of the arrival only takes a snapshot of the game
// (save_snapshot.h); the background writer writes and commits it while the
// game plays on (save_folder_writer.h).  An autosave changes nothing of the
// running game: it reads the working levels and the level in play without
// loading any, so a recording plays back the same with or without.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "game/levels/save_names.h"
#include "game/platform/shown_text.h"

namespace game {

inline constexpr const char* kAutosaveFailedLine =
    SHOWN_TEXT("Rules", "Automatické uložení se nepodařilo...");

// On in the game's own run only (off by default).  Either way an autosave
// still being written is waited for.
void EnableAutosaves(bool on);
bool AutosavesEnabled();

// Writes the next autosave now and waits for it (and for any being written
// before it): true when it is in place.  What the ending signal does.
// Nothing happens while autosaves are off, the hero is dead, no game is
// under way or the game is not whole.
bool AutosaveNow();

// At the end of a frame: when the hero has arrived since the last one, the
// snapshot of an autosave, handed to the background writer.  Then what the
// autosaves written meanwhile came to: a failure is told once in the log
// (again only after an autosave has succeeded since).
void AutosaveAfterArrival();

struct FoundAutosave {
    std::string name;  // "auto-2"
    int32_t level = 0;
    std::string levelName;  // in Czech, as its description names it
};
// The newest autosave whose pair and description are there.
std::optional<FoundAutosave> NewestAutosave();

// The autosave written last in the game under way (its hero's last
// arrival), if any: a new game or a load forgets it, going on from it (the
// newest autosave) remembers it again.
std::optional<FoundAutosave> ThisGamesAutosave();
void ForgetThisGamesAutosave();
void RememberThisGamesAutosave();

}  // namespace game
