// Pixels as players with other colour vision see them, for the tests that
// check the game tells nothing by hue alone.  The simulations are those of
// G. M. Machado, M. M. Oliveira and L. A. F. Fernandes, "A
// Physiologically-based Model for Simulation of Color Vision Deficiency",
// IEEE Transactions on Visualization and Computer Graphics 15(6), 2009,
// pp. 1291-1298: the authors' published matrices for severity 1.0
// (protanopia, deuteranopia, tritanopia), applied to linear RGB.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace testing_support {

struct Vision {
    const char* name;
    double matrix[3][3];
};

inline constexpr Vision kVisions[] = {
    {"normal vision", {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}},
    {"protanopia",
     {{0.152286, 1.052583, -0.204868},
      {0.114503, 0.786281, 0.099216},
      {-0.003882, -0.048116, 1.051998}}},
    {"deuteranopia",
     {{0.367322, 0.860646, -0.227968},
      {0.280085, 0.672501, 0.047413},
      {-0.011820, 0.042940, 0.968881}}},
    {"tritanopia",
     {{1.255528, -0.076749, -0.178779},
      {-0.078411, 0.930809, 0.147602},
      {0.004733, 0.691367, 0.303900}}},
};

// An sRGB channel (0 to 255) as linear light.
inline double LinearChannel(uint32_t channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// The relative luminance (WCAG) of a pixel 0x..RRGGBB as the vision sees it.
inline double Luminance(uint32_t pixel, const Vision& vision) {
    const double rgb[3] = {LinearChannel((pixel >> 16) & 0xFF), LinearChannel((pixel >> 8) & 0xFF),
                           LinearChannel(pixel & 0xFF)};
    double seen[3];
    for (int i = 0; i < 3; ++i) {
        const double* row = vision.matrix[i];
        seen[i] = std::clamp(row[0] * rgb[0] + row[1] * rgb[1] + row[2] * rgb[2], 0.0, 1.0);
    }
    return 0.2126 * seen[0] + 0.7152 * seen[1] + 0.0722 * seen[2];
}

// WCAG's contrast ratio of two relative luminances, 1 to 21.
inline double Contrast(double a, double b) {
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

}  // namespace testing_support
