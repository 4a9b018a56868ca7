#include "game/app/level_try_out.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

#include "game/desktop/app_paths.h"

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
