// Shared look of the game's small windows: positions given in twips (15 to a
// pixel), centred bold labels on black, scroll bars set in the stone frame.
#pragma once

#include <QAbstractScrollArea>
#include <QColor>
#include <QImage>
#include <QLabel>
#include <QRect>
#include <QString>

namespace game {

inline constexpr int kTwipsPerPixel = 15;

inline QRect TwipsRect(int left, int top, int width, int height) {
    return QRect(left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
                 height / kTwipsPerPixel);
}

// The stone border of the notice's picture ("gui2"), in pixels.
inline constexpr int kStoneBorder = 8;
// The notice's frame around a larger field: its corners as they are, the
// middle of each edge repeated along it, black inside.  The help and the
// settings windows are framed so.
QImage StoneFrame(const QImage& picture, QSize size);

// A centred, bold, word-wrapping label with black background.
QLabel* MakeLabel(QWidget* parent, const QRect& place, const QColor& colour, double points,
                  const QString& text);

// The scroll bar of a black panel sunk into the stone frame: a dark groove
// and a block of the frame's stone for a handle, lit on its top and left
// edges like every stone of the game.  Every size is for a window drawn
// `scale` times its own size (1 to 4).
inline constexpr int kStoneScrollBarWidth = 10;  // at scale 1
QString StoneScrollBarStyle(int scale);
// Gives a scrolling view's vertical bar that look, at the given scale.
void StyleStoneScrollBar(QAbstractScrollArea& area, int scale = 1);
// The same in a window whose game pixel is `unit` toolkit units: the bar in
// whole units, at least one.
void StyleStoneScrollBarForUnit(QAbstractScrollArea& area, double unit);

}  // namespace game
