// The progress notice (Form8): "Zpracování informací..." over a line of dashes that
// grows while the game loads or while levels are packed and unpacked.
#pragma once

#include <QLabel>

#include "game/desktop/background_window.h"

namespace game {

class Form8 : public platform::BackgroundWindow {
    Q_OBJECT
  public:
    explicit Form8(QWidget* parent = nullptr);

    // The bar back to its first dash.
    void ResetBar();
    // Appends dashes and repaints at once, so the bar grows while the game
    // is busy.
    void AdvanceProgress(int dashes);

    QLabel* Label1;
    QLabel* Label2;
};

}  // namespace game
