// Levels as Tiled maps: the whole campaign and a level of every kind there
// and back, what designers do in the editor (move a mark, leave a monster's
// values to its tile), and every bad map refused with its place named.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <regex>
#include <sstream>

#include "game/core/game_state.h"
#include "game/levels/text_catalogue.h"
#include "levels/levels_test.h"
#include "tools/levels/cli/level_tool.h"
#include "tools/levels/compiler/campaign_source.h"
#include "tools/levels/compiler/level_text_writer.h"
#include "tools/levels/tiled/tiled_map.h"

namespace {

namespace fs = std::filesystem;
using namespace game;
using levels_test::SameLevel;
using levels_test::SampleLevel;
using tiled_map::MapError;

// Tilesets as big as the game's, without files: the reader only needs the
// tile counts and the monsters' defaults.
tiled_map::TilesetInfo FakeTileset(const fs::path& tsx) {
    const std::string name = tsx.stem().string();
    tiled_map::TilesetInfo info;
    info.tileCount = name == "tiles" ? 64 : name == "kinds" ? 10 : name == "monsters" ? 16 : 20;
    if (name == "monsters") info.tileProperties[4] = {{"kind", 1}, {"damage", 2}, {"hitpoints", 8}};
    if (name == "items") info.tileProperties[11] = {{"kind", 9}};
    return info;
}

tiled_map::TilesetSet FakeTilesets() {
    tiled_map::TilesetSet set;
    set.folder = "/data/tiled";
    set.tiles = FakeTileset("tiles.tsx");
    set.kinds = FakeTileset("kinds.tsx");
    set.monsters = FakeTileset("monsters.tsx");
    set.items = FakeTileset("items.tsx");
    return set;
}

std::string Export(const LevelRecord& level, int32_t number = 3) {
    return tiled_map::WriteMap(level, number, FakeTilesets(), "/maps");
}

tiled_map::ImportedLevel Import(const std::string& xml,
                                std::optional<int32_t> number = std::nullopt) {
    return tiled_map::ReadMap(xml, "/maps", number, FakeTileset);
}

// The sample level without its one position a map cannot keep (a monster
// 1e-30 pixels below the top edge).
LevelRecord MapSample() {
    LevelRecord level = SampleLevel();
    level.monsters[2].Y = 0;
    return level;
}

void Replace(std::string& text, const std::string& from, const std::string& to) {
    const size_t at = text.find(from);
    ASSERT_NE(at, std::string::npos) << from;
    text.replace(at, from.size(), to);
}

// The English texts travel too: as the signs' and message screens'
// "text_en" in the map, as en "..." in the source.
TEST(TiledMaps, EveryCampaignLevelComesBackTheSameAsMapAndAsSource) {
    levels_tool::EnglishTexts english;
    const PackageRecord campaign =
        levels_tool::CompileCampaign(KARVELUN_CAMPAIGN_DIR, nullptr, nullptr, &english);
    ASSERT_GT(campaign.levels.size(), 1u);
    ASSERT_FALSE(english[0].empty());
    const fs::path sources =
        fs::temp_directory_path() / ("karvelun-tiled-" + std::to_string(std::random_device{}()));
    fs::create_directories(sources);
    for (size_t n = 0; n < campaign.levels.size(); ++n) {
        const auto number = static_cast<int32_t>(n);
        const std::string map = tiled_map::WriteMap(campaign.levels[n], number, FakeTilesets(),
                                                    "/maps", {}, english[number]);
        const auto back = Import(map);
        EXPECT_EQ(back.number, number);
        EXPECT_TRUE(SameLevel(back.level, campaign.levels[n])) << "level " << n;
        EXPECT_EQ(back.english, english[number]) << "level " << n;
        std::ofstream(sources / ("level" + std::to_string(n) + ".txt"))
            << levels_tool::WriteLevelSource(back.level, number, back.english);
    }
    levels_tool::EnglishTexts englishAgain;
    const PackageRecord again =
        levels_tool::CompileCampaign(sources, nullptr, nullptr, &englishAgain);
    fs::remove_all(sources);
    ASSERT_EQ(again.levels.size(), campaign.levels.size());
    for (size_t n = 0; n < campaign.levels.size(); ++n)
        EXPECT_TRUE(SameLevel(again.levels[n], campaign.levels[n])) << "source of level " << n;
    EXPECT_EQ(englishAgain, english);
}

TEST(TiledMaps, EveryKindCzechTextsOddParametersAndFractionalPlacesComeBack) {
    LevelRecord level = MapSample();
    // Parameters the game reads but a designer would not write: they travel
    // as they stand.
    level.tiles[40] = {21, kDestructibleWall, kFalse, "07", "x"};
    level.tiles[41] = {1, kFloor, kFalse, "stray", ""};
    level.tiles[42] = {33, kSign, kFalse, "a \"quoted\" \\ text", "later"};
    level.tiles[43] = {41, kMechanism, kFalse, "625", "12 9"};
    level.tiles[44] = {36, kTeleport, kFalse, "44", "ONCE"};  // onto itself
    const std::string map = Export(level, 12);
    EXPECT_NE(map.find("Žluťoučký kůň"), std::string::npos) << "texts are UTF-8 in the map";
    const auto back = Import(map);
    EXPECT_EQ(back.number, 12);
    EXPECT_TRUE(SameLevel(back.level, level));
    EXPECT_EQ(Import(map, 40).number, 40) << "--level wins over the map's property";

    const LevelRecord fromSource = [&] {
        const fs::path dir = fs::temp_directory_path() /
                             ("karvelun-tiled-src-" + std::to_string(std::random_device{}()));
        fs::create_directories(dir);
        LevelRecord onGrid = level;
        onGrid.monsters = {{102, 202, 3, 0, 1, 5}};
        onGrid.items = {{41, 61, 0, 0}};
        level = onGrid;
        std::ofstream(dir / "level0.txt") << levels_tool::WriteLevelSource(onGrid, 0);
        const PackageRecord compiled = levels_tool::CompileCampaign(dir);
        fs::remove_all(dir);
        return compiled.levels.at(0);
    }();
    EXPECT_TRUE(SameLevel(fromSource, level));
}

TEST(TiledMaps, TargetsFollowTheirObjectAndMonstersTakeTheirTilesValues) {
    LevelRecord level = MapSample();
    std::string map = Export(level);
    // The teleport on tile 32 points at 312 through a mark; the designer
    // drags the mark two tiles to the right.
    const std::regex mark(R"re(<object id="(\d+)" type="mark" x="240" y="240")re");
    std::smatch m;
    ASSERT_TRUE(std::regex_search(map, m, mark));
    Replace(map, m[0].str(), "<object id=\"" + m[1].str() + "\" type=\"mark\" x=\"280\" y=\"240\"");
    // A snake placed from the tileset with nothing set on it, and a key.
    Replace(map, "</objectgroup>\n</map>",
            "<object id=\"900\" gid=\"79\" x=\"40\" y=\"55\" width=\"15\" height=\"15\"/>"
            "<object id=\"901\" gid=\"102\" x=\"60\" y=\"78\" width=\"18\" height=\"18\"/>"
            "</objectgroup>\n</map>");
    const auto back = Import(map);
    EXPECT_EQ(back.level.tiles[32].Param1, "314");
    EXPECT_EQ(back.level.tiles[34].Param1, "100") << "the mechanism's target stayed";
    ASSERT_EQ(back.level.monsters.size(), level.monsters.size() + 1);
    const MonsterRecord& snake = back.level.monsters.back();
    EXPECT_EQ(snake.X, 40);
    EXPECT_EQ(snake.Y, 40);
    EXPECT_EQ(snake.Picture, 4);
    EXPECT_EQ(snake.Kind, 1);
    EXPECT_EQ(snake.Damage, 2);
    EXPECT_EQ(snake.HitPoints, 8);
    const ItemRecord& key = back.level.items.back();
    EXPECT_EQ(key.Picture, 11);
    EXPECT_EQ(key.Kind, 9);
    EXPECT_EQ(key.Y, 60);
}

struct BadMap {
    const char* what;
    std::function<void(std::string&)> change;
    const char* error;  // a part of the message
};

TEST(TiledMaps, BadMapsAreRefusedWithTheirPlace) {
    const std::vector<BadMap> cases = {
        {"map size",
         [](std::string& x) {
             Replace(x, "width=\"25\" height=\"25\" tilewidth",
                     "width=\"26\" height=\"25\" tilewidth");
         },
         "26 x 25 tiles, not 25 x 25"},
        {"tile size", [](std::string& x) { Replace(x, "tilewidth=\"20\"", "tilewidth=\"32\""); },
         "not 20 x 20"},
        {"layer size",
         [](std::string& x) {
             Replace(x, "name=\"kinds\" width=\"25\"", "name=\"kinds\" width=\"24\"");
         },
         "layer kinds: is 24 x 25"},
        {"unknown tileset", [](std::string& x) { Replace(x, "items.tsx", "dungeon.tsx"); },
         "unknown tileset"},
        {"embedded tileset",
         [](std::string& x) {
             Replace(x, "<tileset firstgid=\"91\" source=\"../data/tiled/items.tsx\"/>",
                     "<tileset firstgid=\"91\" name=\"items\"></tileset>");
         },
         "embedded"},
        {"foreign tile",
         [](std::string& x) {
             Replace(x, "<data encoding=\"csv\">\n12,", "<data encoding=\"csv\">\n75,");
         },
         "layer pictures, column 0, row 0: a tile of monsters.tsx; this layer takes tiles.tsx"},
        {"flipped tile",
         [](std::string& x) {
             Replace(x, "<data encoding=\"csv\">\n12,12,",
                     "<data encoding=\"csv\">\n12,2147483660,");
         },
         "layer pictures, column 1, row 0: a flipped"},
        {"short layer", [](std::string& x) { Replace(x, "12,12,12\n</data>", "12,12\n</data>"); },
         "holds 624 tiles"},
        {"missing strength",
         [](std::string& x) {
             Replace(x, "<property name=\"strength\" type=\"int\" value=\"5\"/>", "");
         },
         "layer tiles, column 5, row 1: the property \"strength\" is missing"},
        {"strength out of range",
         [](std::string& x) {
             Replace(x, "name=\"strength\" type=\"int\" value=\"5\"",
                     "name=\"strength\" type=\"int\" value=\"0\"");
         },
         "column 5, row 1: \"strength\" must be a whole number from 1 to 32767"},
        {"exit into no tile",
         [](std::string& x) {
             Replace(x, "name=\"tile\" type=\"int\" value=\"591\"",
                     "name=\"tile\" type=\"int\" value=\"625\"");
         },
         "column 8, row 1: \"tile\" must be a whole number from 0 to 624"},
        {"text outside Windows-1250", [](std::string& x) { Replace(x, "Žluťoučký", "Жлуто"); },
         "column 11, row 1: \"text\" holds a character that Windows-1250 cannot hold (U+0416)"},
        {"sign without its object",
         [](std::string& x) {
             x = std::regex_replace(x, std::regex("type=\"sign\""), "type=\"mark\"");
         },
         "layer kinds, column 6, row 1: this sign needs a \"sign\" object"},
        {"object of another kind",
         [](std::string& x) { Replace(x, "type=\"exit\"", "type=\"sign\""); },
         "layer tiles, column 8, row 1: a \"sign\" object on a exit tile"},
        {"parameter object off the grid",
         [](std::string& x) { Replace(x, "type=\"exit\" x=\"160\"", "type=\"exit\" x=\"163\""); },
         "off the grid"},
        {"monster off the field",
         [](std::string& x) { x = std::regex_replace(x, std::regex("x=\"100.25\""), "x=\"490\""); },
         "layer things, object"},
        {"broken target reference",
         [](std::string& x) {
             x = std::regex_replace(x, std::regex("name=\"target\" type=\"object\" value=\"\\d+\""),
                                    "name=\"target\" type=\"object\" value=\"777\"",
                                    std::regex_constants::format_first_only);
         },
         "\"target\" refers to no object"},
        {"no level number",
         [](std::string& x) {
             Replace(x, "<property name=\"level\" type=\"int\" value=\"3\"/>", "");
         },
         "no \"level\" property"},
        {"malformed XML", [](std::string& x) { x.resize(x.size() / 2); }, "line "},
        {"not a map", [](std::string& x) { x = "<tileset/>"; }, "not a Tiled map"},
        {"compressed data",
         [](std::string& x) {
             Replace(x, "<data encoding=\"csv\">",
                     "<data encoding=\"base64\" compression=\"zlib\">");
         },
         "save the map with CSV layer data"},
    };
    const std::string good = Export(MapSample());
    ASSERT_NO_THROW(Import(good));
    for (const BadMap& bad : cases) {
        std::string map = good;
        bad.change(map);
        try {
            Import(map);
            ADD_FAILURE() << bad.what << ": read without complaint";
        } catch (const MapError& e) {
            EXPECT_NE(std::string(e.what()).find(bad.error), std::string::npos)
                << bad.what << ": " << e.what();
        }
    }
}

TEST(TiledMaps, LevelsAMapCannotShowAreRefusedAtExport) {
    LevelRecord level = MapSample();
    level.tiles[50].Kind = 9;
    EXPECT_THROW(Export(level), MapError);
    level = MapSample();
    level.tiles[51].Picture = 64;
    EXPECT_THROW(Export(level), MapError);
}

// Bit flips, cuts, repeated pieces and hostile numbers in real maps: the
// reader refuses with a MapError or reads a level that survives its own
// round trip; it never crashes or throws anything else.
TEST(TiledMaps, MutatedMapsAreRefusedOrReadConsistently) {
    std::vector<std::string> seeds = {Export(MapSample())};
    const PackageRecord campaign = levels_tool::CompileCampaign(KARVELUN_CAMPAIGN_DIR);
    seeds.push_back(Export(campaign.levels.at(0), 0));
    static const char* kHostile[] = {"-1",    "0",   "4294967295", "2147483648",
                                     "1e308", "nan", "-0",         "99999999999999999999",
                                     "625",   "",    "&#0;"};
    std::mt19937 random(19);
    int read = 0;
    for (int run = 0; run < 1500; ++run) {
        std::string map = seeds[run % seeds.size()];
        const int changes = 1 + static_cast<int>(random() % 3);
        for (int c = 0; c < changes && !map.empty(); ++c) {
            const size_t at = random() % map.size();
            switch (random() % 5) {
                case 0:
                    map[at] = static_cast<char>(map[at] ^ (1 << (random() % 8)));
                    break;
                case 1:
                    map.resize(at);
                    break;
                case 2:
                    map.insert(at, map.substr(at, random() % 200));
                    break;
                case 3:
                    map.erase(at, random() % 50);
                    break;
                case 4: {  // a hostile number in place of one
                    const size_t quote = map.find("=\"", at);
                    if (quote == std::string::npos) break;
                    const size_t end = map.find('"', quote + 2);
                    if (end == std::string::npos) break;
                    map.replace(quote + 2, end - quote - 2,
                                kHostile[random() % std::size(kHostile)]);
                }
            }
        }
        try {
            const auto level = Import(map);
            ++read;
            const auto again = Import(Export(level.level, level.number));
            EXPECT_TRUE(SameLevel(again.level, level.level)) << "run " << run;
        } catch (const MapError&) {
        }
    }
    EXPECT_GT(read, 0) << "some changes leave a readable map";
}

}  // namespace

namespace {

struct ToolRun {
    int status;
    std::string err;
};

ToolRun Tool(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int status = levels_tool::RunLevelTool(args, out, err);
    return {status, err.str()};
}

class TiledTool : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("karvelun-tiled-tool-" + std::to_string(std::random_device{}()));
        fs::create_directories(dir);
        fs::copy(KARVELUN_CAMPAIGN_DIR, dir / "campaign");
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string P(const std::string& name) const { return (dir / name).string(); }
    fs::path dir;
};

TEST_F(TiledTool, ExportImportAndBuildAMixedCampaign) {
    ASSERT_EQ(Tool({"export", P("campaign/level1.txt"), "--tilesets", KARVELUN_TILESETS_DIR,
                    P("maps/level1.tmx")})
                  .status,
              0);
    ASSERT_EQ(Tool({"import", P("maps/level1.tmx"), P("level1.sc")}).status, 0);
    ASSERT_EQ(Tool({"import", P("maps/level1.tmx"), "--level", "4", P("level4.sc")}).status, 0);
    ASSERT_EQ(Tool({"import", P("maps/level1.tmx"), P("level1.txt")}).status, 0);
    const PackageRecord campaign = levels_tool::CompileCampaign(dir / "campaign");
    const std::vector<uint8_t> bytes1 = levels_test::ReadBytes(dir / "level1.sc");
    ByteReader in(bytes1);
    LevelRecord level;
    ASSERT_TRUE(ReadLevelRecord(in, 1, level));
    EXPECT_TRUE(SameLevel(level, campaign.levels[1]));
    const std::vector<uint8_t> bytes4 = levels_test::ReadBytes(dir / "level4.sc");
    ByteReader in4(bytes4);
    EXPECT_TRUE(ReadLevelRecord(in4, 4, level)) << "the level file carries the number asked for";

    // A campaign that mixes maps with text sources builds the same levels
    // (the exits of the text sources find their marks in the maps); a map
    // and a source of one number is a mistake.
    ASSERT_EQ(Tool({"export", P("campaign/level1.txt"), "--tilesets", KARVELUN_TILESETS_DIR,
                    P("campaign/level1.tmx")})
                  .status,
              0);
    const ToolRun both = Tool({"build", P("campaign"), P("both.all"), "--no-check"});
    EXPECT_EQ(both.status, 1);
    EXPECT_NE(both.err.find("level 1 also comes from"), std::string::npos) << both.err;
    fs::remove(dir / "campaign/level1.txt");
    ASSERT_EQ(Tool({"build", P("campaign"), P("mixed.all"), "--no-check"}).status, 0);
    const std::vector<uint8_t> mixed = levels_test::ReadBytes(dir / "mixed.all");
    ByteReader inMixed(mixed);
    PackageRecord built;
    ASSERT_TRUE(ReadPackageRecord(inMixed, false, built));
    ASSERT_EQ(built.levels.size(), campaign.levels.size());
    EXPECT_TRUE(SameLevel(built.levels[1], campaign.levels[1]));
}

TEST_F(TiledTool, ABadMapWritesNothing) {
    ASSERT_EQ(Tool({"export", P("campaign/level0.txt"), "--tilesets", KARVELUN_TILESETS_DIR,
                    P("level0.tmx")})
                  .status,
              0);
    std::ifstream file(dir / "level0.tmx");
    std::string map(std::istreambuf_iterator<char>(file), {});
    file.close();
    Replace(map, "type=\"exit\"", "type=\"mark\"");
    std::ofstream(dir / "level0.tmx", std::ios::trunc) << map;
    for (const char* out : {"level0.sc", "level0.txt"}) {
        const ToolRun run = Tool({"import", P("level0.tmx"), P(out)});
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(run.err.find("layer kinds, column 21, row 2: this exit needs"), std::string::npos)
            << run.err;
        EXPECT_FALSE(fs::exists(dir / out));
    }
    EXPECT_EQ(
        Tool({"export", P("campaign/level0.txt"), "--tilesets", P("nowhere"), P("x.tmx")}).status,
        1);
    EXPECT_FALSE(fs::exists(dir / "x.tmx"));
}

// karvelun --level asks the tool for the campaign with the tried level in
// place and for the hero's start tile.
TEST_F(TiledTool, TryOutPlacesTheLevelAndFindsWhereTheHeroArrives) {
    ASSERT_EQ(Tool({"build", P("campaign"), P("campaign.all"), "--no-check"}).status, 0);
    const PackageRecord campaign = levels_tool::CompileCampaign(dir / "campaign");
    ASSERT_EQ(Tool({"export", P("campaign/level2.txt"), "--tilesets", KARVELUN_TILESETS_DIR,
                    P("level2.tmx")})
                  .status,
              0);
    std::ostringstream out, err;
    ASSERT_EQ(levels_tool::RunLevelTool(
                  {"tryout", P("level2.tmx"), P("campaign.all"), P("try.all")}, out, err),
              0)
        << err.str();
    // Level 1's first exit down leads onto level 2's arrival mark.
    int32_t arrival = -1;
    for (const TileRecord& t : campaign.levels[1].tiles)
        if (t.Kind == kLevelExit && t.Param1 == "2" && arrival < 0) arrival = std::stoi(t.Param2);
    EXPECT_EQ(out.str(), "level 2 tile " + std::to_string(arrival) + "\n");

    const std::vector<uint8_t> bytes = levels_test::ReadBytes(dir / "try.all");
    ByteReader in(bytes);
    PackageRecord tried;
    ASSERT_TRUE(ReadPackageRecord(in, false, tried));
    ASSERT_EQ(tried.levels.size(), campaign.levels.size());
    EXPECT_TRUE(SameLevel(tried.levels[2], campaign.levels[2]));

    const auto tryOut = [&](std::vector<std::string> extra, const std::string& file) {
        std::vector<std::string> args = {"tryout", file};
        args.insert(args.end(), extra.begin(), extra.end());
        args.push_back(P("campaign.all"));
        args.push_back(P("try.all"));
        std::ostringstream o, e;
        const int status = levels_tool::RunLevelTool(args, o, e);
        return std::make_tuple(status, o.str(), e.str());
    };
    EXPECT_EQ(std::get<1>(tryOut({}, P("campaign/level0.txt"))), "level 0 tile 591\n");
    EXPECT_EQ(std::get<1>(tryOut({"--tile", "330"}, P("level2.tmx"))), "level 2 tile 330\n");
    // A new level after the last one: no exit reaches it yet.
    const std::string past = std::to_string(campaign.levels.size());
    auto [status, o, e] = tryOut({"--level", past}, P("level2.tmx"));
    EXPECT_EQ(status, 1);
    EXPECT_NE(e.find("no exit of the campaign leads into level " + past), std::string::npos) << e;
    EXPECT_EQ(std::get<1>(tryOut({"--level", past, "--tile", "330"}, P("level2.tmx"))),
              "level " + past + " tile 330\n");
    std::tie(status, o, e) = tryOut({"--tile", "0"}, P("level2.tmx"));
    EXPECT_EQ(status, 1);
    EXPECT_NE(e.find("cannot start on tile 0 (column 0, row 0), a wall"), std::string::npos) << e;
    std::tie(status, o, e) =
        tryOut({"--level", std::to_string(campaign.levels.size() + 1)}, P("level2.tmx"));
    EXPECT_NE(e.find("lies past the campaign"), std::string::npos) << e;
}

// A try-out speaks English: its catalogue, written beside its campaign, is
// the campaign's own with the tried map's text_en over it, and a text the
// map changed without English has none.
TEST_F(TiledTool, TryOutWritesTheMapsEnglishOverTheCampaignsCatalogue) {
    ASSERT_EQ(Tool({"build", P("campaign"), P("campaign.all"), "--no-check"}).status, 0);
    ASSERT_EQ(Tool({"export", P("campaign.all"), "--level", "2", "--tilesets",
                    KARVELUN_TILESETS_DIR, P("level2.tmx")})
                  .status,
              0);
    std::ifstream file(dir / "level2.tmx");
    std::string map(std::istreambuf_iterator<char>(file), {});
    file.close();
    Replace(map, "value=\"Floor 2: The Old Crypt\"", "value=\"Floor 2: The Crypt of Old\"");
    Replace(map, "value=\"Floor 2: The Old Crypt\"", "value=\"Floor 2: The Crypt of Old\"");
    Replace(map, "<property name=\"text\" value=\"Ostny zraňují",
            "<property name=\"text\" value=\"Nové ostny zraňují");
    Replace(map,
            "<property name=\"text_en\" value=\"Spikes hurt you every second you stand on "
            "them.\"/>",
            "");
    std::ofstream(dir / "level2.tmx", std::ios::trunc) << map;
    ASSERT_EQ(Tool({"tryout", P("level2.tmx"), P("campaign.all"), P("try.all")}).status, 0);

    std::string error;
    const auto own = TextCatalogue::Load(P("campaign.en"), &error);
    ASSERT_TRUE(own) << error;
    const auto tried = TextCatalogue::Load(P("try.en"), &error);
    ASSERT_TRUE(tried) << error;
    for (const auto& [czech, english] : own->Entries()) {
        ASSERT_NE(tried->Find(czech), nullptr) << czech;
        EXPECT_EQ(*tried->Find(czech),
                  czech == "2. patro: Stará krypta" ? "Floor 2: The Crypt of Old" : english);
    }
    EXPECT_EQ(tried->Size(), own->Size());
    EXPECT_EQ(tried->Find("Nové ostny zraňují každou vteřinu, kterou na nich stojíš."), nullptr);
}

}  // namespace
