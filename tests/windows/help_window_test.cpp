// The help window over the game: F1 opens it with the keys of this run, it
// waits like a notice (no frame runs, time and the log untouched), and only
// Esc, Enter or F1 close it.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <functional>

#include "game/core/key_bindings.h"
#include "game/core/key_text.h"
#include "game/platform/keys.h"
#include "game/windows/help_window.h"
#include "game/windows/window_style.h"
#include "windows/game_window_test.h"

namespace {

using core_testing::GameWindowTest;
using namespace game;

class HelpTest : public GameWindowTest {
  protected:
    void TearDown() override {
        SetActiveKeyBindings(KeyBindings());
        GameWindowTest::TearDown();
    }
    HelpWindow& help() { return windows->help(); }

    // F1 on the play field, and once the help is up, `whileOpen`; true when
    // the help was still open after it (it is then closed with Esc).
    bool StillOpenAfter(const std::function<void()>& whileOpen) {
        bool shown = false, open = false;
        QTimer::singleShot(0, [&] {
            shown = help().isVisible();
            whileOpen();
            open = help().isVisible();
            if (open) QTest::keyClick(&help(), Qt::Key_Escape);
        });
        Press(Qt::Key_F1);
        EXPECT_TRUE(shown);
        EXPECT_FALSE(help().isVisible());
        return open;
    }
};

TEST_F(HelpTest, ListsTheChosenKeysThePadAndTips) {
    KeyBindings keys;
    keys.Set(Command::Up, 'W');
    keys.Set(Command::Fire, 'J');
    keys.Set(Command::QuickSave, platform::vk::F1 + 5);  // F6
    SetActiveKeyBindings(keys);
    StillOpenAfter([&] {
        EXPECT_EQ(help().size(), QSize(500, 372));
        const QStringList names = {
            "Nahoru", "Dolů", "Vlevo",          "Vpravo",         "Střelba",  "Bomba",
            "Pauza",  "Menu", "Rychlé uložení", "Rychlé nahrání", "Nápověda", "Celá obrazovka"};
        const QStringList captions = {"W",  "Šipka dolů", "Šipka vlevo", "Šipka vpravo",
                                      "J",  "Mezerník",   "Pause",       "Esc",
                                      "F6", "F7",         "F1",          "F11, Alt+Enter"};
        for (std::size_t i = 0; i < HelpWindow::kKeyRows; ++i) {
            EXPECT_EQ(help().KeyNames[i]->text(), names[int(i)]);
            EXPECT_EQ(help().KeyCaptions[i]->text(), captions[int(i)]);
        }
        EXPECT_EQ(help().PadNames[1]->text(), "Střelba");
        EXPECT_EQ(help().PadButtons[1]->text(), "A, pravý trigger");
        EXPECT_EQ(help().PadButtons[2]->text(), "B, X");
        EXPECT_EQ(help().PadButtons[7]->text(), "Y");
        EXPECT_TRUE(help().Tips[0]->text().contains("(J)"));
        EXPECT_TRUE(help().Tips[1]->text().contains("tři políčka"));
        EXPECT_TRUE(help().Tips[2]->text().contains("F6"));
        EXPECT_EQ(help().Footer->text(), "Esc, Enter nebo F1 nápovědu zavře, Z ukáže záznamy.");
        // Every text fits its label on one line.
        for (QLabel* label : help().findChildren<QLabel*>())
            EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width())
                << label->text().toStdString();
    });
    // With the pad in hand (its Y opens the help), the tips and the way out
    // name its buttons.
    PadKeyUsed();
    QTimer::singleShot(0, [&] {
        EXPECT_EQ(help().Tips[0]->text(), "Držte střelbu (A) a kouzla poletí jedno za druhým.");
        EXPECT_EQ(help().Tips[2]->text(), "Ukládejte často: LB hru rychle uloží, RB ji vrátí.");
        EXPECT_EQ(help().Footer->text(), "B, A nebo Y nápovědu zavře.");
        QTest::keyClick(&help(), Qt::Key_Escape);
    });
    help().ShowHelp(keys);
    EXPECT_FALSE(help().isVisible());
}

TEST_F(HelpTest, OnlyEscEnterOrF1CloseIt) {
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter, Qt::Key_F1})
        EXPECT_FALSE(StillOpenAfter([&] { QTest::keyClick(&help(), key); })) << key;
    EXPECT_TRUE(StillOpenAfter([&] {
        for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Control, Qt::Key_W, Qt::Key_Up,
                                  Qt::Key_Pause, Qt::Key_F5, Qt::Key_P})
            QTest::keyClick(&help(), key);
        // F1 held since it opened the window repeats: no new press.
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier, QString(), true);
        QCoreApplication::sendEvent(&help(), &repeat);
    }));
    // The keys pressed in the help reached neither the game nor the log.
    EXPECT_FALSE(Paused);
    EXPECT_FALSE(BombArmed);
    EXPECT_TRUE(LogLines().isEmpty());
}

TEST_F(HelpTest, NoFrameRunsWhileItIsOpenAndTimeAndTheLogStayAsTheyWere) {
    for (const bool paused : {false, true}) {
        SCOPED_TRACE(paused);
        Paused = paused;
        form().Text1->clear();
        form().hide();
        windows->ResumeGameWindow();
        const float x = HeroX;
        float xInHelp = 0, xAfterWait = 0;
        bool helpSeen = false;
        // Walk right; once the hero has moved, F1; in the help, wait; then
        // Esc closes it, and once he has walked on, Esc leaves for the menu.
        QTimer player;
        QObject::connect(&player, &QTimer::timeout, [&] {
            if (!form().Loop.Running()) return;
            if (!helpSeen && (paused || HeroX > x + 2 * 0.8f)) {
                helpSeen = true;
                QTimer::singleShot(0, [&] {
                    xInHelp = HeroX;
                    QTest::qWait(200);
                    xAfterWait = HeroX;
                    QTest::keyClick(&help(), Qt::Key_Escape);
                    // The arrow still held repeats its press once the game
                    // has the keyboard back.
                    Press(Qt::Key_Right);
                });
                Press(Qt::Key_F1);
            } else if (helpSeen && (paused || HeroX > xAfterWait + 2 * 0.8f)) {
                player.stop();
                Press(Qt::Key_Escape);
            }
        });
        QTimer::singleShot(0, [&] { Press(Qt::Key_Right); });
        player.start(10);
        ASSERT_TRUE(QTest::qWaitFor([] { return GameSuspended; }, 20000));
        EXPECT_TRUE(helpSeen);
        EXPECT_EQ(xAfterWait, xInHelp);  // no frame in 200 ms
        EXPECT_EQ(Paused, paused);
        EXPECT_TRUE(LogLines().isEmpty()) << LogLines().join('|').toStdString();
        Release(Qt::Key_Right);
        GameSuspended = false;
    }
}

}  // namespace
