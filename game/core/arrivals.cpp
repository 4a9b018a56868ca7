#include "game/core/arrivals.h"

namespace game {
namespace {

bool arrived = false;

}  // namespace

void NoteHeroArrived() {
    arrived = true;
}

bool TakeHeroArrival() {
    const bool was = arrived;
    arrived = false;
    return was;
}

}  // namespace game
