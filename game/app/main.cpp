// The game program: karvelun, karvelun --replay FILE or karvelun --level
// FILE (launch_options.h); each starts up the one way (program_start.h).
#include <QApplication>
#include <cstdio>
#include <optional>

#include "game/app/launch_options.h"
#include "game/app/level_try_out.h"
#include "game/app/own_game_run.h"
#include "game/app/playback_run.h"
#include "game/desktop/app_paths.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The desktop entry the installed game ships, so that the desktop shows
    // its name and icon for the game's windows.
    QGuiApplication::setDesktopFileName(QStringLiteral("cz.karvelun.Karvelun"));
    QString commandLineError;
    const auto options = platform::ParseLaunchOptions(app.arguments(), &commandLineError);
    if (!options) {
        std::fprintf(stderr, "karvelun: %s\n", commandLineError.toUtf8().constData());
        return 2;
    }
    // The layout this program lies in; a try-out or a watched recording
    // reads its data and settings but keeps its own files elsewhere.
    const auto layout =
        platform::AppPaths::ForProgram(QCoreApplication::applicationDirPath().toStdString());
    if (!options->replayFile.empty()) return game::RunPlayback(*options, layout);
    std::optional<platform::LevelTryOut> tryOut;
    if (!options->levelFile.empty()) {
        tryOut = platform::PrepareLevelTryOut(QString::fromStdString(layout.DataFolder()),
                                              QString::fromStdString(layout.LevelToolFile()),
                                              QString::fromStdString(options->levelFile),
                                              options->startTile, &commandLineError);
        if (!tryOut) {
            std::fprintf(stderr, "karvelun: %s\n", commandLineError.toUtf8().constData());
            return 1;
        }
    }
    game::OwnGameRun run(layout, std::move(tryOut));
    return game::StartAndRun(run);
}
