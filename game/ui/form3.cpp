#include "game/ui/form3.h"

#include <QCloseEvent>

#include "game/core/windows.h"

namespace game {

Form3::Form3(QWidget* parent) : BackgroundWindow(483, 416, QColor(0x40, 0x40, 0x40), parent) {
    setWindowTitle(QStringLiteral("Orvane Karvelun v1.01"));
    Timer1 = new QTimer(this);
}

void Form3::closeEvent(QCloseEvent* event) {
    event->ignore();
    Windows().CloseMainWindow();
}

}  // namespace game
