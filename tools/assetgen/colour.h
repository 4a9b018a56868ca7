#pragma once

#include <QColor>
#include <QRgb>

namespace assetgen {

class Rng;

// Colour arithmetic for the whole art set.  Light falls from the top left:
// lit sides turn warmer, shaded sides cooler, so every picture shares one
// lighting.
QRgb Rgb(int r, int g, int b);
QRgb Mix(QRgb a, QRgb b, double t);
QRgb Scale(QRgb c, double factor);
QRgb Lit(QRgb c, double amount = 1.0);
QRgb Shaded(QRgb c, double amount = 1.0);
// A small random change of brightness, for stone and earth.
QRgb Vary(QRgb c, double spread, Rng& rng);

// The shared palette: one dungeon, a few materials.
namespace pal {
inline const QRgb kOutline = 0xFF0A090C;
inline const QRgb kStone = 0xFF7A7670;      // dressed stone of frames and furniture
inline const QRgb kStoneDark = 0xFF4E4B48;  // basalt and deep rock
inline const QRgb kRock = 0xFF6E6458;       // raw cave rock
// Walls are light and floors dark, so that one never passes for the other.
inline const QRgb kWallStone = 0xFF968E82;  // bricks of the walls
inline const QRgb kWallRock = 0xFF86786A;   // cave rock walls
inline const QRgb kFloor = 0xFF2E2C2A;      // flagstones
inline const QRgb kEarth = 0xFF3A2E24;      // cave floor
inline const QRgb kMortar = 0xFF1A1817;
inline const QRgb kWood = 0xFF7A5030;
inline const QRgb kWoodDark = 0xFF4E321E;
inline const QRgb kIron = 0xFF6A6E78;
inline const QRgb kRust = 0xFF7A4A2E;
inline const QRgb kMoss = 0xFF3E6A2E;
inline const QRgb kWater = 0xFF1E4A7A;
inline const QRgb kGold = 0xFFE8B830;
inline const QRgb kBlood = 0xFFB01E1E;
inline const QRgb kBone = 0xFFD8CCA8;
}  // namespace pal

}  // namespace assetgen
