// The main menu offscreen with real key and mouse events: the arrows in
// every state of the game, the pointer, the items, and what they open.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "game/core/game_state.h"
#include "game/levels/current_campaign.h"
#include "game/levels/working_levels.h"
#include "windows/menu_test_support.h"

namespace {

using namespace game;
using menu_testing::MenuTest;
namespace fs = std::filesystem;

class MenuWindow : public MenuTest {
  protected:
    // The items the arrow visits from "Nová hra", seven presses.
    std::vector<int16_t> Walk(Qt::Key arrow) {
        menu->Items.Selected = 0;
        std::vector<int16_t> visited;
        for (int i = 0; i < kMenuItemCount; ++i) {
            Key(*menu, arrow);
            visited.push_back(menu->Items.Selected);
        }
        return visited;
    }
};

TEST_F(MenuWindow, ArrowsSkipWhatIsNotOfferedInEveryState) {
    struct Case {
        bool canSave, canResume;
        std::vector<int16_t> down, up;
    };
    const Case cases[] = {
        // At the first start Down twice from "Nová hra" reaches "Nastavení".
        {false, false, {1, 4, 5, 6, 0, 1, 4}, {6, 5, 4, 1, 0, 6, 5}},
        {true, true, {1, 2, 3, 4, 5, 6, 0}, {6, 5, 4, 3, 2, 1, 0}},
        {true, false, {1, 2, 4, 5, 6, 0, 1}, {6, 5, 4, 2, 1, 0, 6}},
        {false, true, {1, 3, 4, 5, 6, 0, 1}, {6, 5, 4, 3, 1, 0, 6}},
    };
    for (const Case& c : cases) {
        CanSave = c.canSave;
        CanResume = c.canResume;
        EXPECT_EQ(Walk(Qt::Key_Down), c.down) << c.canSave << c.canResume;
        EXPECT_EQ(Walk(Qt::Key_Up), c.up) << c.canSave << c.canResume;
        // The selected item, and only it, glows after an arrow.
        std::array<bool, 7> glowing{};
        glowing[menu->Items.Selected] = true;
        EXPECT_EQ(menu->Items.Highlighted, glowing);
    }
}

TEST_F(MenuWindow, ThePointerChoosesAnItemAndBetweenItemsNothingGlows) {
    MoveMouse(*menu, {100, 355});
    EXPECT_EQ(menu->Items.Selected, kMenuCredits);
    EXPECT_TRUE(menu->Items.Highlighted[kMenuCredits]);

    MoveMouse(*menu, {100, 170});
    EXPECT_EQ(menu->Items.Selected, kMenuCredits);
    EXPECT_EQ(menu->Items.Highlighted, (std::array<bool, 7>{}));

    // Items not offered are chosen like the others.
    MoveMouse(*menu, {30, 240});
    EXPECT_EQ(menu->Items.Selected, kMenuSave);
}

TEST_F(MenuWindow, AClickBetweenItemsDoesNothing) {
    Sound = &sound;
    SoundOn = true;
    for (QPoint between : {QPoint(100, 170), QPoint(10, 150), QPoint(190, 150), QPoint(300, 200)})
        Click(*menu, between);
    EXPECT_TRUE(sound.cues.empty());
    EXPECT_TRUE(windows.calls.empty());
    EXPECT_FALSE(load->isVisible());
    EXPECT_TRUE(menu->isVisible());
}

TEST_F(MenuWindow, EveryItemButExitClicksAtNormalSpeed) {
    Sound = &sound;
    SoundOn = true;
    Volume = 0.5f;
    // "Uložit" and "Zpět" while not offered: the click and nothing else.
    menu->MenuItems(kMenuSave);
    menu->MenuItems(kMenuResume);
    ASSERT_EQ(sound.cues.size(), 2u);
    for (const auto& cue : sound.cues) {
        EXPECT_EQ(cue.file, "click.wav");
        EXPECT_EQ(fs::path(cue.path).parent_path(), appFolder / "data/zvuky");
        EXPECT_EQ(cue.speed, 1.0f);
        EXPECT_EQ(cue.volume, 0.5f);
        EXPECT_EQ(cue.balance, 0.0f);
        EXPECT_EQ(cue.position, -6.0f);
    }
    EXPECT_FALSE(save->isVisible());
    EXPECT_TRUE(windows.calls.empty());
    EXPECT_TRUE(menu->isVisible());

    menu->MenuItems(kMenuExit);
    EXPECT_EQ(sound.cues.size(), 2u);
    EXPECT_TRUE(windows.Called("CloseMainWindow"));
}

TEST_F(MenuWindow, BackToTheGameOnlyWhenThereIsOne) {
    CanResume = true;
    GameSuspended = true;
    RunFromKeys(kMenuResume);
    EXPECT_FALSE(GameSuspended);
    EXPECT_FALSE(menu->isVisible());
    EXPECT_TRUE(windows.Called("ResumeGameWindow"));
}

TEST_F(MenuWindow, NewGameWithoutAGameStartsAtOnce) {
    MakeCampaign(3);
    // A folder of packs that holds none that reads offers no choice.
    fs::create_directories(appFolder / "data/campaigns/prazdny");
    LevelNumber = 2;
    Paused = true;
    bool asked = false;
    WhenShown(*question, [&] {
        asked = true;
        question->hide();
    });
    WhenShown(*campaigns, [&] {
        asked = true;
        campaigns->hide();
    });
    RunFromKeys(kMenuNewGame);
    EXPECT_FALSE(asked);
    EXPECT_EQ(LevelNumber, 0);
    EXPECT_FALSE(Paused);
    EXPECT_EQ(Tiles[0].Param1, "kampaň 0");
    EXPECT_EQ(Lives, 10);
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(fs::exists(LevelFilePath(i))) << i;
    EXPECT_TRUE(windows.Called("ClearLog"));
    EXPECT_TRUE(windows.Called("ResumeGameWindow"));
    EXPECT_FALSE(menu->isVisible());
    EXPECT_FALSE(menu->Timer1->isActive());
}

TEST_F(MenuWindow, WithPacksNewGameOffersTheCampaignsToKeysAndPointer) {
    MakeCampaign(3);
    MakePack("zima", "Zima");
    MakePack("jaro", "Jaro");
    QListWidget& list = *campaigns->List1;
    const auto clickEntry = [&](int row) {
        QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier,
                          list.visualItemRect(list.item(row)).center());
    };
    struct Case {
        const char* how;
        std::function<void()> choose;
        const char* level0;  // tile 0 of level 0 afterwards
        const char* campaign;
    };
    const std::vector<Case> cases = {
        {"Enter on the entry chosen first", [&] { Key(list, Qt::Key_Return); }, "kampaň 0", ""},
        {"Down, Enter",
         [&] {
             Key(list, Qt::Key_Down);
             Key(list, Qt::Key_Return);
         },
         "Jaro 0", "jaro"},
        {"a click on an entry", [&] { clickEntry(2); }, "Zima 0", "zima"},
        {"Esc", [&] { Key(list, Qt::Key_Escape); }, "rozehraná", "zima"},
        {"Zpět",
         [&] {
             Click(*campaigns, {210, 180});
         },
         "rozehraná", "zima"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        menu->show();
        Tiles[0].Param1 = "rozehraná";
        std::vector<std::string> entries;
        WhenShown(*campaigns, [&] {
            entries = Entries(list);
            c.choose();
            if (campaigns->isVisible()) campaigns->hide();
        });
        RunFromKeys(kMenuNewGame);
        EXPECT_EQ(entries, (std::vector<std::string>{"Původní kampaň\npater: 3",
                                                     "Jaro\nEliška, verze 0.9, pater: 2",
                                                     "Zima\nEliška, verze 0.9, pater: 2"}));
        EXPECT_EQ(Tiles[0].Param1, c.level0);
        EXPECT_EQ(CurrentCampaign().folderName, c.campaign);
        EXPECT_EQ(menu->isVisible(), c.level0 == std::string("rozehraná"));
    }
}

TEST_F(MenuWindow, NewGameDuringAGameAnsweredNoKeepsTheGame) {
    MakeCampaign(3);
    CanResume = CanSave = GameSuspended = true;
    LevelNumber = 7;
    Gold = 500;
    Tiles[0].Param1 = "rozehraná";
    std::string asked;
    WhenShown(*question, [&] {
        asked = question->Label1->text().toStdString();
        // It opens at "Ne".
        Key(*question, Qt::Key_Return);
    });
    RunFromKeys(kMenuNewGame);
    EXPECT_EQ(asked, "Opravdu chcete ztratit neuloženou hru?");
    EXPECT_FALSE(question->Agreed());
    EXPECT_EQ(LevelNumber, 7);
    EXPECT_EQ(Gold, 500);
    EXPECT_EQ(Tiles[0].Param1, "rozehraná");
    EXPECT_TRUE(GameSuspended);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_TRUE(menu->Timer1->isActive());
    EXPECT_FALSE(windows.Called("ResumeGameWindow"));
    EXPECT_FALSE(windows.Called("ClearLog"));
}

TEST_F(MenuWindow, NewGameDuringAGameAnsweredYesStartsLevelZero) {
    MakeCampaign(3);
    CanResume = CanSave = GameSuspended = true;
    LevelNumber = 7;
    Gold = 500;
    WhenShown(*question, [&] { Click(*question, {40, 140}); });
    RunFromKeys(kMenuNewGame);
    EXPECT_TRUE(question->Agreed());
    EXPECT_EQ(LevelNumber, 0);
    EXPECT_EQ(Gold, 0);
    EXPECT_EQ(Tiles[0].Param1, "kampaň 0");
    EXPECT_FALSE(GameSuspended);
    EXPECT_FALSE(menu->isVisible());
    EXPECT_TRUE(windows.Called("ResumeGameWindow"));
}

TEST_F(MenuWindow, CreditsShowTheVersionLine) {
    std::string version;
    WhenShown(*credits, [&] {
        version = credits->Label1[4]->text().toStdString();
        Key(*credits, Qt::Key_Escape);
    });
    RunFromKeys(kMenuCredits);
    EXPECT_EQ(version, "Verze kompilace: 1.0.98");
    EXPECT_FALSE(credits->isVisible());
    EXPECT_TRUE(menu->isVisible());
}

TEST_F(MenuWindow, BOnCreditsTellsAboutTheProject) {
    menu->Items.Selected = kMenuLoad;
    Key(*menu, Qt::Key_B);
    EXPECT_TRUE(windows.messageBoxes.empty());
    EXPECT_EQ(menu->Items.Highlighted, (std::array<bool, 7>{}));

    menu->Items.Selected = kMenuCredits;
    Key(*menu, Qt::Key_B);
    ASSERT_EQ(windows.messageBoxes.size(), 1u);
    EXPECT_EQ(windows.messageBoxes[0].second, "Z kroniky jeskyně");
    EXPECT_NE(windows.messageBoxes[0].first.find("2026"), std::string::npos);
    EXPECT_NE(windows.messageBoxes[0].first.find("řádk"), std::string::npos);
    EXPECT_TRUE(menu->Items.Highlighted[kMenuCredits]);
}

TEST_F(MenuWindow, CtrlAltCOnNewGameTurnsCheatModeOn) {
    menu->Items.Selected = kMenuNewGame;
    Key(*menu, Qt::Key_C, Qt::ControlModifier);
    EXPECT_FALSE(CheatMode);
    Key(*menu, Qt::Key_C, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_TRUE(CheatMode);
}

TEST_F(MenuWindow, ATickPrintsTheGlowAndFreesFinishedSounds) {
    Sound = &sound;
    SoundOn = true;
    menu->Items.Brightness[kMenuNewGame] = 255;
    menu->Timer1_Timer();
    EXPECT_EQ(sound.freeMemoryCalls, 1);
    EXPECT_EQ(sound.lastClearStopped, tembra::kTrue);

    // "Nová hra" is printed yellow, the other items red, "Uložit" and "Zpět"
    // grey while there is no game.
    auto coloursIn = [&](QRect area) {
        std::set<QRgb> colours;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                colours.insert(menu->Canvas().pixel(x, y) & 0xFFFFFF);
        return colours;
    };
    EXPECT_TRUE(coloursIn(QRect(72, 141, 70, 16)).count(0xFFFF00));
    EXPECT_TRUE(coloursIn(QRect(81, 181, 60, 16)).count(0xFF0000));
    EXPECT_TRUE(coloursIn(QRect(85, 221, 50, 16)).count(0x969696));
    EXPECT_FALSE(coloursIn(QRect(85, 221, 50, 16)).count(0xFF0000));

    // The sound library failing costs nothing but the freeing.
    sound.failFreeMemory = true;
    EXPECT_NO_THROW(menu->Timer1_Timer());
    EXPECT_EQ(sound.freeMemoryCalls, 2);
}

TEST_F(MenuWindow, TextsPrintedOverThemselvesDoNotThicken) {
    QImage picture(483, 416, QImage::Format_RGB32);
    picture.fill(QColor(20, 30, 40));
    menu->SetBackground(picture);
    menu->Items.Brightness.fill(255);
    menu->Items.Highlighted.fill(true);
    menu->Timer1_Timer();
    QImage first = menu->Canvas().copy();
    for (int tick = 0; tick < 50; ++tick)
        menu->Timer1_Timer();
    EXPECT_EQ(menu->Canvas(), first);
    // Away from the texts the picture shows through.
    EXPECT_EQ(menu->Canvas().pixel(300, 50), QColor(20, 30, 40).rgb());
}

TEST_F(MenuWindow, ClosingTheMenuWindowEndsTheGame) {
    menu->close();
    EXPECT_TRUE(windows.Called("CloseMainWindow"));
}

}  // namespace
