// The picture sheets and window backgrounds that the build puts into
// dist/data/obr, read with the game's own loader.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <string>
#include <vector>

#include "game/desktop/picture.h"

namespace {

using platform::PixelSurface;

const std::string kPictureDir = KARVELUN_DATA_DIR "/obr/";

PixelSurface Load(const std::string& name) {
    std::string error;
    auto surface = platform::LoadPictureFile(kPictureDir + name, &error);
    if (!surface) {
        ADD_FAILURE() << name << " does not load: " << error;
        return {};
    }
    return *surface;
}

uint32_t Rgb(uint32_t pixel) {
    return pixel & 0x00FFFFFFu;
}

int Luma(uint32_t pixel) {
    const int r = (pixel >> 16) & 0xFF;
    const int g = (pixel >> 8) & 0xFF;
    const int b = pixel & 0xFF;
    return (r * 299 + g * 587 + b * 114) / 1000;
}

// One picture of a sheet: where the game takes its image and its mask from.
struct Placement {
    std::string what;
    int w, h;
    int imageX, imageY;
    int maskX = -1, maskY = -1;  // -1: copied opaque, no mask

    bool Masked() const { return maskX >= 0; }
};

bool Inside(const PixelSurface& s, int x, int y, int w, int h) {
    return x >= 0 && y >= 0 && x + w <= s.width && y + h <= s.height;
}

std::vector<Placement> Strip(const std::string& what, int count, int size, bool masked) {
    std::vector<Placement> placements;
    for (int p = 0; p < count; ++p) {
        Placement place{what + " " + std::to_string(p), size, size, p * size, 0};
        if (masked) {
            place.maskX = p * size;
            place.maskY = size;
        }
        placements.push_back(place);
    }
    return placements;
}

// Every placement lies inside the sheet; every mask is pure black or white
// and shows something; every image is black wherever its mask lets the play
// field through, so that OR-ing it changes nothing there.
void CheckSheet(const std::string& sheetName, const std::vector<Placement>& placements) {
    SCOPED_TRACE(sheetName);
    const PixelSurface sheet = Load(sheetName);
    ASSERT_GT(sheet.width, 0);
    for (const Placement& p : placements) {
        SCOPED_TRACE(p.what);
        ASSERT_TRUE(Inside(sheet, p.imageX, p.imageY, p.w, p.h)) << "image outside the sheet";
        if (!p.Masked()) {
            bool drawn = false;
            for (int y = 0; y < p.h; ++y) {
                for (int x = 0; x < p.w; ++x)
                    drawn |= Rgb(sheet.at(p.imageX + x, p.imageY + y)) != 0;
            }
            EXPECT_TRUE(drawn) << "picture is all black";
            continue;
        }
        ASSERT_TRUE(Inside(sheet, p.maskX, p.maskY, p.w, p.h)) << "mask outside the sheet";
        int shown = 0;
        int strayImagePixels = 0;
        int greyMaskPixels = 0;
        for (int y = 0; y < p.h; ++y) {
            for (int x = 0; x < p.w; ++x) {
                const uint32_t mask = Rgb(sheet.at(p.maskX + x, p.maskY + y));
                const uint32_t image = Rgb(sheet.at(p.imageX + x, p.imageY + y));
                if (mask != 0 && mask != 0xFFFFFF) ++greyMaskPixels;
                if (mask == 0) ++shown;
                if (mask == 0xFFFFFF && image != 0) ++strayImagePixels;
            }
        }
        EXPECT_EQ(greyMaskPixels, 0) << "mask pixels that are neither black nor white";
        EXPECT_EQ(strayImagePixels, 0) << "image pixels outside the mask's shape";
        EXPECT_GT(shown, 0) << "mask hides the whole picture";
        EXPECT_LT(shown, p.w * p.h) << "mask has no transparent pixel";
    }
}

TEST(PictureSheets, TilesSitInOneRowAndEachShowsSomething) {
    const PixelSurface sheet = Load("sc1");
    ASSERT_GE(sheet.width / 20, 48) << "a campaign needs at least 48 tile pictures";
    ASSERT_EQ(sheet.width % 20, 0);
    // Picture 0 is never drawn; every other one must show something.
    std::vector<Placement> tiles = Strip("tile", sheet.width / 20, 20, false);
    tiles.erase(tiles.begin());
    CheckSheet("sc1", tiles);
}

TEST(PictureSheets, TheClosedDoorOfTheLastLevelDiffersFromTheFloorAndTheWall) {
    // Picture 28 shuts behind the hero on the last level: it has to read as
    // something other than the floor (1) and the wall (11) it stands between.
    const PixelSurface sheet = Load("sc1");
    ASSERT_GE(sheet.width, 29 * 20);
    for (int other : {1, 11}) {
        int differing = 0;
        for (int y = 0; y < 20; ++y) {
            for (int x = 0; x < 20; ++x)
                differing += sheet.at(28 * 20 + x, y) != sheet.at(other * 20 + x, y);
        }
        EXPECT_GT(differing, 200) << "picture 28 looks like picture " << other;
    }
}

TEST(PictureSheets, MonstersItemsAndHeroHaveImagesAndMasksWhereTheGameCutsThem) {
    const PixelSurface monsters = Load("sc2");
    ASSERT_GE(monsters.width / 15, 12) << "at least 12 monsters";
    CheckSheet("sc2", Strip("monster", monsters.width / 15, 15, true));

    const PixelSurface items = Load("sc3");
    ASSERT_GE(items.width / 18, 11) << "a picture for each item kind 0 to 10";
    CheckSheet("sc3", Strip("item", items.width / 18, 18, true));

    CheckSheet("sc4", Strip("hero facing", 4, 15, true));
}

TEST(PictureSheets, MissileBombExplosionFragmentAndTileEffect) {
    CheckSheet("sc5", {{"missile", 4, 4, 2, 2, 2, 10}, {"bomb", 8, 8, 8, 0, 8, 8}});

    std::vector<Placement> explosion = Strip("explosion frame", 11, 20, true);
    explosion.push_back({"bomb fragment", 12, 12, 223, 3, 223, 23});
    CheckSheet("sc6", explosion);

    CheckSheet("sc7", Strip("tile effect frame", 11, 20, true));
}

TEST(PictureSheets, AMissingSheetIsReportedNotLoaded) {
    std::string error;
    EXPECT_FALSE(platform::LoadPictureFile(kPictureDir + "sc8", &error));
    EXPECT_FALSE(error.empty());
}

// ---- window backgrounds -------------------------------------------------

struct Area {
    const char* what;
    int left, top, width, height;
};

// The game prints over these places; they must stay dark so that its
// coloured texts, lists and glowing buttons stay readable.
void CheckDarkAreas(const std::string& name, int width, int height,
                    const std::vector<Area>& areas) {
    SCOPED_TRACE(name);
    const PixelSurface bg = Load(name);
    ASSERT_EQ(bg.width, width);
    ASSERT_EQ(bg.height, height);
    for (const Area& a : areas) {
        SCOPED_TRACE(a.what);
        ASSERT_TRUE(Inside(bg, a.left, a.top, a.width, a.height));
        int brightest = 0;
        for (int y = a.top; y < a.top + a.height; ++y) {
            for (int x = a.left; x < a.left + a.width; ++x)
                brightest = std::max(brightest, Luma(bg.at(x, y)));
        }
        EXPECT_LE(brightest, 40);
    }
}

TEST(WindowBackgrounds, GameWindowKeepsFieldLogAndStatusLabelsDark) {
    std::vector<Area> areas = {{"play field", 8, 8, 500, 500}, {"message log", 520, 8, 249, 97}};
    const Area labels[] = {
        {"Zivoty", 520, 117, 114, 19},
        {"Zkusenosti", 654, 117, 114, 19},
        {"lives", 520, 146, 49, 19},
        {"max lives", 585, 146, 49, 19},
        {"experience", 654, 146, 49, 19},
        {"next level", 719, 146, 49, 19},
        {"Penize", 520, 183, 114, 19},
        {"Uroven", 654, 183, 114, 19},
        {"gold", 538, 212, 78, 19},
        {"level", 672, 212, 78, 19},
        {"Sila magie", 520, 250, 114, 19},
        {"Dosah magie", 654, 250, 114, 19},
        {"missile strength", 538, 279, 78, 19},
        {"missile range", 672, 279, 78, 19},
        {"Sila bomby", 520, 316, 114, 19},
        {"Dosah bomby", 654, 316, 114, 19},
        {"bomb strength", 538, 345, 78, 19},
        {"bomb range", 672, 345, 78, 19},
        {"Rychlost", 520, 381, 114, 19},
        {"speed", 538, 410, 78, 19},
    };
    areas.insert(areas.end(), std::begin(labels), std::end(labels));
    CheckDarkAreas("gui", 779, 516, areas);
}

TEST(WindowBackgrounds, DialogBackgroundKeepsLabelsListsNameBoxAndButtonsDark) {
    CheckDarkAreas("gui2", 312, 213,
                   {
                       {"question", 8, 8, 297, 49},
                       {"Ano", 32, 136, 89, 25},
                       {"Ne", 184, 136, 89, 25},
                       {"load list", 8, 8, 297, 158},
                       {"save list", 8, 8, 297, 132},
                       {"name box", 8, 146, 297, 18},
                       {"left button", 8, 176, 105, 25},
                       {"right button", 200, 176, 105, 25},
                       {"credits 0", 8, 8, 297, 49},
                       {"credits 1", 8, 60, 297, 49},
                       {"credits 2", 8, 112, 297, 49},
                       {"version line", 8, 189, 297, 17},
                       {"notice", 8, 8, 297, 193},
                       {"progress caption", 24, 40, 265, 17},
                       {"progress bar", 24, 80, 265, 25},
                   });
}

TEST(WindowBackgrounds, MenuBackgroundKeepsTheSixItemsDark) {
    CheckDarkAreas("gui3", 483, 416,
                   {
                       {"Nova hra", 25, 143, 160, 20},
                       {"Nahrat", 25, 188, 160, 20},
                       {"Ulozit", 25, 235, 160, 20},
                       {"Zpet", 25, 283, 160, 20},
                       {"Credits", 25, 330, 160, 20},
                       {"Exit", 25, 379, 160, 20},
                   });
}

}  // namespace
