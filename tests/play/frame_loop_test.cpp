// The frame loop without a display: idle passes, the order of a frame, the
// lifetimes of animations and floating texts, pick-ups, the game-over
// sequence and every way of leaving the loop.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "game/core/access_settings.h"
#include "game/core/game_state.h"
#include "game/core/health_signs.h"
#include "game/core/messages.h"
#include "game/core/rules_version.h"
#include "game/core/sound_cues.h"
#include "game/core/sound_log.h"
#include "game/play/frame_loop.h"
#include "game/world/world_effects.h"
#include "support/game_test.h"
#include "support/recording_sound.h"

namespace {

using namespace game;
using testing_support::GameTest;

class FrameLoopTest : public GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        ResetHero();
        windows.calls.clear();
    }

    // Runs the loop until `frames` frames are drawn; then the game is left
    // for the menu, which the loop sees after its next idle passes.
    void RunFrames(int frames) {
        auto previous = windows.onDrawFrame;
        windows.onDrawFrame = [&, previous, frames] {
            if (previous) previous();
            if (windows.framesDrawn >= frames) GameSuspended = true;
        };
        loop.Timer1_Timer();
        windows.onDrawFrame = previous;
    }

    FrameLoop loop;
};

// --- idle passes ------------------------------------------------------------

class IdlePasses : public FrameLoopTest,
                   public ::testing::WithParamInterface<std::pair<int, int>> {};

TEST_P(IdlePasses, PrecedeEveryFrame) {
    TickDelay = static_cast<int16_t>(GetParam().first);
    const int passesPerFrame = GetParam().second;
    int passes = 0;
    std::vector<int> passesBeforeFrame;
    windows.onProcessEvents = [&] { ++passes; };
    windows.onDrawFrame = [&] { passesBeforeFrame.push_back(passes); };

    RunFrames(3);
    EXPECT_EQ(passesBeforeFrame,
              (std::vector<int>{passesPerFrame, 2 * passesPerFrame, 3 * passesPerFrame}));
    // The passes after the third frame find the game suspended and leave.
    EXPECT_EQ(passes, 4 * passesPerFrame);
    EXPECT_EQ(loop.IdleCount, 0);
}

INSTANTIATE_TEST_SUITE_P(TickDelays, IdlePasses,
                         ::testing::Values(std::pair{0, 1}, std::pair{1, 1}, std::pair{5, 5}));

TEST_F(FrameLoopTest, PausedOrSuspendedItOnlyDoesItsIdlePasses) {
    TickDelay = 2;
    int passes = 0;
    windows.onProcessEvents = [&] { ++passes; };
    Paused = true;
    loop.Timer1_Timer();
    EXPECT_EQ(passes, 2);
    Paused = false;
    GameSuspended = true;
    loop.Timer1_Timer();
    EXPECT_EQ(passes, 4);
    EXPECT_EQ(windows.framesDrawn, 0);
    EXPECT_FALSE(loop.Running());
}

TEST_F(FrameLoopTest, ATimerEventDuringTheIdlePassesDoesNotStartASecondLoop) {
    int depth = 0, deepest = 0;
    windows.onProcessEvents = [&] {
        ++depth;
        deepest = std::max(deepest, depth);
        EXPECT_TRUE(loop.Running());
        loop.Timer1_Timer();  // returns at once
        --depth;
    };
    RunFrames(5);
    EXPECT_EQ(deepest, 1);
    EXPECT_EQ(windows.framesDrawn, 5);
    EXPECT_FALSE(loop.Running());
}

TEST_F(FrameLoopTest, AShutDownDuringTheIdlePassesLeavesAtOnce) {
    TickDelay = 5;
    int passes = 0;
    windows.onProcessEvents = [&] {
        if (++passes == 8) ShutdownRequested = true;
    };
    loop.Timer1_Timer();
    EXPECT_EQ(passes, 8);
    EXPECT_EQ(windows.framesDrawn, 1);
}

TEST_F(FrameLoopTest, AStoppedTimerEndsTheLoopAfterTheFrame) {
    windows.onDrawFrame = [&] {
        if (windows.framesDrawn == 2) loop.Stop();
    };
    loop.Timer1_Timer();
    EXPECT_EQ(windows.framesDrawn, 2);
    // A later start of the timer runs the loop again.
    windows.onDrawFrame = nullptr;
    windows.framesDrawn = 0;
    RunFrames(3);
    EXPECT_EQ(windows.framesDrawn, 3);
}

// --- the hero's steps -----------------------------------------------------------

TEST_F(FrameLoopTest, TwoKeysMoveDiagonallyAndTheLaterSetsTheFacing) {
    const float x = HeroX, y = HeroY;
    KeyUpHeld = KeyRightHeld = true;
    RunFrames(10);
    EXPECT_NEAR(HeroY, y - 10 * 0.8f, 1e-3);
    EXPECT_NEAR(HeroX, x + 10 * 0.8f, 1e-3);
    EXPECT_EQ(HeroFacing, 2);

    KeyUpHeld = KeyRightHeld = false;
    KeyDownHeld = KeyLeftHeld = true;
    HeroStepX = HeroStepY = HeroSpeed;
    windows.framesDrawn = 0;
    GameSuspended = false;
    RunFrames(1);
    EXPECT_NEAR(HeroY, y - 10 * 0.8f + 0.6f, 1e-3);
    EXPECT_NEAR(HeroX, x + 10 * 0.8f - 0.6f, 1e-3);
    EXPECT_EQ(HeroFacing, 3);
}

// A hero 5 px to one side of a one-tile gap, holding the key toward it:
// with the help round corners he slides into the gap and walks through;
// without it he stays stuck at the wall, as he always did.
TEST_F(FrameLoopTest, AHeldKeyTakesTheHeroThroughAGapFivePixelsAsideOnlyWithTheHelp) {
    const struct {
        bool acrossColumns;
        bool* key;
        float x, y;
        float through;  // the heading's coordinate past the wall
    } ways[] = {
        {true, &KeyUpHeld, 235.0f, 230.0f, 185.0f},
        {true, &KeyUpHeld, 250.0f, 230.0f, 185.0f},
        {true, &KeyDownHeld, 235.0f, 175.0f, 220.0f},
        {true, &KeyDownHeld, 250.0f, 175.0f, 220.0f},
        {false, &KeyLeftHeld, 230.0f, 235.0f, 185.0f},
        {false, &KeyLeftHeld, 230.0f, 250.0f, 185.0f},
        {false, &KeyRightHeld, 175.0f, 235.0f, 220.0f},
        {false, &KeyRightHeld, 175.0f, 250.0f, 220.0f},
    };
    // The first rules had no such help: a recording of them plays without.
    const struct {
        bool help;
        uint32_t rules;
    } settings[] = {{true, kNewestRules}, {false, kNewestRules}, {true, kOldestRules}};
    for (const auto& way : ways) {
        for (const auto& [on, rules] : settings) {
            const bool help = on && rules == kNewestRules;
            SCOPED_TRACE(testing::Message()
                         << way.x << ", " << way.y << (on ? " help" : "") << " rules " << rules);
            ResetGameState();
            InitTileCoordinates();
            ResetHero();
            WallWithOneGap(way.acrossColumns, 10, 12);
            CornerSlideOn = on;
            RulesVersion = rules;
            HeroX = way.x;
            HeroY = way.y;
            *way.key = true;
            windows.framesDrawn = 0;
            RunFrames(100);
            const float along = way.acrossColumns ? HeroY : HeroX;
            const float side = way.acrossColumns ? HeroX : HeroY;
            const bool passed = way.through < 200.0f ? along < way.through : along > way.through;
            EXPECT_EQ(passed, help);
            if (!help) {
                EXPECT_FLOAT_EQ(side, way.acrossColumns ? way.x : way.y);
            }
        }
    }
}

// --- pick-ups -----------------------------------------------------------------

TEST_F(FrameLoopTest, ItemsUnderTheHeroAreTakenExceptKindNine) {
    HeroX = 100;
    HeroY = 100;
    auto add = [](int16_t x, int16_t y, int16_t kind) {
        int16_t i = AppendEntry(Items, ItemCount);
        Items[i] = Item{x, y, 0, kind};
    };
    add(400, 400, 3);  // far away
    add(90, 90, 3);    // under the hero
    add(100, 100, 9);  // never taken
    add(110, 110, 3);  // under the hero, last in the list
    add(115, 100, 3);  // just out of reach: HeroX must be below X - 15 ... X + 18
    RunFrames(1);
    ASSERT_EQ(ItemCount, 3);
    std::vector<int16_t> left;
    for (int i = 0; i < ItemCount; ++i)
        left.push_back(Items[i].X);
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<int16_t>{100, 115, 400}));
}

TEST_F(FrameLoopTest, TryPickUpItemTouchesOnlyInsideTheStrictBounds) {
    int16_t i = AppendEntry(Items, ItemCount);
    Items[i] = Item{100, 100, 0, 3};
    HeroY = 100;
    for (float x : {85.0f, 118.0f}) {
        HeroX = x;
        int16_t index = 0;
        EXPECT_FALSE(TryPickUpItem(index)) << x;
    }
    HeroX = 85.01f;
    int16_t index = 0;
    EXPECT_TRUE(TryPickUpItem(index));
    EXPECT_EQ(ItemCount, 0);
}

// --- a dead hero ----------------------------------------------------------------

// A missile still in flight when the hero dies kills its monster, but the
// dead hero gains nothing from it, nor from the items under his body.  Under
// the first rules he gained all of it, as a living hero does.
TEST_F(FrameLoopTest, ADeadHeroGainsNothingFromAKillOrTheItemsUnderHim) {
    const struct {
        bool dead;
        uint32_t rules;
    } cases[] = {{false, kNewestRules}, {true, kNewestRules}, {true, kOldestRules}};
    for (const auto& [dead, rules] : cases) {
        SCOPED_TRACE(testing::Message() << (dead ? "dead" : "alive") << ", rules " << rules);
        RulesVersion = rules;
        ResetHero();
        ClearList(Monsters, MonsterCount);
        ClearList(Missiles, MissileCount);
        ClearList(Items, ItemCount);
        ClearList(Explosions, ExplosionCount);
        HeroX = HeroY = 100;
        Experience = 95;  // any kill raises a living hero a level
        Lives = dead ? 0 : 4;
        HeroDead = dead;
        if (dead) AddExplosion(100, 100);  // the death's own explosion
        int16_t m = AppendEntry(Monsters, MonsterCount);
        Monsters[m] = Monster{};
        Monsters[m].X = Monsters[m].Y = 300;
        Monsters[m].HitPoints = 1;
        Monsters[m].Damage = 1;
        int16_t p = AppendEntry(Missiles, MissileCount);
        Missiles[p] = Projectile{305, 305, 305, 305, 0.5f, 0};
        for (int16_t kind : {0, 2}) {  // gold and a healing potion under the hero
            int16_t i = AppendEntry(Items, ItemCount);
            Items[i] = Item{100, 100, 0, kind};
        }
        const int16_t lives = Lives;
        windows.framesDrawn = 0;
        GameSuspended = false;
        RunFrames(1);

        EXPECT_EQ(MonsterCount, 0);
        if (dead && rules == kNewestRules) {
            EXPECT_EQ(Experience, 95);
            EXPECT_EQ(HeroLevel, 0);
            EXPECT_EQ(Lives, lives);
            EXPECT_EQ(MaxLives, 10);
            EXPECT_EQ(Gold, 0);
            EXPECT_EQ(ItemCount, 2);
            const std::vector<std::string> log = windows.LogLines();
            EXPECT_EQ(std::count(log.begin(), log.end(), std::string("Monstrum bylo zabito...")),
                      1);
        } else {
            EXPECT_GT(Experience, 95);
            EXPECT_EQ(HeroLevel, 1);
            EXPECT_GT(MaxLives, 10);
            EXPECT_EQ(Lives, MaxLives);
            EXPECT_GT(Gold, 0);
            EXPECT_EQ(ItemCount, 0);
        }
        windows.ClearLog();
    }
}

// --- animations -----------------------------------------------------------------

TEST_F(FrameLoopTest, AnExplosionShowsFortyThreeFramesPictureByPicture) {
    std::vector<int> pictures;  // picture drawn in each frame, -1 once gone
    windows.onProcessEvents = [&] {
        if (windows.framesDrawn == 0 && ExplosionCount == 0) AddExplosion(50, 50);
    };
    windows.onDrawFrame = [&] { pictures.push_back(ExplosionCount ? Explosions[0].Frame : -1); };
    RunFrames(45);

    std::vector<int> expected(3, 0);
    for (int picture = 1; picture <= 10; ++picture)
        expected.insert(expected.end(), 4, picture);
    expected.insert(expected.end(), 2, -1);
    EXPECT_EQ(pictures, expected);
}

TEST_F(FrameLoopTest, TileEffectsAgeLikeExplosions) {
    AddTileEffect(50, 50);
    int lastFrameWithEffect = 0;
    windows.onDrawFrame = [&] {
        if (TileEffectCount) lastFrameWithEffect = windows.framesDrawn;
    };
    RunFrames(50);
    EXPECT_EQ(lastFrameWithEffect, 43);
}

TEST_F(FrameLoopTest, AFloatingTextRisesForSeventyNineFrames) {
    std::vector<float> tops;
    windows.onProcessEvents = [&] {
        if (windows.framesDrawn == 0 && FloatTextCount == 0) AddFloatText(60, 120, "+5", 0xFF);
    };
    windows.onDrawFrame = [&] {
        if (FloatTextCount) tops.push_back(FloatTexts[0].Y);
    };
    RunFrames(85);
    ASSERT_EQ(tops.size(), 79u);
    EXPECT_NEAR(tops.front(), 99.7f, 1e-4);
    EXPECT_NEAR(tops.back(), 76.3f, 1e-3);
}

TEST_F(FrameLoopTest, RemovalsDuringAWalkVisitEveryEntryOnce) {
    // Three explosions at their last picture and one younger: the walk
    // removes the old ones, looking again at each index the last one moved
    // into, and ages the young one exactly once.
    for (int i = 0; i < 4; ++i)
        AddExplosion(static_cast<int16_t>(20 * i + 10), 10);
    for (int i : {0, 1, 3}) {
        Explosions[i].Frame = 10;
        Explosions[i].Tick = 3;
    }
    RunFrames(1);
    ASSERT_EQ(ExplosionCount, 1);
    EXPECT_EQ(Explosions[0].X, 40);
    EXPECT_EQ(Explosions[0].Tick, 1);
}

// --- the end of a game ---------------------------------------------------------

TEST_F(FrameLoopTest, TheGameOverNoticeWaitsForTheLastExplosion) {
    AddExplosion(100, 100);  // the death explosion
    HeroDead = true;
    KeyLeftHeld = KeyUpHeld = true;
    CanResume = CanSave = true;
    int framesAtNotice = -1;
    windows.onProcessEvents = [&] {
        // A second explosion, ten frames after the first.
        if (windows.framesDrawn == 10 && ExplosionCount == 1) AddExplosion(200, 200);
    };
    windows.onNotice = [&](const std::string&) { framesAtNotice = windows.framesDrawn; };

    loop.Timer1_Timer();
    EXPECT_EQ(framesAtNotice, 10 + 43);
    EXPECT_EQ(windows.framesDrawn, 53);  // no frame after the notice
    ASSERT_EQ(windows.notices.size(), 1u);
    EXPECT_EQ(windows.notices[0], "...a tak tvá duše odešla do astrálních sfér...    Game Over");
    EXPECT_FALSE(KeyLeftHeld || KeyUpHeld);
    EXPECT_FALSE(CanResume);
    EXPECT_FALSE(CanSave);
    EXPECT_EQ(windows.calls.back(), "EndGameToMenu");
    EXPECT_FALSE(loop.Running());
}

TEST_F(FrameLoopTest, AShutDownDuringTheGameOverNoticeLeavesTheMenuAlone) {
    HeroDead = true;
    CanResume = true;
    windows.onNotice = [](const std::string&) { ShutdownRequested = true; };
    loop.Timer1_Timer();
    EXPECT_EQ(windows.notices.size(), 1u);
    EXPECT_FALSE(windows.Called("EndGameToMenu"));
    EXPECT_TRUE(CanResume);
}

// --- sound ------------------------------------------------------------------------

TEST_F(FrameLoopTest, FinishedSoundsAreFreedOncePerFrameWhileSoundIsOn) {
    testing_support::RecordingSound sound;
    Sound = &sound;
    RunFrames(3);
    EXPECT_EQ(sound.freeMemoryCalls, 0);

    SoundOn = true;
    sound.failFreeMemory = true;  // a failing sound never stops the game
    GameSuspended = false;
    windows.framesDrawn = 0;
    RunFrames(4);
    EXPECT_EQ(sound.freeMemoryCalls, 4);
    EXPECT_EQ(sound.lastClearStopped, tembra::kTrue);
    Sound = nullptr;
}

// In a long fight every slot is busy and each cue adds a line to the sound
// library's log, which the library never empties: the game keeps only its
// newest whole lines, however long the fight.
TEST_F(FrameLoopTest, ALongFightKeepsTheSoundLibrarysLogShort) {
    testing_support::RecordingSound sound;
    sound.slotsFull = true;
    Sound = &sound;
    SoundOn = true;
    const std::string overflow = "...S_Err: SoundPorts overflow => file not loaded";
    size_t longest = 0;
    windows.onDrawFrame = [&] {
        for (int cue = 0; cue < 6; ++cue)
            PlayCue(static_cast<int16_t>(cue), 1.0f, false);
        longest = std::max(longest, sound.console.size());
    };
    RunFrames(3000);  // about 850 kB of log lines without the trimming

    EXPECT_LE(longest, kSoundLogLimit + 6 * (overflow.size() + 2));
    EXPECT_GE(sound.console.size(), kSoundLogKeep - overflow.size() - 2);
    EXPECT_EQ(sound.console.rfind(overflow, 0), 0u) << "the log starts with a whole line";
    EXPECT_EQ(sound.console.substr(sound.console.size() - overflow.size()), overflow);
    Sound = nullptr;
    SoundOn = false;
}

// --- the signs of the hero's health ---------------------------------------

// Frames 20 ms apart on the signs' own clock; the rules' clock stands still.
class HealthSignsTest : public FrameLoopTest {
  protected:
    void SetUp() override {
        FrameLoopTest::SetUp();
        SetHealthClock([this] { return nowMs; });
        Sound = &sound;
        SoundOn = true;
    }
    void TearDown() override {
        Sound = nullptr;
        SoundOn = false;
        FrameLoopTest::TearDown();
    }
    // Frames over the given milliseconds; `each` runs after every frame.
    void Play(int64_t ms, const std::function<void()>& each = {}) {
        windows.framesDrawn = 0;
        GameSuspended = false;
        windows.onDrawFrame = [&] {
            nowMs += 20;
            if (each) each();
        };
        RunFrames(static_cast<int>(ms / 20));
        windows.onDrawFrame = nullptr;
    }
    int Beats() const { return sound.Count("heartbeat.wav"); }

    testing_support::RecordingSound sound;
    int64_t nowMs = 1000;
};

TEST_F(HealthSignsTest, TheEdgeAndTheHeartbeatComeAtLowLivesAndGoAboveThem) {
    // Low is at most a quarter of the most lives, and never less than three.
    const struct {
        int16_t lives, maxLives;
        bool low;
    } cases[] = {
        {1, 1, true},    {3, 4, true},     {3, 12, true},   {4, 12, false},
        {4, 19, true},   {5, 19, false},   {5, 20, true},   {6, 20, false},
        {25, 100, true}, {26, 100, false}, {24, 24, false}, {2, 30, true},
    };
    for (const bool flashing : {true, false}) {
        Access.flashing = flashing;
        for (const auto& c : cases) {
            SCOPED_TRACE(testing::Message() << c.lives << " of " << c.maxLives
                                            << (flashing ? "" : ", nothing flashing"));
            CurrentHealthSigns().Forget();
            sound.cues.clear();
            Lives = c.lives;
            MaxLives = c.maxLives;
            // 2 s: beats at once, after 0.8 s and after 1.6 s.
            int strongest = 0, faintest = 255;
            Play(2000, [&] {
                strongest = std::max(strongest, CurrentHealthSigns().Look().edgeAlpha);
                faintest = std::min(faintest, CurrentHealthSigns().Look().edgeAlpha);
            });
            EXPECT_EQ(Beats(), c.low ? 3 : 0);
            if (c.low) {
                // The edge pulses between its faint and its strong opacity,
                // or stands still between them.
                EXPECT_EQ(faintest, flashing ? kEdgeAlphaLow : kEdgeAlphaSteady);
                EXPECT_EQ(strongest, flashing ? kEdgeAlphaHigh : kEdgeAlphaSteady);
            } else {
                EXPECT_EQ(strongest, 0);
            }
            // No lives were lost.
            EXPECT_FALSE(CurrentHealthSigns().Look().hurtFlash);
            EXPECT_FALSE(CurrentHealthSigns().Look().hurtRim);
        }
    }
    Access.flashing = true;

    // Healed above the threshold, the edge and the heart stop at once; low
    // again, they come back.
    sound.cues.clear();
    Lives = 6;
    MaxLives = 20;
    Play(1000);
    EXPECT_EQ(Beats(), 0);
    EXPECT_EQ(CurrentHealthSigns().Look().edgeAlpha, 0);
    Lives = 5;
    Play(100);
    EXPECT_EQ(Beats(), 1);
    EXPECT_GT(CurrentHealthSigns().Look().edgeAlpha, 0);
    // A dead hero's heart no longer beats, and sound off means silence.
    HeroDead = true;
    AddExplosion(100, 100);  // the game-over notice waits for it
    Play(600);
    EXPECT_EQ(Beats(), 1);
    HeroDead = false;
    SoundOn = false;
    Play(1000);
    EXPECT_EQ(Beats(), 1);
    EXPECT_GT(CurrentHealthSigns().Look().edgeAlpha, 0);
}

TEST_F(HealthSignsTest, EveryLossOfLivesFlashesTheHeroForAboutAnEighthOfASecond) {
    // Where nothing may flash, a steady rim takes the flash's place for as
    // long.
    for (const bool flashing : {true, false}) {
        SCOPED_TRACE(flashing ? "flashing" : "a steady rim");
        Access.flashing = flashing;
        CurrentHealthSigns().Forget();
        Lives = MaxLives = 20;
        std::vector<bool> flashes, rims;
        int frame = 0;
        Play(600, [&] {
            flashes.push_back(CurrentHealthSigns().Look().hurtFlash);
            rims.push_back(CurrentHealthSigns().Look().hurtRim);
            ++frame;
            if (frame == 5) Lives -= 3;   // a blow between frames 5 and 6
            if (frame == 15) Lives += 5;  // a potion is no loss
            if (frame == 20) Lives -= 1;
            if (frame == 22) Lives -= 1;  // a second blow makes the flash last
        });
        for (int f = 0; f < static_cast<int>(flashes.size()); ++f) {
            // 120 ms: the frame of the loss and the five after it.
            const bool expected = (f >= 5 && f < 11) || (f >= 20 && f < 28);
            EXPECT_EQ(flashes[f], expected && flashing) << "frame " << f + 1;
            EXPECT_EQ(rims[f], expected && !flashing) << "frame " << f + 1;
        }
    }
    Access.flashing = true;
    // A new or loaded game does not flash for the lives it starts with.
    CurrentHealthSigns().Forget();
    Lives = 2;
    Play(40);
    EXPECT_FALSE(CurrentHealthSigns().Look().hurtFlash);
}

}  // namespace
