#include "support/busy_level.h"

#include <string>
#include <vector>

#include "game/core/game_state.h"
#include "game/core/messages.h"
#include "game/core/monster_motion.h"
#include "game/levels/level_files.h"
#include "game/platform/clock.h"
#include "game/platform/random.h"
#include "game/world/strelba.h"

namespace testing_support {
namespace {

using namespace game;

// What moves during a frame, as the busy level had it before its first one.
struct MovingThings {
    std::vector<Monster> monsters;
    std::vector<Projectile> missiles;
    std::vector<Projectile> fragments;
    float heroX = 0, heroY = 0;
};
MovingThings busy;

// Keeps a list at most n entries long (what a frame's hits added goes).
template <typename T>
void TrimList(std::vector<T>& list, int16_t& count, int16_t n) {
    if (count <= n) return;
    list.resize(static_cast<size_t>(n));
    count = n;
}

}  // namespace

void BuildBusyLevel() {
    ResetGameState();
    InitTileCoordinates();
    PlaceBusyLevel();
}

void PlaceBusyLevel() {
    platform::Randomize(7);
    ResetHero();
    ResetLevelLists();
    for (int t = 0; t < kTileCount; ++t) {
        Tile& tile = Tiles[t];
        tile.Revealed = kTrue;
        tile.Picture = static_cast<int16_t>(1 + t % 30);
        tile.Kind = kFloor;
        tile.Param1.clear();
        tile.Param2.clear();
        tile.BlastHit = false;
    }
    // Solid walls round the field, destructible ones inside that no blow
    // wears down during a measurement.
    for (int k = 0; k < kGridSize; ++k)
        for (int t : {k, 600 + k, 25 * k, 25 * k + 24})
            Tiles[t].Kind = kSolidWall;
    for (int t : {133, 158, 183, 290, 291, 292, 440, 465, 567, 568}) {
        Tiles[t].Kind = kDestructibleWall;
        Tiles[t].Param1 = "30000";
        Tiles[t].Param2 = "1";
    }
    for (int i = 0; i < 30; ++i) {
        int16_t m = AppendEntry(Monsters, MonsterCount);
        Monsters[m].X = 20.0f + 15.3f * i;
        Monsters[m].Y = 40.0f + 11.7f * (i % 9);
        Monsters[m].Picture = static_cast<int16_t>(i % 8);
        Monsters[m].Kind = static_cast<int16_t>(i % 4);
        Monsters[m].HitPoints = 30000;
        Monsters[m].Damage = 1;
    }
    // Three of them close by the hero: chasing, one touching him.
    const float nearHero[3][2] = {{330.0f, 370.0f}, {300.0f, 390.0f}, {360.0f, 340.0f}};
    for (int i = 0; i < 3; ++i) {
        Monsters[27 + i].X = nearHero[i][0];
        Monsters[27 + i].Y = nearHero[i][1];
        Monsters[27 + i].Kind = 3;
    }
    for (int16_t m = 0; m < MonsterCount; ++m)
        PickRandomDirection(m);
    for (int i = 0; i < 40; ++i) {
        int16_t k = AppendEntry(Items, ItemCount);
        // Away from the hero (bottom rows), so none is picked up.
        Items[k] = Item{static_cast<int16_t>(12 * i), static_cast<int16_t>(200 + 5 * (i % 7)),
                        static_cast<int16_t>(i % 12), 0};
    }
    // A burst among the monsters, next to destructible walls.
    BombX = 150;
    BombY = 100;
    ExplodeBomb();
    for (int i = 0; i < 16; ++i) {  // a few frames into its flight
        Fragments[i].X += 3.0f * Fragments[i].DX;
        Fragments[i].Y += 3.0f * Fragments[i].DY;
    }
    // Missiles in flight, one of them about to hit monster 4; the fire key
    // held.
    const float missiles[4][3] = {{80, 90, 2}, {160, 80, 2}, {260, 90, -2}, {360, 100, 2}};
    for (const auto& m : missiles) {
        int16_t k = AppendEntry(Missiles, MissileCount);
        Missiles[k].X = Missiles[k].StartX = m[0];
        Missiles[k].Y = Missiles[k].StartY = m[1];
        Missiles[k].DX = m[2];
    }
    FireHeld = true;
    // The hero walks up and right along the wall tiles 440 and 465, within
    // a step of them: pushed back before each step.
    HeroX = 320.5f;
    HeroY = 362.0f;
    KeyUpHeld = KeyRightHeld = true;
    for (int i = 0; i < 10; ++i)
        AddExplosion(static_cast<int16_t>(40 + 45 * i), 300);
    for (int i = 0; i < 20; ++i)
        AddFloatText(50.0f + 20.0f * (i % 10), 50.0f + 20.0f * i, std::to_string(i * 7) + "+",
                     Rgb(255, 255, 0));
    BombArmed = true;
    BombTime = platform::TimeOfDay();
    BombStage = 3;
    BombX = 200;
    BombY = 420;
    busy = MovingThings{Monsters, Missiles, Fragments, HeroX, HeroY};
    RefreshBusyLevel();
}

void RefreshBusyLevel() {
    TrimList(Explosions, ExplosionCount, 10);
    for (int i = 0; i < ExplosionCount; ++i)
        Explosions[i].Frame = static_cast<int16_t>(i % 10);
    TrimList(FloatTexts, FloatTextCount, 20);
    for (int i = 0; i < FloatTextCount; ++i) {
        FloatTexts[i].Age = 0;
        FloatTexts[i].Y = static_cast<float>(30 + 20 * i);
    }
    ClearList(TileEffects, TileEffectCount);
    Monsters = busy.monsters;
    MonsterCount = static_cast<int16_t>(busy.monsters.size());
    Missiles = busy.missiles;
    MissileCount = static_cast<int16_t>(busy.missiles.size());
    Fragments = busy.fragments;
    FragmentCount = static_cast<int16_t>(busy.fragments.size());
    HeroX = busy.heroX;
    HeroY = busy.heroY;
    Lives = 30000;  // the blows never end the game
    if (!BombArmed) {
        // Burst after three seconds of measuring: a fresh countdown.
        BombArmed = true;
        BombTime = platform::TimeOfDay();
    }
}

}  // namespace testing_support
