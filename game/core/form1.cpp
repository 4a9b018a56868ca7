#include "game/core/form1.h"

#include <QCloseEvent>
#include <QFontMetrics>

#include "game/core/startup.h"
#include "game/platform/fonts.h"

namespace game {

Form1::Form1(QWidget* parent) : BackgroundWindow(779, 516, QColor(64, 64, 64), parent) {
    setWindowTitle(QStringLiteral("Orvane Karvelun v1.02"));

    Text1 = new QPlainTextEdit(this);
    Text1->setGeometry(520, 8, 249, 97);
    Text1->setReadOnly(true);
    Text1->setFont(platform::GameFont(8.25));
    Text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);

    Timer1 = new QTimer(this);
}

int Form1::TextWidth(const QString& text) const {
    return QFontMetrics(platform::GameFont(8.25)).horizontalAdvance(text);
}

void Form1::closeEvent(QCloseEvent* event) {
    // The shut-down hides and unloads the windows itself.
    event->ignore();
    ShutDown();
}

}  // namespace game
