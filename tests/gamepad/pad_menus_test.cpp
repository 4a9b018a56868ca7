// The menu, the load dialog, the save dialog and the question operated by a
// virtual pad alone, opened as the player opens them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "game/core/game_state.h"
#include "game/levels/current_campaign.h"
#include "game/levels/save_games.h"
#include "gamepad/pad_fixture.h"
#include "windows/menu_test_support.h"

#include <fstream>
#include <sstream>

#include "game/core/key_bindings.h"
#include "game/desktop/view.h"
#include "game/windows/settings_window.h"

namespace {

using namespace game;

class PadMenus : public menu_testing::MenuTest, public gamepad_testing::PadFixture {
  protected:
    void SetUp() override {
        MenuTest::SetUp();
        ASSERT_TRUE(Active(*menu));
        PlugPad();
    }
    void TearDown() override {
        UnplugPad();
        MenuTest::TearDown();
    }

    // Down on the D-pad until `ix` is chosen.
    void ChooseInMenu(int16_t ix) {
        for (int presses = 0; menu->Items.Selected != ix && presses < 12; ++presses)
            Tap(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
        ASSERT_EQ(menu->Items.Selected, ix);
    }
    void GameUnderWay() { CanResume = CanSave = GameSuspended = true; }
};

TEST_F(PadMenus, TheMenuMovesWithTheDpadAndTheStickAndARunsTheItem) {
    menu->Items.Selected = kMenuNewGame;
    Tap(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    EXPECT_EQ(menu->Items.Selected, kMenuLoad);
    // Without a game "Uložit" and "Zpět" are skipped, as with the arrows.
    Stick(0, 32767);
    Stick(0, 0);
    EXPECT_EQ(menu->Items.Selected, kMenuSettings);
    EXPECT_TRUE(menu->Items.Highlighted[kMenuSettings]);
    // Held, it goes on as a held arrow does.
    Push(SDL_CONTROLLER_BUTTON_DPAD_UP);
    Wait(platform::PadKeys::kRepeatDelayMs);
    EXPECT_EQ(menu->Items.Selected, kMenuNewGame);
    LetGo(SDL_CONTROLLER_BUTTON_DPAD_UP);

    // A on "Credits" opens them, A again closes them.
    ChooseInMenu(kMenuCredits);
    bool shown = false;
    WhenShown(*credits, [&] {
        shown = true;
        ASSERT_TRUE(QTest::qWaitForWindowActive(credits.get()));
        Tap(SDL_CONTROLLER_BUTTON_A);
    });
    PushAndLetGo(SDL_CONTROLLER_BUTTON_A);
    EXPECT_TRUE(shown);
    EXPECT_FALSE(credits->isVisible());
    EXPECT_TRUE(menu->isVisible());
}

// Here the pad layer's own timer reads the pad, as in the game: A opens a
// window modally from inside a poll, and the pad must go on working in it.
TEST_F(PadMenus, ThePadLayersTimerKeepsThePadWorkingInAWindowThatAOpened) {
    ChooseInMenu(kMenuCredits);
    bool shown = false, closedByPad = false;
    WhenShown(*credits, [&] {
        shown = true;
        pad.Button(SDL_CONTROLLER_BUTTON_A, false);
        QTest::qWait(100);
        pad.Button(SDL_CONTROLLER_BUTTON_A, true);
        closedByPad = QTest::qWaitFor([&] { return !credits->isVisible(); }, 3000);
        pad.Button(SDL_CONTROLLER_BUTTON_A, false);
        credits->hide();  // ends the window's wait if the pad could not
    });
    pad.Button(SDL_CONTROLLER_BUTTON_A, true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return shown; }, 3000)) << "A did not open the credits";
    EXPECT_TRUE(closedByPad) << "A inside the credits was never read";
    QTest::qWait(100);
}

TEST_F(PadMenus, BInTheMenuGoesBackToTheGameOnlyWhenThereIsOne) {
    Tap(SDL_CONTROLLER_BUTTON_B);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_FALSE(windows.Called("ResumeGameWindow"));

    GameUnderWay();
    Tap(SDL_CONTROLLER_BUTTON_B);
    EXPECT_FALSE(menu->isVisible());
    EXPECT_FALSE(GameSuspended);
    EXPECT_TRUE(windows.Called("ResumeGameWindow"));
}

TEST_F(PadMenus, TheCampaignIsChosenWithTheDpadAndAAndBGoesBack) {
    MakeCampaign(3);
    MakePack("jaro", "Jaro");
    ChooseInMenu(kMenuNewGame);
    // B first: back to the menu, no game.
    bool shown = false;
    WhenShown(*campaigns, [&] {
        shown = true;
        ASSERT_TRUE(QTest::qWaitForWindowActive(campaigns.get()));
        Tap(SDL_CONTROLLER_BUTTON_B);
        if (campaigns->isVisible()) campaigns->hide();
    });
    PushAndLetGo(SDL_CONTROLLER_BUTTON_A);
    EXPECT_TRUE(shown);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_FALSE(windows.Called("ResumeGameWindow"));

    ASSERT_TRUE(Active(*menu));
    WhenShown(*campaigns, [&] {
        ASSERT_TRUE(QTest::qWaitForWindowActive(campaigns.get()));
        Tap(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
        Tap(SDL_CONTROLLER_BUTTON_A);
        if (campaigns->isVisible()) campaigns->hide();
    });
    PushAndLetGo(SDL_CONTROLLER_BUTTON_A);
    EXPECT_EQ(Tiles[0].Param1, "Jaro 0");
    EXPECT_EQ(CurrentCampaign().folderName, "jaro");
    EXPECT_TRUE(windows.Called("ResumeGameWindow"));
}

TEST_F(PadMenus, ASaveIsLoadedByPadAloneAfterTheQuestion) {
    MakeSave("hrad", 2, 321);
    MakeSave("jeskyně", 1, 55);
    DateSave("jeskyně", 20);
    DateSave("hrad", 1);  // the newest comes chosen, the older one below
    GameUnderWay();
    LevelNumber = 0;
    Gold = 9;
    ChooseInMenu(kMenuLoad);

    int asked = 0;
    auto answer = [&](bool yes) {
        ++asked;
        ASSERT_TRUE(KeysIn(question.get()));
        // Left and Right choose the answer, wherever the last question
        // left it; B says "Ne" straight away.
        if (yes) {
            Tap(SDL_CONTROLLER_BUTTON_DPAD_LEFT);
            if (question->Buttons.Selected != 0) Tap(SDL_CONTROLLER_BUTTON_DPAD_LEFT);
            PushAndLetGo(SDL_CONTROLLER_BUTTON_A);
        } else {
            PushAndLetGo(SDL_CONTROLLER_BUTTON_B);
        }
    };
    bool loadShown = false;
    WhenShown(*load, [&] {
        loadShown = true;
        ASSERT_TRUE(KeysIn(load->List1));
        Tap(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
        Tap(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
        ASSERT_NE(load->List1->SelectedEntry(), nullptr);
        EXPECT_EQ(load->List1->SelectedEntry()->text(), "jeskyně");
        WhenShown(*question, [&] { answer(false); });
        PushAndLetGo(SDL_CONTROLLER_BUTTON_A);
        EXPECT_TRUE(load->isVisible()) << "a refused question keeps the dialog";
        EXPECT_EQ(Gold, 9);
        // The window manager gives the keyboard back to the dialog below.
        load->activateWindow();
        ASSERT_TRUE(KeysIn(load->List1));
        WhenShown(*question, [&] { answer(true); });
        PushAndLetGo(SDL_CONTROLLER_BUTTON_A);
    });
    PushAndLetGo(SDL_CONTROLLER_BUTTON_A);
    EXPECT_TRUE(loadShown);
    EXPECT_EQ(asked, 2);
    EXPECT_FALSE(load->isVisible());
    EXPECT_EQ(LevelNumber, 1);
    EXPECT_EQ(Gold, 55);
    EXPECT_TRUE(windows.Called("ResumeGameWindow"));
}

TEST_F(PadMenus, BLeavesTheLoadDialogForTheMenu) {
    MakeSave("hrad", 2, 321);
    Gold = 9;
    ChooseInMenu(kMenuLoad);
    WhenShown(*load, [&] {
        ASSERT_TRUE(KeysIn(load->List1));
        Tap(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
        PushAndLetGo(SDL_CONTROLLER_BUTTON_B);
    });
    PushAndLetGo(SDL_CONTROLLER_BUTTON_A);
    EXPECT_FALSE(load->isVisible());
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(Gold, 9);
    // The held B did not go on through the menu.
    Wait(2000);
    EXPECT_TRUE(menu->isVisible());
}

TEST_F(PadMenus, AnExistingSaveIsOverwrittenByPadAlone) {
    MakeSave("hrad", 2, 321);
    MakeSave("zámek", 1, 1);
    GameUnderWay();
    Gold = 999;
    ChooseInMenu(kMenuSave);

    std::string asked;
    WhenShown(*save, [&] {
        ASSERT_TRUE(KeysIn(save->Text1));
        // Down leaves the name box for the list and chooses its first entry.
        Tap(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
        EXPECT_EQ(save->Text1->text(), "hrad");
        Tap(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
        EXPECT_EQ(save->Text1->text(), "zámek");
        Tap(SDL_CONTROLLER_BUTTON_DPAD_UP);
        EXPECT_EQ(save->Text1->text(), "hrad");
        WhenShown(*question, [&] {
            asked = question->Label1->text().toStdString();
            ASSERT_TRUE(KeysIn(question.get()));
            Tap(SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
            if (question->Buttons.Selected != 0) Tap(SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
            EXPECT_TRUE(question->Buttons.Highlighted[0]);
            PushAndLetGo(SDL_CONTROLLER_BUTTON_A);
        });
        PushAndLetGo(SDL_CONTROLLER_BUTTON_A);
    });
    PushAndLetGo(SDL_CONTROLLER_BUTTON_A);
    EXPECT_EQ(asked, "Opravdu chcete přepsat tuto pozici?");
    EXPECT_FALSE(save->isVisible());
    EXPECT_FALSE(GameSuspended);
    EXPECT_TRUE(windows.Called("ResumeGameWindow"));
    Gold = 0;
    ASSERT_TRUE(LoadGame("hrad"));
    EXPECT_EQ(Gold, 999);
}

TEST_F(PadMenus, InTheSaveDialogLeftAndRightChooseTheButtonsThatAThenRuns) {
    MakeSave("hrad", 2, 321);
    GameUnderWay();
    save->Buttons.Selected = 0;
    ChooseInMenu(kMenuSave);
    WhenShown(*save, [&] {
        ASSERT_TRUE(KeysIn(save->Text1));
        Tap(SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
        EXPECT_EQ(save->Buttons.Selected, 1);
        EXPECT_TRUE(save->Buttons.Highlighted[1]);
        PushAndLetGo(SDL_CONTROLLER_BUTTON_A);  // "Zpět"
    });
    PushAndLetGo(SDL_CONTROLLER_BUTTON_A);
    EXPECT_FALSE(save->isVisible());
    EXPECT_TRUE(menu->isVisible());
    EXPECT_TRUE(GameSuspended);
    EXPECT_EQ(SaveFolderNames(), (std::vector<std::string>{"hrad.lev", "hrad.pos"}));
}

TEST_F(PadMenus, AUnderTheProposedNameSavesAtOnce) {
    MakeSave("hrad", 2, 5);
    GameUnderWay();
    Gold = 321;
    ChooseInMenu(kMenuSave);
    std::string proposed;
    WhenShown(*save, [&] {
        ASSERT_TRUE(KeysIn(save->Text1));
        proposed = save->Text1->text().toStdString();
        PushAndLetGo(SDL_CONTROLLER_BUTTON_A);
    });
    PushAndLetGo(SDL_CONTROLLER_BUTTON_A);
    ASSERT_EQ(proposed.rfind("2 patro ", 0), 0u) << proposed;
    EXPECT_FALSE(save->isVisible());
    EXPECT_EQ(SaveFolderNames(), (std::vector<std::string>{proposed + ".lev", proposed + ".pos",
                                                           "hrad.lev", "hrad.pos"}));
    Gold = 0;
    ASSERT_TRUE(LoadGame(proposed));
    EXPECT_EQ(Gold, 321);
}

// The grid: a á b c č d ď e é ě f / g h i í j k l m n ň o /
// ó p q r ř s š t ť u ú / ů v w x y ý z ž 0 1 2 / 3 4 5 6 7 8 9 - space
// delete done.
TEST_F(PadMenus, TheLetterGridWritesANameByPad) {
    MakeSave("hrad", 2, 5);
    GameUnderWay();
    Gold = 77;
    ChooseInMenu(kMenuSave);
    auto tap = [&](int button, int times) {
        for (int i = 0; i < times; ++i)
            Tap(button);
    };
    auto typed = [&] {
        Tap(SDL_CONTROLLER_BUTTON_A);
        return save->Text1->text().toStdString();
    };
    WhenShown(*save, [&] {
        ASSERT_TRUE(KeysIn(save->Text1));
        // B closes the grid, not the dialog; X opens it again at "a".
        Tap(SDL_CONTROLLER_BUTTON_X);
        ASSERT_TRUE(save->LetterGridOpen());
        EXPECT_FALSE(save->List1->isVisible());
        Tap(SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
        Tap(SDL_CONTROLLER_BUTTON_B);
        EXPECT_FALSE(save->LetterGridOpen());
        EXPECT_TRUE(save->isVisible());
        EXPECT_TRUE(save->List1->isVisible());
        Tap(SDL_CONTROLLER_BUTTON_X);
        ASSERT_TRUE(save->LetterGridOpen());
        EXPECT_EQ(save->Grid().Column(), 0);

        tap(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, 5);
        EXPECT_EQ(typed(), "d") << "the first cell replaces the proposed name";
        tap(SDL_CONTROLLER_BUTTON_DPAD_LEFT, 5);
        tap(SDL_CONTROLLER_BUTTON_DPAD_DOWN, 3);
        EXPECT_EQ(typed(), "dů");
        tap(SDL_CONTROLLER_BUTTON_DPAD_UP, 2);
        // The stick moves as the D-pad does.
        for (int i = 0; i < 7; ++i) {
            Stick(32767, 0);
            Stick(0, 0);
        }
        EXPECT_EQ(typed(), "dům");
        tap(SDL_CONTROLLER_BUTTON_DPAD_DOWN, 3);
        tap(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, 1);
        EXPECT_EQ(typed(), "dům ");
        tap(SDL_CONTROLLER_BUTTON_DPAD_LEFT, 5);
        EXPECT_EQ(typed(), "dům 6");
        tap(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, 6);
        EXPECT_EQ(typed(), "dům ");
        tap(SDL_CONTROLLER_BUTTON_DPAD_LEFT, 9);
        EXPECT_EQ(typed(), "dům 3");
        EXPECT_TRUE(save->isVisible()) << "A in the grid types, it does not save";
        // Left from the first column comes in at "done".
        Tap(SDL_CONTROLLER_BUTTON_DPAD_LEFT);
        EXPECT_EQ(typed(), "dům 3");
        EXPECT_FALSE(save->LetterGridOpen());
        EXPECT_EQ(QApplication::focusWidget(), save->Text1);
        PushAndLetGo(SDL_CONTROLLER_BUTTON_A);
    });
    PushAndLetGo(SDL_CONTROLLER_BUTTON_A);
    EXPECT_FALSE(save->isVisible());
    EXPECT_EQ(SaveFolderNames(),
              (std::vector<std::string>{"dům 3.lev", "dům 3.pos", "hrad.lev", "hrad.pos"}));
    Gold = 0;
    ASSERT_TRUE(LoadGame("dům 3"));
    EXPECT_EQ(Gold, 77);
}

TEST_F(PadMenus, TheSettingsAreOpenedChangedAndClosedByPadAlone) {
    SettingsWindow settings;
    const std::string ini = Places.settingsFileToWrite;
    std::ofstream(ini, std::ios::binary) << "Zvuky=Ano\r\nHlasitost=100\r\nTick=0\r\n";
    // At the first start, Down twice from "Nová hra" and A.
    menu->Items.Selected = kMenuNewGame;
    Tap(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    Tap(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    ASSERT_EQ(menu->Items.Selected, kMenuSettings);
    bool shown = false;
    WhenShown(settings, [&] {
        shown = true;
        ASSERT_TRUE(Active(settings));
        // Full screen in the sixth row, at once.
        for (int row = kRowSound; row < kRowFullScreen; ++row)
            Tap(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
        Tap(SDL_CONTROLLER_BUTTON_A);
        EXPECT_TRUE(platform::View::Instance().FullScreen());
        // The settings are drawn inside the menu's window now, which takes
        // the keyboard as the window system gives it.
        ASSERT_TRUE(Active(settings));
        // The effects a step lower, with the stick.
        for (int row = kRowFullScreen; row > kRowVolume; --row)
            Tap(SDL_CONTROLLER_BUTTON_DPAD_UP);
        Stick(-32767, 0);
        Stick(0, 0);
        EXPECT_FLOAT_EQ(Volume, 0.95f);
        // In the key list a command waiting for its key takes no button:
        // A does nothing, B stops the waiting, B again leaves the list.
        for (int row = kRowVolume; row < kRowKeys; ++row)
            Tap(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
        Tap(SDL_CONTROLLER_BUTTON_A);
        ASSERT_TRUE(settings.ShowingKeys());
        Tap(SDL_CONTROLLER_BUTTON_A);
        EXPECT_TRUE(settings.KeyListNow().waiting);
        Tap(SDL_CONTROLLER_BUTTON_A);
        Tap(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
        EXPECT_TRUE(settings.KeyListNow().waiting);
        Tap(SDL_CONTROLLER_BUTTON_B);
        EXPECT_FALSE(settings.KeyListNow().waiting);
        EXPECT_EQ(ActiveKeyBindings(), KeyBindings());
        Tap(SDL_CONTROLLER_BUTTON_B);
        EXPECT_FALSE(settings.ShowingKeys());
        Tap(SDL_CONTROLLER_BUTTON_B);
    });
    PushAndLetGo(SDL_CONTROLLER_BUTTON_A);
    EXPECT_TRUE(shown);
    EXPECT_FALSE(settings.isVisible());
    EXPECT_TRUE(menu->isVisible());
    std::stringstream written;
    written << std::ifstream(ini, std::ios::binary).rdbuf();
    const std::string start =
        "Zvuky=Ano\r\nHlasitost=95\r\nTick=0\r\nZvetseni=auto\r\nCelaObrazovka=Ano\r\n";
    EXPECT_EQ(written.str().substr(0, start.size()), start);
    platform::View::Instance().Configure(0, false);
}

}  // namespace
