// The player's records as his own games make them: listens to the run under
// way and takes each act he goes on from, the end of the cave and every
// achievement into his records file.  An achievement earned is told at
// once in the log and kept for a notice at the next pause or message.  The
// file is written only between the fights: on an arrival, a new game or a
// load, a death, the end of the cave, and when the keeper goes.  Only the
// game's own run keeps records; try-outs, watched recordings and the tools
// never do.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "game/core/run_statistics.h"
#include "game/platform/shown_text.h"
#include "game/records/achievements.h"
#include "game/records/campaign_facts.h"
#include "game/records/personal_bests.h"

namespace game {

inline constexpr const char* kAchievementLinePattern =
    SHOWN_TEXT("Rules", "Získal jsi ocenění: %1");

class RecordsKeeper final : public RunListener {
  public:
    // The records of the file at path (empty: kept in memory only); the
    // run's tries it knows go to the statistics' ledger.
    explicit RecordsKeeper(std::string path);
    ~RecordsKeeper() override;
    RecordsKeeper(const RecordsKeeper&) = delete;
    RecordsKeeper& operator=(const RecordsKeeper&) = delete;

    const PlayerRecords& Records() const { return records_; }
    const std::string& Path() const { return path_; }

    // The achievements earned since they were last taken, for their notice.
    std::vector<const Achievement*> TakeUnannounced();
    bool HasUnannounced() const { return !unannounced_.empty(); }

    // True once after the run under way finished the cave: the records
    // window follows the ending's notice.
    bool TakeEndingToShow() { return std::exchange(endingToShow_, false); }

    // Recordings that must outlive the rotation of the last twenty: those a
    // record names and those of the run under way.
    bool KeepsRecording(const std::string& stamp) const;

    // The facts of the campaign being played (read once for each).
    const CampaignFacts& FactsOfCurrentCampaign();

    // Writes the records now if they changed; false when that failed.
    bool Save();

    void RunChanged(RunEvent event) override;

  private:
    std::string path_;
    PlayerRecords records_;
    bool changed_ = false;
    bool writable_ = true;
    bool failureTold_ = false;
    bool endingToShow_ = false;
    std::vector<const Achievement*> unannounced_;
    std::map<std::string, CampaignFacts> facts_;
};

// The keeper of the game's own run, or null (no records kept).
RecordsKeeper* CurrentRecordsKeeper();

}  // namespace game
