#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <set>
#include <sstream>

#include "game/core/game_state.h"
#include "game/levels/package_record.h"
#include "game/levels/position_record.h"
#include "game/levels/text_catalogue.h"
#include "game/platform/durable_file.h"
#include "levels/levels_test.h"
#include "tools/levels/cli/level_tool.h"
#include "tools/levels/compiler/json_dump.h"
#include "tools/levels/compiler/level_file_names.h"

namespace {

namespace fs = std::filesystem;
using namespace game;
using levels_test::ReadBytes;
using levels_test::SampleLevel;
using levels_test::WriteBytes;

struct ToolRun {
    int status;
    std::string out, err;
};

ToolRun Tool(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int status = levels_tool::RunLevelTool(args, out, err);
    return {status, out.str(), err.str()};
}

// The lines that tell of problems, not of notes.
long ProblemLines(const std::string& err) {
    long lines = 0;
    std::istringstream in(err);
    for (std::string line; std::getline(in, line);)
        lines += line.find(": note: ") == std::string::npos;
    return lines;
}

class LevelTool : public ::testing::Test {
  protected:
    void SetUp() override {
        std::random_device rd;
        dir = fs::temp_directory_path() / ("karvelun-tool-" + std::to_string(rd()));
        fs::create_directories(dir / "src");
        Write("src/legend.txt",
              "tile # 11 wall   # brick\n"
              "tile . 1 floor\n"
              "tile 0 1 floor\n"
              "monster r 0 0 1 2\n"
              "item $ 0 0\n");
    }
    void TearDown() override { fs::remove_all(dir); }

    void Write(const std::string& name, const std::string& text) {
        std::ofstream(dir / name, std::ios::binary) << text;
    }

    // A level file: a walled room with the given rows replaced, and extra
    // legend lines.
    static std::string Level(const std::map<int, std::string>& rows, const std::string& legend,
                             const std::string& things = "") {
        std::string text = "[map]\n";
        for (int r = 0; r < 25; ++r) {
            if (rows.count(r))
                text += rows.at(r);
            else if (r == 0 || r == 24)
                text += std::string(25, '#');
            else
                text += "#" + std::string(23, '.') + "#";
            text += "\n";
        }
        if (!things.empty()) text += "[things]\n" + things;
        return text + "\n[legend]\n" + legend;
    }

    std::string Path(const std::string& name) const { return (dir / name).string(); }

    QJsonObject Json(const std::string& text) {
        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(text), &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
        return doc.object();
    }

    fs::path dir;
};

TEST_F(LevelTool, TheStarterCampaignBuildsChecksAndJoinsItsLevels) {
    const ToolRun built = Tool({"build", KARVELUN_CAMPAIGN_DIR, Path("levels.all")});
    ASSERT_EQ(built.status, 0) << built.err;
    EXPECT_EQ(Tool({"check", Path("levels.all")}).status, 0);

    const auto bytes = ReadBytes(dir / "levels.all");
    ByteReader in(bytes);
    PackageRecord package;
    ASSERT_TRUE(ReadPackageRecord(in, false, package));
    ASSERT_GE(package.levels.size(), 3u);
    // The start of a new game greets the player with the level's name.
    EXPECT_EQ(package.levels[0].tiles[591].Kind, kSign);
    EXPECT_EQ(package.levels[0].tiles[591].Param1.rfind("0. patro: ", 0), 0u);

    // Exits lead 0 -> 1 -> 2 and back; every level has walls, floors,
    // monsters and items; the campaign has a sign and a destructible wall.
    std::set<std::pair<int, int>> exits;
    bool sign = false, breakable = false;
    for (size_t n = 0; n < package.levels.size(); ++n) {
        const LevelRecord& level = package.levels[n];
        int walls = 0, floors = 0;
        for (const TileRecord& tile : level.tiles) {
            walls += tile.Kind == kSolidWall;
            floors += tile.Kind == kFloor;
            sign |= tile.Kind == kSign && !tile.Param1.empty();
            breakable |= tile.Kind == kDestructibleWall;
            if (tile.Kind == kLevelExit)
                exits.insert({static_cast<int>(n), std::stoi(tile.Param1)});
        }
        EXPECT_GT(walls, 96) << n;
        EXPECT_GT(floors, 100) << n;
        EXPECT_FALSE(level.monsters.empty()) << n;
        EXPECT_FALSE(level.items.empty()) << n;
    }
    EXPECT_TRUE(sign);
    EXPECT_TRUE(breakable);
    for (auto pair : {std::pair{0, 1}, {1, 0}, {1, 2}, {2, 1}})
        EXPECT_TRUE(exits.count(pair)) << pair.first << " -> " << pair.second;
}

TEST_F(LevelTool, TheSameSourcesGiveTheSameBytes) {
    ASSERT_EQ(Tool({"build", KARVELUN_CAMPAIGN_DIR, Path("a.all")}).status, 0);
    ASSERT_EQ(Tool({"build", KARVELUN_CAMPAIGN_DIR, Path("b.all")}).status, 0);
    ASSERT_EQ(Tool({"build", KARVELUN_CAMPAIGN_DIR, Path("c.all"), "--seed", "9"}).status, 0);
    EXPECT_EQ(ReadBytes(dir / "a.all"), ReadBytes(dir / "b.all"));
    EXPECT_NE(ReadBytes(dir / "a.all"), ReadBytes(dir / "c.all"));
}

// The English texts stand beside the Czech ones in the sources and go to
// the catalogue beside the package, which keeps the Czech texts only; the
// shipped campaign (--require-english) needs one for every text.
TEST_F(LevelTool, EnglishTextsGoToTheCatalogueBesideTheUnchangedPackage) {
    const auto write = [&](const std::string& sign0, const std::string& sign1) {
        Write("src/level0.txt",
              Level({{1, "#.>2....................#"},
                     {3, "#..S.M..................#"},
                     {23, "#...............0.......#"}},
                    "tile 0 1 sign \"0. patro: Vchod\" once en \"Floor 0: Way In\"\n"
                    "tile 2 1 sign \"0. patro: Vchod\" once en \"Floor 0: Way In\" revealed\n"
                    "tile > 38 exit 1 @0\n"
                    "tile S 33 sign \"Drž {Strelba}!\" " +
                        sign0 +
                        "\n"
                        "tile M 34 message \"Runy \\\"praví\\\"\"\n"));
        Write("src/level1.txt",
              Level({{5, "#....0<.................#"}, {3, "#..S....................#"}},
                    "tile 0 1 sign \"1. patro: Sklep\" once en \"Floor 1: Cellar\"\n"
                    "tile < 39 exit 0 @2\n"
                    "tile S 33 sign \"Drž {Strelba}!\" " +
                        sign1 + "\n"));
    };
    write("en \"Hold {Strelba}!\"", "en \"Hold {Strelba}!\"");
    const ToolRun built = Tool({"build", Path("src"), Path("out.all")});
    ASSERT_EQ(built.status, 0) << built.err;
    const std::string missing =
        "level 0, tile 80 (column 5, row 3): the message screen's text \"Runy \"praví\"\" has no "
        "English text";
    EXPECT_EQ(built.err, Path("src") + ": note: " + missing + " (en \"...\")\n");
    const auto catalogue = ReadBytes(dir / "out.en");
    EXPECT_EQ(std::string(catalogue.begin(), catalogue.end()),
              "# Karvelun text catalogue: en\n"
              "0. patro: Vchod\tFloor 0: Way In\n"
              "1. patro: Sklep\tFloor 1: Cellar\n"
              "Drž {Strelba}!\tHold {Strelba}!\n");
    const ToolRun checked = Tool({"check", Path("out.all")});
    EXPECT_EQ(checked.status, 0);
    EXPECT_EQ(checked.err, Path("out.all") + ": note: " + missing + " (en \"...\")\n");

    // The package is the one the sources give without their English texts.
    write("", "");
    ASSERT_EQ(Tool({"build", Path("src"), Path("bare.all")}).status, 0);
    EXPECT_EQ(ReadBytes(dir / "bare.all"), ReadBytes(dir / "out.all"));

    const struct {
        std::string sign0, sign1;
        bool requireEnglish;
        std::string error;
    } kRefused[] = {
        {"en \"Hold {Strelba}!\"", "en \"Hold {Strelba}!\"", true, missing},
        {"en \"Hold {Strelba}!\"", "en \"Keep {Strelba} down!\"", false,
         "level 1, tile 78 (column 3, row 3): the English text \"Keep {Strelba} down!\" differs "
         "from \"Hold {Strelba}!\" for the same Czech text on level 0, tile 78 (column 3, row 3)"},
        {"en \"Hold {Bomba}!\"", "", false,
         "level 0, tile 78 (column 3, row 3): the English text \"Hold {Bomba}!\" names the keys "
         "{Bomba}, the Czech text {Strelba}"},
        {"", "en \"Hold it!\"", false,
         "level 1, tile 78 (column 3, row 3): the English text \"Hold it!\" names the keys none, "
         "the Czech text {Strelba}"},
    };
    for (const auto& refused : kRefused) {
        write(refused.sign0, refused.sign1);
        fs::remove(dir / "no.all");
        std::vector<std::string> args = {"build", Path("src"), Path("no.all")};
        if (refused.requireEnglish) args.push_back("--require-english");
        const ToolRun run = Tool(args);
        EXPECT_EQ(run.status, 1) << refused.error;
        EXPECT_NE(run.err.find(Path("src") + ": " + refused.error), std::string::npos)
            << refused.error << "\n"
            << run.err;
        EXPECT_EQ(ProblemLines(run.err), 1) << run.err;
        EXPECT_FALSE(fs::exists(dir / "no.all")) << refused.error;
        EXPECT_FALSE(fs::exists(dir / "no.en")) << refused.error;
    }
}

TEST_F(LevelTool, SourcesBecomeTheGamesTiles) {
    Write("src/level0.txt",
          Level({{1, "#0.S....................#"}, {2, "#.>T.....K..............#"}},
                "tile S 33 sign \"Řeka \\\"Vltava\\\" je blízko!\" once\n"
                "tile > 38 exit 1 @0\n"
                "tile T 36 teleport 3,20\n"
                "tile K 41 mechanism @S 29 floor revealed\n",
                "\n\n...r.$\n" + std::string(22, '\n')));
    Write("src/level1.txt", Level({{5, "#....0..................#"}}, "tile < 39 exit 0 1,1\n"));
    const ToolRun run = Tool({"build", Path("src"), Path("out.all"), "--no-check"});
    ASSERT_EQ(run.status, 0) << run.err;

    const auto bytes = ReadBytes(dir / "out.all");
    ByteReader in(bytes);
    PackageRecord package;
    ASSERT_TRUE(ReadPackageRecord(in, false, package));
    const LevelRecord& level = package.levels[0];
    EXPECT_EQ(level.tiles[28].Kind, kSign);
    EXPECT_EQ(level.tiles[28].Param1, "Řeka \"Vltava\" je blízko!");
    EXPECT_EQ(level.tiles[28].Param2, "ONCE");
    EXPECT_EQ(level.tiles[52].Param1, "1");
    EXPECT_EQ(level.tiles[52].Param2, "130");  // the 0 of level 1: row 5, column 5
    EXPECT_EQ(level.tiles[53].Param1, "503");  // column 3, row 20
    EXPECT_EQ(level.tiles[59].Param1, "28");
    EXPECT_EQ(level.tiles[59].Param2, "29 0");
    EXPECT_EQ(level.tiles[59].Revealed, kTrue);
    EXPECT_EQ(level.tiles[0].Picture, 11);
    ASSERT_EQ(level.monsters.size(), 1u);
    EXPECT_EQ(level.monsters[0].X, 62.0f);
    EXPECT_EQ(level.monsters[0].Y, 42.0f);
    ASSERT_EQ(level.items.size(), 1u);
    EXPECT_EQ(level.items[0].X, 101);
    EXPECT_EQ(package.levels[1].tiles[130].Kind, kFloor);
}

TEST_F(LevelTool, SourceMistakesNameTheFileAndLine) {
    auto fails = [&](const std::string& level0, const std::string& expected) {
        Write("src/level0.txt", level0);
        const ToolRun run = Tool({"build", Path("src"), Path("out.all")});
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(run.err.find(expected), std::string::npos) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_FALSE(fs::exists(dir / "out.all"));
    };
    fails(Level({{3, "#....Q..................#"}}, ""),
          "level0.txt:5: 'Q' (column 5) is not in the legend");
    fails(Level({}, "tile S 33 sign \"Ahoj 日本\"\n"),
          "level0.txt:29: the text holds a character that Windows-1250 cannot hold (U+65E5)");
    fails(Level({{7, "#...#"}}, ""), "level0.txt:9: a map row must have 25 characters");
    fails(Level({{1, "#>......................#"}}, "tile > 38 exit 4 @0\n"),
          "the exit leads to level 4, which has no source");
    fails(Level({{2, "#.T..0...0..............#"}}, "tile T 36 teleport @0\n"), "@0 is ambiguous");
    fails(Level({}, "tile X 5 breakable 0 25\n"), "the strength must be a whole number from 1");
    fails("[map]\n#####\n", "[map] needs 25 rows");
    fails(Level({}, "tile S 33 sign \"open\n"), "closing quotation mark");

    Write("src/level0.txt", Level({}, ""));
    Write("src/level2.txt", Level({}, ""));
    const ToolRun gap = Tool({"build", Path("src"), Path("out.all")});
    EXPECT_NE(gap.err.find("level 1 is missing"), std::string::npos) << gap.err;
}

TEST_F(LevelTool, CheckReportsEveryProblemOnItsOwnLine) {
    PackageRecord package;
    package.levels = {SampleLevel(), SampleLevel()};
    LevelRecord& level = package.levels[1];
    level.tiles[3].Kind = kFloor;  // a hole in the border
    level.tiles[40] = {38, kLevelExit, 0, "7", "100"};
    level.tiles[41] = {38, kLevelExit, 0, "0", "0"};  // onto a wall
    level.tiles[42] = {36, kTeleport, 0, "625", ""};
    level.tiles[43] = {41, kMechanism, 0, "12", "29"};
    level.tiles[44] = {21, kDestructibleWall, 0, "0", "25"};
    level.monsters.push_back({490.0f, 10.0f, 0, 5, 1, 1});
    level.tiles[45].Kind = 12;
    // Braces name keys only, by their exact names.
    level.tiles[46] = {33, kSign, 0, "{Strelba} a {strelba}", ""};
    level.tiles[47] = {34, kMessageScreen, 0, "Zavři {Potvrdit}, pak {Bomba", ""};
    level.tiles[48] = {33, kSign, 0, "{Pohyb} {Nahoru}{Dolu}{Vlevo}{Vpravo}{Pauza}{Menu}",
                       "{Ulozit}{Nahrat}{Foo}"};
    ByteWriter out;
    WritePackageRecord(out, package);
    WriteBytes(dir / "bad.all", out.Bytes());
    // The English catalogue beside it: an English text must name the same
    // keys; a text without one is a note for a package other than the
    // shipped campaign's.
    Write("bad.en",
          "# Karvelun text catalogue: en\n"
          "{Strelba} a {strelba}\t{strelba} and {Strelba}\n"
          "Zavři {Potvrdit}, pak {Bomba\tClose with {Potvrdit}\n");

    const ToolRun run = Tool({"check", Path("bad.all")});
    EXPECT_EQ(run.status, 1);
    for (const char* expected :
         {"level 1, tile 3 (column 3, row 0): the border must be solid wall",
          "level 1, tile 40 (column 15, row 1): the exit leads to level \"7\", which does not "
          "exist",
          "level 1, tile 41 (column 16, row 1): the exit leads onto a wall",
          "tile 42 (column 17, row 1): the teleport's target \"625\" is not a tile",
          "tile 43 (column 18, row 1): the mechanism's change \"29\" is not \"picture kind\"",
          "tile 44 (column 19, row 1): a destructible wall needs a positive strength",
          "tile 45 (column 20, row 1): unknown tile kind 12", "kind 5 is not 0 to 3",
          "outside the field",
          "tile 46 (column 21, row 1): the text's \"{strelba}\" is no key's name: {Nahoru}",
          "tile 47 (column 22, row 1): the text's \"{Bomba\" is no key's name",
          "tile 47 (column 22, row 1): the English text \"Close with {Potvrdit}\" names the keys "
          "{Potvrdit}, the Czech text {Bomba {Potvrdit}",
          "bad.all: note: level 1, tile 48 (column 23, row 1): the sign's text \"{Pohyb} "
          "{Nahoru}{Dolu}{Vlevo}{Vpravo}{Pa...\" has no English text"})
        EXPECT_NE(run.err.find(expected), std::string::npos) << expected << "\n" << run.err;
    EXPECT_EQ(ProblemLines(run.err), 12) << run.err;
}

// The campaign greets the player wherever he arrives: the start of a new
// game and every exit's target carry a sign that acts once and names the
// level, on another tile index than the exit's.
TEST_F(LevelTool, EveryArrivalOfTheCampaignGreetsThePlayerWithTheLevelsName) {
    const auto write = [&](const std::string& greeting1, const std::string& start,
                           const std::string& row1 = "#....0<.................#") {
        Write("src/level0.txt", Level({{1, "#.>2....................#"},
                                       {23, "#..............." + start + ".......#"}},
                                      "tile 0 1 sign \"0. patro: Vchod\" once\n"
                                      "tile 2 1 sign \"0. patro: Vchod\" once\n"
                                      "tile > 38 exit 1 @0\n"));
        Write("src/level1.txt",
              Level({{row1 == "#....0<.................#" ? 5 : 1, row1}},
                    "tile 0 1 sign \"" + greeting1 + "\n" + "tile < 39 exit 0 @2\n"));
        return Tool({"build", Path("src"), Path("out.all")});
    };
    const ToolRun built = write("1. patro: Sklep\" once", "0");
    ASSERT_EQ(built.status, 0) << built.err;
    EXPECT_EQ(Tool({"check", Path("out.all")}).status, 0);

    const auto fails = [&](const ToolRun& run, const std::string& expected) {
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(run.err.find(expected), std::string::npos) << run.err;
        EXPECT_EQ(ProblemLines(run.err), 1) << run.err;
    };
    const std::string level1 =
        "level 1, tile 130 (column 5, row 5): the hero arrives here by the exit of level 0 "
        "(tile 27), but no sign marked once greets him with \"1. patro: \"";
    fails(write("2. patro: Sklep\" once", "0"), level1);
    fails(write("1. patro: Sklep\"", "0"), level1);
    fails(write("1. patro: \" once", "0"), level1);
    fails(write("1. patro: Sklep\" once", "."),
          "level 0, tile 591 (column 16, row 23): the hero arrives here by the start of a new "
          "game, but no sign");
    // Level 1's arrival on tile 27, the index of level 0's stairs.
    fails(write("1. patro: Sklep\" once", "0", "#.0.<...................#"),
          "level 1, tile 27 (column 2, row 1): the exit of level 0 (tile 27) leads onto its own "
          "tile index, so the greeting here stays silent");

    // A save's levels have greeted already: check does not ask it of them.
    write("1. patro: Sklep\" once", ".");
    ASSERT_EQ(Tool({"build", Path("src"), Path("out.all"), "--no-check"}).status, 0);
    const auto bytes = ReadBytes(dir / "out.all");
    ByteReader in(bytes);
    PackageRecord package;
    ASSERT_TRUE(ReadPackageRecord(in, false, package));
    package.header = "hra.lev";
    ByteWriter out;
    WritePackageRecord(out, package);
    WriteBytes(dir / "hra.lev", out.Bytes());
    EXPECT_EQ(Tool({"check", Path("hra.lev")}).status, 0);
    EXPECT_EQ(Tool({"check", Path("out.all")}).status, 1);
}

TEST_F(LevelTool, DumpPrintsLevelsAsJsonWithExactFloats) {
    PackageRecord package;
    package.header = "moje.lev";
    package.levels = {SampleLevel()};
    ByteWriter out;
    WritePackageRecord(out, package);
    WriteBytes(dir / "moje.lev", out.Bytes());

    const ToolRun run = Tool({"dump", Path("moje.lev"), "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const QJsonObject doc = Json(run.out);
    EXPECT_EQ(doc["header"].toString().toStdString(), "moje.lev");
    const QJsonObject level = doc["levels"].toArray()[0].toObject();
    EXPECT_EQ(level["number"].toInt(), 0);
    const QJsonArray tiles = level["tiles"].toArray();
    ASSERT_EQ(tiles.size(), 625);
    const QJsonObject sign = tiles[31].toObject();
    EXPECT_EQ(sign["kind"].toInt(), 3);
    EXPECT_EQ(sign["revealed"].toInt(), -1);
    EXPECT_EQ(sign["param1"].toString().toStdString(), SampleLevel().tiles[31].Param1);
    EXPECT_EQ(tiles[32].toObject()["revealed"].toInt(), 0);
    const QJsonArray monsters = level["monsters"].toArray();
    ASSERT_EQ(monsters.size(), 3);
    const LevelRecord sample = SampleLevel();
    for (int i = 0; i < 3; ++i) {
        const QJsonObject m = monsters[i].toObject();
        const MonsterRecord& expected = sample.monsters[i];
        EXPECT_EQ(static_cast<float>(m["x"].toDouble()), expected.X);
        EXPECT_EQ(static_cast<float>(m["y"].toDouble()), expected.Y);
        EXPECT_EQ(m["damage"].toInt(), expected.Damage);
        EXPECT_EQ(m["hit_points"].toInt(), expected.HitPoints);
    }
    EXPECT_NE(run.out.find("\"x\": 33.333"), std::string::npos);
    EXPECT_EQ(level["items"].toArray()[1].toObject()["kind"].toInt(), 10);
}

TEST_F(LevelTool, DumpReadsLevelFilesAndPositionFiles) {
    ByteWriter level;
    WriteLevelRecord(level, 12, SampleLevel());
    WriteBytes(dir / "level12.sc", level.Bytes());
    WriteBytes(dir / "kopie.sc", level.Bytes());
    ToolRun run = Tool({"dump", Path("level12.sc"), "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Json(run.out)["levels"].toArray()[0].toObject()["number"].toInt(), 12);
    EXPECT_EQ(Tool({"dump", Path("kopie.sc"), "--json", "--level", "12"}).status, 0);
    run = Tool({"dump", Path("kopie.sc"), "--json", "--level", "13"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("instead of \"level13\""), std::string::npos) << run.err;
    EXPECT_EQ(Tool({"dump", Path("kopie.sc"), "--json"}).status, 1);

    ByteWriter position;
    WritePositionRecord(position, "hra.pos", 5,
                        {4, 0.1f, -0.0f, 0.8f, 0.8f, 0.7f, 2, 9, 10, 1234, 99, 3, 2, 40, 7, 35});
    WriteBytes(dir / "hra.pos", position.Bytes());
    run = Tool({"dump", Path("hra.pos"), "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const QJsonObject doc = Json(run.out);
    const QStringList names = {
        "header",    "LevelNumber",     "HeroX",        "HeroY",        "HeroStepX",  "HeroStepY",
        "HeroSpeed", "HeroFacing",      "Lives",        "MaxLives",     "Experience", "Gold",
        "HeroLevel", "MissileStrength", "MissileRange", "BombStrength", "BombRange"};
    EXPECT_EQ(doc.keys().size(), names.size());
    for (const QString& name : names)
        EXPECT_TRUE(doc.contains(name)) << name.toStdString();
    EXPECT_EQ(static_cast<float>(doc["HeroX"].toDouble()), 0.1f);
    EXPECT_NE(run.out.find("\"HeroY\": -0"), std::string::npos);
    EXPECT_EQ(doc["Experience"].toInt(), 1234);
    EXPECT_EQ(doc["Gold"].toInt(), 99);
}

TEST_F(LevelTool, PackAndUnpackKeepThePackagesHeaderRules) {
    PackageRecord package;
    package.levels = {SampleLevel(), SampleLevel()};
    package.levels[1].tiles[7].Param1 = "druhá";
    ByteWriter out;
    WritePackageRecord(out, package);
    WriteBytes(dir / "levels.all", out.Bytes());

    ASSERT_EQ(Tool({"unpack", Path("levels.all"), Path("work")}).status, 0);
    EXPECT_TRUE(fs::exists(dir / "work/level1.sc"));
    ASSERT_EQ(Tool({"pack", Path("work"), Path("saves/hra.lev")}).status, 0);

    const auto bytes = ReadBytes(dir / "saves/hra.lev");
    ByteReader in(bytes);
    PackageRecord packed;
    ASSERT_TRUE(ReadPackageRecord(in, true, packed));
    EXPECT_EQ(packed.header, "hra.lev");
    ASSERT_EQ(packed.levels.size(), 2u);
    EXPECT_EQ(packed.levels[1].tiles[7].Param1, "druhá");

    fs::copy_file(dir / "saves/hra.lev", dir / "saves/jina.lev");
    const ToolRun renamed = Tool({"unpack", Path("saves/jina.lev"), Path("work2")});
    EXPECT_EQ(renamed.status, 1);
    EXPECT_NE(renamed.err.find("its header names \"hra.lev\""), std::string::npos);

    EXPECT_EQ(Tool({"pack", Path("work"), Path("x.txt")}).status, 1);
    EXPECT_EQ(Tool({"pack", Path("nowhere"), Path("x.all")}).status, 1);
}

TEST_F(LevelTool, AFailedWriteKeepsTheOldOutputAndLeavesNothingBeside) {
    ASSERT_EQ(Tool({"build", KARVELUN_CAMPAIGN_DIR, Path("levels.all")}).status, 0);
    const auto built = ReadBytes(dir / "levels.all");
    ASSERT_EQ(Tool({"unpack", Path("levels.all"), Path("work")}).status, 0);
    ASSERT_EQ(Tool({"pack", Path("work"), Path("hra.lev")}).status, 0);
    const auto packed = ReadBytes(dir / "hra.lev");
    const auto level0 = ReadBytes(dir / "work/level0.sc");
    auto names = [&] {
        std::set<std::string> all;
        for (const auto& entry : fs::recursive_directory_iterator(dir))
            all.insert(entry.path().lexically_relative(dir).string());
        return all;
    };
    const auto before = names();

    for (const FileStep failing :
         {FileStep::kWrite, FileStep::kSyncFile, FileStep::kClose, FileStep::kRename}) {
        SetFileFaultHook(
            [&](FileStep step, const std::string&) { return step == failing ? ENOSPC : 0; });
        for (const std::vector<std::string>& args :
             {std::vector<std::string>{"build", KARVELUN_CAMPAIGN_DIR, Path("levels.all"), "--seed",
                                       "5"},
              {"pack", Path("work"), Path("hra.lev")},
              {"unpack", Path("levels.all"), Path("work")}}) {
            const ToolRun run = Tool(args);
            EXPECT_EQ(run.status, 1) << args[0];
            EXPECT_NE(run.err.find("cannot be written"), std::string::npos) << run.err;
            EXPECT_NE(run.err.find("No space left"), std::string::npos) << run.err;
        }
        SetFileFaultHook(nullptr);
        EXPECT_EQ(ReadBytes(dir / "levels.all"), built) << FileStepName(failing);
        EXPECT_EQ(ReadBytes(dir / "hra.lev"), packed);
        EXPECT_EQ(ReadBytes(dir / "work/level0.sc"), level0);
        EXPECT_EQ(names(), before);
    }
}

// A campaign of one's own becomes a pack from level sources in any of the
// three forms, with the built-in legend when the folder has none; a source
// that would give a broken pack writes nothing and names the file and the
// reason.
TEST_F(LevelTool, CampaignBuildsAPackFromEveryFormOrWritesNothing) {
    const std::string greeting0 = R"("0. patro: Start" once en "Floor 0: Start")";
    const std::string level0 = Level(
        {{1, "#>" + std::string(22, '.') + "#"},
         {2, "#.2" + std::string(21, '.') + "#"},
         {23, "#" + std::string(15, '.') + "0" + std::string(7, '.') + "#"}},
        "tile > 38 exit 1 27\ntile 2 1 sign " + greeting0 + "\ntile 0 1 sign " + greeting0 + "\n");
    const std::string level1 = Level(
        {{1, "#<1" + std::string(21, '.') + "#"}},
        "tile < 39 exit 0 52\ntile 1 1 sign \"1. patro: Cíl\" once en \"Floor 1: The Goal\"\n");
    const std::string ini = "Nazev=Zkouška\nAutor=A\nVerze=1\nJazyk=cs,en\nKonec=1,312\n";
    Write("src/level0.txt", level0);
    Write("src/level1.txt", level1);
    Write("src/campaign.ini", ini);

    // The same levels as a level file (without legend.txt: the built-in
    // legend knows '#', '.' and the digits alike) and as a Tiled map.
    ASSERT_EQ(Tool({"build", Path("src"), Path("x.all")}).status, 0);
    ASSERT_EQ(Tool({"unpack", Path("x.all"), Path("unpacked")}).status, 0);
    fs::create_directories(dir / "sc");
    fs::create_directories(dir / "tmx");
    for (const char* form : {"sc", "tmx"}) {
        fs::copy_file(dir / "src/level0.txt", dir / form / "level0.txt");
        fs::copy_file(dir / "src/campaign.ini", dir / form / "campaign.ini");
    }
    fs::copy_file(dir / "src/legend.txt", dir / "tmx/legend.txt");
    fs::copy_file(dir / "unpacked/level1.sc", dir / "sc/level1.sc");
    ASSERT_EQ(Tool({"export", Path("src/level1.txt"), "--tilesets", KARVELUN_TILESETS_DIR,
                    Path("tmx/level1.tmx")})
                  .status,
              0);

    const ToolRun built = Tool({"campaign", Path("src"), Path("packs/txt")});
    ASSERT_EQ(built.status, 0) << built.err;
    EXPECT_EQ(built.err, "");
    const auto levels = ReadBytes(dir / "packs/txt/levels.all");
    ByteReader in(levels);
    PackageRecord package;
    ASSERT_TRUE(ReadPackageRecord(in, false, package));
    EXPECT_EQ(package.levels.size(), 2u);
    EXPECT_EQ(ReadBytes(dir / "packs/txt/campaign.ini"),
              ReadBytes(dir / "src/campaign.ini"));  // written as FormatCampaignInfo writes it
    const auto english = ReadBytes(dir / "packs/txt/levels.en");
    EXPECT_NE(std::string(english.begin(), english.end()).find("\tFloor 1: The Goal"),
              std::string::npos);
    for (const char* form : {"sc", "tmx"}) {
        const ToolRun run = Tool({"campaign", Path(form), Path(std::string("packs/") + form)});
        ASSERT_EQ(run.status, 0) << form << ": " << run.err;
        EXPECT_EQ(ReadBytes(dir / "packs" / form / "levels.all"), levels) << form;
    }

    struct Case {
        const char* what;
        std::string file, text;  // replaces a file of the good sources
        std::string named;       // the file the error names
        std::string reason;      // empty: the pack is built, with notes
    };
    const std::string enclosed = Level(
        {{1, "#>" + std::string(22, '.') + "#"},
         {2, "#.2" + std::string(21, '.') + "#"},
         {22, "#" + std::string(14, '.') + "###" + std::string(6, '.') + "#"},
         {23, "#" + std::string(14, '.') + "#0#" + std::string(6, '.') + "#"}},
        "tile > 38 exit 1 27\ntile 2 1 sign " + greeting0 + "\ntile 0 1 sign " + greeting0 + "\n");
    const std::string level2 = Level({}, "");
    const std::string noKonec = "Nazev=Zkouška\nJazyk=cs,en\n";
    std::string exitToNowhere = level0, exitOffGrid = level0, unread = level1, notGreeted = level1;
    exitToNowhere.replace(exitToNowhere.find("exit 1 27"), 9, "exit 5 27");
    exitOffGrid.replace(exitOffGrid.find("exit 1 27"), 9, "exit 1 700");
    unread.replace(unread.find("#<1"), 3, "#<Q");
    notGreeted.replace(notGreeted.find("tile 1 1 sign"), std::string::npos,
                       "tile 1 1 sign \"Bez překladu\" once\n");
    const std::vector<Case> cases{
        {"a level that does not read", "level1.txt", unread, "level1.txt:", "not in the legend"},
        {"an exit to no level", "level0.txt", exitToNowhere, "level0.txt: level 0, tile 26",
         "which does not exist"},
        {"an exit to no tile", "level0.txt", exitOffGrid, "level0.txt:", "\"700\""},
        {"a level nothing leads to", "level2.txt", level2, "level2.txt: level 2",
         "cannot get here from level 0"},
        {"a start with no way on", "level0.txt", enclosed, "level0.txt: level 0, tile 591",
         "the start of a new game cannot reach any exit"},
        {"no Konec", "campaign.ini", noKonec, "campaign.ini", "no Konec="},
        {"an unreadable Konec", "campaign.ini", ini + "Konec=1\n", "campaign.ini: line 6",
         "Konec takes"},
        {"a Konec in no level", "campaign.ini", "Nazev=Z\nKonec=2,312\n", "campaign.ini: line 2",
         "names level 2, but the levels are 0 to 1"},
        {"a Konec in a wall", "campaign.ini", "Nazev=Z\nKonec=1,0\n", "level1.txt: level 1, tile 0",
         "the end of the game cannot be reached"},
        {"a Konec on the start of a new game", "campaign.ini", "Nazev=Z\nKonec=0,591\n",
         "campaign.ini: line 2", "where a new game begins"},
        {"notes only", "level1.txt", notGreeted, "level1.txt: note: level 1, tile 27", ""},
    };
    for (const Case& c : cases) {
        fs::remove_all(dir / "case");
        fs::copy(dir / "src", dir / "case");
        Write("case/" + c.file, c.text);
        const ToolRun run = Tool({"campaign", Path("case"), Path("packs/case")});
        EXPECT_NE(run.err.find(c.named), std::string::npos) << c.what << ": " << run.err;
        if (c.reason.empty()) {
            EXPECT_EQ(run.status, 0) << c.what << ": " << run.err;
            EXPECT_EQ(ProblemLines(run.err), 0) << c.what << ": " << run.err;
            EXPECT_NE(run.err.find("greets him"), std::string::npos) << run.err;
            EXPECT_NE(run.err.find("has no English text"), std::string::npos) << run.err;
            EXPECT_TRUE(fs::exists(dir / "packs/case/campaign.ini"));
            fs::remove_all(dir / "packs/case");
            continue;
        }
        EXPECT_EQ(run.status, 1) << c.what;
        EXPECT_NE(run.err.find(c.reason), std::string::npos) << c.what << ": " << run.err;
        EXPECT_FALSE(fs::exists(dir / "packs/case")) << c.what;
    }

    // A pack whose last file cannot be written keeps its old files, and a
    // new one leaves no folder.
    Write("src/campaign.ini", "Nazev=Jiná\nKonec=1,312\n");
    SetFileFaultHook([](FileStep step, const std::string& path) {
        return step == FileStep::kRename && path.find("campaign.ini") != std::string::npos ? ENOSPC
                                                                                           : 0;
    });
    const ToolRun full = Tool({"campaign", Path("src"), Path("packs/txt")});
    const ToolRun fresh = Tool({"campaign", Path("src"), Path("packs/new")});
    SetFileFaultHook(nullptr);
    EXPECT_EQ(full.status, 1);
    EXPECT_NE(full.err.find("No space left"), std::string::npos) << full.err;
    EXPECT_EQ(ReadBytes(dir / "packs/txt/campaign.ini"), ReadBytes(dir / "sc/campaign.ini"));
    EXPECT_EQ(ReadBytes(dir / "packs/txt/levels.en"), english);
    EXPECT_EQ(fresh.status, 1);
    EXPECT_FALSE(fs::exists(dir / "packs/new"));
}

// The catalogue packs ship and the JSON dump escape texts each their own
// way, through one escaper: the catalogue only what its lines need, JSON
// also the quote and every other control character.
TEST(TextEscapes, TheCatalogueAndTheJsonDumpEachWriteTheirOwnForm) {
    const struct {
        std::string text, catalogue, json;
    } cases[] = {
        {"Žluťoučký kůň", "Žluťoučký kůň", "\"Žluťoučký kůň\""},
        {"a\\b\tc\nd\re", "a\\\\b\\tc\\nd\\re", "\"a\\\\b\\tc\\nd\\re\""},
        {"\"{Strelba}\"", "\"{Strelba}\"", "\"\\\"{Strelba}\\\"\""},
        {std::string("\x01\x1f\x7f\x80 ", 5), std::string("\x01\x1f\x7f\x80 ", 5),
         "\"\\u0001\\u001f\\u007f\x80 \""},
        {std::string("nul\0.", 5), std::string("nul\0.", 5), "\"nul\\u0000.\""},
        {"\\n", "\\\\n", "\"\\\\n\""},  // a backslash and an n, not a line end
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatTextCatalogue(std::map<std::string, std::string>{{c.text, "x"}}),
                  std::string(kTextCatalogueHeader) + "\n" + c.catalogue + "\tx\n")
            << c.text;
        EXPECT_EQ(levels_tool::JsonString(c.text), c.json) << c.text;
    }
}

// Level files are found by their names: level<N>.<small letters>.
TEST(LevelFileNames, OnlyLevelDigitsDotLettersReadAsALevel) {
    const struct {
        const char* name;
        size_t maxDigits;
        bool negative;
        std::optional<int32_t> number;  // nothing: not a level's name
        const char* extension;
    } cases[] = {
        {"level12.txt", 6, false, 12, "txt"},
        {"level007.tmx", 6, false, 7, "tmx"},
        {"level123456.sc", 6, false, 123456, "sc"},
        {"level1234567.sc", 6, false, std::nullopt, ""},
        {"level-3.sc", 9, true, -3, "sc"},
        {"level-3.sc", 9, false, std::nullopt, ""},
        {"level-2147483648.sc", 99, true, INT32_MIN, "sc"},
        {"level2147483648.sc", 99, true, std::nullopt, ""},
        {"level12.TXT", 6, false, std::nullopt, ""},
        {"level12.t1", 6, false, std::nullopt, ""},
        {"level12.", 6, false, std::nullopt, ""},
        {"level.txt", 6, false, std::nullopt, ""},
        {"Level1.txt", 6, false, std::nullopt, ""},
        {"level1.txt~", 6, false, std::nullopt, ""},
        {"level 1.txt", 6, false, std::nullopt, ""},
    };
    for (const auto& c : cases) {
        const auto read = levels_tool::ReadLevelFileName(c.name, c.maxDigits, c.negative);
        ASSERT_EQ(read.has_value(), c.number.has_value()) << c.name;
        if (!read) continue;
        EXPECT_EQ(read->number, *c.number) << c.name;
        EXPECT_EQ(read->extension, c.extension) << c.name;
    }
}

TEST_F(LevelTool, WrongUsageAndBrokenFilesFailWithOneLine) {
    // Status 2 shows the usage; a flag's bad value fails before any file is
    // read, with one line naming the flag.
    const std::vector<std::pair<std::vector<std::string>, std::string>> lines{
        {{}, "usage: "},
        {{"fly"}, "usage: "},
        {{"dump", "x.all"}, "usage: "},  // --json is required
        {{"dump", "x.all", "--json", "--level"}, "usage: "},
        {{"check", "x.all", "--json"}, "usage: "},
        {{"pack", "a", "b", "c"}, "usage: "},
        {{"replay", "a.rec", "--seed", "1"}, "usage: "},
        {{"dump", "x.all", "--json", "--level", "2x"}, "--level needs a level number"},
        {{"export", "a.txt", "--level", "-1", "b.tmx"}, "--level needs a level number"},
        {{"tryout", "a.txt", "--tile", "", "b.all", "c.all"}, "--tile needs a number"},
        {{"build", "a", "b.all", "--seed", "-1"}, "--seed needs a number"},
        {{"difficulty", "x.all", "--runs", "0"}, "--runs needs a number from 1"},
        {{"difficulty", "x.all", "--levels", "3-1"}, "--levels needs a level or a range"},
        {{"difficulty", "--obtiznost", "tezka", "x.all"}, "--obtiznost needs normalni or lehka"},
        {{"record-playthrough", "a", "b", "--seed", "+5"}, "--seed needs a number"},
    };
    for (const auto& [args, told] : lines) {
        const ToolRun run = Tool(args);
        const bool usage = told == "usage: ";
        EXPECT_EQ(run.status, usage ? 2 : 1) << run.err;
        EXPECT_EQ(run.err.find(usage ? told : "karvelun-levels: " + told), 0u) << run.err;
        if (!usage) {
            EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        }
    }
    WriteBytes(dir / "broken.all", {1, 0, 0, 0, 9, 9});
    const ToolRun run = Tool({"check", Path("broken.all")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_NE(run.err.find("broken.all"), std::string::npos);
}

}  // namespace
