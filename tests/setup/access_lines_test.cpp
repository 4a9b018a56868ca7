// The lines for every player (Blikani, VelkePismo, StrelbaPrepinac,
// MrtvaZona, Predcitani): each one as a file holds it, what the game starts
// with, what the settings tool shows, and what the tool writes back.
#include <gtest/gtest.h>
#include <QCheckBox>
#include <QFile>
#include <QTemporaryDir>

#include "game/core/settings.h"
#include "setup/form1.h"
#include "setup/hscrollbar.h"
#include "setup/setup_ini_file.h"

namespace {

enum class Line { kFlashing, kLargeText, kFireToggles, kDeadZone, kSpeech };

// The setting as the game starts with it (a switch as 0 or 1).
int GameValue(const game::AccessSettings& access, Line line) {
    switch (line) {
        case Line::kFlashing:
            return access.flashing;
        case Line::kLargeText:
            return access.largeText;
        case Line::kFireToggles:
            return access.fireToggles;
        case Line::kDeadZone:
            return access.deadZone;
        case Line::kSpeech:
            return access.speech;
    }
    return -1;
}

// The same as the tool's control shows it.
int ToolValue(const setup::Form1& tool, Line line) {
    switch (line) {
        case Line::kFlashing:
            return tool.Check5->isChecked();
        case Line::kLargeText:
            return tool.Check6->isChecked();
        case Line::kFireToggles:
            return tool.Check7->isChecked();
        case Line::kDeadZone:
            return tool.HScroll4->value();
        case Line::kSpeech:
            return tool.Check8->isChecked();
    }
    return -1;
}

TEST(AccessLines, EachRoundTripsThroughTheFileAndTheToolAndFallsBackToTodaysGame) {
    const struct {
        Line line;
        const char* inFile;   // after the three old lines; empty: no line at all
        int value;            // what the game and the tool take from it
        const char* written;  // what the tool writes back, empty for nothing
    } cases[] = {
        // No line is today's game, and today's game writes no line.
        {Line::kFlashing, "", 1, ""},
        {Line::kLargeText, "", 0, ""},
        {Line::kFireToggles, "", 0, ""},
        {Line::kDeadZone, "", 35, ""},
        {Line::kSpeech, "", 0, ""},
        // Every other value, in any case and with blanks, and back.
        {Line::kFlashing, " blikani =\tNE ", 0, "Blikani=Ne"},
        {Line::kLargeText, "VelkePismo=ano", 1, "VelkePismo=Ano"},
        {Line::kFireToggles, "StrelbaPrepinac=Ano", 1, "StrelbaPrepinac=Ano"},
        {Line::kSpeech, "PREDCITANI=Ano", 1, "Predcitani=Ano"},
        {Line::kDeadZone, "MrtvaZona=5", 5, "MrtvaZona=5"},
        {Line::kDeadZone, "MrtvaZona=60", 60, "MrtvaZona=60"},
        {Line::kDeadZone, "mrtvazona = 22.5 ", 22, "MrtvaZona=22"},
        // The default written out by hand reads as the default.
        {Line::kFlashing, "Blikani=Ano", 1, ""},
        {Line::kDeadZone, "MrtvaZona=35", 35, ""},
        // A value that does not read is today's game; a number beyond the
        // stick's range is held to its ends.
        {Line::kFlashing, "Blikani=Vypnuto", 1, ""},
        {Line::kLargeText, "VelkePismo=1", 0, ""},
        {Line::kFireToggles, "StrelbaPrepinac=", 0, ""},
        {Line::kSpeech, "Predcitani=Ano\nPredcitani=Jo", 0, ""},
        {Line::kDeadZone, "MrtvaZona=pět", 35, ""},
        {Line::kDeadZone, "MrtvaZona=35 %", 35, ""},
        {Line::kDeadZone, "MrtvaZona=2", 5, "MrtvaZona=5"},
        {Line::kDeadZone, "MrtvaZona=-40", 5, "MrtvaZona=5"},
        {Line::kDeadZone, "MrtvaZona=100", 60, "MrtvaZona=60"},
        // The last line of a name counts, also when it reads no value.
        {Line::kDeadZone, "MrtvaZona=50\nMrtvaZona=x", 35, ""},
        {Line::kLargeText, "VelkePismo=Ne\nVelkePismo=Ano", 1, "VelkePismo=Ano"},
    };
    const std::string kOld = "Zvuky=Ano\r\nHlasitost=100\r\nTick=0\r\n";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.inFile);
        QTemporaryDir dir;
        const QString path = setup::SetupIniPath(dir.path());
        {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write((kOld + c.inFile + "\r\n").c_str());
        }
        EXPECT_EQ(GameValue(game::ReadSettings(path.toStdString()).access, c.line), c.value);

        setup::Form1 tool(dir.path());
        EXPECT_EQ(ToolValue(tool, c.line), c.value);
        tool.Command1_Click();
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const std::string saved = file.readAll().toStdString();
        // The new lines stand after the language's, the last the tool knew.
        const std::string expected =
            std::string("Jazyk=cs\r\n") + c.written + (*c.written ? "\r\n" : "");
        EXPECT_EQ(saved.substr(saved.find("Jazyk=")), expected);
        // Read again, the game starts as it did from the hand-written file.
        EXPECT_EQ(GameValue(game::ReadSettings(path.toStdString()).access, c.line), c.value);
    }
}

}  // namespace
