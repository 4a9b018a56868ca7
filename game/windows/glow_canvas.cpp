#include "game/windows/glow_canvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace game {

GlowCanvas::GlowCanvas(QFont font) : font_(font), scaledFont_(font) {}

bool GlowCanvas::Follow(const QImage& scaledBackground, double scale) {
    if (scaledBackground.cacheKey() == backgroundKey_ && scale == scale_) return false;
    backgroundKey_ = scaledBackground.cacheKey();
    scale_ = scale;
    scaledFont_ = font_;
    if (font_.pixelSize() > 0)
        scaledFont_.setPixelSize(
            std::max(1, static_cast<int>(std::lround(font_.pixelSize() * scale))));
    background_ = scaledBackground;
    image_ = background_.copy();
    printed_.clear();
    return true;
}

QRect GlowCanvas::Print(int x, int y, const QString& text, const QColor& colour) {
    if (image_.isNull()) return QRect();
    auto here = std::find_if(printed_.begin(), printed_.end(),
                             [&](const Printed& p) { return p.x == x && p.y == y; });
    if (here != printed_.end() && here->text == text && here->colour == colour.rgb())
        return QRect();
    if (here == printed_.end())
        printed_.push_back({x, y, text, colour.rgb()});
    else
        *here = {x, y, text, colour.rgb()};
    const int px = static_cast<int>(std::lround(x * scale_));
    const int py = static_cast<int>(std::lround(y * scale_));
    const int margin = static_cast<int>(std::lround(2 * scale_));
    QFontMetrics metrics(scaledFont_);
    // A little room either side for glyphs that reach past their advance.
    QRect place(px - margin, py, metrics.horizontalAdvance(text) + 2 * margin, metrics.height());
    place = place.intersected(image_.rect());
    QPainter painter(&image_);
    painter.drawImage(place.topLeft(), background_, place);
    painter.setFont(scaledFont_);
    painter.setPen(colour);
    painter.drawText(px, py + metrics.ascent(), text);
    return place;
}

}  // namespace game
