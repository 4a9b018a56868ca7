#include "support/synthetic_sheets.h"

#include "game/core/game_state.h"
#include "game/platform/surface.h"

namespace testing_support {
namespace {

using platform::PixelSurface;

constexpr uint32_t kWhite = 0xFFFFFFFFu;
constexpr uint32_t kBlack = platform::kBlackPixel;

// A picture whose left column is transparent: its image is black there and
// its mask white; everywhere else the image has the colour and the mask is
// black.
void PaintMasked(PixelSurface& sheet, int imageX, int imageY, int maskX, int maskY, int w, int h,
                 uint32_t colour) {
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            bool transparent = x == 0;
            sheet.at(imageX + x, imageY + y) = transparent ? kBlack : colour;
            sheet.at(maskX + x, maskY + y) = transparent ? kWhite : kBlack;
        }
    }
}

// Frames in a row: frame f's image at (f * size, 0), its mask below it.
PixelSurface FrameRow(int size, int frames, int width, uint32_t (*colour)(int)) {
    PixelSurface sheet(width, 2 * size);
    for (int f = 0; f < frames; ++f)
        PaintMasked(sheet, f * size, 0, f * size, size, size, size, colour(f));
    return sheet;
}

void Install(PixelSurface sheet) {
    int16_t i = game::AppendEntry(game::Surfaces, game::SurfaceCount);
    game::Surface& s = game::Surfaces[i];
    s.Width = static_cast<int16_t>(sheet.width);
    s.Height = static_cast<int16_t>(sheet.height);
    s.Dc = platform::CreateCompatibleDC();
    s.Bitmap = platform::CreateCompatibleBitmap(sheet.width, sheet.height);
    platform::SelectObject(s.Dc, s.Bitmap);
    *platform::SurfaceOfBitmap(s.Bitmap) = std::move(sheet);
}

}  // namespace

void InstallSyntheticSheets() {
    RemoveSyntheticSheets();

    // sc1: 40 opaque tile pictures; picture 0 has a colour too, which must
    // never show.
    PixelSurface tiles(40 * 20, 20);
    for (int p = 0; p < 40; ++p)
        platform::FillRect(tiles, p * 20, 0, 20, 20, TileColour(p));
    Install(std::move(tiles));

    Install(FrameRow(15, 8, 8 * 15, [](int p) { return MonsterColour(p); }));
    Install(FrameRow(18, 12, 12 * 18, [](int p) { return ItemColour(p); }));
    Install(FrameRow(15, 4, 4 * 15, [](int f) { return HeroColour(f); }));

    // sc5: the missile (image at (2, 2), mask at (2, 10)) and the bomb
    // (image at (8, 0), mask at (8, 8)).
    PixelSurface shots(16, 16, kWhite);
    PaintMasked(shots, 2, 2, 2, 10, 4, 4, MissileColour());
    PaintMasked(shots, 8, 0, 8, 8, 8, 8, BombColour());
    Install(std::move(shots));

    // sc6: eleven explosion pictures and the fragment (image at (223, 3),
    // mask at (223, 23)).
    PixelSurface blasts = FrameRow(20, 11, 240, [](int f) { return ExplosionColour(f); });
    PaintMasked(blasts, 223, 3, 223, 23, 12, 12, FragmentColour());
    Install(std::move(blasts));

    Install(FrameRow(20, 11, 220, [](int f) { return TileEffectColour(f); }));
}

void RemoveSyntheticSheets() {
    for (int i = 0; i < game::SurfaceCount; ++i) {
        platform::DeleteDC(game::Surfaces[i].Dc);
        platform::DeleteObject(game::Surfaces[i].Bitmap);
    }
    game::ClearList(game::Surfaces, game::SurfaceCount);
}

}  // namespace testing_support
