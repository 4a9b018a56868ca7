// A bot's own random sequence, apart from the game's: the same seed gives
// the same numbers on every machine and with every standard library.
#pragma once

#include <cmath>
#include <cstdint>

namespace levels_tool {

class BotRandom {
  public:
    explicit BotRandom(uint64_t seed) : state_(seed) {}

    // splitmix64
    uint64_t Next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // 0 <= u < 1
    double Uniform() { return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0); }
    double Uniform(double low, double high) { return low + (high - low) * Uniform(); }
    // low ... high, both included
    int Between(int low, int high) {
        return low + static_cast<int>(Next() % static_cast<uint64_t>(high - low + 1));
    }
    // A normal deviate (Box-Muller), cut off at three deviations.
    double Normal(double deviation) {
        const double u = 1.0 - Uniform();
        const double v = Uniform();
        double n = std::sqrt(-2.0 * std::log(u)) * std::cos(6.283185307179586 * v);
        if (n > 3.0) n = 3.0;
        if (n < -3.0) n = -3.0;
        return n * deviation;
    }

  private:
    uint64_t state_;
};

// One seed for each of several sequences drawn from a run's numbers.
inline uint64_t MixSeed(uint64_t seed, uint64_t a, uint64_t b, uint64_t c) {
    BotRandom mix(seed * 0x2545F4914F6CDD1Dull ^ (a + 1) * 0x9E3779B97F4A7C15ull ^
                  (b + 7) * 0xC2B2AE3D27D4EB4Full ^ (c + 13) * 0x165667B19E3779F9ull);
    mix.Next();
    return mix.Next();
}

}  // namespace levels_tool
