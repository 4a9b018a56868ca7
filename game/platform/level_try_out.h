// karvelun --level: a game folder of its own for trying one level.  It
// shares the pictures, sounds, font, settings and sound library of the
// game's folder and holds its own fresh campaign (the tried level in place
// of its number, made by karvelun-levels beside the game), working levels,
// lock and saves, so it runs beside a game and never touches the player's
// files.  The folder is deleted when the try-out ends.
#pragma once

#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <optional>

namespace platform {

struct LevelTryOut {
    std::unique_ptr<QTemporaryDir> folder;  // the game's folder for this run
    int level = 0;
    int startTile = 0;
};

// Makes the folder; on a failure nothing, with the reason in *error.
std::optional<LevelTryOut> PrepareLevelTryOut(const QString& programFolder,
                                              const QString& levelFile,
                                              std::optional<int> startTile, QString* error);

}  // namespace platform
