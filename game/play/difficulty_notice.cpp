#include "game/play/difficulty_notice.h"

#include "game/core/game_state.h"
#include "game/core/messages.h"
#include "game/platform/shown_text.h"

namespace game {
namespace {

bool untold = false;

}  // namespace

void NoteGameBegun() {
    untold = true;
}

void TellDifficultyOnce() {
    if (!untold) return;
    untold = false;
    if (GameDifficulty == Difficulty::kEasy) AddLogLine(SHOWN_TEXT("Rules", "Lehká hra"));
}

}  // namespace game
