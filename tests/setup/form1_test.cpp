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
#include <QTemporaryDir>
#include <QTest>

#include "setup/form1.h"
#include "setup/hscrollbar.h"
#include "setup/setup_ini.h"

namespace setup {
namespace {

// The new lines as the tool writes them for an untouched second frame.
const QByteArray kDefaultView = "Zvetseni=auto\r\nCelaObrazovka=Ne\r\nPauzaPriPrepnuti=Ano\r\n";

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
    // downward for the second frame.
    EXPECT_EQ(form->size(), QSize(209, 212));
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

    EXPECT_EQ(form->Frame2->geometry(), QRect(0, 122, 209, 89));
    const std::vector<QWidget*> newControls = {form->Label5, form->Combo1, form->Check2,
                                               form->Check3};
    for (QWidget* control : newControls) {
        EXPECT_EQ(control->parentWidget(), form->Frame2);
        EXPECT_TRUE(form->Frame2->rect().contains(control->geometry())) << control;
    }
    EXPECT_EQ(form->Label5->text(), QStringLiteral("Zvětšení"));
    EXPECT_EQ(form->Check2->text(), QStringLiteral("Celá obrazovka"));
    EXPECT_EQ(form->Check3->text(), QStringLiteral("Pauza při přepnutí okna"));
    ASSERT_EQ(form->Combo1->count(), 5);
    EXPECT_EQ(form->Combo1->itemText(0), QStringLiteral("automaticky"));
    EXPECT_EQ(form->Combo1->itemText(2), QStringLiteral("2×"));
    EXPECT_EQ(form->Combo1->itemText(4), QStringLiteral("4×"));

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
        "PauzaPriPrepnuti=Ne\nbudoucí nastavení\n");
    auto form = Open();
    EXPECT_EQ(form->Combo1->currentIndex(), 3);
    EXPECT_EQ(form->Combo1->currentText(), QStringLiteral("3×"));
    EXPECT_TRUE(form->Check2->isChecked());
    EXPECT_FALSE(form->Check3->isChecked());

    // Chosen with the keyboard and the mouse as a player would.
    form->Combo1->setFocus();
    QTest::keyClick(form->Combo1, Qt::Key_Down);
    QTest::mouseClick(form->Check2, Qt::LeftButton);
    QTest::mouseClick(form->Check3, Qt::LeftButton);
    QTest::mouseClick(form->Command1, Qt::LeftButton);
    EXPECT_EQ(ReadIni(), QByteArray("Zvuky=Ano\r\nHlasitost=80\r\nTick=50\r\nZvetseni=4\r\n"
                                    "CelaObrazovka=Ne\r\nPauzaPriPrepnuti=Ano\r\nKlavesy=W\r\n"
                                    "budoucí nastavení\r\n"));
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
    EXPECT_EQ(form->HScroll2->value(), 35);

    QTest::mouseClick(form->Command1, Qt::LeftButton);
    EXPECT_EQ(ReadIni(), "Zvuky=Ne\r\nHlasitost=35\r\nTick=7\r\n" + kDefaultView);
}

TEST_F(Form1Test, CheckingAgainEnablesTheVolume) {
    WriteIni("Zvuky=Ne\r\nHlasitost=35\r\nTick=7\r\n");
    auto form = Open();
    QTest::mouseClick(form->Check1, Qt::LeftButton);
    EXPECT_TRUE(form->HScroll2->isEnabled());
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

}  // namespace
}  // namespace setup
