// The game's clock: seconds since local midnight as a 32-bit float.  Timed
// rules (the bomb countdown, repeated blows, trap floors) read it; tests put
// their own source in its place.
#pragma once

#include <functional>

namespace platform {

float TimeOfDay();

// Replaces the clock (tests); an empty function restores the real one.
void SetTimeOfDaySource(std::function<float()> source);

// Told every reading the rules take, after it is taken (a game recording
// keeps them); an empty function tells no one.
void SetTimeOfDayObserver(std::function<void(float)> observer);

// Seconds from an earlier reading to a later one.  The clock restarts at
// midnight, so a difference that comes out negative has a day added.
float SecondsSince(float earlier, float now);

}  // namespace platform
