// The little the maps need of a .tsx tileset: its tile count and the
// integer properties of its tiles.
#include <QFile>
#include <QXmlStreamReader>

#include "tools/levels/tiled/tiled_map.h"
#include "tools/levels/tiled/tileset_files.h"

namespace tiled_map {

namespace {

constexpr int kMostTiles = 65536;

[[noreturn]] void Fail(const std::filesystem::path& tsx, const std::string& what) {
    throw MapError(tsx.filename().string() + ": " + what);
}

}  // namespace

TilesetInfo ReadTileset(const std::filesystem::path& tsx) {
    QFile file(QString::fromStdString(tsx.string()));
    if (!file.open(QIODevice::ReadOnly)) Fail(tsx, "cannot be read (" + tsx.string() + ")");
    QXmlStreamReader xml(&file);
    TilesetInfo info;
    bool sawTileset = false;
    int tile = -1;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        const auto name = xml.name();
        const auto attributes = xml.attributes();
        if (!sawTileset) {
            if (name != u"tileset") Fail(tsx, "is not a Tiled tileset");
            sawTileset = true;
            bool ok = false;
            info.tileCount = attributes.value("tilecount").toInt(&ok);
            if (!ok || info.tileCount < 1 || info.tileCount > kMostTiles)
                Fail(tsx, "has no sensible tile count");
        } else if (name == u"tile") {
            bool ok = false;
            tile = attributes.value("id").toInt(&ok);
            if (!ok || tile < 0 || tile >= info.tileCount) Fail(tsx, "a tile id is out of range");
        } else if (name == u"property" && tile >= 0) {
            bool ok = false;
            const int value = attributes.value("value").toInt(&ok);
            if (ok)
                info.tileProperties[tile][attributes.value("name").toString().toStdString()] =
                    value;
        }
    }
    if (xml.hasError())
        Fail(tsx,
             "line " + std::to_string(xml.lineNumber()) + ": " + xml.errorString().toStdString());
    if (!sawTileset) Fail(tsx, "is not a Tiled tileset");
    return info;
}

TilesetSet LoadTilesets(const std::filesystem::path& folder) {
    auto load = [&](std::string_view name) {
        return ReadTileset(folder / (std::string(name) + ".tsx"));
    };
    TilesetSet set;
    set.folder = folder;
    set.tiles = load(tiled_files::kTiles);
    set.kinds = load(tiled_files::kKinds);
    set.monsters = load(tiled_files::kMonsters);
    set.items = load(tiled_files::kItems);
    if (set.kinds.tileCount < tiled_files::kKindsTileCount)
        throw MapError("kinds.tsx: has fewer than " + std::to_string(tiled_files::kKindsTileCount) +
                       " tiles");
    return set;
}

}  // namespace tiled_map
