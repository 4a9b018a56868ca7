// The question window ("Ano" / "Ne").
#pragma once

#include "game/platform/background_window.h"

namespace game {

class Form5 : public platform::BackgroundWindow {
    Q_OBJECT
  public:
    explicit Form5(QWidget* parent = nullptr);
};

}  // namespace game
