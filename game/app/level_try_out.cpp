#include "game/app/level_try_out.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

#include "game/core/game_state.h"
#include "game/core/terminal.h"
#include "game/core/tile_kinds.h"
#include "game/desktop/app_paths.h"
#include "game/levels/byte_stream.h"
#include "game/levels/package_record.h"
#include "game/levels/text_catalogue.h"
#include "game/platform/file_io.h"
#include "game/platform/shown_text.h"
#include "game/windows/language.h"

namespace platform {

std::optional<LevelTryOut> PrepareLevelTryOut(const QString& dataFolder, const QString& levelTool,
                                              const QString& levelFile,
                                              std::optional<int> startTile, QString* error) {
    auto fail = [&](const QString& message) -> std::optional<LevelTryOut> {
        if (error) *error = message;
        return std::nullopt;
    };
    if (!QFileInfo(levelFile).isFile()) return fail(levelFile + ": no such file");
    LevelTryOut tryOut;
    tryOut.folder = std::make_unique<QTemporaryDir>(
        QString::fromStdString(AppPaths::TemporaryFolderPattern("level")));
    if (!tryOut.folder->isValid()) return fail("cannot make a folder for the try-out");
    const QDir base(dataFolder);
    tryOut.dataFolder = tryOut.folder->path() + "/data";
    const QDir own(tryOut.dataFolder);
    if (!own.mkpath(".")) return fail("cannot make a folder for the try-out");
    // The pictures, sounds, music and font are shared, read-only.
    for (const char* shared : {"obr", "zvuky", "hudba", "fonts"})
        if (QFileInfo::exists(base.filePath(shared)))
            QFile::link(base.filePath(shared), own.filePath(shared));

    tryOut.levelFile = QFileInfo(levelFile).absoluteFilePath();
    tryOut.levelTool = levelTool;
    tryOut.campaign = base.filePath("levels.all");
    tryOut.chosenTile = startTile;
    QProcess tool;
    StartLevelConversion(tool, tryOut, own.filePath("levels.all"));
    if (!tool.waitForStarted()) return fail("karvelun-levels beside the game cannot be started");
    tool.waitForFinished(120000);
    QString why;
    if (!LevelConversionOutcome(tool, &tryOut.level, &tryOut.startTile, &why)) return fail(why);
    return tryOut;
}

void TellTextsWithoutEnglish(const QString& dataFolder, int level) {
    if (!game::EnglishShown()) return;
    const QDir folder(dataFolder);
    std::vector<uint8_t> bytes;
    if (!game::ReadWholeFile(folder.filePath("levels.all").toStdString(), bytes)) return;
    game::ByteReader in(bytes);
    game::PackageRecord campaign;
    if (!game::ReadPackageRecord(in, false, campaign) || level < 0 ||
        level >= static_cast<int>(campaign.levels.size()))
        return;
    // No catalogue at all is told when the first text is shown.
    const std::optional<game::TextCatalogue> english =
        game::TextCatalogue::Load(folder.filePath("levels.en").toStdString(), nullptr);
    if (!english) return;
    const game::LevelRecord& tried = campaign.levels[static_cast<size_t>(level)];
    for (int t = 0; t < game::kTileCount; ++t) {
        const game::TileRecord& tile = tried.tiles[static_cast<size_t>(t)];
        if ((tile.Kind == game::kSign || tile.Kind == game::kMessageScreen) &&
            !tile.Param1.empty() && !english->Find(tile.Param1))
            game::Tell(SHOWN_TEXT("Terminal",
                                  "Úroveň %1, políčko %2: text „%3“ nemá anglické znění, "
                                  "zůstane česky"),
                       {std::to_string(level), std::to_string(t), tile.Param1});
    }
}

void StartLevelConversion(QProcess& tool, const LevelTryOut& tryOut, const QString& output) {
    QStringList args = {"tryout", tryOut.levelFile};
    if (tryOut.chosenTile) args << "--tile" << QString::number(*tryOut.chosenTile);
    args << tryOut.campaign << output;
    tool.start(tryOut.levelTool, args);
}

bool LevelConversionOutcome(QProcess& tool, int* level, int* startTile, QString* error) {
    const QString out = QString::fromUtf8(tool.readAllStandardOutput());
    const QString err = QString::fromUtf8(tool.readAllStandardError()).trimmed();
    if (tool.error() == QProcess::FailedToStart) {
        *error = "karvelun-levels beside the game cannot be started";
        return false;
    }
    if (tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0) {
        *error = err.isEmpty() ? "karvelun-levels failed" : err;
        return false;
    }
    static const QRegularExpression kAnswer(R"(^level (\d+) tile (\d+)\s*$)");
    const QRegularExpressionMatch m = kAnswer.match(out);
    if (!m.hasMatch()) {
        *error = "karvelun-levels answered \"" + out.trimmed() + "\"";
        return false;
    }
    *level = m.captured(1).toInt();
    *startTile = m.captured(2).toInt();
    return true;
}

}  // namespace platform
