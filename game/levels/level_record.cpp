#include "game/levels/level_record.h"

#include <algorithm>
#include <cmath>

#include "game/levels/keyed_string.h"

namespace game {
namespace {

bool Refuse(std::string* why, std::string reason) {
    if (why) *why = std::move(reason);
    return false;
}

// A 16-bit count of records of the given size that must fit in the rest of
// the data.
bool ReadCount(ByteReader& in, size_t recordBytes, int16_t& count) {
    if (!in.Int16(count) || count < 0) return false;
    return in.Remaining() / recordBytes >= static_cast<size_t>(count);
}

}  // namespace

std::string LevelHeader(int32_t number) {
    return "level" + std::to_string(number);
}

void WriteLevelRecord(ByteWriter& out, int32_t number, const LevelRecord& level) {
    WriteKeyedString(out, LevelHeader(number), LevelHeaderKey());
    for (const TileRecord& tile : level.tiles) {
        out.Int16(tile.Picture);
        out.Int16(tile.Kind);
        out.Int16(tile.Revealed);
        WriteKeyedString(out, tile.Param1, TileTextKey());
        WriteKeyedString(out, tile.Param2, TileTextKey());
    }
    // Counts are 16-bit: a longer list could not be read back whole.
    const size_t monsters = std::min<size_t>(level.monsters.size(), kMaxRecordCount);
    out.Int16(static_cast<int16_t>(monsters));
    for (size_t i = 0; i < monsters; ++i) {
        const MonsterRecord& m = level.monsters[i];
        out.Float32(m.X);
        out.Float32(m.Y);
        out.Int16(m.Picture);
        out.Int16(m.Kind);
        out.Int16(m.Damage);
        out.Int16(m.HitPoints);
    }
    const size_t items = std::min<size_t>(level.items.size(), kMaxRecordCount);
    out.Int16(static_cast<int16_t>(items));
    for (size_t i = 0; i < items; ++i) {
        const ItemRecord& item = level.items[i];
        out.Int16(item.X);
        out.Int16(item.Y);
        out.Int16(item.Picture);
        out.Int16(item.Kind);
    }
}

bool ReadLevelRecord(ByteReader& in, int32_t number, LevelRecord& level, std::string* why) {
    std::string header;
    if (!ReadKeyedString(in, header)) return Refuse(why, "the level header is damaged");
    if (header != LevelHeader(number))
        return Refuse(
            why, "the header is \"" + header + "\" instead of \"" + LevelHeader(number) + "\"");

    for (size_t t = 0; t < level.tiles.size(); ++t) {
        TileRecord& tile = level.tiles[t];
        if (!in.Int16(tile.Picture) || !in.Int16(tile.Kind) || !in.Int16(tile.Revealed) ||
            !ReadKeyedString(in, tile.Param1) || !ReadKeyedString(in, tile.Param2))
            return Refuse(why, "tile " + std::to_string(t) + " is damaged or missing");
    }

    int16_t count = 0;
    if (!ReadCount(in, kMonsterRecordBytes, count))
        return Refuse(why, "the monster count is damaged");
    level.monsters.assign(static_cast<size_t>(count), MonsterRecord{});
    for (MonsterRecord& m : level.monsters) {
        in.Float32(m.X);
        in.Float32(m.Y);
        in.Int16(m.Picture);
        in.Int16(m.Kind);
        in.Int16(m.Damage);
        in.Int16(m.HitPoints);
        if (!std::isfinite(m.X) || !std::isfinite(m.Y))
            return Refuse(why, "a monster's position is not a number");
    }

    if (!ReadCount(in, kItemRecordBytes, count)) return Refuse(why, "the item count is damaged");
    level.items.assign(static_cast<size_t>(count), ItemRecord{});
    for (ItemRecord& item : level.items) {
        in.Int16(item.X);
        in.Int16(item.Y);
        in.Int16(item.Picture);
        in.Int16(item.Kind);
    }
    return true;
}

}  // namespace game
