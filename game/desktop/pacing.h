// The game's pace.  Frames are shown at most 60 times a second, as a
// display's vertical refresh would allow, and window timers with a 1 ms
// interval fire at most once per display frame.  Setting the environment
// variable KARVELUN_NO_PACING (tests, benchmarks) turns the waiting off.
#pragma once

class QTimer;

namespace platform {

inline constexpr double kDisplayFrameSeconds = 1.0 / 60.0;

bool PacingEnabled();
void SetPacingEnabled(bool enabled);

// Sleeps until the next 1/60 s boundary of a steady clock (returns at once
// when pacing is off).
void WaitForDisplayFrame();

// Starts a window timer with the given interval in milliseconds, or stops it
// for 0.  Short intervals are stretched to one display frame while pacing.
void SetTimerInterval(QTimer& timer, int milliseconds);

}  // namespace platform
