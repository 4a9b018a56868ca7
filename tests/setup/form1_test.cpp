// The settings window on the offscreen platform: its layout, what it shows for
// a given setup.ini, its keys, and what its button writes.
#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include "setup/form1.h"
#include "setup/hscrollbar.h"
#include "setup/key_button.h"
#include "setup/setup_ini_file.h"

namespace setup {
namespace {

// The key lines for the default keys, and the music's and the language's lines after them.
const QByteArray kDefaultKeys =
    "Klavesa.Nahoru=Up\r\nKlavesa.Dolu=Down\r\nKlavesa.Vlevo=Left\r\nKlavesa.Vpravo=Right\r\n"
    "Klavesa.Strelba=Control\r\nKlavesa.Bomba=Space\r\nKlavesa.Pauza=Pause\r\n"
    "Klavesa.Menu=Esc\r\nKlavesa.Ulozit=F5\r\nKlavesa.Nahrat=F7\r\nHudba=70\r\nJazyk=cs\r\n";
// The new lines as the tool writes them for an untouched second frame.
const QByteArray kDefaultView =
    "Zvetseni=auto\r\nCelaObrazovka=Ne\r\nPauzaPriPrepnuti=Ano\r\nPomocNaRozich=Ano\r\n" +
    kDefaultKeys;

class Form1Test : public testing::Test {
  protected:
    QString IniPath() const { return SetupIniPath(dir_.path()); }

    void WriteIni(const QByteArray& bytes) {
        QFile file(IniPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    QByteArray ReadIni() const {
        QFile file(IniPath());
        if (!file.open(QIODevice::ReadOnly)) return {};
        return file.readAll();
    }

    // A window over the test's folder whose error boxes are only recorded.
    std::unique_ptr<Form1> Open() {
        auto form = std::make_unique<Form1>(dir_.path());
        form->ShowError = [this](const QString& title, const QString& text) {
            errors_.push_back(title + QLatin1Char('|') + text);
        };
        form->show();
        return form;
    }

    QTemporaryDir dir_;
    QStringList errors_;
};

TEST_F(Form1Test, LayoutFollowsTheTwipGrid) {
    auto form = Open();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Orvane Setup v1.0"));
    // The old frame and its controls where they always were; the window grew
    // downward for the second frame and to its right for the third.
    EXPECT_EQ(form->height(), 614);
    EXPECT_EQ(form->width(), 419);
    EXPECT_EQ(form->Frame3->geometry(), QRect(210, 0, 209, 613));
    for (QWidget* control : form->Frame3->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        EXPECT_TRUE(form->Frame3->rect().contains(control->geometry())) << control;
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    EXPECT_EQ(form->Frame1->geometry(), QRect(0, 0, 209, 121));

    EXPECT_EQ(form->Check1->geometry(), QRect(8, 16, 57, 17));
    EXPECT_EQ(form->Command1->geometry(), QRect(112, 16, 89, 17));
    EXPECT_EQ(form->Label3->geometry(), QRect(8, 40, 97, 17));
    EXPECT_EQ(form->HScroll2->geometry(), QRect(8, 56, 97, 17));
    EXPECT_EQ(form->Label4->geometry(), QRect(112, 56, 89, 17));
    EXPECT_EQ(form->Label2->geometry(), QRect(8, 80, 97, 17));
    EXPECT_EQ(form->HScroll1->geometry(), QRect(8, 96, 97, 17));
    EXPECT_EQ(form->Label1->geometry(), QRect(112, 96, 81, 17));
    const std::vector<QWidget*> oldControls = {form->Check1,   form->Command1, form->Label1,
                                               form->Label2,   form->Label3,   form->Label4,
                                               form->HScroll1, form->HScroll2};
    for (QWidget* control : oldControls) {
        EXPECT_EQ(control->parentWidget(), form->Frame1);
    }

    EXPECT_EQ(form->Frame2->geometry(), QRect(0, 122, 209, 491));
    std::vector<QWidget*> newControls = {
        form->Label5,   form->Combo1,  form->Check2, form->Check3,   form->Check4, form->Label8,
        form->HScroll3, form->Label9,  form->Label6, form->Command2, form->Label7, form->Label10,
        form->Combo2,   form->Label11, form->Combo3, form->Check9};
    newControls.insert(newControls.end(), form->KeyLabels.begin(), form->KeyLabels.end());
    newControls.insert(newControls.end(), form->KeyButtons.begin(), form->KeyButtons.end());
    for (QWidget* control : newControls) {
        EXPECT_EQ(control->parentWidget(), form->Frame2);
        EXPECT_TRUE(form->Frame2->rect().contains(control->geometry())) << control;
    }
    EXPECT_EQ(form->Label5->text(), QStringLiteral("Zvětšení"));
    EXPECT_EQ(form->Check2->text(), QStringLiteral("Celá obrazovka"));
    EXPECT_EQ(form->Check3->text(), QStringLiteral("Pauza při přepnutí okna"));
    EXPECT_EQ(form->Check4->text(), QStringLiteral("Pomoc na rozích"));
    EXPECT_EQ(form->Check9->text(), QStringLiteral("Časomíra"));
    EXPECT_EQ(form->Label8->text(), QStringLiteral("Hudba"));
    EXPECT_EQ(form->HScroll3->value(), 70);
    EXPECT_EQ(form->HScroll3->maximum(), 100);
    ASSERT_EQ(form->Combo1->count(), 6);
    EXPECT_EQ(form->Combo1->itemText(0), QStringLiteral("automaticky"));
    EXPECT_EQ(form->Combo1->itemText(2), QStringLiteral("2×"));
    EXPECT_EQ(form->Combo1->itemText(4), QStringLiteral("4×"));
    EXPECT_EQ(form->Combo1->itemText(settings::kScaleFill), QStringLiteral("vyplnit"));

    EXPECT_EQ(form->Check1->text(), QStringLiteral("Zvuky"));
    EXPECT_EQ(form->Command1->text(), QStringLiteral("Uložit a skončit"));
    EXPECT_EQ(form->Label3->text(), QStringLiteral("Hlasitost zvuků"));
    EXPECT_EQ(form->Label2->text(), QStringLiteral("Nastavení ticku"));

    EXPECT_EQ(form->HScroll2->orientation(), Qt::Horizontal);
    EXPECT_EQ(form->HScroll2->minimum(), 0);
    EXPECT_EQ(form->HScroll2->maximum(), 100);
    EXPECT_EQ(form->HScroll2->singleStep(), 1);
    EXPECT_EQ(form->HScroll2->pageStep(), 10);
    EXPECT_EQ(form->HScroll1->minimum(), 0);
    EXPECT_EQ(form->HScroll1->maximum(), 20000);
    EXPECT_EQ(form->HScroll1->singleStep(), 1);
    EXPECT_EQ(form->HScroll1->pageStep(), 100);

    const QFontInfo font(form->Command1->font());
    EXPECT_EQ(font.family(), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(font.pixelSize(), 11);
    // The button's caption fits inside it.
    EXPECT_LE(form->Command1->fontMetrics().horizontalAdvance(form->Command1->text()),
              form->Command1->width());
}

TEST_F(Form1Test, WithoutAFileTheControlsKeepTheirInitialStates) {
    auto form = Open();
    EXPECT_TRUE(form->Check1->isChecked());
    EXPECT_TRUE(form->HScroll2->isEnabled());
    EXPECT_EQ(form->HScroll2->value(), 100);
    EXPECT_EQ(form->Label4->text(), QStringLiteral("100%"));
    EXPECT_EQ(form->HScroll1->value(), 0);
    EXPECT_EQ(form->Label1->text(), QStringLiteral("Tick=0"));
    EXPECT_EQ(form->Combo1->currentIndex(), 0);
    EXPECT_FALSE(form->Check2->isChecked());
    EXPECT_TRUE(form->Check3->isChecked());
    EXPECT_TRUE(form->Check4->isChecked());
}

TEST_F(Form1Test, TheThreeOldLinesAloneShowTheDefaultsOfTheNewSettings) {
    WriteIni("Zvuky=Ano\r\nHlasitost=80\r\nTick=50\r\n");
    auto form = Open();
    EXPECT_EQ(form->HScroll2->value(), 80);
    EXPECT_EQ(form->Combo1->currentIndex(), 0);
    EXPECT_FALSE(form->Check2->isChecked());
    EXPECT_TRUE(form->Check3->isChecked());
}

TEST_F(Form1Test, ShowsTheNewSettingsAndSavesTheChangesKeepingUnknownLines) {
    WriteIni(
        "Zvuky=Ano\nHlasitost=80\nTick=50\nKlavesy=W\nZvetseni=3\nCelaObrazovka=ano\n"
        "PauzaPriPrepnuti=Ne\npomocnarozich=ano\nbudoucí nastavení\nHudba=45\njazyk=EN\n"
        "obtiznost=LEHKA\nCASOMIRA=ano\n");
    auto form = Open();
    EXPECT_TRUE(form->Check9->isChecked());
    EXPECT_EQ(form->Combo2->currentText(), QStringLiteral("English"));
    EXPECT_EQ(form->Combo3->currentText(), QStringLiteral("lehká"));
    EXPECT_EQ(form->HScroll3->value(), 45);
    EXPECT_EQ(form->Label9->text(), QStringLiteral("45%"));
    EXPECT_EQ(form->Combo1->currentIndex(), 3);
    EXPECT_EQ(form->Combo1->currentText(), QStringLiteral("3×"));
    EXPECT_TRUE(form->Check2->isChecked());
    EXPECT_FALSE(form->Check3->isChecked());
    EXPECT_TRUE(form->Check4->isChecked());

    // Chosen with the keyboard and the mouse as a player would.
    form->Combo1->setFocus();
    QTest::keyClick(form->Combo1, Qt::Key_Down);
    QTest::mouseClick(form->Check2, Qt::LeftButton);
    QTest::mouseClick(form->Check3, Qt::LeftButton);
    QTest::mouseClick(form->Check4, Qt::LeftButton);
    form->HScroll3->setFocus();
    QTest::keyClick(form->HScroll3, Qt::Key_Right);
    QTest::mouseClick(form->Command1, Qt::LeftButton);
    QByteArray keys = kDefaultKeys;
    keys.replace("Hudba=70", "Hudba=46");
    keys.replace("Jazyk=cs", "Jazyk=en\r\nCasomira=Ano");
    EXPECT_EQ(
        ReadIni(),
        "Zvuky=Ano\r\nHlasitost=80\r\nTick=50\r\nZvetseni=4\r\n"
        "CelaObrazovka=Ne\r\nPauzaPriPrepnuti=Ano\r\nPomocNaRozich=Ne\r\nObtiznost=lehka\r\n" +
            keys + "Klavesy=W\r\nbudoucí nastavení\r\n");
}

TEST_F(Form1Test, EnterAndSpacePressTheButtonThatHasTheKeyboard) {
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
        QFile::remove(IniPath());
        auto form = Open();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        // Tab from the box to the button, as the keyboard walks the window.
        form->Check1->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), form->Command1);
        QTest::keyClick(QApplication::focusWidget(), key);
        EXPECT_EQ(ReadIni(), "Zvuky=Ano\r\nHlasitost=100\r\nTick=0\r\n" + kDefaultView) << key;
        EXPECT_FALSE(form->isVisible()) << key;
    }
}

struct LoadCase {
    const char* file;
    bool checked;
    int volume;
    int tick;
};

class Form1Load : public Form1Test, public testing::WithParamInterface<LoadCase> {};

TEST_P(Form1Load, ShowsTheFileThroughItsRules) {
    const LoadCase& c = GetParam();
    WriteIni(c.file);
    auto form = Open();
    EXPECT_EQ(form->Check1->isChecked(), c.checked);
    EXPECT_EQ(form->HScroll2->isEnabled(), c.checked);
    EXPECT_EQ(form->HScroll3->isEnabled(), c.checked);
    EXPECT_EQ(form->HScroll2->value(), c.volume);
    EXPECT_EQ(form->Label4->text(), QStringLiteral("%1%").arg(c.volume));
    EXPECT_EQ(form->HScroll1->value(), c.tick);
    EXPECT_EQ(form->Label1->text(), QStringLiteral("Tick=%1").arg(c.tick));
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, Form1Load,
    testing::Values(LoadCase{"Zvuky=Ano\r\nHlasitost=80\r\nTick=50\r\n", true, 80, 50},
                    LoadCase{"zvuky=ano\r\nHlasitost=80\r\nTick=50\r\n", true, 80, 50},
                    LoadCase{"Zvuky=Ne\r\nHlasitost=80\r\nTick=50\r\n", false, 80, 50},
                    LoadCase{"\r\nHlasitost=80\r\nTick=50\r\n", false, 80, 50},
                    LoadCase{"Zvuky=Ano\r\nHlasitost=150\r\nTick=25000\r\n", true, 100, 20000},
                    LoadCase{"Zvuky=Ano\r\nHlasitost=-5\r\nTick=-1\r\n", true, 0, 0},
                    LoadCase{"Zvuky=Ano\r\nHlasitost=abc\r\nTick=x\r\n", true, 100, 0},
                    LoadCase{"Zvuky=Ano\r\nHlasitost=\r\nTick=\r\n", true, 100, 0},
                    LoadCase{"Zvuky=Ne\r\n", false, 100, 0}, LoadCase{"", false, 100, 0}),
    // Readable test names: the case's number in the list.
    [](const testing::TestParamInfo<LoadCase>& info) {
        return "Case" + std::to_string(info.index);
    });

TEST_F(Form1Test, UncheckingDisablesTheVolumeButKeepsItsValue) {
    WriteIni("Zvuky=Ano\r\nHlasitost=35\r\nTick=7\r\n");
    auto form = Open();
    QTest::mouseClick(form->Check1, Qt::LeftButton);
    EXPECT_FALSE(form->Check1->isChecked());
    EXPECT_FALSE(form->HScroll2->isEnabled());
    EXPECT_FALSE(form->HScroll3->isEnabled());
    EXPECT_EQ(form->HScroll2->value(), 35);

    QTest::mouseClick(form->Command1, Qt::LeftButton);
    EXPECT_EQ(ReadIni(), "Zvuky=Ne\r\nHlasitost=35\r\nTick=7\r\n" + kDefaultView);
}

TEST_F(Form1Test, CheckingAgainEnablesTheVolume) {
    WriteIni("Zvuky=Ne\r\nHlasitost=35\r\nTick=7\r\n");
    auto form = Open();
    QTest::mouseClick(form->Check1, Qt::LeftButton);
    EXPECT_TRUE(form->HScroll2->isEnabled());
    EXPECT_TRUE(form->HScroll3->isEnabled());
    QTest::mouseClick(form->Command1, Qt::LeftButton);
    EXPECT_EQ(ReadIni(), "Zvuky=Ano\r\nHlasitost=35\r\nTick=7\r\n" + kDefaultView);
}

TEST_F(Form1Test, SavingUnchangedWritesTheCanonicalLinesAndCloses) {
    WriteIni("sound: ANO please\nLoudness: 55\nTICK:123");
    auto form = Open();
    ASSERT_TRUE(form->isVisible());
    QTest::mouseClick(form->Command1, Qt::LeftButton);
    EXPECT_EQ(ReadIni(), "Zvuky=Ano\r\nHlasitost=55\r\nTick=123\r\n" + kDefaultView);
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(errors_.isEmpty());
}

TEST_F(Form1Test, SavingWithoutAFileWritesTheInitialStates) {
    auto form = Open();
    QTest::mouseClick(form->Command1, Qt::LeftButton);
    EXPECT_EQ(ReadIni(), "Zvuky=Ano\r\nHlasitost=100\r\nTick=0\r\n" + kDefaultView);
}

TEST_F(Form1Test, ClosingWithoutTheButtonWritesNothing) {
    const QByteArray before("zvuky=ano\nHlasitost=abc\nTick=x\n");
    WriteIni(before);
    auto form = Open();
    form->HScroll1->setValue(999);
    form->close();
    EXPECT_EQ(ReadIni(), before);

    QFile::remove(IniPath());
    auto fresh = Open();
    fresh->close();
    EXPECT_FALSE(QFile::exists(IniPath()));
}

TEST_F(Form1Test, AFailedSaveSaysSoInCzechAndStaysOpen) {
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("setup.ini")));  // in the file's way
    auto form = Open();
    QTest::mouseClick(form->Command1, Qt::LeftButton);
    ASSERT_EQ(errors_.size(), 1);
    EXPECT_TRUE(errors_[0].startsWith(QStringLiteral("CHYBA!|Nastavení se nepodařilo uložit")))
        << errors_[0].toStdString();
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(QFileInfo(IniPath()).isDir());

    // Once the way is clear, the same window saves and closes.
    ASSERT_TRUE(QDir(dir_.path()).rmdir(QStringLiteral("setup.ini")));
    QTest::mouseClick(form->Command1, Qt::LeftButton);
    EXPECT_EQ(errors_.size(), 1);
    EXPECT_EQ(ReadIni(), "Zvuky=Ano\r\nHlasitost=100\r\nTick=0\r\n" + kDefaultView);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(Form1Test, AFolderThatIsGoneIsAFailureToo) {
    auto form = std::make_unique<Form1>(dir_.filePath(QStringLiteral("gone")));
    int shown = 0;
    form->ShowError = [&shown](const QString&, const QString&) { ++shown; };
    form->show();
    QTest::mouseClick(form->Command1, Qt::LeftButton);
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(form->isVisible());
}

TEST_F(Form1Test, ArrowKeysMoveTheBarsTheWayTheyPoint) {
    WriteIni("Zvuky=Ano\r\nHlasitost=50\r\nTick=500\r\n");
    auto form = Open();
    HScrollBar* volume = form->HScroll2;
    const std::pair<Qt::Key, int> volumeKeys[] = {
        {Qt::Key_Left, 49},     {Qt::Key_Right, 50}, {Qt::Key_Right, 51},
        {Qt::Key_Up, 50},       {Qt::Key_Down, 51},  {Qt::Key_PageUp, 41},
        {Qt::Key_PageDown, 51}, {Qt::Key_Home, 0},   {Qt::Key_End, 100},
    };
    for (const auto& [key, expected] : volumeKeys) {
        QTest::keyClick(volume, key);
        EXPECT_EQ(volume->value(), expected) << QTest::toString(key);
    }
    EXPECT_EQ(form->Label4->text(), QStringLiteral("100%"));

    HScrollBar* tick = form->HScroll1;
    QTest::keyClick(tick, Qt::Key_Left);
    EXPECT_EQ(tick->value(), 499);
    QTest::keyClick(tick, Qt::Key_PageDown);
    EXPECT_EQ(tick->value(), 599);
    QTest::keyClick(tick, Qt::Key_PageUp);
    QTest::keyClick(tick, Qt::Key_Right);
    EXPECT_EQ(tick->value(), 500);
    EXPECT_EQ(form->Label1->text(), QStringLiteral("Tick=500"));
}

TEST_F(Form1Test, DraggingTheBarsUpdatesTheirLabels) {
    auto form = Open();
    form->HScroll2->setSliderDown(true);
    form->HScroll2->setSliderPosition(42);
    EXPECT_EQ(form->Label4->text(), QStringLiteral("42%"));
    form->HScroll2->setSliderDown(false);
    form->HScroll1->setSliderDown(true);
    form->HScroll1->setSliderPosition(1234);
    EXPECT_EQ(form->Label1->text(), QStringLiteral("Tick=1234"));
}

// The keys' section: each command's caption and key, a click and a key
// press to choose, refusals with a note, the defaults back.
class KeysSection : public Form1Test {
  protected:
    void SetUp() override {
        form_ = Open();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    }
    KeyButton* Button(std::size_t command) { return form_->KeyButtons[command]; }
    // A click on the command's button and a key pressed and let go.
    void Choose(std::size_t command, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::mouseClick(Button(command), Qt::LeftButton);
        QTest::keyClick(Button(command), key, mods);
    }
    QString Note() const { return form_->Label7->text(); }

    std::unique_ptr<Form1> form_;
    static constexpr std::size_t kUp = 0, kDown = 1, kLeft = 2, kRight = 3, kFire = 4, kBomb = 5,
                                 kMenu = 7, kQuickLoad = 9;
};

// In English the buttons name keys by their labels; the file is the same.
TEST_F(KeysSection, InEnglishAKeyIsNamedByItsLabel) {
    NameKeysIn(settings::KeyLanguage::English);
    Button(kUp)->SetKey(Qt::Key_Up);
    Button(kBomb)->SetKey(Qt::Key_Space);
    const QString up = Button(kUp)->text(), bomb = Button(kBomb)->text();
    NameKeysIn(settings::KeyLanguage::Czech);
    EXPECT_EQ(up, QStringLiteral("Up arrow"));
    EXPECT_EQ(bomb, QStringLiteral("Space"));
}

TEST_F(KeysSection, ShowsEveryCommandWithItsDefaultKey) {
    const char* const captions[] = {"Nahoru", "Dolů",  "Vlevo", "Vpravo",         "Střelba",
                                    "Bomba",  "Pauza", "Menu",  "Rychlé uložení", "Rychlé nahrání"};
    const char* const keys[] = {"Šipka nahoru", "Šipka dolů", "Šipka vlevo", "Šipka vpravo", "Ctrl",
                                "Mezerník",     "Pause",      "Esc",         "F5",           "F7"};
    EXPECT_EQ(form_->Label6->text(), QStringLiteral("Klávesy"));
    for (std::size_t i = 0; i < 10; ++i) {
        EXPECT_EQ(form_->KeyLabels[i]->text(), QString::fromUtf8(captions[i]));
        EXPECT_EQ(Button(i)->text(), QString::fromUtf8(keys[i]));
        // One row each, the key beside its caption, the text inside the button.
        EXPECT_EQ(Button(i)->y() - form_->KeyLabels[i]->y(), -1);
        if (i > 0) {
            EXPECT_EQ(Button(i)->y() - Button(i - 1)->y(), 20);
        }
        EXPECT_LE(Button(i)->fontMetrics().horizontalAdvance(Button(i)->text()),
                  Button(i)->width());
    }
    EXPECT_EQ(form_->Command2->text(), QStringLiteral("Výchozí"));
    EXPECT_TRUE(Note().isEmpty());
}

TEST_F(KeysSection, AClickAndAKeyChooseItAndTheFileGetsItsPortableName) {
    Choose(kUp, Qt::Key_W);
    Choose(kLeft, Qt::Key_A);
    Choose(kDown, Qt::Key_S);
    Choose(kRight, Qt::Key_D);
    EXPECT_EQ(Button(kUp)->text(), QStringLiteral("W"));
    EXPECT_FALSE(Button(kUp)->Waiting());
    // Tab, Esc and a lone modifier are keys like any other while waiting.
    Choose(kMenu, Qt::Key_Tab);
    EXPECT_EQ(Button(kMenu)->text(), QStringLiteral("Tab"));
    QTest::mouseClick(Button(kFire), Qt::LeftButton);
    QTest::keyPress(Button(kFire), Qt::Key_Shift);
    EXPECT_TRUE(Button(kFire)->Waiting());  // maybe Shift+something yet
    QTest::keyRelease(Button(kFire), Qt::Key_Shift);
    EXPECT_EQ(Button(kFire)->text(), QStringLiteral("Shift"));
    Choose(kQuickLoad, Qt::Key_Escape);  // Esc is free now
    EXPECT_EQ(Button(kQuickLoad)->text(), QStringLiteral("Esc"));

    QTest::mouseClick(form_->Command1, Qt::LeftButton);
    EXPECT_EQ(
        ReadIni(),
        "Zvuky=Ano\r\nHlasitost=100\r\nTick=0\r\nZvetseni=auto\r\nCelaObrazovka=Ne\r\n"
        "PauzaPriPrepnuti=Ano\r\nPomocNaRozich=Ano\r\nKlavesa.Nahoru=W\r\nKlavesa.Dolu="
        "S\r\nKlavesa.Vlevo=A\r\n"
        "Klavesa.Vpravo=D\r\nKlavesa.Strelba=Shift\r\nKlavesa.Bomba=Space\r\n"
        "Klavesa.Pauza=Pause\r\nKlavesa.Menu=Tab\r\nKlavesa.Ulozit=F5\r\nKlavesa.Nahrat=Esc\r\n"
        "Hudba=70\r\nJazyk=cs\r\n");
}

TEST_F(KeysSection, TakenAndReservedKeysAreRefusedWithANoteAndTheButtonWaitsOn) {
    QTest::mouseClick(Button(kFire), Qt::LeftButton);
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers mods;
        const char* note;
    } refused[] = {
        {Qt::Key_Space, Qt::NoModifier, "Klávesu Mezerník už má příkaz Bomba."},
        {Qt::Key_Up, Qt::NoModifier, "Klávesu Šipka nahoru už má příkaz Nahoru."},
        {Qt::Key_F1, Qt::NoModifier, "F1 nelze zvolit, ve hře otevírá nápovědu."},
        {Qt::Key_F11, Qt::NoModifier, "F11 nelze zvolit, přepíná celou obrazovku."},
        {Qt::Key_Return, Qt::AltModifier, "Alt+Enter nelze zvolit, přepíná celou obrazovku."},
        {Qt::Key_Comma, Qt::NoModifier, "Tuto klávesu hra nezná, zvolte jinou."},
    };
    for (const auto& r : refused) {
        if (r.mods & Qt::AltModifier) QTest::keyPress(Button(kFire), Qt::Key_Alt);
        QTest::keyClick(Button(kFire), r.key, r.mods);
        if (r.mods & Qt::AltModifier) QTest::keyRelease(Button(kFire), Qt::Key_Alt);
        EXPECT_EQ(Note(), QString::fromUtf8(r.note));
        EXPECT_TRUE(Button(kFire)->Waiting()) << r.note;
    }
    QTest::keyClick(Button(kFire), Qt::Key_J);
    EXPECT_EQ(Button(kFire)->Key(), Qt::Key_J);
    EXPECT_TRUE(Note().isEmpty());

    // The keypad's Enter is the same key to the game as Return.
    Choose(kBomb, Qt::Key_Return);
    Choose(kMenu, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(Note(), QStringLiteral("Klávesu Enter už má příkaz Bomba."));
    EXPECT_EQ(Button(kMenu)->Key(), Qt::Key_Escape);
}

TEST_F(KeysSection, LeavingAWaitingButtonKeepsItsKey) {
    QTest::mouseClick(Button(kFire), Qt::LeftButton);
    EXPECT_TRUE(Button(kFire)->Waiting());
    QTest::mouseClick(Button(kBomb), Qt::LeftButton);
    EXPECT_FALSE(Button(kFire)->Waiting());
    EXPECT_EQ(Button(kFire)->text(), QStringLiteral("Ctrl"));
    EXPECT_TRUE(Button(kBomb)->Waiting());
}

TEST_F(KeysSection, TheKeyboardAloneChoosesAKey) {
    Button(kLeft)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(Button(kLeft), Qt::Key_Space);  // as a click
    ASSERT_TRUE(Button(kLeft)->Waiting());
    QTest::keyClick(Button(kLeft), Qt::Key_H);
    EXPECT_EQ(Button(kLeft)->Key(), Qt::Key_H);
    // Enter starts waiting too; its own release is no choice.
    QTest::keyClick(Button(kLeft), Qt::Key_Return);
    EXPECT_TRUE(Button(kLeft)->Waiting());
    QTest::keyClick(Button(kLeft), Qt::Key_7);
    EXPECT_EQ(Button(kLeft)->Key(), Qt::Key_7);
    EXPECT_TRUE(form_->isVisible());  // Enter never reached "Uložit a skončit"
}

TEST_F(KeysSection, DefaultsComeBackWithVychozi) {
    Choose(kUp, Qt::Key_W);
    Choose(kFire, Qt::Key_J);
    QTest::mouseClick(Button(kBomb), Qt::LeftButton);
    QTest::keyClick(Button(kBomb), Qt::Key_F1);  // a note to clear
    QTest::mouseClick(form_->Command2, Qt::LeftButton);
    EXPECT_EQ(Button(kUp)->text(), QStringLiteral("Šipka nahoru"));
    EXPECT_EQ(Button(kFire)->text(), QStringLiteral("Ctrl"));
    EXPECT_FALSE(Button(kBomb)->Waiting());
    EXPECT_TRUE(Note().isEmpty());
    QTest::mouseClick(form_->Command1, Qt::LeftButton);
    EXPECT_EQ(ReadIni(), "Zvuky=Ano\r\nHlasitost=100\r\nTick=0\r\n" + kDefaultView);
}

TEST_F(Form1Test, ShowsTheFilesKeysAndKeepsItsUnknownKeyLines) {
    WriteIni(
        "Zvuky=Ano\nHlasitost=80\nTick=50\nKlavesa.Nahoru=w\nKlavesa.Skok=K\n"
        "Klavesa.Strelba=F11\nKlavesa.Pauza=P\nKlavesa.Menu=P\n");
    auto form = Open();
    EXPECT_EQ(form->KeyButtons[0]->text(), QStringLiteral("W"));
    EXPECT_EQ(form->KeyButtons[4]->text(), QStringLiteral("Ctrl"));
    EXPECT_EQ(form->KeyButtons[6]->text(), QStringLiteral("Pause"));  // shared: defaults
    EXPECT_EQ(form->KeyButtons[7]->text(), QStringLiteral("Esc"));
    QTest::mouseClick(form->Command1, Qt::LeftButton);
    QByteArray keys = kDefaultKeys;
    keys.replace("Nahoru=Up", "Nahoru=W");
    EXPECT_EQ(ReadIni(),
              "Zvuky=Ano\r\nHlasitost=80\r\nTick=50\r\nZvetseni=auto\r\n"
              "CelaObrazovka=Ne\r\nPauzaPriPrepnuti=Ano\r\nPomocNaRozich=Ano\r\n" +
                  keys + "Klavesa.Skok=K\r\n");
}

TEST(ToolScale, TheGamesWholeScaleAsFarAsTheFreeAreaHoldsTheTool) {
    constexpr int kAuto = 0, kFill = settings::kScaleFill;
    constexpr platform::PixelSize kFrame{2, 32};
    struct Case {
        const char* what;
        int chosen;
        bool fullScreen;
        platform::PixelSize screen, available;
        int scale;
    };
    const Case cases[] = {
        {"2560 x 1440, game at 2x", kAuto, false, {2560, 1440}, {2560, 1440}, 2},
        // The tool is 614 high: at 2x it would not fit 1080 rows with a frame.
        {"full HD, game at 2x", kAuto, false, {1920, 1080}, {1920, 1080}, 1},
        {"full HD below a panel", kAuto, false, {1920, 1080}, {1920, 1040}, 1},
        {"4x chosen, 3x fits", 4, false, {3840, 2160}, {3840, 2120}, 3},
        {"4K full screen", kAuto, true, {3840, 2160}, {3840, 2120}, 3},
        {"2x chosen on a 4K screen", 2, false, {3840, 2160}, {3840, 2120}, 2},
        {"handheld filling", kAuto, true, {1280, 800}, {1280, 760}, 1},
        {"filling counts its whole part", kFill, false, {1600, 2400}, {1600, 2400}, 2},
        {"nothing fits", 3, false, {640, 480}, {640, 440}, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ToolScale(c.chosen, c.fullScreen, c.screen, c.available, kFrame), c.scale)
            << c.what;
}

TEST_F(Form1Test, AtAScaleEveryPlaceAndTheFontGrowAndTheWindowOpensCentred) {
    const Form1 small(IniPath(), IniPath());
    Form1 form(IniPath(), IniPath(), 2);
    EXPECT_EQ(form.Scale(), 2);
    EXPECT_EQ(form.size(), QSize(838, 1228));
    EXPECT_EQ(form.font().pixelSize(), 2 * small.font().pixelSize());
    const std::vector<std::pair<QWidget*, QWidget*>> pairs = {
        {form.Check1, small.Check1},
        {form.Combo1, small.Combo1},
        {form.Frame2, small.Frame2},
        {form.KeyButtons[9], small.KeyButtons[9]},
        {form.Label7, small.Label7}};
    for (const auto& [big, little] : pairs) {
        const QRect g = little->geometry();
        EXPECT_EQ(big->geometry(), QRect(2 * g.x(), 2 * g.y(), 2 * g.width(), 2 * g.height()))
            << big->objectName().toStdString();
    }
    form.show();
    ASSERT_NE(form.screen(), nullptr);
    const QRect area = form.screen()->availableGeometry();
    EXPECT_EQ(form.pos(), area.topLeft() + QPoint((area.width() - form.width()) / 2,
                                                  (area.height() - form.height()) / 2));
    // Moved by the player, it stays where it was put when shown again.
    form.hide();
    form.move(area.topLeft() + QPoint(5, 7));
    form.show();
    EXPECT_EQ(form.pos(), area.topLeft() + QPoint(5, 7));
}

}  // namespace
}  // namespace setup
