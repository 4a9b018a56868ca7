// What the play field shows while time stands still: the last frame dimmed
// and a small "Pauza" at its top edge, so a player who comes back knows why
// nothing moves and one who stopped to think still sees the fight.  It is painted over the frame as
// shown, never into the frame.
#pragma once

#include <QStringList>
#include <QtGlobal>

class QPainter;
class QRect;

namespace game {

inline constexpr const char* kPauseCaption = QT_TRANSLATE_NOOP("Panel", "Pauza");

// Paints the overlay over `area`, the frame as shown at whatever size; the
// caption grows with the area and stays near its top edge.  Notices (the
// achievements earned since the last pause) stand under it.
void PaintPauseOverlay(QPainter& painter, const QRect& area, const QStringList& notices);

}  // namespace game
