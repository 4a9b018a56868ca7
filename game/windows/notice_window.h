// The notice window (Form2): a white text on black, shown modally for message
// screens and the end of a game.  Only Enter or Space closes it.
#pragma once

#include <QLabel>

#include "game/desktop/background_window.h"

namespace game {

class Form2 : public platform::BackgroundWindow {
    Q_OBJECT
  public:
    explicit Form2(QWidget* parent = nullptr);

    // Shows the text and waits until the player closes the notice.
    void ShowNotice(const QString& text);

    QLabel* Label1;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
};

}  // namespace game
