#include "game/desktop/background_window.h"

#include <QEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QRegion>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cmath>

#include "game/desktop/view.h"
#include "game/platform/pixel_scaler.h"

namespace platform {
namespace {

// Every window of the game, so that a dialog opening in full screen can be
// put above the window that fills the screen.
std::vector<BackgroundWindow*>& AllWindows() {
    static std::vector<BackgroundWindow*> windows;
    return windows;
}

BackgroundWindow* VisibleScreenFiller() {
    for (BackgroundWindow* window : AllWindows())
        if (window->FillsScreen() && window->isVisible()) return window;
    return nullptr;
}

QScreen* ScreenOf(const QWidget& window) {
    if (QScreen* screen = window.screen()) return screen;
    return View::Instance().Screen();
}

}  // namespace

BackgroundWindow::BackgroundWindow(int width, int height, const QColor& colour, QWidget* parent)
    : QWidget(parent), logicalSize_(width, height), colour_(colour) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    View& view = View::Instance();
    placement_ = FramedPlacement(view.Choice(), view.PixelRatio());
    setFixedSize(WindowedSize());
    RebuildBackground();
    connect(&view, &View::Changed, this, &BackgroundWindow::FollowView);
    AllWindows().push_back(this);
    connect(this, &QObject::destroyed, [this] { std::erase(AllWindows(), this); });
}

QSize BackgroundWindow::WindowedSize() const {
    // Whole device pixels, as the content's image has them.
    const double ratio = placement_.pixelRatio;
    return QSize(
        static_cast<int>(std::lround(placement_.DevicePixelsOf(logicalSize_.width()) / ratio)),
        static_cast<int>(std::lround(placement_.DevicePixelsOf(logicalSize_.height()) / ratio)));
}

void BackgroundWindow::SetBackground(const QImage& picture) {
    background_ = picture;
    RebuildBackground();
    update();
}

void BackgroundWindow::RebuildBackground() {
    // The window at its own size first, exactly as it always looked, then
    // every pixel of it enlarged.
    QImage logical(logicalSize_, QImage::Format_RGB32);
    logical.fill(colour_);
    if (!background_.isNull()) {
        QPainter painter(&logical);
        painter.drawImage(0, 0, background_);
    }
    if (placement_.Fills()) {
        QImage filled(placement_.DevicePixelsOf(logical.width()),
                      placement_.DevicePixelsOf(logical.height()), QImage::Format_RGB32);
        FillPixels(reinterpret_cast<const uint32_t*>(logical.constBits()),
                   static_cast<std::size_t>(logical.bytesPerLine() / 4), logical.width(),
                   logical.height(), reinterpret_cast<uint32_t*>(filled.bits()),
                   static_cast<std::size_t>(filled.bytesPerLine() / 4), filled.width(),
                   filled.height());
        scaledBackground_ = filled;
        return;
    }
    const int scale = placement_.scale;
    if (scale == 1) {
        scaledBackground_ = logical;
        return;
    }
    QImage scaled(logicalSize_ * scale, QImage::Format_RGB32);
    EnlargePixels(reinterpret_cast<const uint32_t*>(logical.constBits()),
                  static_cast<std::size_t>(logical.bytesPerLine() / 4), 0, 0, logical.width(),
                  logical.height(), reinterpret_cast<uint32_t*>(scaled.bits()),
                  static_cast<std::size_t>(scaled.bytesPerLine() / 4), scale);
    scaledBackground_ = scaled;
}

void BackgroundWindow::CentreOnScreen() {
    QScreen* s = ScreenOf(*this);
    if (!s) return;
    // Above a window that fills the screen the whole screen counts; else
    // what the desktop's panels leave.
    const bool fullScreen = View::Instance().FullScreen();
    QRect area = fullScreen ? s->geometry() : s->availableGeometry();
    QSize outer = frameGeometry().size().expandedTo(size());
    move(area.center() - QPoint(outer.width() / 2, outer.height() / 2));
}

QRect BackgroundWindow::LogicalGeometry(const QWidget* child) const {
    for (const Control& control : controls_)
        if (control.widget == child) return control.logical;
    return child ? child->geometry() : QRect();
}

QPoint BackgroundWindow::LogicalPoint(QPointF position) const {
    return QPoint(placement_.PixelX(position.x()), placement_.PixelY(position.y()));
}

void BackgroundWindow::AdoptControls() {
    // The controls were laid out in the game's pixels; those places are
    // kept, and the window puts each control at its place times the scale.
    for (QObject* object : children()) {
        auto* widget = qobject_cast<QWidget*>(object);
        if (!widget || widget->isWindow()) continue;
        auto known = std::find_if(controls_.begin(), controls_.end(),
                                  [widget](const Control& c) { return c.widget == widget; });
        if (known != controls_.end()) continue;
        const bool ownFont =
            widget->testAttribute(Qt::WA_SetFont) && widget->font().pixelSize() > 0;
        controls_.push_back({widget, widget->geometry(), ownFont ? widget->font().pixelSize() : 0});
    }
    std::erase_if(controls_, [](const Control& c) { return c.widget.isNull(); });
}

ScaleChoice BackgroundWindow::ChoiceNow() const {
    View& view = View::Instance();
    if (!readsLarger_ || !view.LargeText()) return view.Choice();
    // No larger than the screen holds: a dialog cut by the screen's edge
    // would hide more than small letters do.
    double fitting = view.Choice().Factor();
    if (const QScreen* screen = ScreenOf(*this)) {
        const PixelSize room =
            DevicePixels(screen->availableGeometry().width(), screen->availableGeometry().height(),
                         view.PixelRatio());
        fitting = std::min(static_cast<double>(room.width) / logicalSize_.width(),
                           static_cast<double>(room.height) / logicalSize_.height());
    }
    return ReadingLarger(view.Choice(), fitting);
}

void BackgroundWindow::SetTextGrows(QWidget* control) {
    AdoptControls();
    for (Control& known : controls_)
        if (known.widget == control) known.textGrows = true;
    LayOut();
}

void BackgroundWindow::LayOut() {
    View& view = View::Instance();
    const int oldScale = placement_.scale;
    const double oldFill = placement_.fill;
    const double oldRatio = placement_.pixelRatio;
    if (fullNow_) {
        QSize area = isVisible() ? size() : QSize();
        if (area.isEmpty())
            if (QScreen* s = ScreenOf(*this)) area = s->geometry().size();
        placement_ = CentredPlacement({logicalSize_.width(), logicalSize_.height()}, ChoiceNow(),
                                      view.PixelRatio(), area.width(), area.height());
    } else {
        placement_ = FramedPlacement(ChoiceNow(), view.PixelRatio());
        setFixedSize(WindowedSize());
    }
    AdoptControls();
    const double unit = placement_.Unit();
    for (const Control& control : controls_) {
        const QRect& r = control.logical;
        const int left = placement_.UnitsX(r.left()), top = placement_.UnitsY(r.top());
        const int right = placement_.UnitsX(r.left() + r.width());
        const int bottom = placement_.UnitsY(r.top() + r.height());
        control.widget->setGeometry(left, top, right - left, bottom - top);
        if (control.fontPixels > 0) {
            QFont font = control.widget->font();
            const double grows = control.textGrows && view.LargeText() ? kLargeTextZoom : 1.0;
            font.setPixelSize(
                std::max(1, static_cast<int>(std::lround(control.fontPixels * unit * grows))));
            control.widget->setFont(font);
        }
    }
    if (!laidOut_ || oldScale != placement_.scale || oldFill != placement_.fill ||
        oldRatio != placement_.pixelRatio) {
        laidOut_ = true;
        RebuildBackground();
        Rescaled();
    }
    update();
}

void BackgroundWindow::FollowView() {
    View& view = View::Instance();
    if (!isVisible()) {
        // A hidden window takes the new view now and its place when shown.
        LayOut();
        return;
    }
    if (fillsScreen_) {
        const bool wantFull = view.FullScreen();
        if (wantFull && !fullNow_) {
            EnterFullScreen();
        } else if (!wantFull && fullNow_) {
            LeaveFullScreen();
        } else {
            const QPoint centre = geometry().center();
            LayOut();
            if (!fullNow_) move(pos() + centre - geometry().center());
        }
        return;
    }
    const QPoint centre = geometry().center();
    const bool wasCentredAbove = placedAbove_;
    LayOut();
    if (view.FullScreen()) {
        placedAbove_ = true;
        CentreOnScreen();
        // Above the window that now fills the screen.
        QTimer::singleShot(0, this, [this] {
            if (!isVisible()) return;
            raise();
            activateWindow();
        });
    } else if (wasCentredAbove) {
        placedAbove_ = false;
        TakeWindowedPlace();
    } else {
        // A new scale grows or shrinks the window round its centre.
        move(pos() + centre - geometry().center());
    }
}

void BackgroundWindow::EnterFullScreen() {
    fullNow_ = true;
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    LayOut();
    setWindowState(windowState() | Qt::WindowFullScreen);
}

void BackgroundWindow::LeaveFullScreen() {
    fullNow_ = false;
    setWindowState(windowState() & ~Qt::WindowFullScreen);
    LayOut();
    TakeWindowedPlace();
}

bool BackgroundWindow::CentreIfNeverPlaced() {
    if (placed_) return false;
    CentreOnScreen();
    placed_ = true;
    windowedPos_ = geometry().topLeft();
    return true;
}

void BackgroundWindow::TakeWindowedPlace() {
    if (!CentreIfNeverPlaced()) RestoreWindowedPlace();
}

void BackgroundWindow::RestoreWindowedPlace() {
    // The client area where it was: the frame may differ by now.
    setGeometry(QRect(windowedPos_, size()));
}

void BackgroundWindow::PlaceForShowing() {
    View& view = View::Instance();
    if (fillsScreen_) {
        if (view.FullScreen()) {
            if (!fullNow_) EnterFullScreen();
            LayOut();
        } else if (fullNow_) {
            LeaveFullScreen();
        } else {
            LayOut();
            CentreIfNeverPlaced();
        }
        return;
    }
    LayOut();
    // A dialog over a window that fills the screen is one of its own: the
    // window system keeps it above that window.
    BackgroundWindow* filler = view.FullScreen() ? VisibleScreenFiller() : nullptr;
    const Qt::WindowType type = filler ? Qt::Dialog : Qt::Window;
    if (windowType() != type) setWindowFlags((windowFlags() & ~Qt::WindowType_Mask) | type);
    if (filler) {
        create();
        filler->create();
        windowHandle()->setTransientParent(filler->windowHandle());
    } else if (windowHandle()) {
        windowHandle()->setTransientParent(nullptr);
    }
    if (view.FullScreen()) {
        placedAbove_ = true;
        CentreOnScreen();
        return;
    }
    if (!CentreIfNeverPlaced() && placedAbove_) RestoreWindowedPlace();
    placedAbove_ = false;
}

void BackgroundWindow::setVisible(bool visible) {
    if (visible && !isVisible()) PlaceForShowing();
    QWidget::setVisible(visible);
}

void BackgroundWindow::NoteFrame() {
    if (fullNow_ || placedAbove_ || !isVisible()) return;
    const QRect outer = frameGeometry(), inner = geometry();
    QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(),
                   outer.right() - inner.right(), outer.bottom() - inner.bottom());
    if (!frame.isNull()) View::Instance().NoteFrame(frame);
}

void BackgroundWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    // Where the player put the window is where it comes back.
    if (isVisible() && !fullNow_ && !placedAbove_) windowedPos_ = geometry().topLeft();
    NoteFrame();
}

void BackgroundWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The screen's size decides where the content of a full-screen window lies.
    if (fullNow_) LayOut();
}

void BackgroundWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    NoteFrame();
}

void BackgroundWindow::Form_MouseMove(float, float) {}

void BackgroundWindow::Form_MouseDown(float, float) {}

void BackgroundWindow::mouseMoveEvent(QMouseEvent* event) {
    QPoint at = LogicalPoint(event->position());
    Form_MouseMove(static_cast<float>(at.x()), static_cast<float>(at.y()));
}

void BackgroundWindow::mousePressEvent(QMouseEvent* event) {
    QPoint at = LogicalPoint(event->position());
    Form_MouseDown(static_cast<float>(at.x()), static_cast<float>(at.y()));
}

void BackgroundWindow::DrawDevicePixels(QPainter& painter, int x, int y,
                                        const QImage& image) const {
    const double unit = placement_.Unit();
    painter.drawImage(QPointF(placement_.originX + x * unit, placement_.originY + y * unit),
                      DeviceImage(image, placement_.pixelRatio));
}

void BackgroundWindow::UpdateDevicePixels(const QRect& device) {
    if (device.isEmpty()) return;
    const double ratio = placement_.pixelRatio;
    update(QRectF(placement_.originX + device.x() / ratio, placement_.originY + device.y() / ratio,
                  device.width() / ratio, device.height() / ratio)
               .toAlignedRect());
}

void BackgroundWindow::PaintContent(QPainter& painter) {
    DrawDevicePixels(painter, 0, 0, scaledBackground_);
}

void BackgroundWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (fullNow_) {
        // Black round the content of a window that fills the screen.
        QRect content(placement_.UnitsX(0), placement_.UnitsY(0), 0, 0);
        content.setRight(placement_.UnitsX(logicalSize_.width()) - 1);
        content.setBottom(placement_.UnitsY(logicalSize_.height()) - 1);
        QRegion surround = QRegion(rect()).subtracted(content);
        for (const QRect& part : surround)
            painter.fillRect(part, Qt::black);
    }
    PaintContent(painter);
}

QImage DeviceImage(const QImage& pixels, double pixelRatio) {
    if (pixelRatio == 1.0 || pixels.isNull()) return pixels;
    QImage shared(pixels.constBits(), pixels.width(), pixels.height(), pixels.bytesPerLine(),
                  pixels.format());
    shared.setDevicePixelRatio(pixelRatio);
    return shared;
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
