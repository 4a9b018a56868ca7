// The player's own game, or a try-out of one level (karvelun --level): the
// one-copy lock on its files, the mark of a run under way and the question
// after a run that did not end in order, the game pads, the recording of
// every game, the player's records, the autosaves, a try-out's following of its level's file, and
// the ending signals, which end the game as "Exit" does (a game under way is
// autosaved first).
#pragma once

#include <optional>

#include "game/app/ending_signals.h"
#include "game/app/game_recordings.h"
#include "game/app/level_try_out.h"
#include "game/app/program_start.h"
#include "game/app/run_ending.h"
#include "game/app/tried_level_follow.h"
#include "game/desktop/gamepad.h"
#include "game/records/records_keeper.h"
#include "game/windows/pad_delivery.h"

namespace game {

class OwnGameRun final : public ProgramRun {
  public:
    // layout: where the program lies; tryOut: the level tried, or nothing
    // for the game itself.
    OwnGameRun(const platform::AppPaths& layout, std::optional<platform::LevelTryOut> tryOut);

    const platform::AppPaths& Paths() const override { return paths_; }
    std::optional<int> Hold() override;
    FilePlaces Places() const override;
    GameWindows& Open(WindowSet& windows) override;
    std::function<bool()> BeforeMenu() override;
    int Run(WindowSet& windows) override;
    void Close() override;

  private:
    std::optional<platform::LevelTryOut> tryOut_;
    platform::AppPaths paths_;
    // Held until the program ends, after the shut-down has deleted the
    // working levels; the run's mark goes before it, after the windows.
    std::optional<platform::OneCopyLock> lock_;
    std::optional<RunEnding> ending_;
    // What lives as long as the windows, in the order it is made.
    std::optional<PadDelivery> padKeys_;
    std::optional<platform::Gamepad> gamepad_;
    // The player's records, kept only by his own game.
    std::optional<RecordsKeeper> records_;
    std::optional<GameRecordings> recordings_;
    std::optional<TriedLevelFollow> follow_;
    std::optional<platform::EndingSignals> endingSignals_;
};

}  // namespace game
