// The racer's timer printed over a finished frame of the play field: the
// run's time in its top right corner, an act's split below it while it
// shows, white letters ringed in black so they read over any floor.
#pragma once

#include <QFont>
#include <QImage>

#include "game/core/run_timer.h"

namespace game {

// The panel's 13 px font, printed like the field's texts (no blending).
QFont RunTimerFont();

// "II. dějství 0:05:12.50" ("Act II 0:05:12.50") in the language shown.
QString ActSplitText(const ActDone& split);

// Prints the reading into the field's image (its own size, 500 x 500).
void PrintRunTimer(QImage& field, const QFont& font, const RunTimerReading& reading);

}  // namespace game
