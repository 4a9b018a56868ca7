#include "game/ui/glow_canvas.h"

#include <QFontMetrics>
#include <QPainter>

namespace game {

GlowCanvas::GlowCanvas(QFont font) : font_(font), scaledFont_(font) {}

void GlowCanvas::Follow(const QImage& scaledBackground, int scale) {
    if (scaledBackground.cacheKey() == backgroundKey_ && scale == scale_) return;
    backgroundKey_ = scaledBackground.cacheKey();
    scale_ = scale;
    scaledFont_ = font_;
    if (font_.pixelSize() > 0) scaledFont_.setPixelSize(font_.pixelSize() * scale);
    background_ = scaledBackground;
    image_ = background_.copy();
}

void GlowCanvas::Print(int x, int y, const QString& text, const QColor& colour) {
    if (image_.isNull()) return;
    const int px = x * scale_, py = y * scale_;
    QFontMetrics metrics(scaledFont_);
    // A little room either side for glyphs that reach past their advance.
    QRect place(px - 2 * scale_, py, metrics.horizontalAdvance(text) + 4 * scale_,
                metrics.height());
    place = place.intersected(image_.rect());
    QPainter painter(&image_);
    painter.drawImage(place.topLeft(), background_, place);
    painter.setFont(scaledFont_);
    painter.setPen(colour);
    painter.drawText(px, py + metrics.ascent(), text);
}

}  // namespace game
