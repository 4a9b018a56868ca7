// The cave's acts: eight levels an act, acts I to X, the last act also
// holding the last hall, level 80; the hidden refuge, level 81, reached
// from level 55, belongs to act VII.  A campaign pack is told in acts the
// same way.
#pragma once

#include <cstdint>

namespace game {

inline constexpr int kActCount = 10;

// The act (0 = act I) a level belongs to.
inline constexpr int ActOfLevel(int32_t level) {
    if (level == 81) return 6;
    if (level < 0) return 0;
    return level >= 72 ? kActCount - 1 : static_cast<int>(level / 8);
}

// "I" to "X".
inline constexpr const char* ActNumeral(int act) {
    constexpr const char* kNumerals[kActCount] = {"I",  "II",  "III",  "IV", "V",
                                                  "VI", "VII", "VIII", "IX", "X"};
    return act >= 0 && act < kActCount ? kNumerals[act] : "?";
}

}  // namespace game
