// karvelun-level-shot: a level of a package drawn by the game's own frame
// code with every tile revealed, saved as a PNG, so that a level can be
// reviewed at a glance; and a list of the texts of signs and message
// screens that would not fit the play field or the notice window.
//
//   karvelun-level-shot PACKAGE.all LEVEL OUT.png [--data DIST/data] [--hero TILE]
//   karvelun-level-shot PACKAGE.all --texts [--data DIST/data]
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QRect>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "game/core/drawing.h"
#include "game/core/game_state.h"
#include "game/desktop/app_paths.h"
#include "game/desktop/fonts.h"
#include "game/desktop/sheet_surfaces.h"
#include "game/levels/byte_stream.h"
#include "game/levels/level_files.h"
#include "game/levels/package_record.h"
#include "game/platform/codepage.h"
#include "game/platform/file_io.h"

namespace {

namespace fs = std::filesystem;

constexpr int kField = 500;
// The notice window's label: 297 x 193 pixels, word-wrapped.
constexpr int kNoticeWidth = 297;
constexpr int kNoticeHeight = 193;

int Fail(const std::string& message) {
    std::cerr << "karvelun-level-shot: " << message << "\n";
    return 1;
}

bool ReadPackage(const std::string& path, game::PackageRecord& package) {
    std::vector<uint8_t> bytes;
    if (!game::ReadWholeFile(path, bytes)) return false;
    game::ByteReader in(bytes);
    return game::ReadPackageRecord(in, fs::path(path).extension() == ".lev", package);
}

QString Text(const std::string& utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// Signs float their text centred on the tile; message screens fill the
// notice window.  Reports each text that leaves the field or the window.
int ReportTexts(const game::PackageRecord& package) {
    const QFont font = platform::GameFont(8.25);
    const QFontMetrics metrics(font);
    int problems = 0;
    for (size_t n = 0; n < package.levels.size(); ++n) {
        for (int t = 0; t < game::kTileCount; ++t) {
            const game::TileRecord& tile = package.levels[n].tiles[t];
            const QString text = Text(tile.Param1);
            if (tile.Kind == game::kSign) {
                const int centre = (t % 25) * 20 + 10;
                const int width = metrics.horizontalAdvance(text);
                const int left = centre - width / 2;
                const bool fits = left >= 0 && left + width <= kField;
                if (!fits) ++problems;
                std::cout << (fits ? "   " : "!! ") << "level " << n << " sign " << t << ": "
                          << width << " px, " << left << ".." << left + width << "\n";
            } else if (tile.Kind == game::kMessageScreen) {
                const QRect used = metrics.boundingRect(QRect(0, 0, kNoticeWidth, 10000),
                                                        Qt::TextWordWrap | Qt::AlignHCenter, text);
                const bool fits = used.height() <= kNoticeHeight;
                if (!fits) ++problems;
                std::cout << (fits ? "   " : "!! ") << "level " << n << " message " << t << ": "
                          << used.height() << " of " << kNoticeHeight << " px high\n";
            }
        }
    }
    std::cout << problems << " text(s) do not fit\n";
    return problems == 0 ? 0 : 1;
}

int Shoot(const game::PackageRecord& package, int level, int heroTile, const std::string& out) {
    if (level < 0 || level >= static_cast<int>(package.levels.size()))
        return Fail("the package has no level " + std::to_string(level));
    std::string failed;
    if (!game::LoadSurfaces(&failed)) return Fail(failed + ": cannot be read");

    game::InitTileCoordinates();
    game::LevelNumber = level;
    game::UseLevelRecord(package.levels[level]);
    for (game::Tile& tile : game::Tiles)
        tile.Revealed = game::kTrue;
    game::HeroDead = heroTile < 0;
    if (heroTile >= 0) {
        game::HeroX = static_cast<float>(game::Tiles[heroTile].X + 2);
        game::HeroY = static_cast<float>(game::Tiles[heroTile].Y + 2);
        game::HeroFacing = 1;
    }

    platform::PixelSurface field(kField, kField);
    game::ComposeFrame(field);
    game::FreeSurfaces();

    QImage image(reinterpret_cast<const uchar*>(field.pixels.data()), kField, kField, kField * 4,
                 QImage::Format_RGB32);
    if (!image.save(QString::fromStdString(out), "PNG")) return Fail(out + ": cannot be written");
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    std::vector<std::string> args(argv + 1, argv + argc);
    // The data of the layout the program is in, found as the game finds it.
    std::string data =
        platform::AppPaths::ForProgram(QCoreApplication::applicationDirPath().toStdString())
            .DataFolder();
    int heroTile = -1;
    std::vector<std::string> plain;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--data" && i + 1 < args.size()) {
            data = args[++i];
        } else if (args[i] == "--hero" && i + 1 < args.size()) {
            heroTile = std::atoi(args[++i].c_str());
            if (heroTile < 0 || heroTile >= game::kTileCount)
                return Fail("--hero takes a tile 0-624");
        } else {
            plain.push_back(args[i]);
        }
    }
    const bool texts = plain.size() == 2 && plain[1] == "--texts";
    if (plain.size() != 3 && !texts) {
        std::cerr << "Usage: karvelun-level-shot PACKAGE.all LEVEL OUT.png [--data DIR] "
                     "[--hero TILE]\n"
                     "       karvelun-level-shot PACKAGE.all --texts [--data DIR]\n";
        return 2;
    }
    // The pictures are read as a portable game beside data/ reads them.
    game::Places = platform::AppPaths::Portable(fs::path(data).parent_path().string()).Places();
    game::Places.data = data;
    platform::LoadGameFont(QString::fromStdString(data + "/fonts/DejaVuSans-Bold.ttf"));

    game::PackageRecord package;
    if (!ReadPackage(plain[0], package)) return Fail(plain[0] + ": not a level package");
    if (texts) return ReportTexts(package);
    return Shoot(package, std::atoi(plain[1].c_str()), heroTile, plain[2]);
}
