// What a run has been, from its new game on: how long each visit of a level
// took, what the hero killed, gathered and drank there, the secrets he
// found, the acts he went on from and the end of the cave, and, apart from
// all that, his tries: the deaths, the loads and the recordings of the run.
// Like the play time it is none of the rules' business: the rules tell it
// what happens, it never reaches their state, a save's pair or a checksum.
//
// A load puts the progress back as the save had it (the game is back
// there), but never the tries: the deaths and loads of a run only grow,
// whichever of its saves is loaded.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "game/core/difficulty.h"

namespace game {

// One stay on a level, from arriving to leaving it.
struct LevelVisit {
    int32_t level = 0;
    uint64_t frames = 0;                // of play, not paused
    std::map<int16_t, uint32_t> kills;  // by the monster's picture: what it was
    int64_t gold = 0;
    uint32_t potions = 0;
    int64_t livesLost = 0;

    uint32_t Kills() const;
    bool operator==(const LevelVisit&) const = default;
};

// An act the hero went on from (or, the last, finished), as it stood then:
// its visits' play and potions, the deaths on its levels so far.
struct ActDone {
    int act = 0;  // 0 = act I
    uint64_t frames = 0;
    uint32_t deaths = 0;
    uint32_t potions = 0;

    bool operator==(const ActDone&) const = default;
};

// A destructible wall that looked like any other wall, broken, or the
// hidden passage taken (its level and tile).
struct SecretPlace {
    int32_t level = 0;
    int16_t tile = 0;

    bool operator==(const SecretPlace&) const = default;
};

// The end of the cave reached: the run's play time then and its deaths.
struct CaveEnd {
    uint64_t frames = 0;
    uint32_t deaths = 0;

    bool operator==(const CaveEnd&) const = default;
};

// What a load puts back as its save had it.
struct RunProgress {
    std::vector<LevelVisit> visits;
    std::vector<SecretPlace> secrets;  // in the order found, each once
    std::vector<ActDone> actsDone;     // in the order gone on from
    std::optional<CaveEnd> ending;

    bool operator==(const RunProgress&) const = default;
};

// What no load takes back.
struct RunAttempts {
    std::map<int32_t, uint32_t> deaths;  // by level
    uint32_t reloads = 0;
    // The cheat key's healing, and monsters a tool took off a level.
    uint32_t cheats = 0;
    // The run's recordings in order, each by the time stamp of its file's
    // name ("20261208-101500", "20261208-101500-1").
    std::vector<std::string> recordings;

    uint32_t Deaths() const;
    bool operator==(const RunAttempts&) const = default;
};

struct RunStatistics {
    uint64_t run = 0;  // drawn at the new game; names the run
    // Counted from the new game on; false for a game loaded from a save
    // that knew no statistics, whose earlier play is unknown.
    bool fromStart = true;
    // Play before the counting began (such a save's play time).
    uint64_t framesBefore = 0;
    // The game's difficulty and campaign (the pack's folder name and hash,
    // both empty for the game's own cave), as the game has them.
    Difficulty difficulty = Difficulty::kNormal;
    std::string campaign;
    std::string campaignHash;
    RunProgress progress;
    RunAttempts attempts;

    uint64_t Frames() const;
    bool operator==(const RunStatistics&) const = default;
};

// The run under way (an empty one before the first game).
const RunStatistics& CurrentRunStatistics();

// A new game: a fresh run, of the game's difficulty and campaign, its first
// visit on the level the hero stands on.
void BeginRunStatistics();
// A loaded save: its statistics (nothing when it had none; its play time
// then counts as play before), with the run's tries as they stand, one
// load more.  The difficulty and campaign are the loaded game's.
void ContinueRunStatistics(std::optional<RunStatistics> saved,
                           std::optional<uint64_t> playFramesOfSave);
// Statistics given whole (a recording's start); the difficulty and
// campaign are the game's.
void AdoptRunStatistics(RunStatistics statistics);

// What the rules and the frame loop tell.
void CountStatisticsFrame();
void CountArrival(int32_t level);
void CountKill(int16_t picture);
void CountGold(int32_t gold);
void CountPotion();
void CountLivesLost(int32_t lives);
void CountDeath();
void CountSecret(int32_t level, int16_t tile);
void CountCheat();
void CountCampaignFinished();
// A recording of the run has begun (its start is written).
void NoteRunRecording(const std::string& stamp);
// The game has just been kept as it stands: saved, or about to be
// autosaved on an arrival.
void NoteSavePoint();

// Deaths on the levels of an act so far.
uint32_t ActDeaths(const RunStatistics& statistics, int act);

// Who hears of what happened to the run.
enum class RunEvent : uint8_t {
    kBegun,    // a new game or a load
    kArrived,  // on a new level
    kActDone,  // an act gone on from: the last entry of actsDone
    kSecret,
    kKill,
    kDeath,
    kFinished,
    kSavePoint,
    kRecorded,  // a recording of the run begun
};
class RunListener {
  public:
    virtual ~RunListener() = default;
    virtual void RunChanged(RunEvent event) = 0;
};
void AddRunListener(RunListener* listener);
void RemoveRunListener(RunListener* listener);

// The tries of every run seen, oldest first: a load takes its run's tries
// from here, so that they never go back.  The records keep the ledger from
// one start of the game to the next.
using AttemptsLedger = std::vector<std::pair<uint64_t, RunAttempts>>;
const AttemptsLedger& RunAttemptsLedger();
void SetRunAttemptsLedger(AttemptsLedger ledger);

}  // namespace game
