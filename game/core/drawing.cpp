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

// The part of a masked picture at (x, y) that falls inside the box
// [left, right) x [top, bottom).
void DrawMaskedWithin(PixelSurface& field, const PixelSurface& sheet, int x, int y,
                      const SheetPicture& picture, int left, int top, int right, int bottom) {
    const int x0 = std::max(x, left), y0 = std::max(y, top);
    const int x1 = std::min(x + picture.width, right), y1 = std::min(y + picture.height, bottom);
    if (x0 >= x1 || y0 >= y1) return;
    const int dx = x0 - x, dy = y0 - y;
    platform::BitBlt(field, x0, y0, x1 - x0, y1 - y0, sheet, picture.maskX + dx, picture.maskY + dy,
                     platform::SRCAND);
    platform::BitBlt(field, x0, y0, x1 - x0, y1 - y0, sheet, picture.imageX + dx,
                     picture.imageY + dy, platform::SRCPAINT);
}

// Whether the pixel (px, py) of a masked picture belongs to its shape (black
// in the mask); pixels beyond the picture do not.
bool InShape(const PixelSurface& sheet, const SheetPicture& picture, int px, int py) {
    if (px < 0 || py < 0 || px >= picture.width || py >= picture.height) return false;
    const int sx = picture.maskX + px, sy = picture.maskY + py;
    if (sx >= sheet.width || sy >= sheet.height) return false;
    return (sheet.at(sx, sy) & 0x00FFFFFFu) == 0;
}

// The rim of a masked picture: its own pixels at the edge of its shape,
// drawn over whatever lies there.
void DrawRim(PixelSurface& field, const PixelSurface& sheet, int x, int y,
             const SheetPicture& picture) {
    for (int py = 0; py < picture.height; ++py) {
        for (int px = 0; px < picture.width; ++px) {
            if (!InShape(sheet, picture, px, py)) continue;
            const bool rim =
                !InShape(sheet, picture, px - 1, py) || !InShape(sheet, picture, px + 1, py) ||
                !InShape(sheet, picture, px, py - 1) || !InShape(sheet, picture, px, py + 1);
            const int fx = x + px, fy = y + py;
            if (!rim || fx < 0 || fy < 0 || fx >= field.width || fy >= field.height) continue;
            const int ix = picture.imageX + px, iy = picture.imageY + py;
            if (ix < sheet.width && iy < sheet.height) field.at(fx, fy) = sheet.at(ix, iy);
        }
    }
}

// The living hero, and over him every monster that stands on him (so that
// an attacker never hides under his sprite), with his rim on top so that he
// stays recognisable.  Only where the two meet does the order change.
void DrawHero(PixelSurface& field, const PixelSurface& hero) {
    const int x = CInt(HeroX), y = CInt(HeroY);
    const SheetPicture picture = FramePicture(15, HeroFacing);
    DrawMasked(field, hero, x, y, picture);
    const PixelSurface* monsters = Sheet(kMonsterSheet);
    if (!monsters) return;
    bool covered = false;
    for (int i = 0; i < MonsterCount; ++i) {
        const Monster& m = Monsters[i];
        if (!RevealedAt(TileIndexOf(m.X + 7.0f, m.Y + 7.0f))) continue;
        const int mx = CInt(m.X), my = CInt(m.Y);
        if (mx >= x + 15 || mx + 15 <= x || my >= y + 15 || my + 15 <= y) continue;
        DrawMaskedWithin(field, *monsters, mx, my, FramePicture(15, m.Picture), x, y, x + 15,
                         y + 15);
        covered = true;
    }
    if (covered) DrawRim(field, hero, x, y, picture);
}

// A pixel of the hero as it shows while he flashes: red, keeping his
// shading so that he stays recognisable.
uint32_t Reddened(uint32_t pixel) {
    const uint32_t r = (pixel >> 16) & 0xFF, g = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
    const uint32_t luma = (3 * r + 6 * g + b) / 10;
    return platform::kBlackPixel | ((200 + luma * 55 / 255) << 16) | ((luma / 4) << 8) | (luma / 4);
}

void FlashHero(PixelSurface& field, const PixelSurface& hero) {
    const int x = CInt(HeroX), y = CInt(HeroY);
    const SheetPicture picture = FramePicture(15, HeroFacing);
    for (int py = 0; py < picture.height; ++py) {
        for (int px = 0; px < picture.width; ++px) {
            const int fx = x + px, fy = y + py;
            if (fx < 0 || fy < 0 || fx >= field.width || fy >= field.height) continue;
            if (!InShape(hero, picture, px, py)) continue;
            const int ix = picture.imageX + px, iy = picture.imageY + py;
            if (ix >= hero.width || iy >= hero.height) continue;
            // Where a monster stands over him the monster keeps its colours.
            uint32_t& shown = field.at(fx, fy);
            if (((shown ^ hero.at(ix, iy)) & 0x00FFFFFFu) != 0) continue;
            shown = Reddened(shown);
        }
    }
}

// Red over a pixel at opacity alpha (0 to 255).
uint32_t Reddish(uint32_t pixel, uint32_t alpha) {
    const uint32_t keep = 255 - alpha;
    const uint32_t r = ((pixel >> 16) & 0xFF) * keep / 255 + 220 * alpha / 255;
    const uint32_t g = ((pixel >> 8) & 0xFF) * keep / 255 + 16 * alpha / 255;
    const uint32_t b = (pixel & 0xFF) * keep / 255 + 16 * alpha / 255;
    return platform::kBlackPixel | (r << 16) | (g << 8) | b;
}

void BlendRow(PixelSurface& field, int y, int from, int to, uint32_t alpha) {
    for (int x = from; x < to; ++x)
        field.at(x, y) = Reddish(field.at(x, y), alpha);
}

void BlendColumn(PixelSurface& field, int x, int from, int to, uint32_t alpha) {
    for (int y = from; y < to; ++y)
        field.at(x, y) = Reddish(field.at(x, y), alpha);
}

// Rings one pixel wide from the rim inwards, each fainter than the last.
void DrawEdge(PixelSurface& field, int alpha) {
    const int w = field.width, h = field.height;
    for (int ring = 0; ring < kHealthEdgeWidth && 2 * ring < w && 2 * ring < h; ++ring) {
        const auto a = static_cast<uint32_t>(alpha * (kHealthEdgeWidth - ring) / kHealthEdgeWidth);
        BlendRow(field, ring, ring, w - ring, a);
        if (h - 1 - ring > ring) BlendRow(field, h - 1 - ring, ring, w - ring, a);
        BlendColumn(field, ring, ring + 1, h - 1 - ring, a);
        if (w - 1 - ring > ring) BlendColumn(field, w - 1 - ring, ring + 1, h - 1 - ring, a);
    }
}

}  // namespace

void DrawHealthSigns(PixelSurface& field, const HealthLook& look) {
    if (look.hurtFlash && !HeroDead) {
        if (const PixelSurface* hero = Sheet(kHeroSheet)) FlashHero(field, *hero);
    }
    if (look.edgeAlpha > 0) DrawEdge(field, std::min(look.edgeAlpha, 255));
}

void DrawMasked(PixelSurface& field, const PixelSurface& sheet, int x, int y,
                const SheetPicture& picture) {
    DrawMaskedWithin(field, sheet, x, y, picture, x, y, x + picture.width, y + picture.height);
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
    if (hero && !HeroDead) DrawHero(field, *hero);
}

bool ComposeFrame(int32_t fieldDc) {
    PixelSurface* field = platform::SurfaceOfDc(fieldDc);
    if (!field) return false;
    ComposeFrame(*field);
    return true;
}

}  // namespace game
