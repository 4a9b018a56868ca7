// karvelun_assetgen: draws the game's picture sheets and window backgrounds.
//
//   karvelun_assetgen --font <ttf> --out <data/obr folder>
//   karvelun_assetgen --font <ttf> --preview <png>
//   karvelun_assetgen --font <ttf> --tiled <folder for the Tiled tilesets>
//   karvelun_assetgen --list
//   karvelun_assetgen --icons <folder> --icon-name <name>
//       the program's icon as <folder>/<N>x<N>/apps/<name>.png and
//       <folder>/scalable/apps/<name>.svg, the desktop's hicolor layout
//
// The same sources always give the same bytes.
#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QSaveFile>
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "backgrounds.h"
#include "catalog.h"
#include "icon.h"
#include "preview.h"
#include "sheets.h"
#include "tiled_tilesets.h"

namespace {

using namespace assetgen;

struct Options {
    QString font;
    QString out;
    QString preview;
    QString tiled;
    QString icons;
    QString iconName;
    bool list = false;
};

[[noreturn]] void Usage(const char* problem) {
    std::fprintf(stderr,
                 "karvelun_assetgen: %s\n"
                 "usage: karvelun_assetgen --font <ttf> [--out <folder>] [--preview <png>] "
                 "[--tiled <folder>]\n"
                 "                         [--icons <folder> --icon-name <name>] | --list\n",
                 problem);
    std::exit(2);
}

Options Parse(const QStringList& args) {
    Options options;
    for (int i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        auto value = [&]() {
            if (i + 1 >= args.size()) Usage("an option is missing its value");
            return args[++i];
        };
        if (a == "--font") {
            options.font = value();
        } else if (a == "--out") {
            options.out = value();
        } else if (a == "--preview") {
            options.preview = value();
        } else if (a == "--tiled") {
            options.tiled = value();
        } else if (a == "--icons") {
            options.icons = value();
        } else if (a == "--icon-name") {
            options.iconName = value();
        } else if (a == "--list") {
            options.list = true;
        } else {
            Usage("unknown argument");
        }
    }
    const bool draws =
        !options.out.isEmpty() || !options.preview.isEmpty() || !options.tiled.isEmpty();
    if (!options.list && !draws && options.icons.isEmpty()) Usage("nothing to do");
    if (!options.icons.isEmpty() && options.iconName.isEmpty()) Usage("--icons needs --icon-name");
    if (draws && options.font.isEmpty()) {
        Usage("--font is needed for the backgrounds and the preview");
    }
    return options;
}

QFont LoadFont(const QString& path) {
    const int id = QFontDatabase::addApplicationFont(path);
    if (id < 0) throw std::runtime_error("cannot load the font " + path.toStdString());
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    QFont font(families.value(0));
    font.setBold(true);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

// PNG content under a name without an extension, written whole or not at all.
void WritePng(const QImage& image, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit()) {
        throw std::runtime_error("cannot write " + path.toStdString());
    }
}

void WriteSheets(const ArtSet& art, const QFont& font, const QString& folder) {
    if (!QDir().mkpath(folder)) throw std::runtime_error("cannot create " + folder.toStdString());
    const QDir dir(folder);
    WritePng(TileSheet(art.tiles), dir.filePath("sc1"));
    WritePng(MaskedStrip(ImagesOf(art.monsters), kMonsterSize), dir.filePath("sc2"));
    WritePng(MaskedStrip(ImagesOf(art.items), kItemSize), dir.filePath("sc3"));
    WritePng(MaskedStrip(ImagesOf(art.hero), kHeroSize), dir.filePath("sc4"));
    WritePng(MissileAndBombSheet(art.missile, art.bomb), dir.filePath("sc5"));
    WritePng(ExplosionSheet(art.explosion, art.fragment), dir.filePath("sc6"));
    WritePng(MaskedStrip(art.tileEffect, kTileSize), dir.filePath("sc7"));
    WritePng(GameWindowBackground(font), dir.filePath("gui"));
    WritePng(DialogBackground(), dir.filePath("gui2"));
    WritePng(MenuBackground(font), dir.filePath("gui3"));
}

void WriteIcons(const ArtSet& art, const QString& folder, const QString& name) {
    const QImage pixels = IconPixels(art);
    for (int size : IconSizes()) {
        const QString sized = QStringLiteral("%1/%2x%2/apps").arg(folder).arg(size);
        if (!QDir().mkpath(sized)) throw std::runtime_error("cannot create " + sized.toStdString());
        WritePng(IconAtSize(pixels, size), sized + "/" + name + ".png");
    }
    const QString scalable = folder + "/scalable/apps";
    QSaveFile svg(scalable + "/" + name + ".svg");
    if (!QDir().mkpath(scalable) || !svg.open(QIODevice::WriteOnly) ||
        svg.write(IconSvg(pixels).toUtf8()) < 0 || !svg.commit())
        throw std::runtime_error("cannot write " + svg.fileName().toStdString());
}

void PrintTable(const char* title, const std::vector<Picture>& pictures) {
    std::printf("### %s\n\n| # | name | use |\n|---|---|---|\n", title);
    for (size_t i = 0; i < pictures.size(); ++i) {
        std::printf("| %zu | %s | %s |\n", i, pictures[i].name.c_str(), pictures[i].use.c_str());
    }
    std::printf("\n");
}

}  // namespace

int main(int argc, char** argv) {
    // Drawing needs no screen; the offscreen platform is enough everywhere.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    try {
        const Options options = Parse(app.arguments());
        const ArtSet art = BuildArtSet();
        if (options.list) {
            PrintTable("sc1: tiles", art.tiles);
            PrintTable("sc2: monsters", art.monsters);
            PrintTable("sc3: items", art.items);
            PrintTable("sc4: hero", art.hero);
        }
        if (!options.out.isEmpty() || !options.preview.isEmpty() || !options.tiled.isEmpty()) {
            const QFont font = LoadFont(options.font);
            if (!options.out.isEmpty()) WriteSheets(art, font, options.out);
            if (!options.tiled.isEmpty()) WriteTiledTilesets(art, font, options.tiled);
            if (!options.preview.isEmpty()) {
                QFont small = font;
                small.setPixelSize(12);
                WritePng(ContactSheet(art, small), options.preview);
            }
        }
        if (!options.icons.isEmpty()) WriteIcons(art, options.icons, options.iconName);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "karvelun_assetgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
