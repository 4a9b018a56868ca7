#include "game/core/progression.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "game/core/game_state.h"
#include "game/core/messages.h"
#include "game/core/rules_version.h"
#include "game/platform/numbers.h"
#include "game/platform/random.h"
#include "game/platform/rounding.h"
#include "game/platform/shown_text.h"

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

std::string FormatStatusGrouped(int64_t value) {
    return value == 0 ? std::string() : FormatGrouped(value);
}

std::string FormatRangeScale(int32_t pixels) {
    // Tenths, exactly: a fifth is two tenths.
    const int64_t tenths = static_cast<int64_t>(pixels) * 2;
    const int64_t magnitude = tenths < 0 ? -tenths : tenths;
    std::string text = std::to_string(magnitude / 10);
    if (magnitude % 10 != 0) text += "." + std::to_string(magnitude % 10);
    return tenths < 0 ? "-" + text : text;
}

int32_t NextLevelExperience() {
    const int64_t next = static_cast<int64_t>(HeroLevel) + 1;
    return static_cast<int32_t>(std::min<int64_t>(next * next * 100, INT32_MAX));
}

StatusCaptions CurrentStatusCaptions() {
    return StatusCaptions{
        std::to_string(Lives),
        std::to_string(MaxLives),
        FormatStatusGrouped(Experience),
        FormatStatusGrouped(NextLevelExperience()),
        FormatStatusGrouped(Gold),
        std::to_string(HeroLevel + 1),
        std::to_string(MissileStrength),
        FormatRangeScale(MissileRange),
        std::to_string(BombStrength),
        FormatRangeScale(BombRange),
        // The whole part of the speed times ten (0.6 shows 6).  Each speed
        // pick-up adds 0.1 to a float, which drifts just below the tenth after
        // many of them (2.39999986 after eighteen); a hair's tolerance keeps
        // the panel counting every one.
        std::to_string(static_cast<int>(std::trunc(static_cast<double>(HeroSpeed) * 10.0 + 1e-3))),
    };
}

void UpdateStatus() {
    Windows().ShowStatus(CurrentStatusCaptions());
}

bool CheckLevelUp() {
    // One level per call, even when the experience would do for several.
    // A dead hero rises no more (under the first rules he still did).
    if (HeroDead && RulesHave(RuleChange::kDeadHeroGainsNothing)) return false;
    if (Experience < NextLevelExperience() || HeroLevel == INT16_MAX) return false;
    HeroLevel = static_cast<int16_t>(HeroLevel + 1);
    int16_t gain = platform::CInt(5.0f * platform::Rnd() + 5.0f);
    MaxLives = static_cast<int16_t>(std::min<int32_t>(MaxLives + gain, INT16_MAX));
    Lives = MaxLives;
    AddFloatText(HeroX + 7.0f, HeroY + 7.0f,
                 CountedText(SHOWN_COUNTED_TEXT("Rules", "Úroveň %n"), HeroLevel + 1),
                 Rgb(0, 200, 255));
    AddLogLine(SHOWN_TEXT("Rules", "Postoupil jsi na úroveň!"));
    AddLogLine(CountedText(SHOWN_COUNTED_TEXT("Rules", "Získal jsi %n životů..."), gain));
    return true;
}

bool LivesLow(int32_t lives, int32_t maxLives) {
    return lives <= std::max(maxLives / 4, 3);
}

bool LivesLow() {
    return LivesLow(Lives, MaxLives);
}

}  // namespace game
