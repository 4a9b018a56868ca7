// Composing a frame of the play field from the seven picture sheets.  Every
// picture is one block transfer (tiles) or two (everything with a mask: AND
// with the mask, then OR with the picture on black) from a sheet that already
// lives in pixels, so nothing is decoded or scaled during play.
#pragma once

#include <array>
#include <cstdint>

#include "game/core/health_signs.h"
#include "game/platform/surface.h"

namespace game {

// Sheet surfaces by their index in Surfaces (sheet "sc" k is index k - 1).
inline constexpr int kTileSheet = 0;
inline constexpr int kMonsterSheet = 1;
inline constexpr int kItemSheet = 2;
inline constexpr int kHeroSheet = 3;
inline constexpr int kShotSheet = 4;       // missile and bomb
inline constexpr int kExplosionSheet = 5;  // explosions and bomb fragments
inline constexpr int kTileEffectSheet = 6;

// A masked picture: where its image and its mask sit in the sheet.
struct SheetPicture {
    int width, height;
    int imageX, imageY;
    int maskX, maskY;
};

// Draws a masked picture at (x, y): the mask's white keeps the field, its
// black clears the picture's shape, which the image then fills.
void DrawMasked(platform::PixelSurface& field, const platform::PixelSurface& sheet, int x, int y,
                const SheetPicture& picture);

// Everything of a frame but the floating texts, layer over layer: black, the
// revealed tiles, the bomb, the items and monsters on revealed tiles, the
// missiles, the fragments, the explosions, the tile effects and the living
// hero -- except that a monster standing on the hero is drawn over him
// within his box, with the hero's rim on top, so that no attacker hides
// under him.  With nothing to flash (Blikani=Ne) an explosion shows
// CalmExplosionFrames' pictures in place of its own.  Reads the game state
// and changes nothing in it.  A sheet that is not loaded leaves its layer
// out.
void ComposeFrame(platform::PixelSurface& field);

// The same onto the bitmap selected into a device context; false when the
// context holds no bitmap.
bool ComposeFrame(int32_t fieldDc);

// The explosion pictures shown for pictures 0 to 10 when nothing may flash:
// each of the brightest (whose light, its pixels' relative luminance summed
// over its shape, is more than two thirds of the brightest picture's) is
// replaced by the nearest picture that is not, the later one of two as near.
std::array<int16_t, 11> CalmExplosionFrames(const platform::PixelSurface& sheet);

// The thickness of the red edge of low lives, in field pixels; its outer
// rings are dashed with light, dashes and gaps of kHealthEdgeDash pixels.
inline constexpr int kHealthEdgeWidth = 6;
inline constexpr int kHealthEdgeDashedRings = 2;
inline constexpr int kHealthEdgeDash = 10;

// The hero's health over a composed frame: while he flashes, his own
// pixels turn red (not those of a monster drawn over him); with the rim in
// its place, the pixels round his shape are red; with an edge opacity above
// 0, a red edge round the field, strongest at the rim and fading inwards,
// its rim dashed with light.  All are gone when the look shows none.
void DrawHealthSigns(platform::PixelSurface& field, const HealthLook& look);

}  // namespace game
