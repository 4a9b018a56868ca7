// The records recomputed from their recordings for the records window: the
// level tool beside the game replays a record's chain of recordings as a
// child process at the lowest priority (the rules are this process's
// globals: a replay here would wipe out a game waiting in the menu), and
// its lines are kept for the rest of the program's run.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "game/records/record_check.h"

namespace game {

class RecordReplays {
  public:
    // The tool's lines for the recordings (stamps, in the run's order) of the
    // game's own cave; empty when they are not at hand or did not verify.
    // With replay false, only what an earlier replay gave.
    RecordsOutput Output(const std::vector<std::string>& stamps, bool replay);

  private:
    std::map<std::vector<std::string>, RecordsOutput> outputs_;
};

}  // namespace game
