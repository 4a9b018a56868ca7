#include "game/app/tried_level_follow.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <filesystem>

#include "game/core/messages.h"
#include "game/levels/byte_stream.h"
#include "game/levels/package_record.h"
#include "game/platform/file_io.h"
#include "game/play/tried_level.h"

namespace game {
namespace {

// Tells the player in the log, and the error output in its own words.
void Tell(const PlayerText& line, const std::string& errorLine) {
    std::fprintf(stderr, "karvelun: %s\n", errorLine.c_str());
    AddLogLine(line);
}

}  // namespace

TriedLevelFollow::TriedLevelFollow(const platform::LevelTryOut& tryOut)
    : tryOut_(tryOut), follower_(tryOut.levelFile, [this] { Convert(); }) {
    connect(&tool_, &QProcess::finished, this, &TriedLevelFollow::Converted);
    connect(&tool_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) Converted();
    });
}

TriedLevelFollow::~TriedLevelFollow() {
    tool_.disconnect(this);
    if (tool_.state() != QProcess::NotRunning) {
        tool_.kill();
        tool_.waitForFinished(1000);
    }
}

QString TriedLevelFollow::NextCampaign() const {
    return QDir(tryOut_.dataFolder).filePath("next.all");
}

void TriedLevelFollow::Convert() {
    if (tool_.state() != QProcess::NotRunning) {
        changedAgain_ = true;
        return;
    }
    changedAgain_ = false;
    QFile::remove(NextCampaign());
    platform::StartLevelConversion(tool_, tryOut_, NextCampaign());
}

void TriedLevelFollow::Converted() {
    // A change during the making counts: the older outcome is not used.
    if (changedAgain_) {
        Convert();
        return;
    }
    const std::string fileName = QFileInfo(tryOut_.levelFile).fileName().toStdString();
    int level = 0, startTile = 0;
    QString error;
    PackageRecord campaign;
    std::vector<uint8_t> bytes;
    std::string why;
    if (platform::LevelConversionOutcome(tool_, &level, &startTile, &error)) {
        bool read = ReadWholeFile(NextCampaign().toStdString(), bytes);
        ByteReader in(bytes);
        read = read && ReadPackageRecord(in, false, campaign, &why);
        if (!read || level != tryOut_.level || level >= static_cast<int>(campaign.levels.size()))
            error = QString::fromStdString(fileName + ": the campaign made of it does not read");
    }
    if (!error.isEmpty()) {
        Tell(NamedText(kTriedLevelUnreadablePattern, error.toStdString()),
             fileName +
                 " changed and does not read; the level stays as it was: " + error.toStdString());
        return;
    }
    // New games begin on the new version too.
    std::error_code ec;
    std::filesystem::rename(NextCampaign().toStdString(),
                            QDir(tryOut_.dataFolder).filePath("levels.all").toStdString(), ec);
    TriedLevelChange change;
    change.number = level;
    change.startTile = static_cast<int16_t>(startTile);
    change.level = std::move(campaign.levels[static_cast<size_t>(level)]);
    OfferTriedLevelChange(std::move(change));
    Tell(NamedText(kTriedLevelChangedPattern, fileName), fileName + " changed and is played anew");
}

}  // namespace game
