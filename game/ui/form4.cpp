#include "game/ui/form4.h"

namespace game {

Form4::Form4(QWidget* parent) : BackgroundWindow(312, 213, QColor(0x40, 0x40, 0x40), parent) {
    setWindowTitle(QStringLiteral("Karvelun"));
}

}  // namespace game
