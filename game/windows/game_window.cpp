#include "game/windows/game_window.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPalette>
#include <algorithm>
#include <cmath>
#include <vector>

#include "game/core/access_settings.h"
#include "game/core/drawing.h"
#include "game/core/float_text_stacking.h"
#include "game/core/game_state.h"
#include "game/core/health_signs.h"
#include "game/core/impact_sparks.h"
#include "game/core/key_bindings.h"
#include "game/core/level_names.h"
#include "game/core/messages.h"
#include "game/core/speech.h"
#include "game/desktop/fonts.h"
#include "game/desktop/key_events.h"
#include "game/desktop/view.h"
#include "game/platform/keys.h"
#include "game/platform/rounding.h"
#include "game/platform/surface.h"
#include "game/play/keyboard.h"
#include "game/play/startup.h"
#include "game/records/records_keeper.h"
#include "game/windows/floor_title.h"
#include "game/windows/language.h"
#include "game/windows/load_window.h"
#include "game/windows/pause_overlay.h"
#include "game/windows/run_timer_print.h"
#include "game/windows/translated_text.h"
#include "game/windows/window_style.h"

namespace game {
namespace {

constexpr int kLabelHeight = 19;

struct LabelPlace {
    int left, top, width;
    QColor colour;
};

// The fixed captions of the status panel, Label4(0) ... Label4(8).
const LabelPlace kCaptionPlaces[9] = {
    {520, 117, 114, QColor(255, 0, 0)},     {654, 117, 114, QColor(0, 192, 192)},
    {520, 183, 114, QColor(255, 255, 0)},   {654, 183, 114, QColor(0, 192, 192)},
    {520, 250, 114, QColor(255, 128, 0)},   {520, 316, 114, QColor(255, 128, 0)},
    {654, 250, 114, QColor(255, 128, 0)},   {654, 316, 114, QColor(255, 128, 0)},
    {520, 381, 114, QColor(192, 192, 192)},
};
const char* const kCaptions[9] = {
    QT_TRANSLATE_NOOP("Panel", "Životy"),      QT_TRANSLATE_NOOP("Panel", "Zkušenosti"),
    QT_TRANSLATE_NOOP("Panel", "Peníze"),      QT_TRANSLATE_NOOP("Panel", "Úroveň"),
    QT_TRANSLATE_NOOP("Panel", "Síla magie"),  QT_TRANSLATE_NOOP("Panel", "Síla bomby"),
    QT_TRANSLATE_NOOP("Panel", "Dosah magie"), QT_TRANSLATE_NOOP("Panel", "Dosah bomby"),
    QT_TRANSLATE_NOOP("Panel", "Rychlost")};

// The lives' caption and number while the hero flashes.
const QColor kLivesFlashBackground(200, 0, 0);

const LabelPlace kLivesPlace{520, 146, 49, QColor(255, 128, 128)};
const LabelPlace kMaxLivesPlace{585, 146, 49, QColor(255, 128, 128)};
const LabelPlace kExperiencePlaces[2] = {{654, 146, 49, QColor(128, 255, 255)},
                                         {719, 146, 49, QColor(128, 255, 255)}};
const LabelPlace kValuePlaces[7] = {
    {538, 212, 78, QColor(255, 255, 128)}, {672, 212, 78, QColor(128, 255, 255)},
    {538, 279, 78, QColor(255, 192, 128)}, {672, 279, 78, QColor(255, 192, 128)},
    {538, 345, 78, QColor(255, 192, 128)}, {672, 345, 78, QColor(255, 192, 128)},
    {538, 410, 78, QColor(255, 255, 255)},
};

template <typename Label = QLabel>
Label* MakeStatusLabel(QWidget* parent, const LabelPlace& place, const QString& text) {
    auto* label = new Label(text, parent);
    label->setGeometry(place.left, place.top, place.width, kLabelHeight);
    label->setFont(platform::GameFont(8.25));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, Qt::black);
    palette.setColor(QPalette::WindowText, place.colour);
    label->setPalette(palette);
    return label;
}

QColor ColourOf(int32_t colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

// Where a floating text is printed: at its own top-left corner, or moved
// the least way inside the field where it would stick out, so that it is
// read whole.  Only the print moves; the text keeps its place and its rise.
const QColor kFloatTextOutline(0, 0, 0);

QPoint FloatTextCorner(float x, float y, QSizeF size) {
    const int width = static_cast<int>(std::ceil(size.width()));
    const int height = static_cast<int>(std::ceil(size.height()));
    return {std::clamp<int>(platform::CInt(x), 0, std::max(0, kFieldSize - width)),
            std::clamp<int>(platform::CInt(y), 0, std::max(0, kFieldSize - height))};
}

}  // namespace

// ---------------------------------------------------------------------------
// The play field.

PlayField::PlayField(Form1& form, QWidget* parent) : QWidget(parent), form_(form) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PlayField::SetScale(int scale, double pixelRatio, QSize filled) {
    scale = std::max(scale, 1);
    if (filled.width() < kFieldSize || filled.height() < kFieldSize) filled = QSize();
    if (scale == scale_ && pixelRatio == pixelRatio_ && filled == filled_) return;
    scale_ = scale;
    filled_ = filled;
    // The enlarged copy is kept only where there is something to enlarge.
    if (!filled_.isEmpty())
        enlarged_.ResetFilled(kFieldSize, kFieldSize, filled_.width(), filled_.height());
    else
        enlarged_.Reset(scale_ > 1 ? kFieldSize : 0, scale_ > 1 ? kFieldSize : 0, scale_);
    pixelRatio_ = pixelRatio;
    frame_ = nullptr;
    keptFrame_ = QImage();
    presented_ = false;
    // The last frame again, at the new size.
    const QImage& frame = form_.FieldImage();
    if (!frame.isNull()) Present(frame);
    update();
}

QImage PlayField::Shown() const {
    if (scale_ == 1 && filled_.isEmpty()) {
        if (!frame_) {
            QImage black(kFieldSize, kFieldSize, QImage::Format_RGB32);
            black.fill(0);
            return black;
        }
        return QImage(frame_, kFieldSize, kFieldSize, frameStride_, QImage::Format_RGB32);
    }
    return QImage(reinterpret_cast<const uchar*>(enlarged_.Pixels()), enlarged_.OutWidth(),
                  enlarged_.OutHeight(),
                  static_cast<qsizetype>(enlarged_.Stride() * sizeof(uint32_t)),
                  QImage::Format_RGB32);
}

void PlayField::LetGoOfFrame() {
    if (!frame_ || !keptFrame_.isNull()) return;
    keptFrame_ = Shown().copy();
    frame_ = keptFrame_.constBits();
    frameStride_ = keptFrame_.bytesPerLine();
}

void PlayField::Present(const QImage& frame) {
    if (frame.size() != QSize(kFieldSize, kFieldSize) || frame.format() != QImage::Format_RGB32)
        return;
    if (scale_ == 1 && filled_.isEmpty()) {
        // The frame's own pixels, read in place: a copy of the image would
        // share them and make the next print into the frame copy them away.
        frame_ = frame.constBits();
        frameStride_ = frame.bytesPerLine();
        keptFrame_ = QImage();
        presented_ = true;
        repaint();
        return;
    }
    const auto& changed = enlarged_.Update(reinterpret_cast<const uint32_t*>(frame.constBits()),
                                           static_cast<std::size_t>(frame.bytesPerLine() / 4));
    presented_ = true;
    if (changed.empty()) return;
    // Only what changed goes to the screen, in the field's units.
    QRegion region;
    for (const platform::PixelRect& part : changed) {
        const platform::PixelRect out = enlarged_.OutRect(part);
        const int left = static_cast<int>(std::floor(out.left / pixelRatio_));
        const int top = static_cast<int>(std::floor(out.top / pixelRatio_));
        const int right = static_cast<int>(std::ceil(out.right / pixelRatio_));
        const int bottom = static_cast<int>(std::ceil(out.bottom / pixelRatio_));
        region += QRect(left, top, right - left, bottom - top);
    }
    repaint(region);
}

void PlayField::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (!presented_) {
        painter.fillRect(rect(), Qt::black);
    } else {
        // The enlarged frame pixel for pixel, only where it is repainted.
        QImage shown = platform::DeviceImage(Shown(), pixelRatio_);
        // The field is opaque: where its frame does not reach (it grew and
        // the next frame is not enlarged yet) it shows black, never what a
        // window over it left there.
        const QRect reached(0, 0, static_cast<int>(shown.width() / pixelRatio_),
                            static_cast<int>(shown.height() / pixelRatio_));
        for (const QRect& part : event->region().subtracted(reached))
            painter.fillRect(part, Qt::black);
        for (const QRect& part : event->region()) {
            const QRectF source(part.x() * pixelRatio_, part.y() * pixelRatio_,
                                part.width() * pixelRatio_, part.height() * pixelRatio_);
            painter.drawImage(QRectF(part), shown, source);
        }
    }
    // The overlay of a standing game covers the field at its shown size.
    if (Paused && !pauseShown_) {
        pauseNotices_.clear();
        if (RecordsKeeper* keeper = CurrentRecordsKeeper())
            for (const Achievement* a : keeper->TakeUnannounced())
                pauseNotices_ << game::Shown("Rules", kAchievementLinePattern)
                                     .arg(game::Shown("Achievements", a->name));
    }
    pauseShown_ = Paused;
    if (pauseShown_) PaintPauseOverlay(painter, rect(), pauseNotices_);
}

void PlayField::FollowPause() {
    if (Paused != pauseShown_) update();
}

void PlayField::keyPressEvent(QKeyEvent* event) {
    form_.Picture1_KeyDown(*event);
}

void PlayField::keyReleaseEvent(QKeyEvent* event) {
    form_.Picture1_KeyUp(*event);
}

void PlayField::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    // Another window or a dialog over the field took the keyboard: the keys
    // held now will release there, never here.  A click in the log only
    // passes through it.
    if (event->reason() != Qt::MouseFocusReason) form_.Picture1_LostFocus();
}

bool PlayField::focusNextPrevChild(bool) {
    return false;
}

// ---------------------------------------------------------------------------
// The game window.

Form1::Form1(QWidget* parent) : BackgroundWindow(779, 516, QColor(64, 64, 64), parent) {
    setWindowTitle(QStringLiteral("Orvane Karvelun v1.02"));
    SetFillsScreen(true);

    // The field prints like the original bitmap font: every pixel of a
    // letter in the text's own colour, no blending into the pictures below.
    FollowTextSize();
    connect(&platform::View::Instance(), &platform::View::Changed, this, &Form1::FollowTextSize);
    runTimerFont_ = RunTimerFont();

    Picture1 = new PlayField(*this, this);
    Picture1->setGeometry(8, 8, kFieldSize, kFieldSize);
    setFocusProxy(Picture1);

    Text1 = new QPlainTextEdit(this);
    Text1->setGeometry(520, 8, 249, 97);
    Text1->setReadOnly(true);
    Text1->setFont(platform::GameFont(8.25));
    Text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // The story is told in light letters on the black of the log's panel.
    Text1->setFrameShape(QFrame::NoFrame);
    QPalette logColours = Text1->palette();
    logColours.setColor(QPalette::Base, Qt::black);
    logColours.setColor(QPalette::Text, QColor(224, 224, 224));
    Text1->setPalette(logColours);
    StyleStoneScrollBar(*Text1);
    Text1->installEventFilter(this);

    CreateStatusLabels();
    // The log wraps its lines anew at the larger letters.
    SetTextGrows(Text1);
    // The field's scale from the placement laid out so far: at a start in
    // full screen it already fills the screen, and no later layout changes
    // it to tell the field again.
    Rescaled();

    Timer1 = new QTimer(this);
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);

    // Focus moving between the game's own windows (a notice, a dialog, a
    // message box) leaves the program active; only another program taking
    // the keyboard makes it inactive.
    lostKeyboardTimer_ = new QTimer(this);
    lostKeyboardTimer_->setSingleShot(true);
    lostKeyboardTimer_->setInterval(kLostKeyboardGraceMs);
    connect(lostKeyboardTimer_, &QTimer::timeout, this, &Form1::Form_LostKeyboard);
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this,
            &Form1::Form_ApplicationStateChanged);
}

Form1::~Form1() {
    ReleasePlayField();
}

void Form1::CreateStatusLabels() {
    for (size_t i = 0; i < Label4.size(); ++i)
        Label4[i] = MakeStatusLabel(this, kCaptionPlaces[i], Shown("Panel", kCaptions[i]));
    Label1 = MakeStatusLabel<LivesLabel>(this, kLivesPlace, QStringLiteral("10"));
    Label3 = MakeStatusLabel(this, kMaxLivesPlace, QStringLiteral("10"));
    Label5[0] = MakeStatusLabel(this, kExperiencePlaces[0], QStringLiteral("0"));
    Label5[1] = MakeStatusLabel(this, kExperiencePlaces[1], QStringLiteral("100"));
    for (size_t i = 0; i < Label6.size(); ++i)
        Label6[i] = MakeStatusLabel(this, kValuePlaces[i], QStringLiteral("0"));
}

void Form1::ShowStatus(const StatusCaptions& captions) {
    QLabel* const values[11] = {Label1,    Label3,    Label5[0], Label5[1], Label6[0], Label6[1],
                                Label6[2], Label6[3], Label6[4], Label6[5], Label6[6]};
    for (size_t i = 0; i < captions.size(); ++i)
        values[i]->setText(QString::fromStdString(captions[i]));
}

void Form1::FlashLives(bool on) {
    if (on == livesFlashing_) return;
    livesFlashing_ = on;
    // The caption and the number of lives in white on red while the hero
    // flashes, in their own colours on black again afterwards.
    for (QLabel* label : std::initializer_list<QLabel*>{Label4[0], Label1}) {
        const LabelPlace& place = label == Label1 ? kLivesPlace : kCaptionPlaces[0];
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, on ? kLivesFlashBackground : QColor(Qt::black));
        palette.setColor(QPalette::WindowText, on ? QColor(Qt::white) : place.colour);
        label->setPalette(palette);
    }
}

void Form1::FollowTextSize() {
    QFont font = platform::GameFont(8.25);
    if (platform::View::Instance().LargeText())
        font.setPixelSize(
            static_cast<int>(std::lround(font.pixelSize() * platform::kLargeTextZoom)));
    if (font.pixelSize() == fieldFont_.pixelSize() &&
        fieldFont_.styleStrategy() == QFont::NoAntialias)
        return;
    fieldFont_ = font;
    fieldFont_.setStyleStrategy(QFont::NoAntialias);
    laidOutTexts_.clear();
}

int Form1::TextWidth(const QString& text) const {
    return QFontMetrics(fieldFont_).horizontalAdvance(text);
}

void Form1::EnsurePlayField() {
    if (fieldDc_) return;
    fieldDc_ = platform::CreateCompatibleDC();
    fieldBitmap_ = platform::CreateCompatibleBitmap(kFieldSize, kFieldSize);
    platform::SelectObject(fieldDc_, fieldBitmap_);
    platform::PixelSurface* field = platform::SurfaceOfDc(fieldDc_);
    // The image shares the surface's pixels: what the frame composes there
    // is what the painter prints on and the screen shows.
    fieldImage_ = QImage(reinterpret_cast<uchar*>(field->pixels.data()), field->width,
                         field->height, field->width * 4, QImage::Format_RGB32);
}

void Form1::ReleasePlayField() {
    Picture1->LetGoOfFrame();
    fieldImage_ = QImage();
    if (fieldDc_) platform::DeleteDC(fieldDc_);
    if (fieldBitmap_) platform::DeleteObject(fieldBitmap_);
    fieldDc_ = fieldBitmap_ = 0;
}

const QStaticText& Form1::LaidOut(const std::string& text) {
    auto found = laidOutTexts_.find(text);
    if (found != laidOutTexts_.end()) return found->second;
    // A game shows few different texts; a long one may show many numbers.
    if (laidOutTexts_.size() > 512) laidOutTexts_.clear();
    QStaticText laidOut(QString::fromStdString(text));
    laidOut.setTextFormat(Qt::PlainText);
    laidOut.setPerformanceHint(QStaticText::AggressiveCaching);
    laidOut.prepare(QTransform(), fieldFont_);
    return laidOutTexts_.emplace(text, std::move(laidOut)).first->second;
}

void Form1::PrintFloatTexts() {
    if (FloatTextCount == 0) return;
    QPainter painter(&fieldImage_);
    painter.setFont(fieldFont_);
    const bool english = EnglishShown();
    std::vector<const QStaticText*> laidOut(static_cast<std::size_t>(FloatTextCount));
    std::vector<FloatTextBox> boxes(laidOut.size());
    for (int i = 0; i < FloatTextCount; ++i) {
        const FloatText& text = FloatTexts[i];
        float x = text.X;
        std::string shown;
        if (english) {
            // The rules centred the Czech text; another text is centred on
            // the same middle.
            shown = ShownText(TextOf(text)).toStdString();
            if (shown != text.Text)
                x += static_cast<float>(TextWidth(QString::fromStdString(text.Text)) -
                                        TextWidth(QString::fromStdString(shown))) /
                     2.0f;
        }
        const QStaticText& laid = LaidOut(english ? shown : text.Text);
        const QPoint corner = FloatTextCorner(x, text.Y, laid.size());
        laidOut[static_cast<std::size_t>(i)] = &laid;
        boxes[static_cast<std::size_t>(i)] = {
            corner.x(), corner.y(), static_cast<int>(std::ceil(laid.size().width())),
            static_cast<int>(std::ceil(laid.size().height())), text.Age};
    }
    const std::vector<int> tops = StackedTops(boxes);
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const QPoint at(boxes[i].left, tops[i]);
        // A dark rim one pixel wide, so that the text reads over any floor,
        // wall or water.
        painter.setPen(kFloatTextOutline);
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (dx != 0 || dy != 0) painter.drawStaticText(at + QPoint(dx, dy), *laidOut[i]);
        painter.setPen(ColourOf(FloatTexts[i].Colour));
        painter.drawStaticText(at, *laidOut[i]);
    }
}

void Form1::DrawFrame() {
    EnsurePlayField();
    ComposeFrame(fieldDc_);
    platform::PixelSurface* field = platform::SurfaceOfDc(fieldDc_);
    if (field) DrawImpactSparks(*field);
    const HealthLook& health = CurrentHealthSigns().Look();
    if (field && (health.hurtFlash || health.hurtRim || health.edgeAlpha > 0))
        DrawHealthSigns(*field, health);
    FlashLives(health.hurtFlash);
    Label1->Mark(health.livesLow, health.hurtFlash || health.hurtRim);
    PrintFloatTexts();
    if (ShowRunTimer) PrintRunTimer(fieldImage_, runTimerFont_, runTimer_.Reading());
    // The finished frame, pictures and texts at the field's own size, is
    // enlarged once as it is shown.
    Picture1->Present(fieldImage_);
}

void Form1::Rescaled() {
    const platform::ViewPlacement& view = Placement();
    QSize filled;
    if (view.Fills()) {
        // The field's own place on the window's pixel grid.
        const QRect field = LogicalGeometry(Picture1);
        filled =
            QSize(view.DevicePixelsOf(field.x() + field.width()) - view.DevicePixelsOf(field.x()),
                  view.DevicePixelsOf(field.y() + field.height()) - view.DevicePixelsOf(field.y()));
    }
    Picture1->SetScale(Scale(), view.pixelRatio, filled);
    // The log's scroll bar at the window's scale.
    StyleStoneScrollBarForUnit(*Text1, Placement().Unit());
}

void Form1::Picture1_KeyDown(QKeyEvent& event) {
    auto key = platform::VirtualKeyOf(event);
    if (!key) return;
    if (key->keyCode == platform::vk::F2 && TakeStatusKey(event.isAutoRepeat())) return;
    // The chosen keys and the repeats of a held key are the keyboard
    // module's business.
    KeyboardKeyDown(key->keyCode, key->shift, event.isAutoRepeat());
    Picture1->FollowPause();
}

void Form1::Picture1_KeyUp(QKeyEvent& event) {
    if (!platform::IsRealKeyRelease(event)) return;
    auto key = platform::VirtualKeyOf(event);
    if (!key) return;
    KeyboardKeyUp(key->keyCode, key->shift);
}

void Form1::Picture1_GameKeyDown(platform::VirtualKey key, bool autoRepeat) {
    // Holding a key repeats its press: that keeps a direction or the fire
    // going, but must not repeat a command such as Pause or a quick save.
    PlayKeyDown(key.keyCode, key.shift, autoRepeat);
    Picture1->FollowPause();
}

bool Form1::TakeStatusKey(bool autoRepeat) {
    // A command the player put on F2 keeps it.
    const settings::KeyCodes& keys = ActiveKeyBindings().Keys();
    if (!Access.speech || std::find(keys.begin(), keys.end(), platform::vk::F2) != keys.end())
        return false;
    if (!autoRepeat) SpeakStatus();
    return true;
}

void Form1::SpeakStatus() {
    const QString floor = FloorTitle(LevelNumber, LevelName(LevelNumber));
    Speak(Shown("Speech", QT_TRANSLATE_NOOP("Speech", "Životy %1 z %2, peníze %3, %4."))
              .arg(Lives)
              .arg(MaxLives)
              .arg(Gold)
              .arg(floor)
              .toStdString());
}

bool Form1::TakePadKey(int16_t keyCode, bool pressed, bool autoRepeat) {
    // The left stick's press reads the hero's state; nothing of the rules.
    if (keyCode == platform::vk::F2) {
        if (pressed && !autoRepeat) SpeakStatus();
        return true;
    }
    if (pressed)
        Picture1_GameKeyDown({keyCode, 0}, autoRepeat);
    else
        Picture1_GameKeyUp({keyCode, 0});
    return true;
}

void Form1::Picture1_GameKeyUp(platform::VirtualKey key) {
    PlayKeyUp(key.keyCode, key.shift);
}

void Form1::Picture1_LostFocus() {
    ReleaseHeldKeys();
}

void Form1::Form_ApplicationStateChanged(Qt::ApplicationState state) {
    if (state == Qt::ApplicationActive)
        lostKeyboardTimer_->stop();
    else if (hadKeyboard_ && PauseOnFocusLoss)
        lostKeyboardTimer_->start();
}

void Form1::Form_LostKeyboard() {
    // Only during play: the game window is hidden while the menu is up.
    if (!PauseOnFocusLoss || !hadKeyboard_ || !isVisible() || GameSuspended) return;
    PauseForLostKeyboard();
    Picture1->FollowPause();
}

void Form1::Text1_GotFocus() {
    Picture1->setFocus(Qt::OtherFocusReason);
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Text1 && event->type() == QEvent::FocusIn) Text1_GotFocus();
    return BackgroundWindow::eventFilter(watched, event);
}

void Form1::Timer1_Timer() {
    Loop.Timer1_Timer();
}

void Form1::showEvent(QShowEvent* event) {
    BackgroundWindow::showEvent(event);
    Picture1->setFocus(Qt::ActiveWindowFocusReason);
}

void Form1::changeEvent(QEvent* event) {
    BackgroundWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) hadKeyboard_ = true;
    // The panel's captions in the new language.
    if (event->type() == QEvent::LanguageChange)
        for (int i = 0; i < 9; ++i)
            Label4[i]->setText(Shown("Panel", kCaptions[i]));
}

void Form1::hideEvent(QHideEvent* event) {
    BackgroundWindow::hideEvent(event);
    // Left for the menu or the end of a game; a window minimised by the
    // player is hidden by the window system and still in play.
    if (!event->spontaneous()) {
        hadKeyboard_ = false;
        lostKeyboardTimer_->stop();
    }
    // Keys released while the menu is shown never reach the play field.
    ReleaseHeldKeys();
}

void Form1::closeEvent(QCloseEvent* event) {
    // The shut-down hides and unloads the windows itself.
    event->ignore();
    ShutDown();
}

}  // namespace game
