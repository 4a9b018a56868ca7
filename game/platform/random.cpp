#include "game/platform/random.h"

#include <chrono>
#include <random>

namespace platform {
namespace {

std::mt19937_64& Generator() {
    static std::mt19937_64 generator(0x4B617276656C756EULL);
    return generator;
}

}  // namespace

void Randomize(uint64_t seed) {
    Generator().seed(seed);
}

void RandomizeFromClock() {
    auto now = std::chrono::steady_clock::now().time_since_epoch().count() ^
               std::chrono::system_clock::now().time_since_epoch().count();
    Randomize(static_cast<uint64_t>(now));
}

float Rnd() {
    // 24 random bits fill a float's mantissa exactly, so the result is a
    // multiple of 2^-24 below 1 and never rounds up to 1.0.
    uint64_t bits = Generator()() >> 40;
    return static_cast<float>(bits) * (1.0f / 16777216.0f);
}

struct RandomSequenceKept::Saved {
    std::mt19937_64 generator;
};

RandomSequenceKept::RandomSequenceKept() : saved_(new Saved{Generator()}) {}

RandomSequenceKept::~RandomSequenceKept() {
    Generator() = saved_->generator;
}

}  // namespace platform
