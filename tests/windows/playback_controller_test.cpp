// A recording watched on the window's timer: at every speed it ends in the
// same state, and only the watcher's keys do anything.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QWidget>

#include "game/core/game_state.h"
#include "game/core/play_observer.h"
#include "game/platform/keys.h"
#include "game/play/keyboard.h"
#include "game/windows/playback_controller.h"
#include "replay/replay_fixture.h"

namespace {

using replay::Player;
using replay::Recording;

class PlaybackControllerTest : public replay_testing::ReplayTest {
  protected:
    // Runs the controller until the player is through; the frames played
    // and the final checksum.
    static void RunToEnd(game::PlaybackController& controller, Player& player) {
        bool finished = false;
        QObject::connect(&controller, &game::PlaybackController::Finished,
                         [&] { finished = true; });
        controller.Start();
        QElapsedTimer clock;
        clock.start();
        while (!finished && clock.elapsed() < 60000)
            QApplication::processEvents(QEventLoop::AllEvents, 20);
        ASSERT_TRUE(finished);
        EXPECT_EQ(player.GetState(), Player::State::Ended) << player.Why();
    }
};

TEST_F(PlaybackControllerTest, EverySpeedEndsInTheSameStateAsTheGameItself) {
    NewGame();
    const Recording recording = replay::ParseRecording(RecordGame(200, BusyScript()));
    ASSERT_EQ(recording.status, Recording::Status::Complete);

    // As the game watches: the player's own input is kept out, the
    // recorded events are let through.
    game::SetPlayerInputBlocked(true);
    for (int speed : {1, 8, 0}) {
        MoveToPlaybackFolder();
        Player player(recording);
        ASSERT_TRUE(player.Begin());
        game::PlaybackController controller(player, speed);
        QElapsedTimer took;
        took.start();
        RunToEnd(controller, player);
        EXPECT_EQ(player.Frame(), recordedFrames) << speed;
        EXPECT_EQ(player.FinalChecksum(), recordedFinal) << speed;
        // Normal speed keeps the game's pace of sixty frames a second.
        if (speed == 1) {
            EXPECT_GE(took.elapsed(), recordedFrames * 1000 / 60 - 100);
        }
    }
    game::SetPlayerInputBlocked(false);
}

TEST_F(PlaybackControllerTest, TheWatcherHasEscPausePlusAndMinusAndNoOtherKey) {
    NewGame();
    const Recording recording = replay::ParseRecording(RecordGame(200, {}));
    MoveToPlaybackFolder();
    Player player(recording);
    ASSERT_TRUE(player.Begin());
    game::PlaybackController controller(player, 1);
    bool escaped = false;
    QObject::connect(&controller, &game::PlaybackController::EscapePressed,
                     [&] { escaped = true; });
    QWidget target;
    controller.Start();

    auto press = [&](int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers);
        return QApplication::sendEvent(&target, &event) && event.isAccepted();
    };
    // + and -, also on the keypad, step through 1, 2, 8 and fastest.
    press(Qt::Key_Plus);
    EXPECT_EQ(controller.Speed(), 2);
    press(Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_EQ(controller.Speed(), 8);
    press(Qt::Key_Plus);
    press(Qt::Key_Plus);
    EXPECT_EQ(controller.Speed(), 0);
    for (int i = 0; i < 5; ++i)
        press(Qt::Key_Minus, Qt::KeypadModifier);
    EXPECT_EQ(controller.Speed(), 1);

    // Pause holds the frames where they are.
    press(Qt::Key_Pause);
    ASSERT_TRUE(controller.Halted());
    const uint32_t held = player.Frame();
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 300)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_EQ(player.Frame(), held);

    // Every other key is kept from the game's windows.
    bool reached = false;
    class Listener : public QWidget {
      public:
        explicit Listener(bool& reached) : reached_(reached) {}
        void keyPressEvent(QKeyEvent*) override { reached_ = true; }
        bool& reached_;
    } listener(reached);
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    QApplication::sendEvent(&listener, &right);
    EXPECT_FALSE(reached);
    EXPECT_FALSE(escaped);
    press(Qt::Key_Escape);
    EXPECT_TRUE(escaped);
    controller.Stop();
    QApplication::sendEvent(&listener, &right);
    EXPECT_TRUE(reached);
}

// While watching, what reaches the keyboard routines from the windows (a
// key, the keyboard lost) changes nothing.
TEST_F(PlaybackControllerTest, TheGameTakesNoInputOfItsOwnWhileWatched) {
    NewGame();
    game::SetPlayerInputBlocked(true);
    game::Picture1_KeyDown(0, platform::vk::Right, 0);
    game::PauseForLostKeyboard();
    EXPECT_FALSE(game::KeyRightHeld);
    EXPECT_FALSE(game::Paused);
    game::SetPlayerInputBlocked(false);
    game::Picture1_KeyDown(0, platform::vk::Right, 0);
    EXPECT_TRUE(game::KeyRightHeld);
}

}  // namespace
