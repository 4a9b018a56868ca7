#include "game/windows/pause_overlay.h"

#include <algorithm>

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRect>
#include <QString>

#include "game/platform/fonts.h"

namespace game {
namespace {

// Dark enough that the caption stands out over any floor, light enough that
// the hero and the monsters around him can still be made out.
const QColor kDimming(0, 0, 0, 150);
const QColor kCaptionColour(255, 224, 128);
const QColor kShadowColour(0, 0, 0);

}  // namespace

void PaintPauseOverlay(QPainter& painter, const QRect& area) {
    painter.save();
    painter.fillRect(area, kDimming);

    QFont font = platform::GameFont(12);
    // A tenth of the field's height: 50 pixels on the 500-pixel field.
    const int pixels = std::max(12, area.height() / 10);
    font.setPixelSize(pixels);
    painter.setFont(font);
    const QString caption = QString::fromUtf8(kPauseCaption);
    const int shadow = std::max(1, pixels / 16);
    painter.setPen(kShadowColour);
    painter.drawText(area.translated(shadow, shadow), Qt::AlignCenter, caption);
    painter.setPen(kCaptionColour);
    painter.drawText(area, Qt::AlignCenter, caption);
    painter.restore();
}

}  // namespace game
