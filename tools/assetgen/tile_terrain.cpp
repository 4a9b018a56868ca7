// Floors, walls, liquids, walls that can be destroyed and their rubble.
#include <algorithm>
#include <cmath>

#include "colour.h"
#include "sprite.h"
#include "texture.h"
#include "tile_kit.h"

namespace assetgen::tiles {

namespace {

QRgb StoneTint(QRgb base, double spread, Rng& rng) {
    QRgb c = Vary(base, spread, rng);
    // A few stones lean warm or cool, as quarried stone does.
    const double shift = rng.Unit();
    if (shift < 0.2) c = Mix(c, qRgb(120, 96, 70), 0.18);
    if (shift > 0.85) c = Mix(c, qRgb(70, 80, 100), 0.18);
    return c;
}

QImage PaintedCells(const CellMap& cells, QRgb base, double spread, const CellStyle& style,
                    Rng& rng) {
    QImage tile = NewTile();
    std::vector<QRgb> colours;
    for (int i = 0; i < 64; ++i)
        colours.push_back(StoneTint(base, spread, rng));
    PaintCells(
        tile, cells, [&](int id) { return colours[id % colours.size()]; }, style, rng);
    return tile;
}

void AddMoss(QImage& tile, double amount, QRgb mossColour, Rng& rng) {
    const auto noise = ValueNoise(kSize, kSize, 4, rng);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const double n = noise[y * kSize + x];
            if (n > 1.0 - amount && rng.Chance(0.75)) {
                const QRgb moss = Vary(mossColour, 0.25, rng);
                tile.setPixel(x, y, Mix(tile.pixel(x, y), moss, 0.55 + 0.4 * rng.Unit()));
            }
        }
    }
}

void AddPebbles(QImage& tile, int count, QRgb colour, Rng& rng) {
    for (int i = 0; i < count; ++i) {
        const int x = rng.Range(0, kSize - 2);
        const int y = rng.Range(0, kSize - 2);
        const QRgb c = Vary(colour, 0.15, rng);
        tile.setPixel(x, y, Lit(c, 0.3));
        tile.setPixel(x + 1, y, c);
        tile.setPixel(x + 1, y + 1, Shaded(tile.pixel(x + 1, y + 1), 0.4));
    }
}

// A loose piece lying on the ground: lit top-left, dark edge and a shadow.
void AddChunk(QImage& tile, int x, int y, int w, int h, QRgb colour) {
    for (int j = 0; j < h + 1; ++j) {
        for (int i = 0; i < w + 1; ++i) {
            const int px = x + i;
            const int py = y + j;
            if (px >= kSize || py >= kSize) continue;
            if (i == w || j == h) {
                if (i > 0 && j > 0) tile.setPixel(px, py, Scale(tile.pixel(px, py), 0.5));
                continue;
            }
            QRgb c = colour;
            if (i == 0 || j == 0) c = Lit(c, 0.7);
            if (i == w - 1 || j == h - 1) c = Shaded(c, 0.7);
            tile.setPixel(px, py, c);
        }
    }
}

// The top edge of a wall catches the light: a bright first row and a lit
// second one, so that a wall reads as a raised block at a glance.
void LightTopEdge(QImage& tile, QRgb cap) {
    for (int x = 0; x < kSize; ++x) {
        tile.setPixel(x, 0, Mix(tile.pixel(x, 0), cap, 0.7));
        tile.setPixel(x, 1, Mix(tile.pixel(x, 1), cap, 0.3));
    }
}

void Darken(QImage& tile, double factor) {
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x)
            tile.setPixel(x, y, Scale(tile.pixel(x, y), factor));
    }
}

}  // namespace

QImage NewTile() {
    QImage tile(kSize, kSize, QImage::Format_RGB32);
    tile.fill(Qt::black);
    return tile;
}

void Place(QImage& tile, const QImage& object, int x, int y) {
    CastShadow(tile, object, x, y);
    Stamp(tile, object, x, y);
}

// ---- floors ---------------------------------------------------------------
//
// Floors are flat, dark and quiet so that they never read as wall: no
// courses of bricks, no bevels that would lift a piece, joints only a little
// darker than the stone, and little change of brightness overall.

QImage Flagstones(uint64_t seed) {
    Rng rng(seed);
    // Large irregular slabs: no courses that could pass for brickwork.
    const CellMap cells = StoneCells(kSize, kSize, 4, 0.9, rng);
    return PaintedCells(cells, pal::kFloor, 0.05, {Scale(pal::kFloor, 0.8), 0.0, 0.035, true}, rng);
}

QImage Cobbles(uint64_t seed) {
    Rng rng(seed);
    const CellMap cells = StoneCells(kSize, kSize, 9, 1.0, rng);
    const QRgb stone = Mix(pal::kFloor, pal::kEarth, 0.3);
    return PaintedCells(cells, stone, 0.06, {Scale(stone, 0.7), 0.12, 0.04, true}, rng);
}

QImage CaveFloor(uint64_t seed) {
    Rng rng(seed);
    QImage tile = NewTile();
    const auto noise = ValueNoise(kSize, kSize, 4, rng);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const double n = noise[y * kSize + x];
            tile.setPixel(x, y, Vary(Scale(pal::kEarth, 0.9 + 0.2 * n), 0.04, rng));
        }
    }
    AddPebbles(tile, 3, Mix(pal::kEarth, pal::kRock, 0.25), rng);
    return tile;
}

QImage CrackedFlagstones(uint64_t seed) {
    QImage tile = Flagstones(seed);
    Rng rng(seed + 7);
    AddCrack(tile, 3, 1, 14, rng, 0.6, 0.0);
    AddCrack(tile, 12, 8, 10, rng, 0.6, 0.0);
    return tile;
}

QImage MossyFlagstones(uint64_t seed) {
    QImage tile = Flagstones(seed);
    Rng rng(seed + 3);
    AddMoss(tile, 0.45, Scale(pal::kMoss, 0.72), rng);
    return tile;
}

QImage Planks(uint64_t seed) {
    Rng rng(seed);
    QImage tile = NewTile();
    const QRgb wood = Scale(Mix(pal::kWoodDark, pal::kWood, 0.3), 0.78);
    for (int plank = 0; plank < 4; ++plank) {
        const QRgb base = Vary(wood, 0.05, rng);
        const int end = rng.Range(3, 16);  // where this plank meets the next one
        for (int y = 0; y < kSize; ++y) {
            for (int x = plank * 5; x < plank * 5 + 5; ++x) {
                const int along = x - plank * 5;
                QRgb c = Vary(base, 0.03, rng);
                if ((x * 7 + y / 3 + plank) % 5 == 0) c = Scale(c, 0.92);  // grain
                if (along == 4 || y == end) c = Scale(base, 0.68);         // the seams
                tile.setPixel(x, y, c);
            }
        }
        // Nails beside the joint.
        const int nailY = (end + 2) % kSize;
        tile.setPixel(plank * 5 + 1, nailY, qRgb(74, 72, 76));
        tile.setPixel(plank * 5 + 2, (end + kSize - 2) % kSize, qRgb(66, 64, 68));
    }
    return tile;
}

QImage HallTiles(uint64_t seed) {
    Rng rng(seed);
    QImage tile = NewTile();
    // Polished slabs in two quiet shades; the chequer is felt, not shouted.
    const QRgb dark = qRgb(38, 38, 46);
    const QRgb light = qRgb(50, 49, 58);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const bool odd = ((x / 10) + (y / 10)) % 2 == 1;
            const int ix = x % 10;
            const int iy = y % 10;
            QRgb c = Vary(odd ? light : dark, 0.025, rng);
            if (ix == 9 || iy == 9) c = Scale(dark, 0.72);
            tile.setPixel(x, y, c);
        }
    }
    // A small brass inlay where four slabs meet.
    const QRgb brass = qRgb(112, 92, 52);
    tile.setPixel(19, 19, brass);
    tile.setPixel(9, 9, brass);
    tile.setPixel(19, 9, brass);
    tile.setPixel(9, 19, brass);
    return tile;
}

QImage Gravel(uint64_t seed) {
    Rng rng(seed);
    const CellMap cells = StoneCells(kSize, kSize, 36, 0.7, rng);
    const QRgb grit = Mix(pal::kEarth, qRgb(84, 76, 64), 0.35);
    return PaintedCells(cells, grit, 0.08, {Scale(grit, 0.68), 0.25, 0.04, true}, rng);
}

QImage Carpet(uint64_t seed) {
    Rng rng(seed);
    QImage tile = NewTile();
    const QRgb red = qRgb(84, 20, 26);
    const QRgb gold = qRgb(118, 88, 40);  // worn thread, not metal
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            QRgb c = Vary(red, 0.04, rng);
            const int d = std::abs(x - 10) + std::abs(y - 10);
            // Diamond medallion in the middle, small stars at the corners.
            if (d == 6) c = gold;
            if (d == 3) c = Scale(gold, 0.8);
            if (d == 0) c = Lit(gold, 0.5);
            const int cd = std::min(x, 19 - x) + std::min(y, 19 - y);
            if (cd == 1) c = Scale(gold, 0.75);
            if (d > 6 && d < 9 && (x + y) % 2 == 0) c = Scale(c, 0.85);
            tile.setPixel(x, y, c);
        }
    }
    return tile;
}

QImage WetFlagstones(uint64_t seed) {
    QImage tile = Flagstones(seed);
    // Water lying in a hollow of the floor: darker than the stone round it,
    // in shadow under its upper rim and wet-bright along its lower one, the
    // way a dip looks with the light from the top left.
    const QRgb water = qRgb(22, 36, 58);
    auto inside = [](double x, double y) {
        const double ex = (x - 9.5) / 7.5;
        const double ey = (y - 11.0) / 5.0;
        return ex * ex + ey * ey < 1.0;
    };
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            if (!inside(x + 0.5, y + 0.5)) continue;
            QRgb c = Mix(tile.pixel(x, y), water, 0.75);
            if (!inside(x + 0.5, y - 0.5) || !inside(x - 0.5, y + 0.5)) c = Scale(c, 0.7);
            if (!inside(x + 0.5, y + 1.5)) c = Mix(c, qRgb(70, 96, 120), 0.45);
            tile.setPixel(x, y, c);
        }
    }
    // The reflection of a far light on the still surface.
    tile.setPixel(7, 10, qRgb(64, 88, 116));
    tile.setPixel(8, 10, qRgb(52, 74, 100));
    return tile;
}

// ---- walls ----------------------------------------------------------------

QImage BrickWall(uint64_t seed) {
    Rng rng(seed);
    const CellMap cells = BrickCells(kSize, kSize, 10, 5);
    QImage tile = PaintedCells(cells, pal::kWallStone, 0.08, {pal::kMortar, 1.0, 0.05, true}, rng);
    LightTopEdge(tile, Lit(pal::kWallStone, 0.9));
    return tile;
}

QImage CaveRock(uint64_t seed) {
    Rng rng(seed);
    const CellMap cells = StoneCells(kSize, kSize, 4, 1.0, rng);
    QImage tile =
        PaintedCells(cells, pal::kWallRock, 0.1, {Scale(pal::kMortar, 0.8), 1.3, 0.08, true}, rng);
    // Rough faces: darker towards the bottom right of each piece.
    const auto noise = ValueNoise(kSize, kSize, 5, rng);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            if (cells.At(x, y) == kJoint) continue;
            tile.setPixel(x, y, Scale(tile.pixel(x, y), 0.85 + 0.3 * noise[y * kSize + x]));
        }
    }
    LightTopEdge(tile, Lit(pal::kWallRock, 0.9));
    return tile;
}

QImage BasaltBlocks(uint64_t seed) {
    Rng rng(seed);
    const CellMap cells = BrickCells(kSize, kSize, 20, 10);
    const QRgb basalt = qRgb(100, 102, 118);
    QImage tile = PaintedCells(cells, basalt, 0.06, {pal::kMortar, 1.3, 0.05, true}, rng);
    // Chisel marks.
    for (int i = 0; i < 5; ++i) {
        const int x = rng.Range(2, 16);
        const int y = rng.Range(1, 17);
        if (cells.At(x, y) == kJoint || cells.At(x + 1, y) == kJoint) continue;
        tile.setPixel(x, y, Scale(tile.pixel(x, y), 0.7));
        tile.setPixel(x + 1, y, Scale(tile.pixel(x + 1, y), 0.8));
    }
    LightTopEdge(tile, Lit(basalt, 0.9));
    return tile;
}

QImage MossyBrickWall(uint64_t seed) {
    QImage tile = BrickWall(seed);
    Rng rng(seed + 5);
    AddMoss(tile, 0.4, pal::kMoss, rng);
    // Moss creeping down the joints.
    for (int x = 0; x < kSize; ++x) {
        if (!rng.Chance(0.35)) continue;
        const int length = rng.Range(2, 7);
        for (int y = 0; y < length; ++y) {
            tile.setPixel(x, y, Mix(tile.pixel(x, y), Vary(pal::kMoss, 0.2, rng), 0.7));
        }
    }
    return tile;
}

QImage MineWall(uint64_t seed) {
    QImage tile = CaveRock(seed);
    Rng rng(seed + 9);
    const QRgb wood = pal::kWood;
    // A beam across the top on two posts: the shoring of a mine gallery.
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const bool post = (x >= 2 && x <= 4) || (x >= 15 && x <= 17);
            const bool beam = y >= 2 && y <= 5;
            if (!post && !beam) continue;
            QRgb c = Vary(wood, 0.06, rng);
            if (beam) {
                if (y == 2) c = Lit(c, 0.8);
                if (y == 5) c = Shaded(c, 0.8);
                if ((x * 3 + y) % 7 == 0) c = Scale(c, 0.85);
            } else {
                if (x == 2 || x == 15) c = Lit(c, 0.6);
                if (x == 4 || x == 17) c = Shaded(c, 0.8);
                if ((y * 3 + x) % 6 == 0) c = Scale(c, 0.85);
            }
            tile.setPixel(x, y, c);
        }
    }
    for (int x = 0; x < kSize; ++x)
        tile.setPixel(x, 6, Scale(tile.pixel(x, 6), 0.5));
    for (int y = 7; y < kSize; ++y) {
        tile.setPixel(5, y, Scale(tile.pixel(5, y), 0.55));
        tile.setPixel(18, y, Scale(tile.pixel(18, y), 0.55));
    }
    return tile;
}

QImage TorchWall(uint64_t seed) {
    QImage tile = BrickWall(seed);
    AddGlow(tile, 10, 7, 12, qRgb(255, 150, 60), 0.55);
    const QImage torch = TorchSprite();
    CastShadow(tile, torch, 6, 3);
    Stamp(tile, torch, 6, 3);
    return tile;
}

QImage Pillar(uint64_t seed) {
    QImage tile = Flagstones(seed);
    // A fluted column seen from the front: a square capital with a lit top,
    // a round shaft lit on its left, a plinth, and its shadow on the floor
    // to the right.  Upright and squared, it never passes for a boulder.
    const QRgb stone = pal::kWallStone;
    for (int y = 4; y < kSize; ++y) {
        for (int x = 15; x < 19; ++x)
            tile.setPixel(x, y, Scale(tile.pixel(x, y), 0.55));
    }
    for (int x = 4; x < 19; ++x)
        tile.setPixel(x, 19, Scale(tile.pixel(x, 19), 0.55));
    // The shaft, shaded as a cylinder under light from the top left.
    for (int y = 4; y <= 15; ++y) {
        for (int x = 5; x <= 14; ++x) {
            const double u = (x + 0.5 - 10.0) / 5.0;
            const double light = std::max(0.0, -0.6 * u + 0.8 * std::sqrt(1.0 - u * u));
            QRgb c = Scale(stone, 0.5 + 0.65 * light);
            if (x == 7 || x == 10 || x == 13) c = Scale(c, 0.72);  // flutes
            if (y == 4) c = Scale(c, 0.6);                         // under the capital
            tile.setPixel(x, y, c);
        }
    }
    // The capital: lit top edge, its face, the shaded underside.
    for (int x = 2; x <= 17; ++x) {
        QRgb face = Scale(stone, 1.05);
        if (x == 2) face = Lit(face, 0.5);
        if (x == 17) face = Shaded(face, 0.6);
        tile.setPixel(x, 0, Lit(stone, 1.0));
        tile.setPixel(x, 1, face);
        tile.setPixel(x, 2, face);
        tile.setPixel(x, 3, Shaded(stone, 0.8));
    }
    // The plinth.
    for (int x = 3; x <= 16; ++x) {
        tile.setPixel(x, 16, Lit(stone, 0.7));
        tile.setPixel(x, 17, x == 16 ? Shaded(stone, 0.5) : stone);
        tile.setPixel(x, 18, Shaded(stone, 0.8));
    }
    return tile;
}

QImage DeepWater(uint64_t seed) {
    Rng rng(seed);
    QImage tile = NewTile();
    const auto noise = ValueNoise(kSize, kSize, 4, rng);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const double n = noise[y * kSize + x];
            tile.setPixel(x, y, Vary(Mix(qRgb(10, 26, 58), pal::kWater, n), 0.03, rng));
        }
    }
    // Ripples: short lit crests with a dark trough under them, staggered so
    // that a lake of these tiles shows no seams.
    const int crests[][3] = {{2, 3, 5},   {11, 2, 6}, {6, 9, 5},
                             {15, 10, 4}, {1, 15, 5}, {10, 16, 6}};
    for (const auto& c : crests) {
        for (int i = 0; i < c[2]; ++i) {
            const int x = (c[0] + i) % kSize;
            const int lift = (i == 0 || i == c[2] - 1) ? 0 : -1;
            const int y = c[1] + lift;
            tile.setPixel(x, y, Mix(tile.pixel(x, y), qRgb(110, 160, 210), 0.7));
            tile.setPixel(x, y + 1, Scale(tile.pixel(x, y + 1), 0.7));
        }
    }
    return tile;
}

QImage Lava(uint64_t seed) {
    Rng rng(seed);
    const CellMap cells = StoneCells(kSize, kSize, 6, 1.5, rng);
    QImage tile = NewTile();
    std::vector<QRgb> crust;
    for (int i = 0; i < 16; ++i)
        crust.push_back(Vary(qRgb(62, 26, 18), 0.2, rng));
    PaintCells(
        tile, cells, [&](int id) { return crust[id % crust.size()]; },
        {qRgb(255, 130, 30), 1.0, 0.1, true}, rng);
    // The molten seams glow yellow in their middle and light the crust edges.
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            if (cells.At(x, y) != kJoint) {
                int near = 0;
                for (int dy = -1; dy <= 1; ++dy) {
                    for (int dx = -1; dx <= 1; ++dx)
                        near += cells.At(x + dx, y + dy) == kJoint;
                }
                if (near > 0) tile.setPixel(x, y, Mix(tile.pixel(x, y), qRgb(200, 70, 20), 0.35));
                continue;
            }
            const bool core = cells.At(x - 1, y) == kJoint && cells.At(x + 1, y) == kJoint &&
                              cells.At(x, y - 1) == kJoint && cells.At(x, y + 1) == kJoint;
            if (core) tile.setPixel(x, y, qRgb(255, 220, 90));
        }
    }
    return tile;
}

QImage Chasm(uint64_t seed) {
    Rng rng(seed);
    QImage tile = NewTile();
    const auto noise = ValueNoise(kSize, kSize, 3, rng);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const double n = noise[y * kSize + x];
            QRgb c = Mix(qRgb(8, 6, 14), qRgb(28, 22, 40), n);
            if ((y + (x / 7)) % 5 == 0) c = Scale(c, 1.35);  // strata far below
            tile.setPixel(x, y, Vary(c, 0.05, rng));
        }
    }
    for (int i = 0; i < 4; ++i) {
        tile.setPixel(rng.Range(0, 19), rng.Range(0, 19), qRgb(70, 60, 90));
    }
    return tile;
}

// ---- walls that give way, and their remains --------------------------------

QImage CrackedBrickWall(uint64_t seed) {
    QImage tile = BrickWall(seed);
    // One jagged crack through every course, with branches, dark enough to
    // show on the light bricks at a glance: this wall gives way.  Its right
    // lip catches the light.
    const int crack[][2] = {{8, 0},   {8, 1},   {9, 2},   {9, 3},   {10, 4},  {10, 5},  {9, 6},
                            {9, 7},   {10, 8},  {11, 9},  {11, 10}, {12, 11}, {12, 12}, {11, 13},
                            {11, 14}, {12, 15}, {13, 16}, {13, 17}, {12, 18}, {12, 19}, {8, 3},
                            {7, 4},   {6, 5},   {5, 6},   {4, 6},   {12, 10}, {13, 10}, {14, 9},
                            {15, 9},  {16, 8},  {10, 14}, {9, 15},  {8, 16},  {7, 16}};
    for (const auto& p : crack) {
        tile.setPixel(p[0], p[1], Scale(tile.pixel(p[0], p[1]), 0.15));
    }
    // The trunk is two pixels wide where it opens most.
    for (int y = 4; y < 16; ++y) {
        for (const auto& p : crack) {
            if (p[1] == y && p[0] >= 9) {
                tile.setPixel(p[0] - 1, y, Scale(tile.pixel(p[0] - 1, y), 0.35));
                break;
            }
        }
    }
    for (const auto& p : crack) {
        const int x = p[0] + 1;
        if (x < kSize && qGray(tile.pixel(x, p[1])) > 60)
            tile.setPixel(x, p[1], Lit(tile.pixel(x, p[1]), 0.3));
    }
    // A brick has fallen out, showing the dark behind it.
    FillRect(tile, 14, 15, 5, 3, qRgb(16, 14, 14));
    return tile;
}

QImage Boulders(uint64_t seed) {
    QImage tile = CaveFloor(seed);
    Darken(tile, 0.5);
    Rng rng(seed + 17);
    // A heap of round stones that fills the passage to the top of the tile,
    // their upper sides in the light: the wall a bomb can break.
    const double stones[][3] = {
        {4.6, 4.8, 5.6}, {14.6, 4.4, 5.8}, {9.6, 10.8, 6.0}, {4.2, 15.6, 4.6}, {15.4, 15.4, 4.8}};
    for (const auto& s : stones) {
        // Each boulder's shadow, then the boulder itself over it.
        for (int y = 0; y < kSize; ++y) {
            for (int x = 0; x < kSize; ++x) {
                if (std::hypot(x + 0.5 - s[0] - 1.2, y + 0.5 - s[1] - 1.2) < s[2]) {
                    tile.setPixel(x, y, Scale(tile.pixel(x, y), 0.5));
                }
            }
        }
        ShadedDisc(tile, s[0], s[1], s[2], Vary(Scale(pal::kWallRock, 1.15), 0.08, rng));
    }
    return tile;
}

QImage Barricade(uint64_t seed) {
    QImage tile = CaveFloor(seed);
    Darken(tile, 0.45);
    Rng rng(seed + 19);
    auto plank = [&](int x0, int y0, int w, int h) {
        const QRgb base = Vary(pal::kWood, 0.12, rng);
        for (int y = y0; y < y0 + h; ++y) {
            for (int x = x0; x < x0 + w; ++x) {
                QRgb c = Vary(base, 0.05, rng);
                if (y == y0 || x == x0) c = Lit(c, 0.7);
                if (y == y0 + h - 1 || x == x0 + w - 1) c = Shaded(c, 0.8);
                if (((x + 2 * y) % 6) == 0) c = Scale(c, 0.88);
                tile.setPixel(x, y, c);
            }
            if (x0 + w < kSize) tile.setPixel(x0 + w, y, Scale(tile.pixel(x0 + w, y), 0.4));
        }
        for (int x = x0 + 1; x <= x0 + w && x < kSize && y0 + h < kSize; ++x) {
            tile.setPixel(x, y0 + h, Scale(tile.pixel(x, y0 + h), 0.4));
        }
    };
    plank(2, 0, 4, 20);
    plank(14, 0, 4, 20);
    plank(0, 3, 20, 4);
    plank(0, 12, 20, 4);
    // Nails where boards cross.
    for (int x : {3, 4, 15, 16}) {
        tile.setPixel(x, 4, qRgb(150, 150, 160));
        tile.setPixel(x, 13, qRgb(150, 150, 160));
    }
    return tile;
}

QImage CrystalVein(uint64_t seed) {
    QImage tile = CaveRock(seed);
    Legend legend;
    legend.Set('c', qRgb(150, 90, 230))
        .Set('l', qRgb(120, 200, 255))
        .Set('w', qRgb(235, 230, 255), false);
    const QImage shards = PaintSprite(
        {
            "....................", "..c.........l.......", ".ccc.......lll......",
            ".cwc.......lwl...c..", ".ccc........l...ccc.", "..c.............cwc.",
            "................ccc.", ".......c.........c..", "......ccc...........",
            "......cwc...........", "......ccc......l....", "......ccc.....lll...",
            ".......c......lwl...", "..l...........lll...", ".lll...........l....",
            ".lwl................", "..l.........c.......", "...........ccc......",
            "...........cwc......", "............c.......",
        },
        legend);
    Stamp(tile, shards, 0, 0);
    return tile;
}

QImage BrickRubble(uint64_t seed) {
    QImage tile = Flagstones(seed);
    Rng rng(seed + 23);
    // Broken bits of the wall, dimmed by dust: rubble is floor to walk on.
    AddSpeckles(tile, Scale(pal::kStone, 0.6), 0.06, rng);
    const int chunks[][4] = {{2, 3, 4, 2},  {11, 2, 3, 3},  {6, 9, 5, 3}, {15, 8, 3, 2},
                             {3, 14, 3, 3}, {12, 14, 5, 2}, {9, 17, 2, 2}};
    for (const auto& c : chunks)
        AddChunk(tile, c[0], c[1], c[2], c[3], Vary(Scale(pal::kStone, 0.72), 0.1, rng));
    return tile;
}

QImage RockRubble(uint64_t seed) {
    QImage tile = CaveFloor(seed);
    Rng rng(seed + 29);
    AddSpeckles(tile, Scale(pal::kRock, 0.9), 0.08, rng);
    const int chunks[][4] = {{3, 2, 3, 3},   {12, 4, 4, 3}, {7, 10, 3, 2},
                             {15, 13, 3, 3}, {2, 15, 4, 2}, {10, 16, 2, 2}};
    for (const auto& c : chunks)
        AddChunk(tile, c[0], c[1], c[2], c[3], Vary(Scale(pal::kRock, 0.8), 0.12, rng));
    return tile;
}

QImage Splinters(uint64_t seed) {
    QImage tile = CaveFloor(seed);
    Rng rng(seed + 31);
    const int boards[][4] = {
        {2, 3, 6, 0}, {11, 5, 7, 1}, {4, 12, 5, 1}, {12, 15, 6, 0}, {8, 8, 3, 0}};
    for (const auto& b : boards) {
        const QRgb wood = Vary(pal::kWood, 0.1, rng);
        for (int i = 0; i < b[2]; ++i) {
            const int x = b[0] + i;
            const int y = b[1] + (b[3] ? i / 3 : 0);
            tile.setPixel(x, y, Lit(wood, 0.4));
            tile.setPixel(x, y + 1, Shaded(wood, 0.4));
            tile.setPixel(x, y + 2, Scale(tile.pixel(x, y + 2), 0.55));
        }
    }
    return tile;
}

}  // namespace assetgen::tiles
