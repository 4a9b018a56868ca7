#include "game/desktop/layer_cover.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace platform {

LayerCover::LayerCover(QWidget& host) : QWidget(&host) {
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_NoSystemBackground);
    hide();
}

void LayerCover::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), QColor(0, 0, 0, kDimming));
}

void LayerCover::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void LayerCover::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}

void LayerCover::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}

void LayerCover::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
}

void LayerCover::wheelEvent(QWheelEvent* event) {
    event->accept();
}

}  // namespace platform
