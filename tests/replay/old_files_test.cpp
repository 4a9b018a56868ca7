// Files that earlier versions of the game wrote, kept in tests/data as those
// versions' own programs made them (tests/data/README.md says how): every
// save loads as the game it was, every recording plays to its checksum
// under the rules it was made with, every setup.ini reads, every campaign
// pack is listed and plays.
#include <gtest/gtest.h>
#include <zlib.h>

#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "game/core/game_state.h"
#include "game/core/play_time.h"
#include "game/core/rules_version.h"
#include "game/core/settings.h"
#include "game/desktop/app_paths.h"
#include "game/levels/byte_stream.h"
#include "game/levels/current_campaign.h"
#include "game/levels/package_record.h"
#include "game/levels/position_record.h"
#include "game/levels/save_description.h"
#include "game/levels/save_folder.h"
#include "game/levels/save_games.h"
#include "game/platform/file_io.h"
#include "game/platform/last_run_end.h"
#include "game/play/frame_loop.h"
#include "game/play/game_flow.h"
#include "game/play/going_on.h"
#include "game/replay/player.h"
#include "game/replay/recording_format.h"
#include "game/settings/setup_ini.h"
#include "levels/fuzz_readers.h"
#include "support/game_test.h"

namespace {

namespace fs = std::filesystem;
using replay::Player;
using replay::Recording;

const fs::path kOldFiles = KARVELUN_OLD_FILES;

// A file of the corpus; one that ends in .gz is given unpacked.
std::vector<uint8_t> CorpusFile(const fs::path& path) {
    std::vector<uint8_t> bytes;
    if (path.extension() != ".gz") {
        EXPECT_TRUE(game::ReadWholeFile(path.string(), bytes)) << path;
        return bytes;
    }
    gzFile in = gzopen(path.c_str(), "rb");
    EXPECT_NE(in, nullptr) << path;
    if (!in) return bytes;
    char buffer[1 << 16];
    for (int n; (n = gzread(in, buffer, sizeof buffer)) > 0;)
        bytes.insert(bytes.end(), buffer, buffer + n);
    gzclose(in);
    return bytes;
}

void WriteFile(const fs::path& path, const std::vector<uint8_t>& bytes) {
    fs::create_directories(path.parent_path());
    ASSERT_TRUE(game::WriteWholeFile(path.string(), bytes, false)) << path;
}

class OldFiles : public testing_support::GameTest {
  protected:
    // A program folder of its own for one file of the table, as a fresh
    // program would start in it: the fresh campaign `campaign` (a levels.all
    // of the corpus, or none), and the packs of `packs` in data/campaigns.
    void FreshFolder(const std::string& campaign, const std::vector<std::string>& packs = {}) {
        const fs::path folder = appFolder / std::to_string(++folders_);
        if (!campaign.empty())
            WriteFile(folder / "data/levels.all", CorpusFile(kOldFiles / campaign));
        for (const std::string& pack : packs) {
            fs::create_directories(folder / "data/campaigns");
            fs::copy(kOldFiles / pack, folder / "data/campaigns" / fs::path(pack).filename(),
                     fs::copy_options::recursive);
        }
        game::ResetGameState();
        game::Places = platform::AppPaths::Portable(folder.string()).Places();
        game::InitTileCoordinates();
        game::SetWindows(&windows);
    }

  private:
    int folders_ = 0;
};

// Two packages hold the same levels, and two position files the same hero,
// whatever keys their texts were written under.
void ExpectSamePackage(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b) {
    game::PackageRecord first, second;
    game::ByteReader inA(a), inB(b);
    ASSERT_TRUE(game::ReadPackageRecord(inA, true, first));
    ASSERT_TRUE(game::ReadPackageRecord(inB, true, second));
    ASSERT_EQ(first.levels.size(), second.levels.size());
    for (size_t i = 0; i < first.levels.size(); ++i)
        EXPECT_TRUE(levels_fuzz::SameLevel(first.levels[i], second.levels[i])) << "level " << i;
}

std::vector<uint8_t> PositionFields(const std::vector<uint8_t>& file) {
    std::string header;
    game::PositionRecord position;
    game::ByteReader in(file);
    EXPECT_TRUE(game::ReadPositionRecord(in, header, position));
    game::ByteWriter out;
    game::WritePositionRecord(out, "", 0, position);
    return out.Bytes();
}

// Each save pair loads, in the campaign it was played in, as the game it
// was: saved again at once, it holds the same levels and the same hero.  A
// save with a description takes its play time and campaign from it.
TEST_F(OldFiles, EverySaveOfAnEarlierVersionLoadsAsTheGameItWas) {
    const struct {
        const char* version;
        const char* name;
        const char* campaign;  // the levels.all it was played on, or its pack
        bool pack;
    } saves[] = {
        {"ef91481", "quick", "ef91481/levels.all", false},
        {"ef91481", "Řeka", "ef91481/levels.all", false},
        {"9261df1", "quick", "9261df1/levels.all", false},
        {"9261df1", "Řeka", "9261df1/levels.all", false},
        {"6d6c350", "auto-1", "6d6c350/mala-jeskyne", true},
        {"6d6c350", "auto-2", "6d6c350/mala-jeskyne", true},
    };
    for (const auto& save : saves) {
        SCOPED_TRACE(std::string(save.version) + " " + save.name);
        if (save.pack)
            FreshFolder("", {save.campaign});
        else
            FreshFolder(save.campaign);
        const fs::path from = kOldFiles / save.version / "saves";
        const std::string name = save.name;
        const std::vector<uint8_t> lev = CorpusFile(from / (name + ".lev"));
        const std::vector<uint8_t> pos = CorpusFile(from / (name + ".pos"));
        WriteFile(game::SavePath(name + ".lev"), lev);
        WriteFile(game::SavePath(name + ".pos"), pos);
        std::optional<game::SaveDescription> about;
        const fs::path description = from / game::DescriptionFileName(name);
        if (fs::exists(description)) {
            WriteFile(game::SavePath(game::DescriptionFileName(name)), CorpusFile(description));
            about = game::ReadSaveDescription(name);
            ASSERT_TRUE(about) << "its description does not read";
        }

        ASSERT_EQ(game::LoadChosenGame(name), game::AfterLoad::kPlay)
            << testing::PrintToString(windows.LogLines());
        ASSERT_FALSE(game::HeroDead);
        EXPECT_EQ(game::CurrentCampaign().folderName,
                  save.pack ? fs::path(save.campaign).filename().string() : "");
        if (about) {
            EXPECT_EQ(game::LevelNumber, about->level);
            EXPECT_EQ(game::PlayFrames(), about->playFrames);
            EXPECT_EQ(game::GameDifficulty, about->difficulty);
        }
        ASSERT_TRUE(game::SaveGame("znovu"));
        std::vector<uint8_t> again;
        ASSERT_TRUE(game::ReadWholeFile(game::SavePath("znovu.lev"), again));
        ExpectSamePackage(lev, again);
        ASSERT_TRUE(game::ReadWholeFile(game::SavePath("znovu.pos"), again));
        EXPECT_EQ(PositionFields(pos), PositionFields(again));
    }
}

// Each recording plays back to its end with every checksum matching, under
// the rules it was recorded with.  Those of the first rules would play
// otherwise under the next (with the help round corners, a dead hero who
// gains nothing): each shows one of the differences.
TEST_F(OldFiles, EveryRecordingOfAnEarlierVersionPlaysToItsChecksum) {
    const struct {
        const char* recording;
        const char* campaign;  // the levels.all it was recorded on, or its pack
        bool pack;
        uint32_t rules;
        bool nextRulesDiffer;
    } recordings[] = {
        // The playthrough of the whole campaign, held up by corners.
        {"9261df1/playthrough/playthrough.rec.gz", "9261df1/playthrough/levels.all.gz", false, 1,
         true},
        // A new game past a corner of the gap, to the quick load.
        {"9261df1/replays/hra-20261209-101313.rec", "9261df1/levels.all", false, 1, true},
        // The quick save loaded, to the hero's death: his missile, fired
        // after it, kills a rat and raises him a level, his body takes gold.
        {"9261df1/replays/hra-20261209-101336.rec", "9261df1/levels.all", false, 1, true},
        // A pack's new game, and the quick save of it loaded, as the newest
        // rules play them.
        {"6d6c350/replays/hra-20261209-102456.rec", "6d6c350/mala-jeskyne", true, 2, false},
        {"6d6c350/replays/hra-20261209-102519.rec", "6d6c350/mala-jeskyne", true, 2, false},
    };
    for (const auto& r : recordings) {
        SCOPED_TRACE(r.recording);
        const Recording recording = replay::ParseRecording(CorpusFile(kOldFiles / r.recording));
        ASSERT_EQ(recording.status, Recording::Status::Complete);
        EXPECT_EQ(recording.start.rulesVersion, r.rules);
        for (const bool next : {false, true}) {
            if (next && !r.nextRulesDiffer) continue;
            if (r.pack)
                FreshFolder("", {r.campaign});
            else
                FreshFolder(r.campaign);
            Recording played = recording;
            if (next) {
                played.start.rulesVersion = r.rules + 1;
                played.start.cornerHelp = true;
            }
            Player player(played);
            ASSERT_TRUE(player.Begin()) << player.Why();
            EXPECT_EQ(player.PlayToEnd(), next ? Player::State::Diverged : Player::State::Ended)
                << player.Why();
            if (!next) {
                EXPECT_EQ(player.Frame(), recording.end->frames);
            }
        }
        EXPECT_EQ(game::RulesVersion, game::kNewestRules);
    }
}

// Each setup.ini reads as it was set in the settings tool that wrote it,
// for the tool and for the game, and what the tool writes of it now keeps
// every line the old file had.
TEST_F(OldFiles, EverySetupIniOfAnEarlierVersionReadsAsItWasSet) {
    const struct {
        const char* version;
        bool fullScreen;  // its tool had the box, and it was ticked
    } files[] = {{"ef91481", false}, {"9261df1", true}};
    for (const auto& file : files) {
        SCOPED_TRACE(file.version);
        const fs::path path = kOldFiles / file.version / "setup.ini";
        // Sound off, the volume two steps down, the pace three steps up.
        settings::SetupValues expected;
        expected.soundOn = false;
        expected.volume = 98;
        expected.tick = 3;
        expected.fullScreen = file.fullScreen;
        const std::optional<settings::SetupValues> read = settings::ReadSetupIni(path.string());
        ASSERT_TRUE(read);
        EXPECT_EQ(*read, expected);

        const game::Settings game = game::ReadSettings(path.string());
        EXPECT_FLOAT_EQ(game.volume, 0.98f);
        EXPECT_EQ(game.view.fullScreen, file.fullScreen);

        const std::vector<uint8_t> old = CorpusFile(path);
        std::istringstream oldLines(std::string(old.begin(), old.end()));
        std::istringstream newLines(settings::FormatSetupIni(*read));
        std::set<std::string> written;
        for (std::string line; std::getline(newLines, line);)
            written.insert(line);
        for (std::string line; std::getline(oldLines, line);)
            EXPECT_TRUE(written.count(line)) << line;
    }
}

// Each pack is listed with what its campaign.ini says, reads whole, and a
// new game of it begins on its own first level.
TEST_F(OldFiles, EveryPackOfAnEarlierVersionIsListedAndPlays) {
    const struct {
        const char* pack;
        const char* name;
        int32_t levels, endLevel, endTile;
    } packs[] = {{"6d6c350/mala-jeskyne", "Malá jeskyně", 3, 2, 518}};
    for (const auto& p : packs) {
        SCOPED_TRACE(p.pack);
        FreshFolder("", {p.pack});
        const std::vector<game::CampaignPack> listed = game::FindPlayablePacks();
        ASSERT_EQ(listed.size(), 1u);
        const game::CampaignPack& pack = listed[0];
        EXPECT_EQ(pack.info.name, p.name);
        EXPECT_EQ(pack.levelCount, p.levels);
        EXPECT_EQ(pack.info.endLevel, p.endLevel);
        EXPECT_EQ(pack.info.endTile, p.endTile);
        std::string why;
        EXPECT_TRUE(game::CampaignPackReadsWhole(pack, &why)) << why;

        ASSERT_TRUE(game::NewGameFromMenu(&pack));
        EXPECT_EQ(game::CurrentCampaign().folderName, pack.folderName);
        EXPECT_EQ(game::UnpackedLevelCount, p.levels);
        EXPECT_EQ(game::LevelNumber, 0);
        game::FrameLoop loop;
        for (int frame = 0; frame < 120; ++frame)
            ASSERT_TRUE(loop.RunFrame()) << frame;
        EXPECT_FALSE(game::HeroDead);
    }
}

// A save whose description is of a later format than this game reads is
// never loaded as if the description were missing: the load dialog and the
// offer to go on refuse it, naming the format, and the save stays as it was.
TEST_F(OldFiles, ASaveOfALaterDescriptionFormatIsRefusedNamingItAndKept) {
    const fs::path from = kOldFiles / "6d6c350/saves";
    const std::string name = "auto-1";
    std::vector<uint8_t> description = CorpusFile(from / game::DescriptionFileName(name));
    ASSERT_EQ(game::DescriptionFormatOf(description), 1u);
    const std::string title = "karvelun save description 1\n";
    ASSERT_EQ(std::string(description.begin(), description.begin() + title.size()), title);
    description.erase(description.begin(), description.begin() + title.size());
    const std::string later = "karvelun save description 12\n";
    description.insert(description.begin(), later.begin(), later.end());
    EXPECT_EQ(game::DescriptionFormatOf(description), 12u);
    EXPECT_FALSE(game::ParseSaveDescription(description));

    FreshFolder("", {"6d6c350/mala-jeskyne"});
    const std::vector<uint8_t> lev = CorpusFile(from / (name + ".lev"));
    WriteFile(game::SavePath(name + ".lev"), lev);
    WriteFile(game::SavePath(name + ".pos"), CorpusFile(from / (name + ".pos")));
    const fs::path about = game::SavePath(game::DescriptionFileName(name));
    WriteFile(about, description);

    const std::string told =
        "Tuto hru uložila novější verze hry (popis hry je ve formátu verze 12) a tato ji nahrát "
        "neumí. Uložená hra zůstává, jak byla.";
    EXPECT_EQ(game::SaveCampaignRefusal(name)->czech, told);
    EXPECT_FALSE(game::OfferToGoOn(platform::LastRunEnd::kUnclean, game::FoundAutosave{name, 1}));
    EXPECT_EQ(game::LoadChosenGame(name), game::AfterLoad::kMenu);
    ASSERT_FALSE(windows.messageBoxes.empty());
    EXPECT_EQ(windows.messageBoxes.back().first, told);
    EXPECT_EQ(game::UnpackedLevelCount, 0);
    EXPECT_EQ(CorpusFile(about), description);
    EXPECT_EQ(CorpusFile(game::SavePath(name + ".lev")), lev);
}

}  // namespace
