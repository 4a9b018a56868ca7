// The tile kinds, and their names as the level designers write them in the
// campaign's sources and see them in Tiled maps.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace game {

inline constexpr int16_t kFloor = 0, kSolidWall = 1, kDestructibleWall = 2, kSign = 3,
                         kTeleport = 4, kLevelExit = 5, kMechanism = 6, kTrapFloor = 7,
                         kMessageScreen = 8;

// The name of kind k is kTileKindNames[k].
inline constexpr std::array<std::string_view, 9> kTileKindNames = {
    "floor", "wall", "breakable", "sign", "teleport", "exit", "mechanism", "trap", "message"};

// The pictures of the tile sheet that show a wall giving way (cracked
// bricks, boulders, a barricade, a crystal vein).  A destructible wall that
// shows any other picture looks like every other wall: it hides a way, a
// secret for the records.
inline constexpr int16_t kFirstBreakablePicture = 21, kLastBreakablePicture = 24;
inline constexpr bool IsHiddenWall(int16_t kind, int16_t picture) {
    return kind == kDestructibleWall &&
           (picture < kFirstBreakablePicture || picture > kLastBreakablePicture);
}

}  // namespace game
