#include "game/windows/window_set.h"

#include <QApplication>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <cmath>

#include "game/core/game_state.h"
#include "game/core/key_bindings.h"
#include "game/core/music_director.h"
#include "game/core/speech.h"
#include "game/desktop/pacing.h"
#include "game/desktop/picture.h"
#include "game/desktop/sheet_surfaces.h"
#include "game/desktop/view.h"
#include "game/records/records_keeper.h"
#include "game/windows/campaign_window.h"
#include "game/windows/credits_window.h"
#include "game/windows/game_window.h"
#include "game/windows/help_window.h"
#include "game/windows/language.h"
#include "game/windows/load_window.h"
#include "game/windows/menu_window.h"
#include "game/windows/message_window.h"
#include "game/windows/notice_window.h"
#include "game/windows/progress_window.h"
#include "game/windows/qt_speaker.h"
#include "game/windows/question_window.h"
#include "game/windows/records_window.h"
#include "game/windows/save_window.h"
#include "game/windows/settings_window.h"
#include "game/windows/translated_text.h"

namespace game {

WindowSet::WindowSet()
    : form1_(std::make_unique<Form1>()),
      form2_(std::make_unique<Form2>()),
      form3_(std::make_unique<Form3>()),
      form4_(std::make_unique<Form4>()),
      form5_(std::make_unique<Form5>()),
      form6_(std::make_unique<Form6>()),
      form7_(std::make_unique<Form7>()),
      form8_(std::make_unique<Form8>()),
      help_(std::make_unique<HelpWindow>()),
      records_(std::make_unique<RecordsWindow>()),
      settings_(std::make_unique<SettingsWindow>()),
      campaigns_(std::make_unique<CampaignWindow>()),
      speaker_(std::make_unique<QtSpeaker>()) {
    settings_->pauseOnFocusLossChanged = [this](bool on) { form1_->PauseOnFocusLoss = on; };
    // A dialog that fills the screen alone stands where the menu will.
    platform::BackgroundWindow::SetScreenCaption(form3_->windowTitle());
    settings_->runTimerChanged = [this](bool on) { form1_->ShowRunTimer = on; };
}

WindowSet::~WindowSet() {
    if (busy_) QApplication::restoreOverrideCursor();
}

void WindowSet::ApplyViewSettings(const ViewSettings& view) {
    form1_->PauseOnFocusLoss = view.pauseOnFocusLoss;
    form1_->ShowRunTimer = view.runTimer;
}

int WindowSet::LogLineCount() {
    return logLines_.Lines();
}

void WindowSet::ClearLog() {
    form1_->Text1->clear();
    logLines_.Clear();
}

void WindowSet::AppendLogLine(const PlayerText& text) {
    // A line break and the text go in at the end without re-reading the
    // whole log, so a long log stays as fast as a short one.  The log thus
    // starts with an empty first line.  A line stays in the language it was
    // written in.
    const QString line = ShownText(text);
    QTextCursor cursor(form1_->Text1->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertBlock();
    cursor.insertText(line);
    logLines_.Add(line);
    form1_->Text1->moveCursor(QTextCursor::End);
    form1_->Text1->ensureCursorVisible();
}

bool WindowSet::ReplaceLastLogLine(const std::string& from, const std::string& to) {
    const QString old = ShownText(from);
    const QTextBlock last = form1_->Text1->document()->lastBlock();
    if (last.text() != old) return false;
    const QString line = ShownText(to);
    QTextCursor cursor(last);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    cursor.insertText(line);
    logLines_.Replace(old, line);
    form1_->Text1->moveCursor(QTextCursor::End);
    form1_->Text1->ensureCursorVisible();
    return true;
}

int WindowSet::TextWidth(const std::string& text) {
    return form1_->TextWidth(QString::fromStdString(text));
}

void WindowSet::ShowStatus(const StatusCaptions& captions) {
    form1_->ShowStatus(captions);
}

void WindowSet::SetLivesCaption(const std::string& caption) {
    form1_->Label1->setText(QString::fromStdString(caption));
}

void WindowSet::ShowNotice(const PlayerText& text) {
    QString shown = ShownText(text);
    // Achievements earned since the last pause or message are told with it.
    if (RecordsKeeper* keeper = CurrentRecordsKeeper())
        for (const Achievement* a : keeper->TakeUnannounced())
            shown += QStringLiteral("\n\n") +
                     Shown("Rules", kAchievementLinePattern).arg(Shown("Achievements", a->name));
    form2_->ShowNotice(shown);
}

void WindowSet::ShowHelp() {
    help_->ShowHelp(ActiveKeyBindings());
}

void WindowSet::ShowMessageBox(const PlayerText& text, const std::string& title) {
    // A text of the rules in the player's language: its template's
    // translation, or the windows' own message of the same words.
    const QString shown = ShownMessageText(text);
    MessageWindow box(Shown("Message", title), shown);
    Speak(shown.toStdString());
    box.ShowModally();
}

bool WindowSet::AskQuestion(const char* question, int32_t number, bool yesByDefault) {
    return AskPlayer(question, yesByDefault ? Answer::kYes : Answer::kNo, number);
}

void WindowSet::ShowProgress() {
    form8_->ResetBar();
    form8_->show();
    form8_->repaint();
}

void WindowSet::AdvanceProgress(int dashes) {
    form8_->AdvanceProgress(dashes);
    loadingHold_.Advanced();
}

void WindowSet::HideProgress() {
    form8_->hide();
}

void WindowSet::SetBusyCursor(bool busy) {
    if (busy == busy_) return;
    busy_ = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void WindowSet::EndGameToMenu() {
    // The stopped timer ends the frame loop it hosts, also when a frame's
    // own step ended the game.
    platform::SetTimerInterval(*form1_->Timer1, 0);
    form1_->Loop.Stop();
    platform::SetTimerInterval(*form3_->Timer1, 1);
    form1_->hide();
    // After the ending's notice: the run's figures and the records it made (its
    // recording is not finished yet: nothing is replayed now).
    RecordsKeeper* keeper = CurrentRecordsKeeper();
    if (keeper && keeper->TakeEndingToShow() && !ShutdownRequested)
        records_->ShowRecords(false, true);
    ShowMainMenu();
}

void WindowSet::SuspendToMenu() {
    // Enter takes the player straight back.
    form3_->ChooseItem(kMenuResume);
    platform::SetTimerInterval(*form3_->Timer1, 1);
    form1_->hide();
    ShowMainMenu();
}

void WindowSet::ResumeGameWindow() {
    platform::SetTimerInterval(*form1_->Timer1, 1);
    form1_->show();
    form1_->raise();
    form1_->activateWindow();
}

void WindowSet::CloseMainWindow() {
    form1_->close();
}

void WindowSet::ProcessEvents() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void WindowSet::DrawFrame() {
    form1_->DrawFrame();
    // The one place the game's pace is kept: at most one frame per display
    // frame, the processor idle while waiting.
    platform::WaitForDisplayFrame();
}

bool WindowSet::LoadBackground(Form form, const std::string& path) {
    std::string error;
    auto picture = platform::LoadPictureImage(path, &error);
    if (!picture) return false;
    platform::BackgroundWindow* window = nullptr;
    switch (form) {
        case Form::Game:
            window = form1_.get();
            break;
        case Form::Notice:
            window = form2_.get();
            break;
        case Form::Menu:
            window = form3_.get();
            break;
        case Form::Credits:
            window = form4_.get();
            break;
        case Form::Question:
            window = form5_.get();
            break;
        case Form::Load:
            window = form6_.get();
            break;
        case Form::Save:
            window = form7_.get();
            break;
        case Form::Progress:
            window = form8_.get();
            break;
    }
    // The load dialog is wider than the picture: its frame is built from it.
    if (form == Form::Load)
        form6_->SetFramePicture(*picture);
    else
        window->SetBackground(*picture);
    // The choice of a campaign looks like the save dialog.
    if (form == Form::Save) campaigns_->SetBackground(*picture);
    // The help and the settings windows are framed in the notice's stones.
    if (form == Form::Notice) {
        help_->SetFramePicture(*picture);
        records_->SetFramePicture(*picture);
        settings_->SetFramePicture(*picture);
    }
    return true;
}

void WindowSet::ShowLoadingNotice() {
    form8_->ResetBar();
    form8_->show();
    QCoreApplication::processEvents();
    loadingHold_.Shown();
}

bool WindowSet::LoadSurfaces(std::string* failedPath) {
    return game::LoadSurfaces(failedPath);
}

void WindowSet::FreeSurfaces() {
    game::FreeSurfaces();
    form1_->ReleasePlayField();
}

void WindowSet::ShowMainMenu() {
    form8_->hide();
    form3_->show();
    form3_->raise();
    form3_->activateWindow();
}

int32_t WindowSet::MainWindowHandle() {
    return static_cast<int32_t>(form1_->winId());
}

void WindowSet::UnloadWindows() {
    QWidget* others[] = {form2_.get(), form3_.get(), form4_.get(), form5_.get(),
                         form6_.get(), form7_.get(), form8_.get()};
    for (QWidget* w : others)
        w->hide();
    help_->hide();
    records_->hide();
    settings_->hide();
    campaigns_->hide();
    form1_->hide();
    QCoreApplication::exit(exitStatus_);
}

}  // namespace game
