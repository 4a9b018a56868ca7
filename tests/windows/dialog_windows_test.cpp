// The question, load and save dialogs offscreen with real key and mouse
// events, opened from the main menu as the player opens them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDateTime>
#include <QLocale>
#include <QRegularExpression>
#include <QTest>
#include <QTime>
#include <filesystem>
#include <fstream>

#include "game/core/game_state.h"
#include "game/core/play_time.h"
#include "game/levels/save_description.h"
#include "game/levels/save_games.h"
#include "game/levels/save_names.h"
#include "game/levels/working_levels.h"
#include "game/windows/language.h"
#include "windows/menu_test_support.h"

namespace {

using namespace game;
using menu_testing::MenuTest;
namespace fs = std::filesystem;

class Dialogs : public MenuTest {
  protected:
    // Shows the question on its own and runs `act` in it; true when it was
    // still open afterwards (it is then closed with "Ne").
    bool QuestionStillOpenAfter(const std::function<void()>& act) {
        bool open = false;
        WhenShown(*question, [&] {
            act();
            open = question->isVisible();
            if (open) question->DialogItems(1);
        });
        question->ShowModally();
        return open;
    }

    // Opens "Nahrát" from the menu and runs `act` in the load dialog; true
    // when the dialog was still open afterwards (it is then left with "Zpět").
    bool LoadDialogStillOpenAfter(const std::function<void()>& act) {
        bool open = false;
        WhenShown(*load, [&] {
            act();
            open = load->isVisible();
            if (open) load->DialogItems(1);
        });
        menu->MenuItems(kMenuLoad);
        return open;
    }

    bool SaveDialogStillOpenAfter(const std::function<void()>& act) {
        bool open = false;
        WhenShown(*save, [&] {
            act();
            open = save->isVisible();
            if (open) save->DialogItems(1);
        });
        menu->MenuItems(kMenuSave);
        return open;
    }

    // A game under way, suspended in the menu.
    void GameUnderWay() { CanResume = CanSave = GameSuspended = true; }

    // The name the save dialog proposes for the level now, at a time of
    // this test (the minute may turn while it runs).
    static bool IsProposedName(const QString& name) {
        const QTime now = QTime::currentTime();
        for (const QTime& time : {now, now.addSecs(-60)}) {
            if (name.toStdString() == ProposedSaveName(LevelNumber, time.hour(), time.minute()))
                return true;
        }
        return false;
    }

    void TypeName(const QString& name) {
        save->Text1->setFocus();
        Type(*save->Text1, name);
    }

    // True once `widget` has the keyboard.  It comes with the dialog's
    // activation, which a busy machine may deliver a moment after the show.
    static bool KeysIn(QWidget* widget) {
        return QTest::qWaitFor([widget] { return QApplication::focusWidget() == widget; }, 5000);
    }

    // Keys as the keyboard sends them: to whatever has the focus now.
    static void KeyToFocus(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }
    static void TypeToFocus(const QString& text) {
        QTest::keyClicks(QApplication::focusWidget(), text);
    }

    std::vector<uint8_t> FileBytes(const std::string& name) {
        std::ifstream in(appFolder / "data/saves" / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
};

TEST_F(Dialogs, QuestionLeftAndRightWrapAndEnterAnswers) {
    question->Buttons.Selected = 0;
    EXPECT_FALSE(QuestionStillOpenAfter([&] {
        Key(*question, Qt::Key_Left);
        EXPECT_EQ(question->Buttons.Selected, 1);
        Key(*question, Qt::Key_Right);
        EXPECT_EQ(question->Buttons.Selected, 0);
        Key(*question, Qt::Key_Right);
        EXPECT_EQ(question->Buttons.Selected, 1);
        Key(*question, Qt::Key_A);
        EXPECT_EQ(question->Buttons.Selected, 1);
        EXPECT_TRUE(question->Buttons.Highlighted[1]);
        Key(*question, Qt::Key_Return);
    }));
    EXPECT_FALSE(question->Agreed());

    EXPECT_FALSE(QuestionStillOpenAfter([&] {
        Key(*question, Qt::Key_Left);
        Key(*question, Qt::Key_Return);
    }));
    EXPECT_TRUE(question->Agreed());
}

TEST_F(Dialogs, QuestionKeysDoOnlyWhatTheyShould) {
    // A held Enter and clicks beside the buttons leave it open.
    EXPECT_TRUE(QuestionStillOpenAfter([&] {
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r", true);
        QApplication::sendEvent(question.get(), &repeat);
        Click(*question, {150, 150});
        Click(*question, {121, 140});
    }));
    // The close button says "Ne".
    question->DialogItems(0);
    ASSERT_TRUE(question->Agreed());
    EXPECT_FALSE(QuestionStillOpenAfter([&] { question->close(); }));
    EXPECT_FALSE(question->Agreed());
}

TEST_F(Dialogs, ButtonsFollowThePointerAndGlowOnTheWindow) {
    EXPECT_TRUE(QuestionStillOpenAfter([&] {
        MoveMouse(*question, {200, 150});
        EXPECT_EQ(question->Buttons.Selected, 1);
        EXPECT_TRUE(question->Buttons.Highlighted[1]);
        MoveMouse(*question, {150, 150});
        EXPECT_EQ(question->Buttons.Highlighted, (std::array<bool, 2>{}));
        EXPECT_EQ(question->Buttons.Selected, 1);
        question->Buttons.Brightness = {0, 255};
        question->Timer1_Timer();
    }));
    bool yellow = false, red = false;
    for (int y = 138; y < 154; ++y) {
        for (int x = 60; x < 100; ++x)
            red |= (question->Canvas().pixel(x, y) & 0xFFFFFF) == 0xFF0000;
        for (int x = 215; x < 245; ++x)
            yellow |= (question->Canvas().pixel(x, y) & 0xFFFFFF) == 0xFFFF00;
    }
    EXPECT_TRUE(red);
    EXPECT_TRUE(yellow);
}

TEST_F(Dialogs, ATickFreesFinishedSoundsAndEveryChoiceClicks) {
    Sound = &sound;
    SoundOn = true;
    load->Timer1_Timer();
    EXPECT_EQ(sound.freeMemoryCalls, 1);
    EXPECT_EQ(sound.lastClearStopped, tembra::kTrue);
    sound.failFreeMemory = true;
    EXPECT_NO_THROW(save->Timer1_Timer());

    LoadDialogStillOpenAfter([&] { Click(*load, {20, 180}); });  // "Nahrát", nothing chosen
    // The menu item, "Nahrát", and "Zpět" that closes the dialog.
    EXPECT_EQ(sound.Files(), std::vector<std::string>(3, "click.wav"));
    EXPECT_EQ(sound.cues.back().speed, 1.0f);
}

TEST_F(Dialogs, LoadWithNothingChosenDoesNothing) {
    // A package without its position file is listed but is no save to load:
    // nothing comes chosen.
    fs::create_directories(appFolder / "data/saves");
    std::ofstream(appFolder / "data/saves/hrad.lev") << "x";
    EXPECT_TRUE(LoadDialogStillOpenAfter([&] {
        EXPECT_EQ(Entries(*load->List1), (std::vector<std::string>{"hrad"}));
        EXPECT_EQ(load->List1->SelectedEntry(), nullptr);
        EXPECT_TRUE(KeysIn(load->List1));
        Key(*load->List1, Qt::Key_Return);
        Click(*load, {20, 180});
    }));
    EXPECT_FALSE(windows.Called("ResumeGameWindow"));
    EXPECT_TRUE(menu->isVisible());
}

TEST_F(Dialogs, EnterLoadsTheNewestSaveAtOnceWithNoGame) {
    MakeSave("zámek", 2, 321);
    MakeSave("hrad", 1, 5);
    DateSave("zámek", 1);  // the newest, though made first and listed last
    DateSave("hrad", 20);
    // More older saves before it than the list shows at once.
    for (int i = 0; i < 12; ++i) {
        const std::string name = "a" + std::to_string(10 + i);
        for (const char* ending : {".lev", ".pos"})
            std::ofstream(appFolder / "data/saves" / (name + ending)) << "x";
        DateSave(name, 60);
    }
    Gold = 0;
    LevelNumber = 0;
    HeroDead = true;
    KeyUpHeld = FireHeld = true;
    bool asked = false;
    WhenShown(*question, [&] {
        asked = true;
        question->DialogItems(1);
    });
    EXPECT_FALSE(LoadDialogStillOpenAfter([&] {
        QListWidgetItem* chosen = load->List1->SelectedEntry();
        ASSERT_NE(chosen, nullptr);
        EXPECT_EQ(chosen->text(), "zámek");
        EXPECT_EQ(load->List1->currentItem(), chosen);  // the arrows go on from it
        EXPECT_TRUE(load->List1->viewport()->rect().contains(load->List1->visualItemRect(chosen)))
            << "the chosen save is scrolled out of sight";
        Key(*load->List1, Qt::Key_Return);
    }));
    EXPECT_FALSE(asked);
    EXPECT_EQ(LevelNumber, 2);
    EXPECT_EQ(Gold, 321);
    EXPECT_FALSE(HeroDead);
    EXPECT_FALSE(KeyUpHeld);
    EXPECT_FALSE(FireHeld);
    EXPECT_EQ(windows.LogLines(), (std::vector<std::string>{"Hra byla úspěšně načtena..."}));
    EXPECT_TRUE(windows.Called("ClearLog"));
    EXPECT_TRUE(windows.Called("ResumeGameWindow"));
    EXPECT_FALSE(menu->isVisible());
}

// Beside the list the chosen save is told of: the picture of its field, its
// level, when it was written (and that it is an easy game's), its play
// time; a save from before the
// descriptions by its name alone.  The panel follows the choice and the
// language.
TEST_F(Dialogs, ThePanelTellsOfTheChosenSave) {
    MakeSave("stará", 1, 10);
    fs::remove(appFolder / "data/saves" / DescriptionFileName("stará"));
    DateSave("stará", 60);
    StartPlayTime(uint64_t{(75 * 60 + 30) * 60});  // 1:15:30
    MakeSave("jeskyně", 2, 5);
    // A picture whose every pixel is told apart from its neighbours.
    std::optional<SaveDescription> told = ReadSaveDescription("jeskyně");
    ASSERT_TRUE(told);
    told->difficulty = Difficulty::kEasy;
    told->thumbnail = {kThumbnailSize, kThumbnailSize, {}};
    for (uint32_t y = 0; y < kThumbnailSize; ++y)
        for (uint32_t x = 0; x < kThumbnailSize; ++x)
            told->thumbnail.pixels.push_back(0xFF000000u | x << 17 | y << 9 | 0x40);
    const std::vector<uint8_t> bytes = FormatSaveDescription(*told);
    std::ofstream(appFolder / "data/saves" / DescriptionFileName("jeskyně"), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    const QDateTime local = QDateTime::fromSecsSinceEpoch(told->writtenAt).toLocalTime();
    const QString written =
        QString::asprintf("%d. %d. %d %d:%02d", local.date().day(), local.date().month(),
                          local.date().year(), local.time().hour(), local.time().minute());

    const auto Text = [](const QLabel* label) { return label->text().toStdString(); };
    EXPECT_TRUE(LoadDialogStillOpenAfter([&] {
        EXPECT_EQ(Entries(*load->List1), (std::vector<std::string>{"jeskyně", "stará"}));
        EXPECT_EQ(Text(load->LevelLabel), "2. patro: Stará krypta");
        EXPECT_EQ(Text(load->WrittenLabel), written.toStdString() + ", lehká");
        EXPECT_EQ(Text(load->PlayTimeLabel), "Doba hry: 1:15:30");
        // Shown beside the list, each of its pixels a block at the scale.
        const int s = load->Scale();
        const QImage shown = load->grab().toImage().convertToFormat(QImage::Format_RGB32);
        for (const QPoint at : {QPoint(0, 0), QPoint(124, 124), QPoint(61, 7), QPoint(3, 100)}) {
            const QPoint place = (QPoint(Form6::kThumbnailX, Form6::kThumbnailY) + at) * s;
            EXPECT_EQ(shown.pixel(place), told->thumbnail.pixels[size_t(at.y() * 125 + at.x())]);
            EXPECT_EQ(shown.pixel(place + QPoint(s - 1, s - 1)), shown.pixel(place));
        }

        Key(*load->List1, Qt::Key_Down);
        EXPECT_EQ(Text(load->LevelLabel), "stará");
        EXPECT_EQ(Text(load->WrittenLabel), "");
        EXPECT_EQ(Text(load->PlayTimeLabel), "Doba hry: ?");
        EXPECT_TRUE(load->Thumbnail().isNull());

        UseLanguage(settings::Language::kEnglish);
        QApplication::processEvents();  // the windows hear of it
        EXPECT_EQ(Text(load->PlayTimeLabel), "Play time: ?");
        Key(*load->List1, Qt::Key_Up);
        EXPECT_EQ(
            Text(load->WrittenLabel),
            QLocale(QLocale::English).toString(local, "d MMM yyyy, H:mm").toStdString() + ", easy");
        EXPECT_EQ(Text(load->LevelLabel), "Floor 2: The Old Crypt");
        EXPECT_EQ(Text(load->PlayTimeLabel), "Play time: 1:15:30");
        EXPECT_FALSE(load->Thumbnail().isNull());
        UseLanguage(settings::Language::kCzech);
    }));
}

TEST_F(Dialogs, LoadDuringAGameAsksAndNoKeepsTheDialog) {
    MakeSave("hrad", 2, 321);
    GameUnderWay();
    LevelNumber = 1;
    Gold = 9;
    WhenShown(*question, [&] {
        EXPECT_EQ(question->Label1->text(), "Opravdu chcete ztratit neuloženou hru?");
        Key(*question, Qt::Key_Return);  // "Ne", as it opens
    });
    question->Buttons.Selected = 0;
    EXPECT_TRUE(LoadDialogStillOpenAfter([&] {
        load->List1->setCurrentRow(0);
        Click(*load, {20, 180});
    }));
    EXPECT_EQ(Gold, 9);
    EXPECT_TRUE(GameSuspended);
    EXPECT_FALSE(windows.Called("ResumeGameWindow"));

    // "Ano" loads.
    WhenShown(*question, [&] { Click(*question, {50, 140}); });
    EXPECT_FALSE(LoadDialogStillOpenAfter([&] {
        load->List1->setCurrentRow(0);
        Click(*load, {20, 180});
    }));
    EXPECT_EQ(Gold, 321);
    EXPECT_FALSE(GameSuspended);
    EXPECT_TRUE(windows.Called("ResumeGameWindow"));
}

TEST_F(Dialogs, ASaveThatVanishedIsReportedAndTheListRefreshed) {
    MakeSave("hrad", 2, 321);
    MakeSave("zámek", 1, 1);
    Gold = 9;
    EXPECT_TRUE(LoadDialogStillOpenAfter([&] {
        fs::remove(appFolder / "data/saves/hrad.pos");
        fs::remove(appFolder / "data/saves/hrad.lev");
        load->List1->setCurrentItem(load->List1->findItems("hrad", Qt::MatchExactly).value(0));
        Key(*load->List1, Qt::Key_Return);
        EXPECT_EQ(Entries(*load->List1), (std::vector<std::string>{"zámek"}));
    }));
    ASSERT_EQ(windows.messageBoxes.size(), 1u);
    EXPECT_EQ(windows.messageBoxes[0].first, "Uložená hra nebyla nalezena...");
    EXPECT_EQ(Gold, 9);
    EXPECT_FALSE(windows.Called("ClearLog"));
    EXPECT_TRUE(menu->isVisible());
}

// In English the proposed name says "floor", and the save takes it.
TEST_F(Dialogs, TheProposedNameIsInThePlayersLanguage) {
    MakeSave("hrad", 2, 321);
    GameUnderWay();
    LevelNumber = 12;
    UseLanguage(settings::Language::kEnglish);
    EXPECT_FALSE(SaveDialogStillOpenAfter([&] {
        const QString name = save->Text1->text();
        EXPECT_TRUE(QRegularExpression("^floor 12 [0-2][0-9]-[0-5][0-9]$").match(name).hasMatch())
            << name.toStdString();
        Key(*save->Text1, Qt::Key_Return);
    }));
    UseLanguage(settings::Language::kCzech);
    const std::vector<std::string> names = SaveFolderNames();
    ASSERT_EQ(names.size(), 4u);
    EXPECT_EQ(names[0].rfind("floor 12 ", 0), 0u) << names[0];
}

// The name box opens with the level and the time, all of it chosen: typing
// replaces it.
TEST_F(Dialogs, SaveUnderATypedNameWithEnter) {
    MakeSave("hrad", 2, 321);
    GameUnderWay();
    LevelNumber = 12;
    Gold = 777;
    EXPECT_FALSE(SaveDialogStillOpenAfter([&] {
        EXPECT_TRUE(KeysIn(save->Text1));
        EXPECT_TRUE(IsProposedName(save->Text1->text()));
        EXPECT_EQ(save->Text1->selectedText(), save->Text1->text());
        Type(*save->Text1, "Večer u ohně");
        Key(*save->Text1, Qt::Key_Return);
    }));
    EXPECT_EQ(save->Text1->text(), "Večer u ohně");  // Enter reached the box as no character
    EXPECT_EQ(SaveFolderNames(), (std::vector<std::string>{"Večer u ohně.lev", "Večer u ohně.pos",
                                                           "hrad.lev", "hrad.pos"}));
    EXPECT_FALSE(GameSuspended);
    EXPECT_EQ(windows.LogLines(), (std::vector<std::string>{"Hra byla úspěšně uložena..."}));
    EXPECT_TRUE(windows.Called("ResumeGameWindow"));
    EXPECT_FALSE(menu->isVisible());

    Gold = 0;
    ASSERT_TRUE(LoadGame("Večer u ohně"));
    EXPECT_EQ(Gold, 777);
}

TEST_F(Dialogs, RefusedNamesDoNothing) {
    MakeSave("hrad", 2, 321);
    GameUnderWay();
    for (const QString& name : QStringList{"", "konec.", "proč?", "quick", "QuickSave", "a/b", "..",
                                           "Саша", "tab\there", QString(101, QChar('x'))}) {
        EXPECT_TRUE(SaveDialogStillOpenAfter([&] {
            save->Text1->setText(name);
            Key(*save->Text1, Qt::Key_Return);
            Click(*save, {20, 180});
        })) << name.toStdString();
    }
    EXPECT_EQ(SaveFolderNames(), (std::vector<std::string>{"hrad.lev", "hrad.pos"}));
    EXPECT_TRUE(windows.messageBoxes.empty());
    EXPECT_FALSE(windows.Called("ResumeGameWindow"));
    EXPECT_TRUE(GameSuspended);
}

TEST_F(Dialogs, OverwritingAListedSaveAsksAndNoKeepsTheOldOne) {
    MakeSave("hrad", 2, 321);
    std::vector<uint8_t> old = FileBytes("hrad.pos");
    GameUnderWay();
    Gold = 999;
    std::string asked;
    WhenShown(*question, [&] {
        asked = question->Label1->text().toStdString();
        question->DialogItems(1);
    });
    EXPECT_TRUE(SaveDialogStillOpenAfter([&] {
        TypeName("hrad");
        Key(*save->Text1, Qt::Key_Return);
    }));
    EXPECT_EQ(asked, "Opravdu chcete přepsat tuto pozici?");
    EXPECT_EQ(question->Label1->text(), "Opravdu chcete ztratit neuloženou hru?");
    EXPECT_EQ(FileBytes("hrad.pos"), old);
    EXPECT_FALSE(windows.Called("ResumeGameWindow"));

    WhenShown(*question, [&] { question->DialogItems(0); });
    EXPECT_FALSE(SaveDialogStillOpenAfter([&] {
        TypeName("hrad");
        Key(*save->Text1, Qt::Key_Return);
    }));
    EXPECT_EQ(question->Label1->text(), "Opravdu chcete ztratit neuloženou hru?");
    Gold = 0;
    ASSERT_TRUE(LoadGame("hrad"));
    EXPECT_EQ(Gold, 999);
}

TEST_F(Dialogs, ANameDifferingOnlyInCaseSavesWithoutTheQuestion) {
    MakeSave("hrad", 2, 321);
    GameUnderWay();
    bool asked = false;
    WhenShown(*question, [&] {
        asked = true;
        question->DialogItems(1);
    });
    EXPECT_FALSE(SaveDialogStillOpenAfter([&] {
        TypeName("HRAD");
        Click(*save, {20, 180});
    }));
    EXPECT_FALSE(asked);
    EXPECT_TRUE(fs::exists(appFolder / "data/saves/HRAD.lev"));
    question->hide();
}

TEST_F(Dialogs, TheSaveListNeverOffersQuickNorAutosavesAndFillsTheNameBox) {
    MakeSave("quick", 1, 1);
    MakeSave("hrad", 2, 321);
    MakeSave("auto-2", 1, 7);
    MakeSave("zámek", 0, 3);
    DateSave("auto-2", 4);
    DateSave("quick", 3);
    DateSave("hrad", 2);
    DateSave("zámek", 1);
    GameUnderWay();
    EXPECT_TRUE(SaveDialogStillOpenAfter([&] {
        EXPECT_EQ(Entries(*save->List1), (std::vector<std::string>{"hrad", "zámek"}));
        save->List1->setFocus();
        Key(*save->List1, Qt::Key_Down);
        EXPECT_EQ(save->Text1->text(), "hrad");
        Key(*save->List1, Qt::Key_Down);
        EXPECT_EQ(save->Text1->text(), "zámek");
        QRect first = save->List1->visualItemRect(save->List1->item(0));
        Click(*save->List1->viewport(), first.center());
        EXPECT_EQ(save->Text1->text(), "hrad");
    }));
    // The load list offers them, newest first.
    EXPECT_TRUE(LoadDialogStillOpenAfter([&] {
        EXPECT_EQ(Entries(*load->List1),
                  (std::vector<std::string>{"zámek", "hrad", "quick", "auto-2"}));
    }));
}

TEST_F(Dialogs, EnterInTheSaveListSavesUnderTheChosenEntry) {
    MakeSave("hrad", 2, 321);
    GameUnderWay();
    Gold = 4242;
    WhenShown(*question, [&] { question->DialogItems(0); });
    EXPECT_FALSE(SaveDialogStillOpenAfter([&] {
        save->List1->setFocus();
        Key(*save->List1, Qt::Key_Down);
        Key(*save->List1, Qt::Key_Return);
    }));
    Gold = 0;
    ASSERT_TRUE(LoadGame("hrad"));
    EXPECT_EQ(Gold, 4242);
}

TEST_F(Dialogs, BackAndTheCloseButtonReturnToTheMenu) {
    GameUnderWay();
    EXPECT_FALSE(SaveDialogStillOpenAfter([&] { Click(*save, {250, 180}); }));
    EXPECT_FALSE(LoadDialogStillOpenAfter([&] { load->close(); }));
    EXPECT_TRUE(menu->isVisible());
    EXPECT_TRUE(GameSuspended);
    EXPECT_FALSE(windows.Called("ResumeGameWindow"));
}

TEST_F(Dialogs, TabHandsTheKeysToTheButtons) {
    MakeSave("hrad", 2, 321);
    EXPECT_FALSE(LoadDialogStillOpenAfter([&] {
        ASSERT_TRUE(KeysIn(load->List1));
        Key(*load->List1, Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), load.get());
        Key(*load, Qt::Key_Right);
        Key(*load, Qt::Key_Return);  // "Zpět"
    }));
    EXPECT_FALSE(SaveDialogStillOpenAfter([&] {
        ASSERT_TRUE(KeysIn(save->Text1));
        Key(*save->Text1, Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), save->List1);
        Key(*save->List1, Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), save.get());
        save->Buttons.Selected = 0;
        Key(*save, Qt::Key_Left);
        Key(*save, Qt::Key_Return);  // "Zpět"
    }));
    EXPECT_TRUE(menu->isVisible());
}

// A click on the window itself (a button, or beside one) never takes the
// keyboard from the control that had it.
TEST_F(Dialogs, AClickOnTheSaveDialogLeavesTheKeysInTheNameBox) {
    MakeSave("hrad", 2, 321);
    GameUnderWay();
    Gold = 55;
    EXPECT_FALSE(SaveDialogStillOpenAfter([&] {
        ASSERT_TRUE(KeysIn(save->Text1));
        save->Text1->clear();
        Click(*save, {20, 180});  // "Uložit" with no name: refused
        EXPECT_TRUE(save->isVisible());
        Click(*save, {150, 190});  // between the buttons
        Click(*save, {150, 143});  // between the list and the name box
        EXPECT_EQ(QApplication::focusWidget(), save->Text1);
        TypeToFocus("noc");
        EXPECT_EQ(save->Text1->text(), "noc");
        KeyToFocus(Qt::Key_Return);
    }));
    Gold = 0;
    ASSERT_TRUE(LoadGame("noc"));
    EXPECT_EQ(Gold, 55);
}

TEST_F(Dialogs, AClickOnTheLoadDialogLeavesTheKeysInTheList) {
    MakeSave("hrad", 2, 321);
    MakeSave("zámek", 1, 5);
    DateSave("hrad", 20);
    DateSave("zámek", 1);  // chosen when the dialog opens
    Gold = 0;
    EXPECT_FALSE(LoadDialogStillOpenAfter([&] {
        ASSERT_TRUE(KeysIn(load->List1));
        MoveMouse(*load, {250, 180});  // "Zpět" glows and is selected
        Click(*load, {150, 190});      // between the buttons
        Click(*load, {150, 172});      // between the list and the buttons
        EXPECT_EQ(QApplication::focusWidget(), load->List1);
        EXPECT_EQ(load->List1->currentRow(), 0);
        KeyToFocus(Qt::Key_Down);
        EXPECT_EQ(load->List1->currentRow(), 1);
        KeyToFocus(Qt::Key_Return);  // loads, never "Zpět"
    }));
    EXPECT_EQ(Gold, 321);
    EXPECT_TRUE(windows.Called("ResumeGameWindow"));
}

TEST_F(Dialogs, TheQuestionAnswersItsKeysAfterAClick) {
    question->Buttons.Selected = 0;
    question->DialogItems(0);
    EXPECT_FALSE(QuestionStillOpenAfter([&] {
        ASSERT_TRUE(KeysIn(question.get()));
        Click(*question, {150, 150});
        Click(*question, {150, 20});  // on the question's text
        EXPECT_EQ(QApplication::focusWidget(), question.get());
        KeyToFocus(Qt::Key_Right);
        EXPECT_EQ(question->Buttons.Selected, 1);
        KeyToFocus(Qt::Key_Left);
        KeyToFocus(Qt::Key_Left);
        EXPECT_EQ(question->Buttons.Selected, 1);
        KeyToFocus(Qt::Key_Return);  // "Ne"
    }));
    EXPECT_FALSE(question->Agreed());
}

TEST_F(Dialogs, ADeadHerosSaveIsRefusedAndTheOldSaveKept) {
    MakeSave("hrad", 2, 321);
    std::vector<uint8_t> old = FileBytes("hrad.lev");
    GameUnderWay();
    HeroDead = true;
    WhenShown(*question, [&] { question->DialogItems(0); });
    SaveDialogStillOpenAfter([&] {
        TypeName("hrad");
        Key(*save->Text1, Qt::Key_Return);
    });
    EXPECT_EQ(FileBytes("hrad.lev"), old);
    ASSERT_EQ(windows.LogLines().size(), 1u);
    EXPECT_NE(windows.LogLines()[0], "Hra byla úspěšně uložena...");
}

TEST_F(Dialogs, ASaveOfAGameWhoseLevelsAreGoneIsRefusedAndTheOldSaveKept) {
    MakeSave("hrad", 0, 321);
    const std::vector<uint8_t> old = FileBytes("hrad.lev");
    GameUnderWay();
    // Another copy of the game emptied the working folder meanwhile; only
    // the hero's level 0 comes back, stored by the save.
    ClearWorkingLevels();
    WhenShown(*question, [&] { question->DialogItems(0); });
    SaveDialogStillOpenAfter([&] {
        TypeName("hrad");
        Key(*save->Text1, Qt::Key_Return);
    });
    EXPECT_EQ(FileBytes("hrad.lev"), old);
    // Back in the game, told that the old save stands.
    EXPECT_FALSE(GameSuspended);
    EXPECT_EQ(windows.LogLines(),
              std::vector<std::string>{
                  "Hru se nepodařilo uložit, předchozí uložená hra zůstala beze změny..."});
    EXPECT_TRUE(windows.messageBoxes.empty());
}

}  // namespace
