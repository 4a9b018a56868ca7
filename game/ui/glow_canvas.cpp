#include "game/ui/glow_canvas.h"

#include <QFontMetrics>
#include <QPainter>

namespace game {

GlowCanvas::GlowCanvas(QSize size, QColor colour, QFont font)
    : colour_(colour),
      font_(font),
      background_(size, QImage::Format_RGB32),
      image_(size, QImage::Format_RGB32) {
    Rebuild(QImage());
}

void GlowCanvas::Follow(const QImage& picture) {
    if (picture.cacheKey() != pictureKey_) Rebuild(picture);
}

void GlowCanvas::Rebuild(const QImage& picture) {
    pictureKey_ = picture.cacheKey();
    background_.fill(colour_);
    if (!picture.isNull()) {
        QPainter painter(&background_);
        painter.drawImage(0, 0, picture);
    }
    image_ = background_.copy();
}

void GlowCanvas::Print(int x, int y, const QString& text, const QColor& colour) {
    QFontMetrics metrics(font_);
    // A little room either side for glyphs that reach past their advance.
    QRect place(x - 2, y, metrics.horizontalAdvance(text) + 4, metrics.height());
    place = place.intersected(image_.rect());
    QPainter painter(&image_);
    painter.drawImage(place.topLeft(), background_, place);
    painter.setFont(font_);
    painter.setPen(colour);
    painter.drawText(x, y + metrics.ascent(), text);
}

}  // namespace game
