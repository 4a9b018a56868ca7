// Tiles that act when the hero steps on them: signs, message stones,
// teleports, exits, mechanisms and traps.
#include <cmath>
#include <numbers>
#include <utility>

#include "colour.h"
#include "sprite.h"
#include "texture.h"
#include "tile_kit.h"

namespace assetgen::tiles {

namespace {

void ScaleTile(QImage& tile, double factor) {
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x)
            tile.setPixel(x, y, Scale(tile.pixel(x, y), factor));
    }
}

// A glowing ring of runes on the floor.
QImage RuneCircle(uint64_t seed, QRgb glow, QRgb core) {
    QImage tile = HallTiles(seed);
    ScaleTile(tile, 0.7);
    AddGlow(tile, 10, 10, 11, glow, 0.55);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const double dx = x + 0.5 - 10;
            const double dy = y + 0.5 - 10;
            const double d = std::hypot(dx, dy);
            const double a = std::atan2(dy, dx);
            if (d > 7.4 && d < 8.6) tile.setPixel(x, y, glow);
            // Runes sit in the ring at eight points.
            if (d > 5.3 && d < 6.5) {
                const double step = std::fmod(a + std::numbers::pi * 2, std::numbers::pi / 4);
                if (step < 0.28) tile.setPixel(x, y, Mix(glow, core, 0.5));
            }
            // A spiral in the middle.
            if (d < 4.2) {
                const double arm = std::fmod(a + d * 1.1 + std::numbers::pi * 4, std::numbers::pi);
                if (arm < 0.9) tile.setPixel(x, y, Mix(glow, core, 0.3 + 0.15 * (4.2 - d)));
            }
        }
    }
    tile.setPixel(9, 9, core);
    tile.setPixel(10, 10, core);
    tile.setPixel(10, 9, core);
    tile.setPixel(9, 10, core);
    return tile;
}

// Steps seen from above, each a lit nosing over a darker tread.
QImage Stairs(uint64_t seed, bool down) {
    QImage tile = BrickWall(seed);
    Rng rng(seed + 51);
    const int steps = 6;
    for (int s = 0; s < steps; ++s) {
        // Going down, the far steps are lower and darker; going up, higher
        // and brighter.
        const double depth = down ? (s + 1.0) / steps : (steps - s) / double(steps);
        const double light = down ? 1.05 - 0.8 * depth : 0.45 + 0.65 * (1.0 - depth) + 0.1;
        const int inset = down ? s / 2 : (steps - 1 - s) / 2;
        const QRgb stone = Scale(pal::kStone, light);
        for (int y = 1 + s * 3; y < 1 + s * 3 + 3 && y < kSize; ++y) {
            for (int x = 2 + inset; x <= 17 - inset; ++x) {
                QRgb c = Vary(stone, 0.04, rng);
                const int row = y - (1 + s * 3);
                if (row == 0) c = Lit(c, 0.9);
                if (row == 2) c = Shaded(c, 0.7);
                tile.setPixel(x, y, c);
            }
            for (int x = 1; x < 2 + inset; ++x)
                tile.setPixel(x, y, Scale(pal::kMortar, 1.2));
            for (int x = 18 - inset; x < 19; ++x)
                tile.setPixel(x, y, Scale(pal::kMortar, 1.2));
        }
    }
    for (int y = 19; y < kSize; ++y) {
        for (int x = 1; x < 19; ++x)
            tile.setPixel(x, y, down ? qRgb(10, 9, 12) : Scale(pal::kStone, 1.1));
    }
    // An arrow cut in the top step shows the way.
    const QRgb mark = down ? qRgb(230, 200, 120) : qRgb(150, 230, 255);
    const int ay = down ? 3 : 2;
    if (down) {
        for (int i = 0; i < 3; ++i) {
            for (int x = 8 + i; x <= 11 - i; ++x)
                tile.setPixel(x, ay + i, mark);
        }
    } else {
        for (int i = 0; i < 3; ++i) {
            for (int x = 10 - i - 1; x <= 10 + i; ++x)
                tile.setPixel(x, ay + i, mark);
        }
    }
    return tile;
}

QImage Lever(uint64_t seed, bool pulled) {
    QImage tile = Flagstones(seed);
    Legend legend;
    // A brass handle on a light iron base: the lever shows on any floor.
    legend.Set('i', Scale(pal::kIron, 1.35)).Set('d', Scale(pal::kIron, 0.85));
    legend.Set('w', qRgb(184, 144, 84)).Set('r', qRgb(240, 84, 60)).Set('g', qRgb(90, 230, 110));
    const PixelMap off = {
        "....................", "....................", "...rr...............",
        "..rrrr..............", "..rrrr..............", "...rrw..............",
        "......w.............", ".......w............", "........w...........",
        ".........w..........", "..........w.........", "...........w........",
        "......iiiiiiii......", ".....iiddddddii.....", ".....idddddddddi....",
        ".....iiiiiiiiiii....", "....................", "....................",
        "....................", "....................",
    };
    const PixelMap on = {
        "....................", "....................", "...............gg...",
        "..............gggg..", "..............gggg..", "..............wgg...",
        ".............w......", "............w.......", "...........w........",
        "..........w.........", ".........w..........", "........w...........",
        "......iiiiiiii......", ".....iiddddddii.....", ".....idddddddddi....",
        ".....iiiiiiiiiii....", "....................", "....................",
        "....................", "....................",
    };
    Place(tile, PaintSprite(pulled ? on : off, legend), 0, 1);
    if (pulled) AddGlow(tile, 16, 4, 6, qRgb(60, 220, 80), 0.4);
    return tile;
}

}  // namespace

QImage Signpost(uint64_t seed) {
    QImage tile = CaveFloor(seed);
    Legend legend;
    legend.Set('w', Scale(pal::kWood, 1.5))
        .Set('p', Scale(pal::kWood, 1.2))
        .Set('d', qRgb(40, 24, 12), false);
    const QImage sign = PaintSprite(
        {
            "....................", "....................", "..wwwwwwwwwwwww.....",
            "..wwwwwwwwwwwwww....", "..wddwdddwddwwwww...", "..wwwwwwwwwwwwwwww..",
            "..wdddwdwddddwwww...", "..wwwwwwwwwwwwww....", "..wwwwwwwwwwwww.....",
            "........pp..........", "........pp..........", "........pp..........",
            "........pp..........", "........pp..........", "........pp..........",
            "........pp..........", "........pp..........", "........pp..........",
            "....................", "....................",
        },
        legend);
    Place(tile, sign);
    return tile;
}

QImage Runestone(uint64_t seed) {
    QImage tile = CaveFloor(seed);
    Legend legend;
    legend.Set('s', Scale(pal::kStone, 1.2)).Set('b', pal::kStone);
    legend.Set('r', qRgb(90, 230, 255), false);
    const QImage stone = PaintSprite(
        {
            "....................", "........ssss........", "......ssssssss......",
            ".....ssssssssss.....", ".....ssrrsrrsss.....", ".....sssrssrsss.....",
            ".....sssrrrssss.....", ".....ssssssssss.....", ".....ssrsssrrss.....",
            ".....ssrrssrsss.....", ".....ssrssrrrss.....", ".....ssssssssss.....",
            ".....ssrrrsrsss.....", ".....sssrssrrss.....", ".....ssssssssss.....",
            "....bssssssssssb....", "...bbbbbbbbbbbbbb...", "....................",
            "....................", "....................",
        },
        legend);
    AddGlow(tile, 10, 9, 10, qRgb(60, 180, 255), 0.35);
    Place(tile, stone);
    return tile;
}

QImage FloorPlaque(uint64_t seed) {
    QImage tile = Flagstones(seed);
    Rng rng(seed + 61);
    const QRgb bronze = qRgb(150, 110, 56);
    for (int y = 4; y < 16; ++y) {
        for (int x = 3; x < 17; ++x)
            tile.setPixel(x, y, Vary(bronze, 0.05, rng));
    }
    BevelRect(tile, 3, 4, 14, 12, 0.9);
    // Engraved lines of writing.
    for (int y : {7, 9, 11, 13}) {
        for (int x = 5; x < 15; ++x) {
            if ((x * 7 + y * 3) % 5 == 0) continue;  // gaps between words
            if (y == 13 && x > 10) continue;
            tile.setPixel(x, y, Scale(bronze, 0.45));
        }
    }
    for (int x : {4, 15}) {
        tile.setPixel(x, 5, Lit(bronze));
        tile.setPixel(x, 14, Lit(bronze));
    }
    for (int x = 4; x < 18; ++x)
        tile.setPixel(x, 16, Scale(tile.pixel(x, 16), 0.5));
    for (int y = 5; y < 17; ++y)
        tile.setPixel(17, y, Scale(tile.pixel(17, y), 0.5));
    return tile;
}

QImage TeleportBlue(uint64_t seed) {
    return RuneCircle(seed, qRgb(60, 190, 255), qRgb(230, 250, 255));
}

QImage TeleportViolet(uint64_t seed) {
    return RuneCircle(seed, qRgb(180, 80, 255), qRgb(255, 220, 255));
}

QImage StairsDown(uint64_t seed) {
    return Stairs(seed, true);
}

QImage StairsUp(uint64_t seed) {
    return Stairs(seed, false);
}

QImage TunnelMouth(uint64_t seed) {
    QImage tile = CaveRock(seed);
    // The rock round the mouth a little lighter than the cave wall, so that
    // the way out stands apart from the floor before it.
    ScaleTile(tile, 1.12);
    // A dark hole whose rim catches the light on its far (bottom) edge.
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const double ex = (x + 0.5 - 10) / 8.2;
            const double ey = (y + 0.5 - 11) / 8.0;
            const double e = ex * ex + ey * ey;
            if (e < 1.0) {
                const double depth = 1.0 - e;
                tile.setPixel(x, y,
                              Mix(qRgb(34, 28, 24), qRgb(4, 3, 6), std::min(1.0, depth * 1.8)));
            } else if (e < 1.35) {
                const QRgb p = tile.pixel(x, y);
                tile.setPixel(x, y, ey > 0.2 ? Lit(p, 0.8) : Shaded(p, 0.9));
            }
        }
    }
    // Faint warm light far down the passage.
    AddGlow(tile, 10, 13, 4, qRgb(120, 80, 40), 0.4);
    return tile;
}

QImage LeverOff(uint64_t seed) {
    return Lever(seed, false);
}

QImage LeverOn(uint64_t seed) {
    return Lever(seed, true);
}

QImage PressurePlate(uint64_t seed) {
    QImage tile = Flagstones(seed);
    Rng rng(seed + 71);
    // The gap round the plate, then the plate standing a little proud.
    for (int y = 3; y < 17; ++y) {
        for (int x = 3; x < 17; ++x)
            tile.setPixel(x, y, qRgb(14, 12, 12));
    }
    const QRgb plate = Scale(pal::kStone, 0.95);
    for (int y = 4; y < 16; ++y) {
        for (int x = 4; x < 16; ++x)
            tile.setPixel(x, y, Vary(plate, 0.04, rng));
    }
    BevelRect(tile, 4, 4, 12, 12, 1.0);
    BevelRect(tile, 5, 5, 10, 10, 0.4);
    // A worn mark where feet have pressed it.
    for (int y = 8; y < 12; ++y) {
        for (int x = 8; x < 12; ++x)
            tile.setPixel(x, y, Scale(tile.pixel(x, y), 0.85));
    }
    return tile;
}

QImage RuneButton(uint64_t seed) {
    QImage tile = Flagstones(seed);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            if (std::hypot(x + 0.5 - 11, y + 0.5 - 11) < 7.2)
                tile.setPixel(x, y, Scale(tile.pixel(x, y), 0.45));
        }
    }
    ShadedDisc(tile, 10, 10, 6.8, Scale(pal::kStone, 1.3));
    const QRgb rune = qRgb(255, 70, 40);
    AddGlow(tile, 10, 10, 6, qRgb(255, 60, 20), 0.45);
    const int marks[][2] = {{10, 6},  {10, 7}, {10, 8}, {10, 9}, {10, 10}, {10, 11}, {10, 12},
                            {10, 13}, {8, 8},  {9, 9},  {12, 8}, {11, 9},  {8, 12},  {12, 12}};
    for (const auto& m : marks)
        tile.setPixel(m[0], m[1], rune);
    return tile;
}

QImage SpikeTrap(uint64_t seed) {
    QImage tile = Flagstones(seed);
    const QRgb steel = qRgb(170, 174, 186);
    for (int gy = 0; gy < 3; ++gy) {
        for (int gx = 0; gx < 3; ++gx) {
            const int x = 3 + gx * 6 - (gy % 2);
            const int y = 3 + gy * 6;
            // Hole with a spike standing in it.
            tile.setPixel(x - 1, y + 1, qRgb(8, 8, 10));
            tile.setPixel(x, y + 1, qRgb(8, 8, 10));
            tile.setPixel(x + 1, y + 1, qRgb(8, 8, 10));
            tile.setPixel(x, y + 2, qRgb(8, 8, 10));
            tile.setPixel(x, y - 1, Lit(steel));
            tile.setPixel(x, y, steel);
            tile.setPixel(x + 1, y, Shaded(steel));
            tile.setPixel(x + 1, y - 1, Scale(tile.pixel(x + 1, y - 1), 0.6));
            // Old blood on a few spikes.
            if ((gx + gy) % 3 == 0) tile.setPixel(x - 1, y + 2, pal::kBlood);
        }
    }
    return tile;
}

QImage FireGrate(uint64_t seed) {
    QImage tile = Flagstones(seed);
    Rng rng(seed + 81);
    // Embers in the pit below the grate.
    for (int y = 2; y < 18; ++y) {
        for (int x = 2; x < 18; ++x) {
            const double heat = rng.Unit();
            tile.setPixel(x, y,
                          heat > 0.7   ? qRgb(255, 170, 40)
                          : heat > 0.3 ? qRgb(200, 60, 16)
                                       : qRgb(70, 16, 8));
        }
    }
    AddGlow(tile, 10, 10, 12, qRgb(255, 90, 20), 0.4);
    // The iron grate over them.
    for (int i = 2; i < 18; ++i) {
        for (int bar : {2, 6, 10, 14}) {
            tile.setPixel(bar, i, Lit(Scale(pal::kIron, 0.8), 0.3));
            tile.setPixel(i, bar, Scale(pal::kIron, 0.8));
            tile.setPixel(i, bar + 1, Scale(qRgb(30, 20, 16), 1.0));
        }
        tile.setPixel(17, i, Shaded(pal::kIron));
        tile.setPixel(i, 17, Shaded(pal::kIron));
    }
    // A frame of light iron round the pit, which shows on any floor.
    for (int i = 1; i < 19; ++i) {
        for (const auto& [x, y] :
             {std::pair{i, 1}, std::pair{i, 18}, std::pair{1, i}, std::pair{18, i}})
            tile.setPixel(x, y, Scale(pal::kIron, 1.4));
    }
    BevelRect(tile, 1, 1, 18, 18, 0.8);
    return tile;
}

QImage RuneTrap(uint64_t seed) {
    QImage tile = Flagstones(seed);
    // A thin dull-red sigil, the least plain of the traps, yet bright enough
    // to be seen on the floor without telling red.
    const QRgb sigil = qRgb(204, 118, 104);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const double dx = x + 0.5 - 10;
            const double dy = y + 0.5 - 10;
            const double d = std::hypot(dx, dy);
            if (d > 6.6 && d < 7.5) tile.setPixel(x, y, Mix(tile.pixel(x, y), sigil, 0.9));
        }
    }
    // A five-pointed star inside the ring.
    for (int k = 0; k < 5; ++k) {
        const double a0 = -std::numbers::pi / 2 + k * 4 * std::numbers::pi / 5;
        const double a1 = -std::numbers::pi / 2 + (k + 1) * 4 * std::numbers::pi / 5;
        for (int i = 0; i <= 12; ++i) {
            const double t = i / 12.0;
            const double x = 10 + 6.6 * ((1 - t) * std::cos(a0) + t * std::cos(a1));
            const double y = 10 + 6.6 * ((1 - t) * std::sin(a0) + t * std::sin(a1));
            Blend(tile, static_cast<int>(x), static_cast<int>(y), sigil, 0.9);
        }
    }
    return tile;
}

QImage FinalPortal(uint64_t seed) {
    QImage tile = HallTiles(seed);
    ScaleTile(tile, 0.5);
    AddGlow(tile, 10, 10, 13, qRgb(255, 200, 80), 0.8);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const double dx = x + 0.5 - 10;
            const double dy = y + 0.5 - 10;
            const double d = std::hypot(dx, dy);
            const double a = std::atan2(dy, dx);
            if (d > 8.5) continue;
            // Three golden arms turning into a white heart.
            const double arm = std::fmod(a * 3 / (2 * std::numbers::pi) * 2 * std::numbers::pi / 3 +
                                             d * 0.75 + 20 * std::numbers::pi,
                                         2 * std::numbers::pi / 3);
            if (arm < 1.0)
                tile.setPixel(x, y, Mix(qRgb(255, 190, 60), qRgb(255, 255, 230), 1.0 - d / 8.5));
            if (d < 2.5) tile.setPixel(x, y, qRgb(255, 255, 240));
            if (d > 7.6) tile.setPixel(x, y, qRgb(255, 170, 50));
        }
    }
    return tile;
}

}  // namespace assetgen::tiles
