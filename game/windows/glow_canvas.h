// The persistent image a window's glowing texts are printed into, tick after
// tick, and which the window shows.  It starts as the window's background at
// the view's scale (its colour with its picture over it, enlarged).  Each
// text is printed over a fresh copy of the background under it, so a text
// printed in the same place on every tick stays as crisp as the first time
// instead of thickening, and printing a text again where it already stands
// in the same colour changes nothing and is skipped.  Texts are printed at
// the scale too: a font of s times its pixel size at s times their place
// (s need not be whole when the view fills the screen).
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>
#include <vector>

namespace game {

class GlowCanvas {
  public:
    explicit GlowCanvas(QFont font);

    // Starts again from the window's background (device pixels, `scale`
    // of them to a game pixel) whenever it is a new one; true when it did.
    bool Follow(const QImage& scaledBackground, double scale);

    // Prints the text with its top-left corner at the game's pixel (x, y).
    // Returns the device pixels it changed: none when the same text stands
    // there in the same colour already.
    QRect Print(int x, int y, const QString& text, const QColor& colour);

    // Device pixels.
    const QImage& Image() const { return image_; }
    double Scale() const { return scale_; }
    // The font at the present scale.
    const QFont& Font() const { return scaledFont_; }

  private:
    QFont font_;
    QFont scaledFont_;
    double scale_ = 0.0;
    QImage background_;
    QImage image_;
    qint64 backgroundKey_ = -1;

    struct Printed {
        int x, y;
        QString text;
        QRgb colour;
    };
    // What stands on the canvas since it was last started again.
    std::vector<Printed> printed_;
};

}  // namespace game
