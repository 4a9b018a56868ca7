#include "game/app/own_game_run.h"

#include <QApplication>
#include <QMessageBox>
#include <filesystem>

#include "game/core/music_director.h"
#include "game/play/autosave.h"
#include "game/records/records_file.h"
#include "game/windows/language.h"
#include "game/windows/menu_window.h"
#include "game/windows/window_set.h"

namespace game {
namespace {

// "Do složky <folder> nelze zapisovat." in the player's language.
QString CannotWriteText(const std::string& folderName) {
    return Shown("Message", platform::kCannotWriteTemplate).arg(QString::fromStdString(folderName));
}

// Takes the game's folder for this copy; false, after a message box has
// said why, when another copy holds it or it cannot be written.  Nothing of
// the game is touched then.
bool HoldFolder(platform::OneCopyLock& lock, const platform::AppPaths& paths) {
    QString text;
    switch (lock.Take()) {
        case platform::OneCopyLock::Outcome::Taken:
            return true;
        case platform::OneCopyLock::Outcome::AnotherCopyRuns:
            text = Shown("Message", QT_TRANSLATE_NOOP("Message", "Karvelun už běží."));
            break;
        case platform::OneCopyLock::Outcome::Unusable:
            text = CannotWriteText(paths.FolderName(platform::AppPaths::Folder::WorkingLevels));
            break;
    }
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Karvelun"), text, QMessageBox::Ok);
    box.exec();
    return false;
}

// A save folder that cannot be written costs the saves, not the game: the
// player is told now, and each save says so again when it fails.
void WarnWhenSavesCannotBeWritten(const platform::AppPaths& paths) {
    if (platform::CanMakeOrWrite(paths.SavesFolder(), platform::Surroundings::OfThisProcess()))
        return;
    const QString text = CannotWriteText(paths.FolderName(platform::AppPaths::Folder::Saves)) +
                         QStringLiteral(" ") +
                         Shown("Message", QT_TRANSLATE_NOOP("Message", "Hru nepůjde uložit."));
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Karvelun"), text, QMessageBox::Ok);
    box.exec();
}

}  // namespace

OwnGameRun::OwnGameRun(const platform::AppPaths& layout,
                       std::optional<platform::LevelTryOut> tryOut)
    : tryOut_(std::move(tryOut)), paths_(tryOut_ ? platform::AppPaths::Temporary(layout) : layout) {
    if (tryOut_) {
        NewGameLevel = tryOut_->level;
        NewGameTile = static_cast<int16_t>(tryOut_->startTile);
    }
}

std::optional<int> OwnGameRun::Hold() {
    lock_.emplace(paths_.WorkingLevelsFolder());
    if (!HoldFolder(*lock_, paths_)) return 1;
    platform::AppPaths::RemoveStaleTemporaryFolders();
    // Only the game's own run marks itself, and asks after a run that left
    // its mark; the mark goes after the windows.
    ending_.emplace(paths_.WorkingLevelsFolder(), !tryOut_);
    WarnWhenSavesCannotBeWritten(paths_);
    // The language is known now: the tried level's texts without English.
    if (tryOut_) platform::TellTextsWithoutEnglish(tryOut_->dataFolder, tryOut_->level);
    return std::nullopt;
}

FilePlaces OwnGameRun::Places() const {
    FilePlaces places = paths_.Places();
    // The try-out's own campaign, beside links to the shared pictures, sounds
    // and font.
    if (tryOut_) places.data = tryOut_->dataFolder.toStdString();
    return places;
}

GameWindows& OwnGameRun::Open(WindowSet& windows) {
    // A game pad plays and goes through the menus like the keyboard.
    padKeys_.emplace();
    gamepad_.emplace(*padKeys_);
    // The records beside the saves and the recordings (in memory only without
    // a save folder); a try-out makes none.
    if (!tryOut_)
        records_.emplace(
            paths_.SavesFolder().empty()
                ? std::string()
                : (std::filesystem::path(paths_.SavesFolder()).parent_path() / kRecordsFileName)
                      .string());
    // Every game played is recorded; the recordings a record names stay.
    recordings_.emplace();
    // The player's own game keeps itself on every level; a try-out keeps
    // nothing, and follows its level's file as it is edited.
    EnableAutosaves(!tryOut_);
    if (tryOut_) follow_.emplace(*tryOut_);
    // A desktop that logs out, or a Ctrl+C, ends the game as "Exit" does; a
    // game under way is saved first.
    endingSignals_.emplace([this, &windows](int) { ending_->EndBySignal(windows); });
    return windows;
}

std::function<bool()> OwnGameRun::BeforeMenu() {
    return ending_->BeforeMenu();
}

int OwnGameRun::Run(WindowSet& windows) {
    if (tryOut_)
        windows.form3().MenuItems(0);  // straight into the new game
    else if (!ending_->WentOn())
        Music().Menu();
    return QApplication::exec();
}

void OwnGameRun::Close() {
    endingSignals_.reset();
    follow_.reset();
    recordings_.reset();
    records_.reset();
    gamepad_.reset();
    padKeys_.reset();
}

}  // namespace game
