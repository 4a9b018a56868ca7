#include "game/core/windows.h"

namespace game {
namespace {

SilentWindows silent;
GameWindows* current = &silent;

}  // namespace

GameWindows& Windows() {
    return *current;
}
void SetWindows(GameWindows* windows) {
    current = windows ? windows : &silent;
}

}  // namespace game
