#include "game/play/autosave.h"

#include <cstdio>
#include <utility>

#include "game/core/arrivals.h"
#include "game/core/game_state.h"
#include "game/core/messages.h"
#include "game/core/run_statistics.h"
#include "game/core/terminal.h"
#include "game/levels/autosave_slots.h"
#include "game/levels/save_folder.h"
#include "game/levels/save_folder_writer.h"
#include "game/levels/save_snapshot.h"
#include "game/platform/shown_text.h"

namespace game {
namespace {

bool enabled = false;
// The game under way has an autosave of its own: the newest one is it.
bool thisGameAutosaved = false;
// A failure is told once; the next success makes room for the next one.
bool failureTold = false;

// On the background writer's thread: the snapshot goes to the next slot.
BackgroundWriteResult WriteAutosave(GameSnapshot& snapshot) {
    BackgroundWriteResult result;
    // The slots are read after a record left behind is settled: it may be
    // an autosave's own.
    if (!SettlePendingCommitIn(snapshot.savesFolder, &result.why)) return result;
    const AutosaveSlots slots = ReadAutosaveSlots(snapshot.savesFolder);
    snapshot.description.autosaveNumber = slots.nextNumber;
    result.written = WriteGameSnapshot(snapshot, slots.next, &result.why) == PairCommit::kSaved;
    return result;
}

// Tells on the game's thread what the autosaves written came to; true when
// the last of them is in place.
bool TellAutosaveResults() {
    bool lastWritten = false;
    for (const BackgroundWriteResult& result : TakeBackgroundResults()) {
        lastWritten = result.written;
        if (result.written) {
            failureTold = false;
            thisGameAutosaved = true;
            continue;
        }
        Tell(SHOWN_TEXT("Terminal", "Automatické uložení se nepodařilo: %1"), {result.why});
        if (!failureTold && !ShutdownRequested) AddLogLine(kAutosaveFailedLine);
        failureTold = true;
    }
    return lastWritten;
}

// Hands the snapshot of the game under way to the background writer; false
// when there is nothing to autosave (or the failure has been told).
bool StartAutosave() {
    if (!enabled || HeroDead || ShutdownRequested || !GameStateWhole()) return false;
    std::string why;
    std::optional<GameSnapshot> snapshot = TakeGameSnapshot(&why);
    if (!snapshot) {
        WriteInBackground([why] { return BackgroundWriteResult{false, why}; });
        return true;
    }
    WriteInBackground(
        [snapshot = std::move(*snapshot)]() mutable { return WriteAutosave(snapshot); });
    return true;
}

}  // namespace

void EnableAutosaves(bool on) {
    WaitForSaveFolder();
    TakeBackgroundResults();
    enabled = on;
    failureTold = false;
    TakeHeroArrival();
}

bool AutosavesEnabled() {
    return enabled;
}

bool AutosaveNow() {
    if (!StartAutosave()) return false;
    WaitForSaveFolder();
    return TellAutosaveResults();
}

void AutosaveAfterArrival() {
    if (TakeHeroArrival()) {
        // The game as an autosave keeps it, whether one is written or not (a
        // recording played back writes none, and its records still know it).
        NoteSavePoint();
        StartAutosave();
    }
    TellAutosaveResults();
}

std::optional<FoundAutosave> NewestAutosave() {
    WaitForSaveFolder();
    std::optional<FoundAutosave> newest;
    uint64_t newestNumber = 0;
    for (const Autosave& autosave : ReadAutosaveSlots(SavesFolder()).autosaves) {
        if (autosave.number <= newestNumber) continue;
        newestNumber = autosave.number;
        newest = FoundAutosave{autosave.name, autosave.level, autosave.levelName};
    }
    return newest;
}

std::optional<FoundAutosave> ThisGamesAutosave() {
    // An autosave of the last arrival may still be on its way.
    WaitForSaveFolder();
    TellAutosaveResults();
    if (!thisGameAutosaved) return std::nullopt;
    return NewestAutosave();
}

void ForgetThisGamesAutosave() {
    // What the game before wrote is no longer this game's.
    WaitForSaveFolder();
    TakeBackgroundResults();
    thisGameAutosaved = false;
}

void RememberThisGamesAutosave() {
    thisGameAutosaved = true;
}

}  // namespace game
