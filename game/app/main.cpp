// The game program: karvelun, karvelun --replay FILE or karvelun --level
// FILE (launch_options.h); each starts up the one way (program_start.h).
// The help, the version and a mistake on the command line are told before
// the toolkit starts, so they need no display.
#include <QApplication>
#include <cstdio>
#include <optional>

#include "game/app/command_line_help.h"
#include "game/app/launch_options.h"
#include "game/app/level_try_out.h"
#include "game/app/own_game_run.h"
#include "game/app/playback_run.h"
#include "game/core/terminal.h"
#include "game/desktop/app_paths.h"
#include "game/desktop/toolkit_options.h"
#include "game/windows/language.h"

int main(int argc, char** argv) {
    // The layout this program lies in; a try-out or a watched recording
    // reads its data and settings but keeps its own files elsewhere.
    const auto layout = platform::AppPaths::ForThisProgram();
    // The terminal speaks the language setup.ini chooses, else the desktop's.
    game::UseTerminalLanguageOfFile(layout.Places().settingsFile);
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QString commandLineError;
    const auto options =
        platform::ParseLaunchOptions(platform::WithoutToolkitOptions(arguments), &commandLineError);
    if (!options) {
        game::TellLine(commandLineError.toStdString());
        std::fputs(game::GameUsage().c_str(), stderr);
        return 2;
    }
    if (options->help || options->version) {
        std::fputs(options->help ? game::GameUsage().c_str() : (game::GameVersion() + "\n").c_str(),
                   stdout);
        return 0;
    }

    QApplication app(argc, argv);
    // The desktop entry the installed game ships, so that the desktop shows
    // its name and icon for the game's windows.
    QGuiApplication::setDesktopFileName(QStringLiteral("cz.karvelun.Karvelun"));
    // A recording or a level refused before the start-up reads setup.ini
    // whole is refused in the player's language too.
    game::UseLanguagesOfFile(layout.Places().settingsFile);
    if (!options->replayFile.empty()) return game::RunPlayback(*options, layout);
    std::optional<platform::LevelTryOut> tryOut;
    if (!options->levelFile.empty()) {
        tryOut = platform::PrepareLevelTryOut(QString::fromStdString(layout.DataFolder()),
                                              QString::fromStdString(layout.LevelToolFile()),
                                              QString::fromStdString(options->levelFile),
                                              options->startTile, &commandLineError);
        if (!tryOut) {
            game::TellLine(commandLineError.toStdString());
            return 1;
        }
    }
    game::OwnGameRun run(layout, std::move(tryOut));
    return game::StartAndRun(run);
}
