// Going on after a run that ended without its shut-down: what the start
// asks, if anything, before the menu.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "game/platform/last_run_end.h"
#include "game/platform/shown_text.h"
#include "game/play/autosave.h"

namespace game {

// %1 is the floor of the hero's last arrival, as the floor's greeting names
// it ("2. patro: Stará krypta"), on a line of its own.
inline constexpr const char* kUncleanEndQuestion =
    SHOWN_TEXT("Question", "Hra nebyla řádně ukončena. Pokračovat od posledního příchodu?\n%1");
inline constexpr const char* kSystemEndQuestion =
    SHOWN_TEXT("Question", "Hra byla ukončena systémem. Pokračovat tam, kde jsi přestal?");

// After the game-over notice; %1 is the level of the hero's last arrival.
inline constexpr const char* kArrivalQuestion =
    SHOWN_TEXT("Question", "Pokračovat od příchodu do %1. patra?");

struct GoOnOffer {
    const char* question = nullptr;  // one of the two above
    int32_t level = 0;               // for the %1 of kUncleanEndQuestion
    std::string levelName;           // its name in Czech, as LevelName gives it
    std::string autosave;            // what "Ano" loads
};

// The offer after the run before: none after a clean end or without an
// autosave to go on from.
std::optional<GoOnOffer> OfferToGoOn(platform::LastRunEnd lastEnd,
                                     const std::optional<FoundAutosave>& newest);

// After the game-over notice, with an autosave of this game's last arrival:
// asks whether to go on from it ("Ano" chosen), and "Ano" loads it and the
// game plays on.  True when it does (or the program is ending), false for
// the menu.
bool GoOnAfterDeath();

}  // namespace game
