#include "game/windows/window_style.h"

#include <QCoreApplication>
#include <QPalette>
#include <QResizeEvent>
#include <QScrollBar>
#include <algorithm>

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

QString StoneScrollBarStyle(int scale) {
    const int s = std::clamp(scale, 1, 4);
    // The frame's stone (about 60 of 255) would vanish beside the black
    // panel; the handle is a shade lighter, with the frame's lit and shaded
    // edges, and the groove a shade above the panel's black.
    return QStringLiteral(
               "QScrollBar:vertical {"
               " background: #0e0d0c; width: %1px; margin: 0px;"
               " border: none; border-left: %2px solid #24221f; }"
               "QScrollBar::handle:vertical {"
               " background: #5c5852; min-height: %3px; margin: %2px %2px %2px %2px;"
               " border-style: solid; border-width: %2px;"
               " border-top-color: #938b7e; border-left-color: #938b7e;"
               " border-bottom-color: #2a2830; border-right-color: #2a2830; }"
               "QScrollBar::handle:vertical:hover, QScrollBar::handle:vertical:pressed {"
               " background: #6c675f; }"
               "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical {"
               " height: 0px; border: none; background: none; }"
               "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical {"
               " background: none; }")
        .arg(kStoneScrollBarWidth * s)
        .arg(s)
        .arg(16 * s);
}

void StyleStoneScrollBar(QAbstractScrollArea& area, int scale) {
    QScrollBar& bar = *area.verticalScrollBar();
    bar.setStyleSheet(StoneScrollBarStyle(scale));
    // The view places its bar when it is resized, from the size its bar's
    // holder last reported: let the holder hear of the new width, then have
    // the view place the bar again, so that a new scale shows at once.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QResizeEvent sameSize(area.size(), area.size());
    QCoreApplication::sendEvent(&area, &sameSize);
}

}  // namespace game
