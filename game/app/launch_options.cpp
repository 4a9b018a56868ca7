#include "game/app/launch_options.h"

#include <QCommandLineParser>
#include <algorithm>
#include <iterator>

#include "game/replay/player.h"

namespace platform {

std::optional<LaunchOptions> ParseLaunchOptions(const QStringList& arguments, QString* error) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption replay(
        QStringLiteral("replay"), QStringLiteral("Watch a recorded game."), QStringLiteral("FILE"));
    const QCommandLineOption speed(QStringLiteral("speed"),
                                   QStringLiteral("Speed of watching: 1, 2, 8 or 0 (fastest)."),
                                   QStringLiteral("N"));
    const QCommandLineOption level(QStringLiteral("level"),
                                   QStringLiteral("Start a new game on this level."),
                                   QStringLiteral("FILE"));
    const QCommandLineOption tile(QStringLiteral("tile"),
                                  QStringLiteral("The tile the hero starts on (0-624)."),
                                  QStringLiteral("N"));
    parser.addOption(replay);
    parser.addOption(speed);
    parser.addOption(level);
    parser.addOption(tile);
    auto fail = [&](const QString& message) -> std::optional<LaunchOptions> {
        if (error) *error = message;
        return std::nullopt;
    };
    if (!parser.parse(arguments)) return fail(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return fail(QStringLiteral("unexpected argument: ") + parser.positionalArguments().first());
    if (parser.isSet(replay) && parser.isSet(level))
        return fail(QStringLiteral("--replay and --level cannot be used together"));

    LaunchOptions options;
    if (parser.isSet(replay)) options.replayFile = parser.value(replay).toStdString();
    if (parser.isSet(speed)) {
        if (options.replayFile.empty()) return fail(QStringLiteral("--speed goes with --replay"));
        bool number = false;
        const int value = parser.value(speed).toInt(&number);
        if (!number || std::find(std::begin(replay::kReplaySpeeds), std::end(replay::kReplaySpeeds),
                                 value) == std::end(replay::kReplaySpeeds))
            return fail(QStringLiteral("--speed must be 1, 2, 8 or 0, not ") + parser.value(speed));
        options.replaySpeed = value;
    }

    if (parser.isSet(level)) {
        options.levelFile = parser.value(level).toStdString();
        if (options.levelFile.empty()) return fail(QStringLiteral("--level needs a file"));
    }
    if (parser.isSet(tile)) {
        if (options.levelFile.empty()) return fail(QStringLiteral("--tile goes with --level"));
        bool number = false;
        const int value = parser.value(tile).toInt(&number);
        if (!number || value < 0 || value > 624)
            return fail(QStringLiteral("--tile needs a tile from 0 to 624, not ") +
                        parser.value(tile));
        options.startTile = value;
    }
    return options;
}

}  // namespace platform
