// The keyed string, the one text encoding of the level, package and position
// files: a 16-bit length L, a 16-bit key K, then L 16-bit codes, each the
// character's Windows-1250 code plus K.  Texts in the game are UTF-8.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "game/levels/byte_stream.h"

namespace game {

// The longest text a keyed string can hold.
inline constexpr size_t kMaxKeyedStringLength = 32767;

// Keys the writers choose, each from a fresh random number r in [0, 1):
// a level record's header r*100+1 rounded (1 to 101), a tile text r*10+1
// rounded (1 to 11), a save file's header the whole part of r*100 (0 to 99).
int16_t LevelHeaderKey();
int16_t TileTextKey();
int16_t SaveHeaderKey();

// Writes the text with the key (0 to 32512, so that every code fits).  A
// character the code page cannot hold is written as "?", and a text longer
// than a keyed string can hold is cut short: the file stays well formed.
void WriteKeyedString(ByteWriter& out, std::string_view text, int16_t key);

// Reads a keyed string with whatever key it carries.  False when the data
// ends early, the length is negative, or a code less its key is not a
// Windows-1250 code (0 to 255).
bool ReadKeyedString(ByteReader& in, std::string& text);

}  // namespace game
