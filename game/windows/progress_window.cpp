#include "game/windows/progress_window.h"

#include "game/windows/language.h"
#include "game/windows/window_style.h"

namespace game {

Form8::Form8(QWidget* parent) : BackgroundWindow(312, 213, Qt::black, parent) {
    setWindowTitle(QStringLiteral("Karvelun"));
    Label1 = MakeLabel(this, TwipsRect(360, 600, 3975, 255), QColor(255, 128, 0), 9.75,
                       Shown("Progress", QT_TRANSLATE_NOOP("Progress", "Zpracování informací...")));
    Label2 = MakeLabel(this, TwipsRect(360, 1200, 3975, 375), QColor(255, 0, 0), 12.0,
                       QStringLiteral("-"));
}

void Form8::ResetBar() {
    // In the language chosen since the window was made.
    Label1->setText(Shown("Progress", QT_TRANSLATE_NOOP("Progress", "Zpracování informací...")));
    Label2->setText(QStringLiteral("-"));
}

void Form8::AdvanceProgress(int dashes) {
    if (dashes > 0) Label2->setText(Label2->text() + QString(dashes, QLatin1Char('-')));
    Label2->repaint();
    repaint();
}

}  // namespace game
