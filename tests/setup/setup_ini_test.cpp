// The reading rules of setup.ini and the writing of it, without a window.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "game/platform/durable_file.h"
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

// The values of the three old lines, everything else at its default.
SetupValues Old(bool soundOn, int volume, int tick) {
    SetupValues values;
    values.soundOn = soundOn;
    values.volume = volume;
    values.tick = tick;
    return values;
}

// The key lines for the default keys, as the tool writes them.
const QByteArray kDefaultKeyLines =
    "Klavesa.Nahoru=Up\r\nKlavesa.Dolu=Down\r\nKlavesa.Vlevo=Left\r\nKlavesa.Vpravo=Right\r\n"
    "Klavesa.Strelba=Control\r\nKlavesa.Bomba=Space\r\nKlavesa.Pauza=Pause\r\n"
    "Klavesa.Menu=Esc\r\nKlavesa.Ulozit=F5\r\nKlavesa.Nahrat=F7\r\n";

// The bytes of the lines after the old three as the tool writes them, with
// the default keys.
QByteArray NewLines(const char* scale, const char* fullScreen, const char* pause) {
    return QByteArray("Zvetseni=") + scale + "\r\nCelaObrazovka=" + fullScreen +
           "\r\nPauzaPriPrepnuti=" + pause + "\r\n" + kDefaultKeyLines;
}

// Default keys but for the given commands' (indices into KeyCommands()).
KeyChoice KeysWith(std::initializer_list<std::pair<std::size_t, int>> chosen) {
    KeyChoice keys = DefaultKeys();
    for (auto [command, key] : chosen)
        keys[command] = key;
    return keys;
}
constexpr std::size_t kUp = 0, kDown = 1, kLeft = 2, kRight = 3, kFire = 4, kBomb = 5, kPause = 6,
                      kMenu = 7, kQuickSave = 8, kQuickLoad = 9;

TEST(SetupText, TheThreeOldLinesAloneGiveTheDefaultsOfTheRest) {
    const SetupValues values = ParseSetupIni("Zvuky=Ne\r\nHlasitost=20\r\nTick=3\r\n");
    EXPECT_EQ(values, Old(false, 20, 3));
    EXPECT_EQ(values.scale, 0);
    EXPECT_FALSE(values.fullScreen);
    EXPECT_TRUE(values.pauseOnFocusLoss);
    EXPECT_TRUE(values.otherLines.empty());
}

TEST(SetupText, ReadsTheNewLinesInAnyCaseAndWithBlanksAround) {
    SetupValues values = ParseSetupIni(
        "Zvuky=Ano\nHlasitost=1\nTick=2\nZvetseni=3\nCelaObrazovka=Ano\n"
        "PauzaPriPrepnuti=Ne\n");
    EXPECT_EQ(values.scale, 3);
    EXPECT_TRUE(values.fullScreen);
    EXPECT_FALSE(values.pauseOnFocusLoss);

    values = ParseSetupIni(
        "Zvuky=Ano\nHlasitost=1\nTick=2\n  zvetseni\t= AUTO \nCELAOBRAZOVKA=ano\n"
        "pauzapriprepnuti =\tNE\t\n");
    EXPECT_EQ(values.scale, 0);
    EXPECT_TRUE(values.fullScreen);
    EXPECT_FALSE(values.pauseOnFocusLoss);
    EXPECT_TRUE(values.otherLines.empty());
    for (int scale = 1; scale <= kScaleMax; ++scale) {
        const std::string text = "\n\n\nZvetseni=" + std::to_string(scale);
        EXPECT_EQ(ParseSetupIni(text).scale, scale);
    }
}

TEST(SetupText, AValueThatDoesNotReadGivesTheDefaultAndTheLastLineCounts) {
    for (const char* scale : {"0", "5", "2x", "2.0", "02", "", "-1", "dva"}) {
        const std::string text = std::string("\n\n\nZvetseni=2\nZvetseni=") + scale;
        EXPECT_EQ(ParseSetupIni(text).scale, 0) << scale;
    }
    for (const char* yesNo : {"Yes", "1", "", "A no"}) {
        const std::string text = std::string("\n\n\nCelaObrazovka=Ano\nPauzaPriPrepnuti=Ne\n") +
                                 "CelaObrazovka=" + yesNo + "\nPauzaPriPrepnuti=" + yesNo;
        EXPECT_FALSE(ParseSetupIni(text).fullScreen) << yesNo;
        EXPECT_TRUE(ParseSetupIni(text).pauseOnFocusLoss) << yesNo;
    }
    EXPECT_EQ(ParseSetupIni("\n\n\nZvetseni=2\nZvetseni=4\n").scale, 4);
}

TEST(SetupText, TheOldLinesStayReadByPosition) {
    // New names in the first three lines are the old values' lines.
    const SetupValues values = ParseSetupIni("Zvetseni=2\nCelaObrazovka=Ano\nTick=5\n");
    EXPECT_EQ(values, Old(false, 100, 5));
    EXPECT_EQ(ParseSetupIni("Zvuky=Ano\nZvetseni=2\n"), Old(true, 100, 0));
}

TEST(SetupText, UnknownLinesAreKeptInTheirOrderAndBlankOnesDropped) {
    const SetupValues values = ParseSetupIni(
        "Zvuky=Ano\r\nHlasitost=1\r\nTick=2\r\nKlavesy=W\r\n\r\n   \r\nZvetseni=2\r\n"
        "poznámka bez rovnítka\r\nZvetseni2=3\r\n=4\r\nKlavesy=S");
    EXPECT_EQ(values.scale, 2);
    EXPECT_EQ(values.otherLines, (std::vector<std::string>{"Klavesy=W", "poznámka bez rovnítka",
                                                           "Zvetseni2=3", "=4", "Klavesy=S"}));
}

TEST(SetupKeys, ReadsEveryCommandsKeyByItsPortableNameInAnyCase) {
    const SetupValues values = ParseSetupIni(
        "Zvuky=Ano\nHlasitost=1\nTick=2\nKlavesa.Nahoru=W\nklavesa.dolu = s \n"
        "KLAVESA.VLEVO=a\nKlavesa.Vpravo=D\nKlavesa.Strelba=Shift\nKlavesa.Bomba=Return\n"
        "Klavesa.Pauza=p\nKlavesa.Menu=backspace\nKlavesa.Ulozit=F6\nKlavesa.Nahrat=PgDown\n");
    EXPECT_EQ(values.keys,
              (KeyChoice{Qt::Key_W, Qt::Key_S, Qt::Key_A, Qt::Key_D, Qt::Key_Shift, Qt::Key_Return,
                         Qt::Key_P, Qt::Key_Backspace, Qt::Key_F6, Qt::Key_PageDown}));
    EXPECT_TRUE(values.otherLines.empty());
    // The keypad's Enter is the game's Return.
    EXPECT_EQ(ParseSetupIni("\n\n\nKlavesa.Bomba=Enter").keys, KeysWith({{kBomb, Qt::Key_Return}}));
}

TEST(SetupKeys, ALineThatDoesNotReadOrAReservedKeyGivesTheDefault) {
    for (const char* value : {"", "Ctrl+W", "Alt+Return", "F1", "F11", "Meta", "Ě", ",", "WW",
                              "F25", "Control Space"}) {
        const std::string text =
            std::string("\n\n\nKlavesa.Vpravo=D\nKlavesa.Strelba=J\nKlavesa.Strelba=") + value;
        EXPECT_EQ(ParseSetupIni(text).keys, KeysWith({{kRight, Qt::Key_D}})) << value;
    }
}

TEST(SetupKeys, TwoCommandsOnOneKeyBothGetTheirDefaults) {
    EXPECT_EQ(ParseSetupIni("\n\n\nKlavesa.Pauza=P\nKlavesa.Menu=P\nKlavesa.Ulozit=S").keys,
              KeysWith({{kQuickSave, Qt::Key_S}}));
    // The fire took Space and the bomb, sent back to Space, meets it.
    EXPECT_EQ(ParseSetupIni("\n\n\nKlavesa.Strelba=Space\nKlavesa.Bomba=Up").keys, DefaultKeys());
    EXPECT_EQ(ParseSetupIni("\n\n\nKlavesa.Strelba=Space\nKlavesa.Bomba=Control").keys,
              KeysWith({{kFire, Qt::Key_Space}, {kBomb, Qt::Key_Control}}));
}

TEST(SetupKeys, UnknownKeyLinesAreKeptAsOtherLines) {
    const SetupValues values =
        ParseSetupIni("\n\n\nKlavesa.Skok=W\nKlavesa.Nahoru=W\nKlavesa.=X\nKlavesaDolu=S\n");
    EXPECT_EQ(values.keys, KeysWith({{kUp, Qt::Key_W}}));
    EXPECT_EQ(values.otherLines,
              (std::vector<std::string>{"Klavesa.Skok=W", "Klavesa.=X", "KlavesaDolu=S"}));
}

TEST(SetupKeys, RefusesReservedUnknownAndTakenKeys) {
    const KeyChoice keys = KeysWith({{kUp, Qt::Key_W}});
    EXPECT_EQ(RefusalOf(keys, kFire, Qt::Key_J, Qt::NoModifier), KeyRefusal::None);
    EXPECT_EQ(RefusalOf(keys, kFire, Qt::Key_Control, Qt::ControlModifier), KeyRefusal::None);
    EXPECT_EQ(RefusalOf(keys, kFire, Qt::Key_W, Qt::NoModifier), KeyRefusal::Taken);
    EXPECT_EQ(RefusalOf(keys, kUp, Qt::Key_W, Qt::NoModifier), KeyRefusal::None);  // its own
    EXPECT_EQ(RefusalOf(keys, kFire, Qt::Key_Space, Qt::NoModifier), KeyRefusal::Taken);
    EXPECT_EQ(RefusalOf(keys, kFire, Qt::Key_F1, Qt::NoModifier), KeyRefusal::Help);
    EXPECT_EQ(RefusalOf(keys, kFire, Qt::Key_F11, Qt::NoModifier), KeyRefusal::Screen);
    EXPECT_EQ(RefusalOf(keys, kFire, Qt::Key_Return, Qt::AltModifier), KeyRefusal::Screen);
    EXPECT_EQ(RefusalOf(keys, kFire, Qt::Key_Enter, Qt::AltModifier | Qt::KeypadModifier),
              KeyRefusal::Screen);
    EXPECT_EQ(RefusalOf(keys, kFire, Qt::Key_Return, Qt::ShiftModifier), KeyRefusal::None);
    EXPECT_EQ(RefusalOf(keys, kFire, Qt::Key_Meta, Qt::MetaModifier), KeyRefusal::Unknown);
    EXPECT_EQ(RefusalOf(keys, kFire, Qt::Key_Comma, Qt::NoModifier), KeyRefusal::Unknown);
    EXPECT_EQ(RefusalOf(keys, kFire, 0x11A, Qt::NoModifier), KeyRefusal::Unknown);  // Ě
    // Return chosen for one command makes the keypad's Enter taken as well.
    const KeyChoice withReturn = KeysWith({{kBomb, Qt::Key_Return}});
    EXPECT_EQ(RefusalOf(withReturn, kFire, Qt::Key_Enter, Qt::KeypadModifier), KeyRefusal::Taken);
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
    EXPECT_EQ(ReadSetupIni(Path()), Old(false, 100, 0));
    WriteRaw(Path(), "Zvuky=Ano\r\n");
    EXPECT_EQ(ReadSetupIni(Path()), Old(true, 100, 0));
    WriteRaw(Path(), "Zvuky=Ano\r\nHlasitost=30");
    EXPECT_EQ(ReadSetupIni(Path()), Old(true, 30, 0));
}

TEST_F(SetupIniFile, AnyLineEndEndsALine) {
    for (const QByteArray end : {"\r\n", "\n", "\r"}) {
        WriteRaw(Path(), "Zvuky=Ne" + end + "Hlasitost=7" + end + "Tick=9" + end + "Zvetseni=3" +
                             end + "X=1" + end);
        SetupValues expected = Old(false, 7, 9);
        expected.scale = 3;
        expected.otherLines = {"X=1"};
        EXPECT_EQ(ReadSetupIni(Path()), expected) << end.toHex().constData();
    }
    // CR CR is two ends with an empty line between them.
    WriteRaw(Path(), "Zvuky=Ano\r\rTick=2\r\n");
    EXPECT_EQ(ReadSetupIni(Path()), Old(true, 100, 2));
}

TEST_F(SetupIniFile, WritesTheOldLinesFirstThenTheNewOnesWithCrLf) {
    ASSERT_TRUE(WriteSetupIni(Path(), Old(true, 80, 50), nullptr));
    EXPECT_EQ(ReadAll(Path()),
              "Zvuky=Ano\r\nHlasitost=80\r\nTick=50\r\n" + NewLines("auto", "Ne", "Ano"));
    SetupValues values = Old(false, 0, 20000);
    values.scale = 4;
    values.fullScreen = true;
    values.pauseOnFocusLoss = false;
    ASSERT_TRUE(WriteSetupIni(Path(), values, nullptr));
    EXPECT_EQ(ReadAll(Path()),
              "Zvuky=Ne\r\nHlasitost=0\r\nTick=20000\r\n" + NewLines("4", "Ano", "Ne"));
}

TEST_F(SetupIniFile, ChosenKeysAreWrittenAfterTheOldLinesByTheirPortableNames) {
    SetupValues values = Old(true, 80, 50);
    values.keys = KeysWith({{kUp, Qt::Key_W},
                            {kLeft, Qt::Key_A},
                            {kDown, Qt::Key_S},
                            {kRight, Qt::Key_D},
                            {kFire, Qt::Key_Shift},
                            {kMenu, Qt::Key_Q},
                            {kPause, Qt::Key_PageUp},
                            {kQuickLoad, Qt::Key_F12}});
    values.otherLines = {"Jazyk=cs"};
    ASSERT_TRUE(WriteSetupIni(Path(), values, nullptr));
    const QByteArray written = ReadAll(Path());
    EXPECT_EQ(written,
              "Zvuky=Ano\r\nHlasitost=80\r\nTick=50\r\nZvetseni=auto\r\nCelaObrazovka=Ne\r\n"
              "PauzaPriPrepnuti=Ano\r\nKlavesa.Nahoru=W\r\nKlavesa.Dolu=S\r\nKlavesa.Vlevo=A\r\n"
              "Klavesa.Vpravo=D\r\nKlavesa.Strelba=Shift\r\nKlavesa.Bomba=Space\r\n"
              "Klavesa.Pauza=PgUp\r\nKlavesa.Menu=Q\r\nKlavesa.Ulozit=F5\r\nKlavesa.Nahrat=F12\r\n"
              "Jazyk=cs\r\n");
    // A reader of the old three lines, by position, sees the old values.
    const QList<QByteArray> lines = written.split('\n');
    EXPECT_TRUE(SoundFromLine(lines[0].toStdString()));
    EXPECT_EQ(VolumeFromLine(lines[1].trimmed().toStdString()), 80);
    EXPECT_EQ(TickFromLine(lines[2].trimmed().toStdString()), 50);
    EXPECT_EQ(ReadSetupIni(Path()), values);
}

TEST_F(SetupIniFile, RewritingKeepsUnknownLinesAfterTheKnownOnes) {
    // A file of a newer game: the tool's values change, its other lines stay
    // byte for byte, a known name given twice is written once.
    WriteRaw(Path(),
             "Zvuky=Ano\nHlasitost=10\nTick=0\nKlavesy=W,A,S,D\nCelaObrazovka=Ano\n"
             "Jazyk=čeština\tpřesně\nCelaObrazovka=ne\n");
    std::optional<SetupValues> values = ReadSetupIni(Path());
    ASSERT_TRUE(values.has_value());
    values->volume = 90;
    ASSERT_TRUE(WriteSetupIni(Path(), *values, nullptr));
    EXPECT_EQ(ReadAll(Path()), "Zvuky=Ano\r\nHlasitost=90\r\nTick=0\r\n" +
                                   NewLines("auto", "Ne", "Ano") +
                                   "Klavesy=W,A,S,D\r\nJazyk=čeština\tpřesně\r\n");
}

TEST_F(SetupIniFile, WritingReplacesTheOldFileWhole) {
    WriteRaw(Path(), QByteArray(5000, 'x'));
    ASSERT_TRUE(WriteSetupIni(Path(), Old(true, 100, 0), nullptr));
    EXPECT_EQ(ReadAll(Path()),
              "Zvuky=Ano\r\nHlasitost=100\r\nTick=0\r\n" + NewLines("auto", "Ne", "Ano"));
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("setup.ini")});
}

TEST_F(SetupIniFile, WhatIsWrittenReadsBackTheSame) {
    SetupValues everything = Old(false, 37, 1234);
    everything.scale = 2;
    everything.fullScreen = true;
    everything.pauseOnFocusLoss = false;
    everything.otherLines = {"Klavesy=W", "x"};
    for (const SetupValues& values : {Old(true, 0, 0), Old(false, 100, 20000), everything}) {
        ASSERT_TRUE(WriteSetupIni(Path(), values, nullptr));
        EXPECT_EQ(ReadSetupIni(Path()), values);
    }
}

TEST_F(SetupIniFile, AFailedWriteSaysWhyAndLeavesNothingBehind) {
    // A folder in the way of the file: the new file cannot take its place.
    QDir folder(dir_.path());
    ASSERT_TRUE(folder.mkdir(QStringLiteral("setup.ini")));
    QString error;
    EXPECT_FALSE(WriteSetupIni(Path(), Old(true, 1, 2), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(QFileInfo(Path()).isDir());
    EXPECT_EQ(folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("setup.ini")});

    // A folder that is gone.
    error.clear();
    EXPECT_FALSE(WriteSetupIni(SetupIniPath(dir_.filePath(QStringLiteral("gone"))), {}, &error));
    EXPECT_FALSE(error.isEmpty());
}

// Things that are no settings file, in the file's place: the tool starts
// with its defaults at once.
TEST_F(SetupIniFile, APipeADeviceOrAHugeFileReadsAsNoFile) {
    const std::string path = Path().toStdString();
    ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);
    EXPECT_FALSE(ReadSetupIni(Path()).has_value());  // no writer: must not wait for one
    ASSERT_EQ(::unlink(path.c_str()), 0);

    std::filesystem::create_symlink("/dev/zero", path);
    EXPECT_FALSE(ReadSetupIni(Path()).has_value());
    ASSERT_EQ(::unlink(path.c_str()), 0);

    WriteRaw(Path(), "Zvuky=Ne\r\n");
    std::filesystem::resize_file(path, 4ull << 30);  // sparse: no room taken
    EXPECT_FALSE(ReadSetupIni(Path()).has_value());
}

class SetupIniWriteFaults : public SetupIniFile {
  protected:
    void TearDown() override { game::SetFileFaultHook(nullptr); }
    QStringList Entries() const {
        return QDir(dir_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }
};

TEST_F(SetupIniWriteFaults, AFullDiskOrAFailingFlushKeepsTheOldFile) {
    const QByteArray old = "Zvuky=Ne\r\nHlasitost=5\r\nTick=6\r\n";
    for (const game::FileStep failing :
         {game::FileStep::kCreate, game::FileStep::kWrite, game::FileStep::kSyncFile,
          game::FileStep::kClose, game::FileStep::kRename}) {
        for (const int error : {ENOSPC, EFBIG, EIO}) {
            WriteRaw(Path(), old);
            game::SetFileFaultHook([&](game::FileStep step, const std::string&) {
                return step == failing ? error : 0;
            });
            QString reason;
            EXPECT_FALSE(WriteSetupIni(Path(), Old(true, 90, 1), &reason));
            game::SetFileFaultHook(nullptr);
            EXPECT_TRUE(reason.contains(QString::fromLocal8Bit(std::strerror(error))))
                << qPrintable(reason);
            EXPECT_EQ(ReadAll(Path()), old) << game::FileStepName(failing);
            EXPECT_EQ(Entries(), QStringList{QStringLiteral("setup.ini")});
        }
    }
}

TEST_F(SetupIniWriteFaults, AFolderThatRefusesNewFilesGetsTheFileRewrittenInPlace) {
    WriteRaw(Path(), QByteArray(3000, 'x'));
    const auto refuseNewFiles = [](game::FileStep step, const std::string& path) {
        return step == game::FileStep::kCreate && path.find(".tmp-write-") != std::string::npos
                   ? EACCES
                   : 0;
    };
    game::SetFileFaultHook(refuseNewFiles);
    ASSERT_TRUE(WriteSetupIni(Path(), Old(false, 12, 34), nullptr));
    EXPECT_EQ(ReadAll(Path()), "Zvuky=Ne\r\nHlasitost=12\r\nTick=34\r\n" +
                                   NewLines("auto", "Ne", "Ano"));  // cut to its new length
    EXPECT_EQ(Entries(), QStringList{QStringLiteral("setup.ini")});

    // A link in the file's place is not written through, even then.
    const std::filesystem::path outside =
        std::filesystem::path(dir_.path().toStdString()) / "jinde";
    WriteRaw(QString::fromStdString(outside.string()), "cizí");
    std::filesystem::remove(Path().toStdString());
    std::filesystem::create_symlink(outside, Path().toStdString());
    QString reason;
    EXPECT_FALSE(WriteSetupIni(Path(), Old(true, 1, 1), &reason));
    EXPECT_EQ(ReadAll(QString::fromStdString(outside.string())), "cizí");

    // Nor is a file the player may not write.
    std::filesystem::remove(Path().toStdString());
    WriteRaw(Path(), "Zvuky=Ano\r\n");
    ::chmod(Path().toStdString().c_str(), 0444);
    if (::geteuid() != 0) {
        EXPECT_FALSE(WriteSetupIni(Path(), Old(false, 1, 1), &reason));
        EXPECT_EQ(ReadAll(Path()), "Zvuky=Ano\r\n");
    }
}

// The same with a real folder the tool may not write to.
TEST_F(SetupIniWriteFaults, AReadOnlyPortableFolderWithAWritableFile) {
    if (::geteuid() == 0) GTEST_SKIP() << "folder modes do not stop root; the seam test covers it";
    WriteRaw(Path(), "Zvuky=Ano\r\n");
    ::chmod(Path().toStdString().c_str(), 0644);
    ASSERT_EQ(::chmod(dir_.path().toStdString().c_str(), 0555), 0);
    const bool written = WriteSetupIni(Path(), Old(false, 50, 0), nullptr);
    ::chmod(dir_.path().toStdString().c_str(), 0755);
    EXPECT_TRUE(written);
    EXPECT_EQ(ReadSetupIni(Path()), Old(false, 50, 0));
}

}  // namespace
}  // namespace setup
