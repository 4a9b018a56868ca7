// Things that furnish the cave: remains, furniture, statues, fire, plants.
#include <cmath>

#include "colour.h"
#include "sprite.h"
#include "texture.h"
#include "tile_kit.h"

namespace assetgen::tiles {

namespace {

Legend BoneLegend() {
    Legend legend;
    legend.Set('b', pal::kBone).Set('e', qRgb(24, 18, 16), false).Set('s', Scale(pal::kBone, 0.92));
    return legend;
}

}  // namespace

QImage Bones(uint64_t seed) {
    QImage tile = CaveFloor(seed);
    Place(tile, PaintSprite(
                    {
                        "....................", ".b............sss...", "bbb..........sssss..",
                        ".bbb.........seses..", "...bb........sssss..", "....bb........sss...",
                        ".....bb.............", "......bbb...........", "......bbb...........",
                        ".......b............", "....................", "..........b.b.b.b...",
                        "..........bbbbbbbb..", "..........b.b.b.b...", "..b.....b...........",
                        ".bbbbbbbbb..........", "..b.....b...........", "....................",
                        "....................", "....................",
                    },
                    BoneLegend()));
    return tile;
}

QImage Skulls(uint64_t seed) {
    QImage tile = CaveFloor(seed);
    Place(tile, PaintSprite(
                    {
                        "....................", "....................", "........sss.........",
                        ".......sssss........", ".......seses........", ".......sssss........",
                        "....sss.sss.sss.....", "...ssssssssssssss...", "...sesesssesesses...",
                        "...sssssssssssss....", "..sss.sss.sss.sss...", ".sssssssssssssssss..",
                        ".seses.seses.seses..", ".sssss.sssss.sssss..", "..sss...sss...sss...",
                        "..b.b...b.b...b.b...", "....................", "....................",
                        "....................", "....................",
                    },
                    BoneLegend()));
    return tile;
}

QImage Barrel(uint64_t seed) {
    QImage tile = Flagstones(seed);
    // An upright barrel seen from the side: staves bulging between iron
    // hoops, lit on the left, with its round lid on top.  Standing and
    // banded, it never passes for a boulder.
    constexpr double kCentre = 9.5;
    auto halfWidth = [](int y) {
        const double t = (y + 0.5 - 10.5) / 8.5;
        return 4.6 + 1.4 * (1.0 - t * t);
    };
    auto inBody = [&](int x, int y) {
        return y >= 3 && y <= 18 && std::fabs(x + 0.5 - kCentre) < halfWidth(y);
    };
    // Its shadow on the floor, down and to the right.
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            if (!inBody(x, y) && (inBody(x - 1, y - 1) || inBody(x - 2, y - 1)))
                tile.setPixel(x, y, Scale(tile.pixel(x, y), 0.5));
        }
    }
    for (int y = 3; y <= 18; ++y) {
        for (int x = 0; x < kSize; ++x) {
            if (!inBody(x, y)) continue;
            const double u = (x + 0.5 - kCentre) / halfWidth(y);
            const double light = std::max(0.0, -0.6 * u + 0.8 * std::sqrt(1.0 - u * u));
            const bool hoop = y == 5 || y == 6 || y == 15 || y == 16;
            QRgb c = Scale(hoop ? pal::kIron : pal::kWood, 0.45 + 0.75 * light);
            if (!hoop && (x == 6 || x == 9 || x == 12)) c = Scale(c, 0.7);  // staves
            if (hoop && y % 5 == 0) c = Lit(c, 0.4);
            if (!inBody(x - 1, y) || !inBody(x + 1, y) || y == 18) c = Scale(c, 0.55);
            tile.setPixel(x, y, c);
        }
    }
    // The lid: an ellipse of end grain, lit, with its rim.
    for (int y = 0; y <= 4; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const double ex = (x + 0.5 - kCentre) / 5.4;
            const double ey = (y + 0.5 - 2.6) / 2.1;
            const double e = ex * ex + ey * ey;
            if (e >= 1.0) continue;
            QRgb c = Lit(Scale(pal::kWood, 1.1), 0.5);
            if (e > 0.55) c = Scale(pal::kWoodDark, ey < 0 ? 1.2 : 0.8);  // the rim
            tile.setPixel(x, y, c);
        }
    }
    tile.setPixel(9, 2, qRgb(30, 20, 12));  // bung
    return tile;
}

QImage Crate(uint64_t seed) {
    QImage tile = Flagstones(seed);
    Rng rng(seed + 91);
    const QRgb wood = Scale(pal::kWood, 1.1);
    for (int y = 2; y < 18; ++y) {
        for (int x = 2; x < 18; ++x) {
            QRgb c = Vary(wood, 0.05, rng);
            if ((y - 2) % 4 == 3) c = Scale(c, 0.7);  // boards of the lid
            tile.setPixel(x, y, c);
        }
    }
    // A frame and a diagonal brace.
    for (int i = 2; i < 18; ++i) {
        for (int edge : {2, 17}) {
            tile.setPixel(i, edge, Lit(pal::kWoodDark, 0.6));
            tile.setPixel(edge, i, Lit(pal::kWoodDark, 0.6));
        }
    }
    for (int i = 3; i < 17; ++i) {
        tile.setPixel(i, i, pal::kWoodDark);
        tile.setPixel(i, i - 1, Lit(pal::kWoodDark, 0.5));
    }
    BevelRect(tile, 2, 2, 16, 16, 0.9);
    for (int i = 3; i < 19; ++i) {
        tile.setPixel(18, i, Scale(tile.pixel(18, i), 0.45));
        tile.setPixel(i, 18, Scale(tile.pixel(i, 18), 0.45));
    }
    return tile;
}

QImage Altar(uint64_t seed) {
    QImage tile = HallTiles(seed);
    Legend legend;
    legend.Set('s', Scale(pal::kStone, 1.1))
        .Set('c', qRgb(150, 24, 30))
        .Set('g', qRgb(210, 170, 70));
    legend.Set('w', qRgb(235, 225, 200)).Set('f', qRgb(255, 210, 90), false);
    AddGlow(tile, 10, 6, 9, qRgb(255, 170, 70), 0.35);
    Place(tile, PaintSprite(
                    {
                        "....................", "....f........f......", "....w........w......",
                        "....w........w......", ".ssssssssssssssssss.", ".sccccccccccccccccs.",
                        ".scccccgggggcccccs..", ".sccccccgggccccccs..", ".scccccccgcccccccs..",
                        ".sssssssssssssssss..", "..sssssssssssssss...", "..sssssssssssssss...",
                        "..sssssssssssssss...", "..sssssssssssssss...", ".sssssssssssssssss..",
                        ".sssssssssssssssss..", "....................", "....................",
                        "....................", "....................",
                    },
                    legend));
    return tile;
}

QImage Statue(uint64_t seed) {
    QImage tile = HallTiles(seed);
    Legend legend;
    legend.Set('s', Scale(pal::kStone, 1.25))
        .Set('p', Scale(pal::kStone, 0.9))
        .Set('e', qRgb(30, 30, 36), false);
    Place(tile, PaintSprite(
                    {
                        "........sss.........", ".......sssss........", ".......seses........",
                        "........sss.........", ".....sssssssss......", "....sssssssssss.s...",
                        "....ss.sssss.ss.s...", "....ss.sssss.sssss..", "....s..sssss....s...",
                        "......sssssss...s...", "......sss.sss...s...", "......sss.sss...s...",
                        "......sss.sss.......", "......sss.sss.......", "....ppppppppppppp...",
                        "....ppppppppppppp...", "...ppppppppppppppp..", "...ppppppppppppppp..",
                        "....................", "....................",
                    },
                    legend));
    return tile;
}

QImage Well(uint64_t seed) {
    QImage tile = Flagstones(seed);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const double d = std::hypot(x + 0.5 - 10, y + 0.5 - 10);
            const double shadow = std::hypot(x + 0.5 - 11, y + 0.5 - 11);
            if (shadow < 9 && d >= 8.6) tile.setPixel(x, y, Scale(tile.pixel(x, y), 0.5));
            if (d < 8.6 && d >= 5.4) {
                // Stone ring, lit on the top left of its rim and inside on
                // the far (bottom right) wall of the shaft.
                const double a = std::atan2(y + 0.5 - 10, x + 0.5 - 10);
                QRgb c = Scale(pal::kStone, 1.0 + 0.25 * -std::cos(a + 0.8));
                if (static_cast<int>((a + 4) * 5) % 3 == 0) c = Scale(c, 0.8);  // stones
                if (d < 6.2) c = Scale(c, 0.7);
                tile.setPixel(x, y, c);
            } else if (d < 5.4) {
                tile.setPixel(
                    x, y,
                    Mix(qRgb(8, 18, 34), qRgb(30, 70, 110), std::max(0.0, (x + y - 14) / 14.0)));
            }
        }
    }
    tile.setPixel(8, 8, qRgb(140, 180, 220));
    tile.setPixel(9, 8, qRgb(90, 130, 180));
    return tile;
}

QImage Brazier(uint64_t seed) {
    QImage tile = Flagstones(seed);
    AddGlow(tile, 10, 7, 11, qRgb(255, 140, 40), 0.6);
    Legend legend;
    legend.Set('i', pal::kIron)
        .Set('f', qRgb(255, 110, 20), false)
        .Set('y', qRgb(255, 210, 70), false);
    legend.Set('h', qRgb(255, 250, 200), false).Set('r', qRgb(200, 50, 20), false);
    Place(tile, PaintSprite(
                    {
                        ".........f..........", "......f..ff.........", "......ff.fyf..f.....",
                        ".....ffyffyf.ff.....", ".....fyyyyhyffy.....", "....ffyhhhhyyyff....",
                        "....fyyhhhhhyyyf....", "...iirryyyyyyrrii...", "...iiiiiiiiiiiiii...",
                        "....iiiiiiiiiiii....", ".....iiiiiiiiii.....", ".......iiiiii.......",
                        "........iiii........", ".........ii.........", ".........ii.........",
                        "......iiiiiiii......", ".....iii....iii.....", "....................",
                        "....................", "....................",
                    },
                    legend));
    return tile;
}

QImage Bookshelf(uint64_t seed) {
    QImage tile = NewTile();
    Rng rng(seed);
    const QRgb wood = pal::kWoodDark;
    FillRect(tile, 0, 0, kSize, kSize, wood);
    const QRgb spines[] = {qRgb(140, 30, 30),  qRgb(40, 70, 130), qRgb(50, 110, 50),
                           qRgb(150, 120, 50), qRgb(90, 50, 110), qRgb(120, 70, 40)};
    for (int shelf = 0; shelf < 3; ++shelf) {
        const int top = 1 + shelf * 6;
        int x = 1;
        while (x < kSize - 1) {
            const int width = rng.Range(1, 3);
            const int height = rng.Range(4, 5);
            const QRgb spine = spines[rng.Range(0, 5)];
            for (int i = x; i < std::min(kSize - 1, x + width); ++i) {
                for (int y = top + 5 - height; y < top + 5; ++y) {
                    QRgb c = spine;
                    if (i == x) c = Lit(c, 0.6);
                    if (y == top + 2) c = Mix(c, qRgb(210, 180, 90), 0.5);  // gilt band
                    tile.setPixel(i, y, c);
                }
            }
            x += width;
            if (rng.Chance(0.15)) ++x;  // a gap where a book is missing
        }
        for (int i = 0; i < kSize; ++i) {
            tile.setPixel(i, top + 5, Lit(wood, 0.6));  // the shelf board
        }
        for (int y = top; y < top + 5; ++y)
            tile.setPixel(0, y, Lit(wood, 0.3));
        for (int y = top; y < top + 5; ++y)
            tile.setPixel(kSize - 1, y, Shaded(wood, 0.6));
    }
    for (int i = 0; i < kSize; ++i)
        tile.setPixel(i, 0, Lit(wood, 0.8));
    return tile;
}

QImage Mushrooms(uint64_t seed) {
    QImage tile = CaveFloor(seed);
    Legend legend;
    legend.Set('c', qRgb(70, 200, 190))
        .Set('s', qRgb(200, 200, 180))
        .Set('d', qRgb(200, 255, 240), false);
    legend.Set('r', qRgb(190, 60, 50));
    AddGlow(tile, 8, 9, 10, qRgb(40, 160, 150), 0.4);
    Place(tile, PaintSprite(
                    {
                        "....................", "....................", "....cccc............",
                        "...ccdccc...........", "...cccccc.......rr..", ".....ss........rrrr.",
                        ".....ss.........ss..", ".....ss.........ss..", "..........ccccc.....",
                        ".........ccdcccc....", ".........ccccccc....", "...cc.......ss......",
                        "..cdcc......ss......", "..cccc......ss......", "...ss.......ss......",
                        "...ss...............", "............ccc.....", "...........cdccc....",
                        ".............s......", "....................",
                    },
                    legend));
    return tile;
}

QImage Cobweb(uint64_t seed) {
    QImage tile = Flagstones(seed);
    const QRgb silk = qRgb(190, 190, 200);
    // Radial threads from the corner and sagging rings between them.
    for (int i = 0; i < 20; ++i) {
        Blend(tile, i, 0, silk, 0.5);
        Blend(tile, 0, i, silk, 0.5);
        Blend(tile, i, i, silk, 0.6);
        Blend(tile, i, i / 2, silk, 0.5);
        Blend(tile, i / 2, i, silk, 0.5);
    }
    for (int r : {5, 10, 15}) {
        for (int i = 0; i <= r; ++i) {
            const int sag = (i * (r - i)) / (r * 3);
            Blend(tile, r - i + sag, i + sag, silk, 0.45);
        }
    }
    // A spider waiting in its web.
    tile.setPixel(9, 9, qRgb(20, 16, 16));
    tile.setPixel(10, 10, qRgb(20, 16, 16));
    tile.setPixel(10, 9, qRgb(40, 30, 30));
    tile.setPixel(9, 10, qRgb(40, 30, 30));
    tile.setPixel(11, 11, qRgb(200, 30, 30));
    return tile;
}

QImage Throne(uint64_t seed) {
    QImage tile = Carpet(seed);
    Legend legend;
    legend.Set('g', pal::kGold).Set('r', qRgb(150, 26, 40)).Set('j', qRgb(80, 220, 255), false);
    Place(tile,
          PaintSprite(
              {
                  "...g....g....g......", "...gg..ggg..gg......", "...ggggggggggg......",
                  "...ggggjggggggg.....", "...ggrrrrrrrgg......", "...ggrrrrrrrgg......",
                  "...ggrrrrrrrgg......", "...ggrrrrrrrgg......", "...ggrrrrrrrgg......",
                  ".gggggggggggggggg...", ".ggrrrrrrrrrrrrgg...", ".ggrrrrrrrrrrrrgg...",
                  ".gggggggggggggggg...", ".gg.ggggggggg..gg...", ".gg.ggggggggg..gg...",
                  ".gg............gg...", ".gg............gg...", "....................",
                  "....................", "....................",
              },
              legend),
          1, 1);
    return tile;
}

QImage Crystals(uint64_t seed) {
    QImage tile = CaveFloor(seed);
    Legend legend;
    legend.Set('c', qRgb(120, 90, 240))
        .Set('l', qRgb(90, 200, 255))
        .Set('w', qRgb(240, 240, 255), false);
    AddGlow(tile, 10, 10, 11, qRgb(90, 90, 220), 0.45);
    Place(tile, PaintSprite(
                    {
                        "....................", ".........c..........", "........ccc.........",
                        "........cwc.....l...", "........cwc....lll..", "...l....cwc....lwl..",
                        "..lll...ccc....lwl..", "..lwl...ccc....lll..", "..lwl..cccc.....l...",
                        "..lll..ccccc..ll....", "...lll.cccccc.lll...", "....llccccccclwl....",
                        ".....lccccccclll....", "......cccccccll.....", ".......ccccccc......",
                        "....................", "....................", "....................",
                        "....................", "....................",
                    },
                    legend));
    return tile;
}

QImage Grave(uint64_t seed) {
    QImage tile = CaveFloor(seed);
    Legend legend;
    legend.Set('s', Scale(pal::kStone, 1.1)).Set('d', Scale(pal::kStone, 0.55), false);
    legend.Set('e', Mix(pal::kEarth, qRgb(90, 70, 50), 0.5)).Set('m', pal::kMoss);
    Place(tile, PaintSprite(
                    {
                        "....................", "......ssssss........", ".....ssssssss.......",
                        ".....sssddsss.......", ".....ssddddss.......", ".....sssddsss.......",
                        ".....sssddsss.......", ".....ssssssss.......", ".....sdsdssds.......",
                        ".....ssssssss.......", "....mssssssssm......", "...eeeeeeeeeeee.....",
                        "...eeeeeeeeeeee.....", "...eeeeeeeeeeee.....", "...eeeeeeeeeeee.....",
                        "...eeeeeeeeeeee.....", "....eeeeeeeeee......", "....................",
                        "....................", "....................",
                    },
                    legend));
    return tile;
}

QImage Bridge(uint64_t seed) {
    QImage tile = Chasm(seed);
    Rng rng(seed + 97);
    // Planks across, held by two ropes running along the bridge.
    for (int plank = 0; plank < 5; ++plank) {
        const QRgb wood = Vary(pal::kWood, 0.1, rng);
        const int top = plank * 4;
        for (int y = top; y < top + 3; ++y) {
            for (int x = 3; x < 17; ++x) {
                QRgb c = Vary(wood, 0.05, rng);
                if (y == top) c = Lit(c, 0.6);
                if (y == top + 2) c = Shaded(c, 0.6);
                tile.setPixel(x, y, c);
            }
        }
        for (int x = 4; x < 18; ++x)
            tile.setPixel(x, top + 3, Scale(tile.pixel(x, top + 3), 0.5));
    }
    const QRgb rope = qRgb(170, 140, 90);
    for (int y = 0; y < kSize; ++y) {
        tile.setPixel(2, y, (y % 2) ? rope : Scale(rope, 0.8));
        tile.setPixel(17, y, (y % 2) ? rope : Scale(rope, 0.8));
    }
    return tile;
}

}  // namespace assetgen::tiles
