#include "game/play/tried_level.h"

#include <array>
#include <cstdio>
#include <optional>
#include <utility>

#include "game/core/game_state.h"
#include "game/core/monster_motion.h"
#include "game/core/play_observer.h"
#include "game/core/terminal.h"
#include "game/levels/level_files.h"
#include "game/levels/working_levels.h"
#include "game/platform/file_io.h"
#include "game/platform/shown_text.h"
#include "game/world/walls.h"

namespace game {
namespace {

std::optional<TriedLevelChange> waiting;

// The hero's box is 15 pixels square from his top left corner.
constexpr float kHeroReach = 14.0f;

bool WallAt(const LevelRecord& level, float x, float y) {
    const int32_t t = TileIndexOf(x, y);
    return IsTileIndex(t) && IsWallKind(level.tiles[static_cast<size_t>(t)].Kind);
}

void PlaceHeroOnTile(int32_t t) {
    HeroX = static_cast<float>(Tiles[t].X + 2);
    HeroY = static_cast<float>(Tiles[t].Y + 2);
}

// The level in play becomes the new version.
void ReplaceLevelInPlay(const TriedLevelChange& change) {
    std::array<bool, kTileCount> seen{};
    for (int t = 0; t < kTileCount; ++t)
        seen[t] = Tiles[t].Revealed == kTrue;
    ResetLevelLists();
    UseLevelRecord(change.level);
    for (int t = 0; t < kTileCount; ++t)
        if (seen[t]) Tiles[t].Revealed = kTrue;
    for (int16_t i = 0; i < MonsterCount; ++i)
        PickRandomDirection(i);

    const int32_t heroTile = TileIndexOf(HeroX + 7.0f, HeroY + 7.0f);
    switch (HeroMoveAfterChange(change.level, HeroX, HeroY)) {
        case HeroMove::kStays:
            return;
        case HeroMove::kOntoHisTile:
            PlaceHeroOnTile(heroTile);
            return;
        case HeroMove::kToStartTile:
            PlaceHeroOnTile(change.startTile);
            // The tile he is put on does not act as if he had walked onto it.
            LastHeroTile = change.startTile;
            return;
    }
}

// The level elsewhere: its working file, which the hero finds when he comes.
void ReplaceWorkingFile(const TriedLevelChange& change) {
    ByteWriter out;
    WriteLevelRecord(out, change.number, change.level);
    NoteWorkingLevelsChanged();
    std::string why;
    if (!WriteWholeFile(LevelFilePath(change.number), out.Bytes(), false, &why))
        Tell(kLevelFileNotWrittenLine, {LevelFilePath(change.number), why});
}

}  // namespace

HeroMove HeroMoveAfterChange(const LevelRecord& level, float heroX, float heroY) {
    if (WallAt(level, heroX + 7.0f, heroY + 7.0f)) return HeroMove::kToStartTile;
    for (float dx : {0.0f, kHeroReach})
        for (float dy : {0.0f, kHeroReach})
            if (WallAt(level, heroX + dx, heroY + dy)) return HeroMove::kOntoHisTile;
    return HeroMove::kStays;
}

void OfferTriedLevelChange(TriedLevelChange change) {
    waiting = std::move(change);
}

bool TriedLevelChangeWaits() {
    return waiting.has_value();
}

bool PutInWaitingLevelChange() {
    if (!waiting) return false;
    const TriedLevelChange change = std::move(*waiting);
    waiting.reset();
    NewGameTile = change.startTile;
    // A dying hero's game has no working levels left to change; the next
    // game begins on the new version.
    if (HeroDead || ShutdownRequested || UnpackedLevelCount <= change.number) return false;
    PlayObserver* observer = CurrentPlayObserver();
    if (observer) observer->GameChanging();
    if (LevelNumber == change.number)
        ReplaceLevelInPlay(change);
    else
        ReplaceWorkingFile(change);
    if (observer) observer->GameChanged();
    return true;
}

}  // namespace game
