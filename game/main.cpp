// The game program: prepares everything behind the loading notice, then
// runs on window events until the game window is unloaded.
#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <optional>

#include "game/core/game_state.h"
#include "game/core/music_director.h"
#include "game/core/settings.h"
#include "game/core/sound_component.h"
#include "game/platform/app_paths.h"
#include "game/platform/ending_signals.h"
#include "game/platform/fonts.h"
#include "game/platform/launch_options.h"
#include "game/platform/level_try_out.h"
#include "game/platform/view.h"
#include "game/play/autosave.h"
#include "game/play/startup.h"
#include "game/settings/terminal_language.h"
#include "game/windows/game_recordings.h"
#include "game/windows/language.h"
#include "game/windows/menu_window.h"
#include "game/windows/pad_delivery.h"
#include "game/windows/playback_run.h"
#include "game/windows/run_ending.h"
#include "game/windows/tried_level_follow.h"
#include "game/windows/window_set.h"

namespace {

// "Do složky <folder> nelze zapisovat." in the player's language.
QString CannotWriteText(const std::string& folderName) {
    return game::Shown("Message", platform::kCannotWriteTemplate)
        .arg(QString::fromStdString(folderName));
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
            text = game::Shown("Message", QT_TRANSLATE_NOOP("Message", "Karvelun už běží."));
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
    const QString text =
        CannotWriteText(paths.FolderName(platform::AppPaths::Folder::Saves)) + QStringLiteral(" ") +
        game::Shown("Message", QT_TRANSLATE_NOOP("Message", "Hru nepůjde uložit."));
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Karvelun"), text, QMessageBox::Ok);
    box.exec();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Until setup.ini is read the terminal speaks the desktop's language.
    game::UseTerminalLanguage(settings::TerminalLanguage(std::nullopt));
    // The desktop entry the installed game ships, so that the desktop shows
    // its name and icon for the game's windows.
    QGuiApplication::setDesktopFileName(QStringLiteral("cz.karvelun.Karvelun"));
    QString commandLineError;
    const auto options = platform::ParseLaunchOptions(app.arguments(), &commandLineError);
    if (!options) {
        std::fprintf(stderr, "karvelun: %s\n", commandLineError.toUtf8().constData());
        return 2;
    }
    // The layout this program lies in; a try-out or a watched recording
    // reads its data and settings but keeps its own files elsewhere.
    const auto layout =
        platform::AppPaths::ForProgram(QCoreApplication::applicationDirPath().toStdString());
    if (!options->replayFile.empty()) return game::RunPlayback(*options, layout);
    std::optional<platform::LevelTryOut> tryOut;
    if (!options->levelFile.empty()) {
        tryOut = platform::PrepareLevelTryOut(QString::fromStdString(layout.DataFolder()),
                                              QString::fromStdString(layout.LevelToolFile()),
                                              QString::fromStdString(options->levelFile),
                                              options->startTile, &commandLineError);
        if (!tryOut) {
            std::fprintf(stderr, "karvelun: %s\n", commandLineError.toUtf8().constData());
            return 1;
        }
        game::NewGameLevel = tryOut->level;
        game::NewGameTile = static_cast<int16_t>(tryOut->startTile);
    }
    const auto paths = tryOut ? platform::AppPaths::Temporary(layout) : layout;
    // setup.ini, read once and before anything is shown, so that even the
    // box saying another copy runs speaks the chosen language: how large
    // the windows are shown is known before the first of them, the loading
    // notice, opens; the start-up takes the rest.
    const game::Settings settings = game::ReadSettings(paths.Places().settingsFile);
    game::UseLanguagesOf(settings);
    // Held until the program ends, after the shut-down has deleted the
    // working levels.
    platform::OneCopyLock lock(paths.WorkingLevelsFolder());
    if (!HoldFolder(lock, paths)) return 1;
    platform::AppPaths::RemoveStaleTemporaryFolders();
    // Only the game's own run marks itself, and asks after a run that left
    // its mark; the mark goes after the windows.
    game::RunEnding ending(paths.WorkingLevelsFolder(), !tryOut);
    WarnWhenSavesCannotBeWritten(paths);
    game::FilePlaces places = paths.Places();
    // The try-out's own campaign, beside links to the shared pictures, sounds
    // and font.
    if (tryOut) places.data = tryOut->dataFolder.toStdString();

    platform::LoadGameFont(QString::fromStdString(paths.FontFile()));
    const game::ViewSettings& view = settings.view;
    platform::View::Instance().Configure(view.scale, view.fullScreen);
    game::SetSoundComponent(game::LoadSoundComponentFile(paths.SoundLibraryFile()));

    int status;
    {
        game::WindowSet windows;
        game::SetWindows(&windows);
        windows.ApplyViewSettings(view);
        // A game pad plays and goes through the menus like the keyboard.
        game::PadDelivery padKeys;
        platform::Gamepad gamepad(padKeys);
        // Every game played is recorded.
        game::GameRecordings recordings;
        // The player's own game keeps itself on every level; a try-out
        // keeps nothing, and follows its level's file as it is edited.
        game::EnableAutosaves(!tryOut);
        std::optional<game::TriedLevelFollow> follow;
        if (tryOut) follow.emplace(*tryOut);
        // A desktop that logs out, or a Ctrl+C, ends the game as "Exit" does;
        // a game under way is saved first.
        platform::EndingSignals endingSignals([&](int) { ending.EndBySignal(windows); });
        if (game::Main(places, settings, ending.BeforeMenu())) {
            if (tryOut)
                windows.form3().MenuItems(0);  // straight into the new game
            else if (!ending.WentOn())
                game::Music().Menu();
            // A signal during the question has ended the program already.
            status = game::ShutdownRequested ? 0 : app.exec();
        } else {
            windows.SetExitStatus(1);
            game::ShutDown();
            status = 1;
        }
        game::SetWindows(nullptr);
    }
    return status;
}
