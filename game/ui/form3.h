// The main menu window.
#pragma once

#include <QTimer>

#include "game/platform/background_window.h"

namespace game {

class Form3 : public platform::BackgroundWindow {
    Q_OBJECT
  public:
    explicit Form3(QWidget* parent = nullptr);

    // Animates the menu while it is shown.
    QTimer* Timer1;

  protected:
    // Closing the menu window ends the game through the game window's unload.
    void closeEvent(QCloseEvent* event) override;
};

}  // namespace game
