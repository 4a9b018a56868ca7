// Shared look of the game's small windows: positions given in twips (15 to a
// pixel), centred bold labels on black.
#pragma once

#include <QColor>
#include <QLabel>
#include <QRect>
#include <QString>

namespace game {

inline constexpr int kTwipsPerPixel = 15;

inline QRect TwipsRect(int left, int top, int width, int height) {
    return QRect(left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
                 height / kTwipsPerPixel);
}

// A centred, bold, word-wrapping label with black background.
QLabel* MakeLabel(QWidget* parent, const QRect& place, const QColor& colour, double points,
                  const QString& text);

}  // namespace game
