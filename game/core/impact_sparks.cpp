#include "game/core/impact_sparks.h"

#include <cmath>
#include <cstdlib>

namespace game {
namespace {

constexpr size_t kMaxSparks = 16;

std::vector<ImpactSpark>& Sparks() {
    static std::vector<ImpactSpark> sparks;
    return sparks;
}

// The spark's pixels: a star of white-hot heart and yellow arms, with
// orange tips between them, shrinking in its second half.
uint32_t SparkColour(int dx, int dy, bool young) {
    const int arm = std::abs(dx) + std::abs(dy);
    const bool onAxis = dx == 0 || dy == 0;
    if (arm == 0) return young ? 0xFFFFFFDCu : 0xFFFFE070u;
    if (onAxis && arm == 1) return 0xFFFFD040u;
    if (young && onAxis && arm == 2) return 0xFFFFB030u;
    if (young && std::abs(dx) == 1 && std::abs(dy) == 1) return 0xFFFF9028u;
    return 0;
}

}  // namespace

void ShowImpactSpark(float x, float y) {
    auto& sparks = Sparks();
    if (sparks.size() >= kMaxSparks) sparks.erase(sparks.begin());
    sparks.push_back({static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y)), 0});
}

void DrawImpactSparks(platform::PixelSurface& field) {
    auto& sparks = Sparks();
    for (ImpactSpark& spark : sparks) {
        const bool young = spark.age < kImpactSparkFrames / 2;
        for (int dy = -2; dy <= 2; ++dy) {
            for (int dx = -2; dx <= 2; ++dx) {
                const int x = spark.x + dx, y = spark.y + dy;
                const uint32_t colour = SparkColour(dx, dy, young);
                if (colour == 0 || x < 0 || y < 0 || x >= field.width || y >= field.height)
                    continue;
                field.at(x, y) = colour;
            }
        }
        ++spark.age;
    }
    std::erase_if(sparks, [](const ImpactSpark& s) { return s.age >= kImpactSparkFrames; });
}

const std::vector<ImpactSpark>& ImpactSparks() {
    return Sparks();
}

void ForgetImpactSparks() {
    Sparks().clear();
}

}  // namespace game
