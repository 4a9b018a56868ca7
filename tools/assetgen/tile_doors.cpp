// Doors and gates: each sits in a stone frame cut from the brick wall, so a
// door between two wall tiles reads as part of the wall.
#include <cmath>

#include "colour.h"
#include "sprite.h"
#include "texture.h"
#include "tile_kit.h"

namespace assetgen::tiles {

namespace {

// The opening inside the frame.
constexpr int kLeft = 3;
constexpr int kRight = 16;
constexpr int kTop = 3;

bool InOpening(int x, int y) {
    return x >= kLeft && x <= kRight && y >= kTop;
}

// Brick wall with the opening cut out; the jambs and lintel are lit on
// their top and left faces like every other stone.
QImage FramedOpening(uint64_t seed, QRgb fill) {
    QImage tile = BrickWall(seed);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            if (InOpening(x, y)) tile.setPixel(x, y, fill);
        }
    }
    // Dressed edge round the opening.
    for (int x = kLeft - 1; x <= kRight + 1; ++x) {
        tile.setPixel(x, kTop - 1, Lit(Scale(pal::kStone, 1.1), 0.6));
    }
    for (int y = kTop - 1; y < kSize; ++y) {
        tile.setPixel(kLeft - 1, y, Shaded(pal::kStone, 0.3));
        tile.setPixel(kRight + 1, y, Lit(Scale(pal::kStone, 1.1), 0.5));
    }
    return tile;
}

// The floor seen through an opening, darker under the lintel.
void PassageFloor(QImage& tile, uint64_t seed, double brightness) {
    const QImage floor = Flagstones(seed);
    for (int y = kTop; y < kSize; ++y) {
        for (int x = kLeft; x <= kRight; ++x) {
            const double depth = std::min(1.0, (y - kTop) / 6.0);
            tile.setPixel(x, y, Scale(floor.pixel(x, y), brightness * (0.45 + 0.55 * depth)));
        }
    }
    for (int x = kLeft; x <= kRight; ++x)
        tile.setPixel(x, kTop, Scale(tile.pixel(x, kTop), 0.5));
}

void Rivet(QImage& tile, int x, int y) {
    tile.setPixel(x, y, qRgb(200, 200, 210));
    tile.setPixel(x + 1, y + 1, Scale(pal::kIron, 0.5));
}

}  // namespace

QImage ClosedDoor(uint64_t seed) {
    QImage tile = FramedOpening(seed, pal::kWood);
    Rng rng(seed + 41);
    // Four upright boards.
    const int seams[] = {kLeft, 6, 10, 13, kRight + 1};
    for (int b = 0; b < 4; ++b) {
        const QRgb board = Vary(pal::kWood, 0.08, rng);
        for (int y = kTop; y < kSize; ++y) {
            for (int x = seams[b]; x < seams[b + 1]; ++x) {
                QRgb c = Vary(board, 0.04, rng);
                if (x == seams[b]) c = Lit(c, 0.6);
                if (x == seams[b + 1] - 1) c = Shaded(c, 0.7);
                if ((y * 5 + x * 3) % 11 == 0) c = Scale(c, 0.85);
                tile.setPixel(x, y, c);
            }
        }
    }
    // Two iron bands with rivets, and a ring to pull.
    for (int band : {6, 15}) {
        for (int x = kLeft; x <= kRight; ++x) {
            tile.setPixel(x, band, Lit(pal::kIron, 0.3));
            tile.setPixel(x, band + 1, Shaded(pal::kIron, 0.4));
        }
        Rivet(tile, 4, band);
        Rivet(tile, 14, band);
    }
    const QRgb ring = qRgb(190, 160, 70);
    const int ringPixels[][2] = {{13, 10}, {14, 10}, {12, 11}, {15, 11}, {13, 12}, {14, 12}};
    for (const auto& p : ringPixels)
        tile.setPixel(p[0], p[1], ring);
    tile.setPixel(15, 12, Scale(ring, 0.5));
    // Shadow of the lintel on the top of the door.
    for (int x = kLeft; x <= kRight; ++x)
        tile.setPixel(x, kTop, Scale(tile.pixel(x, kTop), 0.55));
    return tile;
}

QImage OpenDoor(uint64_t seed) {
    QImage tile = FramedOpening(seed, 0);
    PassageFloor(tile, seed + 1, 1.0);
    // The door leaf stands open against the left jamb, seen edge-on.
    for (int y = kTop; y < kSize; ++y) {
        tile.setPixel(kLeft, y, Lit(pal::kWood, 0.5));
        tile.setPixel(kLeft + 1, y, pal::kWood);
        tile.setPixel(kLeft + 2, y, Shaded(pal::kWood, 0.6));
        tile.setPixel(kLeft + 3, y, Scale(tile.pixel(kLeft + 3, y), 0.5));
    }
    for (int band : {6, 15})
        tile.setPixel(kLeft + 1, band, pal::kIron);
    return tile;
}

QImage ClosedGate(uint64_t seed) {
    QImage tile = FramedOpening(seed, 0);
    PassageFloor(tile, seed + 2, 0.55);
    // Iron bars in front of the dark passage: five uprights, two rails, and
    // spikes at the foot where the gate meets the floor.
    const int bars[] = {4, 7, 10, 13, 16};
    for (int x : bars) {
        for (int y = kTop; y < kSize - 1; ++y) {
            tile.setPixel(x, y, Lit(pal::kIron, 0.4));
            if (x + 1 <= kRight) tile.setPixel(x + 1, y, Scale(tile.pixel(x + 1, y), 0.45));
        }
        tile.setPixel(x, kSize - 1, Scale(pal::kIron, 1.3));
    }
    for (int rail : {7, 13}) {
        for (int x = kLeft; x <= kRight; ++x) {
            tile.setPixel(x, rail, pal::kIron);
            tile.setPixel(x, rail + 1, Shaded(pal::kIron, 0.8));
        }
    }
    return tile;
}

QImage RaisedGate(uint64_t seed) {
    QImage tile = FramedOpening(seed, 0);
    PassageFloor(tile, seed + 2, 1.0);
    // Only the spiked foot of the raised gate shows under the lintel.
    for (int x = kLeft; x <= kRight; ++x) {
        tile.setPixel(x, kTop, Shaded(pal::kIron, 0.4));
    }
    for (int x : {4, 7, 10, 13, 16}) {
        tile.setPixel(x, kTop, Lit(pal::kIron, 0.4));
        tile.setPixel(x, kTop + 1, Scale(pal::kIron, 1.2));
        tile.setPixel(x, kTop + 2, Scale(tile.pixel(x, kTop + 2), 0.5));
    }
    return tile;
}

QImage IronDoor(uint64_t seed) {
    QImage tile = FramedOpening(seed, pal::kIron);
    Rng rng(seed + 43);
    const QRgb plate = Mix(pal::kIron, qRgb(60, 70, 90), 0.3);
    // Two leaves of riveted plate meeting in the middle.
    for (int y = kTop; y < kSize; ++y) {
        for (int x = kLeft; x <= kRight; ++x) {
            QRgb c = Vary(plate, 0.03, rng);
            const bool leftLeaf = x < 10;
            const int lx = leftLeaf ? x - kLeft : x - 10;
            const int width = leftLeaf ? 7 : kRight - 9;
            if (lx == 0 || y == kTop) c = Lit(c, 0.7);
            if (lx == width - 1 || y == kSize - 1) c = Shaded(c, 0.8);
            if (y == 11) c = Shaded(c, 0.5);
            if (y == 12) c = Lit(c, 0.4);
            tile.setPixel(x, y, c);
        }
    }
    for (int y : {5, 9, 14, 18}) {
        Rivet(tile, 4, y);
        Rivet(tile, 14, y);
    }
    // Rust streaks under the rivets.
    for (int y = 15; y < 19; ++y)
        tile.setPixel(5, y, Mix(tile.pixel(5, y), pal::kRust, 0.5));
    for (int y = 10; y < 13; ++y)
        tile.setPixel(15, y, Mix(tile.pixel(15, y), pal::kRust, 0.4));
    // The lock plate.
    FillRect(tile, 9, 9, 2, 4, qRgb(180, 150, 70));
    tile.setPixel(9, 11, qRgb(20, 16, 10));
    return tile;
}

}  // namespace assetgen::tiles
