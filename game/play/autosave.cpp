#include "game/play/autosave.h"

#include <cstdio>

#include "game/core/arrivals.h"
#include "game/core/game_state.h"
#include "game/core/messages.h"
#include "game/levels/level_packages.h"
#include "game/levels/position_files.h"
#include "game/levels/save_commit.h"
#include "game/levels/save_description.h"
#include "game/levels/save_folder.h"
#include "game/platform/random.h"

namespace game {
namespace {

bool enabled = false;
std::optional<FoundAutosave> thisGames;
// A failure is told once; the next success makes room for the next one.
bool failureTold = false;

struct Slot {
    int number = 0;                          // 1 to kAutosaveCount
    std::optional<SaveDescription> written;  // its description, when whole
};

std::vector<Slot> ReadSlots() {
    std::vector<Slot> slots;
    for (int n = 1; n <= kAutosaveCount; ++n) {
        Slot slot{n, std::nullopt};
        if (SavePairExists(AutosaveName(n))) slot.written = ReadSaveDescription(AutosaveName(n));
        slots.push_back(std::move(slot));
    }
    return slots;
}

// unsettled: the halves belong to a commit the next start finishes.
bool Fail(const std::string& why, bool unsettled = false) {
    std::fprintf(stderr, "karvelun: no autosave: %s\n", why.c_str());
    if (!unsettled) RemoveUnfinishedSave();
    if (!failureTold) AddLogLine(kAutosaveFailedLine);
    failureTold = true;
    return false;
}

}  // namespace

void EnableAutosaves(bool on) {
    enabled = on;
    failureTold = false;
    TakeHeroArrival();
}

bool AutosavesEnabled() {
    return enabled;
}

bool AutosaveNow() {
    if (!enabled || HeroDead || ShutdownRequested || UnpackedLevelCount <= 0) return false;
    // The free slot, else the one written longest ago; each gets the next
    // number, so the newest is known whatever the clock did.
    const std::vector<Slot> slots = ReadSlots();
    const Slot* oldest = nullptr;
    uint64_t newestNumber = 0;
    for (const Slot& slot : slots) {
        const uint64_t number = slot.written ? slot.written->autosaveNumber : 0;
        if (number > newestNumber) newestNumber = number;
        if (!oldest || number < (oldest->written ? oldest->written->autosaveNumber : 0))
            oldest = &slot;
    }
    const std::string name = AutosaveName(oldest->number);
    const platform::RandomSequenceKept randomKept;
    SaveDescription description = DescribeCurrentGame();
    description.autosaveNumber = newestNumber + 1;

    std::string why;
    if (!PackLevelsAside(name + ".lev", &why)) return Fail(why);
    if (!WritePositionAside(name + ".pos", &why)) return Fail(why);
    if (!WriteUnfinishedDescription(description, &why)) return Fail(why);
    switch (CommitSavePair(name + ".lev", name + ".pos", DescriptionFileName(name), &why)) {
        case PairCommit::kSaved:
            failureTold = false;
            thisGames = FoundAutosave{name, description.level};
            return true;
        case PairCommit::kOldKept:
            break;
        case PairCommit::kUnsettled:
            return Fail(why, true);
    }
    return Fail(why);
}

void AutosaveAfterArrival() {
    if (TakeHeroArrival()) AutosaveNow();
}

std::optional<FoundAutosave> NewestAutosave() {
    std::optional<FoundAutosave> newest;
    uint64_t newestNumber = 0;
    for (const Slot& slot : ReadSlots()) {
        if (!slot.written || slot.written->autosaveNumber <= newestNumber) continue;
        newestNumber = slot.written->autosaveNumber;
        newest = FoundAutosave{AutosaveName(slot.number), slot.written->level};
    }
    return newest;
}

std::optional<FoundAutosave> ThisGamesAutosave() {
    // Written by this game, and still there as it was written.
    if (thisGames && !SavePairExists(thisGames->name)) thisGames.reset();
    return thisGames;
}

void ForgetThisGamesAutosave() {
    thisGames.reset();
}

void RememberThisGamesAutosave(const FoundAutosave& autosave) {
    thisGames = autosave;
}

}  // namespace game
