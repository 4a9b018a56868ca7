#include "game/ui/window_style.h"

#include <QPalette>

#include "game/platform/fonts.h"

namespace game {

QLabel* MakeLabel(QWidget* parent, const QRect& place, const QColor& colour, double points,
                  const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(place);
    label->setFont(platform::GameFont(points));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(true);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, Qt::black);
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

}  // namespace game
