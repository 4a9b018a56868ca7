// The game played by a virtual pad through the real game window: the stick
// and the D-pad hold the arrows' flags, the buttons fire, lay bombs, pause,
// leave for the menu and quick-save, a pad pulled out lets go of what it
// held, and nothing reaches the game while it does not have the keyboard.
#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>

#include "game/core/access_settings.h"
#include "game/core/game_state.h"
#include "game/core/key_bindings.h"
#include "game/windows/menu_window.h"
#include "game/windows/notice_window.h"
#include "gamepad/pad_fixture.h"
#include "windows/game_window_test.h"

namespace {

using namespace game;

class PadPlay : public core_testing::GameWindowTest, public gamepad_testing::PadFixture {
  protected:
    void SetUp() override {
        GameWindowTest::SetUp();
        ASSERT_TRUE(Active(form()));
        ASSERT_TRUE(KeysIn(field()));
        PlugPad();
    }
    void TearDown() override {
        UnplugPad();
        GameWindowTest::TearDown();
    }
};

constexpr int kFull = 32767;

TEST_F(PadPlay, TheDpadAndTheStickHoldTheArrowsFlagsAndChangeTheStepOnRelease) {
    struct Way {
        int button, x, y;
        bool* held;
        float* step;
        float* otherStep;
    } ways[] = {
        {SDL_CONTROLLER_BUTTON_DPAD_UP, 0, -kFull, &KeyUpHeld, &HeroStepY, &HeroStepX},
        {SDL_CONTROLLER_BUTTON_DPAD_DOWN, 0, kFull, &KeyDownHeld, &HeroStepY, &HeroStepX},
        {SDL_CONTROLLER_BUTTON_DPAD_LEFT, -kFull, 0, &KeyLeftHeld, &HeroStepX, &HeroStepY},
        {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, kFull, 0, &KeyRightHeld, &HeroStepX, &HeroStepY},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.button);
        for (bool byStick : {false, true}) {
            HeroStepX = HeroStepY = 0.8f;
            byStick ? Stick(way.x, way.y) : Push(way.button);
            EXPECT_TRUE(*way.held);
            EXPECT_FLOAT_EQ(*way.step, 0.8f);
            byStick ? Stick(0, 0) : LetGo(way.button);
            EXPECT_FALSE(*way.held);
            EXPECT_FLOAT_EQ(*way.step, 0.6f);
            EXPECT_FLOAT_EQ(*way.otherStep, 0.8f);
        }
    }
    // Inside the dead zone the stick holds nothing.
    Stick(kFull / 5, -kFull / 5);
    EXPECT_FALSE(KeyRightHeld || KeyUpHeld);
}

// The dead zone the player chose (MrtvaZona), read by the pad as it goes:
// the stick takes hold at it and lets go ten points lower.
TEST_F(PadPlay, TheStickTakesHoldAtTheChosenDeadZone) {
    const struct {
        int zone;
        double letGo;
    } zones[] = {{5, 0.025}, {35, 0.25}, {60, 0.50}};
    for (const auto& z : zones) {
        SCOPED_TRACE(z.zone);
        Access.deadZone = z.zone;
        const auto at = [](double share) { return static_cast<int>(share * kFull); };
        Stick(0, at(z.zone / 100.0 - 0.01));
        EXPECT_FALSE(KeyDownHeld);
        Stick(0, at(z.zone / 100.0 + 0.01));
        EXPECT_TRUE(KeyDownHeld);
        Stick(0, at(z.letGo + 0.01));
        EXPECT_TRUE(KeyDownHeld);
        Stick(0, at(z.letGo - 0.01));
        EXPECT_FALSE(KeyDownHeld);
    }
    Access.deadZone = settings::kDeadZoneDefault;
}

TEST_F(PadPlay, AStickSlantMovesDiagonallyAsTwoArrowsDo) {
    const float x = HeroX, y = HeroY;
    Stick(kFull * 7 / 10, -kFull * 7 / 10);
    EXPECT_TRUE(KeyRightHeld);
    EXPECT_TRUE(KeyUpHeld);
    form().Loop.RunFrame();
    EXPECT_FLOAT_EQ(HeroX, x + 0.8f);
    EXPECT_FLOAT_EQ(HeroY, y - 0.8f);
    EXPECT_EQ(HeroFacing, 2);  // right comes after up in the frame, as with two arrows
    // Turned to straight up: right is let go, its step changes.
    Stick(0, -kFull);
    EXPECT_FALSE(KeyRightHeld);
    EXPECT_TRUE(KeyUpHeld);
    EXPECT_FLOAT_EQ(HeroStepX, 0.6f);
    form().Loop.RunFrame();
    EXPECT_EQ(HeroFacing, 1);
}

// A hero 5 px beside a one-tile gap, the D-pad held toward it: the help
// round corners takes him through, as it does for the arrow keys; without
// it he stays stuck at the corner.
TEST_F(PadPlay, TheDpadTakesTheHeroRoundACornerOnlyWithTheHelp) {
    for (int column = 0; column < kGridSize; ++column)
        Tiles[10 * kGridSize + column].Kind = column == 12 ? kFloor : kSolidWall;
    for (const bool help : {true, false}) {
        SCOPED_TRACE(help ? "with the help" : "without it");
        CornerSlideOn = help;
        HeroStepX = HeroStepY = 0.8f;
        HeroX = 235.0f;  // the gap is x 240 to 260, the wall y 200 to 220
        HeroY = 230.0f;
        Push(SDL_CONTROLLER_BUTTON_DPAD_UP);
        for (int frame = 0; frame < 100; ++frame)
            form().Loop.RunFrame();
        LetGo(SDL_CONTROLLER_BUTTON_DPAD_UP);
        EXPECT_EQ(HeroY < 185.0f, help) << HeroY;
        if (!help) {
            EXPECT_FLOAT_EQ(HeroX, 235.0f);
        }
    }
}

TEST_F(PadPlay, AAndTheTriggerFireTogetherBAndXLayABomb) {
    Push(SDL_CONTROLLER_BUTTON_A);
    EXPECT_TRUE(FireHeld);
    pad.Trigger(true);
    LetGo(SDL_CONTROLLER_BUTTON_A);
    EXPECT_TRUE(FireHeld) << "the trigger still holds the fire";
    pad.Trigger(false);
    padLayer->Poll();
    EXPECT_FALSE(FireHeld);

    HeroX = 100.5f;
    HeroY = 41.5f;
    Push(SDL_CONTROLLER_BUTTON_B);
    EXPECT_TRUE(BombArmed);
    EXPECT_EQ(BombX, 104);
    EXPECT_EQ(BombY, 46);
    // While it is armed, X lays nothing; a held bomb button, like a held
    // Space, lays the next one once the first has burst.
    HeroX = 300;
    LetGo(SDL_CONTROLLER_BUTTON_B);
    Push(SDL_CONTROLLER_BUTTON_X);
    EXPECT_EQ(BombX, 104);
    BombArmed = false;  // burst
    Wait(platform::PadKeys::kRepeatDelayMs);
    EXPECT_TRUE(BombArmed);
    EXPECT_EQ(BombX, 304);
    LetGo(SDL_CONTROLLER_BUTTON_X);

    // Fire switched by its key: a press of A starts it and its release keeps
    // it; the next press stops it, however long it is held; the trigger
    // switches it as A does, and Start's pause stops it.
    Access.fireToggles = true;
    Tap(SDL_CONTROLLER_BUTTON_A);
    EXPECT_TRUE(FireHeld);
    Push(SDL_CONTROLLER_BUTTON_A);
    Wait(2 * platform::PadKeys::kRepeatDelayMs);
    EXPECT_FALSE(FireHeld);
    LetGo(SDL_CONTROLLER_BUTTON_A);
    pad.Trigger(true);
    padLayer->Poll();
    pad.Trigger(false);
    padLayer->Poll();
    EXPECT_TRUE(FireHeld);
    Tap(SDL_CONTROLLER_BUTTON_START);
    EXPECT_TRUE(Paused);
    EXPECT_FALSE(FireHeld);
}

TEST_F(PadPlay, ThePadKeepsItsButtonsWhenThePlayerChoosesOtherKeys) {
    KeyBindings chosen;
    chosen.Set(Command::Fire, 'W');
    chosen.Set(Command::Right, 'D');
    SetActiveKeyBindings(chosen);
    QTest::keyPress(field(), Qt::Key_Control, Qt::ControlModifier);
    ASSERT_FALSE(FireHeld) << "Ctrl was given away";
    QTest::keyRelease(field(), Qt::Key_Control);
    Push(SDL_CONTROLLER_BUTTON_A);
    Push(SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
    EXPECT_TRUE(FireHeld);
    EXPECT_TRUE(KeyRightHeld);
    LetGo(SDL_CONTROLLER_BUTTON_A);
    LetGo(SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
    EXPECT_FALSE(FireHeld);
    EXPECT_FALSE(KeyRightHeld);
    SetActiveKeyBindings(KeyBindings());
}

// Signs and message screens name the keys the player chose while he plays
// by keyboard, and the pad's buttons once he has taken up the pad; the pad's
// keys, which arrive as the keyboard's, do not count as the keyboard.
TEST_F(PadPlay, SignsAndMessagesNameTheChosenKeysOrThePadsButtons) {
    KeyBindings chosen;
    chosen.Set(Command::Fire, 'J');
    chosen.Set(Command::Up, 'W');
    SetActiveKeyBindings(chosen);
    constexpr int16_t kSignTile = 12 * 25 + 12, kMessageTile = 12 * 25 + 13;
    Tiles[kSignTile].Kind = kSign;
    Tiles[kSignTile].Param1 = "{Pohyb} se pohybuješ, drž {Strelba}.";
    Tiles[kMessageTile].Kind = kMessageScreen;
    Tiles[kMessageTile].Param1 = "Toto okno zavře {Potvrdit}.";
    // The hero's centre comes onto the tile in the next frame.
    const auto stepOn = [&](int16_t t) {
        LastHeroTile = -1;
        HeroX = Tiles[t].X + 2.0f;
        HeroY = Tiles[t].Y + 2.0f;
        form().Loop.RunFrame();
    };
    const auto lastFloatText = [] { return FloatTexts[FloatTextCount - 1].Text; };

    QTest::keyClick(field(), Qt::Key_J);
    stepOn(kSignTile);
    const std::string byKeyboard =
        "Klávesami W, šipka vlevo, šipka dolů, šipka vpravo se pohybuješ, drž J.";
    EXPECT_EQ(LogLines().last().toStdString(), byKeyboard);
    EXPECT_EQ(lastFloatText(), byKeyboard);

    Tap(SDL_CONTROLLER_BUTTON_DPAD_LEFT);
    stepOn(kSignTile);
    EXPECT_EQ(LogLines().last().toStdString(), "Levou páčkou se pohybuješ, drž A.");
    EXPECT_EQ(lastFloatText(), "Levou páčkou se pohybuješ, drž A.");
    QString noticeText;
    bool closedByA = false;
    QTimer::singleShot(0, [&] {
        Form2& notice = windows->form2();
        noticeText = notice.Label1->text();
        EXPECT_TRUE(Active(notice));
        Tap(SDL_CONTROLLER_BUTTON_A);
        closedByA = !notice.isVisible();
        if (!closedByA) QTest::keyClick(&notice, Qt::Key_Return);
    });
    stepOn(kMessageTile);
    EXPECT_EQ(noticeText, "Toto okno zavře A.");
    EXPECT_TRUE(closedByA);
    EXPECT_EQ(LogLines().last(), "Toto okno zavře A.");

    // Back on the keyboard.
    QTest::keyClick(field(), Qt::Key_Left);
    stepOn(kSignTile);
    EXPECT_EQ(lastFloatText(), byKeyboard);
    SetActiveKeyBindings(KeyBindings());
}

TEST_F(PadPlay, StartPausesOnceHoweverLongItIsHeld) {
    Push(SDL_CONTROLLER_BUTTON_START);
    EXPECT_TRUE(Paused);
    Wait(2000);
    Wait(platform::PadKeys::kRepeatIntervalMs);
    EXPECT_TRUE(Paused);
    LetGo(SDL_CONTROLLER_BUTTON_START);
    Push(SDL_CONTROLLER_BUTTON_START);
    LetGo(SDL_CONTROLLER_BUTTON_START);
    EXPECT_FALSE(Paused);
    // Nothing was told between: one line for the whole pause.
    EXPECT_EQ(LogLines(), (QStringList{"Čas běží dál..."}));
}

TEST_F(PadPlay, TheShouldersQuickSaveAndLoadAsF5AndF7Do) {
    // The keyboard's lines are the measure.
    QTest::keyClick(field(), Qt::Key_F5);
    QTest::keyClick(field(), Qt::Key_F7);
    const QStringList byKeys = LogLines();
    ASSERT_FALSE(byKeys.isEmpty());
    form().Text1->clear();
    Push(SDL_CONTROLLER_BUTTON_LEFTSHOULDER);
    LetGo(SDL_CONTROLLER_BUTTON_LEFTSHOULDER);
    Push(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER);
    LetGo(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER);
    EXPECT_EQ(LogLines(), byKeys);
}

TEST_F(PadPlay, BackLeavesForTheMenuAndItsBGoesBackToTheGame) {
    Stick(kFull, 0);
    Push(SDL_CONTROLLER_BUTTON_BACK);
    EXPECT_TRUE(GameSuspended);
    EXPECT_TRUE(CanResume);
    EXPECT_FALSE(form().isVisible());
    EXPECT_FALSE(KeyRightHeld) << "the menu does not hold the game's arrows";
    LetGo(SDL_CONTROLLER_BUTTON_BACK);

    ASSERT_TRUE(KeysIn(&windows->form3()));
    Push(SDL_CONTROLLER_BUTTON_B);
    EXPECT_FALSE(GameSuspended);
    EXPECT_TRUE(form().isVisible());
    form().Timer1->stop();  // the frame loop is not under test here
    LetGo(SDL_CONTROLLER_BUTTON_B);
    // Back in the game the stick, still held, walks on as a held arrow
    // key's repeats do.
    ASSERT_TRUE(KeysIn(field()));
    Wait(platform::PadKeys::kRepeatDelayMs);
    EXPECT_TRUE(KeyRightHeld);
}

TEST_F(PadPlay, APadPulledOutLetsGoOfWhatItHeld) {
    Stick(kFull, kFull);
    Push(SDL_CONTROLLER_BUTTON_A);
    ASSERT_TRUE(KeyRightHeld && KeyDownHeld && FireHeld);
    HeroStepX = HeroStepY = 0.8f;
    pad.Unplug();
    padLayer->Poll();
    EXPECT_EQ(padLayer->PadCount(), 0);
    EXPECT_FALSE(KeyRightHeld || KeyDownHeld || FireHeld);
    EXPECT_FLOAT_EQ(HeroStepX, 0.6f);
    EXPECT_FLOAT_EQ(HeroStepY, 0.6f);

    // Plugged in again, it drives again.
    std::string why;
    ASSERT_TRUE(pad.Plug(&why)) << why;
    padLayer->Poll();
    Push(SDL_CONTROLLER_BUTTON_DPAD_LEFT);
    EXPECT_TRUE(KeyLeftHeld);
}

TEST_F(PadPlay, NothingReachesTheGameWhileAnotherWindowHasTheKeyboard) {
    QWidget elsewhere;
    elsewhere.show();
    ASSERT_TRUE(Active(elsewhere));
    Push(SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
    Push(SDL_CONTROLLER_BUTTON_START);
    EXPECT_FALSE(KeyRightHeld);
    EXPECT_FALSE(Paused);
}

}  // namespace
