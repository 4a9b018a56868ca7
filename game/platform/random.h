// The game's one random sequence: uniform in [0, 1), never 1.0.  Seeded from
// the clock at start; tests seed it themselves to replay a game exactly.
#pragma once

#include <cstdint>

namespace platform {

void Randomize(uint64_t seed);
void RandomizeFromClock();

// The next number of the sequence, 0 <= r < 1 as a 32-bit float.
float Rnd();

}  // namespace platform
