#include "game/windows/pause_overlay.h"

#include <algorithm>

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRect>
#include <QString>
#include <QStringList>

#include "game/desktop/fonts.h"
#include "game/windows/language.h"

namespace game {
namespace {

// Dark enough that the caption stands out over any floor, light enough that
// the hero and the monsters around him can still be made out.
const QColor kDimming(0, 0, 0, 150);
const QColor kCaptionColour(255, 224, 128);
const QColor kShadowColour(0, 0, 0);

}  // namespace

void PaintPauseOverlay(QPainter& painter, const QRect& area, const QStringList& notices) {
    painter.save();
    painter.fillRect(area, kDimming);

    QFont font = platform::GameFont(12);
    // A twenty-fifth of the field's height: 20 pixels on the 500-pixel
    // field, at its top edge, so the fight in the middle stays in view.
    const int pixels = std::max(10, area.height() / 25);
    font.setPixelSize(pixels);
    painter.setFont(font);
    const QString caption = Shown("Panel", kPauseCaption);
    const QRect band(area.left(), area.top() + std::max(2, area.height() / 100), area.width(),
                     pixels * 3 / 2);
    const int shadow = std::max(1, pixels / 10);
    painter.setPen(kShadowColour);
    painter.drawText(band.translated(shadow, shadow), Qt::AlignHCenter | Qt::AlignTop, caption);
    painter.setPen(kCaptionColour);
    painter.drawText(band, Qt::AlignHCenter | Qt::AlignTop, caption);
    QRect line = band;
    for (const QString& notice : notices) {
        line.translate(0, band.height());
        painter.setPen(kShadowColour);
        painter.drawText(line.translated(shadow, shadow), Qt::AlignHCenter | Qt::AlignTop, notice);
        painter.setPen(Qt::white);
        painter.drawText(line, Qt::AlignHCenter | Qt::AlignTop, notice);
    }
    painter.restore();
}

}  // namespace game
