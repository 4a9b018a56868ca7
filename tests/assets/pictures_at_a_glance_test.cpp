// Pictures that read at a glance, checked on the built sheets: floors are
// darker and quieter than masonry and rock walls, walls catch the light on
// their top edge, monsters are clearly brighter than any floor,
// creatures carry a dark rim that parts them from any floor, and whatever
// the player must notice stands out from its floors in every colour vision.
// The floor and wall sets come from assets/README.md and are checked
// against the kinds campaign/legend.txt gives the pictures.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "game/core/tile_kinds.h"
#include "game/desktop/picture.h"
#include "game/levels/package_record.h"
#include "game/platform/file_io.h"
#include "support/colour_vision.h"

namespace {

using platform::PixelSurface;
using PictureSet = std::set<int>;

constexpr int kTile = 20;

const std::string kPictureDir = KARVELUN_DATA_DIR "/obr/";
const std::string kCampaign = KARVELUN_DATA_DIR "/levels.all";
const std::string kSourceDir = KARVELUN_SOURCE_DIR "/";

const char* const kFloors = "floor";
const char* const kMasonry = "masonry and rock walls";
const char* const kLiquids = "water, lava and chasm walls";
const char* const kFloorsWithThings = "floors with something on them";
const char* const kWallThings = "walls that are things";

PixelSurface Load(const std::string& name) {
    std::string error;
    auto surface = platform::LoadPictureFile(kPictureDir + name, &error);
    if (!surface) {
        ADD_FAILURE() << name << " does not load: " << error;
        return {};
    }
    return *surface;
}

std::string ReadText(const std::string& path) {
    std::ifstream in(path);
    if (!in) ADD_FAILURE() << "cannot read " << path;
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

double Luma(uint32_t pixel) {
    const int r = (pixel >> 16) & 0xFF;
    const int g = (pixel >> 8) & 0xFF;
    const int b = pixel & 0xFF;
    return 0.299 * r + 0.587 * g + 0.114 * b;
}

// The rows "| set | 1 2 3 |" of the README's table of floor and wall sets.
std::map<std::string, PictureSet> ReadmeSets(const std::string& readme) {
    std::map<std::string, PictureSet> sets;
    const std::regex row(R"(^\| ([a-z ,]+) \| ([0-9 ]+) \|$)");
    std::istringstream lines(readme);
    std::string line;
    while (std::getline(lines, line)) {
        std::smatch m;
        if (!std::regex_match(line, m, row)) continue;
        std::istringstream numbers(m[2].str());
        PictureSet& set = sets[m[1].str()];
        for (int p; numbers >> p;)
            set.insert(p);
    }
    return sets;
}

struct LegendKinds {
    PictureSet floors;  // pictures of floor tiles and what destroyed walls leave
    PictureSet walls;   // pictures of solid and destructible walls
};

LegendKinds ReadLegendKinds(const std::string& legend) {
    LegendKinds kinds;
    std::istringstream lines(legend);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        std::string what, character, type;
        int picture = 0;
        if (!(words >> what) || what != "tile") continue;
        if (!(words >> character >> picture >> type)) {
            ADD_FAILURE() << "unreadable legend line: " << line;
            continue;
        }
        if (type == "floor") kinds.floors.insert(picture);
        if (type == "wall") kinds.walls.insert(picture);
        if (type == "breakable") {
            kinds.walls.insert(picture);
            int strength = 0, leftover = 0;
            if (words >> strength >> leftover) kinds.floors.insert(leftover);
        }
    }
    return kinds;
}

PictureSet Union(const PictureSet& a, const PictureSet& b) {
    PictureSet all = a;
    all.insert(b.begin(), b.end());
    return all;
}

std::string Listed(const PictureSet& set) {
    std::string text;
    for (int p : set)
        text += std::to_string(p) + " ";
    return text;
}

class FloorsAndWalls : public ::testing::Test {
  protected:
    void SetUp() override {
        sets = ReadmeSets(ReadText(kSourceDir + "assets/README.md"));
        sheet = Load("sc1");
    }

    const PictureSet& Set(const char* name) {
        const PictureSet& set = sets[name];
        if (set.empty()) ADD_FAILURE() << "assets/README.md lists no set \"" << name << "\"";
        return set;
    }

    struct Brightness {
        double mean = 0;
        double spread = 0;  // standard deviation
        double topRows = 0;
    };

    Brightness Measure(int picture) const {
        double sum = 0, squares = 0, top = 0;
        for (int y = 0; y < kTile; ++y) {
            for (int x = 0; x < kTile; ++x) {
                const double l = Luma(sheet.at(picture * kTile + x, y));
                sum += l;
                squares += l * l;
                if (y < 2) top += l;
            }
        }
        const double n = kTile * kTile;
        Brightness b;
        b.mean = sum / n;
        b.spread = std::sqrt(std::max(0.0, squares / n - b.mean * b.mean));
        b.topRows = top / (2 * kTile);
        return b;
    }

    std::map<std::string, PictureSet> sets;
    PixelSurface sheet;
};

TEST_F(FloorsAndWalls, TheSetsFollowTheLegendsKinds) {
    const LegendKinds kinds = ReadLegendKinds(ReadText(kSourceDir + "campaign/legend.txt"));
    ASSERT_FALSE(kinds.floors.empty());
    ASSERT_FALSE(kinds.walls.empty());
    // Every picture the legend lays as floor is a floor or a floor with
    // something on it, every wall one of the three kinds of wall, and
    // nothing else is listed.
    EXPECT_EQ(Union(Set(kFloors), Set(kFloorsWithThings)), kinds.floors)
        << "floor pictures of the legend: " << Listed(kinds.floors);
    EXPECT_EQ(Union(Union(Set(kMasonry), Set(kLiquids)), Set(kWallThings)), kinds.walls)
        << "wall pictures of the legend: " << Listed(kinds.walls);
    const int listed =
        static_cast<int>(Set(kFloors).size() + Set(kFloorsWithThings).size() +
                         Set(kMasonry).size() + Set(kLiquids).size() + Set(kWallThings).size());
    EXPECT_EQ(listed, static_cast<int>(Union(kinds.floors, kinds.walls).size()))
        << "a picture is listed in two sets";
}

TEST_F(FloorsAndWalls, EveryFloorIsDarkerAndQuieterThanEveryStoneWall) {
    ASSERT_GE(sheet.width, 64 * kTile);
    for (int floor : Set(kFloors)) {
        const Brightness f = Measure(floor);
        for (int wall : Set(kMasonry)) {
            const Brightness w = Measure(wall);
            EXPECT_LT(f.mean, w.mean) << "floor " << floor << " is not darker than wall " << wall;
            EXPECT_LT(f.spread, w.spread)
                << "floor " << floor << " has more contrast than wall " << wall;
        }
    }
}

TEST_F(FloorsAndWalls, EveryStoneWallCatchesTheLightOnItsTopEdge) {
    ASSERT_GE(sheet.width, 64 * kTile);
    for (int wall : Set(kMasonry)) {
        const Brightness w = Measure(wall);
        EXPECT_GT(w.topRows, w.mean) << "the top of wall " << wall << " is not lit";
    }
}

// A creature is told from the ground it walks on by its brightness as a
// whole, its black rim included: the mean luma of every monster's shape is
// at least 30 levels away from the mean luma of every floor (a dark bat on
// dark earth is a rim with nothing in it).
TEST_F(FloorsAndWalls, EveryMonsterStandsApartFromEveryFloor) {
    constexpr int kSize = 15;
    const PixelSurface monsters = Load("sc2");
    ASSERT_EQ(monsters.height, 2 * kSize);
    ASSERT_EQ(monsters.width, 16 * kSize);
    for (int p = 0; p < monsters.width / kSize; ++p) {
        double sum = 0;
        int opaque = 0;
        for (int y = 0; y < kSize; ++y) {
            for (int x = 0; x < kSize; ++x) {
                if ((monsters.at(p * kSize + x, kSize + y) & 0xFFFFFFu) != 0) continue;
                sum += Luma(monsters.at(p * kSize + x, y));
                ++opaque;
            }
        }
        ASSERT_GT(opaque, 0) << "monster " << p << " has no shape";
        const double monster = sum / opaque;
        for (int floor : Set(kFloors)) {
            const double ground = Measure(floor).mean;
            EXPECT_GE(std::abs(monster - ground), 30.0)
                << "monster " << p << " (luma " << monster << ") on floor " << floor << " (luma "
                << ground << ")";
        }
    }
}

// Bricks are what a wall is made of: a floor has no dark joint running
// straight across it (a row or a column much darker than the floor), the
// courses that made floors read as walls.
TEST_F(FloorsAndWalls, NoDarkJointRunsStraightAcrossAFloor) {
    ASSERT_GE(sheet.width, 64 * kTile);
    for (int floor : Set(kFloors)) {
        const double limit = 0.6 * Measure(floor).mean;
        for (int i = 0; i < kTile; ++i) {
            double row = 0, column = 0;
            for (int j = 0; j < kTile; ++j) {
                row += Luma(sheet.at(floor * kTile + j, i));
                column += Luma(sheet.at(floor * kTile + i, j));
            }
            EXPECT_GE(row / kTile, limit)
                << "a dark course along row " << i << " of floor " << floor;
            EXPECT_GE(column / kTile, limit)
                << "a dark joint down column " << i << " of floor " << floor;
        }
    }
}

// Every opaque pixel of a creature or an item that borders what shows
// through (a transparent pixel beside it, or the picture's edge, beyond
// which the floor shows too) is dark enough to rim it on any floor.
void CheckOutlines(const std::string& sheetName, int size) {
    SCOPED_TRACE(sheetName);
    const PixelSurface sheet = Load(sheetName);
    ASSERT_EQ(sheet.height, 2 * size);
    for (int p = 0; p < sheet.width / size; ++p) {
        auto opaque = [&](int x, int y) {
            return x >= 0 && y >= 0 && x < size && y < size &&
                   (sheet.at(p * size + x, size + y) & 0xFFFFFFu) == 0;
        };
        int bright = 0;
        std::string first;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                if (!opaque(x, y)) continue;
                const bool rim = !opaque(x - 1, y) || !opaque(x + 1, y) || !opaque(x, y - 1) ||
                                 !opaque(x, y + 1);
                if (rim && Luma(sheet.at(p * size + x, y)) > 40.0) {
                    if (bright++ == 0) first = std::to_string(x) + "," + std::to_string(y);
                }
            }
        }
        EXPECT_EQ(bright, 0) << "picture " << p << " has light pixels on its rim, first at "
                             << first;
    }
}

TEST(Outlines, MonstersTheHeroAndItemsAreRimmedInBlack) {
    CheckOutlines("sc2", 15);
    CheckOutlines("sc4", 15);
    CheckOutlines("sc3", 18);
}

// ---------------------------------------------------------------------------
// Colours told apart without hue: every picture seen through the
// colour-vision simulations of support/colour_vision.h.

using testing_support::Contrast;
using testing_support::kVisions;
using testing_support::Luminance;
using testing_support::Vision;

double MeanLuminance(const std::vector<uint32_t>& pixels, const Vision& vision) {
    double sum = 0;
    for (uint32_t p : pixels)
        sum += Luminance(p, vision);
    return pixels.empty() ? 0.0 : sum / static_cast<double>(pixels.size());
}

// Something the player must notice as the field shows it: its pixels, and
// where among them the floor shows (the transparent pixels of a masked
// picture, the floor a tile is painted on), with the floor pictures it
// meets in the campaign.
struct Thing {
    std::string name;
    int width = 0, height = 0;
    std::vector<uint32_t> pixels;
    std::vector<bool> floorShows;
    PictureSet floors;
};

// What the eye takes for a thing's edge: its pixels beside the floor (which
// lies beyond the picture's edge too), or beside the dark pixels (luma 40
// or less, the creatures' rim) that join the floor.  A black rim or a cast
// shadow is as dark as the floors and tells a player nothing of where the
// thing ends.
std::vector<uint32_t> OuterRing(const Thing& thing) {
    // The picture with a frame of floor one pixel wide round it.
    const int w = thing.width + 2, h = thing.height + 2;
    auto inside = [&](int i) { return i % w > 0 && i % w < w - 1 && i / w > 0 && i / w < h - 1; };
    auto pixel = [&](int i) { return thing.pixels[(i / w - 1) * thing.width + i % w - 1]; };
    std::vector<bool> outside(w * h);
    std::vector<int> todo;
    for (int i = 0; i < w * h; ++i) {
        outside[i] = !inside(i) || thing.floorShows[(i / w - 1) * thing.width + i % w - 1];
        if (outside[i]) todo.push_back(i);
    }
    while (!todo.empty()) {
        const int i = todo.back();
        todo.pop_back();
        for (int next : {i - 1, i + 1, i - w, i + w}) {
            if (next < 0 || next >= w * h || outside[next] || Luma(pixel(next)) > 40.0) continue;
            outside[next] = true;
            todo.push_back(next);
        }
    }
    std::vector<uint32_t> ring;
    for (int i = 0; i < w * h; ++i)
        if (!outside[i] && (outside[i - 1] || outside[i + 1] || outside[i - w] || outside[i + w]))
            ring.push_back(pixel(i));
    return ring;
}

// A masked picture of a sheet, standing on every floor.
Thing MaskedThing(const std::string& name, const PixelSurface& sheet, int size, int imageX,
                  int imageY, int maskX, int maskY, const PictureSet& floors) {
    Thing thing{name, size, size, {}, {}, floors};
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            thing.pixels.push_back(sheet.at(imageX + x, imageY + y));
            thing.floorShows.push_back((sheet.at(maskX + x, maskY + y) & 0xFFFFFFu) != 0);
        }
    return thing;
}

// The tiles the player must notice: every picture the campaign gives a
// sign, teleport, exit, mechanism, trap or message screen (but a plain
// floor, which hides one on purpose) and every door and gate of the
// catalogue that the campaign shows, each with the plain floors beside it
// in any level, as laid or as a mechanism makes it.
std::map<int, PictureSet> TilesToNotice(const game::PackageRecord& campaign,
                                        const PictureSet& plainFloors, const PictureSet& doors) {
    std::map<int, PictureSet> beside;
    PictureSet acting;
    for (const game::LevelRecord& level : campaign.levels) {
        std::map<int, PictureSet> shown;
        for (int t = 0; t < 625; ++t) {
            const game::TileRecord& tile = level.tiles[t];
            shown[t].insert(tile.Picture);
            if (tile.Kind >= game::kSign && tile.Kind <= game::kMessageScreen &&
                !plainFloors.count(tile.Picture))
                acting.insert(tile.Picture);
            if (tile.Kind != game::kMechanism) continue;
            // "picture kind": the picture the target tile gets.
            std::istringstream words(tile.Param2);
            std::vector<int> numbers;
            for (int n; words >> n;)
                numbers.push_back(n);
            const int target = std::atoi(tile.Param1.c_str());
            if (numbers.size() >= 2 && target >= 0 && target < 625)
                shown[target].insert(numbers[numbers.size() - 2]);
        }
        for (const auto& [t, pictures] : shown) {
            const int row = t / 25, column = t % 25;
            for (const auto& [r, c] : {std::pair{row - 1, column}, std::pair{row + 1, column},
                                       std::pair{row, column - 1}, std::pair{row, column + 1}}) {
                if (r < 0 || c < 0 || r >= 25 || c >= 25) continue;
                const game::TileRecord& next = level.tiles[r * 25 + c];
                if (next.Kind != game::kFloor || !plainFloors.count(next.Picture)) continue;
                for (int p : pictures)
                    beside[p].insert(next.Picture);
            }
        }
    }
    std::map<int, PictureSet> tiles;
    for (const auto& [p, floors] : beside)
        if (acting.count(p) || (doors.count(p) && !plainFloors.count(p))) tiles[p] = floors;
    return tiles;
}

// The doors and gates of the catalogue of tile pictures: the rows
// "| 28 | closed door | door, closed: ... |".
PictureSet CatalogueDoors(const std::string& readme) {
    PictureSet doors;
    const std::regex row(R"(^\| ([0-9]+) \| [^|]+ \| (door|gate)[,:].*)");
    std::istringstream lines(readme);
    std::string line;
    for (std::smatch m; std::getline(lines, line);)
        if (std::regex_match(line, m, row)) doors.insert(std::stoi(m[1].str()));
    return doors;
}

// A tile picture as a thing: the plain floor it is painted on (the one
// whose pixels it keeps most of, a row's worth at least) shows where the
// tile kept it or only tinted it (a glow's halo, within 24 levels of luma),
// and that floor is met too.
Thing TileThing(int picture, const PixelSurface& sheet, const PictureSet& plainFloors,
                PictureSet floors) {
    Thing thing{"tile " + std::to_string(picture), kTile, kTile, {}, {}, {}};
    int ground = -1, kept = kTile - 1;
    for (int floor : plainFloors) {
        int same = 0;
        for (int y = 0; y < kTile; ++y)
            for (int x = 0; x < kTile; ++x)
                same += sheet.at(picture * kTile + x, y) == sheet.at(floor * kTile + x, y);
        if (same > kept) {
            kept = same;
            ground = floor;
        }
    }
    for (int y = 0; y < kTile; ++y)
        for (int x = 0; x < kTile; ++x) {
            const uint32_t p = sheet.at(picture * kTile + x, y);
            thing.pixels.push_back(p);
            thing.floorShows.push_back(
                ground >= 0 && std::abs(Luma(p) - Luma(sheet.at(ground * kTile + x, y))) <= 24.0);
        }
    if (ground >= 0) floors.insert(ground);
    thing.floors = floors;
    return thing;
}

TEST_F(FloorsAndWalls, WhatThePlayerMustNoticeStandsOutFromItsFloorsInEveryColourVision) {
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(game::ReadWholeFile(kCampaign, bytes)) << kCampaign;
    game::ByteReader in(bytes);
    game::PackageRecord campaign;
    ASSERT_TRUE(game::ReadPackageRecord(in, false, campaign)) << kCampaign;
    const PictureSet& floors = Set(kFloors);

    std::vector<Thing> things;
    const PixelSurface monsters = Load("sc2"), items = Load("sc3");
    for (int p = 0; p < monsters.width / 15; ++p)
        things.push_back(MaskedThing("monster " + std::to_string(p), monsters, 15, p * 15, 0,
                                     p * 15, 15, floors));
    for (int p = 0; p < items.width / 18; ++p)
        things.push_back(
            MaskedThing("item " + std::to_string(p), items, 18, p * 18, 0, p * 18, 18, floors));
    const PixelSurface shots = Load("sc5"), blasts = Load("sc6");
    things.push_back(MaskedThing("the bomb", shots, 8, 8, 0, 8, 8, floors));
    things.push_back(MaskedThing("the missile", shots, 4, 2, 2, 2, 10, floors));
    things.push_back(MaskedThing("a bomb's fragment", blasts, 12, 223, 3, 223, 23, floors));
    const auto tiles =
        TilesToNotice(campaign, floors, CatalogueDoors(ReadText(kSourceDir + "assets/README.md")));
    ASSERT_GE(tiles.size(), 15u);  // the campaign shows nineteen today
    for (const auto& [picture, beside] : tiles)
        things.push_back(TileThing(picture, sheet, floors, beside));

    for (const Thing& thing : things) {
        const std::vector<uint32_t> ring = OuterRing(thing);
        EXPECT_FALSE(thing.floors.empty()) << thing.name << " meets no floor";
        if (ring.empty()) {
            ADD_FAILURE() << "nothing of " << thing.name << " stands out from its floor";
            continue;
        }
        for (const Vision& vision : kVisions) {
            const double edge = MeanLuminance(ring, vision);
            for (int floor : thing.floors) {
                std::vector<uint32_t> ground;
                for (int y = 0; y < kTile; ++y)
                    for (int x = 0; x < kTile; ++x)
                        ground.push_back(sheet.at(floor * kTile + x, y));
                EXPECT_GE(Contrast(edge, MeanLuminance(ground, vision)), 3.0)
                    << thing.name << " on floor " << floor << " in " << vision.name
                    << " (its edge's luminance " << edge << ")";
            }
        }
    }
}

}  // namespace
