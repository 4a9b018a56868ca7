#include "game/world/hero_death.h"

#include "game/core/game_state.h"
#include "game/core/messages.h"
#include "game/core/run_statistics.h"
#include "game/levels/working_levels.h"
#include "game/platform/rounding.h"
#include "game/platform/shown_text.h"

namespace game {

void KillHero() {
    HeroDead = true;
    CountDeath();
    AddExplosion(platform::CInt(HeroX + 7.0f), platform::CInt(HeroY + 7.0f));
    AddFloatText(HeroX + 7.0f, HeroY + 7.0f, "R.I.P.", Rgb(255, 0, 0));
    AddLogLine(SHOWN_TEXT("Rules", "Jsi mrtev..."));
    ClearWorkingLevels();
    KeyUpHeld = KeyDownHeld = KeyLeftHeld = KeyRightHeld = false;
    FireHeld = false;
}

}  // namespace game
