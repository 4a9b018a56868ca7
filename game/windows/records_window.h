// The records window (Záznamy): the player's fastest times and fewest deaths
// for the whole cave and its acts, per campaign and difficulty, the
// achievements earned and those still to earn, each marked verified once its
// recordings replayed give the same figures.  First come the figures of the
// game under way or last played (after the ending, the finished run's, act
// by act).  Reached from the credits and the help,
// shown modally on black in the notice's stones; the arrows scroll it, Esc
// or Enter closes it.
#pragma once

#include <QImage>
#include <QLabel>
#include <QScrollArea>

#include "game/desktop/background_window.h"
#include "game/windows/record_replays.h"

namespace game {

class RecordsWindow : public platform::BackgroundWindow {
    Q_OBJECT
  public:
    explicit RecordsWindow(QWidget* parent = nullptr);
    ~RecordsWindow() override;

    void SetFramePicture(const QImage& picture);

    // Shows the records and waits until the player closes the window.
    // replay: recordings not replayed yet may be (never while a game runs);
    // finishedRun: the run under way just finished the cave.
    void ShowRecords(bool replay, bool finishedRun);

    QLabel* Title = nullptr;
    QLabel* Body = nullptr;
    QLabel* Footer = nullptr;

  protected:
    void Rescaled() override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    QString BodyText(bool replay, bool finishedRun);
    RecordReplays replays_;
    QScrollArea* scroll_ = nullptr;
};

}  // namespace game
