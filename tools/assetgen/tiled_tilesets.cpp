#include "tiled_tilesets.h"

#include <QDir>
#include <QPainter>
#include <QSaveFile>
#include <QXmlStreamWriter>
#include <stdexcept>

#include "sheets.h"
#include "tools/levels/tiled/tileset_files.h"

namespace assetgen {

namespace {

struct TileProperty {
    QString name;
    int value;
};

// What the shared legend of the campaign gives each creature: kind, damage,
// hit points.  A monster placed in Tiled starts with these.
struct CreatureDefaults {
    int kind, damage, hitPoints;
};
constexpr CreatureDefaults kCreatureDefaults[] = {
    {0, 1, 2},  {1, 1, 3},   {1, 1, 5},   {0, 1, 6},   {1, 2, 8},   {2, 2, 14},
    {1, 3, 14}, {0, 5, 22},  {2, 5, 30},  {2, 4, 20},  {0, 10, 55}, {2, 6, 40},
    {3, 7, 40}, {1, 12, 90}, {3, 10, 80}, {2, 15, 150}};

// Items 0 to 10 have the kind of their number; the others lie about as
// things never taken.
constexpr int kLastKindPicture = 10;
constexpr int kNeverTaken = 9;

void Save(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw std::runtime_error("cannot write " + path.toStdString());
}

void SavePng(const QString& path, const QImage& image) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit())
        throw std::runtime_error("cannot write " + path.toStdString());
}

// One row of tiles in one picture, every tile with its properties.
QByteArray TilesetXml(const QString& name, const QImage& image, int size,
                      const std::vector<std::vector<TileProperty>>& tiles) {
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(1);
    xml.writeStartDocument();
    xml.writeStartElement("tileset");
    xml.writeAttribute("version", "1.8");
    xml.writeAttribute("tiledversion", "1.8.2");
    xml.writeAttribute("name", name);
    xml.writeAttribute("tilewidth", QString::number(size));
    xml.writeAttribute("tileheight", QString::number(size));
    xml.writeAttribute("tilecount", QString::number(tiles.size()));
    xml.writeAttribute("columns", QString::number(tiles.size()));
    xml.writeEmptyElement("image");
    xml.writeAttribute("source", name + ".png");
    xml.writeAttribute("width", QString::number(image.width()));
    xml.writeAttribute("height", QString::number(image.height()));
    for (size_t id = 0; id < tiles.size(); ++id) {
        xml.writeStartElement("tile");
        xml.writeAttribute("id", QString::number(id));
        xml.writeStartElement("properties");
        for (const TileProperty& p : tiles[id]) {
            xml.writeEmptyElement("property");
            xml.writeAttribute("name", p.name);
            xml.writeAttribute("type", "int");
            xml.writeAttribute("value", QString::number(p.value));
        }
        xml.writeEndElement();
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndDocument();
    return bytes;
}

void WriteTileset(const QDir& dir, std::string_view name, const QImage& image, int size,
                  const std::vector<std::vector<TileProperty>>& tiles) {
    if (image.width() != size * static_cast<int>(tiles.size()) || image.height() != size)
        throw std::logic_error("a tileset picture has the wrong size");
    const QString base = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    SavePng(dir.filePath(base + ".png"), image);
    Save(dir.filePath(base + ".tsx"), TilesetXml(base, image, size, tiles));
}

}  // namespace

QImage TransparentStrip(const QImage& maskedStrip, int size) {
    QImage strip(maskedStrip.width(), size, QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < strip.width(); ++x) {
            const bool clear = (maskedStrip.pixel(x, y + size) & 0xFFFFFFu) == 0xFFFFFFu;
            strip.setPixel(x, y, clear ? 0u : (maskedStrip.pixel(x, y) | 0xFF000000u));
        }
    }
    return strip;
}

QImage KindsStrip(const QFont& font) {
    struct Marker {
        QColor colour;
        const char* sign;
    };
    const Marker markers[tiled_files::kKindsTileCount] = {
        {QColor(120, 200, 120), ""}, {QColor(200, 40, 40), "#"},  {QColor(230, 130, 30), "%"},
        {QColor(240, 220, 60), "S"}, {QColor(170, 80, 230), "T"}, {QColor(60, 140, 240), "E"},
        {QColor(40, 200, 200), "M"}, {QColor(240, 60, 160), "^"}, {QColor(250, 250, 250), "!"},
        {QColor(255, 255, 255), "o"}};
    constexpr int kSize = 20;
    QImage strip(kSize * tiled_files::kKindsTileCount, kSize, QImage::Format_ARGB32);
    strip.fill(Qt::transparent);
    QPainter painter(&strip);
    QFont small = font;
    small.setPixelSize(12);
    painter.setFont(small);
    for (int k = 0; k < tiled_files::kKindsTileCount; ++k) {
        const QRect box(k * kSize, 0, kSize, kSize);
        QColor fill = markers[k].colour;
        fill.setAlpha(k == tiled_files::kRevealedTile ? 40 : 110);
        painter.fillRect(box, fill);
        painter.setPen(markers[k].colour);
        painter.drawRect(box.adjusted(0, 0, -1, -1));
        painter.setPen(Qt::black);
        painter.drawText(box.translated(1, 1), Qt::AlignCenter, markers[k].sign);
        painter.setPen(Qt::white);
        painter.drawText(box, Qt::AlignCenter, markers[k].sign);
    }
    return strip;
}

void WriteTiledTilesets(const ArtSet& art, const QFont& font, const QString& folder) {
    if (!QDir().mkpath(folder)) throw std::runtime_error("cannot create " + folder.toStdString());
    const QDir dir(folder);

    std::vector<std::vector<TileProperty>> tiles;
    for (size_t p = 0; p < art.tiles.size(); ++p)
        tiles.push_back({{"number", static_cast<int>(p)}});
    WriteTileset(dir, tiled_files::kTiles,
                 TileSheet(art.tiles).convertToFormat(QImage::Format_ARGB32), kTileSize, tiles);

    std::vector<std::vector<TileProperty>> monsters;
    for (size_t p = 0; p < art.monsters.size(); ++p) {
        const CreatureDefaults d = kCreatureDefaults[p % std::size(kCreatureDefaults)];
        monsters.push_back({{"number", static_cast<int>(p)},
                            {"kind", d.kind},
                            {"damage", d.damage},
                            {"hitpoints", d.hitPoints}});
    }
    WriteTileset(dir, tiled_files::kMonsters,
                 TransparentStrip(MaskedStrip(ImagesOf(art.monsters), kMonsterSize), kMonsterSize),
                 kMonsterSize, monsters);

    std::vector<std::vector<TileProperty>> items;
    for (size_t p = 0; p < art.items.size(); ++p) {
        const int number = static_cast<int>(p);
        items.push_back(
            {{"number", number}, {"kind", number <= kLastKindPicture ? number : kNeverTaken}});
    }
    WriteTileset(dir, tiled_files::kItems,
                 TransparentStrip(MaskedStrip(ImagesOf(art.items), kItemSize), kItemSize),
                 kItemSize, items);

    std::vector<std::vector<TileProperty>> kinds;
    for (int k = 0; k < tiled_files::kKindsTileCount; ++k)
        kinds.push_back({{k == tiled_files::kRevealedTile ? "revealed" : "kind",
                          k == tiled_files::kRevealedTile ? 1 : k}});
    WriteTileset(dir, tiled_files::kKinds, KindsStrip(font), kTileSize, kinds);
}

}  // namespace assetgen
