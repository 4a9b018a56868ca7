#include "game/core/difficulty.h"

#include <limits>

#include "game/core/rules_version.h"

namespace game {

int32_t LivesTaken(Difficulty difficulty, int32_t n) {
    if (difficulty != Difficulty::kEasy || n <= 0) return n;
    return n / 2 + n % 2;
}

int32_t LivesHealed(Difficulty difficulty, int32_t n) {
    if (difficulty != Difficulty::kEasy || n <= 0) return n;
    constexpr int32_t kLargest = std::numeric_limits<int32_t>::max();
    return n > kLargest / 2 ? kLargest : 2 * n;
}

BlowPace PaceOfBlows(Difficulty difficulty) {
    if (difficulty != Difficulty::kEasy || !RulesHave(RuleChange::kEasyGameSpacesBlows)) return {};
    return BlowPace{.contactRepeat = 2.5f, .trapRepeat = 2.5f, .grace = 0.5f};
}

}  // namespace game
