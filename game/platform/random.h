// The game's one random sequence: uniform in [0, 1), never 1.0.  Seeded from
// the clock at start; tests seed it themselves to replay a game exactly.
#pragma once

#include <cstdint>
#include <memory>

namespace platform {

void Randomize(uint64_t seed);
void RandomizeFromClock();

// The next number of the sequence, 0 <= r < 1 as a 32-bit float.
float Rnd();

// For as long as it lives the sequence goes on as if nothing drew from it
// meanwhile: an autosave's file keys must not change what the game draws
// next, or a recording would play back differently.
class RandomSequenceKept {
  public:
    RandomSequenceKept();
    ~RandomSequenceKept();
    RandomSequenceKept(const RandomSequenceKept&) = delete;
    RandomSequenceKept& operator=(const RandomSequenceKept&) = delete;

  private:
    struct Saved;
    std::unique_ptr<Saved> saved_;
};

}  // namespace platform
