// The persistent image a window's glowing texts are printed into, tick after
// tick, and which the window shows.  It starts as the window's background
// (its colour with its picture over it).  Each text is printed over a fresh
// copy of the background under it, so a text printed in the same place on
// every tick stays as crisp as the first time instead of thickening.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QSize>
#include <QString>

namespace game {

class GlowCanvas {
  public:
    GlowCanvas(QSize size, QColor colour, QFont font);

    // Starts again from the background when the window's picture changed.
    void Follow(const QImage& picture);

    // Prints the text with its top-left corner at (x, y).
    void Print(int x, int y, const QString& text, const QColor& colour);

    const QImage& Image() const { return image_; }
    const QFont& Font() const { return font_; }

  private:
    void Rebuild(const QImage& picture);

    QColor colour_;
    QFont font_;
    QImage background_;
    QImage image_;
    qint64 pictureKey_ = -1;
};

}  // namespace game
