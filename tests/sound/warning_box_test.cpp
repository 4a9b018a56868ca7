// The warning box of an error when the caller asked for boxes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "sound_fixture.h"

namespace tembra_test {
namespace {

struct Box {
    std::string title, text;
};

// Closes every message box that comes up and remembers what it said.
class BoxCloser {
  public:
    BoxCloser() {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            boxes.push_back({box->windowTitle().toStdString(), box->text().toStdString()});
            box->accept();
        });
        timer_.start(5);
    }
    std::vector<Box> boxes;

  private:
    QTimer timer_;
};

const std::string kTitle = "\"Vossel\"\u2122 - Sound System";
const std::string kIntro = "Systém ohlásil následující chybovou informaci: \r\n";

using WarningBoxes = SoundTest;

TEST_F(WarningBoxes, AnErrorShowsTheBoxWithAClearErrorLineAndNotesShowNone) {
    BoxCloser closer;
    sound->DsInit_PRE();
    sound->DsInit(0, 0, kTrue, 0);  // the switch is set before the refusal
    sound->DsInit(0, 0, kTrue, 4);  // notes only
    ASSERT_EQ(closer.boxes.size(), 1u);
    EXPECT_EQ(closer.boxes[0].title, kTitle);
    EXPECT_EQ(closer.boxes[0].text,
              kIntro +
                  "Err ID: 0, detail: , dll_error: 0, generator: \r\n"
                  "...Snd_IntErr: invalid channel count, valid range 1 - 1024.");
}

TEST_F(WarningBoxes, AFailedLoadShowsThePlatformFailureOnlyInItsOwnBox) {
    BoxCloser closer;
    sound->DsInit_PRE();
    sound->DsInit(0, 0, kTrue, 4);
    const std::string missing = folder.File("missing.wav");
    sound->IndexLoad(missing, kFalse, kTrue);
    sound->IndexStop(9);
    ASSERT_EQ(closer.boxes.size(), 2u);
    const std::string& text = closer.boxes[0].text;
    EXPECT_EQ(text.rfind(kIntro + "Err ID: -2147024894, detail: " + missing, 0), 0u) << text;
    EXPECT_NE(text.find(", dll_error: 2, generator: libsndfile\r\n"
                        "...Snd_Err: file not loaded, probably missing or invalid <" +
                        missing + ">."),
              std::string::npos)
        << text;
    EXPECT_EQ(closer.boxes[1].text, kIntro +
                                        "Err ID: 0, detail: , dll_error: 0, generator: \r\n"
                                        "...Snd_Err: invalid index [ 9 ]");
}

TEST_F(WarningBoxes, WithoutTheSwitchErrorsReachOnlyTheConsole) {
    BoxCloser closer;
    Open(4);
    sound->IndexStop(9);
    EXPECT_TRUE(closer.boxes.empty());
    EXPECT_EQ(sound->Console(), "...Snd_Err: invalid index [ 9 ]");
}

}  // namespace
}  // namespace tembra_test
