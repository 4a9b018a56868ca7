// What the play field shows while time stands still: the last frame dimmed
// and "Pauza" in its middle, so a player who comes back knows why nothing
// moves.  It is painted over the frame as shown, never into the frame.
#pragma once

class QPainter;
class QRect;

namespace game {

inline constexpr const char* kPauseCaption = "Pauza";

// Paints the overlay over `area`, the frame as shown at whatever size; the
// caption grows with the area.
void PaintPauseOverlay(QPainter& painter, const QRect& area);

}  // namespace game
