// Pictures that read at a glance, checked on the built sheets: floors are
// darker and quieter than masonry and rock walls, walls catch the light on
// their top edge, monsters are clearly brighter than any floor, and
// creatures carry a dark rim that parts them from any floor.  The floor and wall sets come from
// assets/README.md and are checked against the kinds campaign/legend.txt gives the pictures.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "game/desktop/picture.h"

namespace {

using platform::PixelSurface;
using PictureSet = std::set<int>;

constexpr int kTile = 20;

const std::string kPictureDir = KARVELUN_DATA_DIR "/obr/";
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

}  // namespace
