// The reading rules of setup.ini and the writing of it, without a window.
#include <cmath>

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "setup/number_text.h"
#include "setup/setup_ini.h"

namespace setup {
namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

void WriteRaw(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

TEST(NumberText, LeadingNumberReadsTheNumberAtTheFront) {
    EXPECT_EQ(LeadingNumber("80"), 80.0);
    EXPECT_EQ(LeadingNumber("  -5"), -5.0);
    EXPECT_EQ(LeadingNumber("+7"), 7.0);
    EXPECT_EQ(LeadingNumber("2.5abc"), 2.5);
    EXPECT_EQ(LeadingNumber(".5"), 0.5);
    EXPECT_EQ(LeadingNumber("1.2.3"), 1.2);
    EXPECT_EQ(LeadingNumber("1e3"), 1.0);  // no exponents: only the digits count
    EXPECT_EQ(LeadingNumber("1,5"), 1.0);  // the decimal point is ".", whatever the locale
    EXPECT_EQ(LeadingNumber("abc"), 0.0);
    EXPECT_EQ(LeadingNumber(""), 0.0);
    EXPECT_EQ(LeadingNumber("-"), 0.0);
    EXPECT_EQ(LeadingNumber("."), 0.0);
}

TEST(NumberText, NumbersTooLongForADoubleStayOnTheirSide) {
    const std::string huge(400, '9');
    EXPECT_TRUE(std::isinf(LeadingNumber(huge)));
    EXPECT_GT(LeadingNumber(huge), 0.0);
    EXPECT_LT(LeadingNumber("-" + huge), 0.0);
    const std::string tiny = "0." + std::string(400, '0') + "1";
    EXPECT_EQ(LeadingNumber(tiny), 0.0);
}

TEST(NumberText, IsNumberWantsTheWholeTextToBeOneNumber) {
    for (const char* text : {"0", " 12 ", "-3.5", "+4", "5.", ".5", "\t7\t"}) {
        EXPECT_TRUE(IsNumber(text)) << text;
    }
    for (const char* text : {"", " ", ".", "-", "abc", "12abc", "1 2", "1e3", "1,5", "--1"}) {
        EXPECT_FALSE(IsNumber(text)) << text;
    }
}

TEST(NumberText, RoundsHalvesToEven) {
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(2.4), 2);
    EXPECT_EQ(RoundHalfEven(2.6), 3);
    EXPECT_EQ(RoundHalfEven(-0.5), 0);
}

TEST(SetupLines, SoundIsOnWhenTheLineContainsAnoInAnyCase) {
    for (const char* line : {"Zvuky=Ano", "zvuky=ano", "ZVUKY=ANO", "xaNoy", "ano"}) {
        EXPECT_TRUE(SoundFromLine(line)) << line;
    }
    for (const char* line : {"Zvuky=Ne", "", "AN", "A N O", "Zvuky=An"}) {
        EXPECT_FALSE(SoundFromLine(line)) << line;
    }
}

TEST(SetupLines, VolumeIsClampedToTheBarAndDefaultsToFull) {
    EXPECT_EQ(VolumeFromLine("Hlasitost=80"), 80);
    EXPECT_EQ(VolumeFromLine("Hlasitost=150"), 100);
    EXPECT_EQ(VolumeFromLine("Hlasitost=-5"), 0);
    EXPECT_EQ(VolumeFromLine("Hlasitost=abc"), 100);
    EXPECT_EQ(VolumeFromLine("Hlasitost=5abc"), 100);
    EXPECT_EQ(VolumeFromLine("Hlasitost="), 100);
    EXPECT_EQ(VolumeFromLine("Hlasitost"), 100);  // too short for a value
    EXPECT_EQ(VolumeFromLine(""), 100);
    EXPECT_EQ(VolumeFromLine("Hlasitost= 42 "), 42);
    EXPECT_EQ(VolumeFromLine("Hlasitost=50.5"), 50);
    EXPECT_EQ(VolumeFromLine("Hlasitost=99.5"), 100);
    EXPECT_EQ(VolumeFromLine("Hlasitost=100.4"), 100);
    EXPECT_EQ(VolumeFromLine("Hlasitost=-0.4"), 0);
    // Only the position counts, not the key.
    EXPECT_EQ(VolumeFromLine("Loudness: 55"), 55);
    EXPECT_EQ(VolumeFromLine("Hlasitost:80"), 80);
    EXPECT_EQ(VolumeFromLine("Volume=80"), 100);  // nothing after the 10th character
}

TEST(SetupLines, TickIsClampedToTheBarAndDefaultsToZero) {
    EXPECT_EQ(TickFromLine("Tick=50"), 50);
    EXPECT_EQ(TickFromLine("Tick=25000"), 20000);
    EXPECT_EQ(TickFromLine("Tick=-1"), 0);
    EXPECT_EQ(TickFromLine("Tick=x"), 0);
    EXPECT_EQ(TickFromLine("Tick=12x"), 0);
    EXPECT_EQ(TickFromLine("Tick=1e9"), 0);
    EXPECT_EQ(TickFromLine("Tick="), 0);
    EXPECT_EQ(TickFromLine("Tick"), 0);
    EXPECT_EQ(TickFromLine("Tick=2.5"), 2);
    EXPECT_EQ(TickFromLine("Tick=3.5"), 4);
    EXPECT_EQ(TickFromLine("Tick=19999.5"), 20000);
    EXPECT_EQ(TickFromLine("Tick=20000.4"), 20000);
    EXPECT_EQ(TickFromLine("Tick=" + std::string(400, '9')), 20000);
    EXPECT_EQ(TickFromLine("TICK:123"), 123);
}

class SetupIniFile : public testing::Test {
  protected:
    QString Path() const { return SetupIniPath(dir_.path()); }
    QTemporaryDir dir_;
};

TEST_F(SetupIniFile, MissingOrUnreadableFileGivesNothing) {
    EXPECT_FALSE(ReadSetupIni(Path()).has_value());
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("setup.ini")));
    EXPECT_FALSE(ReadSetupIni(Path()).has_value());
}

TEST_F(SetupIniFile, MissingLinesCountAsEmptyText) {
    WriteRaw(Path(), "");
    EXPECT_EQ(ReadSetupIni(Path()), (SetupValues{false, 100, 0}));
    WriteRaw(Path(), "Zvuky=Ano\r\n");
    EXPECT_EQ(ReadSetupIni(Path()), (SetupValues{true, 100, 0}));
    WriteRaw(Path(), "Zvuky=Ano\r\nHlasitost=30");
    EXPECT_EQ(ReadSetupIni(Path()), (SetupValues{true, 30, 0}));
}

TEST_F(SetupIniFile, AnyLineEndEndsALine) {
    for (const QByteArray end : {"\r\n", "\n", "\r"}) {
        WriteRaw(Path(), "Zvuky=Ne" + end + "Hlasitost=7" + end + "Tick=9" + end);
        EXPECT_EQ(ReadSetupIni(Path()), (SetupValues{false, 7, 9})) << end.toHex().constData();
    }
    // Lines after the third are no business of the tool.
    WriteRaw(Path(), "Zvuky=Ano\r\nHlasitost=1\r\nTick=2\r\nTick=3\r\n");
    EXPECT_EQ(ReadSetupIni(Path()), (SetupValues{true, 1, 2}));
}

TEST_F(SetupIniFile, WritesTheThreeLinesWithCrLf) {
    ASSERT_TRUE(WriteSetupIni(Path(), {true, 80, 50}, nullptr));
    EXPECT_EQ(ReadAll(Path()), QByteArray("Zvuky=Ano\r\nHlasitost=80\r\nTick=50\r\n"));
    ASSERT_TRUE(WriteSetupIni(Path(), {false, 0, 20000}, nullptr));
    EXPECT_EQ(ReadAll(Path()), QByteArray("Zvuky=Ne\r\nHlasitost=0\r\nTick=20000\r\n"));
}

TEST_F(SetupIniFile, WritingReplacesTheOldFileWhole) {
    WriteRaw(Path(), QByteArray(5000, 'x'));
    ASSERT_TRUE(WriteSetupIni(Path(), {true, 100, 0}, nullptr));
    EXPECT_EQ(ReadAll(Path()), QByteArray("Zvuky=Ano\r\nHlasitost=100\r\nTick=0\r\n"));
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("setup.ini")});
}

TEST_F(SetupIniFile, WhatIsWrittenReadsBackTheSame) {
    for (const SetupValues values :
         {SetupValues{true, 0, 0}, SetupValues{false, 100, 20000}, SetupValues{false, 37, 1234}}) {
        ASSERT_TRUE(WriteSetupIni(Path(), values, nullptr));
        EXPECT_EQ(ReadSetupIni(Path()), values);
    }
}

TEST_F(SetupIniFile, AFailedWriteSaysWhyAndLeavesNothingBehind) {
    // A folder in the way of the file: the new file cannot take its place.
    QDir folder(dir_.path());
    ASSERT_TRUE(folder.mkdir(QStringLiteral("setup.ini")));
    QString error;
    EXPECT_FALSE(WriteSetupIni(Path(), {true, 1, 2}, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(QFileInfo(Path()).isDir());
    EXPECT_EQ(folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("setup.ini")});

    // A folder that is gone.
    error.clear();
    EXPECT_FALSE(WriteSetupIni(SetupIniPath(dir_.filePath(QStringLiteral("gone"))), {}, &error));
    EXPECT_FALSE(error.isEmpty());
}

}  // namespace
}  // namespace setup
