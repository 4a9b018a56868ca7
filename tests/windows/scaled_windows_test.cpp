// The main menu and the dialogs at the view's scales: a click where an item
// or a button is shown acts on it, the pointer chooses what it is over, the
// controls and their fonts grow with the scale and the outlines stay one
// game pixel wide.  The full-screen keys do nothing else in any window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <filesystem>

#include "game/core/game_state.h"
#include "game/desktop/view.h"
#include "game/menu/dialog_buttons.h"
#include "game/menu/menu_rules.h"
#include "game/windows/notice_window.h"
#include "windows/menu_test_support.h"

namespace {

using namespace game;
using menu_testing::MenuTest;
namespace fs = std::filesystem;

class ScaledWindows : public MenuTest, public testing::WithParamInterface<int> {
  protected:
    void SetUp() override {
        platform::View::Instance().Configure(GetParam(), false);
        MenuTest::SetUp();
    }
    void TearDown() override {
        MenuTest::TearDown();
        platform::View::Instance().Configure(0, false);
    }
    int Scale() const { return GetParam(); }
    // The middle of a hit area, and its first and last device pixels, where
    // the window shows them.
    QPoint Middle(const Rect& area) const {
        return QPoint((area.Left + area.Right) / 2, (area.Top + area.Bottom) / 2) * Scale();
    }
    QPoint First(const Rect& area) const { return QPoint(area.Left, area.Top) * Scale(); }
    QPoint Last(const Rect& area) const {
        return QPoint(area.Right, area.Bottom) * Scale() - QPoint(1, 1);
    }
};

TEST_P(ScaledWindows, TheWindowsGrowWithTheScale) {
    EXPECT_EQ(menu->size(), QSize(483, 416) * Scale());
    question->show();
    EXPECT_EQ(question->size(), QSize(312, 213) * Scale());
    load->show();
    EXPECT_EQ(load->size(), QSize(Form6::kWidth, 213) * Scale());
    EXPECT_EQ(load->LevelLabel->font().pixelSize(), 11 * Scale());
    save->show();
    EXPECT_EQ(save->List1->geometry(), QRect(QPoint(8, 8) * Scale(), QSize(297, 132) * Scale()));
    EXPECT_EQ(save->Text1->geometry(), QRect(QPoint(8, 146) * Scale(), QSize(297, 18) * Scale()));
    EXPECT_EQ(save->List1->font().pixelSize(), 11 * Scale());
    EXPECT_EQ(save->Text1->font().pixelSize(), 11 * Scale());
    campaigns->show();
    EXPECT_EQ(campaigns->size(), QSize(312, 213) * Scale());
    EXPECT_EQ(campaigns->List1->geometry(),
              QRect(QPoint(8, 8) * Scale(), QSize(297, 158) * Scale()));
    EXPECT_EQ(campaigns->List1->font().pixelSize(), 11 * Scale());
    credits->show();
    EXPECT_EQ(credits->Label1[4]->font().pixelSize(), 13 * Scale());
    EXPECT_EQ(credits->Label1[0]->geometry().topLeft(), QPoint(8, 8) * Scale());
}

TEST_P(ScaledWindows, EveryMenuItemIsChosenAndRunWhereItIsShown) {
    MakeCampaign(3);
    CanSave = CanResume = true;
    for (int16_t ix = 0; ix < kMenuItemCount; ++ix) {
        const Rect& area = kMenuLayout[ix].hitArea;
        for (QPoint at : {First(area), Last(area)}) {
            MoveMouse(*menu, at);
            EXPECT_EQ(menu->Items.Selected, ix) << at.x() << ", " << at.y();
        }
        // Just past the last pixel of the area: nothing glows.
        MoveMouse(*menu, Last(area) + QPoint(0, 1));
        EXPECT_EQ(menu->Items.Highlighted, (std::array<bool, 7>{})) << ix;
    }

    // What each item does, clicked in its middle.
    auto clickItem = [&](int16_t ix) { Click(*menu, Middle(kMenuLayout[ix].hitArea)); };
    WhenShown(*load, [&] { load->hide(); });
    clickItem(kMenuLoad);
    EXPECT_FALSE(load->isVisible());
    WhenShown(*save, [&] { save->hide(); });
    clickItem(kMenuSave);
    EXPECT_FALSE(save->isVisible());
    std::string version;
    WhenShown(*credits, [&] {
        version = credits->Label1[4]->text().toStdString();
        credits->hide();
    });
    clickItem(kMenuCredits);
    EXPECT_EQ(version, "Verze kompilace: 1.0.98");

    GameSuspended = true;
    clickItem(kMenuResume);
    EXPECT_FALSE(GameSuspended);
    EXPECT_EQ(windows.CountCalls("ResumeGameWindow"), 1);

    menu->show();
    CanResume = false;
    clickItem(kMenuNewGame);
    EXPECT_EQ(Tiles[0].Param1, "kampaň 0");
    EXPECT_EQ(windows.CountCalls("ResumeGameWindow"), 2);

    menu->show();
    clickItem(kMenuExit);
    EXPECT_TRUE(windows.Called("CloseMainWindow"));
}

TEST_P(ScaledWindows, TheQuestionsButtonsAnswerWhereTheyAreShown) {
    for (int16_t ix : {0, 1}) {
        const Rect& area = kQuestionButtons[ix].hitArea;
        question->DialogItems(ix == 0 ? 1 : 0);  // the other answer before
        WhenShown(*question, [&] {
            MoveMouse(*question, Last(area));
            EXPECT_EQ(question->Buttons.Selected, ix);
            // Beside the button nothing happens.
            Click(*question, Last(area) + QPoint(1, 0));
            EXPECT_TRUE(question->isVisible());
            Click(*question, First(area));
            if (question->isVisible()) {
                ADD_FAILURE() << "the click missed button " << ix;
                question->hide();
            }
        });
        question->ShowModally();
        EXPECT_FALSE(question->isVisible());
        EXPECT_EQ(question->Agreed(), ix == 0);
    }
}

TEST_P(ScaledWindows, TheSaveDialogSavesUnderTheTypedNameFromItsButton) {
    MakeSave("stará", 1, 10);
    CanSave = CanResume = GameSuspended = true;
    WhenShown(*save, [&] {
        save->Text1->setFocus();
        Type(*save->Text1, QStringLiteral("nová"));
        Click(*save, Middle(kSaveButtons[0].hitArea));
        if (save->isVisible()) {
            ADD_FAILURE() << "the click missed \"Uložit\"";
            save->hide();
        }
    });
    menu->MenuItems(kMenuSave);
    EXPECT_FALSE(save->isVisible());
    EXPECT_TRUE(fs::exists(appFolder / "data/saves/nová.lev"));
    EXPECT_FALSE(GameSuspended);

    // "Zpět" of the load dialog, clicked on its last pixel.
    WhenShown(*load, [&] {
        Click(*load, Last(kLoadButtons[1].hitArea));
        if (load->isVisible()) {
            ADD_FAILURE() << "the click missed \"Zpět\"";
            load->hide();
        }
    });
    menu->MenuItems(kMenuLoad);
    EXPECT_FALSE(load->isVisible());
}

TEST_P(ScaledWindows, TheButtonOutlinesAreOneGamePixelWide) {
    question->show();
    QApplication::processEvents();
    QImage shown = question->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRgb outline = QColor(160, 112, 48).rgb();
    const Rect& area = kQuestionButtons[1].hitArea;
    const int s = Scale();
    for (int dy = 0; dy < s; ++dy)
        for (int dx = 0; dx < s; ++dx) {
            // The top-left and the bottom-right game pixels of the outline.
            EXPECT_EQ(shown.pixel(area.Left * s + dx, area.Top * s + dy), outline);
            EXPECT_EQ(shown.pixel(area.Right * s - 1 - dx, area.Bottom * s - 1 - dy), outline);
        }
    // Inside the outline the window's own pixels.
    EXPECT_NE(shown.pixel((area.Left + 1) * s, (area.Top + 1) * s), outline);
    EXPECT_NE(shown.pixel(area.Left * s - 1, area.Top * s), outline);
}

INSTANTIATE_TEST_SUITE_P(Scales, ScaledWindows, testing::Values(1, 2, 3));

// F11 and Alt+Enter switch the full screen in every window of the game and
// do nothing else there.
class SwitchKeys : public MenuTest {
  protected:
    void TearDown() override {
        MenuTest::TearDown();
        platform::View::Instance().Configure(0, false);
    }
    static bool FullScreen() { return platform::View::Instance().FullScreen(); }
};

TEST_F(SwitchKeys, AltEnterInTheMenuDoesNotRunTheChosenItem) {
    MakeCampaign(3);
    Sound = &sound;
    SoundOn = true;
    menu->Items.Selected = kMenuNewGame;
    Key(*menu, Qt::Key_Return, Qt::AltModifier);
    EXPECT_TRUE(FullScreen());
    EXPECT_TRUE(menu->isFullScreen());
    EXPECT_TRUE(menu->isVisible());
    EXPECT_TRUE(sound.cues.empty());
    EXPECT_TRUE(windows.calls.empty());
    Key(*menu, Qt::Key_F11);
    EXPECT_FALSE(FullScreen());
    EXPECT_FALSE(menu->isFullScreen());
    // Enter alone still runs it.
    Key(*menu, Qt::Key_Return);
    EXPECT_TRUE(windows.Called("ResumeGameWindow"));
}

TEST_F(SwitchKeys, TheyNeitherAnswerAQuestionNorCloseTheCreditsOrANotice) {
    bool stayed = false;
    WhenShown(*question, [&] {
        Key(*question, Qt::Key_Return, Qt::AltModifier);
        Key(*question, Qt::Key_F11);
        stayed = question->isVisible();
        question->DialogItems(1);
    });
    question->ShowModally();
    EXPECT_TRUE(stayed);
    EXPECT_FALSE(FullScreen());  // switched twice

    stayed = false;
    WhenShown(*credits, [&] {
        Key(*credits, Qt::Key_F11);
        stayed = credits->isVisible();
        Key(*credits, Qt::Key_Escape);
    });
    credits->ShowModally();
    EXPECT_TRUE(stayed);
    EXPECT_TRUE(FullScreen());
    EXPECT_FALSE(credits->isVisible());

    game::Form2 notice;
    stayed = false;
    WhenShown(notice, [&] {
        Key(notice, Qt::Key_Return, Qt::AltModifier);
        stayed = notice.isVisible();
        Key(notice, Qt::Key_Return);
    });
    notice.ShowNotice(QStringLiteral("Vítej"));
    EXPECT_TRUE(stayed);
    EXPECT_FALSE(FullScreen());
    EXPECT_FALSE(notice.isVisible());
}

}  // namespace
