// Writes a level as a Tiled map.
#include <QString>
#include <QXmlStreamWriter>
#include <cmath>

#include "game/core/game_state.h"
#include "tools/levels/tiled/tile_parameters.h"
#include "tools/levels/tiled/tiled_map.h"
#include "tools/levels/tiled/tileset_files.h"

namespace tiled_map {

namespace {

namespace fs = std::filesystem;

constexpr int kMonsterSize = 15;
constexpr int kItemSize = 18;

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Enough digits that every float reads back to itself.
QString Coordinate(double value) {
    if (value == 0 && std::signbit(value)) return "-0";
    return QString::number(value, 'g', 17);
}

struct GidRanges {
    int tiles = 1, kinds = 0, monsters = 0, items = 0;
};

GidRanges Ranges(const TilesetSet& t) {
    GidRanges r;
    r.kinds = r.tiles + t.tiles.tileCount;
    r.monsters = r.kinds + t.kinds.tileCount;
    r.items = r.monsters + t.monsters.tileCount;
    return r;
}

// One object of the "tiles" layer: the parameters of a tile, or a mark on a
// tile that a teleport or mechanism points at.
struct TileObject {
    int id = 0;
    int tile = 0;
    std::string name;
    std::string type;
    std::vector<Property> properties;
};

void WriteProperties(QXmlStreamWriter& xml, const std::vector<Property>& properties) {
    if (properties.empty()) return;
    xml.writeStartElement("properties");
    for (const Property& p : properties) {
        xml.writeEmptyElement("property");
        xml.writeAttribute("name", Q(p.name));
        switch (p.type) {
            case PropertyType::Int:
                xml.writeAttribute("type", "int");
                break;
            case PropertyType::Bool:
                xml.writeAttribute("type", "bool");
                break;
            case PropertyType::Object:
                xml.writeAttribute("type", "object");
                break;
            case PropertyType::String:
                break;
        }
        xml.writeAttribute("value", Q(p.value));
    }
    xml.writeEndElement();
}

void WriteLayer(QXmlStreamWriter& xml, int id, const char* name, const std::vector<int>& gids,
                bool visible, double opacity) {
    xml.writeStartElement("layer");
    xml.writeAttribute("id", QString::number(id));
    xml.writeAttribute("name", name);
    xml.writeAttribute("width", QString::number(game::kGridSize));
    xml.writeAttribute("height", QString::number(game::kGridSize));
    if (!visible) xml.writeAttribute("visible", "0");
    if (opacity < 1) xml.writeAttribute("opacity", QString::number(opacity));
    xml.writeStartElement("data");
    xml.writeAttribute("encoding", "csv");
    QString csv = "\n";
    for (int row = 0; row < game::kGridSize; ++row) {
        for (int column = 0; column < game::kGridSize; ++column) {
            csv += QString::number(gids[row * game::kGridSize + column]);
            if (row < game::kGridSize - 1 || column < game::kGridSize - 1) csv += ',';
        }
        csv += '\n';
    }
    xml.writeCharacters(csv);
    xml.writeEndElement();
    xml.writeEndElement();
}

void WriteTilesetReference(QXmlStreamWriter& xml, int firstGid, const TilesetSet& tilesets,
                           std::string_view name, const fs::path& mapFolder) {
    fs::path tsx = tilesets.folder / (std::string(name) + ".tsx");
    std::error_code ec;
    const fs::path absolute = fs::absolute(tsx, ec);
    fs::path relative = fs::relative(absolute, fs::absolute(mapFolder, ec), ec);
    if (ec || relative.empty()) relative = absolute;
    xml.writeEmptyElement("tileset");
    xml.writeAttribute("firstgid", QString::number(firstGid));
    xml.writeAttribute("source", Q(relative.generic_string()));
}

std::string Where(int tile) {
    return "column " + std::to_string(tile % game::kGridSize) + ", row " +
           std::to_string(tile / game::kGridSize);
}

}  // namespace

std::string WriteMap(const game::LevelRecord& level, int32_t number, const TilesetSet& tilesets,
                     const fs::path& mapFolder, const std::map<char, int32_t>& marks,
                     const std::map<int32_t, std::string>& english) {
    const GidRanges gid = Ranges(tilesets);

    std::vector<int> pictures(game::kGridSize * game::kGridSize),
        kinds(game::kGridSize * game::kGridSize), revealed(game::kGridSize * game::kGridSize);
    for (int t = 0; t < game::kGridSize * game::kGridSize; ++t) {
        const game::TileRecord& tile = level.tiles[t];
        if (tile.Picture < 0 || tile.Picture >= tilesets.tiles.tileCount)
            throw MapError("tile at " + Where(t) + ": picture " + std::to_string(tile.Picture) +
                           " is not in tiles.tsx (" + std::to_string(tilesets.tiles.tileCount) +
                           " pictures)");
        if (tile.Kind < 0 || tile.Kind >= static_cast<int>(game::kTileKindNames.size()))
            throw MapError("tile at " + Where(t) + ": kind " + std::to_string(tile.Kind) +
                           " has no marker in kinds.tsx");
        pictures[t] = gid.tiles + tile.Picture;
        // Floors stay blank, the way a collision layer is painted.
        kinds[t] = tile.Kind == game::kFloor ? 0 : gid.kinds + tile.Kind;
        revealed[t] = tile.Revealed != 0 ? gid.kinds + tiled_files::kRevealedTile : 0;
    }

    // The tiles' objects first, so that targets can refer to them by id.
    std::vector<TileObject> objects;
    std::vector<int> objectOnTile(game::kGridSize * game::kGridSize, -1);
    int nextId = 1;
    for (int t = 0; t < game::kGridSize * game::kGridSize; ++t) {
        const game::TileRecord& tile = level.tiles[t];
        if (!KindHasParameters(tile.Kind) && tile.Param1.empty() && tile.Param2.empty()) continue;
        objectOnTile[t] = static_cast<int>(objects.size());
        objects.push_back({nextId++, t, "", std::string(KindName(tile.Kind)),
                           ParameterProperties(tile.Kind, tile.Param1, tile.Param2)});
        auto text = english.find(t);
        if (text != english.end() &&
            (tile.Kind == game::kSign || tile.Kind == game::kMessageScreen))
            objects.back().properties.push_back({"text_en", PropertyType::String, text->second});
    }
    for (size_t i = 0, n = objects.size(); i < n; ++i) {
        const game::TileRecord& tile = level.tiles[objects[i].tile];
        const auto target = TargetTile(tile.Kind, tile.Param1);
        if (!target) continue;
        if (objectOnTile[*target] < 0) {
            objectOnTile[*target] = static_cast<int>(objects.size());
            objects.push_back({nextId++, *target, "", "mark", {}});
        }
        objects[i].properties.insert(
            objects[i].properties.begin(),
            {"target", PropertyType::Object, std::to_string(objects[objectOnTile[*target]].id)});
    }
    for (const auto& [mark, tile] : marks) {
        if (tile < 0 || tile >= game::kGridSize * game::kGridSize) continue;
        if (objectOnTile[tile] < 0) {
            objectOnTile[tile] = static_cast<int>(objects.size());
            objects.push_back({nextId++, tile, "", "mark", {}});
        }
        objects[objectOnTile[tile]].name = std::string(1, mark);
    }
    const int firstThingId = nextId;
    nextId += static_cast<int>(level.monsters.size() + level.items.size());

    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(1);
    xml.writeStartDocument();
    xml.writeStartElement("map");
    xml.writeAttribute("version", "1.8");
    xml.writeAttribute("tiledversion", "1.8.2");
    xml.writeAttribute("orientation", "orthogonal");
    xml.writeAttribute("renderorder", "right-down");
    xml.writeAttribute("width", QString::number(game::kGridSize));
    xml.writeAttribute("height", QString::number(game::kGridSize));
    xml.writeAttribute("tilewidth", QString::number(game::kTileSize));
    xml.writeAttribute("tileheight", QString::number(game::kTileSize));
    xml.writeAttribute("infinite", "0");
    xml.writeAttribute("nextlayerid", "6");
    xml.writeAttribute("nextobjectid", QString::number(nextId));
    WriteProperties(xml, {{"level", PropertyType::Int, std::to_string(number)}});
    WriteTilesetReference(xml, gid.tiles, tilesets, tiled_files::kTiles, mapFolder);
    WriteTilesetReference(xml, gid.kinds, tilesets, tiled_files::kKinds, mapFolder);
    WriteTilesetReference(xml, gid.monsters, tilesets, tiled_files::kMonsters, mapFolder);
    WriteTilesetReference(xml, gid.items, tilesets, tiled_files::kItems, mapFolder);
    WriteLayer(xml, 1, "pictures", pictures, true, 1);
    WriteLayer(xml, 2, "kinds", kinds, true, 0.6);
    WriteLayer(xml, 3, "revealed", revealed, false, 1);

    xml.writeStartElement("objectgroup");
    xml.writeAttribute("id", "4");
    xml.writeAttribute("name", "tiles");
    for (const TileObject& object : objects) {
        xml.writeStartElement("object");
        xml.writeAttribute("id", QString::number(object.id));
        if (!object.name.empty()) xml.writeAttribute("name", Q(object.name));
        xml.writeAttribute("type", Q(object.type));
        xml.writeAttribute("x", QString::number(object.tile % game::kGridSize * game::kTileSize));
        xml.writeAttribute("y", QString::number(object.tile / game::kGridSize * game::kTileSize));
        xml.writeAttribute("width", QString::number(game::kTileSize));
        xml.writeAttribute("height", QString::number(game::kTileSize));
        WriteProperties(xml, object.properties);
        xml.writeEndElement();
    }
    xml.writeEndElement();

    // Tile objects stand on their bottom-left corner.
    xml.writeStartElement("objectgroup");
    xml.writeAttribute("id", "5");
    xml.writeAttribute("name", "things");
    int id = firstThingId;
    for (const game::MonsterRecord& m : level.monsters) {
        if (m.Picture < 0 || m.Picture >= tilesets.monsters.tileCount || !std::isfinite(m.X) ||
            !std::isfinite(m.Y) || m.Kind < 0 || m.Kind > 3 || m.Damage < 0 || m.HitPoints < 1)
            throw MapError("monster at " + std::to_string(m.X) + "," + std::to_string(m.Y) +
                           ": its picture (" + std::to_string(m.Picture) + "), kind (" +
                           std::to_string(m.Kind) +
                           "), damage or hit points cannot stand in a "
                           "map");
        xml.writeStartElement("object");
        xml.writeAttribute("id", QString::number(id++));
        xml.writeAttribute("type", "monster");
        xml.writeAttribute("gid", QString::number(gid.monsters + m.Picture));
        xml.writeAttribute("x", Coordinate(m.X));
        xml.writeAttribute("y", Coordinate(static_cast<double>(m.Y) + kMonsterSize));
        xml.writeAttribute("width", QString::number(kMonsterSize));
        xml.writeAttribute("height", QString::number(kMonsterSize));
        WriteProperties(xml, {{"kind", PropertyType::Int, std::to_string(m.Kind)},
                              {"damage", PropertyType::Int, std::to_string(m.Damage)},
                              {"hitpoints", PropertyType::Int, std::to_string(m.HitPoints)}});
        xml.writeEndElement();
    }
    for (const game::ItemRecord& item : level.items) {
        if (item.Picture < 0 || item.Picture >= tilesets.items.tileCount || item.Kind < 0)
            throw MapError("item at " + std::to_string(item.X) + "," + std::to_string(item.Y) +
                           ": its picture (" + std::to_string(item.Picture) + ") or kind (" +
                           std::to_string(item.Kind) + ") cannot stand in a map");
        xml.writeStartElement("object");
        xml.writeAttribute("id", QString::number(id++));
        xml.writeAttribute("type", "item");
        xml.writeAttribute("gid", QString::number(gid.items + item.Picture));
        xml.writeAttribute("x", QString::number(item.X));
        xml.writeAttribute("y", QString::number(item.Y + kItemSize));
        xml.writeAttribute("width", QString::number(kItemSize));
        xml.writeAttribute("height", QString::number(kItemSize));
        WriteProperties(xml, {{"kind", PropertyType::Int, std::to_string(item.Kind)}});
        xml.writeEndElement();
    }
    xml.writeEndElement();

    xml.writeEndElement();
    xml.writeEndDocument();
    return bytes.toStdString();
}

}  // namespace tiled_map
