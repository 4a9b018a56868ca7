// Float-to-integer conversions of the game: to the nearest integer with halves
// going to the even neighbour (2.5 -> 2, 3.5 -> 4), unless a rule says floor.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace platform {

// Nearest integer, halves to even, as a double (no range limit).
inline double RoundHalfEven(double value) {
    // The default floating-point rounding mode is round-to-nearest-even.
    return std::nearbyint(value);
}

template <typename Int>
Int RoundToInt(double value) {
    double r = RoundHalfEven(value);
    if (std::isnan(r)) return 0;
    // Out-of-range values saturate instead of wrapping into nonsense.
    if (r <= static_cast<double>(std::numeric_limits<Int>::min()))
        return std::numeric_limits<Int>::min();
    if (r >= static_cast<double>(std::numeric_limits<Int>::max()))
        return std::numeric_limits<Int>::max();
    return static_cast<Int>(r);
}

// Integer (16-bit) and Long (32-bit) conversions.
inline int16_t CInt(double value) {
    return RoundToInt<int16_t>(value);
}
inline int32_t CLng(double value) {
    return RoundToInt<int32_t>(value);
}

// Largest integer not above the value, as a Long.
inline int32_t FloorLng(double value) {
    double f = std::floor(value);
    if (std::isnan(f)) return 0;
    if (f <= static_cast<double>(std::numeric_limits<int32_t>::min()))
        return std::numeric_limits<int32_t>::min();
    if (f >= static_cast<double>(std::numeric_limits<int32_t>::max()))
        return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(f);
}

}  // namespace platform
