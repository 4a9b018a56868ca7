// karvelun --level: a data folder of its own for trying one level.  It
// links the game's pictures, sounds and font and holds a fresh campaign (the
// tried level in place of its number, made by karvelun-levels beside the
// game).  The game runs it in a temporary layout, whose working levels, lock
// and saves are private too, so a try-out runs beside a game and never
// touches the player's files.  The folder is deleted when the try-out ends.
#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <optional>

namespace platform {

struct LevelTryOut {
    std::unique_ptr<QTemporaryDir> folder;  // holds dataFolder
    QString dataFolder;                     // obr/, zvuky/, fonts/, levels.all
    int level = 0;
    int startTile = 0;
    // What the level is made from, to make it again when its file changes.
    QString levelFile;  // absolute
    QString levelTool;
    QString campaign;  // the game's own levels.all
    std::optional<int> chosenTile;
};

// Starts karvelun-levels making the campaign with the tried level into
// `output` (a .all file).
void StartLevelConversion(QProcess& tool, const LevelTryOut& tryOut, const QString& output);
// The outcome of a finished conversion: true with *level and *startTile
// from its answer, else false with the reason in *error.
bool LevelConversionOutcome(QProcess& tool, int* level, int* startTile, QString* error);

// In an English game: one line on the terminal for each sign or message
// screen of the tried level that has no English text in the try-out's
// catalogue (levels.en beside its levels.all) and so shows in Czech, naming
// the level and the tile.
void TellTextsWithoutEnglish(const QString& dataFolder, int level);

// Makes the folder; on a failure nothing, with the reason in *error.
// dataFolder is the game's read-only data, levelTool the karvelun-levels
// program to run.
std::optional<LevelTryOut> PrepareLevelTryOut(const QString& dataFolder, const QString& levelTool,
                                              const QString& levelFile,
                                              std::optional<int> startTile, QString* error);

}  // namespace platform
