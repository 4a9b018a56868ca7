// The game window offscreen: its layout and status panel, real key events
// into the play field, the printed floating texts, and the frame loop hosted
// by its timer.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <filesystem>
#include <set>

#include "game/core/drawing.h"
#include "game/core/game_state.h"
#include "game/core/key_bindings.h"
#include "game/core/messages.h"
#include "game/core/music_director.h"
#include "game/core/progression.h"
#include "game/desktop/pacing.h"
#include "game/levels/level_files.h"
#include "game/levels/working_levels.h"
#include "game/platform/clock.h"
#include "game/platform/file_io.h"
#include "game/windows/game_window.h"
#include "game/windows/help_window.h"
#include "game/windows/menu_window.h"
#include "game/windows/notice_window.h"
#include "game/windows/window_set.h"
#include "game/windows/window_style.h"
#include "game/world/hero_death.h"
#include "support/file_size_limit.h"
#include "support/synthetic_sheets.h"
#include "windows/game_window_test.h"

namespace {

using core_testing::GameWindowTest;

namespace fs = std::filesystem;
using namespace game;

QColor TextColour(const QLabel* label) {
    return label->palette().color(QPalette::WindowText);
}

// The marks of the panel's lives as drawn: the rows with the ink of the
// number left of the number (a frame's side), and the longest run of that
// ink in a row below the number's baseline (a bar, or a frame's bottom).
std::pair<int, int> LivesMarks(QLabel* label) {
    const QImage shown = label->grab().toImage();
    const QRgb ink = TextColour(label).rgb();
    const QFontMetrics metrics(label->font());
    const int left = (label->width() - metrics.horizontalAdvance(label->text())) / 2;
    int beside = 0, longest = 0;
    for (int y = 0; y < shown.height(); ++y) {
        bool side = false;
        for (int x = 0, run = 0; x < shown.width(); ++x) {
            const bool inked = shown.pixel(x, y) == ink;
            side = side || (inked && x < left);
            run = inked && y > metrics.ascent() ? run + 1 : 0;
            longest = std::max(longest, run);
        }
        beside += side;
    }
    return {beside, longest};
}

TEST_F(GameWindowTest, LaysOutTheFieldTheLogAndTheStatusPanel) {
    EXPECT_EQ(form().windowTitle(), "Orvane Karvelun v1.02");
    EXPECT_EQ(form().size(), QSize(779, 516));
    EXPECT_EQ(field()->geometry(), QRect(8, 8, 500, 500));
    EXPECT_EQ(form().Text1->geometry(), QRect(520, 8, 249, 97));
    EXPECT_TRUE(form().Text1->isReadOnly());

    EXPECT_EQ(form().Label4[0]->geometry(), QRect(520, 117, 114, 19));
    EXPECT_EQ(form().Label4[0]->text(), "Životy");
    EXPECT_EQ(TextColour(form().Label4[0]), QColor(255, 0, 0));
    EXPECT_EQ(form().Label4[6]->text(), "Dosah magie");
    EXPECT_EQ(form().Label4[6]->geometry(), QRect(654, 250, 114, 19));
    EXPECT_EQ(form().Label4[5]->text(), "Síla bomby");
    EXPECT_EQ(form().Label4[8]->text(), "Rychlost");
    EXPECT_EQ(form().Label5[1]->geometry(), QRect(719, 146, 49, 19));
    EXPECT_EQ(form().Label6[0]->geometry(), QRect(538, 212, 78, 19));
    EXPECT_EQ(TextColour(form().Label6[0]), QColor(255, 255, 128));
    EXPECT_EQ(form().Label6[6]->geometry(), QRect(538, 410, 78, 19));
    EXPECT_EQ(TextColour(form().Label6[6]), QColor(255, 255, 255));
    EXPECT_EQ(form().Label4[0]->palette().color(QPalette::Window), QColor(Qt::black));
}

TEST_F(GameWindowTest, TheStatusPanelShowsTheHerosValues) {
    Lives = 7;
    MaxLives = 12;
    Experience = 1234567;
    HeroLevel = 18;
    Gold = 1200;
    MissileStrength = 3;
    MissileRange = 45;
    BombStrength = 9;
    BombRange = 40;
    HeroSpeed = 0.7f;
    UpdateStatus();
    EXPECT_EQ(form().Label1->text(), "7");
    EXPECT_EQ(form().Label3->text(), "12");
    EXPECT_EQ(form().Label5[0]->text(), "1 234 567");
    EXPECT_EQ(form().Label5[1]->text(), "36 100");
    EXPECT_EQ(form().Label6[0]->text(), "1 200");
    EXPECT_EQ(form().Label6[1]->text(), "19");
    EXPECT_EQ(form().Label6[2]->text(), "3");
    EXPECT_EQ(form().Label6[3]->text(), "9");
    EXPECT_EQ(form().Label6[4]->text(), "9");
    EXPECT_EQ(form().Label6[5]->text(), "8");
    EXPECT_EQ(form().Label6[6]->text(), "7");

    Windows().SetLivesCaption("6");
    EXPECT_EQ(form().Label1->text(), "6");
    EXPECT_EQ(form().Label3->text(), "12");
}

// The signs of the hero's health as the window shows them: the frame's
// hero and edge, and the panel's lives.
TEST_F(GameWindowTest, AHurtHeroFlashesWithThePanelsLivesAndLowLivesEdgeTheField) {
    for (Tile& tile : Tiles) {
        tile.Revealed = kTrue;
        tile.Picture = 3;
    }
    HeroX = HeroY = 200;
    HealthSigns& signs = CurrentHealthSigns();
    auto frameAt = [&](int32_t lives, int64_t ms) {
        signs.Follow(lives, 20, false, ms);
        windows->DrawFrame();
        // A copy: the field's image shares the pixels of the next frame.
        return form().FieldImage().copy();
    };
    auto panel = [&](QLabel* label, QPalette::ColorRole role) {
        return label->palette().color(role);
    };
    const QImage calm = frameAt(20, 0);
    ASSERT_EQ(calm.pixel(208, 208), testing_support::HeroColour(HeroFacing) | 0xFF000000u);
    const int digits = QFontMetrics(form().Label1->font()).horizontalAdvance("20");
    EXPECT_EQ(LivesMarks(form().Label1), std::pair(0, 0));

    const QImage hurt = frameAt(17, 20);
    const QColor hero(hurt.pixel(208, 208));
    EXPECT_GE(hero.red(), 200);
    EXPECT_LT(hero.green(), 70);
    EXPECT_EQ(hurt.pixel(100, 100), calm.pixel(100, 100));  // the floor keeps its colour
    EXPECT_EQ(hurt.pixel(0, 0), calm.pixel(0, 0));          // lives are not low
    for (QLabel* label : std::initializer_list<QLabel*>{form().Label4[0], form().Label1}) {
        EXPECT_EQ(panel(label, QPalette::Window), QColor(200, 0, 0));
        EXPECT_EQ(panel(label, QPalette::WindowText), QColor(Qt::white));
    }
    // Beyond its colour the number is underlined, not framed: lives are not low.
    EXPECT_TRUE(form().Label1->Underlined());
    EXPECT_FALSE(form().Label1->Framed());
    EXPECT_EQ(LivesMarks(form().Label1).first, 0);
    EXPECT_GE(LivesMarks(form().Label1).second, digits);

    // 120 ms on, all is as before.
    EXPECT_EQ(frameAt(17, 140), calm);
    EXPECT_EQ(panel(form().Label4[0], QPalette::Window), QColor(Qt::black));
    EXPECT_EQ(panel(form().Label4[0], QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(panel(form().Label1, QPalette::WindowText), QColor(255, 128, 128));
    EXPECT_EQ(LivesMarks(form().Label1), std::pair(0, 0));

    // Low lives: a red edge, strongest at the rim; the middle untouched.
    // (The loss of 12 lives flashes the hero too, till 1120 ms.)
    const QImage low = frameAt(5, 1000);
    const QColor floor(calm.pixel(0, 250)), rim(low.pixel(0, 250)), inner(low.pixel(4, 250));
    EXPECT_GT(rim.red(), floor.red());
    EXPECT_LT(rim.blue(), floor.blue());
    EXPECT_LT(rim.blue(), inner.blue());
    EXPECT_LT(inner.blue(), floor.blue());
    for (const QPoint p : {QPoint(250, 0), QPoint(499, 250), QPoint(250, 499)})
        EXPECT_EQ(low.pixel(p), low.pixel(0, 250)) << p.x() << "," << p.y();
    EXPECT_EQ(low.pixel(kHealthEdgeWidth, 250), calm.pixel(kHealthEdgeWidth, 250));
    EXPECT_EQ(low.pixel(250, 250), calm.pixel(250, 250));
    // The number is framed while lives are low (and underlined while he
    // flashes from this blow).
    EXPECT_TRUE(form().Label1->Framed());
    EXPECT_TRUE(form().Label1->Underlined());
    EXPECT_GE(LivesMarks(form().Label1).first, 10);
    // Healed above the threshold, the edge and the marks are gone.
    EXPECT_EQ(frameAt(6, 1200), calm);
    EXPECT_EQ(LivesMarks(form().Label1), std::pair(0, 0));

    // Nothing flashing: the hurt hero keeps his colours inside a steady red
    // rim, the panel keeps its own, and the low-lives edge stands still.
    Access.flashing = false;
    signs.Forget();
    frameAt(20, 2000);
    const QImage rimmed = frameAt(17, 2020);
    EXPECT_EQ(rimmed.pixel(208, 208), calm.pixel(208, 208));
    EXPECT_EQ(QColor(rimmed.pixel(200, 208)), QColor(230, 20, 20));  // beside his shape
    EXPECT_EQ(QColor(rimmed.pixel(208, 215)), QColor(230, 20, 20));
    EXPECT_EQ(rimmed.pixel(198, 208), calm.pixel(198, 208));
    EXPECT_EQ(panel(form().Label4[0], QPalette::Window), QColor(Qt::black));
    EXPECT_EQ(panel(form().Label1, QPalette::WindowText), QColor(255, 128, 128));
    EXPECT_TRUE(form().Label1->Underlined());  // the mark beyond colour stays
    EXPECT_EQ(frameAt(17, 2140), calm);
    frameAt(5, 3000);  // the loss puts the rim round him till 3120 ms
    const QImage still = frameAt(5, 3200);
    const std::pair<int, int> framedMarks = LivesMarks(form().Label1);
    EXPECT_GE(framedMarks.first, 10);
    EXPECT_GT(QColor(still.pixel(0, 250)).red(), QColor(calm.pixel(0, 250)).red());
    for (const int64_t ms : {3500, 3800, 4200, 4600}) {
        EXPECT_EQ(frameAt(5, ms), still) << ms;  // the edge's dashes too
        EXPECT_EQ(LivesMarks(form().Label1), framedMarks) << ms;
        EXPECT_FALSE(form().Label1->Underlined()) << ms;
    }
}

TEST_F(GameWindowTest, TheLogGivesTheFocusStraightBack) {
    form().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form()));
    EXPECT_TRUE(field()->hasFocus());
    form().Text1->setFocus(Qt::MouseFocusReason);
    EXPECT_TRUE(field()->hasFocus());
    EXPECT_FALSE(form().Text1->hasFocus());
}

// The log's scroll bar, drawn as the player sees it: a dark groove with a
// stone block for a handle, lit along its top, at every scale.
TEST_F(GameWindowTest, TheLogsScrollBarIsAStoneBlockInADarkGroove) {
    QPlainTextEdit& log = *form().Text1;
    for (int i = 0; i < 60; ++i)
        log.appendPlainText(QStringLiteral("řádek %1").arg(i));
    QScrollBar& bar = *log.verticalScrollBar();
    for (int scale : {1, 2}) {
        SCOPED_TRACE(scale);
        if (scale > 1) StyleStoneScrollBar(log, scale);  // the window is made at scale 1
        bar.setValue(0);
        QApplication::processEvents();
        ASSERT_TRUE(bar.isVisible());
        EXPECT_EQ(bar.width(), kStoneScrollBarWidth * scale);

        const QImage image = bar.grab().toImage();
        const int x = image.width() / 2;
        auto luma = [&](int y) { return qGray(image.pixel(x, y)); };
        // Down the middle: the handle starts near the top with its lit
        // edge, its face is lighter than the groove, the groove is dark.
        int edge = 0;
        while (edge < image.height() && luma(edge) < 60)
            ++edge;
        ASSERT_LT(edge, 4 * scale) << "no handle at the top of the bar";
        const int face = edge + 2 * scale;
        EXPECT_GT(luma(edge), luma(face)) << "the handle's top edge is not lit";
        EXPECT_GT(luma(face), 60);
        EXPECT_LT(luma(image.height() - 2), 25) << "the groove is not dark";
    }
}

TEST_F(GameWindowTest, ArrowsHoldTheirFlagsAndChangeTheStepOnRelease) {
    struct Arrow {
        Qt::Key key;
        bool* held;
        float* step;
        float* otherStep;
    } arrows[] = {{Qt::Key_Up, &KeyUpHeld, &HeroStepY, &HeroStepX},
                  {Qt::Key_Down, &KeyDownHeld, &HeroStepY, &HeroStepX},
                  {Qt::Key_Left, &KeyLeftHeld, &HeroStepX, &HeroStepY},
                  {Qt::Key_Right, &KeyRightHeld, &HeroStepX, &HeroStepY}};
    for (const Arrow& arrow : arrows) {
        HeroStepX = HeroStepY = 0.8f;
        Press(arrow.key);
        EXPECT_TRUE(*arrow.held);
        EXPECT_FLOAT_EQ(*arrow.step, 0.8f);
        Release(arrow.key);
        EXPECT_FALSE(*arrow.held);
        EXPECT_FLOAT_EQ(*arrow.step, 0.6f);
        EXPECT_FLOAT_EQ(*arrow.otherStep, 0.8f);
    }
}

TEST_F(GameWindowTest, AutoRepeatDoesNotStallAHeldArrow) {
    Press(Qt::Key_Right);
    for (int i = 0; i < 5; ++i)
        AutoRepeat(Qt::Key_Right);
    EXPECT_TRUE(KeyRightHeld);
    EXPECT_FLOAT_EQ(HeroStepX, 0.8f);  // no key-up yet: the step stays
    const float x = HeroX;
    form().Loop.RunFrame();
    EXPECT_FLOAT_EQ(HeroX, x + 0.8f);
    Release(Qt::Key_Right);
    EXPECT_FALSE(KeyRightHeld);
}

TEST_F(GameWindowTest, TwoArrowsMoveDiagonallyWithTheLaterFacing) {
    const float x = HeroX, y = HeroY;
    Press(Qt::Key_Right);
    Press(Qt::Key_Up);
    form().Loop.RunFrame();
    EXPECT_FLOAT_EQ(HeroX, x + 0.8f);
    EXPECT_FLOAT_EQ(HeroY, y - 0.8f);
    EXPECT_EQ(HeroFacing, 2);  // right comes after up in the frame
    Release(Qt::Key_Right);
    form().Loop.RunFrame();
    EXPECT_EQ(HeroFacing, 1);
}

TEST_F(GameWindowTest, CtrlFiresAndSpaceLaysOneBomb) {
    Press(Qt::Key_Control, Qt::ControlModifier);
    EXPECT_TRUE(FireHeld);
    Release(Qt::Key_Control);
    EXPECT_FALSE(FireHeld);

    HeroX = 100.5f;  // + 4 = 104.5, rounds to 104
    HeroY = 41.5f;   // + 4 = 45.5, rounds to 46
    Press(Qt::Key_Space);
    EXPECT_TRUE(BombArmed);
    EXPECT_EQ(BombX, 104);
    EXPECT_EQ(BombY, 46);
    EXPECT_FLOAT_EQ(BombTime, 1234.5f);
    HeroX = 300;
    AutoRepeat(Qt::Key_Space);
    Press(Qt::Key_Space);
    EXPECT_EQ(BombX, 104);  // while a bomb is armed the key does nothing
}

TEST_F(GameWindowTest, PauseTwiceLeavesOneLineAndRepeatsAreIgnored) {
    AddLogLine("Zasáhl jsi netopýra");
    const int lines = Windows().LogLineCount();
    Press(Qt::Key_Pause);
    EXPECT_TRUE(Paused);
    AutoRepeat(Qt::Key_Pause);
    EXPECT_TRUE(Paused);
    Release(Qt::Key_Pause);
    EXPECT_EQ(LogLines(), QStringList({"Zasáhl jsi netopýra", "Čas se zastavil..."}));
    Press(Qt::Key_Pause);
    EXPECT_FALSE(Paused);
    // The resumption in place of the stop, also for the log's line count.
    EXPECT_EQ(LogLines(), QStringList({"Zasáhl jsi netopýra", "Čas běží dál..."}));
    EXPECT_EQ(Windows().LogLineCount(), lines + 1);

    // A line told while time stands still keeps the stop before it.
    Press(Qt::Key_Pause);
    AddLogLine("Hra uložena");
    Press(Qt::Key_Pause);
    EXPECT_EQ(LogLines().mid(2),
              QStringList({"Čas se zastavil...", "Hra uložena", "Čas běží dál..."}));
    EXPECT_EQ(Windows().LogLineCount(), lines + 4);
}

// The keys the player chose in the settings tool, for the length of a test.
class ChosenKeys {
  public:
    explicit ChosenKeys(std::initializer_list<std::pair<Command, int16_t>> keys) {
        KeyBindings bindings;
        for (auto [command, key] : keys)
            bindings.Set(command, key);
        SetActiveKeyBindings(bindings);
    }
    ~ChosenKeys() { SetActiveKeyBindings(KeyBindings()); }
};

TEST_F(GameWindowTest, ARemappedFireKeyFiresAndCtrlThenDoesNot) {
    const ChosenKeys keys({{Command::Fire, 'F'}, {Command::Bomb, 'B'}});
    Press(Qt::Key_Control, Qt::ControlModifier);
    Press(Qt::Key_Space);
    EXPECT_FALSE(FireHeld);
    EXPECT_FALSE(BombArmed);
    Release(Qt::Key_Control);

    Press(Qt::Key_F);
    AutoRepeat(Qt::Key_F);
    EXPECT_TRUE(FireHeld);
    form().Loop.RunFrame();
    EXPECT_EQ(MissileCount, 1);
    Release(Qt::Key_F);
    EXPECT_FALSE(FireHeld);
    Press(Qt::Key_B);
    EXPECT_TRUE(BombArmed);
}

TEST_F(GameWindowTest, WasdWalksTheHeroAndTheArrowsNoLonger) {
    const ChosenKeys keys(
        {{Command::Up, 'W'}, {Command::Left, 'A'}, {Command::Down, 'S'}, {Command::Right, 'D'}});
    const float x = HeroX, y = HeroY;
    Press(Qt::Key_Right);
    Press(Qt::Key_Up);
    form().Loop.RunFrame();
    EXPECT_FLOAT_EQ(HeroX, x);
    EXPECT_FLOAT_EQ(HeroY, y);
    Press(Qt::Key_D);
    Press(Qt::Key_W);
    form().Loop.RunFrame();
    EXPECT_FLOAT_EQ(HeroX, x + 0.8f);
    EXPECT_FLOAT_EQ(HeroY, y - 0.8f);
    Release(Qt::Key_D);
    EXPECT_FALSE(KeyRightHeld);
    EXPECT_FLOAT_EQ(HeroStepX, 0.6f);
}

TEST_F(GameWindowTest, EscLeavesForTheMenuAndLetsGoOfTheKeys) {
    windows->form3().Items.Selected = kMenuLoad;
    Press(Qt::Key_Left);
    Press(Qt::Key_Escape);
    EXPECT_TRUE(GameSuspended);
    EXPECT_TRUE(CanResume);
    EXPECT_TRUE(CanSave);
    EXPECT_FALSE(form().isVisible());
    EXPECT_TRUE(windows->form3().isVisible());
    EXPECT_TRUE(windows->form3().Timer1->isActive());
    // The arrow will be released in the menu, never here.
    EXPECT_FALSE(KeyLeftHeld);
    EXPECT_FLOAT_EQ(HeroStepX, 0.6f);
    // The menu opens at "Zpět", lit, whatever was chosen before: Enter
    // takes the player back.
    EXPECT_EQ(windows->form3().Items.Selected, kMenuResume);
    EXPECT_TRUE(windows->form3().Items.Highlighted[kMenuResume]);
    QTest::keyClick(&windows->form3(), Qt::Key_Return);
    EXPECT_TRUE(form().isVisible());
    EXPECT_FALSE(windows->form3().isVisible());
}

TEST_F(GameWindowTest, CheatKeysWorkOnlyInCheatMode) {
    Lives = 3;
    MaxLives = 14;
    const auto ctrlAlt = Qt::ControlModifier | Qt::AltModifier;
    Press(Qt::Key_H, ctrlAlt);
    Press(Qt::Key_L);
    EXPECT_EQ(Lives, 3);
    EXPECT_TRUE(LogLines().isEmpty());

    CheatMode = true;
    Press(Qt::Key_H, Qt::ControlModifier);
    Press(Qt::Key_H, Qt::AltModifier | Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(Lives, 3);
    Paused = true;  // also while time stands still
    Press(Qt::Key_H, ctrlAlt);
    EXPECT_EQ(Lives, 14);
    EXPECT_EQ(form().Label1->text(), "14");

    LevelNumber = 12;
    Press(Qt::Key_L);
    EXPECT_EQ(LogLines(), QStringList({"Aktuální mapa: 12"}));
}

TEST_F(GameWindowTest, LosingTheKeyboardToAnotherWindowReleasesTheHeldKeys) {
    Press(Qt::Key_Left);
    Press(Qt::Key_Control, Qt::ControlModifier);
    QFocusEvent lost(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QCoreApplication::sendEvent(field(), &lost);
    EXPECT_FALSE(KeyLeftHeld);
    EXPECT_FALSE(FireHeld);
    EXPECT_FLOAT_EQ(HeroStepX, 0.6f);  // as the release would have set it
    EXPECT_FLOAT_EQ(HeroStepY, 0.8f);  // the axis not held is untouched
    const float x = HeroX;
    form().Loop.RunFrame();
    EXPECT_FLOAT_EQ(HeroX, x);
}

// What the screen shows of the play field once pending paints are done.
QImage ShownField(QWidget& window) {
    QCoreApplication::processEvents();
    return window.screen()
        ->grabWindow(window.winId(), 8, 8, 500, 500)
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

// Pixels of exactly the pause caption's colour in rows [top, bottom) of
// the shown field.
int CaptionPixels(const QImage& shown, int top = 0, int bottom = 40) {
    int count = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < shown.width(); ++x)
            count += shown.pixel(x, y) == qRgb(255, 224, 128);
    return count;
}

class PauseOverlayTest : public GameWindowTest {
  protected:
    void SetUp() override {
        GameWindowTest::SetUp();
        for (Tile& tile : Tiles) {
            tile.Revealed = kTrue;
            tile.Picture = 3;
        }
        windows->DrawFrame();
        frame = form().FieldImage().convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(ShownField(form()), frame);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form()));
    }
    // The program goes without the keyboard, as when another program takes
    // it, for longer than the grace time.
    void LoseKeyboardToAnotherProgram() {
        emit qGuiApp->applicationStateChanged(Qt::ApplicationInactive);
        QTest::qWait(Form1::kLostKeyboardGraceMs + 100);
    }
    void GetKeyboardBack() { emit qGuiApp->applicationStateChanged(Qt::ApplicationActive); }
    QImage frame;  // the last frame as the rules drew it
};

TEST_F(PauseOverlayTest, PauseDimsTheShownFrameUnderACaptionUntilTimeRunsAgain) {
    Press(Qt::Key_Pause);
    const QImage paused = ShownField(form());
    // A small caption at the top edge; the middle, where the fight is, only
    // dimmed.
    EXPECT_GT(CaptionPixels(paused), 40);
    EXPECT_EQ(CaptionPixels(paused, 40, 500), 0);
    EXPECT_LT(QColor(paused.pixel(250, 250)).red(), QColor(frame.pixel(250, 250)).red() / 2 + 2);
    // The corner keeps its colour, darker: still there to be seen.
    const QColor tile(frame.pixel(2, 2)), dimmed(paused.pixel(2, 2));
    EXPECT_LT(dimmed.red(), tile.red() / 2 + 2);
    EXPECT_LT(dimmed.green(), tile.green() / 2 + 2);
    EXPECT_LT(dimmed.blue(), tile.blue() / 2 + 2);
    EXPECT_GT(dimmed.red() + dimmed.green() + dimmed.blue(), 0);
    // Only what is shown changes, never the frame itself.
    EXPECT_EQ(form().FieldImage().convertToFormat(QImage::Format_RGB32), frame);

    Press(Qt::Key_Pause);
    EXPECT_EQ(ShownField(form()), frame);
}

// The music as the game window's keys and windows move it.
class MusicHeard : public MusicSink {
  public:
    MusicHeard() {
        Music().SetSink(this);
        heard.clear();  // what an earlier test left playing
    }
    ~MusicHeard() override { Music().SetSink(nullptr); }
    void CrossFade(const MusicPiece& piece, int) override { heard.push_back(piece.name); }
    void Duck(int percent) override { heard.push_back("duck " + std::to_string(percent)); }
    std::vector<std::string> heard;
};

TEST_F(PauseOverlayTest, PauseAndTheHelpLowerTheLevelsMusicAndBringItBack) {
    MusicHeard music;
    LevelNumber = 17;
    form().Loop.RunFrame();
    Press(Qt::Key_Pause);
    EXPECT_EQ(Music().DuckPercent(), 40);
    Press(Qt::Key_Pause);
    EXPECT_EQ(Music().DuckPercent(), 100);
    // The help, modal, lowers it while it is open.
    bool loweredWhileOpen = false;
    QTimer::singleShot(0, [&] {
        loweredWhileOpen = Music().DuckPercent() == 40;
        QTest::keyClick(&windows->help(), Qt::Key_Escape);
    });
    Press(Qt::Key_F1);
    EXPECT_TRUE(loweredWhileOpen);
    EXPECT_EQ(music.heard,
              (std::vector<std::string>{"act3", "duck 40", "duck 100", "duck 40", "duck 100"}));
}

TEST_F(PauseOverlayTest, LosingTheKeyboardToAnotherProgramStopsTimeUntilPause) {
    Press(Qt::Key_Right);
    LoseKeyboardToAnotherProgram();
    ASSERT_TRUE(Paused);
    EXPECT_FALSE(KeyRightHeld);
    EXPECT_EQ(LogLines(), QStringList({"Čas se zastavil..."}));
    EXPECT_GT(CaptionPixels(ShownField(form())), 200);

    // Coming back does not start time, nor does losing the keyboard again
    // tell of it twice.
    GetKeyboardBack();
    LoseKeyboardToAnotherProgram();
    GetKeyboardBack();
    ASSERT_TRUE(Paused);  // else the loop below would run for good
    EXPECT_EQ(LogLines().size(), 1);
    const float x = HeroX;
    form().Loop.Timer1_Timer();
    EXPECT_FLOAT_EQ(HeroX, x);

    Press(Qt::Key_Pause);
    EXPECT_FALSE(Paused);
    EXPECT_EQ(LogLines(), QStringList({"Čas běží dál..."}));
    EXPECT_EQ(ShownField(form()), frame);
}

TEST_F(PauseOverlayTest, TimeRunsOnWhenTheKeyboardComesBackWithinTheGraceTime) {
    // As when a window of the game's own closes and the window manager takes
    // a moment to hand the keyboard back.
    emit qGuiApp->applicationStateChanged(Qt::ApplicationInactive);
    QTest::qWait(Form1::kLostKeyboardGraceMs / 5);
    EXPECT_FALSE(Paused);
    GetKeyboardBack();
    QTest::qWait(Form1::kLostKeyboardGraceMs + 100);
    EXPECT_FALSE(Paused);
    EXPECT_TRUE(LogLines().isEmpty());
}

TEST_F(PauseOverlayTest, AGameWindowThatNeverHadTheKeyboardCannotLoseIt) {
    form().hide();
    form().show();
    // Shown, but the window system has not yet given it the keyboard.
    ASSERT_FALSE(form().isActiveWindow());
    LoseKeyboardToAnotherProgram();
    EXPECT_FALSE(Paused);
    // Once it had the keyboard, losing it counts.
    QWidget ownWindow;
    ownWindow.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&ownWindow));
    form().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form()));
    LoseKeyboardToAnotherProgram();
    EXPECT_TRUE(Paused);
}

TEST_F(PauseOverlayTest, TimeRunsOnWhenTheKeyboardStaysWithTheGameOrPauseIsOff) {
    // Another window of the game's own takes the keyboard.
    QWidget ownWindow;
    ownWindow.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&ownWindow));
    EXPECT_EQ(qGuiApp->applicationState(), Qt::ApplicationActive);
    EXPECT_FALSE(Paused);
    ownWindow.hide();

    form().PauseOnFocusLoss = false;
    LoseKeyboardToAnotherProgram();
    EXPECT_FALSE(Paused);
    form().PauseOnFocusLoss = true;

    // In the menu there is no play to stop.
    form().hide();
    LoseKeyboardToAnotherProgram();
    EXPECT_FALSE(Paused);
    EXPECT_TRUE(LogLines().isEmpty());
}

// The quick save and the hidden passage go through the real level files in
// the test's program folder.
class SavedGameWindowTest : public GameWindowTest {
  protected:
    void SetUp() override {
        GameWindowTest::SetUp();
        fs::create_directories(WorkingLevelsFolder());
    }
    // A level in the working folder whose tile 0 shows the picture.
    void StoreLevelShowing(int32_t number, int16_t picture) {
        Tiles[0].Picture = picture;
        ASSERT_TRUE(StoreLevel(number));
    }
    std::vector<uint8_t> FileBytes(const fs::path& path) {
        std::vector<uint8_t> bytes;
        ReadWholeFile(path.string(), bytes);
        return bytes;
    }
    fs::path saves() { return folder / "data" / "saves"; }
};

TEST_F(SavedGameWindowTest, F5SavesAndF7RestoresTheGameWithAFreshLog) {
    StoreLevelShowing(0, 11);
    StoreLevelShowing(1, 12);  // the level in memory, where the hero is
    UnpackedLevelCount = 2;
    LevelNumber = 1;
    HeroX = 123.5f;
    Gold = 77;
    Press(Qt::Key_F5);
    EXPECT_TRUE(fs::exists(saves() / "quick.lev"));
    EXPECT_TRUE(fs::exists(saves() / "quick.pos"));
    EXPECT_EQ(LogLines(), QStringList({"Hra byla úspěšně uložena..."}));

    // The game goes on: the hero walks, the level changes, time stops.
    HeroX = 300.0f;
    Gold = 1000;
    Tiles[0].Picture = 30;
    LevelNumber = 0;
    AddLogLine("Získal jsi 5 zlatých!");
    Press(Qt::Key_Pause);

    Press(Qt::Key_F7);
    EXPECT_EQ(LevelNumber, 1);
    EXPECT_FLOAT_EQ(HeroX, 123.5f);
    EXPECT_EQ(Gold, 77);
    EXPECT_EQ(form().Label6[0]->text(), "77");
    EXPECT_EQ(Tiles[0].Picture, 12);
    EXPECT_FALSE(Paused);
    EXPECT_EQ(LogLines(), QStringList({"Hra byla úspěšně načtena..."}));
}

TEST_F(SavedGameWindowTest, F5ForADeadHeroKeepsTheQuickSave) {
    StoreLevelShowing(0, 11);
    UnpackedLevelCount = 1;
    Press(Qt::Key_F5);
    const std::vector<uint8_t> saved = FileBytes(saves() / "quick.pos");
    ASSERT_FALSE(saved.empty());
    HeroDead = true;
    HeroX = 50.0f;
    Press(Qt::Key_F5);
    EXPECT_EQ(FileBytes(saves() / "quick.pos"), saved);
    EXPECT_NE(LogLines().back(), "Hra byla úspěšně uložena...");
}

TEST_F(SavedGameWindowTest, SOnTheHiddenTileOfLevel55LeadsToLevel81) {
    StoreLevelShowing(81, 21);
    Tiles[0].Picture = 22;  // level 55 in memory, changed since it was stored
    LevelNumber = 55;
    // The hero's centre on tile 79 (column 4, row 3): (80..99, 60..79).
    HeroX = 80.0f - 7.0f + 3.0f;
    HeroY = 60.0f - 7.0f + 0.4f;
    ASSERT_EQ(TileIndexOf(HeroX + 7.0f, HeroY + 7.0f), 79);

    LevelNumber = 54;  // on another level the key does nothing
    Press(Qt::Key_S);
    EXPECT_EQ(LevelNumber, 54);
    LevelNumber = 55;
    HeroX += 20.0f;  // nor on another tile
    Press(Qt::Key_S);
    EXPECT_EQ(LevelNumber, 55);
    HeroX -= 20.0f;

    Press(Qt::Key_S);
    EXPECT_EQ(LevelNumber, 81);
    EXPECT_FLOAT_EQ(HeroX, 587 % 25 * 20 + 2.0f);
    EXPECT_FLOAT_EQ(HeroY, 587 / 25 * 20 + 2.0f);
    EXPECT_EQ(Tiles[0].Picture, 21);
    // Level 55 was stored before it was left.
    ASSERT_TRUE(LoadLevel(55));
    EXPECT_EQ(Tiles[0].Picture, 22);
}

TEST_F(SavedGameWindowTest, SGivenToACommandStillOpensTheHiddenPassage) {
    const ChosenKeys keys({{Command::Down, 'S'}});
    StoreLevelShowing(81, 21);
    LevelNumber = 55;
    HeroX = 80.0f - 7.0f + 3.0f;  // the centre on tile 79
    HeroY = 60.0f - 7.0f + 0.4f;
    Press(Qt::Key_S);
    EXPECT_TRUE(KeyDownHeld);
    EXPECT_EQ(LevelNumber, 81);
    Release(Qt::Key_S);
    EXPECT_FALSE(KeyDownHeld);
}

TEST_F(SavedGameWindowTest, F5OnAGameWhoseLevelsAreGoneKeepsTheQuickSave) {
    StoreLevelShowing(0, 11);
    StoreLevelShowing(1, 12);
    UnpackedLevelCount = 2;
    Press(Qt::Key_F5);
    const std::vector<uint8_t> saved = FileBytes(saves() / "quick.lev");
    ASSERT_FALSE(saved.empty());

    // Another copy of the game emptied the working folder; the hero's level
    // is stored again by the save, the other one is gone.
    ClearWorkingLevels();
    Press(Qt::Key_F5);
    EXPECT_EQ(FileBytes(saves() / "quick.lev"), saved);
    EXPECT_EQ(LogLines().back(),
              "Hru se nepodařilo uložit, předchozí uložená hra zůstala beze změny...");
    EXPECT_EQ(LogLines().count("Hra byla úspěšně uložena..."), 1);
}

TEST_F(SavedGameWindowTest, SKeepsTheHeroOnLevel55WhenItCannotBeStored) {
    StoreLevelShowing(81, 21);
    Tiles[0].Picture = 22;
    LevelNumber = 55;
    HeroX = 80.0f - 7.0f + 3.0f;  // the centre on tile 79
    HeroY = 60.0f - 7.0f + 0.4f;
    const float x = HeroX, y = HeroY;
    {
        // No level file fits.
        testing_support::FileSizeLimit full(1024);
        Press(Qt::Key_S);
    }
    EXPECT_EQ(LevelNumber, 55);
    EXPECT_EQ(HeroX, x);
    EXPECT_EQ(HeroY, y);
    EXPECT_EQ(Tiles[0].Picture, 22);  // level 55 is still in memory
    EXPECT_EQ(LogLines(), QStringList({"Úroveň se nepodařilo uložit, zůstáváš zde..."}));

    // With room on the disk again the passage opens.
    Press(Qt::Key_S);
    EXPECT_EQ(LevelNumber, 81);
}

TEST_F(SavedGameWindowTest, SLeadsNowhereForADeadHero) {
    StoreLevelShowing(81, 21);
    Tiles[0].Picture = 22;
    LevelNumber = 55;
    HeroX = 80.0f - 7.0f + 3.0f;
    HeroY = 60.0f - 7.0f + 0.4f;
    KillHero();  // the working folder goes with him
    Press(Qt::Key_S);
    EXPECT_EQ(LevelNumber, 55);
    EXPECT_FALSE(fs::exists(LevelFilePath(55)));  // nothing written for the dead game
}

// Colours found in a rectangle of the field's image.
std::set<QRgb> ColoursIn(const QImage& image, const QRect& area) {
    std::set<QRgb> colours;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            colours.insert(image.pixel(x, y));
    return colours;
}

TEST_F(GameWindowTest, FloatingTextsArePrintedInTheirOwnColoursOverEverything) {
    Tiles[TileIndex(100, 100)].Revealed = kTrue;
    Tiles[TileIndex(100, 100)].Picture = 3;
    HeroDead = true;
    AddFloatText(110, 120, "WWWW", Rgb(255, 0, 0));  // over the tile
    AddFloatText(110, 220, "WWWW", Rgb(0, 255, 0));
    const int w = form().TextWidth("WWWW");
    ASSERT_GT(w, 20);

    windows->DrawFrame();
    const QImage& image = form().FieldImage();
    ASSERT_EQ(image.size(), QSize(500, 500));
    const int left = static_cast<int>(FloatTexts[0].X);
    const std::set<QRgb> first = ColoursIn(image, QRect(left, 100, w, 14));
    const std::set<QRgb> second = ColoursIn(image, QRect(left, 200, w, 14));
    const QRgb tile = testing_support::TileColour(3);
    EXPECT_EQ(first, (std::set<QRgb>{qRgb(255, 0, 0), tile, qRgb(0, 0, 0)}));
    EXPECT_EQ(second, (std::set<QRgb>{qRgb(0, 255, 0), qRgb(0, 0, 0)}));
}

// Two texts told at one place over a floor: each is ringed in black, never
// touching the floor, and the second stands wholly above the first, while
// both keep the places the rules gave them.
TEST_F(GameWindowTest, FloatingTextsAtOnePlaceAreRingedAndStacked) {
    for (int y = 60; y < 200; y += kTileSize)
        for (int x = 60; x < 200; x += kTileSize) {
            Tiles[TileIndex(x, y)].Revealed = kTrue;
            Tiles[TileIndex(x, y)].Picture = 3;
        }
    HeroDead = true;
    AddFloatText(130, 150, "WWWW", Rgb(255, 0, 0));
    AddFloatText(130, 152, "WWWW", Rgb(0, 255, 0));
    const float kept[] = {FloatTexts[0].X, FloatTexts[0].Y, FloatTexts[1].X, FloatTexts[1].Y};

    windows->DrawFrame();
    EXPECT_EQ(FloatTexts[0].X, kept[0]);
    EXPECT_EQ(FloatTexts[0].Y, kept[1]);
    EXPECT_EQ(FloatTexts[1].X, kept[2]);
    EXPECT_EQ(FloatTexts[1].Y, kept[3]);
    const QImage& image = form().FieldImage();
    const QRgb floor = testing_support::TileColour(3);
    int redTop = 500, greenBottom = -1, inked = 0;
    for (int y = 61; y < 199; ++y)
        for (int x = 61; x < 199; ++x) {
            const QRgb here = image.pixel(x, y);
            if (here != qRgb(255, 0, 0) && here != qRgb(0, 255, 0)) continue;
            ++inked;
            if (here == qRgb(255, 0, 0)) redTop = std::min(redTop, y);
            if (here == qRgb(0, 255, 0)) greenBottom = std::max(greenBottom, y);
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    ASSERT_NE(image.pixel(x + dx, y + dy), floor)
                        << "the floor touches the text at " << x + dx << ", " << y + dy;
        }
    ASSERT_GT(inked, 40);
    EXPECT_LT(greenBottom, redTop);
}

// A text told at the field's edge would be cut there ("il jsi nějaký
// mechanismus" by the left wall): it is printed moved inside the field, as
// much of it as out in the open, while the text itself keeps its place.
TEST_F(GameWindowTest, AFloatingTextAtTheFieldsEdgeIsPrintedWhole) {
    HeroDead = true;  // the text alone on black
    const std::string text = "Aktivoval jsi nějaký mechanismus...";
    auto inkAt = [&](float x, float y) {
        ClearList(FloatTexts, FloatTextCount);
        AddFloatText(x, y, text, Rgb(255, 255, 255));
        const float keptX = FloatTexts[0].X, keptY = FloatTexts[0].Y;
        windows->DrawFrame();
        EXPECT_EQ(FloatTexts[0].X, keptX);
        EXPECT_EQ(FloatTexts[0].Y, keptY);
        const QImage& image = form().FieldImage();
        int ink = 0;
        for (int py = 0; py < image.height(); ++py)
            for (int px = 0; px < image.width(); ++px)
                ink += (image.pixel(px, py) & 0xFFFFFF) != 0;
        return ink;
    };
    const int whole = inkAt(250, 250);
    ASSERT_GT(whole, 100);
    const struct {
        const char* edge;
        float x, y;  // where the text is told
    } cases[] = {
        {"left", 0, 250},     {"right", 500, 250},    {"top", 250, 0},
        {"bottom", 250, 519}, {"top left", -40, -30}, {"bottom right", 540, 540},
    };
    for (const auto& c : cases)
        EXPECT_EQ(inkAt(c.x, c.y), whole) << c.edge;
}

TEST_F(GameWindowTest, TheTimerHostsTheLoopUntilEscLeavesIt) {
    platform::SetPacingEnabled(true);
    form().hide();
    windows->ResumeGameWindow();
    ASSERT_TRUE(form().Timer1->isActive());
    const float x = HeroX;
    // The loop runs inside the timer's event and hands the events on itself:
    // what the player does reaches it through timers.  Esc once the hero has
    // walked a few steps, however slowly a busy machine lets him.
    QElapsedTimer clock;
    qint64 msAtEsc = 0;
    float walkedAtEsc = 0;
    QTimer player;
    QObject::connect(&player, &QTimer::timeout, [&] {
        if (!form().Loop.Running() || HeroX < x + 5 * 0.8f) return;
        player.stop();
        msAtEsc = clock.elapsed();
        walkedAtEsc = HeroX - x;
        Press(Qt::Key_Escape);
    });
    clock.start();
    QTimer::singleShot(0, [&] { Press(Qt::Key_Right); });
    player.start(10);
    ASSERT_TRUE(QTest::qWaitFor([] { return GameSuspended; }, 20000));
    EXPECT_FALSE(form().Loop.Running());
    EXPECT_TRUE(windows->form3().isVisible());
    // Never more than sixty frames of 0.8 pixels a second (and the two the
    // clock may have missed at either end).
    EXPECT_LE(walkedAtEsc, (static_cast<float>(msAtEsc) * 60 / 1000 + 2) * 0.8f);
}

// The notice that ends a game, answered with Enter as soon as it shows; the
// loop must then be gone and the menu up.
class GameEndTest : public GameWindowTest {
  protected:
    void RunUntilTheMenu() {
        form().hide();
        // What the menu offers the moment it appears.
        MenuOffer offer;
        windows->form3().installEventFilter(&offer);
        windows->ResumeGameWindow();
        QTimer answer;
        QObject::connect(&answer, &QTimer::timeout, [&] {
            if (windows->form2().isVisible()) {
                notice = windows->form2().Label1->text();
                QTest::keyClick(&windows->form2(), Qt::Key_Return);
            }
        });
        answer.start(10);
        // A loop that never leaves would keep the test inside it for good:
        // after a while it is sent to the menu, and the test fails.
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [&] {
            if (!form().Loop.Running()) return;
            forcedOut = true;
            GameSuspended = true;
        });
        watchdog.start(3000);
        for (int i = 0; i < 200 && !windows->form3().isVisible(); ++i)
            QTest::qWait(10);
        answer.stop();
        QTest::qWait(50);  // a loop still running would draw on
        windows->form3().removeEventFilter(&offer);
        menuShown = offer.shown;
        resumeOffered = offer.canResume;
        saveOffered = offer.canSave;
    }
    void ExpectBackInTheMenu() {
        EXPECT_FALSE(forcedOut) << "the frame loop ran on after the game had ended";
        EXPECT_FALSE(form().Loop.Running());
        EXPECT_FALSE(form().Timer1->isActive());
        EXPECT_FALSE(form().isVisible());
        EXPECT_TRUE(windows->form3().isVisible());
        EXPECT_TRUE(windows->form3().Timer1->isActive());
        EXPECT_FALSE(CanResume);
        EXPECT_FALSE(CanSave);
        // Not lit even in the menu's first frame.
        EXPECT_TRUE(menuShown);
        EXPECT_FALSE(resumeOffered) << "\"Zpět\" was offered as the menu appeared";
        EXPECT_FALSE(saveOffered) << "\"Uložit\" was offered as the menu appeared";
    }

    // Notes CanResume and CanSave as the menu window is shown, before it
    // prints its items.
    class MenuOffer : public QObject {
      public:
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (event->type() == QEvent::Show && !shown) {
                shown = true;
                canResume = CanResume;
                canSave = CanSave;
            }
            return QObject::eventFilter(watched, event);
        }
        bool shown = false, canResume = false, canSave = false;
    };

    QString notice;
    bool forcedOut = false;
    bool menuShown = false, resumeOffered = false, saveOffered = false;
};

TEST_F(GameEndTest, TheHerosDeathEndsInTheMenu) {
    CanResume = CanSave = true;
    HeroDead = true;
    RunUntilTheMenu();
    EXPECT_EQ(notice, "...a tak tvá duše odešla do astrálních sfér...    Game Over");
    ExpectBackInTheMenu();
}

TEST_F(GameEndTest, TheEndOfTheLastLevelStopsTheLoopInTheMiddleOfAFrame) {
    CanResume = CanSave = true;
    LevelNumber = 80;
    HeroX = 222;  // the centre on tile 11, the hall's way out
    HeroY = 2;
    LastHeroTile = 0;
    RunUntilTheMenu();
    EXPECT_EQ(notice, "...a tak jsi dohrál tuto hru...    Game Over");
    ExpectBackInTheMenu();
}

}  // namespace
