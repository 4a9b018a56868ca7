#include "game/app/tried_level_follow.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <filesystem>

#include "game/core/messages.h"
#include "game/core/terminal.h"
#include "game/levels/byte_stream.h"
#include "game/levels/package_record.h"
#include "game/platform/file_io.h"
#include "game/play/tried_level.h"
#include "game/windows/translated_text.h"

namespace game {
namespace {

// Tells the player in the log, and on the terminal in its language.
void TellBoth(const PlayerText& line) {
    TellLine(InTerminalLanguage(line));
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
    QFile::remove(QDir(tryOut_.dataFolder).filePath("next.en"));
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
        TellBoth(NamedText(kTriedLevelUnreadablePattern, error.toStdString()));
        return;
    }
    // New games begin on the new version too.
    const QDir data(tryOut_.dataFolder);
    std::error_code ec;
    std::filesystem::rename(NextCampaign().toStdString(), data.filePath("levels.all").toStdString(),
                            ec);
    // Its English too, read anew.
    std::filesystem::rename(data.filePath("next.en").toStdString(),
                            data.filePath("levels.en").toStdString(), ec);
    ForgetCampaignTexts();
    platform::TellTextsWithoutEnglish(tryOut_.dataFolder, level);
    TriedLevelChange change;
    change.number = level;
    change.startTile = static_cast<int16_t>(startTile);
    change.level = std::move(campaign.levels[static_cast<size_t>(level)]);
    OfferTriedLevelChange(std::move(change));
    TellBoth(NamedText(kTriedLevelChangedPattern, fileName));
}

}  // namespace game
