// The credits window.
#pragma once

#include "game/platform/background_window.h"

namespace game {

class Form4 : public platform::BackgroundWindow {
    Q_OBJECT
  public:
    explicit Form4(QWidget* parent = nullptr);
};

}  // namespace game
