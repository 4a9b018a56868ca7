// A composed frame, pixel by pixel, over small sheets made in the test.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>
#include <vector>

#include "game/core/drawing.h"
#include "game/core/game_state.h"
#include "game/core/impact_sparks.h"
#include "game/platform/surface.h"
#include "support/colour_vision.h"
#include "support/game_test.h"
#include "support/synthetic_sheets.h"

namespace {

using namespace game;
using namespace testing_support;
using platform::kBlackPixel;
using platform::PixelSurface;

class DrawingTest : public GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        InstallSyntheticSheets();
        HeroDead = true;  // most cases look at other layers
    }
    void TearDown() override {
        RemoveSyntheticSheets();
        GameTest::TearDown();
    }

    // A field holding the last frame's leftovers, which the fill must clear.
    PixelSurface field{kFieldSize, kFieldSize, 0xFF123456u};

    void Reveal(int tile, int16_t picture) {
        Tiles[tile].Revealed = kTrue;
        Tiles[tile].Picture = picture;
    }
    PixelSurface Draw() {
        ComposeFrame(field);
        return field;
    }
};

TEST_F(DrawingTest, OnlyRevealedTilesWithAPictureAreDrawn) {
    Reveal(0, 5);
    Reveal(1, 0);           // revealed, but picture 0
    Tiles[2].Picture = 7;   // a picture, but not revealed
    Tiles[3].Revealed = 1;  // only -1 counts as revealed
    Tiles[3].Picture = 7;
    Reveal(624, 39);

    Draw();
    EXPECT_EQ(field.at(0, 0), TileColour(5));
    EXPECT_EQ(field.at(19, 19), TileColour(5));
    EXPECT_EQ(field.at(25, 5), kBlackPixel);
    EXPECT_EQ(field.at(45, 5), kBlackPixel);
    EXPECT_EQ(field.at(65, 5), kBlackPixel);
    EXPECT_EQ(field.at(499, 499), TileColour(39));
    EXPECT_EQ(field.at(250, 250), kBlackPixel);  // last frame's leftovers are gone
}

TEST_F(DrawingTest, ItemsAndMonstersShowOnlyOnRevealedTiles) {
    // Item 0 and monster 0 have their centres on revealed tile 26 (20, 20);
    // item 1 and monster 1 stand on dark tile 30 (100, 20).
    Reveal(26, 1);
    AppendEntry(Items, ItemCount);
    Items[0] = Item{21, 21, 3, 0};
    AppendEntry(Items, ItemCount);
    Items[1] = Item{101, 21, 4, 0};
    AppendEntry(Monsters, MonsterCount);
    Monsters[0].X = 22;
    Monsters[0].Y = 22;
    Monsters[0].Picture = 2;
    AppendEntry(Monsters, MonsterCount);
    Monsters[1].X = 102;
    Monsters[1].Y = 22;

    Draw();
    // The monster is drawn over the item, which shows where the monster is not.
    EXPECT_EQ(field.at(22, 38), ItemColour(3));
    EXPECT_EQ(field.at(25, 25), MonsterColour(2));
    EXPECT_EQ(field.at(110, 30), kBlackPixel);
}

TEST_F(DrawingTest, AMonsterCentredOnARevealedTileIsDrawnWholeOverDarkOnes) {
    Reveal(26, 1);
    AppendEntry(Monsters, MonsterCount);
    // Centre (32.5 -> 32, 32.5 -> 32) lies on tile 26; the box reaches to
    // (40, 40) on dark tiles 27, 51 and 52.
    Monsters[0].X = 25.5f;
    Monsters[0].Y = 25.5f;
    Monsters[0].Picture = 1;

    Draw();
    // 25.5 rounds to 26 (halves to even).
    EXPECT_EQ(field.at(26, 30), TileColour(1));  // the transparent left column
    EXPECT_EQ(field.at(27, 30), MonsterColour(1));
    EXPECT_EQ(field.at(40, 40), MonsterColour(1));
    EXPECT_EQ(field.at(41, 40), kBlackPixel);
}

TEST_F(DrawingTest, TheMaskKeepsTheFieldWhereItIsWhite) {
    Reveal(0, 9);
    HeroDead = false;
    HeroX = 2.0f;
    HeroY = 3.0f;
    HeroFacing = 2;

    Draw();
    EXPECT_EQ(field.at(2, 5), TileColour(9));  // the hero's transparent column
    EXPECT_EQ(field.at(3, 5), HeroColour(2));
    EXPECT_EQ(field.at(16, 17), HeroColour(2));
    EXPECT_EQ(field.at(17, 17), TileColour(9));
}

TEST_F(DrawingTest, ShotsAndEffectsAreDrawnOnDarkTilesToo) {
    BombArmed = true;
    BombX = 300;
    BombY = 300;
    AppendEntry(Missiles, MissileCount);
    Missiles[0].X = 100.5f;  // rounds to 100
    Missiles[0].Y = 101.5f;  // rounds to 102
    AppendEntry(Fragments, FragmentCount);
    Fragments[0].X = 200;
    Fragments[0].Y = 200;
    AddExplosion(410, 410);  // top-left (400, 400)
    Explosions[0].Frame = 7;
    AddTileEffect(460, 60);
    TileEffects[0].Frame = 10;

    Draw();
    EXPECT_EQ(field.at(100, 102), kBlackPixel);
    EXPECT_EQ(field.at(101, 102), MissileColour());
    EXPECT_EQ(field.at(103, 105), MissileColour());
    EXPECT_EQ(field.at(104, 105), kBlackPixel);
    EXPECT_EQ(field.at(307, 307), BombColour());
    EXPECT_EQ(field.at(211, 211), FragmentColour());
    EXPECT_EQ(field.at(419, 419), ExplosionColour(7));
    EXPECT_EQ(field.at(451, 51), TileEffectColour(10));
}

TEST_F(DrawingTest, LaterLayersCoverEarlierOnes) {
    // Everything at one place: tile, bomb, item, monster, missile, fragment,
    // explosion, tile effect and hero, each smaller or shifted so that each
    // keeps a pixel of its own.
    Reveal(0, 4);
    BombArmed = true;
    BombX = 0;
    BombY = 0;
    AppendEntry(Items, ItemCount);
    Items[0] = Item{0, 0, 1, 0};
    AppendEntry(Monsters, MonsterCount);
    Monsters[0].X = 1;
    Monsters[0].Y = 1;
    AppendEntry(Missiles, MissileCount);
    Missiles[0].X = 2;
    Missiles[0].Y = 2;
    AddExplosion(13, 13);   // (3, 3)
    AddTileEffect(14, 14);  // (4, 4)
    HeroDead = false;
    HeroX = 5;
    HeroY = 5;

    Draw();
    EXPECT_EQ(field.at(0, 10), TileColour(4));  // left columns are transparent
    EXPECT_EQ(field.at(1, 5), ItemColour(1));   // the item covers the bomb
    EXPECT_EQ(field.at(2, 2), MonsterColour(0));
    EXPECT_EQ(field.at(3, 3), MissileColour());
    EXPECT_EQ(field.at(4, 4), ExplosionColour(0));
    EXPECT_EQ(field.at(5, 4), TileEffectColour(0));
    EXPECT_EQ(field.at(6, 6), HeroColour(0));
}

TEST_F(DrawingTest, AMonsterOnTheHeroShowsAndTheHeroKeepsHisRim) {
    // Picture 0 of every sheet is transparent in its left column only, so
    // the hero's rim is his shape's outermost columns and rows.
    Reveal(0, 4);
    HeroDead = false;
    HeroX = 2;
    HeroY = 2;
    AppendEntry(Monsters, MonsterCount);
    for (const int offset : {0, 3}) {
        Monsters[0].X = 2.0f + offset;
        Monsters[0].Y = 2.0f + offset;
        Draw();
        int shown = 0, shape = 0, hero = 0;
        for (int y = 0; y < 15; ++y) {
            for (int x = 1; x < 15; ++x) {  // the monster's shape
                ++shape;
                if (field.at(2 + offset + x, 2 + offset + y) == MonsterColour(0)) ++shown;
            }
        }
        for (const uint32_t pixel : field.pixels)
            hero += pixel == HeroColour(0);
        EXPECT_GE(shown * 100, shape * 60) << "offset " << offset;
        EXPECT_GE(hero, 40) << "offset " << offset;          // his rim at least
        EXPECT_EQ(field.at(3, 2), HeroColour(0)) << offset;  // his corner
    }
    // A monster that does not touch him changes nothing of him.
    Monsters[0].X = 30;
    Draw();
    EXPECT_EQ(field.at(10, 10), HeroColour(0));
}

TEST_F(DrawingTest, AFlashRedensOnlyTheHerosOwnPixels) {
    Reveal(0, 4);
    HeroDead = false;
    HeroX = 2;
    HeroY = 2;
    AppendEntry(Monsters, MonsterCount);
    Monsters[0].X = 8;  // over his right half
    Monsters[0].Y = 2;
    Draw();
    const PixelSurface calm = field;
    DrawHealthSigns(field, HealthLook{true, 0});
    int reddened = 0;
    for (int i = 0; i < static_cast<int>(field.pixels.size()); ++i) {
        const uint32_t before = calm.pixels[i], after = field.pixels[i];
        if (before == HeroColour(0)) {
            EXPECT_GE((after >> 16) & 0xFF, 200u);
            EXPECT_LE(after & 0xFF, 64u);
            ++reddened;
        } else {
            EXPECT_EQ(after, before) << "pixel " << i;  // the monster, the floor
        }
    }
    EXPECT_GE(reddened, 40);
    // The dead hero has nothing left to flash; no look, no change.
    field = calm;
    DrawHealthSigns(field, HealthLook{});
    EXPECT_EQ(field.pixels, calm.pixels);
    HeroDead = true;
    DrawHealthSigns(field, HealthLook{true, 0});
    EXPECT_EQ(field.pixels, calm.pixels);
}

// The low-lives edge over a field of every colour, on fields of several
// sizes (the full one, and ones too narrow to be tinted in fours): each ring
// is red laid over at its own opacity, fainter inwards, except the light of
// the dashes on the outer rings, laid at the edge's full strength; nothing
// inside the rings changes.  On the full field the dashes run alike along
// every side, and over a dark floor they stand out from the red between
// them by their brightness in every colour vision, at every strength of
// the pulse.
TEST_F(DrawingTest, TheLowLivesEdgeLaysRedDashedWithLightOverItsRingsOnly) {
    constexpr int kAlpha = kEdgeAlphaHigh;
    for (const auto& [w, h] :
         {std::pair{kFieldSize, kFieldSize}, std::pair{15, 40}, std::pair{9, 5}}) {
        PixelSurface shown(w, h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                shown.at(x, y) =
                    kBlackPixel |
                    ((static_cast<uint32_t>(x * 7919 + y * 104729) * 2654435761u) >> 8);
        PixelSurface tinted = shown;
        DrawHealthSigns(tinted, HealthLook{false, kAlpha});
        // Along each side of the outer ring, which pixels the dashes light.
        std::array<std::vector<bool>, 4> sides;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const int ring = std::min({x, y, w - 1 - x, h - 1 - y});
                const uint32_t before = shown.at(x, y), after = tinted.at(x, y);
                if (ring >= kHealthEdgeWidth) {
                    ASSERT_EQ(after, before) << w << "x" << h << " at " << x << "," << y;
                    continue;
                }
                ASSERT_EQ(after >> 24, 0xFFu);
                const double a = (kAlpha * (kHealthEdgeWidth - ring) / kHealthEdgeWidth) / 255.0;
                const int red[3] = {16, 16, 220};  // blue, green, red
                bool isRed = true, isLight = ring < kHealthEdgeDashedRings;
                for (int channel = 0; channel < 3; ++channel) {
                    const int was = (before >> (8 * channel)) & 0xFF;
                    const int now = (after >> (8 * channel)) & 0xFF;
                    isRed = isRed && std::abs(now - (was * (1 - a) + red[channel] * a)) <= 3.0;
                    // The colour laid over at full strength, read back.
                    const double full = kAlpha / 255.0;
                    isLight = isLight && (now - was * (1 - full)) / full >= 200.0;
                }
                ASSERT_TRUE(isRed || isLight) << w << "x" << h << " at " << x << "," << y;
                if (ring == 0 && w == kFieldSize) {
                    if (y == 0) sides[0].push_back(isLight);
                    if (y == h - 1) sides[1].push_back(isLight);
                    if (x == 0) sides[2].push_back(isLight);
                    if (x == w - 1) sides[3].push_back(isLight);
                }
            }
        }
        if (w != kFieldSize) continue;
        int dashes = 0;
        for (size_t i = 0; i < sides[0].size(); ++i)
            dashes += sides[0][i] && (i == 0 || !sides[0][i - 1]);
        EXPECT_GE(dashes, 12);
        for (int side = 1; side < 4; ++side)
            EXPECT_EQ(sides[side], sides[0]) << "side " << side;
    }

    // A dash and the red beside it on each dashed ring, over a dark floor.
    for (int alpha : {kEdgeAlphaLow, (kEdgeAlphaLow + kEdgeAlphaHigh) / 2, kEdgeAlphaHigh}) {
        PixelSurface floor(kFieldSize, kFieldSize, kBlackPixel | 0x2D2D2Du);
        DrawHealthSigns(floor, HealthLook{false, alpha});
        for (int ring = 0; ring < kHealthEdgeDashedRings; ++ring) {
            uint32_t light = 0, red = 0;
            for (int x = ring; x < kFieldSize - ring; ++x) {
                const uint32_t p = floor.at(x, ring);
                if (((p >> 8) & 0xFF) > 128)
                    light = p;
                else
                    red = p;
            }
            ASSERT_NE(light, 0u) << "ring " << ring << " has no dash";
            for (const Vision& vision : kVisions)
                EXPECT_GE(Contrast(Luminance(light, vision), Luminance(red, vision)), 3.0)
                    << "ring " << ring << " at opacity " << alpha << " in " << vision.name;
        }
    }
}

// A missile's impact: a small bright spark round the point for its frames,
// cut at the field's edge, then nothing; a run that never draws keeps only
// the latest few.
TEST_F(DrawingTest, AnImpactSparksWhereTheMissileStruckForItsFramesOnly) {
    ForgetImpactSparks();
    ShowImpactSpark(100.4f, 200.6f);
    ShowImpactSpark(0.0f, 499.0f);
    for (int frame = 0; frame <= kImpactSparkFrames; ++frame) {
        PixelSurface shown(kFieldSize, kFieldSize, kBlackPixel);
        DrawImpactSparks(shown);
        int lit = 0;
        for (int y = 0; y < kFieldSize; ++y)
            for (int x = 0; x < kFieldSize; ++x) {
                if (shown.at(x, y) == kBlackPixel) continue;
                ++lit;
                const bool nearOne =
                    (std::abs(x - 100) <= 2 && std::abs(y - 201) <= 2) || (x <= 2 && y >= 497);
                EXPECT_TRUE(nearOne) << "frame " << frame << " at " << x << "," << y;
            }
        if (frame == kImpactSparkFrames) {
            EXPECT_EQ(lit, 0);
        } else {
            EXPECT_GE(lit, 5) << "frame " << frame;
            EXPECT_GE((shown.at(100, 201) >> 8) & 0xFF, 200u) << "frame " << frame;
        }
    }
    EXPECT_TRUE(ImpactSparks().empty());
    for (int i = 0; i < 1000; ++i)
        ShowImpactSpark(static_cast<float>(i % 500), 10.0f);
    EXPECT_LE(ImpactSparks().size(), 16u);
    EXPECT_EQ(ImpactSparks().back().x, 499);
    ForgetImpactSparks();
}

TEST_F(DrawingTest, TheDeadHeroIsNotDrawn) {
    HeroX = 100;
    HeroY = 100;
    HeroDead = false;
    Draw();
    EXPECT_EQ(field.at(108, 108), HeroColour(0));
    HeroDead = true;
    Draw();
    EXPECT_EQ(field.at(108, 108), kBlackPixel);
}

TEST_F(DrawingTest, PicturesAtTheEdgeAreCutAndStrayOnesIgnored) {
    Reveal(24, 1);
    Reveal(600, 1);
    AppendEntry(Monsters, MonsterCount);
    Monsters[0].X = 492;  // centre on tile 24, box beyond the field
    Monsters[0].Y = 5;
    AppendEntry(Items, ItemCount);
    Items[0] = Item{-30, 600, 0, 0};  // no tile at all: not drawn
    AppendEntry(Missiles, MissileCount);
    Missiles[0].X = -2;
    Missiles[0].Y = 498;
    AddExplosion(-1000, 30000);

    Draw();
    EXPECT_EQ(field.at(499, 10), MonsterColour(0));
    EXPECT_EQ(field.at(0, 499), MissileColour());
    EXPECT_EQ(field.at(1, 499), MissileColour());
}

TEST_F(DrawingTest, MissingSheetsLeaveTheirLayersOut) {
    RemoveSyntheticSheets();
    HeroDead = false;
    Reveal(0, 1);
    Draw();
    EXPECT_EQ(field.at(0, 0), kBlackPixel);
    EXPECT_EQ(field.at(7, 7), kBlackPixel);
    EXPECT_FALSE(ComposeFrame(int32_t{0}));
}

}  // namespace
