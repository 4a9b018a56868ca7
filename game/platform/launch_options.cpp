#include "game/platform/launch_options.h"

#include <QCommandLineParser>
#include <algorithm>

namespace platform {

std::optional<LaunchOptions> ParseLaunchOptions(const QStringList& arguments, QString* error) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption replay(
        QStringLiteral("replay"), QStringLiteral("Watch a recorded game."), QStringLiteral("FILE"));
    const QCommandLineOption speed(QStringLiteral("speed"),
                                   QStringLiteral("Speed of watching: 1, 2, 8 or 0 (fastest)."),
                                   QStringLiteral("N"));
    parser.addOption(replay);
    parser.addOption(speed);
    if (!parser.parse(arguments)) {
        *error = parser.errorText();
        return std::nullopt;
    }
    if (!parser.positionalArguments().isEmpty()) {
        *error = QStringLiteral("unexpected argument: ") + parser.positionalArguments().first();
        return std::nullopt;
    }
    LaunchOptions options;
    if (parser.isSet(replay)) options.replayFile = parser.value(replay).toStdString();
    if (parser.isSet(speed)) {
        if (options.replayFile.empty()) {
            *error = QStringLiteral("--speed goes with --replay");
            return std::nullopt;
        }
        bool number = false;
        const int value = parser.value(speed).toInt(&number);
        if (!number || std::find(std::begin(kReplaySpeeds), std::end(kReplaySpeeds), value) ==
                           std::end(kReplaySpeeds)) {
            *error = QStringLiteral("--speed must be 1, 2, 8 or 0, not ") + parser.value(speed);
            return std::nullopt;
        }
        options.replaySpeed = value;
    }
    return options;
}

}  // namespace platform
