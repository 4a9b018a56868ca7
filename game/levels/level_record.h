// One level as it is stored: the level file level<N>.sc, and each record of
// a level package.  In order: the header "level" + N, 625 tiles, the
// monsters, the items.  Pure format, shared by the game and the level tool.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "game/levels/byte_stream.h"

namespace game {

struct TileRecord {
    int16_t Picture = 0;
    int16_t Kind = 0;
    int16_t Revealed = 0;  // 0 not yet seen, -1 seen
    std::string Param1;
    std::string Param2;
};

// Damage comes before HitPoints in the file.
struct MonsterRecord {
    float X = 0, Y = 0;
    int16_t Picture = 0;
    int16_t Kind = 0;
    int16_t Damage = 0;
    int16_t HitPoints = 0;
};

struct ItemRecord {
    int16_t X = 0, Y = 0;
    int16_t Picture = 0;
    int16_t Kind = 0;
};

struct LevelRecord {
    std::array<TileRecord, 625> tiles;
    std::vector<MonsterRecord> monsters;
    std::vector<ItemRecord> items;
};

inline constexpr size_t kMaxRecordCount = 32767;  // monsters or items in a level
inline constexpr size_t kMonsterRecordBytes = 16;
inline constexpr size_t kItemRecordBytes = 8;
// The smallest level record there can be: a header of six characters
// ("level0"), 625 tiles with empty texts, no monsters and no items.  Bounds
// a package's level count by the bytes that follow it.
inline constexpr size_t kMinLevelRecordBytes = (4 + 6 * 2) + 625 * (3 * 2 + 2 * 4) + 2 + 2;

// "level" followed by the number in decimal: "level0", "level12".
std::string LevelHeader(int32_t number);

// Writes the level under its number with fresh random keys: the header's
// key, then for every tile one key for each of its two texts.
void WriteLevelRecord(ByteWriter& out, int32_t number, const LevelRecord& level);

// Reads a level record that must carry the number's header.  Refuses, with
// the reason in *why, a wrong header and any damage: data that ends early, a
// negative count, a count larger than the rest of the data can hold, a text
// code outside the code page, a monster position that is not a number.
bool ReadLevelRecord(ByteReader& in, int32_t number, LevelRecord& level,
                     std::string* why = nullptr);

}  // namespace game
