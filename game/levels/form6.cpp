#include "game/levels/form6.h"

namespace game {

Form6::Form6(QWidget* parent) : BackgroundWindow(312, 213, Qt::black, parent) {
    setWindowTitle(QStringLiteral("Karvelun"));
}

}  // namespace game
