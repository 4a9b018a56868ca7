#include "game/windows/run_timer_print.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStringList>

#include "game/core/acts.h"
#include "game/desktop/fonts.h"
#include "game/records/run_figures.h"
#include "game/windows/language.h"

namespace game {
namespace {

constexpr int kCornerMargin = 4;
const char* const kActSplitPattern = QT_TRANSLATE_NOOP("Timer", "%1. dějství %2");

// The text in white over a one-pixel black ring: the eight neighbours first.
void PrintRinged(QPainter& painter, QPoint baseline, const QString& text) {
    painter.setPen(Qt::black);
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (dx != 0 || dy != 0) painter.drawText(baseline + QPoint(dx, dy), text);
    painter.setPen(Qt::white);
    painter.drawText(baseline, text);
}

}  // namespace

QFont RunTimerFont() {
    QFont font = platform::GameFont(9.75);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

QString ActSplitText(const ActDone& split) {
    return Shown("Timer", kActSplitPattern)
        .arg(QString::fromLatin1(ActNumeral(split.act)),
             QString::fromStdString(HoursText(split.frames)));
}

void PrintRunTimer(QImage& field, const QFont& font, const RunTimerReading& reading) {
    if (field.isNull()) return;
    QStringList lines{QString::fromStdString(reading.time)};
    if (reading.split) lines << ActSplitText(*reading.split);
    QPainter painter(&field);
    painter.setFont(font);
    const QFontMetrics metrics(font);
    int top = kCornerMargin;
    for (const QString& line : lines) {
        const int left = field.width() - kCornerMargin - metrics.horizontalAdvance(line);
        PrintRinged(painter, QPoint(left, top + metrics.ascent()), line);
        top += metrics.height();
    }
}

}  // namespace game
