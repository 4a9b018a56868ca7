// The game's whole running state: plain records, the globals every routine
// shares, and the small list operations all the rules use.  Everything lives
// on the user-interface thread; nothing is locked.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "game/core/campaign_places.h"
#include "game/core/difficulty.h"
#include "game/core/tile_kinds.h"
#include "game/platform/file_places.h"
#include "tembra/soundsys.h"

namespace game {

// A Boolean that is stored in files or compared with -1: True is -1.
inline constexpr int16_t kTrue = -1;
inline constexpr int16_t kFalse = 0;

inline constexpr int kGridSize = 25;
inline constexpr int kTileCount = kGridSize * kGridSize;  // tiles 0 to 624
inline constexpr int kTileSize = 20;
inline constexpr int kFieldSize = 500;

struct Tile {
    int16_t X = 0;  // left edge in pixels, set once at start-up
    int16_t Y = 0;
    int16_t Picture = 0;  // 0: nothing is drawn
    int16_t Kind = 0;
    std::string Param1;
    std::string Param2;
    int16_t Revealed = kFalse;  // kTrue once seen
    bool BlastHit = false;

    bool operator==(const Tile&) const = default;
};

struct Monster {
    float X = 0, Y = 0;
    int16_t Picture = 0;
    int16_t Kind = 0;
    int16_t HitPoints = 0;
    int16_t Damage = 0;
    float DX = 0, DY = 0;
    bool Chasing = false;
    float LastHitTime = 0;
    bool InContact = false;
    bool BlastHit = false;

    bool operator==(const Monster&) const = default;
};

struct Item {
    int16_t X = 0, Y = 0;
    int16_t Picture = 0;
    int16_t Kind = 0;

    bool operator==(const Item&) const = default;
};

// Hero missiles and bomb fragments.
struct Projectile {
    float X = 0, Y = 0;
    float StartX = 0, StartY = 0;
    float DX = 0, DY = 0;

    bool operator==(const Projectile&) const = default;
};

// Explosions and tile effects.
struct Animation {
    int16_t X = 0, Y = 0;
    int16_t Tick = 0;
    int16_t Frame = 0;

    bool operator==(const Animation&) const = default;
};

struct FloatText {
    float X = 0, Y = 0;
    int16_t Age = 0;
    std::string Text;    // as shown in Czech
    int32_t Colour = 0;  // red + 256 green + 65536 blue
    // The Czech template the text was made from and its number, or the
    // level's text before its keys were named (see PlayerText).  Only the
    // windows read them, to show the text in another language.
    std::string Pattern;
    int32_t Number = 0;
    bool FromLevel = false;

    bool operator==(const FloatText&) const = default;
};

// A picture sheet in memory: a device context with its bitmap.
struct Surface {
    int32_t Dc = 0;
    int32_t Bitmap = 0;
    int16_t Width = 0;
    int16_t Height = 0;

    bool operator==(const Surface&) const = default;
};

// Left and top inclusive, right and bottom exclusive.
struct Rect {
    int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;

    bool operator==(const Rect&) const = default;
};

// Colours the rules use, as red + 256 green + 65536 blue.
constexpr int32_t Rgb(int r, int g, int b) {
    return r + 256 * g + 65536 * b;
}

// ---------------------------------------------------------------------------
// Globals.  Each is said once, in the list below: its type, its name and its
// value at the program's start.  The list makes both the declarations and
// ResetGameState, so a global added to it is reset with the others.
// Growable lists are arrays with a separate count; an empty list keeps one
// entry at index 0 that does not count.

using platform::FilePlaces;
// Names for the types with a comma, which a macro's argument cannot hold.
using TileGrid = std::array<Tile, kTileCount>;
using SoundSlotList = std::array<int16_t, 10>;

template <typename T>
std::vector<T> EmptyList() {
    return std::vector<T>(1);
}

#define KARVELUN_GAME_GLOBALS(X)                                                              \
    /* Where the data, settings, saves, working levels and recordings lie this run. */        \
    X(FilePlaces, Places, FilePlaces{})                                                       \
                                                                                              \
    X(std::vector<Surface>, Surfaces, EmptyList<Surface>())                                   \
    X(int16_t, SurfaceCount, 0)                                                               \
                                                                                              \
    X(TileGrid, Tiles, TileGrid{})                                                            \
                                                                                              \
    X(std::vector<Monster>, Monsters, EmptyList<Monster>())                                   \
    X(int16_t, MonsterCount, 0)                                                               \
    X(std::vector<Rect>, MonsterRects, EmptyList<Rect>())                                     \
                                                                                              \
    X(std::vector<Item>, Items, EmptyList<Item>())                                            \
    X(int16_t, ItemCount, 0)                                                                  \
                                                                                              \
    X(int32_t, LevelNumber, 0)                                                                \
    /* Where a new game begins; a tried level (karvelun --level) begins elsewhere. */         \
    X(int32_t, NewGameLevel, 0)                                                               \
    X(int16_t, NewGameTile, kNewGameTile)                                                     \
                                                                                              \
    X(float, HeroX, 0)                                                                        \
    X(float, HeroY, 0)                                                                        \
    X(int16_t, HeroFacing, 0) /* 0 down, 1 up, 2 right, 3 left */                             \
    X(float, HeroStepX, 0)                                                                    \
    X(float, HeroStepY, 0)                                                                    \
    X(float, HeroSpeed, 0)                                                                    \
    X(bool, KeyUpHeld, false)                                                                 \
    X(bool, KeyDownHeld, false)                                                               \
    X(bool, KeyLeftHeld, false)                                                               \
    X(bool, KeyRightHeld, false)                                                              \
    X(bool, FireHeld, false)                                                                  \
                                                                                              \
    X(int16_t, Lives, 0)                                                                      \
    X(int16_t, MaxLives, 0)                                                                   \
    X(int32_t, Gold, 0)                                                                       \
    X(int32_t, Experience, 0)                                                                 \
    X(int16_t, HeroLevel, 0)                                                                  \
                                                                                              \
    X(int16_t, MissileStrength, 0)                                                            \
    X(int16_t, MissileRange, 0)                                                               \
    X(int16_t, MissileCooldown, 0)                                                            \
    X(bool, BombArmed, false)                                                                 \
    X(float, BombTime, 0)                                                                     \
    X(int16_t, BombX, 0)                                                                      \
    X(int16_t, BombY, 0)                                                                      \
    X(int16_t, BombStage, 0)                                                                  \
    X(int16_t, BombStrength, 0)                                                               \
    X(int16_t, BombRange, 0)                                                                  \
    X(bool, HeroBlastHit, false)                                                              \
    X(bool, HeroDead, false)                                                                  \
    /* Help round corners (the PomocNaRozich setting): a hero held up by a wall's corner */   \
    /* slides toward the opening beside it.  Off, he moves as he always did. */               \
    X(bool, CornerSlideOn, true)                                                              \
    /* The game under way, easy or normal as it was begun: a save and a recording keep it, */ \
    /* and a loaded or replayed game plays as it was. */                                      \
    X(Difficulty, GameDifficulty, Difficulty::kNormal)                                        \
    /* The Obtiznost setting as the player chose it: what the next new game is. */            \
    X(Difficulty, ChosenDifficulty, Difficulty::kNormal)                                      \
                                                                                              \
    X(std::vector<Projectile>, Missiles, EmptyList<Projectile>())                             \
    X(int16_t, MissileCount, 0)                                                               \
    X(std::vector<Projectile>, Fragments, EmptyList<Projectile>())                            \
    X(int16_t, FragmentCount, 0)                                                              \
    X(std::vector<Animation>, Explosions, EmptyList<Animation>())                             \
    X(int16_t, ExplosionCount, 0)                                                             \
    X(std::vector<Animation>, TileEffects, EmptyList<Animation>())                            \
    X(int16_t, TileEffectCount, 0)                                                            \
    X(std::vector<FloatText>, FloatTexts, EmptyList<FloatText>())                             \
    X(int16_t, FloatTextCount, 0)                                                             \
                                                                                              \
    /* Levels of the package last unpacked into the working folder: the fresh campaign at */  \
    /* a new game, the save at a load.  A save packs exactly these. */                        \
    X(int32_t, UnpackedLevelCount, 0)                                                         \
                                                                                              \
    X(int16_t, LastHeroTile, 0)                                                               \
    X(float, TrapTime, 0)                                                                     \
                                                                                              \
    X(bool, Paused, false)                                                                    \
    X(bool, GameSuspended, false)                                                             \
    X(bool, CanResume, false)                                                                 \
    X(bool, CanSave, false)                                                                   \
    X(bool, CheatMode, false)                                                                 \
                                                                                              \
    /* The sound library's object; created at start-up only when sound is on. */              \
    X(tembra::_SoundSys*, Sound, nullptr)                                                     \
    X(SoundSlotList, SoundSlots, SoundSlotList{})                                             \
    X(bool, SoundOn, false)                                                                   \
    X(float, Volume, 0)                                                                       \
    X(int16_t, TickDelay, 0)                                                                  \
                                                                                              \
    /* Set when the program is shutting down: loops and modal waits leave at once and no */   \
    /* rule runs on the freed state afterwards. */                                            \
    X(bool, ShutdownRequested, false)

#define KARVELUN_DECLARE_GAME_GLOBAL(type, name, start) inline type name = start;
KARVELUN_GAME_GLOBALS(KARVELUN_DECLARE_GAME_GLOBAL)
#undef KARVELUN_DECLARE_GAME_GLOBAL

// ---------------------------------------------------------------------------
// Sound cues: SoundSlots entry, file under data/zvuky.
enum Cue : int16_t {
    kCueHurt = 0,       // death.wav
    kCueBoom = 1,       // bum.wav
    kCueHit = 2,        // killing.wav
    kCueImpact = 3,     // impact.wav
    kCueButton = 4,     // tlacitko.wav
    kCueCountdown = 5,  // puma.wav
    kCueMissile = 6,    // magic.wav
    kCueNew = 7,        // new.wav
    kCueClick = 8,      // click.wav
    kCueHeartbeat = 9,  // heartbeat.wav
};
const char* CueFile(int16_t slot);

// ---------------------------------------------------------------------------
// Shared helpers.

// Tile index of a pixel position: each coordinate lowered to a multiple of 20
// (also below zero), then column + 25 * row.  No range check: callers test
// for 0 to 624 themselves.
int32_t TileIndex(int32_t x, int32_t y);
// The same for a float position, each coordinate rounded half to even first.
int32_t TileIndexOf(float x, float y);
inline bool IsTileIndex(int32_t t) {
    return t >= 0 && t < kTileCount;
}

void InitTileCoordinates();
void UpdateMonsterRects();
void AddExplosion(int16_t x, int16_t y);
void AddTileEffect(int16_t x, int16_t y);

void RemoveMissile(int16_t& i);
// Removing the last fragment ends the blast: ClearBlastMarks.
void RemoveFragment(int16_t& i);
// The end of a blast: the hero, every monster and every tile can be hit by
// the next one.  Whenever the fragment list is emptied.
void ClearBlastMarks();
void RemoveItem(int16_t& i);
void RemoveExplosion(int16_t& i);
void RemoveTileEffect(int16_t& i);
void RemoveFloatText(int16_t& i);
void RemoveMonster(int16_t& i);

// The new-game values of the hero.
void ResetHero();

// Empties a list down to its one non-counting entry.
template <typename T>
void ClearList(std::vector<T>& list, int16_t& count) {
    list.assign(1, T{});
    count = 0;
}

// Appends a zeroed entry and returns its index.
template <typename T>
int16_t AppendEntry(std::vector<T>& list, int16_t& count) {
    list.resize(static_cast<size_t>(count) + 1);
    list[count] = T{};
    return count++;
}

// Removal by moving the last entry into the freed index.
template <typename T>
void SwapRemove(std::vector<T>& list, int16_t& count, int16_t i) {
    if (count < 2) {
        ClearList(list, count);
        return;
    }
    if (i < 0 || i >= count) return;
    list[i] = list[count - 1];
    list.resize(static_cast<size_t>(count) - 1);
    --count;
}

// Every global of the list back to its start-of-program value, and the
// built-in campaign played again (tests, and the level tool between runs).
void ResetGameState();

}  // namespace game
