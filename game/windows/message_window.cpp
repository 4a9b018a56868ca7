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

constexpr int kBoxMargin = 12;
constexpr int kBoxTitleHeight = 20;
constexpr int kBoxButtonWidth = 90, kBoxButtonHeight = 24;
constexpr double kBoxTextPoints = 8.25;
// A long text scrolls nowhere: the box grows to hold it, up to the menu's
// height.
constexpr int kBoxMinHeight = 120, kBoxMaxHeight = 416;
const QColor kBoxTitleColour(255, 192, 64);
const QColor kBoxButtonColour(255, 255, 0);

int BoxTextHeight(const QString& text) {
    QFont font = platform::GameFont(kBoxTextPoints);
    font.setBold(true);
    const QRect bounds = QFontMetrics(font).boundingRect(
        QRect(0, 0, MessageWindow::kWidth - 2 * kBoxMargin, 10000), Qt::TextWordWrap, text);
    return bounds.height();
}

int BoxHeightFor(const QString& text) {
    const int height =
        kBoxMargin + kBoxTitleHeight + BoxTextHeight(text) + 2 * kBoxMargin + kBoxButtonHeight;
    return std::clamp(height, kBoxMinHeight, kBoxMaxHeight);
}

Rect BoxButtonArea(int windowHeight) {
    const int left = (MessageWindow::kWidth - kBoxButtonWidth) / 2;
    const int top = windowHeight - kBoxMargin - kBoxButtonHeight;
    return Rect{left, top, left + kBoxButtonWidth, top + kBoxButtonHeight};
}

}  // namespace

MessageWindow::MessageWindow(const QString& title, const QString& text, QWidget* parent)
    : BackgroundWindow(kWidth, BoxHeightFor(text), Qt::black, parent) {
    setWindowTitle(title);
    const int height = LogicalSize().height();
    Title = MakeLabel(this, QRect(kBoxMargin, kBoxMargin, kWidth - 2 * kBoxMargin, kBoxTitleHeight),
                      kBoxTitleColour, 9.75, title);
    const int textTop = kBoxMargin + kBoxTitleHeight;
    Text = MakeLabel(this,
                     QRect(kBoxMargin, textTop, kWidth - 2 * kBoxMargin,
                           BoxButtonArea(height).Top - kBoxMargin - textTop),
                     Qt::white, kBoxTextPoints, text);
    Text->setAlignment(Qt::AlignCenter);
    const Rect button = BoxButtonArea(height);
    QLabel* ok = MakeLabel(
        this,
        QRect(button.Left, button.Top, button.Right - button.Left, button.Bottom - button.Top),
        kBoxButtonColour, 9.75, QStringLiteral("OK"));
    ok->setAlignment(Qt::AlignCenter);
    for (QLabel* label : {Title, Text, ok}) {
        label->setFocusPolicy(Qt::NoFocus);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    setFocusPolicy(Qt::StrongFocus);
    SetReadsLarger(true);
}

void MessageWindow::ShowModally() {
    MusicOverlay lowered;
    // Shown also while the game shuts down: the shut-down has a message of
    // its own (a failed unregistration of the sound library).
    platform::ShowModal(*this, nullptr);
}

void MessageWindow::Form_MouseDown(float x, float y) {
    if (PtInRect(BoxButtonArea(LogicalSize().height()), static_cast<int32_t>(x),
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
    PaintOutline(painter, Placement(), BoxButtonArea(LogicalSize().height()));
}

}  // namespace game
