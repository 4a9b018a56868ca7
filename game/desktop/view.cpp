#include "game/desktop/view.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <cmath>

namespace platform {

bool IsFullScreenKey(int qtKey, Qt::KeyboardModifiers modifiers) {
    if (qtKey == Qt::Key_F11) return true;
    const bool enter = qtKey == Qt::Key_Return || qtKey == Qt::Key_Enter;
    return enter && (modifiers & Qt::AltModifier);
}

View& View::Instance() {
    static View* view = new View();
    return *view;
}

View::View() {
    if (QCoreApplication* app = QCoreApplication::instance()) {
        // Before any window: the switch keys never reach a window's handlers.
        app->installEventFilter(this);
        setParent(app);
    }
    if (auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        connect(gui, &QGuiApplication::primaryScreenChanged, this, [this](QScreen* screen) {
            FollowScreen(screen);
            Refresh();
        });
    FollowScreen(QGuiApplication::primaryScreen());
    Recompute(false);
}

QScreen* View::Screen() const {
    return QGuiApplication::primaryScreen();
}

void View::FollowScreen(QScreen* screen) {
    if (followed_ == screen) return;
    if (followed_) disconnect(followed_, nullptr, this, nullptr);
    followed_ = screen;
    if (!screen) return;
    connect(screen, &QScreen::geometryChanged, this, &View::Refresh);
    connect(screen, &QScreen::availableGeometryChanged, this, &View::Refresh);
    connect(screen, &QObject::destroyed, this, [this] { followed_ = nullptr; });
}

void View::Configure(int chosenScale, bool fullScreen) {
    chosen_ = std::max(0, chosenScale);
    fullScreen_ = fullScreen;
    Recompute(true);
}

void View::SetFullScreen(bool on) {
    if (on == fullScreen_) return;
    fullScreen_ = on;
    Recompute(true);
}

void View::SetLargeText(bool on) {
    if (on == largeText_) return;
    largeText_ = on;
    emit Changed();
}

void View::ToggleFullScreen() {
    SetFullScreen(!fullScreen_);
}

void View::NoteFrame(const QMargins& frame) {
    PixelSize device =
        DevicePixels(frame.left() + frame.right(), frame.top() + frame.bottom(), ratio_);
    if (device == frame_) return;
    frame_ = device;
    Recompute(false);
}

void View::Refresh() {
    Recompute(false);
}

void View::Recompute(bool forceSignal) {
    QScreen* screen = Screen();
    double ratio = screen ? screen->devicePixelRatio() : 1.0;
    ScaleChoice choice;
    if (screen) {
        QSize whole = screen->geometry().size();
        QSize available = screen->availableGeometry().size();
        choice = ChooseScale(
            chosen_, fullScreen_, DevicePixels(whole.width(), whole.height(), ratio),
            DevicePixels(available.width(), available.height(), ratio), frame_, reference_);
    } else if (chosen_ >= 1 && chosen_ != kFillChoice && !fullScreen_) {
        choice.whole = chosen_;
    }
    const bool changed = choice.whole != scale_ || choice.fill != fill_ || ratio != ratio_;
    scale_ = choice.whole;
    fill_ = choice.fill;
    ratio_ = ratio;
    if (changed || forceSignal) emit Changed();
}

bool View::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress || type == QEvent::KeyRelease) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (IsFullScreenKey(key->key(), key->modifiers())) {
            // One switch per press, however long the key is held; the
            // release goes nowhere either.
            if (type == QEvent::KeyPress && !key->isAutoRepeat()) ToggleFullScreen();
            return true;
        }
    } else if (type == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (IsFullScreenKey(key->key(), key->modifiers())) {
            event->accept();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace platform
