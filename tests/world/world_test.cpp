#include "world/world_test.h"

#include <algorithm>

namespace world_testing {

using namespace game;

void WorldTest::SetUp() {
    GameTest::SetUp();
    SoundOn = true;
    Volume = 1.0f;
    Sound = &sound;
    ResetHero();
    windows.calls.clear();
    // Away from the hero's start so that tile events stay quiet unless asked.
    LastHeroTile = static_cast<int16_t>(TileIndexOf(HeroX + 7, HeroY + 7));
}

void WorldTest::TearDown() {
    Sound = nullptr;
    GameTest::TearDown();
}

void WorldTest::SetTile(int t, int16_t kind, const std::string& param1, const std::string& param2,
                        int16_t picture) {
    Tiles[t].Kind = kind;
    Tiles[t].Param1 = param1;
    Tiles[t].Param2 = param2;
    Tiles[t].Picture = picture;
}

int16_t WorldTest::AddMonster(float x, float y, int16_t kind, int16_t hitPoints, int16_t damage) {
    int16_t i = AppendEntry(Monsters, MonsterCount);
    Monster& m = Monsters[i];
    m.X = x;
    m.Y = y;
    m.Kind = kind;
    m.HitPoints = hitPoints;
    m.Damage = damage;
    UpdateMonsterRects();
    return i;
}

int16_t WorldTest::AddItem(int16_t x, int16_t y, int16_t kind) {
    int16_t i = AppendEntry(Items, ItemCount);
    Items[i] = Item{x, y, 0, kind};
    return i;
}

void WorldTest::PutHeroOnTile(int t) {
    HeroX = static_cast<float>(Tiles[t].X + 2);
    HeroY = static_cast<float>(Tiles[t].Y + 2);
}

std::vector<std::string> WorldTest::FloatTextTexts() {
    std::vector<std::string> out;
    for (int i = 0; i < FloatTextCount; ++i)
        out.push_back(FloatTexts[i].Text);
    return out;
}

}  // namespace world_testing
