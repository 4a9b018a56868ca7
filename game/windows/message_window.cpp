#include "game/windows/message_window.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

#include "game/core/game_state.h"
#include "game/core/music_director.h"
#include "game/desktop/fonts.h"
#include "game/windows/dialog_window.h"
#include "game/windows/window_style.h"

namespace game {
namespace {

constexpr int kMargin = 12;
constexpr int kTitleHeight = 20;
constexpr int kButtonWidth = 90, kButtonHeight = 24;
constexpr double kTextPoints = 8.25;
// A long text scrolls nowhere: the box grows to hold it, up to the menu's
// height.
constexpr int kMinHeight = 120, kMaxHeight = 416;
const QColor kTitleColour(255, 192, 64);
const QColor kButtonColour(255, 255, 0);

int TextHeight(const QString& text) {
    QFont font = platform::GameFont(kTextPoints);
    font.setBold(true);
    const QRect bounds = QFontMetrics(font).boundingRect(
        QRect(0, 0, MessageWindow::kWidth - 2 * kMargin, 10000), Qt::TextWordWrap, text);
    return bounds.height();
}

int HeightFor(const QString& text) {
    const int height = kMargin + kTitleHeight + TextHeight(text) + 2 * kMargin + kButtonHeight;
    return std::clamp(height, kMinHeight, kMaxHeight);
}

Rect ButtonArea(int windowHeight) {
    const int left = (MessageWindow::kWidth - kButtonWidth) / 2;
    const int top = windowHeight - kMargin - kButtonHeight;
    return Rect{left, top, left + kButtonWidth, top + kButtonHeight};
}

}  // namespace

MessageWindow::MessageWindow(const QString& title, const QString& text, QWidget* parent)
    : BackgroundWindow(kWidth, HeightFor(text), Qt::black, parent) {
    setWindowTitle(title);
    const int height = LogicalSize().height();
    Title = MakeLabel(this, QRect(kMargin, kMargin, kWidth - 2 * kMargin, kTitleHeight),
                      kTitleColour, 9.75, title);
    const int textTop = kMargin + kTitleHeight;
    Text = MakeLabel(
        this,
        QRect(kMargin, textTop, kWidth - 2 * kMargin, ButtonArea(height).Top - kMargin - textTop),
        Qt::white, kTextPoints, text);
    Text->setAlignment(Qt::AlignCenter);
    const Rect button = ButtonArea(height);
    QLabel* ok = MakeLabel(
        this,
        QRect(button.Left, button.Top, button.Right - button.Left, button.Bottom - button.Top),
        kButtonColour, 9.75, QStringLiteral("OK"));
    ok->setAlignment(Qt::AlignCenter);
    for (QLabel* label : {Title, Text, ok}) {
        label->setFocusPolicy(Qt::NoFocus);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    setFocusPolicy(Qt::StrongFocus);
}

void MessageWindow::ShowModally() {
    MusicOverlay lowered;
    // Shown also while the game shuts down: the shut-down has a message of
    // its own (a failed unregistration of the sound library).
    platform::ShowModal(*this, nullptr);
}

void MessageWindow::Form_MouseDown(float x, float y) {
    if (PtInRect(ButtonArea(LogicalSize().height()), static_cast<int32_t>(x),
                 static_cast<int32_t>(y)))
        hide();
}

void MessageWindow::keyPressEvent(QKeyEvent* event) {
    // A key held since before the box opened must not close it unread.
    if (event->isAutoRepeat()) return;
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
        case Qt::Key_Escape:
            hide();
            break;
        default:
            break;
    }
}

void MessageWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    hide();
}

void MessageWindow::PaintContent(QPainter& painter) {
    BackgroundWindow::PaintContent(painter);
    const Rect whole{0, 0, kWidth, LogicalSize().height()};
    PaintOutline(painter, Placement(), whole);
    PaintOutline(painter, Placement(), ButtonArea(LogicalSize().height()));
}

}  // namespace game
