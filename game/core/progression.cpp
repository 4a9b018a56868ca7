#include "game/core/progression.h"

#include <cmath>

#include "game/core/game_state.h"

namespace game {

std::string FormatGrouped(int64_t value) {
    std::string digits = std::to_string(value < 0 ? -value : value);
    std::string out;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out.push_back(' ');
        out.push_back(digits[i]);
    }
    return value < 0 ? "-" + out : out;
}

int32_t NextLevelExperience() {
    int32_t next = static_cast<int32_t>(HeroLevel) + 1;
    return next * next * 100;
}

StatusCaptions CurrentStatusCaptions() {
    return StatusCaptions{
        std::to_string(Lives),
        std::to_string(MaxLives),
        FormatGrouped(Experience),
        FormatGrouped(NextLevelExperience()),
        FormatGrouped(Gold),
        std::to_string(HeroLevel + 1),
        std::to_string(MissileStrength),
        std::to_string(MissileRange / 5),
        std::to_string(BombStrength),
        std::to_string(BombRange / 5),
        // The whole part of the speed times ten (0.6 shows 6).
        std::to_string(static_cast<int>(std::trunc(HeroSpeed * 10.0f))),
    };
}

void UpdateStatus() {
    Windows().ShowStatus(CurrentStatusCaptions());
}

}  // namespace game
