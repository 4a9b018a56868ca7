#include "game/windows/window_style.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPalette>
#include <QResizeEvent>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

#include "game/desktop/fonts.h"

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

void StyleStoneScrollBarForUnit(QAbstractScrollArea& area, double unit) {
    StyleStoneScrollBar(area, std::max(1, static_cast<int>(std::lround(unit))));
}

// The notice's frame around a larger field: corners as they are, the
// middle of each edge repeated along it, black inside.
QImage StoneFrame(const QImage& picture, QSize size) {
    constexpr int kBorder = kStoneBorder;
    QImage frame(size, QImage::Format_RGB32);
    frame.fill(Qt::black);
    if (picture.width() <= 3 * kBorder || picture.height() <= 3 * kBorder) return frame;
    const int w = size.width(), h = size.height();
    const int pw = picture.width(), ph = picture.height();
    const QRect top(kBorder, 0, pw - 2 * kBorder, kBorder);
    const QRect bottom(kBorder, ph - kBorder, pw - 2 * kBorder, kBorder);
    const QRect left(0, kBorder, kBorder, ph - 2 * kBorder);
    const QRect right(pw - kBorder, kBorder, kBorder, ph - 2 * kBorder);
    QPainter painter(&frame);
    for (int x = kBorder; x < w - kBorder; x += top.width()) {
        const int width = std::min(top.width(), w - kBorder - x);
        painter.drawImage(QPoint(x, 0), picture, QRect(top.topLeft(), QSize(width, kBorder)));
        painter.drawImage(QPoint(x, h - kBorder), picture,
                          QRect(bottom.topLeft(), QSize(width, kBorder)));
    }
    for (int y = kBorder; y < h - kBorder; y += left.height()) {
        const int height = std::min(left.height(), h - kBorder - y);
        painter.drawImage(QPoint(0, y), picture, QRect(left.topLeft(), QSize(kBorder, height)));
        painter.drawImage(QPoint(w - kBorder, y), picture,
                          QRect(right.topLeft(), QSize(kBorder, height)));
    }
    painter.drawImage(QPoint(0, 0), picture, QRect(0, 0, kBorder, kBorder));
    painter.drawImage(QPoint(w - kBorder, 0), picture, QRect(pw - kBorder, 0, kBorder, kBorder));
    painter.drawImage(QPoint(0, h - kBorder), picture, QRect(0, ph - kBorder, kBorder, kBorder));
    painter.drawImage(QPoint(w - kBorder, h - kBorder), picture,
                      QRect(pw - kBorder, ph - kBorder, kBorder, kBorder));
    return frame;
}

}  // namespace game
