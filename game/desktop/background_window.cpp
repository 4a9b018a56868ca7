#include "game/desktop/background_window.h"

#include <QApplication>
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

#include "game/desktop/layer_cover.h"
#include "game/desktop/layer_log.h"
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

QString& ScreenCaption() {
    static QString caption;
    return caption;
}

QScreen* ScreenOf(const QWidget& window) {
    if (QScreen* screen = window.screen()) return screen;
    return View::Instance().Screen();
}

// The layer that holds the widget, if any.
BackgroundWindow* LayerHolding(QWidget* widget) {
    for (QWidget* w = widget; w; w = w->parentWidget()) {
        auto* window = qobject_cast<BackgroundWindow*>(w);
        if (window && window->IsLayer()) return window;
        if (w->isWindow()) break;
    }
    return nullptr;
}

}  // namespace

// What has the keyboard in a host outside its layers is where it returns
// when the last layer closes.
void NoteBaseFocus(QWidget* now) {
    if (!now || LayerHolding(now)) return;
    if (auto* host = qobject_cast<BackgroundWindow*>(now->window())) host->baseFocus_ = now;
}

BackgroundWindow* BackgroundWindow::VisibleScreenFiller() {
    for (BackgroundWindow* window : AllWindows())
        if (window->FillsScreen() && window->isVisible() && !window->hiding_) return window;
    return nullptr;
}

void BackgroundWindow::SetScreenCaption(const QString& caption) {
    ScreenCaption() = caption;
}

BackgroundWindow::BackgroundWindow(int width, int height, const QColor& colour, QWidget* parent)
    : QWidget(parent), logicalSize_(width, height), colour_(colour) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    View& view = View::Instance();
    placement_ = FramedPlacement(view.Choice(), view.PixelRatio());
    setFixedSize(WindowedSize());
    RebuildBackground();
    connect(&view, &View::Changed, this, &BackgroundWindow::FollowView);
    AllWindows().push_back(this);
    static bool followingFocus = false;
    if (!followingFocus && qApp) {
        followingFocus = true;
        QObject::connect(qApp, &QApplication::focusChanged, qApp,
                         [](QWidget*, QWidget* now) { NoteBaseFocus(now); });
    }
}

BackgroundWindow::~BackgroundWindow() {
    std::erase(AllWindows(), this);
    // Layers are windows of their own, owned elsewhere: they leave first.
    for (QObject* object : children()) {
        auto* layer = qobject_cast<BackgroundWindow*>(object);
        if (!layer) continue;
        ++layer->moving_;
        layer->setParent(nullptr, Qt::Window);
        layer->showing_ = Showing::Framed;
        --layer->moving_;
    }
    if (BackgroundWindow* host = Host()) {
        ++moving_;
        setParent(nullptr, Qt::Window);
        host->RestackLayers();
    }
}

BackgroundWindow* BackgroundWindow::Host() const {
    return IsLayer() ? qobject_cast<BackgroundWindow*>(parentWidget()) : nullptr;
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
    // Layers and their cover are not controls.
    for (QObject* object : children()) {
        auto* widget = qobject_cast<QWidget*>(object);
        if (!widget || widget->isWindow() || qobject_cast<BackgroundWindow*>(widget) ||
            qobject_cast<LayerCover*>(widget))
            continue;
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
    // A layer's pixels are as large as its host's.
    const BackgroundWindow* host = Host();
    const ScaleChoice base =
        host ? ScaleChoice{host->placement_.scale, host->placement_.fill} : view.Choice();
    const bool larger = readsLarger_ && view.LargeText();
    if (!larger && !host) return base;
    // No larger than the screen (or the window it lies in) holds: a dialog
    // cut by the edge would hide more than small letters do.
    PixelSize room;
    if (host) {
        room = DevicePixels(host->width(), host->height(), host->placement_.pixelRatio);
    } else if (const QScreen* screen = ScreenOf(*this)) {
        room = DevicePixels(screen->availableGeometry().width(),
                            screen->availableGeometry().height(), view.PixelRatio());
    }
    if (room.width <= 0 || room.height <= 0) return base;
    const double fitting = std::min(static_cast<double>(room.width) / logicalSize_.width(),
                                    static_cast<double>(room.height) / logicalSize_.height());
    // A layer taller than the window it lies in (the settings with all
    // their rows over a menu at its smallest) is drawn smaller, down to the
    // game's own pixels.
    if (host && fitting < base.Factor()) {
        if (fitting <= 1.0) return ScaleChoice{1, 0.0};
        return ScaleChoice{static_cast<int>(std::floor(fitting)), fitting};
    }
    return larger ? ReadingLarger(base, fitting) : base;
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
    if (FullNow()) {
        QSize area = isVisible() ? size() : QSize();
        if (area.isEmpty())
            if (QScreen* s = ScreenOf(*this)) area = s->geometry().size();
        placement_ = CentredPlacement({logicalSize_.width(), logicalSize_.height()}, ChoiceNow(),
                                      view.PixelRatio(), area.width(), area.height());
    } else if (BackgroundWindow* host = Host()) {
        placement_ = FramedPlacement(ChoiceNow(), host->placement_.pixelRatio);
        setFixedSize(WindowedSize());
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
    PlaceLayers();
    update();
}

void BackgroundWindow::FollowView() {
    if (Moving()) return;
    View& view = View::Instance();
    if (!isVisible()) {
        // A hidden window takes the new view now and its place when shown.
        LayOut();
        return;
    }
    if (!fillsScreen_) {
        // Its host, if it has one, places it as it follows the view itself.
        if (!IsLayer() || !Host()->FillsScreen() || !view.FullScreen()) Arrange();
        return;
    }
    const bool wantFull = view.FullScreen();
    if (wantFull && !FullNow()) {
        EnterFullScreen();
    } else if (!wantFull && FullNow()) {
        LeaveFullScreen();
    } else {
        const QPoint centre = geometry().center();
        LayOut();
        if (!FullNow()) move(pos() + centre - geometry().center());
    }
    ArrangeDependants();
}

void BackgroundWindow::EnterFullScreen() {
    showing_ = Showing::FullScreen;
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    LayOut();
    setWindowState(windowState() | Qt::WindowFullScreen);
}

void BackgroundWindow::LeaveFullScreen() {
    showing_ = Showing::Framed;
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
    if (!fillsScreen_) {
        Arrange();
        return;
    }
    View& view = View::Instance();
    if (view.FullScreen()) {
        if (!FullNow()) EnterFullScreen();
        LayOut();
    } else if (FullNow()) {
        LeaveFullScreen();
    } else {
        LayOut();
        CentreIfNeverPlaced();
    }
}

void BackgroundWindow::Arrange() {
    const bool shown = isVisible();
    QWidget* focus = shown ? QApplication::focusWidget() : nullptr;
    if (focus && focus != this && !isAncestorOf(focus)) focus = nullptr;
    // An active window with nothing focused in it has the keyboard itself.
    if (shown && !focus && QApplication::activeWindow() == this) focus = this;
    BackgroundWindow* owner = VisibleScreenFiller();
    if (owner == this) owner = nullptr;
    ++moving_;
    if (!View::Instance().FullScreen()) {
        BecomeFramed(owner);
    } else if (owner) {
        BecomeLayerOf(*owner);
    } else {
        BecomeAlone();
    }
    if (shown && !isVisible()) QWidget::setVisible(true);
    --moving_;
    if (!shown) return;
    if (BackgroundWindow* host = Host()) {
        raise();
        host->RestackLayers();
        // The dialog's window had the keyboard; now the one it lies in has.
        // The window system gives it that window as the dialog's goes, while
        // the dialog still holds the program modally, so the toolkit may
        // not hear of it: it is told, or the pad would find no window with
        // the keyboard.
        if (focus) {
            host->activateWindow();
            if (!QApplication::activeWindow()) QApplication::setActiveWindow(host);
        }
    } else {
        raise();
        activateWindow();
    }
    // The dialog keeps the keyboard where it had it.
    if (focus) focus->setFocus(Qt::ActiveWindowFocusReason);
}

void BackgroundWindow::ArrangeDependants() {
    // Copied: arranging changes the windows' parents, never the list.
    const std::vector<BackgroundWindow*> windows = AllWindows();
    for (BackgroundWindow* window : windows) {
        if (window == this || window->fillsScreen_ || !window->isVisible() || window->Moving())
            continue;
        window->Arrange();
    }
}

void BackgroundWindow::BecomeLayerOf(BackgroundWindow& host) {
    if (FullNow()) LeaveAlone();
    if (parentWidget() != &host) setParent(&host, Qt::Widget);
    // A layer is modal through its cover and the keyboard it holds; as a
    // window again it is modal as it was.
    if (windowModality() != Qt::NonModal) {
        modality_ = windowModality();
        setWindowModality(Qt::NonModal);
    }
    showing_ = Showing::Layer;
    overOwner_ = false;
    LayOut();
    host.PlaceLayers();
}

void BackgroundWindow::BecomeAlone() {
    if (IsLayer()) LeaveHost();
    if (!FullNow()) {
        ownCaption_ = windowTitle();
        if (!ScreenCaption().isEmpty()) setWindowTitle(ScreenCaption());
        overOwner_ = false;
        EnterFullScreen();
    } else {
        LayOut();
    }
}

void BackgroundWindow::LeaveAlone() {
    showing_ = Showing::Framed;
    setWindowState(windowState() & ~Qt::WindowFullScreen);
    setWindowTitle(ownCaption_);
}

void BackgroundWindow::BecomeFramed(BackgroundWindow* owner) {
    // A window of its own that stays one grows or shrinks round its centre.
    const bool stays = isVisible() && showing_ == Showing::Framed && !overOwner_ && isWindow();
    const QPoint centre = geometry().center();
    if (IsLayer()) LeaveHost();
    if (FullNow()) LeaveAlone();
    LayOut();
    // A dialog belongs to the window it opens over: the window system keeps
    // it above that one.
    const Qt::WindowType type = owner ? Qt::Dialog : Qt::Window;
    if (windowType() != type) setWindowFlags((windowFlags() & ~Qt::WindowType_Mask) | type);
    if (owner) {
        create();
        owner->create();
        windowHandle()->setTransientParent(owner->windowHandle());
        const QRect over = owner->geometry();
        setGeometry(QRect(over.center() - QPoint(width() / 2, height() / 2), size()));
        overOwner_ = true;
        owner_ = owner;
        return;
    }
    if (windowHandle()) windowHandle()->setTransientParent(nullptr);
    if (stays)
        move(pos() + centre - geometry().center());
    else if (!CentreIfNeverPlaced())
        RestoreWindowedPlace();
    overOwner_ = false;
}

void BackgroundWindow::LeaveHost() {
    BackgroundWindow* host = Host();
    setParent(nullptr, Qt::Window);
    if (windowModality() == Qt::NonModal) setWindowModality(modality_);
    showing_ = Showing::Framed;
    if (host) host->RestackLayers();
}

BackgroundWindow* BackgroundWindow::TopLayer() const {
    // Children stand in the order they are stacked.
    BackgroundWindow* top = nullptr;
    for (QObject* object : children()) {
        auto* layer = qobject_cast<BackgroundWindow*>(object);
        if (layer && layer->IsLayer() && layer->isVisible()) top = layer;
    }
    return top;
}

void BackgroundWindow::PlaceLayers() {
    for (QObject* object : children()) {
        auto* layer = qobject_cast<BackgroundWindow*>(object);
        if (!layer || !layer->IsLayer()) continue;
        if (layer->placement_.Factor() != layer->ChoiceNow().Factor() ||
            layer->placement_.pixelRatio != placement_.pixelRatio)
            layer->LayOut();
        layer->move((width() - layer->width()) / 2, (height() - layer->height()) / 2);
    }
    if (cover_) cover_->setGeometry(rect());
}

void BackgroundWindow::RestackLayers() {
    BackgroundWindow* top = TopLayer();
    if (!top) {
        if (cover_) cover_->hide();
        return;
    }
    if (!cover_) cover_ = new LayerCover(*this);
    cover_->setGeometry(rect());
    cover_->stackUnder(top);
    cover_->show();
}

void BackgroundWindow::PassFocusOn() {
    BackgroundWindow* host = Host();
    if (!host) return;
    QWidget* focus = QApplication::focusWidget();
    if (focus && focus != this && !isAncestorOf(focus) && focus->isVisible()) return;
    QWidget* next = nullptr;
    if (BackgroundWindow* top = host->TopLayer()) {
        next = top->focusWidget();
        if (!next || (next != top && !top->isAncestorOf(next))) next = top;
    } else {
        next = host->baseFocus_ && host->baseFocus_->isVisible() ? host->baseFocus_.data() : host;
    }
    next->setFocus(Qt::OtherFocusReason);
}

void BackgroundWindow::setVisible(bool visible) {
    if (Moving()) {
        QWidget::setVisible(visible);
        return;
    }
    if (visible && !isVisible()) {
        PlaceForShowing();
        QWidget::setVisible(true);
        // Whatever filled the screen alone now lies over this window.
        if (fillsScreen_) ArrangeDependants();
        return;
    }
    if (!visible && isVisible() && fillsScreen_) {
        // Its layers go over the window that fills the screen instead, or
        // fill it alone: hiding with it would end what waits for them.
        hiding_ = true;
        ArrangeDependants();
        QWidget::setVisible(false);
        hiding_ = false;
        return;
    }
    QWidget::setVisible(visible);
}

void BackgroundWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (Moving()) return;
    modality_ = Qt::NonModal;
    // A dialog that closes gives the keyboard back to the window it was
    // over, as a layer does to the window it lay in.
    if (isWindow() && overOwner_ && owner_ && owner_->isVisible() && !event->spontaneous())
        owner_->activateWindow();
    if (BackgroundWindow* host = Host()) {
        NoteLayer(*this, false);
        host->RestackLayers();
        PassFocusOn();
    }
}

bool BackgroundWindow::event(QEvent* event) {
    const bool taken = QWidget::event(event);
    // The keys a layer leaves are nobody's: the window under it must not see
    // them.
    if (IsLayer() && (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
        event->accept();
        return true;
    }
    return taken;
}

bool BackgroundWindow::focusNextPrevChild(bool next) {
    if (!IsLayer()) return QWidget::focusNextPrevChild(next);
    QWidget* start = QApplication::focusWidget();
    if (!start || (start != this && !isAncestorOf(start))) start = this;
    QWidget* candidate = start;
    do {
        candidate = next ? candidate->nextInFocusChain() : candidate->previousInFocusChain();
        if (candidate != this && !isAncestorOf(candidate)) continue;
        if (candidate->isVisible() && candidate->isEnabled() &&
            (candidate->focusPolicy() & Qt::TabFocus)) {
            candidate->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    } while (candidate != start);
    return true;
}

void BackgroundWindow::NoteFrame() {
    if (showing_ != Showing::Framed || overOwner_ || !isVisible() || !isWindow()) return;
    const QRect outer = frameGeometry(), inner = geometry();
    QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(),
                   outer.right() - inner.right(), outer.bottom() - inner.bottom());
    if (!frame.isNull()) View::Instance().NoteFrame(frame);
}

void BackgroundWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    // Where the player put the window is where it comes back.
    if (isVisible() && showing_ == Showing::Framed && !overOwner_)
        windowedPos_ = geometry().topLeft();
    NoteFrame();
}

void BackgroundWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The screen's size decides where the content of a full-screen window lies.
    if (FullNow()) LayOut();
}

void BackgroundWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    NoteFrame();
    BackgroundWindow* host = Host();
    if (!host || Moving()) return;
    NoteLayer(*this, true);
    raise();
    host->RestackLayers();
    // The layer on top has the keyboard, where it had it last.
    QWidget* focus = focusWidget();
    if (!focus || (focus != this && !isAncestorOf(focus))) focus = this;
    focus->setFocus(Qt::ActiveWindowFocusReason);
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
    if (FullNow()) {
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
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = qobject_cast<BackgroundWindow*>(watched);
        if (event->type() == QEvent::Hide && !(window && window->Moving())) loop_.quit();
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
    // Asked for whatever the window system believes: a dialog over its
    // owner may count as active while its owner has the keyboard.
    if (QWindow* handle = window.window()->windowHandle())
        handle->requestActivate();
    else
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
