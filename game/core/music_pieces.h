// The soundtrack's pieces as the build renders them into data/hudba/<name>.ogg
// (from assets/music/<name>.score), and which of them a level plays.
#pragma once

#include <cstdint>

#include "game/core/acts.h"

namespace game {

// The folder under data/ that holds the pieces.
inline constexpr const char* kMusicFolder = "hudba";

struct MusicPiece {
    const char* name;  // file name without ".ogg"
    bool loops;        // false: plays once and stops
};

inline constexpr MusicPiece kMusicMenu{"menu", true};
inline constexpr MusicPiece kMusicGameOver{"game_over", false};
inline constexpr MusicPiece kMusicEnding{"ending", true};
// One piece an act, acts I to X in order.
inline constexpr MusicPiece kMusicActs[10] = {
    {"act1", true}, {"act2", true}, {"act3", true}, {"act4", true}, {"act5", true},
    {"act6", true}, {"act7", true}, {"act8", true}, {"act9", true}, {"act10", true}};

// Every piece, once.
inline constexpr MusicPiece kMusicPieces[13] = {
    kMusicMenu,    kMusicActs[0],  kMusicActs[1], kMusicActs[2], kMusicActs[3],
    kMusicActs[4], kMusicActs[5],  kMusicActs[6], kMusicActs[7], kMusicActs[8],
    kMusicActs[9], kMusicGameOver, kMusicEnding};

// The act's piece (acts.h).
inline constexpr int MusicActOfLevel(int32_t level) {
    return ActOfLevel(level);
}

inline constexpr const MusicPiece& MusicForLevel(int32_t level) {
    return kMusicActs[MusicActOfLevel(level)];
}

}  // namespace game
