#include "game/app/playback_run.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <optional>

#include "game/app/program_start.h"
#include "game/core/game_state.h"
#include "game/core/play_observer.h"
#include "game/core/progression.h"
#include "game/core/terminal.h"
#include "game/desktop/app_paths.h"
#include "game/desktop/pacing.h"
#include "game/platform/file_io.h"
#include "game/platform/shown_text.h"
#include "game/play/startup.h"
#include "game/windows/game_window.h"
#include "game/windows/language.h"
#include "game/windows/menu_window.h"
#include "game/windows/playback_controller.h"
#include "game/windows/window_set.h"

namespace game {
namespace {

using replay::Player;
using replay::Recording;

// The game's windows as a watched recording needs them: drawing, the log
// and the status as in play, but nothing that waits for the player or
// leaves the game window (notices, the menu); the game over and the end of
// the campaign are told once the recording has played out.
class PlaybackWindows final : public GameWindows {
  public:
    explicit PlaybackWindows(WindowSet& windows) : w_(windows) {}

    int LogLineCount() override { return w_.LogLineCount(); }
    void ClearLog() override { w_.ClearLog(); }
    void AppendLogLine(const PlayerText& text) override { w_.AppendLogLine(text); }
    bool ReplaceLastLogLine(const std::string& from, const std::string& to) override {
        return w_.ReplaceLastLogLine(from, to);
    }
    int TextWidth(const std::string& text) override { return w_.TextWidth(text); }
    void ShowStatus(const StatusCaptions& captions) override { w_.ShowStatus(captions); }
    void SetLivesCaption(const std::string& caption) override { w_.SetLivesCaption(caption); }
    void ShowNotice(const PlayerText&) override {}
    // A watched game asks nothing: it plays as it was recorded.
    bool AskQuestion(const char*, int32_t, bool) override { return false; }
    // The help on F1 is for the player at the keys, not for a watcher.
    void ShowHelp() override {}
    void ShowMessageBox(const PlayerText& text, const std::string& title) override {
        w_.ShowMessageBox(text, title);
    }
    void ShowProgress() override {}
    void AdvanceProgress(int) override {}
    void HideProgress() override {}
    void SetBusyCursor(bool busy) override { w_.SetBusyCursor(busy); }
    void EndGameToMenu() override {}
    void SuspendToMenu() override {}
    void ResumeGameWindow() override {}
    void CloseMainWindow() override { w_.CloseMainWindow(); }
    void ProcessEvents() override {}
    void DrawFrame() override { w_.DrawFrame(); }
    bool LoadBackground(Form form, const std::string& path) override {
        return w_.LoadBackground(form, path);
    }
    void ShowLoadingNotice() override { w_.ShowLoadingNotice(); }
    bool LoadSurfaces(std::string* failedPath) override { return w_.LoadSurfaces(failedPath); }
    void FreeSurfaces() override { w_.FreeSurfaces(); }
    // The end of the start-up: the loading notice goes, and the watcher
    // sees the game window instead of the menu.
    void ShowMainMenu() override { w_.HideProgress(); }
    int32_t MainWindowHandle() override { return w_.MainWindowHandle(); }
    void UnloadWindows() override { w_.UnloadWindows(); }

  private:
    WindowSet& w_;
};

// Why the recording is not played: its template (of the "Playback"
// context) and the names put in.
struct Refusal {
    const char* czech;
    std::vector<std::string> names;
};

// The box in the windows' language, the terminal's line in its own.
void Refuse(const Refusal& refusal) {
    QString text = Shown("Playback", refusal.czech);
    std::string line = InTerminalLanguage("Playback", refusal.czech);
    for (std::size_t i = 0; i < refusal.names.size(); ++i) {
        text = text.arg(QString::fromStdString(refusal.names[i]));
        const std::string mark = "%" + std::to_string(i + 1);
        if (const std::size_t at = line.find(mark); at != std::string::npos)
            line.replace(at, mark.size(), refusal.names[i]);
    }
    TellLine(line);
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Karvelun"), text, QMessageBox::Ok);
    box.exec();
}

Refusal RefusalOf(const Recording& recording, const Player& player, const std::string& file) {
    if (recording.status == Recording::Status::Foreign)
        return {QT_TRANSLATE_NOOP("Playback", "Soubor %1 není záznam hry Karvelun."), {file}};
    if (recording.status == Recording::Status::NewerFormat)
        return {QT_TRANSLATE_NOOP("Playback",
                                  "Záznam %1 pořídila novější verze hry (formát záznamu verze %2), "
                                  "tato ho neumí přehrát."),
                {file, std::to_string(recording.formatVersion)}};
    if (player.NewerRules())
        return {QT_TRANSLATE_NOOP("Playback",
                                  "Záznam %1 byl pořízen podle novějších pravidel hry (verze %2), "
                                  "tato hra zná pravidla jen do verze %3 a neumí ho přehrát."),
                {file, std::to_string(recording.start.rulesVersion),
                 std::to_string(replay::kRulesVersion)}};
    if (player.CampaignGone())
        return {QT_TRANSLATE_NOOP("Playback", "Záznam %1 patří ke kampani „%2“, která tu není."),
                {file, recording.start.campaign}};
    if (player.CampaignDiffers())
        return {QT_TRANSLATE_NOOP("Playback",
                                  "Záznam %1 byl pořízen s jinou kampaní a nelze ho přehrát."),
                {file}};
    return {QT_TRANSLATE_NOOP("Playback",
                              "Záznam %1 byl pořízen s jinými pravidly hry nebo je poškozený a "
                              "nelze ho přehrát."),
            {file}};
}

}  // namespace

PlayerText PlaybackEndText(const Player& player) {
    const auto frame = static_cast<int32_t>(player.Frame());
    switch (player.GetState()) {
        case Player::State::Ended:
            switch (player.GetRecording().end->how) {
                case GameEnd::Died:
                    return SHOWN_TEXT("Rules", "Záznam skončil: hrdina zahynul.");
                case GameEnd::Finished:
                    return SHOWN_TEXT("Rules", "Záznam skončil: hra byla dohrána.");
                case GameEnd::Loaded:
                    return SHOWN_TEXT("Rules", "Záznam skončil: hráč nahrál jinou hru.");
                case GameEnd::Left:
                    break;
            }
            return SHOWN_TEXT("Rules", "Záznam skončil: hráč hru opustil.");
        case Player::State::CutShort:
            return CountedText(
                SHOWN_COUNTED_TEXT(
                    "Rules", "Záznam je neúplný nebo poškozený, přehrávání skončilo po snímku %n."),
                frame);
        case Player::State::Diverged:
            return CountedText(
                SHOWN_COUNTED_TEXT(
                    "Rules",
                    "Hra se od záznamu odchýlila ve snímku %n, přehrávání bylo zastaveno."),
                frame);
        default:
            return SHOWN_TEXT("Rules", "Přehrávání bylo ukončeno.");
    }
}

namespace {

// The watched recording's run: nothing of the player's own files is
// touched, the recorded saves and the working levels go to a private folder
// removed when the run ends.
class PlaybackRun final : public ProgramRun {
  public:
    PlaybackRun(const Recording& recording, const QString& file, int speed,
                const platform::AppPaths& layout)
        : player_(recording),
          file_(file),
          speed_(speed),
          paths_(platform::AppPaths::Temporary(layout)) {}

    const Player& GetPlayer() const { return player_; }
    const platform::AppPaths& Paths() const override { return paths_; }

    std::optional<int> Hold() override {
        lock_.emplace(paths_.WorkingLevelsFolder());
        if (paths_.WorkingLevelsFolder().empty() ||
            lock_->Take() != platform::OneCopyLock::Outcome::Taken) {
            Refuse({QT_TRANSLATE_NOOP("Playback", "Pro přehrávání nelze vytvořit dočasnou složku."),
                    {}});
            return 2;
        }
        // The controller keeps the pace; a frame never waits for the display.
        platform::SetPacingEnabled(false);
        return std::nullopt;
    }

    GameWindows& Open(WindowSet& windows) override { return playbackWindows_.emplace(windows); }

    int Run(WindowSet& windows) override {
        windows.form3().hide();
        // From here on the game takes nothing from the player's keys.
        SetPlayerInputBlocked(true);
        const int status = Watch(windows);
        SetPlayerInputBlocked(false);
        return status;
    }

    void Close() override { playbackWindows_.reset(); }

  private:
    int Watch(WindowSet& windows) {
        if (!player_.Begin()) {
            Refuse(RefusalOf(player_.GetRecording(), player_, file_.toStdString()));
            windows.SetExitStatus(2);
            ShutDown();
            return 2;
        }
        UpdateStatus();
        Form1& field = windows.form1();
        const QString title = field.windowTitle();
        field.show();
        field.raise();
        field.activateWindow();
        windows.DrawFrame();

        PlaybackController controller(player_, speed_);
        auto showState = [&] {
            const QString speed =
                controller.Speed() == 0
                    ? Shown("Playback", QT_TRANSLATE_NOOP("Playback", "nejrychleji"))
                    : Shown("Playback", QT_TRANSLATE_NOOP("Playback", "%1×"))
                          .arg(controller.Speed());
            field.setWindowTitle(
                title + Shown("Playback", QT_TRANSLATE_NOOP("Playback", " – záznam, ")) +
                (controller.Halted()
                     ? Shown("Playback", QT_TRANSLATE_NOOP("Playback", "pozastaveno"))
                     : speed));
        };
        showState();
        QObject::connect(&controller, &PlaybackController::Changed, showState);
        QObject::connect(&controller, &PlaybackController::EscapePressed, [&] {
            controller.Stop();
            ShutDown();
        });
        QObject::connect(&controller, &PlaybackController::Finished, [&] {
            const PlayerText text = PlaybackEndText(player_);
            std::printf("karvelun: %s\n", InTerminalLanguage(text).c_str());
            std::fflush(stdout);
            if (player_.GetState() != Player::State::Ended) windows.SetExitStatus(2);
            windows.ShowNotice(text);
            ShutDown();
        });
        controller.Start();
        return QApplication::exec();
    }

    Player player_;
    QString file_;
    int speed_;
    platform::AppPaths paths_;
    std::optional<platform::OneCopyLock> lock_;
    std::optional<PlaybackWindows> playbackWindows_;
};

}  // namespace

int RunPlayback(const platform::LaunchOptions& options, const platform::AppPaths& layout) {
    const QString file = QString::fromStdString(options.replayFile);
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(options.replayFile, bytes, 1u << 30)) {
        Refuse({QT_TRANSLATE_NOOP("Playback", "Záznam %1 nelze přečíst."), {options.replayFile}});
        return 2;
    }
    const Recording recording = replay::ParseRecording(bytes);
    if (recording.status == Recording::Status::Foreign ||
        recording.status == Recording::Status::NewerFormat) {
        Refuse(RefusalOf(recording, Player(recording), options.replayFile));
        return 2;
    }
    PlaybackRun run(recording, file, options.replaySpeed, layout);
    return StartAndRun(run);
}

}  // namespace game
