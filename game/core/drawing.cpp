#include "game/core/drawing.h"

#include <algorithm>

#include "game/core/game_state.h"
#include "game/platform/rounding.h"

namespace game {
namespace {

using platform::CInt;
using platform::PixelSurface;

const PixelSurface* Sheet(int index) {
    if (index >= SurfaceCount) return nullptr;
    return platform::SurfaceOfDc(Surfaces[index].Dc);
}

bool RevealedAt(int32_t tile) {
    return IsTileIndex(tile) && Tiles[tile].Revealed == kTrue;
}

// Pictures at a fixed place of their sheet.
constexpr SheetPicture kMissilePicture{4, 4, 2, 2, 2, 10};
constexpr SheetPicture kBombPicture{8, 8, 8, 0, 8, 8};
constexpr SheetPicture kFragmentPicture{12, 12, 223, 3, 223, 23};

// Pictures in a row of frames: frame f's image at (f * size, 0), its mask
// right below it.
constexpr SheetPicture FramePicture(int size, int frame) {
    return SheetPicture{size, size, frame * size, 0, frame * size, size};
}

void DrawTiles(PixelSurface& field, const PixelSurface& sheet) {
    for (const Tile& tile : Tiles) {
        if (tile.Revealed != kTrue || tile.Picture < 1) continue;
        platform::BitBlt(field, tile.X, tile.Y, kTileSize, kTileSize, sheet,
                         tile.Picture * kTileSize, 0, platform::SRCCOPY);
    }
}

void DrawProjectiles(PixelSurface& field, const PixelSurface& sheet,
                     const std::vector<Projectile>& list, int16_t count,
                     const SheetPicture& picture) {
    for (int i = 0; i < count; ++i)
        DrawMasked(field, sheet, CInt(list[i].X), CInt(list[i].Y), picture);
}

void DrawAnimations(PixelSurface& field, const PixelSurface& sheet,
                    const std::vector<Animation>& list, int16_t count) {
    for (int i = 0; i < count; ++i)
        DrawMasked(field, sheet, list[i].X, list[i].Y, FramePicture(20, list[i].Frame));
}

// The whole field black: one row filled, the others copied from it, which
// runs at the speed of a block copy.
void ClearField(PixelSurface& field) {
    if (field.width <= 0 || field.height <= 0) return;
    auto first = field.pixels.begin();
    std::fill(first, first + field.width, platform::kBlackPixel);
    for (int row = 1; row < field.height; ++row)
        std::copy(first, first + field.width, first + static_cast<size_t>(row) * field.width);
}

}  // namespace

void DrawMasked(PixelSurface& field, const PixelSurface& sheet, int x, int y,
                const SheetPicture& picture) {
    platform::BitBlt(field, x, y, picture.width, picture.height, sheet, picture.maskX,
                     picture.maskY, platform::SRCAND);
    platform::BitBlt(field, x, y, picture.width, picture.height, sheet, picture.imageX,
                     picture.imageY, platform::SRCPAINT);
}

void ComposeFrame(PixelSurface& field) {
    ClearField(field);

    if (const PixelSurface* tiles = Sheet(kTileSheet)) DrawTiles(field, *tiles);

    const PixelSurface* shots = Sheet(kShotSheet);
    if (shots && BombArmed) DrawMasked(field, *shots, BombX, BombY, kBombPicture);

    if (const PixelSurface* items = Sheet(kItemSheet)) {
        for (int i = 0; i < ItemCount; ++i) {
            const Item& item = Items[i];
            if (!RevealedAt(TileIndex(item.X + 7, item.Y + 7))) continue;
            DrawMasked(field, *items, item.X, item.Y, FramePicture(18, item.Picture));
        }
    }

    if (const PixelSurface* monsters = Sheet(kMonsterSheet)) {
        for (int i = 0; i < MonsterCount; ++i) {
            const Monster& m = Monsters[i];
            // Drawn whole when its centre stands on a revealed tile, even where
            // its box reaches over dark ones.
            if (!RevealedAt(TileIndexOf(m.X + 7.0f, m.Y + 7.0f))) continue;
            DrawMasked(field, *monsters, CInt(m.X), CInt(m.Y), FramePicture(15, m.Picture));
        }
    }

    if (shots) DrawProjectiles(field, *shots, Missiles, MissileCount, kMissilePicture);

    if (const PixelSurface* blasts = Sheet(kExplosionSheet)) {
        DrawProjectiles(field, *blasts, Fragments, FragmentCount, kFragmentPicture);
        DrawAnimations(field, *blasts, Explosions, ExplosionCount);
    }

    if (const PixelSurface* effects = Sheet(kTileEffectSheet))
        DrawAnimations(field, *effects, TileEffects, TileEffectCount);

    const PixelSurface* hero = Sheet(kHeroSheet);
    if (hero && !HeroDead)
        DrawMasked(field, *hero, CInt(HeroX), CInt(HeroY), FramePicture(15, HeroFacing));
}

bool ComposeFrame(int32_t fieldDc) {
    PixelSurface* field = platform::SurfaceOfDc(fieldDc);
    if (!field) return false;
    ComposeFrame(*field);
    return true;
}

}  // namespace game
