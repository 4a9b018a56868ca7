#include "game/replay/tool_edits.h"

#include "game/core/game_state.h"
#include "game/core/play_observer.h"
#include "game/core/run_statistics.h"

namespace replay {

void TakeOffMonsters(int16_t keep) {
    if (game::PlayObserver* observer = game::CurrentPlayObserver())
        observer->MonstersTakenOff(keep);
    ApplyTakeOffMonsters(keep);
}

void ApplyTakeOffMonsters(int16_t keep) {
    using namespace game;
    // No kill of the hero's: the run's records do not count it as play.
    CountCheat();
    if (keep == kKillAll) {
        for (int16_t i = static_cast<int16_t>(MonsterCount - 1); i >= 0; --i)
            RemoveMonster(i);
        return;
    }
    const bool keepOne = keep >= 0 && keep < MonsterCount;
    const Monster kept = keepOne ? Monsters[keep] : Monster{};
    ClearList(Monsters, MonsterCount);
    if (keepOne) Monsters[AppendEntry(Monsters, MonsterCount)] = kept;
    UpdateMonsterRects();
}

}  // namespace replay
