#include "game/levels/form7.h"

namespace game {

Form7::Form7(QWidget* parent) : BackgroundWindow(312, 213, Qt::black, parent) {
    setWindowTitle(QStringLiteral("Karvelun"));
}

}  // namespace game
