#include "game/app/run_ending.h"

#include "game/core/arrivals.h"
#include "game/core/game_state.h"
#include "game/play/autosave.h"
#include "game/windows/game_window.h"
#include "game/windows/question_window.h"
#include "game/windows/window_set.h"

namespace game {

RunEnding::RunEnding(const std::string& workingLevelsFolder, bool marked) {
    if (!marked) return;
    marker_.emplace(workingLevelsFolder);
    lastEnd_ = marker_->Begin();
}

RunEnding::~RunEnding() {
    if (marker_) marker_->EndedCleanly();
}

std::function<bool()> RunEnding::BeforeMenu() {
    if (!marker_) return {};
    return [this] {
        asking_ = true;
        wentOn_ = GoOnAfterLastRun(lastEnd_);
        asking_ = false;
        return wentOn_;
    };
}

void RunEnding::EndBySignal(WindowSet& windows) {
    if (ShutdownRequested) return;
    // A game is under way while its window shows, or while it waits in the
    // menu to be resumed; a finished or lost one is not.
    const bool underWay = windows.form1().isVisible() || CanResume;
    if (underWay && AutosaveNow() && marker_)
        marker_->EndedBySystem();
    else if (underWay && !GameStateWhole() && marker_)
        // A game broken by a load that failed is not saved: the next start
        // offers the last whole one's autosave.
        marker_->EndedUnsaved();
    else if (asking_ && marker_)
        marker_->EndedWhileAsking(lastEnd_);
    windows.CloseMainWindow();
}

}  // namespace game
