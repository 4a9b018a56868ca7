// The load dialog.
#pragma once

#include "game/platform/background_window.h"

namespace game {

class Form6 : public platform::BackgroundWindow {
    Q_OBJECT
  public:
    explicit Form6(QWidget* parent = nullptr);
};

}  // namespace game
