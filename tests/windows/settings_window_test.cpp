// The settings window offscreen, opened from the menu with real key and
// mouse events: every change holds at once, and setup.ini is written on
// closing with the lines the game does not know kept, or not at all.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <cerrno>
#include <fstream>
#include <sstream>

#include "game/core/access_settings.h"
#include "game/core/game_state.h"
#include "game/core/key_bindings.h"
#include "game/core/terminal.h"
#include "game/desktop/view.h"
#include "game/levels/save_folder.h"
#include "game/menu/menu_sounds.h"
#include "game/platform/durable_file.h"
#include "game/platform/keys.h"
#include "game/windows/language.h"
#include "game/windows/settings_window.h"
#include "windows/menu_test_support.h"

namespace {

using namespace game;
using menu_testing::MenuTest;

class SettingsWindowTest : public MenuTest {
  protected:
    void SetUp() override {
        MenuTest::SetUp();
        window = std::make_unique<SettingsWindow>();
        window->pauseOnFocusLossChanged = [this](bool on) { pauseOnFocusLoss = on; };
        window->runTimerChanged = [this](bool on) { runTimer = on; };
        Sound = &sound;
        SoundOn = true;
        Volume = 1.0f;
    }
    void TearDown() override {
        SetFileFaultHook(nullptr);
        UseLanguage(settings::Language::kCzech);
        window.reset();
        MenuTest::TearDown();
        platform::View::Instance().Configure(0, false);
        SetActiveKeyBindings(KeyBindings());
    }
    std::string IniPath() const { return Places.settingsFileToWrite; }
    void WriteIni(const std::string& text) { std::ofstream(IniPath(), std::ios::binary) << text; }
    std::string ReadIni() const {
        std::ifstream in(IniPath(), std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    // Opens the window from the menu ("Nastavení", Enter), runs `act` in it
    // and waits until it is closed.
    void InSettings(std::function<void()> act) {
        bool shown = false;
        WhenShown(*window, [&] {
            shown = true;
            EXPECT_EQ(window->Page().row, kRowSound);
            act();
        });
        RunFromKeys(kMenuSettings);
        EXPECT_TRUE(shown);
        EXPECT_FALSE(window->isVisible());
        EXPECT_TRUE(menu->isVisible());
    }
    // Where the window shows a row's value (left or right half) or name.
    QPoint ValueOf(int16_t row, bool right) const {
        const int x = right ? 440 : 290;
        return QPoint(x, 50 + row * 20 + 10) * window->Scale();
    }

    std::unique_ptr<SettingsWindow> window;
    bool pauseOnFocusLoss = true;
    bool runTimer = false;
};

TEST_F(SettingsWindowTest, EveryChangeHoldsAtOnceAndClosingWritesTheFileWithItsUnknownLines) {
    WriteIni("Zvuky=Ano\r\nHlasitost=100\r\nTick=0\r\nNovinka=42\r\nHudba=70\r\n");
    InSettings([&] {
        Key(*window, Qt::Key_Down);
        Key(*window, Qt::Key_Left);
        Key(*window, Qt::Key_Left);
        EXPECT_EQ(window->RowValues[kRowVolume]->text(), "◄ 90 ►");
        // The next sound plays at the new volume.
        PlayClick();
        ASSERT_FALSE(sound.cues.empty());
        EXPECT_FLOAT_EQ(sound.cues.back().volume, 0.9f);

        Key(*window, Qt::Key_Down);
        Key(*window, Qt::Key_Down);
        Key(*window, Qt::Key_Right);
        EXPECT_EQ(TickDelay, 100);

        // The mouse: the right half of a value raises it, a name only
        // chooses its row.
        Click(*window, ValueOf(kRowScale, true));
        Click(*window, ValueOf(kRowScale, true));
        EXPECT_EQ(window->Page().row, kRowScale);
        EXPECT_EQ(platform::View::Instance().ChosenScale(), 2);
        EXPECT_EQ(window->Scale(), 2);
        EXPECT_EQ(menu->Scale(), 2);

        Key(*window, Qt::Key_Down);
        Key(*window, Qt::Key_Return);
        EXPECT_TRUE(platform::View::Instance().FullScreen());
        EXPECT_TRUE(menu->isFullScreen());

        Click(*window, ValueOf(kRowPauseOnFocusLoss, false));
        EXPECT_FALSE(pauseOnFocusLoss);
        // No game under way: the help round corners holds at once.
        Key(*window, Qt::Key_Down);
        Key(*window, Qt::Key_Return);
        EXPECT_FALSE(CornerSlideOn);
        // The difficulty is the next new game's, past the language.
        Key(*window, Qt::Key_Down);
        Key(*window, Qt::Key_Down);
        Key(*window, Qt::Key_Return);
        EXPECT_EQ(ChosenDifficulty, Difficulty::kEasy);
        EXPECT_EQ(GameDifficulty, Difficulty::kNormal);
        // What every player may need holds at once too: no flashing in the
        // next frame, the fire's switch at the next press, the pad's dead
        // zone at its next reading.
        Key(*window, Qt::Key_Down);
        Key(*window, Qt::Key_Return);
        EXPECT_FALSE(Access.flashing);
        Key(*window, Qt::Key_Down);
        Key(*window, Qt::Key_Down);
        Key(*window, Qt::Key_Right);
        EXPECT_TRUE(Access.fireToggles);
        Key(*window, Qt::Key_Down);
        Key(*window, Qt::Key_Left);
        EXPECT_EQ(Access.deadZone, 30);
        EXPECT_FALSE(Access.largeText);
        EXPECT_FALSE(Access.speech);
        // The timer shows from the next frame on.
        Key(*window, Qt::Key_Down);
        Key(*window, Qt::Key_Down);
        Key(*window, Qt::Key_Right);
        EXPECT_TRUE(runTimer);

        // Sound off silences the game; the music's row is then only kept.
        Key(*window, Qt::Key_Home);  // no key of the window's
        for (int i = 0; i < kRowRunTimer; ++i)
            Key(*window, Qt::Key_Up);
        Key(*window, Qt::Key_Return);
        EXPECT_FALSE(SoundOn);
        EXPECT_EQ(sound.calls.back(), "StopAll");
        Key(*window, Qt::Key_Return);
        EXPECT_TRUE(SoundOn);
        Key(*window, Qt::Key_Escape);
    });
    CornerSlideOn = true;
    EXPECT_EQ(ReadIni(),
              "Zvuky=Ano\r\nHlasitost=90\r\nTick=100\r\nZvetseni=2\r\nCelaObrazovka=Ano\r\n"
              "PauzaPriPrepnuti=Ne\r\nPomocNaRozich=Ne\r\nObtiznost=lehka\r\n"
              "Klavesa.Nahoru=Up\r\nKlavesa.Dolu=Down\r\nKlavesa.Vlevo=Left\r\n"
              "Klavesa.Vpravo=Right\r\nKlavesa.Strelba=Control\r\nKlavesa.Bomba=Space\r\n"
              "Klavesa.Pauza=Pause\r\nKlavesa.Menu=Esc\r\nKlavesa.Ulozit=F5\r\n"
              "Klavesa.Nahrat=F7\r\nHudba=70\r\nJazyk=cs\r\nBlikani=Ne\r\nStrelbaPrepinac=Ano\r\n"
              "MrtvaZona=30\r\nCasomira=Ano\r\nNovinka=42\r\n");
    EXPECT_TRUE(windows.messageBoxes.empty());
}

// Choosing the language relabels the window at once, and the menu behind it
// and the terminal with it; closing keeps the choice in the file.
TEST_F(SettingsWindowTest, TheLanguageChosenRelabelsThisWindowAndTheOnesBehindAtOnce) {
    InSettings([&] {
        for (int i = 0; i < kRowLanguage; ++i)
            Key(*window, Qt::Key_Down);
        const QImage czechMenu = menu->Canvas().copy();
        Key(*window, Qt::Key_Right);
        QApplication::processEvents();  // the windows hear of it
        EXPECT_TRUE(EnglishShown());
        EXPECT_EQ(window->windowTitle(), "Karvelun - Settings");
        EXPECT_EQ(window->RowNames[kRowSound]->text(), "Sound");
        EXPECT_EQ(window->RowValues[kRowLanguage]->text(), "◄ English ►");
        EXPECT_NE(menu->Canvas(), czechMenu) << "the menu behind still shows its Czech items";
        EXPECT_EQ(TerminalLine(kGameNotSavedLine, {"?"}), "The game was not saved: ?");
        Key(*window, Qt::Key_Left);
        QApplication::processEvents();
        EXPECT_FALSE(EnglishShown());
        EXPECT_EQ(window->windowTitle(), "Karvelun - nastavení");
        EXPECT_EQ(window->RowNames[kRowSound]->text(), "Zvuky");
        EXPECT_EQ(menu->Canvas(), czechMenu);
        EXPECT_EQ(TerminalLine(kGameNotSavedLine, {"?"}), "Hra nebyla uložena: ?");
        Key(*window, Qt::Key_Right);
        Key(*window, Qt::Key_Escape);
    });
    EXPECT_TRUE(EnglishShown());
    EXPECT_NE(ReadIni().find("\r\nJazyk=en\r\n"), std::string::npos) << ReadIni();
    UseTerminalLanguage(settings::Language::kCzech);
}

TEST_F(SettingsWindowTest, AReboundKeyPlaysInTheNextFrameAndATakenKeyIsRefusedWithANote) {
    WriteIni("Zvuky=Ano\r\nHlasitost=100\r\nTick=0\r\n");
    InSettings([&] {
        Click(*window, ValueOf(kRowKeys, false));
        ASSERT_TRUE(window->ShowingKeys());
        EXPECT_EQ(window->RowNames[4]->text(), "Střelba");
        EXPECT_EQ(window->RowValues[4]->text(), "Ctrl");
        for (int i = 0; i < 4; ++i)
            Key(*window, Qt::Key_Down);
        Key(*window, Qt::Key_Return);
        Key(*window, Qt::Key_Space);
        EXPECT_EQ(window->Note->text(), "Klávesu Mezerník už má příkaz Bomba.");
        Key(*window, Qt::Key_F1);
        EXPECT_EQ(window->Note->text(), "F1 nelze zvolit, ve hře otevírá nápovědu.");
        EXPECT_TRUE(window->KeyListNow().waiting);
        // In English the note names the key and the command in English.
        UseLanguage(settings::Language::kEnglish);
        Key(*window, Qt::Key_Space);
        EXPECT_EQ(window->Note->text(), "The key Space is already taken by Bomb.");
        EXPECT_EQ(window->RowNames[0]->text(), "Up");
        UseLanguage(settings::Language::kCzech);
        Key(*window, Qt::Key_J);
        EXPECT_EQ(window->RowValues[4]->text(), "J");
        // What the keyboard routines of the next frame take it for.
        EXPECT_EQ(ActiveKeyBindings().CommandOf('J'), Command::Fire);
        EXPECT_FALSE(ActiveKeyBindings().CommandOf(platform::vk::Control).has_value());
        // Esc while waiting keeps the old key, then leaves the list.
        Key(*window, Qt::Key_Return);
        Key(*window, Qt::Key_Escape);
        EXPECT_EQ(window->RowValues[4]->text(), "J");
        Key(*window, Qt::Key_Escape);
        EXPECT_FALSE(window->ShowingKeys());
        EXPECT_EQ(window->Page().row, kRowKeys);
        // "Výchozí" brings the keys back too.
        Key(*window, Qt::Key_Down);
        Key(*window, Qt::Key_Return);
        EXPECT_EQ(ActiveKeyBindings().KeyOf(Command::Fire), platform::vk::Control);
        Key(*window, Qt::Key_Down);
        Key(*window, Qt::Key_Return);
    });
    // Back where it started: nothing to write.
    EXPECT_EQ(ReadIni(), "Zvuky=Ano\r\nHlasitost=100\r\nTick=0\r\n");
}

TEST_F(SettingsWindowTest, NothingIsWrittenWithoutAChangeOrWhenTheWriteFails) {
    // An odd but valid file stays byte for byte when nothing changed.
    const std::string odd = "zvuky = ANO\nHlasitost=100\nTick=0\n";
    WriteIni(odd);
    InSettings([&] { Key(*window, Qt::Key_Escape); });
    EXPECT_EQ(ReadIni(), odd);

    // A full disk: the old file stays and a box says so.
    SetFileFaultHook(
        [](FileStep step, const std::string&) { return step == FileStep::kWrite ? ENOSPC : 0; });
    InSettings([&] {
        Key(*window, Qt::Key_Down);
        Key(*window, Qt::Key_Left);
        Key(*window, Qt::Key_Escape);
    });
    EXPECT_EQ(ReadIni(), odd);
    ASSERT_EQ(windows.messageBoxes.size(), 1u);
    EXPECT_NE(windows.messageBoxes[0].first.find("nepodařilo uložit"), std::string::npos);
    // The change still holds for this run.
    EXPECT_FLOAT_EQ(Volume, 0.95f);
}

}  // namespace
