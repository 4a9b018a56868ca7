// The save dialog.
#pragma once

#include "game/platform/background_window.h"

namespace game {

class Form7 : public platform::BackgroundWindow {
    Q_OBJECT
  public:
    explicit Form7(QWidget* parent = nullptr);
};

}  // namespace game
