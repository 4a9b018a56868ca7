// A game of a campaign pack: begun from its own levels, saved, autosaved
// and loaded as its game, refused (with nothing changed) once the pack is
// gone or has changed, and ended on its own ending tile.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "game/core/game_state.h"
#include "game/levels/byte_stream.h"
#include "game/levels/current_campaign.h"
#include "game/levels/level_files.h"
#include "game/levels/package_record.h"
#include "game/levels/save_description.h"
#include "game/levels/save_folder.h"
#include "game/levels/save_games.h"
#include "game/platform/file_io.h"
#include "game/play/autosave.h"
#include "game/play/game_flow.h"
#include "game/play/going_on.h"
#include "game/play/keyboard.h"
#include "game/world/world_effects.h"
#include "levels/levels_test.h"

namespace {

using namespace game;
namespace fs = std::filesystem;

class CampaignPackGame : public levels_test::LevelsTest {
  protected:
    void SetUp() override {
        LevelsTest::SetUp();
        WriteCampaign(appFolder / "data/levels.all", 3, "vestavěná");
        packFolder = appFolder / "data/campaigns/moje";
        fs::create_directories(packFolder);
        std::ofstream(packFolder / kCampaignInfoFileName)
            << "Nazev=Moje kampaň\nAutor=Eliška\nVerze=1\nKonec=1,312\n";
        WriteCampaign(packFolder / "levels.all", 2, "balíček");
    }
    void TearDown() override {
        EnableAutosaves(false);
        LevelsTest::TearDown();
    }

    // levels.all of `count` sample levels, tile 0 of each marked.
    static void WriteCampaign(const fs::path& path, int count, const std::string& mark) {
        PackageRecord campaign;
        campaign.levels.assign(static_cast<size_t>(count), levels_test::SampleLevel());
        for (LevelRecord& level : campaign.levels)
            level.tiles[0].Param1 = mark;
        ByteWriter out;
        WritePackageRecord(out, campaign);
        ASSERT_TRUE(WriteWholeFile(path.string(), out.Bytes(), false));
    }

    CampaignPack ThePack() {
        const std::vector<CampaignPack> packs = FindPlayablePacks();
        EXPECT_EQ(packs.size(), 1u);
        return packs.empty() ? CampaignPack{} : packs[0];
    }

    // The hero's centre steps onto the tile of the level in play.
    static void StepOn(int16_t tile) {
        HeroX = Tiles[tile].X + 2;
        HeroY = Tiles[tile].Y + 2;
        LastHeroTile = -1;
        HeroTileEvents();
    }

    fs::path packFolder;
};

TEST_F(CampaignPackGame, ItsGamesAreSavedAsItsOwnAndRefusedOnceItIsGoneOrChanged) {
    const CampaignPack pack = ThePack();
    ASSERT_TRUE(NewGameFromMenu(&pack));
    EXPECT_EQ(CurrentCampaign().folderName, "moje");
    EXPECT_EQ(Tiles[0].Param1, "balíček");
    EXPECT_EQ(UnpackedLevelCount, 2);

    EnableAutosaves(true);
    ASSERT_TRUE(AutosaveNow());
    ASSERT_TRUE(SaveChosenGame("moje-hra"));
    ASSERT_TRUE(QuickSave());
    for (const std::string& name : {std::string("moje-hra"), NewestAutosave()->name}) {
        const std::optional<SaveDescription> about = ReadSaveDescription(name);
        ASSERT_TRUE(about) << name;
        EXPECT_EQ(about->campaign, "moje");
        EXPECT_EQ(about->campaignName, "Moje kampaň");
        EXPECT_EQ(about->campaignHash, FileHash((packFolder / "levels.all").string()));
        // The game's own level names are not the pack's.
        EXPECT_EQ(about->levelName, "") << name;
    }
    EXPECT_TRUE(OfferToGoOn(platform::LastRunEnd::kUnclean, NewestAutosave()));

    // A game of the built-in campaign, saved as before packs existed.
    ASSERT_TRUE(NewGameFromMenu());
    EXPECT_TRUE(CurrentCampaign().BuiltIn());
    EXPECT_EQ(Tiles[0].Param1, "vestavěná");
    ASSERT_TRUE(SaveChosenGame("puvodni"));
    EXPECT_TRUE(ReadSaveDescription("puvodni")->campaign.empty());
    EXPECT_EQ(ReadSaveDescription("puvodni")->levelName, "Vstup do jeskyně");

    // The pack's save brings its campaign back.
    EXPECT_EQ(LoadChosenGame("moje-hra"), AfterLoad::kPlay);
    EXPECT_EQ(CurrentCampaign().folderName, "moje");
    EXPECT_EQ(CurrentPackagePath(), (packFolder / "levels.all").string());
    ASSERT_TRUE(NewGameFromMenu());  // back to the built-in game for what follows
    ASSERT_TRUE(SaveChosenGame("puvodni"));

    struct Case {
        const char* what;
        std::function<void()> happen;
        const char* box;
    };
    const std::vector<Case> cases = {
        {"changed", [&] { WriteCampaign(packFolder / "levels.all", 2, "jiný"); },
         "Tato uložená hra patří ke kampani „Moje kampaň“, která se od té doby změnila."},
        {"gone", [&] { fs::remove_all(packFolder); },
         "Tato uložená hra patří ke kampani „Moje kampaň“, která tu není."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.happen();
        CanResume = true;
        GameSuspended = true;
        Gold = 123;
        windows.messageBoxes.clear();
        EXPECT_EQ(LoadChosenGame("moje-hra"), AfterLoad::kMenu);
        EXPECT_FALSE(QuickLoad());
        ASSERT_EQ(windows.messageBoxes.size(), 2u);
        EXPECT_EQ(windows.messageBoxes[0].first, c.box);
        EXPECT_EQ(windows.messageBoxes[1].first, c.box);
        EXPECT_TRUE(SaveCampaignRefusal(NewestAutosave()->name));
        EXPECT_FALSE(OfferToGoOn(platform::LastRunEnd::kUnclean, NewestAutosave()));
        // Nothing of the game under way changed.
        EXPECT_TRUE(CurrentCampaign().BuiltIn());
        EXPECT_TRUE(GameSuspended);
        EXPECT_EQ(Gold, 123);
        EXPECT_EQ(Tiles[0].Param1, "vestavěná");
    }

    // The built-in campaign's saves load whatever became of its levels.all.
    WriteCampaign(appFolder / "data/levels.all", 4, "novější");
    EXPECT_FALSE(SaveCampaignRefusal("puvodni"));
    windows.messageBoxes.clear();
    Gold = 0;
    EXPECT_EQ(LoadChosenGame("puvodni"), AfterLoad::kPlay);
    EXPECT_TRUE(windows.messageBoxes.empty());
    EXPECT_EQ(Tiles[0].Param1, "vestavěná");
}

TEST_F(CampaignPackGame, ItEndsOnItsOwnEndingTileAndTheBuiltInHallIsNotItsOwn) {
    const CampaignPack pack = ThePack();
    ASSERT_TRUE(NewGameFromMenu(&pack));
    CanResume = CanSave = true;
    // Level 0 of the pack: its tile 312 is plain floor.
    StepOn(312);
    EXPECT_TRUE(windows.notices.empty());
    EXPECT_TRUE(CanResume);

    // The built-in campaign's ending and hall door do nothing in a pack.
    LevelNumber = kLastLevel;
    StepOn(kDoorClosingTile);
    EXPECT_NE(Tiles[kHallDoorTile].Kind, kSolidWall);
    StepOn(kEndingTile);
    EXPECT_TRUE(windows.notices.empty());

    // Nor does the built-in cave's hidden passage from level 55 to level 81.
    LevelNumber = kPassageLevel;
    HeroX = Tiles[kPassageTile].X + 2;
    HeroY = Tiles[kPassageTile].Y + 2;
    Picture1_KeyDown(0, 'S', 0);
    EXPECT_EQ(LevelNumber, kPassageLevel);
    EXPECT_TRUE(windows.messageBoxes.empty());
    EXPECT_FALSE(ShutdownRequested);

    LevelNumber = 1;
    ASSERT_TRUE(LoadLevel(1));
    StepOn(312);
    ASSERT_EQ(windows.notices.size(), 1u);
    EXPECT_FALSE(CanResume);
    EXPECT_FALSE(CanSave);
}

// A save whose description is gone or damaged is known by its levels: a
// pack's save goes on in its pack, an earlier version's save of the built-in
// campaign in that, and a save no campaign here has the levels of is
// refused and kept as it is.
TEST_F(CampaignPackGame, ASaveWithoutItsDescriptionIsKnownByItsLevelsOrRefusedAndKept) {
    const CampaignPack pack = ThePack();
    ASSERT_TRUE(NewGameFromMenu(&pack));
    ASSERT_TRUE(SaveChosenGame("moje-hra"));
    ASSERT_TRUE(NewGameFromMenu());
    ASSERT_TRUE(SaveChosenGame("puvodni"));
    fs::remove(SavePath(DescriptionFileName("puvodni")));
    levels_test::WriteBytes(SavePath(DescriptionFileName("moje-hra")), {'k', 'a', 'r'});

    struct Case {
        const char* what;
        std::function<void()> happen;
        const char* save;
        const char* campaign;  // the folder of its campaign; null: refused
    };
    const std::vector<Case> cases = {
        {"a pack's save with a damaged description", [] {}, "moje-hra", "moje"},
        {"a built-in campaign's save without one", [] {}, "puvodni", ""},
        {"the built-in campaign's levels changed since",
         [&] { WriteCampaign(appFolder / "data/levels.all", 3, "novější"); }, "puvodni", ""},
        {"the pack's levels changed since",
         [&] { WriteCampaign(packFolder / "levels.all", 2, "jiný"); }, "moje-hra", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.happen();
        ASSERT_TRUE(NewGameFromMenu());
        const std::vector<uint8_t> levels =
            levels_test::ReadBytes(SavePath(std::string(c.save) + ".lev"));
        windows.messageBoxes.clear();
        if (c.campaign) {
            EXPECT_FALSE(SaveCampaignRefusal(c.save));
            EXPECT_EQ(LoadChosenGame(c.save), AfterLoad::kPlay);
            EXPECT_TRUE(windows.messageBoxes.empty());
            EXPECT_EQ(CurrentCampaign().folderName, c.campaign);
            continue;
        }
        const char* box =
            "Tato uložená hra nemá čitelný popis a nelze poznat, ke které kampani patří.";
        ASSERT_TRUE(SaveCampaignRefusal(c.save));
        EXPECT_EQ(SaveCampaignRefusal(c.save)->czech, box);
        EXPECT_EQ(LoadChosenGame(c.save), AfterLoad::kMenu);
        ASSERT_EQ(windows.messageBoxes.size(), 1u);
        EXPECT_EQ(windows.messageBoxes[0].first, box);
        EXPECT_TRUE(CurrentCampaign().BuiltIn());
        EXPECT_EQ(Tiles[0].Param1, "novější");
        EXPECT_EQ(levels_test::ReadBytes(SavePath(std::string(c.save) + ".lev")), levels);
    }

    // Loaded in its pack, the save says so again when it is saved.
    WriteCampaign(packFolder / "levels.all", 2, "balíček");
    ASSERT_EQ(LoadChosenGame("moje-hra"), AfterLoad::kPlay);
    ASSERT_TRUE(SaveChosenGame("moje-hra"));
    EXPECT_EQ(ReadSaveDescription("moje-hra")->campaign, "moje");
}

// A pack is the player's own file: damaged past the first bytes that the
// list looks at, it is refused when chosen and the game under way goes on.
TEST_F(CampaignPackGame, ADamagedPackIsRefusedWhenChosenAndTheProgramGoesOn) {
    ASSERT_TRUE(NewGameFromMenu());
    std::vector<uint8_t> levels = levels_test::ReadBytes(packFolder / "levels.all");
    levels.resize(levels.size() - 7);
    levels_test::WriteBytes(packFolder / "levels.all", levels);
    const CampaignPack pack = ThePack();
    windows.messageBoxes.clear();

    EXPECT_FALSE(NewGameFromMenu(&pack));
    EXPECT_FALSE(ShutdownRequested);
    ASSERT_EQ(windows.messageBoxes.size(), 1u);
    EXPECT_EQ(windows.messageBoxes[0].first, "Kampaň „Moje kampaň“ je poškozená a nelze ji hrát.");
    EXPECT_TRUE(CurrentCampaign().BuiltIn());
    EXPECT_EQ(Tiles[0].Param1, "vestavěná");
}

}  // namespace
