// The maps and tilesets as the real Tiled reads them: every level of the
// shipped campaign exported, opened by `tiled --export-map json` (offscreen)
// and compared with the level; every tileset through --export-tileset; and
// every map saved by Tiled itself (--export-map tmx) imported again.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>

#include "game/core/game_state.h"
#include "game/levels/package_record.h"
#include "levels/levels_test.h"
#include "tools/levels/tiled/tile_parameters.h"
#include "tools/levels/tiled/tiled_map.h"

namespace {

namespace fs = std::filesystem;
using namespace game;

class TiledEditor : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("karvelun-tiled-editor-" + std::to_string(std::random_device{}()));
        fs::create_directories(dir);
        ASSERT_FALSE(QStandardPaths::findExecutable("tiled").isEmpty())
            << "Tiled is missing: scripts/install-deps installs it";
    }
    void TearDown() override { fs::remove_all(dir); }

    // Runs Tiled on each argument list, two at a time; returns the failures.
    static std::vector<std::string> RunTiled(const std::vector<QStringList>& runs) {
        std::vector<std::string> failures;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        for (size_t i = 0; i < runs.size(); i += 2) {
            std::vector<std::unique_ptr<QProcess>> batch;
            for (size_t j = i; j < std::min(runs.size(), i + 2); ++j) {
                auto process = std::make_unique<QProcess>();
                process->setProcessEnvironment(env);
                process->setProcessChannelMode(QProcess::MergedChannels);
                process->start("tiled", runs[j]);
                batch.push_back(std::move(process));
            }
            for (size_t j = 0; j < batch.size(); ++j) {
                QProcess& p = *batch[j];
                if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit ||
                    p.exitCode() != 0)
                    failures.push_back(runs[i + j].join(' ').toStdString() + ": " +
                                       p.readAll().toStdString());
            }
        }
        return failures;
    }

    static QJsonObject ReadJson(const fs::path& path) {
        QFile file(QString::fromStdString(path.string()));
        if (!file.open(QIODevice::ReadOnly)) return {};
        return QJsonDocument::fromJson(file.readAll()).object();
    }

    fs::path dir;
};

std::map<QString, QJsonValue> PropertiesOf(const QJsonObject& o) {
    std::map<QString, QJsonValue> properties;
    for (const QJsonValue& p : o["properties"].toArray())
        properties[p["name"].toString()] = p["value"];
    return properties;
}

std::map<QString, int> FirstGids(const QJsonObject& map) {
    std::map<QString, int> gids;
    for (const QJsonValue& t : map["tilesets"].toArray())
        gids[QString::fromStdString(
            fs::path(t["source"].toString().toStdString()).stem().string())] =
            t["firstgid"].toInt();
    return gids;
}

QJsonObject Layer(const QJsonObject& map, const char* name) {
    for (const QJsonValue& l : map["layers"].toArray())
        if (l["name"].toString() == name) return l.toObject();
    return {};
}

// What Tiled read agrees with the level: size, every tile's picture, kind
// and revealed flag, the tiles' objects and the monsters and items.
void ExpectSameAsLevel(const QJsonObject& map, const LevelRecord& level, int n) {
    SCOPED_TRACE("level " + std::to_string(n));
    ASSERT_EQ(map["width"].toInt(), 25);
    ASSERT_EQ(map["height"].toInt(), 25);
    ASSERT_EQ(map["tilewidth"].toInt(), 20);
    EXPECT_EQ(PropertiesOf(map)["level"].toInt(), n);
    std::map<QString, int> gid = FirstGids(map);
    const QJsonArray pictures = Layer(map, "pictures")["data"].toArray();
    const QJsonArray kinds = Layer(map, "kinds")["data"].toArray();
    const QJsonArray revealed = Layer(map, "revealed")["data"].toArray();
    ASSERT_EQ(pictures.size(), 625);
    ASSERT_EQ(kinds.size(), 625);
    ASSERT_EQ(revealed.size(), 625);
    for (int t = 0; t < 625; ++t) {
        const TileRecord& tile = level.tiles[t];
        EXPECT_EQ(pictures[t].toInt() - gid["tiles"], tile.Picture) << "tile " << t;
        const int kind = kinds[t].toInt() == 0 ? 0 : kinds[t].toInt() - gid["kinds"];
        EXPECT_EQ(kind, tile.Kind) << "tile " << t;
        EXPECT_EQ(revealed[t].toInt() != 0, tile.Revealed != 0) << "tile " << t;
    }

    std::map<int, QJsonObject> objectOnTile;
    std::map<int, int> tileOfId;
    for (const QJsonValue& v : Layer(map, "tiles")["objects"].toArray()) {
        const QJsonObject o = v.toObject();
        const int tile = o["y"].toInt() / 20 * 25 + o["x"].toInt() / 20;
        tileOfId[o["id"].toInt()] = tile;
        if (o["type"].toString() != "mark") objectOnTile[tile] = o;
    }
    for (int t = 0; t < 625; ++t) {
        const TileRecord& tile = level.tiles[t];
        const bool needs =
            tiled_map::KindHasParameters(tile.Kind) || !tile.Param1.empty() || !tile.Param2.empty();
        ASSERT_EQ(objectOnTile.count(t) == 1, needs) << "tile " << t;
        if (!needs) continue;
        const QJsonObject& o = objectOnTile[t];
        EXPECT_EQ(o["type"].toString().toStdString(), tiled_map::KindName(tile.Kind));
        auto properties = PropertiesOf(o);
        for (const tiled_map::Property& p :
             tiled_map::ParameterProperties(tile.Kind, tile.Param1, tile.Param2)) {
            const QJsonValue value = properties[QString::fromStdString(p.name)];
            const std::string seen = value.isDouble() ? std::to_string(value.toInt())
                                     : value.isBool() ? (value.toBool() ? "true" : "false")
                                                      : value.toString().toStdString();
            EXPECT_EQ(seen, p.value) << "tile " << t << ", " << p.name;
        }
        if (const auto target = tiled_map::TargetTile(tile.Kind, tile.Param1)) {
            EXPECT_EQ(tileOfId[properties["target"].toInt()], *target) << "tile " << t;
        }
    }

    size_t monsters = 0, items = 0;
    for (const QJsonValue& v : Layer(map, "things")["objects"].toArray()) {
        const QJsonObject o = v.toObject();
        auto properties = PropertiesOf(o);
        const int g = o["gid"].toInt();
        if (g >= gid["monsters"] && g < gid["items"]) {
            ASSERT_LT(monsters, level.monsters.size());
            const MonsterRecord& m = level.monsters[monsters++];
            EXPECT_EQ(g - gid["monsters"], m.Picture);
            EXPECT_EQ(o["x"].toDouble(), m.X);
            EXPECT_EQ(o["y"].toDouble() - o["height"].toDouble(), m.Y);
            EXPECT_EQ(properties["kind"].toInt(), m.Kind);
            EXPECT_EQ(properties["damage"].toInt(), m.Damage);
            EXPECT_EQ(properties["hitpoints"].toInt(), m.HitPoints);
        } else {
            ASSERT_LT(items, level.items.size());
            const ItemRecord& item = level.items[items++];
            EXPECT_EQ(g - gid["items"], item.Picture);
            EXPECT_EQ(o["x"].toInt(), item.X);
            EXPECT_EQ(o["y"].toInt() - o["height"].toInt(), item.Y);
            EXPECT_EQ(properties["kind"].toInt(), item.Kind);
        }
    }
    EXPECT_EQ(monsters, level.monsters.size());
    EXPECT_EQ(items, level.items.size());
}

TEST_F(TiledEditor, ReadsEveryCampaignMapAsTheLevelAndSavesMapsWeReadBack) {
    const std::vector<uint8_t> bytes = levels_test::ReadBytes(KARVELUN_CAMPAIGN_PACKAGE);
    ByteReader in(bytes);
    PackageRecord campaign;
    ASSERT_TRUE(ReadPackageRecord(in, false, campaign));
    const tiled_map::TilesetSet tilesets = tiled_map::LoadTilesets(KARVELUN_TILESETS_DIR);

    std::vector<QStringList> runs;
    for (size_t n = 0; n < campaign.levels.size(); ++n) {
        const std::string name = "level" + std::to_string(n);
        std::ofstream(dir / (name + ".tmx"))
            << tiled_map::WriteMap(campaign.levels[n], static_cast<int32_t>(n), tilesets, dir);
        const QString base = QString::fromStdString((dir / name).string());
        runs.push_back({"--export-map", "json", base + ".tmx", base + ".json"});
        runs.push_back({"--export-map", "tmx", base + ".tmx", base + "-saved.tmx"});
    }
    const std::vector<std::string> failures = RunTiled(runs);
    for (const std::string& failure : failures)
        ADD_FAILURE() << failure;
    ASSERT_TRUE(failures.empty());

    for (size_t n = 0; n < campaign.levels.size(); ++n) {
        const std::string name = "level" + std::to_string(n);
        ExpectSameAsLevel(ReadJson(dir / (name + ".json")), campaign.levels[n],
                          static_cast<int>(n));
        std::ifstream saved(dir / (name + "-saved.tmx"));
        const std::string text{std::istreambuf_iterator<char>(saved), {}};
        const auto back = tiled_map::ReadMap(text, dir, std::nullopt);
        EXPECT_EQ(back.number, static_cast<int32_t>(n));
        EXPECT_TRUE(levels_test::SameLevel(back.level, campaign.levels[n])) << name;
    }
}

TEST_F(TiledEditor, ReadsEveryTileset) {
    struct Expected {
        const char* name;
        int size;
    };
    std::vector<QStringList> runs;
    const Expected tilesets[] = {{"tiles", 20}, {"kinds", 20}, {"monsters", 15}, {"items", 18}};
    for (const Expected& t : tilesets)
        runs.push_back({"--export-tileset", "json",
                        QString(KARVELUN_TILESETS_DIR) + "/" + t.name + ".tsx",
                        QString::fromStdString((dir / (std::string(t.name) + ".json")).string())});
    const std::vector<std::string> failures = RunTiled(runs);
    for (const std::string& failure : failures)
        ADD_FAILURE() << failure;
    for (const Expected& t : tilesets) {
        SCOPED_TRACE(t.name);
        const QJsonObject json = ReadJson(dir / (std::string(t.name) + ".json"));
        const tiled_map::TilesetInfo info = tiled_map::ReadTileset(fs::path(KARVELUN_TILESETS_DIR) /
                                                                   (std::string(t.name) + ".tsx"));
        EXPECT_EQ(json["tilewidth"].toInt(), t.size);
        EXPECT_EQ(json["tilecount"].toInt(), info.tileCount);
        EXPECT_EQ(json["imagewidth"].toInt(), t.size * info.tileCount);
        const QJsonArray tiles = json["tiles"].toArray();
        ASSERT_EQ(tiles.size(), info.tileCount);
        for (const QJsonValue& tile : tiles) {
            auto properties = PropertiesOf(tile.toObject());
            const int id = tile["id"].toInt();
            for (const auto& [name, value] : info.tileProperties.at(id))
                EXPECT_EQ(properties[QString::fromStdString(name)].toInt(), value) << id;
            if (std::string(t.name) != "kinds") {
                EXPECT_EQ(properties["number"].toInt(), id);
            }
        }
    }
}

}  // namespace
