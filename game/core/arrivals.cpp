#include "game/core/arrivals.h"

namespace game {
namespace {

bool arrived = false;
bool whole = false;

}  // namespace

void NoteHeroArrived() {
    arrived = true;
    whole = true;
}

bool TakeHeroArrival() {
    const bool was = arrived;
    arrived = false;
    return was;
}

bool GameStateWhole() {
    return whole;
}

void NoteGameStateBroken() {
    whole = false;
}

void NoteGameStateWhole() {
    whole = true;
}

void ForgetArrivals() {
    arrived = false;
    whole = false;
}

}  // namespace game
