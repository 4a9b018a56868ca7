#include "game/records/records_keeper.h"

#include <algorithm>
#include <chrono>

#include "game/core/campaign_places.h"
#include "game/core/messages.h"
#include "game/core/terminal.h"
#include "game/levels/package_record.h"
#include "game/levels/save_folder.h"
#include "game/platform/file_io.h"
#include "game/records/records_file.h"

namespace game {
namespace {

RecordsKeeper* currentKeeper = nullptr;

int64_t SecondsNow() {
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

}  // namespace

RecordsKeeper::RecordsKeeper(std::string path) : path_(std::move(path)) {
    if (!path_.empty()) {
        RecordsFileRead read = ReadRecordsFile(path_);
        switch (read.state) {
            case RecordsFileRead::State::kMissing:
                break;
            case RecordsFileRead::State::kRead:
                records_ = std::move(read.records);
                break;
            case RecordsFileRead::State::kSetAside:
                Tell(SHOWN_TEXT("Terminal",
                                "Soubor záznamů %1 nejde přečíst (%2): leží nyní jako %3 a "
                                "záznamy začínají prázdné"),
                     {path_, read.why, read.setAsideAs});
                break;
            case RecordsFileRead::State::kStuck:
                Tell(SHOWN_TEXT("Terminal",
                                "Soubor záznamů %1 nejde přečíst (%2): záznamy začínají "
                                "prázdné a nezapíší se přes něj"),
                     {path_, read.why});
                writable_ = false;
                break;
        }
    }
    AttemptsLedger ledger = records_.ledger;
    // Runs seen since start-up stay the newest.
    for (const auto& entry : RunAttemptsLedger()) {
        ledger.erase(std::remove_if(ledger.begin(), ledger.end(),
                                    [&](const auto& e) { return e.first == entry.first; }),
                     ledger.end());
        ledger.push_back(entry);
    }
    SetRunAttemptsLedger(std::move(ledger));
    currentKeeper = this;
    AddRunListener(this);
}

RecordsKeeper::~RecordsKeeper() {
    RemoveRunListener(this);
    if (currentKeeper == this) currentKeeper = nullptr;
    Save();
}

std::vector<const Achievement*> RecordsKeeper::TakeUnannounced() {
    std::vector<const Achievement*> taken;
    taken.swap(unannounced_);
    return taken;
}

bool RecordsKeeper::KeepsRecording(const std::string& stamp) const {
    const auto& run = CurrentRunStatistics().attempts.recordings;
    if (std::find(run.begin(), run.end(), stamp) != run.end()) return true;
    const std::set<std::string> named = records_.NamedRecordings();
    return named.count(stamp) > 0;
}

const CampaignFacts& RecordsKeeper::FactsOfCurrentCampaign() {
    const std::string path = CampaignPackagePath();
    auto found = facts_.find(path);
    if (found != facts_.end()) return found->second;
    CampaignFacts facts;
    std::vector<uint8_t> bytes;
    PackageRecord package;
    if (ReadWholeFile(path, bytes)) {
        ByteReader in(bytes);
        if (ReadPackageRecord(in, false, package))
            facts = FactsOfCampaign(package, CurrentCampaign().BuiltIn());
    }
    return facts_.emplace(path, std::move(facts)).first->second;
}

bool RecordsKeeper::Save() {
    // The ledger moves with every run; it is written along with the rest.
    if (!changed_ || path_.empty() || !writable_) return true;
    records_.ledger = RunAttemptsLedger();
    std::string why;
    if (!WriteRecordsFile(path_, records_, &why)) {
        if (!failureTold_)
            Tell(SHOWN_TEXT("Terminal", "Záznamy nelze zapsat do %1: %2"), {path_, why});
        failureTold_ = true;
        return false;
    }
    failureTold_ = false;
    changed_ = false;
    return true;
}

void RecordsKeeper::RunChanged(RunEvent event) {
    if (event == RunEvent::kSavePoint) return;
    if (event == RunEvent::kFinished) endingToShow_ = true;
    const bool triesOnly =
        event == RunEvent::kBegun || event == RunEvent::kDeath || event == RunEvent::kRecorded;
    if (triesOnly) {
        changed_ = true;
    } else {
        const RunStatistics& run = CurrentRunStatistics();
        const RecordsNews news =
            TakeRun(records_, run, FactsOfCurrentCampaign(), SecondsNow(), CurrentCampaign().name);
        if (!news.Empty()) changed_ = true;
        for (const Achievement* a : news.achievements) {
            AddLogLine(NamedText(kAchievementLinePattern, a->name));
            TellLine(WithNames(InTerminalLanguage("Rules", kAchievementLinePattern),
                               {InTerminalLanguage("Achievements", a->name)}));
            unannounced_.push_back(a);
        }
    }
    // Only between the fights.
    if (event != RunEvent::kKill && event != RunEvent::kSecret) Save();
}

RecordsKeeper* CurrentRecordsKeeper() {
    return currentKeeper;
}

}  // namespace game
