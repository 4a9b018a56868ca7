#include "game/platform/background_window.h"

#include <QEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QTimer>

namespace platform {

BackgroundWindow::BackgroundWindow(int width, int height, const QColor& colour, QWidget* parent)
    : QWidget(parent), colour_(colour) {
    setFixedSize(width, height);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BackgroundWindow::SetBackground(const QImage& picture) {
    background_ = picture;
    update();
}

void BackgroundWindow::CentreOnScreen() {
    QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!s) return;
    QRect area = s->availableGeometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
}

void BackgroundWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), colour_);
    if (!background_.isNull()) painter.drawImage(0, 0, background_);
}

namespace {

// Ends the modal wait when the window is hidden.
class HideWatcher : public QObject {
  public:
    HideWatcher(QEventLoop& loop) : loop_(loop) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Hide) loop_.quit();
        return false;
    }

  private:
    QEventLoop& loop_;
};

}  // namespace

void ShowModal(QWidget& window, bool (*stop)()) {
    if (stop && stop()) return;
    QPointer<QWidget> guard(&window);
    QEventLoop loop;
    HideWatcher watcher(loop);
    window.installEventFilter(&watcher);
    window.setWindowModality(Qt::ApplicationModal);
    window.show();
    window.raise();
    window.activateWindow();
    // A shut-down elsewhere ends the wait too.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (!guard || (stop && stop())) loop.quit();
    });
    poll.start(50);
    if (window.isVisible()) loop.exec();
    if (guard) {
        guard->removeEventFilter(&watcher);
        guard->setWindowModality(Qt::NonModal);
    }
}

}  // namespace platform
