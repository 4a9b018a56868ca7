#include "game/levels/level_files.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <vector>

#include "game/core/game_state.h"
#include "game/core/monster_motion.h"
#include "game/core/terminal.h"
#include "game/levels/load_failure.h"
#include "game/levels/working_levels.h"
#include "game/platform/file_io.h"
#include "game/platform/private_folder.h"
#include "game/platform/shown_text.h"

namespace game {

void ResetLevelLists() {
    ClearList(Missiles, MissileCount);
    ClearList(Explosions, ExplosionCount);
    ClearList(TileEffects, TileEffectCount);
    ClearList(Fragments, FragmentCount);
    // The blast ends with its fragments; a mark left behind would make the
    // hero or a tile immune to the next bomb, in this level or another.
    ClearBlastMarks();
    ClearList(FloatTexts, FloatTextCount);
    // The readers set the monster and item counts; until they do, the counts
    // agree with the emptied lists, so nothing can walk past their end.
    ClearList(Monsters, MonsterCount);
    ClearList(Items, ItemCount);
    MonsterRects.assign(1, Rect{});
    BombArmed = false;
    BombTime = 0;
    BombStage = 0;
}

LevelRecord CurrentLevelRecord() {
    LevelRecord level;
    for (size_t t = 0; t < level.tiles.size(); ++t) {
        const Tile& tile = Tiles[t];
        level.tiles[t] = {tile.Picture, tile.Kind, tile.Revealed, tile.Param1, tile.Param2};
    }
    const size_t monsters =
        std::min(static_cast<size_t>(std::max<int16_t>(MonsterCount, 0)), Monsters.size());
    for (size_t i = 0; i < monsters; ++i) {
        const Monster& m = Monsters[i];
        level.monsters.push_back({m.X, m.Y, m.Picture, m.Kind, m.Damage, m.HitPoints});
    }
    const size_t items =
        std::min(static_cast<size_t>(std::max<int16_t>(ItemCount, 0)), Items.size());
    for (size_t i = 0; i < items; ++i) {
        const Item& item = Items[i];
        level.items.push_back({item.X, item.Y, item.Picture, item.Kind});
    }
    return level;
}

void UseLevelRecord(const LevelRecord& level) {
    for (size_t t = 0; t < level.tiles.size(); ++t) {
        const TileRecord& stored = level.tiles[t];
        Tile& tile = Tiles[t];
        tile.Picture = stored.Picture;
        tile.Kind = stored.Kind;
        tile.Revealed = stored.Revealed;
        tile.Param1 = stored.Param1;
        tile.Param2 = stored.Param2;
    }

    MonsterCount = static_cast<int16_t>(level.monsters.size());
    Monsters.assign(std::max<size_t>(level.monsters.size(), 1), Monster{});
    MonsterRects.assign(Monsters.size(), Rect{});
    for (size_t i = 0; i < level.monsters.size(); ++i) {
        const MonsterRecord& stored = level.monsters[i];
        Monster& m = Monsters[i];
        m.X = stored.X;
        m.Y = stored.Y;
        m.Picture = stored.Picture;
        m.Kind = stored.Kind;
        m.Damage = stored.Damage;
        m.HitPoints = stored.HitPoints;
    }

    ItemCount = static_cast<int16_t>(level.items.size());
    Items.assign(std::max<size_t>(level.items.size(), 1), Item{});
    for (size_t i = 0; i < level.items.size(); ++i) {
        const ItemRecord& stored = level.items[i];
        Items[i] = {stored.X, stored.Y, stored.Picture, stored.Kind};
    }
}

bool LoadLevel(int32_t number) {
    ResetLevelLists();
    if (HeroDead || ShutdownRequested) return false;

    const std::string path = LevelFilePath(number);
    std::vector<uint8_t> bytes;
    ReadWholeFile(path, bytes);  // a missing file reads as empty and fails its header
    ByteReader in(bytes);
    LevelRecord level;
    std::string why;
    if (!ReadLevelRecord(in, number, level, &why)) {
        RefuseDamagedFile(kLevelErrorTitle, path, why);
        return false;
    }
    UseLevelRecord(level);
    for (int16_t i = 0; i < MonsterCount; ++i)
        PickRandomDirection(i);
    return true;
}

bool StoreLevel(int32_t number) {
    if (ShutdownRequested) return false;  // the working levels are gone for good
    ByteWriter out;
    out.Reserve(16 * 1024);
    WriteLevelRecord(out, number, CurrentLevelRecord());

    std::error_code ec;
    platform::MakePrivateFolder(WorkingLevelsFolder());
    const std::string path = LevelFilePath(number);
    // Written beside and renamed over the old file: a full disk keeps the
    // level as it was rather than a half file.  The working levels die with
    // the run, so they are not flushed to the disk (a flush would stall the
    // frame in which the hero leaves a level).
    NoteWorkingLevelsChanged();
    std::string why;
    if (!WriteWholeFile(path, out.Bytes(), false, &why)) {
        Tell(kLevelFileNotWrittenLine, {path, why});
        return false;
    }
    return true;
}

}  // namespace game
