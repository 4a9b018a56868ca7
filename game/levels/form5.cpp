#include "game/levels/form5.h"

namespace game {

Form5::Form5(QWidget* parent) : BackgroundWindow(312, 213, Qt::black, parent) {
    setWindowTitle(QStringLiteral("Karvelun"));
}

}  // namespace game
