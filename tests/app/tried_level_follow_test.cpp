// karvelun --level following its file, with a stand-in for karvelun-levels:
// an in-place write, a run of quick writes, a rename over the file and a
// write after it are each made into a campaign once and offered to the
// game; a file the tool refuses offers nothing and leaves the try-out's
// campaign, and the log tells the tool's reason.
#include <QFile>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "game/app/tried_level_follow.h"
#include "game/core/game_state.h"
#include "game/levels/byte_stream.h"
#include "game/levels/package_record.h"
#include "game/play/tried_level.h"
#include "levels/levels_test.h"
#include "support/game_test.h"

namespace {

namespace fs = std::filesystem;
using namespace game;

void WriteText(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

class TriedLevelFollowTest : public testing_support::GameTest {};

TEST_F(TriedLevelFollowTest, EachChangeOfTheFileIsOfferedOnceAndARefusedFileIsTold) {
    const fs::path maps = appFolder / "maps", data = appFolder / "try";
    fs::create_directories(maps);
    fs::create_directories(data);
    const fs::path map = maps / "level1.tmx";
    WriteText(map, "first");
    const std::string kOld = "the campaign as it was";
    WriteText(data / "levels.all", kOld);

    // The campaign the stand-in makes: level 1 with picture 99 on tile 400.
    PackageRecord made;
    made.levels.assign(2, levels_test::SampleLevel());
    made.levels[1].tiles[400].Picture = 99;
    ByteWriter out;
    WritePackageRecord(out, made);
    levels_test::WriteBytes(appFolder / "made.all", out.Bytes());
    const fs::path tool = appFolder / "karvelun-levels";
    WriteText(tool,
              "#!/bin/sh\n"
              "if grep -q broken \"$2\"; then echo \"$2:3: a broken map\" >&2; exit 1; fi\n"
              "for a; do last=$a; done\n"
              "cp '" +
                  (appFolder / "made.all").string() + "' \"$last\" && echo 'level 1 tile 300'\n");
    fs::permissions(tool, fs::perms::owner_all);

    platform::LevelTryOut tryOut;
    tryOut.dataFolder = QString::fromStdString(data.string());
    tryOut.level = 1;
    tryOut.levelFile = QString::fromStdString(map.string());
    tryOut.levelTool = QString::fromStdString(tool.string());
    tryOut.campaign = QString::fromStdString((appFolder / "made.all").string());
    TriedLevelFollow follow(tryOut);

    struct Case {
        const char* what;
        std::vector<std::string> writes;  // one after another, 50 ms apart
        bool renamed;                     // written beside and renamed over
        bool offered;
    };
    const Case cases[] = {
        {"written in place", {"second"}, false, true},
        {"a run of quick writes", {"third", "fourth, longer", "fifth"}, false, true},
        {"renamed over", {"sixth"}, true, true},
        {"written in place after the rename", {"seventh"}, false, true},
        {"refused", {"broken"}, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const size_t linesBefore = windows.LogLines().size();
        for (const std::string& text : c.writes) {
            if (c.renamed) {
                WriteText(maps / ".level1.tmx.new", text);
                fs::rename(maps / ".level1.tmx.new", map);
            } else {
                WriteText(map, text);
            }
            QTest::qWait(50);
        }
        ASSERT_TRUE(QTest::qWaitFor([&] { return windows.LogLines().size() > linesBefore; }, 1000))
            << "not followed within a second";
        QTest::qWait(2 * platform::FileFollower::kSettleMs);
        ASSERT_EQ(windows.LogLines().size(), linesBefore + 1) << "told more than once";
        const std::string line = windows.LogLines().back();
        EXPECT_EQ(TriedLevelChangeWaits(), c.offered);
        if (c.offered) {
            EXPECT_NE(line.find("level1.tmx"), std::string::npos) << line;
            // The made campaign is the try-out's now, for new games.
            EXPECT_EQ(levels_test::ReadBytes(data / "levels.all"), out.Bytes());
            // Put in (no game runs, so it only sets where new games begin).
            PutInWaitingLevelChange();
            EXPECT_EQ(NewGameTile, 300);
        } else {
            EXPECT_NE(line.find("a broken map"), std::string::npos) << line;
            EXPECT_EQ(levels_test::ReadBytes(data / "levels.all").size(), kOld.size());
        }
        WriteText(data / "levels.all", kOld);
    }
}

}  // namespace
