#include "game/core/game_state.h"

#include <cmath>

#include "game/core/arrivals.h"
#include "game/core/messages.h"
#include "game/core/progression.h"
#include "game/core/rules_version.h"
#include "game/platform/rounding.h"
#include "game/platform/shown_text.h"

namespace game {

const char* CueFile(int16_t slot) {
    static constexpr const char* kFiles[] = {
        "death.wav", "bum.wav",   "killing.wav", "impact.wav", "tlacitko.wav",
        "puma.wav",  "magic.wav", "new.wav",     "click.wav",  "heartbeat.wav"};
    return slot >= 0 && slot < 10 ? kFiles[slot] : "";
}

namespace {

// Lowers a coordinate to the tile it lies in (floor division by 20).
int32_t TileCoordinate(int32_t v) {
    return v >= 0 ? v / kTileSize : -((-v + kTileSize - 1) / kTileSize);
}

}  // namespace

int32_t TileIndex(int32_t x, int32_t y) {
    return TileCoordinate(x) + TileCoordinate(y) * kGridSize;
}

int32_t TileIndexOf(float x, float y) {
    return TileIndex(platform::CInt(x), platform::CInt(y));
}

void InitTileCoordinates() {
    for (int i = 0; i < kTileCount; ++i) {
        Tiles[i].X = static_cast<int16_t>((i % kGridSize) * kTileSize);
        Tiles[i].Y = static_cast<int16_t>((i / kGridSize) * kTileSize);
    }
}

void UpdateMonsterRects() {
    MonsterRects.resize(Monsters.size());
    for (int i = 0; i < MonsterCount; ++i) {
        const Monster& m = Monsters[i];
        MonsterRects[i] = Rect{platform::FloorLng(m.X), platform::FloorLng(m.Y),
                               platform::FloorLng(m.X + 15.0f), platform::FloorLng(m.Y + 15.0f)};
    }
}

void AddExplosion(int16_t x, int16_t y) {
    int16_t i = AppendEntry(Explosions, ExplosionCount);
    Explosions[i] = Animation{static_cast<int16_t>(x - 10), static_cast<int16_t>(y - 10), 0, 0};
}

void AddTileEffect(int16_t x, int16_t y) {
    int16_t i = AppendEntry(TileEffects, TileEffectCount);
    TileEffects[i] = Animation{static_cast<int16_t>(x - 10), static_cast<int16_t>(y - 10), 0, 0};
}

void RemoveMissile(int16_t& i) {
    SwapRemove(Missiles, MissileCount, i);
}

void RemoveFragment(int16_t& i) {
    SwapRemove(Fragments, FragmentCount, i);
    if (FragmentCount == 0) ClearBlastMarks();
}

void ClearBlastMarks() {
    HeroBlastHit = false;
    for (Monster& m : Monsters)
        m.BlastHit = false;
    // Whatever the tile is now: a wall the blast destroyed, or one a
    // mechanism changed, may be a destructible wall again later.
    for (Tile& t : Tiles)
        t.BlastHit = false;
}

void RemoveItem(int16_t& i) {
    SwapRemove(Items, ItemCount, i);
}
void RemoveExplosion(int16_t& i) {
    SwapRemove(Explosions, ExplosionCount, i);
}
void RemoveTileEffect(int16_t& i) {
    SwapRemove(TileEffects, TileEffectCount, i);
}
void RemoveFloatText(int16_t& i) {
    SwapRemove(FloatTexts, FloatTextCount, i);
}

void RemoveMonster(int16_t& i) {
    if (LevelNumber == kLastLevel && CurrentCampaign().BuiltIn()) {
        // Every kill in the last hall shakes it open.
        static const std::string kHallShakes =
            SHOWN_TEXT("Rules", "Zabitím monstra se otřásla celá hala!");
        Tile& gate = Tiles[kHallGateTile];
        gate.Kind = kFloor;
        AddTileEffect(static_cast<int16_t>(gate.X + 10), static_cast<int16_t>(gate.Y + 10));
        AddFloatText(HeroX + 7, HeroY + 7, kHallShakes, Rgb(255, 255, 255));
        AddLogLine(kHallShakes);
    }
    // Only the monster record moves; its rectangle is rebuilt next frame.
    SwapRemove(Monsters, MonsterCount, i);
    MonsterRects.resize(Monsters.size());
}

void ResetHero() {
    HeroDead = false;
    HeroX = Tiles[NewGameTile].X + 2;
    HeroY = Tiles[NewGameTile].Y + 2;
    Lives = 10;
    MaxLives = 10;
    HeroStepX = 0.8f;
    HeroStepY = 0.8f;
    HeroSpeed = 0.6f;
    MissileStrength = 1;
    MissileRange = 35;
    BombStrength = 5;
    BombRange = 30;
    BombArmed = false;
    BombTime = 0;
    HeroBlastHit = false;
    KeyUpHeld = KeyDownHeld = KeyLeftHeld = KeyRightHeld = false;
    FireHeld = false;
    MissileCooldown = 0;
    HeroFacing = 0;
    Experience = 0;
    HeroLevel = 0;
    Gold = 0;
    // A new hero has stood on no tile yet: the tile he starts on acts in the
    // first frame (level 0 greets him there), wherever the last game ended.
    LastHeroTile = -1;
    UpdateStatus();
}

void ResetGameState() {
#define KARVELUN_RESET_GAME_GLOBAL(type, name, start) name = start;
    KARVELUN_GAME_GLOBALS(KARVELUN_RESET_GAME_GLOBAL)
#undef KARVELUN_RESET_GAME_GLOBAL
    PlayBuiltInCampaign();
    // State kept by modules of its own.
    RulesVersion = kNewestRules;
    ForgetArrivals();
}

}  // namespace game
