#include "game/windows/lives_label.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace game {
namespace {

// The panel's labels are 19 game pixels high; the marks are drawn in whole
// game pixels of the window's scale.
constexpr double kLabelGamePixels = 19.0;

}  // namespace

void LivesLabel::Mark(bool low, bool hurt) {
    if (low == framed_ && hurt == underlined_) return;
    framed_ = low;
    underlined_ = hurt;
    update();
}

void LivesLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!framed_ && !underlined_) return;
    const int unit = std::max(1, static_cast<int>(std::lround(height() / kLabelGamePixels)));
    // The number as the label prints it: centred, at the top.
    const QFontMetrics metrics(font());
    const int textWidth = metrics.horizontalAdvance(text());
    const int left = (width() - textWidth) / 2;
    QPainter painter(this);
    const QColor ink = palette().color(QPalette::WindowText);
    if (underlined_) painter.fillRect(left, metrics.ascent() + unit, textWidth, 2 * unit, ink);
    if (framed_) {
        const QRect box(left - 3 * unit, 0, textWidth + 6 * unit,
                        std::min(height(), metrics.height() + 4 * unit));
        painter.fillRect(box.left(), box.top(), box.width(), unit, ink);
        painter.fillRect(box.left(), box.bottom() - unit + 1, box.width(), unit, ink);
        painter.fillRect(box.left(), box.top(), unit, box.height(), ink);
        painter.fillRect(box.right() - unit + 1, box.top(), unit, box.height(), ink);
    }
}

}  // namespace game
