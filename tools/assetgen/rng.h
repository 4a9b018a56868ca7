#pragma once

#include <cstdint>

namespace assetgen {

// A small generator with a fixed algorithm (SplitMix64), so that the same
// seed gives the same pictures on every machine and every compiler.
class Rng {
  public:
    explicit Rng(uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 0x632BE59BD9B4E019ull) {}

    uint64_t Next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // Uniform in [0, 1).
    double Unit() { return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0); }

    // Uniform whole number in [lo, hi].
    int Range(int lo, int hi) {
        return lo + static_cast<int>(Next() % static_cast<uint64_t>(hi - lo + 1));
    }

    bool Chance(double p) { return Unit() < p; }

  private:
    uint64_t state_;
};

}  // namespace assetgen
