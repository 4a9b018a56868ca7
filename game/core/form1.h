// The game window: the play field, the message log and the status panel.
#pragma once

#include <QPlainTextEdit>
#include <QTimer>

#include "game/platform/background_window.h"

namespace game {

class Form1 : public platform::BackgroundWindow {
    Q_OBJECT
  public:
    explicit Form1(QWidget* parent = nullptr);

    // The message log.
    QPlainTextEdit* Text1;
    // Starts the frame loop while a game exists.
    QTimer* Timer1;

    // Pixel width of a text in the play field's font.
    int TextWidth(const QString& text) const;

  protected:
    // Closing the game window shuts the program down.
    void closeEvent(QCloseEvent* event) override;
};

}  // namespace game
