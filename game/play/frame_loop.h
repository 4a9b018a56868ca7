// The frame loop of a running game.  The game window's timer only starts it;
// it then runs frame after frame inside that one timer event, letting the
// window system deliver pending events in its idle passes, until the game is
// paused, left for the menu, over, or the program shuts down.  A tried
// level changed on disk is put in after the idle passes, never inside a
// frame.  It reaches
// the windows only through Windows(), so it runs without a display in tests.
#pragma once

#include <cstdint>

#include "game/platform/shown_text.h"

namespace game {

// The game-over notice (four blanks before "Game Over").
inline constexpr const char* kGameOverText =
    SHOWN_TEXT("Rules", "...a tak tvá duše odešla do astrálních sfér...    Game Over");

// Frames an explosion or tile-effect picture stays, and its last picture.
inline constexpr int16_t kTicksPerPicture = 4;
inline constexpr int16_t kLastAnimationFrame = 10;
// Frames a floating text lives, and how far it rises in each.
inline constexpr int16_t kFloatTextLifetime = 80;
inline constexpr float kFloatTextRise = 0.3f;

class FrameLoop {
  public:
    // The loop itself (the game window's Timer1_Timer).  A call made while
    // the loop runs, as a timer event delivered during its idle passes is,
    // returns at once.
    void Timer1_Timer();

    // True while the loop is inside a call of Timer1_Timer.
    bool Running() const { return running_; }

    // The timer that hosts the loop has been stopped (a game ended while a
    // frame was under way): the loop leaves at its next check.
    void Stop() { stopRequested_ = true; }

    // One frame after its idle passes: from the monsters' hit rectangles to
    // the sound slots.  False when the loop has to leave (the game is over,
    // or the program is shutting down).
    bool RunFrame();

    // Idle passes done before the current frame, and the indexes of the
    // frame's list walks (handed by reference to the routine an entry needs).
    int16_t IdleCount = 0;
    int16_t LoopIndex = 0;
    int16_t InnerIndex = 0;

  private:
    // The idle passes; false when the loop has to leave.
    bool IdlePasses();
    bool MustLeave() const;
    void PickUpItems();
    void AgeExplosions();
    void AgeTileEffects();
    void AgeFloatTexts();

    bool running_ = false;
    bool stopRequested_ = false;
};

// The hero's steps while the direction keys are held, in the order up, down,
// left, right; with two keys held both steps are taken and the later one
// sets the facing.  With the help round corners on (CornerSlideOn), each
// step blocked by a corner is first slid toward the opening beside it.
void MoveHero();

// Takes the item at index i when the hero touches it: true when it was taken
// and removed (the index then holds another item), false otherwise.  An item
// of kind 9 is never taken; one of kind 3 vanishes without any effect.  A
// dead hero takes nothing.
bool TryPickUpItem(int16_t& i);

// The end of a game whose hero has died: the notice, then back to the menu
// with nothing left to resume or save.
void GameOver();

}  // namespace game
