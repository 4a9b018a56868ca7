#include "game/app/launch_options.h"

#include <QCommandLineParser>
#include <algorithm>
#include <iterator>

#include "game/core/terminal.h"
#include "game/platform/shown_text.h"
#include "game/replay/player.h"

namespace platform {

namespace {

QString Said(const char* czechTemplate, std::initializer_list<std::string_view> names = {}) {
    return QString::fromStdString(game::TerminalLine(czechTemplate, names));
}

}  // namespace

std::optional<LaunchOptions> ParseLaunchOptions(const QStringList& arguments, QString* error) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption replay(QStringLiteral("replay"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption speed(QStringLiteral("speed"), QString(), QStringLiteral("N"));
    const QCommandLineOption level(QStringLiteral("level"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption tile(QStringLiteral("tile"), QString(), QStringLiteral("N"));
    const QCommandLineOption help(QStringList{QStringLiteral("help"), QStringLiteral("h")});
    const QCommandLineOption version(QStringLiteral("version"));
    for (const QCommandLineOption* option : {&replay, &speed, &level, &tile, &help, &version})
        parser.addOption(*option);
    auto fail = [&](const QString& message) -> std::optional<LaunchOptions> {
        if (error) *error = message;
        return std::nullopt;
    };
    if (!parser.parse(arguments)) {
        if (!parser.unknownOptionNames().isEmpty()) {
            // Named as it was typed: "--levle", "-x".
            const QString name = parser.unknownOptionNames().first();
            QString typed = QStringLiteral("--") + name;
            for (const QString& argument : arguments)
                if (argument.startsWith('-') &&
                    argument.section('=', 0, 0).mid(
                        argument.startsWith(QLatin1String("--")) ? 2 : 1) == name)
                    typed = argument.section('=', 0, 0);
            return fail(Said(SHOWN_TEXT("Terminal", "Neznámá volba %1"), {typed.toStdString()}));
        }
        // The parser's only other mistake: an option that takes a value
        // given last, without one.
        return fail(Said(SHOWN_TEXT("Terminal", "Volbě %1 chybí hodnota"),
                         {arguments.isEmpty() ? std::string() : arguments.last().toStdString()}));
    }
    LaunchOptions options;
    // The help and the version say what they say whatever else is asked.
    options.help = parser.isSet(help);
    options.version = parser.isSet(version);
    if (options.help || options.version) return options;
    if (!parser.positionalArguments().isEmpty())
        return fail(Said(SHOWN_TEXT("Terminal", "Nečekaný argument %1"),
                         {parser.positionalArguments().first().toStdString()}));
    if (parser.isSet(replay) && parser.isSet(level))
        return fail(Said(SHOWN_TEXT("Terminal", "--replay a --level nelze použít spolu")));

    if (parser.isSet(replay)) options.replayFile = parser.value(replay).toStdString();
    if (parser.isSet(speed)) {
        if (options.replayFile.empty())
            return fail(Said(SHOWN_TEXT("Terminal", "--speed patří k --replay")));
        bool number = false;
        const int value = parser.value(speed).toInt(&number);
        if (!number || std::find(std::begin(replay::kReplaySpeeds), std::end(replay::kReplaySpeeds),
                                 value) == std::end(replay::kReplaySpeeds))
            return fail(Said(SHOWN_TEXT("Terminal", "--speed musí být 1, 2, 8 nebo 0, ne %1"),
                             {parser.value(speed).toStdString()}));
        options.replaySpeed = value;
    }

    if (parser.isSet(level)) {
        options.levelFile = parser.value(level).toStdString();
        if (options.levelFile.empty())
            return fail(Said(SHOWN_TEXT("Terminal", "--level potřebuje soubor")));
    }
    if (parser.isSet(tile)) {
        if (options.levelFile.empty())
            return fail(Said(SHOWN_TEXT("Terminal", "--tile patří k --level")));
        bool number = false;
        const int value = parser.value(tile).toInt(&number);
        if (!number || value < 0 || value > 624)
            return fail(Said(SHOWN_TEXT("Terminal", "--tile potřebuje políčko od 0 do 624, ne %1"),
                             {parser.value(tile).toStdString()}));
        options.startTile = value;
    }
    return options;
}

}  // namespace platform
