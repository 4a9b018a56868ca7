#include "game/core/run_statistics.h"

#include <algorithm>
#include <random>

#include "game/core/acts.h"
#include "game/core/campaign_places.h"
#include "game/core/game_state.h"

namespace game {
namespace {

RunStatistics current;
std::vector<RunListener*> listeners;
AttemptsLedger ledger;
// Runs whose tries a ledger keeps; the oldest go first.
constexpr size_t kLedgerRuns = 64;

void Tell(RunEvent event) {
    const std::vector<RunListener*> told = listeners;
    for (RunListener* listener : told)
        listener->RunChanged(event);
}

uint64_t FreshRunNumber() {
    std::random_device device;
    uint64_t number = 0;
    while (number == 0)
        number = static_cast<uint64_t>(device()) << 32 | device();
    return number;
}

void TakeGameOf(RunStatistics& s) {
    s.difficulty = GameDifficulty;
    s.campaign = CurrentCampaign().folderName;
    s.campaignHash = CurrentCampaign().hash;
}

// The ledger's entry of a run, made the newest.
void KeepInLedger(uint64_t run, const RunAttempts& attempts) {
    if (run == 0) return;
    ledger.erase(std::remove_if(ledger.begin(), ledger.end(),
                                [run](const auto& entry) { return entry.first == run; }),
                 ledger.end());
    ledger.emplace_back(run, attempts);
    if (ledger.size() > kLedgerRuns) ledger.erase(ledger.begin());
}

LevelVisit VisitOf(int32_t level) {
    LevelVisit visit;
    visit.level = level;
    return visit;
}

LevelVisit& VisitInProgress() {
    std::vector<LevelVisit>& visits = current.progress.visits;
    if (visits.empty() || visits.back().level != LevelNumber)
        visits.push_back(VisitOf(LevelNumber));
    return visits.back();
}

int ActsReached(const RunProgress& progress) {
    int reached = -1;
    for (const LevelVisit& visit : progress.visits)
        reached = std::max(reached, ActOfLevel(visit.level));
    return reached;
}

bool HasActDone(int act) {
    const std::vector<ActDone>& done = current.progress.actsDone;
    return std::any_of(done.begin(), done.end(), [act](const ActDone& d) { return d.act == act; });
}

void MarkActDone(int act) {
    if (act < 0 || HasActDone(act)) return;
    ActDone done;
    done.act = act;
    for (const LevelVisit& visit : current.progress.visits) {
        if (ActOfLevel(visit.level) != act) continue;
        done.frames += visit.frames;
        done.potions += visit.potions;
    }
    done.deaths = ActDeaths(current, act);
    current.progress.actsDone.push_back(done);
    Tell(RunEvent::kActDone);
}

}  // namespace

uint32_t LevelVisit::Kills() const {
    uint32_t n = 0;
    for (const auto& [picture, count] : kills)
        n += count;
    return n;
}

uint32_t RunAttempts::Deaths() const {
    uint32_t n = 0;
    for (const auto& [level, count] : deaths)
        n += count;
    return n;
}

uint64_t RunStatistics::Frames() const {
    uint64_t n = framesBefore;
    for (const LevelVisit& visit : progress.visits)
        n += visit.frames;
    return n;
}

uint32_t ActDeaths(const RunStatistics& statistics, int act) {
    uint32_t n = 0;
    for (const auto& [level, count] : statistics.attempts.deaths)
        if (ActOfLevel(level) == act) n += count;
    return n;
}

const RunStatistics& CurrentRunStatistics() {
    return current;
}

void BeginRunStatistics() {
    KeepInLedger(current.run, current.attempts);
    current = RunStatistics{};
    current.run = FreshRunNumber();
    TakeGameOf(current);
    current.progress.visits.push_back(VisitOf(LevelNumber));
    KeepInLedger(current.run, current.attempts);
    Tell(RunEvent::kBegun);
}

void ContinueRunStatistics(std::optional<RunStatistics> saved,
                           std::optional<uint64_t> playFramesOfSave) {
    KeepInLedger(current.run, current.attempts);
    RunStatistics next;
    if (saved) {
        next = std::move(*saved);
    } else {
        next.run = FreshRunNumber();
        next.fromStart = false;
        next.framesBefore = playFramesOfSave.value_or(0);
    }
    for (const auto& [run, attempts] : ledger)
        if (run == next.run) next.attempts = attempts;
    ++next.attempts.reloads;
    TakeGameOf(next);
    current = std::move(next);
    KeepInLedger(current.run, current.attempts);
    // The stay the save was made in goes on.
    VisitInProgress();
    Tell(RunEvent::kBegun);
}

void AdoptRunStatistics(RunStatistics statistics) {
    KeepInLedger(current.run, current.attempts);
    current = std::move(statistics);
    TakeGameOf(current);
    KeepInLedger(current.run, current.attempts);
    VisitInProgress();
    Tell(RunEvent::kBegun);
}

void CountStatisticsFrame() {
    ++VisitInProgress().frames;
}

void CountArrival(int32_t level) {
    const int reached = ActsReached(current.progress);
    const int act = ActOfLevel(level);
    if (reached >= 0)
        for (int a = reached; a < act; ++a)
            MarkActDone(a);
    current.progress.visits.push_back(VisitOf(level));
    Tell(RunEvent::kArrived);
}

void CountKill(int16_t picture) {
    ++VisitInProgress().kills[picture];
    Tell(RunEvent::kKill);
}

void CountGold(int32_t gold) {
    VisitInProgress().gold += gold;
}

void CountPotion() {
    ++VisitInProgress().potions;
}

void CountLivesLost(int32_t lives) {
    if (lives > 0) VisitInProgress().livesLost += lives;
}

void CountDeath() {
    ++current.attempts.deaths[LevelNumber];
    KeepInLedger(current.run, current.attempts);
    Tell(RunEvent::kDeath);
}

void CountSecret(int32_t level, int16_t tile) {
    std::vector<SecretPlace>& found = current.progress.secrets;
    const SecretPlace place{level, tile};
    if (std::find(found.begin(), found.end(), place) != found.end()) return;
    found.push_back(place);
    Tell(RunEvent::kSecret);
}

void CountCheat() {
    ++current.attempts.cheats;
    KeepInLedger(current.run, current.attempts);
}

void CountCampaignFinished() {
    if (current.progress.ending) return;
    MarkActDone(std::max(ActsReached(current.progress), ActOfLevel(LevelNumber)));
    current.progress.ending = RunEnding{current.Frames(), current.attempts.Deaths()};
    Tell(RunEvent::kFinished);
}

void NoteRunRecording(const std::string& stamp) {
    current.attempts.recordings.push_back(stamp);
    KeepInLedger(current.run, current.attempts);
    Tell(RunEvent::kRecorded);
}

void NoteSavePoint() {
    Tell(RunEvent::kSavePoint);
}

void AddRunListener(RunListener* listener) {
    if (std::find(listeners.begin(), listeners.end(), listener) == listeners.end())
        listeners.push_back(listener);
}

void RemoveRunListener(RunListener* listener) {
    listeners.erase(std::remove(listeners.begin(), listeners.end(), listener), listeners.end());
}

const AttemptsLedger& RunAttemptsLedger() {
    KeepInLedger(current.run, current.attempts);
    return ledger;
}

void SetRunAttemptsLedger(AttemptsLedger kept) {
    ledger = std::move(kept);
    if (ledger.size() > kLedgerRuns)
        ledger.erase(ledger.begin(), ledger.end() - static_cast<ptrdiff_t>(kLedgerRuns));
    KeepInLedger(current.run, current.attempts);
}

}  // namespace game
