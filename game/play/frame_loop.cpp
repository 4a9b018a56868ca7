#include "game/play/frame_loop.h"

#include "game/core/game_state.h"
#include "game/core/health_signs.h"
#include "game/core/music_director.h"
#include "game/core/play_observer.h"
#include "game/core/play_time.h"
#include "game/core/rules_version.h"
#include "game/core/run_statistics.h"
#include "game/core/sound_cues.h"
#include "game/core/windows.h"
#include "game/play/autosave.h"
#include "game/play/difficulty_notice.h"
#include "game/play/fire_switch.h"
#include "game/play/going_on.h"
#include "game/play/tried_level.h"
#include "game/world/corner_slide.h"
#include "game/world/strelba.h"
#include "game/world/walls.h"
#include "game/world/world_effects.h"

namespace game {
namespace {

// Marks the loop as running for the length of one Timer1_Timer call.
class RunningGuard {
  public:
    explicit RunningGuard(bool& flag) : flag_(flag) { flag_ = true; }
    ~RunningGuard() { flag_ = false; }
    RunningGuard(const RunningGuard&) = delete;
    RunningGuard& operator=(const RunningGuard&) = delete;

  private:
    bool& flag_;
};

bool Touches(const Item& item) {
    const float ix = item.X, iy = item.Y;
    return ix - 15.0f < HeroX && HeroX < ix + 18.0f && iy - 15.0f < HeroY && HeroY < iy + 18.0f;
}

// Advances an explosion or tile effect by one frame: a new picture every
// four frames; true when it has shown its last picture.
bool AdvanceAnimation(Animation& a) {
    ++a.Tick;
    if (a.Tick != kTicksPerPicture) return false;
    a.Tick = 0;
    ++a.Frame;
    return a.Frame > kLastAnimationFrame;
}

}  // namespace

void FrameLoop::Timer1_Timer() {
    // A timer event delivered during the idle passes must not start a
    // second loop inside the first.
    if (running_) return;
    RunningGuard guard(running_);
    stopRequested_ = false;

    for (;;) {
        if (!IdlePasses()) return;
        // Fire switched on by its key stops on a new level; between two
        // frames, so that a recording holds the release where it happened.
        StopSwitchedFireOnNewLevel();
        // A tried level changed on disk is put in here, between two frames;
        // a standing game shows it at once.
        if (PutInWaitingLevelChange() && Paused && !GameSuspended) Windows().DrawFrame();
        if (Paused || GameSuspended) return;
        if (!RunFrame()) return;
    }
}

bool FrameLoop::MustLeave() const {
    return ShutdownRequested || stopRequested_;
}

bool FrameLoop::IdlePasses() {
    do {
        Windows().ProcessEvents();
        // A window closed during the pass shuts the program down: nothing
        // may run on the freed state afterwards.
        if (MustLeave()) return false;
        ++IdleCount;
    } while (IdleCount < TickDelay);
    IdleCount = 0;
    return true;
}

bool FrameLoop::RunFrame() {
    if (PlayObserver* observer = CurrentPlayObserver()) observer->FrameBegins();
    Music().Playing(LevelNumber, false);
    UpdateMonsterRects();
    MoveHero();

    HeroTileEvents();
    // Tile events may show a notice, end the game or fail to load a level.
    if (MustLeave()) return false;
    // After the first tile of a game has named its level.
    TellDifficultyOnce();

    // The projectile passes: cooldown and firing, missile flight, missiles
    // against monsters, missiles against walls, the bomb's countdown and
    // burst, the fragments' flight and hits.
    ProjectilePasses();

    PickUpItems();

    // Each monster's turn (noticing the hero, chasing or wandering), then its
    // contact with the hero; the walk ends at the count it began with.
    const int16_t lastMonster = static_cast<int16_t>(MonsterCount - 1);
    for (InnerIndex = 0; InnerIndex <= lastMonster && InnerIndex < MonsterCount; ++InnerIndex) {
        MoveMonster(InnerIndex);
        TouchHero(InnerIndex);
    }

    AgeExplosions();
    AgeTileEffects();
    AgeFloatTexts();

    if (HeroDead && ExplosionCount == 0) {
        GameOver();
        return false;
    }

    // The signs of the hero's health watch the lives this frame left.
    FollowHealth();
    Windows().DrawFrame();
    FreeFinishedSounds();
    CountPlayFrame();
    CountStatisticsFrame();
    // Once the hero stands on a level he has arrived on, the game is kept.
    AutosaveAfterArrival();
    return !MustLeave();
}

void MoveHero() {
    // With the help round corners on, a step blocked by a corner first
    // slides the hero toward the opening beside it; the first rules had no
    // such help.
    const auto slide = [](Heading heading) {
        if (CornerSlideOn && RulesHave(RuleChange::kCornerHelp))
            CornerSlide(HeroX, HeroY, heading, HeroStepX, HeroStepY);
    };
    if (KeyUpHeld) {
        slide(Heading::Up);
        WallPushBack();
        HeroY -= HeroStepY;
        HeroFacing = 1;
    }
    if (KeyDownHeld) {
        slide(Heading::Down);
        WallPushBack();
        HeroY += HeroStepY;
        HeroFacing = 0;
    }
    if (KeyLeftHeld) {
        slide(Heading::Left);
        WallPushBack();
        HeroX -= HeroStepX;
        HeroFacing = 3;
    }
    if (KeyRightHeld) {
        slide(Heading::Right);
        WallPushBack();
        HeroX += HeroStepX;
        HeroFacing = 2;
    }
}

bool TryPickUpItem(int16_t& i) {
    // A dead hero's body takes nothing: the item stays where it lies (the
    // first rules let it take what it touched).
    if (HeroDead && RulesHave(RuleChange::kDeadHeroGainsNothing)) return false;
    if (!Touches(Items[i])) return false;
    if (Items[i].Kind == 9) return false;
    if (Items[i].Kind != 3) PickUpItem(i);
    RemoveItem(i);
    return true;
}

// The list walks below look at the same index again after a removal: the
// last entry has moved there.  The walk ends at the last index the list had
// when it began, or at its current end, whichever comes first.

void FrameLoop::PickUpItems() {
    LoopIndex = 0;
    const int16_t last = static_cast<int16_t>(ItemCount - 1);
    while (LoopIndex <= last && LoopIndex <= ItemCount - 1) {
        if (!TryPickUpItem(LoopIndex)) ++LoopIndex;
    }
}

void FrameLoop::AgeExplosions() {
    LoopIndex = 0;
    const int16_t last = static_cast<int16_t>(ExplosionCount - 1);
    while (LoopIndex <= last && LoopIndex <= ExplosionCount - 1) {
        if (AdvanceAnimation(Explosions[LoopIndex]))
            RemoveExplosion(LoopIndex);
        else
            ++LoopIndex;
    }
}

void FrameLoop::AgeTileEffects() {
    LoopIndex = 0;
    const int16_t last = static_cast<int16_t>(TileEffectCount - 1);
    while (LoopIndex <= last && LoopIndex <= TileEffectCount - 1) {
        if (AdvanceAnimation(TileEffects[LoopIndex]))
            RemoveTileEffect(LoopIndex);
        else
            ++LoopIndex;
    }
}

void FrameLoop::AgeFloatTexts() {
    LoopIndex = 0;
    const int16_t last = static_cast<int16_t>(FloatTextCount - 1);
    while (LoopIndex <= last && LoopIndex <= FloatTextCount - 1) {
        FloatText& text = FloatTexts[LoopIndex];
        text.Y -= kFloatTextRise;
        ++text.Age;
        if (text.Age >= kFloatTextLifetime)
            RemoveFloatText(LoopIndex);
        else
            ++LoopIndex;
    }
}

void GameOver() {
    Music().GameOver();
    ShowGameNotice(kGameOverText);
    if (ShutdownRequested) return;
    KeyUpHeld = KeyDownHeld = KeyLeftHeld = KeyRightHeld = false;
    CanResume = false;
    CanSave = false;
    // Over the field: going on from the hero's last arrival, if this game
    // has one, before the menu.
    if (GoOnAfterDeath()) return;
    // Stops the game window's timer, starts the menu's, hides the game
    // window and shows the menu.
    Windows().EndGameToMenu();
    Music().Menu();
    if (PlayObserver* observer = CurrentPlayObserver()) observer->GameEnds(GameEnd::Died);
}

}  // namespace game
