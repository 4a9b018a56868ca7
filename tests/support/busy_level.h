// The busy level of the frame benchmark and the soak: every tile revealed,
// walls round the field and inside it, 30 monsters of all four kinds
// wandering, chasing and striking the hero, 40 items, 4 missiles in flight
// and the fire key held, 16 bomb fragments flying against monsters and
// walls, a bomb counting down, the hero walking along a wall, 10 explosions
// and 20 floating texts.
#pragma once

namespace testing_support {

// A fresh game state (no sheets, no sound) holding the busy level.
void BuildBusyLevel();

// The busy level in place of the level in memory, leaving what the running
// program holds (sheets, sound, settings, the program's folder) alone.
void PlaceBusyLevel();

// Puts the living things back where the busy level had them, so that every
// frame does the same work: the same monsters wandering, chasing and
// striking, the same missiles and fragments in flight, the hero at the same
// wall, the same explosions and floating texts.
void RefreshBusyLevel();

}  // namespace testing_support
