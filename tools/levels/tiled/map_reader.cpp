// Reads a Tiled map back into a level, checking everything a designer or a
// damaged file can get wrong; every complaint names its layer, column and
// row.
#include <QByteArray>
#include <QString>
#include <QXmlStreamReader>
#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <set>

#include "game/core/game_state.h"
#include "game/platform/codepage.h"
#include "tools/levels/tiled/tile_parameters.h"
#include "tools/levels/tiled/tiled_map.h"
#include "tools/levels/tiled/tileset_files.h"

namespace tiled_map {

namespace {

namespace fs = std::filesystem;

constexpr int kCells = game::kGridSize * game::kGridSize;
constexpr double kField = game::kGridSize * game::kTileSize;
constexpr uint32_t kFlipBits = 0xF0000000u;
constexpr size_t kMostObjects = 20000;

// --- what the XML holds ----------------------------------------------------

struct RawProperty {
    std::string type;  // "" for a string
    std::string value;
};
using Properties = std::map<std::string, RawProperty>;

struct RawTileset {
    int64_t firstGid = 0;
    std::string source;
};

struct RawLayer {
    std::string name;
    int width = 0, height = 0;
    std::string encoding, compression;
    std::string data;
    std::vector<int64_t> xmlTiles;  // <tile gid=".."/> children
    bool chunked = false;
};

struct RawObject {
    int64_t id = 0;
    std::string name;
    std::string type;
    std::optional<uint32_t> gid;
    double x = 0, y = 0, width = 0, height = 0;
    bool shaped = false;  // an ellipse, point, polygon, polyline or text
    Properties properties;
};

struct RawGroup {
    std::string name;
    std::vector<RawObject> objects;
};

struct RawMap {
    std::map<std::string, std::string> attributes;
    Properties properties;
    std::vector<RawTileset> tilesets;
    std::vector<RawLayer> layers;
    std::vector<RawGroup> groups;
    std::vector<std::string> otherLayers;  // image and group layers
};

[[noreturn]] void Fail(const std::string& what) {
    throw MapError(what);
}

std::string S(QStringView text) {
    return text.toString().toStdString();
}

double Number(const QXmlStreamAttributes& a, const char* name, const std::string& where) {
    if (!a.hasAttribute(name)) return 0;
    bool ok = false;
    const double value = a.value(name).toDouble(&ok);
    if (!ok || !std::isfinite(value)) Fail(where + ": " + name + " is not a number");
    return value;
}

int64_t Whole(const QXmlStreamAttributes& a, const char* name, const std::string& where) {
    bool ok = false;
    const qlonglong value = a.value(name).toLongLong(&ok);
    if (!ok) Fail(where + ": " + name + " is not a whole number");
    return value;
}

// <properties> of the element just opened; the reader stands on its start.
void ReadProperties(QXmlStreamReader& xml, Properties& into) {
    while (xml.readNextStartElement()) {
        if (xml.name() != u"property") {
            xml.skipCurrentElement();
            continue;
        }
        const auto a = xml.attributes();
        RawProperty p{S(a.value("type")), S(a.value("value"))};
        const std::string name = S(a.value("name"));
        // A text of several lines stands as the element's content.
        const QString content = xml.readElementText(QXmlStreamReader::SkipChildElements);
        if (!a.hasAttribute("value")) p.value = content.toStdString();
        into[name] = std::move(p);
    }
}

RawObject ReadObject(QXmlStreamReader& xml, const std::string& group) {
    const auto a = xml.attributes();
    const std::string where = "layer " + group + ", object " + S(a.value("id"));
    RawObject o;
    o.id = Whole(a, "id", "layer " + group + ", an object");
    o.name = S(a.value("name"));
    o.type = S(a.hasAttribute("type") ? a.value("type") : a.value("class"));
    if (a.hasAttribute("gid")) {
        const int64_t gid = Whole(a, "gid", where);
        if (gid < 0 || gid > 0xFFFFFFFFll) Fail(where + ": gid is out of range");
        o.gid = static_cast<uint32_t>(gid);
    }
    o.x = Number(a, "x", where);
    o.y = Number(a, "y", where);
    o.width = Number(a, "width", where);
    o.height = Number(a, "height", where);
    while (xml.readNextStartElement()) {
        if (xml.name() == u"properties") {
            ReadProperties(xml, o.properties);
        } else {
            o.shaped = true;
            xml.skipCurrentElement();
        }
    }
    return o;
}

RawMap ReadXml(const std::string& text) {
    QXmlStreamReader xml(QByteArray::fromStdString(text));
    RawMap map;
    if (!xml.readNextStartElement() || xml.name() != u"map") {
        if (xml.hasError())
            Fail("line " + std::to_string(xml.lineNumber()) + ": " + S(xml.errorString()));
        Fail("not a Tiled map (no <map> element)");
    }
    for (const auto& a : xml.attributes())
        map.attributes[S(a.name())] = S(a.value());
    size_t objects = 0;
    while (xml.readNextStartElement()) {
        const auto name = xml.name();
        const auto a = xml.attributes();
        if (name == u"properties") {
            ReadProperties(xml, map.properties);
        } else if (name == u"tileset") {
            map.tilesets.push_back(
                {Whole(a, "firstgid", "a tileset"),
                 S(a.hasAttribute("source") ? a.value("source") : a.value("name"))});
            if (!a.hasAttribute("source"))
                Fail("tileset " + map.tilesets.back().source +
                     ": is embedded in the map; the map must use the game's .tsx files");
            xml.skipCurrentElement();
        } else if (name == u"layer") {
            RawLayer layer;
            layer.name = S(a.value("name"));
            layer.width = static_cast<int>(Whole(a, "width", "layer " + layer.name));
            layer.height = static_cast<int>(Whole(a, "height", "layer " + layer.name));
            while (xml.readNextStartElement()) {
                if (xml.name() != u"data") {
                    xml.skipCurrentElement();
                    continue;
                }
                const auto d = xml.attributes();
                layer.encoding = S(d.value("encoding"));
                layer.compression = S(d.value("compression"));
                while (!xml.atEnd()) {
                    const auto token = xml.readNext();
                    if (token == QXmlStreamReader::Characters) {
                        layer.data += S(xml.text());
                    } else if (token == QXmlStreamReader::StartElement) {
                        if (xml.name() == u"chunk") layer.chunked = true;
                        if (xml.name() == u"tile") {
                            const auto t = xml.attributes();
                            layer.xmlTiles.push_back(
                                t.hasAttribute("gid") ? Whole(t, "gid", "layer " + layer.name) : 0);
                            if (layer.xmlTiles.size() > kCells)
                                Fail("layer " + layer.name + ": more than 625 tiles");
                        }
                        if (xml.name() == u"chunk") xml.skipCurrentElement();
                    } else if (token == QXmlStreamReader::EndElement && xml.name() == u"data") {
                        break;
                    }
                    if (layer.data.size() > 1000000)
                        Fail("layer " + layer.name + ": far too large");
                }
            }
            map.layers.push_back(std::move(layer));
        } else if (name == u"objectgroup") {
            RawGroup group;
            group.name = S(a.value("name"));
            while (xml.readNextStartElement()) {
                if (xml.name() == u"object") {
                    if (++objects > kMostObjects) Fail("far too many objects");
                    group.objects.push_back(ReadObject(xml, group.name));
                } else {
                    xml.skipCurrentElement();
                }
            }
            map.groups.push_back(std::move(group));
        } else if (name == u"imagelayer" || name == u"group") {
            map.otherLayers.push_back(S(a.value("name")));
            xml.skipCurrentElement();
        } else {
            xml.skipCurrentElement();
        }
    }
    if (xml.hasError())
        Fail("line " + std::to_string(xml.lineNumber()) + ": " + S(xml.errorString()));
    return map;
}

// --- the tilesets ------------------------------------------------------------

struct Tileset {
    std::string name;  // tiles, kinds, monsters or items
    int64_t firstGid = 0;
    TilesetInfo info;
};

class Tilesets {
  public:
    Tilesets(const RawMap& map, const fs::path& mapFolder, TilesetLoader load) {
        for (const RawTileset& raw : map.tilesets) {
            const fs::path source = fs::path(raw.source);
            const std::string name = source.stem().string();
            const bool known = source.extension() == ".tsx" &&
                               (name == tiled_files::kTiles || name == tiled_files::kKinds ||
                                name == tiled_files::kMonsters || name == tiled_files::kItems);
            if (!known)
                Fail("tileset " + raw.source +
                     ": unknown tileset (the map may use tiles.tsx, kinds.tsx, monsters.tsx "
                     "and items.tsx)");
            if (raw.firstGid < 1) Fail("tileset " + raw.source + ": firstgid is out of range");
            for (const Tileset& t : sets_)
                if (t.name == name) Fail("tileset " + raw.source + ": appears twice");
            sets_.push_back({name, raw.firstGid, load(mapFolder / source)});
        }
        std::sort(sets_.begin(), sets_.end(),
                  [](const Tileset& a, const Tileset& b) { return a.firstGid < b.firstGid; });
        for (size_t i = 1; i < sets_.size(); ++i)
            if (sets_[i].firstGid < sets_[i - 1].firstGid + sets_[i - 1].info.tileCount)
                Fail("tileset " + sets_[i].name + ".tsx: its gids overlap " + sets_[i - 1].name +
                     ".tsx");
    }

    // The tileset of a gid and the tile's id in it, or nothing for no tileset.
    const Tileset* Find(uint32_t gid, int& id) const {
        const Tileset* found = nullptr;
        for (const Tileset& t : sets_)
            if (gid >= t.firstGid) found = &t;
        if (!found || gid - found->firstGid >= static_cast<uint32_t>(found->info.tileCount))
            return nullptr;
        id = static_cast<int>(gid - found->firstGid);
        return found;
    }

    const Tileset* Named(std::string_view name) const {
        for (const Tileset& t : sets_)
            if (t.name == name) return &t;
        return nullptr;
    }

  private:
    std::vector<Tileset> sets_;
};

// --- layers ---------------------------------------------------------------

std::string At(const std::string& layer, int cell) {
    return "layer " + layer + ", column " + std::to_string(cell % game::kGridSize) + ", row " +
           std::to_string(cell / game::kGridSize);
}

std::vector<uint32_t> LayerGids(const RawLayer& layer) {
    const std::string where = "layer " + layer.name;
    if (layer.chunked) Fail(where + ": the map is infinite; Karvelun's maps are 25 x 25 tiles");
    if (layer.width != game::kGridSize || layer.height != game::kGridSize)
        Fail(where + ": is " + std::to_string(layer.width) + " x " + std::to_string(layer.height) +
             " tiles, not 25 x 25");
    std::vector<uint32_t> gids;
    if (layer.encoding == "csv") {
        size_t at = 0;
        const std::string& d = layer.data;
        while (at < d.size() && gids.size() <= kCells) {
            while (at < d.size() && std::isspace(static_cast<unsigned char>(d[at])))
                ++at;
            if (at >= d.size()) break;
            size_t end = d.find(',', at);
            if (end == std::string::npos) end = d.size();
            std::string field = d.substr(at, end - at);
            while (!field.empty() && std::isspace(static_cast<unsigned char>(field.back())))
                field.pop_back();
            const auto value = CanonicalNumber(field, 0, 2147483647);
            uint32_t gid = 0;
            if (value) {
                gid = static_cast<uint32_t>(*value);
            } else {
                // Flipped tiles have the top bits set and so exceed an int.
                char* stop = nullptr;
                const unsigned long long big = std::strtoull(field.c_str(), &stop, 10);
                if (field.empty() || *stop != '\0' || big > 0xFFFFFFFFull ||
                    !std::isdigit(static_cast<unsigned char>(field[0])))
                    Fail(At(layer.name, static_cast<int>(gids.size())) + ": \"" +
                         field.substr(0, 20) + "\" is not a tile");
                gid = static_cast<uint32_t>(big);
            }
            gids.push_back(gid);
            at = end + 1;
        }
    } else if (layer.encoding == "base64") {
        if (!layer.compression.empty())
            Fail(where + ": " + layer.compression +
                 " compressed tile data; save the map with CSV layer data");
        const QByteArray bytes =
            QByteArray::fromBase64(QByteArray::fromStdString(layer.data).trimmed());
        for (qsizetype i = 0; i + 3 < bytes.size() && gids.size() <= kCells; i += 4) {
            const auto b = [&](qsizetype k) {
                return static_cast<uint32_t>(uint8_t(bytes[i + k]));
            };
            gids.push_back(b(0) | b(1) << 8 | b(2) << 16 | b(3) << 24);
        }
    } else if (layer.encoding.empty()) {
        for (int64_t gid : layer.xmlTiles) {
            if (gid < 0 || gid > 0xFFFFFFFFll) Fail(where + ": a gid is out of range");
            gids.push_back(static_cast<uint32_t>(gid));
        }
    } else {
        Fail(where + ": unknown encoding \"" + layer.encoding + "\"");
    }
    if (gids.size() != kCells)
        Fail(where + ": holds " + std::to_string(gids.size()) + " tiles, not 625");
    return gids;
}

// The tile id of a cell that must come from the named tileset; -1 for an
// empty cell.
int CellTile(const Tilesets& tilesets, const std::string& layer, int cell, uint32_t gid,
             std::string_view tileset) {
    if (gid == 0) return -1;
    if (gid & kFlipBits) Fail(At(layer, cell) + ": a flipped or rotated tile");
    int id = 0;
    const Tileset* t = tilesets.Find(gid, id);
    if (!t) Fail(At(layer, cell) + ": tile " + std::to_string(gid) + " belongs to no tileset");
    if (t->name != tileset)
        Fail(At(layer, cell) + ": a tile of " + t->name + ".tsx; this layer takes " +
             std::string(tileset) + ".tsx");
    return id;
}

// --- properties ---------------------------------------------------------------

class ObjectProperties {
  public:
    ObjectProperties(const Properties& p, std::string where) : p_(p), where_(std::move(where)) {}

    bool Has(const char* name) const { return p_.count(name) > 0; }

    int32_t Int(const char* name, int32_t low, int32_t high) const {
        auto it = p_.find(name);
        if (it == p_.end()) Fail(where_ + ": the property \"" + name + "\" is missing");
        return Checked(name, it->second.value, low, high);
    }

    int32_t IntOr(const char* name, std::optional<int32_t> fallback, int32_t low,
                  int32_t high) const {
        if (!Has(name) && fallback) return Checked(name, std::to_string(*fallback), low, high);
        return Int(name, low, high);
    }

    bool Flag(const char* name) const {
        auto it = p_.find(name);
        if (it == p_.end()) return false;
        if (it->second.value == "true") return true;
        if (it->second.value == "false") return false;
        Fail(where_ + ": \"" + name + "\" must be true or false");
    }

    std::string Text(const char* name) const {
        auto it = p_.find(name);
        if (it == p_.end()) Fail(where_ + ": the property \"" + name + "\" is missing");
        const platform::Cp1250Encoding encoded = platform::EncodeCp1250(it->second.value);
        if (!encoded.ok) {
            char code[16];
            std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(encoded.badChar));
            Fail(where_ + ": \"" + name + "\" holds a character that Windows-1250 cannot hold (" +
                 code + ")");
        }
        if (encoded.codes.size() > 32767)
            Fail(where_ + ": \"" + name + "\" is longer than 32767 characters");
        return it->second.value;
    }

    const RawProperty* Find(const char* name) const {
        auto it = p_.find(name);
        return it == p_.end() ? nullptr : &it->second;
    }

    const std::string& Where() const { return where_; }

  private:
    int32_t Checked(const char* name, const std::string& value, int32_t low, int32_t high) const {
        int32_t number = 0;
        auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
        if (value.empty() || error != std::errc() || end != value.data() + value.size() ||
            number < low || number > high)
            Fail(where_ + ": \"" + name + "\" must be a whole number from " + std::to_string(low) +
                 " to " + std::to_string(high) + ", not \"" + value.substr(0, 40) + "\"");
        return number;
    }

    const Properties& p_;
    std::string where_;
};

// --- the level -----------------------------------------------------------------

struct PlacedObject {
    const RawObject* object;
    int tile;
};

int ObjectTile(const RawObject& o, const std::string& group) {
    const std::string where = "layer " + group + ", object " + std::to_string(o.id);
    if (o.gid || o.shaped) Fail(where + ": must be a plain rectangle on one tile");
    const double column = o.x / game::kTileSize, row = o.y / game::kTileSize;
    if (column != std::floor(column) || row != std::floor(row) || column < 0 || row < 0 ||
        column >= game::kGridSize || row >= game::kGridSize)
        Fail(where + " at x " + std::to_string(o.x) + ", y " + std::to_string(o.y) +
             ": off the grid (its top-left corner must be a tile's corner)");
    return static_cast<int>(row) * game::kGridSize + static_cast<int>(column);
}

int32_t TargetOf(const ObjectProperties& p, const std::map<int64_t, int>& tileOfObject) {
    const RawProperty* target = p.Find("target");
    if (!target) Fail(p.Where() + ": the property \"target\" is missing");
    if (target->type == "object") {
        int64_t id = 0;
        auto [end, error] =
            std::from_chars(target->value.data(), target->value.data() + target->value.size(), id);
        auto it = tileOfObject.find(id);
        if (error != std::errc() || it == tileOfObject.end())
            Fail(p.Where() + ": \"target\" refers to no object of layer tiles");
        return it->second;
    }
    return p.Int("target", 0, kLastTile);
}

void ReadParameters(game::TileRecord& tile, const ObjectProperties& p,
                    const std::map<int64_t, int>& tileOfObject) {
    const bool raw1 = p.Has("param1"), raw2 = p.Has("param2");
    std::string once;
    switch (tile.Kind) {
        case game::kDestructibleWall:
            if (!raw1) tile.Param1 = std::to_string(p.Int("strength", 1, 32767));
            if (!raw2) tile.Param2 = std::to_string(p.Int("rubble", 0, 32767));
            break;
        case game::kSign:
        case game::kMessageScreen:
            if (!raw1) tile.Param1 = p.Text("text");
            if (!raw2 && tile.Kind == game::kSign && p.Flag("once")) tile.Param2 = "ONCE";
            break;
        case game::kTeleport:
            if (!raw1) tile.Param1 = std::to_string(TargetOf(p, tileOfObject));
            if (!raw2 && p.Flag("once")) tile.Param2 = "ONCE";
            break;
        case game::kLevelExit:
            if (!raw1) tile.Param1 = std::to_string(p.Int("level", 0, kHighestLevelNumber));
            if (!raw2) tile.Param2 = std::to_string(p.Int("tile", 0, kLastTile));
            break;
        case game::kMechanism:
            if (!raw1) tile.Param1 = std::to_string(TargetOf(p, tileOfObject));
            if (!raw2)
                tile.Param2 = std::to_string(p.Int("picture", 0, 32767)) + " " +
                              std::to_string(p.Int("kind", 0, 8));
            break;
        default:
            break;
    }
    if (raw1) tile.Param1 = p.Text("param1");
    if (raw2) tile.Param2 = p.Text("param2");
}

const RawLayer* FindLayer(const RawMap& map, const char* name) {
    const RawLayer* found = nullptr;
    for (const RawLayer& layer : map.layers)
        if (layer.name == name) {
            if (found) Fail(std::string("layer ") + name + ": appears twice");
            found = &layer;
        }
    return found;
}

void CheckMapFrame(const RawMap& map) {
    auto attribute = [&](const char* name) {
        auto it = map.attributes.find(name);
        return it == map.attributes.end() ? std::string() : it->second;
    };
    if (attribute("orientation") != "orthogonal")
        Fail("the map is " + attribute("orientation") + ", not orthogonal");
    if (attribute("infinite") == "1")
        Fail("the map is infinite; Karvelun's maps are 25 x 25 tiles");
    if (attribute("width") != "25" || attribute("height") != "25")
        Fail("the map is " + attribute("width") + " x " + attribute("height") +
             " tiles, not 25 x 25");
    if (attribute("tilewidth") != "20" || attribute("tileheight") != "20")
        Fail("the map's tiles are " + attribute("tilewidth") + " x " + attribute("tileheight") +
             " pixels, not 20 x 20");
    for (const RawLayer& layer : map.layers)
        if (layer.name != "pictures" && layer.name != "kinds" && layer.name != "revealed")
            Fail("layer " + layer.name + ": unknown tile layer (pictures, kinds, revealed)");
    for (const RawGroup& group : map.groups)
        if (group.name != "tiles" && group.name != "things")
            Fail("layer " + group.name + ": unknown object layer (tiles, things)");
    for (const std::string& name : map.otherLayers)
        Fail("layer " + name + ": image and group layers are not part of a level");
}

std::optional<int32_t> TileDefault(const Tileset& t, int id, const char* name) {
    auto tile = t.info.tileProperties.find(id);
    if (tile == t.info.tileProperties.end()) return std::nullopt;
    auto value = tile->second.find(name);
    if (value == tile->second.end()) return std::nullopt;
    return value->second;
}

}  // namespace

ImportedLevel ReadMap(const std::string& text, const fs::path& mapFolder,
                      std::optional<int32_t> number, TilesetLoader loadTileset) {
    const RawMap map = ReadXml(text);
    CheckMapFrame(map);
    const Tilesets tilesets(map, mapFolder, loadTileset);

    ImportedLevel result;
    if (number) {
        result.number = *number;
    } else {
        auto it = map.properties.find("level");
        if (it == map.properties.end())
            Fail("the map has no \"level\" property; give the level number with --level N");
        const auto level = CanonicalNumber(it->second.value, 0, kHighestLevelNumber);
        if (!level) Fail("the map's \"level\" property is not a level number");
        result.number = *level;
    }
    game::LevelRecord& level = result.level;

    // Pictures, kinds, revealed.
    const RawLayer* pictures = FindLayer(map, "pictures");
    if (!pictures) Fail("the map has no tile layer \"pictures\"");
    if (!tilesets.Named(tiled_files::kTiles)) Fail("the map does not use tiles.tsx");
    const std::vector<uint32_t> pictureGids = LayerGids(*pictures);
    for (int cell = 0; cell < kCells; ++cell) {
        const int id = CellTile(tilesets, "pictures", cell, pictureGids[cell], tiled_files::kTiles);
        if (id < 0) Fail(At("pictures", cell) + ": no picture");
        if (id > 32767) Fail(At("pictures", cell) + ": picture number out of range");
        level.tiles[cell].Picture = static_cast<int16_t>(id);
    }
    if (const RawLayer* kinds = FindLayer(map, "kinds")) {
        const std::vector<uint32_t> gids = LayerGids(*kinds);
        for (int cell = 0; cell < kCells; ++cell) {
            const int id = CellTile(tilesets, "kinds", cell, gids[cell], tiled_files::kKinds);
            if (id >= static_cast<int>(game::kTileKindNames.size()))
                Fail(At("kinds", cell) +
                     ": not a tile kind (the revealed marker belongs in "
                     "layer revealed)");
            level.tiles[cell].Kind = static_cast<int16_t>(id < 0 ? game::kFloor : id);
        }
    }
    if (const RawLayer* revealed = FindLayer(map, "revealed")) {
        const std::vector<uint32_t> gids = LayerGids(*revealed);
        for (int cell = 0; cell < kCells; ++cell) {
            const int id = CellTile(tilesets, "revealed", cell, gids[cell], tiled_files::kKinds);
            if (id >= 0 && id != tiled_files::kRevealedTile)
                Fail(At("revealed", cell) + ": only the revealed marker belongs here");
            level.tiles[cell].Revealed = id < 0 ? game::kFalse : game::kTrue;
        }
    }

    const RawGroup* tileObjects = nullptr;
    const RawGroup* things = nullptr;
    for (const RawGroup& group : map.groups) {
        const RawGroup*& slot = group.name == "tiles" ? tileObjects : things;
        if (slot) Fail("layer " + group.name + ": appears twice");
        slot = &group;
    }

    // The tiles' parameters.
    std::map<int64_t, int> tileOfObject;
    std::vector<const RawObject*> parameterObject(kCells, nullptr);
    if (tileObjects) {
        for (const RawObject& o : tileObjects->objects) {
            const int cell = ObjectTile(o, "tiles");
            if (!tileOfObject.emplace(o.id, cell).second)
                Fail("layer tiles, object " + std::to_string(o.id) + ": its id is used twice");
            if (o.name.size() == 1 && !result.marks.emplace(o.name[0], cell).second)
                Fail(At("tiles", cell) + ": the mark \"" + o.name + "\" is on two tiles");
            if (o.type == "mark") continue;
            const int16_t kind = level.tiles[cell].Kind;
            if (o.type != KindName(kind))
                Fail(At("tiles", cell) + ": a \"" + o.type + "\" object on a " +
                     std::string(KindName(kind)) + " tile");
            if (parameterObject[cell])
                Fail(At("tiles", cell) + ": two objects give this tile's parameters");
            parameterObject[cell] = &o;
        }
    }
    for (int cell = 0; cell < kCells; ++cell) {
        game::TileRecord& tile = level.tiles[cell];
        if (!parameterObject[cell]) {
            if (KindHasParameters(tile.Kind))
                Fail(At("kinds", cell) + ": this " + std::string(KindName(tile.Kind)) +
                     " needs a \"" + std::string(KindName(tile.Kind)) +
                     "\" object on its tile in layer tiles");
            continue;
        }
        const ObjectProperties properties(parameterObject[cell]->properties, At("tiles", cell));
        ReadParameters(tile, properties, tileOfObject);
        if ((tile.Kind == game::kSign || tile.Kind == game::kMessageScreen) &&
            properties.Has("text_en")) {
            std::string english = properties.Text("text_en");
            if (!english.empty()) result.english[cell] = std::move(english);
        }
    }

    // Monsters and items, in the order of the layer.
    if (things) {
        for (const RawObject& o : things->objects) {
            const std::string where = "layer things, object " + std::to_string(o.id);
            if (!o.gid) Fail(where + ": not a monster or an item (a tile object is)");
            int id = 0;
            const Tileset* t = (*o.gid & kFlipBits) ? nullptr : tilesets.Find(*o.gid, id);
            if (!t || (t->name != tiled_files::kMonsters && t->name != tiled_files::kItems))
                Fail(where + ": not a tile of monsters.tsx or items.tsx");
            const double top = o.y - o.height;
            if (o.x < 0 || top < 0 || o.x + o.width > kField || o.y > kField || o.width <= 0 ||
                o.height <= 0)
                Fail(where + " at x " + std::to_string(o.x) + ", y " + std::to_string(o.y) +
                     ": off the grid (outside the 500 x 500 field)");
            const ObjectProperties p(o.properties, where);
            if (t->name == tiled_files::kMonsters) {
                level.monsters.push_back(
                    {static_cast<float>(o.x), static_cast<float>(top), static_cast<int16_t>(id),
                     static_cast<int16_t>(p.IntOr("kind", TileDefault(*t, id, "kind"), 0, 3)),
                     static_cast<int16_t>(
                         p.IntOr("damage", TileDefault(*t, id, "damage"), 0, 32767)),
                     static_cast<int16_t>(
                         p.IntOr("hitpoints", TileDefault(*t, id, "hitpoints"), 1, 32767))});
            } else {
                level.items.push_back(
                    {static_cast<int16_t>(std::lround(o.x)), static_cast<int16_t>(std::lround(top)),
                     static_cast<int16_t>(id),
                     static_cast<int16_t>(p.IntOr("kind", TileDefault(*t, id, "kind"), 0, 32767))});
            }
        }
    }
    return result;
}

}  // namespace tiled_map
