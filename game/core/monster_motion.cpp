#include "game/core/monster_motion.h"

#include "game/core/game_state.h"
#include "game/platform/random.h"

namespace game {

float MonsterStepLength(int16_t kind) {
    switch (kind) {
        case 0:
            return 0.4f;
        case 1:
            return 0.6f;
        case 2:
            return 0.8f;
        case 3:
            return 0.9f;
        default:
            return 0.0f;
    }
}

void PickRandomDirection(int16_t& i) {
    Monster& m = Monsters[i];
    const float s = MonsterStepLength(m.Kind);
    // The step is split between the axes: a on x, the rest b on y.
    float a = s - platform::Rnd() * s;
    const float b = s - a;
    if (platform::Rnd() > 0.5f) a = -a;
    const bool up = platform::Rnd() > 0.5f;
    m.DX = a;
    m.DY = up ? -b : b;
}

}  // namespace game
