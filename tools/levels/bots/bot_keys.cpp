#include "tools/levels/bots/bot_keys.h"

#include "game/core/game_state.h"
#include "game/platform/keys.h"
#include "game/play/keyboard.h"

namespace levels_tool {
namespace {

namespace vk = platform::vk;

int16_t KeyOf(Heading heading) {
    switch (heading) {
        case Heading::Up:
            return vk::Up;
        case Heading::Down:
            return vk::Down;
        case Heading::Left:
            return vk::Left;
        default:
            return vk::Right;
    }
}

bool Held(Heading heading) {
    switch (heading) {
        case Heading::Up:
            return game::KeyUpHeld;
        case Heading::Down:
            return game::KeyDownHeld;
        case Heading::Left:
            return game::KeyLeftHeld;
        default:
            return game::KeyRightHeld;
    }
}

void LetGo(int16_t key) {
    game::Picture1_KeyUp(0, key, 0);
}

}  // namespace

float HeroCentreX() {
    return game::HeroX + 7.5f;
}
float HeroCentreY() {
    return game::HeroY + 7.5f;
}

void PressKey(int16_t key, int16_t shift) {
    game::Picture1_KeyDown(0, key, shift);
}

void HoldOnly(Heading heading) {
    for (Heading arrow : kArrows) {
        const bool want = arrow == heading;
        if (Held(arrow) == want) continue;
        if (want)
            PressKey(KeyOf(arrow));
        else
            LetGo(KeyOf(arrow));
    }
}

void ReleaseArrows() {
    for (Heading arrow : kArrows)
        LetGo(KeyOf(arrow));
}

void HoldFire(bool held) {
    if (held == game::FireHeld) return;
    if (held)
        PressKey(vk::Control);
    else
        LetGo(vk::Control);
}

}  // namespace levels_tool
