#include "game/core/run_statistics.h"

#include <algorithm>
#include <random>

#include "game/core/acts.h"
#include "game/core/campaign_places.h"
#include "game/core/game_state.h"

namespace game {
namespace {

RunStatistics currentRun;
std::vector<RunListener*> runListeners;
AttemptsLedger attemptsLedger;
// Runs whose tries a attemptsLedger keeps; the oldest go first.
constexpr size_t kLedgerRuns = 64;

void TellRunListeners(RunEvent event) {
    const std::vector<RunListener*> told = runListeners;
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

// The attemptsLedger's entry of a run, made the newest.
void KeepInLedger(uint64_t run, const RunAttempts& attempts) {
    if (run == 0) return;
    attemptsLedger.erase(std::remove_if(attemptsLedger.begin(), attemptsLedger.end(),
                                        [run](const auto& entry) { return entry.first == run; }),
                         attemptsLedger.end());
    attemptsLedger.emplace_back(run, attempts);
    if (attemptsLedger.size() > kLedgerRuns) attemptsLedger.erase(attemptsLedger.begin());
}

LevelVisit VisitOf(int32_t level) {
    LevelVisit visit;
    visit.level = level;
    return visit;
}

LevelVisit& VisitInProgress() {
    std::vector<LevelVisit>& visits = currentRun.progress.visits;
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
    const std::vector<ActDone>& done = currentRun.progress.actsDone;
    return std::any_of(done.begin(), done.end(), [act](const ActDone& d) { return d.act == act; });
}

void MarkActDone(int act) {
    if (act < 0 || HasActDone(act)) return;
    ActDone done;
    done.act = act;
    for (const LevelVisit& visit : currentRun.progress.visits) {
        if (ActOfLevel(visit.level) != act) continue;
        done.frames += visit.frames;
        done.potions += visit.potions;
    }
    done.deaths = ActDeaths(currentRun, act);
    currentRun.progress.actsDone.push_back(done);
    TellRunListeners(RunEvent::kActDone);
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
    return currentRun;
}

void BeginRunStatistics() {
    KeepInLedger(currentRun.run, currentRun.attempts);
    currentRun = RunStatistics{};
    currentRun.run = FreshRunNumber();
    TakeGameOf(currentRun);
    currentRun.progress.visits.push_back(VisitOf(LevelNumber));
    KeepInLedger(currentRun.run, currentRun.attempts);
    TellRunListeners(RunEvent::kBegun);
}

void ContinueRunStatistics(std::optional<RunStatistics> saved,
                           std::optional<uint64_t> playFramesOfSave) {
    KeepInLedger(currentRun.run, currentRun.attempts);
    RunStatistics next;
    if (saved) {
        next = std::move(*saved);
    } else {
        next.run = FreshRunNumber();
        next.fromStart = false;
        next.framesBefore = playFramesOfSave.value_or(0);
    }
    for (const auto& [run, attempts] : attemptsLedger)
        if (run == next.run) next.attempts = attempts;
    ++next.attempts.reloads;
    TakeGameOf(next);
    currentRun = std::move(next);
    KeepInLedger(currentRun.run, currentRun.attempts);
    // The stay the save was made in goes on.
    VisitInProgress();
    TellRunListeners(RunEvent::kBegun);
}

void AdoptRunStatistics(RunStatistics statistics) {
    KeepInLedger(currentRun.run, currentRun.attempts);
    currentRun = std::move(statistics);
    TakeGameOf(currentRun);
    KeepInLedger(currentRun.run, currentRun.attempts);
    VisitInProgress();
    TellRunListeners(RunEvent::kBegun);
}

void CountStatisticsFrame() {
    ++VisitInProgress().frames;
}

void CountArrival(int32_t level) {
    const int reached = ActsReached(currentRun.progress);
    const int act = ActOfLevel(level);
    if (reached >= 0)
        for (int a = reached; a < act; ++a)
            MarkActDone(a);
    currentRun.progress.visits.push_back(VisitOf(level));
    TellRunListeners(RunEvent::kArrived);
}

void CountKill(int16_t picture) {
    ++VisitInProgress().kills[picture];
    TellRunListeners(RunEvent::kKill);
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
    ++currentRun.attempts.deaths[LevelNumber];
    KeepInLedger(currentRun.run, currentRun.attempts);
    TellRunListeners(RunEvent::kDeath);
}

void CountSecret(int32_t level, int16_t tile) {
    std::vector<SecretPlace>& found = currentRun.progress.secrets;
    const SecretPlace place{level, tile};
    if (std::find(found.begin(), found.end(), place) != found.end()) return;
    found.push_back(place);
    TellRunListeners(RunEvent::kSecret);
}

void CountCheat() {
    ++currentRun.attempts.cheats;
    KeepInLedger(currentRun.run, currentRun.attempts);
}

void CountCampaignFinished() {
    if (currentRun.progress.ending) return;
    MarkActDone(std::max(ActsReached(currentRun.progress), ActOfLevel(LevelNumber)));
    currentRun.progress.ending = CaveEnd{currentRun.Frames(), currentRun.attempts.Deaths()};
    TellRunListeners(RunEvent::kFinished);
}

void NoteRunRecording(const std::string& stamp) {
    currentRun.attempts.recordings.push_back(stamp);
    KeepInLedger(currentRun.run, currentRun.attempts);
    TellRunListeners(RunEvent::kRecorded);
}

void NoteSavePoint() {
    TellRunListeners(RunEvent::kSavePoint);
}

void AddRunListener(RunListener* listener) {
    if (std::find(runListeners.begin(), runListeners.end(), listener) == runListeners.end())
        runListeners.push_back(listener);
}

void RemoveRunListener(RunListener* listener) {
    runListeners.erase(std::remove(runListeners.begin(), runListeners.end(), listener),
                       runListeners.end());
}

const AttemptsLedger& RunAttemptsLedger() {
    KeepInLedger(currentRun.run, currentRun.attempts);
    return attemptsLedger;
}

void SetRunAttemptsLedger(AttemptsLedger kept) {
    attemptsLedger = std::move(kept);
    if (attemptsLedger.size() > kLedgerRuns)
        attemptsLedger.erase(attemptsLedger.begin(),
                             attemptsLedger.end() - static_cast<ptrdiff_t>(kLedgerRuns));
    KeepInLedger(currentRun.run, currentRun.attempts);
}

}  // namespace game
