#include "game/core/drawing.h"

#include <algorithm>
#include <array>
#include <cmath>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "game/core/access_settings.h"
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
                    const std::vector<Animation>& list, int16_t count,
                    const std::array<int16_t, 11>* shownFrames = nullptr) {
    for (int i = 0; i < count; ++i) {
        int16_t frame = list[i].Frame;
        if (shownFrames && frame >= 0 && frame < static_cast<int>(shownFrames->size()))
            frame = (*shownFrames)[frame];
        DrawMasked(field, sheet, list[i].X, list[i].Y, FramePicture(20, frame));
    }
}

// The light of a pixel: its relative luminance (sRGB), in millionths.
uint32_t LightOf(uint32_t pixel) {
    static const std::array<uint32_t, 256> kLinear = [] {
        std::array<uint32_t, 256> table{};
        for (int c = 0; c < 256; ++c) {
            const double v = c / 255.0;
            table[c] = static_cast<uint32_t>(
                1e6 * (v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4)));
        }
        return table;
    }();
    return (2126 * kLinear[(pixel >> 16) & 0xFF] + 7152 * kLinear[(pixel >> 8) & 0xFF] +
            722 * kLinear[pixel & 0xFF]) /
           10000;
}

// The explosion sheet's calm pictures, worked out once per sheet.
const std::array<int16_t, 11>& CalmFramesOf(const PixelSurface& sheet) {
    static const uint32_t* known = nullptr;
    static std::array<int16_t, 11> frames{};
    if (known != sheet.pixels.data()) {
        frames = CalmExplosionFrames(sheet);
        known = sheet.pixels.data();
    }
    return frames;
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

// A colour laid over pixels at one opacity: red and blue are scaled
// together in one multiplication, green in another (in 256ths, no
// division).  An opacity of 0 keeps a pixel as it is.
class Tint {
  public:
    Tint() : Tint(0, 0) {}
    Tint(uint32_t alpha, uint32_t colour)  // alpha 0 to 255, colour 0xRRGGBB
        : keep_(256 - (alpha + (alpha >> 7))),
          addRedBlue_(Share(colour >> 16) << 16 | Share(colour)),
          addGreen_(Share(colour >> 8) << 8) {}
    uint32_t operator()(uint32_t pixel) const {
        const uint32_t redBlue = (((pixel & 0xFF00FFu) * keep_) >> 8) & 0xFF00FFu;
        const uint32_t green = (((pixel & 0x00FF00u) * keep_) >> 8) & 0x00FF00u;
        return platform::kBlackPixel | (redBlue + addRedBlue_) | (green + addGreen_);
    }
    // What is kept of each channel, in 256ths, and what is added to it.
    uint32_t Keep() const { return keep_; }
    uint32_t Added() const { return addRedBlue_ | addGreen_; }

  private:
    // What the colour's channel adds at this opacity.
    uint32_t Share(uint32_t channel) const { return ((channel & 0xFF) * (256 - keep_)) >> 8; }

    uint32_t keep_, addRedBlue_, addGreen_;
};

// The edge's red, and the light of its dashes.
constexpr uint32_t kEdgeRed = 0xDC1010;
constexpr uint32_t kEdgeDashLight = 0xFFF0E6;

#ifdef __SSE2__
// Four pixels tinted at once, each channel widened to 16 bits: the same sums
// as Tint's, so the two give the same pixels.  keepLow and keepHigh hold
// each channel's share for the first two pixels and the last two, added the
// four pixels' added red.
struct FourTints {
    __m128i keepLow, keepHigh, added;
};

FourTints TintsOfFour(const Tint& a, const Tint& b, const Tint& c, const Tint& d) {
    const auto keep = [](const Tint& t) { return static_cast<short>(t.Keep()); };
    return {_mm_setr_epi16(keep(a), keep(a), keep(a), keep(a), keep(b), keep(b), keep(b), keep(b)),
            _mm_setr_epi16(keep(c), keep(c), keep(c), keep(c), keep(d), keep(d), keep(d), keep(d)),
            _mm_setr_epi32(static_cast<int>(a.Added()), static_cast<int>(b.Added()),
                           static_cast<int>(c.Added()), static_cast<int>(d.Added()))};
}

void TintFour(uint32_t* pixels, const FourTints& tints) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i opaque = _mm_set1_epi32(static_cast<int>(platform::kBlackPixel));
    const __m128i shown = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pixels));
    const __m128i low =
        _mm_srli_epi16(_mm_mullo_epi16(_mm_unpacklo_epi8(shown, zero), tints.keepLow), 8);
    const __m128i high =
        _mm_srli_epi16(_mm_mullo_epi16(_mm_unpackhi_epi8(shown, zero), tints.keepHigh), 8);
    // No channel overflows: what is kept and what is added make at most 255.
    const __m128i tinted =
        _mm_add_epi8(_mm_andnot_si128(opaque, _mm_packus_epi16(low, high)), tints.added);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(pixels), _mm_or_si128(tinted, opaque));
}
#endif

// A run of a row at one opacity.
void TintRun(uint32_t* pixels, int count, const Tint& tint) {
    int x = 0;
#ifdef __SSE2__
    const FourTints four = TintsOfFour(tint, tint, tint, tint);
    for (; x + 4 <= count; x += 4)
        TintFour(pixels + x, four);
#endif
    for (; x < count; ++x)
        pixels[x] = tint(pixels[x]);
}

// Whether the dashes of the edge's outer rings light the pixel at this
// place along its side: dashes and gaps of kHealthEdgeDash pixels, a dash
// centred on each corner of the full field.
bool InDash(int along) {
    return (along + kHealthEdgeDash / 2) % (2 * kHealthEdgeDash) < kHealthEdgeDash;
}

// The outer rings of a top or bottom row: red and light in turns.
void TintDashedRun(uint32_t* row, int from, int to, const Tint& red, const Tint& light) {
    for (int x = from; x < to;) {
        const bool dash = InDash(x);
        int end = x + 1;
        while (end < to && InDash(end) == dash)
            ++end;
        TintRun(row + x, end - x, dash ? light : red);
        x = end;
    }
}

// Rings one pixel wide from the rim inwards, each fainter than the last:
// the top and bottom rows whole, then the few pixels at either end of each
// row between them.  The outer kHealthEdgeDashedRings rings are dashed with
// a light that stands out from the red by its brightness, so that the edge
// is a pattern, not a colour only.
void DrawEdge(PixelSurface& field, int alpha) {
    const int w = field.width, h = field.height;
    const int rings = std::min({kHealthEdgeWidth, (w + 1) / 2, (h + 1) / 2});
    // One more ring than drawn, kept as it is, so that the sides below can
    // be tinted eight pixels at a time.
    std::array<Tint, 8> red, light;
    static_assert(kHealthEdgeWidth <= 8 && kHealthEdgeDashedRings <= kHealthEdgeWidth);
    // The dashes hold still at the edge's full strength while the red
    // swells and fades under them: the pattern is there at every moment.
    const Tint dash(static_cast<uint32_t>(std::max(alpha, kEdgeAlphaHigh)), kEdgeDashLight);
    for (int ring = 0; ring < rings; ++ring) {
        red[ring] = Tint(
            static_cast<uint32_t>(alpha * (kHealthEdgeWidth - ring) / kHealthEdgeWidth), kEdgeRed);
        light[ring] = ring < kHealthEdgeDashedRings ? dash : red[ring];
    }
#ifdef __SSE2__
    const bool sidesAtOnce = w >= 16;
    // The sides of a row between the bands, outside a dash and in one.
    const FourTints inner[2] = {TintsOfFour(red[4], red[5], red[6], red[7]),
                                TintsOfFour(red[7], red[6], red[5], red[4])};
    const FourTints left[2] = {TintsOfFour(red[0], red[1], red[2], red[3]),
                               TintsOfFour(light[0], light[1], light[2], light[3])};
    const FourTints right[2] = {TintsOfFour(red[3], red[2], red[1], red[0]),
                                TintsOfFour(light[3], light[2], light[1], light[0])};
#endif
    for (int y = 0; y < h; ++y) {
        // The ring of a row: the nearer of its distances to the top and bottom.
        const int fromEdge = std::min(y, h - 1 - y);
        const bool dash = InDash(y);
        uint32_t* row = &field.at(0, y);
#ifdef __SSE2__
        if (fromEdge >= rings && sidesAtOnce) {
            TintFour(row, left[dash]);
            TintFour(row + 4, inner[0]);
            TintFour(row + w - 8, inner[1]);
            TintFour(row + w - 4, right[dash]);
            continue;
        }
#endif
        if (fromEdge < kHealthEdgeDashedRings && fromEdge < rings)
            TintDashedRun(row, fromEdge, w - fromEdge, red[fromEdge], light[fromEdge]);
        else if (fromEdge < rings)
            TintRun(row + fromEdge, w - 2 * fromEdge, red[fromEdge]);
        // The rings' sides: on a row of the band only the outer rings'.
        for (int ring = 0; ring < std::min(fromEdge, rings); ++ring) {
            const Tint& tint = dash ? light[ring] : red[ring];
            row[ring] = tint(row[ring]);
            if (w - 1 - ring != ring) row[w - 1 - ring] = tint(row[w - 1 - ring]);
        }
    }
}

// The red rim of a hurt hero when nothing may flash: every pixel beside his
// shape, his own untouched.
void RimHero(PixelSurface& field, const PixelSurface& hero) {
    const int x = CInt(HeroX), y = CInt(HeroY);
    const SheetPicture picture = FramePicture(15, HeroFacing);
    constexpr uint32_t kRimRed = platform::kBlackPixel | (230u << 16) | (20u << 8) | 20u;
    for (int py = -1; py <= picture.height; ++py) {
        for (int px = -1; px <= picture.width; ++px) {
            if (InShape(hero, picture, px, py)) continue;
            bool beside = false;
            for (int dy = -1; dy <= 1 && !beside; ++dy)
                for (int dx = -1; dx <= 1 && !beside; ++dx)
                    beside = InShape(hero, picture, px + dx, py + dy);
            const int fx = x + px, fy = y + py;
            if (beside && fx >= 0 && fy >= 0 && fx < field.width && fy < field.height)
                field.at(fx, fy) = kRimRed;
        }
    }
}

}  // namespace

std::array<int16_t, 11> CalmExplosionFrames(const PixelSurface& sheet) {
    constexpr int kFrames = 11;
    std::array<uint64_t, kFrames> light{};
    for (int f = 0; f < kFrames; ++f) {
        const SheetPicture picture = FramePicture(20, f);
        for (int py = 0; py < picture.height; ++py)
            for (int px = 0; px < picture.width; ++px)
                if (InShape(sheet, picture, px, py) && picture.imageX + px < sheet.width &&
                    picture.imageY + py < sheet.height)
                    light[f] += LightOf(sheet.at(picture.imageX + px, picture.imageY + py));
    }
    const uint64_t brightest = *std::max_element(light.begin(), light.end());
    const auto tooBright = [&](int f) { return brightest > 0 && 3 * light[f] > 2 * brightest; };
    std::array<int16_t, kFrames> shown{};
    for (int f = 0; f < kFrames; ++f) {
        shown[f] = static_cast<int16_t>(f);
        if (!tooBright(f)) continue;
        for (int d = 1; d < kFrames; ++d) {
            if (f + d < kFrames && !tooBright(f + d)) {
                shown[f] = static_cast<int16_t>(f + d);
                break;
            }
            if (f - d >= 0 && !tooBright(f - d)) {
                shown[f] = static_cast<int16_t>(f - d);
                break;
            }
        }
    }
    return shown;
}

void DrawHealthSigns(PixelSurface& field, const HealthLook& look) {
    if ((look.hurtFlash || look.hurtRim) && !HeroDead) {
        if (const PixelSurface* hero = Sheet(kHeroSheet)) {
            if (look.hurtFlash) FlashHero(field, *hero);
            if (look.hurtRim) RimHero(field, *hero);
        }
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
        DrawAnimations(field, *blasts, Explosions, ExplosionCount,
                       Access.flashing ? nullptr : &CalmFramesOf(*blasts));
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
