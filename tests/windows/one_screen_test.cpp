// The game's windows in full screen and in a window: in full screen each one
// opens inside the menu's window, and in a window each dialog opens over the
// menu, transient for it and no wider; the keys reach the dialog on top
// either way, and every question opens at its own answer.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWindow>

#include "game/core/game_state.h"
#include "game/desktop/view.h"
#include "game/play/going_on.h"
#include "game/windows/help_window.h"
#include "game/windows/message_window.h"
#include "game/windows/notice_window.h"
#include "game/windows/progress_window.h"
#include "game/windows/records_window.h"
#include "game/windows/settings_window.h"
#include "windows/menu_test_support.h"

namespace {

using namespace game;
using menu_testing::MenuTest;
using platform::BackgroundWindow;
using platform::View;

class OneScreen : public MenuTest {
  protected:
    void TearDown() override {
        View::Instance().SetLargeText(false);
        View::Instance().Configure(0, false);
        QApplication::processEvents();
        MenuTest::TearDown();
    }

    static int ShownTopLevels() {
        int shown = 0;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget->isVisible()) ++shown;
        return shown;
    }

    // Esc as the keyboard sends it to the dialog: to the control in it that
    // has its keyboard (the list of saves, the name box) or to the dialog.
    static void EscIn(QWidget& dialog) {
        QWidget* focus = dialog.focusWidget();
        QTest::keyClick(focus ? focus : &dialog, Qt::Key_Escape);
    }
};

TEST_F(OneScreen, InFullScreenEveryWindowIsInsideTheMenusAndInAWindowEachOpensOverIt) {
    Form2 notice;
    Form8 progress;
    HelpWindow help;
    SettingsWindow settings;
    RecordsWindow records;
    MessageWindow box(QStringLiteral("Karvelun"), QStringLiteral("Chyba během načítání!"));
    // The help opens over the game window only, which is wider.
    const struct {
        const char* name;
        BackgroundWindow* window;
        bool fromTheMenu;
    } shown[] = {
        {"notice", &notice, true},
        {"credits", credits.get(), true},
        {"question", question.get(), true},
        {"load", load.get(), true},
        {"save", save.get(), true},
        {"loading notice", &progress, true},
        {"help", &help, false},
        {"settings", &settings, true},
        {"campaigns", campaigns.get(), true},
        {"message box", &box, true},
        {"records", &records, true},
    };
    menu->show();
    // With large text the windows that are read grow: as layers they still
    // lie whole and centred inside the one window.
    const struct {
        bool fullScreen;
        bool largeText;
    } views[] = {{true, false}, {true, true}, {false, false}};
    for (const auto& [fullScreen, largeText] : views) {
        View::Instance().SetLargeText(largeText);
        View::Instance().SetFullScreen(fullScreen);
        QApplication::processEvents();
        for (const auto& [name, window, fromTheMenu] : shown) {
            SCOPED_TRACE(std::string(name) + (fullScreen ? " in full screen" : " in a window") +
                         (largeText ? " with large text" : ""));
            window->show();
            QApplication::processEvents();
            EXPECT_EQ(ShownTopLevels(), fullScreen ? 1 : 2);
            // The caption is the menu's, whatever lies over it.
            EXPECT_EQ(menu->windowTitle(), QStringLiteral("Orvane Karvelun v1.01"));
            if (fullScreen) {
                EXPECT_FALSE(window->isWindow());
                EXPECT_EQ(window->parentWidget(), menu.get());
                if (!largeText) {
                    EXPECT_EQ(window->Placement().Factor(), menu->Placement().Factor());
                }
                EXPECT_TRUE(menu->rect().contains(window->geometry()));
                EXPECT_LE((window->geometry().center() - menu->rect().center()).manhattanLength(),
                          2);
            } else {
                ASSERT_TRUE(window->isWindow());
                ASSERT_NE(window->windowHandle(), nullptr);
                EXPECT_EQ(window->windowHandle()->transientParent(), menu->windowHandle());
                EXPECT_LE(
                    (window->geometry().center() - menu->geometry().center()).manhattanLength(), 2);
                if (fromTheMenu) {
                    EXPECT_LE(window->width(), menu->width());
                }
            }
            window->hide();
        }
    }
}

TEST_F(OneScreen, EscIsTheWayBackInTheLoadSaveAndCampaignDialogs) {
    MakeCampaign(3);
    MakePack("lesy", "Lesy");
    MakeSave("hrad", 2, 321);
    CanSave = true;
    const std::vector<std::string> saves = SaveFolderNames();
    const struct {
        const char* name;
        DialogWindow* dialog;
        int16_t item;
    } dialogs[] = {{"load", load.get(), kMenuLoad},
                   {"save", save.get(), kMenuSave},
                   {"campaigns", campaigns.get(), kMenuNewGame}};
    menu->show();
    for (bool fullScreen : {false, true}) {
        View::Instance().SetFullScreen(fullScreen);
        QApplication::processEvents();
        for (const auto& d : dialogs) {
            SCOPED_TRACE(std::string(d.name) + (fullScreen ? " in full screen" : " in a window"));
            bool closedByEsc = false;
            WhenShown(*d.dialog, [&] {
                EscIn(*d.dialog);
                closedByEsc = !d.dialog->isVisible();
                if (!closedByEsc) d.dialog->DialogItems(1);
            });
            menu->MenuItems(d.item);
            EXPECT_TRUE(closedByEsc);
            EXPECT_TRUE(menu->isVisible());
            EXPECT_FALSE(windows.Called("ResumeGameWindow"));
            EXPECT_EQ(SaveFolderNames(), saves);
        }
    }
}

TEST_F(OneScreen, EveryQuestionOpensAtItsOwnAnswerLitAndEscSaysNe) {
    MakeCampaign(3);
    const struct {
        const char* name;
        std::function<void()> ask;
        int16_t preset;  // 0 "Ano", 1 "Ne"
        const char* text;
    } questions[] = {
        {"a new game over a game", [&] { menu->MenuItems(kMenuNewGame); }, 1,
         "Opravdu chcete ztratit neuloženou hru?"},
        {"Exit during a game", [&] { menu->MenuItems(kMenuExit); }, 1,
         "Opravdu chcete ztratit neuloženou hru?"},
        {"after a death", [] { AskPlayer(kArrivalQuestion, Answer::kYes, 4); }, 0,
         "Pokračovat od příchodu do 4. patra?"},
    };
    menu->show();
    for (bool fullScreen : {false, true}) {
        View::Instance().SetFullScreen(fullScreen);
        QApplication::processEvents();
        for (const auto& q : questions) {
            SCOPED_TRACE(std::string(q.name) + (fullScreen ? " in full screen" : " in a window"));
            CanResume = CanSave = GameSuspended = true;
            LevelNumber = 7;
            // Whatever the last showing left chosen.
            question->Buttons.Selected = static_cast<int16_t>(1 - q.preset);
            question->Buttons.Highlighted = {true, true};
            int16_t chosen = -1;
            bool lit = false, others = true;
            QString text;
            WhenShown(*question, [&] {
                chosen = question->Buttons.Selected;
                lit = question->Buttons.Highlighted[q.preset] &&
                      question->Buttons.Brightness[q.preset] == kGlowFull;
                others = question->Buttons.Highlighted[1 - q.preset];
                text = question->Label1->text();
                EscIn(*question);
                if (question->isVisible()) question->DialogItems(0);
            });
            q.ask();
            EXPECT_EQ(chosen, q.preset);
            EXPECT_TRUE(lit);
            EXPECT_FALSE(others);
            EXPECT_EQ(text.toStdString(), q.text);
            ASSERT_FALSE(question->isVisible());
            EXPECT_FALSE(question->Agreed());
            // "Ne" keeps the game and the menu.
            EXPECT_EQ(LevelNumber, 7);
            EXPECT_TRUE(GameSuspended);
            EXPECT_TRUE(menu->isVisible());
            EXPECT_FALSE(windows.Called("CloseMainWindow"));
        }
    }
    // With no game under way Exit asks nothing.
    CanResume = false;
    bool asked = false;
    WhenShown(*question, [&] {
        asked = true;
        question->DialogItems(1);
    });
    menu->MenuItems(kMenuExit);
    EXPECT_FALSE(asked);
    EXPECT_TRUE(windows.Called("CloseMainWindow"));
}

}  // namespace
